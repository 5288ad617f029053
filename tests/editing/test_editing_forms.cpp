// The Add and Modify forms and the deletion, run in-process against the
// real dialog templates, with the main window's part played by this file:
// it records the panes refilled and the message boxes asked, and answers
// the questions and the file chooser as a user would. What a user sees
// of the same forms is checked end to end in tests/e2e/e2e_editing.cpp.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "editing/editing.h"
#include "editing/form_text.h"
#include "resources/resource.h"

// ---- The shell's side, as the editing code sees it ----------------------

HINSTANCE g_hInstance;
HWND g_hMainWnd;
char g_textBuffer[TEXT_BUFFER_SIZE];
HWND g_hDialog;
int g_selectedCategory;
int g_selectedIndex;
AppState g_appState;

namespace {

struct Refill {
    int style;
    int category;
};
struct Question {
    std::string text;
    UINT style;
};

std::vector<Refill> g_refills;
std::vector<Question> g_questions;
int g_answer = IDNO;

}  // namespace

void CloseCurrentDialog(void)
{
    if (g_hDialog)
        DestroyWindow(g_hDialog);
}

void ForgetDialog(HWND dialog)
{
    if (g_hDialog == dialog)
        g_hDialog = NULL;
}

int ShowProgramMessage(const char *text, UINT style)
{
    g_questions.push_back({text, style});
    return g_answer;
}

int ShowCategoryLists(const AppState *, int style, int category)
{
    g_refills.push_back({style, category});
    return 1;
}

namespace {

const int BASS = 2;
const int DRUM = 6;
const char ADD_TITLE[] = "Ajouter un Sample PXD Ejay";

// ---- The file chooser, answered from a timer of its own modal loop --------

struct ChooserAnswer {
    std::string typedName;  // empty: the user cancels
    bool seen;
    std::string filterShown;
};
ChooserAnswer g_chooser;

void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND chooser = FindWindowA("#32770", ADD_TITLE);
    if (!chooser || !IsWindowVisible(chooser))
        return;
    KillTimer(NULL, timer);
    g_chooser.seen = true;
    char filter[128] = "";
    GetDlgItemTextA(chooser, cmb1, filter, sizeof filter);
    g_chooser.filterShown = filter;
    if (g_chooser.typedName.empty()) {
        PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const int nameBox = GetDlgItem(chooser, cmb13) ? cmb13 : edt1;
    SetDlgItemTextA(chooser, nameBox, g_chooser.typedName.c_str());
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
}

// Presses "&Ajouter" of a pane; the chooser gets typedName, or is
// cancelled when it is empty.
void PressAdd(int category, const std::string &typedName)
{
    g_chooser = {typedName, false, ""};
    SetTimer(NULL, 0, 50, AnswerChooser);
    g_selectedCategory = category;
    AddSample();
    EXPECT_TRUE(g_chooser.seen) << "the chooser never showed";
}

void PressModify(int category, int row)
{
    g_selectedCategory = category;
    g_selectedIndex = row;
    ModifySample(g_hMainWnd);
}

void PressDelete(int category, int row, int answer)
{
    g_selectedIndex = row;
    g_answer = answer;
    DeleteSample(&g_appState, category);
}

void Click(HWND form, int button)
{
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(form, button)));
}

std::string BoxText(HWND form, int box)
{
    char text[512] = "";
    GetDlgItemTextA(form, box, text, sizeof text);
    return text;
}

CategoryList &List(int style, int category)
{
    return *CategoryListOf(&g_appState, style, category);
}

void Put(int style, int category, const char *number, const char *name1, const char *name2)
{
    SampleFields fields = {};
    fields.number = number;
    fields.path = "C:\\Ejay\\PXD\\sample.pxd";
    fields.extraText = "extra";
    fields.keyword = CATEGORY_KEYWORDS[category - 1];
    fields.duration = "4";
    fields.nameLine1 = name1;
    fields.nameLine2 = name2;
    ASSERT_EQ(AppendSample(&List(style, category), fields, category), 1);
}

void PutNumbered(int style, int category, int howMany)
{
    for (int i = 0; i < howMany; ++i) {
        const std::string number = std::to_string(i + 1);
        Put(style, category, number.c_str(), ("Name " + number).c_str(), "Line 2");
    }
}

std::unique_ptr<CategoryList> Snapshot(int style, int category)
{
    auto copy = std::make_unique<CategoryList>();
    std::memcpy(copy.get(), &List(style, category), sizeof(CategoryList));
    return copy;
}

