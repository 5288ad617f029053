/* The sample list format as read: line ends, quotes, blanks, Ctrl-Z,
   overlong lines, keywords. */
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "database/database.h"
#include "database_test_support.h"

namespace {

class ListFormat : public ListFolder {
protected:
    /* Every line ReadListLine gives for the bytes; then it must answer 0. */
    std::vector<std::string> LinesOf(const std::string &bytes, int capacity = 256)
    {
        WriteBytes(File("lines"), bytes);
        std::FILE *stream = std::fopen(File("lines").c_str(), "rb");
        std::vector<char> buffer(capacity);
        std::vector<std::string> lines;
        while (lines.size() < 20 && ReadListLine(stream, buffer.data(), capacity) == 1)
            lines.push_back(buffer.data());
        if (ReadListLine(stream, buffer.data(), capacity) != 0)
            lines.push_back("<read after the end>");
        std::fclose(stream);
        return lines;
    }
    /* The loop list's first entry, all seven fields and its category. */
    static std::string Loaded(const AppState &state)
    {
        const SampleRecord &r = state.styles[0].lists[0].slots[0];
        return std::string(r.number) + "|" + r.path + "|" + r.extraText + "|" + r.keyword + "|" + r.duration + "|" +
               r.nameLine1 + "|" + r.nameLine2 + "|" + std::to_string(r.categoryNumber);
    }
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
        {3, "a\rb\n", {"a\rb"}},       /* a lone CR is a character */
        {4, "a\n\nb", {"a", "", "b"}}, /* empty line kept; last line without end */
        {5, "a\r", {"a\r"}},           /* a CR at the very end is kept */
        {6, "\r\r\n", {"\r"}},         /* only the CR before LF goes */
        {7, "a\x1a" "b\nc\n", {"a"}},  /* Ctrl-Z ends the input for good */
        {8, "ab\n\x1a\ncd\n", {"ab"}},
        {9, "", {}},
        {10, "x\r\x1a", {"x\r"}},
        {11, std::string(300, 'x') + "\r\nnext\r\n", {std::string(255, 'x'), "next"}}, /* cut, next line follows */
    };
    for (const Row &row : rows)
        EXPECT_EQ(LinesOf(row.bytes), row.lines) << "row " << row.id;
    char buffer[8];
    EXPECT_EQ(ReadListLine(nullptr, buffer, sizeof buffer), 0);
}

TEST_F(ListFormat, RemoveCharTakesOutEveryQuote)
{
    struct Row {
        int id;
        std::string text, expected;
    } rows[] = {{1, "\"loop\"", "loop"}, {2, "  \"v\"  ", "  v  "}, {3, "\"a\"b\"", "ab"},
                {4, "plain", "plain"},   {5, "\"\"", ""},           {6, "\"\"\"x", "x"}};
    for (const Row &row : rows) {
        std::string text = row.text;
        EXPECT_EQ(RemoveChar('"', &text[0]), 1) << "row " << row.id;
        EXPECT_EQ(std::string(text.c_str()), row.expected) << "row " << row.id;
    }
    EXPECT_EQ(RemoveChar('"', nullptr), 0);
}

TEST_F(ListFormat, ValuesAsLoadedAndWhatEndsAFileQuietly)
{
    const std::string head = "\"1\"\n\"C:\\a.pxd\"\n\"x\"\n\"loop\"\n\"2\"\n";
    const std::string plain = "1|C:\\a.pxd|x|loop|2|Basse|profonde|1";
    struct Row {
        int id;
        std::string bytes, loaded;
        int count;
    } rows[] = {
        {1, head + "\"Basse\"\n\"profonde\"\n", plain, 1},
        {2, "\"1\"\r\n\"C:\\a.pxd\"\r\n\"x\"\r\n\"loop\"\r\n\"2\"\r\n\"Basse\"\r\n\"profonde\"\r\n", plain, 1},
        {3, "  \"1\"  \n\"C:\\\"a\".pxd\"\n\"x\"\n\"loop\"\n\"2\"\n\"Basse\"\n\"profonde\"\n",
         "  1  |C:\\a.pxd|x|loop|2|Basse|profonde|1", 1}, /* blanks kept, quotes anywhere removed */
        {4, "1\nC:\\a b.pxd\n\nloop\n2\nBasse\nprofonde\n", "1|C:\\a b.pxd||loop|2|Basse|profonde|1", 1},
        {5, head + "\"Voix\réthérée\"\n\"\"\n", "1|C:\\a.pxd|x|loop|2|Voix\réthérée||1", 1},
        {6, head + "\"Basse\"\n\"profonde\"", plain, 1}, /* no line end after the last line */
        {7, "\"12345678901\"\n" + head.substr(4) + "Basse\nprofonde\n", "123456789|C:\\a.pxd|x|loop|2|Basse|profonde|1",
         1}, /* cut to the field */
        {8, "", "|||||||0", 0},
        {9, head + "Basse\nprofonde\n\r\n\r\n\n", plain, 1}, /* blank lines after the last record */
        {10, head + "Basse\nprofonde\n\x1a" + Numbered("loop", 2), plain, 1}, /* nothing after Ctrl-Z is read */
        {11, head + "Basse\nprofonde\n" + Numbered("loop", 2), plain, 2},
    };
    for (const Row &row : rows) {
        g_reported.clear();
        int result = 0;
        WriteLists(row.bytes, "", "");
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, 1) << "row " << row.id;
        EXPECT_EQ(state->styles[0].lists[0].count, row.count) << "row " << row.id;
        EXPECT_EQ(Loaded(*state), row.loaded) << "row " << row.id;
        EXPECT_TRUE(g_reported.empty()) << "row " << row.id;
        EXPECT_EQ(CarriedRecordCount(STYLE_DANCE), 0) << "row " << row.id;
    }
}

/* An unknown keyword stops loading at once: later records and lists stay
   unread, and the settings file is kept. */
TEST_F(ListFormat, KeywordsMatchExactly)
{
    struct Row {
        int id;
        const char *keyword, *tables; /* tables null: refused */
    } rows[] = {{1, "loop", "D1:2, D2:1 3, H9:4"}, {2, "synthy", "D2:1 3, D3:2, H9:4"}, {3, "rap", "D2:1 3, D9:2, H9:4"},
                {4, "Loop", nullptr}, {5, "loop ", nullptr}, {6, " loop", nullptr}, {7, "RAP", nullptr},
                {8, "", nullptr},     {9, "loops", nullptr}};
    for (const Row &row : rows) {
        g_reported.clear();
        int result = 0;
        WriteLists(Numbered("bass", 1) + Record({"2", "C:\\a.pxd", "", row.keyword, "1", "n", "m"}) + Numbered("bass", 3),
                   "", Numbered("rap", 4));
        std::unique_ptr<AppState> state = Load(&result);
        EXPECT_EQ(result, row.tables != nullptr) << "row " << row.id;
        EXPECT_EQ(Tables(*state), row.tables ? row.tables : "D2:1") << "row " << row.id;
        EXPECT_EQ(g_reported, row.tables ? std::vector<std::string>()
                                         : std::vector<std::string>{std::string("La catégorie \"") + row.keyword +
                                                                    "\" est inconnue !            "})
            << "row " << row.id;
        EXPECT_TRUE(FileExists(windowsIni) && FileExists(userIni)) << "row " << row.id;
    }
}
