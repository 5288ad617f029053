/*
 * The sample list reader. A list is read whole in one checked read and
 * parsed from memory through the file layer's text cursor, so Windows and
 * the native build read exactly the same values. A record the tables
 * cannot hold whole never reaches them cut: it is kept aside as it stood.
 */
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/database.h"
#include "database/database_texts.h"
#include "database/list_file.h"
#include "files/files.h"

namespace {

/* The text of a list not read yet: textEnd stands after the last byte that
   is not part of a blank line (blank lines at the end hold nothing to read). */
struct ListText {
    TextCursor cursor;
    const char *textEnd;
};

/* One record's seven lines, where it starts, and how many lines it got. */
struct RecordLines {
    TextLine lines[RECORD_LINE_COUNT];
    const char *start;
    int firstLine;
    int taken;
};

ListText StartListText(const char *bytes, std::size_t size)
{
    ListText in = {TextCursorOver(bytes, size), nullptr};
    const char *end = in.cursor.end;
    while (end > bytes && IsBlankByte(end[-1]))
        end--;
    in.textEnd = end;
    return in;
}

bool HasMoreText(const ListText &in) { return in.cursor.next < in.textEnd; }

/* Up to seven lines; fewer only at the end of the text. */
RecordLines TakeRecord(ListText *in)
{
    RecordLines record = {{}, in->cursor.next, in->cursor.lineNumber, 0};
    while (record.taken < RECORD_LINE_COUNT && TakeTextLine(&in->cursor, &record.lines[record.taken]))
        record.taken++;
    return record;
}

/* No quote and no NUL byte in the text. */
bool IsPlain(const char *text, std::size_t length)
{
    for (std::size_t i = 0; i < length; i++) {
        if (text[i] == '"' || text[i] == '\0')
            return false;
    }
    return true;
}

/* The line's value, every quote removed, into field (size bytes with the
   terminator). false when it cannot be held whole: the line is longer than
   the reader's buffer, holds a NUL byte, or its value is wider than the
   field; field then holds a part. */
bool CopyValue(const TextLine &line, char *field, std::size_t size)
{
    if (line.length >= READER_LINE_CAPACITY)
        return false;
    /* The usual line, as the writer puts it: one value between two quotes. */
    std::size_t inner = line.length - 2;
    if (line.length >= 2 && line.start[0] == '"' && line.start[line.length - 1] == '"' && inner < size &&
        IsPlain(line.start + 1, inner)) {
        std::memcpy(field, line.start + 1, inner);
        field[inner] = '\0';
        return true;
    }
    const char *next = line.start;
    const char *end = line.start + line.length;
    std::size_t stored = 0;
    while (next < end) {
        const char *quote = static_cast<const char *>(std::memchr(next, '"', static_cast<std::size_t>(end - next)));
        std::size_t length = static_cast<std::size_t>((quote != nullptr ? quote : end) - next);
        if (stored + length >= size || std::memchr(next, '\0', length) != nullptr)
            return false;
        std::memcpy(field + stored, next, length);
        stored += length;
        next = quote != nullptr ? quote + 1 : end;
    }
    field[stored] = '\0';
    return true;
}

/* The category the keyword line names (0 for none), the keyword into
   keyword. No keyword is wider than the field; a wider text is none. */
int CategoryOfLine(const TextLine &line, char (&keyword)[sizeof(SampleRecord::keyword)])
{
    return CopyValue(line, keyword, sizeof keyword) ? CategoryOfKeyword(keyword) : 0;
}

/* The keyword line's text as the user would read it: quotes removed, no
   further than the reader's buffer. */
std::string KeywordText(const TextLine &line)
{
    std::size_t length = line.length < READER_LINE_CAPACITY ? line.length : READER_LINE_CAPACITY - 1;
    std::string kept;
    for (std::size_t i = 0; i < length && line.start[i] != '\0'; i++) {
        if (line.start[i] != '"')
            kept += line.start[i];
    }
    return kept;
}

/* The values into a free (all zero) slot, the keyword already read; false,
   with the slot zero again, when one cannot be held whole. */
bool StoreRecord(const RecordLines &record, const char *keyword, SampleRecord *slot, int category)
{
    const TextLine *lines = record.lines;
    std::memcpy(slot->keyword, keyword, std::strlen(keyword) + 1);
    bool whole = CopyValue(lines[LINE_NUMBER], slot->number, sizeof slot->number) &&
                 CopyValue(lines[LINE_PATH], slot->path, sizeof slot->path) &&
                 CopyValue(lines[LINE_EXTRA_TEXT], slot->extraText, sizeof slot->extraText) &&
                 CopyValue(lines[LINE_DURATION], slot->duration, sizeof slot->duration) &&
                 CopyValue(lines[LINE_NAME_1], slot->nameLine1, sizeof slot->nameLine1) &&
                 CopyValue(lines[LINE_NAME_2], slot->nameLine2, sizeof slot->nameLine2);
    if (!whole) {
        std::memset(slot, 0, sizeof *slot);
        return false;
    }
    slot->categoryNumber = static_cast<std::uint32_t>(category);
    slot->used = 1;
    return true;
}

/* Into the next free slot of its category, or kept aside as it stood. */
void StoreOrKeepAside(const RecordLines &record, const ListText &in, const char *keyword, int category,
                      StyleDatabase *db, ListReading *reading)
{
    CategoryList &list = db->lists[category - 1];
    RecordFate fate = RECORD_BEYOND_CAPACITY;
    if (list.count < MAX_SAMPLES_PER_CATEGORY) {
        if (StoreRecord(record, keyword, &list.slots[list.count], category)) {
            list.count += 1;
            return;
        }
        fate = RECORD_TOO_WIDE;
    }
    reading->notes.push_back({record.firstLine, category, fate, KeywordText(record.lines[LINE_KEYWORD])});
    CarryRecord(&reading->kept, category, record.start, static_cast<std::size_t>(in.cursor.next - record.start));
}

/* From an unfinished record or the Ctrl-Z on, the rest of the file is kept
   as it stands; text after a Ctrl-Z is noted where the mark stands. */
void KeepTheEnd(const char *bytes, std::size_t size, const char *keptFrom, const TextCursor &cursor,
                ListReading *reading)
{
    std::size_t keptSize = static_cast<std::size_t>(bytes + size - keptFrom);
    if (keptFrom == cursor.end && HoldsText(keptFrom, keptSize)) {
        int markLine = 1 + static_cast<int>(std::count(bytes, keptFrom, '\n'));
        reading->notes.push_back({markLine, 0, RECORD_AFTER_END_MARK, std::string()});
    }
    CarryEnd(&reading->kept, keptFrom, keptSize);
}

std::string Formatted(const char *format, const char *first, const char *second = "")
{
    char text[2048];
    int length = std::snprintf(text, sizeof text, format, first, second);
    return length < 0 ? std::string() : std::string(text);
}

/* One message for all files, after loading: which lists hold records that
   are not shown, and that saving will keep them. */
void TellKeptRecords(ListsLoad *load)
{
    std::string message;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        int kept = load->readings[index].kept.recordCount;
        char path[LIST_LINE_CAPACITY];
        if (kept == 0 || !JoinPath(path, sizeof path, load->folder.c_str(), SAMPLE_LIST_FILE_NAMES[index]))
            continue;
        char told[2 * LIST_LINE_CAPACITY + sizeof TEXT_RECORDS_KEPT_ASIDE];
        std::snprintf(told, sizeof told, TEXT_RECORDS_KEPT_ASIDE, path, kept);
        message += (message.empty() ? "" : "\n") + std::string(told);
    }
    if (!message.empty())
        load->messages.push_back(message);
}

