/*
 * The main window as the user sees it: records the tables cannot hold told
 * once before it shows, where the nine panes stand and what they say, the
 * rows of each style after a switch by menu or by keyboard, the buttons
 * following the entry counts, the about box, and the lists written back on
 * closing.
 */
#include <algorithm>
#include <regex>

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

using Counts = std::array<int, kPaneCount>;
using Rows = std::array<std::vector<std::string>, kPaneCount>;

/* Samples of a style: count[k] entries of category k, told apart by tag. */
std::vector<Sample> StyleSamples(const std::string &tag, const Counts &count)
{
    std::vector<Sample> samples;
    for (std::size_t k = 0; k < kPaneCount; ++k)
        for (const Sample &sample : MakeSamples(kKeywords[k], count[k], tag))
            samples.push_back(sample);
    return samples;
}

/* What the panes show: a table keeps the first 500 entries of a category. */
Rows ExpectedRows(const std::vector<Sample> &samples)
{
    Rows rows;
    for (std::size_t k = 0; k < kPaneCount; ++k) {
        rows[k] = RowsOf(samples, kKeywords[k]);
        rows[k].resize(std::min<std::size_t>(rows[k].size(), 500));
    }
    return rows;
}

/* Ajouter enabled below 500 rows; Modifier, Supprimer and the list with
   at least one. */
std::string StateMismatches(const MainWindowView &view, const Rows &rows)
{
    std::string mismatches;
    for (std::size_t k = 0; k < kPaneCount; ++k) {
        const Pane &pane = view.panes[k];
        const std::size_t count = rows[k].size();
        auto note = [&](const char *what, HWND window, bool expected) {
            if (IsEnabled(window) != expected)
                mismatches += "pane " + std::to_string(k) + " (" + std::to_string(count) +
                              " entries): " + what + (expected ? " disabled; " : " enabled; ");
        };
        note("Ajouter", pane.add, count < 500);
        note("Modifier", pane.modify, count > 0);
        note("Supprimer", pane.remove, count > 0);
        note("list", pane.list, count > 0);
    }
    return mismatches;
}

void ExpectPanesAsLaidOut(const MainWindowView &view)
{
    EXPECT_EQ(TextOf(view.window), kCaption);
    EXPECT_EQ(DescribeRect(ScreenRect(view.window)), "0,15 460x735");
    LONG style = GetWindowLongW(view.window, GWL_STYLE);
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
        EXPECT_FALSE(GetWindowLongW(pane.list, GWL_STYLE) & LBS_SORT) << "rows must keep the order of the slots";
        EXPECT_TRUE(GetWindowLongW(pane.list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

        HWND buttons[3] = {pane.add, pane.modify, pane.remove};
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(kButtonTexts[j]);
            EXPECT_EQ(TextOf(buttons[j]), kButtonTexts[j]);
            EXPECT_EQ(GetDlgCtrlID(buttons[j]), IDC_PANE_FIRST + 3 * k + j);
            EXPECT_EQ(DescribeRect(RectIn(buttons[j], view.window)),
                      Rect(365, layout.listY + 20 * j, 80, 18));
        }
    }
    /* Only a list with more rows than it shows keeps its scroll bar. */
    EXPECT_TRUE(GetWindowLongW(view.panes[0].list, GWL_STYLE) & WS_VSCROLL);
}

void ExpectAboutBox(DWORD pid, HWND mainWindow)
{
    PostCommand(mainWindow, IDM_ABOUT);
    MessageBoxSeen about;
    ASSERT_TRUE(WaitForMessageBox(pid, &about)) << "no about box";
    EXPECT_EQ(about.caption, kCaption);
    /* The credit line (ours) between exactly 8 and 23 blanks, the fixed
       second line, a blank one, and a contact line with an address. */
    const std::regex lines(" {8}[^ ].*2003.*[^ ] {23}\n"
                           " Organiseur de samples pour Ejay Sp\xE9" "ciale Edition 1\\.02\\. \n"
                           "\n"
                           " {18}E-mail:  [^ ]+@.*");
    EXPECT_TRUE(std::regex_match(about.text, lines)) << Visible(about.text);
    ASSERT_TRUE(AnswerMessageBox(about, IDOK));
    EXPECT_TRUE(Sync(mainWindow));
}

