/*
 * Program-wide handles and state, the one-dialog rule and the program's
 * message boxes.
 */
#include "app/app.h"

#include <string>

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

namespace {

/* A message box wraps its text at blanks only: a long path makes it wider
   than the screen. Longer runs are broken after a path separator, or
   where they reach the width. */
const std::size_t LONGEST_UNBROKEN_RUN = 100;

std::string WithLongRunsBroken(const char *text)
{
    std::string out;
    std::size_t runStart = 0;
    std::size_t lastSeparator = std::string::npos;
    for (const char *next = text; *next != '\0'; ++next) {
        out += *next;
        if (*next == ' ' || *next == '\n') {
            runStart = out.size();
            lastSeparator = std::string::npos;
            continue;
        }
        if (*next == '\\' || *next == '/')
            lastSeparator = out.size();
        if (out.size() - runStart < LONGEST_UNBROKEN_RUN)
            continue;
        std::size_t breakAt =
            lastSeparator != std::string::npos && lastSeparator < out.size() ? lastSeparator : out.size();
        out.insert(breakAt, 1, '\n');
        runStart = breakAt + 1;
        lastSeparator = std::string::npos;
    }
    return out;
}

} // namespace

int ShowProgramMessage(const char *text, UINT style, HWND owner)
{
    std::string shown = WithLongRunsBroken(text);
    return MessageBoxA(owner != nullptr ? owner : g_hMainWnd, shown.c_str(), PROGRAM_CAPTION, style);
}
