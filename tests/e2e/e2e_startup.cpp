/*
 * Starting Pelmora: the first start without a settings file, cancelling
 * it, a damaged settings file, a list missing after good settings, the
 * user's copy of the settings read before the Windows directory's, and the
 * intro's three ticks before the main window.
 */
#include <chrono>
#include <cstdio>

#include <ostream>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

std::string Blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

const std::string kWelcome =
    "Bienvenu : 1er lancement d'Pelmora, receuil d'informations." + Blanks(15);
const std::string kDamaged = "Le fichier \"Pelmora.ini\" a été endommagé !" + Blanks(15);

std::string MissingFileText(const std::string &path)
{
    return "Le fichier \"" + path + "\" est introuvable !" + Blanks(12);
}

/* Nothing of the program proper may show before the first-run form is
   validated. */
void ExpectNoIntroNorMainWindow(DWORD pid)
{
    EXPECT_EQ(FindTopLevelWindow(pid, kIntroClass), nullptr) << "an intro window is up";
    EXPECT_EQ(FindTopLevelWindow(pid, kMainClass), nullptr) << "a main window is up";
}

/* The System dialog as first-run form: "C:\" and only the first option. */
void ExpectFirstRunForm(HWND dialog)
{
    EXPECT_EQ(TextOf(dialog), kCaption);
    EXPECT_EQ(ItemText(dialog, IDC_SYSTEM_WINDOWSDIR), WindowsDirectory());
    EXPECT_EQ(ItemText(dialog, IDC_SYSTEM_EJAYDIR), "C:\\");
    EXPECT_TRUE(IsChecked(dialog, IDC_SYSTEM_AUTOSAVE)) << "Sauvegarde automatique";
    EXPECT_FALSE(IsChecked(dialog, IDC_SYSTEM_BACKUP)) << "Faire des backups";
    EXPECT_FALSE(IsChecked(dialog, IDC_SYSTEM_RUNEJAY)) << "Lancer Ejay après fermeture";
}

std::vector<Sample> DanceSamples()
{
    std::vector<Sample> dance = MakeSamples("loop", 3, "dance");
    for (const Sample &bass : MakeSamples("bass", 2, "dance"))
        dance.push_back(bass);
    return dance;
}

using FirstStart = PelmoraScenario;

TEST_F(FirstStart, WelcomeThenFormThenMissingListsThenIntroAndMainWindow)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "the prefix's virtual desktop";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768) << "the prefix's virtual desktop";
    std::vector<Sample> dance = DanceSamples();
    WriteLists(dance, MakeSamples("voice", 1, "rave"), {});
    ASSERT_TRUE(StartPelmora());

    MessageBoxSeen welcome;
    ASSERT_TRUE(ExpectMessageBox(&welcome));
    EXPECT_EQ(welcome.caption, kCaption);
    EXPECT_EQ(welcome.text, kWelcome);
    ExpectNoIntroNorMainWindow(Pid());
    ASSERT_TRUE(AnswerMessageBox(welcome, IDOK));

    HWND form = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(form, nullptr) << "no System dialog after the welcome message; seen: "
                             << DescribeTopLevelWindows(Pid());
    ExpectFirstRunForm(form);

    /* "C:\" holds no lists: one message per file, in the order of the
       styles, each naming the path built on "C:\" (doubled separator). */
    ASSERT_TRUE(ClickItem(form, IDC_SYSTEM_VALIDATE));
    const char *names[] = {"pxddance", "pxdrave", "pxdhiphp"};
    for (int i = 0; i < 3; ++i) {
        MessageBoxSeen missing;
        ASSERT_TRUE(ExpectMessageBox(&missing)) << "message " << i + 1 << " of 3";
        EXPECT_EQ(missing.caption, kCaption) << "message " << i + 1;
        EXPECT_EQ(missing.text, MissingFileText(std::string("C:\\\\") + names[i]))
            << "message " << i + 1;
        ASSERT_TRUE(AnswerMessageBox(missing, IDOK)) << "message " << i + 1;
    }
    Pause(300);
    MessageBoxSeen extra;
    EXPECT_FALSE(FindMessageBox(Pid(), &extra)) << "a fourth message: " << Visible(extra.text);
    EXPECT_TRUE(IsWindow(form)) << "the form closed although the lists were missing";
    ExpectNoIntroNorMainWindow(Pid());

    ASSERT_TRUE(SetItemText(form, IDC_SYSTEM_EJAYDIR, EjayDir()));
    ASSERT_TRUE(ClickItem(form, IDC_SYSTEM_VALIDATE));
    EXPECT_TRUE(WaitUntilGone(form)) << "the form stays open after a good directory";
    EXPECT_NE(WaitForTopLevelWindow(Pid(), kIntroClass), nullptr) << "no intro";
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    EXPECT_EQ(ListRows(view.panes[0].list), RowsOf(dance, "loop"));
    EXPECT_EQ(ListRows(view.panes[1].list), RowsOf(dance, "bass"));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    Settings expected;
    expected.ejayDir = EjayDir();
    expected.autosave = "1";
    expected.backup = "0";
    expected.runEjay = "0";
    expected.position = "282,16"; /* centred on 1024 x 768 */
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(expected));
    EXPECT_FALSE(FileExists(UserSettingsPath()));
}

