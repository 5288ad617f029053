/*
 * Closing Pelmora, one start after another: every way of closing saves
 * exactly once (settings, backups when asked, the three lists, Ejay started
 * when asked); a list or a settings file that cannot be written is told or
 * kept in the user's folder, never lost silently; and the System dialog,
 * whose choices take effect on closing.
 */
#include "tests/e2e/journey.h"

namespace e2e {

class Closing : public Journey {
protected:
    /* Dance with LF ends and Hiphop of a blank line, both rewritten on
       closing; Rave already as the writer lays it out. */
    const std::vector<Sample> dance_ = Samples("dance", "loop", 3);
    const std::string rave_ = ListText(Samples("rave", "voice", 1));
    const std::string rewritten_ = ListText(dance_) + "|" + rave_ + "|";

    /* Started on the lists above, with no backup and Ejay not run yet. */
    bool Restart(const Settings &settings)
    {
        for (const char *name : {"ejay-ran.txt", "pxddance.bak", "pxdrave.bak", "pxdhiphp.bak"})
            fs::remove(Dir(name));
        return WriteFileBytes(WindowsSettingsPath(), SettingsText(settings)) &&
               WriteLists(ListText(dance_, "\n"), rave_, "\r\n") && Start() && OpenMainWindow();
    }
    /* The failed save told, naming exactly the held list. */
    HWND ListFailureNaming(const std::string &held)
    {
        HWND box = NextMessage();
        const std::string text = MessageText(box);
        EXPECT_TRUE(text.find(held) != std::string::npos && text.find(Dir()) == text.rfind(Dir())) << text;
        return box;
    }
    /* A line for each run of the stand-in Ejay, once a first had time to
       show and a second time to follow. */
    static std::string EjayRuns(const std::string &folder, int settleMs = 2000)
    {
        WaitUntil([&] { return fs::exists(folder + "\\ejay-ran.txt"); }, settleMs);
        Sleep(1000);
        return ReadFileBytes(folder + "\\ejay-ran.txt");
    }
};

TEST_F(Closing, EveryWaySavesOnceNothingIsLostSilentlyAndTheSystemDialog)
{
    const std::string ejay = Dir("Ejay.bat"), other = Dir("other"), otherEjay = other + "\\Ejay.bat";
    fs::create_directory(other);
    /* The stand-in Ejay notes each run beside itself. */
    for (const std::string &copy : {ejay, otherEjay})
        ASSERT_TRUE(WriteFileBytes(copy, "@echo ran>>\"%~dp0ejay-ran.txt\"\r\n"));
    Settings settings = {Dir(), ejay, "1", "1", "1", "100,20"};

    /* The close box, Alt+F4, Ctrl+Q and the end of the Windows session in
       turn. A second save would back up the rewritten lists. Ejay is not
       started when Windows itself is ending. */
    for (WORD key : std::initializer_list<WORD>{0, VK_F4, 'Q', 1}) {
        SCOPED_TRACE(key == 0 ? "the close box" : key == 'Q' ? "Ctrl+Q" : key == 1 ? "the session's end" : "Alt+F4");
        ASSERT_TRUE(Restart(settings));
        ASSERT_TRUE(key <= 1
                        ? PostMessageW(main_, key ? WM_ENDSESSION : WM_SYSCOMMAND, key ? TRUE : SC_CLOSE, 0) != FALSE
                        : TypeKeys(main_, {WORD(key == 'Q' ? VK_CONTROL : VK_MENU), key}));
        EXPECT_EQ(program_.ExitCode(), 0u);
        EXPECT_EQ(Lists(Dir()) + "\n" + Lists(Dir(), ".bak") + "\n" + EjayRuns(Dir(), key == 1 ? 2000 : kTimeoutMs) +
                      ReadFileBytes(WindowsSettingsPath()),
                  rewritten_ + "\n" + ListText(dance_, "\n") + "|" + rave_ + "|\r\n\n" + (key == 1 ? "" : "ran\r\n") +
                      SettingsText(settings));
    }

    /* Another program writes Dance while Pelmora has it open: Oui writes
       ours over it and keeps theirs beside it, Non the other way round;
       either way the closing names the file that keeps the other version.
       With Non, a folder has taken Hiphop's place: told with the reason,
       and no Retry, which could not help. */
    const std::string theirs = ListText(Samples("autre", "loop", 1));
    for (int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer == IDYES ? "Oui" : "Non");
        ASSERT_TRUE(Restart({Dir(), ejay, "1", "0", "0", "100,20"}));
        ASSERT_TRUE(WriteFileBytes(Dir("pxddance"), theirs));
        ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
        const std::string question = Answer(answer),
                          beside = Dir(answer == IDYES ? "pxddance.autre" : "pxddance.pelmora");
        EXPECT_EQ(question.substr(0, question.find("\n")),
                  "Le fichier \"" + Dir("pxddance") +
                      "\" a \xE9t\xE9 modifi\xE9 par un autre programme depuis "
                      "que Pelmora l'a lu.");
        EXPECT_EQ(Answer(IDOK), "L'autre version de ces listes est gard\xE9"
                                "e dans :\n\n" +
                                    beside + "\n");
        EXPECT_EQ(program_.ExitCode(), 0u);
        EXPECT_EQ(ReadFileBytes(Dir("pxddance")) + "|" + ReadFileBytes(beside),
                  answer == IDYES ? ListText(dance_) + "|" + theirs : theirs + "|" + ListText(dance_));
        fs::remove(beside);
    }

