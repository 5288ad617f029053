/*
 * The driver's Win32 work. Each function does one thing a user (or a
 * careful observer) could do; the scenarios decide what it means.
 */
#include "tests/e2e/driver.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace e2e {

namespace {

constexpr UINT kCodePage = 1252;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
/* The file name field of the platform's open-file dialog: the combo box
   cmb13 of the explorer-style template, or the edit edt1 of older ones. */
constexpr int kChooserFileNameCombo = 0x47C;
constexpr int kChooserFileNameEdit = 0x480;

bool SameClass(HWND window, const char *className)
{
    return className == nullptr || _stricmp(ClassOf(window).c_str(), className) == 0;
}

DWORD ProcessOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

/* A message sent across processes with a bound, so a hung program makes a
   check fail instead of hanging the test. 0 when it was not answered. */
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &answer))
        return false;
    if (result != nullptr)
        *result = static_cast<LRESULT>(answer);
    return true;
}

LRESULT SendOr(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback)
{
    LRESULT result = fallback;
    if (!Send(window, message, wParam, lParam, &result))
        return fallback;
    return result;
}

struct TopLevelSearch {
    DWORD pid;
    const char *className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context)
{
    auto *search = reinterpret_cast<TopLevelSearch *>(context);
    if (ProcessOf(window) == search->pid && IsWindowVisible(window) &&
        SameClass(window, search->className))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectDescendant(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND> *>(context)->push_back(window);
    return TRUE;
}

bool IsDialog(HWND window)
{
    return SameClass(window, "#32770");
}

/* The chooser's own field, or null when the window is no file chooser. */
HWND ChooserFileNameField(HWND chooser)
{
    HWND field = GetDlgItem(chooser, kChooserFileNameCombo);
    if (field == nullptr)
        field = GetDlgItem(chooser, kChooserFileNameEdit);
    return field;
}

void AddKey(std::vector<INPUT> *inputs, WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs->push_back(input);
}

bool BringToForeground(HWND window)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        SetForegroundWindow(window);
        if (WaitUntil([&] { return GetForegroundWindow() == window; }, 1000))
            return Sync(window);
    }
    return false;
}

std::string UnixToWindowsPath(const std::string &unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

/* ---- Waiting ------------------------------------------------------------ */

bool WaitUntil(const std::function<bool()> &pred, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (pred())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(kPollMs);
    }
}

void Pause(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

bool Sync(HWND window)
{
    return IsWindow(window) && Send(window, WM_NULL, 0, 0, nullptr);
}

/* ---- Texts -------------------------------------------------------------- */

std::wstring Widen(const std::string &cp1252)
{
    if (cp1252.empty())
        return std::wstring();
    int length = MultiByteToWideChar(kCodePage, 0, cp1252.data(), static_cast<int>(cp1252.size()),
                                     nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, cp1252.data(), static_cast<int>(cp1252.size()), &wide[0],
                        length);
    return wide;
}

std::string Narrow(const std::wstring &text)
{
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                        length, nullptr, nullptr);
    return narrow;
}

