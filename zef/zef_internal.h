/*
 * Internal to ZEF: the text helpers, the searches and the member store
 * shared by the exported functions, and the parser. Nothing here is
 * exported from the library; its tests call the parser directly.
 */
#ifndef ZEF_INTERNAL_H
#define ZEF_INTERNAL_H

#include <cstddef>

#include "zef/zef.h"

struct TextLines;

/* Parses the lines into the record: cleared first, then filled and marked
   opened. fileName, directory and fileSize stay 0. A read that fails
   part-way ends the lines early: the caller asks the reader. */
void zef_parse_lines(TextLines *lines, ZEFINFO *info);
/* The same over text held in memory (the bytes of a file), read through the
   smallest buffer the dialect allows, so that long lines cross it. */
void zef_parse_text(const char *text, std::size_t length, ZEFINFO *info);

/* Used since the last clear: in use, or freed by a delete, which leaves the
   name it deleted. Such slots come first (see zef.h): the first slot that
   is neither ends them, and no slot after it is ever read or cleared. */
int zef_class_touched(const ZEFCLASS *cls);
int zef_member_touched(const ZEFCLASS *cls, int slot);
/* Clears what was used since the last clear, slots freed by the deletes
   included; the rest of the record is zero already. */
void zef_clear_record(ZEFINFO *info);
void zef_clear_class(ZEFCLASS *cls);

/* Text rules. An argument is usable when it is not null and fits a field
   (at most ZEF_TEXT_MAX characters); a name must also not be empty. */
int zef_text_fits(const char *text);
int zef_is_name(const char *text);
/* Clears the field, then copies at most ZEF_TEXT_MAX characters of text:
   longer text is cut, the field always ends in a NUL. */
void zef_store_text(char field[ZEF_TEXT_SIZE], const char *text, std::size_t length);
/* Equal after mapping both sides through ZEF_getMAJ, lengths included. */
int zef_names_match(const char *wanted, const char *stored);

/* Puts a member and its init into a free slot of cls: both texts stored
   (cut to a field), both marks set, the class's and the document's counts
   raised. The one way a member enters a document. */
void zef_store_member(ZEFINFO *info, ZEFCLASS *cls, int slot, const char *name, std::size_t nameLength,
                      const char *value, std::size_t valueLength);

/* Searches in slot order over slots in use only. The member search covers
   the whole document; with needInit it passes over entries whose init slot
   is free. Both give nullptr when nothing matches. */
ZEFCLASS *zef_find_class(ZEFINFO *info, const char *name);
ZEFCLASS *zef_find_member(ZEFINFO *info, const char *name, int needInit, int *slot);

#endif /* ZEF_INTERNAL_H */
