/*
 * The main window as the user sees it: where the nine panes stand and what
 * they say, the rows of each style after a switch by menu or by keyboard,
 * the buttons following the entry counts, and the System dialog opened
 * from it one at a time.
 */
#include <sstream>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

/* ---- Layout ------------------------------------------------------------- */

struct PaneLayout {
    const char *label;
    int labelY;
    int labelWidth;
    int listY;
    int listHeight;
};

/* Client pixels of the main window, from the program's layout table. */
const PaneLayout kLayout[kPaneCount] = {
    {"Samples EJAY \"Loop\":", 10, 110, 25, 75},
    {"Samples EJAY \"Bass\":", 85, 110, 100, 75},
    {"Samples EJAY \"Synthy\":", 160, 120, 175, 70},
    {"Samples EJAY \"Voice\":", 235, 115, 250, 75},
    {"Samples EJAY \"Effect\":", 310, 115, 325, 75},
    {"Samples EJAY \"Drum\":", 385, 110, 400, 75},
    {"Samples EJAY \"Sequence\":", 460, 135, 475, 75},
    {"Samples EJAY \"Special\":", 535, 122, 550, 75},
    {"Samples EJAY \"Rap\":", 610, 110, 625, 75},
};

const char *kButtonTexts[3] = {"&Ajouter", "&Modifier", "&Supprimer"};

std::string Rect(int x, int y, int width, int height)
{
    RECT rect = {x, y, x + width, y + height};
    return DescribeRect(rect);
}

using MainWindow = PelmoraScenario;

TEST_F(MainWindow, NinePanesStandWhereTheLayoutPutsThemWithTheirTextsAndIdentifiers)
{
    WriteLists(MakeSamples("loop", 8, "dance"), {}, {});
    Settings settings;
    settings.position = "-20,15"; /* a negative left comes back as 0 */
    WriteSettings(settings);
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    EXPECT_EQ(TextOf(view.window), kCaption);
    EXPECT_EQ(DescribeRect(ScreenRect(view.window)), "0,15 460x735");
    LONG style = StyleOf(view.window);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "the window has no maximize box";
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window has no sizing border";
    EXPECT_EQ(ChildWindows(view.window, "Button").size(), 27u);

    for (int k = 0; k < kPaneCount; ++k) {
        SCOPED_TRACE("pane " + std::to_string(k) + " " + kLayout[k].label);
        const Pane &pane = view.panes[static_cast<std::size_t>(k)];
        const PaneLayout &layout = kLayout[k];
        EXPECT_EQ(TextOf(pane.label), layout.label);
        EXPECT_EQ(DescribeRect(RectIn(pane.label, view.window)),
                  Rect(10, layout.labelY, layout.labelWidth, 13));
        EXPECT_EQ(GetDlgCtrlID(pane.label), 0);

        /* A list box keeps its height to whole rows of the font it has at
           the time, and cuts it again when the font or the scroll bar
           changes: it may come out up to two rows shorter than made, never
           taller. */
        RECT list = RectIn(pane.list, view.window);
        int rowHeight = ListItemHeight(pane.list);
        EXPECT_EQ(list.left, 10);
        EXPECT_EQ(list.top, layout.listY);
        EXPECT_EQ(list.right - list.left, 350);
        EXPECT_LE(list.bottom - list.top, layout.listHeight) << DescribeRect(list);
        ASSERT_GT(rowHeight, 0);
        EXPECT_GE(list.bottom - list.top, layout.listHeight - 2 * rowHeight) << DescribeRect(list);
        EXPECT_EQ(GetDlgCtrlID(pane.list), 0);
        /* Only a list with more rows than it shows keeps its scroll bar. */
        if (k == 0) {
            EXPECT_TRUE(StyleOf(pane.list) & WS_VSCROLL);
        }
        EXPECT_FALSE(StyleOf(pane.list) & LBS_SORT) << "rows must keep the order of the slots";
        EXPECT_TRUE(ExtendedStyleOf(pane.list) & WS_EX_CLIENTEDGE);

        HWND buttons[3] = {pane.add, pane.modify, pane.remove};
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(kButtonTexts[j]);
            EXPECT_EQ(TextOf(buttons[j]), kButtonTexts[j]);
            EXPECT_EQ(GetDlgCtrlID(buttons[j]), IDC_PANE_FIRST + 3 * k + j);
            EXPECT_EQ(DescribeRect(RectIn(buttons[j], view.window)),
                      Rect(365, layout.listY + 20 * j, 80, 18));
        }
    }
    /* Rows of pane 0 for the style shown first (Dance), the first selected. */
    EXPECT_EQ(ListRows(view.panes[0].list), RowsOf(MakeSamples("loop", 8, "dance"), "loop"));
    EXPECT_EQ(ListSelection(view.panes[0].list), 0);
    EXPECT_TRUE(SaveScreenshot("main-window-layout"));

    PostCommand(view.window, IDM_QUIT);
    ExpectExitWithCodeZero();
}

