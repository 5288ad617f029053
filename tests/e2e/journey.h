/*
 * What the journeys stand on. First a driver for a real Windows program,
 * from a separate process, as a user would: it starts the program, finds
 * its windows, reads what they show, presses buttons, types keys, and
 * answers its message boxes and file choosers.
 *
 * What Wine allows across processes decides the shape of it: texts are
 * read in their W forms and converted to code page 1252 (the A forms come
 * back mangled), buttons are pressed with a posted BM_CLICK (a sent one
 * would block while the button's modal box is up), keys go through
 * SetForegroundWindow + SendInput, and menus cannot be read, so menu
 * commands are posted. Every wait polls and gives up after a generous
 * timeout: a slow machine costs time, never a verdict. All texts here are
 * CP1252 bytes, like the program's own.
 *
 * Then what the journeys share: Ejay's list files and Pelmora's settings
 * file written by the test, a fresh Ejay folder C:\pelmora-e2e\<test> with
 * no settings file in either place, the program started from there, and
 * its main window read pane by pane. A journey ends the program itself;
 * when a check fails first, the fixture's end ends it, so the next journey
 * starts on an empty desktop.
 */
#ifndef PELMORA_E2E_JOURNEY_H
#define PELMORA_E2E_JOURNEY_H

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource.h"

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

/* True once the dialog is gone. The button is looked for before it is
   pressed: a quick program has destroyed it by the time the press returns. */
inline bool Press(HWND dialog, int buttonId)
{
    const bool there = GetDlgItem(dialog, buttonId) != nullptr;
    Click(dialog, buttonId);
    return there && WaitUntil([&] { return !IsWindow(dialog); });
}

/* The window in front, once its thread has caught up. */
inline bool BringToFront(HWND window)
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
    return foreground;
}

inline bool Send(std::vector<INPUT> inputs)
{
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

/* Types the keys together, as {VK_CONTROL, 'Q'}; released in reverse order. */
inline bool TypeKeys(HWND window, const std::vector<WORD> &pressed)
{
    std::vector<WORD> keys(pressed);
    keys.insert(keys.end(), pressed.rbegin(), pressed.rend());
    std::vector<INPUT> inputs(keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < keys.size(); ++i)
        inputs[i].ki = {keys[i], WORD(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC)),
                        i < keys.size() / 2 ? 0ul : KEYEVENTF_KEYUP, 0, 0};
    return BringToFront(window) && Send(inputs);
}

/* Types text (CP1252) character by character, as a keyboard would. */
inline bool TypeText(HWND window, const std::string &text)
{
    std::vector<INPUT> inputs;
    for (char c : text) {
        wchar_t wide = 0;
        MultiByteToWideChar(1252, 0, &c, 1, &wide, 1);
        for (DWORD up : {0ul, DWORD(KEYEVENTF_KEYUP)}) {
            inputs.push_back(INPUT{INPUT_KEYBOARD, {}});
            inputs.back().ki = {0, WORD(wide), KEYEVENTF_UNICODE | up, 0, 0};
        }
    }
    return BringToFront(window) && Send(inputs);
}

