/*
 * The main window's layout: a fixed 460 x 735 window with menu 501 and nine
 * category panes (label, list box, Add / Modify / Delete), one every 75 px.
 * Creation order is tab order: each pane's list, then its buttons.
 */
#include "app/app.h"
#include "resources/resource.h"

#define CONTROL_X 10
#define LABEL_HEIGHT 13
#define LIST_WIDTH 350
#define BUTTON_X 365
#define BUTTON_WIDTH 80
#define BUTTON_HEIGHT 18
#define BUTTON_STEP 20

namespace {

struct PaneLayout {
    const char *caption;
    int labelY;
    int labelWidth;
    int listY;
    int listHeight;
};

const PaneLayout PANES[CATEGORY_COUNT] = {
    {"Samples EJAY \"Loop\":", 10, 110, 25, 75},       {"Samples EJAY \"Bass\":", 85, 110, 100, 75},
    {"Samples EJAY \"Synthy\":", 160, 120, 175, 70},   {"Samples EJAY \"Voice\":", 235, 115, 250, 75},
    {"Samples EJAY \"Effect\":", 310, 115, 325, 75},   {"Samples EJAY \"Drum\":", 385, 110, 400, 75},
    {"Samples EJAY \"Sequence\":", 460, 135, 475, 75}, {"Samples EJAY \"Special\":", 535, 122, 550, 75},
    {"Samples EJAY \"Rap\":", 610, 110, 625, 75},
};

const char *const BUTTON_TEXTS[3] = {"&Ajouter", "&Modifier", "&Supprimer"};

HWND CreateChild(DWORD exStyle, const char *className, const char *text, DWORD style, int x, int y, int width,
                 int height, int identifier)
{
    HWND child =
        CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, g_hMainWnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), g_hInstance, nullptr);
    ShowWindow(child, SW_SHOWNORMAL);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return child;
}

HWND CreatePaneButton(int pane, int kind)
{
    const PaneLayout &layout = PANES[pane];
    return CreateChild(0, "BUTTON", BUTTON_TEXTS[kind], BS_FLAT | WS_TABSTOP, BUTTON_X,
                       layout.listY + kind * BUTTON_STEP, BUTTON_WIDTH, BUTTON_HEIGHT, PANE_BUTTON_ID(pane, kind));
}

void CreatePane(int pane)
{
    const PaneLayout &layout = PANES[pane];
    g_hCategoryLabel[pane] =
        CreateChild(0, "STATIC", layout.caption, SS_LEFT, CONTROL_X, layout.labelY, layout.labelWidth, LABEL_HEIGHT, 0);
    /* Unsorted, so row r stays slot r of the category; drawn here (see
       DrawSampleRow), keeping each row's text. */
    g_hCategoryList[pane] =
        CreateChild(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                    CONTROL_X, layout.listY, LIST_WIDTH, layout.listHeight, 0);
    FitRowsToFont(g_hCategoryList[pane]);
    SubclassPaneList(g_hCategoryList[pane]);
    g_hAddButton[pane] = CreatePaneButton(pane, PANE_ADD);
    g_hModifyButton[pane] = CreatePaneButton(pane, PANE_MODIFY);
    g_hDeleteButton[pane] = CreatePaneButton(pane, PANE_DELETE);
}

} // namespace

void CreateMainWindow(void)
{
    const SettingsRect &position = g_appState.settings.position;
    g_hMainWnd =
        CreateWindowExA(0, MAIN_CLASS_NAME, PROGRAM_CAPTION, WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX, position.left,
                        position.top, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, g_hInstance, nullptr);
    g_hMenu = LoadMenuA(g_hInstance, MAKEINTRESOURCEA(IDM_MAINMENU));
    SetMenu(g_hMainWnd, g_hMenu);
    ShowWindow(g_hMainWnd, SW_SHOWNORMAL);
    for (int pane = 0; pane < CATEGORY_COUNT; pane++) {
        CreatePane(pane);
    }
    CheckMenuRadioItem(g_hMenu, IDM_DANCE, IDM_HIPHOP, IDM_DANCE, MF_BYCOMMAND);
    ShowCategoryLists(&g_appState, g_appState.settings.currentStyle, ALL_CATEGORIES);
    AcceptDroppedFiles();
    RestoreMainFocus();
}

int PaneOfControl(HWND control)
{
    for (int pane = 0; control != nullptr && pane < CATEGORY_COUNT; pane++) {
        for (HWND own : {g_hCategoryLabel[pane], g_hCategoryList[pane], g_hAddButton[pane], g_hModifyButton[pane],
                         g_hDeleteButton[pane]}) {
            if (own == control)
                return pane;
        }
    }
    return -1;
}
