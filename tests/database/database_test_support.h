/*
 * What the database tests share: hand-written records, the tables and the
 * notes of a reading as one line each (a failure shows them whole), the
 * messages the database reported, and a scratch folder playing Ejay's.
 */
#ifndef PELMORA_DATABASE_TEST_SUPPORT_H
#define PELMORA_DATABASE_TEST_SUPPORT_H

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/list_file.h"
#include "tests/support/test_files.h"

namespace dbtest {

using namespace testfiles;

/* One record as the writer puts it: seven quoted values, CR LF. */
inline std::string Record(const std::vector<std::string> &values)
{
    std::string text;
    for (const std::string &value : values)
        text += "\"" + value + "\"\r\n";
    return text;
}

/* Records first..last of a category, values built from their number. */
inline std::string Numbered(const std::string &keyword, int first, int last = 0)
{
    std::string text;
    for (int n = first; n <= std::max(first, last); ++n) {
        std::string i = std::to_string(n);
        text += Record({i, "C:\\Ejay\\" + keyword + i + ".pxd", "x" + i, keyword, "2", keyword + " " + i, "n" + i});
    }
    return text;
}

/* The numbers of a list's entries, "1 2 3": one comparison names them all. */
inline std::string Numbers(const CategoryList &list)
{
    std::string text;
    for (int slot = 0; slot < list.count; ++slot)
        text += (slot ? " " : "") + std::string(list.slots[slot].number);
    return text;
}

/* Every list that holds entries, "D2:1 3, H9:4" (Dance bass, Hiphop rap). */
inline std::string Tables(const StyleDatabase *styles, int count)
{
    std::string text;
    for (int style = 0; style < count; ++style)
        for (int category = 0; category < CATEGORY_COUNT; ++category) {
            const CategoryList &list = styles[style].lists[category];
            if (list.count > 0)
                text += (text.empty() ? "" : ", ") + std::string(1, "DRH"[style]) + std::to_string(category + 1) + ":" +
                        Numbers(list);
        }
    return text;
}

/* The notes of a reading, "3:too wide(2), 10:unfinished". */
inline std::string Notes(const ListReading &reading)
{
    static const char *const fates[] = {"beyond 500", "too wide", "unfinished", "after Ctrl-Z", "unknown"};
    std::string text;
    for (const ListNote &note : reading.notes)
        text += (text.empty() ? "" : ", ") + std::to_string(note.line) + ":" + fates[note.fate] +
                (note.category ? "(" + std::to_string(note.category) + ")" : "") +
                (note.fate == RECORD_UNKNOWN_KEYWORD ? "[" + note.keyword + "]" : "");
    return text;
}

/* AppState is about 6 MB: always on the heap, cleared like at start-up. */
inline std::unique_ptr<AppState> NewState(const std::string &ejayDir = "")
{
    std::unique_ptr<AppState> state(new AppState);
    std::memset(state.get(), 0, sizeof *state);
    std::snprintf(state->settings.ejayDir, sizeof state->settings.ejayDir, "%s", ejayDir.c_str());
    state->settings.currentStyle = STYLE_DANCE;
    return state;
}

class ListFolder : public ScratchFolder {
protected:
    void WriteLists(const std::string &dance, const std::string &rave = "", const std::string &hiphop = "")
    {
        WriteBytes(File("pxddance"), dance);
        WriteBytes(File("pxdrave"), rave);
        WriteBytes(File("pxdhiphp"), hiphop);
    }
    std::unique_ptr<AppState> Load(ListLoadResult expected = LISTS_LOADED)
    {
        std::unique_ptr<AppState> state = NewState(folder);
        EXPECT_EQ(LoadSampleLists(state.get(), &load), expected);
        return state;
    }
    /* Writes the lists back as closing does; changed lists as answered. */
    int Save(const AppState *state, ListSaveReport *report, ChangedListChoice answer = KEEP_THEIRS)
    {
        ListSaveProgress progress;
        return SaveSampleLists(
            state, &load, [](void *choice, const char *) { return *static_cast<ChangedListChoice *>(choice); }, &answer,
            &progress, report);
    }
    /* What the three list files hold. */
    std::string OnDisk() const
    {
        return ReadBytes(File("pxddance")) + "|" + ReadBytes(File("pxdrave")) + "|" + ReadBytes(File("pxdhiphp"));
    }
    ListsLoad load; /* of the last Load() */
};

} // namespace dbtest

#endif
