/*
 * The sample list writer and the backups. A list is formatted whole in
 * memory and handed to the file layer, which replaces the file in one step
 * once the new one is on the disk: a failure leaves the old list exactly as
 * it was.
 */
#include <cstdio>
#include <cstring>
#include <string>

#include "database/database.h"
#include "database/list_file.h"
#include "files/files.h"

namespace {

const char BACKUP_SUFFIX[] = ".bak";
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

/* text: the buffer the list is formatted in, kept from list to list. */
int WriteStyleList(const AppState &state, int index, std::string *text)
{
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, state.settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]))
        return 0;
    text->clear();
    FormatStyleList(state.styles[index], STYLE_DANCE + index, text);
    return SaveFileAtomically(path, text->data(), text->size());
}

/* Names the list for the user. When the path does not fit, the text is cut:
   it is only shown, never used to open a file. */
void NoteFailedFile(ListSaveReport *report, const char *dir, const char *name)
{
    if (report == nullptr || report->failedCount >= STYLE_COUNT)
        return;
    char *text = report->failedPaths[report->failedCount];
    std::size_t size = sizeof report->failedPaths[0];
    int length = std::snprintf(text, size, "%s%c%s", dir, PATH_SEPARATOR, name);
    if (length < 0 || static_cast<std::size_t>(length) >= size)
        std::memcpy(text + size - 4, "...", 4);
    report->failedCount += 1;
}

void BackupNameOf(int index, char *name, std::size_t capacity)
{
    std::snprintf(name, capacity, "%s%s", SAMPLE_LIST_FILE_NAMES[index], BACKUP_SUFFIX);
}

/* A missing list leaves the previous backup: 1, nothing to copy. */
int CopyToBackup(const char *dir, int index)
{
    char backupName[32];
    BackupNameOf(index, backupName, sizeof backupName);
    char path[LIST_LINE_CAPACITY];
    char backup[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, dir, SAMPLE_LIST_FILE_NAMES[index]) ||
        !JoinPath(backup, sizeof backup, dir, backupName))
        return 0;
    return !FileCanBeRead(path) || CopyFileOver(path, backup);
}

bool IsStyleCode(int style) { return style >= STYLE_DANCE && style < STYLE_DANCE + STYLE_COUNT; }

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

void FormatStyleList(const StyleDatabase &db, int style, std::string *text)
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
        AppendCarriedRecords(text, style, category);
    }
    AppendCarriedEnd(text, style);
}

int SaveSampleLists(const AppState *state, ListSaveReport *report)
{
    if (report != nullptr)
        std::memset(report, 0, sizeof *report);
    if (state == nullptr)
        return 0;
    int allSaved = 1;
    std::string text;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!WriteStyleList(*state, index, &text)) {
            NoteFailedFile(report, state->settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]);
            allSaved = 0;
        }
    }
    return allSaved;
}

int BackupSampleLists(const AppState *state, ListSaveReport *report)
{
    if (report != nullptr)
        std::memset(report, 0, sizeof *report);
    if (state == nullptr)
        return 0;
    if (state->settings.backup != 1)
        return 1;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!CopyToBackup(state->settings.ejayDir, index)) {
            char backupName[32];
            BackupNameOf(index, backupName, sizeof backupName);
            NoteFailedFile(report, state->settings.ejayDir, backupName);
        }
    }
    return 1;
}

int SaveStyleList(const AppState *state, int style)
{
    if (state == nullptr || !IsStyleCode(style))
        return 0;
    std::string text;
    return WriteStyleList(*state, style - STYLE_DANCE, &text);
}

int BackupStyleList(const AppState *state, int style)
{
    if (state == nullptr || !IsStyleCode(style))
        return 0;
    return state->settings.backup != 1 || CopyToBackup(state->settings.ejayDir, style - STYLE_DANCE);
}
