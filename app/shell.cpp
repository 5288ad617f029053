/*
 * Program-wide handles and state, the one-dialog rule, the program's
 * message boxes, and loading the lists at start.
 */
#include "app/app.h"

HINSTANCE g_hInstance;
HWND g_hMainWnd;
HMENU g_hMenu;
HACCEL g_hAccel;
HBITMAP g_hIntroBitmap;
int g_screenWidth;
int g_screenHeight;
char g_textBuffer[TEXT_BUFFER_SIZE];

HWND g_hCategoryLabel[CATEGORY_COUNT];
HWND g_hAddButton[CATEGORY_COUNT];
HWND g_hModifyButton[CATEGORY_COUNT];
HWND g_hDeleteButton[CATEGORY_COUNT];

HWND g_hDialog;
int g_selectedCategory;
int g_selectedIndex;

/* About 6 MB: static for the whole run, cleared once at start-up. */
AppState g_appState;

void CloseCurrentDialog(void)
{
    HWND previous = g_hDialog;
    g_hDialog = nullptr;
    if (previous != nullptr && IsWindow(previous)) {
        DestroyWindow(previous);
    }
}

void ForgetDialog(HWND dialog)
{
    if (g_hDialog == dialog) {
        g_hDialog = nullptr;
    }
}

int ShowProgramMessage(const char *text, UINT style, HWND owner)
{
    return MessageBoxA(owner != nullptr ? owner : g_hMainWnd, text, PROGRAM_CAPTION, style);
}

int LoadListsAtStart(void)
{
    ListLoadResult loaded = LoadSampleLists(&g_appState);
    if (loaded == LISTS_NOT_FOUND)
        ForgetSettingsFile(g_appState.settings);
    return loaded == LISTS_LOADED;
}