bool Unchanged(const CategoryList &before, int style, int category)
{
    return std::memcmp(&before, &List(style, category), sizeof(CategoryList)) == 0;
}

bool SlotIsFree(int style, int category, int slot)
{
    static const SampleRecord zero = {};
    return std::memcmp(&List(style, category).slots[slot], &zero, sizeof zero) == 0;
}

std::string TempFolder()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "pelmora-editing-test";
    CreateDirectoryA(path.c_str(), NULL);
    return path;
}

class EditingForms : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        g_hInstance = GetModuleHandleA(NULL);
        g_hMainWnd = CreateWindowA("STATIC", "Pelmora", WS_OVERLAPPEDWINDOW, 0, 0, 460, 735,
                                   NULL, NULL, g_hInstance, NULL);
    }
    static void TearDownTestSuite() { DestroyWindow(g_hMainWnd); }

    void SetUp() override
    {
        std::memset(&g_appState, 0, sizeof g_appState);
        g_appState.settings.currentStyle = STYLE_DANCE;
        g_refills.clear();
        g_questions.clear();
        g_answer = IDNO;
    }
    void TearDown() override
    {
        if (g_hDialog)
            DestroyWindow(g_hDialog);
        EXPECT_EQ(g_hDialog, (HWND)NULL);
    }
};

// ---- Deleting ----------------------------------------------------------------

TEST_F(EditingForms, DeletingMovesTheFollowingEntriesUp)
{
    struct Row {
        int row;
        const char *left[2];  // numbers of the two entries that stay, in order
    } rows[] = {
        /* 1 */ {0, {"2", "3"}},
        /* 2 */ {1, {"1", "3"}},
        /* 3 */ {2, {"1", "2"}},
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        SetUp();
        PutNumbered(STYLE_DANCE, BASS, 3);
        PressDelete(BASS, row.row, IDYES);
        const CategoryList &list = List(STYLE_DANCE, BASS);
        ASSERT_EQ(list.count, 2) << "row " << number;
        for (int slot = 0; slot < 2; ++slot) {
            const SampleRecord &entry = list.slots[slot];
            EXPECT_STREQ(entry.number, row.left[slot]) << "row " << number;
            EXPECT_EQ(std::string("Name ") + row.left[slot], entry.nameLine1) << "row " << number;
            EXPECT_STREQ(entry.extraText, "extra") << "row " << number;
            EXPECT_STREQ(entry.keyword, "bass") << "row " << number;
            EXPECT_EQ(entry.categoryNumber, 2u) << "row " << number;
        }
        EXPECT_TRUE(SlotIsFree(STYLE_DANCE, BASS, 2)) << "row " << number;
        ASSERT_EQ(g_refills.size(), 1u) << "row " << number;
        EXPECT_EQ(g_refills[0].style, STYLE_DANCE) << "row " << number;
        EXPECT_EQ(g_refills[0].category, BASS) << "row " << number;
    }
}

TEST_F(EditingForms, AnsweringNoChangesNothingButRefillsThePane)
{
    PutNumbered(STYLE_DANCE, BASS, 5);
    const auto before = Snapshot(STYLE_DANCE, BASS);
    PressDelete(BASS, 3, IDNO);
    EXPECT_TRUE(Unchanged(*before, STYLE_DANCE, BASS));
    ASSERT_EQ(g_refills.size(), 1u);
    EXPECT_EQ(g_refills[0].category, BASS);
}

TEST_F(EditingForms, WithoutASelectedEntryNothingIsAskedOrChanged)
{
    PutNumbered(STYLE_DANCE, BASS, 2);
    const auto before = Snapshot(STYLE_DANCE, BASS);
    const int rows[] = {LB_ERR, 2, 499, 500, -7};
    for (int row : rows) {
        PressDelete(BASS, row, IDYES);
        PressModify(BASS, row);
        EXPECT_EQ(g_hDialog, (HWND)NULL) << "row " << row;
        EXPECT_EQ(FindWindowA("#32770", "Modifier un Sample Ejay"), (HWND)NULL) << "row " << row;
    }
    EXPECT_TRUE(g_questions.empty());
    EXPECT_TRUE(g_refills.empty());
    EXPECT_TRUE(Unchanged(*before, STYLE_DANCE, BASS));
}

