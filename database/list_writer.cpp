/*
 * The sample list writer and the backups. A list is formatted whole in
 * memory and handed to the file layer, which replaces the file in one step
 * once the new one is on the disk: a failure leaves the old list exactly as
 * it was. A list goes back only to the folder it was read from, and only
 * over the version that was read, unless the user says otherwise; the
 * version it replaces goes to the history first.
 */
#include <cstdio>
#include <cstring>
#include <string>

#include "database/database.h"
#include "database/database_texts.h"
#include "database/list_file.h"
#include "files/files.h"

/* Beside a list another program changed: theirs when ours replaced it,
   ours when theirs stays. */
const char THEIRS_SUFFIX[] = "autre";
const char OURS_SUFFIX[] = "pelmora";

namespace {

const char BACKUP_SUFFIX[] = ".bak";
/* "-2" to "-999" after the suffix when the plain name is taken. */
const int MOST_KEPT_VERSIONS = 999;
/* A record as the writer puts it is about this long; enough room up front
   saves growing the buffer while a full list is formatted. */
const std::size_t TYPICAL_RECORD_SIZE = 160;
/* The longest record: seven quoted values at their widths, line ends. */
const std::size_t RECORD_TEXT_CAPACITY = sizeof(SampleRecord) + 8 * RECORD_LINE_COUNT;

/* One quoted value and its line end at out; returns the end. */
char *PutQuoted(char *out, const char *value, std::size_t length)
{
    *out++ = '"';
    std::memcpy(out, value, length);
    out += length;
    std::memcpy(out, "\"\r\n", 3);
    return out + 3;
}

template <std::size_t N>
char *PutField(char *out, const char (&field)[N])
{
    return PutQuoted(out, field, FieldLength(field, N));
}

/* Names a file for the user. When the path does not fit, the text is cut:
   it is only shown, never used to open a file. */
void NameFile(char (&out)[LIST_LINE_CAPACITY], const char *dir, const char *name)
{
    int length = std::snprintf(out, sizeof out, "%s%c%s", dir, PATH_SEPARATOR, name);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof out)
        std::memcpy(out + sizeof out - 4, "...", 4);
}

void NoteFailedFile(ListSaveReport *report, const char *dir, const char *name, const FileProblem &problem)
{
    if (report == nullptr || report->failedCount >= STYLE_COUNT)
        return;
    NameFile(report->failedPaths[report->failedCount], dir, name);
    report->failures[report->failedCount] = problem;
    report->failedCount += 1;
}

void NoteKeptBeside(ListSaveReport *report, const char *path)
{
    if (report == nullptr || report->keptBesideCount >= STYLE_COUNT)
        return;
    std::snprintf(report->keptBeside[report->keptBesideCount], LIST_LINE_CAPACITY, "%s", path);
    report->keptBesideCount += 1;
}

/* A missing list leaves the previous backup: 1, nothing to copy. */
int BackupStyleList(const char *dir, int index, const char *backupName, FileProblem *problem)
{
    char path[LIST_LINE_CAPACITY];
    char backup[LIST_LINE_CAPACITY];
    *problem = {FILE_FINE, 0};
    if (!JoinPath(path, sizeof path, dir, SAMPLE_LIST_FILE_NAMES[index]) ||
        !JoinPath(backup, sizeof backup, dir, backupName))
        return 0;
    return !FileCanBeRead(path) || CopyFileOver(path, backup, problem);
}

/* Another program's version when it differs from both ours and the one
   read: theirs goes beside ours, or ours beside theirs, as the user says. */
struct Conflict {
    ChangedListQuestion question;
    void *context;
    ListSaveProgress *progress;
};

int WriteOverChangedList(const char *path, int index, const std::string &text, const std::string &current,
                         const Conflict &conflict, HistoryVersion *history, ListSaveReport *report,
                         FileProblem *problem)
{
    int &choice = conflict.progress->choice[index];
    if (choice < 0)
        choice = conflict.question != nullptr ? conflict.question(conflict.context, path) : KEEP_THEIRS;
    const bool replace = choice == REPLACE_KEEPING_THEIRS;
    char beside[LIST_LINE_CAPACITY];
    if (!KeepBeside(path, replace ? THEIRS_SUFFIX : OURS_SUFFIX, replace ? current : text, beside, sizeof beside)) {
        *problem = {FILE_FAILED, 0};
        return 0;
    }
    NoteKeptBeside(report, beside);
    return !replace || ReplaceList(path, index, text, &current, history, problem);
}

/* One style's list back into the folder it came from. */
int SaveStyleList(const AppState &state, ListsLoad *load, int index, const Conflict &conflict, HistoryVersion *history,
                  ListSaveReport *report)
{
    FileProblem problem = {FILE_FINE, 0};
    char path[LIST_LINE_CAPACITY];
    int saved = 0;
    std::string text, current;
    if (JoinPath(path, sizeof path, load->folder.c_str(), SAMPLE_LIST_FILE_NAMES[index])) {
        FormatStyleList(state.styles[index], load->readings[index].kept, &text);
        bool present = false;
        if (ListUnchangedSince(path, load->read[index], &current, &present, &problem))
            saved = ReplaceList(path, index, text, present ? &current : nullptr, history, &problem);
        else if (problem.kind == FILE_FINE && (!present || current == text))
            saved = ReplaceList(path, index, text, nullptr, history, &problem);
        else if (problem.kind == FILE_FINE)
            saved = WriteOverChangedList(path, index, text, current, conflict, history, report, &problem);
    }
    if (saved && conflict.progress->choice[index] != KEEP_THEIRS)
        load->read[index] = FingerprintOf(text);
    if (!saved)
        NoteFailedFile(report, load->folder.c_str(), SAMPLE_LIST_FILE_NAMES[index], problem);
    return saved;
}

} // namespace

