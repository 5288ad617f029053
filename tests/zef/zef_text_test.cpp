// The text of a document. Reading: each kind of line, line ends as the
// Windows runtime's text mode gives them (CR LF or LF ends a line, a lone CR
// is kept, Ctrl-Z ends the input), and lines longer than a field (cut,
// always terminated). Writing: the layout byte for byte.
#include <vector>

#include "zef_test_support.h"

using namespace std::string_literals;
using namespace zeftest;

namespace {

class ZefRead : public ZefTest {};

struct ReadCase {
    int row;
    std::string file;
    std::string document; // Dump() of what must be read
};

// Rows of one kind of rule share a line, as the rules are read.
// clang-format off
const ReadCase kReadCases[] = {
    // Comments, and where a value ends.
    {1, "; a comment\n/ one slash\n// two\nk=v\n", "0:[] k=v\n"}, {2, "#k=v\n", "0:[] #k=v\n"},
    {3, "k=http://host/page\n", "0:[] k=http:\n"}, {4, "k=;the whole rest\n", "0:[] k=;the whole rest\n"},
    {5, "k=//all; of // it\n", "0:[] k=//all; of // it\n"}, {6, "k=a;b\n", "0:[] k=a\n"},
    {7, "k=a\tb\n", "0:[] k=a\n"}, {8, "k = ; note\n", "0:[] k=; note\n"},
    {9, "k=\t;x\n", "0:[] k=;x\n"}, {10, "k=a / b\n", "0:[] k=a / b\n"},
    {11, "k=v;\n", "0:[] k=v\n"}, {12, "k=a=b\n", "0:[] k=a=b\n"},
    // Blanks: dropped around names and values, kept inside them.
    {13, "k=a b  \t\n", "0:[] k=a b\n"}, {14, "  \tk  \t=  \t v\n", "0:[] k=v\n"},
    {15, "two words = inner  blanks kept \n", "0:[] two words=inner  blanks kept\n"},
    {16, "  lonely  \n", "0:[] lonely  =\n"}, {17, "=v\n", "0:[] =v\n"},
    {18, "   \n\t\n", "0:[] = =\n"}, {19, "k=\n", "0:[] k=\n"},
    // Headers and the nameless class.
    {20, "[Sys]\nk=v\n", "0:[Sys] k=v\n"}, {21, "[Sys\nk=v\n", "0:[Sys] k=v\n"},
    {22, "[Sys] after ] ignored\nk=v\n", "0:[Sys] k=v\n"}, {23, "[ S y ]\n", "0:[ S y ]\n"},
    {24, " [Sys]\n", "0:[] [Sys]=\n"}, {25, "a=1\n[S]\nb=2\n", "0:[] a=1\n1:[S] b=2\n"},
    {26, "[]\nk=v\n", "0:[] k=v\n"}, {27, "[A]\na=1\n[]\nb=2\n", "0:[A] a=1\n1:[] b=2\n"},
    // NUL and 0xFF where a line starts are dropped; elsewhere kept or ending.
    {28, "\0k=v\n"s, "0:[] k=v\n"}, {29, "\0\xFF\0[S]\nk=v\n"s, "0:[S] k=v\n"},
    {30, "\0\n\xFF\nk=v\n"s, "0:[] k=v\n"}, {31, "k=v\0ignored\n"s, "0:[] k=v\n"},
    {32, "k=a\xFF\n", "0:[] k=a\xFF\n"}, {33, "\xE9t\xE9=\xC9T\xC9\n", "0:[] \xE9t\xE9=\xC9T\xC9\n"},
    {34, "", ""},
    // Line ends.
    {35, "[S]\r\na=1\nb=2\r\n", "0:[S] a=1 b=2\n"}, {36, "\r\n\r\n[S]\r\n\r\n;c\r\n", "0:[S]\n"},
    {37, "k=a\rb\r\n", "0:[] k=a\rb\n"}, {38, "k=v\r\r\n", "0:[] k=v\r\n"},
    {39, "lone\rcr\n", "0:[] lone\rcr=\n"}, {40, "\r", "0:[] \r=\n"},
    {41, "k=v //note", "0:[] k=v\n"}, {42, "a=1\n\x1a" "b=2\n", "0:[] a=1\n"},
    {43, "a=1\x1a\nb=2\n", "0:[] a=1\n"}, {44, "a=1\r\x1a\n", "0:[] a=1\r\n"},
    {45, "\x1a[S]\nk=v\n", ""},
    // A line keeps its first 256 characters; names and values taken from
    // them are cut to 255, so they always end in a NUL.
    {46, X(300) + "\nn=1\n", "0:[] " + X(255) + "= n=1\n"},
    {47, X(256) + "\nn=1\n", "0:[] " + X(255) + "= n=1\n"},
    {48, X(255) + "\nn=1\n", "0:[] " + X(255) + "= n=1\n"},
    {49, "   " + X(300) + "\nn=1\n", "0:[] " + X(253) + "= n=1\n"},
    {50, "k=;" + X(300) + "\nn=1\n", "0:[] k=;" + X(253) + " n=1\n"},
    {51, "k=//" + X(300) + "\nn=1\n", "0:[] k=//" + X(252) + " n=1\n"},
    {52, "=" + X(300) + "\nn=1\n", "0:[] =" + X(255) + " n=1\n"},
    {53, "k=" + X(300) + "\r\nn=1\n", "0:[] k=" + X(254) + " n=1\n"},
    {54, X(300) + "=v\nn=1\n", "0:[] " + X(255) + "= n=1\n"},
    {55, std::string(250, 'n') + "=" + X(300) + "\nn=1\n", "0:[] " + std::string(250, 'n') + "=xxxxx n=1\n"},
    {56, "[" + X(300) + "]\nk=v\n[" + X(300) + "\nj=w\n", "0:[" + X(255) + "] k=v\n1:[" + X(255) + "] j=w\n"},
    {57, ";" + X(300) + "=y\nk=v\n", "0:[] k=v\n"}
};
// clang-format on

TEST_F(ZefRead, EachKindOfLine)
{
    for (const ReadCase &c : kReadCases) {
        Parse(c.file);
        EXPECT_EQ(1, info->opened) << "row " << c.row;
        EXPECT_EQ(c.document, Doc()) << "row " << c.row;
    }
}

// Through a real file: the counts, the size on disk, the path split at the
// last separator.
TEST_F(ZefRead, OpenedFileFillsTheWholeRecord)
{
    fs::create_directory(File("sub"));
    std::string path = File("sub") + "\\y.ini"; // a name with a backslash natively, sub\y.ini on Windows
    WriteBytes(path, "a=1\n[S]\r\nb=2\nc\n[T]\n\x1a tail after Ctrl-Z");
    ASSERT_EQ(ZEF_OK, Open(path, info.get()));
    // Every byte on disk; classes, members, inits, members of [S].
    EXPECT_EQ(std::vector<int>({38, 3, 3, 3, 2}), std::vector<int>({info->fileSize, info->classCount, info->memberTotal,
                                                                    info->initTotal, info->classes[1].memberCount}));
    EXPECT_EQ("y.ini|" + File("sub"), std::string(info->fileName) + "|" + info->directory);
}

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
    {4, "[A]\r\nx=1\r\n\r\n[B]\r\n\r\n[A]\r\nx=dup\r\n\r\n", "[A]\r\nx=1\r\n\r\n[B]\r\n\r\n[A]\r\nx=dup\r\n\r\n"},
    // Comments, spacing and text after "]" are not kept; LF becomes CR LF.
    {5, "; note\n[S] tail\n  k =  v ;c\n\n\nlone\n", "[S]\r\nk=v\r\nlone=\r\n\r\n"},
    {6, "", ""},
    {7, "; only comments\n\n", ""},
    // Empty brackets get no header: on reading again, their members join
    // the class before them.
    {8, "[A]\na=1\n[]\nb=2\n", "[A]\r\na=1\r\n\r\nb=2\r\n\r\n"},
    {9, "k=a\rb\n", "k=a\rb\r\n\r\n"}};

TEST_F(ZefWrite, WrittenBytes)
{
    for (const TripCase &c : kTripCases) {
        Parse(c.input);
        EXPECT_EQ(c.written, Written()) << "row " << c.row;
    }
}

} // namespace
