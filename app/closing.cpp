/*
 * The closing sequence. The session's edits live only in memory until here,
 * so every failure to write is put before the user instead of being lost.
 */
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

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

/* Appends text to a message; a text that does not fit is cut (the message
   always stays terminated). */
void AppendText(char *message, std::size_t capacity, const char *text)
{
    std::size_t used = std::strlen(message);
    if (used + 1 < capacity) {
        std::snprintf(message + used, capacity - used, "%s", text);
    }
}

/* The files of a report, one a line, between a head and a tail. */
void FormatFailedFiles(const ListSaveReport &report, const char *head, const char *tail, char *message,
                       std::size_t capacity)
{
    message[0] = '\0';
    AppendText(message, capacity, head);
    for (int i = 0; i < report.failedCount && i < STYLE_COUNT; i++) {
        AppendText(message, capacity, report.failedPaths[i]);
        AppendText(message, capacity, "\n");
    }
    AppendText(message, capacity, tail);
}

/* A backup that cannot be made is said once; the lists are written all
   the same. */
void BackupListsReporting(void)
{
    char message[STYLE_COUNT * LIST_LINE_CAPACITY + 512];
    ListSaveReport report = {};
    BackupSampleLists(&g_appState, &report);
    if (report.failedCount > 0) {
        FormatFailedFiles(report, TEXT_BACKUPS_NOT_MADE_HEAD, TEXT_BACKUPS_NOT_MADE_TAIL, message, sizeof message);
        ShowProgramMessage(message, MB_OK | MB_ICONEXCLAMATION);
    }
}

/* Every list is written again on a retry; the user may cancel. */
void SaveListsReporting(void)
{
    char message[STYLE_COUNT * LIST_LINE_CAPACITY + 512];
    for (;;) {
        ListSaveReport report = {};
        if (SaveSampleLists(&g_appState, &report)) {
            return;
        }
        FormatFailedFiles(report, TEXT_LISTS_NOT_SAVED_HEAD, TEXT_LISTS_NOT_SAVED_TAIL, message, sizeof message);
        if (ShowProgramMessage(message, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY) {
            return;
        }
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
    BackupListsReporting();
    SaveListsReporting();
    if (cause == CLOSED_BY_USER) {
        StartEjayWhenAsked(hwnd);
    }
    KillTimer(hwnd, IDT_BUTTONSTATE);
    PostQuitMessage(0);
}
