/*
 * The file layer's steps on the native build (POSIX).
 */
#ifndef _WIN32
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "files/files.h"
#include "files/platform.h"

const char PATH_SEPARATOR = '/';

int CommitToDisk(std::FILE *stream) { return fsync(fileno(stream)) == 0; }

int MoveIntoPlace(const char *source, const char *target) { return std::rename(source, target) == 0; }

/* A rename or an unlink does not ask for the file's own write right. */
void MakeWritable(const char *) {}

int DeleteFileIfPresent(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    struct stat info;
    if (stat(path, &info) == 0 && S_ISDIR(info.st_mode))
        return 0;
    if (std::remove(path) == 0)
        return 1;
    return errno == ENOENT || errno == ENOTDIR;
}

int MakeFolder(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (mkdir(path, 0777) != 0 && errno != EEXIST)
        return 0;
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

#endif
