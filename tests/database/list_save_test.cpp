/* Writing the lists back, backups, and what a failed save leaves behind. */
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/database.h"
#include "database/file_ops.h"
#include "database_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

class ListSaving : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearMessages();
        SetDatabaseReporter(RecordMessage);
    }
    void TearDown() override { SetDatabaseReporter(nullptr); }
    void WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop)
    {
        WriteBytes(folder.File("pxddance"), dance);
        WriteBytes(folder.File("pxdrave"), rave);
        WriteBytes(folder.File("pxdhiphp"), hiphop);
    }
    std::unique_ptr<AppState> Load()
    {
        std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
        EXPECT_EQ(LoadSampleLists(state.get()), 1);
        return state;
    }
    static bool SameTables(const AppState &a, const AppState &b)
    {
        return std::memcmp(a.styles, b.styles, sizeof a.styles) == 0;
    }

    TempFolder folder;
};

const std::string LOOP_A = Record("10", "C:\\Ejay\\Dance\\Loops\\boucle01.pxd", "a", "loop", "4", "Boucle", "un");
const std::string LOOP_B = Record("11", "C:\\Ejay\\Dance\\Loops\\boucle02.pxd", "", "loop", "8", "Boucle", "deux");
const std::string BASS = Record("20", "C:\\Ejay\\Dance\\Bass\\basse.pxd", "b", "bass", "2", "Basse", "profonde");
const std::string RAP = Record("90", "C:\\Ejay\\Dance\\Rap\\rap.pxd", "", "rap", "3", "Voix", "éthérée");

} // namespace

TEST_F(ListSaving, MixedCategoriesComeBackGroupedLoopToRap)
{
    /* LF only, odd quoting and blanks: the writer's own form comes back. */
    WriteLists("\"90\"\n\"C:\\Ejay\\Dance\\Rap\\rap.pxd\"\n\n\"rap\"\n3\n\"Voix\"\n\"éth\"ér\"ée\"\n" + LOOP_A +
                   BASS + LOOP_B,
               "", "");
    std::unique_ptr<AppState> state = Load();
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(state.get(), &report), 1);
    EXPECT_EQ(report.failedCount, 0);
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), LOOP_A + LOOP_B + BASS + RAP);
    EXPECT_EQ(ReadBytes(folder.File("pxdrave")), ""); /* nine empty lists: zero bytes */
    EXPECT_FALSE(FileExists(folder.File("pxd.tmp")));
}

TEST_F(ListSaving, TheWrittenBytesByHand)
{
    std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
    SampleFields added = {nullptr, "C:\\Mes sons\\cri.pxd", nullptr, nullptr, "5", "Cri \"fort\"", "aigu"};
    AppendSample(CategoryListOf(state.get(), STYLE_RAVE, 4), added, 4);
    SampleFields loaded = {"3", "C:\\r.pxd", "z", "rap", "1", "R", "r"};
    AppendSample(CategoryListOf(state.get(), STYLE_HIPHOP, 9), loaded, 9);
    AppendSample(CategoryListOf(state.get(), STYLE_HIPHOP, 9), loaded, 9);
    state->styles[2].lists[8].slots[1].used = 2; /* not a used slot: not written */
    EXPECT_EQ(SaveSampleLists(state.get(), nullptr), 1);
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), "");
    EXPECT_EQ(ReadBytes(folder.File("pxdrave")),
              "\"\"\r\n\"C:\\Mes sons\\cri.pxd\"\r\n\"\"\r\n\"voice\"\r\n\"5\"\r\n\"Cri \"fort\"\"\r\n\"aigu\"\r\n");
    EXPECT_EQ(ReadBytes(folder.File("pxdhiphp")),
              "\"3\"\r\n\"C:\\r.pxd\"\r\n\"z\"\r\n\"rap\"\r\n\"1\"\r\n\"R\"\r\n\"r\"\r\n");
}

TEST_F(ListSaving, LoadSaveLoadGivesTheSameTables)
{
    std::string longPath(255, 'p'); /* a full field still reads back whole */
    WriteLists(RAP + LOOP_A + Record("1", longPath, "", "drum", "1", std::string(49, 'a'), "") + BASS + LOOP_B,
               Record("", "C:\\v.pxd", "", "voice", "", "", ""), "");
    std::unique_ptr<AppState> first = Load();
    ASSERT_EQ(SaveSampleLists(first.get(), nullptr), 1);
    std::unique_ptr<AppState> second = Load();
    EXPECT_TRUE(SameTables(*first, *second));
    EXPECT_EQ(std::string(second->styles[0].lists[5].slots[0].path), longPath);
}

