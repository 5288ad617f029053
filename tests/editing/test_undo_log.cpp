// The undo log: undone newest first, every step puts its category back
// byte for byte as it was (rows, order, every field, free slots), in any
// style; edits that change nothing are not steps; a category that is no
// longer as its edit left it is never touched.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editing/undo_log.h"

namespace {

const int BASS = 2, DRUM = 6;

struct Tables {
    std::unique_ptr<AppState> state{new AppState()};
    UndoLog log;
    CategoryList &List(int style, int category) { return *CategoryListOf(state.get(), style, category); }
    void Append(int style, int category, int count, const char *name)
    {
        const int before = List(style, category).count;
        for (int n = 0; n < count; ++n)
            AppendSample(&List(style, category), {"7", "C:\\s.pxd", "x", "bass", "4", name, "b"}, category);
        LogAppended(&log, *state, style, category, before);
    }
    void Change(int style, int category, int slot, const char *name)
    {
        const SampleRecord before = List(style, category).slots[slot];
        std::strcpy(List(style, category).slots[slot].nameLine1, name);
        LogChanged(&log, *state, style, category, slot, before);
    }
    void Remove(int style, int category, int slot)
    {
        const SampleRecord removed = List(style, category).slots[slot];
        ASSERT_EQ(RemoveSample(&List(style, category), slot), 1);
        LogRemoved(&log, style, category, slot, removed);
    }
    std::string Bytes() const
    {
        return std::string(reinterpret_cast<const char *>(state->styles), sizeof state->styles);
    }
};

} // namespace

TEST(UndoLog, EachStepPutsItsCategoryBackExactlyNewestFirst)
{
    Tables t;
    t.Append(STYLE_DANCE, BASS, 3, "d");
    t.Append(STYLE_RAVE, BASS, 2, "r");
    t.Append(STYLE_RAVE, DRUM, MAX_SAMPLES_PER_CATEGORY, "full");
    std::vector<std::string> before = {t.Bytes()};
    t.log.steps.clear();
    /* {style, category} of each edit below, as undo must name them. */
    const int places[][2] = {{STYLE_DANCE, BASS}, {STYLE_DANCE, BASS}, {STYLE_RAVE, BASS},
                             {STYLE_DANCE, BASS}, {STYLE_RAVE, DRUM},  {STYLE_HIPHOP, DRUM}};
    t.Append(STYLE_DANCE, BASS, 2, "added");
    before.push_back(t.Bytes());
    t.Change(STYLE_DANCE, BASS, 1, "changed");
    before.push_back(t.Bytes());
    t.Remove(STYLE_RAVE, BASS, 0);
    before.push_back(t.Bytes());
    t.Remove(STYLE_DANCE, BASS, 4);
    before.push_back(t.Bytes());
    t.Remove(STYLE_RAVE, DRUM, 250);
    before.push_back(t.Bytes());
    t.Append(STYLE_HIPHOP, DRUM, 1, "into an empty list");
    for (int step = 5; step >= 0; --step) {
        UndoStep undone = {};
        ASSERT_TRUE(UndoNewest(&t.log, t.state.get(), &undone)) << "step " << step;
        EXPECT_EQ(std::to_string(undone.style) + "/" + std::to_string(undone.category),
                  std::to_string(places[step][0]) + "/" + std::to_string(places[step][1]))
            << "step " << step;
        EXPECT_TRUE(t.Bytes() == before[step]) << "step " << step << " left its category otherwise";
    }
    UndoStep none;
    EXPECT_FALSE(UndoNewest(&t.log, t.state.get(), &none));
}

TEST(UndoLog, NoStepForNothingAndNoUndoOverALaterChange)
{
    Tables t;
    t.Append(STYLE_DANCE, DRUM, MAX_SAMPLES_PER_CATEGORY, "full");
    t.log.steps.clear();
    t.Append(STYLE_DANCE, DRUM, 1, "no room");
    t.Change(STYLE_DANCE, DRUM, 3, "full");
    EXPECT_TRUE(t.log.steps.empty()) << "an append without room, a change into the same";

    t.Append(STYLE_DANCE, BASS, 2, "a");
    t.Remove(STYLE_DANCE, DRUM, 3);
    t.List(STYLE_DANCE, DRUM) = CategoryList(); /* emptied behind the log's back */
    const std::string emptied = t.Bytes();
    UndoStep undone;
    EXPECT_FALSE(UndoNewest(&t.log, t.state.get(), &undone));
    EXPECT_TRUE(t.Bytes() == emptied);
    EXPECT_TRUE(t.log.steps.empty()) << "the older steps rest on the one that failed";
}
