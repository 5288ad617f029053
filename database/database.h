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
 *
 * A load remembers where its lists came from and what it read of each;
 * they are written back only there, and a list another program changed
 * meanwhile is never overwritten silently. Every version a write replaces
 * goes to the history first.
 */
#ifndef PELMORA_DATABASE_H
#define PELMORA_DATABASE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/files.h"
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

/* ---- What a reading found beside the entries ----------------------------- */

/* Why a record did not reach the tables. */
enum RecordFate {
    RECORD_BEYOND_CAPACITY, /* its category already held 500 entries */
    RECORD_TOO_WIDE,        /* a value wider than its field, or a NUL byte */
    RECORD_UNFINISHED,      /* fewer than seven lines before the end */
    RECORD_AFTER_END_MARK,  /* text after a Ctrl-Z */
    RECORD_UNKNOWN_KEYWORD, /* none of the nine keywords */
};

struct ListNote {
    int line;     /* where the fault is, counted from 1: the keyword's line for
                     an unknown category, else the record's first line */
    int category; /* 1..9, 0 when unknown */
    RecordFate fate;
    std::string keyword; /* as read, quotes removed */
};

/* What the tables cannot hold, kept as the bytes it had in the file and
   written back unchanged by the next save, so that saving never erases what
   the user never saw. */
struct KeptRecords {
    std::string byCategory[CATEGORY_COUNT]; /* whole records, after their category */
    std::string end;                        /* the end of the file, from an unfinished record or a Ctrl-Z on */
    int recordCount = 0;                    /* records among them, for the user */
};

struct ListReading {
    std::vector<ListNote> notes;
    KeptRecords kept;
    /* false: stop at the first unknown keyword, as the program does; true:
       note it and go on with the next record, as the lists tool does. */
    bool pastUnknownKeywords = false;
};

/* What a load read of one list file: enough to tell later whether the file
   on disk is still the one read. */
struct ListFingerprint {
    bool present = false; /* false: there was no such file */
    std::uint64_t size = 0;
    std::uint64_t hash = 0; /* of its bytes */
};
ListFingerprint FingerprintOf(const std::string &bytes);
bool operator==(const ListFingerprint &a, const ListFingerprint &b);

/* ---- Loading ---------------------------------------------------------- */

enum ListLoadResult {
    LISTS_LOADED = 1,
    /* A list could not be read to its end, or names an unknown category:
       nothing may be written over it. */
    LISTS_REFUSED = 0,
    /* A list is missing or its path does not fit: the Ejay folder must be
       chosen again. */
    LISTS_NOT_FOUND = -1,
};

/* The report of a load: where the lists came from, what was read of each,
   and what the user must be told. The lists in memory go back only there. */
struct ListsLoad {
    ListLoadResult result = LISTS_REFUSED;
    std::string folder; /* the Ejay folder read, as the settings held it */
    ListFingerprint read[STYLE_COUNT];
    ListReading readings[STYLE_COUNT];
    /* A list that could not be read to its end: its path and why. */
    std::string unreadablePath;
    FileProblem unreadableReason = {FILE_FINE, 0};
    /* What to tell, one message box each, in order: the failure, or after a
       load the records kept aside. Empty when all is well. */
    std::vector<std::string> messages;
};

/* Loads the three list files of state->settings.ejayDir into the (empty)
   lists, Dance first; stops at the first failure. Each list is read once. */
ListLoadResult LoadSampleLists(AppState *state, ListsLoad *load);

/* Reads one list's bytes into db (its lists empty) for a style. 1 when read
   to its end; 0 when it stopped at an unknown keyword (the last note names
   it). Nothing is reported. */
int ReadStyleList(const char *bytes, std::size_t size, StyleDatabase *db, ListReading *reading);

/* The message telling that the list file at path is not there, into out
   (cut to capacity, always terminated). */
void FormatListMissingMessage(const char *path, char *out, std::size_t capacity);

/* ---- Where lists may live ------------------------------------------------- */

/* The longest name the program writes in Ejay's folder: a kept version's
   temporary file ("pxddance.pelmora-999.~pel1a2b.tmp"). */
#define LONGEST_EJAY_FILE_NAME 33
/* The longest Ejay folder every such file still fits in (255 characters). */
#define EJAY_FOLDER_MAX (LIST_LINE_CAPACITY - 1 - 1 - LONGEST_EJAY_FILE_NAME)
/* 1 when every file the program writes in folder fits a path. */
int EjayFolderFits(const char *folder);

/* ---- Writer and backups -------------------------------------------- */

/* The whole file of a style: category by category, each followed by the
   records kept aside for it, then the end kept aside. */
void FormatStyleList(const StyleDatabase &db, const KeptRecords &kept, std::string *text);

/* A list that changed on disk since it was read (another program wrote it):
   what the user wants. Either way both versions stay on disk. */
enum ChangedListChoice {
    REPLACE_KEEPING_THEIRS, /* ours in the list, theirs beside it ("pxddance.autre") */
    KEEP_THEIRS,            /* theirs stays, ours beside it ("pxddance.pelmora") */
};
/* Asked once per changed list, with its path; context is the caller's. */
typedef ChangedListChoice (*ChangedListQuestion)(void *context, const char *path);

