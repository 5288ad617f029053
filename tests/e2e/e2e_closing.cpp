/*
 * Closing Pelmora: every way of closing saves exactly once (settings,
 * backups when asked, the three lists, Ejay started when asked); without
 * the options nothing but the lists and settings is touched; a list or a
 * settings file that cannot be written is reported, and records the tables
 * cannot hold are told once and written back: nothing is lost silently.
 */
#include <ostream>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

/* Dance as another tool might have left it: LF line ends, categories
   mixed, a keyword with stray quotes inside (they are dropped on reading). */
const char kDanceOriginal[] =
    "\"1\"\n\"C:\\Ejay\\Dance\\bass1.pxd\"\n\"b1\"\n\"bass\"\n\"4\"\n\"Basse un\"\n\"ligne A\"\n"
    "\"2\"\n\"C:\\Ejay\\Dance\\loop1.pxd\"\n\"l1\"\n\"loop\"\n\"2\"\n\"Boucle un\"\n\"ligne B\"\n"
    "\"3\"\n\"C:\\Ejay\\Dance\\rap1.pxd\"\n\"\"\n\"rap\"\n\"7\"\n\"Rap \xE9t\xE9\"\n\"\"\n"
    "\"4\"\n\"C:\\Ejay\\Dance\\loop2.pxd\"\n\"l2\"\n\"lo\"\"op\"\n\"1\"\n\"Boucle deux\"\n\"ligne C\"\n";

/* The same entries as the writer lays them out: CR LF, loop to rap, each
   category in file order. */
const char kDanceRewritten[] =
    "\"2\"\r\n\"C:\\Ejay\\Dance\\loop1.pxd\"\r\n\"l1\"\r\n\"loop\"\r\n\"2\"\r\n\"Boucle un\"\r\n\"ligne B\"\r\n"
    "\"4\"\r\n\"C:\\Ejay\\Dance\\loop2.pxd\"\r\n\"l2\"\r\n\"loop\"\r\n\"1\"\r\n\"Boucle deux\"\r\n\"ligne C\"\r\n"
    "\"1\"\r\n\"C:\\Ejay\\Dance\\bass1.pxd\"\r\n\"b1\"\r\n\"bass\"\r\n\"4\"\r\n\"Basse un\"\r\n\"ligne A\"\r\n"
    "\"3\"\r\n\"C:\\Ejay\\Dance\\rap1.pxd\"\r\n\"\"\r\n\"rap\"\r\n\"7\"\r\n\"Rap \xE9t\xE9\"\r\n\"\"\r\n";

/* Rave already in the writer's layout: written back byte for byte. */
const char kRave[] =
    "\"9\"\r\n\"C:\\Ejay\\Rave\\voice9.pxd\"\r\n\"v\"\r\n\"voice\"\r\n\"3\"\r\n\"Voix\"\r\n\"neuf\"\r\n";

/* Hiphop lists only a blank line: no record, so an empty file comes back. */
const char kHiphopOriginal[] = "\r\n";

class ClosingScenario : public PelmoraScenario {
protected:
    /* The three lists above, the settings given and the stand-in Ejay. */
    Settings Prepare(Settings settings)
    {
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxddance"), kDanceOriginal));
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxdrave"), kRave));
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxdhiphp"), kHiphopOriginal));
        settings.progEjay = InstallFakeEjay();
        return WriteSettings(settings);
    }

    void ExpectListsRewritten()
    {
        EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten);
        EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), kRave);
        EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp")), "");
    }

    /* Lines of the stand-in Ejay's marker, once it had time to appear (and
       a second start, if any, time to follow). */
    int EjayRuns(int settleMs)
    {
        WaitUntil([&] { return FileExists(EjayMarkerPath()); }, settleMs);
        Pause(1000);
        std::string marker = ReadFileBytes(EjayMarkerPath());
        int lines = 0;
        for (char c : marker)
            lines += c == '\n';
        return lines;
    }
};

/* ---- Every way of closing ------------------------------------------------ */

struct CloseWay {
    const char *name;
    bool (*close)(HWND mainWindow);
};

/* Failure messages name the row, not its bytes. */
void PrintTo(const CloseWay &row, std::ostream *out)
{
    *out << row.name;
}

class ClosingWays : public ClosingScenario, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingWays, SaveEverythingExactlyOnce)
{
    Settings settings;
    settings.backup = "1";
    settings.runEjay = "1";
    settings = Prepare(settings);
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    ASSERT_TRUE(GetParam().close(view.window)) << "could not close by " << GetParam().name;
    ExpectExitWithCodeZero();

