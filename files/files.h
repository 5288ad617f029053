/*
 * The file layer: the few file operations that differ between Windows and
 * the native build, and the one way every file of the program is read and
 * replaced. Lists, backups, "Pelmora.ini" and ZEF's documents all go
 * through it, so their bytes are the same on both platforms (binary I/O,
 * no text-mode translation) and a file on disk is only ever replaced whole.
 *
 * Paths are the platform's 8-bit ANSI paths; failures are told by results,
 * never shown: the callers know what the user must hear.
 */
#ifndef PELMORA_FILES_H
#define PELMORA_FILES_H

#include <cstddef>
#include <cstdio>
#include <string>

/* '\\' on Windows, '/' natively. */
extern const char PATH_SEPARATOR;

/* "<dir><sep><name>" into out; 0 (and out emptied) when it does not fit:
   a cut path would name another file. */
int JoinPath(char *out, std::size_t capacity, const char *dir, const char *name);

/* 1 when the file can be opened for reading. */
int FileCanBeRead(const char *path);
/* 1 when the file is gone afterwards (also when it never existed). Folders
   are never deleted. A read-only mark does not stop it. */
int DeleteFileIfPresent(const char *path);
/* Creates the folder (its parent must exist); 1 when it exists afterwards. */
int MakeFolder(const char *path);

/* ---- Reading: one checked read of the whole file ---------------------- */

enum FileReadResult {
    FILE_READ = 1,        /* bytes hold the whole file */
    FILE_MISSING = 0,     /* no such file (or folder on the way) */
    FILE_UNREADABLE = -1, /* it exists but could not be read to its end */
};
/* Replaces bytes with the file's content; bytes is empty unless FILE_READ. */
FileReadResult ReadWholeFile(const char *path, std::string *bytes);
/* The same on an open stream, read from where it stands to its end. */
FileReadResult ReadWholeStream(std::FILE *stream, std::string *bytes);

/* Takes the next line of text from [*next, end) as the Windows runtime's
   text mode gives it: up to the next line feed, a CR just before it
   dropped (a lone CR is kept), a last line without a line end a line all
   the same. *line and *length receive it without its line end; *next
   moves past it. false when nothing is left. Ctrl-Z is the caller's. */
bool TakeTextLine(const char **next, const char *end, const char **line, std::size_t *length);

/* ---- Replacing: a whole new file or nothing ---------------------------- */

/* Writes the bytes to "<target>.tmp" beside the target (a leftover of an
   earlier crash is removed first, read-only or not), checks every write,
   flushes and commits the data to the disk, then puts the new file in the
   target's place in one step. 1 when done; 0 when any step failed: then
   the target is exactly as it was and no temporary file is left. */
int SaveFileAtomically(const char *target, const char *bytes, std::size_t size);
/* A copy of from in to's place, by the same steps. The copy is a new file:
   a read-only mark of from is not carried over, and one that to carries is
   dropped, so that the next copy can replace it. */
int CopyFileOver(const char *from, const char *to);

/* ---- The platform's folders --------------------------------------------- */

/* The Windows directory; natively there is none (0, out empty). */
int WindowsFolder(char *out, std::size_t capacity);
/* The user's application-data folder (%APPDATA%); natively none. */
int ApplicationDataFolder(char *out, std::size_t capacity);

#endif
