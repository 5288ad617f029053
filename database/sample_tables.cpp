/*
 * The fixed sample tables: 27 dense category lists of 500 slots. Every
 * operation keeps slots 0..count-1 used and the others entirely zero, since
 * a list box row number is taken as a slot number.
 */
#include <cstring>

#include "database/database.h"
#include "database/list_file.h"

const char *const CATEGORY_KEYWORDS[CATEGORY_COUNT] = {
    "loop", "bass", "synthy", "voice", "effect", "drum", "sequence", "special", "rap",
};

const char *const SAMPLE_LIST_FILE_NAMES[STYLE_COUNT] = {
    "pxddance",
    "pxdrave",
    "pxdhiphp",
};

CategoryList g_scratchList;

namespace {

bool IsStyle(int style) { return style >= STYLE_DANCE && style < STYLE_DANCE + STYLE_COUNT; }

bool IsCategory(int category) { return category >= 1 && category <= CATEGORY_COUNT; }

/* Copies at most the field's width less its terminator; the rest of a
   longer value is cut off. */
template <std::size_t N>
void CopyField(char (&field)[N], const char *value)
{
    std::memset(field, 0, N);
    if (value == nullptr)
        return;
    std::size_t length = 0;
    while (length < N - 1 && value[length] != '\0')
        length += 1;
    std::memcpy(field, value, length);
}

void FillSampleRecord(SampleRecord *record, const SampleFields &fields, int category)
{
    std::memset(record, 0, sizeof *record);
    CopyField(record->number, fields.number);
    CopyField(record->path, fields.path);
    CopyField(record->extraText, fields.extraText);
    CopyField(record->keyword, fields.keyword);
    CopyField(record->duration, fields.duration);
    CopyField(record->nameLine1, fields.nameLine1);
    CopyField(record->nameLine2, fields.nameLine2);
    record->categoryNumber = static_cast<std::uint32_t>(category);
    record->used = 1;
}

bool IsFull(const CategoryList *list) { return list->count < 0 || list->count >= MAX_SAMPLES_PER_CATEGORY; }

/* Moves the used entries of a list towards its start, in order, and clears
   the slots behind them. */
void CompactInPlace(CategoryList *list)
{
    int kept = 0;
    for (int slot = 0; slot < MAX_SAMPLES_PER_CATEGORY; ++slot) {
        if (list->slots[slot].used != 1)
            continue;
        if (slot != kept)
            list->slots[kept] = list->slots[slot];
        kept += 1;
    }
    std::memset(&list->slots[kept], 0, sizeof(SampleRecord) * (MAX_SAMPLES_PER_CATEGORY - kept));
    list->count = kept;
}

} // namespace

CategoryList *CategoryListOf(AppState *state, int style, int category)
{
    if (state == nullptr || !IsStyle(style) || !IsCategory(category))
        return nullptr;
    return &state->styles[style - STYLE_DANCE].lists[category - 1];
}

const CategoryList *CategoryListOf(const AppState *state, int style, int category)
{
    return CategoryListOf(const_cast<AppState *>(state), style, category);
}

int CategoryOfKeyword(const char *text)
{
    if (text == nullptr)
        return 0;
    for (int index = 0; index < CATEGORY_COUNT; ++index) {
        if (std::strcmp(text, CATEGORY_KEYWORDS[index]) == 0)
            return index + 1;
    }
    return 0;
}

int AppendSample(CategoryList *list, const SampleFields &fields, int category)
{
    if (list == nullptr || IsFull(list) || !IsCategory(category))
        return 0;
    FillSampleRecord(&list->slots[list->count], fields, category);
    list->count += 1;
    return 1;
}

int CompactCategoryList(const CategoryList *source, CategoryList *target)
{
    if (source == nullptr || target == nullptr)
        return 0;
    if (source == target) {
        CompactInPlace(target);
        return 1;
    }
    std::memset(target, 0, sizeof *target);
    /* Only the used flags decide; the source's count may be stale. */
    for (int slot = 0; slot < MAX_SAMPLES_PER_CATEGORY; ++slot) {
        if (source->slots[slot].used != 1)
            continue;
        target->slots[target->count] = source->slots[slot];
        target->count += 1;
    }
    return 1;
}

int RemoveSample(CategoryList *list, int slot)
{
    if (list == nullptr || slot < 0 || slot >= list->count || slot >= MAX_SAMPLES_PER_CATEGORY)
        return 0;
    list->slots[slot].used = 0;
    CompactCategoryList(list, &g_scratchList);
    CompactCategoryList(&g_scratchList, list);
    return 1;
}
