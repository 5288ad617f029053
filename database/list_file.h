/*
 * Inside the sample list reader and writer: the record's lines, the
 * writer's form of one record, and keeping aside what the tables could not
 * hold. Shared by the database sources, their tests and the lists tool; the
 * program itself uses database.h only.
 */
#ifndef PELMORA_LIST_FILE_H
#define PELMORA_LIST_FILE_H

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "database/database.h"
#include "files/files.h"

/* The seven lines of a record, in file order. */
enum RecordLine {
    LINE_NUMBER,
    LINE_PATH,
    LINE_EXTRA_TEXT,
    LINE_KEYWORD,
    LINE_DURATION,
    LINE_NAME_1,
    LINE_NAME_2,
    RECORD_LINE_COUNT
};

/* A line is read into a buffer two characters wider than a list line, so a
   full-width path (255 characters) keeps its last character once the
   writer has put it between quotes. A longer line cannot be held. */
#define READER_LINE_CAPACITY (LIST_LINE_CAPACITY + 2)

/* Length of a field's text, never beyond its width less the terminator. */
inline std::size_t FieldLength(const char *field, std::size_t size)
{
    const void *end = std::memchr(field, '\0', size - 1);
    return end != nullptr ? static_cast<std::size_t>(static_cast<const char *>(end) - field) : size - 1;
}

/* The category (1..9) whose keyword equals text exactly, else 0. */
int CategoryOfKeyword(const char *text);

/* ---- Writing one list ------------------------------------------------- */

/* Appends the record in the writer's format for that category's list:
   seven quoted lines, CR LF. */
void AppendListRecord(std::string *text, const SampleRecord &record, int category);

/* A byte of a blank line, or a Ctrl-Z: nothing the user would miss. */
inline bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == TEXT_END_MARK; }
/* false when the bytes hold nothing but blank lines and Ctrl-Z marks. */
bool HoldsText(const char *bytes, std::size_t size);

/* ---- What a reading keeps aside --------------------------------------- */
/* A whole record of that category, its bytes as read. */
void CarryRecord(KeptRecords *kept, int category, const char *bytes, std::size_t size);
/* The end of the file from an unfinished record or a Ctrl-Z on; it counts
   as the records its lines would make, none when it holds nothing but the
   mark and blank lines. */
void CarryEnd(KeptRecords *kept, const char *bytes, std::size_t size);

#endif
