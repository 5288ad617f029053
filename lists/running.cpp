/*
 * The tool's questions to the platform. Whether Pelmora is open: the one
 * object each Pelmora holds from its first instruction to its end, so the
 * intro and the closing count too; the tool must not write lists the
 * program will write its own tables over. And the list separator the
 * user's spreadsheet expects in a CSV file.
 */
#include "lists/lists_tool.h"

namespace {

/* France's, and the separator of every language whose decimal mark is a
   comma. */
const char DEFAULT_LIST_SEPARATOR[] = ";";

} // namespace

#ifdef _WIN32
#include <windows.h>

#include "resources/resource.h"

bool PelmoraIsRunning()
{
    HANDLE held = OpenMutexA(SYNCHRONIZE, FALSE, INSTANCE_MUTEX_NAME);
    if (held == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED; /* held by another user's Pelmora */
    CloseHandle(held);
    return true;
}

std::string UserListSeparator()
{
    /* Windows keeps at most three characters and the terminator. */
    char separator[4];
    int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLIST, separator, sizeof separator);
    return length > 1 ? std::string(separator) : std::string(DEFAULT_LIST_SEPARATOR);
}

#else

bool PelmoraIsRunning() { return false; }

std::string UserListSeparator() { return DEFAULT_LIST_SEPARATOR; }

#endif
