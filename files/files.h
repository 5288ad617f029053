/*
 * The file layer: the few file operations that differ between Windows and
 * the native build, and the one way every file of the program is read and
 * replaced. Lists, backups, "Pelmora.ini", the list history and ZEF's
 * documents all go through it, so their bytes are the same on both
 * platforms (binary I/O, no text-mode translation) and a file on disk is
 * only ever replaced whole.
 *
 * Paths and names are 8-bit text in the lists' code page, Windows-1252 (the
 * ANSI code page of a French Windows): Windows takes them as they are, the
 * native build turns them into UTF-8 at the system's door, so that one path
 * names one file on both. Failures are told by results and FileProblem,
 * never shown: the callers know what the user must hear.
 *
 * Nothing here throws or allocates on the way of ZEF (reading line by line,
 * replacing): the library links this layer in and must stay in bounded
 * memory whatever the file.
 */
#ifndef PELMORA_FILES_H
#define PELMORA_FILES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/* '\\' on Windows, '/' natively. */
extern const char PATH_SEPARATOR;
/* Room for any path the layer builds or resolves, terminator included. */
#define FILE_PATH_CAPACITY 1024

/* "<dir><sep><name>" into out; 0 (and out emptied) when it does not fit:
   a cut path would name another file. */
int JoinPath(char *out, std::size_t capacity, const char *dir, const char *name);

/* 1 when the file can be opened for reading. */
int FileCanBeRead(const char *path);
/* 1 when path names a folder. */
int IsFolder(const char *path);
/* 1 when the file is gone afterwards (also when it never existed). Folders
   are never deleted. A read-only mark does not stop it. */
int DeleteFileIfPresent(const char *path);
/* Creates the folder (its parent must exist); 1 when it exists afterwards. */
int MakeFolder(const char *path);
/* The folder and every missing folder above it; 1 when it exists afterwards. */
int MakeFolders(const char *path);
/* Removes the folder when it is empty; 1 when it is gone. */
int RemoveEmptyFolder(const char *path);

/* ---- What went wrong ------------------------------------------------------ */

enum FileProblemKind {
    FILE_FINE = 0,
    FILE_BUSY,       /* another program holds it: trying again later may work */
    FILE_DISK_FULL,  /* no room left: trying again once room is made may work */
    FILE_DENIED,     /* no right to read or write there */
    FILE_IN_THE_WAY, /* a folder stands where the file should be */
    FILE_NOT_THERE,  /* the file, or a folder on the way, does not exist */
    FILE_NAME_TAKEN, /* a new file's name exists already */
    FILE_FAILED,     /* anything else the system reported */
};
struct FileProblem {
    FileProblemKind kind;
    int systemCode; /* GetLastError() or errno, 0 when none */
};
/* The system's own words for the problem (its language, not ours), into out;
   empty when it has none. */
void DescribeFileProblem(const FileProblem &problem, char *out, std::size_t capacity);
/* Busy or full: the user can do something about it and try again. */
bool RetryMayHelp(const FileProblem &problem);

/* ---- Reading: one checked read of the whole file ---------------------- */

enum FileReadResult {
    FILE_READ = 1,        /* bytes hold the whole file */
    FILE_MISSING = 0,     /* no such file (or folder on the way) */
    FILE_UNREADABLE = -1, /* it exists but could not be read to its end */
};
/* Replaces bytes with the file's content; bytes is empty unless FILE_READ.
   problem (when given) says why it was not read. */
FileReadResult ReadWholeFile(const char *path, std::string *bytes, FileProblem *problem = nullptr);

/* ---- Text, as the Windows runtime's text mode reads it --------------------
 * A line ends at a line feed; a CR just before it is dropped (a lone CR is
 * kept); a last line without a line end is a line all the same; a Ctrl-Z
 * byte ends the input. Both readers (ZEF's and the sample lists') go
 * through this cursor, so the rules have one home. */

const char TEXT_END_MARK = 26; /* Ctrl-Z */

struct TextLine {
    const char *start;
    std::size_t length; /* without the line end */
};
struct TextCursor {
    const char *next;
    const char *end; /* the first Ctrl-Z, or the end of the bytes */
    int lineNumber;  /* of the next line, counted from 1 */
};
/* Where the text of bytes ends: at the first Ctrl-Z, else after the last byte. */
const char *TextEndOf(const char *bytes, std::size_t size);
TextCursor TextCursorOver(const char *bytes, std::size_t size);
/* The next line; false when nothing is left. */
bool TakeTextLine(TextCursor *cursor, TextLine *line);

/* ---- Text of any size, through a fixed buffer ------------------------------
 * The lines TakeTextLine gives over a whole text, taken from a file (or from
 * bytes) one buffer at a time: a reading costs the caller's buffer whatever
 * the size. A line longer than the buffer less one byte gives its first
 * (capacity - 1) characters and the rest of it is passed over; a line stays
 * valid until the next call on its reader. Nothing here allocates or throws:
 * ZEF reads its documents this way. The buffer holds at least 2 bytes. */

