// The rules the Add and Modify forms apply before anything reaches the
// tables: no double quote is stored, every text stays within its field, a
// form only touches a slot that holds an entry, and the delete question.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "editing/form_text.h"

namespace {

FormTexts MakeTexts(const char *name1, const char *name2, const char *duration, const char *path)
{
    FormTexts texts = {};
    std::strncpy(texts.nameLine1, name1, sizeof texts.nameLine1 - 1);
    std::strncpy(texts.nameLine2, name2, sizeof texts.nameLine2 - 1);
    std::strncpy(texts.duration, duration, sizeof texts.duration - 1);
    std::strncpy(texts.path, path, sizeof texts.path - 1);
    return texts;
}

SampleRecord LoadedRecord()
{
    SampleRecord record = {};
    record.used = 1;
    std::strcpy(record.number, "17");
    std::strcpy(record.path, "C:\\Ejay\\old.pxd");
    std::strcpy(record.extraText, "extra");
    std::strcpy(record.keyword, "bass");
    record.categoryNumber = 2;
    std::strcpy(record.duration, "4");
    std::strcpy(record.nameLine1, "Old");
    std::strcpy(record.nameLine2, "Name");
    return record;
}

}  // namespace

TEST(FormText, DoubleQuotesAreRemovedFromEveryText)
{
    struct Row {
        const char *typed;
        const char *stored;
    } rows[] = {
        /* 1 */ {"Kick \"Hard\"", "Kick Hard"},
        /* 2 */ {"\"", ""},
        /* 3 */ {"\"\"\"", ""},
        /* 4 */ {"no quote", "no quote"},
        /* 5 */ {"end\"", "end"},
        /* 6 */ {"\"start", "start"},
        /* 7 */ {"Dur\xE9" "e \"\xE9t\xE9\"", "Dur\xE9" "e \xE9t\xE9"},
        /* 8 */ {"'single' stays", "'single' stays"},
        /* 9 */ {"", ""},
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        FormTexts texts = MakeTexts(row.typed, row.typed, row.typed, row.typed);
        CleanFormTexts(&texts);
        EXPECT_STREQ(texts.nameLine1, row.stored) << "row " << number;
        EXPECT_STREQ(texts.nameLine2, row.stored) << "row " << number;
        EXPECT_STREQ(texts.path, row.stored) << "row " << number;
    }
    FormTexts digits = MakeTexts("", "", "1\"2\"3", "");
    CleanFormTexts(&digits);
    EXPECT_STREQ(digits.duration, "123");
    CleanFormTexts(nullptr);
}

TEST(FormText, FormTextsAreExactlyAsWideAsTheFields)
{
    EXPECT_EQ(sizeof(FormTexts::nameLine1), 50u);
    EXPECT_EQ(sizeof(FormTexts::nameLine2), 50u);
    EXPECT_EQ(sizeof(FormTexts::duration), 10u);
    EXPECT_EQ(sizeof(FormTexts::path), 256u);
}

TEST(FormText, StoringWritesTheFourTextsAndNothingElse)
{
    SampleRecord record = LoadedRecord();
    const std::string name1(49, 'a');
    const std::string name2(49, 'b');
    const std::string path(255, 'p');
    const FormTexts texts = MakeTexts(name1.c_str(), name2.c_str(), "123456789", path.c_str());
    ASSERT_EQ(StoreFormTexts(&record, texts), 1);
    EXPECT_EQ(record.nameLine1, name1);
    EXPECT_EQ(record.nameLine2, name2);
    EXPECT_STREQ(record.duration, "123456789");
    EXPECT_EQ(record.path, path);
    EXPECT_EQ(record.used, 1u);
    EXPECT_STREQ(record.number, "17");
    EXPECT_STREQ(record.extraText, "extra");
    EXPECT_STREQ(record.keyword, "bass");
    EXPECT_EQ(record.categoryNumber, 2u);
}

TEST(FormText, EmptyTextsAreStoredEmpty)
{
    SampleRecord record = LoadedRecord();
    ASSERT_EQ(StoreFormTexts(&record, MakeTexts("", "", "", "")), 1);
    EXPECT_STREQ(record.nameLine1, "");
    EXPECT_STREQ(record.nameLine2, "");
    EXPECT_STREQ(record.duration, "");
    EXPECT_STREQ(record.path, "");
    EXPECT_EQ(StoreFormTexts(nullptr, MakeTexts("", "", "", "")), 0);
}

