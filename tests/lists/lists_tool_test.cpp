/* pelmora-lists, command by command: what it prints, its exit code, and
   the files it leaves, on small lists written here by hand. */
#include <gtest/gtest.h>

#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "lists/lists_tool.h"
#include "tests/database/database_test_support.h"

using namespace dbtest;

namespace {

class ListsTool : public ListFolder {
protected:
#ifdef _WIN32
    /* The backup choice comes from the machine's Pelmora.ini (the demo
       leaves one asking for backups in the prefix): none here. */
    void SetUp() override
    {
        fs::remove(std::string(std::getenv("windir")) + "\\Pelmora.ini");
        fs::remove(std::string(std::getenv("APPDATA")) + "\\Pelmora\\Pelmora.ini");
    }
#endif
    /* The tool on its arguments, --ejay first; out and err back in the
       lists' code page, so expectations read as the texts are written. */
    int Run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--ejay", folder});
        return RunRaw(arguments);
    }
    int RunRaw(const std::vector<std::string> &arguments)
    {
        rawOut.clear();
        std::string rawErr;
        int code = RunListsTool(arguments, &rawOut, &rawErr);
        out = Utf8ToCp1252(rawOut);
        err = Utf8ToCp1252(rawErr);
        return code;
    }
    /* A sample file that exists, and its record. */
    std::string Sample(const std::string &name, const std::string &keyword, const std::string &number)
    {
        WriteBytes(File(name), "PXD");
        return Record({number, File(name), "", keyword, "2", name, ""});
    }
#ifdef _WIN32
    /* The user's copy of Pelmora.ini, read first; removed by the caller. */
    std::string WriteUserSettings(const std::string &ejayDir, int backup)
    {
        const std::string userFolder = std::getenv("APPDATA") + std::string("\\Pelmora");
        fs::create_directories(userFolder);
        WriteBytes(userFolder + "\\Pelmora.ini", "[SYSTEM]\r\nejayDir=" + ejayDir +
                                                     "\r\nprogEjay=\r\nautosave=1\r\nbackup=" + std::to_string(backup) +
                                                     "\r\nrunEjay=0\r\n[WINDOW]\r\nposition=0,0\r\n");
        return userFolder + "\\Pelmora.ini";
    }
#endif
    std::string out, err, rawOut;
};

} // namespace

TEST_F(ListsTool, CheckTellsEveryProblemWithItsPlaceAndSumsThemUp)
{
    const std::string summary = "Bilan : 3 entrées ; 0 samples introuvables, 0 doublons, 0 en trop, 0 valeurs trop "
                                "longues, 0 fins de fichier gardées, 0 catégories inconnues.\n";
    WriteLists(Sample("a.pxd", "loop", "1") + Sample("b.pxd", "bass", "2"), Sample("a.pxd", "loop", "3"));
    EXPECT_EQ(Run({"check"}), TOOL_OK);
    EXPECT_EQ(out, summary); /* the same file in two styles is no double */

    /* A.PXD, made so that it is no missing sample natively, is a's path in
       another case: a double. */
    std::string gone = File("gone.pxd");
    WriteLists(Sample("a.pxd", "loop", "1") + Record({"2", gone, "", "bass", "2", "G", ""}) +
                   Sample("A.PXD", "drum", "3") + Record({"4", "p", "", "Loop", "", "", ""}) +
                   Record({"5", "p", "", "", "", "", ""}) +
                   Record({"6", "p", std::string(50, 'x'), "rap", "", "", ""}) +
                   "\x1a"
                   "after",
               "", "\"7\"\r\n");
    EXPECT_EQ(Run({"check"}), TOOL_FOUND);
    EXPECT_EQ(out, "Dance, ligne 25 : catégorie \"Loop\" inconnue (Pelmora refuserait de démarrer)\n"
                   "Dance, ligne 32 : catégorie \"\" inconnue (Pelmora refuserait de démarrer)\n"
                   "Dance, ligne 36 : un rap dont une valeur dépasse son champ, gardé tel quel\n"
                   "Dance, ligne 43 : du texte après une marque de fin de fichier, gardé tel quel\n"
                   "Hiphop, ligne 1 : un enregistrement incomplet en fin de fichier, gardé tel quel\n"
                   "Dance, bass, rang 1 (n°2) : le sample \"" +
                       gone + "\" est introuvable\n" + "Dance, drum, rang 1 (n°3) : \"" + File("A.PXD") +
                       "\" figure déjà en loop, rang 1\n" +
                       "Bilan : 3 entrées ; 1 samples introuvables, 1 doublons, 0 en trop, 1 valeurs trop longues, 2 "
                       "fins de fichier gardées, "
                       "2 catégories inconnues.\n");
    EXPECT_EQ(err, "");
}

