/* The fixed tables: locating a list, appending, compacting, removing. */
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "database/database.h"
#include "database_test_support.h"

namespace {

std::unique_ptr<CategoryList> EmptyList()
{
    std::unique_ptr<CategoryList> list(new CategoryList);
    std::memset(list.get(), 0, sizeof *list);
    return list;
}

void AppendNumbered(CategoryList *list, int n, int category = 2)
{
    std::string number = std::to_string(n);
    std::string path = "C:\\s" + number + ".pxd";
    std::string extra = "e" + number;
    SampleFields fields = {number.c_str(), path.c_str(), extra.c_str(), "bass", "3", "one", "two"};
    AppendSample(list, fields, category);
}

bool SlotIsZero(const SampleRecord &record)
{
    static const SampleRecord zero = {};
    return std::memcmp(&record, &zero, sizeof record) == 0;
}

bool SlotsFromAreZero(const CategoryList &list, int first)
{
    for (int slot = first; slot < MAX_SAMPLES_PER_CATEGORY; ++slot) {
        if (!SlotIsZero(list.slots[slot]))
            return false;
    }
    return true;
}

} // namespace

TEST(SampleTables, FreshStateHasEmptyListsEverywhere)
{
    std::unique_ptr<AppState> state = NewState();
    for (int style = STYLE_DANCE; style <= STYLE_HIPHOP; ++style) {
        for (int category = 1; category <= CATEGORY_COUNT; ++category) {
            const CategoryList *list = CategoryListOf(state.get(), style, category);
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->count, 0);
            EXPECT_TRUE(SlotsFromAreZero(*list, 0));
        }
    }
}

TEST(SampleTables, CategoryListOfFindsTheListOrNone)
{
    std::unique_ptr<AppState> state = NewState();
    struct Row {
        int id, style, category, styleIndex, listIndex; /* -1: no list */
    } rows[] = {
        {1, 11, 1, 0, 0}, {2, 12, 2, 1, 1}, {3, 13, 9, 2, 8}, {4, 10, 1, -1, -1},
        {5, 14, 1, -1, -1}, {6, 11, 0, -1, -1}, {7, 11, 10, -1, -1}, {8, 0, 0, -1, -1},
    };
    for (const Row &row : rows) {
        CategoryList *list = CategoryListOf(state.get(), row.style, row.category);
        if (row.styleIndex < 0)
            EXPECT_EQ(list, nullptr) << "row " << row.id;
        else
            EXPECT_EQ(list, &state->styles[row.styleIndex].lists[row.listIndex]) << "row " << row.id;
    }
    EXPECT_EQ(CategoryListOf(static_cast<AppState *>(nullptr), 11, 1), nullptr);
}

TEST(SampleTables, AppendStoresAtSlotCount)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    AppendNumbered(list.get(), 1);
    SampleFields added = {nullptr, "C:\\Ejay\\Mes sons\\cri.pxd", nullptr, nullptr, "4", "Cri", "aigu"};
    EXPECT_EQ(AppendSample(list.get(), added, 2), 1);
    ASSERT_EQ(list->count, 2);
    const SampleRecord &record = list->slots[1];
    EXPECT_EQ(record.used, 1u);
    EXPECT_EQ(record.categoryNumber, 2u);
    EXPECT_STREQ(record.number, "");
    EXPECT_STREQ(record.path, "C:\\Ejay\\Mes sons\\cri.pxd");
    EXPECT_STREQ(record.extraText, "");
    EXPECT_STREQ(record.keyword, "");
    EXPECT_STREQ(record.duration, "4");
    EXPECT_STREQ(record.nameLine1, "Cri");
    EXPECT_STREQ(record.nameLine2, "aigu");
    EXPECT_TRUE(SlotsFromAreZero(*list, 2));
}

TEST(SampleTables, AppendCutsValuesToTheirFieldWidth)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    std::string longName(80, 'n');
    std::string longPath(300, 'p');
    SampleFields fields = {"12345678901234", longPath.c_str(), longName.c_str(), "sequencesequence", "98765432109",
                           longName.c_str(), longName.c_str()};
    ASSERT_EQ(AppendSample(list.get(), fields, 7), 1);
    const SampleRecord &record = list->slots[0];
    EXPECT_STREQ(record.number, "123456789");
    EXPECT_EQ(std::string(record.path), std::string(255, 'p'));
    EXPECT_EQ(std::string(record.extraText), std::string(49, 'n'));
    EXPECT_STREQ(record.keyword, "sequenceseq");
    EXPECT_STREQ(record.duration, "987654321");
    EXPECT_EQ(std::string(record.nameLine2), std::string(49, 'n'));
    EXPECT_TRUE(SlotIsZero(list->slots[1])); /* nothing spilled into the next slot */
}

