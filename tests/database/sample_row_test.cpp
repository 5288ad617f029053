/* The text of one list box row. */
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "database/database.h"

namespace {

SampleRecord MakeRecord(const std::string &number, const std::string &name1, const std::string &name2,
                        const std::string &path)
{
    SampleRecord record;
    std::memset(&record, 0, sizeof record);
    SampleFields fields = {number.c_str(), path.c_str(), "", "loop", "1", name1.c_str(), name2.c_str()};
    CategoryList *list = new CategoryList();
    AppendSample(list, fields, 1);
    record = list->slots[0];
    delete list;
    return record;
}

} // namespace

TEST(SampleRow, RowTexts)
{
    struct Row {
        int id;
        SampleRecord record;
        std::string expected;
    } rows[] = {
        {1, MakeRecord("12", "Basse", "profonde", "C:\\Ejay\\Dance\\Bass\\b01.pxd"),
         "<n\xB0" "12> - [Basse] - [profonde] - [adresse: C:\\Ejay\\Dance\\Bass\\b01.pxd]"},
        {2, MakeRecord("", "Voix", "éthérée", "D:\\v.pxd"),
         "<n\xB0> - [Voix] - [\xE9th\xE9r\xE9" "e] - [adresse: D:\\v.pxd]"},
        {3, MakeRecord("", "", "", ""), "<n\xB0> - [] - [] - [adresse: ]"},
    };
    for (const Row &row : rows) {
        char text[ROW_TEXT_CAPACITY];
        int length = FormatSampleRow(row.record, text, sizeof text);
        EXPECT_EQ(std::string(text), row.expected) << "row " << row.id;
        EXPECT_EQ(length, static_cast<int>(row.expected.size())) << "row " << row.id;
    }
}

TEST(SampleRow, AFullWidthRecordIsShownWhole)
{
    SampleRecord record = MakeRecord(std::string(9, '9'), std::string(49, 'a'), std::string(49, 'b'),
                                     std::string(255, 'p'));
    char text[ROW_TEXT_CAPACITY];
    int length = FormatSampleRow(record, text, sizeof text);
    EXPECT_EQ(length, 390);
    std::string row(text);
    EXPECT_EQ(row.size(), 390u);
    EXPECT_EQ(row.substr(row.size() - 6), "ppppp]");
}

TEST(SampleRow, ASmallBufferIsCutAndTerminated)
{
    SampleRecord record = MakeRecord("1", "Basse", "profonde", "C:\\b.pxd");
    char text[9];
    std::memset(text, 'z', sizeof text);
    EXPECT_EQ(FormatSampleRow(record, text, sizeof text), 8);
    EXPECT_EQ(std::string(text), "<n\xB0" "1> - ");
    EXPECT_EQ(FormatSampleRow(record, nullptr, 10), 0);
}
