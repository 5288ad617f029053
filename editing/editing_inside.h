/*
 * Inside editing: what its forms and commands share.
 */
#ifndef PELMORA_EDITING_INSIDE_H
#define PELMORA_EDITING_INSIDE_H

#include <windows.h>

#include "editing/undo_log.h"

/* The session's edits of the lists shown. */
extern UndoLog g_undoLog;

/* Style names, index = style - STYLE_DANCE. */
extern const char *const STYLE_NAMES[STYLE_COUNT];

/* The file chooser for a PXD sample, owned by owner, opened in folder (or
   where the system chooses when it is empty), into path of capacity
   characters. TRUE only when the user chose a file; a cancelled or failed
   chooser (a path longer than the buffer, for one) gives FALSE. */
BOOL ChooseSampleFile(HWND owner, const char *title, const char *folder, char *path, DWORD capacity);

#endif