std::string Visible(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        char escaped[8];
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else if (c < 32 || c > 126) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

/* ---- Finding windows ---------------------------------------------------- */

std::string ClassOf(HWND window)
{
    wchar_t name[256] = L"";
    int length = GetClassNameW(window, name, 256);
    return Narrow(std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

std::vector<HWND> TopLevelWindows(DWORD pid, const char *className)
{
    TopLevelSearch search{pid, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(DWORD pid, const char *className)
{
    std::vector<HWND> windows = TopLevelWindows(pid, className);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForTopLevelWindow(DWORD pid, const char *className, int timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevelWindow(pid, className)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntilGone(HWND window, int timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::string DescribeTopLevelWindows(DWORD pid)
{
    std::string description;
    for (HWND window : TopLevelWindows(pid)) {
        if (!description.empty())
            description += ", ";
        description += ClassOf(window) + " \"" + Visible(TextOf(window)) + "\"";
        HWND messageText = GetDlgItem(window, kMessageBoxTextId);
        if (messageText != nullptr)
            description += " saying \"" + Visible(TextOf(messageText)) + "\"";
    }
    return description.empty() ? "no window" : description;
}

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&all));
    return all;
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

HWND WaitForControl(HWND parent, int id, int timeoutMs)
{
    HWND control = nullptr;
    if (!WaitUntil([&] { return (control = GetDlgItem(parent, id)) != nullptr; }, timeoutMs))
        return nullptr;
    return Sync(parent) ? control : nullptr;
}

std::vector<HWND> DialogsWithControl(DWORD pid, int controlId)
{
    std::vector<HWND> candidates;
    for (HWND top : TopLevelWindows(pid)) {
        candidates.push_back(top);
        for (HWND inner : Descendants(top))
            if (IsDialog(inner) && IsWindowVisible(inner))
                candidates.push_back(inner);
    }
    std::vector<HWND> dialogs;
    for (HWND window : candidates)
        if (IsDialog(window) && GetDlgItem(window, controlId) != nullptr)
            dialogs.push_back(window);
    return dialogs;
}

HWND WaitForDialogWithControl(DWORD pid, int controlId, int timeoutMs)
{
    HWND dialog = nullptr;
    if (!WaitUntil(
            [&] {
                std::vector<HWND> found = DialogsWithControl(pid, controlId);
                dialog = found.empty() ? nullptr : found.front();
                return dialog != nullptr;
            },
            timeoutMs))
        return nullptr;
    return Sync(dialog) ? dialog : nullptr;
}

/* ---- Reading ------------------------------------------------------------ */

std::string TextOf(HWND window)
{
    LRESULT length = 0;
    if (window == nullptr || !Send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied))
        return std::string();
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, copied)));
    return Narrow(text);
}

std::string ItemText(HWND dialog, int id)
{
    return TextOf(GetDlgItem(dialog, id));
}

std::vector<std::string> ListRows(HWND listBox)
{
    std::vector<std::string> rows;
    LRESULT count = SendOr(listBox, LB_GETCOUNT, 0, 0, LB_ERR);
    for (LRESULT row = 0; row < count; ++row) {
        LRESULT length = SendOr(listBox, LB_GETTEXTLEN, row, 0, LB_ERR);
        if (length == LB_ERR) {
            rows.push_back("<unreadable row>");
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        LRESULT copied =
            SendOr(listBox, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]), LB_ERR);
        text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
        rows.push_back(Narrow(text));
    }
    return rows;
}

int ListCount(HWND listBox)
{
    return static_cast<int>(SendOr(listBox, LB_GETCOUNT, 0, 0, LB_ERR));
}

int ListSelection(HWND listBox)
{
    return static_cast<int>(SendOr(listBox, LB_GETCURSEL, 0, 0, LB_ERR));
}

int ListItemHeight(HWND listBox)
{
    return static_cast<int>(SendOr(listBox, LB_GETITEMHEIGHT, 0, 0, LB_ERR));
}

bool IsEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

LONG StyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE);
}

LONG ExtendedStyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_EXSTYLE);
}

bool IsChecked(HWND dialog, int id)
{
    return SendOr(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, BST_UNCHECKED) == BST_CHECKED;
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
    if (button == nullptr)
        return false;
    Click(button);
    return true;
}

void PostCommand(HWND window, int commandId)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void PostCloseBox(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool SetText(HWND window, const std::string &text)
{
    std::wstring wide = Widen(text);
    LRESULT done = FALSE;
    return window != nullptr &&
           Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), &done) && done;
}

bool SetItemText(HWND dialog, int id, const std::string &text)
{
    return SetText(GetDlgItem(dialog, id), text);
}

bool SetChecked(HWND dialog, int id, bool checked)
{
    HWND box = GetDlgItem(dialog, id);
    return box != nullptr &&
           Send(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0, nullptr);
}

bool SelectRow(HWND listBox, int row)
{
    return SendOr(listBox, LB_SETCURSEL, static_cast<WPARAM>(row), 0, LB_ERR) == row;
}

bool TypeKey(HWND window, WORD key, std::initializer_list<WORD> modifiers)
{
    if (!BringToForeground(window))
        return false;
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        AddKey(&inputs, modifier, false);
    AddKey(&inputs, key, false);
    AddKey(&inputs, key, true);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        AddKey(&inputs, *it, true);
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

bool TypeCtrl(HWND window, char letter)
{
    return TypeKey(window, static_cast<WORD>(letter), {VK_CONTROL});
}

bool TypeAltF4(HWND window)
{
    return TypeKey(window, VK_F4, {VK_MENU});
}

/* ---- Message boxes ------------------------------------------------------ */

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
        box->window = window;
        box->caption = TextOf(window);
        box->text = TextOf(text);
        return true;
    }
    return false;
}

