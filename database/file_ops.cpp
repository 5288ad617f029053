/*
 * The file operations that differ between Windows and the native build.
 * Each one either finishes completely or leaves the files it was given as
 * they were: a list or a backup is never half replaced.
 */
#include "database/file_ops.h"

#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#endif

#ifdef _WIN32
const char PATH_SEPARATOR = '\\';
#else
const char PATH_SEPARATOR = '/';
#endif

int JoinPath(char *out, std::size_t capacity, const char *dir, const char *name)
{
    if (out == nullptr || capacity == 0)
        return 0;
    out[0] = '\0';
    if (dir == nullptr || name == nullptr)
        return 0;
    /* The separator is always added, even after a trailing one: Ejay's
       folder names are stored as the user typed them, and a doubled
       separator still names the same file. */
    int length = std::snprintf(out, capacity, "%s%c%s", dir, PATH_SEPARATOR, name);
    if (length < 0 || static_cast<std::size_t>(length) >= capacity) {
        out[0] = '\0'; /* a cut path would name a different file */
        return 0;
    }
    return 1;
}

int FileCanBeRead(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    std::FILE *file = std::fopen(path, "rb");
    if (file == nullptr)
        return 0;
    std::fclose(file);
    return 1;
}

/* The temporary copy sits beside the target, so that moving it into place
   never crosses a volume and is a single rename. */
static std::string TemporaryNameFor(const char *target)
{
    return std::string(target) + ".~tmp";
}

#ifdef _WIN32

int DeleteFileIfPresent(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (DeleteFileA(path))
        return 1;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

int ReplaceFileWith(const char *source, const char *target)
{
    if (source == nullptr || target == nullptr)
        return 0;
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

int CopyFileOver(const char *from, const char *to)
{
    if (from == nullptr || to == nullptr)
        return 0;
    std::string temporary = TemporaryNameFor(to);
    if (!CopyFileA(from, temporary.c_str(), FALSE)) {
        DeleteFileA(temporary.c_str());
        return 0;
    }
    if (!ReplaceFileWith(temporary.c_str(), to)) {
        DeleteFileA(temporary.c_str());
        return 0;
    }
    return 1;
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

#else

int DeleteFileIfPresent(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    struct stat info;
    if (stat(path, &info) == 0 && S_ISDIR(info.st_mode))
        return 0; /* only files are ever deleted here */
    if (std::remove(path) == 0)
        return 1;
    return errno == ENOENT || errno == ENOTDIR;
}

int ReplaceFileWith(const char *source, const char *target)
{
    if (source == nullptr || target == nullptr)
        return 0;
    return std::rename(source, target) == 0;
}

/* Copies every byte; 1 only when all were read, written and flushed. */
static int CopyBytes(std::FILE *in, std::FILE *out)
{
    char block[8192];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) {
        if (std::fwrite(block, 1, got, out) != got)
            return 0;
    }
    return !std::ferror(in) && std::fflush(out) == 0 && !std::ferror(out);
}

int CopyFileOver(const char *from, const char *to)
{
    if (from == nullptr || to == nullptr)
        return 0;
    std::FILE *in = std::fopen(from, "rb");
    if (in == nullptr)
        return 0;
    std::string temporary = TemporaryNameFor(to);
    std::FILE *out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr) {
        std::fclose(in);
        return 0;
    }
    int copied = CopyBytes(in, out);
    std::fclose(in);
    if (std::fclose(out) != 0)
        copied = 0;
    if (!copied || !ReplaceFileWith(temporary.c_str(), to)) {
        std::remove(temporary.c_str());
        return 0;
    }
    return 1;
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
