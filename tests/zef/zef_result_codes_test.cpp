// Every failure code, in the order the checks are made: each row breaks one
// more precondition than the first check it expects to trip. Functions of
// the same shape share one table.
#include "zef_test_support.h"

using namespace zeftest;

namespace {

struct Row {
    int row;
    int result, expected;
};

void ExpectRows(const char *function, std::initializer_list<Row> rows)
{
    for (const Row &r : rows)
        EXPECT_EQ(r.expected, r.result) << function << " row " << r.row;
}

class ZefResultCodes : public ZefTest {
protected:
    void SetUp() override { Parse("[C]\nm=v\n"); }
    std::unique_ptr<ZEFINFO> cleared = std::make_unique<ZEFINFO>();
    char out[ZEF_TEXT_SIZE] = "";
    std::string tooLong = std::string(256, 'L'); // one more than a field holds
};

TEST_F(ZefResultCodes, OpenAndWrite)
{
    std::string missing = File("missing.ini"), target = File("out.ini");
    WriteBytes(File("input.ini"), "k=v\n");
    fs::create_directory(target); // a folder where the file should be
    ExpectRows("open/write", {{1, ZEF_OpenFile(nullptr, nullptr), ZEF_FAIL},
                              {2, ZEF_OpenFile(Str(""), info.get()), ZEF_FAIL},
                              {3, Open(missing, nullptr), ZEF_FAIL}, // the file test comes first
                              {4, Open(missing, info.get()), ZEF_FAIL},
                              {5, Open(folder, info.get()), ZEF_FAIL}, // a folder is no file
                              {6, Open(File("input.ini"), nullptr), ZEF_NOINFO},
                              {7, ZEF_WriteFile(nullptr, nullptr), ZEF_NOINFO},
                              {8, ZEF_WriteFile(nullptr, cleared.get()), ZEF_FAIL},
                              {9, ZEF_WriteFile(Str(""), cleared.get()), ZEF_FAIL},
                              {10, ZEF_WriteFile(Str(File("never.ini")), cleared.get()), ZEF_NOINFO},
                              {11, ZEF_WriteFile(Str(target), cleared.get()), ZEF_NOINFO},
                              {12, ZEF_WriteFile(Str(target), info.get()), ZEF_FAIL},
                              {13, ZEF_WriteFile(Str(File("absent/out.ini")), info.get()), ZEF_FAIL},
                              {14, Open(File(tooLong), info.get()), ZEF_FAIL},
                              {15, ZEF_WriteFile(Str(File(tooLong)), info.get()), ZEF_FAIL}});
    EXPECT_EQ("0:[C] m=v\n", Doc()); // failed opens left it as it was
    // A record never opened neither creates a file nor touches one.
    EXPECT_FALSE(fs::exists(File("never.ini")));
    EXPECT_TRUE(fs::is_directory(target));
}

// Functions taking one name: the existence tests, the deletions, AddClass.
TEST_F(ZefResultCodes, OneName)
{
    const struct {
        const char *function;
        int (*call)(char *, ZEFINFO *);
        const char *present;
        int onCleared, absent, found;
    } functions[] = {{"ZEF_ExistClass", ZEF_ExistClass, "c", ZEF_NOINFO, 0, 1},
                     {"ZEF_ExistMember", ZEF_ExistMember, "M", ZEF_NOINFO, 0, 1},
                     {"ZEF_ExistInit", ZEF_ExistInit, "V", ZEF_NOINFO, 0, 1},
                     {"ZEF_DelMember", ZEF_DelMember, "M", ZEF_NOINFO, ZEF_FAIL, ZEF_OK},
                     {"ZEF_DelClass", ZEF_DelClass, "c", ZEF_NOINFO, ZEF_FAIL, ZEF_OK},
                     {"ZEF_AddClass", ZEF_AddClass, "n", ZEF_OK, ZEF_OK, ZEF_OK}};
    for (const auto &f : functions) {
        ExpectRows(f.function, {{1, f.call(nullptr, nullptr), ZEF_FAIL},
                                {2, f.call(Str(""), info.get()), ZEF_FAIL},
                                {3, f.call(Str(f.present), nullptr), ZEF_NOINFO},
                                {4, f.call(Str(f.present), cleared.get()), f.onCleared},
                                {5, f.call(Str("absent"), info.get()), f.absent},
                                {6, f.call(Str(tooLong), info.get()), ZEF_FAIL},
                                {7, f.call(Str(f.present), info.get()), f.found}});
    }
}

// Functions taking a name and a new name or value; failed calls change nothing.
TEST_F(ZefResultCodes, NameAndText)
{
    const struct {
        const char *function;
        int (*call)(char *, char *, ZEFINFO *);
        const char *name;
    } functions[] = {
        {"ZEF_SetClass", ZEF_SetClass, "C"}, {"ZEF_SetMember", ZEF_SetMember, "m"}, {"ZEF_SetInit", ZEF_SetInit, "m"}};
    for (const auto &f : functions) {
        ExpectRows(f.function, {{1, f.call(nullptr, Str("n"), nullptr), ZEF_FAIL},
                                {2, f.call(Str(""), Str("n"), info.get()), ZEF_FAIL},
                                {3, f.call(Str(f.name), nullptr, nullptr), ZEF_FAIL},
                                {4, f.call(Str(f.name), Str("n"), nullptr), ZEF_NOINFO},
                                {5, f.call(Str(f.name), Str("n"), cleared.get()), ZEF_NOINFO},
                                {6, f.call(Str("absent"), Str("n"), info.get()), ZEF_FAIL},
                                {7, f.call(Str(tooLong), Str("n"), info.get()), ZEF_FAIL},
                                {8, f.call(Str(f.name), Str(tooLong), info.get()), ZEF_FAIL}});
    }
    EXPECT_EQ("0:[C] m=v\n", Doc());
}

TEST_F(ZefResultCodes, GetInitAndAddMember)
{
    ExpectRows("ZEF_GetInit", {{1, ZEF_GetInit(nullptr, nullptr, nullptr), ZEF_FAIL},
                               {2, ZEF_GetInit(Str(""), out, info.get()), ZEF_FAIL},
                               {3, ZEF_GetInit(Str("m"), nullptr, nullptr), ZEF_NOINFO},
                               {4, ZEF_GetInit(Str("m"), nullptr, cleared.get()), ZEF_FAIL},
                               {5, ZEF_GetInit(Str("m"), out, cleared.get()), ZEF_NOINFO},
                               {6, ZEF_GetInit(Str("absent"), out, info.get()), ZEF_FAIL},
                               {7, ZEF_GetInit(Str(tooLong), out, info.get()), ZEF_FAIL},
                               {8, ZEF_GetInit(Str("m"), out, info.get()), ZEF_OK}});
    EXPECT_STREQ("v", out);
    ExpectRows("ZEF_AddMember", {{1, ZEF_AddMember(nullptr, Str("m"), Str("v"), nullptr), ZEF_FAIL},
                                 {2, ZEF_AddMember(Str(""), Str("m"), Str("v"), nullptr), ZEF_FAIL},
                                 {3, ZEF_AddMember(Str("C"), nullptr, Str("v"), nullptr), ZEF_FAIL},
                                 {4, ZEF_AddMember(Str("C"), Str(""), Str("v"), nullptr), ZEF_FAIL},
                                 {5, ZEF_AddMember(Str("C"), Str("m"), nullptr, nullptr), ZEF_FAIL},
                                 {6, ZEF_AddMember(Str("C"), Str("m"), nullptr, cleared.get()), ZEF_FAIL},
                                 {7, ZEF_AddMember(Str("C"), Str("m"), Str("v"), nullptr), ZEF_NOINFO},
                                 {8, ZEF_AddMember(Str("absent"), Str("m"), Str("v"), info.get()), ZEF_FAIL},
                                 {9, ZEF_AddMember(Str(tooLong), Str("m"), Str("v"), info.get()), ZEF_FAIL},
                                 {10, ZEF_AddMember(Str("C"), Str(tooLong), Str("v"), info.get()), ZEF_FAIL},
                                 {11, ZEF_AddMember(Str("C"), Str("m2"), Str(tooLong), info.get()), ZEF_FAIL}});
    EXPECT_EQ(0, cleared->opened); // refused arguments leave the records alone
    EXPECT_EQ("0:[C] m=v\n", Doc());
}

// Arguments of 255 characters, the most a field holds, are taken whole.
TEST_F(ZefResultCodes, LongArguments)
{
    std::string longest(255, 'K');
    EXPECT_EQ(ZEF_OK, ZEF_SetInit(Str("m"), Str(longest), info.get()));
    EXPECT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str(longest), Str(longest), info.get()));
    EXPECT_EQ(longest, GetInit(info.get(), "m"));
    EXPECT_EQ(longest, GetInit(info.get(), longest));
}

} // namespace