/* The matcher's rules are the database's; here the command around it. */
TEST_F(ListsTool, FindMatchesNamesTextAndPathWithinTheStyleAndCategoryAsked)
{
    WriteLists(Record({"1", "C:\\Sons\\Élan.pxd", "", "loop", "2", "Basse", "Éthérée"}) +
                   Record({"2", "C:\\b.pxd", "note ÉTÉ", "bass", "2", "Kick", ""}) +
                   Record({"3", "C:\\c.pxd", "", "bass", "2", "Snare -3dB", ""}),
               "", Record({"4", "C:\\d.pxd", "-3dB", "rap", "2", "Voix", "été"}));
    EXPECT_EQ(Run({"find", "été"}), TOOL_OK);
    EXPECT_EQ(out, "Dance, bass, rang 1 : <n°2> - [Kick] - [] - [adresse: C:\\b.pxd]\n"
                   "Hiphop, rap, rang 1 : <n°4> - [Voix] - [été] - [adresse: C:\\d.pxd]\n");
    EXPECT_EQ(Run({"find", "été", "--style", "hiphop"}), TOOL_OK);
    EXPECT_EQ(out, "Hiphop, rap, rang 1 : <n°4> - [Voix] - [été] - [adresse: C:\\d.pxd]\n");
    EXPECT_EQ(Run({"find", "--category=bass", "--", "-3dB"}), TOOL_OK);
    EXPECT_EQ(out, "Dance, bass, rang 2 : <n°3> - [Snare -3dB] - [] - [adresse: C:\\c.pxd]\n");
    EXPECT_EQ(Run({"find", "trompette"}), TOOL_FOUND);
    EXPECT_EQ(out, "Aucune entrée ne contient « trompette ».\n");
}

TEST_F(ListsTool, ExportIsUtf8CsvQuotedByTheUsualRules)
{
    /* A list cannot hold a double quote: the reader removes them all. */
    WriteLists(Record({"1", "C:\\Sons\\Élan.pxd", "a, b", "loop", "2", "Dit \"bof\"", "ligne\rdeux"}), "",
               Record({"", "C:\\x.pxd", "", "rap", "", "", ""}));
    const std::string csv = "style,cat\xC3\xA9gorie,rang,num\xC3\xA9ro,adresse,texte,mot-cl\xC3\xA9,dur\xC3\xA9"
                            "e,nom ligne 1,nom ligne 2\r\n"
                            "Dance,loop,1,1,C:\\Sons\\\xC3\x89lan.pxd,\"a, b\",loop,2,Dit bof,\"ligne\rdeux\"\r\n"
                            "Hiphop,rap,1,,C:\\x.pxd,,rap,,,\r\n";
    EXPECT_EQ(Run({"export", "--csv", File("out.csv")}), TOOL_OK);
    EXPECT_EQ(ReadBytes(File("out.csv")), "\xEF\xBB\xBF" + csv);
    EXPECT_EQ(Run({"export", "--csv=-"}), TOOL_OK);
    EXPECT_EQ(rawOut, csv);
    EXPECT_EQ(Run({"export", "--csv", File("no/such/folder.csv")}), TOOL_ERROR);
    EXPECT_EQ(err, "pelmora-lists : le fichier \"" + File("no/such/folder.csv") + "\" n'a pas pu être écrit\n");
}

/* What a spreadsheet would read as a formula, or as a number, a date or a
   time that loses its form, stays text; the rest as in plain CSV. */
