/*
 * Whether Pelmora is open: its main window exists. The tool must not write
 * lists that the program will overwrite from its own tables on closing.
 */
#include "lists/lists_tool.h"

#ifdef _WIN32
#include <windows.h>

#include "resources/resource.h"

bool PelmoraIsRunning() { return FindWindowA(MAIN_CLASS_NAME, nullptr) != nullptr; }

#else

bool PelmoraIsRunning() { return false; }

#endif
