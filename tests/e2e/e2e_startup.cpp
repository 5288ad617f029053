/*
 * Starting Pelmora: the first start without a settings file through the
 * intro's three ticks to the main window, the first-run form cancelled
 * (after a damaged settings file, and with none), and a list missing after
 * good settings.
 */
#include <chrono>
#include <cstdio>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

const std::string kWelcome =
    "Bienvenu : 1er lancement d'Pelmora, receuil d'informations." + std::string(15, ' ');
const std::string kDamaged = "Le fichier \"Pelmora.ini\" a été endommagé !" + std::string(15, ' ');
const char kDamagedFile[] = "[SYSTEM]\r\nejayDir=C:\\\r\nprogEjay=\r\nautosave=1\r\nbackup=0\r\n"
                            "\r\n[WINDOW]\r\nposition=10,10\r\n"; /* no runEjay */

/* Nothing of the program proper may show before the first-run form is
   validated. */
void ExpectNoIntroNorMainWindow(DWORD pid)
{
    EXPECT_EQ(FindTopLevelWindow(pid, kIntroClass), nullptr) << "an intro window is up";
    EXPECT_EQ(FindTopLevelWindow(pid, kMainClass), nullptr) << "a main window is up";
}

/* Answers the opening message (its text checked) and returns the
   first-run form, checked: "C:\" and only the first option ticked. */
HWND FirstRunFormAfter(DWORD pid, const std::string &message)
{
    MessageBoxSeen box;
    if (!WaitForMessageBox(pid, &box)) {
        ADD_FAILURE() << "no opening message; seen: " << DescribeTopLevelWindows(pid);
        return nullptr;
    }
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, message);
    ExpectNoIntroNorMainWindow(pid);
    EXPECT_TRUE(AnswerMessageBox(box, IDOK));
    HWND form = WaitForDialogWithControl(pid, IDC_SYSTEM_EJAYDIR);
    if (form == nullptr) {
        ADD_FAILURE() << "no first-run form; seen: " << DescribeTopLevelWindows(pid);
        return nullptr;
    }
    EXPECT_EQ(TextOf(form), kCaption);
    EXPECT_EQ(ItemText(form, IDC_SYSTEM_WINDOWSDIR), WindowsDirectory());
    EXPECT_EQ(ItemText(form, IDC_SYSTEM_EJAYDIR), "C:\\");
    EXPECT_TRUE(IsChecked(form, IDC_SYSTEM_AUTOSAVE)) << "Sauvegarde automatique";
    EXPECT_FALSE(IsChecked(form, IDC_SYSTEM_BACKUP)) << "Faire des backups";
    EXPECT_FALSE(IsChecked(form, IDC_SYSTEM_RUNEJAY)) << "Lancer Ejay après fermeture";
    return form;
}

std::vector<Sample> DanceSamples()
{
    std::vector<Sample> dance = MakeSamples("loop", 3, "dance");
    for (const Sample &bass : MakeSamples("bass", 2, "dance"))
        dance.push_back(bass);
    return dance;
}

using FirstStart = PelmoraScenario;

TEST_F(FirstStart, WelcomeThenFormThenMissingListsThenIntroOfThreeTicksAndMainWindow)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "the prefix's virtual desktop";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768) << "the prefix's virtual desktop";
    std::vector<Sample> dance = DanceSamples();
    WriteLists(dance, MakeSamples("voice", 1, "rave"), {});
    ASSERT_TRUE(StartPelmora());
    HWND form = FirstRunFormAfter(Pid(), kWelcome);
    ASSERT_NE(form, nullptr);

    /* "C:\" holds no lists: one message per file, in the order of the
       styles, each naming the path built on "C:\" (doubled separator). */
    ASSERT_TRUE(ClickItem(form, IDC_SYSTEM_VALIDATE));
    const char *names[] = {"pxddance", "pxdrave", "pxdhiphp"};
    for (int i = 0; i < 3; ++i) {
        MessageBoxSeen missing;
        ASSERT_TRUE(ExpectMessageBox(&missing)) << "message " << i + 1 << " of 3";
        EXPECT_EQ(missing.caption, kCaption) << "message " << i + 1;
        EXPECT_EQ(missing.text, MissingFileText(std::string("C:\\\\") + names[i])) << "message " << i + 1;
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
    HWND intro = WaitForTopLevelWindow(Pid(), kIntroClass);
    auto shown = std::chrono::steady_clock::now();
    ASSERT_NE(intro, nullptr) << "no intro; seen: " << DescribeTopLevelWindows(Pid());
    EXPECT_EQ(TextOf(intro), kCaption);
    EXPECT_EQ(DescribeRect(ScreenRect(intro)), "332,327 360x113") << "centred on 1024 x 768";
    EXPECT_EQ(FindTopLevelWindow(Pid(), kMainClass), nullptr) << "main window beside the intro";
    EXPECT_TRUE(SaveScreenshot("intro"));

    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - shown).count();
    std::printf("intro to main window: %.2f s\n", seconds);
    /* Three one-second ticks: after the second tick (2 s) the intro must
       still be up; the upper bound only guards against a stuck timer. */
    EXPECT_GE(seconds, 2.0) << "the main window came before the third tick";
    EXPECT_LE(seconds, 10.0);
    EXPECT_FALSE(IsWindow(intro)) << "the intro outlived the third tick";
    EXPECT_EQ(ListRows(view.panes[0].list), RowsOf(dance, "loop"));
    EXPECT_EQ(ListRows(view.panes[1].list), RowsOf(dance, "bass"));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    Settings expected;
    expected.ejayDir = EjayDir();
    expected.position = "282,16"; /* centred on 1024 x 768 */
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(expected));
    EXPECT_FALSE(FileExists(UserSettingsPath()));
}

/* Annuler after a damaged settings file, then the close box with no
   settings file at all: each start ends with code 0 and writes nothing. */
TEST_F(FirstStart, CancelledFormEndsWithCodeZeroWritingNothing)
{
    WriteLists(DanceSamples(), {}, {});
    const std::vector<std::string> entriesBefore = FolderEntries(EjayDir());
    const std::string danceBefore = ReadFileBytes(EjayFile("pxddance"));
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), kDamagedFile));
    ASSERT_TRUE(StartPelmora());
    HWND form = FirstRunFormAfter(Pid(), kDamaged);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(SetItemText(form, IDC_SYSTEM_EJAYDIR, EjayDir()));
    ASSERT_TRUE(ClickItem(form, IDC_SYSTEM_CANCEL));
    ExpectExitWithCodeZero();
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), kDamagedFile)
        << "a cancelled first run must leave the settings file alone";

    ASSERT_TRUE(DeleteTree(WindowsSettingsPath()));
    ASSERT_TRUE(StartPelmora());
    form = FirstRunFormAfter(Pid(), kWelcome);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(SetItemText(form, IDC_SYSTEM_EJAYDIR, EjayDir()));
    PostCloseBox(form);
    ExpectExitWithCodeZero();
    EXPECT_FALSE(FileExists(WindowsSettingsPath())) << "settings written by a cancelled first start";
    EXPECT_FALSE(FileExists(UserSettingsPath())) << "settings written by a cancelled first start";
    EXPECT_EQ(FolderEntries(EjayDir()), entriesBefore);
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), danceBefore);
}

TEST_F(FirstStart, ListMissingAfterGoodSettingsIsNamedSettingsForgottenProgramEnds)
{
    WriteLists(DanceSamples(), {}, {});
    ASSERT_TRUE(DeleteTree(EjayFile("pxdrave")));
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

} // namespace
} // namespace e2e
