// The Modify form and the deletion, run in-process against the real dialog
// template, for what a user cannot reach from outside: rows beyond the
// entries, and the exact slots written when an open form's entry moves or
// vanishes. Everything a user sees of the forms is checked end to end in
// tests/e2e/e2e_editing.cpp.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "app/app.h"
#include "editing/editing.h"
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
int g_questions, g_refills, g_answer = IDNO;
} // namespace

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

int ShowProgramMessage(const char *, UINT, HWND)
{
    ++g_questions;
    return g_answer;
}

int ShowCategoryLists(const AppState *, int, int)
{
    ++g_refills;
    return 1;
}

void ShowStyle(int) {}
void ShowEntry(int, int, int) {}
void ForgetSampleFileChecks(void) {}

namespace {

const int BASS = 2;
const int DRUM = 6;

CategoryList &List(int style, int category) { return *CategoryListOf(&g_appState, style, category); }

// Three entries, named "Name 1", "Name 2", "Name 3".
void PutThree(int style, int category)
{
    for (const char *name : {"Name 1", "Name 2", "Name 3"})
        ASSERT_EQ(AppendSample(&List(style, category), {name, "C:\\s.pxd", "x", "bass", "4", name, "2"}, category), 1);
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

class EditingForms : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        g_hInstance = GetModuleHandleA(NULL);
        g_hMainWnd =
            CreateWindowA("STATIC", "Pelmora", WS_OVERLAPPEDWINDOW, 0, 0, 460, 735, NULL, NULL, g_hInstance, NULL);
    }
    static void TearDownTestSuite() { DestroyWindow(g_hMainWnd); }

    void SetUp() override
    {
        CloseCurrentDialog();
        std::memset(&g_appState, 0, sizeof g_appState);
        g_appState.settings.currentStyle = STYLE_DANCE;
        g_questions = g_refills = 0;
        PutThree(STYLE_DANCE, BASS);
        PutThree(STYLE_DANCE, DRUM);
        PutThree(STYLE_RAVE, BASS);
    }
    void TearDown() override { CloseCurrentDialog(); }
};

// Rows no entry stands at (none selected, free slots, beyond the table):
// nothing is asked, opened, refilled or changed.
TEST_F(EditingForms, RowsWithoutAnEntryAskAndChangeNothing)
{
    static CategoryList before;
    before = List(STYLE_DANCE, BASS);
    for (int row : {LB_ERR, 3, 499, 500, -7}) {
        PressDelete(BASS, row, IDYES);
        PressModify(BASS, row);
        EXPECT_EQ(g_hDialog, (HWND)NULL) << "row " << row;
    }
    EXPECT_EQ(g_questions, 0);
    EXPECT_EQ(g_refills, 0);
    EXPECT_EQ(std::memcmp(&before, &List(STYLE_DANCE, BASS), sizeof before), 0);
}

// The form edits a slot: once its list loses an entry the slot may hold
// another entry or none, so the form closes without writing.
TEST_F(EditingForms, OpenModifyFormNeverWritesAnotherEntryNorAFreeSlot)
{
    struct Row {
        int style, category, row, answer;
        bool formStays;
    } rows[] = {
        /* 1 */ {STYLE_DANCE, BASS, 0, IDYES, false}, // an earlier entry: it moves up
        /* 2 */ {STYLE_DANCE, BASS, 2, IDYES, false}, // the entry itself
        /* 3 */ {STYLE_DANCE, BASS, 0, IDNO, true},
        /* 4 */ {STYLE_DANCE, DRUM, 0, IDYES, true}, // another pane
        /* 5 */ {STYLE_RAVE, BASS, 0, IDYES, true}   // the same pane of another style
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        SetUp();
        PressModify(BASS, 2);
        HWND form = g_hDialog;
        ASSERT_TRUE(IsWindow(form)) << "row " << number;
        SetDlgItemTextA(form, IDC_MODIFY_NAME1, "typed");
        g_appState.settings.currentStyle = row.style;
        PressDelete(row.category, row.row, row.answer);
        EXPECT_EQ(IsWindow(form) != FALSE, row.formStays) << "row " << number;
        if (IsWindow(form))
            SendMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_MODIFY_OK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(form, IDC_MODIFY_OK)));
        const CategoryList &bass = List(STYLE_DANCE, BASS);
        for (int slot = 0; slot < bass.count; ++slot)
            EXPECT_EQ(std::string(bass.slots[slot].nameLine1) == "typed", row.formStays && slot == 2)
                << "row " << number << ", slot " << slot;
        static const SampleRecord freeSlot = {};
        EXPECT_EQ(std::memcmp(&bass.slots[bass.count], &freeSlot, sizeof freeSlot), 0) << "row " << number;
    }
}

} // namespace
