/* Writing the lists back, backups, and what a failed save leaves behind. */
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "database/database.h"
#include "database/file_ops.h"
#include "database_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const std::string LOOP_A = Record({"10", "C:\\Ejay\\Dance\\Loops\\boucle01.pxd", "a", "loop", "4", "Boucle", "un"});
const std::string LOOP_B = Record({"11", "C:\\Ejay\\Dance\\Loops\\boucle02.pxd", "", "loop", "8", "Boucle", "deux"});
const std::string BASS = Record({"20", "C:\\Ejay\\Dance\\Bass\\basse.pxd", "b", "bass", "2", "Basse", "profonde"});
const std::string RAP = Record({"90", "C:\\Ejay\\Dance\\Rap\\rap.pxd", "", "rap", "3", "Voix", "éthérée"});

class ListSaving : public ListFolder {
protected:
    std::unique_ptr<AppState> LoadThree()
    {
        WriteLists(LOOP_A, BASS, RAP);
        return Load();
    }
    /* What the three list files hold, and whether a temporary file was left. */
    std::string OnDisk()
    {
        return ReadBytes(File("pxddance")) + "|" + ReadBytes(File("pxdrave")) + "|" + ReadBytes(File("pxdhiphp")) +
               (FileExists(File("pxd.tmp")) ? "|pxd.tmp" : "");
    }
    /* The report's count and paths, joined by " | ". */
    static std::string Failed(const ListSaveReport &report)
    {
        std::string text = std::to_string(report.failedCount);
        for (int index = 0; index < report.failedCount; ++index)
            text += std::string(" | ") + report.failedPaths[index];
        return text;
    }
};

} // namespace

/* LF only, odd quoting and blanks, full-width fields: the writer's own
   form comes back, categories grouped loop to rap, and loads the same. */
TEST_F(ListSaving, LoadSaveLoadGivesTheWritersFormAndTheSameTables)
{
    std::string wide = Record({"1", std::string(255, 'p'), "", "drum", "1", std::string(49, 'a'), ""});
    WriteLists("\"90\"\n\"C:\\Ejay\\Dance\\Rap\\rap.pxd\"\n\n\"rap\"\n3\n\"Voix\"\n\"éth\"ér\"ée\"\n" + LOOP_A + wide +
                   BASS + LOOP_B, "", "");
    std::unique_ptr<AppState> first = Load();
    ListSaveReport report;
    EXPECT_EQ(SaveSampleLists(first.get(), &report), 1);
    EXPECT_EQ(Failed(report), "0");
    EXPECT_EQ(OnDisk(), LOOP_A + LOOP_B + BASS + wide + RAP + "||"); /* nine empty lists: zero bytes */
    std::unique_ptr<AppState> second = Load();
    EXPECT_EQ(std::memcmp(first->styles, second->styles, sizeof first->styles), 0);
}

TEST_F(ListSaving, AddedEntriesAreWrittenWithEmptyNumberAndExtraAndTheListsKeyword)
{
    std::unique_ptr<AppState> state = NewState(folder, folder);
    AppendSample(CategoryListOf(state.get(), STYLE_RAVE, 4),
                 {nullptr, "C:\\Mes sons\\cri.pxd", nullptr, nullptr, "5", "Cri \"fort\"", "aigu"}, 4);
    SampleFields loaded = {"3", "C:\\r.pxd", "z", "rap", "1", "R", "r"};
    AppendSample(CategoryListOf(state.get(), STYLE_HIPHOP, 9), loaded, 9);
    AppendSample(CategoryListOf(state.get(), STYLE_HIPHOP, 9), loaded, 9);
    state->styles[2].lists[8].slots[1].used = 2; /* not a used slot: not written */
    EXPECT_EQ(SaveSampleLists(state.get(), nullptr), 1);
    EXPECT_EQ(OnDisk(), "|\"\"\r\n\"C:\\Mes sons\\cri.pxd\"\r\n\"\"\r\n\"voice\"\r\n\"5\"\r\n\"Cri \"fort\"\"\r\n\"aigu\"\r\n"
                        "|\"3\"\r\n\"C:\\r.pxd\"\r\n\"z\"\r\n\"rap\"\r\n\"1\"\r\n\"R\"\r\n\"r\"\r\n");
}

TEST_F(ListSaving, RecordsKeptAsideAreWrittenBackInPlace)
{
    std::string unfinished = "\"7\"\r\n\"C:\\Ejay\\x.pxd\"\r\n\"  bout\"";
    WriteLists(Numbered("bass", 1) + Numbered("loop", 1, 501) + Numbered("rap", 2) + unfinished, "", "");
    std::unique_ptr<AppState> first = Load();
    ASSERT_EQ(CarriedRecordCount(STYLE_DANCE), 2);
    /* The user deletes a loop; the 501st still follows the loaded ones. */
    RemoveSample(&first->styles[0].lists[0], 0);
    ASSERT_EQ(SaveSampleLists(first.get(), nullptr), 1);
    EXPECT_EQ(ReadBytes(File("pxddance")),
              Numbered("loop", 2, 501) + Numbered("bass", 1) + Numbered("rap", 2) + unfinished + "\r\n");
    std::unique_ptr<AppState> second = Load();
    EXPECT_EQ(second->styles[0].lists[0].count, 500);
    EXPECT_STREQ(second->styles[0].lists[0].slots[499].number, "501");
    EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 1); /* only the unfinished end now */
}

/* The copies are of the files as they are on disk, even when changed
   since loading; a list that is missing keeps its previous backup; no
   copies unless the option is exactly 1. */