/* ---- Style switch ------------------------------------------------------- */

/* Samples of a style: count[k] entries of category k, told apart by tag. */
std::vector<Sample> StyleSamples(const std::string &tag, const std::array<int, kPaneCount> &count)
{
    std::vector<Sample> samples;
    for (std::size_t k = 0; k < kPaneCount; ++k)
        for (const Sample &sample : MakeSamples(kKeywords[k], count[k], tag))
            samples.push_back(sample);
    return samples;
}

using Rows = std::array<std::vector<std::string>, kPaneCount>;

Rows ExpectedRows(const std::vector<Sample> &samples)
{
    Rows rows;
    for (std::size_t k = 0; k < kPaneCount; ++k)
        rows[k] = RowsOf(samples, kKeywords[k]);
    return rows;
}

std::string FirstDifference(const Rows &seen, const Rows &expected)
{
    for (std::size_t k = 0; k < kPaneCount; ++k)
        if (seen[k] != expected[k]) {
            std::ostringstream out;
            out << "pane " << k << " (" << kKeywords[k] << ") shows " << seen[k].size()
                << " rows, expected " << expected[k].size();
            if (!seen[k].empty())
                out << "; first seen \"" << Visible(seen[k][0]) << "\"";
            if (!expected[k].empty())
                out << "; first expected \"" << Visible(expected[k][0]) << "\"";
            return out.str();
        }
    return "none";
}

struct SwitchStep {
    const char *name;
    int command;  /* posted menu command, or 0 */
    char ctrlKey; /* typed accelerator, or 0 */
    int style;    /* 0 Dance, 1 Rave, 2 Hiphop */
};

TEST_F(MainWindow, StyleSwitchByMenuAndByKeyboardShowsThatStylesRows)
{
    const std::vector<Sample> styles[3] = {
        StyleSamples("dance", {3, 2, 1, 0, 0, 1, 0, 0, 2}),
        StyleSamples("rave", {1, 0, 0, 4, 1, 0, 0, 2, 0}),
        StyleSamples("hiphop", {0, 0, 0, 0, 0, 3, 1, 0, 4}),
    };
    WriteLists(styles[0], styles[1], styles[2]);
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));
    Rows initial = AllRows(view);
    EXPECT_EQ(initial, ExpectedRows(styles[0])) << FirstDifference(initial, ExpectedRows(styles[0]));

    const SwitchStep steps[] = {
        {"menu Rave", IDM_RAVE, 0, 1},   {"menu Hiphop", IDM_HIPHOP, 0, 2},
        {"menu Dance", IDM_DANCE, 0, 0}, {"Ctrl+R", 0, 'R', 1},
        {"Ctrl+H", 0, 'H', 2},           {"Ctrl+D", 0, 'D', 0},
    };
    for (const SwitchStep &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.command != 0)
            PostCommand(view.window, step.command);
        else
            ASSERT_TRUE(TypeCtrl(view.window, step.ctrlKey)) << "the keys could not be typed";
        Rows expected = ExpectedRows(styles[step.style]);
        Rows seen;
        bool shown = WaitUntil([&] { return (seen = AllRows(view)) == expected; }, 5000);
        EXPECT_TRUE(shown) << FirstDifference(seen, expected);
        for (std::size_t k = 0; k < kPaneCount; ++k)
            EXPECT_EQ(ListSelection(view.panes[k].list), expected[k].empty() ? LB_ERR : 0)
                << "selection of pane " << k;
        if (step.command != 0 && step.style != 0) {
            EXPECT_TRUE(SaveScreenshot(step.style == 1 ? "main-window-rave" : "main-window-hiphop"));
        }
    }
    EXPECT_TRUE(SaveScreenshot("main-window-dance"));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
}

