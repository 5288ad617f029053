/* Loading the three lists: capacities, records kept aside, missing files,
   unknown keywords and paths that do not fit. */
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "database/file_ops.h"
#include "database_test_support.h"
#include "settings/settings.h"

namespace {

const char CARRIED_TEXT[] = "\" contient %d enregistrement(s) qui n'ont pas pu être chargé(s) (plus de 500 dans "
                            "une catégorie, ou enregistrement incomplet en fin de fichier) : ils seront "
                            "conservés tels quels à l'enregistrement.";

std::string CarriedLine(const std::string &path, int count)
{
    char text[600];
    std::snprintf(text, sizeof text, CARRIED_TEXT, count);
    return "Le fichier \"" + path + text;
}

std::string Numbered(const std::string &keyword, int first, int last)
{
    std::string text;
    for (int n = first; n <= last; ++n)
        text += NumberedRecord(keyword, n);
    return text;
}

class ListLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearMessages();
        SetDatabaseReporter(RecordMessage);
        ASSERT_TRUE(MakeFolder(userFolder.c_str()));
        SetUserSettingsFolder(userFolder.c_str());
        WriteBytes(windowsIni, "[SYSTEM]\r\n");
        WriteBytes(userIni, "[SYSTEM]\r\n");
    }
    void TearDown() override
    {
        SetDatabaseReporter(nullptr);
        SetUserSettingsFolder("");
    }
    void WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop)
    {
        WriteBytes(folder.File("pxddance"), dance);
        WriteBytes(folder.File("pxdrave"), rave);
        WriteBytes(folder.File("pxdhiphp"), hiphop);
    }
    std::unique_ptr<AppState> Load(int *result)
    {
        std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
        *result = LoadSampleLists(state.get());
        return state;
    }

    TempFolder folder;
    std::string userFolder = folder.File("user");
    std::string windowsIni = folder.File("Pelmora.ini");
    std::string userIni = userFolder + PATH_SEPARATOR + "Pelmora.ini";
};

} // namespace

TEST_F(ListLoading, TheThreeFilesFillTheirOwnStyles)
{
    WriteLists(NumberedRecord("rap", 1) + NumberedRecord("loop", 2), NumberedRecord("drum", 3),
               NumberedRecord("special", 4));
    int result = 0;
    std::unique_ptr<AppState> state = Load(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(state->styles[0].lists[8].count, 1);
    EXPECT_EQ(state->styles[0].lists[0].count, 1);
    EXPECT_EQ(state->styles[1].lists[5].count, 1);
    EXPECT_STREQ(state->styles[2].lists[7].slots[0].number, "4");
    EXPECT_TRUE(g_reported.empty());
    EXPECT_TRUE(FileExists(windowsIni));
}

TEST_F(ListLoading, CapacitiesPerCategory)
{
    struct Row {
        int id, loops;         /* loop records written, bass records after them */
        int loadedLoops, carried;
    } rows[] = {{1, 499, 499, 0}, {2, 500, 500, 0}, {3, 501, 500, 1}, {4, 503, 500, 3}};
    for (const Row &row : rows) {
        WriteLists(Numbered("loop", 1, row.loops) + NumberedRecord("bass", 9000), "", "");
        int result = 0;
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, 1) << "row " << row.id;
        const CategoryList &loops = state->styles[0].lists[0];
        ASSERT_EQ(loops.count, row.loadedLoops) << "row " << row.id;
        EXPECT_STREQ(loops.slots[row.loadedLoops - 1].number, std::to_string(row.loadedLoops).c_str())
            << "row " << row.id;
        EXPECT_EQ(state->styles[0].lists[1].count, 1) << "row " << row.id; /* bass still loaded */
        EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), row.carried) << "row " << row.id;
        if (row.carried == 0) {
            EXPECT_TRUE(g_reported.empty()) << "row " << row.id;
        } else {
            ASSERT_EQ(g_reported.size(), 1u) << "row " << row.id;
            EXPECT_EQ(g_reported[0], CarriedLine(folder.File("pxddance"), row.carried)) << "row " << row.id;
        }
        ClearMessages();
    }
}

