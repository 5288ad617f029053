/*
 * The driver's Win32 work. Each function does one thing a user (or a
 * careful observer) could do; the scenarios decide what it means.
 */
#include "tests/e2e/driver.h"

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {

namespace fs = std::filesystem;

namespace {

constexpr UINT kCodePage = 1252;
constexpr int kPollMs = 15;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
/* The file name field of the platform's open-file dialog: the combo box
   cmb13 of the explorer-style template, or the edit edt1 of older ones. */
constexpr int kChooserFileNameCombo = 0x47C;
constexpr int kChooserFileNameEdit = 0x480;

/* A message sent across processes with a bound, so a hung program makes a
   check fail instead of hanging the test; fallback when not answered. */
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback)
{
    DWORD_PTR answer = 0;
    if (window == nullptr || !SendMessageTimeoutW(window, message, wParam, lParam,
                                                  SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer))
        return fallback;
    return static_cast<LRESULT>(answer);
}

std::wstring Widen(const std::string &text)
{
    std::wstring wide(text.size(), L'\0');
    int length = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                                     static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

/* Code page 1252 has one byte per character, so the length carries over. */
std::string Narrow(const std::wstring &text)
{
    std::string narrow(text.size(), '\0');
    int length = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                                     static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(std::max(length, 0)));
    return narrow;
}

std::string ClassOf(HWND window)
{
    wchar_t name[256] = L"";
    int length = GetClassNameW(window, name, 256);
    return Narrow(std::wstring(name, static_cast<std::size_t>(std::max(length, 0))));
}

bool SameClass(HWND window, const char *className)
{
    return className == nullptr || _stricmp(ClassOf(window).c_str(), className) == 0;
}

/* Visible top-level windows of the process, optionally of one class. */
std::vector<HWND> TopLevelWindows(DWORD pid, const char *className = nullptr)
{
    struct Search {
        DWORD pid;
        const char *className;
        std::vector<HWND> found;
    } search{pid, className, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto *search = reinterpret_cast<Search *>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->pid && IsWindowVisible(window) && SameClass(window, search->className))
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM context) -> BOOL {
            reinterpret_cast<std::vector<HWND> *>(context)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

/* Waits until find gives a window, then until that window answers. */
HWND WaitForWindow(const std::function<HWND()> &find, int timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; }, timeoutMs);
    return found != nullptr && Sync(found) ? found : nullptr;
}

/* The chooser's own field, or null when the window is no file chooser. */
HWND ChooserFileNameField(HWND chooser)
{
    HWND field = GetDlgItem(chooser, kChooserFileNameCombo);
    return field != nullptr ? field : GetDlgItem(chooser, kChooserFileNameEdit);
}

bool SetText(HWND window, const std::string &text)
{
    std::wstring wide = Widen(text);
    return Ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), FALSE) == TRUE;
}

