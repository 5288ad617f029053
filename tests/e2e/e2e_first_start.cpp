/*
 * Starting Pelmora: the first-run System dialog cancelled (after damaged
 * settings, and with none), then filled in through the messages about
 * missing lists to the intro and the main window; and a list gone after
 * good settings.
 */
#include <chrono>

#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

const std::string kWelcome = "Bienvenu : 1er lancement d'Pelmora, receuil d'informations." + std::string(15, ' ');
const std::string kDamaged = "Le fichier \"Pelmora.ini\" a \xE9t\xE9 endommag\xE9 !" + std::string(15, ' ');

bool IsProgramWindow(HWND window) { return OfClass(kMainClass)(window) || OfClass(kIntroClass)(window); }

using FirstStart = Journey;

TEST_F(FirstStart, CancelledTwiceThenFilledInThenAListGone)
{
    /* Answers the opening message, before which nothing of the program
       proper may show; the first-run dialog that follows. */
    auto firstRunDialogAfter = [&](const std::string &message) {
        HWND box = NextMessage();
        EXPECT_EQ(TextOf(box) + ": " + MessageText(box), kCaption + (": " + message));
        EXPECT_TRUE(WindowsOf(Pid(), IsProgramWindow).empty()) << "before the first-run dialog";
        EXPECT_TRUE(Press(box, IDOK));
        return WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR));
    };
    const std::vector<Sample> loops = Samples("dance", "loop", 3);
    ASSERT_TRUE(WriteLists(ListText(loops, "\n"), "", ""));

    /* Damaged settings (no [WINDOW]), then Annuler; no settings, then the
       close box: with a good folder typed in, each start ends with code 0
       and writes nothing. */
    const std::string damaged = "[SYSTEM]\r\nejayDir=C:\\\r\n";
    for (bool isDamaged : {true, false}) {
        ASSERT_TRUE(isDamaged ? WriteFileBytes(WindowsSettingsPath(), damaged) : fs::remove(WindowsSettingsPath()));
        ASSERT_TRUE(Start());
        HWND dialog = firstRunDialogAfter(isDamaged ? kDamaged : kWelcome);
        ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, Dir()));
        isDamaged ? Click(dialog, IDC_SYSTEM_CANCEL) : (void)PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(program_.ExitCode(), 0u);
        EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()), isDamaged ? damaged : "");
        EXPECT_EQ(Entries(Dir()) + ReadFileBytes(Dir("pxddance")), "pxddance pxdhiphp pxdrave" + ListText(loops, "\n"));
    }

    /* The dialog as a newcomer finds it; "C:\" holds no list: one message
       for each, in the order of the styles, on the path built on "C:\". */
    ASSERT_TRUE(Start());
    HWND dialog = firstRunDialogAfter(kWelcome);
    EXPECT_EQ(TextOf(dialog, IDC_SYSTEM_WINDOWSDIR) + " " + TextOf(dialog, IDC_SYSTEM_EJAYDIR) + " " + Ticks(dialog),
              std::getenv("windir") + std::string(" C:\\ 100"))
        << "only Sauvegarde automatique ticked";
    Click(dialog, IDC_SYSTEM_VALIDATE);
    for (const char *name : {"pxddance", "pxdrave", "pxdhiphp"}) {
        HWND box = NextMessage();
        EXPECT_EQ(TextOf(box) + ": " + MessageText(box), kCaption + (": " + MissingText(std::string("C:\\\\") + name)));
        ASSERT_TRUE(Press(box, IDOK)) << name;
    }
    Sleep(300);
    EXPECT_TRUE(WindowsOf(Pid(), IsMessageBox).empty()) << "a fourth message";
    EXPECT_TRUE(WindowsOf(Pid(), IsProgramWindow).empty()) << "with the lists missing";
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed although the lists were missing";

    /* A good folder and backups asked for: the intro, centred, for three
       one-second ticks, then the main window; Ctrl+Q writes the settings. */
    ASSERT_TRUE(SetText(dialog, IDC_SYSTEM_EJAYDIR, Dir()));
    Click(dialog, IDC_SYSTEM_BACKUP);
    Click(dialog, IDC_SYSTEM_VALIDATE);
    HWND intro = WaitFor(Pid(), OfClass(kIntroClass));
    const auto shown = std::chrono::steady_clock::now();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Rect(intro), "332,327 360x113") << "centred on the prefix's 1024 x 768 desktop";
    ASSERT_TRUE(OpenMainWindow());
    /* After the second tick the intro must still be up; the upper bound
       only catches a stuck timer. */
    const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - shown;
    EXPECT_TRUE(waited.count() >= 2.0 && waited.count() <= 10.0) << waited.count() << " s";
    EXPECT_FALSE(IsWindow(intro));
    EXPECT_TRUE(Shows(LOOP, loops));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(WindowsSettingsPath()) + ReadFileBytes(UserSettingsPath()),
              SettingsText({Dir(), "", "1", "1", "0", "282,16"}))
        << "the main window centred on 1024 x 768";

    /* A list gone with good settings in both places: told before any
       window, then the program ends (the intro would keep it running),
       forgetting both settings copies. */
    fs::remove(Dir("pxdrave"));
    fs::create_directories(fs::path(UserSettingsPath()).parent_path());
    fs::copy_file(WindowsSettingsPath(), UserSettingsPath());
    const std::string dance = ReadFileBytes(Dir("pxddance"));
    ASSERT_TRUE(Start());
    HWND box = NextMessage();
    EXPECT_EQ(MessageText(box), MissingText(Dir("pxdrave")));
    EXPECT_TRUE(WindowsOf(Pid(), IsProgramWindow).empty());
    ASSERT_TRUE(Press(box, IDOK));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(fs::exists(WindowsSettingsPath()) || fs::exists(UserSettingsPath()));
    EXPECT_EQ(Entries(Dir()) + ReadFileBytes(Dir("pxddance")),
              "pxddance pxddance.bak pxdhiphp pxdhiphp.bak pxdrave.bak" + dance);

    /* Once more with a Windows directory's copy that cannot be deleted (as
       an installer may leave it): the next start is a first start all the
       same, not the same message for ever. */
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsText({Dir(), ""})));
    {
        FileHold undeletable = Hold(WindowsSettingsPath(), FILE_SHARE_READ);
        ASSERT_TRUE(undeletable && Start());
        ASSERT_TRUE(Press(NextMessage(), IDOK));
        EXPECT_EQ(program_.ExitCode(), 0u);
    }
    ASSERT_TRUE(Start());
    PostMessageW(firstRunDialogAfter(kWelcome), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program_.ExitCode(), 0u);

    /* A folder too long for the lists: the message naming it stays on the
       screen however long the path. */
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsText({"C:\\" + std::string(245, 'x'), ""})));
    fs::remove(UserSettingsPath());
    ASSERT_TRUE(Start());
    box = NextMessage();
    RECT boxRect = {};
    GetWindowRect(box, &boxRect);
    EXPECT_LE(boxRect.right - boxRect.left, GetSystemMetrics(SM_CXSCREEN)) << MessageText(box);
    EXPECT_NE(MessageText(box).find("est trop long"), std::string::npos) << MessageText(box);
    ASSERT_TRUE(Press(box, IDOK));
    EXPECT_EQ(program_.ExitCode(), 0u);
}

} // namespace
} // namespace e2e