/* ---- Cancelling the first-run form -------------------------------------- */

struct CancelWay {
    const char *name;
    void (*cancel)(HWND form);
};

/* Failure messages name the row, not its bytes. */
void PrintTo(const CancelWay &row, std::ostream *out)
{
    *out << row.name;
}

class FirstStartCancelled : public PelmoraScenario,
                            public ::testing::WithParamInterface<CancelWay> {};

TEST_P(FirstStartCancelled, EndsWithCodeZeroWritingNothingAndNextStartIsFirstAgain)
{
    WriteLists(DanceSamples(), {}, {});
    const std::vector<std::string> entriesBefore = FolderEntries(EjayDir());
    const std::string danceBefore = ReadFileBytes(EjayFile("pxddance"));
    ASSERT_TRUE(StartPelmora());
    MessageBoxSeen welcome;
    ASSERT_TRUE(ExpectMessageBox(&welcome));
    ASSERT_TRUE(AnswerMessageBox(welcome, IDOK));
    HWND form = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(SetItemText(form, IDC_SYSTEM_EJAYDIR, EjayDir()));

    GetParam().cancel(form);
    ExpectExitWithCodeZero();
    EXPECT_FALSE(FileExists(WindowsSettingsPath())) << "settings written by a cancelled first start";
    EXPECT_FALSE(FileExists(UserSettingsPath())) << "settings written by a cancelled first start";
    EXPECT_EQ(FolderEntries(EjayDir()), entriesBefore);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), danceBefore);

    Program again;
    std::string error;
    ASSERT_TRUE(again.Start(PelmoraExePath(), EjayDir(), &error)) << error;
    MessageBoxSeen secondWelcome;
    ASSERT_TRUE(WaitForMessageBox(again.Pid(), &secondWelcome)) << "no message at the next start";
    EXPECT_EQ(secondWelcome.text, kWelcome);
    ASSERT_TRUE(AnswerMessageBox(secondWelcome, IDOK));
    HWND secondForm = WaitForDialogWithControl(again.Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(secondForm, nullptr);
    ASSERT_TRUE(ClickItem(secondForm, IDC_SYSTEM_CANCEL));
    DWORD code = 1;
    ASSERT_TRUE(again.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FirstStartCancelled,
    ::testing::Values(CancelWay{"AnnulerButton", [](HWND form) { ClickItem(form, IDC_SYSTEM_CANCEL); }},
                      CancelWay{"CloseBox", [](HWND form) { PostCloseBox(form); }}),
    [](const ::testing::TestParamInfo<CancelWay> &info) { return std::string(info.param.name); });

/* ---- A damaged settings file -------------------------------------------- */

struct DamagedFile {
    const char *name;
    const char *text;
};

/* Failure messages name the row, not its bytes. */
void PrintTo(const DamagedFile &row, std::ostream *out)
{
    *out << row.name;
}

class DamagedSettings : public PelmoraScenario, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedSettings, ShowsTheDamageThenTheFirstRunForm)
{
    WriteLists(DanceSamples(), {}, {});
    std::string damaged = GetParam().text;
    std::size_t slot = damaged.find("%DIR%");
    if (slot != std::string::npos)
        damaged.replace(slot, 5, EjayDir());
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), damaged));
    ASSERT_TRUE(StartPelmora());

    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box));
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, kDamaged);
    ExpectNoIntroNorMainWindow(Pid());
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    HWND form = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(form, nullptr) << "no first-run form after the damage message";
    ExpectFirstRunForm(form);

    ASSERT_TRUE(ClickItem(form, IDC_SYSTEM_CANCEL));
    ExpectExitWithCodeZero();
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), damaged)
        << "a cancelled first run must leave the settings file alone";
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettings,
    ::testing::Values(
        DamagedFile{"NoWindowClass",
                    "[SYSTEM]\r\nejayDir=%DIR%\r\nprogEjay=\r\nautosave=1\r\nbackup=0\r\n"
                    "runEjay=0\r\nposition=10,10\r\n"},
        DamagedFile{"NoRunEjayMember",
                    "[SYSTEM]\r\nejayDir=%DIR%\r\nprogEjay=\r\nautosave=1\r\nbackup=0\r\n\r\n"
                    "[WINDOW]\r\nposition=10,10\r\n"},
        DamagedFile{"EmptyFile", ""}),
    [](const ::testing::TestParamInfo<DamagedFile> &info) { return std::string(info.param.name); });

