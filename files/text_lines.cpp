/*
 * Text of any size through a fixed buffer. The buffer holds a window of the
 * source; the one text cursor runs over it, and the window moves on only
 * when the cursor could not find a whole line in it. TakeTextLine keeps
 * every rule of a line (its end, CR LF, Ctrl-Z): this file only makes sure
 * that what the cursor sees is either a whole line or the end of the text.
 */
#include <cstring>

#include "files/files.h"
#include "files/platform.h"

namespace {

/* Nothing in the buffer; the cursor at its start. */
void StartEmpty(TextLines *lines)
{
    lines->filled = 0;
    lines->cursor.next = lines->buffer;
    lines->cursor.end = lines->buffer;
}

/* Back before the source's first byte, nothing of it taken. */
void StartOver(TextLines *lines)
{
    StartEmpty(lines);
    lines->cursor.lineNumber = 1;
    lines->textEnded = false;
    lines->sourceEnded = false;
    lines->restOfLineToPass = false;
    lines->sourceTaken = 0;
}

void StartReading(TextLines *lines, char *buffer, std::size_t capacity)
{
    lines->buffer = buffer;
    lines->capacity = capacity;
    lines->file = NO_FILE;
    lines->bytes = nullptr;
    lines->bytesSize = 0;
    lines->problem = {FILE_FINE, 0};
    StartOver(lines);
}

/* The next bytes of the source into [at, at + room): how many came, 0 at its
   end or when the read failed. */
std::size_t TakeFromSource(TextLines *lines, char *at, std::size_t room)
{
    std::size_t got = 0;
    if (lines->file != NO_FILE) {
        if (!ReadSome(lines->file, at, room, &got, &lines->problem))
            return 0;
    } else {
        std::size_t left = lines->bytesSize - static_cast<std::size_t>(lines->sourceTaken);
        got = left < room ? left : room;
        if (got > 0)
            std::memcpy(at, lines->bytes + lines->sourceTaken, got);
    }
    lines->sourceTaken += got;
    return got;
}

/* More of the source after what the buffer holds; false when none came. The
   text's end stays at the first Ctrl-Z ever met. */
bool TakeIn(TextLines *lines)
{
    if (lines->sourceEnded)
        return false;
    char *at = lines->buffer + lines->filled;
    std::size_t got = TakeFromSource(lines, at, lines->capacity - lines->filled);
    if (got == 0) {
        lines->sourceEnded = true;
        return false;
    }
    lines->filled += got;
    if (!lines->textEnded) {
        lines->cursor.end = TextEndOf(at, got);
        lines->textEnded = lines->cursor.end < at + got;
    }
    return true;
}

void Fill(TextLines *lines)
{
    while (lines->filled < lines->capacity && TakeIn(lines)) {
    }
}

/* What the cursor has not taken yet moves to the buffer's start, making
   room behind it. */
void MoveToFront(TextLines *lines)
{
    if (lines->cursor.next == lines->buffer)
        return;
    std::size_t taken = static_cast<std::size_t>(lines->cursor.next - lines->buffer);
    std::memmove(lines->buffer, lines->cursor.next, lines->filled - taken);
    lines->filled -= taken;
    lines->cursor.next = lines->buffer;
    lines->cursor.end -= taken;
}

/* The text left in the buffer was all passed over: the next window of it. */
bool TakeNextWindow(TextLines *lines)
{
    StartEmpty(lines);
    return !lines->textEnded && TakeIn(lines);
}

bool HasLineEnd(const TextCursor &cursor)
{
    return std::memchr(cursor.next, '\n', static_cast<std::size_t>(cursor.end - cursor.next)) != nullptr;
}

/* The buffer is full of one line without its end: its first characters
   are given, all certainly its own (a last CR might belong to a CR LF). */
bool GiveCutLine(TextLines *lines, TextLine *line)
{
    line->start = lines->buffer;
    line->length = lines->capacity - 1;
    lines->cursor.next = lines->buffer + lines->capacity - 1;
    lines->cursor.lineNumber++;
    lines->restOfLineToPass = true;
    return true;
}

void PassRestOfCutLine(TextLines *lines)
{
    if (!lines->restOfLineToPass)
        return;
    lines->restOfLineToPass = false;
    TextCursor *cursor = &lines->cursor;
    for (;;) {
        const void *found = std::memchr(cursor->next, '\n', static_cast<std::size_t>(cursor->end - cursor->next));
        if (found != nullptr) {
            cursor->next = static_cast<const char *>(found) + 1;
            return;
        }
        cursor->next = cursor->end;
        if (!TakeNextWindow(lines))
            return;
    }
}

bool InSet(char c, const char *set, std::size_t setSize)
{
    for (std::size_t i = 0; i < setSize; i++) {
        if (set[i] == c)
            return true;
    }
    return false;
}

} // namespace

int OpenTextLines(const char *path, char *buffer, std::size_t capacity, TextLines *lines)
{
    StartReading(lines, buffer, capacity);
    FileHandle file = NO_FILE;
    if (path == nullptr || !OpenToRead(path, &file, &lines->problem))
        return 0;
    lines->file = file;
    Fill(lines);
    if (lines->problem.kind == FILE_FINE)
        return 1;
    CloseTextLines(lines);
    return 0;
}

void TextLinesOver(const char *bytes, std::size_t size, char *buffer, std::size_t capacity, TextLines *lines)
{
    StartReading(lines, buffer, capacity);
    lines->bytes = bytes;
    lines->bytesSize = size;
    Fill(lines);
}

int ReadThroughOnce(TextLines *lines, std::uint64_t *size)
{
    bool wholeInBuffer = lines->sourceEnded;
    while (!lines->sourceEnded) {
        StartEmpty(lines);
        TakeIn(lines);
    }
    if (lines->problem.kind != FILE_FINE)
        return 0;
    *size = lines->sourceTaken;
    if (wholeInBuffer)
        return 1;
    if (lines->file != NO_FILE && !RewindFile(lines->file, &lines->problem))
        return 0;
    StartOver(lines);
    Fill(lines);
    return lines->problem.kind == FILE_FINE;
}

bool TakeBufferedLine(TextLines *lines, TextLine *line)
{
    PassRestOfCutLine(lines);
    for (;;) {
        if (lines->problem.kind != FILE_FINE)
            return false;
        if (lines->textEnded || lines->sourceEnded || HasLineEnd(lines->cursor))
            return TakeTextLine(&lines->cursor, line);
        MoveToFront(lines);
        if (lines->filled == lines->capacity)
            return GiveCutLine(lines, line);
        Fill(lines);
    }
}

bool SkipTextBytes(TextLines *lines, const char *set, std::size_t setSize)
{
    PassRestOfCutLine(lines);
    TextCursor *cursor = &lines->cursor;
    for (;;) {
        while (cursor->next < cursor->end && InSet(*cursor->next, set, setSize))
            cursor->next++;
        if (cursor->next < cursor->end)
            return true;
        if (!TakeNextWindow(lines))
            return false;
    }
}

int CloseTextLines(TextLines *lines)
{
    if (lines->file != NO_FILE) {
        CloseFile(lines->file, nullptr);
        lines->file = NO_FILE;
    }
    return lines->problem.kind == FILE_FINE;
}
