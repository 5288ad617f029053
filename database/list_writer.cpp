/*
 * The sample list writer and the backups. A list on disk is only ever
 * replaced whole: each list is written to a temporary file beside it, every
 * write and the close are checked, and only then does the new file take the
 * list's name in one step. A failure leaves the old list exactly as it was.
 */
#include <cstdio>
#include <cstring>

#include "database/database.h"
#include "database/file_ops.h"
#include "database/list_file.h"

/* Shorter than every list name, so it fits wherever a list path fits. One
   name serves the three lists: each is moved into place before the next. */
static const char TEMPORARY_LIST_NAME[] = "pxd.tmp";
static const char BACKUP_SUFFIX[] = ".bak";

std::size_t FormatListRecord(const SampleRecord &record, int category, char *out, std::size_t capacity)
{
    if (out == nullptr || capacity == 0)
        return 0;
    out[0] = '\0';
    if (category < 1 || category > CATEGORY_COUNT)
        return 0;
    int length = std::snprintf(out, capacity,
                               "\"%.*s\"\r\n\"%.*s\"\r\n\"%.*s\"\r\n\"%s\"\r\n\"%.*s\"\r\n\"%.*s\"\r\n\"%.*s\"\r\n",
                               FIELD_TEXT(record.number), FIELD_TEXT(record.path), FIELD_TEXT(record.extraText),
                               CATEGORY_KEYWORDS[category - 1], FIELD_TEXT(record.duration),
                               FIELD_TEXT(record.nameLine1), FIELD_TEXT(record.nameLine2));
    if (length < 0 || static_cast<std::size_t>(length) >= capacity) {
        out[0] = '\0';
        return 0;
    }
    return static_cast<std::size_t>(length);
}

/* The used entries of one list in slot order; 1 when all were written. */
static int WriteCategory(std::FILE *stream, const CategoryList &list, int category)
{
    char text[RECORD_TEXT_CAPACITY];
    for (int slot = 0; slot < MAX_SAMPLES_PER_CATEGORY; ++slot) {
        if (list.slots[slot].used != 1)
            continue;
        std::size_t length = FormatListRecord(list.slots[slot], category, text, sizeof text);
        if (length == 0 || std::fwrite(text, 1, length, stream) != length)
            return 0;
    }
    return 1;
}

int WriteStyleDatabase(std::FILE *stream, const StyleDatabase *db, int style)
{
    if (stream == nullptr || db == nullptr)
        return 0;
    for (int category = 1; category <= CATEGORY_COUNT; ++category) {
        if (!WriteCategory(stream, db->lists[category - 1], category))
            return 0;
        if (!WriteCarriedRecords(stream, style, category))
            return 0;
    }
    if (!WriteCarriedLines(stream, style))
        return 0;
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

/* Writes the whole list to the temporary file; 1 when it is complete and
   closed. On failure the temporary file is gone. */
static int WriteTemporaryList(const char *temporary, const StyleDatabase *db, int style)
{
    std::FILE *stream = std::fopen(temporary, "wb");
    if (stream == nullptr)
        return 0;
    int written = WriteStyleDatabase(stream, db, style);
    if (std::fclose(stream) != 0)
        written = 0;
    if (!written)
        DeleteFileIfPresent(temporary);
    return written;
}

static int SaveStyleList(const AppState *state, int index)
{
    const char *dir = state->settings.ejayDir;
    char path[LIST_LINE_CAPACITY];
    char temporary[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, dir, SAMPLE_LIST_FILE_NAMES[index]) ||
        !JoinPath(temporary, sizeof temporary, dir, TEMPORARY_LIST_NAME))
        return 0;
    if (!WriteTemporaryList(temporary, &state->styles[index], STYLE_DANCE + index))
        return 0;
    if (!ReplaceFileWith(temporary, path)) {
        DeleteFileIfPresent(temporary);
        return 0;
    }
    return 1;
}

/* Names the list for the user. When the path does not fit, the text is cut:
   it is only shown, never used to open a file. */
static void NoteFailedList(ListSaveReport *report, const AppState *state, int index)
{
    if (report == nullptr || report->failedCount >= STYLE_COUNT)
        return;
    char *text = report->failedPaths[report->failedCount];
    std::size_t size = sizeof report->failedPaths[0];
    int length = std::snprintf(text, size, "%s%c%s", state->settings.ejayDir, PATH_SEPARATOR,
                               SAMPLE_LIST_FILE_NAMES[index]);
    if (length < 0 || static_cast<std::size_t>(length) >= size)
        std::memcpy(text + size - 4, "...", 4);
    report->failedCount += 1;
}

int SaveSampleLists(const AppState *state, ListSaveReport *report)
{
    if (report != nullptr)
        std::memset(report, 0, sizeof *report);
    if (state == nullptr)
        return 0;
    int allSaved = 1;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!SaveStyleList(state, index)) {
            NoteFailedList(report, state, index);
            allSaved = 0;
        }
    }
    return allSaved;
}

/* A missing list, or a copy that fails, leaves the previous backup. */
static void BackupStyleList(const char *dir, int index)
{
    char path[LIST_LINE_CAPACITY];
    char backupName[32];
    char backup[LIST_LINE_CAPACITY];
    std::snprintf(backupName, sizeof backupName, "%s%s", SAMPLE_LIST_FILE_NAMES[index], BACKUP_SUFFIX);
    if (!JoinPath(path, sizeof path, dir, SAMPLE_LIST_FILE_NAMES[index]) ||
        !JoinPath(backup, sizeof backup, dir, backupName))
        return;
    if (FileCanBeRead(path))
        CopyFileOver(path, backup);
}

int BackupSampleLists(const AppState *state)
{
    if (state == nullptr)
        return 0;
    if (state->settings.backup != 1)
        return 1;
    for (int index = 0; index < STYLE_COUNT; ++index)
        BackupStyleList(state->settings.ejayDir, index);
    return 1;
}
