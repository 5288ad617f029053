/*
 * pelmora-lists historique and restaurer: the versions of the lists that
 * writes replaced, kept in the user's history folder, and putting one
 * back. A slip, the program's or the tool's, is then never final.
 */
#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

/* The entries a kept list holds, read as the lists tool reads a list. */
int EntriesIn(const std::string &bytes)
{
    static StyleDatabase scratch;
    scratch = StyleDatabase();
    ListReading reading;
    reading.pastUnknownKeywords = true;
    ReadStyleList(bytes.data(), bytes.size(), &scratch, &reading);
    int entries = 0;
    for (const CategoryList &list : scratch.lists)
        entries += list.count;
    return entries;
}

std::string VersionSummary(const HistoryEntry &entry)
{
    std::string summary;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        std::string bytes;
        const char *style = StyleName(STYLE_DANCE + index);
        bool kept = entry.holds[index] && ReadHistoryList(entry, index, &bytes) == FILE_READ;
        summary += (index ? ", " : "") + (kept ? Format(TOOL_VERSION_LIST, style, EntriesIn(bytes))
                                               : Format(TOOL_VERSION_LIST_NOT_KEPT, style));
    }
    return summary;
}

const HistoryEntry *FindVersion(const std::vector<HistoryEntry> &entries, const std::string &label)
{
    for (const HistoryEntry &entry : entries) {
        if (entry.label == label)
            return &entry;
    }
    return nullptr;
}

/* The lists the restore puts back: the one of --style, or all it holds. */
int StylesToRestore(const Options &options, const HistoryEntry &version, bool wanted[STYLE_COUNT], Console &console)
{
    for (int index = 0; index < STYLE_COUNT; ++index)
        wanted[index] = version.holds[index];
    if (!Given(options, "--style"))
        return TOOL_OK;
    int style = StyleOfWord(options.style, console);
    if (style < 0)
        return TOOL_ERROR;
    if (!version.holds[style - STYLE_DANCE])
        return console.Fail(Format(TOOL_VERSION_LACKS_STYLE, version.label.c_str(), StyleName(style)));
    for (int index = 0; index < STYLE_COUNT; ++index)
        wanted[index] = index == style - STYLE_DANCE;
    return TOOL_OK;
}

/* Each list as it stands now, and the version's; told and noted in
   differs[] when they differ. */
int CompareWithVersion(const AppSettings &settings, const HistoryEntry &version, const bool wanted[STYLE_COUNT],
                       bool dryRun, ListsLoad *now, std::string kept[STYLE_COUNT], bool differs[STYLE_COUNT],
                       std::string *told, Console &console)
{
    now->folder = settings.ejayDir;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        differs[index] = false;
        if (!wanted[index])
            continue;
        std::string path = ListPath(settings, index), current;
        if (path.empty())
            return console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, settings.ejayDir));
        if (ReadHistoryList(version, index, &kept[index]) != FILE_READ)
            return console.Fail(Format(TOOL_LIST_UNREADABLE, version.folder.c_str()));
        FileReadResult read = ReadWholeFile(path.c_str(), &current);
        if (read == FILE_UNREADABLE)
            return console.Fail(Format(TOOL_LIST_UNREADABLE, path.c_str()));
        now->read[index] = read == FILE_READ ? FingerprintOf(current) : ListFingerprint();
        differs[index] = read != FILE_READ || current != kept[index];
        const char *style = StyleName(STYLE_DANCE + index);
        *told += differs[index] ? Format(dryRun ? TOOL_WOULD_RESTORE : TOOL_RESTORED, style, EntriesIn(kept[index]),
                                         version.label.c_str())
                                : Format(TOOL_ALREADY_AS_IN_VERSION, version.label.c_str(), style);
    }
    return TOOL_OK;
}

/* The lists put back, each only if it did not change since compared, after
   its backup; what each replaces goes to the history first. */
int PutBack(const AppSettings &settings, const ListsLoad &now, const std::string kept[STYLE_COUNT],
            const bool differs[STYLE_COUNT], Console &console)
{
    AppState &state = ToolState();
    state.settings = settings;
    HistoryVersion history = StartHistoryVersion(settings.ejayDir);
    bool failed[STYLE_COUNT] = {}, written[STYLE_COUNT] = {}, anyFailed = false;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!differs[index])
            continue;
        std::string path = ListPath(settings, index), current;
        bool present = false;
        FileProblem problem;
        if (!ListUnchangedSince(path.c_str(), now.read[index], &current, &present, &problem))
            return console.Fail(Format(TOOL_LIST_CHANGED_IN_RESTORE, path.c_str()));
        if (!BackupOneList(&state, now, index))
            console.Warn(Format(TOOL_BACKUPS_NOT_MADE, ("\n  " + path + ".bak").c_str()) + "\n");
        written[index] =
            ReplaceList(path.c_str(), index, kept[index], present ? &current : nullptr, &history, &problem);
        failed[index] = !written[index];
        anyFailed |= failed[index];
    }
    FinishHistoryVersion(&history);
    return anyFailed ? FailWritingSome(settings, failed, written, console) : TOOL_OK;
}

} // namespace

int HistoryCommand(const AppSettings &settings, Console &console)
{
    std::vector<HistoryEntry> entries = ReadHistory(settings.ejayDir);
    if (entries.empty()) {
        console.Say(Format(TOOL_NO_VERSIONS, settings.ejayDir));
        return TOOL_FOUND;
    }
    for (const HistoryEntry &entry : entries)
        console.Say(Format(TOOL_VERSION_ROW, entry.label.c_str(), VersionSummary(entry).c_str()));
    return TOOL_OK;
}

int RestoreCommand(const Options &options, const AppSettings &settings, Console &console)
{
    const std::string &label = options.operands[0];
    std::vector<HistoryEntry> entries = ReadHistory(settings.ejayDir);
    const HistoryEntry *version = FindVersion(entries, label);
    if (version == nullptr)
        return console.Fail(Format(TOOL_NO_SUCH_VERSION, label.c_str()));
    bool wanted[STYLE_COUNT], differs[STYLE_COUNT];
    if (StylesToRestore(options, *version, wanted, console) != TOOL_OK)
        return TOOL_ERROR;
    if (!options.dryRun && PelmoraIsRunning())
        return console.Fail(TOOL_PELMORA_RUNNING);
    ListsLoad now;
    std::string kept[STYLE_COUNT], told;
    if (CompareWithVersion(settings, *version, wanted, options.dryRun, &now, kept, differs, &told, console) != TOOL_OK)
        return TOOL_ERROR;
    if (options.dryRun) {
        console.Say(told + TOOL_DRY_RUN);
        return TOOL_OK;
    }
    int result = PutBack(settings, now, kept, differs, console);
    console.Say(told);
    return result;
}
