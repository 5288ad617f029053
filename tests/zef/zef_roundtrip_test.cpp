// Writing: the layout, byte for byte, and documents that read back the same.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

struct TripCase {
    int row;
    std::string input;
    std::string written;
};

const TripCase kTripCases[] = {
    // Files already in the written layout come back byte for byte.
    {1, "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n",
        "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n"},
    {2, "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n",
        "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n"},
    {3, "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n", "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n"},
    {4, "[Empty]\r\n\r\n", "[Empty]\r\n\r\n"},
    // Comments, spacing and text after "]" are not kept; LF becomes CR LF.
    {5, "; note\n[S] tail\n  k =  v ;c\n\n\nlone\n", "[S]\r\nk=v\r\nlone=\r\n\r\n"},
    {6, "only=nameless\n", "only=nameless\r\n\r\n"},
    {7, "", ""},
    {8, "; only comments\n\n", ""},
    // Empty brackets get no header: on reading again its members join the
    // class before it.
    {9, "[A]\na=1\n[]\nb=2\n", "[A]\r\na=1\r\n\r\nb=2\r\n\r\n"},
    {10, "k=a\rb\n", "k=a\rb\r\n\r\n"},
};

TEST(ZefRoundTrip, WrittenBytes) {
    ScratchDir dir;
    auto info = NewRecord();
    for (const TripCase &c : kTripCases) {
        ASSERT_EQ(ZEF_OK, OpenBytes(dir, c.input, info.get())) << "row " << c.row;
        ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get())) << "row " << c.row;
        EXPECT_EQ(c.written, ReadBytes(dir.Path("out.ini"))) << "row " << c.row;
    }
}

TEST(ZefRoundTrip, ReadsBackTheSameDocument) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "a=0\n[A]\nx=1\ny=two words\n[B]\nz=\n[A]\nx=dup\n", info.get()));
    std::string before = Dump(*info);
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    auto again = NewRecord();
    ASSERT_EQ(ZEF_OK, Open(dir.Path("out.ini"), again.get()));
    EXPECT_EQ(before, Dump(*again));
    EXPECT_EQ("0:[] a=0\n1:[A] x=1 y=two words\n2:[B] z=\n3:[A] x=dup\n", before);
}

TEST(ZefRoundTrip, EmptyBracketsJoinThePreviousClassOnRereading) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[A]\na=1\n[]\nb=2\n", info.get()));
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    ASSERT_EQ(ZEF_OK, Open(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("0:[A] a=1 b=2\n", Dump(*info));
}

TEST(ZefRoundTrip, WritingLeavesTheRecordAndWritesSeveralPaths) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[S]\nk=v\n", info.get()));
    std::string before = Dump(*info);
    ASSERT_EQ(ZEF_OK, Write(dir.Path("one.ini"), info.get()));
    ASSERT_EQ(ZEF_OK, Write(dir.Path("two.ini"), info.get()));
    EXPECT_EQ(before, Dump(*info));
    EXPECT_EQ(ReadBytes(dir.Path("one.ini")), ReadBytes(dir.Path("two.ini")));
    EXPECT_FALSE(fs::exists(dir.Path("one.ini.zeftmp")));
}

}  // namespace
