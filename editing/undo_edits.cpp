/*
 * Ctrl+Z in the main window: the session's edits taken back one by one,
 * newest first, each shown where it was made (its style shown, its row
 * selected). Nothing reaches the disk before the closing, as for any edit.
 */
#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/modify_sample.h"

UndoLog g_undoLog;

namespace {

/* The entry put back, or after an addition the last entry that stays. */
int RowToShow(const UndoStep &undone)
{
    const int row = undone.kind == EDIT_APPENDED ? undone.slot - 1 : undone.slot;
    return row < 0 ? 0 : row;
}

} // namespace

/* An open Modify form on that list closes unwritten, as after a deletion:
   its slot may now hold another entry. */
void UndoLastEdit(void)
{
    UndoStep undone;
    if (!UndoNewest(&g_undoLog, &g_appState, &undone)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    NotifyCategoryListChanged(undone.style, undone.category);
    ShowStyle(undone.style);
    ShowCategoryLists(&g_appState, undone.style, undone.category);
    ShowEntry(undone.style, undone.category, RowToShow(undone));
}

void ForgetListEdits(void)
{
    g_undoLog.steps.clear();
    ForgetSampleFileChecks();
}
