/*
 * The sample list reader. A list is read whole in one checked read and
 * parsed from memory; the text-mode rules are applied here (CR before LF
 * dropped, lone CR kept, Ctrl-Z ends the input), so Windows and the native
 * build read exactly the same values. A record the tables cannot hold
 * whole never reaches them cut: it is kept aside as it stood.
 */
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/database.h"
#include "database/database_texts.h"
#include "database/list_file.h"
#include "files/files.h"

namespace {

const char CTRL_Z = 26;

DatabaseReporter s_reporter = nullptr;

/* One line: its bytes without the line end. */
struct Line {
    const char *start;
    std::size_t length;
};

/* The text not read yet. end stands at the Ctrl-Z that ends the input, or
   at the end of the bytes; textEnd after the last byte that is not part of
   a blank line: blank lines at the end hold nothing to read. */
struct ListText {
    const char *next;
    const char *end;
    const char *textEnd;
    int lineNumber; /* of the next line */
};

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char *TextEnd(const char *begin, const char *end)
{
    while (end > begin && IsBlankByte(end[-1]))
        end--;
    return end;
}

/* Takes the next line; false at the end of the input. A final line without
   a line end is a line. */
bool TakeLine(ListText *in, Line *line)
{
    if (!TakeTextLine(&in->next, in->end, &line->start, &line->length))
        return false;
    in->lineNumber++;
    return true;
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
bool CopyValue(const Line &line, char *field, std::size_t size)
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

/* The values into a free (all zero) slot, the keyword already read; false,
   with the slot zero again, when one cannot be held whole. */
bool StoreRecord(const Line lines[RECORD_LINE_COUNT], const char *keyword, SampleRecord *slot, int category)
{
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

/* The keyword line's text as the user would read it: quotes removed, no
   further than the reader's buffer. */
std::string KeywordText(const Line &line)
{
    std::size_t length = line.length < READER_LINE_CAPACITY ? line.length : READER_LINE_CAPACITY - 1;
    std::string kept;
    for (std::size_t i = 0; i < length && line.start[i] != '\0'; i++) {
        if (line.start[i] != '"')
            kept += line.start[i];
    }
    return kept;
}

std::string Formatted(const char *format, ...)
{
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return length < 0 ? std::string() : std::string(text);
}

void SendDatabaseMessage(const std::string &message)
{
    if (s_reporter != nullptr)
        s_reporter(message.c_str());
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}

/* One message for all files, after loading: which lists hold records that
   are not shown, and that saving will keep them. */
void ReportCarriedRecords(const AppSettings &settings)
{
    std::string message;
    for (int index = 0; index < STYLE_COUNT; ++index) {
        int carried = CarriedRecordCount(STYLE_DANCE + index);
        char path[LIST_LINE_CAPACITY];
        if (carried == 0 || !JoinPath(path, sizeof path, settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]))
            continue;
        message += (message.empty() ? "" : "\n") + Formatted(TEXT_RECORDS_KEPT_ASIDE, path, carried);
    }
    if (!message.empty())
        SendDatabaseMessage(message);
}

/* Opens, reads and parses one style's list. */
ListLoadResult LoadStyleList(AppState *state, int index)
{
    const char *dir = state->settings.ejayDir;
    const char *name = SAMPLE_LIST_FILE_NAMES[index];
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, dir, name)) {
        SendDatabaseMessage(Formatted(TEXT_PATH_TOO_LONG, dir, PATH_SEPARATOR, name));
        return LISTS_NOT_FOUND;
    }
    std::string bytes;
    FileReadResult read = ReadWholeFile(path, &bytes);
    if (read != FILE_READ) {
        SendDatabaseMessage(Formatted(read == FILE_MISSING ? TEXT_LIST_MISSING : TEXT_LIST_UNREADABLE, path));
        return read == FILE_MISSING ? LISTS_NOT_FOUND : LISTS_REFUSED;
    }
    ListReading reading;
    if (!ReadStyleList(bytes.data(), bytes.size(), &state->styles[index], STYLE_DANCE + index, &reading)) {
        SendDatabaseMessage(Formatted(TEXT_UNKNOWN_CATEGORY, reading.notes.back().keyword.c_str()));
        return LISTS_REFUSED;
    }
    return LISTS_LOADED;
}

} // namespace

void SetDatabaseReporter(DatabaseReporter reporter) { s_reporter = reporter; }

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

int ReadStyleList(const char *bytes, std::size_t size, StyleDatabase *db, int style, ListReading *reading)
{
    const char *ctrlZ = static_cast<const char *>(std::memchr(bytes, CTRL_Z, size));
    const char *end = ctrlZ != nullptr ? ctrlZ : bytes + size;
    ListText in = {bytes, end, TextEnd(bytes, end), 1};
    const char *keptEnd = ctrlZ;
    while (in.next < in.textEnd) {
        const char *recordStart = in.next;
        int firstLine = in.lineNumber;
        Line lines[RECORD_LINE_COUNT];
        int taken = 0;
        while (taken < RECORD_LINE_COUNT && TakeLine(&in, &lines[taken]))
            taken++;
        if (taken < RECORD_LINE_COUNT) {
            reading->notes.push_back({firstLine, 0, RECORD_UNFINISHED, std::string()});
            keptEnd = recordStart;
            break;
        }
        /* No keyword is wider than the field; a wider text is none of them. */
        char keyword[sizeof(SampleRecord::keyword)];
        int category = CopyValue(lines[LINE_KEYWORD], keyword, sizeof keyword) ? CategoryOfKeyword(keyword) : 0;
        if (category == 0) {
            /* The user mends the word, so the note names the line that holds it. */
            int keywordLine = firstLine + LINE_KEYWORD;
            reading->notes.push_back({keywordLine, 0, RECORD_UNKNOWN_KEYWORD, KeywordText(lines[LINE_KEYWORD])});
            if (!reading->pastUnknownKeywords)
                return 0;
            continue;
        }
        CategoryList &list = db->lists[category - 1];
        RecordFate fate = RECORD_BEYOND_CAPACITY;
        if (list.count < MAX_SAMPLES_PER_CATEGORY) {
            if (StoreRecord(lines, keyword, &list.slots[list.count], category)) {
                list.count += 1;
                continue;
            }
            fate = RECORD_TOO_WIDE;
        }
        reading->notes.push_back({firstLine, category, fate, KeywordText(lines[LINE_KEYWORD])});
        CarryRecord(style, category, recordStart, static_cast<std::size_t>(in.next - recordStart));
    }
    if (keptEnd != nullptr) {
        std::size_t keptSize = static_cast<std::size_t>(bytes + size - keptEnd);
        if (keptEnd == ctrlZ && HoldsText(keptEnd, keptSize)) {
            int line = 1 + static_cast<int>(std::count(bytes, ctrlZ, '\n'));
            reading->notes.push_back({line, 0, RECORD_AFTER_END_MARK, std::string()});
        }
        CarryEnd(style, keptEnd, keptSize);
    }
    return 1;
}

ListLoadResult LoadSampleLists(AppState *state)
{
    if (state == nullptr)
        return LISTS_REFUSED;
    ForgetCarriedRecords();
    for (int index = 0; index < STYLE_COUNT; ++index) {
        ListLoadResult result = LoadStyleList(state, index);
        if (result != LISTS_LOADED)
            return result;
    }
    ReportCarriedRecords(state->settings);
    return LISTS_LOADED;
}
