/*
 * The main window as the user finds it: records the tables cannot hold
 * told once before it shows, where it stands, the rows of each style after
 * a switch by menu or by keyboard, the buttons following the entry counts,
 * the about box, and the lists written back on closing.
 */
#include <regex>

#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

using MainWindow = Journey;

TEST_F(MainWindow, StylesPanesButtonsAboutBoxAndListsWrittenBack)
{
    const char *keywords[] = {"loop", "bass", "synthy", "voice", "effect", "drum", "sequence", "special", "rap"};
    const char *tags[] = {"dance", "rave", "hiphop"};
    /* Every count the buttons tell apart: 0, 1, 499, 500, and 501, one more
       than a table holds. */
    const int counts[3][9] = {{8, 2, 1, 499, 0, 501, 0, 0, 2}, {1, 500, 0, 4, 1, 0, 0, 2, 0}, {0, 0, 0, 0, 0, 3, 1}};
    std::vector<Sample> panes[3][9];
    std::string lists[3];
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 9; ++k)
            lists[s] += ListText(panes[s][k] = Samples(tags[s], keywords[k], counts[s][k]), s == 0 ? "\n" : "\r\n");
    ASSERT_TRUE(WriteLists(lists[0], lists[1], lists[2]));
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsText({Dir(), "", "1", "0", "0", "-20,15"})));
    ASSERT_TRUE(Start());

    HWND box = NextMessage();
    EXPECT_NE(MessageText(box).find("\"" + Dir("pxddance") + "\" contient 1 "), std::string::npos) << MessageText(box);
    EXPECT_TRUE(WindowsOf(Pid(), OfClass(kIntroClass)).empty()) << "the intro came before the message";
    ASSERT_TRUE(Press(box, IDOK));
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_TRUE(WindowsOf(Pid(), IsMessageBox).empty()) << "told twice";
    EXPECT_EQ(Rect(main_), "0,15 460x735") << "a left edge off the screen comes back";

    /* The start, the menu's styles, then the same by Ctrl+R, H and D:
       {command, or key typed with Ctrl; the style then shown}. */
    const int steps[][2] = {{0, 0}, {IDM_RAVE, 1}, {IDM_HIPHOP, 2}, {IDM_DANCE, 0}, {'R', 1}, {'H', 2}, {'D', 0}};
    for (const auto &step : steps) {
        SCOPED_TRACE("after command or key " + std::to_string(step[0]));
        ASSERT_TRUE(step[0] == 0 || (step[0] > 'Z' ? PostMessageW(main_, WM_COMMAND, step[0], 0) != FALSE
                                                   : TypeKeys(main_, {VK_CONTROL, WORD(step[0])})));
        for (int pane = 0; pane < 9; ++pane) {
            const std::vector<Sample> &all = panes[step[1]][pane];
            const std::vector<Sample> held(all.begin(), all.begin() + std::min<std::size_t>(all.size(), 500));
            EXPECT_TRUE(Shows(pane, held));
            EXPECT_EQ(Ask(List(pane), LB_GETCURSEL), held.empty() ? LB_ERR : 0) << "selection of pane " << pane;
            /* Ajouter while there is room; the rest while there are entries. */
            EXPECT_TRUE(PaneEnabled(pane, std::string(held.size() < 500 ? "1" : "0") + (held.empty() ? "000" : "111")));
        }
    }

    PostMessageW(main_, WM_COMMAND, IDM_ABOUT, 0);
    /* The credit line between exactly 8 and 23 blanks, the fixed second
       line, a blank one, and a contact line with an address. */
    const std::regex about(" {8}[^ ].*2003.*[^ ] {23}\n Organiseur de samples pour Ejay Sp\xE9"
                           "ciale Edition 1\\.02\\. \n\n {18}E-mail:  [^ ]+@.*");
    const std::string told = Answer(IDOK);
    EXPECT_TRUE(std::regex_match(told, about)) << told;

    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    /* Rewritten in CR LF, but for the 501st drum, kept as it stood. */
    std::string dance;
    for (const std::vector<Sample> &pane : panes[0])
        for (const Sample &sample : pane)
            dance += ListText({sample}, sample.number == "501" ? "\n" : "\r\n");
    EXPECT_EQ(ReadFileBytes(Dir("pxddance")), dance);
}

} // namespace
} // namespace e2e
