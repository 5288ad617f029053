/*
 * Whether Pelmora is open: the one object each Pelmora holds from its first
 * instruction to its end, so the intro and the closing count too. The tool
 * must not write lists the program will write its own tables over.
 */
#include "lists/lists_tool.h"

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

#else

bool PelmoraIsRunning() { return false; }

#endif