TEST(FormText, AnAddedEntryHasEmptyNumberExtraTextAndKeyword)
{
    auto list = std::make_unique<CategoryList>();
    *list = {};
    const FormTexts texts = MakeTexts("Kick", "Hard", "2", "C:\\s\\kick.pxd");
    ASSERT_EQ(AppendSample(list.get(), AddedSampleFields(texts), 6), 1);
    const SampleRecord &entry = list->slots[0];
    EXPECT_EQ(list->count, 1);
    EXPECT_EQ(entry.used, 1u);
    EXPECT_EQ(entry.categoryNumber, 6u);
    EXPECT_STREQ(entry.number, "");
    EXPECT_STREQ(entry.extraText, "");
    EXPECT_STREQ(entry.keyword, "");
    EXPECT_STREQ(entry.path, "C:\\s\\kick.pxd");
    EXPECT_STREQ(entry.duration, "2");
    EXPECT_STREQ(entry.nameLine1, "Kick");
    EXPECT_STREQ(entry.nameLine2, "Hard");
}

TEST(FormText, OnlyASlotHoldingAnEntryIsEditable)
{
    auto list = std::make_unique<CategoryList>();
    *list = {};
    list->count = 3;
    for (int slot = 0; slot < 3; ++slot)
        list->slots[slot].used = 1;

    struct Row {
        int index;
        int editable;
    } rows[] = {
        /* 1 */ {-1, 0},  // LB_ERR: no row selected
        /* 2 */ {0, 1},
        /* 3 */ {2, 1},
        /* 4 */ {3, 0},   // the first free slot
        /* 5 */ {499, 0},
        /* 6 */ {500, 0},
        /* 7 */ {-2, 0},
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        EXPECT_EQ(IsEditableSlot(list.get(), row.index), row.editable) << "row " << number;
    }
    EXPECT_EQ(IsEditableSlot(nullptr, 0), 0);

    list->slots[1].used = 2;  // only 1 marks a used slot
    EXPECT_EQ(IsEditableSlot(list.get(), 1), 0);

    list->count = 500;  // a count beyond the table never lets a form past it
    list->slots[499].used = 1;
    EXPECT_EQ(IsEditableSlot(list.get(), 499), 1);
    EXPECT_EQ(IsEditableSlot(list.get(), 500), 0);
}

TEST(FormText, DeleteQuestionNamesTheSampleByItsTwoLines)
{
    struct Row {
        const char *name1;
        const char *name2;
        const char *question;
    } rows[] = {
        /* 1 */ {"Kick", "Hard",
                 "Etes-vous s\xFBr de vouloir supprimer le sample \"Kick Hard\" ?"
                 "                  "},
        /* 2 */ {"", "",
                 "Etes-vous s\xFBr de vouloir supprimer le sample \" \" ?"
                 "                  "},
        /* 3 */ {"Only", "",
                 "Etes-vous s\xFBr de vouloir supprimer le sample \"Only \" ?"
                 "                  "},
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        SampleRecord record = LoadedRecord();
        std::strcpy(record.nameLine1, row.name1);
        std::strcpy(record.nameLine2, row.name2);
        char out[256];
        EXPECT_EQ(FormatDeleteQuestion(record, out, sizeof out), 1) << "row " << number;
        EXPECT_STREQ(out, row.question) << "row " << number;
    }
}

TEST(FormText, LongestNamesFitTheSharedTextBuffer)
{
    SampleRecord record = LoadedRecord();
    std::memset(record.nameLine1, 'x', 49);
    record.nameLine1[49] = '\0';
    std::memset(record.nameLine2, 'y', 49);
    record.nameLine2[49] = '\0';
    char out[256];
    ASSERT_EQ(FormatDeleteQuestion(record, out, sizeof out), 1);
    // 46 before the names, 49 + 1 + 49, then "\" ?" and 18 blanks.
    EXPECT_EQ(std::strlen(out), 46u + 99u + 3u + 18u);
}

TEST(FormText, DeleteQuestionTooLongForItsBufferIsCutAndReported)
{
    const SampleRecord record = LoadedRecord();
    char small[20];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(FormatDeleteQuestion(record, small, sizeof small), 0);
    EXPECT_STREQ(small, "Etes-vous s\xFBr de vo");
    EXPECT_EQ(FormatDeleteQuestion(record, nullptr, 10), 0);
    char none[1] = {'#'};
    EXPECT_EQ(FormatDeleteQuestion(record, none, 0), 0);
    EXPECT_EQ(none[0], '#');
}
