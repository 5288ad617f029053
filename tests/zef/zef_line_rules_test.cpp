// How each kind of line is read: comments, headers, member lines, and the
// characters that are dropped where a line starts.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace std::string_literals;
using namespace zeftest;

namespace {

struct LineCase {
    int row;
    std::string file;
    std::string document;  // Dump() of what must be read
};

const LineCase kLineCases[] = {
    {1, "; a comment\nk=v\n", "0:[] k=v\n"},
    {2, "/ one slash is enough\n// two as well\nk=v\n", "0:[] k=v\n"},
    {3, "#k=v\n", "0:[] #k=v\n"},
    {4, "k=http://host/page\n", "0:[] k=http:\n"},
    {5, "k=;the whole rest\n", "0:[] k=;the whole rest\n"},
    {6, "k=//all; of // it\n", "0:[] k=//all; of // it\n"},
    {7, "k=a;b\n", "0:[] k=a\n"},
    {8, "k=a\tb\n", "0:[] k=a\n"},
    {9, "k=a b  \t\n", "0:[] k=a b\n"},
    {10, "  \tk  \t=  \t v\n", "0:[] k=v\n"},
    {11, "two words = inner  blanks kept \n", "0:[] two words=inner  blanks kept\n"},
    {12, "lonely\n", "0:[] lonely=\n"},
    {13, "  lonely  \n", "0:[] lonely  =\n"},
    {14, "=v\n", "0:[] =v\n"},
    {15, "   \n\t\n", "0:[] = =\n"},
    {16, "k=a=b\n", "0:[] k=a=b\n"},
    {17, "k = ; note\n", "0:[] k=; note\n"},
    {18, "k=\t;x\n", "0:[] k=;x\n"},
    {19, "k=a / b\n", "0:[] k=a / b\n"},
    {20, "k=v;\n", "0:[] k=v\n"},
    {21, "k=\n", "0:[] k=\n"},
    {22, "[Sys]\nk=v\n", "0:[Sys] k=v\n"},
    {23, "[Sys\nk=v\n", "0:[Sys] k=v\n"},
    {24, "[Sys] after ] ignored\nk=v\n", "0:[Sys] k=v\n"},
    {25, "[ S y ]\n", "0:[ S y ]\n"},
    {26, " [Sys]\n", "0:[] [Sys]=\n"},
    {27, "a=1\n[S]\nb=2\n", "0:[] a=1\n1:[S] b=2\n"},
    {28, "[]\nk=v\n", "0:[] k=v\n"},
    {29, "[A]\na=1\n[]\nb=2\n", "0:[A] a=1\n1:[] b=2\n"},
    {30, "\0k=v\n"s, "0:[] k=v\n"},
    {31, "\xFFk=v\n", "0:[] k=v\n"},
    {32, "\0\xFF\0[S]\nk=v\n"s, "0:[S] k=v\n"},
    {33, "\0\n\xFF\nk=v\n"s, "0:[] k=v\n"},
    {34, "k=v\0ignored\n"s, "0:[] k=v\n"},
    {35, "k=a\xFF\n", "0:[] k=a\xFF\n"},
    {36, "\xE9t\xE9=\xC9T\xC9\n", "0:[] \xE9t\xE9=\xC9T\xC9\n"},
    {37, "\n\n[S]\n\n;c\n/c\n\n", "0:[S]\n"},
    {38, "k=v", "0:[] k=v\n"},
    {39, "k=v //note", "0:[] k=v\n"},
    {40, "", ""},
};

TEST(ZefLineRules, EachKindOfLine) {
    ScratchDir dir;
    auto info = NewRecord();
    for (const LineCase &c : kLineCases) {
        ASSERT_EQ(ZEF_OK, OpenBytes(dir, c.file, info.get())) << "row " << c.row;
        EXPECT_EQ(c.document, Dump(*info)) << "row " << c.row;
    }
}

TEST(ZefLineRules, CountsFollowWhatWasRead) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "a=1\n[S]\nb=2\nc\n[T]\n", info.get()));
    EXPECT_EQ(1, info->opened);
    EXPECT_EQ(3, info->classCount);
    EXPECT_EQ(3, info->memberTotal);
    EXPECT_EQ(3, info->initTotal);
    EXPECT_EQ(1, info->classes[0].memberCount);
    EXPECT_EQ(2, info->classes[1].memberCount);
    EXPECT_EQ(0, info->classes[2].memberCount);
}

TEST(ZefLineRules, OpeningReplacesTheWholeRecord) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[A]\na=1\n[B]\nb=2\n", info.get()));
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "c=3\n", info.get()));
    EXPECT_EQ("0:[] c=3\n", Dump(*info));
    EXPECT_EQ(0, info->classes[1].name[0]);
    EXPECT_EQ(1, info->memberTotal);
}

TEST(ZefLineRules, EmptyFileIsAnOpenedEmptyDocument) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "", info.get()));
    EXPECT_EQ(1, info->opened);
    EXPECT_EQ(0, info->classCount);
    EXPECT_EQ(0, info->fileSize);
}

struct SplitCase {
    int row;
    std::string relative;  // below the scratch folder
    std::string fileName;
    std::string directory;  // below the scratch folder
};

TEST(ZefLineRules, PathIsSplitAtTheLastSeparator) {
    ScratchDir dir;
    fs::create_directory(dir.Dir() / "sub");
    fs::create_directory(dir.Path("sub\\q"));  // a folder "sub\q" natively, sub/q on Windows
    const SplitCase cases[] = {
        {1, "/sub/x.ini", "x.ini", "/sub"},
        {2, "/sub\\y.ini", "y.ini", "/sub"},
        {3, "/sub\\q/z.ini", "z.ini", "/sub\\q"},
    };
    auto info = NewRecord();
    std::string base = dir.Dir().string();
    for (const SplitCase &c : cases) {
        std::string path = base + c.relative;
        WriteBytes(path, "k=v\n");
        ASSERT_EQ(ZEF_OK, Open(path, info.get())) << "row " << c.row;
        EXPECT_STREQ(c.fileName.c_str(), info->fileName) << "row " << c.row;
        EXPECT_EQ(base + c.directory, info->directory) << "row " << c.row;
    }
}

TEST(ZefLineRules, PathWithoutSeparatorIsAllFileName) {
    const std::string name = "zef-plain-name.ini";
    WriteBytes(name, "k=v\n");
    auto info = NewRecord();
    EXPECT_EQ(ZEF_OK, Open(name, info.get()));
    EXPECT_STREQ("zef-plain-name.ini", info->fileName);
    EXPECT_STREQ("", info->directory);
    fs::remove(name);
}

}  // namespace
