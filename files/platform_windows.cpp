/*
 * The file layer's Windows steps.
 */
#ifdef _WIN32
#include <windows.h>

#include <io.h>

#include "files/files.h"
#include "files/platform.h"

const char PATH_SEPARATOR = '\\';

int CommitToDisk(std::FILE *stream) { return _commit(_fileno(stream)) == 0; }

int MoveIntoPlace(const char *source, const char *target)
{
    /* MoveFileExA refuses a folder as target, a read-only target and one
       held open without delete sharing; each leaves the target untouched. */
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void MakeWritable(const char *path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

int DeleteFileIfPresent(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (DeleteFileA(path))
        return 1;
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return 1;
    MakeWritable(path);
    return DeleteFileA(path) != 0;
}

int MakeFolder(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (!CreateDirectoryA(path, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return 0;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

#endif
