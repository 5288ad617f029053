/*
 * Internal to ZEF: the text helpers, the searches shared by the exported
 * functions, the parse routine and the platform's file replacement.
 * Nothing here is exported from the library.
 */
#ifndef ZEF_INTERNAL_H
#define ZEF_INTERNAL_H

#include <cstddef>

#include "zef.h"

/* The reader keeps at most this many characters of a header or member line;
   the rest of a longer line is skipped. */
#define ZEF_LINE_SIZE 256

/* Raw bytes for the parser: next() gives the next byte (0 to 255), or -1 at
   the end of the input or on a read error. */
typedef struct ZefByteSource {
    int (*next)(void *context);
    void *context;
} ZefByteSource;

/* Parses the whole input into a cleared record and marks it opened. */
void zef_parse(ZefByteSource *source, ZEFINFO *info);

/* Text rules. An argument is usable when it is not null and fits a field
   (at most ZEF_TEXT_MAX characters); a name must also not be empty. */
int zef_text_fits(const char *text);
int zef_is_name(const char *text);
/* Clears the field, then copies at most ZEF_TEXT_MAX characters of text:
   longer text is cut, the field always ends in a NUL. */
void zef_store_text(char field[ZEF_TEXT_SIZE], const char *text, size_t length);
/* Equal after mapping both sides through ZEF_getMAJ, lengths included. */
int zef_names_match(const char *wanted, const char *stored);

/* Searches in slot order over slots in use only. The member search covers
   the whole document; with needInit it passes over entries whose init slot
   is free. Both give NULL / 0 when nothing matches. */
ZEFCLASS *zef_find_class(ZEFINFO *info, const char *name);
ZEFCLASS *zef_find_member(ZEFINFO *info, const char *name, int needInit, int *slot);

/* Replaces `to` by `from` in one step; 1 on success, 0 on failure (then
   `to` is as it was). */
int zef_replace_file(const char *from, const char *to);

#endif /* ZEF_INTERNAL_H */
