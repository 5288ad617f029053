// Lookups and edits in memory: case rules, duplicates (the first in slot
// order is the one meant), freed slots and capacities.
#include "zef_test_support.h"

using namespace zeftest;

namespace {

class ZefEdit : public ZefTest {};

TEST(ZefCase, GetMajMapsAsciiLettersOnly)
{
    const struct {
        int row;
        char in;
        int out;
    } rows[] = {{1, 'q', 'Q'}, {2, 'Q', 'Q'}, {3, 'a', 'A'},    {4, 'z', 'Z'},     {5, '5', '5'},   {6, '`', '`'},
                {7, '{', '{'}, {8, '\0', 0},  {9, '\xE9', -23}, {10, '\xC9', -55}, {11, '\xFF', -1}};
    for (const auto &r : rows)
        EXPECT_EQ(r.out, ZEF_getMAJ(r.in)) << "row " << r.row;
}

TEST_F(ZefEdit, LookupsIgnoreAsciiCaseOnly)
{
    Parse("[System]\nWinDir=on\n[\xE9t\xE9]\n\xE9l\xE9ve=\xC9"
          "COLE\n");
    const struct {
        int row;
        int (*exist)(char *, ZEFINFO *);
        const char *name;
        int expected;
    } rows[] = {{1, ZEF_ExistClass, "system", 1},
                {2, ZEF_ExistClass, "SYSTEM", 1},
                {3, ZEF_ExistClass, "Syste", 0},
                {4, ZEF_ExistClass, "Systems", 0},
                {5, ZEF_ExistClass, "\xE9T\xE9", 1},
                {6, ZEF_ExistClass, "\xC9T\xC9", 0},
                {7, ZEF_ExistMember, "windir", 1},
                {8, ZEF_ExistMember, "\xE9L\xE9VE", 1},
                {9, ZEF_ExistMember, "\xC9L\xC9VE", 0},
                {10, ZEF_ExistInit, "ON", 1},
                {11, ZEF_ExistInit, "o", 0},
                {12, ZEF_ExistInit, "onx", 0},
                {13, ZEF_ExistInit,
                 "\xC9"
                 "cole",
                 1},
                {14, ZEF_ExistInit,
                 "\xE9"
                 "cole",
                 0}};
    for (const auto &r : rows)
        EXPECT_EQ(r.expected, r.exist(Str(r.name), info.get())) << "row " << r.row;
    // A longer earlier text in the caller's buffer is cleared, not just cut.
    char out[ZEF_TEXT_SIZE] = "a much longer earlier text";
    ASSERT_EQ(ZEF_OK, ZEF_GetInit(Str("WINDIR"), out, info.get()));
    EXPECT_STREQ("on", out);
    EXPECT_EQ(0, out[3]);
    // Stored text keeps its case.
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("SYSTEM"), Str("oThEr"), Str("Ab"), info.get()));
    EXPECT_EQ("0:[System] WinDir=on oThEr=Ab\n1:[\xE9t\xE9] \xE9l\xE9ve=\xC9"
              "COLE\n",
              Doc());
}

TEST_F(ZefEdit, DeletesRenamesAndValues)
{
    Parse("[C]\na=1\nb=2\nc=3\n[D]\nd=4\n");
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("B"), info.get()));
    EXPECT_EQ(0, ZEF_ExistInit(Str("2"), info.get()));
    EXPECT_EQ("<code 101>", GetInit(info.get(), "b"));
    EXPECT_EQ(2, info->classes[0].memberCount);
    EXPECT_EQ(3, info->memberTotal);
    // The freed slot is taken first: the new entry stands where the old one was.
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("new"), Str("4"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("a"), Str(""), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("c"), Str("C2"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("d"), Str("Dee"), info.get()));
    EXPECT_EQ("[C]\r\na=\r\nnew=4\r\nC2=3\r\n\r\n[Dee]\r\nd=4\r\n\r\n", Written());
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("a"), Str(""), info.get())); // taken as given
    EXPECT_EQ("0:[C] = new=4 C2=3\n1:[Dee] d=4\n", Doc());
}

