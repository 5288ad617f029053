/*
 * Start-up: window classes, the start-up checks, the settings and the
 * sample lists, then the intro (or the first-run System dialog), and the
 * program's one message loop.
 */
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "app/program_texts.h"
#include "files/files.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/system_dialog.h"
#include "zef/zef.h"

namespace {

void RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PELMORA));
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(MAIN_BACKGROUND_COLOUR);
    windowClass.lpszClassName = MAIN_CLASS_NAME;
    RegisterClassExA(&windowClass);
}

void RegisterIntroWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = IntroWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_PELMORA));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = INTRO_CLASS_NAME;
    RegisterClassExA(&windowClass);
}

void LoadIntroPicture(HINSTANCE instance)
{
    g_hIntroBitmap = LoadBitmapA(instance, IDB_INTRO_NAME);
    if (g_hIntroBitmap == nullptr) {
        ShowProgramMessage(TEXT_NO_INTRO_PICTURE, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CheckScreenSize(void)
{
    g_screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g_screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (g_screenWidth < MAIN_WINDOW_WIDTH || g_screenHeight < MAIN_WINDOW_HEIGHT) {
        ShowProgramMessage(TEXT_SMALL_SCREEN, MB_OK | MB_ICONINFORMATION);
    }
}

/* Defaults: the main window centred, Dance shown, the Windows directory. */
void SetDefaultSettings(void)
{
    AppSettings *settings = &g_appState.settings;
    std::memset(&g_appState, 0, sizeof g_appState);
    settings->position.left = (g_screenWidth - MAIN_WINDOW_WIDTH) / 2;
    settings->position.top = (g_screenHeight - MAIN_WINDOW_HEIGHT) / 2;
    settings->currentStyle = STYLE_DANCE;
    UseThePlatformsSettingsFolders(settings);
}

void OpenFirstRunForm(const char *reason)
{
    ShowProgramMessage(reason, MB_OK | MB_ICONINFORMATION);
    OpenSystemDialog(g_hMainWnd, SYSTEM_FIRST_RUN);
}

/* One Pelmora at a time: two would each write their own tables over the
   lists when they close. The object lives as long as the process. A second
   start writes nothing; it shows the first one's window, or says why it
   ends while the first has none yet. */
bool IsTheOnlyPelmora(void)
{
    HANDLE held = CreateMutexA(nullptr, FALSE, INSTANCE_MUTEX_NAME);
    if (held != nullptr && GetLastError() != ERROR_ALREADY_EXISTS)
        return true;
    HWND first = FindWindowA(MAIN_CLASS_NAME, nullptr);
    if (first == nullptr) {
        ShowProgramMessage(TEXT_ALREADY_RUNNING, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (IsIconic(first))
        ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(first);
    return false;
}

/* A saved position may stand on a screen no longer there (a second
   monitor unplugged, a smaller resolution). */
void PlaceSavedPositionOnScreen(void)
{
    struct Screens {
        SettingsRect areas[16];
        int count;
    } screens = {};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM context) -> BOOL {
            Screens *found = reinterpret_cast<Screens *>(context);
            MONITORINFO info = {};
            info.cbSize = sizeof info;
            if (found->count < 16 && GetMonitorInfoA(monitor, &info)) {
                const RECT &work = info.rcWork;
                int slot = (info.dwFlags & MONITORINFOF_PRIMARY) && found->count > 0 ? 0 : found->count;
                if (slot == 0 && found->count > 0)
                    found->areas[found->count] = found->areas[0]; /* the main screen comes first */
                found->areas[slot] = {work.left, work.top, work.right, work.bottom};
                found->count++;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&screens));
    PlaceOnScreen(&g_appState.settings.position, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, screens.areas, screens.count);
}

/* 1 when the program goes on to its message loop, 0 when it must end. */
int StartFromSettings(void)
{
    if (!FindSettingsFile(g_appState.settings, g_textBuffer, sizeof g_textBuffer)) {
        OpenFirstRunForm(TEXT_FIRST_RUN);
        return 1;
    }
    if (LoadSettings(&g_appState.settings, g_textBuffer) != 1) {
        OpenFirstRunForm(TEXT_DAMAGED_SETTINGS);
        return 1;
    }
    settingsReady = 1;
    PlaceSavedPositionOnScreen();
    return StartWithLists();
}

int RunMessageLoop(void)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateProgramKeys(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    if (!IsTheOnlyPelmora()) {
        return 0;
    }
    g_hInstance = hInstance;
    RegisterMainWindowClass(hInstance);
    RegisterIntroWindowClass(hInstance);
    UseThePlatformsHistoryFolder();

    if (ZEF_GetVersion() < 1.0) {
        ShowProgramMessage(TEXT_BAD_LIBRARY_VERSION, MB_OK | MB_ICONHAND);
        return 0;
    }
    g_hAccel = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDA_MAIN));
    LoadIntroPicture(hInstance);
    CheckScreenSize();
    SetDefaultSettings();

    if (!StartFromSettings()) {
        return 0;
    }
    return RunMessageLoop();
}
