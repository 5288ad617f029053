/* The three list files: loading them and what stops a load, writing them
   back whole or not at all, and the backups. */
#include <gtest/gtest.h>

#include <set>

#include "database_test_support.h"
#include "files/files.h"

using namespace dbtest;

namespace {

const std::string LOOP_A = Record({"10", "C:\\Ejay\\Dance\\Loops\\boucle01.pxd", "a", "loop", "4", "Boucle", "un"});
const std::string LOOP_B = Record({"11", "C:\\Ejay\\Dance\\Loops\\boucle02.pxd", "", "loop", "8", "Boucle", "deux"});
const std::string BASS = Record({"20", "C:\\Ejay\\Dance\\Bass\\basse.pxd", "b", "bass", "2", "Basse", "profonde"});
const std::string RAP = Record({"90", "C:\\Ejay\\Dance\\Rap\\rap.pxd", "", "rap", "3", "Voix", "éthérée"});

std::string KeptAside(const std::string &path, int count)
{
    return "Le fichier \"" + path + "\" contient " + std::to_string(count) +
           " enregistrement(s) qui ne peuvent pas être affichés (plus de 500 dans une catégorie, valeur trop longue "
           "pour son champ, enregistrement incomplet ou texte après un caractère de fin de fichier) : ils seront "
           "conservés tels quels à l'enregistrement.";
}

class ListFiles : public ListFolder {
protected:
    std::unique_ptr<AppState> LoadThree()
    {
        WriteLists(LOOP_A, BASS, RAP);
        return Load();
    }
    /* The report's count and files, joined by " | ". */
    static std::string Failed(const ListSaveReport &report)
    {
        std::string text = std::to_string(report.failedCount);
        for (int index = 0; index < report.failedCount; ++index)
            text += std::string(" | ") + report.failedPaths[index];
        return text;
    }
};

} // namespace

/* Each file fills its own style; what a file's tables cannot hold is told
   once, for all files together, after loading. */
TEST_F(ListFiles, TheThreeFilesFillTheirOwnStyles)
{
    WriteLists(Numbered("rap", 1) + Numbered("loop", 2) + "\"7\"\r\n", Numbered("drum", 3),
               Numbered("special", 1, 502));
    std::unique_ptr<AppState> state = Load();
    EXPECT_EQ(Tables(state->styles, STYLE_COUNT).substr(0, 20), "D1:2, D9:1, R6:3, H8");
    EXPECT_EQ(state->styles[2].lists[7].count, 500);
    EXPECT_EQ(load.messages,
              std::vector<std::string>{KeptAside(File("pxddance"), 1) + "\n" + KeptAside(File("pxdhiphp"), 2)});
    EXPECT_EQ(LoadSampleLists(nullptr, &load), LISTS_REFUSED);
}

/* Loading stops at the first list that fails, later ones unread (Hiphop's
   unknown keyword would add a second message), and writes nothing. */
TEST_F(ListFiles, WhatStopsALoad)
{
    struct Row {
        int id;
        int raveList; /* 0 as written, 1 removed, 2 a folder (unreadable) */
        ListLoadResult result;
        std::string message, tables;
    } rows[] = {{1, 1, LISTS_NOT_FOUND, "Le fichier \"" + File("pxdrave") + "\" est introuvable !            ", "D1:1"},
                {2, 2, LISTS_REFUSED,
                 "Le fichier \"" + File("pxdrave") +
                     "\" n'a pas pu être lu jusqu'au bout : un dossier porte ce nom.            ",
                 "D1:1"},
                {3, 0, LISTS_REFUSED, "La catégorie \"Loop\" est inconnue !            ", "D1:1, R2:2"}};
    for (const Row &row : rows) {
        fs::remove_all(File("pxdrave"));
        WriteLists(Numbered("loop", 1), Numbered("bass", 2), Numbered("Loop", 3));
        if (row.raveList > 0)
            fs::remove(File("pxdrave"));
        if (row.raveList == 2)
            fs::create_directory(File("pxdrave"));
        std::unique_ptr<AppState> state = Load(row.result);
        EXPECT_EQ(load.messages, std::vector<std::string>{row.message}) << "row " << row.id;
        EXPECT_EQ(Tables(state->styles, STYLE_COUNT), row.tables) << "row " << row.id;
        EXPECT_EQ(ReadBytes(File("pxdhiphp")), Numbered("Loop", 3)) << "row " << row.id;
    }
    /* "<dir><sep>pxddance" needs 259 characters: cut to 256, it would name another file. */
    std::unique_ptr<AppState> state = NewState(std::string(250, 'd'));
    EXPECT_EQ(LoadSampleLists(state.get(), &load), LISTS_NOT_FOUND);
    EXPECT_EQ(load.messages, std::vector<std::string>{"Le chemin \"" + std::string(250, 'd') + PATH_SEPARATOR +
                                                      "pxddance\" est trop long !            "});
}

