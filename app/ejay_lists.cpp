/*
 * Ejay's lists between the disk and the program: loaded at start (with a
 * way out when one cannot be read), written back where they came from with
 * every failure and every list another program changed put before the
 * user, and swapped for another Ejay folder's lists when the user chooses
 * one. Until the closing, nothing else reaches the disk.
 */
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/program_texts.h"
#include "editing/editing.h"
#include "settings/settings.h"
#include "settings/system_dialog.h"

ListsLoad g_listsLoad;

namespace {

const std::size_t MESSAGE_CAPACITY = 4 * 1024;

void ShowLoadMessages(const ListsLoad &load)
{
    for (const std::string &message : load.messages)
        ShowProgramMessage(message.c_str(), MB_OK | MB_ICONINFORMATION);
}

/* Yes: ours in the list, theirs beside it; No: theirs stays, ours beside. */
ChangedListChoice AskAboutChangedList(void *, const char *path)
{
    char question[3 * LIST_LINE_CAPACITY + sizeof TEXT_LIST_CHANGED_QUESTION];
    std::snprintf(question, sizeof question, TEXT_LIST_CHANGED_QUESTION, path, path, path);
    int answer = ShowProgramMessage(question, MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES ? REPLACE_KEEPING_THEIRS : KEEP_THEIRS;
}

void Append(std::string *message, const char *text)
{
    if (message->size() + std::strlen(text) < MESSAGE_CAPACITY)
        message->append(text);
}

/* Each failed file with the reason the system gives. */
std::string FailedFilesWithReasons(const ListSaveReport &report)
{
    std::string lines;
    for (int index = 0; index < report.failedCount && index < STYLE_COUNT; index++) {
        char reason[512], line[LIST_LINE_CAPACITY + sizeof reason + 8];
        FormatFileReason(report.failures[index], reason, sizeof reason);
        std::snprintf(line, sizeof line, TEXT_FILE_AND_REASON, report.failedPaths[index], reason);
        Append(&lines, line);
    }
    return lines;
}

bool AnyRetryMayHelp(const ListSaveReport &report)
{
    for (int index = 0; index < report.failedCount && index < STYLE_COUNT; index++) {
        if (RetryMayHelp(report.failures[index]))
            return true;
    }
    return false;
}

void BackupListsReporting(void)
{
    ListSaveReport report;
    BackupSampleLists(&g_appState, g_listsLoad, &report);
    if (report.failedCount == 0)
        return;
    std::string message = TEXT_BACKUPS_NOT_MADE_HEAD + FailedFilesWithReasons(report) + TEXT_BACKUPS_NOT_MADE_TAIL;
    ShowProgramMessage(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

/* Retry is offered only when the user can do something about a failure. */
bool TellFailedSave(const ListSaveReport &report)
{
    const bool retry = AnyRetryMayHelp(report);
    std::string message = TEXT_LISTS_NOT_SAVED_HEAD + FailedFilesWithReasons(report) +
                          (retry ? TEXT_LISTS_NOT_SAVED_TAIL : TEXT_LISTS_NOT_SAVED_FINAL_TAIL);
    if (!retry) {
        ShowProgramMessage(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return ShowProgramMessage(message.c_str(), MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY;
}

void TellKeptBeside(const std::string &files)
{
    if (files.empty())
        return;
    std::string message = TEXT_KEPT_BESIDE_HEAD + files;
    ShowProgramMessage(message.c_str(), MB_OK | MB_ICONINFORMATION);
}

/* A list that cannot be read at start: the user may choose another Ejay
   folder (the settings stay until one is validated) or quit. */
int OfferAnotherFolder(const ListsLoad &load)
{
    std::string message = (load.messages.empty() ? std::string() : load.messages.back()) + TEXT_CHOOSE_ANOTHER_FOLDER;
    if (ShowProgramMessage(message.c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return 0;
    OpenSystemDialog(nullptr, SYSTEM_CHOOSE_AGAIN);
    return 1;
}

} // namespace

int StartWithLists(void)
{
    /* A start whose lists could not all be read comes here again with the
       lists read before the failure: they are read anew. */
    std::memset(g_appState.styles, 0, sizeof g_appState.styles);
    ListLoadResult loaded = LoadSampleLists(&g_appState, &g_listsLoad);
    if (loaded == LISTS_REFUSED && !g_listsLoad.unreadablePath.empty())
        return OfferAnotherFolder(g_listsLoad);
    ShowLoadMessages(g_listsLoad);
    if (loaded == LISTS_NOT_FOUND)
        ForgetSettingsFile(g_appState.settings);
    if (loaded != LISTS_LOADED)
        return 0;
    ShowIntro();
    return 1;
}

void SaveListsWithMessages(void)
{
    BackupListsReporting();
    ListSaveProgress progress;
    std::string keptBeside;
    for (;;) {
        ListSaveReport report;
        int saved = SaveSampleLists(&g_appState, &g_listsLoad, AskAboutChangedList, nullptr, &progress, &report);
        for (int index = 0; index < report.keptBesideCount && index < STYLE_COUNT; index++)
            keptBeside += std::string(report.keptBeside[index]) + "\n";
        if (saved || !TellFailedSave(report))
            break;
    }
    TellKeptBeside(keptBeside);
}

void SwitchEjayFolder(const char *folder)
{
    SaveListsWithMessages();
    std::unique_ptr<AppState> next(new AppState);
    std::memset(next.get(), 0, sizeof *next);
    next->settings = g_appState.settings;
    std::snprintf(next->settings.ejayDir, sizeof next->settings.ejayDir, "%s", folder);
    ListsLoad load;
    ListLoadResult loaded = LoadSampleLists(next.get(), &load);
    ShowLoadMessages(load);
    if (loaded != LISTS_LOADED)
        return;
    std::memcpy(g_appState.styles, next->styles, sizeof g_appState.styles);
    std::memcpy(g_appState.settings.ejayDir, next->settings.ejayDir, sizeof g_appState.settings.ejayDir);
    g_listsLoad = load;
    ForgetListEdits();
    ShowCategoryLists(&g_appState, g_appState.settings.currentStyle, ALL_CATEGORIES);
}
