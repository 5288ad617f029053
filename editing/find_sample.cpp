/*
 * The Find form (dialog 540, Ctrl+F): a text, and the entries of the three
 * styles it matches, by the matcher the lists tool's find uses (names,
 * text, path, n°; letter case and accents aside). Enter in the text, or a
 * pause in the typing, searches; Enter on a result, or a double-click,
 * shows that entry in its pane, and the form stays open so the user can go
 * from result to result. Modeless, under the one-dialog rule; the text
 * searched last comes back with it.
 */
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/editing_texts.h"
#include "editing/form_text.h"
#include "resources/resource.h"

const char *const STYLE_NAMES[STYLE_COUNT] = {TEXT_STYLE_DANCE, TEXT_STYLE_RAVE, TEXT_STYLE_HIPHOP};

namespace {

/* A search follows the typing once it pauses this long. */
const UINT_PTR TYPING_TIMER = 1;
const UINT TYPING_PAUSE_MS = 300;

/* The Find form that exists, or null. */
HWND s_hFindForm;
/* The results shown, row by row, and the text they were found for. */
std::vector<SampleHit> s_hits;
std::string s_searched;

void FormatResult(const SampleHit &hit, char *out, std::size_t capacity)
{
    const SampleRecord &entry = CategoryListOf(&g_appState, hit.style, hit.category)->slots[hit.slot];
    std::snprintf(out, capacity, TEXT_FIND_RESULT, STYLE_NAMES[hit.style - STYLE_DANCE],
                  CATEGORY_KEYWORDS[hit.category - 1], hit.slot + 1, entry.nameLine1, entry.nameLine2);
}

void ShowCount(HWND hDlg)
{
    char count[64];
    std::snprintf(count, sizeof count, TEXT_FIND_COUNT, static_cast<int>(s_hits.size()));
    SetDlgItemTextA(hDlg, IDC_FIND_COUNT, s_hits.empty() ? TEXT_FIND_NONE : count);
}

/* Filled with its drawing off: every entry may match. The row selected
   stays where it was, while there is one. */
void ShowResults(HWND hDlg)
{
    HWND box = GetDlgItem(hDlg, IDC_FIND_RESULTS);
    const LRESULT selected = SendMessageA(box, LB_GETCURSEL, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    char row[2 * sizeof(SampleRecord::nameLine1) + 64];
    for (const SampleHit &hit : s_hits) {
        FormatResult(hit, row, sizeof row);
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
    const std::size_t keep = selected > 0 ? static_cast<std::size_t>(selected) : 0;
    SendMessageA(box, LB_SETCURSEL, keep < s_hits.size() ? keep : 0, 0);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    ShowCount(hDlg);
}

void Search(HWND hDlg)
{
    KillTimer(hDlg, TYPING_TIMER);
    char text[TEXT_BUFFER_SIZE];
    GetDlgItemTextA(hDlg, IDC_FIND_TEXT, text, sizeof text);
    s_searched = text;
    FindSamples(g_appState, MakeSampleQuery(text), ANY_STYLE, ANY_CATEGORY, &s_hits);
    ShowResults(hDlg);
}

/* The main window comes to the front with the focus; the form stays in
   sight above it (Wine puts an activated owner above its own forms). */
void GoToResult(HWND hDlg)
{
    const LRESULT row = SendDlgItemMessageA(hDlg, IDC_FIND_RESULTS, LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<std::size_t>(row) >= s_hits.size())
        return;
    const SampleHit hit = s_hits[row];
    ShowEntry(hit.style, hit.category, hit.slot);
    SetWindowPos(hDlg, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

/* Right of the main window, as far as the screen allows, so that it hides
   as little of the lists as it can. */
void PlaceBesideMainWindow(HWND hDlg)
{
    RECT main = {}, form = {};
    MONITORINFO screen = {};
    screen.cbSize = sizeof screen;
    if (!GetWindowRect(g_hMainWnd, &main) || !GetWindowRect(hDlg, &form) ||
        !GetMonitorInfoA(MonitorFromWindow(g_hMainWnd, MONITOR_DEFAULTTONEAREST), &screen))
        return;
    const int width = form.right - form.left;
    int left = main.right;
    if (left + width > screen.rcWork.right)
        left = screen.rcWork.right - width;
    SetWindowPos(hDlg, nullptr, left, form.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* Enter: on a result, go to it; in the text, search. */
void OnEnter(HWND hDlg)
{
    if (GetFocus() == GetDlgItem(hDlg, IDC_FIND_RESULTS))
        GoToResult(hDlg);
    else
        Search(hDlg);
}

void OnFindCommand(HWND hDlg, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK: OnEnter(hDlg); break;
    case IDC_FIND_TEXT:
        if (HIWORD(wParam) == EN_CHANGE)
            SetTimer(hDlg, TYPING_TIMER, TYPING_PAUSE_MS, nullptr);
        break;
    case IDC_FIND_RESULTS:
        if (HIWORD(wParam) == LBN_DBLCLK)
            GoToResult(hDlg);
        break;
    case IDC_FIND_CLOSE:
    case IDCANCEL: DestroyWindow(hDlg); break;
    default: break;
    }
}

void OnFindInit(HWND hDlg)
{
    CloseCurrentDialog();
    s_hFindForm = hDlg;
    PlaceBesideMainWindow(hDlg);
    LimitField(hDlg, IDC_FIND_TEXT, TEXT_BUFFER_SIZE - 1);
    SetDlgItemTextA(hDlg, IDC_FIND_TEXT, s_searched.c_str());
    Search(hDlg);
    StartFormKeyboard(hDlg, IDC_FIND_TEXT, IDOK);
}

/* The lists may have changed while the user was in the main window: the
   results are found again whenever the form comes back to the front. */
void OnFindActivate(HWND hDlg, WPARAM state)
{
    if (LOWORD(state) != WA_INACTIVE)
        Search(hDlg);
}

void OnFindDestroy(HWND hDlg)
{
    if (s_hFindForm == hDlg)
        s_hFindForm = nullptr;
    ForgetDialog(hDlg);
}

INT_PTR CALLBACK FindDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: OnFindInit(hDlg); return FALSE;
    case WM_COMMAND: OnFindCommand(hDlg, wParam); return FALSE;
    case WM_TIMER: Search(hDlg); return TRUE;
    case WM_ACTIVATE: OnFindActivate(hDlg, wParam); return FALSE;
    case WM_CLOSE: DestroyWindow(hDlg); return FALSE;
    case WM_DESTROY: OnFindDestroy(hDlg); return FALSE;
    default: return FALSE;
    }
}

} // namespace

/* Open already, it comes to the front with the focus on its results (or
   its text, when there are none), so Down and Enter go to the next one. */
void OpenFindForm(void)
{
    if (s_hFindForm != nullptr) {
        HWND results = GetDlgItem(s_hFindForm, IDC_FIND_RESULTS);
        SetActiveWindow(s_hFindForm);
        const bool any = SendMessageA(results, LB_GETCOUNT, 0, 0) > 0;
        SendMessageA(s_hFindForm, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(any ? results : GetDlgItem(s_hFindForm, IDC_FIND_TEXT)), TRUE);
        return;
    }
    g_hDialog = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_FIND), g_hMainWnd, FindDialogProc, 0);
}
