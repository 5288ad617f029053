// The rules the Add and Modify forms apply before anything reaches the
// tables: no double quote is stored, and the delete question fits its
// buffer or says it was cut. Rows without an entry are refused by the forms
// (test_editing_forms.cpp); the forms themselves are checked end to end
// (tests/e2e/e2e_editing.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "editing/form_text.h"

namespace {

/* The same text typed into the four fields. */
FormTexts TypedEverywhere(const char *typed)
{
    FormTexts texts = {};
    std::snprintf(texts.nameLine1, sizeof texts.nameLine1, "%s", typed);
    std::snprintf(texts.nameLine2, sizeof texts.nameLine2, "%s", typed);
    std::snprintf(texts.duration, sizeof texts.duration, "%s", typed);
    std::snprintf(texts.path, sizeof texts.path, "%s", typed);
    return texts;
}

SampleRecord Named(const std::string &name1, const std::string &name2)
{
    SampleRecord record = {};
    std::snprintf(record.nameLine1, sizeof record.nameLine1, "%s", name1.c_str());
    std::snprintf(record.nameLine2, sizeof record.nameLine2, "%s", name2.c_str());
    return record;
}

}  // namespace

TEST(FormText, DoubleQuotesAreRemovedFromEveryText)
{
    struct Row {
        const char *typed;
        const char *stored;
    } rows[] = {
        /* 1 */ {"Ki \"ck\"", "Ki ck"},  // each fits the duration (9)
        /* 2 */ {"\"", ""},
        /* 3 */ {"\"\"\"", ""},
        /* 4 */ {"'no' q", "'no' q"},
        /* 5 */ {"end\"", "end"},
        /* 6 */ {"\"start", "start"},
        /* 7 */ {"\xE9t\xE9 \"\xE0\"", "\xE9t\xE9 \xE0"},
        /* 8 */ {"", ""},
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        FormTexts texts = TypedEverywhere(row.typed);
        CleanFormTexts(&texts);
        EXPECT_STREQ(texts.nameLine1, row.stored) << "row " << number;
        EXPECT_STREQ(texts.nameLine2, row.stored) << "row " << number;
        EXPECT_STREQ(texts.duration, row.stored) << "row " << number;
        EXPECT_STREQ(texts.path, row.stored) << "row " << number;
    }
    CleanFormTexts(nullptr);
}

TEST(FormText, DeleteQuestionNamesTheSampleByItsTwoLines)
{
    const std::string head = "Etes-vous s\xFBr de vouloir supprimer le sample \"";
    const std::string tail = "\" ?" + std::string(18, ' ');
    const std::string x49(49, 'x'), y49(49, 'y');
    struct Row {
        std::string name1, name2, question;
    } rows[] = {
        /* 1 */ {"Kick", "Hard", head + "Kick Hard" + tail},
        /* 2 */ {"", "", head + " " + tail},
        /* 3 */ {"Only", "", head + "Only " + tail},
        /* 4 */ {x49, y49, head + x49 + " " + y49 + tail},  // fits the shared buffer
    };
    int number = 0;
    for (const Row &row : rows) {
        ++number;
        const SampleRecord record = Named(row.name1, row.name2);
        char out[256];
        EXPECT_EQ(FormatDeleteQuestion(record, out, sizeof out), 1) << "row " << number;
        EXPECT_EQ(out, row.question) << "row " << number;
    }
}

TEST(FormText, DeleteQuestionTooLongForItsBufferIsCutAndReported)
{
    const SampleRecord record = Named("Old", "Name");
    char small[20];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(FormatDeleteQuestion(record, small, sizeof small), 0);
    EXPECT_STREQ(small, "Etes-vous s\xFBr de vo");
    EXPECT_EQ(FormatDeleteQuestion(record, nullptr, 10), 0);
    char none[1] = {'#'};
    EXPECT_EQ(FormatDeleteQuestion(record, none, 0), 0);
    EXPECT_EQ(none[0], '#');
}