/* Reads and parses one style's list. */
ListLoadResult LoadStyleList(AppState *state, int index, ListsLoad *load)
{
    const char *dir = load->folder.c_str();
    const char *name = SAMPLE_LIST_FILE_NAMES[index];
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, dir, name)) {
        load->messages.push_back(Formatted(TEXT_PATH_TOO_LONG, (dir + std::string(1, PATH_SEPARATOR) + name).c_str()));
        return LISTS_NOT_FOUND;
    }
    std::string bytes;
    FileProblem problem;
    FileReadResult read = ReadWholeFile(path, &bytes, &problem);
    if (read == FILE_MISSING) {
        load->messages.push_back(Formatted(TEXT_LIST_MISSING, path));
        return LISTS_NOT_FOUND;
    }
    if (read == FILE_UNREADABLE) {
        char reason[512];
        FormatFileReason(problem, reason, sizeof reason);
        load->unreadablePath = path;
        load->unreadableReason = problem;
        load->messages.push_back(Formatted(TEXT_LIST_UNREADABLE, path, reason));
        return LISTS_REFUSED;
    }
    load->read[index] = FingerprintOf(bytes);
    ListReading *reading = &load->readings[index];
    if (!ReadStyleList(bytes.data(), bytes.size(), &state->styles[index], reading)) {
        load->messages.push_back(Formatted(TEXT_UNKNOWN_CATEGORY, reading->notes.back().keyword.c_str()));
        return LISTS_REFUSED;
    }
    return LISTS_LOADED;
}

} // namespace

