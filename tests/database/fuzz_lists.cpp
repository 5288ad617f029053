/*
 * Arbitrary bytes as a sample list: read, written back, read again.
 * Nothing may overrun; the second reading must give the same tables, keep
 * the same records aside and write the same bytes again.
 */
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "database/database.h"

namespace {

StyleDatabase s_first;
StyleDatabase s_second;

/* One reading as the program does it; false at an unknown category. */
bool Read(const std::string &bytes, StyleDatabase *db, std::string *written, int *carried)
{
    std::memset(db, 0, sizeof *db);
    ListReading reading;
    if (!ReadStyleList(bytes.data(), bytes.size(), db, &reading))
        return false;
    *carried = reading.kept.recordCount;
    written->clear();
    FormatStyleList(*db, reading.kept, written);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string first, second, third;
    int carried = 0, carriedAgain = 0;
    if (!Read(std::string(reinterpret_cast<const char *>(data), size), &s_first, &first, &carried))
        return 0; /* an unknown keyword: the program stops before any save */
    if (!Read(first, &s_second, &second, &carriedAgain))
        std::abort();
    if (std::memcmp(&s_first, &s_second, sizeof s_first) != 0 || carried != carriedAgain || first != second)
        std::abort();
    return 0;
}
