// Line ends as the Windows runtime's text mode reads them, the same on both
// platforms: CR LF is one line end, a lone CR is an ordinary character and
// Ctrl-Z ends the input. fileSize counts the bytes on disk.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

struct EndCase {
    int row;
    std::string file;
    std::string document;
};

const EndCase kEndCases[] = {
    {1, "[S]\r\na=1\r\nb=2\r\n", "0:[S] a=1 b=2\n"},
    {2, "[S]\na=1\nb=2\n", "0:[S] a=1 b=2\n"},
    {3, "[S]\r\na=1\nb=2\r\n", "0:[S] a=1 b=2\n"},
    {4, "\r\n\r\n[S]\r\n\r\n", "0:[S]\n"},
    {5, "k=a\rb\r\n", "0:[] k=a\rb\n"},
    {6, "k=v\r\r\n", "0:[] k=v\r\n"},
    {7, "lone\rcr\n", "0:[] lone\rcr=\n"},
    {8, "\r\n", ""},
    {9, "\r", "0:[] \r=\n"},
    {10, "k=v\r", "0:[] k=v\r\n"},
    {11, "a=1\n\x1a" "b=2\n", "0:[] a=1\n"},
    {12, "a=1\x1a\nb=2\n", "0:[] a=1\n"},
    {13, "a=1\r\x1a\n", "0:[] a=1\r\n"},
    {14, "\x1a[S]\nk=v\n", ""},
    {15, "[S]\r\nk=v //c\r\n", "0:[S] k=v\n"},
};

TEST(ZefLineEnds, CrLfLfLoneCrAndCtrlZ) {
    ScratchDir dir;
    auto info = NewRecord();
    for (const EndCase &c : kEndCases) {
        ASSERT_EQ(ZEF_OK, OpenBytes(dir, c.file, info.get())) << "row " << c.row;
        EXPECT_EQ(c.document, Dump(*info)) << "row " << c.row;
    }
}

TEST(ZefLineEnds, FileSizeCountsEveryByte) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[S]\r\nk=v\r\n\x1a tail after Ctrl-Z", info.get()));
    EXPECT_EQ(29, info->fileSize);  // 5 + 5 + 1 + 18
    EXPECT_EQ("0:[S] k=v\n", Dump(*info));
}

}  // namespace
