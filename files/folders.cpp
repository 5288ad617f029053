/*
 * Where Windows keeps its own folder and the user's application data. Kept
 * apart from the rest of the file layer so that ZEF.dll, which links that
 * part, does not import the shell for it.
 */
#include "files/files.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include <cstring>

namespace {

/* A folder too long for out is no folder: a cut one would be another. */
int Keep(const char *folder, char *out, std::size_t capacity)
{
    std::size_t length = std::strlen(folder);
    if (length == 0 || length >= capacity)
        return 0;
    std::memcpy(out, folder, length + 1);
    return 1;
}

/* One of the shell's folders of the user (CSIDL_…). */
int ShellFolder(int which, char *out, std::size_t capacity)
{
    char folder[MAX_PATH];
    if (out == nullptr || capacity == 0)
        return 0;
    out[0] = '\0';
    return SHGetFolderPathA(nullptr, which, nullptr, 0, folder) == S_OK && Keep(folder, out, capacity);
}

} // namespace

int WindowsFolder(char *out, std::size_t capacity)
{
    char folder[MAX_PATH];
    if (out == nullptr || capacity == 0)
        return 0;
    out[0] = '\0';
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder && Keep(folder, out, capacity);
}

int ApplicationDataFolder(char *out, std::size_t capacity) { return ShellFolder(CSIDL_APPDATA, out, capacity); }

int LocalApplicationDataFolder(char *out, std::size_t capacity)
{
    return ShellFolder(CSIDL_LOCAL_APPDATA, out, capacity);
}

#else

int WindowsFolder(char *out, std::size_t capacity)
{
    if (out != nullptr && capacity > 0)
        out[0] = '\0';
    return 0;
}

int ApplicationDataFolder(char *out, std::size_t capacity) { return WindowsFolder(out, capacity); }

int LocalApplicationDataFolder(char *out, std::size_t capacity) { return WindowsFolder(out, capacity); }

#endif