    ExpectListsRewritten();
    /* A second save would have backed up the rewritten lists. */
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance.bak")), kDanceOriginal);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave.bak")), kRave);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp.bak")), kHiphopOriginal);
    EXPECT_EQ(EjayRuns(kWindowTimeoutMs), 1) << "times Ejay was started";
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()),
              "[SYSTEM]\r\nejayDir=" + EjayDir() + "\r\nprogEjay=" + EjayFile("Ejay.exe") +
                      "\r\nautosave=1\r\nbackup=1\r\nrunEjay=1\r\n\r\n"
                      "[WINDOW]\r\nposition=100,20\r\n\r\n");
    EXPECT_FALSE(FileExists(UserSettingsPath()));
    const std::vector<std::string> expectedEntries = {
        "Ejay.exe", "ejay-ran.txt", "pxddance", "pxddance.bak",
        "pxdhiphp", "pxdhiphp.bak", "pxdrave", "pxdrave.bak"};
    EXPECT_EQ(FolderEntries(EjayDir()), expectedEntries) << "temporary files left behind?";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingWays,
    ::testing::Values(
        CloseWay{"CloseBox", [](HWND window) { PostCloseBox(window); return true; }},
        CloseWay{"AltF4", [](HWND window) { return TypeAltF4(window); }},
        CloseWay{"CtrlQ", [](HWND window) { return TypeCtrl(window, 'Q'); }},
        CloseWay{"MenuQuitter", [](HWND window) { PostCommand(window, IDM_QUIT); return true; }}),
    [](const ::testing::TestParamInfo<CloseWay> &info) { return std::string(info.param.name); });

/* ---- Options off --------------------------------------------------------- */

struct OptionsOff {
    const char *name;
    const char *value; /* of autosave, backup and runEjay: anything but 1 is off */
};

/* Failure messages name the row, not its bytes. */
void PrintTo(const OptionsOff &row, std::ostream *out)
{
    *out << row.name;
}

class ClosingWithOptionsOff : public ClosingScenario,
                              public ::testing::WithParamInterface<OptionsOff> {};

TEST_P(ClosingWithOptionsOff, WritesTheListsButNoBackupAndStartsNoEjay)
{
    Settings settings;
    settings.autosave = GetParam().value;
    settings.backup = GetParam().value;
    settings.runEjay = GetParam().value;
    Prepare(settings);
    const std::string oldBackup = "sauvegarde d'avant\r\n";
    for (const char *name : {"pxddance.bak", "pxdrave.bak", "pxdhiphp.bak"})
        ASSERT_TRUE(WriteFileBytes(EjayFile(name), oldBackup));
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    ExpectListsRewritten(); /* whatever autosave holds */
    for (const char *name : {"pxddance.bak", "pxdrave.bak", "pxdhiphp.bak"})
        EXPECT_EQ(ReadFileBytes(EjayFile(name)), oldBackup) << name;
    EXPECT_EQ(EjayRuns(2000), 0) << "Ejay started with runEjay=" << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, ClosingWithOptionsOff,
                         ::testing::Values(OptionsOff{"Zero", "0"}, OptionsOff{"Two", "2"}),
                         [](const ::testing::TestParamInfo<OptionsOff> &info) {
                             return std::string(info.param.name);
                         });

/* ---- A list that cannot be written --------------------------------------- */

using ClosingFailure = ClosingScenario;

TEST_F(ClosingFailure, ListHeldByAnotherProgramIsNamedAndRetryWritesIt)
{
    Prepare(Settings{});
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    FileHold hold(EjayFile("pxdrave"));
    ASSERT_TRUE(hold.Held());

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box)) << "the failed save was not reported";
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_NE(box.text.find(EjayFile("pxdrave")), std::string::npos)
        << "the message does not name the file: " << Visible(box.text);
    EXPECT_EQ(box.text.find(EjayFile("pxddance")), std::string::npos)
        << "the message names a list that was written: " << Visible(box.text);
    EXPECT_TRUE(box.HasButton(IDRETRY));
    EXPECT_TRUE(box.HasButton(IDCANCEL));
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), kRave) << "the held list changed";
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten);
    EXPECT_TRUE(SaveScreenshot("closing-list-not-saved"));

    hold.Release();
    ASSERT_TRUE(AnswerMessageBox(box, IDRETRY));
    ExpectExitWithCodeZero();
    ExpectListsRewritten();
    const std::vector<std::string> expectedEntries = {"Ejay.exe", "pxddance", "pxdhiphp", "pxdrave"};
    EXPECT_EQ(FolderEntries(EjayDir()), expectedEntries) << "temporary files left behind?";
}

TEST_F(ClosingFailure, CancelAfterAFailedListSaveEndsAndLeavesTheFileAsItWas)
{
    Prepare(Settings{});
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    FileHold hold(EjayFile("pxdhiphp"));
    ASSERT_TRUE(hold.Held());

    PostCloseBox(view.window);
    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box)) << "the failed save was not reported";
    EXPECT_NE(box.text.find(EjayFile("pxdhiphp")), std::string::npos) << Visible(box.text);
    ASSERT_TRUE(AnswerMessageBox(box, IDCANCEL));
    ExpectExitWithCodeZero();
    hold.Release();
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp")), kHiphopOriginal);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten);
}