TEST_F(ListsTool, ExportForTheSpreadsheetKeepsEveryCellAsWritten)
{
    struct Row {
        int id;
        const char *cell, *written;
    } rows[] = {{1, "Basse", "Basse"},
                {2, "=1+2", "\"=\"\"=1+2\"\"\""},
                {3, "+33", "\"=\"\"+33\"\"\""},
                {4, "-3dB", "\"=\"\"-3dB\"\"\""},
                {5, "@a", "\"=\"\"@a\"\"\""},
                {6, "007", "\"=\"\"007\"\"\""},
                {7, "0", "0"},
                {8, "1234567890123456", "\"=\"\"1234567890123456\"\"\""},
                {9, "123456789012345", "123456789012345"},
                {10, "1,50", "\"=\"\"1,50\"\"\""},
                {11, "1,5", "1,5"},
                {12, "1.500", "\"=\"\"1.500\"\"\""},
                {13, "1/2", "\"=\"\"1/2\"\"\""},
                {14, "12-03", "\"=\"\"12-03\"\"\""},
                {15, "1:30", "\"=\"\"1:30\"\"\""},
                {16, "1e5", "\"=\"\"1e5\"\"\""},
                {17, "a;b", "\"a;b\""},
                {18, "a,b", "a,b"},
                {19, "dit \"x\"", "\"dit \"\"x\"\"\""},
                {20, "ligne\rdeux", "\"ligne\rdeux\""},
                {21, "été", "\xC3\xA9t\xC3\xA9"}};
    for (const Row &row : rows) {
        std::string csv;
        AppendCsvRow(&csv, {row.cell}, {";", true});
        EXPECT_EQ(csv, row.written + std::string("\r\n")) << "row " << row.id;
    }
    /* The command: the user's separator; the mark for a file only. */
    WriteLists(Record({"007", "C:\\a.pxd", "", "loop", "2", "Basse", ""}));
    const std::string separator = UserListSeparator();
    EXPECT_EQ(Run({"export", "--csv", "-", "--tableur"}), TOOL_OK);
    const std::string csv = rawOut;
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "Dance" + separator + "loop" + separator + "1" + separator +
                                                    "\"=\"\"007\"\"\"" + separator + "C:\\a.pxd" + separator +
                                                    separator + "loop" + separator + "2" + separator + "Basse" +
                                                    separator + "\r\n");
    EXPECT_EQ(Run({"export", "--tableur", "--csv", File("out.csv")}), TOOL_OK);
    EXPECT_EQ(ReadBytes(File("out.csv")), "\xEF\xBB\xBF" + csv);
}

/* 498 basses, one of them a file of the folder, and five new files: two
   fit, three are told they did not; the list is written whole. */
TEST_F(ListsTool, ImportFillsTheCategoryUpTo500)
{
    fs::create_directory(File("new"));
    for (const char *name : {"f.pxd", "E.PXD", "d.pxd", "c.pxd", "b.pxd", "a.pxd", "notes.txt"})
        WriteBytes(File("new/") + name, "PXD");
    auto inFolder = [&](const char *name) { return (fs::absolute(File("new")) / name).make_preferred().string(); };
    std::string basses = Record({"0", inFolder("C.pxd"), "", "bass", "1", "c", ""}) + Numbered("bass", 1, 497);
    const std::string rave = Record({"9", "C:\\r.pxd", "", "rap", "1", "r", ""});
    WriteLists(basses, rave);
    const std::string before = OnDisk();
    const std::string told = " à Dance, bass ; 1 déjà listé(s) ; 0 refusé(s).\n3 fichier(s) n'ont pas trouvé de "
                             "place : la catégorie compte 500 entrées.\n";

    EXPECT_EQ(Run({"import", File("new"), "--style", "dance", "--category", "bass", "--dry-run"}), TOOL_FOUND);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(out, "ajouterait : Dance, bass, rang 499 : " + inFolder("a.pxd") +
                       "\najouterait : Dance, bass, rang 500 : " + inFolder("b.pxd") + "\ndéjà dans Dance : " +
                       inFolder("c.pxd") + "\n2 fichier(s) à ajouter" + told + "Essai : rien n'a été écrit.\n");

    EXPECT_EQ(Run({"import", File("new"), "--style", "dance", "--category", "bass"}), TOOL_FOUND);
    EXPECT_EQ(out.substr(out.find("\n2 fichier")), "\n2 fichier(s) ajouté(s)" + told);
    EXPECT_EQ(ReadBytes(File("pxddance")), basses + Record({"", inFolder("a.pxd"), "", "bass", "", "a", ""}) +
                                               Record({"", inFolder("b.pxd"), "", "bass", "", "b", ""}));
    EXPECT_EQ(ReadBytes(File("pxdrave")), rave);
}