TEST_F(EditingForms, DeletionActsOnTheStyleShownOnly)
{
    PutNumbered(STYLE_DANCE, BASS, 2);
    PutNumbered(STYLE_RAVE, BASS, 2);
    const auto dance = Snapshot(STYLE_DANCE, BASS);
    g_appState.settings.currentStyle = STYLE_RAVE;
    PressDelete(BASS, 0, IDYES);
    EXPECT_EQ(List(STYLE_RAVE, BASS).count, 1);
    EXPECT_TRUE(Unchanged(*dance, STYLE_DANCE, BASS));
    ASSERT_EQ(g_refills.size(), 1u);
    EXPECT_EQ(g_refills[0].style, STYLE_RAVE);
}

// ---- Modifying ---------------------------------------------------------------

TEST_F(EditingForms, ModifyFormShowsTheSelectedEntry)
{
    PutNumbered(STYLE_DANCE, DRUM, 4);
    std::strcpy(List(STYLE_DANCE, DRUM).slots[2].duration, "12");
    std::strcpy(List(STYLE_DANCE, DRUM).slots[2].path, "D:\\drums\\snare.pxd");
    PressModify(DRUM, 2);
    HWND form = g_hDialog;
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(BoxText(form, IDC_MODIFY_NAME1), "Name 3");
    EXPECT_EQ(BoxText(form, IDC_MODIFY_NAME2), "Line 2");
    EXPECT_EQ(BoxText(form, IDC_MODIFY_DURATION), "12");
    EXPECT_EQ(BoxText(form, IDC_MODIFY_PATH), "D:\\drums\\snare.pxd");
}

TEST_F(EditingForms, ConfirmedModifyWritesTheFourTextsInPlace)
{
    PutNumbered(STYLE_DANCE, DRUM, 3);
    PressModify(DRUM, 1);
    HWND form = g_hDialog;
    SetDlgItemTextA(form, IDC_MODIFY_NAME1, "New \"loud\" kick");
    SetDlgItemTextA(form, IDC_MODIFY_NAME2, "");
    SetDlgItemTextA(form, IDC_MODIFY_DURATION, "7");
    SetDlgItemTextA(form, IDC_MODIFY_PATH, "E:\\new");
    Click(form, IDC_MODIFY_OK);
    EXPECT_FALSE(IsWindow(form));
    const CategoryList &list = List(STYLE_DANCE, DRUM);
    ASSERT_EQ(list.count, 3);
    const SampleRecord &entry = list.slots[1];
    EXPECT_STREQ(entry.nameLine1, "New loud kick");
    EXPECT_STREQ(entry.nameLine2, "");
    EXPECT_STREQ(entry.duration, "7");
    EXPECT_STREQ(entry.path, "E:\\new");
    EXPECT_STREQ(entry.number, "2");
    EXPECT_STREQ(entry.extraText, "extra");
    EXPECT_STREQ(entry.keyword, "drum");
    EXPECT_STREQ(list.slots[0].nameLine1, "Name 1");
    EXPECT_STREQ(list.slots[2].nameLine1, "Name 3");
    ASSERT_EQ(g_refills.size(), 1u);
    EXPECT_EQ(g_refills[0].category, DRUM);
}

TEST_F(EditingForms, ModifiedTextsAreCutToTheirFields)
{
    PutNumbered(STYLE_DANCE, DRUM, 1);
    PressModify(DRUM, 0);
    HWND form = g_hDialog;
    const std::string longName(80, 'n');
    const std::string longPath(300, 'p');
    SetDlgItemTextA(form, IDC_MODIFY_NAME1, longName.c_str());
    SetDlgItemTextA(form, IDC_MODIFY_NAME2, longName.c_str());
    SetDlgItemTextA(form, IDC_MODIFY_DURATION, "123456789012");
    SetDlgItemTextA(form, IDC_MODIFY_PATH, longPath.c_str());
    Click(form, IDC_MODIFY_OK);
    const SampleRecord &entry = List(STYLE_DANCE, DRUM).slots[0];
    EXPECT_EQ(std::string(entry.nameLine1), std::string(49, 'n'));
    EXPECT_EQ(std::string(entry.nameLine2), std::string(49, 'n'));
    EXPECT_STREQ(entry.duration, "123456789");
    EXPECT_EQ(std::string(entry.path), std::string(255, 'p'));
    EXPECT_STREQ(entry.number, "1");  // the next field, untouched
}

