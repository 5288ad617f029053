/*
 * The main window's nine category list boxes, filled from the tables.
 * Windows only; the main window creates the boxes and keeps their handles
 * here. The boxes are drawn by their owner: a row whose sample file is
 * missing shows in grey, with the same text as any other.
 */
#ifndef PELMORA_CATEGORY_DISPLAY_H
#define PELMORA_CATEGORY_DISPLAY_H

#include <windows.h>

#include "database/database.h"

/* The list box of each pane, loop first. */
extern HWND g_hCategoryList[CATEGORY_COUNT];

/* Refills the boxes of one category (1..9) or ALL_CATEGORIES from a style's
   lists: one row per entry in slot order, the first row selected. An
   unknown style leaves the refilled boxes empty. 0 when no state, else 1.
   Each row's item data tells whether its sample file is missing. Files are
   looked for as the rows are made, once per path: one category refilled
   (after an edit) looks for its files again; all refilled (a style
   switch) take what was found before. */
int ShowCategoryLists(const AppState *state, int style, int category);
#define ROW_SAMPLE_MISSING 1
/* Every file is looked for again at the next refill. */
void ForgetSampleFileChecks(void);

/* The owner's part of the boxes (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS):
   rows drawn as a plain list box draws them, but grey when their sample
   file is missing. Their height follows the same steps as a plain box's,
   so that the boxes keep its size to the pixel (a box without
   LBS_NOINTEGRALHEIGHT shrinks to whole rows): measured with the system
   font when the box is made, then fitted to the font it is given. */
void MeasureSampleRow(MEASUREITEMSTRUCT *item);
void FitRowsToFont(HWND box);
void DrawSampleRow(const DRAWITEMSTRUCT *item);

#endif
