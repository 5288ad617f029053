/* The fixed tables: locating a list, appending, removing, and the text of
   one list box row. */
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "database/database.h"
#include "database_test_support.h"

using namespace dbtest;

namespace {

/* Entries 1..count but the one numbered skipped, each field told by its number. */
std::unique_ptr<CategoryList> ListOf(int count, int skipped = 0)
{
    std::unique_ptr<CategoryList> list(new CategoryList());
    for (int n = 1; n <= count; ++n) {
        std::string number = std::to_string(n), path = "C:\\s" + number + ".pxd", extra = "e" + number;
        if (n != skipped)
            AppendSample(list.get(), {number.c_str(), path.c_str(), extra.c_str(), "bass", "3", "one", "two"}, 2);
    }
    return list;
}

bool Same(const CategoryList &a, const CategoryList &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

TEST(SampleTables, CategoryListOfFindsTheListOrNone)
{
    std::unique_ptr<AppState> state = NewState();
    struct Row {
        int id, style, category, styleIndex, listIndex; /* -1: no list */
    } rows[] = {{1, 11, 1, 0, 0},   {2, 12, 2, 1, 1},   {3, 13, 9, 2, 8},   {4, 10, 1, -1, -1},
                {5, 14, 1, -1, -1}, {6, 11, 0, -1, -1}, {7, 11, 10, -1, -1}};
    for (const Row &row : rows)
        EXPECT_EQ(CategoryListOf(state.get(), row.style, row.category),
                  row.styleIndex < 0 ? nullptr : &state->styles[row.styleIndex].lists[row.listIndex])
            << "row " << row.id;
    EXPECT_EQ(CategoryListOf(static_cast<AppState *>(nullptr), 11, 1), nullptr);
}

TEST(SampleTables, AppendStoresAtSlotCountCutToTheFieldsAndStopsAt500)
{
    std::unique_ptr<CategoryList> list = ListOf(1);
    std::string longName(80, 'n'), longPath(300, 'p');
    EXPECT_EQ(AppendSample(
                  list.get(),
                  {nullptr, longPath.c_str(), nullptr, "sequencesequence", "98765432109", longName.c_str(), "aigu"}, 7),
              1);
    ASSERT_EQ(list->count, 2);
    const SampleRecord &r = list->slots[1]; /* used, category 7, the fields cut */
    EXPECT_EQ(std::to_string(r.used) + std::to_string(r.categoryNumber) + "|" + r.number + "|" + r.path + "|" +
                  r.extraText + "|" + r.keyword + "|" + r.duration + "|" + r.nameLine1 + "|" + r.nameLine2,
              "17||" + std::string(255, 'p') + "||sequenceseq|987654321|" + std::string(49, 'n') + "|aigu");
    const SampleRecord zero = {};
    EXPECT_EQ(std::memcmp(&list->slots[2], &zero, sizeof zero), 0); /* nothing spilled into the next slot */

    list = ListOf(MAX_SAMPLES_PER_CATEGORY);
    EXPECT_STREQ(list->slots[499].number, "500");
    std::unique_ptr<CategoryList> before(new CategoryList(*list));
    EXPECT_EQ(AppendSample(list.get(), {"501", "C:\\s501.pxd", "", "bass", "1", "a", "b"}, 2), 0);
    EXPECT_TRUE(Same(*before, *list));

    list = ListOf(0);
    EXPECT_EQ(AppendSample(nullptr, {}, 1), 0);
    EXPECT_EQ(AppendSample(list.get(), {}, 0) + AppendSample(list.get(), {}, 10), 0);
    EXPECT_EQ(list->count, 0);
}

/* The entries behind move up with all their fields; the freed slot is zero. */
TEST(SampleTables, RemovingMovesTheEntriesBehindUpWithAllTheirFields)
{
    struct Row {
        int id, removed, numberGone; /* 0: none */
    } rows[] = {{1, 0, 1}, {2, 1, 2}, {3, 2, 3}, {4, -1, 0}, {5, 3, 0}};
    for (const Row &row : rows) {
        std::unique_ptr<CategoryList> list = ListOf(3);
        EXPECT_EQ(RemoveSample(list.get(), row.removed), row.numberGone != 0) << "row " << row.id;
        EXPECT_TRUE(Same(*list, *ListOf(3, row.numberGone))) << "row " << row.id;
    }
    EXPECT_EQ(RemoveSample(nullptr, 0), 0);
}

/* With every field full the row fits the display's buffer whole; a smaller
   buffer cuts it, terminated. The row's text itself is the lists tool's
   find output. */
TEST(SampleRow, TheWidestRowFitsAndASmallBufferCutsIt)
{
    std::unique_ptr<CategoryList> list(new CategoryList());
    const std::string number(9, '9'), name1(49, 'a'), name2(49, 'b'), path(255, 'p');
    AppendSample(list.get(), {number.c_str(), path.c_str(), "", "loop", "1", name1.c_str(), name2.c_str()}, 1);
    const std::string whole = "<n\xB0" + number + "> - [" + name1 + "] - [" + name2 + "] - [adresse: " + path + "]";
    const struct {
        std::size_t capacity;
        std::string row;
    } rows[] = {{ROW_TEXT_CAPACITY, whole}, {9, whole.substr(0, 8)}};
    for (const auto &row : rows) {
        std::string text(ROW_TEXT_CAPACITY, 'z');
        int length = FormatSampleRow(list->slots[0], &text[0], row.capacity);
        EXPECT_EQ(std::string(text.c_str()) + "|" + std::to_string(length),
                  row.row + "|" + std::to_string(row.row.size()));
    }
    EXPECT_EQ(FormatSampleRow(SampleRecord(), nullptr, 10), 0);
}
