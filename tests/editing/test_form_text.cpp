// The rules the Add and Modify forms apply before anything reaches the
// tables: no double quote is stored, texts land in their own fields, only
// a row with an entry may be edited, and the delete question fits its
// buffer or says it was cut. The forms themselves are checked in-process
// (test_editing_forms.cpp) and end to end.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "editing/form_text.h"

/* Each text typed with its field's digit in front, so a text in another
   field shows; an added entry has no number, a changed one keeps its own. */
TEST(FormText, QuotesGoAndEachTextLandsInItsField)
{
    const struct {
        int id;
        const char *typed, *stored;
    } rows[] = {{1, "Ki \"ck\"", "Ki ck"},
                {2, "\"\"\"", ""},
                {3, "'no' q", "'no' q"},
                {4, "\xE9t\xE9 \"\xE0\"", "\xE9t\xE9 \xE0"}};
    for (const auto &row : rows) {
        FormTexts texts = {};
        std::snprintf(texts.nameLine1, sizeof texts.nameLine1, "1%s", row.typed);
        std::snprintf(texts.nameLine2, sizeof texts.nameLine2, "2%s", row.typed);
        std::snprintf(texts.duration, sizeof texts.duration, "3%s", row.typed);
        std::snprintf(texts.path, sizeof texts.path, "4%s", row.typed);
        CleanFormTexts(&texts);
        CategoryList list = {};
        SampleRecord stored[2] = {};
        std::snprintf(stored[1].number, sizeof stored[1].number, "n");
        ASSERT_EQ(AppendSample(&list, AddedSampleFields(texts), 2) + StoreFormTexts(&stored[1], texts), 2);
        stored[0] = list.slots[0];
        const std::string s = row.stored;
        for (const SampleRecord &r : stored)
            EXPECT_EQ(std::string(r.number) + "|" + r.nameLine1 + "|" + r.nameLine2 + "|" + r.duration + "|" + r.path +
                          "|" + r.extraText,
                      (&r == stored ? "" : "n") + ("|1" + s + "|2" + s + "|3" + s + "|4" + s + "|"))
                << "row " << row.id;
    }
    CleanFormTexts(nullptr);
    EXPECT_EQ(StoreFormTexts(nullptr, FormTexts()), 0);
}

TEST(FormText, OnlyARowWithAnEntryIsEditable)
{
    std::unique_ptr<CategoryList> list(new CategoryList());
    for (int n = 0; n < 3; n++)
        AppendSample(list.get(), {"1", "p", "", "", "", "", ""}, 1);
    list->slots[1].used = 2;
    const struct {
        int index, editable;
    } rows[] = {{-1, 0}, {0, 1}, {1, 0}, {2, 1}, {3, 0}, {500, 0}};
    for (const auto &row : rows)
        EXPECT_EQ(IsEditableSlot(list.get(), row.index), row.editable) << "index " << row.index;
    EXPECT_EQ(IsEditableSlot(nullptr, 0), 0);
}

TEST(FormText, DeleteQuestionNamesTheSampleByItsTwoLines)
{
    const std::string head = "Etes-vous s\xFBr de vouloir supprimer le sample \"";
    const std::string tail = "\" ?" + std::string(18, ' ');
    const std::string x49(49, 'x'), y49(49, 'y'), whole = head + x49 + " " + y49 + tail;
    const struct {
        int id;
        std::string name1, name2, question;
        std::size_t capacity;
        int fitted;
    } rows[] = {{1, "Kick", "Hard", head + "Kick Hard" + tail, 256, 1},
                {2, x49, y49, whole, 256, 1}, /* the widest fits the shared buffer */
                {3, x49, y49, whole, whole.size() + 1, 1},
                {4, x49, y49, whole.substr(0, whole.size() - 1), whole.size(), 0}}; /* cut, terminated, told */
    for (const auto &row : rows) {
        SampleRecord record = {};
        std::snprintf(record.nameLine1, sizeof record.nameLine1, "%s", row.name1.c_str());
        std::snprintf(record.nameLine2, sizeof record.nameLine2, "%s", row.name2.c_str());
        char out[256];
        EXPECT_EQ(FormatDeleteQuestion(record, out, row.capacity), row.fitted) << "row " << row.id;
        EXPECT_EQ(std::string(out), row.question) << "row " << row.id;
    }
    EXPECT_EQ(FormatDeleteQuestion(SampleRecord(), nullptr, 10), 0);
}