TEST_F(ListSaving, BackupsAreExactCopiesOfTheOldFiles)
{
    const std::string oldDance = "old dance\r\n\x1a junk \r";
    for (int backup : {0, 2, -1, 1}) {
        std::unique_ptr<AppState> state = LoadThree();
        WriteBytes(File("pxddance"), oldDance);
        WriteBytes(File("pxdhiphp.bak"), "previous");
        std::remove(File("pxdhiphp").c_str());
        state->settings.backup = backup;
        EXPECT_EQ(BackupSampleLists(state.get()), 1) << "backup=" << backup;
        EXPECT_EQ(ReadBytes(File("pxddance.bak")) + "|" + ReadBytes(File("pxdrave.bak")) + "|" +
                      ReadBytes(File("pxdhiphp.bak")),
                  backup == 1 ? oldDance + "|" + BASS + "|previous" : "<missing>|<missing>|previous")
            << "backup=" << backup;
        EXPECT_EQ(SaveSampleLists(state.get(), nullptr), 1) << "backup=" << backup;
        EXPECT_EQ(OnDisk(), LOOP_A + "|" + BASS + "|" + RAP) << "backup=" << backup;
    }
    EXPECT_EQ(BackupSampleLists(nullptr), 0);
}

/* Safe writes: each list goes through a temporary file that replaces it
   only when whole, so a failure leaves the old list as it was and says so. */
TEST_F(ListSaving, FailedSavesLeaveTheOldListsAndNameTheFailedOnes)
{
    std::string gone = File("gone"), longFolder = File(std::string(240, 'd'));
    std::string cut = longFolder.substr(0, 252) + "...", sep = PATH_SEPARATOR_TEXT;
    const std::string old = LOOP_A + "|" + BASS + "|" + RAP;
    struct Row {
        int id;
        const char *blocked; /* a folder made in the way of this file */
        std::string ejayDir, failed, lists;
    } rows[] = {
        /* the last list, so that no later save can take the temporary file away */
        {1, "pxdhiphp", folder, "1 | " + File("pxdhiphp"), "||<missing>"},
        {2, "pxd.tmp", folder, "3 | " + File("pxddance") + " | " + File("pxdrave") + " | " + File("pxdhiphp"),
         old + "|pxd.tmp"},
        {3, "", gone, "3 | " + gone + sep + "pxddance | " + gone + sep + "pxdrave | " + gone + sep + "pxdhiphp", old},
        {4, "", longFolder, "3 | " + cut + " | " + cut + " | " + cut, old}, /* too long to form: not written */
    };
    for (const Row &row : rows) {
        std::unique_ptr<AppState> state = LoadThree();
        RemoveSample(&state->styles[0].lists[0], 0);
        RemoveSample(&state->styles[1].lists[1], 0);
        RemoveSample(&state->styles[2].lists[8], 0);
        std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", row.ejayDir.c_str());
        if (*row.blocked != '\0') {
            std::remove(File(row.blocked).c_str());
            ASSERT_TRUE(MakeFolder(File(row.blocked).c_str())) << "row " << row.id;
        }
        ListSaveReport report;
        EXPECT_EQ(SaveSampleLists(state.get(), &report), 0) << "row " << row.id;
        EXPECT_EQ(Failed(report), row.failed) << "row " << row.id;
        EXPECT_EQ(OnDisk(), row.lists) << "row " << row.id;
        EXPECT_FALSE(FileExists(gone)) << "row " << row.id;
        if (*row.blocked != '\0')
            std::filesystem::remove_all(File(row.blocked));
    }
    EXPECT_EQ(SaveSampleLists(nullptr, nullptr), 0);
}

#ifdef _WIN32
/* As a virus scanner or an indexer does: reading and deleting allowed, nothing else. */
HANDLE HoldOpen(const std::string &path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(ListSaving, FilesHeldOpenByAnotherProgramStayAsTheyWere)
{
    std::unique_ptr<AppState> state = LoadThree();
    WriteBytes(File("pxddance.bak"), "previous");
    RemoveSample(&state->styles[1].lists[1], 0);
    state->settings.backup = 1;
    HANDLE heldBackup = HoldOpen(File("pxddance.bak"));
    ASSERT_NE(heldBackup, INVALID_HANDLE_VALUE);
    EXPECT_EQ(BackupSampleLists(state.get()), 1);
    CloseHandle(heldBackup);
    EXPECT_EQ(ReadBytes(File("pxddance.bak")) + "|" + ReadBytes(File("pxdrave.bak")), "previous|" + BASS);

    HANDLE heldList = HoldOpen(File("pxdrave"));
    ASSERT_NE(heldList, INVALID_HANDLE_VALUE);
    ListSaveReport report;
    int result = SaveSampleLists(state.get(), &report);
    CloseHandle(heldList);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Failed(report), "1 | " + File("pxdrave"));
    EXPECT_EQ(OnDisk(), LOOP_A + "|" + BASS + "|" + RAP);
}
#endif

#ifdef PELMORA_DEMO_DIR
TEST_F(ListSaving, TheDemoListsLoadAndComeBackByteForByte)
{
    const char *names[] = {"pxddance", "pxdrave", "pxdhiphp"};
    std::string original[3];
    for (int index = 0; index < 3; ++index)
        WriteBytes(File(names[index]), original[index] = ReadBytes(std::string(PELMORA_DEMO_DIR) + "/" + names[index]));
    std::unique_ptr<AppState> state = Load();
    EXPECT_TRUE(g_reported.empty());
    for (int index = 0; index < 3; ++index)
        for (int category = 0; category < CATEGORY_COUNT; ++category)
            EXPECT_GT(state->styles[index].lists[category].count, 2) << names[index] << " " << category + 1;
    ASSERT_EQ(SaveSampleLists(state.get(), nullptr), 1);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(ReadBytes(File(names[index])), original[index]) << names[index];
}
#endif