TEST(SampleTables, FiveHundredFitAndTheFiveHundredAndFirstIsRefused)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    for (int n = 1; n <= MAX_SAMPLES_PER_CATEGORY; ++n)
        AppendNumbered(list.get(), n);
    ASSERT_EQ(list->count, 500);
    EXPECT_STREQ(list->slots[499].number, "500");
    std::unique_ptr<CategoryList> before(new CategoryList(*list));
    SampleFields fields = {"501", "C:\\s501.pxd", "", "bass", "1", "a", "b"};
    EXPECT_EQ(AppendSample(list.get(), fields, 2), 0);
    EXPECT_EQ(std::memcmp(before.get(), list.get(), sizeof *list), 0);
}

TEST(SampleTables, AppendRefusesAMissingListOrCategory)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    SampleFields fields = {};
    EXPECT_EQ(AppendSample(nullptr, fields, 1), 0);
    EXPECT_EQ(AppendSample(list.get(), fields, 0), 0);
    EXPECT_EQ(AppendSample(list.get(), fields, 10), 0);
    EXPECT_EQ(list->count, 0);
}

TEST(SampleTables, RemovingMovesTheEntriesBehindUp)
{
    struct Row {
        int id, removed;
        const char *left[2]; /* numbers of the two entries left */
    } rows[] = {{1, 0, {"2", "3"}}, {2, 1, {"1", "3"}}, {3, 2, {"1", "2"}}};
    for (const Row &row : rows) {
        std::unique_ptr<CategoryList> list = EmptyList();
        for (int n = 1; n <= 3; ++n)
            AppendNumbered(list.get(), n);
        EXPECT_EQ(RemoveSample(list.get(), row.removed), 1) << "row " << row.id;
        ASSERT_EQ(list->count, 2) << "row " << row.id;
        for (int slot = 0; slot < 2; ++slot) {
            const SampleRecord &record = list->slots[slot];
            std::string number = row.left[slot];
            EXPECT_EQ(record.used, 1u) << "row " << row.id;
            EXPECT_EQ(record.number, number) << "row " << row.id;
            EXPECT_EQ(record.extraText, "e" + number) << "row " << row.id;
            EXPECT_EQ(record.path, "C:\\s" + number + ".pxd") << "row " << row.id;
            EXPECT_STREQ(record.keyword, "bass") << "row " << row.id;
            EXPECT_EQ(record.categoryNumber, 2u) << "row " << row.id;
        }
        EXPECT_TRUE(SlotsFromAreZero(*list, 2)) << "row " << row.id;
    }
}

TEST(SampleTables, RemovingOutsideTheUsedSlotsChangesNothing)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    for (int n = 1; n <= 3; ++n)
        AppendNumbered(list.get(), n);
    std::unique_ptr<CategoryList> before(new CategoryList(*list));
    for (int slot : {-1, 3, 499, 500}) {
        EXPECT_EQ(RemoveSample(list.get(), slot), 0) << "slot " << slot;
        EXPECT_EQ(std::memcmp(before.get(), list.get(), sizeof *list), 0) << "slot " << slot;
    }
    EXPECT_EQ(RemoveSample(nullptr, 0), 0);
}

TEST(SampleTables, CompactionKeepsOnlyFlagOneInOrder)
{
    std::unique_ptr<CategoryList> source = EmptyList();
    for (int n = 1; n <= 9; ++n)
        AppendNumbered(source.get(), n);
    for (int slot = 0; slot < 9; ++slot) {
        if (slot != 3 && slot != 7)
            source->slots[slot].used = (slot == 5) ? 2 : 0; /* 2 is not "used" */
    }
    std::unique_ptr<CategoryList> target = EmptyList();
    for (int n = 1; n <= 5; ++n)
        AppendNumbered(target.get(), 100 + n); /* old content must go */
    EXPECT_EQ(CompactCategoryList(source.get(), target.get()), 1);
    ASSERT_EQ(target->count, 2);
    EXPECT_STREQ(target->slots[0].number, "4");
    EXPECT_STREQ(target->slots[0].extraText, "e4");
    EXPECT_STREQ(target->slots[1].number, "8");
    EXPECT_STREQ(target->slots[1].keyword, "bass");
    EXPECT_TRUE(SlotsFromAreZero(*target, 2));
    EXPECT_EQ(source->count, 9); /* the source is only read */
}

TEST(SampleTables, CompactionWithAMissingListChangesNothing)
{
    std::unique_ptr<CategoryList> list = EmptyList();
    AppendNumbered(list.get(), 1);
    EXPECT_EQ(CompactCategoryList(nullptr, list.get()), 0);
    EXPECT_EQ(list->count, 1);
    EXPECT_EQ(CompactCategoryList(list.get(), nullptr), 0);
    EXPECT_EQ(list->count, 1);
}
