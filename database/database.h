/*
 * The sample database: the three styles' nine category lists of Ejay
 * samples, Ejay's sample list files, and backups. Portable: no window code.
 *
 * The sample list format ("pxddance", "pxdrave", "pxdhiphp" in Ejay's folder):
 *   - records of exactly seven lines: number, path, extra text, keyword,
 *     duration, name line 1, name line 2; categories in any order;
 *   - every double quote of a line is removed, nothing else (no escapes);
 *   - keywords are "loop" .. "rap", matched exactly (case-sensitive);
 *   - lines end in LF; a CR before the LF is dropped, a lone CR is kept;
 *     a Ctrl-Z byte ends the input. The writer ends every line with CR LF.
 */
#ifndef PELMORA_DATABASE_H
#define PELMORA_DATABASE_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "settings/app_settings.h"

#define STYLE_DANCE 11
#define STYLE_RAVE 12
#define STYLE_HIPHOP 13
#define STYLE_COUNT 3

#define CATEGORY_COUNT 9
#define ALL_CATEGORIES 10
#define MAX_SAMPLES_PER_CATEGORY 500
#define LIST_LINE_CAPACITY 256

/* Keywords of categories 1 (loop) to 9 (rap), index = category - 1. */
extern const char *const CATEGORY_KEYWORDS[CATEGORY_COUNT];
/* List file names of Dance, Rave, Hiphop, index = style - STYLE_DANCE. */
extern const char *const SAMPLE_LIST_FILE_NAMES[STYLE_COUNT];

struct SampleRecord {
    std::uint32_t used; /* only 1 marks a used slot */
    char number[10];
    char path[256];
    char extraText[50];
    char keyword[12];
    std::uint32_t categoryNumber;
    char duration[10];
    char nameLine1[50];
    char nameLine2[50];
};

/* Dense: slots 0..count-1 used, the rest all zero. */
struct CategoryList {
    std::int32_t count;
    SampleRecord slots[MAX_SAMPLES_PER_CATEGORY];
};

struct StyleDatabase {
    CategoryList lists[CATEGORY_COUNT]; /* loop first, rap last */
};

/* The program's one state record; cleared with one memset at start-up. */
struct AppState {
    AppSettings settings;
    StyleDatabase styles[STYLE_COUNT]; /* Dance, Rave, Hiphop */
};

/* Intermediate of RemoveSample; nothing reads it. */
extern CategoryList g_scratchList;

/* Field values of a new entry; a null pointer stands for an empty text.
   Texts longer than their field are cut to its width. */
struct SampleFields {
    const char *number;
    const char *path;
    const char *extraText;
    const char *keyword;
    const char *duration;
    const char *nameLine1;
    const char *nameLine2;
};

/* ---- Tables ---------------------------------------------------------- */

/* The list of that style code (11..13) and category (1..9), or null. */
CategoryList *CategoryListOf(AppState *state, int style, int category);
const CategoryList *CategoryListOf(const AppState *state, int style, int category);
/* Stores the entry in slot count. 1 when stored; 0 when the list is full or
   missing (nothing changes). */
int AppendSample(CategoryList *list, const SampleFields &fields, int category);
/* Copies the used entries of source, in order, into a cleared target.
   1 when done, 0 when either list is missing (nothing changes). */
int CompactCategoryList(const CategoryList *source, CategoryList *target);
/* Removes the entry of that slot; the entries behind it move up one slot.
   1 when removed, 0 for a slot outside 0..count-1 (nothing changes). */
int RemoveSample(CategoryList *list, int slot);

/* ---- Reader ---------------------------------------------------------- */

/* Receives every text the database has to tell the user (missing file,
   unknown category, records it could not load, path too long). The
   Windows program shows them in message boxes; tests record them. */
typedef void (*DatabaseReporter)(const char *message);
void SetDatabaseReporter(DatabaseReporter reporter);

/* Loads the three list files of state->settings.ejayDir, appending to the
   (empty) lists. 1 when all three were read; 0 on a missing file (the
   settings file is then forgotten, so the next start is a first run), an
   unknown keyword, a path that does not fit, or no state. */
int LoadSampleLists(AppState *state);
/* One line into buffer (at most capacity - 1 characters kept, always
   terminated). 1 when a line was read, 0 at the end of the input. A final
   line without line end counts as a line. */
int ReadListLine(std::FILE *stream, char *buffer, int capacity);
/* Removes every c from text, in place. 0 when text is null, else 1. */
int RemoveChar(char c, char *text);

/* Records the last load could not hold in the tables (beyond 500 in a
   category, or an unfinished record at the end of a file) are kept aside
   and written back unchanged by SaveSampleLists. How many, for a style. */
int CarriedRecordCount(int style);

/* ---- Writer and backups -------------------------------------------- */

struct ListSaveReport {
    int failedCount;
    char failedPaths[STYLE_COUNT][LIST_LINE_CAPACITY];
};

/* With settings.backup == 1, copies each list file over its ".bak" in one
   step (a failed copy leaves the previous backup). 0 when no state, else 1. */
int BackupSampleLists(const AppState *state);
/* Writes the three lists; each through a temporary file that replaces the
   list only once completely written. 1 when all three were written; 0 when
   any failed: the failed files are listed in report (when given) and left
   exactly as they were. */
int SaveSampleLists(const AppState *state, ListSaveReport *report);

/* ---- Display rows ------------------------------------------------------ */

/* "<n°number> - [name1] - [name2] - [adresse: path]" into out (never cut:
   ROW_TEXT_CAPACITY always suffices). Returns the length. */
#define ROW_TEXT_CAPACITY 400
int FormatSampleRow(const SampleRecord &record, char *out, std::size_t capacity);

#endif
