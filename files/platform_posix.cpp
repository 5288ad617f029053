/*
 * The file layer's steps on the native build (POSIX). Paths arrive in the
 * lists' code page and reach the system in UTF-8, as a Linux folder names
 * its files.
 */
#ifndef _WIN32
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/code_page.h"
#include "files/files.h"
#include "files/platform.h"

const char PATH_SEPARATOR = '/';

namespace {

/* Each CP1252 character takes at most three bytes of UTF-8. */
struct NativePath {
    char text[3 * FILE_PATH_CAPACITY];
    bool fits;
    explicit NativePath(const char *path)
    {
        fits = path != nullptr && Cp1252ToUtf8(path, text, sizeof text);
        if (!fits)
            text[0] = '\0';
    }
};

FileProblemKind KindOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return FILE_NOT_THERE;
    case EACCES:
    case EPERM:
    case EROFS: return FILE_DENIED;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FILE_DISK_FULL;
    case EISDIR: return FILE_IN_THE_WAY;
    case EEXIST: return FILE_NAME_TAKEN;
    case EBUSY:
    case ETXTBSY: return FILE_BUSY;
    default: return FILE_FAILED;
    }
}

bool Fail(FileProblem *problem, int error)
{
    if (problem != nullptr)
        *problem = {KindOf(error), error};
    return false;
}

int Descriptor(FileHandle file) { return static_cast<int>(file); }

} // namespace

