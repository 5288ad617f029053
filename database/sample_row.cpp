/*
 * The text of one list box row. Shared by the Windows display and the
 * tests, so the row format is checked without a window.
 */
#include <cstdio>

#include "database/database.h"
#include "database/list_file.h"

int FormatSampleRow(const SampleRecord &record, char *out, std::size_t capacity)
{
    if (out == nullptr || capacity == 0)
        return 0;
    /* With the field widths a row has at most 390 characters, so a buffer
       of ROW_TEXT_CAPACITY is never cut; a smaller one is. */
    int length = std::snprintf(out, capacity, "<n°%.*s> - [%.*s] - [%.*s] - [adresse: %.*s]",
                               FIELD_TEXT(record.number), FIELD_TEXT(record.nameLine1),
                               FIELD_TEXT(record.nameLine2), FIELD_TEXT(record.path));
    if (length < 0) {
        out[0] = '\0';
        return 0;
    }
    if (static_cast<std::size_t>(length) >= capacity)
        return static_cast<int>(capacity - 1);
    return length;
}
