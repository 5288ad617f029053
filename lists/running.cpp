/*
 * The tool's questions to the platform. Whether Pelmora is open: its main
 * window exists; the tool must not write lists that the program will
 * overwrite from its own tables on closing. And the list separator the
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

bool PelmoraIsRunning() { return FindWindowA(MAIN_CLASS_NAME, nullptr) != nullptr; }

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
