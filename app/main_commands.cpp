/*
 * The main window's procedure: menu and accelerator commands, the 27 pane
 * buttons (and the keys and context menu that press them), the 100 ms
 * refresh of the panes' enabled states, the owner-drawn rows, the focus,
 * dropped files, and the way into the closing sequence.
 */
#include "app/app.h"
#include "app/program_texts.h"
#include "editing/editing.h"
#include "resources/resource.h"
#include "settings/system_dialog.h"

#define BUTTON_STATE_PERIOD_MS 100

namespace {

int SelectedRow(int pane) { return static_cast<int>(SendMessageA(g_hCategoryList[pane], LB_GETCURSEL, 0, 0)); }

/* Identifier 600 + 3k + j names pane k (0 loop .. 8 rap) and kind j. */
void OnPaneButton(HWND hwnd, int identifier)
{
    int pane = (identifier - IDC_PANE_FIRST) / 3;
    int kind = (identifier - IDC_PANE_FIRST) % 3;
    switch (kind) {
    case PANE_ADD:
        g_selectedCategory = pane + 1;
        AddSample();
        break;
    case PANE_MODIFY:
        g_selectedCategory = pane + 1;
        g_selectedIndex = SelectedRow(pane);
        ModifySample(hwnd);
        break;
    case PANE_DELETE:
        /* g_selectedCategory stays the pane of the last Add or Modify. */
        g_selectedIndex = SelectedRow(pane);
        DeleteSample(&g_appState, pane + 1);
        break;
    }
}

/* A control disabled while it had the focus hands it on, as a dialog
   would: a window whose focus is nowhere takes no keys. */
void KeepFocusOnAnEnabledControl(HWND focus)
{
    if (focus != nullptr && IsChild(g_hMainWnd, focus) && !IsWindowEnabled(focus)) {
        HWND next = GetNextDlgTabItem(g_hMainWnd, focus, FALSE);
        if (next != nullptr)
            SetFocus(next);
    }
}

/* Add while the category has room; Modify, Delete and the list while it
   has entries. All 36 calls every tick, so no state can drift. */
void RefreshButtonStates(void)
{
    const AppSettings &settings = g_appState.settings;
    HWND focus = GetFocus();
    for (int pane = 0; pane < CATEGORY_COUNT; pane++) {
        const CategoryList *list = CategoryListOf(&g_appState, settings.currentStyle, pane + 1);
        if (list == nullptr) {
            return;
        }
        BOOL hasRoom = list->count < MAX_SAMPLES_PER_CATEGORY;
        BOOL hasEntries = list->count > 0;
        EnableWindow(g_hAddButton[pane], hasRoom);
        EnableWindow(g_hModifyButton[pane], hasEntries);
        EnableWindow(g_hDeleteButton[pane], hasEntries);
        EnableWindow(g_hCategoryList[pane], hasEntries);
    }
    KeepFocusOnAnEnabledControl(focus);
}

/* The buttons follow at once: a key pressed just after the switch acts on
   the style now shown. */
void SwitchStyle(int menuItem, int style)
{
    CheckMenuRadioItem(g_hMenu, IDM_DANCE, IDM_HIPHOP, menuItem, MF_BYCOMMAND);
    g_appState.settings.currentStyle = style;
    ShowCategoryLists(&g_appState, style, ALL_CATEGORIES);
    RefreshButtonStates();
}

/* Alt+A, M, S: the focused pane's button; with no pane focused the key
   does what it does in any window, so Alt+M still opens Musique. */
void PressFocusedPaneButton(HWND hwnd, int kind)
{
    const char MNEMONICS[] = {'a', 'm', 's'};
    const int pane = PaneOfControl(GetFocus());
    if (pane < 0)
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, MNEMONICS[kind]);
    else
        PressPaneButton(pane, kind);
}

void ShowAboutBox(HWND hwnd) { ShowProgramMessage(TEXT_ABOUT, MB_OK | MB_ICONINFORMATION, hwnd); }

