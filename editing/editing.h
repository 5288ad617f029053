/*
 * Sample editing: the Add form (file chooser, then form 507), the Modify
 * form 515 and the deletion question, all acting on the style shown. The
 * forms are modeless and obey the one-dialog rule of app.h.
 */
#ifndef PELMORA_EDITING_H
#define PELMORA_EDITING_H

#include <windows.h>

#include "database/database.h"

/* The chooser for g_selectedCategory, then the Add form. */
void AddSample(void);

/* Opens the Modify form on row g_selectedIndex of g_selectedCategory;
   does nothing when no entry stands at that row. */
void ModifySample(HWND owner);

/* Asks, then removes the entry of row g_selectedIndex of that category of
   the style shown; an open Modify form of that list closes unwritten. */
void DeleteSample(AppState *state, int category);

#endif
