/*
 * Drives the real Pelmora.exe from a separate process, as a user would:
 * starts it, finds its windows, reads what they show, presses buttons,
 * types keys, answers message boxes and the file chooser, and looks at the
 * files it leaves on disk.
 *
 * What Wine allows across processes decides the shape of this library:
 * texts are read in their W forms and converted to code page 1252 (the A
 * forms come back mangled), buttons are pressed with a posted BM_CLICK (a
 * sent one would block while the button's modal box is up), keys go through
 * SetForegroundWindow + SendInput, and menus cannot be read at all, so menu
 * commands are posted as WM_COMMAND. Every wait polls quickly and gives up
 * after a generous timeout, so a slow machine costs time, never a verdict.
 *
 * All texts here are CP1252 bytes, like the program's own.
 */
#ifndef PELMORA_E2E_DRIVER_H
#define PELMORA_E2E_DRIVER_H

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

/* ---- Waiting ------------------------------------------------------------ */

constexpr int kWindowTimeoutMs = 15000; /* windows appearing or going away */
constexpr int kExitTimeoutMs = 15000;   /* the program ending after a close */

/* Polls pred until it answers true or timeoutMs passed; true when it did. */
bool WaitUntil(const std::function<bool()> &pred, int timeoutMs = kWindowTimeoutMs);
/* For "nothing happens" checks, where there is no event to wait for. */
void Pause(int milliseconds);
/* Answers once the window's thread has handled a sent WM_NULL, i.e. it is
   back in its message loop; false when the window is gone or hangs. */
bool Sync(HWND window);

/* The text quoted, control characters and bytes above 126 shown as \n,
   \xB0, ..., so that failure messages make blanks and line ends visible. */
inline std::string Visible(const std::string &text)
{
    return ::testing::PrintToString(text);
}

/* ---- Finding windows ---------------------------------------------------- */

/* The first visible top-level window of the process of that class. */
HWND FindTopLevelWindow(DWORD pid, const char *className);
/* Waits for one, then until it answers a WM_NULL. */
HWND WaitForTopLevelWindow(DWORD pid, const char *className, int timeoutMs = kWindowTimeoutMs);
bool WaitUntilGone(HWND window, int timeoutMs = kWindowTimeoutMs);
/* "class \"text\"" of each visible top-level window of the process, for
   failure messages that say what was there instead. */
std::string DescribeTopLevelWindows(DWORD pid);
/* Direct children of a window of one class, from top to bottom on the
   screen (then left to right). */
std::vector<HWND> ChildWindows(HWND parent, const char *className);
/* Dialogs of the process ("#32770", top-level or a child of another of its
   windows) holding a control with the given identifier. */
std::vector<HWND> DialogsWithControl(DWORD pid, int controlId);
/* Waits for one, then until it answers a WM_NULL: a window becomes visible
   before its controls are made. */
HWND WaitForDialogWithControl(DWORD pid, int controlId, int timeoutMs = kWindowTimeoutMs);

/* ---- Reading ------------------------------------------------------------ */

std::string TextOf(HWND window);
std::string ItemText(HWND dialog, int id);
std::vector<std::string> ListRows(HWND listBox);
int ListSelection(HWND listBox); /* LB_ERR (-1) when none */
int ListItemHeight(HWND listBox);
bool IsEnabled(HWND window);
bool IsChecked(HWND dialog, int id);
RECT ScreenRect(HWND window);
/* The window's rectangle in the client coordinates of another window. */
RECT RectIn(HWND window, HWND reference);
std::string DescribeRect(const RECT &rect); /* "x,y wxh" */

/* ---- Acting ------------------------------------------------------------- */

/* Posted BM_CLICK: returns at once even when the button opens a modal box. */
void Click(HWND button);
bool ClickItem(HWND dialog, int id);
/* A menu command or accelerator as the window would receive it. */
void PostCommand(HWND window, int commandId);
/* The close box (the system menu's Close), as a user's click gives it. */
void PostCloseBox(HWND window);
bool SetItemText(HWND dialog, int id, const std::string &text);
bool SetChecked(HWND dialog, int id, bool checked);
bool SelectRow(HWND listBox, int row);
/* Brings the window to the foreground and types Ctrl+letter or Alt+F4. */
bool TypeCtrl(HWND window, char letter);
bool TypeAltF4(HWND window);

/* ---- Message boxes and the file chooser --------------------------------- */

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    bool HasButton(int id) const;
};

/* A message box of the process: "#32770" with its text in static 0xFFFF
   (the file chooser, also "#32770", has no such static). */
bool FindMessageBox(DWORD pid, MessageBoxSeen *box);
bool WaitForMessageBox(DWORD pid, MessageBoxSeen *box, int timeoutMs = kWindowTimeoutMs);
/* Presses IDOK, IDCANCEL, IDRETRY, IDYES or IDNO and waits until the box
   is gone. */
bool AnswerMessageBox(const MessageBoxSeen &box, int buttonId);

/* The platform's open-file dialog of the process (its file name field). */
HWND WaitForFileChooser(DWORD pid, int timeoutMs = kWindowTimeoutMs);
/* Types path into the file name field and presses Open, or presses
   Cancel; waits until the chooser is gone. */
bool ChooseFile(HWND chooser, const std::string &path);
bool CancelFileChooser(HWND chooser);

/* ---- The program's process --------------------------------------------- */

class Program {
public:
    Program() = default;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    ~Program(); /* ends a program still running */

    /* Starts it; a program started before is ended first. */
    bool Start(const std::string &exePath, const std::string &workingDir, std::string *error);
    DWORD Pid() const { return pid_; }
    bool Running() const;
    /* true when it ended within the time; exitCode receives its code. */
    bool WaitForExit(int timeoutMs, DWORD *exitCode);
    /* Ends it at once (after a failed check) and waits for the end. */
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

/* ---- Files -------------------------------------------------------------- */

bool FileExists(const std::string &path);
/* The whole file; empty when it cannot be read. */
std::string ReadFileBytes(const std::string &path);
bool WriteFileBytes(const std::string &path, const std::string &bytes);
/* Deletes a file or a folder with all it holds; true when none is left. */
bool DeleteTree(const std::string &path);
bool MakeFolders(const std::string &path);
/* Names of the entries of a folder, sorted ("." and ".." left out). */
std::vector<std::string> FolderEntries(const std::string &path);
std::string JoinPath(const std::string &dir, const std::string &name);
std::string FolderOf(const std::string &path);

/* Keeps a file open with read and delete sharing only, as a virus scanner
   does: the file can still be deleted, but not replaced or created again
   until the hold is released. */
class FileHold {
public:
    explicit FileHold(const std::string &path);
    FileHold(const FileHold &) = delete;
    FileHold &operator=(const FileHold &) = delete;
    ~FileHold() { Release(); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

/* ---- Where things are --------------------------------------------------- */

/* A program of the tree beside the test program (every one lands in bin/). */
std::string BesideTestProgram(const std::string &name);
std::string WindowsDirectory();
std::string WindowsSettingsPath(); /* <Windows directory>\Pelmora.ini */
std::string UserSettingsPath();    /* %APPDATA%\Pelmora\Pelmora.ini */

/* Saves a picture of the whole screen as <folder>\<name>.png when the
   environment names a folder in PELMORA_E2E_SCREENSHOTS (a Unix path);
   does nothing otherwise. false when a picture was asked for and failed. */
bool SaveScreenshot(const std::string &name);

} // namespace e2e

#endif
