/*
 * Sample editing: the Add form (file chooser, then form 507), the Modify
 * form 515 and the deletion question, all acting on the style shown; files
 * dropped on a pane; the Find form; and the undoing of the session's edits.
 * The forms are modeless and obey the one-dialog rule of app.h.
 */
#ifndef PELMORA_EDITING_H
#define PELMORA_EDITING_H

#include <windows.h>
#include <shellapi.h>

#include "database/database.h"

/* The chooser for g_selectedCategory, then the Add form. */
void AddSample(void);

/* Opens the Modify form on row g_selectedIndex of g_selectedCategory;
   does nothing when no entry stands at that row. */
void ModifySample(HWND owner);

/* Asks, then removes the entry of row g_selectedIndex of that category of
   the style shown; an open Modify form of that list closes unwritten. */
void DeleteSample(AppState *state, int category);

/* Files dropped on a pane: added to that category (1..9) of the style shown
   by the rules of the lists tool's import (a folder gives its own .pxd
   files), then one message tells what was added, passed and refused. One
   undo step takes the whole drop back. */
void DropSampleFiles(int category, HDROP drop);

/* The Find form, or the one open brought to the front. */
void OpenFindForm(void);

/* The newest edit of the session (add, modify, delete, drop) undone: its
   category as it was, shown in its pane. A beep when nothing is left. */
void UndoLastEdit(void);
/* The lists shown were replaced by another folder's: their edits can no
   longer be undone, and their sample files are looked for afresh. */
void ForgetListEdits(void);

#endif
