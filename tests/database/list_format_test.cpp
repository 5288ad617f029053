/* The sample list format as read, and what the tables cannot hold kept
   aside as it stood: line ends, quotes, blanks, Ctrl-Z, widths, capacity,
   keywords. Each list is read straight from a string. */
#include <gtest/gtest.h>

#include "database_test_support.h"

using namespace dbtest;

namespace {

const std::string HEAD = "\"1\"\n\"C:\\a.pxd\"\n\"x\"\n\"loop\"\n\"2\"\n";
const std::string PLAIN = "1|C:\\a.pxd|x|loop|2|Basse|profonde|1";
const std::string A = Record({"1", "C:\\a.pxd", "x", "loop", "2", "Basse", "profonde"});
const std::string B = Record({"9", "C:\\b.pxd", "", "bass", "3", "Basse", "ronde"});

class ListFormat : public ::testing::Test {
protected:
    int Read(const std::string &bytes, bool pastUnknownKeywords = false)
    {
        std::memset(db.get(), 0, sizeof *db);
        reading = ListReading();
        reading.pastUnknownKeywords = pastUnknownKeywords;
        return ReadStyleList(bytes.data(), bytes.size(), db.get(), &reading);
    }
    /* What a save of the tables would write. */
    std::string Saved() const
    {
        std::string text;
        FormatStyleList(*db, reading.kept, &text);
        return text;
    }
    /* The loop list's first entry, all seven fields and its category. */
    std::string First() const
    {
        const SampleRecord &r = db->lists[0].slots[0];
        return std::string(r.number) + "|" + r.path + "|" + r.extraText + "|" + r.keyword + "|" + r.duration + "|" +
               r.nameLine1 + "|" + r.nameLine2 + "|" + std::to_string(r.categoryNumber);
    }
    std::unique_ptr<StyleDatabase> db = std::make_unique<StyleDatabase>();
    ListReading reading;
};

} // namespace

TEST_F(ListFormat, ValuesAsRead)
{
    const std::string wide =
        std::string(9, '9') + "|" + std::string(255, 'p') + "|x|loop|2|" + std::string(49, 'n') + "||1";
    struct Row {
        int id;
        std::string bytes, first;
        int count;
    } rows[] = {
        {1, HEAD + "\"Basse\"\n\"profonde\"\n", PLAIN, 1},
        {2, "  \"1\"  \n\"C:\\\"a\".pxd\"\n\"x\"\n\"loop\"\n\"2\"\n\"Basse\"\n\"profonde\"\n",
         "  1  |C:\\a.pxd|x|loop|2|Basse|profonde|1", 1}, /* blanks kept, quotes anywhere removed */
        {3, "1\nC:\\a b.pxd\n\nloop\n2\nBasse\nprofonde\n", "1|C:\\a b.pxd||loop|2|Basse|profonde|1", 1},
        {4, HEAD + "\"Voix\réthérée\"\n\"\"\n", "1|C:\\a.pxd|x|loop|2|Voix\réthérée||1", 1}, /* a lone CR stays */
        {5, HEAD + "\"Basse\"\n\"profonde\"", PLAIN, 1},                                     /* no final line end */
        {6, HEAD + "Basse\nprofonde\r", "1|C:\\a.pxd|x|loop|2|Basse|profonde\r|1", 1},       /* nor after a last CR */
        {7, HEAD + "Basse\nprofonde\r\r\n", "1|C:\\a.pxd|x|loop|2|Basse|profonde\r|1",
         1}, /* only the CR before LF goes */
        {8, "", "|||||||0", 0},
        {9, A + "\r\n\n  \r\n\n\n\t\n\n\n\r\n", PLAIN, 1}, /* blank lines at the end, more than a record's worth */
        {10,
         "\"" + std::string(9, '9') + "\"\r\n\"" + std::string(255, 'p') + "\"\r\nx\r\nloop\r\n2\r\n" +
             std::string(49, 'n') + "\r\n\"\"\r\n",
         wide, 1}}; /* every field full: a 257-character line still fits the reader */
    for (const Row &row : rows) {
        EXPECT_EQ(Read(row.bytes), 1) << "row " << row.id;
        EXPECT_EQ(db->lists[0].count, row.count) << "row " << row.id;
        EXPECT_EQ(First(), row.first) << "row " << row.id;
        EXPECT_EQ(Notes(reading), "") << "row " << row.id;
        EXPECT_EQ(reading.kept.recordCount, 0) << "row " << row.id;
    }
}

/* A record that cannot be held whole, an unfinished end and what follows
   a Ctrl-Z are neither shown cut nor lost: a save writes their bytes back
   where they stood (records after their category's entries, the end last). */