/* ---- A list missing after good settings --------------------------------- */

using MissingList = PelmoraScenario;

TEST_F(MissingList, AfterGoodSettingsNamesItForgetsTheSettingsAndEnds)
{
    WriteLists(DanceSamples(), {}, {});
    ASSERT_TRUE(DeleteFileIfThere(EjayFile("pxdrave")));
    const std::string danceBefore = ReadFileBytes(EjayFile("pxddance"));
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());

    MessageBoxSeen box;
    ASSERT_TRUE(ExpectMessageBox(&box));
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, MissingFileText(EjayFile("pxdrave")));
    ExpectNoIntroNorMainWindow(Pid());
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));

    bool windowSeen = false;
    WaitUntil(
        [&] {
            windowSeen = windowSeen || FindTopLevelWindow(Pid(), kIntroClass) != nullptr ||
                         FindTopLevelWindow(Pid(), kMainClass) != nullptr;
            return !TheProgram().Running();
        },
        kExitTimeoutMs);
    EXPECT_FALSE(windowSeen) << "an intro or main window showed after the missing list";
    ExpectExitWithCodeZero();
    EXPECT_FALSE(FileExists(WindowsSettingsPath())) << "the settings file was not deleted";
    EXPECT_FALSE(FileExists(UserSettingsPath()));
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), danceBefore);
    EXPECT_FALSE(FileExists(EjayFile("pxdrave"))) << "a list was written by a failed start";
}

/* ---- Where the settings are read from ----------------------------------- */

using SettingsLocation = PelmoraScenario;

TEST_F(SettingsLocation, UserCopyIsReadBeforeTheWindowsDirectory)
{
    std::vector<Sample> dance = DanceSamples();
    WriteLists(dance, {}, {});
    Settings wrong;
    wrong.ejayDir = EjayFile("no-lists-here");
    WriteSettings(wrong);
    ASSERT_TRUE(MakeFolders(FolderOf(UserSettingsPath())));
    Settings right;
    right.ejayDir = EjayDir();
    right.position = "40,30";
    ASSERT_TRUE(WriteFileBytes(UserSettingsPath(), SettingsFileText(right)));
    ASSERT_TRUE(StartPelmora());

    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    EXPECT_EQ(ListRows(view.panes[0].list), RowsOf(dance, "loop"));
    RECT frame = ScreenRect(view.window);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    /* Written where it can be; a user copy left behind would hide it. */
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(right));
    EXPECT_FALSE(FileExists(UserSettingsPath())) << "a stale user copy would be read next time";
}

/* ---- The intro ---------------------------------------------------------- */

using Intro = PelmoraScenario;

TEST_F(Intro, LastsThreeTicksThenGivesWayToTheMainWindow)
{
    WriteLists(DanceSamples(), {}, {});
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());

    HWND intro = WaitForTopLevelWindow(Pid(), kIntroClass);
    auto shown = std::chrono::steady_clock::now();
    ASSERT_NE(intro, nullptr) << "no intro window; seen: " << DescribeTopLevelWindows(Pid());
    EXPECT_EQ(TextOf(intro), kCaption);
    EXPECT_EQ(DescribeRect(ScreenRect(intro)), "332,327 360x113") << "centred on 1024 x 768";
    EXPECT_EQ(FindTopLevelWindow(Pid(), kMainClass), nullptr) << "main window beside the intro";
    EXPECT_TRUE(SaveScreenshot("intro"));

    HWND main = WaitForTopLevelWindow(Pid(), kMainClass, 20000);
    auto mainShown = std::chrono::steady_clock::now();
    ASSERT_NE(main, nullptr) << "no main window after the intro";
    double seconds = std::chrono::duration<double>(mainShown - shown).count();
    std::printf("intro to main window: %.2f s\n", seconds);
    /* Three one-second ticks: after the second tick (2 s) the intro must
       still be up; the bound above only guards against a stuck timer. */
    EXPECT_GE(seconds, 2.0) << "the main window came before the third tick";
    EXPECT_LE(seconds, 10.0);
    EXPECT_FALSE(IsWindow(intro)) << "the intro outlived the third tick";

    PostCommand(main, IDM_QUIT);
    ExpectExitWithCodeZero();
}

} // namespace
} // namespace e2e
