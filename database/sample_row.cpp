/*
 * The text of one list box row. Shared by the Windows display and the
 * tests, so the row format is checked without a window.
 */
#include <cstdio>

#include "database/database.h"
#include "database/list_file.h"

namespace {

/* A field's text length as the precision of a "%.*s" conversion. */
template <std::size_t N>
int Width(const char (&field)[N])
{
    return static_cast<int>(FieldLength(field, N));
}

} // namespace

int FormatSampleRow(const SampleRecord &record, char *out, std::size_t capacity)
{
    if (out == nullptr || capacity == 0)
        return 0;
    /* With the field widths a row has at most 390 characters, so a buffer
       of ROW_TEXT_CAPACITY is never cut; a smaller one is. */
    int length = std::snprintf(out, capacity, "<n°%.*s> - [%.*s] - [%.*s] - [adresse: %.*s]", Width(record.number),
                               record.number, Width(record.nameLine1), record.nameLine1, Width(record.nameLine2),
                               record.nameLine2, Width(record.path), record.path);
    if (length < 0) {
        out[0] = '\0';
        return 0;
    }
    if (static_cast<std::size_t>(length) >= capacity)
        return static_cast<int>(capacity - 1);
    return length;
}
