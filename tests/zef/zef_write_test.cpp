// Writing: the layout byte for byte, documents that read back the same, and
// a write that fails leaving the old file.
#include "zef_test_support.h"

using namespace zeftest;

namespace {

class ZefWrite : public ZefTest {};

struct TripCase {
    int row;
    std::string input;
    std::string written;
};

const TripCase kTripCases[] = {
    // Files already in the written layout come back byte for byte.
    {1, "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n",
     "[System]\r\nWinDir=C:\\WINDOWS\r\nRunEjay=1\r\n\r\n[Fen]\r\nX=10\r\n\r\n"},
    {2, "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n", "top=1\r\nnext=\r\n\r\n[S]\r\nk=v a l\r\n\r\n"},
    {3, "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n[Empty]\r\n\r\n", "[\xE9t\xE9]\r\n\xC9=caf\xE9\r\n\r\n[Empty]\r\n\r\n"},
    // Comments, spacing and text after "]" are not kept; LF becomes CR LF.
    {4, "; note\n[S] tail\n  k =  v ;c\n\n\nlone\n", "[S]\r\nk=v\r\nlone=\r\n\r\n"},
    {5, "", ""},
    {6, "; only comments\n\n", ""},
    // Empty brackets get no header: on reading again, their members join
    // the class before them.
    {7, "[A]\na=1\n[]\nb=2\n", "[A]\r\na=1\r\n\r\nb=2\r\n\r\n"},
    {8, "k=a\rb\n", "k=a\rb\r\n\r\n"}};

TEST_F(ZefWrite, WrittenBytes)
{
    for (const TripCase &c : kTripCases) {
        Parse(c.input);
        EXPECT_EQ(c.written, Written()) << "row " << c.row;
    }
}

TEST_F(ZefWrite, ReadsBackTheSameDocument)
{
    Parse("a=0\n[A]\nx=1\ny=two words\n[B]\nz=\n[A]\nx=dup\n");
    const std::string document = "0:[] a=0\n1:[A] x=1 y=two words\n2:[B] z=\n3:[A] x=dup\n";
    EXPECT_EQ(document, Doc());
    std::string first = Written(), second = Written();
    EXPECT_EQ(document, Doc()); // writing leaves the record alone
    EXPECT_EQ(first, second);
    ASSERT_EQ(ZEF_OK, Open(File("out.ini"), info.get()));
    EXPECT_EQ(document, Doc());
}

// ZEF writes through the file layer's one replacing routine (its own tests
// cover the ways a save fails): a write that cannot happen leaves the old
// file as it was.
TEST_F(ZefWrite, FailedWriteLeavesTheOldFile)
{
    Parse("[New]\nk=v\n");
    WriteBytes(File("settings.ini"), "old\r\n");
    fs::create_directory(File("settings.ini.tmp")); // the temporary file cannot be made
    EXPECT_EQ(ZEF_FAIL, ZEF_WriteFile(Str(File("settings.ini")), info.get()));
    EXPECT_EQ(ZEF_FAIL, ZEF_WriteFile(Str(File("absent/settings.ini")), info.get()));
    EXPECT_EQ("old\r\n", ReadBytes(File("settings.ini")));
}

} // namespace
