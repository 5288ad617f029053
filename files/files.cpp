/*
 * What the file layer does the same way everywhere: joining paths, reading
 * a file whole, taking text line by line, and replacing a file whole. The
 * platform's own steps are in platform_*.cpp.
 */
#include "files/files.h"

#include <cstdio>
#include <cstring>

#include "files/platform.h"

namespace {

/* "<name>.~pel" + four hex digits + ".tmp": a pattern nobody else uses, so
   that what matches it beside a target is a leftover of ours. */
const char TEMPORARY_MARK[] = ".~pel";
const char TEMPORARY_SUFFIX[] = ".tmp";
const int TEMPORARY_DIGITS = 4;
/* Names tried before a save gives up: only another save of the same file at
   the same moment, or leftovers we could not remove, take one. */
const int TEMPORARY_TRIES = 32;
const std::size_t READ_BLOCK = 64 * 1024;
const std::uint64_t LARGEST_TRUSTED_SIZE = 1ull << 30;
const std::size_t COPY_BLOCK = 64 * 1024;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

/* The file name part of a path (after its last separator of either kind). */
const char *NameOf(const char *path)
{
    const char *name = path;
    for (const char *next = path; *next != '\0'; ++next) {
        if (*next == '/' || *next == '\\')
            name = next + 1;
    }
    return name;
}

/* "<target name>.~pelXXXX.tmp" exactly. */
bool IsTemporaryOf(const char *entry, const char *targetName)
{
    std::size_t nameLength = std::strlen(targetName);
    std::size_t markLength = sizeof TEMPORARY_MARK - 1;
    std::size_t suffixLength = sizeof TEMPORARY_SUFFIX - 1;
    if (std::strlen(entry) != nameLength + markLength + TEMPORARY_DIGITS + suffixLength)
        return false;
    if (std::strncmp(entry, targetName, nameLength) != 0 ||
        std::strncmp(entry + nameLength, TEMPORARY_MARK, markLength) != 0)
        return false;
    const char *digits = entry + nameLength + markLength;
    for (int i = 0; i < TEMPORARY_DIGITS; ++i) {
        if (!IsHexDigit(digits[i]))
            return false;
    }
    return std::strcmp(digits + TEMPORARY_DIGITS, TEMPORARY_SUFFIX) == 0;
}

struct LeftoverSweep {
    const char *folder; /* with its trailing separator, or "" */
    std::size_t folderLength;
    const char *targetName;
};

void RemoveIfLeftover(void *context, const char *name, bool isFolder, bool)
{
    const LeftoverSweep *sweep = static_cast<const LeftoverSweep *>(context);
    char path[FILE_PATH_CAPACITY];
    if (isFolder || !IsTemporaryOf(name, sweep->targetName))
        return;
    int length = std::snprintf(path, sizeof path, "%.*s%s", static_cast<int>(sweep->folderLength), sweep->folder, name);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof path)
        DeleteFileIfPresent(path);
}

/* A save killed between making its temporary file and the final step left
   one behind; the next save of the same target takes it away. */
void RemoveLeftovers(const char *target)
{
    const char *name = NameOf(target);
    std::size_t folderLength = static_cast<std::size_t>(name - target);
    char folder[FILE_PATH_CAPACITY];
    if (folderLength == 0) {
        std::snprintf(folder, sizeof folder, ".");
    } else {
        std::snprintf(folder, sizeof folder, "%.*s", static_cast<int>(folderLength), target);
    }
    LeftoverSweep sweep = {target, folderLength, name};
    ForEachInFolder(folder, RemoveIfLeftover, &sweep);
}

bool SetProblem(FileProblem *problem, FileProblemKind kind, int systemCode = 0)
{
    if (problem != nullptr) {
        problem->kind = kind;
        problem->systemCode = systemCode;
    }
    return false;
}

/* A fresh temporary name beside the target, made exclusively. */
bool CreateTemporary(FileReplacement *replacement)
{
    unsigned nonce = SaveNonce();
    for (int attempt = 0; attempt < TEMPORARY_TRIES; ++attempt, nonce = nonce * 2654435761u + 1) {
        int length = std::snprintf(replacement->temporary, sizeof replacement->temporary, "%s%s%04x%s",
                                   replacement->target, TEMPORARY_MARK, (nonce >> 8) & 0xFFFF, TEMPORARY_SUFFIX);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof replacement->temporary)
            return SetProblem(&replacement->problem, FILE_FAILED);
        if (CreateNewFile(replacement->temporary, &replacement->handle, &replacement->problem))
            return true;
        if (replacement->problem.kind != FILE_NAME_TAKEN)
            return false;
    }
    return false;
}

