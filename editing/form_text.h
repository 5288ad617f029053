/*
 * The rules the Add and Modify forms apply to what the user typed before it
 * reaches the tables. Portable, so they are tested without a window.
 *
 * Ejay's list format has no way to hold a double quote (the reader drops
 * every one), so the forms drop them when confirmed: what the pane shows is
 * then what the list file will hold.
 */
#ifndef PELMORA_FORM_TEXT_H
#define PELMORA_FORM_TEXT_H

#include <cstddef>

#include "database/database.h"

/* The four texts of a form, each as wide as its field of SampleRecord, so a
   text read into it can never be longer than the field takes. */
struct FormTexts {
    char nameLine1[sizeof(SampleRecord::nameLine1)];
    char nameLine2[sizeof(SampleRecord::nameLine2)];
    char duration[sizeof(SampleRecord::duration)];
    char path[sizeof(SampleRecord::path)];
};

/* The most characters a form's text box takes: its field less the
   terminator, so what the box shows is what is stored. */
const int NAME_LINE_LIMIT = sizeof(SampleRecord::nameLine1) - 1;
const int DURATION_LIMIT = sizeof(SampleRecord::duration) - 1;
const int PATH_LIMIT = sizeof(SampleRecord::path) - 1;

/* Told when an addition finds its list full (the style shown was switched,
   while the form was open, to one whose list holds 500 entries). */
extern const char CATEGORY_FULL_MESSAGE[];

/* Removes every double quote from the four texts. */
void CleanFormTexts(FormTexts *texts);

/* The fields of a new entry added by the user: the four texts; number,
   extra text and keyword empty. The result points into texts. */
SampleFields AddedSampleFields(const FormTexts &texts);

/* Writes the four texts into the entry (every one, changed or not); the
   other fields stay as they are. 0 when record is null. */
int StoreFormTexts(SampleRecord *record, const FormTexts &texts);

/* 1 when slot index of list holds an entry a form may read or change:
   list given, 0 <= index < count and the slot marked used. */
int IsEditableSlot(const CategoryList *list, int index);

/* The yes/no question asked before deleting record, into out. Returns 1
   when it fitted whole; 0 when out is null or too small (the text is then
   cut, and still terminated when capacity > 0). 256 characters always fit:
   the name lines hold at most 49 characters each. */
int FormatDeleteQuestion(const SampleRecord &record, char *out, std::size_t capacity);

#endif
