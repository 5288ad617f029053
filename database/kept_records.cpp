/*
 * What a reading could not hold in the 500-slot tables, kept as the bytes
 * it had in the file: records of a full category, records with a value
 * wider than its field, and the end of a file from an unfinished record or
 * a Ctrl-Z on. It travels with the load's report (AppState is cleared with
 * memset and must stay plain data) and the writer puts it back unchanged.
 */
#include <string>

#include "database/database.h"
#include "database/list_file.h"

namespace {

bool IsCategory(int category) { return category >= 1 && category <= CATEGORY_COUNT; }

/* The records the user would count in kept text: its lines holding
   something, seven to a record, a last part a record of its own. */
int RecordsIn(const char *bytes, std::size_t size)
{
    int lines = 0;
    bool holds = false;
    for (std::size_t i = 0; i < size; i++) {
        if (bytes[i] == '\n') {
            lines += holds ? 1 : 0;
            holds = false;
        } else if (!IsBlankByte(bytes[i])) {
            holds = true;
        }
    }
    lines += holds ? 1 : 0;
    return (lines + RECORD_LINE_COUNT - 1) / RECORD_LINE_COUNT;
}

} // namespace

bool HoldsText(const char *bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size; i++) {
        if (!IsBlankByte(bytes[i]))
            return true;
    }
    return false;
}

void CarryRecord(KeptRecords *kept, int category, const char *bytes, std::size_t size)
{
    if (!IsCategory(category))
        return;
    std::string &text = kept->byCategory[category - 1];
    text.append(bytes, size);
    /* The last record of a file may have no line end: the next record
       written after it must still start a line. */
    if (size > 0 && bytes[size - 1] != '\n')
        text.append("\r\n");
    kept->recordCount += 1;
}

void CarryEnd(KeptRecords *kept, const char *bytes, std::size_t size)
{
    kept->end.assign(bytes, size);
    kept->recordCount += RecordsIn(bytes, size);
}