TEST_F(ListSaving, RecordsKeptAsideAreWrittenBackInPlace)
{
    std::string loops;
    for (int n = 1; n <= 501; ++n)
        loops += NumberedRecord("loop", n);
    std::string unfinished = "\"7\"\r\n\"C:\\Ejay\\x.pxd\"\r\n\"  bout\"";
    WriteLists(NumberedRecord("bass", 1) + loops + NumberedRecord("rap", 2) + unfinished, "", "");
    std::unique_ptr<AppState> first = Load();
    ASSERT_EQ(CarriedRecordCount(STYLE_DANCE), 2);
    /* The user deletes a loop; the 501st still follows the loaded ones. */
    RemoveSample(&first->styles[0].lists[0], 0);
    ASSERT_EQ(SaveSampleLists(first.get(), nullptr), 1);
    std::string expected = loops.substr(NumberedRecord("loop", 1).size()) + NumberedRecord("bass", 1) +
                           NumberedRecord("rap", 2) + "\"7\"\r\n\"C:\\Ejay\\x.pxd\"\r\n\"  bout\"\r\n";
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), expected);
    ClearMessages();
    std::unique_ptr<AppState> second = Load();
    EXPECT_EQ(second->styles[0].lists[0].count, 500);
    EXPECT_STREQ(second->styles[0].lists[0].slots[499].number, "501");
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 1); /* only the unfinished end now */
}

TEST_F(ListSaving, BackupsAreExactCopiesOfTheOldFiles)
{
    const std::string oldDance = "old dance\r\n\x1a junk \r";
    WriteLists(LOOP_A, BASS, RAP);
    std::unique_ptr<AppState> state = Load();
    WriteBytes(folder.File("pxddance"), oldDance); /* changed on disk since */
    WriteBytes(folder.File("pxdrave.bak"), "previous rave backup");
    state->settings.backup = 1;
    EXPECT_EQ(BackupSampleLists(state.get()), 1);
    EXPECT_EQ(ReadBytes(folder.File("pxddance.bak")), oldDance);
    EXPECT_EQ(ReadBytes(folder.File("pxdrave.bak")), BASS);
    EXPECT_EQ(ReadBytes(folder.File("pxdhiphp.bak")), RAP);
    EXPECT_EQ(SaveSampleLists(state.get(), nullptr), 1);
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), LOOP_A);
    EXPECT_EQ(ReadBytes(folder.File("pxddance.bak")), oldDance);
}

TEST_F(ListSaving, BackupsOnlyWhenTheOptionIsExactlyOne)
{
    struct Row {
        int id, backup;
    } rows[] = {{1, 0}, {2, 2}, {3, -1}};
    for (const Row &row : rows) {
        WriteLists(LOOP_A, BASS, RAP);
        WriteBytes(folder.File("pxddance.bak"), "kept");
        std::remove(folder.File("pxdrave.bak").c_str());
        std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
        state->settings.backup = row.backup;
        EXPECT_EQ(BackupSampleLists(state.get()), 1) << "row " << row.id;
        EXPECT_EQ(ReadBytes(folder.File("pxddance.bak")), "kept") << "row " << row.id;
        EXPECT_FALSE(FileExists(folder.File("pxdrave.bak"))) << "row " << row.id;
    }
    EXPECT_EQ(BackupSampleLists(nullptr), 0);
}

TEST_F(ListSaving, AMissingListKeepsItsPreviousBackup)
{
    WriteLists(LOOP_A, BASS, RAP);
    std::remove(folder.File("pxdrave").c_str());
    WriteBytes(folder.File("pxdrave.bak"), "previous rave backup");
    std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
    state->settings.backup = 1;
    EXPECT_EQ(BackupSampleLists(state.get()), 1);
    EXPECT_EQ(ReadBytes(folder.File("pxdrave.bak")), "previous rave backup");
    EXPECT_EQ(ReadBytes(folder.File("pxddance.bak")), LOOP_A);
}

TEST_F(ListSaving, AListThatCannotBeReplacedIsReportedAndTheOthersWritten)
{
    WriteLists(LOOP_A, BASS, RAP);
    std::unique_ptr<AppState> state = Load();
    RemoveSample(&state->styles[0].lists[0], 0);
    RemoveSample(&state->styles[1].lists[1], 0);
    /* A folder where the Hiphop list should be: it cannot be replaced. The
       last list, so that no later save can take the temporary file away. */
    std::remove(folder.File("pxdhiphp").c_str());
    ASSERT_TRUE(MakeFolder(folder.File("pxdhiphp").c_str()));
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(state.get(), &report), 0);
    ASSERT_EQ(report.failedCount, 1);
    EXPECT_EQ(std::string(report.failedPaths[0]), folder.File("pxdhiphp"));
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), "");
    EXPECT_EQ(ReadBytes(folder.File("pxdrave")), "");
    EXPECT_FALSE(FileExists(folder.File("pxd.tmp")));
}

