/*
 * What a pane's list does beyond a plain list box: Enter or a double-click
 * opens Modifier, Suppr asks to delete, Inser opens Ajouter, for that pane;
 * a right click, Shift+F10 or the menu key offer the same three commands
 * in a context menu (menu 702), which act on the pane that has the focus.
 */
#include <windowsx.h>

#include "app/app.h"
#include "resources/resource.h"

namespace {

WNDPROC s_listBoxProc;

/* true when the key was one of the pane's. */
bool OnListKey(HWND list, WPARAM key)
{
    const int pane = PaneOfControl(list);
    switch (key) {
    case VK_RETURN: PressPaneButton(pane, PANE_MODIFY); return true;
    case VK_DELETE: PressPaneButton(pane, PANE_DELETE); return true;
    case VK_INSERT: PressPaneButton(pane, PANE_ADD); return true;
    default: return false;
    }
}

/* The click has selected the row; one beside the rows opens nothing. */
void OnDoubleClick(HWND list, LPARAM at)
{
    LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, at);
    if (HIWORD(hit) == 0)
        PressPaneButton(PaneOfControl(list), PANE_MODIFY);
}

/* Under the pointer, whose row is selected first; from the keyboard (at
   -1), below the selected row. */
POINT ContextMenuPlace(HWND list, LPARAM at)
{
    POINT place = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at != -1) {
        POINT inList = place;
        ScreenToClient(list, &inList);
        LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
        if (HIWORD(hit) == 0)
            SendMessageA(list, LB_SETCURSEL, LOWORD(hit), 0);
        return place;
    }
    RECT row = {};
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected < 0 || SendMessageA(list, LB_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row)) == LB_ERR)
        GetClientRect(list, &row);
    place = {row.left, row.bottom};
    ClientToScreen(list, &place);
    return place;
}

void ShowContextMenu(HWND list, LPARAM at)
{
    const POINT place = ContextMenuPlace(list, at);
    SetFocus(list);
    HMENU menu = LoadMenuA(g_hInstance, MAKEINTRESOURCEA(IDM_PANEMENU));
    HMENU popup = GetSubMenu(menu, 0);
    const int pane = PaneOfControl(list);
    const int commands[] = {IDM_PANE_ADD, IDM_PANE_MODIFY, IDM_PANE_DELETE};
    for (int kind = PANE_ADD; kind <= PANE_DELETE; kind++) {
        const bool enabled = IsWindowEnabled(GetDlgItem(g_hMainWnd, PANE_BUTTON_ID(pane, kind)));
        EnableMenuItem(popup, commands[kind], MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, place.x, place.y, 0, g_hMainWnd, nullptr);
    DestroyMenu(menu);
}

LRESULT CALLBACK PaneListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (OnListKey(list, wParam))
            return 0;
        break;
    case WM_CHAR:
        if (wParam == '\r') /* Enter has opened Modifier */
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        CallWindowProcA(s_listBoxProc, list, message, wParam, lParam);
        OnDoubleClick(list, lParam);
        return 0;
    case WM_CONTEXTMENU: ShowContextMenu(list, lParam); return 0;
    default: break;
    }
    return CallWindowProcA(s_listBoxProc, list, message, wParam, lParam);
}

} // namespace

void SubclassPaneList(HWND list)
{
    LONG_PTR previous = SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaneListProc));
    s_listBoxProc = reinterpret_cast<WNDPROC>(previous);
}