/* Names from the file system reach the lists in their code page: accented
   ones as the Add form would store them, one the code page cannot write
   refused, named and counted. */
TEST_F(ListsTool, ImportWritesNamesInTheListsCodePageOrRefusesThem)
{
    fs::create_directory(File("new"));
    for (const char *utf8 : {u8"\u00e9t\u00e9.pxd", u8"\u00e7a.pxd", u8"\u0153uf \u20ac.pxd", u8"\u03a9mega.pxd"})
        std::ofstream(fs::u8path(File("new")) / fs::u8path(utf8)) << "PXD";
    WriteLists("");
    EXPECT_EQ(Run({"import", File("new"), "--style", "dance", "--category", "loop"}), TOOL_FOUND);
    const std::string in = fs::absolute(File("new")).make_preferred().string() + PATH_SEPARATOR;
    EXPECT_EQ(ReadBytes(File("pxddance")), Record({"",
                                                   in + "\x9C"
                                                        "uf \x80.pxd",
                                                   "", "loop", "",
                                                   "\x9C"
                                                   "uf \x80",
                                                   ""}) +
                                               Record({"",
                                                       in + "\xE7"
                                                            "a.pxd",
                                                       "", "loop", "",
                                                       "\xE7"
                                                       "a",
                                                       ""}) +
                                               Record({"", in + "\xE9t\xE9.pxd", "", "loop", "", "\xE9t\xE9", ""}));
    EXPECT_NE(out.find("pas ajouté, nom que les listes (Windows-1252) ne peuvent pas écrire : " + in + "?mega.pxd\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("3 fichier(s) ajouté(s) à Dance, loop ; 0 déjà listé(s) ; 1 refusé(s)."), std::string::npos);
}

/* Each write keeps the version it replaces; historique names them with the
   entries of each list, and restaurer puts one back, keeping what it
   replaces in turn. */
TEST_F(ListsTool, EveryVersionReplacedCanBeRestored)
{
    SetHistoryFolder(File("history").c_str());
    const std::string before = Numbered("loop", 1, 2);
    WriteLists(before, Numbered("bass", 3));
    EXPECT_EQ(Run({"historique"}), TOOL_FOUND);
    EXPECT_EQ(out, "Aucune version gardée des listes de « " + folder + " ».\n");
    fs::create_directory(File("new"));
    WriteBytes(File("new/kick.pxd"), "PXD");
    ASSERT_EQ(Run({"import", File("new"), "--style", "dance", "--category", "loop"}), TOOL_OK);
    const std::string imported = ReadBytes(File("pxddance"));
    ASSERT_EQ(Run({"historique"}), TOOL_OK);
    const std::string label = out.substr(0, out.find(' '));
    EXPECT_EQ(out, label + " : Dance 2 entrée(s), Rave -, Hiphop -\n");

    EXPECT_EQ(Run({"restaurer", label, "--style", "rave"}), TOOL_ERROR);
    EXPECT_EQ(err, "pelmora-lists : la version « " + label + " » ne garde pas la liste de Rave\n");
    EXPECT_EQ(Run({"restaurer", "2001-01-01_00.00.00"}), TOOL_ERROR);
    EXPECT_EQ(Run({"restaurer", label, "--dry-run"}), TOOL_OK);
    EXPECT_EQ(out, "restaurerait : Dance (2 entrée(s)) depuis " + label + "\nEssai : rien n'a été écrit.\n");
    EXPECT_EQ(ReadBytes(File("pxddance")), imported);
    EXPECT_EQ(Run({"restaurer", label}), TOOL_OK);
    EXPECT_EQ(ReadBytes(File("pxddance")), before);
    EXPECT_EQ(Run({"historique"}), TOOL_OK);
    EXPECT_EQ(out.substr(out.rfind(" : ")), " : Dance 3 entrée(s), Rave -, Hiphop -\n");
    SetHistoryFolder("");
}

/* Export refuses a target that is a file Pelmora keeps, however it is
   spelt; nothing is written. */
TEST_F(ListsTool, ExportNeverWritesOverWhatPelmoraKeeps)
{
    SetHistoryFolder(File("history").c_str());
    WriteLists(Numbered("loop", 1), Numbered("bass", 2));
    fs::create_directory(File("new"));
    WriteBytes(File("new/kick.pxd"), "PXD");
    ASSERT_EQ(Run({"import", File("new"), "--style", "dance", "--category", "loop"}), TOOL_OK);
    WriteBytes(File("pxdrave.autre-2"), "theirs");
    const std::string before = OnDisk() + ReadBytes(File("pxdrave.autre-2"));
    const std::string label = ReadHistory(folder.c_str()).at(0).folder;
    std::vector<std::string> targets = {File("new/../pxddance"), folder + PATH_SEPARATOR + PATH_SEPARATOR + "pxdrave",
                                        File("pxdhiphp.bak"), File("pxdrave.autre-2"),
                                        label + PATH_SEPARATOR + "pxddance"};
#ifdef _WIN32
    char shortName[MAX_PATH];
    GetShortPathNameA(File("pxdrave.autre-2").c_str(), shortName, sizeof shortName);
    targets.push_back(shortName);
    targets.push_back(File("PXDDANCE"));
#else
    fs::create_symlink(File("pxddance"), File("link.csv"));
    targets.push_back(File("link.csv"));
#endif
    for (const std::string &target : targets) {
        EXPECT_EQ(Run({"export", "--csv", target}), TOOL_ERROR) << target;
        EXPECT_EQ(err, "pelmora-lists : « " + target +
                           " » est un fichier que Pelmora garde (liste, copie, réglages ou historique) : rien n'a "
                           "été écrit\n");
    }
    EXPECT_EQ(OnDisk() + ReadBytes(File("pxdrave.autre-2")), before);
    SetHistoryFolder("");
}

/* Only the lists a command changed are written (and backed up); one that
   cannot be written stays as it was, and is named. */
TEST_F(ListsTool, AFailedImportLeavesTheListsAsTheyWere)
{
    WriteLists(Numbered("loop", 1), Numbered("bass", 2));
    const std::string before = OnDisk();
    fs::create_directory(File("new"));
    WriteBytes(File("new/kick.pxd"), "PXD");
    {
        WritesRefused refused(File("pxdrave"));
        EXPECT_EQ(Run({"import", File("new"), "--style", "rave", "--category", "loop"}), TOOL_ERROR);
    }
    EXPECT_EQ(err, "pelmora-lists : ces listes n'ont pas pu être écrites et sont restées telles quelles :\n  " +
                       File("pxdrave") + "\n");
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(Run({"import", File("new"), "--style", "hiphop", "--category", "loop"}), TOOL_OK);
    EXPECT_EQ(out.substr(0, 9), "ajouté : ");
#ifdef _WIN32
    /* Pelmora open would write its own tables over the lists on closing. */
    const std::string rave = ReadBytes(File("pxdrave"));
    HANDLE pelmora = CreateMutexA(nullptr, FALSE, "Local\\Pelmora.ListesEjay");
    EXPECT_EQ(Run({"import", File("new"), "--style", "rave", "--category", "loop"}), TOOL_ERROR);
    EXPECT_EQ(Run({"import", File("new"), "--style", "rave", "--category", "loop", "--dry-run"}), TOOL_OK);
    CloseHandle(pelmora);
    EXPECT_EQ(ReadBytes(File("pxdrave")), rave);
    const std::string settings = WriteUserSettings(folder, 1);
    EXPECT_EQ(RunRaw({"import", File("new"), "--style", "rave", "--category", "loop"}), TOOL_OK);
    fs::remove(settings);
    EXPECT_EQ(ReadBytes(File("pxdrave.bak")), rave);
    EXPECT_EQ(ReadBytes(File("pxddance.bak")) + ReadBytes(File("pxdhiphp.bak")), "<missing><missing>");
#endif
}

/* A moved folder mended in the three lists: whole path components, letter
   case aside, either slash, a trailing one optional; a new file missing is
   relinked and named, a path that would not fit is refused. */
TEST_F(ListsTool, RelinkMendsAMovedFolderInEveryList)
{
    const std::string old = folder + "/vieux été", moved = File("Nouveau dossier");
    const std::string tooLong = old + "/" + std::string(252 - old.size() - 1, 'x'); /* 258 once moved */
    fs::create_directories(moved + "/sub");
    WriteBytes(moved + "/a.pxd", "PXD");
    WriteBytes(moved + "/sub/b.pxd", "PXD");
    auto entry = [](const char *number, const std::string &path, const char *keyword) {
        return Record({number, path, "", keyword, "", "", ""});
    };
    const std::string rave = entry("3", "C:\\r.pxd", "loop") + entry("4", tooLong, "loop");
    WriteLists(entry("1", old + "/a.pxd", "loop") + entry("2", folder + "/vieux été2/c.pxd", "loop") +
                   entry("5", old + "\\gone.pxd", "bass"),
               rave, entry("6", old + "/sub/b.pxd", "rap"));
    const std::string before = OnDisk(), oldGiven = folder + "\\VIEUX ÉTÉ\\", newGiven = moved + "/";

    EXPECT_EQ(Run({"relink", oldGiven, newGiven, "--dry-run"}), TOOL_OK);
    EXPECT_EQ(out, "relierait : Dance, loop, rang 1 : " + old + "/a.pxd -> " + moved + "/a.pxd\n" +
                       "relierait : Dance, bass, rang 1 : " + old + "\\gone.pxd -> " + moved +
                       "\\gone.pxd (introuvable)\n" +
                       "pas relié, la nouvelle adresse dépasserait 255 caractères : Rave, loop, rang 2 : " + tooLong +
                       "\n" + "relierait : Hiphop, rap, rang 1 : " + old + "/sub/b.pxd -> " + moved + "/sub/b.pxd\n" +
                       "3 entrée(s) à relier de « " + oldGiven + " » à « " + newGiven +
                       " » ; 1 introuvable(s) ; 1 refusée(s).\nEssai : rien n'a été écrit.\n");
    EXPECT_EQ(OnDisk(), before);

    EXPECT_EQ(Run({"relink", oldGiven, newGiven}), TOOL_FOUND);
    EXPECT_EQ(out.substr(0, out.find(" : ")), "relié");
    EXPECT_EQ(OnDisk(), entry("1", moved + "/a.pxd", "loop") + entry("2", folder + "/vieux été2/c.pxd", "loop") +
                            entry("5", moved + "\\gone.pxd", "bass") + "|" + rave + "|" +
                            entry("6", moved + "/sub/b.pxd", "rap"));
    EXPECT_EQ(Run({"relink", File("nowhere"), newGiven}), TOOL_FOUND);
    EXPECT_EQ(out, "Aucune entrée n'a son fichier dans « " + File("nowhere") + " ».\n");

#ifdef _WIN32 /* natively a full disk would refuse both */
    /* Dance written, Hiphop not: both named; only what reached the disk told. */
    const std::string hiphop = ReadBytes(File("pxdhiphp")), again = File("again");
    {
        WritesRefused refused(File("pxdhiphp"));
        EXPECT_EQ(Run({"relink", moved, again}), TOOL_ERROR);
    }
    EXPECT_EQ(out, "relié : Dance, loop, rang 1 : " + moved + "/a.pxd -> " + again + "/a.pxd (introuvable)\n" +
                       "relié : Dance, bass, rang 1 : " + moved + "\\gone.pxd -> " + again +
                       "\\gone.pxd (introuvable)\n");
    EXPECT_EQ(err, "pelmora-lists : ces listes n'ont pas pu être écrites et sont restées telles quelles :\n  " +
                       File("pxdhiphp") + "\ncelles-ci ont été écrites :\n  " + File("pxddance") + "\n");
    EXPECT_EQ(ReadBytes(File("pxdhiphp")), hiphop);
#endif
}

TEST_F(ListsTool, UsageAndFileErrorsAreOneLineAndExitCode2)
{
    WriteLists("", "");
    fs::remove(File("pxdhiphp"));
    const std::string none = File("none");
    struct Row {
        int id;
        std::vector<std::string> arguments; /* after --ejay and the folder */
        std::string message;
    } rows[] = {
        {1, {}, "quelle commande ? check, find, export, import, relink, historique ou restaurer (voir --help)"},
        {2, {"chek"}, "commande inconnue « chek » (voir --help)"},
        {3, {"check", "--verbose"}, "option inconnue « --verbose » (voir --help)"},
        {4, {"check", "--ejay"}, "l'option « --ejay » attend une valeur (voir --help)"},
        {5, {"find"}, "la commande « find » attend un texte à chercher (voir --help)"},
        {6, {"export"}, "la commande « export » attend l'option « --csv » (voir --help)"},
        {7, {"check", "--dry-run"}, "l'option « --dry-run » ne vaut pas pour la commande « check » (voir --help)"},
        {8,
         {"import", folder, "--style", "techno", "--category", "loop"},
         "« techno » n'est pas une valeur de --style (dance, rave, hiphop)"},
        {9, {"import", none, "--style", "rave", "--category", "loop"}, "le dossier \"" + none + "\" est introuvable"},
        {10, {"check"}, "le fichier \"" + File("pxdhiphp") + "\" est introuvable"},
        {11, {"relink", folder}, "la commande « relink » attend l'ancien dossier et le nouveau (voir --help)"},
        {12, {"check", "--tableur"}, "l'option « --tableur » ne vaut pas pour la commande « check » (voir --help)"},
        {13, {"--", "find", "--help", "x"}, "la commande « find » attend un texte à chercher (voir --help)"}};
    for (const Row &row : rows) {
        EXPECT_EQ(Run(row.arguments), TOOL_ERROR) << "row " << row.id;
        EXPECT_EQ(err, "pelmora-lists : " + row.message + "\n") << "row " << row.id;
        EXPECT_EQ(out, "") << "row " << row.id;
    }
#ifndef _WIN32 /* natively there is no Pelmora.ini to find */
    EXPECT_EQ(RunRaw({"check"}), TOOL_ERROR);
    EXPECT_EQ(err,
              "pelmora-lists : aucun dossier Ejay : donnez --ejay DOSSIER, ou faites choisir le dossier à Pelmora\n");
#endif
#ifdef _WIN32
    /* Without --ejay, the folder of Pelmora.ini, the user's copy first. */
    const std::string userCopy = WriteUserSettings(none, 0);
    EXPECT_EQ(RunRaw({"check"}), TOOL_ERROR);
    fs::remove(userCopy);
    EXPECT_EQ(err, "pelmora-lists : le fichier \"" + none + "\\pxddance\" est introuvable\n");
#endif
    EXPECT_EQ(RunRaw({"--help"}), TOOL_OK);
    for (const char *shown : {"check\n", "[--category C]\n", "[--tableur]\n", "NOUVEAU_DOSSIER [--dry-run]\n",
                              "relink C:\\Ejay\\Sons D:\\Sons\n"})
        EXPECT_NE(out.find(shown), std::string::npos) << shown;
    const std::string help = out;
    for (const char *word : {"/?", "-?"}) {
        EXPECT_EQ(RunRaw({"check", word}), TOOL_OK) << word;
        EXPECT_EQ(out, help) << word;
    }
    EXPECT_EQ(RunRaw({"--version"}), TOOL_OK);
    EXPECT_EQ(out, "pelmora-lists 2.20\n");
}
