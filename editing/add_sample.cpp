/*
 * The Add form (dialog 507): the "&Ajouter" button of a pane first asks for
 * a PXD sample file, then opens this modeless form for the sample's two name
 * lines and its duration. Confirming appends one entry at the end of that
 * category's list of the style shown at that moment.
 *
 * The Add and Modify forms are destroyed when they close rather than only
 * hidden: a hidden form would linger under g_hDialog, and ForgetDialog in
 * WM_DESTROY keeps g_hDialog from naming a window that is gone.
 */
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/form_text.h"
#include "resources/resource.h"

namespace {

/* Target of an open Add form. */
struct AddFormContext {
    int category;         /* 1..9 */
    char samplePath[256]; /* as the chooser gave it */
};

/* Written only when a chooser succeeds, so another pane's "&Ajouter" whose
   chooser is cancelled leaves the open form's target alone. */
AddFormContext s_addForm;

/* Double NUL terminated: one description, one pattern. */
const char PXD_FILTER[] = "Sample PXD Ejay (*.pxd)\0*.pxd\0";

/* Each text is cut to its field's width less the terminator. */
void ReadAddFormTexts(HWND hDlg, FormTexts *texts)
{
    GetDlgItemTextA(hDlg, IDC_ADD_NAME1, texts->nameLine1, sizeof texts->nameLine1);
    GetDlgItemTextA(hDlg, IDC_ADD_NAME2, texts->nameLine2, sizeof texts->nameLine2);
    GetDlgItemTextA(hDlg, IDC_ADD_DURATION, texts->duration, sizeof texts->duration);
    std::snprintf(texts->path, sizeof texts->path, "%s", s_addForm.samplePath);
}

/* Appends to the list of the style shown now. A list that became full
   while the form was open (the style was switched) takes nothing: the
   user is told, and the form stays open with its texts, so the entry can
   still go to another style once that one is shown, or be cancelled. */
void ConfirmAddition(HWND hDlg)
{
    FormTexts texts = {};
    ReadAddFormTexts(hDlg, &texts);
    CleanFormTexts(&texts);
    const int style = g_appState.settings.currentStyle;
    CategoryList *list = CategoryListOf(&g_appState, style, s_addForm.category);
    const int countBefore = list != nullptr ? list->count : 0;
    if (!AppendSample(list, AddedSampleFields(texts), s_addForm.category)) {
        ShowProgramMessage(CATEGORY_FULL_MESSAGE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    LogAppended(&g_undoLog, g_appState, style, s_addForm.category, countBefore);
    ShowCategoryLists(&g_appState, style, s_addForm.category);
    DestroyWindow(hDlg);
}

void OnAddFormCommand(HWND hDlg, int command)
{
    switch (command) {
    case IDC_ADD_OK: ConfirmAddition(hDlg); break;
    case IDC_ADD_CANCEL:
    case IDCANCEL: DestroyWindow(hDlg); break;
    default: break;
    }
}

void OnAddFormInit(HWND hDlg)
{
    CloseCurrentDialog();
    LimitField(hDlg, IDC_ADD_NAME1, NAME_LINE_LIMIT);
    LimitField(hDlg, IDC_ADD_NAME2, NAME_LINE_LIMIT);
    LimitField(hDlg, IDC_ADD_DURATION, DURATION_LIMIT);
    StartFormKeyboard(hDlg, IDC_ADD_NAME1, IDC_ADD_OK);
}

INT_PTR CALLBACK AddSampleDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: OnAddFormInit(hDlg); return FALSE;
    case WM_COMMAND: OnAddFormCommand(hDlg, LOWORD(wParam)); return FALSE;
    case WM_CLOSE: DestroyWindow(hDlg); return FALSE;
    case WM_DESTROY: ForgetDialog(hDlg); return FALSE;
    default: return FALSE;
    }
}

} // namespace

BOOL ChooseSampleFile(HWND owner, const char *title, const char *folder, char *path, DWORD capacity)
{
    OPENFILENAMEA chooser;
    ZeroMemory(&chooser, sizeof chooser);
    path[0] = '\0';
    chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = PXD_FILTER;
    chooser.lpstrFile = path;
    chooser.nMaxFile = capacity;
    chooser.lpstrInitialDir = folder != nullptr && folder[0] != '\0' ? folder : nullptr;
    chooser.lpstrTitle = title;
    chooser.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    chooser.lpstrDefExt = "pxd";
    return GetOpenFileNameA(&chooser) == TRUE;
}

void AddSample(void)
{
    char chosenPath[sizeof s_addForm.samplePath];
    if (!ChooseSampleFile(g_hMainWnd, "Ajouter un Sample PXD Ejay", nullptr, chosenPath, sizeof chosenPath))
        return;
    s_addForm.category = g_selectedCategory;
    std::snprintf(s_addForm.samplePath, sizeof s_addForm.samplePath, "%s", chosenPath);
    g_hDialog = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_ADDSAMPLE), g_hMainWnd, AddSampleDialogProc, 0);
}