/* ---- Button states ------------------------------------------------------ */

std::string StateMismatches(const MainWindowView &view, const std::array<int, kPaneCount> &count)
{
    std::string mismatches;
    for (std::size_t k = 0; k < kPaneCount; ++k) {
        const Pane &pane = view.panes[k];
        bool add = count[k] < 500, others = count[k] > 0;
        auto note = [&](const char *what, HWND window, bool expected) {
            if (IsEnabled(window) != expected)
                mismatches += "pane " + std::to_string(k) + " (" + std::to_string(count[k]) +
                              " entries): " + what + (expected ? " disabled; " : " enabled; ");
        };
        note("Ajouter", pane.add, add);
        note("Modifier", pane.modify, others);
        note("Supprimer", pane.remove, others);
        note("list", pane.list, others);
    }
    return mismatches;
}

TEST_F(MainWindow, ButtonsAndListsFollowTheEntryCountsOfTheStyleShown)
{
    const std::array<int, kPaneCount> danceCount = {1, 0, 500, 499, 0, 0, 0, 0, 2};
    const std::array<int, kPaneCount> raveCount = {0, 500, 0, 0, 1, 0, 0, 0, 0};
    const std::array<int, kPaneCount> hiphopCount = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    WriteLists(StyleSamples("dance", danceCount), StyleSamples("rave", raveCount), {});
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    struct Shown {
        const char *name;
        int command;
        const std::array<int, kPaneCount> &count;
    } shownStyles[] = {{"Dance", 0, danceCount}, {"Rave", IDM_RAVE, raveCount},
                       {"Hiphop", IDM_HIPHOP, hiphopCount}, {"Dance again", IDM_DANCE, danceCount}};
    for (const Shown &shown : shownStyles) {
        SCOPED_TRACE(shown.name);
        if (shown.command != 0)
            PostCommand(view.window, shown.command);
        EXPECT_TRUE(WaitUntil([&] {
            for (std::size_t k = 0; k < kPaneCount; ++k)
                if (ListCount(view.panes[k].list) != shown.count[k])
                    return false;
            return true;
        })) << "the rows do not match the counts of the style";
        std::string mismatches;
        bool settled = WaitUntil([&] { return (mismatches = StateMismatches(view, shown.count)).empty(); },
                                 3000);
        EXPECT_TRUE(settled) << mismatches;
    }

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
}

/* ---- About box ----------------------------------------------------------- */

std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

bool StartsWith(const std::string &text, const std::string &start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(MainWindow, AboutBoxShowsTheFourLinesOfCredits)
{
    WriteLists({}, {}, {});
    WriteSettings(Settings{});
    ASSERT_TRUE(StartPelmora());
    MainWindowView view;
    ASSERT_TRUE(WaitForMainWindow(&view));

    PostCommand(view.window, IDM_ABOUT);
    MessageBoxSeen about;
    ASSERT_TRUE(ExpectMessageBox(&about));
    EXPECT_EQ(about.caption, kCaption);
    std::vector<std::string> lines = SplitLines(about.text);
    ASSERT_EQ(lines.size(), 4u) << Visible(about.text);
    const std::string blanks8(8, ' '), blanks18(18, ' '), blanks23(23, ' ');
    EXPECT_TRUE(StartsWith(lines[0], blanks8) && !StartsWith(lines[0], blanks8 + " "))
        << "credit line: " << Visible(lines[0]);
    EXPECT_TRUE(EndsWith(lines[0], blanks23) && !EndsWith(lines[0], " " + blanks23))
        << "credit line: " << Visible(lines[0]);
    EXPECT_NE(lines[0].find("2003"), std::string::npos) << Visible(lines[0]);
    EXPECT_EQ(lines[1], " Organiseur de samples pour Ejay Spéciale Edition 1.02. ");
    EXPECT_EQ(lines[2], "");
    EXPECT_TRUE(StartsWith(lines[3], blanks18 + "E-mail:  ") && lines[3].find('@') != std::string::npos)
        << "contact line: " << Visible(lines[3]);
    ASSERT_TRUE(AnswerMessageBox(about, IDOK));
    EXPECT_TRUE(Sync(view.window));

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
}

} // namespace
} // namespace e2e