    /* Options at 0 or 2: no backup, no Ejay. Saved on a screen no longer
       there, the window opens centred. The Windows directory refuses the
       settings, and another program holds a list until Retry. */
    settings = {Dir(), ejay, "1", "0", "2", "3000,3000"};
    ASSERT_TRUE(Restart(settings));
    EXPECT_EQ(Rect(main_), "282,16 460x735") << "centred on the work area: the whole 1024 x 768 desktop";
    {
        FileHold settingsHold = Hold(WindowsSettingsPath()), listHold = Hold(Dir("pxddance"));
        ASSERT_TRUE(settingsHold && listHold);
        /* Moved by the user: the position saved differs from the file's. */
        SetWindowPos(main_, nullptr, 200, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return Rect(main_) == "200,40 460x735"; }));
        /* A form left open is closed before anything is written: nothing
           can change behind the question. */
        Click(Button(LOOP, 1));
        ASSERT_TRUE(SetText(WaitFor(Pid(), DialogWith(IDC_MODIFY_PATH)), IDC_MODIFY_NAME1, "jamais"));
        ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
        HWND box = ListFailureNaming(Dir("pxddance"));
        EXPECT_TRUE(WindowsOf(Pid(), DialogWith(IDC_MODIFY_PATH)).empty()) << "the form outlived the closing";
        listHold.reset();
        ASSERT_TRUE(Press(box, IDRETRY));
        EXPECT_EQ(program_.ExitCode(), 0u);
    }
    const std::string savedSettings = SettingsText(settings) + SettingsText({Dir(), ejay, "1", "0", "2", "200,40"});
    EXPECT_EQ(EjayRuns(Dir()) + Lists(Dir()) + "\n" + Lists(Dir(), ".bak") + "\n" +
                  ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()),
              rewritten_ + "\n||\n" + savedSettings);

    /* The next start reads the user's copy. Another Ejay folder, lacking a
       list, chosen in the System dialog. */
    const std::string otherDance = ListText(Samples("other", "drum", 3)), otherRave = ListText(Samples("o", "rap", 1));
    ASSERT_TRUE(WriteFileBytes(other + "\\pxddance", otherDance) && WriteFileBytes(other + "\\pxdhiphp", "\r\n"));
    ASSERT_TRUE(Start() && OpenMainWindow());
    EXPECT_EQ(Rect(main_), "200,40 460x735");
    /* One dialog at a time: the System dialog takes the place of a Modify
       form (which writes nothing) by Ctrl+S typed in it, then of itself by
       Ctrl+S typed in it and by the menu. */
    Click(Button(LOOP, 1));
    HWND dialog = WaitFor(Pid(), DialogWith(IDC_MODIFY_PATH));
    ASSERT_TRUE(SetText(dialog, IDC_MODIFY_NAME1, "jamais"));
    for (int way = 0; way < 3; ++way) {
        ASSERT_TRUE(way == 2 ? PostMessageW(main_, WM_COMMAND, IDM_SYSTEM, 0) : TypeKeys(dialog, {VK_CONTROL, 'S'}));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << way;
        dialog = WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
        EXPECT_EQ(WindowsOf(Pid(), [](HWND w) { return OfClass("#32770")(w); }).size(), 1u);
    }
    Click(dialog, IDC_SYSTEM_BROWSE);
    HWND chooser = WaitFor(Pid(), IsFileChooser);
    ASSERT_TRUE(SetText(chooser, kFileNameField, otherEjay) && Press(chooser, IDOK));
    /* The folder with its separator: the list paths built on it hold a
       doubled one, which the platform accepts. */
    EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, IDC_SYSTEM_EJAYDIR) == other + "\\"; }));
    Click(dialog, IDC_SYSTEM_VALIDATE);
    EXPECT_EQ(Answer(IDOK), MissingText(other + "\\\\pxdrave"));
    Sleep(300);
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed although a list was missing";
    /* Annuler then: the refused folder must not have been kept. */
    ASSERT_TRUE(Press(dialog, IDC_SYSTEM_CANCEL));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'S'}));
    dialog = WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
    EXPECT_EQ(TextOf(dialog, IDC_SYSTEM_EJAYDIR), Dir());
    ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, other + "\\"));
    ASSERT_TRUE(WriteFileBytes(other + "\\pxdrave", otherRave));
    for (int option : {IDC_SYSTEM_AUTOSAVE, IDC_SYSTEM_BACKUP, IDC_SYSTEM_RUNEJAY})
        Click(dialog, option); /* each turned over */
    ASSERT_TRUE(Press(dialog, IDC_SYSTEM_VALIDATE));

    /* Settings written nowhere are told; Cancel leaves a held list as it
       was. */
    {
        FileHold windowsHold = Hold(WindowsSettingsPath()), userHold = Hold(UserSettingsPath()),
                 listHold = Hold(other + "\\pxdhiphp");
        ASSERT_TRUE(windowsHold && userHold && listHold);
        PostMessageW(main_, WM_COMMAND, IDM_QUIT, 0);
        const std::string told = Answer(IDOK);
        EXPECT_NE(told.find("\"Pelmora.ini\" n'a pas pu \xEAtre enregistr\xE9"), std::string::npos) << told;
        ASSERT_TRUE(Press(ListFailureNaming(other + "\\\\pxdhiphp"), IDCANCEL));
        EXPECT_EQ(program_.ExitCode(), 0u);
    }
    /* The lists shown went back to their own folder (after their backups,
       the options now asking for them) before the new folder's were loaded;
       those go back to theirs, Hiphop's held and cancelled. */
    const std::string others = otherDance + "|" + otherRave + "|\r\n";
    EXPECT_EQ(Lists(Dir()) + "\n" + Lists(Dir(), ".bak") + "\n" + Lists(other) + "\n" + Lists(other, ".bak") + "\n" +
                  EjayRuns(other, kTimeoutMs) + ReadFileBytes(WindowsSettingsPath()) +
                  ReadFileBytes(UserSettingsPath()),
              rewritten_ + "\n" + rewritten_ + "\n" + others + "\n" + others + "\nran\r\n" + savedSettings);
}

} // namespace e2e
