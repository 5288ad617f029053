/*
 * The closing sequence. The session's edits live only in memory until here,
 * so every failure to write is put before the user instead of being lost.
 */
#include <windows.h>
#include <shellapi.h>

#include "app/app.h"
#include "app/program_texts.h"
#include "settings/settings.h"

namespace {

bool g_closingDone = false;

void SaveSettingsReporting(void)
{
    AppSettings &settings = g_appState.settings;
    RECT rectangle;
    if (g_hMainWnd != nullptr && GetWindowRect(g_hMainWnd, &rectangle)) {
        settings.position.left = rectangle.left;
        settings.position.top = rectangle.top;
        settings.position.right = rectangle.right;
        settings.position.bottom = rectangle.bottom;
    }
    if (!SaveSettings(settings, nullptr, 0)) {
        ShowProgramMessage(TEXT_SETTINGS_NOT_SAVED, MB_OK | MB_ICONEXCLAMATION);
    }
}

void StartEjayWhenAsked(HWND hwnd)
{
    const AppSettings &settings = g_appState.settings;
    if (settings.runEjay == 1) {
        ShellExecuteA(hwnd, "open", settings.progEjay, "", "", SW_SHOWNORMAL);
    }
}

} // namespace

void RunClosingSequence(HWND hwnd, ClosingCause cause)
{
    if (g_closingDone) {
        return;
    }
    g_closingDone = true;
    /* An open form could still change a list behind the question about a
       list that could not be written. */
    CloseCurrentDialog();
    SaveSettingsReporting();
    SaveListsWithMessages();
    if (cause == CLOSED_BY_USER) {
        StartEjayWhenAsked(hwnd);
    }
    KillTimer(hwnd, IDT_BUTTONSTATE);
    PostQuitMessage(0);
}
