/*
 * Starting Pelmora: the first-run System dialog through the messages about
 * missing lists to the intro and the main window; a list gone after good
 * settings that cannot all be deleted; and the first start that follows,
 * cancelled; then a first start done with the keyboard alone.
 */
#include "tests/e2e/journey.h"

namespace e2e {

using FirstStart = Journey;

TEST_F(FirstStart, FilledInThenAListGoneThenCancelled)
{
    auto isProgramWindow = [](HWND w) { return OfClass(MAIN_CLASS_NAME)(w) || OfClass(INTRO_CLASS_NAME)(w); };
    const std::string welcome = "Bienvenu : 1er lancement d'Pelmora, receuil d'informations." + std::string(15, ' ');
    const std::vector<Sample> loops = Samples("dance", "loop", 3);
    ASSERT_TRUE(WriteLists(ListText(loops), "", ""));
    ASSERT_TRUE(Start());
    HWND box = NextMessage();
    EXPECT_EQ(TextOf(box) + ": " + MessageText(box), "Pelmora Version 2.20: " + welcome);
    EXPECT_TRUE(WindowsOf(Pid(), isProgramWindow).empty()) << "before the first-run dialog";
    ASSERT_TRUE(Press(box, IDOK));
    HWND dialog = WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
    std::string contents = TextOf(dialog, IDC_SYSTEM_WINDOWSDIR) + " " + TextOf(dialog, IDC_SYSTEM_EJAYDIR) + " ";
    for (int id : {IDC_SYSTEM_AUTOSAVE, IDC_SYSTEM_BACKUP, IDC_SYSTEM_RUNEJAY})
        contents += Ask(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED ? "1" : "0";
    EXPECT_EQ(contents, std::getenv("windir") + std::string(" C:\\ 100")) << "only Sauvegarde automatique ticked";

    /* A folder holding no list: one message for each, in the order of the
       styles, each on the screen however long the path it names. */
    const std::string deep = "C:\\" + std::string(218, 'x'); /* the longest folder taken */
    ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, deep));
    Click(dialog, IDC_SYSTEM_VALIDATE);
    for (const char *name : {"pxddance", "pxdrave", "pxdhiphp"}) {
        box = NextMessage();
        RECT boxRect = {};
        GetWindowRect(box, &boxRect);
        EXPECT_LE(boxRect.right - boxRect.left, GetSystemMetrics(SM_CXSCREEN)) << name;
        std::string told = MessageText(box);
        told.erase(std::remove(told.begin(), told.end(), '\n'), told.end());
        EXPECT_EQ(told, MissingText(deep + "\\" + name));
        ASSERT_TRUE(Press(box, IDOK)) << name;
    }
    Sleep(300);
    EXPECT_TRUE(WindowsOf(Pid(), IsMessageBox).empty()) << "a fourth message";
    EXPECT_TRUE(WindowsOf(Pid(), isProgramWindow).empty()) << "with the lists missing";
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed although the lists were missing";

