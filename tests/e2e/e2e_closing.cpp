/*
 * Closing Pelmora: every way of closing saves exactly once (settings,
 * backups when asked, the three lists, Ejay started when asked); without
 * the options nothing but the lists and settings is touched; a list or a
 * settings file that cannot be written is reported or kept in the user's
 * folder: nothing is lost silently.
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

class Closing : public PelmoraScenario {
protected:
    /* The three lists above, the settings given and the stand-in Ejay;
       the program started and its main window up. */
    bool StartWith(Settings *settings)
    {
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxddance"), kDanceOriginal));
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxdrave"), kRave));
        EXPECT_TRUE(WriteFileBytes(EjayFile("pxdhiphp"), kHiphopOriginal));
        settings->progEjay = InstallFakeEjay(EjayDir());
        *settings = WriteSettings(*settings);
        return StartPelmora() && WaitForMainWindow(&view_);
    }

    void ExpectListsRewritten()
    {
        EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten);
        EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), kRave);
        EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp")), "");
    }

    /* The list failure reported, naming exactly the held list. */
    void ExpectListFailure(MessageBoxSeen *box, const char *held)
    {
        ASSERT_TRUE(ExpectMessageBox(box)) << "the failed save was not reported";
        EXPECT_EQ(box->caption, kCaption);
        for (const char *name : {"pxddance", "pxdrave", "pxdhiphp"})
            EXPECT_EQ(box->text.find(EjayFile(name)) != std::string::npos,
                      std::string(name) == held) << name << " in " << Visible(box->text);
        EXPECT_TRUE(box->HasButton(IDRETRY));
        EXPECT_TRUE(box->HasButton(IDCANCEL));
    }

    MainWindowView view_;
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

class ClosingWays : public Closing, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingWays, SaveEverythingExactlyOnce)
{
    Settings settings;
    settings.backup = "1";
    settings.runEjay = "1";
    ASSERT_TRUE(StartWith(&settings));
    ASSERT_TRUE(GetParam().close(view_.window)) << "could not close by " << GetParam().name;
    ExpectExitWithCodeZero();

    ExpectListsRewritten();
    /* A second save would have backed up the rewritten lists. */
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance.bak")), kDanceOriginal);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave.bak")), kRave);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp.bak")), kHiphopOriginal);
    EXPECT_EQ(EjayRuns(EjayDir(), kWindowTimeoutMs), 1) << "times Ejay was started";
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

/* The menu's Quitter is checked by the System dialog scenario. */
INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingWays,
    ::testing::Values(
        CloseWay{"CloseBox", [](HWND window) { PostCloseBox(window); return true; }},
        CloseWay{"AltF4", [](HWND window) { return TypeAltF4(window); }},
        CloseWay{"CtrlQ", [](HWND window) { return TypeCtrl(window, 'Q'); }}),
    [](const ::testing::TestParamInfo<CloseWay> &info) { return std::string(info.param.name); });

/* ---- Files that cannot be written ---------------------------------------- */

/* The Windows directory refuses the settings and another program holds a
   list: the settings go to the user's folder without a word, the list is
   named and written on Retry. With the options at 0 no backup is made and
   Ejay is not started. The next start reads the user's copy first. */
TEST_F(Closing, HeldListIsNamedAndRetriedSettingsGoToTheUserFolder)
{
    Settings settings;
    ASSERT_TRUE(StartWith(&settings));
    const std::string windowsCopy = ReadFileBytes(WindowsSettingsPath());
    FileHold settingsHold(WindowsSettingsPath());
    FileHold listHold(EjayFile("pxdrave"));
    ASSERT_TRUE(settingsHold.Held() && listHold.Held());
    /* Moved by the user: the position to be saved differs from the file's. */
    ASSERT_TRUE(SetWindowPos(view_.window, nullptr, 200, 40, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(WaitUntil([&] { return ScreenRect(view_.window).left == 200; }));

    ASSERT_TRUE(TypeCtrl(view_.window, 'Q'));
    MessageBoxSeen box;
    ExpectListFailure(&box, "pxdrave");
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), kRave) << "the held list changed";
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten);
    EXPECT_TRUE(SaveScreenshot("closing-list-not-saved"));
    listHold.Release();
    ASSERT_TRUE(AnswerMessageBox(box, IDRETRY));
    ExpectExitWithCodeZero();
    settingsHold.Release();
    ExpectListsRewritten();
    EXPECT_EQ(EjayRuns(EjayDir(), 2000), 0) << "Ejay started with runEjay=0";
    const std::vector<std::string> expectedEntries = {"Ejay.exe", "pxddance", "pxdhiphp", "pxdrave"};
    EXPECT_EQ(FolderEntries(EjayDir()), expectedEntries) << "backups or temporary files?";
    Settings moved = settings;
    moved.position = "200,40";
    EXPECT_EQ(ReadFileBytes(UserSettingsPath()), SettingsFileText(moved));
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), windowsCopy);

    /* The window comes back where it was left; with the Windows directory
       writable again the settings return there. */
    ASSERT_TRUE(StartPelmora() && WaitForMainWindow(&view_));
    EXPECT_EQ(DescribeRect(ScreenRect(view_.window)), "200,40 460x735");
    PostCommand(view_.window, IDM_QUIT);
    ExpectExitWithCodeZero();
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(moved));
    EXPECT_FALSE(FileExists(UserSettingsPath())) << "a stale user copy would be read next time";
}

/* Neither settings file can be written and a list is held: both are told,
   Cancel ends leaving the list as it was. Options at 2 are off: the old
   backups stay and Ejay is not started. */
TEST_F(Closing, SettingsWrittenNowhereAreReportedAndCancelLeavesTheHeldList)
{
    Settings settings;
    settings.autosave = settings.backup = settings.runEjay = "2";
    const std::string oldBackup = "sauvegarde d'avant\r\n";
    for (const char *name : {"pxddance.bak", "pxdrave.bak", "pxdhiphp.bak"})
        ASSERT_TRUE(WriteFileBytes(EjayFile(name), oldBackup));
    ASSERT_TRUE(StartWith(&settings));
    const std::string before = SettingsFileText(settings);
    ASSERT_TRUE(MakeFolders(FolderOf(UserSettingsPath())));
    ASSERT_TRUE(WriteFileBytes(UserSettingsPath(), before));
    FileHold windowsHold(WindowsSettingsPath());
    FileHold userHold(UserSettingsPath());
    FileHold listHold(EjayFile("pxdhiphp"));
    ASSERT_TRUE(windowsHold.Held() && userHold.Held() && listHold.Held());

    PostCloseBox(view_.window);
    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box)) << "the lost settings were not reported";
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_NE(box.text.find("Pelmora.ini"), std::string::npos) << Visible(box.text);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ExpectListFailure(&box, "pxdhiphp");
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(AnswerMessageBox(box, IDCANCEL));
    ExpectExitWithCodeZero();
    windowsHold.Release();
    userHold.Release();
    listHold.Release();
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), before);
    EXPECT_EQ(ReadFileBytes(UserSettingsPath()), before);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdhiphp")), kHiphopOriginal);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), kDanceRewritten) << "autosave=2 still writes";
    for (const char *name : {"pxddance.bak", "pxdrave.bak", "pxdhiphp.bak"})
        EXPECT_EQ(ReadFileBytes(EjayFile(name)), oldBackup) << name;
    EXPECT_EQ(EjayRuns(EjayDir(), 2000), 0) << "Ejay started with runEjay=2";
}

} // namespace
} // namespace e2e