void OnCommand(HWND hwnd, int identifier)
{
    if (identifier >= IDC_PANE_FIRST && identifier <= IDC_PANE_LAST) {
        OnPaneButton(hwnd, identifier);
        return;
    }
    switch (identifier) {
    case IDM_QUIT: RunClosingSequence(hwnd); break;
    case IDM_DANCE: SwitchStyle(IDM_DANCE, STYLE_DANCE); break;
    case IDM_RAVE: SwitchStyle(IDM_RAVE, STYLE_RAVE); break;
    case IDM_HIPHOP: SwitchStyle(IDM_HIPHOP, STYLE_HIPHOP); break;
    case IDM_ABOUT: ShowAboutBox(hwnd); break;
    case IDM_WEBSITE: OpenHomePage(hwnd); break;
    case IDM_SYSTEM: OpenSystemDialog(hwnd, SYSTEM_SETTINGS); break;
    case IDM_PANE_ADD: PressFocusedPaneButton(hwnd, PANE_ADD); break;
    case IDM_PANE_MODIFY: PressFocusedPaneButton(hwnd, PANE_MODIFY); break;
    case IDM_PANE_DELETE: PressFocusedPaneButton(hwnd, PANE_DELETE); break;
    case IDM_FIND: OpenFindForm(); break;
    case IDM_UNDO: UndoLastEdit(); break;
    case IDM_NEXT_PANE: FocusNextPaneList(+1); break;
    case IDM_PREVIOUS_PANE: FocusNextPaneList(-1); break;
    case IDM_NEXT_CONTROL: MoveMainFocus(false); break;
    case IDM_PREVIOUS_CONTROL: MoveMainFocus(true); break;
    default: break;
    }
}

void OnActivate(WPARAM state)
{
    if (LOWORD(state) == WA_INACTIVE)
        RememberMainFocus();
}

const struct {
    int style, menuItem;
} STYLE_MENU_ITEMS[] = {{STYLE_DANCE, IDM_DANCE}, {STYLE_RAVE, IDM_RAVE}, {STYLE_HIPHOP, IDM_HIPHOP}};

} // namespace

void PressPaneButton(int pane, int kind)
{
    const int identifier = PANE_BUTTON_ID(pane, kind);
    if (pane >= 0 && pane < CATEGORY_COUNT && IsWindowEnabled(GetDlgItem(g_hMainWnd, identifier)))
        OnPaneButton(g_hMainWnd, identifier);
}

void ShowStyle(int style)
{
    for (const auto &item : STYLE_MENU_ITEMS) {
        if (item.style == style && g_appState.settings.currentStyle != style)
            SwitchStyle(item.menuItem, style);
    }
}

void ShowEntry(int style, int category, int slot)
{
    ShowStyle(style);
    RefreshButtonStates();
    HWND list = g_hCategoryList[category - 1];
    SendMessageA(list, LB_SETCURSEL, slot, 0);
    SetFocus(IsWindowEnabled(list) ? list : g_hAddButton[category - 1]);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: SetTimer(hwnd, IDT_BUTTONSTATE, BUTTON_STATE_PERIOD_MS, nullptr); return 0;
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam)); return 0;
    case WM_TIMER:
        if (wParam == IDT_BUTTONSTATE) {
            RefreshButtonStates();
        }
        return 0;
    case WM_CLOSE:
        /* Saved while the window is still on screen, so a question about a
           file that cannot be written has a visible owner. */
        RunClosingSequence(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_ENDSESSION:
        /* Windows is logging off: the process ends without WM_DESTROY,
           so the session's edits are saved now or never. */
        if (wParam) {
            RunClosingSequence(hwnd, CLOSED_WITH_WINDOWS);
        }
        return 0;
    case WM_DESTROY: RunClosingSequence(hwnd); return 0;
    case WM_MEASUREITEM: MeasureSampleRow(reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)); return TRUE;
    case WM_DRAWITEM: DrawSampleRow(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); return TRUE;
    case WM_ACTIVATE: OnActivate(wParam); return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS: RestoreMainFocus(); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
