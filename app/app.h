/*
 * The application shell: start-up, intro, main window and its commands,
 * closing. Declares the program-wide handles, the shared text buffer, the
 * one-dialog rule used by every modeless form, and the one way the program
 * shows a message.
 */
#ifndef PELMORA_APP_H
#define PELMORA_APP_H

#include <windows.h>

#include "database/category_display.h"
#include "database/database.h"
#include "resources/resource.h"

#define TEXT_BUFFER_SIZE 256
#define MAIN_WINDOW_WIDTH 460
#define MAIN_WINDOW_HEIGHT 735
#define IDT_INTRO 412
#define IDT_BUTTONSTATE 20

/* The main window class's brush (the class names are in resource.h). */
#define MAIN_BACKGROUND_COLOUR 0xD7D7D7 /* light grey, red = green = blue = 215 */

extern HINSTANCE g_hInstance;
extern HWND g_hMainWnd; /* null until the main window exists */
extern HMENU g_hMenu;
extern HACCEL g_hAccel;
extern HBITMAP g_hIntroBitmap;
extern int g_screenWidth;
extern int g_screenHeight;
extern char g_textBuffer[TEXT_BUFFER_SIZE];

extern HWND g_hCategoryLabel[CATEGORY_COUNT];
extern HWND g_hAddButton[CATEGORY_COUNT];
extern HWND g_hModifyButton[CATEGORY_COUNT];
extern HWND g_hDeleteButton[CATEGORY_COUNT];

extern HWND g_hDialog;         /* the modeless form open last, or null */
extern int g_selectedCategory; /* 1..9: pane of the last Add or Modify */
extern int g_selectedIndex;    /* LB_GETCURSEL of the last Modify or Delete */

extern AppState g_appState;
/* What the load of the lists in g_appState read, and from where. */
extern ListsLoad g_listsLoad;

/* One-dialog rule: a form calls this from WM_INITDIALOG to destroy the form
   open before it; its creator then stores the new handle in g_hDialog. */
void CloseCurrentDialog(void);
/* Every form calls this from WM_DESTROY, so g_hDialog never names a window
   that no longer exists. */
void ForgetDialog(HWND dialog);

/* A modal message box with the program's caption, owned by owner, or by
   the main window when it exists. Returns the button pressed. */
int ShowProgramMessage(const char *text, UINT style, HWND owner = nullptr);

/* Loads the three lists at start, then the intro. A list not found makes
   the next start a first run (the settings are forgotten); a list that
   cannot be read offers to choose another Ejay folder. 1 when the program
   goes on (the intro, or the System dialog to choose again). */
int StartWithLists(void);
/* Writes the lists back where they came from, as the user answers about
   lists another program changed, with every failure told. */
void SaveListsWithMessages(void);
/* The lists of the folder shown are saved to their own folder, then those
   of folder are loaded in their place, as at a start; when they cannot be,
   the lists shown and the Ejay folder stay as they were. */
void SwitchEjayFolder(const char *folder);

/* Intro splash (3 one-second ticks), then the main window. */
void ShowIntro(void);
LRESULT CALLBACK IntroWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
/* The program's home page in the user's default browser. */
void OpenHomePage(HWND owner);

/* Main window */
void CreateMainWindow(void);
LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

/* The closing sequence: runs once per run, whichever of Quit, the close
   box, the window's destruction or the end of the Windows session comes
   first; later calls do nothing. An open form is closed first. Ejay is
   not started when Windows itself is ending. */
enum ClosingCause { CLOSED_BY_USER, CLOSED_WITH_WINDOWS };
void RunClosingSequence(HWND hwnd, ClosingCause cause = CLOSED_BY_USER);

#endif
