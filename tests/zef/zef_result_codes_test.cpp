// Every failure code, checked in the order the checks are made: each row
// breaks one more precondition than the first check it expects to trip.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

struct CodeRow {
    int row;
    int result;
    int expected;
};

void ExpectRows(const char *function, std::initializer_list<CodeRow> rows) {
    for (const CodeRow &r : rows) EXPECT_EQ(r.expected, r.result) << function << " row " << r.row;
}

class ZefResultCodes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[C]\nm=v\n", opened.get()));
        existing = dir.Path("input.ini");
        missing = dir.Path("missing.ini");
    }
    ScratchDir dir;
    std::unique_ptr<ZEFINFO> opened = NewRecord();
    std::unique_ptr<ZEFINFO> cleared = NewRecord();
    std::string existing, missing;
    char out[ZEF_TEXT_SIZE] = "";
};

TEST(ZefVersion, IsExactlyOne) { EXPECT_EQ(1.0, ZEF_GetVersion()); }

TEST_F(ZefResultCodes, OpenFile) {
    ExpectRows("ZEF_OpenFile", {
        {1, ZEF_OpenFile(nullptr, nullptr), ZEF_FAIL},
        {2, ZEF_OpenFile(Str(""), opened.get()), ZEF_FAIL},
        {3, Open(missing, nullptr), ZEF_FAIL},  // the file test comes first
        {4, Open(missing, opened.get()), ZEF_FAIL},
        {5, Open(dir.Dir().string(), opened.get()), ZEF_FAIL},  // a folder is no file
        {6, Open(existing, nullptr), ZEF_NOINFO},
    });
    EXPECT_EQ("0:[C] m=v\n", Dump(*opened));  // failed opens left it as it was
}

TEST_F(ZefResultCodes, WriteFile) {
    std::string target = dir.Path("out.ini");
    ExpectRows("ZEF_WriteFile", {
        {1, ZEF_WriteFile(nullptr, nullptr), ZEF_NOINFO},
        {2, ZEF_WriteFile(nullptr, cleared.get()), ZEF_FAIL},
        {3, ZEF_WriteFile(Str(""), cleared.get()), ZEF_FAIL},
        {4, Write(target, cleared.get()), ZEF_NOINFO},
        {5, Write(dir.Path("no-such-folder/out.ini"), opened.get()), ZEF_FAIL},
        {6, Write(target, opened.get()), ZEF_OK},
    });
    // A record never opened neither creates nor cuts a file.
    WriteBytes(target, "kept\r\n");
    EXPECT_EQ(ZEF_NOINFO, Write(target, cleared.get()));
    EXPECT_EQ("kept\r\n", ReadBytes(target));
    EXPECT_EQ(ZEF_NOINFO, Write(dir.Path("never.ini"), cleared.get()));
    EXPECT_FALSE(fs::exists(dir.Path("never.ini")));
}

TEST_F(ZefResultCodes, ExistenceTests) {
    using Exist = int (*)(char *, ZEFINFO *);
    const struct {
        const char *name;
        Exist exist;
        const char *present;
    } functions[] = {
        {"ZEF_ExistClass", ZEF_ExistClass, "c"},
        {"ZEF_ExistMember", ZEF_ExistMember, "M"},
        {"ZEF_ExistInit", ZEF_ExistInit, "V"},
    };
    for (const auto &f : functions) {
        ExpectRows(f.name, {
            {1, f.exist(nullptr, nullptr), ZEF_FAIL},
            {2, f.exist(Str(""), nullptr), ZEF_FAIL},
            {3, f.exist(Str(f.present), nullptr), ZEF_NOINFO},
            {4, f.exist(Str(f.present), cleared.get()), ZEF_NOINFO},
            {5, f.exist(Str("absent"), opened.get()), 0},
            {6, f.exist(Str(f.present), opened.get()), 1},
        });
    }
}

TEST_F(ZefResultCodes, GetInit) {
    ExpectRows("ZEF_GetInit", {
        {1, ZEF_GetInit(nullptr, nullptr, nullptr), ZEF_FAIL},
        {2, ZEF_GetInit(Str(""), out, opened.get()), ZEF_FAIL},
        {3, ZEF_GetInit(Str("m"), nullptr, nullptr), ZEF_NOINFO},
        {4, ZEF_GetInit(Str("m"), nullptr, cleared.get()), ZEF_FAIL},
        {5, ZEF_GetInit(Str("m"), out, cleared.get()), ZEF_NOINFO},
        {6, ZEF_GetInit(Str("absent"), out, opened.get()), ZEF_FAIL},
        {7, ZEF_GetInit(Str("m"), out, opened.get()), ZEF_OK},
    });
    EXPECT_STREQ("v", out);
}

TEST_F(ZefResultCodes, AddClass) {
    ExpectRows("ZEF_AddClass", {
        {1, ZEF_AddClass(nullptr, nullptr), ZEF_FAIL},
        {2, ZEF_AddClass(Str(""), opened.get()), ZEF_FAIL},
        {3, ZEF_AddClass(Str("n"), nullptr), ZEF_NOINFO},
        {4, ZEF_AddClass(Str("n"), opened.get()), ZEF_OK},
    });
    for (int i = 2; i < ZEF_MAX_CLASSES; i++) ZEF_AddClass(Str("f"), opened.get());
    EXPECT_EQ(ZEF_FAIL, ZEF_AddClass(Str("full"), opened.get()));
}

