/*
 * Inside the sample list reader and writer: the stream-level routines that
 * LoadSampleLists and SaveSampleLists wrap around the three files, and the
 * store of records that a load could not hold. Shared by the database
 * sources and their tests; the rest of the program uses database.h only.
 */
#ifndef PELMORA_LIST_FILE_H
#define PELMORA_LIST_FILE_H

#include <cstddef>
#include <cstdio>

#include "database/database.h"

/* Lines are read into a buffer two characters wider than a list line, so a
   full-width path (255 characters) keeps its last character once the
   writer has put it between quotes. */
#define READER_LINE_CAPACITY (LIST_LINE_CAPACITY + 2)
#define RECORD_LINE_COUNT 7
/* Seven quoted values at their field widths with their line ends. */
#define RECORD_TEXT_CAPACITY 640

/* Length of a field's text, never beyond its width less the terminator. */
inline int FieldLength(const char *field, std::size_t size)
{
    std::size_t length = 0;
    while (length + 1 < size && field[length] != '\0')
        length += 1;
    return static_cast<int>(length);
}
/* A field's text as the two arguments of a "%.*s" conversion. */
#define FIELD_TEXT(field) FieldLength(field, sizeof(field)), field

/* Passes a text to the bound reporter (or to stderr when none is bound). */
void SendDatabaseMessage(const char *message);

/* The category (1..9) whose keyword equals text exactly, else 0. */
int CategoryOfKeyword(const char *text);
/* Clears record and fills it with the fields, each cut to its width. */
void FillSampleRecord(SampleRecord *record, const SampleFields &fields, int category);
/* The record in the writer's format for that category's list, CR LF line
   ends. Returns the length, or 0 when out is too small (out then empty). */
std::size_t FormatListRecord(const SampleRecord &record, int category, char *out, std::size_t capacity);

/* Reads one list file's records into db (its lists empty) for a style
   (11..13). Records beyond a full category and an unfinished record at the
   end are kept aside for that style. 1 when read to its end; 0 on an
   unknown keyword, which has been reported. */
int ReadStyleDatabase(std::FILE *stream, StyleDatabase *db, int style);
/* Writes db in category order, each category followed by the records kept
   aside for it, then the unfinished end kept aside. 1 when every write
   succeeded. */
int WriteStyleDatabase(std::FILE *stream, const StyleDatabase *db, int style);

/* ---- Records kept aside (one store per style, reset at every load) ---- */
void ForgetCarriedRecords(void);
void CarryRecord(int style, int category, const SampleRecord &record);
/* An unfinished record: its lines as read, without their line ends. */
void CarryUnfinishedLines(int style, const char lines[][READER_LINE_CAPACITY], int lineCount);
/* Writes the kept records of one category; 1 when written. */
int WriteCarriedRecords(std::FILE *stream, int style, int category);
/* Writes the kept unfinished lines, each ended with CR LF; 1 when written. */
int WriteCarriedLines(std::FILE *stream, int style);

#endif