// The form edits a slot: once its list loses an entry the slot may hold
// another entry or none, so the form closes without writing.
TEST_F(EditingForms, DeletionInTheListOfAnOpenModifyFormClosesIt)
{
    struct Row {
        int style;
        int category;
        int row;
        int answer;
        bool formStays;
    } rows[] = {
        /* 1 */ {STYLE_DANCE, BASS, 0, IDYES, false},  // an earlier entry: it moves up
        /* 2 */ {STYLE_DANCE, BASS, 2, IDYES, false},  // the entry itself
        /* 3 */ {STYLE_DANCE, BASS, 0, IDNO, true},
        /* 4 */ {STYLE_DANCE, DRUM, 0, IDYES, true},   // another pane
        /* 5 */ {STYLE_RAVE, BASS, 0, IDYES, true},    // the same pane of another style
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        SetUp();
        PutNumbered(STYLE_DANCE, BASS, 3);
        PutNumbered(STYLE_DANCE, DRUM, 3);
        PutNumbered(STYLE_RAVE, BASS, 3);
        PressModify(BASS, 2);
        HWND form = g_hDialog;
        SetDlgItemTextA(form, IDC_MODIFY_NAME1, "typed");
        g_appState.settings.currentStyle = row.style;
        PressDelete(row.category, row.row, row.answer);
        EXPECT_EQ(IsWindow(form) != FALSE, row.formStays) << "row " << number;
        if (IsWindow(form))
            Click(form, IDC_MODIFY_OK);
        const CategoryList &bass = List(STYLE_DANCE, BASS);
        for (int slot = 0; slot < bass.count; ++slot)
            EXPECT_EQ(std::string(bass.slots[slot].nameLine1) == "typed",
                      row.formStays && slot == 2) << "row " << number << ", slot " << slot;
        EXPECT_TRUE(SlotIsFree(STYLE_DANCE, BASS, bass.count)) << "row " << number;
        TearDown();
    }
}

TEST_F(EditingForms, OpeningAModifyFormClosesTheOneBefore)
{
    PutNumbered(STYLE_DANCE, BASS, 3);
    PressModify(BASS, 0);
    HWND first = g_hDialog;
    PressModify(BASS, 2);
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(IsWindow(g_hDialog));
    EXPECT_EQ(BoxText(g_hDialog, IDC_MODIFY_NAME1), "Name 3");
}

// ---- Adding ------------------------------------------------------------------

TEST_F(EditingForms, AddingAppendsTheChosenFileWithTheTypedTexts)
{
    PutNumbered(STYLE_DANCE, BASS, 2);
    const std::string path = TempFolder() + "\\not-there-yet.pxd";
    PressAdd(BASS, path);
    EXPECT_EQ(g_chooser.filterShown, "Sample PXD Ejay (*.pxd)");
    HWND form = g_hDialog;
    ASSERT_TRUE(IsWindow(form));
    char caption[64] = "";
    GetWindowTextA(form, caption, sizeof caption);
    EXPECT_STREQ(caption, "Ajouter un Sample Ejay");
    EXPECT_EQ(BoxText(form, IDC_ADD_NAME1), "");
    SetDlgItemTextA(form, IDC_ADD_NAME1, "Big \"fat\"");
    SetDlgItemTextA(form, IDC_ADD_NAME2, "bass");
    SetDlgItemTextA(form, IDC_ADD_DURATION, "8");
    Click(form, IDC_ADD_OK);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(g_hDialog, (HWND)NULL);
    const CategoryList &list = List(STYLE_DANCE, BASS);
    ASSERT_EQ(list.count, 3);
    const SampleRecord &entry = list.slots[2];
    EXPECT_EQ(entry.used, 1u);
    EXPECT_EQ(entry.categoryNumber, 2u);
    EXPECT_STREQ(entry.nameLine1, "Big fat");
    EXPECT_STREQ(entry.nameLine2, "bass");
    EXPECT_STREQ(entry.duration, "8");
    EXPECT_STRCASEEQ(entry.path, path.c_str());
    EXPECT_STREQ(entry.number, "");
    EXPECT_STREQ(entry.extraText, "");
    EXPECT_STREQ(entry.keyword, "");
    ASSERT_EQ(g_refills.size(), 1u);
    EXPECT_EQ(g_refills[0].style, STYLE_DANCE);
    EXPECT_EQ(g_refills[0].category, BASS);
}

TEST_F(EditingForms, AddTextsAreCutToTheirFields)
{
    PressAdd(DRUM, TempFolder() + "\\long.pxd");
    HWND form = g_hDialog;
    ASSERT_TRUE(IsWindow(form));
    const std::string longName(70, 'x');
    SetDlgItemTextA(form, IDC_ADD_NAME1, longName.c_str());
    SetDlgItemTextA(form, IDC_ADD_NAME2, longName.c_str());
    SetDlgItemTextA(form, IDC_ADD_DURATION, "98765432101");
    Click(form, IDC_ADD_OK);
    const SampleRecord &entry = List(STYLE_DANCE, DRUM).slots[0];
    EXPECT_EQ(std::string(entry.nameLine1), std::string(49, 'x'));
    EXPECT_EQ(std::string(entry.nameLine2), std::string(49, 'x'));
    EXPECT_STREQ(entry.duration, "987654321");
}

