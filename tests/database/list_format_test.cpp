/* The sample list format as read: line ends, quotes, blanks, Ctrl-Z. */
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "database/database.h"
#include "database_test_support.h"

namespace {

/* Every line ReadListLine gives for the bytes, then one more call that
   must answer 0, and a second one that must too. */
std::vector<std::string> LinesOf(const TempFolder &folder, const std::string &bytes, int capacity = 256)
{
    std::string path = folder.File("lines");
    WriteBytes(path, bytes);
    std::vector<std::string> lines;
    std::FILE *stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr)
        return {"<cannot open>"};
    std::vector<char> buffer(capacity);
    while (lines.size() < 20 && ReadListLine(stream, buffer.data(), capacity) == 1)
        lines.push_back(buffer.data());
    if (ReadListLine(stream, buffer.data(), capacity) != 0)
        lines.push_back("<read after the end>");
    std::fclose(stream);
    return lines;
}

class ListFormat : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearMessages();
        SetDatabaseReporter(RecordMessage);
    }
    void TearDown() override { SetDatabaseReporter(nullptr); }

    /* Loads the bytes as the Dance list, the other two lists empty. */
    std::unique_ptr<AppState> LoadDance(const std::string &bytes, int *result)
    {
        WriteBytes(folder.File("pxddance"), bytes);
        WriteBytes(folder.File("pxdrave"), "");
        WriteBytes(folder.File("pxdhiphp"), "");
        std::unique_ptr<AppState> state = NewState(folder.Path(), folder.Path());
        *result = LoadSampleLists(state.get());
        return state;
    }

    TempFolder folder;
};

} // namespace

