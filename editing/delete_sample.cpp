/*
 * The "&Supprimer" button of a pane: after a yes/no question naming the
 * sample, the selected entry leaves its list and the entries behind it move
 * up one slot. No form: the question is modal and all happens in one command.
 */
#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/form_text.h"
#include "editing/modify_sample.h"

/* Whatever the answer the pane is refilled, which puts its selection back
   on the first row. With no row selected nothing is asked or changed. */
void DeleteSample(AppState *state, int category)
{
    if (!state)
        return;
    const int style = state->settings.currentStyle;
    CategoryList *list = CategoryListOf(state, style, category);
    const int index = g_selectedIndex;
    if (!IsEditableSlot(list, index))
        return;
    FormatDeleteQuestion(list->slots[index], g_textBuffer, sizeof g_textBuffer);
    const SampleRecord removed = list->slots[index];
    if (ShowProgramMessage(g_textBuffer, MB_YESNO | MB_ICONEXCLAMATION) == IDYES && RemoveSample(list, index)) {
        LogRemoved(&g_undoLog, style, category, index, removed);
        NotifyCategoryListChanged(style, category);
    }
    ShowCategoryLists(state, state->settings.currentStyle, category);
}