/* What one save has done so far, across the user's retries: the answers
   given (-1 not asked) and the lists already written or settled. */
struct ListSaveProgress {
    int choice[STYLE_COUNT] = {-1, -1, -1};
    bool done[STYLE_COUNT] = {};
};

/* What a save or a backup did, for the user. */
struct ListSaveReport {
    int failedCount;
    char failedPaths[STYLE_COUNT][LIST_LINE_CAPACITY];
    FileProblem failures[STYLE_COUNT]; /* why, for each failed file */
    /* Files that keep the other version of a changed list. */
    int keptBesideCount;
    char keptBeside[STYLE_COUNT][LIST_LINE_CAPACITY];
};

/* With settings.backup == 1, copies each list file of load's folder over its
   ".bak" in one step; a missing list keeps its previous backup, and so does
   a copy that fails, which is listed in report (when given). 0 when no
   state, else 1. */
int BackupSampleLists(const AppState *state, const ListsLoad &load, ListSaveReport *report = nullptr);
/* The same for one style's list (index 0..2), for a caller that writes only
   some: 1 when done or nothing was to be done, 0 when the copy failed. */
int BackupOneList(const AppState *state, const ListsLoad &load, int index);
/* Writes the three lists back where they were read from (load->folder),
   each replaced whole or not at all, the version replaced kept in the
   history. A list another program changed since it was read is written as
   question answers; its fingerprint in load follows what is written. A
   retry with the same progress asks no more and writes only what is left.
   1 when all three were settled; 0 when any failed: the failed files are
   listed in report with why, and left exactly as they were. */
int SaveSampleLists(const AppState *state, ListsLoad *load, ChangedListQuestion question, void *context,
                    ListSaveProgress *progress, ListSaveReport *report);

/* ---- The history of the lists ---------------------------------------------
 * Every write that changes a list, by the program or the lists tool, keeps
 * the version it replaces in a folder of the user's (by default
 * %LOCALAPPDATA%\Pelmora\historique), never in Ejay's: one folder per
 * version, named by its label (local date and time to the second,
 * "2026-12-07_19.03.05", "-2" and on when several fall in one second),
 * holding the Ejay folder it came from ("dossier") and the lists it
 * replaced. Never the same bytes twice for one list; the last
 * HISTORY_VERSIONS_KEPT versions of each list are kept. */

#define HISTORY_VERSIONS_KEPT 20

/* "" for none (natively there is no default). */
void SetHistoryFolder(const char *folder);
/* %LOCALAPPDATA%\Pelmora\historique on Windows. */
void UseThePlatformsHistoryFolder();
const std::string &HistoryFolder();

/* One version being written: made on the first list kept. */
struct HistoryVersion {
    std::string ejayFolder;
    std::string label;  /* empty until made */
    std::string folder; /* its folder, once made */
};
HistoryVersion StartHistoryVersion(const char *ejayFolder);
/* Keeps bytes as the version of that style's list; 1 when kept or when the
   history already holds these bytes for that list. */
int KeepInHistory(HistoryVersion *version, int styleIndex, const std::string &bytes);
/* Drops the oldest versions beyond HISTORY_VERSIONS_KEPT of each list. */
void FinishHistoryVersion(HistoryVersion *version);

/* The versions kept of the lists of ejayFolder, oldest first. */
struct HistoryEntry {
    std::string label;
    std::string folder;
    bool holds[STYLE_COUNT];
};
std::vector<HistoryEntry> ReadHistory(const char *ejayFolder);
/* The bytes of a style's list in a version. */
FileReadResult ReadHistoryList(const HistoryEntry &entry, int styleIndex, std::string *bytes);

/* ---- Writing one list, for the program and the lists tool ------------------ */

/* Whether the list at path is still the version read: current receives its
   bytes and present whether it is there. false too when it cannot be read
   now (problem then says why; FILE_FINE when it merely changed). */
bool ListUnchangedSince(const char *path, const ListFingerprint &read, std::string *current, bool *present,
                        FileProblem *problem);
/* Writes bytes over the list of that style at path, first keeping the
   version it replaces (replaced, when given and different) in history. */
int ReplaceList(const char *path, int styleIndex, const std::string &bytes, const std::string *replaced,
                HistoryVersion *history, FileProblem *problem);
/* The suffixes of the versions kept beside a list another program changed:
   theirs ("pxddance.autre") and ours ("pxddance.pelmora"). */
extern const char THEIRS_SUFFIX[];
extern const char OURS_SUFFIX[];
/* Saves bytes beside path under the first free name "<path>.<suffix>",
   "<path>.<suffix>-2" ...; that name into out. 0 when none could be made. */
int KeepBeside(const char *path, const char *suffix, const std::string &bytes, char *out, std::size_t capacity);

/* Why a file could not be read or written, in the user's words: the
   system's, or ours where they would mislead or are missing. */
void FormatFileReason(const FileProblem &problem, char *out, std::size_t capacity);

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
