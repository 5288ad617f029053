/*
 * Sample editing: the Add form (file chooser, then form 507), the Modify
 * form 515 and the deletion question, all acting on the style shown.
 */
#ifndef PELMORA_EDITING_H
#define PELMORA_EDITING_H

#include <windows.h>

#include "database/database.h"

/* Target of an open Add form: written only when the chooser succeeds. */
struct AddFormContext {
    int category;        /* 1..9 */
    char samplePath[256];
};

/* The entry an open Modify form edits. */
struct ModifyFormContext {
    int style;     /* 11..13 */
    int category;  /* 1..9 */
    int index;     /* slot, 0..499 */
};

/* Chooser for g_selectedCategory, then the Add form. */
void AddSample(void);
INT_PTR CALLBACK AddSampleDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

/* Opens the Modify form on g_selectedCategory / g_selectedIndex; does
   nothing when the pane has no selection. */
void ModifySample(HWND owner);
INT_PTR CALLBACK ModifySampleDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

/* Asks, then removes the entry of row g_selectedIndex of that category. */
void DeleteSample(AppState *state, int category);

/* Tells an open Modify form that a list changed, so it never writes into
   an entry that moved or vanished. */
void NotifyCategoryListChanged(int style, int category);

#endif