struct SwitchStep {
    const char *name;
    int command;            /* posted menu command, or 0 */
    char ctrlKey;           /* typed accelerator, or 0 */
    int style;              /* 0 Dance, 1 Rave, 2 Hiphop */
    const char *screenshot; /* or null */
};

using MainWindow = PelmoraScenario;

TEST_F(MainWindow, PanesStylesButtonStatesAboutBoxAndListsWrittenBack)
{
    /* Dance's 501st drum and Rave's unfinished last record cannot be held
       by the tables; Dance comes with LF line ends, to be rewritten. */
    const std::vector<Sample> styles[3] = {
        StyleSamples("dance", {8, 2, 1, 499, 0, 501, 0, 0, 2}),
        StyleSamples("rave", {1, 500, 0, 4, 1, 0, 0, 2, 0}),
        StyleSamples("hiphop", {0, 0, 0, 0, 0, 3, 1, 0, 4}),
    };
    const std::string raveFile = ListFileText(styles[1]) +
                                 "\"8\"\r\n\"C:\\Ejay\\Rave\\half.pxd\"\r\n\"h\"\r\n";
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxddance"), ListFileText(styles[0], "\n")));
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdrave"), raveFile));
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdhiphp"), ListFileText(styles[2])));
    Settings settings;
    settings.position = "-20,15"; /* a negative left comes back as 0 */
    WriteSettings(settings);
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
    EXPECT_FALSE(FindMessageBox(Pid(), &box)) << "told twice: " << Visible(box.text);
    ExpectPanesAsLaidOut(view);
    EXPECT_TRUE(SaveScreenshot("main-window-layout"));

    const SwitchStep steps[] = {
        {"start", 0, 0, 0, nullptr},
        {"menu Rave", IDM_RAVE, 0, 1, "main-window-rave"},
        {"menu Hiphop", IDM_HIPHOP, 0, 2, "main-window-hiphop"},
        {"menu Dance", IDM_DANCE, 0, 0, "main-window-dance"},
        {"Ctrl+R", 0, 'R', 1, nullptr},
        {"Ctrl+H", 0, 'H', 2, nullptr},
        {"Ctrl+D", 0, 'D', 0, nullptr},
    };
    for (const SwitchStep &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.command != 0)
            PostCommand(view.window, step.command);
        if (step.ctrlKey != 0) {
            ASSERT_TRUE(TypeCtrl(view.window, step.ctrlKey)) << "the keys could not be typed";
        }
        Rows expected = ExpectedRows(styles[step.style]);
        WaitUntil([&] { return AllRows(view) == expected; }, 5000);
        Rows seen = AllRows(view);
        for (std::size_t k = 0; k < kPaneCount; ++k) {
            EXPECT_EQ(seen[k], expected[k]) << "rows of pane " << k;
            EXPECT_EQ(ListSelection(view.panes[k].list), expected[k].empty() ? LB_ERR : 0)
                << "selection of pane " << k;
        }
        std::string mismatches;
        EXPECT_TRUE(WaitUntil([&] { return (mismatches = StateMismatches(view, expected)).empty(); }, 3000))
            << mismatches;
        if (step.screenshot != nullptr) {
            EXPECT_TRUE(SaveScreenshot(step.screenshot));
        }
    }
    ExpectAboutBox(Pid(), view.window);

    ASSERT_TRUE(TypeCtrl(view.window, 'Q'));
    ExpectExitWithCodeZero();
    /* The 501st drum after the 500 shown; the unfinished record stays at
       the end exactly as it was. */
    EXPECT_EQ(ReadFileBytes(EjayFile("pxddance")), ListFileText(styles[0]));
    EXPECT_EQ(ReadFileBytes(EjayFile("pxdrave")), raveFile);
}

} // namespace
} // namespace e2e