    /* A good folder: the intro, centred, for three one-second ticks, then
       the main window; Ctrl+Q writes the settings. */
    ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, Dir()));
    Click(dialog, IDC_SYSTEM_VALIDATE);
    HWND intro = WaitFor(Pid(), OfClass(INTRO_CLASS_NAME));
    const ULONGLONG shown = GetTickCount64();
    EXPECT_EQ(Rect(intro), "332,327 360x113") << "centred on the prefix's 1024 x 768 desktop";
    ASSERT_TRUE(OpenMainWindow());
    /* After the second tick the intro must still be up; the upper bound
       only catches a stuck timer. */
    const ULONGLONG waited = GetTickCount64() - shown;
    EXPECT_TRUE(waited >= 2000 && waited <= 10000) << waited << " ms";
    EXPECT_FALSE(IsWindow(intro) || IsWindow(dialog));
    EXPECT_TRUE(Shows(LOOP, loops));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    const std::string settings = SettingsText({Dir(), "", "1", "0", "0", "282,16"});
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()), settings)
        << "the main window centred on 1024 x 768";

    /* One Pelmora at a time: a second start during the intro says why it
       ends, one after it only brings the first one's window to the front;
       neither writes a thing. */
    const std::string written = ReadFileBytes(WindowsSettingsPath()) + Lists(Dir());
    ASSERT_TRUE(Start());
    HWND firstIntro = WaitFor(Pid(), OfClass(INTRO_CLASS_NAME));
    Program second;
    ASSERT_TRUE(firstIntro && second.Start("Pelmora.exe", Dir().c_str()));
    box = WaitFor(second.info.dwProcessId, IsMessageBox);
    EXPECT_EQ(MessageText(box), "Pelmora est d\xE9j\xE0 ouvert : un seul Pelmora \xE0 la fois peut modifier les "
                                "listes d'Ejay.");
    ASSERT_TRUE(Press(box, IDOK));
    EXPECT_EQ(second.ExitCode(), 0u);
    ASSERT_TRUE(OpenMainWindow());
    ASSERT_TRUE(second.Start("Pelmora.exe", Dir().c_str()));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_; }));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + Lists(Dir()), written);

    /* A list another program holds: the reason, and a way out. Non ends
       without writing; Oui opens the System dialog on the settings' folder,
       where a relative folder typed is kept as a full path. */
    const std::string unreadable = "Le fichier \"" + Dir("pxdrave") + "\" n'a pas pu \xEAtre lu jusqu'au bout : ";
    for (int answer : {IDNO, IDYES}) {
        FileHold locked = Hold(Dir("pxdrave"), 0);
        ASSERT_TRUE(locked && Start());
        const std::string told = Answer(answer);
        EXPECT_EQ(told.substr(0, unreadable.size()), unreadable);
        EXPECT_NE(told.find("Voulez-vous choisir un autre r\xE9pertoire Ejay ?"), std::string::npos) << told;
        if (answer == IDNO) {
            EXPECT_EQ(program_.ExitCode(), 0u);
            EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + Lists(Dir()), written);
            continue;
        }
        dialog = WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
        EXPECT_EQ(TextOf(dialog, IDC_SYSTEM_EJAYDIR), Dir());
        locked.reset();
        ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, "."));
        Click(dialog, IDC_SYSTEM_VALIDATE);
        ASSERT_TRUE(OpenMainWindow());
        EXPECT_TRUE(Shows(LOOP, loops)) << "read once more, not twice";
        ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
        EXPECT_EQ(program_.ExitCode(), 0u);
    }
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()), settings) << "the folder typed as \".\", kept in full";

    /* A list gone: told before any window, then the program ends (the
       intro would keep it running), forgetting the settings even though
       the Windows directory's copy cannot be deleted (as an installer may
       leave it). */
    fs::remove(Dir("pxdrave"));
    {
        FileHold undeletable = Hold(WindowsSettingsPath(), FILE_SHARE_READ);
        ASSERT_TRUE(undeletable && Start());
        box = NextMessage();
        EXPECT_EQ(MessageText(box), MissingText(Dir("pxdrave")));
        EXPECT_TRUE(WindowsOf(Pid(), isProgramWindow).empty());
        ASSERT_TRUE(Press(box, IDOK));
        EXPECT_EQ(program_.ExitCode(), 0u);
    }

    /* So the next start is a first start; leaving it writes nothing. */
    const std::string lists = Lists(Dir());
    ASSERT_TRUE(Start());
    EXPECT_EQ(Answer(IDOK), welcome);
    Click(WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR)), IDC_SYSTEM_CANCEL);
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()) + Lists(Dir()),
              settings + lists);

    /* The keyboard alone: Enter closes the welcome; the focus waits in the
       Ejay folder, its "C:\" selected, so the folder typed replaces it;
       Enter validates, and the program goes on to its lists. */
    {
        ASSERT_TRUE(WriteFileBytes(Dir("pxdrave"), "") && Start());
        HWND welcome = NextMessage();
        ASSERT_TRUE(welcome && TypeKeys(welcome, {VK_RETURN}));
        dialog = WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
        ASSERT_TRUE(dialog && WaitUntil([&] { return Focused(dialog) == GetDlgItem(dialog, IDC_SYSTEM_EJAYDIR); }));
        ASSERT_TRUE(TypeText(dialog, Dir()) && TypeKeys(dialog, {VK_RETURN}));
        ASSERT_TRUE(OpenMainWindow());
        EXPECT_TRUE(Shows(LOOP, loops));
        ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
        EXPECT_EQ(program_.ExitCode(), 0u);
        EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()), settings);
    }
}

} // namespace e2e