struct TextLines {
    char *buffer;
    std::size_t capacity;
    std::size_t filled;    /* bytes of the source in buffer */
    TextCursor cursor;     /* over buffer: its end at a Ctrl-Z or at filled */
    bool textEnded;        /* a Ctrl-Z was met: nothing after it is text */
    bool sourceEnded;      /* the source gave its last byte, or a read failed */
    bool restOfLineToPass; /* the last line given was longer than the buffer */
    std::intptr_t file;    /* the file read; -1 when reading bytes */
    const char *bytes;     /* the bytes read, when not a file */
    std::size_t bytesSize;
    std::uint64_t sourceTaken; /* bytes taken from the source since its start */
    FileProblem problem;       /* the first failed read, FILE_FINE until then */
};
/* Opens the file and reads its first buffer: 1 when done; 0 with
   lines->problem set and nothing left open. */
int OpenTextLines(const char *path, char *buffer, std::size_t capacity, TextLines *lines);
/* Reads bytes through buffer exactly as a file holding them would be read. */
void TextLinesOver(const char *bytes, std::size_t size, char *buffer, std::size_t capacity, TextLines *lines);
/* Before the first line is taken: reads the whole source once (nothing is
   kept) and starts again from its beginning. 1 when every byte could be
   read, *size then the source's size in bytes. A source that fit in the
   buffer was read whole when it was opened and costs nothing more. */
int ReadThroughOnce(TextLines *lines, std::uint64_t *size);
/* The next line; false when the text is over, or a read failed (problem). */
bool TakeBufferedLine(TextLines *lines, TextLine *line);
/* Passes over the bytes found in set (setSize of them: NUL may be one)
   where the next line starts; false when the text is over first. */
bool SkipTextBytes(TextLines *lines, const char *set, std::size_t setSize);
/* Closes the file, if any: 1 when no read failed. */
int CloseTextLines(TextLines *lines);

/* ---- Replacing: a whole new file or nothing ---------------------------- */

/* A new file being written to take a target's place. The temporary file is
   created beside the file replaced under a name only this layer uses
   ("<name>.~pel1a2b.tmp"), exclusively, so it never is, truncates or
   replaces a file someone else made; leftovers of that pattern from a save
   that was killed are removed at the next save of the same target. When
   the target is a link, the file it points to is replaced and the link
   stays a link. */
struct FileReplacement {
    char target[FILE_PATH_CAPACITY];    /* the file that will be replaced */
    char temporary[FILE_PATH_CAPACITY]; /* where the new one is written */
    std::intptr_t handle;               /* of the temporary file; -1 when none */
    FileProblem problem;                /* the first failure, FILE_FINE until then */
};
/* 1 when the temporary file is made; 0 with replacement->problem set. */
int BeginReplacing(const char *target, FileReplacement *replacement);
/* Appends bytes; after a failure it does nothing more and returns 0. */
int WriteReplacement(FileReplacement *replacement, const char *bytes, std::size_t size);
/* Commits the data to the disk, then puts the new file in the target's place
   in one step. 1 when done; 0 when any step failed (now or while writing):
   then the target is exactly as it was and the temporary file is gone. */
int FinishReplacing(FileReplacement *replacement);
/* Gives up: the temporary file is removed, the target untouched. */
void AbandonReplacing(FileReplacement *replacement);

/* The whole file at once, by the steps above. */
int SaveFileAtomically(const char *target, const char *bytes, std::size_t size, FileProblem *problem = nullptr);
/* A copy of from in to's place, by the same steps. The copy is a new file:
   a read-only mark of from is not carried over, and one that to carries is
   dropped, so that the next copy can replace it. */
int CopyFileOver(const char *from, const char *to, FileProblem *problem = nullptr);

/* ---- Names and identities ------------------------------------------------- */

/* path made absolute (against the working folder), "." and ".." resolved;
   on Windows short 8.3 names are made long where the file or its folder
   exists. 0 (out emptied) when it does not fit. */
int FullPathOf(const char *path, char *out, std::size_t capacity);
/* Whether two paths name one file as the system sees it: the same file
   reached by another letter case (Windows), a short name, a relative path or
   a link. Files that exist are compared by identity, others by full path. */
bool SameFile(const char *a, const char *b);

/* One entry of a folder, its name in the lists' code page. representable is
   false when the code page cannot write the name: name then holds it with
   '?' where the code page has no character, for showing only. */
struct FolderEntry {
    std::string name;
    bool isFolder;
    bool representable;
};
/* The entries of a folder ("." and ".." left out), in the order the system
   gives them. 0 when the folder cannot be read. */
int ReadFolder(const char *path, std::vector<FolderEntry> *entries);

/* ---- The lists' code page ------------------------------------------------ */

std::string Cp1252ToUtf8(const std::string &text);
/* Characters the code page lacks become "?" and make *whole false (when given). */
std::string Utf8ToCp1252(const std::string &text, bool *whole = nullptr);

/* ---- The platform's folders --------------------------------------------- */

/* The Windows directory; natively there is none (0, out empty). */
int WindowsFolder(char *out, std::size_t capacity);
/* The user's roaming application-data folder (%APPDATA%); natively none. */
int ApplicationDataFolder(char *out, std::size_t capacity);
/* The user's local application-data folder (%LOCALAPPDATA%); natively none. */
int LocalApplicationDataFolder(char *out, std::size_t capacity);

#endif