TEST_F(ListFormat, LineEnds)
{
    struct Row {
        int id;
        std::string bytes;
        std::vector<std::string> lines;
    } rows[] = {
        {1, "a\nb\n", {"a", "b"}},
        {2, "a\r\nb\r\n", {"a", "b"}},
        {3, "a\rb\n", {"a\rb"}},                    /* a lone CR is a character */
        {4, "a\n\nb", {"a", "", "b"}},              /* empty line kept; last line without end */
        {5, "a\r", {"a\r"}},                        /* a CR at the very end is kept */
        {6, "\r\r\n", {"\r"}},                      /* only the CR before LF goes */
        {7, "a\x1a" "b\nc\n", {"a"}},               /* Ctrl-Z ends the input for good */
        {8, "ab\n\x1a\ncd\n", {"ab"}},
        {9, "\x1a", {}},
        {10, "", {}},
        {11, "\n", {""}},
        {12, "x\r\x1a", {"x\r"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(LinesOf(folder, row.bytes), row.lines) << "row " << row.id;
}

TEST_F(ListFormat, AnOverlongLineIsCutAndTheNextLineStillFollows)
{
    std::string longLine(300, 'x');
    std::vector<std::string> lines = LinesOf(folder, longLine + "\r\nnext\r\n", 256);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(255, 'x'));
    EXPECT_EQ(lines[1], "next");
}

TEST_F(ListFormat, ReadListLineWithoutStreamOrBuffer)
{
    char buffer[8];
    EXPECT_EQ(ReadListLine(nullptr, buffer, sizeof buffer), 0);
    std::string path = folder.File("one");
    WriteBytes(path, "a\n");
    std::FILE *stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(ReadListLine(stream, nullptr, 8), 0);
    std::fclose(stream);
}

TEST_F(ListFormat, RemoveCharTakesOutEveryQuote)
{
    struct Row {
        int id;
        std::string text, expected;
    } rows[] = {
        {1, "\"loop\"", "loop"},     {2, "  \"v\"  ", "  v  "}, {3, "\"a\"b\"", "ab"},
        {4, "plain text", "plain text"}, {5, "\"\"", ""},     {6, "", ""},
        {7, "\"\"\"x", "x"},
    };
    for (const Row &row : rows) {
        std::string text = row.text;
        EXPECT_EQ(RemoveChar('"', &text[0]), 1) << "row " << row.id;
        EXPECT_EQ(std::string(text.c_str()), row.expected) << "row " << row.id;
    }
    EXPECT_EQ(RemoveChar('"', nullptr), 0);
}

TEST_F(ListFormat, ValuesAsLoaded)
{
    const std::string tail = "\"loop\"\n\"2\"\n\"Basse\"\n\"profonde\"\n";
    struct Row {
        int id;
        std::string bytes;
        const char *number, *path, *extra, *name1, *name2;
    } rows[] = {
        {1, "\"1\"\n\"C:\\a.pxd\"\n\"x\"\n" + tail, "1", "C:\\a.pxd", "x", "Basse", "profonde"},
        {2, "\"1\"\r\n\"C:\\a.pxd\"\r\n\"x\"\r\n\"loop\"\r\n\"2\"\r\n\"Basse\"\r\n\"profonde\"\r\n", "1",
         "C:\\a.pxd", "x", "Basse", "profonde"},
        {3, "  \"1\"  \n\"C:\\a.pxd\"\n\"x\"\n" + tail, "  1  ", "C:\\a.pxd", "x", "Basse", "profonde"},
        {4, "\"1\"\n\"C:\\\"a\".pxd\"\n\"x\"\n" + tail, "1", "C:\\a.pxd", "x", "Basse", "profonde"},
        {5, "1\nC:\\a b.pxd\n\n" + tail, "1", "C:\\a b.pxd", "", "Basse", "profonde"},
        {6, "\"1\"\n\"C:\\a.pxd\"\n\"x\"\n\"loop\"\n\"2\"\n\"Voix\réthérée\"\n\"\"\n", "1", "C:\\a.pxd", "x",
         "Voix\réthérée", ""},
        {7, "\"1\"\n\"C:\\a.pxd\"\n\"x\"\n\"loop\"\n\"2\"\n\"Basse\"\n\"profonde\"", "1", "C:\\a.pxd", "x",
         "Basse", "profonde"}, /* no line end after the last line */
        {8, "\"12345678901\"\n\"C:\\a.pxd\"\n\"x\"\n" + tail, "123456789", "C:\\a.pxd", "x", "Basse",
         "profonde"}, /* cut to the field */
    };
    for (const Row &row : rows) {
        int result = 0;
        std::unique_ptr<AppState> state = LoadDance(row.bytes, &result);
        EXPECT_EQ(result, 1) << "row " << row.id;
        const CategoryList &loops = state->styles[0].lists[0];
        ASSERT_EQ(loops.count, 1) << "row " << row.id;
        const SampleRecord &record = loops.slots[0];
        EXPECT_STREQ(record.number, row.number) << "row " << row.id;
        EXPECT_STREQ(record.path, row.path) << "row " << row.id;
        EXPECT_STREQ(record.extraText, row.extra) << "row " << row.id;
        EXPECT_STREQ(record.keyword, "loop") << "row " << row.id;
        EXPECT_EQ(record.categoryNumber, 1u) << "row " << row.id;
        EXPECT_STREQ(record.duration, "2") << "row " << row.id;
        EXPECT_STREQ(record.nameLine1, row.name1) << "row " << row.id;
        EXPECT_STREQ(record.nameLine2, row.name2) << "row " << row.id;
        EXPECT_TRUE(g_reported.empty()) << "row " << row.id;
        EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 0) << "row " << row.id;
        ClearMessages();
    }
}

TEST_F(ListFormat, WhatEndsAFileQuietly)
{
    const std::string one = NumberedRecord("bass", 1);
    struct Row {
        int id;
        std::string bytes;
        int bassCount;
    } rows[] = {
        {1, "", 0},
        {2, one, 1},
        {3, one + "\r\n", 1},           /* one blank line after the last record */
        {4, one + "\r\n\r\n\n", 1},     /* several */
        {5, one + "\x1a", 1},           /* Ctrl-Z as the DOS end mark */
        {6, one + "\x1a" + one, 1},     /* nothing after Ctrl-Z is read */
        {7, one + one, 2},
    };
    for (const Row &row : rows) {
        int result = 0;
        std::unique_ptr<AppState> state = LoadDance(row.bytes, &result);
        EXPECT_EQ(result, 1) << "row " << row.id;
        EXPECT_EQ(state->styles[0].lists[1].count, row.bassCount) << "row " << row.id;
        EXPECT_TRUE(g_reported.empty()) << "row " << row.id;
        ClearMessages();
    }
}

TEST_F(ListFormat, KeywordsMatchExactly)
{
    struct Row {
        int id;
        const char *keyword;
        int category; /* 0: refused */
    } rows[] = {
        {1, "loop", 1},   {2, "bass", 2},    {3, "synthy", 3},  {4, "voice", 4},    {5, "effect", 5},
        {6, "drum", 6},   {7, "sequence", 7}, {8, "special", 8}, {9, "rap", 9},     {10, "Loop", 0},
        {11, "loop ", 0}, {12, " loop", 0},  {13, "RAP", 0},    {14, "", 0},        {15, "loops", 0},
    };
    for (const Row &row : rows) {
        int result = 0;
        std::unique_ptr<AppState> state =
            LoadDance(Record("1", "C:\\a.pxd", "", row.keyword, "1", "n", "m"), &result);
        if (row.category == 0) {
            EXPECT_EQ(result, 0) << "row " << row.id;
            ASSERT_EQ(g_reported.size(), 1u) << "row " << row.id;
            EXPECT_EQ(g_reported[0], std::string("La catégorie \"") + row.keyword + "\" est inconnue !            ")
                << "row " << row.id;
        } else {
            EXPECT_EQ(result, 1) << "row " << row.id;
            EXPECT_EQ(state->styles[0].lists[row.category - 1].count, 1) << "row " << row.id;
            EXPECT_TRUE(g_reported.empty()) << "row " << row.id;
        }
        ClearMessages();
    }
}