bool WaitForMessageBox(DWORD pid, MessageBoxSeen *box, int timeoutMs)
{
    if (!WaitUntil([&] { return FindMessageBox(pid, box); }, timeoutMs))
        return false;
    /* The box is visible before its buttons exist; read it again once its
       thread is back in the loop. */
    if (!Sync(box->window))
        return false;
    return FindMessageBox(pid, box);
}

bool AnswerMessageBox(const MessageBoxSeen &box, int buttonId)
{
    if (!box.HasButton(buttonId) || !ClickItem(box.window, buttonId))
        return false;
    return WaitUntilGone(box.window);
}

/* ---- File chooser ------------------------------------------------------- */

HWND WaitForFileChooser(DWORD pid, int timeoutMs)
{
    HWND chooser = nullptr;
    bool found = WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(pid, "#32770"))
                if (ChooserFileNameField(window) != nullptr && GetDlgItem(window, IDOK) != nullptr) {
                    chooser = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found && Sync(chooser) ? chooser : nullptr;
}

bool ChooseFile(HWND chooser, const std::string &path)
{
    /* The combo box passes the text on to its edit field, where the
       chooser reads it when Open is pressed. */
    if (!SetText(ChooserFileNameField(chooser), path) || !ClickItem(chooser, IDOK))
        return false;
    return WaitUntilGone(chooser);
}

bool CancelFileChooser(HWND chooser)
{
    return ClickItem(chooser, IDCANCEL) && WaitUntilGone(chooser);
}

/* ---- The program's process --------------------------------------------- */

Program::~Program()
{
    if (Running())
        Kill();
    if (process_ != nullptr)
        CloseHandle(process_);
}

bool Program::Start(const std::string &exePath, const std::string &workingDir, std::string *error)
{
    if (process_ != nullptr) {
        *error = "the program was started already";
        return false;
    }
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
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    if (exitCode != nullptr)
        *exitCode = code;
    return true;
}

void Program::Kill()
{
    if (!Running())
        return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, kExitTimeoutMs);
}

/* ---- Files -------------------------------------------------------------- */

bool FileExists(const std::string &path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string &path, bool *exists)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (exists != nullptr)
        *exists = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string &path, const std::string &bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    CloseHandle(file);
    return ok;
}

bool DeleteFileIfThere(const std::string &path)
{
    if (DeleteFileA(path.c_str()))
        return true;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool DeleteTree(const std::string &path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileA(path.c_str()) != FALSE;
    }
    bool ok = true;
    for (const std::string &entry : FolderEntries(path))
        ok = DeleteTree(JoinPath(path, entry)) && ok;
    return RemoveDirectoryA(path.c_str()) != FALSE && ok;
}

bool MakeFolders(const std::string &path)
{
    for (std::size_t i = 3; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CopyFileTo(const std::string &from, const std::string &to)
{
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

std::vector<std::string> FolderEntries(const std::string &path)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(path, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string JoinPath(const std::string &dir, const std::string &name)
{
    if (!dir.empty() && dir.back() == '\\')
        return dir + name;
    return dir + "\\" + name;
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

FileHold::~FileHold()
{
    Release();
}

void FileHold::Release()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

/* ---- Where things are --------------------------------------------------- */

std::string TestProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

std::string PelmoraExePath()
{
    return JoinPath(TestProgramFolder(), "Pelmora.exe");
}

std::string FakeEjayExePath()
{
    return JoinPath(TestProgramFolder(), "fake_ejay.exe");
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
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData) != S_OK) {
        const char *fromEnvironment = std::getenv("APPDATA");
        std::snprintf(appData, sizeof appData, "%s", fromEnvironment ? fromEnvironment : "");
    }
    return JoinPath(JoinPath(appData, "Pelmora"), "Pelmora.ini");
}

bool ScreenshotsWanted()
{
    const char *folder = std::getenv("PELMORA_E2E_SCREENSHOTS");
    return folder != nullptr && folder[0] != '\0';
}

bool SaveScreenshot(const std::string &name)
{
    if (!ScreenshotsWanted())
        return true;
    std::string unixFile = std::string(std::getenv("PELMORA_E2E_SCREENSHOTS")) + "/" + name + ".png";
    std::string windowsFile = UnixToWindowsPath(unixFile);
    DeleteFileIfThere(windowsFile);
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
