/*
 * The few file operations that differ between Windows and the native build,
 * one small function each. Everything else reads and writes through binary
 * stdio streams, so the bytes are the same on both.
 */
#ifndef PELMORA_FILE_OPS_H
#define PELMORA_FILE_OPS_H

#include <cstddef>

/* '\\' on Windows, '/' natively. */
extern const char PATH_SEPARATOR;

/* "<dir><sep><name>" into out. 0 (and out emptied) when it does not fit. */
int JoinPath(char *out, std::size_t capacity, const char *dir, const char *name);
/* 1 when the file can be opened for reading. */
int FileCanBeRead(const char *path);
/* 1 when the file is gone afterwards (also when it never existed). */
int DeleteFileIfPresent(const char *path);
/* Copies from over to in one step: on failure the old target is intact. */
int CopyFileOver(const char *from, const char *to);
/* Replaces target with source (a file in the same folder) in one step. */
int ReplaceFileWith(const char *source, const char *target);
/* Creates the folder (its parent must exist); 1 when it exists afterwards. */
int MakeFolder(const char *path);

#endif