TEST_F(ListSaving, WhenNoTemporaryFileCanBeMadeEveryOldListStaysAsItWas)
{
    WriteLists(LOOP_A, BASS, RAP);
    std::unique_ptr<AppState> state = Load();
    RemoveSample(&state->styles[0].lists[0], 0);
    RemoveSample(&state->styles[1].lists[1], 0);
    RemoveSample(&state->styles[2].lists[8], 0);
    ASSERT_TRUE(MakeFolder(folder.File("pxd.tmp").c_str()));
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(state.get(), &report), 0);
    EXPECT_EQ(report.failedCount, 3);
    EXPECT_EQ(ReadBytes(folder.File("pxddance")), LOOP_A);
    EXPECT_EQ(ReadBytes(folder.File("pxdrave")), BASS);
    EXPECT_EQ(ReadBytes(folder.File("pxdhiphp")), RAP);
}

TEST_F(ListSaving, AMissingFolderFailsEveryListAndSaysWhich)
{
    std::unique_ptr<AppState> state = NewState(folder.File("gone"), folder.Path());
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(state.get(), &report), 0);
    ASSERT_EQ(report.failedCount, 3);
    EXPECT_EQ(std::string(report.failedPaths[0]), folder.File("gone") + PATH_SEPARATOR + "pxddance");
    EXPECT_EQ(std::string(report.failedPaths[1]), folder.File("gone") + PATH_SEPARATOR + "pxdrave");
    EXPECT_EQ(std::string(report.failedPaths[2]), folder.File("gone") + PATH_SEPARATOR + "pxdhiphp");
    EXPECT_FALSE(FileExists(folder.File("gone")));
    EXPECT_EQ(SaveSampleLists(nullptr, &report), 0);
}

TEST_F(ListSaving, APathThatDoesNotFitIsNotWrittenAndIsNamedCut)
{
    std::string longFolder = folder.File(std::string(240, 'd'));
    std::unique_ptr<AppState> state = NewState(longFolder, folder.Path());
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(state.get(), &report), 0);
    ASSERT_EQ(report.failedCount, 3);
    std::string named = report.failedPaths[0];
    EXPECT_EQ(named.size(), 255u);
    EXPECT_EQ(named.substr(0, 20), longFolder.substr(0, 20));
    EXPECT_EQ(named.substr(252), "...");
}

#ifdef _WIN32
/* As a virus scanner or an indexer does: reading and deleting allowed,
   nothing else. */
static HANDLE HoldOpen(const std::string &path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(ListSaving, AListHeldOpenByAnotherProgramStaysAsItWas)
{
    WriteLists(LOOP_A, BASS, RAP);
    std::unique_ptr<AppState> state = Load();
    RemoveSample(&state->styles[1].lists[1], 0);
    HANDLE held = HoldOpen(folder.File("pxdrave"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ListSaveReport report;
    int result = SaveSampleLists(state.get(), &report);
    CloseHandle(held);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(report.failedCount, 1);
    EXPECT_EQ(std::string(report.failedPaths[0]), folder.File("pxdrave"));
    EXPECT_EQ(ReadBytes(folder.File("pxdrave")), BASS);
    EXPECT_EQ(ReadBytes(folder.File("pxdhiphp")), RAP);
    EXPECT_FALSE(FileExists(folder.File("pxd.tmp")));
}

TEST_F(ListSaving, ABackupHeldOpenKeepsThePreviousBackup)
{
    WriteLists(LOOP_A, BASS, RAP);
    WriteBytes(folder.File("pxddance.bak"), "previous");
    std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
    state->settings.backup = 1;
    HANDLE held = HoldOpen(folder.File("pxddance.bak"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(BackupSampleLists(state.get()), 1);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder.File("pxddance.bak")), "previous");
    EXPECT_EQ(ReadBytes(folder.File("pxdrave.bak")), BASS);
}
#endif

#ifdef PELMORA_DEMO_DIR
TEST_F(ListSaving, TheDemoListsLoadAndComeBackByteForByte)
{
    const char *names[] = {"pxddance", "pxdrave", "pxdhiphp"};
    std::string original[3];
    for (int index = 0; index < 3; ++index) {
        original[index] = ReadBytes(std::string(PELMORA_DEMO_DIR) + "/" + names[index]);
        WriteBytes(folder.File(names[index]), original[index]);
    }
    std::unique_ptr<AppState> state = Load();
    EXPECT_TRUE(g_reported.empty());
    for (int index = 0; index < 3; ++index) {
        for (int category = 1; category <= CATEGORY_COUNT; ++category)
            EXPECT_GT(state->styles[index].lists[category - 1].count, 2) << names[index] << " " << category;
    }
    EXPECT_STREQ(state->styles[0].lists[0].slots[0].path, "C:\\Ejay\\Dance\\Loops\\boucle01.pxd");
    ASSERT_EQ(SaveSampleLists(state.get(), nullptr), 1);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(ReadBytes(folder.File(names[index])), original[index]) << names[index];
}
#endif
