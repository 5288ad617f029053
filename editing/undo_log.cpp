#include "editing/undo_log.h"

#include <cstring>

namespace {

bool SameEntry(const SampleRecord &a, const SampleRecord &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

/* The entries from countBefore on go; their slots are cleared, as a list
   that never held them has them. */
bool TakeBackAppended(CategoryList *list, int countBefore)
{
    if (countBefore < 0 || countBefore >= list->count)
        return false;
    std::memset(&list->slots[countBefore], 0, sizeof(SampleRecord) * (list->count - countBefore));
    list->count = countBefore;
    return true;
}

bool TakeBackChange(CategoryList *list, int slot, const SampleRecord &before)
{
    if (slot < 0 || slot >= list->count)
        return false;
    list->slots[slot] = before;
    return true;
}

/* The entries from slot on move down one, and the removed one is back. */
bool PutBackRemoved(CategoryList *list, int slot, const SampleRecord &removed)
{
    if (slot < 0 || slot > list->count || list->count >= MAX_SAMPLES_PER_CATEGORY)
        return false;
    std::memmove(&list->slots[slot + 1], &list->slots[slot], sizeof(SampleRecord) * (list->count - slot));
    list->slots[slot] = removed;
    list->count++;
    return true;
}

bool TakeBack(CategoryList *list, const UndoStep &step)
{
    switch (step.kind) {
    case EDIT_APPENDED: return TakeBackAppended(list, step.slot);
    case EDIT_CHANGED: return TakeBackChange(list, step.slot, step.entry);
    case EDIT_REMOVED: return PutBackRemoved(list, step.slot, step.entry);
    }
    return false;
}

} // namespace

void LogAppended(UndoLog *log, const AppState &state, int style, int category, int countBefore)
{
    const CategoryList *list = CategoryListOf(&state, style, category);
    if (list != nullptr && list->count > countBefore)
        log->steps.push_back({style, category, EDIT_APPENDED, countBefore, {}});
}

void LogChanged(UndoLog *log, const AppState &state, int style, int category, int slot, const SampleRecord &before)
{
    const CategoryList *list = CategoryListOf(&state, style, category);
    if (list != nullptr && slot >= 0 && slot < list->count && !SameEntry(list->slots[slot], before))
        log->steps.push_back({style, category, EDIT_CHANGED, slot, before});
}

void LogRemoved(UndoLog *log, int style, int category, int slot, const SampleRecord &removed)
{
    log->steps.push_back({style, category, EDIT_REMOVED, slot, removed});
}

bool UndoNewest(UndoLog *log, AppState *state, UndoStep *undone)
{
    if (log->steps.empty())
        return false;
    *undone = log->steps.back();
    log->steps.pop_back();
    CategoryList *list = CategoryListOf(state, undone->style, undone->category);
    if (list == nullptr || !TakeBack(list, *undone)) {
        log->steps.clear();
        return false;
    }
    return true;
}