TEST_F(ZefResultCodes, AddMember) {
    ExpectRows("ZEF_AddMember", {
        {1, ZEF_AddMember(nullptr, Str("m"), Str("v"), nullptr), ZEF_FAIL},
        {2, ZEF_AddMember(Str(""), Str("m"), Str("v"), nullptr), ZEF_FAIL},
        {3, ZEF_AddMember(Str("C"), nullptr, Str("v"), nullptr), ZEF_FAIL},
        {4, ZEF_AddMember(Str("C"), Str(""), Str("v"), nullptr), ZEF_FAIL},
        {5, ZEF_AddMember(Str("C"), Str("m"), nullptr, nullptr), ZEF_FAIL},
        {6, ZEF_AddMember(Str("C"), Str("m"), Str("v"), nullptr), ZEF_NOINFO},
        {7, ZEF_AddMember(Str("absent"), Str("m"), Str("v"), opened.get()), ZEF_FAIL},
        {8, ZEF_AddMember(Str("c"), Str("m2"), Str(""), opened.get()), ZEF_OK},
    });
    EXPECT_EQ(0, cleared->opened);
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("m"), nullptr, cleared.get()));
    EXPECT_EQ(0, cleared->opened);  // refused arguments leave the record alone
}

TEST_F(ZefResultCodes, DelClassAndSetClass) {
    ExpectRows("ZEF_DelClass", {
        {1, ZEF_DelClass(nullptr, nullptr), ZEF_FAIL},
        {2, ZEF_DelClass(Str(""), opened.get()), ZEF_FAIL},
        {3, ZEF_DelClass(Str("C"), nullptr), ZEF_NOINFO},
        {4, ZEF_DelClass(Str("C"), cleared.get()), ZEF_NOINFO},
        {5, ZEF_DelClass(Str("absent"), opened.get()), ZEF_FAIL},
    });
    ExpectRows("ZEF_SetClass", {
        {1, ZEF_SetClass(nullptr, Str("n"), nullptr), ZEF_FAIL},
        {2, ZEF_SetClass(Str(""), Str("n"), opened.get()), ZEF_FAIL},
        {3, ZEF_SetClass(Str("C"), nullptr, nullptr), ZEF_FAIL},  // null new name
        {4, ZEF_SetClass(Str("C"), Str("n"), nullptr), ZEF_NOINFO},
        {5, ZEF_SetClass(Str("C"), Str("n"), cleared.get()), ZEF_NOINFO},
        {6, ZEF_SetClass(Str("absent"), Str("n"), opened.get()), ZEF_FAIL},
    });
    EXPECT_EQ("0:[C] m=v\n", Dump(*opened));
    EXPECT_EQ(ZEF_OK, ZEF_DelClass(Str("c"), opened.get()));
}

TEST_F(ZefResultCodes, MemberEdits) {
    ExpectRows("ZEF_DelMember", {
        {1, ZEF_DelMember(nullptr, nullptr), ZEF_FAIL},
        {2, ZEF_DelMember(Str(""), opened.get()), ZEF_FAIL},
        {3, ZEF_DelMember(Str("m"), nullptr), ZEF_NOINFO},
        {4, ZEF_DelMember(Str("m"), cleared.get()), ZEF_NOINFO},
        {5, ZEF_DelMember(Str("absent"), opened.get()), ZEF_FAIL},
    });
    ExpectRows("ZEF_SetMember", {
        {1, ZEF_SetMember(nullptr, Str("n"), nullptr), ZEF_FAIL},
        {2, ZEF_SetMember(Str(""), Str("n"), opened.get()), ZEF_FAIL},
        {3, ZEF_SetMember(Str("m"), nullptr, nullptr), ZEF_FAIL},  // null new name
        {4, ZEF_SetMember(Str("m"), Str("n"), nullptr), ZEF_NOINFO},
        {5, ZEF_SetMember(Str("m"), Str("n"), cleared.get()), ZEF_NOINFO},
        {6, ZEF_SetMember(Str("absent"), Str("n"), opened.get()), ZEF_FAIL},
    });
    ExpectRows("ZEF_SetInit", {
        {1, ZEF_SetInit(nullptr, Str("x"), nullptr), ZEF_FAIL},
        {2, ZEF_SetInit(Str(""), Str("x"), opened.get()), ZEF_FAIL},
        {3, ZEF_SetInit(Str("m"), nullptr, nullptr), ZEF_FAIL},  // null value
        {4, ZEF_SetInit(Str("m"), Str("x"), nullptr), ZEF_NOINFO},
        {5, ZEF_SetInit(Str("m"), Str("x"), cleared.get()), ZEF_NOINFO},
        {6, ZEF_SetInit(Str("absent"), Str("x"), opened.get()), ZEF_FAIL},
    });
    EXPECT_EQ("0:[C] m=v\n", Dump(*opened));  // failed calls changed nothing
}

}  // namespace
