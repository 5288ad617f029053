/*
 * The application shell: start-up, intro, main window and its commands,
 * closing. Declares the program-wide handles, the shared text buffer, the
 * one-dialog rule used by every modeless form, and the one way the program
 * shows a message.
 */
#ifndef PELMORA_APP_H
#define PELMORA_APP_H

#include <windows.h>
#include <shellapi.h>

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

/* A form's keyboard, from its WM_INITDIALOG: Enter presses defaultButton
   (Esc sends IDCANCEL, which every form takes as its Annuler), and the
   focus starts in firstField with its text selected. Posted, because the
   form is shown and activated only once its creation ends, and activation
   would put the focus on its first tab stop. */
inline void StartFormKeyboard(HWND form, int firstField, int defaultButton)
{
    SendMessageA(form, DM_SETDEFID, defaultButton, 0);
    PostMessageA(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(form, firstField)), TRUE);
}
/* A text box refuses, while typing, what its field cannot hold. */
inline void LimitField(HWND form, int field, int limit) { SendDlgItemMessageA(form, field, EM_LIMITTEXT, limit, 0); }

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
/* The three buttons of pane k (0 loop .. 8 rap): identifier
   PANE_BUTTON_ID(k, kind). Pressing one from the keyboard or a menu does
   nothing while it is disabled. */
enum PaneButtonKind { PANE_ADD = 0, PANE_MODIFY = 1, PANE_DELETE = 2 };
void PressPaneButton(int pane, int kind);
/* The pane (0..8) whose list, label or button that is; -1 for none. */
int PaneOfControl(HWND control);

/* The keyboard, from the message loop: the program's shortcuts (table 700)
   whichever window has the focus; the main window's own keys (table 701)
   while the focus is in it; the form open gets its dialog keys. true when
   the message was taken. */
bool TranslateProgramKeys(MSG *message);
/* The main window is no dialog: the focus goes back to the control that
   had it when the window was left, and Tab, Shift+Tab, F6 and Shift+F6 are
   moved here. */
void RememberMainFocus(void);
void RestoreMainFocus(void);
void MoveMainFocus(bool backwards);
void FocusNextPaneList(int step);
/* Enter, Suppr, Inser, a double-click and the context menu on a list. */
void SubclassPaneList(HWND list);
/* Files dropped on the main window (OLE drag and drop, or WM_DROPFILES)
   go to the pane under the pointer. */
void AcceptDroppedFiles(void);
void OnDropFiles(HDROP drop);

/* Shows that style (its mark in the Musique menu, its panes) unless shown. */
void ShowStyle(int style);
/* The entry at slot of that category shown: its style, its row selected
   and in view, the focus on its list. */
void ShowEntry(int style, int category, int slot);

/* The closing sequence: runs once per run, whichever of Quit, the close
   box, the window's destruction or the end of the Windows session comes
   first; later calls do nothing. An open form is closed first. Ejay is
   not started when Windows itself is ending. */
enum ClosingCause { CLOSED_BY_USER, CLOSED_WITH_WINDOWS };
void RunClosingSequence(HWND hwnd, ClosingCause cause = CLOSED_BY_USER);

#endif
