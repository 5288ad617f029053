/* Loading the three lists: capacities, records kept aside, missing files
   and paths that do not fit. */
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "database/database.h"
#include "database/file_ops.h"
#include "database_test_support.h"

namespace {

std::string CarriedLine(const std::string &path, int count)
{
    return "Le fichier \"" + path + "\" contient " + std::to_string(count) +
           " enregistrement(s) qui n'ont pas pu être chargé(s) (plus de 500 dans une catégorie, ou enregistrement "
           "incomplet en fin de fichier) : ils seront conservés tels quels à l'enregistrement.";
}

using ListLoading = ListFolder;

} // namespace

TEST_F(ListLoading, TheThreeFilesFillTheirOwnStyles)
{
    WriteLists(Numbered("rap", 1) + Numbered("loop", 2), Numbered("drum", 3), Numbered("special", 4));
    int result = 0;
    std::unique_ptr<AppState> state = Load(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Tables(*state), "D1:2, D9:1, R6:3, H8:4");
    EXPECT_TRUE(g_reported.empty());
    EXPECT_EQ(LoadSampleLists(nullptr), 0);
}

/* Row 5 loads after row 4: every load starts with nothing kept aside. */
TEST_F(ListLoading, CapacitiesPerCategory)
{
    struct Row {
        int id, loops, loadedLoops, carried; /* loops written, then one bass record */
    } rows[] = {{1, 499, 499, 0}, {2, 500, 500, 0}, {3, 501, 500, 1}, {4, 503, 500, 3}, {5, 1, 1, 0}};
    for (const Row &row : rows) {
        g_reported.clear();
        WriteLists(Numbered("loop", 1, row.loops) + Numbered("bass", 9000), "", "");
        int result = 0;
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, 1) << "row " << row.id;
        const CategoryList &loops = state->styles[0].lists[0];
        ASSERT_EQ(loops.count, row.loadedLoops) << "row " << row.id;
        EXPECT_EQ(loops.slots[row.loadedLoops - 1].number, std::to_string(row.loadedLoops)) << "row " << row.id;
        EXPECT_EQ(Numbers(state->styles[0].lists[1]), "9000") << "row " << row.id; /* bass still loaded */
        EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), row.carried) << "row " << row.id;
        EXPECT_EQ(g_reported, row.carried ? std::vector<std::string>{CarriedLine(File("pxddance"), row.carried)}
                                          : std::vector<std::string>())
            << "row " << row.id;
    }
}

TEST_F(ListLoading, AnUnfinishedRecordAtTheEndIsToldOnceForAllFiles)
{
    WriteLists(Numbered("loop", 1) + "\"7\"\r\n\"C:\\Ejay\\x.pxd\"\r\n", "", Numbered("rap", 1, 502));
    int result = 0;
    std::unique_ptr<AppState> state = Load(&result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(state->styles[0].lists[0].count * 1000 + state->styles[2].lists[8].count, 1500);
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE) * 100 + CarriedRecordCount(STYLE_RAVE) * 10 +
                  CarriedRecordCount(STYLE_HIPHOP), 102);
    EXPECT_EQ(g_reported, std::vector<std::string>{CarriedLine(File("pxddance"), 1) + "\n" +
                                                   CarriedLine(File("pxdhiphp"), 2)});
}

TEST_F(ListLoading, AMissingListStopsLoadingAndForgetsTheSettings)
{
    struct Row {
        int id;
        const char *missing;
        const char *tables; /* loaded before the stop */
    } rows[] = {{1, "pxddance", ""}, {2, "pxdrave", "D1:1"}, {3, "pxdhiphp", "D1:1, R2:2"}};
    for (const Row &row : rows) {
        g_reported.clear();
        /* Hiphop's unknown keyword would add a second message if it were read. */
        WriteLists(Numbered("loop", 1), Numbered("bass", 2), Numbered("Loop", 3));
        std::remove(File(row.missing).c_str());
        WriteBytes(windowsIni, "[SYSTEM]\r\n");
        WriteBytes(userIni, "[SYSTEM]\r\n");
        int result = 0;
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, 0) << "row " << row.id;
        EXPECT_EQ(g_reported, std::vector<std::string>{"Le fichier \"" + File(row.missing) +
                                                       "\" est introuvable !            "})
            << "row " << row.id;
        EXPECT_EQ(Tables(*state), row.tables) << "row " << row.id;
        EXPECT_FALSE(FileExists(windowsIni) || FileExists(userIni)) << "row " << row.id;
    }
}

TEST_F(ListLoading, APathThatDoesNotFitIsRefusedNotCut)
{
    /* "<dir><sep>pxddance" needs 259 characters: cut to 256, it would name another file. */
    std::unique_ptr<AppState> state = NewState(std::string(250, 'd'), folder);
    EXPECT_EQ(LoadSampleLists(state.get()), 0);
    EXPECT_EQ(g_reported, std::vector<std::string>{"Le chemin \"" + std::string(250, 'd') + PATH_SEPARATOR +
                                                   "pxddance\" est trop long !            "});
    EXPECT_FALSE(FileExists(windowsIni));
}