// A class added into a slot that ZEF_DelClass freed must not bring back the
// members of the class deleted there.
TEST_F(ZefEdit, DeletedClassTakesItsMembersAlong)
{
    Parse("[Old]\nsecret=1\nother=2\n[Keep]\nk=v\n");
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("old"), info.get()));
    EXPECT_EQ(0, ZEF_ExistMember(Str("secret"), info.get()));
    EXPECT_EQ(1, info->classCount);
    EXPECT_EQ(1, info->memberTotal);
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("New"), info.get()));
    EXPECT_EQ(0, info->classes[0].memberCount);
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("New"), Str("n"), Str("1"), info.get()));
    EXPECT_EQ("[New]\r\nn=1\r\n\r\n[Keep]\r\nk=v\r\n\r\n", Written());
}

TEST_F(ZefEdit, AddMemberOnAClearedRecordFailsButMarksItOpened)
{
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("m"), Str("v"), info.get()));
    EXPECT_EQ(1, info->opened);
    WriteBytes(File("out.ini"), "old content\r\n");
    EXPECT_EQ("", Written());
}

TEST_F(ZefEdit, DuplicatesTheFirstInSlotOrderIsMeant)
{
    Parse("[A]\nk=first\n[a]\nk=second\nonly=2\n");
    EXPECT_EQ("2", GetInit(info.get(), "only")); // member names are keys of the whole document
    EXPECT_EQ("first", GetInit(info.get(), "K"));
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("a"), Str("renamed"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("k"), Str("changed"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("k"), Str("j"), info.get()));
    EXPECT_EQ("0:[renamed] j=changed\n1:[a] k=second only=2\n", Doc());
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("j"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("renamed"), Str("K"), Str("third"), info.get()));
    EXPECT_EQ("0:[renamed] K=third\n1:[a] k=second only=2\n", Doc());
    EXPECT_EQ("third", GetInit(info.get(), "k"));
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("k"), info.get())); // deleting the first uncovers the second
    EXPECT_EQ("second", GetInit(info.get(), "k"));
}

TEST_F(ZefEdit, ReadingStopsAt200ClassesAnd200Members)
{
    std::string file;
    for (int i = 0; i < 203; i++)
        file += "[c" + std::to_string(i) + "]\nm" + std::to_string(i) + "=1\n";
    Parse(file);
    EXPECT_EQ(ZEF_MAX_CLASSES, info->classCount);
    EXPECT_EQ(0, ZEF_ExistClass(Str("c200"), info.get()));
    EXPECT_EQ(4, info->classes[199].memberCount); // headers past the 200th join the last class
    EXPECT_STREQ("m202", info->classes[199].members[3].name);
    EXPECT_EQ(203, info->memberTotal);

    file = "[A]\n";
    for (int i = 0; i < 205; i++)
        file += "m" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    Parse(file + "[B]\nnext=1\n");
    EXPECT_EQ(ZEF_MAX_MEMBERS, info->classes[0].memberCount);
    EXPECT_EQ(1, ZEF_ExistMember(Str("m199"), info.get()));
    EXPECT_EQ(0, ZEF_ExistMember(Str("m200"), info.get()));
    EXPECT_EQ("1", GetInit(info.get(), "next"));
    EXPECT_EQ(201, info->memberTotal);
}

TEST_F(ZefEdit, The201stAddedClassAndMemberAreRefused)
{
    for (int i = 0; i < ZEF_MAX_CLASSES; i++)
        ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str(i < 2 ? "C" : "c" + std::to_string(i)), info.get())) << i;
    EXPECT_EQ(ZEF_FAIL, ZEF_AddClass(Str("c200"), info.get()));
    // The first class of a name fills up, then the next of that name.
    for (int i = 0; i < 2 * ZEF_MAX_MEMBERS; i++)
        ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("c"), Str("m" + std::to_string(i)), Str("v"), info.get())) << i;
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("more"), Str("v"), info.get()));
    EXPECT_STREQ("m199", info->classes[0].members[199].name);
    EXPECT_STREQ("m200", info->classes[1].members[0].name);
    EXPECT_EQ(2 * ZEF_MAX_MEMBERS, info->memberTotal);
    // A freed slot makes room again, at the freed place.
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("m5"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("again"), Str("v"), info.get()));
    EXPECT_STREQ("again", info->classes[0].members[5].name);
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("c3"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("new"), info.get()));
    EXPECT_STREQ("new", info->classes[3].name);
}

} // namespace
