/*
 * The file layer's Windows steps. Paths come in the ANSI code page (the
 * lists' code page on a French Windows) and reach Windows in UTF-16, where
 * it keeps names: a path longer than the old 260-character limit (a
 * temporary file beside a list of a deep folder) is then handed over in
 * its "\\?\" form.
 */
#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "files/files.h"
#include "files/platform.h"

const char PATH_SEPARATOR = '\\';

namespace {

const DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
/* What GetFinalPathNameByHandle puts before a drive path or a share. */
const char LONG_PREFIX[] = "\\\\?\\";
const char LONG_UNC_PREFIX[] = "\\\\?\\UNC\\";
/* The most one ReadFile or WriteFile call is asked to move. */
const DWORD MAXIMUM_STEP = 1u << 28;

FileProblemKind KindOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_NAME: return FILE_NOT_THERE;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FILE_DENIED;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return FILE_BUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FILE_DISK_FULL;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FILE_NAME_TAKEN;
    default: return FILE_FAILED;
    }
}

/* The last error; access to a folder taken for a file is a folder in the way. */
bool Fail(FileProblem *problem, const char *path = nullptr)
{
    DWORD error = GetLastError();
    if (problem != nullptr) {
        FileProblemKind kind = KindOf(error);
        if (kind == FILE_DENIED && path != nullptr && IsFolder(path))
            kind = FILE_IN_THE_WAY;
        *problem = {kind, static_cast<int>(error)};
    }
    return false;
}

HANDLE Handle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

/* Beyond this length a path needs its "\\?\" form. */
const int SHORT_PATH_LIMIT = MAX_PATH - 1;

/* A path in UTF-16; long ones made full and prefixed. */
struct WidePath {
    wchar_t text[FILE_PATH_CAPACITY + 8];
    bool fits;
    explicit WidePath(const char *path)
    {
        wchar_t plain[FILE_PATH_CAPACITY];
        fits = path != nullptr && MultiByteToWideChar(CP_ACP, 0, path, -1, plain, FILE_PATH_CAPACITY) > 0;
        text[0] = L'\0';
        if (!fits)
            return;
        if (std::wcslen(plain) <= SHORT_PATH_LIMIT || std::wcsncmp(plain, L"\\\\", 2) == 0) {
            std::wcscpy(text, plain);
            return;
        }
        std::wcscpy(text, L"\\\\?\\");
        DWORD length = GetFullPathNameW(plain, FILE_PATH_CAPACITY, text + 4, nullptr);
        fits = length > 0 && length < FILE_PATH_CAPACITY;
    }
};

/* The ANSI form of a UTF-16 name; false when it does not fit or a character
   has no place in the code page ('?' stands for it). */
bool Narrow(const wchar_t *text, char *out, std::size_t capacity, bool *whole)
{
    BOOL usedDefault = FALSE;
    int converted = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, out, static_cast<int>(capacity),
                                        nullptr, &usedDefault);
    *whole = converted > 0 && !usedDefault;
    return converted > 0;
}

/* Opens whatever path names (a file or a folder, links followed) only to
   ask about it. */
