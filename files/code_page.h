/*
 * Inside the file layer: the lists' code page (Windows-1252) and UTF-8,
 * into fixed buffers, for the paths the native build hands to the system.
 */
#ifndef PELMORA_FILES_CODE_PAGE_H
#define PELMORA_FILES_CODE_PAGE_H

#include <cstddef>

/* false when out is too small (out then holds a terminated part). */
bool Cp1252ToUtf8(const char *text, char *out, std::size_t capacity);
/* false when out is too small or a character has no place in the code
   page; out then holds the text with "?" for each such character. */
bool Utf8ToCp1252(const char *text, char *out, std::size_t capacity);

#endif
