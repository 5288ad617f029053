// Lines longer than a field, and arguments longer than a field: nothing is
// ever left unterminated, read or written past 255 characters.
#include <cstring>

#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

const std::string kX300(300, 'x');
const std::string kX255(255, 'x');

struct LongCase {
    int row;
    std::string line;
    std::string name;   // expected member name, or class name for headers
    std::string value;  // expected init
};

// A line keeps its first 256 characters; a name or value taken from them is
// cut to 255 so that it always ends in a NUL.
const LongCase kLongCases[] = {
    {1, kX300, kX255, ""},
    {2, std::string(256, 'x'), kX255, ""},
    {3, kX255, kX255, ""},
    {4, "   " + kX300, std::string(253, 'x'), ""},  // the blanks count in the 256 kept
    {5, "k=;" + kX300, "k", ";" + std::string(253, 'x')},
    {6, "k=//" + kX300, "k", "//" + std::string(252, 'x')},
    {7, "=" + kX300, "", kX255},
    {8, "k=" + kX300, "k", std::string(254, 'x')},
    {9, kX300 + "=v", kX255, ""},
    {10, std::string(250, 'n') + "=" + kX300, std::string(250, 'n'), "xxxxx"},
};

TEST(ZefLongLines, MembersAreCutAndTerminated) {
    ScratchDir dir;
    auto info = NewRecord();
    for (const LongCase &c : kLongCases) {
        ASSERT_EQ(ZEF_OK, OpenBytes(dir, c.line + "\r\nnext=1\r\n", info.get())) << "row " << c.row;
        const ZEFCLASS &cls = info->classes[0];
        ASSERT_EQ(2, cls.memberCount) << "row " << c.row;
        ASSERT_NE(nullptr, std::memchr(cls.members[0].name, '\0', ZEF_TEXT_SIZE)) << "row " << c.row;
        ASSERT_NE(nullptr, std::memchr(cls.inits[0].text, '\0', ZEF_TEXT_SIZE)) << "row " << c.row;
        EXPECT_EQ(c.name, cls.members[0].name) << "row " << c.row;
        EXPECT_EQ(c.value, cls.inits[0].text) << "row " << c.row;
        EXPECT_STREQ("next", cls.members[1].name) << "row " << c.row;
        EXPECT_STREQ("1", cls.inits[1].text) << "row " << c.row;
    }
}

TEST(ZefLongLines, HeadersAreCutAndTerminated) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[" + kX300 + "]\nk=v\n[" + kX300 + "\nj=w\n", info.get()));
    EXPECT_EQ("0:[" + kX255 + "] k=v\n1:[" + kX255 + "] j=w\n", Dump(*info));
}

TEST(ZefLongLines, LongCommentDoesNotSpillIntoTheNextLine) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, ";" + kX300 + "=y\nk=v\n", info.get()));
    EXPECT_EQ("0:[] k=v\n", Dump(*info));
}

// Arguments of 256 characters are refused; 255 are taken whole.
TEST(ZefLongLines, LongArgumentsAreRefused) {
    ScratchDir dir;
    auto info = NewRecord();
    std::string long256(256, 'L');
    std::string ok255(255, 'K');
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("C"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("m"), Str("v"), info.get()));

    const struct {
        int row;
        int result;
    } rows[] = {
        {1, ZEF_ExistClass(Str(long256), info.get())},
        {2, ZEF_ExistMember(Str(long256), info.get())},
        {3, ZEF_ExistInit(Str(long256), info.get())},
        {4, ZEF_AddClass(Str(long256), info.get())},
        {5, ZEF_AddMember(Str(long256), Str("m"), Str("v"), info.get())},
        {6, ZEF_AddMember(Str("C"), Str(long256), Str("v"), info.get())},
        {7, ZEF_AddMember(Str("C"), Str("m2"), Str(long256), info.get())},
        {8, ZEF_DelClass(Str(long256), info.get())},
        {9, ZEF_DelMember(Str(long256), info.get())},
        {10, ZEF_SetMember(Str("m"), Str(long256), info.get())},
        {11, ZEF_SetClass(Str("C"), Str(long256), info.get())},
        {12, ZEF_SetInit(Str("m"), Str(long256), info.get())},
        {13, Open(dir.Path(long256), info.get())},
        {14, Write(dir.Path("") + long256, info.get())},
    };
    for (const auto &r : rows) EXPECT_EQ(ZEF_FAIL, r.result) << "row " << r.row;
    EXPECT_EQ("0:[C] m=v\n", Dump(*info));

    char out[ZEF_TEXT_SIZE] = "";
    EXPECT_EQ(ZEF_FAIL, ZEF_GetInit(Str(long256), out, info.get()));
    EXPECT_EQ(ZEF_OK, ZEF_SetInit(Str("m"), Str(ok255), info.get()));
    EXPECT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str(ok255), Str(ok255), info.get()));
    EXPECT_EQ(ok255, GetInit(info.get(), "m"));
    EXPECT_EQ(1, ZEF_ExistMember(Str(ok255), info.get()));
}

}  // namespace