void FormatListMissingMessage(const char *path, char *out, std::size_t capacity)
{
    std::snprintf(out, capacity, TEXT_LIST_MISSING, path);
}

int RemoveChar(char c, char *text)
{
    if (text == nullptr)
        return 0;
    char *kept = text;
    for (const char *next = text; *next != '\0'; ++next) {
        if (*next != c)
            *kept++ = *next;
    }
    *kept = '\0';
    return 1;
}

ListFingerprint FingerprintOf(const std::string &bytes)
{
    /* FNV-1a, eight bytes at a time: a change of any byte changes it, at
       the speed of a read. */
    const std::uint64_t prime = 1099511628211ull;
    std::uint64_t hash = 14695981039346656037ull;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        hash = (hash ^ word) * prime;
    }
    for (; at < bytes.size(); ++at)
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * prime;
    ListFingerprint fingerprint;
    fingerprint.present = true;
    fingerprint.size = bytes.size();
    fingerprint.hash = hash;
    return fingerprint;
}

bool operator==(const ListFingerprint &a, const ListFingerprint &b)
{
    return a.present == b.present && (!a.present || (a.size == b.size && a.hash == b.hash));
}

int ReadStyleList(const char *bytes, std::size_t size, StyleDatabase *db, ListReading *reading)
{
    ListText in = StartListText(bytes, size);
    const char *keptFrom = in.cursor.end < bytes + size ? in.cursor.end : nullptr;
    while (HasMoreText(in)) {
        RecordLines record = TakeRecord(&in);
        if (record.taken < RECORD_LINE_COUNT) {
            reading->notes.push_back({record.firstLine, 0, RECORD_UNFINISHED, std::string()});
            keptFrom = record.start;
            break;
        }
        char keyword[sizeof(SampleRecord::keyword)];
        int category = CategoryOfLine(record.lines[LINE_KEYWORD], keyword);
        if (category == 0) {
            reading->notes.push_back(
                {record.firstLine + LINE_KEYWORD, 0, RECORD_UNKNOWN_KEYWORD, KeywordText(record.lines[LINE_KEYWORD])});
            if (!reading->pastUnknownKeywords)
                return 0;
            continue;
        }
        StoreOrKeepAside(record, in, keyword, category, db, reading);
    }
    if (keptFrom != nullptr)
        KeepTheEnd(bytes, size, keptFrom, in.cursor, reading);
    return 1;
}

ListLoadResult LoadSampleLists(AppState *state, ListsLoad *load)
{
    *load = ListsLoad();
    if (state == nullptr)
        return LISTS_REFUSED;
    load->folder = state->settings.ejayDir;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        load->result = LoadStyleList(state, index, load);
        if (load->result != LISTS_LOADED)
            return load->result;
    }
    TellKeptRecords(load);
    return load->result;
}
