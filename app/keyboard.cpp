/*
 * The keyboard. The shortcuts of table 700 act whichever window has the
 * focus, as they always have. The main window's own keys (table 701: Tab,
 * F6, Alt+A / M / S on the pane that has the focus, Ctrl+F, Ctrl+Z) act
 * only while the focus is in the main window, so that in a form Ctrl+Z
 * stays the text field's own undo. The form open gets the dialog keys
 * (Tab, Enter, Esc, its mnemonics).
 *
 * The main window is no dialog, so what a dialog does for its controls is
 * done here: Tab walks the lists and buttons in pane order, skipping what
 * is disabled, and the focus comes back to where it was when the window is
 * activated again.
 */
#include "app/app.h"
#include "resources/resource.h"

namespace {

/* The control of the main window that had the focus when it was left. */
HWND s_lastFocus;

bool InMainWindow(HWND window)
{
    return g_hMainWnd != nullptr && (window == g_hMainWnd || IsChild(g_hMainWnd, window));
}

HACCEL MainWindowKeys(void)
{
    static HACCEL keys = LoadAcceleratorsA(g_hInstance, MAKEINTRESOURCEA(IDA_MORE));
    return keys;
}

} // namespace

bool TranslateProgramKeys(MSG *message)
{
    if (g_hMainWnd != nullptr && TranslateAcceleratorA(g_hMainWnd, g_hAccel, message))
        return true;
    if (InMainWindow(message->hwnd) && TranslateAcceleratorA(g_hMainWnd, MainWindowKeys(), message))
        return true;
    /* Read only now: a shortcut just translated may have replaced the form
       (Ctrl+S typed in the Modify form opens the System dialog). */
    HWND form = g_hDialog;
    return form != nullptr && IsDialogMessageA(form, message);
}

void RememberMainFocus(void)
{
    HWND focus = GetFocus();
    if (focus != g_hMainWnd && InMainWindow(focus))
        s_lastFocus = focus;
}

/* Where the focus was, or the next control that can take it. */
void RestoreMainFocus(void)
{
    HWND target = s_lastFocus;
    if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(g_hMainWnd, target, FALSE);
    if (target != nullptr)
        SetFocus(target);
}

void MoveMainFocus(bool backwards)
{
    HWND from = GetFocus();
    HWND next = GetNextDlgTabItem(g_hMainWnd, InMainWindow(from) && from != g_hMainWnd ? from : nullptr, backwards);
    if (next != nullptr)
        SetFocus(next);
}

/* From the pane that has the focus (or from either end) to the next list
   that has entries, step +1 down, -1 up, round the window. */
void FocusNextPaneList(int step)
{
    int pane = PaneOfControl(GetFocus());
    if (pane < 0)
        pane = step > 0 ? CATEGORY_COUNT - 1 : 0;
    for (int moved = 1; moved <= CATEGORY_COUNT; moved++) {
        HWND list = g_hCategoryList[((pane + step * moved) % CATEGORY_COUNT + CATEGORY_COUNT) % CATEGORY_COUNT];
        if (IsWindowEnabled(list)) {
            SetFocus(list);
            return;
        }
    }
}
