/*
 * pelmora-lists relink: mends the paths of every entry of the three lists
 * after the user moved a folder of samples. Paths are compared as Windows
 * compares them (letter case aside, either slash), and a folder matches
 * whole path components only: "C:\Sons" never takes "C:\Sons2\a.pxd".
 */
#include <algorithm>
#include <cstring>

#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

/* One entry that lies in the old folder. */
struct Relinking {
    int style, category, row;
    std::string oldPath, newPath;
    bool refused; /* the new path would not fit its field */
    bool missing; /* no file at the new path */
};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string WithoutTrailingSeparator(const std::string &folder)
{
    return folder.size() > 1 && IsSeparator(folder.back()) ? folder.substr(0, folder.size() - 1) : folder;
}

/* A path spelt so that two spellings of one file compare equal. */
std::string Comparable(const std::string &path)
{
    std::string text = FoldCase(path);
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

bool InFolder(const std::string &path, const std::string &comparableFolder)
{
    std::size_t length = comparableFolder.size();
    if (path.size() < length || (path.size() > length && !IsSeparator(path[length])))
        return false;
    return Comparable(path.substr(0, length)) == comparableFolder;
}

void StorePath(SampleRecord *record, const std::string &path)
{
    std::memset(record->path, 0, sizeof record->path);
    std::memcpy(record->path, path.data(), path.size());
}

/* Relinks every entry of the old folder in ToolState(); changed[] tells
   the lists that now differ. */
std::vector<Relinking> RelinkEntries(const std::string &oldFolder, const std::string &newFolder,
                                     bool changed[STYLE_COUNT])
{
    std::string comparableOld = Comparable(oldFolder);
    std::vector<Relinking> done;
    for (int style = STYLE_DANCE; style < STYLE_DANCE + STYLE_COUNT; ++style)
        for (int category = 1; category <= CATEGORY_COUNT; ++category) {
            CategoryList &list = *CategoryListOf(&ToolState(), style, category);
            for (int slot = 0; slot < list.count; ++slot) {
                SampleRecord &record = list.slots[slot];
                if (!InFolder(record.path, comparableOld))
                    continue;
                std::string newPath = newFolder + std::string(record.path).substr(oldFolder.size());
                bool refused = !SamplePathFits(newPath);
                done.push_back({style, category, slot + 1, record.path, newPath, refused,
                                !refused && !FileCanBeRead(newPath.c_str())});
                if (refused)
                    continue;
                StorePath(&record, newPath);
                changed[style - STYLE_DANCE] = true;
            }
        }
    return done;
}

struct RelinkCounts {
    int relinked = 0, missing = 0, refused = 0;
};

std::string RelinkLine(const Relinking &entry, bool dryRun)
{
    const char *style = StyleName(entry.style), *category = CATEGORY_KEYWORDS[entry.category - 1];
    if (entry.refused)
        return Format(TOOL_PATH_WOULD_NOT_FIT, style, category, entry.row, entry.oldPath.c_str());
    return Format(dryRun ? TOOL_WOULD_RELINK : TOOL_RELINKED, style, category, entry.row, entry.oldPath.c_str(),
                  entry.newPath.c_str(), entry.missing ? TOOL_NEW_FILE_MISSING : "");
}

/* The lines of the entries whose list reached the disk (or would, in a
   dry run), and their counts. */
std::string RelinkReport(const std::vector<Relinking> &done, const bool shown[STYLE_COUNT], bool dryRun,
                         RelinkCounts *counts)
{
    std::string told;
    for (const Relinking &entry : done) {
        if (!entry.refused && !shown[entry.style - STYLE_DANCE])
            continue;
        told += RelinkLine(entry, dryRun);
        counts->refused += entry.refused;
        counts->relinked += !entry.refused;
        counts->missing += entry.missing;
    }
    return told;
}

/* The closing lines: the counts, or that nothing lay in the old folder;
   and whether anything was written. */
std::string RelinkSummary(const Options &options, bool noneFound, const RelinkCounts &counts)
{
    const std::string &oldGiven = options.operands[0], &newGiven = options.operands[1];
    std::string told = noneFound ? Format(TOOL_NOTHING_TO_RELINK, oldGiven.c_str())
                                 : Format(TOOL_RELINK_SUMMARY, counts.relinked,
                                          options.dryRun ? TOOL_WOULD_RELINK_COUNT : TOOL_RELINKED_COUNT,
                                          oldGiven.c_str(), newGiven.c_str(), counts.missing, counts.refused);
    return options.dryRun ? told + TOOL_DRY_RUN : told;
}

} // namespace

int RelinkCommand(const Options &options, const AppSettings &settings, Console &console)
{
    std::string oldFolder = WithoutTrailingSeparator(options.operands[0]);
    std::string newFolder = WithoutTrailingSeparator(options.operands[1]);
    if (!SamplePathFits(newFolder))
        return console.Fail(Format(TOOL_FOLDER_UNFIT, options.operands[1].c_str()));
    if (!options.dryRun && PelmoraIsRunning())
        return console.Fail(TOOL_PELMORA_RUNNING);
    ListsLoad loaded;
    if (LoadAsTheProgram(settings, &loaded, console) != TOOL_OK)
        return TOOL_ERROR;

    bool changed[STYLE_COUNT] = {}, written[STYLE_COUNT] = {};
    std::vector<Relinking> done = RelinkEntries(oldFolder, newFolder, changed);
    int result = TOOL_OK;
    if (options.dryRun)
        std::copy(changed, changed + STYLE_COUNT, written); /* as if written, to show them */
    else
        result = WriteChangedLists(settings, loaded, changed, TOOL_LIST_CHANGED_IN_RELINK, written, console);
    RelinkCounts counts;
    console.Say(RelinkReport(done, written, options.dryRun, &counts));
    if (result != TOOL_OK)
        return result;
    console.Say(RelinkSummary(options, done.empty(), counts));
    if (options.dryRun)
        return TOOL_OK;
    return done.empty() || counts.missing > 0 || counts.refused > 0 ? TOOL_FOUND : TOOL_OK;
}
