/*
 * The intro splash: the "INTRO" picture for three one-second ticks while the
 * jingle plays, then the main window. A click opens the home page.
 */
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "app/app.h"
#include "app/program_texts.h"
#include "resources/resource.h"

#define INTRO_WIDTH 360
#define INTRO_HEIGHT 113
#define INTRO_TICK_MS 1000
#define INTRO_LAST_TICK 3
/* ShellExecute's results up to this one are errors. */
#define SHELL_EXECUTE_FAILED 32

namespace {

HWND g_hIntroWnd;
HWND g_hIntroImage;
int g_introTicks;

/* The main window follows the third tick, about three seconds on. */
void OnIntroTick(HWND hwnd)
{
    g_introTicks++;
    if (g_introTicks < INTRO_LAST_TICK) {
        return;
    }
    DestroyWindow(hwnd);
    DeleteObject(g_hIntroBitmap);
    g_hIntroBitmap = nullptr;
    CreateMainWindow();
    g_introTicks = 0;
}

} // namespace

/* The user's default browser; when Windows has none for web addresses, the
   user is told where to go instead of nothing happening. */
void OpenHomePage(HWND owner)
{
    HINSTANCE started = ShellExecuteA(owner, "open", HOME_PAGE_URL, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= SHELL_EXECUTE_FAILED)
        ShowProgramMessage(TEXT_NO_BROWSER, MB_OK | MB_ICONINFORMATION, owner);
}

void ShowIntro(void)
{
    PlaySoundA(IDW_INTRO_NAME, g_hInstance, SND_RESOURCE | SND_ASYNC);
    int left = (g_screenWidth - INTRO_WIDTH) / 2;
    int top = (g_screenHeight - INTRO_HEIGHT) / 2;
    g_hIntroWnd = CreateWindowExA(0, INTRO_CLASS_NAME, PROGRAM_CAPTION, WS_POPUP | WS_VISIBLE, left, top, INTRO_WIDTH,
                                  INTRO_HEIGHT, nullptr, nullptr, g_hInstance, nullptr);
    g_hIntroImage = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 0, INTRO_WIDTH, INTRO_HEIGHT,
                                    g_hIntroWnd, nullptr, g_hInstance, nullptr);
    ShowWindow(g_hIntroImage, SW_SHOWNORMAL);
    SendMessageA(g_hIntroImage, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(g_hIntroBitmap));
    ShowWindow(g_hIntroWnd, SW_SHOWNORMAL);
}

LRESULT CALLBACK IntroWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: SetTimer(hwnd, IDT_INTRO, INTRO_TICK_MS, nullptr); return 0;
    case WM_TIMER:
        if (wParam == IDT_INTRO) {
            OnIntroTick(hwnd);
        }
        return 0;
    case WM_LBUTTONDOWN: OpenHomePage(g_hMainWnd); return 0;
    case WM_DESTROY: return 0; /* the splash closing does not end the program */
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