TEST_F(ListFormat, WhatTheTablesCannotHoldIsKeptByteForByte)
{
    const std::string name50 = "1\n2\n3\nloop\n5\n" + std::string(50, 'n') + "\n7\n"; /* LF only, kept so */
    const std::string hugeLine = Record({"1", "C:\\h.pxd", "", "loop", "2", std::string(1 << 20, 'h'), ""});
    const std::string quotes258 = Record({"1", "C:\\q.pxd" + std::string(248, '"'), "", "loop", "2", "Q", ""});
    const std::string noEnd =
        "\"8\"\r\n\"C:\\e.pxd\"\r\n\"\"\r\n\"loop\"\r\n\"2\"\r\n\"" + std::string(60, 'e') + "\"\r\n\"\"";
    struct Row {
        int id;
        std::string bytes, notes, saved;
        int carried;
    } rows[] = {
        {1, A + Record({"1234567890", "C:\\n.pxd", "", "loop", "2", "N", ""}) + B, "8:too wide(1)", "", 1},
        {2, A + Record({"1", std::string(256, 'p'), "", "loop", "2", "P", ""}) + B, "8:too wide(1)", "", 1},
        {3, A + name50 + B, "8:too wide(1)", "", 1},
        {4, A + Record({"1", "C:\\z.pxd", "", "loop", "2", std::string("nu\0l", 4), ""}) + B, "8:too wide(1)", "", 1},
        {5, A + hugeLine + B, "8:too wide(1)", "", 1},
        {6, A + quotes258 + B, "8:too wide(1)", "", 1}, /* its value fits, its line not the reader's buffer */
        {7, A + B + "\"7\"\r\n\"C:\\x.pxd\"\r\n\"  bout\"", "15:unfinished",
         A + B + "\"7\"\r\n\"C:\\x.pxd\"\r\n\"  bout\"", 1},
        {8, A + "\x1a" + B + B + B, "8:after Ctrl-Z", A + "\x1a" + B + B + B, 3}, /* counted as records */
        {9, A + "\r\n\x1a\r\n", "", A + "\x1a\r\n", 0}, /* a mark at the end holds nothing to tell */
        {10, A + B + noEnd, "15:too wide(1)", A + noEnd + "\r\n" + B, 1}};
    for (Row &row : rows) {
        if (row.saved.empty()) /* the kept record between the loop and the bass entries */
            row.saved = A + row.bytes.substr(A.size(), row.bytes.size() - A.size() - B.size()) + B;
        EXPECT_EQ(Read(row.bytes), 1) << "row " << row.id;
        EXPECT_EQ(Notes(reading), row.notes) << "row " << row.id;
        EXPECT_EQ(Tables(db.get(), 1), row.id == 8 || row.id == 9 ? "D1:1" : "D1:1, D2:9") << "row " << row.id;
        EXPECT_TRUE(Saved() == row.saved) << "row " << row.id << ": " << Saved().size() << " bytes";
        EXPECT_EQ(reading.kept.recordCount, row.carried) << "row " << row.id;
    }
}

TEST_F(ListFormat, A501stEntryIsKeptAfterItsCategory)
{
    struct Row {
        int id, loops, loaded; /* loops written, then one bass record */
    } rows[] = {{1, 499, 499}, {2, 500, 500}, {3, 501, 500}, {4, 503, 500}};
    for (const Row &row : rows) {
        std::string loops = Numbered("loop", 1, row.loops);
        EXPECT_EQ(Read(loops + Numbered("bass", 9000)), 1) << "row " << row.id;
        ASSERT_EQ(db->lists[0].count, row.loaded) << "row " << row.id;
        EXPECT_EQ(db->lists[0].slots[row.loaded - 1].number, std::to_string(row.loaded)) << "row " << row.id;
        EXPECT_EQ(db->lists[1].count, 1) << "row " << row.id; /* bass still loaded */
        EXPECT_EQ(reading.kept.recordCount, row.loops - row.loaded) << "row " << row.id;
        EXPECT_TRUE(Saved() == loops + Numbered("bass", 9000)) << "row " << row.id;
    }
    EXPECT_EQ(Notes(reading), "3501:beyond 500(1), 3508:beyond 500(1), 3515:beyond 500(1)");
}

/* An unknown keyword stops the program's reading at once; the lists tool
   reads on and notes every one, with the line of the keyword. */
TEST_F(ListFormat, KeywordsMatchExactly)
{
    struct Row {
        int id;
        const char *keyword, *tables; /* tables null: refused */
    } rows[] = {
        {1, "loop", "D1:2, D2:1 3"}, {2, "synthy", "D2:1 3, D3:2"}, {3, "rap", "D2:1 3, D9:2"}, {4, "Loop", nullptr},
        {5, "loop ", nullptr},       {6, " loop", nullptr},         {7, "RAP", nullptr},        {8, "", nullptr},
        {9, "loops", nullptr}};
    for (const Row &row : rows) {
        std::string list =
            Numbered("bass", 1) + Record({"2", "C:\\a.pxd", "", row.keyword, "1", "n", "m"}) + Numbered("bass", 3);
        EXPECT_EQ(Read(list), row.tables != nullptr) << "row " << row.id;
        EXPECT_EQ(Tables(db.get(), 1), row.tables ? row.tables : "D2:1") << "row " << row.id;
        EXPECT_EQ(Notes(reading), row.tables ? "" : "11:unknown[" + std::string(row.keyword) + "]") << "row " << row.id;
    }
    EXPECT_EQ(Read(Numbered("Loop", 1) + Numbered("bass", 2) + Numbered("rap ", 3), true), 1);
    EXPECT_EQ(Tables(db.get(), 1), "D2:2");
    EXPECT_EQ(Notes(reading), "4:unknown[Loop], 18:unknown[rap ]");
}