HANDLE OpenToAsk(const char *path)
{
    WidePath wide(path);
    if (!wide.fits)
        return INVALID_HANDLE_VALUE;
    return CreateFileW(wide.text, 0, SHARE_ALL, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

/* Replacing a file that another program holds open is refused as access
   denied, like replacing a read-only one: only the first can wait. */
bool HeldByAnother(const char *path)
{
    WidePath wide(path);
    HANDLE probe = CreateFileW(wide.text, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace

bool OpenToRead(const char *path, FileHandle *file, FileProblem *problem)
{
    WidePath wide(path);
    HANDLE opened = wide.fits ? CreateFileW(wide.text, GENERIC_READ, SHARE_ALL, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr)
                              : INVALID_HANDLE_VALUE;
    if (opened == INVALID_HANDLE_VALUE)
        return Fail(problem, path);
    *file = reinterpret_cast<FileHandle>(opened);
    return true;
}

bool ReadSome(FileHandle file, char *buffer, std::size_t capacity, std::size_t *got, FileProblem *problem)
{
    DWORD count = 0;
    DWORD wanted = capacity > MAXIMUM_STEP ? MAXIMUM_STEP : static_cast<DWORD>(capacity);
    if (!ReadFile(Handle(file), buffer, wanted, &count, nullptr))
        return Fail(problem);
    *got = count;
    return true;
}

bool SizeOfFile(FileHandle file, std::uint64_t *size)
{
    LARGE_INTEGER length;
    if (!GetFileSizeEx(Handle(file), &length))
        return false;
    *size = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

bool RewindFile(FileHandle file, FileProblem *problem)
{
    LARGE_INTEGER start = {};
    return SetFilePointerEx(Handle(file), start, nullptr, FILE_BEGIN) || Fail(problem);
}

bool CreateNewFile(const char *path, FileHandle *file, FileProblem *problem)
{
    WidePath wide(path);
    HANDLE made = wide.fits
                      ? CreateFileW(wide.text, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)
                      : INVALID_HANDLE_VALUE;
    if (made == INVALID_HANDLE_VALUE)
        return Fail(problem, path);
    *file = reinterpret_cast<FileHandle>(made);
    return true;
}

bool WriteAll(FileHandle file, const char *bytes, std::size_t size, FileProblem *problem)
{
    while (size > 0) {
        DWORD wanted = size > MAXIMUM_STEP ? MAXIMUM_STEP : static_cast<DWORD>(size);
        DWORD count = 0;
        if (!WriteFile(Handle(file), bytes, wanted, &count, nullptr))
            return Fail(problem);
        if (count == 0) {
            SetLastError(ERROR_DISK_FULL);
            return Fail(problem);
        }
        bytes += count;
        size -= count;
    }
    return true;
}

bool CommitToDisk(FileHandle file, FileProblem *problem) { return FlushFileBuffers(Handle(file)) || Fail(problem); }

bool CloseFile(FileHandle file, FileProblem *problem) { return CloseHandle(Handle(file)) || Fail(problem); }

bool MoveIntoPlace(const char *source, const char *target, FileProblem *problem)
{
    /* MoveFileEx refuses a folder as target, a read-only target and one
       held open without delete sharing; each leaves the target untouched. */
    WidePath from(source), to(target);
    if (from.fits && to.fits && MoveFileExW(from.text, to.text, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED && HeldByAnother(target))
        error = ERROR_SHARING_VIOLATION;
    SetLastError(error);
    return Fail(problem, target);
}

void MakeWritable(const char *path)
{
    WidePath wide(path);
    DWORD attributes = wide.fits ? GetFileAttributesW(wide.text) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        SetFileAttributesW(wide.text, attributes & ~FILE_ATTRIBUTE_READONLY);
}

int DeleteFileIfPresent(const char *path)
{
    WidePath wide(path);
    if (path == nullptr || path[0] == '\0' || !wide.fits)
        return 0;
    if (DeleteFileW(wide.text))
        return 1;
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return 1;
    MakeWritable(path);
    return DeleteFileW(wide.text) != 0;
}

int MakeFolder(const char *path)
{
    WidePath wide(path);
    if (path == nullptr || path[0] == '\0' || !wide.fits)
        return 0;
    if (!CreateDirectoryW(wide.text, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return 0;
    return IsFolder(path);
}

int RemoveEmptyFolder(const char *path)
{
    WidePath wide(path);
    return wide.fits && RemoveDirectoryW(wide.text) != 0;
}

int IsFolder(const char *path)
{
    WidePath wide(path);
    DWORD attributes = wide.fits && path[0] != '\0' ? GetFileAttributesW(wide.text) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

/* Windows tells the final file of any existing path; a drive path or a
   share comes back behind "\\?\", which the ANSI paths do without. */
bool FollowLinks(const char *path, char *out, std::size_t capacity)
{
    HANDLE file = OpenToAsk(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    wchar_t final[FILE_PATH_CAPACITY];
    DWORD length = GetFinalPathNameByHandleW(file, final, FILE_PATH_CAPACITY, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= FILE_PATH_CAPACITY)
        return false;
    char narrow[FILE_PATH_CAPACITY];
    bool whole = false;
    if (!Narrow(final, narrow, sizeof narrow, &whole) || !whole)
        return false;
    int written = -1;
    if (std::strncmp(narrow, LONG_UNC_PREFIX, sizeof LONG_UNC_PREFIX - 1) == 0)
        written = std::snprintf(out, capacity, "\\\\%s", narrow + sizeof LONG_UNC_PREFIX - 1);
    else if (std::strncmp(narrow, LONG_PREFIX, sizeof LONG_PREFIX - 1) == 0 && narrow[5] == ':')
        written = std::snprintf(out, capacity, "%s", narrow + sizeof LONG_PREFIX - 1);
    return written > 0 && static_cast<std::size_t>(written) < capacity;
}

bool ForEachInFolder(const char *folder, FolderVisit visit, void *context)
{
    char pattern[FILE_PATH_CAPACITY];
    int length = std::snprintf(pattern, sizeof pattern, "%s\\*", folder);
    WidePath wide(pattern);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof pattern || !wide.fits)
        return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wide.text, &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0)
            continue;
        char name[FILE_PATH_CAPACITY];
        bool whole = false;
        if (Narrow(found.cFileName, name, sizeof name, &whole))
            visit(context, name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, whole);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

bool IdentityOf(const char *path, FileIdentity *identity)
{
    HANDLE file = OpenToAsk(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (known)
        *identity = {information.dwVolumeSerialNumber,
                     (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
    return known;
}

/* Long names where the file, or else its folder, exists: "C:\EJAY~1\x"
   and "C:\Ejay Spécial\x" are then one text. */
bool AbsolutePathOf(const char *path, char *out, std::size_t capacity)
{
    WidePath wide(path);
    wchar_t full[FILE_PATH_CAPACITY], longer[FILE_PATH_CAPACITY];
    DWORD length = wide.fits ? GetFullPathNameW(wide.text, FILE_PATH_CAPACITY, full, nullptr) : 0;
    if (length == 0 || length >= FILE_PATH_CAPACITY)
        return false;
    const wchar_t *chosen = full;
    DWORD longLength = GetLongPathNameW(full, longer, FILE_PATH_CAPACITY);
    if (longLength > 0 && longLength < FILE_PATH_CAPACITY) {
        chosen = longer;
    } else if (wchar_t *name = std::wcsrchr(full, L'\\')) {
        *name = L'\0';
        longLength = GetLongPathNameW(full, longer, FILE_PATH_CAPACITY);
        *name = L'\\';
        if (longLength > 0 && longLength + std::wcslen(name) < FILE_PATH_CAPACITY) {
            std::wcscat(longer, name);
            chosen = longer;
        }
    }
    bool whole = false;
    return Narrow(chosen, out, capacity, &whole) && whole;
}

bool SameName(const char *a, const char *b)
{
    WidePath wideA(a), wideB(b);
    return wideA.fits && wideB.fits && CompareStringOrdinal(wideA.text, -1, wideB.text, -1, TRUE) == CSTR_EQUAL;
}

void DescribeSystemProblem(int systemCode, char *out, std::size_t capacity)
{
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(systemCode), 0, out, static_cast<DWORD>(capacity), nullptr);
    /* The system's sentence ends in a line end and often a full stop. */
    while (length > 0 &&
           (out[length - 1] == '\r' || out[length - 1] == '\n' || out[length - 1] == ' ' || out[length - 1] == '.'))
        length--;
    out[length] = '\0';
}

unsigned SaveNonce()
{
    static unsigned counter = 0;
    return GetTickCount() * 40503u ^ GetCurrentProcessId() ^ (++counter << 12);
}

#endif
