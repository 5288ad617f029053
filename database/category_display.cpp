/*
 * The category list boxes of the main window: one row per used slot, in
 * slot order, so that row r of a box is slot r of its category.
 */
#include "database/category_display.h"

HWND g_hCategoryList[CATEGORY_COUNT];

namespace {

/* A box is filled with its drawing switched off and repainted once: a
   style switch adds up to 4,500 rows. */
void BeginFill(HWND box, int rowCount)
{
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    if (rowCount > 0) {
        SendMessageA(box, LB_INITSTORAGE, rowCount, rowCount * ROW_TEXT_CAPACITY / 4);
    }
}

void EndFill(HWND box)
{
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void AddRows(HWND box, const CategoryList &list)
{
    char row[ROW_TEXT_CAPACITY];
    for (int slot = 0; slot < MAX_SAMPLES_PER_CATEGORY; slot++) {
        if (list.slots[slot].used != 1) {
            continue;
        }
        FormatSampleRow(list.slots[slot], row, sizeof row);
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
    SendMessageA(box, LB_SETCURSEL, 0, 0);
}

bool Selected(int category, int selector) { return selector == ALL_CATEGORIES || selector == category; }

} // namespace

int ShowCategoryLists(const AppState *state, int style, int category)
{
    if (state == nullptr) {
        return 0;
    }
    for (int k = 1; k <= CATEGORY_COUNT; k++) {
        if (!Selected(k, category)) {
            continue;
        }
        HWND box = g_hCategoryList[k - 1];
        const CategoryList *list = CategoryListOf(state, style, k);
        BeginFill(box, list != nullptr ? list->count : 0);
        if (list != nullptr) {
            AddRows(box, *list);
        }
        EndFill(box);
    }
    return 1;
}