bool OpenToRead(const char *path, FileHandle *file, FileProblem *problem)
{
    NativePath native(path);
    if (!native.fits)
        return Fail(problem, ENAMETOOLONG);
    int descriptor = open(native.text, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return Fail(problem, errno);
    *file = descriptor;
    return true;
}

bool ReadSome(FileHandle file, char *buffer, std::size_t capacity, std::size_t *got, FileProblem *problem)
{
    for (;;) {
        ssize_t count = read(Descriptor(file), buffer, capacity);
        if (count >= 0) {
            *got = static_cast<std::size_t>(count);
            return true;
        }
        if (errno != EINTR)
            return Fail(problem, errno);
    }
}

bool SizeOfFile(FileHandle file, std::uint64_t *size)
{
    struct stat info;
    if (fstat(Descriptor(file), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    *size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool RewindFile(FileHandle file, FileProblem *problem)
{
    return lseek(Descriptor(file), 0, SEEK_SET) == 0 || Fail(problem, errno);
}

bool CreateNewFile(const char *path, FileHandle *file, FileProblem *problem)
{
    NativePath native(path);
    if (!native.fits)
        return Fail(problem, ENAMETOOLONG);
    int descriptor = open(native.text, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return Fail(problem, errno);
    *file = descriptor;
    return true;
}

bool WriteAll(FileHandle file, const char *bytes, std::size_t size, FileProblem *problem)
{
    while (size > 0) {
        ssize_t count = write(Descriptor(file), bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return Fail(problem, count < 0 ? errno : ENOSPC);
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

bool CommitToDisk(FileHandle file, FileProblem *problem)
{
    return fsync(Descriptor(file)) == 0 || Fail(problem, errno);
}

bool CloseFile(FileHandle file, FileProblem *problem) { return close(Descriptor(file)) == 0 || Fail(problem, errno); }

bool MoveIntoPlace(const char *source, const char *target, FileProblem *problem)
{
    NativePath from(source), to(target);
    return (from.fits && to.fits && std::rename(from.text, to.text) == 0) || Fail(problem, errno);
}

/* A rename or an unlink does not ask for the file's own write right. */
void MakeWritable(const char *) {}

int DeleteFileIfPresent(const char *path)
{
    NativePath native(path);
    if (path == nullptr || path[0] == '\0' || !native.fits)
        return 0;
    struct stat info;
    if (lstat(native.text, &info) == 0 && S_ISDIR(info.st_mode))
        return 0;
    if (unlink(native.text) == 0)
        return 1;
    return errno == ENOENT || errno == ENOTDIR;
}

int MakeFolder(const char *path)
{
    NativePath native(path);
    if (path == nullptr || path[0] == '\0' || !native.fits)
        return 0;
    if (mkdir(native.text, 0777) != 0 && errno != EEXIST)
        return 0;
    return IsFolder(path);
}

int RemoveEmptyFolder(const char *path)
{
    NativePath native(path);
    return native.fits && rmdir(native.text) == 0;
}

int IsFolder(const char *path)
{
    NativePath native(path);
    struct stat info;
    return native.fits && path[0] != '\0' && stat(native.text, &info) == 0 && S_ISDIR(info.st_mode);
}

bool FollowLinks(const char *path, char *out, std::size_t capacity)
{
    NativePath native(path);
    struct stat info;
    if (!native.fits || lstat(native.text, &info) != 0 || !S_ISLNK(info.st_mode))
        return false;
    char resolved[PATH_MAX];
    if (realpath(native.text, resolved) == nullptr)
        return false;
    return Utf8ToCp1252(resolved, out, capacity);
}

bool ForEachInFolder(const char *folder, FolderVisit visit, void *context)
{
    NativePath native(folder);
    DIR *entries = native.fits ? opendir(native.text) : nullptr;
    if (entries == nullptr)
        return false;
    while (struct dirent *entry = readdir(entries)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        char name[FILE_PATH_CAPACITY];
        bool representable = Utf8ToCp1252(entry->d_name, name, sizeof name);
        char full[sizeof native.text + sizeof entry->d_name + 1];
        std::snprintf(full, sizeof full, "%s/%s", native.text, entry->d_name);
        struct stat info;
        bool isFolder = stat(full, &info) == 0 && S_ISDIR(info.st_mode);
        visit(context, name, isFolder, representable);
    }
    closedir(entries);
    return true;
}

bool IdentityOf(const char *path, FileIdentity *identity)
{
    NativePath native(path);
    struct stat info;
    if (!native.fits || stat(native.text, &info) != 0)
        return false;
    *identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    return true;
}

/* The working folder before a relative path, then "." and ".." resolved on
   the text: the file need not exist. */
bool AbsolutePathOf(const char *path, char *out, std::size_t capacity)
{
    char joined[FILE_PATH_CAPACITY * 2];
    char here[PATH_MAX];
    if (path[0] == '/') {
        std::snprintf(joined, sizeof joined, "%s", path);
    } else {
        if (getcwd(here, sizeof here) == nullptr)
            return false;
        char hereText[FILE_PATH_CAPACITY];
        if (!Utf8ToCp1252(here, hereText, sizeof hereText))
            return false;
        std::snprintf(joined, sizeof joined, "%s/%s", hereText, path);
    }
    std::size_t length = 0;
    const char *next = joined;
    while (*next != '\0') {
        while (*next == '/')
            next++;
        const char *end = std::strchr(next, '/');
        std::size_t part = end != nullptr ? static_cast<std::size_t>(end - next) : std::strlen(next);
        if (part == 0)
            break;
        if (part == 2 && next[0] == '.' && next[1] == '.') {
            while (length > 0 && out[length - 1] != '/')
                length--;
            if (length > 0)
                length--;
        } else if (!(part == 1 && next[0] == '.')) {
            if (length + 1 + part >= capacity)
                return false;
            out[length++] = '/';
            std::memcpy(out + length, next, part);
            length += part;
        }
        next += part;
    }
    if (length == 0)
        out[length++] = '/';
    out[length] = '\0';
    return true;
}

bool SameName(const char *a, const char *b) { return std::strcmp(a, b) == 0; }

void DescribeSystemProblem(int systemCode, char *out, std::size_t capacity)
{
    std::snprintf(out, capacity, "%s", std::strerror(systemCode));
}

unsigned SaveNonce()
{
    static unsigned counter = 0;
    return static_cast<unsigned>(getpid()) * 40503u ^ static_cast<unsigned>(std::time(nullptr)) ^ (++counter << 12) ^
           static_cast<unsigned>(std::clock());
}

#endif