TEST_F(EditingForms, CancelledChooserOrFormAddsNothing)
{
    PutNumbered(STYLE_DANCE, BASS, 1);
    const auto before = Snapshot(STYLE_DANCE, BASS);
    PressAdd(BASS, "");
    EXPECT_EQ(g_hDialog, (HWND)NULL);
    for (int way = 0; way < 2; ++way) {
        PressAdd(BASS, TempFolder() + "\\a.pxd");
        HWND form = g_hDialog;
        ASSERT_TRUE(IsWindow(form));
        if (way == 0)
            Click(form, IDC_ADD_CANCEL);
        else
            SendMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(form)) << way;
        EXPECT_EQ(g_hDialog, (HWND)NULL) << way;
    }
    EXPECT_TRUE(Unchanged(*before, STYLE_DANCE, BASS));
    EXPECT_TRUE(g_refills.empty());
}

// The style was switched, while the form was open, to one whose list is
// full: the user is told, and the form stays open so the entry can still
// go to another style.
TEST_F(EditingForms, AFullListIsToldAndTheFormStaysOpen)
{
    PutNumbered(STYLE_RAVE, BASS, MAX_SAMPLES_PER_CATEGORY);
    const auto rave = Snapshot(STYLE_RAVE, BASS);
    PressAdd(BASS, TempFolder() + "\\late.pxd");
    HWND form = g_hDialog;
    SetDlgItemTextA(form, IDC_ADD_NAME1, "Late");
    g_appState.settings.currentStyle = STYLE_RAVE;
    g_answer = IDOK;
    Click(form, IDC_ADD_OK);
    ASSERT_EQ(g_questions.size(), 1u);
    EXPECT_EQ(g_questions[0].text,
              "La cat\xE9gorie est pleine : le sample n'a pas \xE9t\xE9 ajout\xE9 !");
    EXPECT_EQ(g_questions[0].style, (UINT)(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(Unchanged(*rave, STYLE_RAVE, BASS));
    EXPECT_TRUE(g_refills.empty());
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(g_hDialog, form);

    g_appState.settings.currentStyle = STYLE_DANCE;
    Click(form, IDC_ADD_OK);
    EXPECT_FALSE(IsWindow(form));
    ASSERT_EQ(List(STYLE_DANCE, BASS).count, 1);
    EXPECT_STREQ(List(STYLE_DANCE, BASS).slots[0].nameLine1, "Late");
}

TEST_F(EditingForms, TheLastFreeSlotTakesAnAddition)
{
    PutNumbered(STYLE_DANCE, BASS, MAX_SAMPLES_PER_CATEGORY - 1);
    PressAdd(BASS, TempFolder() + "\\last.pxd");
    SetDlgItemTextA(g_hDialog, IDC_ADD_NAME1, "Last");
    Click(g_hDialog, IDC_ADD_OK);
    const CategoryList &list = List(STYLE_DANCE, BASS);
    EXPECT_EQ(list.count, MAX_SAMPLES_PER_CATEGORY);
    EXPECT_STREQ(list.slots[MAX_SAMPLES_PER_CATEGORY - 1].nameLine1, "Last");
    EXPECT_TRUE(g_questions.empty());
}

TEST_F(EditingForms, OneFormAtATime)
{
    PutNumbered(STYLE_DANCE, BASS, 1);
    PressAdd(BASS, TempFolder() + "\\one.pxd");
    HWND add = g_hDialog;
    PressModify(BASS, 0);
    EXPECT_FALSE(IsWindow(add));
    HWND modify = g_hDialog;
    ASSERT_TRUE(IsWindow(modify));
    SetDlgItemTextA(modify, IDC_MODIFY_NAME1, "not written");
    PressAdd(DRUM, TempFolder() + "\\two.pxd");
    EXPECT_FALSE(IsWindow(modify));
    EXPECT_TRUE(IsWindow(g_hDialog));
    EXPECT_EQ(List(STYLE_DANCE, BASS).count, 1);
    EXPECT_STREQ(List(STYLE_DANCE, BASS).slots[0].nameLine1, "Name 1");
}

}  // namespace
