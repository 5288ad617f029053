/*
 * Program-wide handles and state, the one-dialog rule and the program's
 * message boxes.
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
HWND g_hCategoryList[CATEGORY_COUNT];
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
    g_hDialog = NULL;
    if (previous != NULL && IsWindow(previous)) {
        DestroyWindow(previous);
    }
}

void ForgetDialog(HWND dialog)
{
    if (g_hDialog == dialog) {
        g_hDialog = NULL;
    }
}

int ShowProgramMessage(const char *text, UINT style)
{
    return MessageBoxA(g_hMainWnd, text, PROGRAM_CAPTION, style);
}
