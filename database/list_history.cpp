/*
 * The history of the lists: every version a write replaces, kept in a
 * folder of the user's, so that a slip (the program's or the tool's) is
 * never final. One folder per version, named by its label, holding the Ejay
 * folder it came from and the lists it replaced; the same bytes are never
 * kept twice for one list, and only the newest versions of each list stay.
 */
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "database/database.h"
#include "files/files.h"

namespace {

std::string s_historyFolder;

/* The file naming the Ejay folder a version came from. */
const char ORIGIN_FILE[] = "dossier";
/* "2026-12-07_19.03.05" */
const char LABEL_FORMAT[] = "%Y-%m-%d_%H.%M.%S";
const std::size_t LABEL_TIME_LENGTH = 19;
/* Versions made in one second: "-2" up to this. */
const int MOST_VERSIONS_PER_SECOND = 99;

std::string Joined(const std::string &folder, const char *name) { return folder + PATH_SEPARATOR + name; }

std::string TimeLabel()
{
    std::time_t now = std::time(nullptr);
    char label[32] = "";
    if (const std::tm *local = std::localtime(&now))
        std::strftime(label, sizeof label, LABEL_FORMAT, local);
    return label;
}

/* The number after the time: 1 for none, 2 for "-2" ... */
int SequenceOf(const std::string &label)
{
    return label.size() > LABEL_TIME_LENGTH + 1 ? std::atoi(label.c_str() + LABEL_TIME_LENGTH + 1) : 1;
}

bool IsLabel(const std::string &name)
{
    if (name.size() < LABEL_TIME_LENGTH)
        return false;
    const char *shape = "dddd-dd-dd_dd.dd.dd";
    for (std::size_t i = 0; i < LABEL_TIME_LENGTH; ++i) {
        bool digit = name[i] >= '0' && name[i] <= '9';
        if (shape[i] == 'd' ? !digit : name[i] != shape[i])
            return false;
    }
    return name.size() == LABEL_TIME_LENGTH || name[LABEL_TIME_LENGTH] == '-';
}

bool Older(const HistoryEntry &a, const HistoryEntry &b)
{
    int byTime = a.label.compare(0, LABEL_TIME_LENGTH, b.label, 0, LABEL_TIME_LENGTH);
    return byTime != 0 ? byTime < 0 : SequenceOf(a.label) < SequenceOf(b.label);
}

/* The highest sequence of the labels of that second, 0 when none: a label
   freed by pruning must not come back, or a new version would sort before
   older ones. */
int LastSequenceOf(const std::string &time)
{
    std::vector<FolderEntry> names;
    ReadFolder(s_historyFolder.c_str(), &names);
    int last = 0;
    for (const FolderEntry &name : names) {
        if (IsLabel(name.name) && name.name.compare(0, LABEL_TIME_LENGTH, time) == 0)
            last = std::max(last, SequenceOf(name.name));
    }
    return last;
}

/* A version's folder and its origin, under the next label of this second. */
bool MakeVersion(HistoryVersion *version)
{
    if (!version->folder.empty())
        return true;
    if (s_historyFolder.empty() || !MakeFolders(s_historyFolder.c_str()))
        return false;
    const std::string time = TimeLabel();
    for (int sequence = LastSequenceOf(time) + 1; sequence <= MOST_VERSIONS_PER_SECOND; ++sequence) {
        std::string label = sequence == 1 ? time : time + "-" + std::to_string(sequence);
        std::string folder = Joined(s_historyFolder, label.c_str());
        if (IsFolder(folder.c_str()) || FileCanBeRead(folder.c_str()) || !MakeFolder(folder.c_str()))
            continue;
        const std::string &origin = version->ejayFolder;
        if (!SaveFileAtomically(Joined(folder, ORIGIN_FILE).c_str(), origin.data(), origin.size()))
            return false;
        version->label = label;
        version->folder = folder;
        return true;
    }
    return false;
}

bool SameBytesKept(const std::vector<HistoryEntry> &entries, int styleIndex, const std::string &bytes)
{
    for (const HistoryEntry &entry : entries) {
        std::string kept;
        if (entry.holds[styleIndex] && ReadHistoryList(entry, styleIndex, &kept) == FILE_READ && kept == bytes)
            return true;
    }
    return false;
}

/* A version left without lists goes, its origin file with it. */
void DropListFromVersion(const HistoryEntry &entry, int styleIndex)
{
    DeleteFileIfPresent(Joined(entry.folder, SAMPLE_LIST_FILE_NAMES[styleIndex]).c_str());
    for (const char *name : SAMPLE_LIST_FILE_NAMES) {
        if (FileCanBeRead(Joined(entry.folder, name).c_str()))
            return;
    }
    DeleteFileIfPresent(Joined(entry.folder, ORIGIN_FILE).c_str());
    RemoveEmptyFolder(entry.folder.c_str());
}

} // namespace