bool TypeKeys(HWND window, std::initializer_list<WORD> keys)
{
    bool foreground = false;
    for (int attempt = 0; attempt < 5 && !foreground; ++attempt) {
        SetForegroundWindow(window);
        foreground = WaitUntil([&] { return GetForegroundWindow() == window; }, 1000) && Sync(window);
    }
    if (!foreground)
        return false;
    /* Pressed in order, released in reverse order. */
    std::vector<INPUT> inputs;
    for (int up = 0; up < 2; ++up)
        for (std::size_t i = 0; i < keys.size(); ++i) {
            WORD key = up ? keys.begin()[keys.size() - 1 - i] : keys.begin()[i];
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

} // namespace

/* ---- Waiting ------------------------------------------------------------ */

bool WaitUntil(const std::function<bool()> &pred, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!pred()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

void Pause(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

bool Sync(HWND window)
{
    return IsWindow(window) && Ask(window, WM_NULL, 0, 0, -1) == 0;
}

/* ---- Finding windows ---------------------------------------------------- */

HWND FindTopLevelWindow(DWORD pid, const char *className)
{
    std::vector<HWND> windows = TopLevelWindows(pid, className);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForTopLevelWindow(DWORD pid, const char *className, int timeoutMs)
{
    return WaitForWindow([&] { return FindTopLevelWindow(pid, className); }, timeoutMs);
}

bool WaitUntilGone(HWND window, int timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::string DescribeTopLevelWindows(DWORD pid)
{
    std::string description;
    for (HWND window : TopLevelWindows(pid)) {
        description += (description.empty() ? "" : ", ") + ClassOf(window) + " " + Visible(TextOf(window));
        if (HWND messageText = GetDlgItem(window, kMessageBoxTextId))
            description += " saying " + Visible(TextOf(messageText));
    }
    return description.empty() ? "no window" : description;
}

std::vector<HWND> ChildWindows(HWND parent, const char *className)
{
    std::vector<HWND> children;
    for (HWND window : Descendants(parent))
        if (GetAncestor(window, GA_PARENT) == parent && SameClass(window, className))
            children.push_back(window);
    std::stable_sort(children.begin(), children.end(), [](HWND a, HWND b) {
        RECT ra = ScreenRect(a), rb = ScreenRect(b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return children;
}

std::vector<HWND> DialogsWithControl(DWORD pid, int controlId)
{
    std::vector<HWND> dialogs;
    for (HWND top : TopLevelWindows(pid)) {
        std::vector<HWND> candidates = Descendants(top);
        candidates.insert(candidates.begin(), top);
        for (HWND window : candidates)
            if (SameClass(window, "#32770") && IsWindowVisible(window) && GetDlgItem(window, controlId))
                dialogs.push_back(window);
    }
    return dialogs;
}

HWND WaitForDialogWithControl(DWORD pid, int controlId, int timeoutMs)
{
    return WaitForWindow(
        [&]() -> HWND {
            std::vector<HWND> found = DialogsWithControl(pid, controlId);
            return found.empty() ? nullptr : found.front();
        },
        timeoutMs);
}

/* ---- Reading ------------------------------------------------------------ */

std::string TextOf(HWND window)
{
    LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0, 0);
    if (length <= 0)
        return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), 0);
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, std::min<LRESULT>(copied, length))));
    return Narrow(text);
}

std::string ItemText(HWND dialog, int id)
{
    return TextOf(GetDlgItem(dialog, id));
}

std::vector<std::string> ListRows(HWND listBox)
{
    std::vector<std::string> rows;
    LRESULT count = Ask(listBox, LB_GETCOUNT, 0, 0, LB_ERR);
    for (LRESULT row = 0; row < count; ++row) {
        LRESULT length = Ask(listBox, LB_GETTEXTLEN, row, 0, LB_ERR);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        LRESULT copied = length == LB_ERR ? LB_ERR
                                          : Ask(listBox, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]), LB_ERR);
        text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(std::min(copied, length)));
        rows.push_back(copied == LB_ERR ? "<unreadable row>" : Narrow(text));
    }
    return rows;
}

int ListSelection(HWND listBox)
{
    return static_cast<int>(Ask(listBox, LB_GETCURSEL, 0, 0, LB_ERR));
}

int ListItemHeight(HWND listBox)
{
    return static_cast<int>(Ask(listBox, LB_GETITEMHEIGHT, 0, 0, LB_ERR));
}

bool IsEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

