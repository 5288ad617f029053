/*
 * pelmora-lists find: the entries a text names, with the window's own
 * matcher, one line each as the pane shows the row.
 */
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

int FindCommand(const Options &options, const AppSettings &settings, Console &console)
{
    int style = Given(options, "--style") ? StyleOfWord(options.style, console) : ANY_STYLE;
    int category = Given(options, "--category") ? CategoryOfWord(options.category, console) : ANY_CATEGORY;
    if (style < 0 || category < 0)
        return TOOL_ERROR;
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    const std::string &text = options.operands[0];
    std::vector<SampleHit> hits;
    FindSamples(ToolState(), MakeSampleQuery(text.c_str()), style, category, &hits);
    for (const SampleHit &hit : hits) {
        const SampleRecord &record = CategoryListOf(&ToolState(), hit.style, hit.category)->slots[hit.slot];
        char shown[ROW_TEXT_CAPACITY];
        FormatSampleRow(record, shown, sizeof shown);
        console.Say(
            Format(TOOL_FOUND_ROW, StyleName(hit.style), CATEGORY_KEYWORDS[hit.category - 1], hit.slot + 1, shown));
    }
    if (hits.empty())
        console.Say(Format(TOOL_NOTHING_FOUND, text.c_str()));
    return hits.empty() ? TOOL_FOUND : TOOL_OK;
}
