/*
 * The Modify form (dialog 515): the "&Modifier" button of a pane opens this
 * modeless form on the selected entry; confirming writes its two name lines,
 * its duration and its path back into the same slot. Its "..." chooses the
 * sample file again, from the folder the old one was in.
 *
 * The form edits a slot, and a deletion in the same list moves the entries
 * behind it. Rather than follow its entry, the form closes without writing
 * whenever its list loses an entry: it can then never overwrite a
 * different entry nor write into a free slot.
 */
#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/editing_texts.h"
#include "editing/form_text.h"
#include "editing/modify_sample.h"
#include "resources/resource.h"

namespace {

/* The entry an open Modify form edits, fixed when it opens: commands given
   in the main window afterwards (style switch, other panes) do not move it. */
struct ModifyFormContext {
    int style;    /* 11..13 */
    int category; /* 1..9 */
    int index;    /* slot, 0..499 */
};

ModifyFormContext s_modifyForm;
/* The Modify form that exists, or null. */
HWND s_hModifyForm;

CategoryList *ModifiedList(void) { return CategoryListOf(&g_appState, s_modifyForm.style, s_modifyForm.category); }

void FillModifyForm(HWND hDlg, const SampleRecord &entry)
{
    SetDlgItemTextA(hDlg, IDC_MODIFY_DURATION, entry.duration);
    SetDlgItemTextA(hDlg, IDC_MODIFY_NAME1, entry.nameLine1);
    SetDlgItemTextA(hDlg, IDC_MODIFY_NAME2, entry.nameLine2);
    SetDlgItemTextA(hDlg, IDC_MODIFY_PATH, entry.path);
}

void OnModifyFormInit(HWND hDlg)
{
    CloseCurrentDialog();
    s_modifyForm.style = g_appState.settings.currentStyle;
    s_modifyForm.category = g_selectedCategory;
    s_modifyForm.index = g_selectedIndex;
    s_hModifyForm = hDlg;
    LimitField(hDlg, IDC_MODIFY_NAME1, NAME_LINE_LIMIT);
    LimitField(hDlg, IDC_MODIFY_NAME2, NAME_LINE_LIMIT);
    LimitField(hDlg, IDC_MODIFY_DURATION, DURATION_LIMIT);
    LimitField(hDlg, IDC_MODIFY_PATH, PATH_LIMIT);
    const CategoryList *list = ModifiedList();
    if (IsEditableSlot(list, s_modifyForm.index))
        FillModifyForm(hDlg, list->slots[s_modifyForm.index]);
    StartFormKeyboard(hDlg, IDC_MODIFY_NAME1, IDC_MODIFY_OK);
}

/* The folder of the path shown, while it is there; else Ejay's. */
void FolderToChooseFrom(HWND hDlg, char *folder, std::size_t capacity)
{
    GetDlgItemTextA(hDlg, IDC_MODIFY_PATH, folder, static_cast<int>(capacity));
    char *lastSeparator = std::strrchr(folder, '\\');
    if (lastSeparator != nullptr)
        *lastSeparator = '\0';
    if (lastSeparator == nullptr || !IsFolder(folder))
        std::snprintf(folder, capacity, "%s", g_appState.settings.ejayDir);
}

/* The chosen file only fills the path box: Modifier still confirms. */
void OnChooseSampleAgain(HWND hDlg)
{
    char folder[sizeof(SampleRecord::path)], chosen[sizeof(SampleRecord::path)];
    FolderToChooseFrom(hDlg, folder, sizeof folder);
    if (ChooseSampleFile(hDlg, TEXT_CHOOSE_SAMPLE_TITLE, folder, chosen, sizeof chosen))
        SetDlgItemTextA(hDlg, IDC_MODIFY_PATH, chosen);
}

/* Each text is cut to its field's width less the terminator. */
void ReadModifyFormTexts(HWND hDlg, FormTexts *texts)
{
    GetDlgItemTextA(hDlg, IDC_MODIFY_DURATION, texts->duration, sizeof texts->duration);
    GetDlgItemTextA(hDlg, IDC_MODIFY_NAME1, texts->nameLine1, sizeof texts->nameLine1);
    GetDlgItemTextA(hDlg, IDC_MODIFY_NAME2, texts->nameLine2, sizeof texts->nameLine2);
    GetDlgItemTextA(hDlg, IDC_MODIFY_PATH, texts->path, sizeof texts->path);
}

/* The slot is tested once more: a form whose entry is gone writes nothing. */
void ConfirmModification(HWND hDlg)
{
    CategoryList *list = ModifiedList();
    if (IsEditableSlot(list, s_modifyForm.index)) {
        FormTexts texts = {};
        ReadModifyFormTexts(hDlg, &texts);
        CleanFormTexts(&texts);
        const SampleRecord before = list->slots[s_modifyForm.index];
        StoreFormTexts(&list->slots[s_modifyForm.index], texts);
        LogChanged(&g_undoLog, g_appState, s_modifyForm.style, s_modifyForm.category, s_modifyForm.index, before);
        ShowCategoryLists(&g_appState, g_appState.settings.currentStyle, s_modifyForm.category);
    }
    DestroyWindow(hDlg);
}

void OnModifyFormCommand(HWND hDlg, int command)
{
    switch (command) {
    case IDC_MODIFY_OK: ConfirmModification(hDlg); break;
    case IDC_MODIFY_BROWSE: OnChooseSampleAgain(hDlg); break;
    case IDC_MODIFY_CANCEL:
    case IDCANCEL: DestroyWindow(hDlg); break;
    default: break;
    }
}

void OnModifyFormDestroy(HWND hDlg)
{
    if (s_hModifyForm == hDlg)
        s_hModifyForm = nullptr;
    ForgetDialog(hDlg);
}

INT_PTR CALLBACK ModifySampleDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: OnModifyFormInit(hDlg); return FALSE;
    case WM_COMMAND: OnModifyFormCommand(hDlg, LOWORD(wParam)); return FALSE;
    case WM_CLOSE: DestroyWindow(hDlg); return FALSE;
    case WM_DESTROY: OnModifyFormDestroy(hDlg); return FALSE;
    default: return FALSE;
    }
}

} // namespace

void ModifySample(HWND owner)
{
    const CategoryList *list = CategoryListOf(&g_appState, g_appState.settings.currentStyle, g_selectedCategory);
    if (!IsEditableSlot(list, g_selectedIndex))
        return;
    g_hDialog = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_MODIFYSAMPLE), owner, ModifySampleDialogProc, 0);
}

void NotifyCategoryListChanged(int style, int category)
{
    if (s_hModifyForm && s_modifyForm.style == style && s_modifyForm.category == category)
        DestroyWindow(s_hModifyForm);
}
