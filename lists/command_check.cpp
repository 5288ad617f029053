/*
 * pelmora-lists check: everything in the three lists that Pelmora would
 * refuse, keep aside or fail to play, by style, category and row (or by
 * line where the entry never reached the tables), then a summary. It
 * reads and never writes.
 */
#include <map>

#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

struct CheckCounts {
    int entries = 0, missing = 0, twice = 0, beyond = 0, tooWide = 0, ends = 0, unknown = 0;
};

void ReportNotes(int style, const ListReading &reading, CheckCounts *counts, Console &console)
{
    const char *name = StyleName(style);
    for (const ListNote &note : reading.notes) {
        const char *keyword = note.category > 0 ? CATEGORY_KEYWORDS[note.category - 1] : "";
        switch (note.fate) {
        case RECORD_BEYOND_CAPACITY:
            counts->beyond++;
            console.Say(Format(TOOL_BEYOND_500, name, note.line, keyword));
            break;
        case RECORD_TOO_WIDE:
            counts->tooWide++;
            console.Say(Format(TOOL_TOO_WIDE, name, note.line, keyword));
            break;
        case RECORD_UNFINISHED:
        case RECORD_AFTER_END_MARK:
            counts->ends++;
            console.Say(
                Format(note.fate == RECORD_UNFINISHED ? TOOL_UNFINISHED : TOOL_AFTER_END_MARK, name, note.line));
            break;
        case RECORD_UNKNOWN_KEYWORD:
            counts->unknown++;
            console.Say(Format(TOOL_UNKNOWN_KEYWORD, name, note.line, note.keyword.c_str()));
            break;
        }
    }
}

} // namespace

int CheckCommand(const AppSettings &settings, Console &console)
{
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    CheckCounts counts;
    for (int index = 0; index < STYLE_COUNT; ++index)
        ReportNotes(STYLE_DANCE + index, readings[index], &counts, console);
    std::map<std::string, std::pair<int, int>> firstSeen[STYLE_COUNT]; /* a style's paths: category, row */
    ForEachEntry([&](int style, int category, int row, const SampleRecord &record) {
        const char *name = StyleName(style), *keyword = CATEGORY_KEYWORDS[category - 1];
        counts.entries++;
        if (!FileCanBeRead(record.path)) {
            counts.missing++;
            console.Say(Format(TOOL_SAMPLE_MISSING, name, keyword, row, record.number, record.path));
        }
        auto seen = firstSeen[style - STYLE_DANCE].emplace(FoldCase(record.path), std::make_pair(category, row));
        if (!seen.second) {
            counts.twice++;
            console.Say(Format(TOOL_SAMPLE_TWICE, name, keyword, row, record.number, record.path,
                               CATEGORY_KEYWORDS[seen.first->second.first - 1], seen.first->second.second));
        }
    });
    console.Say(Format(TOOL_CHECK_SUMMARY, counts.entries, counts.missing, counts.twice, counts.beyond, counts.tooWide,
                       counts.ends, counts.unknown));
    int problems = counts.missing + counts.twice + counts.beyond + counts.tooWide + counts.ends + counts.unknown;
    return problems > 0 ? TOOL_FOUND : TOOL_OK;
}
