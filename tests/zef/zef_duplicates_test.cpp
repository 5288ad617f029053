// Duplicate classes and members: the first in slot order is the one meant.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

const char kTwoClasses[] = "[A]\nk=first\n[a]\nk=second\nonly=2\n";

TEST(ZefDuplicates, SameHeaderTwiceMakesTwoClasses) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, kTwoClasses, info.get()));
    EXPECT_EQ(2, info->classCount);
    EXPECT_EQ("0:[A] k=first\n1:[a] k=second only=2\n", Dump(*info));
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("a"), Str("renamed"), info.get()));
    EXPECT_EQ("0:[renamed] k=first\n1:[a] k=second only=2\n", Dump(*info));
}

TEST(ZefDuplicates, MemberNamesAreKeysOfTheWholeDocument) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, kTwoClasses, info.get()));
    EXPECT_EQ(1, ZEF_ExistMember(Str("only"), info.get()));
    EXPECT_EQ("2", GetInit(info.get(), "only"));
    EXPECT_EQ("first", GetInit(info.get(), "K"));

    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("k"), Str("changed"), info.get()));
    EXPECT_EQ("0:[A] k=changed\n1:[a] k=second only=2\n", Dump(*info));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("k"), Str("j"), info.get()));
    EXPECT_EQ("0:[A] j=changed\n1:[a] k=second only=2\n", Dump(*info));
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("k"), info.get()));
    EXPECT_EQ("0:[A] j=changed\n1:[a] only=2\n", Dump(*info));
}

TEST(ZefDuplicates, DeletingTheFirstUncoversTheSecond) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, kTwoClasses, info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("k"), info.get()));
    EXPECT_EQ("second", GetInit(info.get(), "k"));
    EXPECT_EQ(0, ZEF_ExistInit(Str("first"), info.get()));
}

TEST(ZefDuplicates, AddedTwiceLookupsReachTheFirst) {
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("C"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("k"), Str("1"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("K"), Str("2"), info.get()));
    EXPECT_EQ("0:[C] k=1 K=2\n", Dump(*info));
    EXPECT_EQ("1", GetInit(info.get(), "k"));
}

TEST(ZefDuplicates, AddMemberFillsTheFirstClassOfThatNameThenTheNext) {
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("C"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("c"), info.get()));
    for (int i = 0; i < 2 * ZEF_MAX_MEMBERS; i++) {
        std::string name = "m" + std::to_string(i);
        ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str(name), Str("v"), info.get())) << name;
    }
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("more"), Str("v"), info.get()));
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[0].memberCount);
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[1].memberCount);
    EXPECT_STREQ("m199", info->classes[0].members[199].name);
    EXPECT_STREQ("m200", info->classes[1].members[0].name);
    EXPECT_EQ(2 * ZEF_MAX_MEMBERS, info->memberTotal);
}

}  // namespace