/* LF only, odd quoting and blanks, full-width fields: the writer's own
   form comes back, categories grouped loop to rap; an entry added in the
   program has an empty number and extra text and its list's keyword. */
TEST_F(ListFiles, SavedListsAreInTheWritersForm)
{
    std::string wide = Record({std::string(9, '1'), std::string(255, 'p'), std::string(49, 'x'), "drum",
                               std::string(9, '2'), std::string(49, 'a'), std::string(49, 'b')});
    WriteLists("\"90\"\n\"C:\\Ejay\\Dance\\Rap\\rap.pxd\"\n\n\"rap\"\n3\n\"Voix\"\n\"éth\"ér\"ée\"\n" + LOOP_A + wide +
               BASS + LOOP_B);
    std::unique_ptr<AppState> state = Load();
    AppendSample(CategoryListOf(state.get(), STYLE_RAVE, 4),
                 {nullptr, "C:\\Mes sons\\cri.pxd", nullptr, nullptr, "5", "Cri \"fort\"", "aigu"}, 4);
    ListSaveReport report;
    EXPECT_EQ(Save(state.get(), &report), 1);
    EXPECT_EQ(Failed(report), "0");
    EXPECT_EQ(OnDisk(), LOOP_A + LOOP_B + BASS + wide + RAP + "|" +
                            Record({"", "C:\\Mes sons\\cri.pxd", "", "voice", "5", "Cri \"fort\"", "aigu"}) +
                            "|");                                    /* an empty list is zero bytes */
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3); /* nothing left beside them */
}

/* A failure leaves the old list as it was, names it, and the other lists
   are still written. */
TEST_F(ListFiles, FailedSavesLeaveTheOldListsAndNameTheFailedOnes)
{
    std::string gone = File("gone"), longFolder = File(std::string(240, 'd'));
    std::string cut = longFolder.substr(0, 252) + "...", sep(1, PATH_SEPARATOR);
    const std::string old = LOOP_A + "|" + BASS + "|" + RAP;
    struct Row {
        int id;
        const char *blocked; /* a folder made in the way of this file */
        std::string ejayDir, failed, lists;
    } rows[] = {
        {1, "pxdrave", folder, "1 | " + File("pxdrave"), "|<missing>|"},
        {3, "", gone, "3 | " + gone + sep + "pxddance | " + gone + sep + "pxdrave | " + gone + sep + "pxdhiphp", old},
        {4, "", longFolder, "3 | " + cut + " | " + cut + " | " + cut, old}}; /* too long to form: not written */
    for (const Row &row : rows) {
        std::unique_ptr<AppState> state = LoadThree();
        for (StyleDatabase &style : state->styles)
            for (CategoryList &list : style.lists)
                RemoveSample(&list, 0);
        load.folder = row.ejayDir;
        if (*row.blocked != '\0') {
            fs::remove(File(row.blocked));
            fs::create_directory(File(row.blocked));
        }
        ListSaveReport report;
        EXPECT_EQ(Save(state.get(), &report), 0) << "row " << row.id;
        EXPECT_EQ(Failed(report), row.failed) << "row " << row.id;
        EXPECT_EQ(OnDisk(), row.lists) << "row " << row.id;
        EXPECT_FALSE(fs::exists(gone)) << "row " << row.id;
        if (*row.blocked != '\0')
            fs::remove_all(File(row.blocked));
    }
    EXPECT_EQ(Save(nullptr, nullptr), 0);
}

/* The copies are of the files as they are on disk, even when changed
   since loading; a missing list keeps its previous backup; no copies
   unless the option is exactly 1; a copy that fails is named. */
TEST_F(ListFiles, BackupsAreExactCopiesOfTheOldFiles)
{
    const std::string oldDance = "old dance\r\n\x1a junk \r";
    for (int backup : {0, 2, -1, 1}) {
        std::unique_ptr<AppState> state = LoadThree();
        WriteBytes(File("pxddance"), oldDance);
        WriteBytes(File("pxdhiphp.bak"), "previous");
        if (backup != 1)
            fs::remove(File("pxdhiphp"));
        fs::remove_all(File("pxdrave.bak"));
        fs::create_directory(File("pxdrave.bak")); /* a copy cannot go there */
        state->settings.backup = backup;
        ListSaveReport report;
        EXPECT_EQ(BackupSampleLists(state.get(), load, &report), 1) << "backup=" << backup;
        EXPECT_EQ(ReadBytes(File("pxddance.bak")) + "|" + ReadBytes(File("pxdhiphp.bak")),
                  backup == 1 ? oldDance + "|" + RAP : "<missing>|previous")
            << "backup=" << backup;
        EXPECT_EQ(Failed(report), backup == 1 ? "1 | " + File("pxdrave.bak") : "0") << "backup=" << backup;
        fs::remove(File("pxddance.bak"));
    }
    EXPECT_EQ(BackupSampleLists(nullptr, load), 0);
}

