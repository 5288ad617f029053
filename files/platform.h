/*
 * Inside the file layer: every call into the system, one function per step,
 * each platform its own way (platform_windows.cpp, platform_posix.cpp).
 * Paths come in the lists' code page; each failure fills problem. Nothing
 * here allocates: ZEF.dll reads and replaces through these steps.
 */
#ifndef PELMORA_FILES_PLATFORM_H
#define PELMORA_FILES_PLATFORM_H

#include <cstddef>
#include <cstdint>

#include "files/files.h"

/* A handle of an open file; NO_FILE when none. */
typedef std::intptr_t FileHandle;
const FileHandle NO_FILE = -1;

bool OpenToRead(const char *path, FileHandle *file, FileProblem *problem);
/* *got 0 at the end of the file. */
bool ReadSome(FileHandle file, char *buffer, std::size_t capacity, std::size_t *got, FileProblem *problem);
/* The next read starts again at the file's first byte. */
bool RewindFile(FileHandle file, FileProblem *problem);
/* The size the system gives for an open file; false when it gives none (a
   reader then grows as it goes). */
bool SizeOfFile(FileHandle file, std::uint64_t *size);
/* Creates the file, failing with FILE_NAME_TAKEN when the name exists. */
bool CreateNewFile(const char *path, FileHandle *file, FileProblem *problem);
bool WriteAll(FileHandle file, const char *bytes, std::size_t size, FileProblem *problem);
/* Forces what was written onto the disk. */
bool CommitToDisk(FileHandle file, FileProblem *problem);
bool CloseFile(FileHandle file, FileProblem *problem);
/* Puts source (a file in the same folder) in target's place in one step;
   on failure target is as it was. */
bool MoveIntoPlace(const char *source, const char *target, FileProblem *problem);
/* Drops a read-only mark, so that the file can be replaced or deleted. */
void MakeWritable(const char *path);
/* The file path finally names, every link followed; false when there is
   no such file or the system cannot tell (path is then used as it is). */
bool FollowLinks(const char *path, char *out, std::size_t capacity);
/* Calls visit for each entry of the folder but "." and "..": its name in
   the lists' code page ('?' where the code page has no character, and
   representable false), whether it is a folder. false when the folder
   cannot be read. */
typedef void (*FolderVisit)(void *context, const char *name, bool isFolder, bool representable);
bool ForEachInFolder(const char *folder, FolderVisit visit, void *context);
/* Volume and index of an existing file; false when there is none. */
struct FileIdentity {
    std::uint64_t volume;
    std::uint64_t index;
};
bool IdentityOf(const char *path, FileIdentity *identity);
/* The absolute form of path, "." and ".." resolved, long names. */
bool AbsolutePathOf(const char *path, char *out, std::size_t capacity);
/* Paths compare as the system compares names. */
bool SameName(const char *a, const char *b);
void DescribeSystemProblem(int systemCode, char *out, std::size_t capacity);
/* A number that differs between saves made at the same moment. */
unsigned SaveNonce();

#endif