void SetHistoryFolder(const char *folder) { s_historyFolder = folder != nullptr ? folder : ""; }

const std::string &HistoryFolder() { return s_historyFolder; }

void UseThePlatformsHistoryFolder()
{
    char local[FILE_PATH_CAPACITY];
    if (!LocalApplicationDataFolder(local, sizeof local)) {
        SetHistoryFolder("");
        return;
    }
    SetHistoryFolder(Joined(Joined(local, "Pelmora"), "historique").c_str());
}

HistoryVersion StartHistoryVersion(const char *ejayFolder)
{
    HistoryVersion version;
    version.ejayFolder = ejayFolder != nullptr ? ejayFolder : "";
    return version;
}

int KeepInHistory(HistoryVersion *version, int styleIndex, const std::string &bytes)
{
    if (version == nullptr || styleIndex < 0 || styleIndex >= STYLE_COUNT || s_historyFolder.empty())
        return 0;
    if (SameBytesKept(ReadHistory(version->ejayFolder.c_str()), styleIndex, bytes))
        return 1;
    if (!MakeVersion(version))
        return 0;
    std::string path = Joined(version->folder, SAMPLE_LIST_FILE_NAMES[styleIndex]);
    return SaveFileAtomically(path.c_str(), bytes.data(), bytes.size());
}

void FinishHistoryVersion(HistoryVersion *version)
{
    if (version == nullptr || version->folder.empty())
        return;
    for (int styleIndex = 0; styleIndex < STYLE_COUNT; ++styleIndex) {
        std::vector<HistoryEntry> holding;
        for (const HistoryEntry &entry : ReadHistory(version->ejayFolder.c_str())) {
            if (entry.holds[styleIndex])
                holding.push_back(entry);
        }
        for (std::size_t index = 0; index + HISTORY_VERSIONS_KEPT < holding.size(); ++index)
            DropListFromVersion(holding[index], styleIndex);
    }
}

std::vector<HistoryEntry> ReadHistory(const char *ejayFolder)
{
    std::vector<HistoryEntry> entries;
    std::vector<FolderEntry> names;
    if (s_historyFolder.empty() || ejayFolder == nullptr || !ReadFolder(s_historyFolder.c_str(), &names))
        return entries;
    for (const FolderEntry &name : names) {
        if (!name.isFolder || !IsLabel(name.name))
            continue;
        HistoryEntry entry;
        entry.label = name.name;
        entry.folder = Joined(s_historyFolder, name.name.c_str());
        std::string origin;
        if (ReadWholeFile(Joined(entry.folder, ORIGIN_FILE).c_str(), &origin) != FILE_READ ||
            !SameFile(origin.c_str(), ejayFolder))
            continue;
        for (int index = 0; index < STYLE_COUNT; ++index)
            entry.holds[index] = FileCanBeRead(Joined(entry.folder, SAMPLE_LIST_FILE_NAMES[index]).c_str()) != 0;
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(), Older);
    return entries;
}

FileReadResult ReadHistoryList(const HistoryEntry &entry, int styleIndex, std::string *bytes)
{
    if (styleIndex < 0 || styleIndex >= STYLE_COUNT)
        return FILE_MISSING;
    return ReadWholeFile(Joined(entry.folder, SAMPLE_LIST_FILE_NAMES[styleIndex]).c_str(), bytes);
}