/* The control that has the keyboard focus in the window's thread. */
inline HWND Focused(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

/* Files dragged from this process onto a point of the screen and dropped
   there, as Explorer drags them: OLE drag and drop, the program reading
   the names through its own copy of the data. Posting WM_DROPFILES would
   hand the program a memory handle of this process, which it cannot read.
   Wine 8's DoDragDrop drops only on a window registered with
   RegisterDragDrop, at the pointer's place: the pointer is put there, and
   the drop happens at the first look at the mouse. */
class FileDrag : public IDataObject, public IDropSource {
public:
    explicit FileDrag(const std::vector<std::string> &paths)
    {
        for (const std::string &path : paths) {
            std::wstring wide(path.size(), L'\0');
            MultiByteToWideChar(1252, 0, path.data(), int(path.size()), &wide[0], int(wide.size()));
            names_ += wide + L'\0';
        }
        names_ += L'\0';
    }
    /* true once the program took the drop. */
    bool DropAt(POINT onScreen)
    {
        DWORD effect = DROPEFFECT_NONE;
        const bool ready = SUCCEEDED(OleInitialize(nullptr)) && SetCursorPos(onScreen.x, onScreen.y);
        const bool dropped = ready && DoDragDrop(this, this, DROPEFFECT_COPY, &effect) == DRAGDROP_S_DROP;
        OleUninitialize();
        return dropped && effect == DROPEFFECT_COPY;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        *object = nullptr;
        if (id == IID_IDataObject)
            *object = static_cast<IDataObject *>(this);
        if (id == IID_IDropSource || id == IID_IUnknown)
            *object = static_cast<IDropSource *>(this);
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC *format) override
    {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    /* A DROPFILES block, as the shell makes it, for each call. */
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC *format, STGMEDIUM *medium) override
    {
        const SIZE_T size = sizeof(DROPFILES) + names_.size() * sizeof(wchar_t);
        HGLOBAL block = QueryGetData(format) == S_OK ? GlobalAlloc(GHND, size) : nullptr;
        if (block == nullptr)
            return DV_E_FORMATETC;
        DROPFILES *drop = static_cast<DROPFILES *>(GlobalLock(block));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::copy(names_.begin(), names_.end(), reinterpret_cast<wchar_t *>(drop + 1));
        GlobalUnlock(block);
        *medium = {TYMED_HGLOBAL, {}, nullptr};
        medium->hGlobal = block;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC *, STGMEDIUM *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC *, FORMATETC *out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC *, STGMEDIUM *, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC **out) override
    {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA **) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::wstring names_; /* each name ends in a NUL, and the list in another */
};

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
    Sleep(700); /* what was just made is painted */
    Program import;
    if (import.Start("Z:\\usr\\bin\\import -window root \"" + file + "\"", nullptr))
        WaitUntil([&] { return GetFileAttributesA(("Z:" + file).c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000);
}

/* ---- What the journeys share ------------------------------------------ */

namespace fs = std::filesystem;

enum Pane { LOOP, BASS, SYNTHY, VOICE, EFFECT, DRUM, SEQUENCE, SPECIAL, RAP };

/* One record of a list file: seven quoted lines. */
struct Sample {
    std::string number, path, extra, keyword, duration, name1, name2;
};

/* Named "<tag> <keyword> <n>.": no name is part of another, so a row is
   known by the name it shows (how a row is laid out is the native tests'
   business). */
inline std::vector<Sample> Samples(const std::string &tag, const std::string &keyword, int count)
{
    std::vector<Sample> samples;
    for (int n = 1; n <= count; ++n) {
        const std::string i = std::to_string(n);
        samples.push_back({i, "C:\\Ejay\\" + tag + "\\" + keyword + i + ".pxd", "x", keyword, std::to_string(n % 9 + 1),
                           tag + " " + keyword + " " + i + ".", "ligne"});
    }
    return samples;
}

inline std::string ListText(const std::vector<Sample> &samples, const char *eol = "\r\n")
{
    std::string text;
    for (const Sample &s : samples)
        for (const std::string *line : {&s.number, &s.path, &s.extra, &s.keyword, &s.duration, &s.name1, &s.name2})
            text += "\"" + *line + "\"" + eol;
    return text;
}

inline std::string MissingText(const std::string &path)
{
    return "Le fichier \"" + path + "\" est introuvable !" + std::string(12, ' ');
}

struct Settings {
    std::string ejayDir, progEjay, autosave = "1", backup = "0", runEjay = "0", position = "100,20";
};

/* As the program writes it. */
inline std::string SettingsText(const Settings &s)
{
    return "[SYSTEM]\r\nejayDir=" + s.ejayDir + "\r\nprogEjay=" + s.progEjay + "\r\nautosave=" + s.autosave +
           "\r\nbackup=" + s.backup + "\r\nrunEjay=" + s.runEjay + "\r\n\r\n[WINDOW]\r\nposition=" + s.position +
           "\r\n\r\n";
}

inline std::string WindowsSettingsPath() { return std::string(std::getenv("windir")) + "\\Pelmora.ini"; }
inline std::string UserSettingsPath() { return std::string(std::getenv("APPDATA")) + "\\Pelmora\\Pelmora.ini"; }

/* "x,y wxh" */
inline std::string Rect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

/* The three lists of a folder (or their backups), between bars. */
inline std::string Lists(const std::string &folder, const std::string &suffix = "")
{
    return ReadFileBytes(folder + "\\pxddance" + suffix) + "|" + ReadFileBytes(folder + "\\pxdrave" + suffix) + "|" +
           ReadFileBytes(folder + "\\pxdhiphp" + suffix);
}

class Journey : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::string("C:\\pelmora-e2e\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove(WindowsSettingsPath());
        fs::remove(UserSettingsPath());
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directories(dir_)) << dir_;
    }
    /* The Ejay folder of this journey, or a file in it. */
    std::string Dir(const std::string &name = "") const { return name.empty() ? dir_ : dir_ + "\\" + name; }
    bool WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop)
    {
        return WriteFileBytes(Dir("pxddance"), dance) && WriteFileBytes(Dir("pxdrave"), rave) &&
               WriteFileBytes(Dir("pxdhiphp"), hiphop);
    }
    /* Found beside the test program, where every program of the tree lands. */
    bool Start() { return program_.Start("Pelmora.exe", dir_.c_str()); }
    DWORD Pid() const { return program_.info.dwProcessId; }

    /* Once its last button is made. */
    bool OpenMainWindow()
    {
        main_ = WaitFor(
            Pid(), [](HWND w) { return OfClass(MAIN_CLASS_NAME)(w) && GetDlgItem(w, IDC_PANE_LAST); }, 25000);
        return main_ != nullptr;
    }
    /* kind 0 Ajouter, 1 Modifier, 2 Supprimer */
    HWND Button(int pane, int kind) const { return GetDlgItem(main_, PANE_BUTTON_ID(pane, kind)); }
    /* Made just before the pane's buttons. */
    HWND List(int pane) const { return GetWindow(Button(pane, 0), GW_HWNDPREV); }

    /* Null when none comes. */
    HWND NextMessage() { return WaitFor(Pid(), IsMessageBox); }
    static std::string MessageText(HWND box) { return TextOf(box, kMessageText); }
    /* The next message's text, once answered with that button. */
    std::string Answer(int button)
    {
        HWND box = NextMessage();
        const std::string text = MessageText(box);
        EXPECT_TRUE(box && Press(box, button)) << text;
        return text;
    }

    /* Soon the pane shows these samples (a table holds the first 500, the
       rest is kept aside unseen), the first row selected; Ajouter enabled
       while there is room, Modifier, Supprimer and the list while there are
       entries (a timer sets them). A row is known by the name it shows. */
    ::testing::AssertionResult Shows(int pane, std::vector<Sample> samples)
    {
        samples.resize(std::min<std::size_t>(samples.size(), 500));
        std::string seen, expected = samples.size() < 500 ? "1" : "0";
        expected += samples.empty() ? "000 -1" : "111 0";
        for (const Sample &sample : samples)
            expected += "\n" + sample.name1;
        const bool same = WaitUntil(
            [&] {
                seen.clear();
                for (HWND control : {Button(pane, 0), Button(pane, 1), Button(pane, 2), List(pane)})
                    seen += IsWindowEnabled(control) ? "1" : "0";
                seen += " " + std::to_string(Ask(List(pane), LB_GETCURSEL));
                for (LRESULT row = 0, count = Ask(List(pane), LB_GETCOUNT); row < count; ++row) {
                    const std::string text = Read(List(pane), LB_GETTEXT, row);
                    const std::string &name = std::size_t(row) < samples.size() ? samples[row].name1 : text;
                    seen += "\n" + (text.find(name) != std::string::npos ? name : text);
                }
                return seen == expected;
            },
            5000);
        return ::testing::AssertionResult(same) << "pane " << pane << " shows\n" << seen << "\nnot\n" << expected;
    }

    Program program_;
    HWND main_ = nullptr;

private:
    std::string dir_;
};

} // namespace e2e

#endif
