/*
 * The sample database: the three styles' nine category lists of Ejay
 * samples, Ejay's sample list files, and backups. Portable: no window code
 * (the list boxes are filled by category_display.h, Windows only).
 *
 * The sample list format ("pxddance", "pxdrave", "pxdhiphp" in Ejay's folder):
 *   - records of exactly seven lines: number, path, extra text, keyword,
 *     duration, name line 1, name line 2; categories in any order;
 *   - every double quote of a line is removed, nothing else (no escapes);
 *   - keywords are "loop" .. "rap", matched exactly (case-sensitive);
 *   - lines end in LF; a CR before the LF is dropped, a lone CR is kept;
 *     a Ctrl-Z byte ends the input. The writer ends every line with CR LF.
 * What the tables cannot hold (a 501st entry of a category, a value wider
 * than its field, an unfinished last record, bytes after a Ctrl-Z) is kept
 * aside as it stood in the file and written back unchanged.
 */
#ifndef PELMORA_DATABASE_H
#define PELMORA_DATABASE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

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
/* Removes every c from text, in place. 0 when text is null, else 1. */
int RemoveChar(char c, char *text);

/* ---- Reader ---------------------------------------------------------- */

/* Receives every text the database has to tell the user (see
   database_texts.h). The Windows program shows them in message boxes;
   tests record them. */
typedef void (*DatabaseReporter)(const char *message);
void SetDatabaseReporter(DatabaseReporter reporter);

enum ListLoadResult {
    LISTS_LOADED = 1,
    /* A list could not be read to its end, or names an unknown category:
       told to the user; nothing may be written. */
    LISTS_REFUSED = 0,
    /* A list is missing or its path does not fit: told to the user; the
       Ejay folder must be chosen again. */
    LISTS_NOT_FOUND = -1,
};
/* Loads the three list files of state->settings.ejayDir, appending to the
   (empty) lists, Dance first; stops at the first failure. What the tables
   cannot hold is kept aside for the next save and told once. */
ListLoadResult LoadSampleLists(AppState *state);

/* The message telling that the list file at path is not there, into out
   (cut to capacity, always terminated). */
void FormatListMissingMessage(const char *path, char *out, std::size_t capacity);

/* How many records the last load kept aside for a style (an end of file
   after a Ctrl-Z or an unfinished record counts as one). */
int CarriedRecordCount(int style);

/* ---- Writer and backups -------------------------------------------- */

/* The files a save or a backup could not write, for the user. */
struct ListSaveReport {
    int failedCount;
    char failedPaths[STYLE_COUNT][LIST_LINE_CAPACITY];
};

/* With settings.backup == 1, copies each list file over its ".bak" in one
   step; a missing list keeps its previous backup, and so does a copy that
   fails, which is listed in report (when given). 0 when no state, else 1. */
int BackupSampleLists(const AppState *state, ListSaveReport *report = nullptr);
/* Writes the three lists, each replaced whole or not at all. 1 when all
   three were written; 0 when any failed: the failed files are listed in
   report (when given) and left exactly as they were. */
int SaveSampleLists(const AppState *state, ListSaveReport *report);
/* For a caller that changed only some lists, one style's list (11..13):
   SaveStyleList replaces it whole (1) or leaves it exactly as it was (0);
   BackupStyleList copies it over its ".bak" when settings.backup == 1, 1
   when done or nothing was to be done, 0 when the copy failed (the old
   backup stays). Both give 0 for no state or no such style. */
int SaveStyleList(const AppState *state, int style);
int BackupStyleList(const AppState *state, int style);

/* ---- Finding entries ---------------------------------------------------- */

/* One matcher for the window's Find form and `pelmora-lists find`. Texts
   are in the lists' code page. A query, blanks around it ignored, matches
   an entry when it lies within the two name lines joined by one blank
   ("Voix éthérée"), within the extra text or within the path, letter case
   and accents aside (every accented letter as its base letter, œ as oe, æ
   as ae, ß as ss: "etheree" finds "ÉTHÉRÉE"). A query of digits alone also
   matches the entry whose n° is that number ("007" finds n° 7). An empty
   query matches nothing. */
struct SampleQuery {
    std::string folded; /* the text as compared; empty: matches nothing */
    std::string number; /* the n° it names, leading zeros dropped; or empty */
};
SampleQuery MakeSampleQuery(const char *text);
bool SampleMatches(const SampleQuery &query, const SampleRecord &record);

#define ANY_STYLE 0
#define ANY_CATEGORY 0
/* Where an entry stands: style 11..13, category 1..9, slot from 0. */
struct SampleHit {
    int style;
    int category;
    int slot;
};
/* Replaces hits by the entries of that style and category (ANY_STYLE,
   ANY_CATEGORY: all) that the query matches, in style, category and slot
   order. */
void FindSamples(const AppState &state, const SampleQuery &query, int style, int category,
                 std::vector<SampleHit> *hits);

/* Lower case, for comparing names as Windows does: ASCII and the accented
   letters of the code page, which keep their accents. */
std::string FoldCase(const std::string &text);

/* ---- Adding sample files -------------------------------------------------- */

/* A file offered to a category, from the lists tool's import or a drop on
   the window; path and name (the file name without its extension) in the
   lists' code page. */
struct SampleFile {
    std::string path;
    std::string name;
    bool nameOutsideCodePage; /* Windows-1252 cannot write its name */
};
enum ImportFate { IMPORT_ADDED, IMPORT_ALREADY_LISTED, IMPORT_REFUSED, IMPORT_NO_ROOM };
struct ImportOutcome {
    ImportFate fate;
    int row; /* IMPORT_ADDED: its row in the category, from 1; else 0 */
};
struct ImportCounts {
    int added, alreadyListed, refused, noRoom;
};
/* A path a list keeps whole: at most 255 characters, no quote, no line
   break (a value of the list format can hold neither). */
bool SamplePathFits(const std::string &path);
/* Appends the files, in the order given, to the category (1..9) of a
   style's tables, each named after its file. A file is passed when its
   path is already in the style (letter case aside, see FoldCase) or came
   earlier in files; refused when its name is outside the code page or its
   path does not fit; past 500 entries it finds no room. outcomes: one per
   file, in order. */
ImportCounts AddSampleFiles(StyleDatabase *db, int category, const std::vector<SampleFile> &files,
                            std::vector<ImportOutcome> *outcomes);

/* ---- Display rows ------------------------------------------------------ */

/* "<n°number> - [name1] - [name2] - [adresse: path]" into out (never cut:
   ROW_TEXT_CAPACITY always suffices). Returns the length. */
#define ROW_TEXT_CAPACITY 400
int FormatSampleRow(const SampleRecord &record, char *out, std::size_t capacity);

#endif
