/*
 * Records a load could not hold in the 500-slot tables: those beyond a full
 * category, and an unfinished record at the end of a file. They are kept
 * here, outside AppState (which is cleared with memset and must stay plain
 * data), as the text the writer will put back, so saving never erases
 * entries that the user never saw.
 */
#include <string>

#include "database/database.h"
#include "database/list_file.h"

namespace {

struct CarriedStyle {
    std::string byCategory[CATEGORY_COUNT]; /* writer's format, CR LF */
    std::string unfinishedLines;            /* lines as read, CR LF */
    int recordCount = 0;
};

CarriedStyle s_carried[STYLE_COUNT];

CarriedStyle *CarriedOf(int style)
{
    if (style < STYLE_DANCE || style >= STYLE_DANCE + STYLE_COUNT)
        return nullptr;
    return &s_carried[style - STYLE_DANCE];
}

int WriteText(std::FILE *stream, const std::string &text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

} // namespace

void ForgetCarriedRecords(void)
{
    for (CarriedStyle &carried : s_carried)
        carried = CarriedStyle();
}

void CarryRecord(int style, int category, const SampleRecord &record)
{
    CarriedStyle *carried = CarriedOf(style);
    char text[RECORD_TEXT_CAPACITY];
    if (carried == nullptr || category < 1 || category > CATEGORY_COUNT)
        return;
    std::size_t length = FormatListRecord(record, category, text, sizeof text);
    carried->byCategory[category - 1].append(text, length);
    carried->recordCount += 1;
}

void CarryUnfinishedLines(int style, const char lines[][READER_LINE_CAPACITY], int lineCount)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried == nullptr || lineCount <= 0)
        return;
    for (int index = 0; index < lineCount; ++index) {
        carried->unfinishedLines.append(lines[index]);
        carried->unfinishedLines.append("\r\n");
    }
    carried->recordCount += 1;
}

int CarriedRecordCount(int style)
{
    CarriedStyle *carried = CarriedOf(style);
    return carried == nullptr ? 0 : carried->recordCount;
}

int WriteCarriedRecords(std::FILE *stream, int style, int category)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried == nullptr || category < 1 || category > CATEGORY_COUNT)
        return 1;
    return WriteText(stream, carried->byCategory[category - 1]);
}

int WriteCarriedLines(std::FILE *stream, int style)
{
    CarriedStyle *carried = CarriedOf(style);
    if (carried == nullptr)
        return 1;
    return WriteText(stream, carried->unfinishedLines);
}
