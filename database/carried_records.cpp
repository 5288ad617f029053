/*
 * What a load could not hold in the 500-slot tables, kept as the bytes it
 * had in the file: records of a full category, records with a value wider
 * than its field, and the end of a file from an unfinished record or a
 * Ctrl-Z on. Kept here, outside AppState (which is cleared with memset and
 * must stay plain data), and written back unchanged by the next save, so
 * saving never erases what the user never saw.
 */
#include <string>

#include "database/database.h"
#include "database/list_file.h"

namespace {

struct CarriedStyle {
    std::string byCategory[CATEGORY_COUNT]; /* whole records, as read */
    std::string end;                        /* the end of the file, as read */
    int recordCount = 0;
};

CarriedStyle s_carried[STYLE_COUNT];

CarriedStyle *CarriedOf(int style)
{
    if (style < STYLE_DANCE || style >= STYLE_DANCE + STYLE_COUNT)
        return nullptr;
    return &s_carried[style - STYLE_DANCE];
}

bool IsCategory(int category) { return category >= 1 && category <= CATEGORY_COUNT; }

} // namespace

bool HoldsText(const char *bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size; i++) {
        char c = bytes[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != 26)
            return true;
    }
    return false;
}

void ForgetCarriedRecords()
{
    for (CarriedStyle &carried : s_carried)
        carried = CarriedStyle();
}

void CarryRecord(int style, int category, const char *bytes, std::size_t size)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried == nullptr || !IsCategory(category))
        return;
    std::string &kept = carried->byCategory[category - 1];
    kept.append(bytes, size);
    /* The last record of a file may have no line end: the next record
       written after it must still start a line. */
    if (size > 0 && bytes[size - 1] != '\n')
        kept.append("\r\n");
    carried->recordCount += 1;
}

void CarryEnd(int style, const char *bytes, std::size_t size)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried == nullptr)
        return;
    carried->end.assign(bytes, size);
    if (HoldsText(bytes, size))
        carried->recordCount += 1;
}

int CarriedRecordCount(int style)
{
    CarriedStyle *carried = CarriedOf(style);
    return carried == nullptr ? 0 : carried->recordCount;
}

void AppendCarriedRecords(std::string *text, int style, int category)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried != nullptr && IsCategory(category))
        text->append(carried->byCategory[category - 1]);
}

void AppendCarriedEnd(std::string *text, int style)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried != nullptr)
        text->append(carried->end);
}