void ClearReplacement(FileReplacement *replacement)
{
    replacement->target[0] = '\0';
    replacement->temporary[0] = '\0';
    replacement->handle = NO_FILE;
    replacement->problem = {FILE_FINE, 0};
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
    FileHandle file = NO_FILE;
    if (path == nullptr || path[0] == '\0' || !OpenToRead(path, &file, nullptr))
        return 0;
    CloseFile(file, nullptr);
    return 1;
}

int MakeFolders(const char *path)
{
    if (path == nullptr || path[0] == '\0')
        return 0;
    if (IsFolder(path))
        return 1;
    char parent[FILE_PATH_CAPACITY];
    const char *name = NameOf(path);
    std::size_t parentLength = static_cast<std::size_t>(name - path);
    /* The parent without its separator; a root ("/", "C:\") is never made. */
    while (parentLength > 0 && (path[parentLength - 1] == '/' || path[parentLength - 1] == '\\'))
        parentLength--;
    if (parentLength > 0 && parentLength < sizeof parent && path[parentLength - 1] != ':') {
        std::memcpy(parent, path, parentLength);
        parent[parentLength] = '\0';
        MakeFolders(parent);
    }
    return MakeFolder(path);
}

bool RetryMayHelp(const FileProblem &problem) { return problem.kind == FILE_BUSY || problem.kind == FILE_DISK_FULL; }

void DescribeFileProblem(const FileProblem &problem, char *out, std::size_t capacity)
{
    if (out == nullptr || capacity == 0)
        return;
    out[0] = '\0';
    if (problem.systemCode != 0)
        DescribeSystemProblem(problem.systemCode, out, capacity);
}

FileReadResult ReadWholeFile(const char *path, std::string *bytes, FileProblem *problem)
{
    bytes->clear();
    SetProblem(problem, FILE_FINE);
    if (path == nullptr || path[0] == '\0') {
        SetProblem(problem, FILE_NOT_THERE);
        return FILE_MISSING;
    }
    FileHandle file = NO_FILE;
    FileProblem opened = {FILE_FINE, 0};
    if (!OpenToRead(path, &file, &opened)) {
        if (problem != nullptr)
            *problem = opened;
        /* A file that is there but refused (held by another program, no
           right to read) is not missing. */
        return opened.kind == FILE_NOT_THERE ? FILE_MISSING : FILE_UNREADABLE;
    }
    /* One read of the size the system gives, and one more to meet the end;
       a size beyond the largest taken at its word is no size (some
       systems give an enormous one for a device). */
    std::uint64_t size = 0;
    std::size_t block = SizeOfFile(file, &size) && size < LARGEST_TRUSTED_SIZE ? size + 1 : READ_BLOCK;
    std::size_t have = 0;
    for (;;) {
        bytes->resize(have + block);
        std::size_t got = 0;
        if (!ReadSome(file, &(*bytes)[have], block, &got, problem)) {
            CloseFile(file, nullptr);
            bytes->clear();
            return FILE_UNREADABLE;
        }
        have += got;
        if (got == 0)
            break;
        block = READ_BLOCK;
    }
    bytes->resize(have);
    CloseFile(file, nullptr);
    return FILE_READ;
}

const char *TextEndOf(const char *bytes, std::size_t size)
{
    const void *mark = std::memchr(bytes, TEXT_END_MARK, size);
    return mark != nullptr ? static_cast<const char *>(mark) : bytes + size;
}

TextCursor TextCursorOver(const char *bytes, std::size_t size) { return {bytes, TextEndOf(bytes, size), 1}; }

bool TakeTextLine(TextCursor *cursor, TextLine *line)
{
    const char *start = cursor->next;
    if (start >= cursor->end)
        return false;
    const void *found = std::memchr(start, '\n', static_cast<std::size_t>(cursor->end - start));
    const char *lineFeed = static_cast<const char *>(found);
    const char *stop = lineFeed != nullptr ? lineFeed : cursor->end;
    cursor->next = lineFeed != nullptr ? lineFeed + 1 : cursor->end;
    if (lineFeed != nullptr && stop > start && stop[-1] == '\r')
        stop--;
    line->start = start;
    line->length = static_cast<std::size_t>(stop - start);
    cursor->lineNumber++;
    return true;
}

