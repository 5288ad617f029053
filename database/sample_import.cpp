/*
 * Adding sample files to a category as a batch: the rules the lists tool's
 * import and files dropped on the window share, so that both pass, refuse
 * and number the same files the same way.
 */
#include <set>

#include "database/database.h"

namespace {

/* The paths of a style's entries, as Windows compares names. */
std::set<std::string> ListedPaths(const StyleDatabase &db)
{
    std::set<std::string> listed;
    for (const CategoryList &list : db.lists)
        for (int slot = 0; slot < list.count; ++slot)
            listed.insert(FoldCase(list.slots[slot].path));
    return listed;
}

ImportFate AddOne(CategoryList *list, int category, const SampleFile &file, std::set<std::string> *listed)
{
    /* A name outside the code page is already garbled in the path: it must
       not count as listed, nor be listed. */
    if (file.nameOutsideCodePage)
        return IMPORT_REFUSED;
    if (!listed->insert(FoldCase(file.path)).second)
        return IMPORT_ALREADY_LISTED;
    if (!SamplePathFits(file.path))
        return IMPORT_REFUSED;
    const SampleFields fields = {nullptr, file.path.c_str(), nullptr, nullptr, nullptr, file.name.c_str(), nullptr};
    return AppendSample(list, fields, category) ? IMPORT_ADDED : IMPORT_NO_ROOM;
}

void CountFate(ImportCounts *counts, ImportFate fate)
{
    switch (fate) {
    case IMPORT_ADDED: counts->added++; break;
    case IMPORT_ALREADY_LISTED: counts->alreadyListed++; break;
    case IMPORT_REFUSED: counts->refused++; break;
    case IMPORT_NO_ROOM: counts->noRoom++; break;
    }
}

} // namespace

bool SamplePathFits(const std::string &path)
{
    return path.size() < sizeof(SampleRecord::path) && path.find_first_of("\"\r\n") == std::string::npos;
}

ImportCounts AddSampleFiles(StyleDatabase *db, int category, const std::vector<SampleFile> &files,
                            std::vector<ImportOutcome> *outcomes)
{
    ImportCounts counts = {};
    outcomes->clear();
    std::set<std::string> listed = ListedPaths(*db);
    CategoryList *list = category >= 1 && category <= CATEGORY_COUNT ? &db->lists[category - 1] : nullptr;
    for (const SampleFile &file : files) {
        ImportFate fate = AddOne(list, category, file, &listed);
        outcomes->push_back({fate, fate == IMPORT_ADDED ? list->count : 0});
        CountFate(&counts, fate);
    }
    return counts;
}
