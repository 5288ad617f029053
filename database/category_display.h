/*
 * The main window's nine category list boxes, filled from the tables.
 * Windows only; the main window creates the boxes and keeps their handles
 * here.
 */
#ifndef PELMORA_CATEGORY_DISPLAY_H
#define PELMORA_CATEGORY_DISPLAY_H

#include <windows.h>

#include "database/database.h"

/* The list box of each pane, loop first. */
extern HWND g_hCategoryList[CATEGORY_COUNT];

/* Refills the boxes of one category (1..9) or ALL_CATEGORIES from a style's
   lists: one row per entry in slot order, the first row selected. An
   unknown style leaves the refilled boxes empty. 0 when no state, else 1. */
int ShowCategoryLists(const AppState *state, int style, int category);

#endif