TEST_F(ListLoading, AnUnfinishedRecordAtTheEndIsToldOnceForAllFiles)
{
    std::string unfinished = "\"7\"\r\n\"C:\\Ejay\\x.pxd\"\r\n";
    WriteLists(NumberedRecord("loop", 1) + unfinished, "", Numbered("rap", 1, 502));
    int result = 0;
    std::unique_ptr<AppState> state = Load(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(state->styles[0].lists[0].count, 1);
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 1);
    EXPECT_EQ(CarriedRecordCount(STYLE_RAVE), 0);
    EXPECT_EQ(CarriedRecordCount(STYLE_HIPHOP), 2);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0],
              CarriedLine(folder.File("pxddance"), 1) + "\n" + CarriedLine(folder.File("pxdhiphp"), 2));
}

TEST_F(ListLoading, EveryLoadStartsWithNothingKeptAside)
{
    WriteLists(Numbered("loop", 1, 501), "", "");
    int result = 0;
    Load(&result);
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 1);
    WriteLists("", "", "");
    Load(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 0);
}

TEST_F(ListLoading, AMissingListStopsLoadingAndForgetsTheSettings)
{
    struct Row {
        int id;
        const char *missing;
        int danceLoaded, raveLoaded; /* records loaded before the stop */
    } rows[] = {{1, "pxddance", 0, 0}, {2, "pxdrave", 1, 0}, {3, "pxdhiphp", 1, 1}};
    for (const Row &row : rows) {
        /* Hiphop's unknown keyword would add a second message if it were read. */
        WriteLists(NumberedRecord("loop", 1), NumberedRecord("bass", 2), NumberedRecord("Loop", 3));
        std::remove(folder.File(row.missing).c_str());
        WriteBytes(windowsIni, "[SYSTEM]\r\n");
        WriteBytes(userIni, "[SYSTEM]\r\n");
        int result = 0;
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, 0) << "row " << row.id;
        ASSERT_EQ(g_reported.size(), 1u) << "row " << row.id;
        EXPECT_EQ(g_reported[0], "Le fichier \"" + folder.File(row.missing) + "\" est introuvable !            ")
            << "row " << row.id;
        EXPECT_EQ(state->styles[0].lists[0].count, row.danceLoaded) << "row " << row.id;
        EXPECT_EQ(state->styles[1].lists[1].count, row.raveLoaded) << "row " << row.id;
        EXPECT_EQ(state->styles[2].lists[0].count, 0) << "row " << row.id;
        EXPECT_FALSE(FileExists(windowsIni)) << "row " << row.id;
        EXPECT_FALSE(FileExists(userIni)) << "row " << row.id;
        ClearMessages();
    }
}

TEST_F(ListLoading, AnUnknownKeywordStopsAtOnceAndKeepsTheSettings)
{
    WriteLists(NumberedRecord("loop", 1), NumberedRecord("Loop", 2) + NumberedRecord("bass", 3),
               NumberedRecord("rap", 4));
    int result = 0;
    std::unique_ptr<AppState> state = Load(&result);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], "La catégorie \"Loop\" est inconnue !            ");
    EXPECT_EQ(state->styles[0].lists[0].count, 1);
    EXPECT_EQ(state->styles[1].lists[1].count, 0);
    EXPECT_EQ(state->styles[2].lists[8].count, 0);
    EXPECT_TRUE(FileExists(windowsIni));
    EXPECT_TRUE(FileExists(userIni));
}

TEST_F(ListLoading, APathThatDoesNotFitIsRefusedNotCut)
{
    /* 250 characters: "<dir><sep>pxddance" needs 259 and would be cut to
       another name in a 256-character buffer. */
    std::unique_ptr<AppState> state = NewState(std::string(250, 'd'), folder.Path());
    EXPECT_EQ(LoadSampleLists(state.get()), 0);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], "Le chemin \"" + std::string(250, 'd') + PATH_SEPARATOR +
                                 "pxddance\" est trop long !            ");
    EXPECT_FALSE(FileExists(windowsIni));
}

TEST_F(ListLoading, NoStateNoWork)
{
    EXPECT_EQ(LoadSampleLists(nullptr), 0);
    EXPECT_TRUE(g_reported.empty());
    EXPECT_TRUE(FileExists(windowsIni));
}
