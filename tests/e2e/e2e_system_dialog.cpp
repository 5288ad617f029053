/*
 * The System dialog opened from the running program: one at a time, what
 * it shows of the settings, the Ejay program chosen through the file
 * chooser giving a new Ejay folder, and the options taking effect when the
 * program closes by its menu.
 */
#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

std::vector<HWND> SystemDialogs(DWORD pid)
{
    return DialogsWithControl(pid, IDC_SYSTEM_EJAYDIR);
}

/* Waits until the dialog that replaced `before` is the only one. */
HWND WaitForOnlyDialogOtherThan(DWORD pid, HWND before)
{
    HWND only = nullptr;
    WaitUntil([&] {
        std::vector<HWND> dialogs = SystemDialogs(pid);
        only = dialogs.size() == 1 && dialogs[0] != before && !IsWindow(before) ? dialogs[0] : nullptr;
        return only != nullptr;
    });
    return only != nullptr && Sync(only) ? only : nullptr;
}

using SystemDialog = PelmoraScenario;

TEST_F(SystemDialog, OneAtATimeNewEjayFolderAndOptionsTakeEffectOnClosing)
{
    std::vector<Sample> dance = MakeSamples("loop", 2, "dance");
    std::vector<Sample> rave = MakeSamples("rap", 1, "rave");
    WriteLists(dance, rave, {});
    Settings settings;
    settings.autosave = "0";
    settings.backup = "1";
    settings.runEjay = "2"; /* not exactly 1: shown unticked */
    settings = WriteSettings(settings);
    /* The new Ejay folder holds Ejay and two of its three lists. */
    const std::string other = EjayFile("other");
    ASSERT_TRUE(MakeFolders(other));
    const std::string ejay = InstallFakeEjay(other);
    const std::string otherDance = ListFileText(MakeSamples("drum", 3, "other"));
    ASSERT_TRUE(WriteFileBytes(JoinPath(other, "pxddance"), otherDance));
    ASSERT_TRUE(WriteFileBytes(JoinPath(other, "pxdhiphp"), ""));
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    ASSERT_TRUE(TypeCtrl(view.window, 'S'));
    HWND first = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(first, nullptr) << "Ctrl+S opened no System dialog";
    EXPECT_EQ(TextOf(first), kCaption);
    EXPECT_EQ(ItemText(first, IDC_SYSTEM_WINDOWSDIR), WindowsDirectory());
    EXPECT_EQ(ItemText(first, IDC_SYSTEM_EJAYDIR), settings.ejayDir);
    EXPECT_FALSE(IsChecked(first, IDC_SYSTEM_AUTOSAVE)) << "autosave=0";
    EXPECT_TRUE(IsChecked(first, IDC_SYSTEM_BACKUP)) << "backup=1";
    EXPECT_FALSE(IsChecked(first, IDC_SYSTEM_RUNEJAY)) << "runEjay=2";
    EXPECT_TRUE(SaveScreenshot("system-dialog"));

    /* Typed while the dialog has the keyboard: the accelerators act in
       every window of the program. */
    ASSERT_TRUE(TypeCtrl(first, 'S'));
    HWND second = WaitForOnlyDialogOtherThan(Pid(), first);
    EXPECT_NE(second, nullptr) << "after a second Ctrl+S: " << SystemDialogs(Pid()).size()
                               << " dialogs, the first one " << (IsWindow(first) ? "still open" : "closed");
    PostCommand(view.window, IDM_SYSTEM);
    HWND dialog = WaitForOnlyDialogOtherThan(Pid(), second);
    ASSERT_NE(dialog, nullptr) << "after the menu command: " << SystemDialogs(Pid()).size() << " dialogs";

    ASSERT_TRUE(ClickItem(dialog, IDC_SYSTEM_BROWSE));
    HWND chooser = WaitForFileChooser(Pid());
    ASSERT_NE(chooser, nullptr) << "\"...\" opened no file chooser";
    EXPECT_EQ(TextOf(chooser), "Rechercher l'application...");
    EXPECT_TRUE(SaveScreenshot("system-dialog-chooser"));
    ASSERT_TRUE(ChooseFile(chooser, ejay)) << "the chooser did not take " << ejay;
    /* The folder with its trailing separator: the list paths built on it
       hold a doubled one, which the platform accepts. */
    const std::string otherField = other + "\\";
    EXPECT_TRUE(WaitUntil([&] { return ItemText(dialog, IDC_SYSTEM_EJAYDIR) == otherField; }))
        << "Ejay folder field: " << ItemText(dialog, IDC_SYSTEM_EJAYDIR);

    ASSERT_TRUE(ClickItem(dialog, IDC_SYSTEM_VALIDATE));
    MessageBoxSeen missing;
    ASSERT_TRUE(ExpectMessageBox(&missing));
    EXPECT_EQ(missing.text, MissingFileText(otherField + "\\pxdrave"));
    ASSERT_TRUE(AnswerMessageBox(missing, IDOK));
    Pause(300);
    EXPECT_FALSE(FindMessageBox(Pid(), &missing)) << "more than one message for one missing list";
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog closed although a list was missing";

    const std::string otherRave = ListFileText(MakeSamples("bass", 1, "other"));
    ASSERT_TRUE(WriteFileBytes(JoinPath(other, "pxdrave"), otherRave));
    ASSERT_TRUE(SetChecked(dialog, IDC_SYSTEM_AUTOSAVE, true));
    ASSERT_TRUE(SetChecked(dialog, IDC_SYSTEM_RUNEJAY, true));
    ASSERT_TRUE(ClickItem(dialog, IDC_SYSTEM_VALIDATE));
    EXPECT_TRUE(WaitUntilGone(dialog)) << "the dialog stays open with all lists present";
    EXPECT_TRUE(SystemDialogs(Pid()).empty());
    /* No reload: the lists shown are still those of the first folder. */
    EXPECT_EQ(ListRows(view.panes[0].list), RowsOf(dance, "loop"));
    EXPECT_TRUE(ListRows(view.panes[5].list).empty());
    EXPECT_EQ(EjayRuns(other, 0), 0) << "Ejay started before the program closed";

    PostCommand(view.window, IDM_QUIT);
    ExpectExitWithCodeZero();
    /* The tables read from the first folder are written into the new one,
       after backups of what the new one held; a second save would have
       backed up the rewritten lists. */
    EXPECT_EQ(ReadFileBytes(JoinPath(other, "pxddance")), ListFileText(dance));
    EXPECT_EQ(ReadFileBytes(JoinPath(other, "pxdrave")), ListFileText(rave));
    EXPECT_EQ(ReadFileBytes(JoinPath(other, "pxdhiphp")), "");
    EXPECT_EQ(ReadFileBytes(JoinPath(other, "pxddance.bak")), otherDance);
    EXPECT_EQ(ReadFileBytes(JoinPath(other, "pxdrave.bak")), otherRave);
    EXPECT_TRUE(FileExists(JoinPath(other, "pxdhiphp.bak")));
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), ListFileText(dance)) << "the old folder changed";
    EXPECT_FALSE(FileExists(EjayFile("pxddance.bak")));
    EXPECT_EQ(EjayRuns(other, kWindowTimeoutMs), 1) << "times Ejay was started";
    Settings saved = settings;
    saved.ejayDir = otherField;
    saved.progEjay = ejay;
    saved.autosave = "1";
    saved.runEjay = "1";
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), SettingsFileText(saved));
}

} // namespace
} // namespace e2e