/* Another program wrote a list while it was loaded: it is replaced or kept
   as answered, the other version beside it either way (the first free name),
   and only then; the lists go back to the folder they were read from, and
   every version a save replaces is in the history, once. */
TEST_F(ListFiles, AListChangedBehindTheLoadIsWrittenOnlyAsAnswered)
{
    SetHistoryFolder(File("history").c_str());
    /* As long as the list read: only its bytes tell it changed. */
    std::string theirs = LOOP_A, ours = LOOP_A + BASS;
    theirs[2] = '9';
    for (ChangedListChoice answer : {KEEP_THEIRS, REPLACE_KEEPING_THEIRS, REPLACE_KEEPING_THEIRS}) {
        std::unique_ptr<AppState> state = LoadThree();
        AppendSample(CategoryListOf(state.get(), STYLE_DANCE, 2),
                     {"20", "C:\\Ejay\\Dance\\Bass\\basse.pxd", "b", nullptr, "2", "Basse", "profonde"}, 2);
        std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", File("elsewhere").c_str());
        WriteBytes(File("pxddance"), theirs);
        WriteBytes(File("pxddance.autre"), "taken");
        ListSaveReport report;
        ASSERT_EQ(Save(state.get(), &report, answer), 1);
        const bool replaced = answer == REPLACE_KEEPING_THEIRS;
        const std::string beside = File(replaced ? "pxddance.autre-2" : "pxddance.pelmora");
        EXPECT_EQ(std::to_string(report.keptBesideCount) + report.keptBeside[0], "1" + beside);
        EXPECT_EQ(ReadBytes(File("pxddance")) + "|" + ReadBytes(beside),
                  replaced ? ours + "|" + theirs : theirs + "|" + ours);
        EXPECT_EQ(OnDisk().substr(OnDisk().find('|')), "|" + BASS + "|" + RAP);
        EXPECT_FALSE(fs::exists(File("elsewhere")));
        fs::remove(beside);
    }
    /* What the disk holds is already ours: nothing to ask. */
    std::unique_ptr<AppState> state = LoadThree();
    WriteBytes(File("pxdrave"), "");
    RemoveSample(CategoryListOf(state.get(), STYLE_RAVE, 2), 0);
    ListSaveReport report;
    EXPECT_EQ(Save(state.get(), &report) + report.keptBesideCount, 1);
    /* What a save wrote is the version the next save expects. */
    RemoveSample(CategoryListOf(state.get(), STYLE_DANCE, 1), 0);
    EXPECT_EQ(Save(state.get(), &report) + report.keptBesideCount, 1);
    AppendSample(CategoryListOf(state.get(), STYLE_DANCE, 1), {"7", "C:\\b.pxd", "", nullptr, "2", "B", ""}, 1);
    EXPECT_EQ(Save(state.get(), &report) + report.keptBesideCount, 1);
    /* Theirs was replaced twice, kept once; then the list the last load
       read, and what the first of the last two saves wrote. */
    std::string history;
    for (const HistoryEntry &entry : ReadHistory(folder.c_str()))
        for (int style = 0; style < STYLE_COUNT; ++style) {
            std::string bytes;
            if (entry.holds[style] && ReadHistoryList(entry, style, &bytes) == FILE_READ)
                history += std::string(1, "DRH"[style]) + ":" + bytes + "|";
        }
    EXPECT_EQ(history, "D:" + theirs + "|D:" + LOOP_A + "|D:|");
    SetHistoryFolder("");
}

/* Versions made in one second get labels of their own; each list keeps its
   last twenty distinct versions, a version its other lists. */
TEST_F(ListFiles, TheHistoryKeepsTheLastTwentyDistinctVersionsOfEachList)
{
    SetHistoryFolder(File("history").c_str());
    for (int n = 1; n <= 24; ++n) {
        HistoryVersion version = StartHistoryVersion(folder.c_str());
        KeepInHistory(&version, 0, "dance " + std::to_string(n < 24 ? n : 23)); /* the 24th holds nothing new */
        if (n == 1)
            KeepInHistory(&version, 2, "hiphop");
        FinishHistoryVersion(&version);
    }
    std::string kept, labels;
    std::vector<HistoryEntry> entries = ReadHistory(folder.c_str());
    for (const HistoryEntry &entry : entries) {
        std::string bytes;
        ReadHistoryList(entry, entry.holds[0] ? 0 : 2, &bytes);
        kept += bytes + ",";
        labels += entry.label + " ";
    }
    std::string expected = "hiphop,";
    for (int n = 4; n <= 23; ++n)
        expected += "dance " + std::to_string(n) + ",";
    EXPECT_EQ(kept, expected) << labels;
    std::set<std::string> unique;
    for (const HistoryEntry &entry : entries)
        unique.insert(entry.label);
    EXPECT_EQ(unique.size(), 21u);
    EXPECT_TRUE(ReadHistory(File("elsewhere").c_str()).empty());
    SetHistoryFolder("");
}
