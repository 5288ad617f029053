/*
 * How pelmora-lists reads and writes the lists: with the program's reader
 * and writer, from the Ejay folder the program would use. A command that
 * writes loads the lists as the program does, and writes back only the
 * lists it changed, each after its backup, whole, and only when nobody
 * changed it on disk since: never half a list, never another's edit lost.
 */
#include <algorithm>
#include <cstring>

#include "database/list_file.h"
#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"
#include "settings/settings.h"

namespace {

AppState s_state;

int ReadList(const AppSettings &settings, int index, std::string *bytes, Console &console)
{
    std::string path = ListPath(settings, index);
    if (path.empty())
        return console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, settings.ejayDir));
    FileReadResult read = ReadWholeFile(path.c_str(), bytes);
    if (read == FILE_READ)
        return TOOL_OK;
    return console.Fail(Format(read == FILE_MISSING ? TOOL_LIST_MISSING : TOOL_LIST_UNREADABLE, path.c_str()));
}

/* The lists to write must still be the ones loaded. */
int CheckUnchangedOnDisk(const AppSettings &settings, const ListsLoad &loaded, const bool changed[STYLE_COUNT],
                         const char *changedMessage, std::string current[STYLE_COUNT], bool present[STYLE_COUNT],
                         Console &console)
{
    for (int index = 0; index < STYLE_COUNT; ++index) {
        FileProblem problem;
        if (!changed[index] || ListUnchangedSince(ListPath(settings, index).c_str(), loaded.read[index],
                                                  &current[index], &present[index], &problem))
            continue;
        const char *message = problem.kind == FILE_FINE ? changedMessage : TOOL_LIST_UNREADABLE;
        return console.Fail(Format(message, ListPath(settings, index).c_str()));
    }
    return TOOL_OK;
}

void BackUp(const AppSettings &settings, const ListsLoad &loaded, const bool changed[STYLE_COUNT], Console &console)
{
    std::string failed;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (changed[index] && !BackupOneList(&s_state, loaded, index))
            failed += "\n  " + ListPath(settings, index) + ".bak";
    }
    if (!failed.empty())
        console.Warn(Format(TOOL_BACKUPS_NOT_MADE, failed.c_str()) + "\n");
}

} // namespace

AppState &ToolState() { return s_state; }

std::string ListPath(const AppSettings &settings, int index)
{
    char path[LIST_LINE_CAPACITY];
    return JoinPath(path, sizeof path, settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]) ? path : "";
}

/* The paths of the lists whose flag is set, each after a line end and two
   blanks. */
std::string ListLines(const AppSettings &settings, const bool flags[STYLE_COUNT])
{
    std::string lines;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (flags[index])
            lines += "\n  " + ListPath(settings, index);
    }
    return lines;
}

int FailWritingSome(const AppSettings &settings, const bool failed[STYLE_COUNT], const bool written[STYLE_COUNT],
                    Console &console)
{
    std::string message = Format(TOOL_LISTS_NOT_SAVED, ListLines(settings, failed).c_str());
    std::string done = ListLines(settings, written);
    if (!done.empty())
        message += "\n" + Format(TOOL_LISTS_SAVED_ALL_THE_SAME, done.c_str());
    return console.Fail(message);
}

int FindEjayFolder(const Options &options, AppSettings *settings, Console &console)
{
    std::memset(settings, 0, sizeof *settings);
    UseThePlatformsSettingsFolders(settings);
    char path[SETTINGS_PATH_SIZE];
    if (!FindSettingsFile(*settings, path, sizeof path) || LoadSettings(settings, path) != 1) {
        settings->ejayDir[0] = '\0';
        settings->backup = 0;
    }
    if (!options.ejayDir.empty()) {
        if (options.ejayDir.size() >= sizeof settings->ejayDir)
            return console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, options.ejayDir.c_str()));
        std::memcpy(settings->ejayDir, options.ejayDir.c_str(), options.ejayDir.size() + 1);
    }
    return settings->ejayDir[0] == '\0' ? console.Fail(TOOL_NO_EJAY_DIR) : TOOL_OK;
}

int ReadForLook(const AppSettings &settings, ListReading readings[STYLE_COUNT], Console &console)
{
    std::memset(s_state.styles, 0, sizeof s_state.styles);
    for (int index = 0; index < STYLE_COUNT; ++index) {
        std::string bytes;
        if (ReadList(settings, index, &bytes, console) != TOOL_OK)
            return TOOL_ERROR;
        readings[index].pastUnknownKeywords = true;
        ReadStyleList(bytes.data(), bytes.size(), &s_state.styles[index], &readings[index]);
    }
    return TOOL_OK;
}

int LoadAsTheProgram(const AppSettings &settings, ListsLoad *loaded, Console &console)
{
    std::memset(&s_state, 0, sizeof s_state);
    s_state.settings = settings;
    ListLoadResult result = LoadSampleLists(&s_state, loaded);
    if (result == LISTS_NOT_FOUND || !loaded->unreadablePath.empty()) {
        /* The program's words for it say what it would do next; the tool only
           names the file. */
        const char *message = result == LISTS_NOT_FOUND ? TOOL_LIST_MISSING : TOOL_LIST_UNREADABLE;
        for (int index = 0; index < STYLE_COUNT; ++index) {
            if (loaded->read[index].present)
                continue;
            const std::string path = ListPath(settings, index);
            return path.empty() ? console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, settings.ejayDir))
                                : console.Fail(Format(message, path.c_str()));
        }
    }
    for (const std::string &message : loaded->messages)
        console.Warn(message + "\n");
    return result == LISTS_LOADED ? TOOL_OK : console.Fail(TOOL_LISTS_REFUSED);
}

int WriteChangedLists(const AppSettings &settings, const ListsLoad &loaded, const bool changed[STYLE_COUNT],
                      const char *changedMessage, bool written[STYLE_COUNT], Console &console)
{
    std::fill(written, written + STYLE_COUNT, false);
    std::string current[STYLE_COUNT];
    bool present[STYLE_COUNT] = {};
    if (CheckUnchangedOnDisk(settings, loaded, changed, changedMessage, current, present, console) != TOOL_OK)
        return TOOL_ERROR;
    BackUp(settings, loaded, changed, console);
    bool failed[STYLE_COUNT] = {};
    bool anyFailed = false;
    HistoryVersion history = StartHistoryVersion(loaded.folder.c_str());
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!changed[index])
            continue;
        std::string text;
        FormatStyleList(s_state.styles[index], loaded.readings[index].kept, &text);
        FileProblem problem;
        written[index] = ReplaceList(ListPath(settings, index).c_str(), index, text,
                                     present[index] ? &current[index] : nullptr, &history, &problem) == 1;
        failed[index] = !written[index];
        anyFailed |= failed[index];
    }
    FinishHistoryVersion(&history);
    return anyFailed ? FailWritingSome(settings, failed, written, console) : TOOL_OK;
}
