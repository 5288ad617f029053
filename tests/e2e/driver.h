/*
 * Drives a real Windows program from a separate process, as a user would:
 * starts it, finds its windows, reads what they show, presses buttons,
 * types keys, and answers its message boxes and file choosers.
 *
 * What Wine allows across processes decides the shape of it: texts are
 * read in their W forms and converted to code page 1252 (the A forms come
 * back mangled), buttons are pressed with a posted BM_CLICK (a sent one
 * would block while the button's modal box is up), keys go through
 * SetForegroundWindow + SendInput, and menus cannot be read, so menu
 * commands are posted. Every wait polls and gives up after a generous
 * timeout: a slow machine costs time, never a verdict.
 *
 * All texts here are CP1252 bytes, like the program's own.
 */
#ifndef PELMORA_E2E_DRIVER_H
#define PELMORA_E2E_DRIVER_H

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

constexpr int kTimeoutMs = 15000;
/* The chooser's file name field (combo box cmb13) and the message box's
   text (static 0xFFFF). */
constexpr int kFileNameField = 0x47C, kMessageText = 0xFFFF;

inline bool WaitUntil(const std::function<bool()> &done, int timeoutMs = kTimeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (; !done(); Sleep(15))
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    return true;
}

/* Bounded, so a hung program fails a check instead of hanging the test;
   -1 when it was not answered. */
inline LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer) ? LRESULT(answer) : -1;
}

/* True once the window's thread is back in its message loop: a window
   shows before its controls are made. */
inline bool Sync(HWND window) { return IsWindow(window) && Ask(window, WM_NULL) == 0; }

using Match = std::function<bool(HWND)>;

inline Match OfClass(const char *className)
{
    return [className](HWND window) {
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        return _stricmp(name, className) == 0;
    };
}
/* A dialog holding a control of that identifier. */
inline Match DialogWith(int id)
{
    return [id](HWND w) { return OfClass("#32770")(w) && GetDlgItem(w, id); };
}
inline bool IsFileChooser(HWND window) { return DialogWith(kFileNameField)(window); }
inline bool IsMessageBox(HWND window) { return DialogWith(kMessageText)(window) && !IsFileChooser(window); }

/* The process's visible top-level windows that match. */
inline std::vector<HWND> WindowsOf(DWORD pid, const Match &match)
{
    std::vector<HWND> all, found;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    DWORD owner = 0;
    for (HWND window : all)
        if (GetWindowThreadProcessId(window, &owner) && owner == pid && IsWindowVisible(window) && match(window))
            found.push_back(window);
    return found;
}

/* The first one to come, once it answers; null when none came. */
inline HWND WaitFor(DWORD pid, const Match &match, int timeoutMs = kTimeoutMs)
{
    std::vector<HWND> found;
    WaitUntil([&] { return !(found = WindowsOf(pid, match)).empty(); }, timeoutMs);
    return !found.empty() && Sync(found[0]) ? found[0] : nullptr;
}

inline bool WaitUntilGone(HWND window)
{
    return WaitUntil([&] { return !IsWindow(window); });
}

/* A window's text, or with LB_GETTEXT a list box's row. */
inline std::string Read(HWND window, UINT message = WM_GETTEXT, WPARAM wParam = 4096)
{
    wchar_t text[4096] = L"";
    const int length = int(std::clamp<LRESULT>(Ask(window, message, wParam, LPARAM(text)), 0, 4095));
    std::string narrow(length, '\0');
    WideCharToMultiByte(1252, 0, text, length, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

inline std::string TextOf(HWND window, int id = 0) { return Read(id != 0 ? GetDlgItem(window, id) : window); }

inline bool SetText(HWND dialog, int controlId, const std::string &text)
{
    std::wstring wide(text.size(), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), int(text.size()), &wide[0], int(wide.size()));
    return Ask(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, LPARAM(wide.c_str())) == TRUE;
}

/* Posted, so that it returns even when the button opens a modal box. */
inline void Click(HWND window, int id = 0) { PostMessageW(id != 0 ? GetDlgItem(window, id) : window, BM_CLICK, 0, 0); }

/* True once the dialog is gone. */
inline bool Press(HWND dialog, int buttonId)
{
    Click(dialog, buttonId);
    return GetDlgItem(dialog, buttonId) != nullptr && WaitUntilGone(dialog);
}

/* Types the keys together, as {VK_CONTROL, 'Q'}; released in reverse order. */
inline bool TypeKeys(HWND window, const std::vector<WORD> &pressed)
{
    bool foreground = false;
    for (int attempt = 0; attempt < 5 && !foreground; ++attempt) {
        /* Activation reaches the window's thread as a message, and a window
           destroyed just before may hand it on late: the window must still
           be in front a moment after its thread has caught up. */
        SetForegroundWindow(window);
        foreground = WaitUntil([&] { return GetForegroundWindow() == window; }, 1000) && Sync(window);
        Sleep(100);
        foreground = foreground && GetForegroundWindow() == window;
    }
    std::vector<WORD> keys(pressed);
    keys.insert(keys.end(), pressed.rbegin(), pressed.rend());
    std::vector<INPUT> inputs(keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < keys.size(); ++i)
        inputs[i].ki = {keys[i], WORD(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC)),
                        i < keys.size() / 2 ? 0ul : KEYEVENTF_KEYUP, 0, 0};
    return foreground && SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

struct Program {
    PROCESS_INFORMATION info = {};

    ~Program() { Kill(); }
    bool Start(std::string commandLine, const char *workingDir)
    {
        Kill();
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workingDir, &startup,
                              &info) != FALSE;
    }
    /* STILL_ACTIVE (259) when it did not end in time. */
    DWORD ExitCode()
    {
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(info.hProcess, kTimeoutMs);
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    /* Harmless once the program ended, or before a start. */
    void Kill()
    {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, kTimeoutMs);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        info = {};
    }
};

/* A file kept open with read and delete sharing only, as a virus scanner
   does: it can still be deleted, but not written or made again until the
   hold is reset. Without delete sharing it cannot be deleted either. */
using FileHold = std::unique_ptr<void, BOOL(WINAPI *)(HANDLE)>;
inline FileHold Hold(const std::string &path, DWORD sharing = FILE_SHARE_READ | FILE_SHARE_DELETE)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    return FileHold(file == INVALID_HANDLE_VALUE ? nullptr : file, CloseHandle);
}

/* Empty when it cannot be read. */
inline std::string ReadFileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline bool WriteFileBytes(const std::string &path, const std::string &bytes)
{
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

/* A picture of the screen as <folder>/<name>.png when the environment names
   a folder in PELMORA_E2E_SCREENSHOTS (a Unix path); never a verdict. Wine
   starts a Unix program given by its Z: path, and reports it ended at once:
   the picture is taken once its file is there. ImageMagick's import reads
   the X screen, frames and captions of the virtual desktop included. */
inline void SaveScreenshot(const std::string &name)
{
    const char *folder = std::getenv("PELMORA_E2E_SCREENSHOTS");
    if (folder == nullptr || *folder == '\0')
        return;
    const std::string file = std::string(folder) + "/" + name + ".png";
    DeleteFileA(("Z:" + file).c_str());
    Program import;
    if (import.Start("Z:\\usr\\bin\\import -window root \"" + file + "\"", nullptr))
        WaitUntil([&] { return GetFileAttributesA(("Z:" + file).c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000);
}

} // namespace e2e

#endif
