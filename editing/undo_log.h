/*
 * The session's edits, newest last, each with what it takes to put its
 * category back exactly as it was: an edit touches one category of one
 * style, and the tables change only through Add, Modify, Delete and drops,
 * so a step holds only what that edit overwrote. Portable, so it is tested
 * without a window.
 *
 * Steps are undone newest first; each one relies on the category being as
 * the edit left it, which holds as long as every change to the tables is
 * logged (a whole new set of lists starts a new log).
 */
#ifndef PELMORA_UNDO_LOG_H
#define PELMORA_UNDO_LOG_H

#include <vector>

#include "database/database.h"

enum EditKind {
    EDIT_APPENDED, /* entries added at the end: slot is the count before */
    EDIT_CHANGED,  /* the entry at slot was overwritten: entry is the old one */
    EDIT_REMOVED,  /* the entry at slot left the list: entry is that one */
};

struct UndoStep {
    int style;    /* 11..13 */
    int category; /* 1..9 */
    EditKind kind;
    int slot;
    SampleRecord entry;
};

struct UndoLog {
    std::vector<UndoStep> steps;
};

/* Called once the edit is made. Appending nothing, or changing an entry
   into itself, logs nothing: an undo must always be seen to do something. */
void LogAppended(UndoLog *log, const AppState &state, int style, int category, int countBefore);
void LogChanged(UndoLog *log, const AppState &state, int style, int category, int slot, const SampleRecord &before);
void LogRemoved(UndoLog *log, int style, int category, int slot, const SampleRecord &removed);

/* Puts the category of the newest step back as it was before that edit and
   forgets the step; undone receives it (to show where). false when there
   is nothing to undo, or when the category is no longer as the edit left
   it (then the log is forgotten, and nothing changes). */
bool UndoNewest(UndoLog *log, AppState *state, UndoStep *undone);

#endif
