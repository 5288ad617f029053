/*
 * pelmora-lists import: a folder's sample files added to one category at
 * once, by the rules a drop on the window follows too.
 */
#include <algorithm>
#include <cstring>

#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

bool IsFolderEnd(const char *path)
{
    std::size_t length = std::strlen(path);
    return length > 0 && (path[length - 1] == '\\' || path[length - 1] == '/');
}

const char SAMPLE_EXTENSION[] = ".pxd";

bool IsSampleName(const std::string &name)
{
    std::size_t length = sizeof SAMPLE_EXTENSION - 1;
    return name.size() > length && FoldCase(name.substr(name.size() - length)) == SAMPLE_EXTENSION;
}

/* The .pxd files of the folder, by name without regard to case. Names come
   in the lists' code page; a name it cannot write is refused, never
   written in another code page or with "?". */
std::vector<SampleFile> SampleFilesIn(const std::string &folder)
{
    std::vector<SampleFile> files;
    std::vector<FolderEntry> entries;
    char full[FILE_PATH_CAPACITY];
    const char *base = FullPathOf(folder.c_str(), full, sizeof full) ? full : folder.c_str();
    ReadFolder(base, &entries);
    for (const FolderEntry &entry : entries) {
        if (entry.isFolder || !IsSampleName(entry.name))
            continue;
        std::string path = std::string(base) + (IsFolderEnd(base) ? "" : std::string(1, PATH_SEPARATOR)) + entry.name;
        std::string name = entry.name.substr(0, entry.name.size() - (sizeof SAMPLE_EXTENSION - 1));
        files.push_back({path, name, !entry.representable});
    }
    std::sort(files.begin(), files.end(), [](const SampleFile &a, const SampleFile &b) {
        std::string foldedA = FoldCase(a.name), foldedB = FoldCase(b.name);
        return foldedA != foldedB ? foldedA < foldedB : a.name < b.name;
    });
    return files;
}

/* One line per file but those without room, then the counts. */
std::string ImportReport(const Options &options, int style, const std::vector<SampleFile> &files,
                         const std::vector<ImportOutcome> &outcomes, const ImportCounts &counts)
{
    const char *name = StyleName(style), *category = options.category.c_str();
    std::string told;
    for (std::size_t index = 0; index < files.size(); ++index) {
        const char *path = files[index].path.c_str();
        switch (outcomes[index].fate) {
        case IMPORT_ADDED:
            told += Format(options.dryRun ? TOOL_WOULD_ADD : TOOL_ADDED, name, category, outcomes[index].row, path);
            break;
        case IMPORT_ALREADY_LISTED: told += Format(TOOL_ALREADY_LISTED, name, path); break;
        case IMPORT_REFUSED:
            told += Format(files[index].nameOutsideCodePage ? TOOL_NAME_OUTSIDE_CODE_PAGE : TOOL_UNFIT_NAME, path);
            break;
        case IMPORT_NO_ROOM: break;
        }
    }
    told += Format(TOOL_IMPORT_SUMMARY, counts.added, options.dryRun ? TOOL_WOULD_ADD_COUNT : TOOL_ADDED_COUNT, name,
                   category, counts.alreadyListed, counts.refused);
    if (counts.noRoom > 0)
        told += Format(TOOL_NO_ROOM, counts.noRoom);
    if (options.dryRun)
        told += TOOL_DRY_RUN;
    return told;
}

} // namespace

int ImportCommand(const Options &options, const AppSettings &settings, Console &console)
{
    int style = StyleOfWord(options.style, console);
    int category = style < 0 ? -1 : CategoryOfWord(options.category, console);
    if (category < 0)
        return TOOL_ERROR;
    const std::string &folder = options.operands[0];
    if (!IsFolder(folder.c_str()))
        return console.Fail(Format(TOOL_FOLDER_MISSING, folder.c_str()));
    if (!options.dryRun && PelmoraIsRunning())
        return console.Fail(TOOL_PELMORA_RUNNING);
    ListsLoad loaded;
    if (LoadAsTheProgram(settings, &loaded, console) != TOOL_OK)
        return TOOL_ERROR;

    std::vector<SampleFile> files = SampleFilesIn(folder);
    std::vector<ImportOutcome> outcomes;
    ImportCounts counts = AddSampleFiles(&ToolState().styles[style - STYLE_DANCE], category, files, &outcomes);
    bool changed[STYLE_COUNT] = {}, written[STYLE_COUNT];
    changed[style - STYLE_DANCE] = counts.added > 0 && !options.dryRun;
    if (WriteChangedLists(settings, loaded, changed, TOOL_LIST_CHANGED, written, console) != TOOL_OK)
        return TOOL_ERROR;
    console.Say(ImportReport(options, style, files, outcomes, counts));
    return counts.noRoom > 0 || counts.refused > 0 ? TOOL_FOUND : TOOL_OK;
}