bool IsChecked(HWND dialog, int id)
{
    return Ask(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, BST_UNCHECKED) == BST_CHECKED;
}

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectIn(HWND window, HWND reference)
{
    RECT rect = ScreenRect(window);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

std::string DescribeRect(const RECT &rect)
{
    char text[80];
    std::snprintf(text, sizeof text, "%ld,%ld %ldx%ld", rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
    return text;
}

/* ---- Acting ------------------------------------------------------------- */

void Click(HWND button)
{
    PostMessageW(button, BM_CLICK, 0, 0);
}

bool ClickItem(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr)
        Click(button);
    return button != nullptr;
}

void PostCommand(HWND window, int commandId)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void PostCloseBox(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool SetItemText(HWND dialog, int id, const std::string &text)
{
    return SetText(GetDlgItem(dialog, id), text);
}

bool SetChecked(HWND dialog, int id, bool checked)
{
    return Ask(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0, -1) == 0;
}

bool SelectRow(HWND listBox, int row)
{
    return Ask(listBox, LB_SETCURSEL, static_cast<WPARAM>(row), 0, LB_ERR - 1) == row;
}

bool TypeCtrl(HWND window, char letter)
{
    return TypeKeys(window, {VK_CONTROL, static_cast<WORD>(letter)});
}

bool TypeAltF4(HWND window)
{
    return TypeKeys(window, {VK_MENU, VK_F4});
}

/* ---- Message boxes and the file chooser --------------------------------- */

bool MessageBoxSeen::HasButton(int id) const
{
    HWND button = GetDlgItem(window, id);
    return button != nullptr && SameClass(button, "Button");
}

bool FindMessageBox(DWORD pid, MessageBoxSeen *box)
{
    for (HWND window : TopLevelWindows(pid, "#32770")) {
        HWND text = GetDlgItem(window, kMessageBoxTextId);
        if (text == nullptr || !SameClass(text, "Static") || ChooserFileNameField(window) != nullptr)
            continue;
        *box = {window, TextOf(window), TextOf(text)};
        return true;
    }
    return false;
}

bool WaitForMessageBox(DWORD pid, MessageBoxSeen *box, int timeoutMs)
{
    /* The box is visible before its buttons exist; read it again once its
       thread is back in the loop. */
    return WaitUntil([&] { return FindMessageBox(pid, box); }, timeoutMs) && Sync(box->window) &&
           FindMessageBox(pid, box);
}

bool AnswerMessageBox(const MessageBoxSeen &box, int buttonId)
{
    return box.HasButton(buttonId) && ClickItem(box.window, buttonId) && WaitUntilGone(box.window);
}

HWND WaitForFileChooser(DWORD pid, int timeoutMs)
{
    return WaitForWindow(
        [&]() -> HWND {
            for (HWND window : TopLevelWindows(pid, "#32770"))
                if (ChooserFileNameField(window) != nullptr && GetDlgItem(window, IDOK) != nullptr)
                    return window;
            return nullptr;
        },
        timeoutMs);
}

bool ChooseFile(HWND chooser, const std::string &path)
{
    /* The combo box passes the text on to its edit field, where the
       chooser reads it when Open is pressed. */
    return SetText(ChooserFileNameField(chooser), path) && ClickItem(chooser, IDOK) && WaitUntilGone(chooser);
}

bool CancelFileChooser(HWND chooser)
{
    return ClickItem(chooser, IDCANCEL) && WaitUntilGone(chooser);
}

/* ---- The program's process --------------------------------------------- */

Program::~Program()
{
    Kill();
    if (process_ != nullptr)
        CloseHandle(process_);
}

bool Program::Start(const std::string &exePath, const std::string &workingDir, std::string *error)
{
    Kill();
    if (process_ != nullptr)
        CloseHandle(process_);
    process_ = nullptr;
    if (!FileExists(exePath)) {
        *error = "no program at " + exePath + " (is the target Pelmora built?)";
        return false;
    }
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.c_str(), &startup, &info)) {
        *error = "CreateProcess failed for " + exePath + ", error " + std::to_string(GetLastError());
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    return true;
}

bool Program::Running() const
{
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(int timeoutMs, DWORD *exitCode)
{
    if (process_ == nullptr || WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_, exitCode) != FALSE;
}

void Program::Kill()
{
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, kExitTimeoutMs);
    }
}

/* ---- Files -------------------------------------------------------------- */

bool FileExists(const std::string &path)
{
    return fs::is_regular_file(path);
}

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    file.close();
    return !file.fail();
}

bool DeleteTree(const std::string &path)
{
    std::error_code error;
    fs::remove_all(path, error);
    return !fs::exists(path, error);
}

bool MakeFolders(const std::string &path)
{
    std::error_code error;
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

std::vector<std::string> FolderEntries(const std::string &path)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(path, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string JoinPath(const std::string &dir, const std::string &name)
{
    return !dir.empty() && dir.back() == '\\' ? dir + name : dir + "\\" + name;
}

std::string FolderOf(const std::string &path)
{
    std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

FileHold::FileHold(const std::string &path)
{
    handle_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void FileHold::Release()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

/* ---- Where things are --------------------------------------------------- */

std::string BesideTestProgram(const std::string &name)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return JoinPath(FolderOf(path), name);
}

std::string WindowsDirectory()
{
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

std::string WindowsSettingsPath()
{
    return JoinPath(WindowsDirectory(), "Pelmora.ini");
}

std::string UserSettingsPath()
{
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    return JoinPath(JoinPath(appData, "Pelmora"), "Pelmora.ini");
}

bool SaveScreenshot(const std::string &name)
{
    const char *folder = std::getenv("PELMORA_E2E_SCREENSHOTS");
    if (folder == nullptr || folder[0] == '\0')
        return true;
    std::string unixFile = std::string(folder) + "/" + name + ".png";
    std::string windowsFile = "Z:" + unixFile;
    std::replace(windowsFile.begin(), windowsFile.end(), '/', '\\');
    DeleteTree(windowsFile);
    /* Wine starts a Unix program given by its Z: path; ImageMagick's import
       then reads the X screen, frames and captions of the virtual desktop
       included. */
    std::string commandLine = "Z:\\usr\\bin\\import -window root \"" + unixFile + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    WaitForSingleObject(info.hProcess, 30000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return WaitUntil([&] { return FileExists(windowsFile); }, 5000);
}

} // namespace e2e