int BeginReplacing(const char *target, FileReplacement *replacement)
{
    ClearReplacement(replacement);
    if (target == nullptr || target[0] == '\0')
        return SetProblem(&replacement->problem, FILE_NOT_THERE);
    if (!FollowLinks(target, replacement->target, sizeof replacement->target)) {
        int length = std::snprintf(replacement->target, sizeof replacement->target, "%s", target);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof replacement->target)
            return SetProblem(&replacement->problem, FILE_FAILED);
    }
    RemoveLeftovers(replacement->target);
    return CreateTemporary(replacement);
}

int WriteReplacement(FileReplacement *replacement, const char *bytes, std::size_t size)
{
    if (replacement->handle == NO_FILE || replacement->problem.kind != FILE_FINE)
        return 0;
    if (size == 0)
        return 1;
    return WriteAll(replacement->handle, bytes, size, &replacement->problem);
}

int FinishReplacing(FileReplacement *replacement)
{
    if (replacement->handle == NO_FILE)
        return 0;
    bool done = replacement->problem.kind == FILE_FINE && CommitToDisk(replacement->handle, &replacement->problem);
    /* Closing may report what the commit did not: it counts too. */
    done = CloseFile(replacement->handle, done ? &replacement->problem : nullptr) && done;
    replacement->handle = NO_FILE;
    if (done && MoveIntoPlace(replacement->temporary, replacement->target, &replacement->problem))
        return 1;
    DeleteFileIfPresent(replacement->temporary);
    return 0;
}

void AbandonReplacing(FileReplacement *replacement)
{
    if (replacement->handle != NO_FILE) {
        CloseFile(replacement->handle, nullptr);
        replacement->handle = NO_FILE;
        DeleteFileIfPresent(replacement->temporary);
    }
}

int SaveFileAtomically(const char *target, const char *bytes, std::size_t size, FileProblem *problem)
{
    FileReplacement replacement;
    int saved = (bytes != nullptr || size == 0) && BeginReplacing(target, &replacement) &&
                WriteReplacement(&replacement, bytes, size) && FinishReplacing(&replacement);
    if (!saved)
        AbandonReplacing(&replacement);
    if (problem != nullptr)
        *problem = saved ? FileProblem{FILE_FINE, 0} : replacement.problem;
    return saved;
}

int CopyFileOver(const char *from, const char *to, FileProblem *problem)
{
    FileHandle source = NO_FILE;
    FileProblem failure = {FILE_FINE, 0};
    if (from == nullptr || to == nullptr || !OpenToRead(from, &source, &failure))
        return SetProblem(problem, failure.kind == FILE_FINE ? FILE_NOT_THERE : failure.kind, failure.systemCode);
    MakeWritable(to);
    FileReplacement replacement;
    bool copied = BeginReplacing(to, &replacement);
    char block[COPY_BLOCK];
    for (std::size_t got = 1; copied && got > 0;) {
        copied = ReadSome(source, block, sizeof block, &got, &replacement.problem) &&
                 WriteReplacement(&replacement, block, got);
    }
    CloseFile(source, nullptr);
    copied = copied && FinishReplacing(&replacement);
    if (!copied)
        AbandonReplacing(&replacement);
    if (problem != nullptr)
        *problem = copied ? FileProblem{FILE_FINE, 0} : replacement.problem;
    return copied;
}

int FullPathOf(const char *path, char *out, std::size_t capacity)
{
    if (out == nullptr || capacity == 0)
        return 0;
    out[0] = '\0';
    if (path == nullptr || path[0] == '\0' || !AbsolutePathOf(path, out, capacity)) {
        out[0] = '\0';
        return 0;
    }
    return 1;
}

bool SameFile(const char *a, const char *b)
{
    FileIdentity first, second;
    if (IdentityOf(a, &first) && IdentityOf(b, &second))
        return first.volume == second.volume && first.index == second.index;
    char fullA[FILE_PATH_CAPACITY], fullB[FILE_PATH_CAPACITY];
    return FullPathOf(a, fullA, sizeof fullA) && FullPathOf(b, fullB, sizeof fullB) && SameName(fullA, fullB);
}

namespace {

void KeepEntry(void *context, const char *name, bool isFolder, bool representable)
{
    static_cast<std::vector<FolderEntry> *>(context)->push_back({name, isFolder, representable});
}

} // namespace

int ReadFolder(const char *path, std::vector<FolderEntry> *entries)
{
    entries->clear();
    return path != nullptr && ForEachInFolder(path, KeepEntry, entries);
}
