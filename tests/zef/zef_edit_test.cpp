// Edits in memory: building a document from a cleared record, deleting,
// renaming and setting values.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

TEST(ZefEdit, BuildFromAClearedRecordAndWrite) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("System"), info.get()));
    EXPECT_EQ(1, info->opened);
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("system"), Str("WinDir"), Str("C:\\WINDOWS"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("System"), Str("Empty"), Str(""), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("Fen"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("Fen"), Str("x"), Str("10"), info.get()));
    EXPECT_EQ(2, info->classCount);
    EXPECT_EQ(3, info->memberTotal);
    EXPECT_EQ(3, info->initTotal);
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[System]\r\nWinDir=C:\\WINDOWS\r\nEmpty=\r\n\r\n[Fen]\r\nx=10\r\n\r\n",
              ReadBytes(dir.Path("out.ini")));
}

TEST(ZefEdit, GetInitReplacesALongerEarlierText) {
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("C"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("short"), Str("ab"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("empty"), Str(""), info.get()));
    char out[ZEF_TEXT_SIZE] = "a much longer earlier text";
    ASSERT_EQ(ZEF_OK, ZEF_GetInit(Str("SHORT"), out, info.get()));
    EXPECT_STREQ("ab", out);
    EXPECT_EQ(0, out[3]);  // the old text is cleared, not just cut
    ASSERT_EQ(ZEF_OK, ZEF_GetInit(Str("empty"), out, info.get()));
    EXPECT_STREQ("", out);
}

TEST(ZefEdit, DeletedMemberAndItsValueAreGoneAndNotWritten) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[C]\na=1\nb=2\nc=3\n", info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("B"), info.get()));
    EXPECT_EQ(0, ZEF_ExistMember(Str("b"), info.get()));
    EXPECT_EQ(0, ZEF_ExistInit(Str("2"), info.get()));
    EXPECT_EQ("<code 101>", GetInit(info.get(), "b"));
    EXPECT_EQ(2, info->classes[0].memberCount);
    EXPECT_EQ(2, info->memberTotal);
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[C]\r\na=1\r\nc=3\r\n\r\n", ReadBytes(dir.Path("out.ini")));
    // The freed slot is taken first: the new entry stands where the old one was.
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("new"), Str("4"), info.get()));
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[C]\r\na=1\r\nnew=4\r\nc=3\r\n\r\n", ReadBytes(dir.Path("out.ini")));
}

TEST(ZefEdit, RenamesAndValues) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[C]\na=1\nb=2\n", info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("a"), Str(""), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("b"), Str("B2"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("c"), Str("Cls"), info.get()));
    EXPECT_EQ("0:[Cls] a= B2=2\n", Dump(*info));
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[Cls]\r\na=\r\nB2=2\r\n\r\n", ReadBytes(dir.Path("out.ini")));
    // An empty new name is taken as given.
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("a"), Str(""), info.get()));
    EXPECT_EQ("0:[Cls] = B2=2\n", Dump(*info));
}

TEST(ZefEdit, DeletedClassTakesItsMembersAlong) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[A]\na=1\n[B]\nb=2\n", info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("a"), info.get()));
    EXPECT_EQ(0, ZEF_ExistMember(Str("a"), info.get()));
    EXPECT_EQ(1, info->classCount);
    EXPECT_EQ(1, info->memberTotal);
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[B]\r\nb=2\r\n\r\n", ReadBytes(dir.Path("out.ini")));
}

// A class added into a slot that ZEF_DelClass freed must not bring back the
// members of the class deleted there.
TEST(ZefEdit, ClassAddedIntoAFreedSlotStartsEmpty) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[Old]\nsecret=1\nother=2\n[Keep]\nk=v\n", info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("Old"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("New"), info.get()));
    EXPECT_STREQ("New", info->classes[0].name);
    EXPECT_EQ(0, info->classes[0].memberCount);
    EXPECT_EQ(0, ZEF_ExistMember(Str("secret"), info.get()));
    EXPECT_EQ(1, info->memberTotal);
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("New"), Str("n"), Str("1"), info.get()));
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("[New]\r\nn=1\r\n\r\n[Keep]\r\nk=v\r\n\r\n", ReadBytes(dir.Path("out.ini")));
}

TEST(ZefEdit, AddMemberOnAClearedRecordFailsButMarksItOpened) {
    ScratchDir dir;
    auto info = NewRecord();
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("m"), Str("v"), info.get()));
    EXPECT_EQ(1, info->opened);
    WriteBytes(dir.Path("out.ini"), "old content\r\n");
    ASSERT_EQ(ZEF_OK, Write(dir.Path("out.ini"), info.get()));
    EXPECT_EQ("", ReadBytes(dir.Path("out.ini")));
}

}  // namespace
