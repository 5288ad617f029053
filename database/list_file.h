/*
 * Inside the sample list reader and writer: the routines that LoadSampleLists
 * and SaveSampleLists wrap around the three files, the notes a reading takes
 * of what the tables could not hold, and the store of what was kept aside.
 * Shared by the database sources, their tests and the lists tool; the
 * program itself uses database.h only.
 */
#ifndef PELMORA_LIST_FILE_H
#define PELMORA_LIST_FILE_H

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "database/database.h"

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

/* ---- Reading one list ------------------------------------------------- */

/* Why a record did not reach the tables. */
enum RecordFate {
    RECORD_BEYOND_CAPACITY, /* its category already held 500 entries */
    RECORD_TOO_WIDE,        /* a value wider than its field, or a NUL byte */
    RECORD_UNFINISHED,      /* fewer than seven lines before the end */
    RECORD_AFTER_END_MARK,  /* text after a Ctrl-Z */
    RECORD_UNKNOWN_KEYWORD, /* none of the nine keywords */
};

struct ListNote {
    int line;     /* counted from 1: the keyword's line for an unknown keyword,
                     else the first line of the record */
    int category; /* 1..9, 0 when unknown */
    RecordFate fate;
    std::string keyword; /* as read, quotes removed */
};

/* What a reading found beside the entries it loaded. */
struct ListReading {
    std::vector<ListNote> notes;
    /* false: stop at the first unknown keyword, as the program does; true:
       note it and go on with the next record, as the lists tool does. */
    bool pastUnknownKeywords = false;
};

/* Reads one list's bytes into db (its lists empty) for a style (11..13).
   Records the tables cannot hold are kept aside for that style, as they
   stood in the file. 1 when read to its end; 0 when it stopped at an
   unknown keyword (the last note names it). Nothing is reported. */
int ReadStyleList(const char *bytes, std::size_t size, StyleDatabase *db, int style, ListReading *reading);

/* ---- Writing one list ------------------------------------------------- */

/* Appends the record in the writer's format for that category's list:
   seven quoted lines, CR LF. */
void AppendListRecord(std::string *text, const SampleRecord &record, int category);
/* The whole file of a style: category by category, each followed by the
   records kept aside for it, then the end kept aside. */
void FormatStyleList(const StyleDatabase &db, int style, std::string *text);

/* false when the bytes hold nothing but blank lines and Ctrl-Z marks:
   nothing the user would miss. */
bool HoldsText(const char *bytes, std::size_t size);

/* ---- What the last load kept aside (one store per style) --------------- */
void ForgetCarriedRecords();
/* A whole record of that category, its bytes as read. */
void CarryRecord(int style, int category, const char *bytes, std::size_t size);
/* The end of the file from an unfinished record or a Ctrl-Z on; it counts
   as a record unless it holds nothing but the mark and blank lines. */
void CarryEnd(int style, const char *bytes, std::size_t size);
void AppendCarriedRecords(std::string *text, int style, int category);
void AppendCarriedEnd(std::string *text, int style);

#endif