/* ---- Records the tables cannot hold --------------------------------------- */

using ClosingKeeps = PelmoraScenario;

TEST_F(ClosingKeeps, RecordsBeyondTheTablesAreToldOnceAndWrittenBack)
{
    std::vector<Sample> drums = MakeSamples("drum", 501, "dance");
    std::vector<Sample> loop = MakeSamples("loop", 1, "dance");
    std::vector<Sample> danceFile = drums;
    danceFile.push_back(loop[0]);
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxddance"), ListFileText(danceFile)));
    const std::string unfinished = "\"8\"\r\n\"C:\\Ejay\\Rave\\half.pxd\"\r\n\"h\"\r\n";
    const std::string raveFile = ListFileText(MakeSamples("voice", 1, "rave")) + unfinished;
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdrave"), raveFile));
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdhiphp"), ""));
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());

    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box)) << "the records left out were not told";
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_NE(box.text.find("\"" + EjayFile("pxddance") + "\""), std::string::npos) << Visible(box.text);
    EXPECT_NE(box.text.find("\"" + EjayFile("pxdrave") + "\""), std::string::npos) << Visible(box.text);
    EXPECT_EQ(box.text.find(EjayFile("pxdhiphp")), std::string::npos) << Visible(box.text);
    EXPECT_EQ(FindTopLevelWindow(Pid(), kIntroClass), nullptr) << "the intro came before the message";
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    MessageBoxSeen second;
    EXPECT_FALSE(FindMessageBox(Pid(), &second)) << "told twice: " << Visible(second.text);
    EXPECT_EQ(ListCount(view.panes[5].list), 500) << "drum pane";
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(view.panes[5].add); }, 3000))
        << "Ajouter of a full pane";

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    /* Grouped by category as always, the 501st drum after the 500 shown;
       the unfinished record stays at the end exactly as it was. */
    std::vector<Sample> grouped = loop;
    grouped.insert(grouped.end(), drums.begin(), drums.end());
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), ListFileText(grouped));
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), raveFile);
}

/* ---- Where the settings go ---------------------------------------------- */

TEST_F(ClosingFailure, SettingsGoToTheUserFolderWhenTheWindowsDirectoryRefusesThem)
{
    Settings settings = Prepare(Settings{});
    const std::string windowsCopy = ReadFileBytes(WindowsSettingsPath());
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    FileHold hold(WindowsSettingsPath());
    ASSERT_TRUE(hold.Held());
    /* Moved by the user: the position to be saved differs from the file's. */
    ASSERT_TRUE(SetWindowPos(view.window, nullptr, 200, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER |
                                                                      SWP_NOACTIVATE));
    ASSERT_TRUE(WaitUntil([&] { return ScreenRect(view.window).left == 200; }));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    hold.Release();
    Settings moved = settings;
    moved.position = "200,40";
    EXPECT_EQ(ReadFileBytes(UserSettingsPath()), SettingsFileText(moved));
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), windowsCopy);

    /* The next start reads the user's copy first: the window comes back
       where it was left, and with the Windows directory writable again the
       settings return there. */
    Program again;
    std::string error;
    ASSERT_TRUE(again.Start(PelmoraExePath(), EjayDir(), &error)) << error;
    HWND main = WaitForTopLevelWindow(again.Pid(), kMainClass, 25000);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(DescribeRect(ScreenRect(main)), "200,40 460x735");
    PostCommand(main, IDM_QUIT);
    DWORD code = 1;
    ASSERT_TRUE(again.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(moved));
    EXPECT_FALSE(FileExists(UserSettingsPath()));
}

TEST_F(ClosingFailure, SettingsThatCannotBeWrittenAnywhereAreReported)
{
    Settings settings = Prepare(Settings{});
    ASSERT_TRUE(MakeFolders(FolderOf(UserSettingsPath())));
    ASSERT_TRUE(WriteFileBytes(UserSettingsPath(), SettingsFileText(settings)));
    const std::string before = SettingsFileText(settings);
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    FileHold windowsHold(WindowsSettingsPath());
    FileHold userHold(UserSettingsPath());
    ASSERT_TRUE(windowsHold.Held() && userHold.Held());

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box)) << "the lost settings were not reported";
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_NE(box.text.find("Pelmora.ini"), std::string::npos) << Visible(box.text);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ExpectExitWithCodeZero();
    windowsHold.Release();
    userHold.Release();
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), before);
    EXPECT_EQ(ReadFileBytes(UserSettingsPath()), before);
    ExpectListsRewritten(); /* the lists do not depend on the settings */
}

} // namespace
} // namespace e2e