void AppendListRecord(std::string *text, const SampleRecord &record, int category)
{
    char line[RECORD_TEXT_CAPACITY];
    const char *keyword = CATEGORY_KEYWORDS[category - 1];
    char *end = PutField(line, record.number);
    end = PutField(end, record.path);
    end = PutField(end, record.extraText);
    end = PutQuoted(end, keyword, std::strlen(keyword));
    end = PutField(end, record.duration);
    end = PutField(end, record.nameLine1);
    end = PutField(end, record.nameLine2);
    text->append(line, static_cast<std::size_t>(end - line));
}

void FormatStyleList(const StyleDatabase &db, const KeptRecords &kept, std::string *text)
{
    std::size_t entries = 0;
    for (const CategoryList &list : db.lists)
        entries += static_cast<std::size_t>(list.count > 0 ? list.count : 0);
    text->reserve(text->size() + entries * TYPICAL_RECORD_SIZE);
    for (int category = 1; category <= CATEGORY_COUNT; ++category) {
        /* Flags decide, not the count: every slot marked used is written. */
        for (const SampleRecord &record : db.lists[category - 1].slots) {
            if (record.used == 1)
                AppendListRecord(text, record, category);
        }
        text->append(kept.byCategory[category - 1]);
    }
    text->append(kept.end);
}

int EjayFolderFits(const char *folder) { return folder != nullptr && std::strlen(folder) <= EJAY_FOLDER_MAX; }

void FormatFileReason(const FileProblem &problem, char *out, std::size_t capacity)
{
    if (problem.kind == FILE_IN_THE_WAY) {
        std::snprintf(out, capacity, "%s", TEXT_REASON_FOLDER_IN_THE_WAY);
        return;
    }
    DescribeFileProblem(problem, out, capacity);
    if (out[0] == '\0')
        std::snprintf(out, capacity, "%s", TEXT_REASON_UNKNOWN);
}

bool ListUnchangedSince(const char *path, const ListFingerprint &read, std::string *current, bool *present,
                        FileProblem *problem)
{
    FileReadResult result = ReadWholeFile(path, current, problem);
    *present = result == FILE_READ;
    if (result == FILE_MISSING && problem != nullptr)
        *problem = {FILE_FINE, 0};
    if (result == FILE_UNREADABLE)
        return false;
    return FingerprintOf(*current) == read && *present == read.present;
}

int ReplaceList(const char *path, int styleIndex, const std::string &bytes, const std::string *replaced,
                HistoryVersion *history, FileProblem *problem)
{
    if (replaced != nullptr && *replaced != bytes && history != nullptr)
        KeepInHistory(history, styleIndex, *replaced);
    return SaveFileAtomically(path, bytes.data(), bytes.size(), problem);
}

int KeepBeside(const char *path, const char *suffix, const std::string &bytes, char *out, std::size_t capacity)
{
    for (int number = 1; number <= MOST_KEPT_VERSIONS; ++number) {
        int length = number == 1 ? std::snprintf(out, capacity, "%s.%s", path, suffix)
                                 : std::snprintf(out, capacity, "%s.%s-%d", path, suffix, number);
        if (length < 0 || static_cast<std::size_t>(length) >= capacity)
            break;
        if (FileCanBeRead(out) || IsFolder(out))
            continue;
        if (SaveFileAtomically(out, bytes.data(), bytes.size()))
            return 1;
        break;
    }
    out[0] = '\0';
    return 0;
}

int SaveSampleLists(const AppState *state, ListsLoad *load, ChangedListQuestion question, void *context,
                    ListSaveProgress *progress, ListSaveReport *report)
{
    if (report != nullptr)
        *report = ListSaveReport();
    if (state == nullptr || load == nullptr || progress == nullptr)
        return 0;
    const Conflict conflict = {question, context, progress};
    HistoryVersion history = StartHistoryVersion(load->folder.c_str());
    int allSaved = 1;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (progress->done[index])
            continue;
        progress->done[index] = SaveStyleList(*state, load, index, conflict, &history, report);
        allSaved = allSaved && progress->done[index];
    }
    FinishHistoryVersion(&history);
    return allSaved;
}

int BackupOneList(const AppState *state, const ListsLoad &load, int index)
{
    char backupName[32];
    FileProblem problem;
    if (state == nullptr || index < 0 || index >= STYLE_COUNT)
        return 0;
    std::snprintf(backupName, sizeof backupName, "%s%s", SAMPLE_LIST_FILE_NAMES[index], BACKUP_SUFFIX);
    return state->settings.backup != 1 || BackupStyleList(load.folder.c_str(), index, backupName, &problem);
}

int BackupSampleLists(const AppState *state, const ListsLoad &load, ListSaveReport *report)
{
    if (report != nullptr)
        *report = ListSaveReport();
    if (state == nullptr)
        return 0;
    if (state->settings.backup != 1)
        return 1;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        char backupName[32];
        FileProblem problem;
        std::snprintf(backupName, sizeof backupName, "%s%s", SAMPLE_LIST_FILE_NAMES[index], BACKUP_SUFFIX);
        if (!BackupStyleList(load.folder.c_str(), index, backupName, &problem))
            NoteFailedFile(report, load.folder.c_str(), backupName, problem);
    }
    return 1;
}
