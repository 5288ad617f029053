/*
 * What the file layer does the same way everywhere: joining paths, reading
 * a file whole and replacing one whole. The platform's own steps are in
 * platform_*.cpp.
 */
#include "files/files.h"

#include <cerrno>
#include <cstring>

#include "files/platform.h"

namespace {

/* Beside the target, so the final step is a rename within one folder. */
const char TEMPORARY_SUFFIX[] = ".tmp";
/* Read size when the stream cannot tell its length. A length beyond the
   largest file taken at its word is no length: some systems give an
   enormous one for a folder. */
const std::size_t READ_BLOCK = 64 * 1024;
const long LARGEST_TRUSTED_SIZE = 1L << 30;

/* Bytes from the stream's position to its end, or -1 when it cannot seek. */
long RemainingSize(std::FILE *stream)
{
    long start = std::ftell(stream);
    if (start < 0 || std::fseek(stream, 0, SEEK_END) != 0)
        return -1;
    long end = std::ftell(stream);
    if (std::fseek(stream, start, SEEK_SET) != 0 || end < start)
        return -1;
    return end - start;
}

int WriteAndCommit(std::FILE *stream, const char *bytes, std::size_t size)
{
    if (size > 0 && std::fwrite(bytes, 1, size, stream) != size)
        return 0;
    return std::fflush(stream) == 0 && CommitToDisk(stream);
}

} // namespace

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
        out[0] = '\0';
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

bool TakeTextLine(const char **next, const char *end, const char **line, std::size_t *length)
{
    const char *start = *next;
    if (start >= end)
        return false;
    const char *lineFeed = static_cast<const char *>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
    const char *stop = lineFeed != nullptr ? lineFeed : end;
    *next = lineFeed != nullptr ? lineFeed + 1 : end;
    if (lineFeed != nullptr && stop > start && stop[-1] == '\r')
        stop--;
    *line = start;
    *length = static_cast<std::size_t>(stop - start);
    return true;
}

FileReadResult ReadWholeStream(std::FILE *stream, std::string *bytes)
{
    bytes->clear();
    if (stream == nullptr)
        return FILE_UNREADABLE;
    long size = RemainingSize(stream);
    /* One byte more than the size, so that one read also meets the end. */
    std::size_t want = size >= 0 && size < LARGEST_TRUSTED_SIZE ? static_cast<std::size_t>(size) + 1 : READ_BLOCK;
    std::size_t have = 0;
    for (;;) {
        bytes->resize(have + want);
        std::size_t got = std::fread(&(*bytes)[have], 1, want, stream);
        have += got;
        if (got < want)
            break;
        want = have; /* a file that grew while read, or an unknown size */
    }
    bytes->resize(have);
    if (std::ferror(stream)) {
        bytes->clear();
        return FILE_UNREADABLE;
    }
    return FILE_READ;
}

FileReadResult ReadWholeFile(const char *path, std::string *bytes)
{
    bytes->clear();
    if (path == nullptr || path[0] == '\0')
        return FILE_MISSING;
    std::FILE *stream = std::fopen(path, "rb");
    if (stream == nullptr) {
        /* A file that is there but refused (held by another program, no
           right to read) is not missing. */
        return errno == ENOENT || errno == ENOTDIR ? FILE_MISSING : FILE_UNREADABLE;
    }
    FileReadResult result = ReadWholeStream(stream, bytes);
    std::fclose(stream);
    return result;
}

int SaveFileAtomically(const char *target, const char *bytes, std::size_t size)
{
    if (target == nullptr || target[0] == '\0' || (bytes == nullptr && size > 0))
        return 0;
    std::string temporary = std::string(target) + TEMPORARY_SUFFIX;
    DeleteFileIfPresent(temporary.c_str());
    std::FILE *stream = std::fopen(temporary.c_str(), "wb");
    if (stream == nullptr)
        return 0;
    /* Buffered write errors show at the flush or at the close. */
    int written = WriteAndCommit(stream, bytes, size);
    written = std::fclose(stream) == 0 && written;
    if (written && MoveIntoPlace(temporary.c_str(), target))
        return 1;
    DeleteFileIfPresent(temporary.c_str());
    return 0;
}

int CopyFileOver(const char *from, const char *to)
{
    std::string bytes;
    if (ReadWholeFile(from, &bytes) != FILE_READ || to == nullptr)
        return 0;
    MakeWritable(to);
    return SaveFileAtomically(to, bytes.data(), bytes.size());
}
