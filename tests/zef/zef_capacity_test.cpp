// 200 classes of 200 members: what the reader and the adds do at the edge.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

TEST(ZefCapacity, HeadersPastThe200thJoinTheLastClass) {
    std::string file;
    for (int i = 0; i < 203; i++) file += "[c" + std::to_string(i) + "]\nm" + std::to_string(i) + "=1\n";
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, file, info.get()));
    EXPECT_EQ(ZEF_MAX_CLASSES, info->classCount);
    EXPECT_EQ(0, ZEF_ExistClass(Str("c200"), info.get()));
    EXPECT_STREQ("c199", info->classes[199].name);
    EXPECT_EQ(4, info->classes[199].memberCount);  // m199 and those of c200 to c202
    EXPECT_STREQ("m202", info->classes[199].members[3].name);
    EXPECT_EQ(203, info->memberTotal);
}

TEST(ZefCapacity, MembersPastThe200thAreIgnored) {
    std::string file = "[A]\n";
    for (int i = 0; i < 205; i++) file += "m" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    file += "[B]\nnext=1\n";
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, file, info.get()));
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[0].memberCount);
    EXPECT_EQ(1, ZEF_ExistMember(Str("m199"), info.get()));
    EXPECT_EQ(0, ZEF_ExistMember(Str("m200"), info.get()));
    EXPECT_EQ("1", GetInit(info.get(), "next"));
    EXPECT_EQ(201, info->memberTotal);
}

TEST(ZefCapacity, NamelessClassAlsoHolds200) {
    std::string file;
    for (int i = 0; i < 201; i++) file += "m" + std::to_string(i) + "\n";
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, file, info.get()));
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[0].memberCount);
    EXPECT_EQ(0, ZEF_ExistMember(Str("m200"), info.get()));
}

TEST(ZefCapacity, The201stAddedClassAndMemberAreRefused) {
    auto info = NewRecord();
    for (int i = 0; i < ZEF_MAX_CLASSES; i++)
        ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("c" + std::to_string(i)), info.get())) << i;
    EXPECT_EQ(ZEF_FAIL, ZEF_AddClass(Str("c200"), info.get()));
    EXPECT_EQ(ZEF_MAX_CLASSES, info->classCount);
    for (int i = 0; i < ZEF_MAX_MEMBERS; i++)
        ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("c7"), Str("m" + std::to_string(i)), Str("v"), info.get())) << i;
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("c7"), Str("m200"), Str("v"), info.get()));
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[7].memberCount);
    // A freed slot makes room again, at the freed place.
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("m5"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("c7"), Str("again"), Str("v"), info.get()));
    EXPECT_STREQ("again", info->classes[7].members[5].name);
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("c3"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("new"), info.get()));
    EXPECT_STREQ("new", info->classes[3].name);
}

}  // namespace
