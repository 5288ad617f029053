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

/* Runs the file chooser in its own buffer of capacity characters. TRUE only
   when the user chose a file; a cancelled or failed chooser (a path longer
   than the buffer, for one) gives FALSE. */
BOOL ChooseSampleFile(char *path, DWORD capacity)
{
    OPENFILENAMEA chooser;
    ZeroMemory(&chooser, sizeof chooser);
    path[0] = '\0';
    chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    chooser.hwndOwner = g_hMainWnd;
    chooser.lpstrFilter = PXD_FILTER;
    chooser.lpstrFile = path;
    chooser.nMaxFile = capacity;
    chooser.lpstrTitle = "Ajouter un Sample PXD Ejay";
    chooser.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    chooser.lpstrDefExt = "pxd";
    return GetOpenFileNameA(&chooser) == TRUE;
}

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
    if (!AppendSample(list, AddedSampleFields(texts), s_addForm.category)) {
        ShowProgramMessage(CATEGORY_FULL_MESSAGE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowCategoryLists(&g_appState, style, s_addForm.category);
    DestroyWindow(hDlg);
}

void OnAddFormCommand(HWND hDlg, int command)
{
    switch (command) {
    case IDC_ADD_OK: ConfirmAddition(hDlg); break;
    case IDC_ADD_CANCEL: DestroyWindow(hDlg); break;
    default: break;
    }
}

INT_PTR CALLBACK AddSampleDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: CloseCurrentDialog(); return TRUE;
    case WM_COMMAND: OnAddFormCommand(hDlg, LOWORD(wParam)); return FALSE;
    case WM_CLOSE: DestroyWindow(hDlg); return FALSE;
    case WM_DESTROY: ForgetDialog(hDlg); return FALSE;
    default: return FALSE;
    }
}

} // namespace

void AddSample(void)
{
    char chosenPath[sizeof s_addForm.samplePath];
    if (!ChooseSampleFile(chosenPath, sizeof chosenPath))
        return;
    s_addForm.category = g_selectedCategory;
    std::snprintf(s_addForm.samplePath, sizeof s_addForm.samplePath, "%s", chosenPath);
    g_hDialog = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_ADDSAMPLE), g_hMainWnd, AddSampleDialogProc, 0);
}
