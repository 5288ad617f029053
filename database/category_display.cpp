/*
 * The category list boxes of the main window: one row per used slot, in
 * slot order, so that row r of a box is slot r of its category.
 */
#include "database/category_display.h"

#include <string>
#include <unordered_map>

HWND g_hCategoryList[CATEGORY_COUNT];

namespace {

/* Whether each sample file was there when last looked for, by its path
   folded as Windows compares names. */
std::unordered_map<std::string, bool> s_fileFound;

bool SampleFileMissing(const char *path)
{
    const std::string key = FoldCase(path);
    auto found = s_fileFound.find(key);
    if (found == s_fileFound.end())
        found = s_fileFound.emplace(key, FileCanBeRead(path) != 0).first;
    return !found->second;
}

void ForgetFilesOf(const CategoryList &list)
{
    for (int slot = 0; slot < list.count && slot < MAX_SAMPLES_PER_CATEGORY; slot++)
        s_fileFound.erase(FoldCase(list.slots[slot].path));
}

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
        LRESULT added = SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        if (SampleFileMissing(list.slots[slot].path))
            SendMessageA(box, LB_SETITEMDATA, added, ROW_SAMPLE_MISSING);
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
        if (list != nullptr && category != ALL_CATEGORIES)
            ForgetFilesOf(*list);
        BeginFill(box, list != nullptr ? list->count : 0);
        if (list != nullptr) {
            AddRows(box, *list);
        }
        EndFill(box);
    }
    return 1;
}

void ForgetSampleFileChecks(void) { s_fileFound.clear(); }

namespace {

int FontHeight(HGDIOBJ font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

} // namespace

/* Asked while the box is made, before it has a font. */
void MeasureSampleRow(MEASUREITEMSTRUCT *item) { item->itemHeight = FontHeight(GetStockObject(SYSTEM_FONT)); }

void FitRowsToFont(HWND box)
{
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
    SendMessageA(box, LB_SETITEMHEIGHT, 0, FontHeight(font != nullptr ? font : GetStockObject(SYSTEM_FONT)));
}

/* The text one pixel in from the left and the background filled in one
   call, as a plain list box paints a row; the focus rectangle goes on and
   off by itself (it is drawn inverted). */
void DrawSampleRow(const DRAWITEMSTRUCT *item)
{
    const RECT &area = item->rcItem;
    const bool focused = (item->itemState & ODS_FOCUS) != 0;
    if (item->itemID == static_cast<UINT>(-1) || item->itemAction == ODA_FOCUS) {
        if (focused || item->itemAction == ODA_FOCUS)
            DrawFocusRect(item->hDC, &area);
        return;
    }
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool missing = item->itemData == ROW_SAMPLE_MISSING;
    char row[ROW_TEXT_CAPACITY] = "";
    if (SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0) < ROW_TEXT_CAPACITY)
        SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(row));
    SetBkColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : missing ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    ExtTextOutA(item->hDC, area.left + 1, area.top, ETO_OPAQUE | ETO_CLIPPED, &area, row,
                static_cast<UINT>(lstrlenA(row)), nullptr);
    if (focused)
        DrawFocusRect(item->hDC, &area);
}
