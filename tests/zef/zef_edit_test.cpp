// Lookups and edits in memory: case rules, duplicates (the first in slot
// order is the one meant), freed slots and capacities.
#include <cstring>
#include <vector>

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
    Parse("[System]\nWinDir=on\n[\xE9t\xE9]\n\xE9l\xE9ve=\xC9tude\n");
    const struct {
        int (*exist)(char *, ZEFINFO *);
        std::vector<const char *> found, notFound;
    } functions[] = {{ZEF_ExistClass, {"system", "SYSTEM", "\xE9T\xE9"}, {"Syste", "Systems", "\xC9T\xC9"}},
                     {ZEF_ExistMember, {"windir", "\xE9L\xE9VE"}, {"\xC9L\xC9VE"}},
                     {ZEF_ExistInit, {"ON", "\xC9TUDE"}, {"o", "onx", "\xE9tude"}}};
    for (const auto &f : functions) {
        for (const char *name : f.found)
            EXPECT_EQ(1, f.exist(Str(name), info.get())) << name;
        for (const char *name : f.notFound)
            EXPECT_EQ(0, f.exist(Str(name), info.get())) << name;
    }
    // A longer earlier text in the caller's buffer is cleared, not just cut.
    char out[ZEF_TEXT_SIZE] = "a much longer earlier text";
    ASSERT_EQ(ZEF_OK, ZEF_GetInit(Str("WINDIR"), out, info.get()));
    EXPECT_EQ(0, std::memcmp("on\0\0", out, 4));
    // Stored text keeps its case.
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("SYSTEM"), Str("oThEr"), Str("Ab"), info.get()));
    EXPECT_EQ("0:[System] WinDir=on oThEr=Ab\n1:[\xE9t\xE9] \xE9l\xE9ve=\xC9tude\n", Doc());
}

// The freed slot is taken first: a new entry stands where the old one was.
TEST_F(ZefEdit, DeletesRenamesAndValues)
{
    Parse("[C]\na=1\nb=2\nc=3\n[D]\nd=4\n");
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("B"), info.get()));
    EXPECT_EQ(std::vector<int>({0, 2, 3}),
              std::vector<int>({ZEF_ExistInit(Str("2"), info.get()), info->classes[0].memberCount, info->memberTotal}));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("new"), Str("4"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("a"), Str(""), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("c"), Str(""), info.get())); // an empty name taken as given
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("d"), Str("Dee"), info.get()));
    EXPECT_EQ("0:[C] a= new=4 =3\n1:[Dee] d=4\n", Doc());
}

// A class added into a slot that ZEF_DelClass freed must not bring back the
// members of the class deleted there.
TEST_F(ZefEdit, DeletedClassTakesItsMembersAlong)
{
    Parse("[Old]\nsecret=1\nother=2\n[Keep]\nk=v\n");
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("old"), info.get()));
    EXPECT_EQ(0, ZEF_ExistClass(Str("old"), info.get()) + ZEF_ExistMember(Str("secret"), info.get()));
    EXPECT_EQ("v", GetInit(info.get(), "K")); // found past the slot freed
    EXPECT_EQ(std::vector<int>({1, 1}), std::vector<int>({info->classCount, info->memberTotal}));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("New"), info.get()));
    EXPECT_EQ(0, info->classes[0].memberCount);
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("New"), Str("n"), Str("1"), info.get()));
    EXPECT_EQ("0:[New] n=1\n1:[Keep] k=v\n", Doc());
}

// Only what was used is cleared, yet a record used, deleted from, renamed
// and added to reads afterwards byte for byte as a fresh one. A deleted
// member's slot keeps its text until then.
TEST_F(ZefEdit, AUsedRecordIsClearedToTheLastByte)
{
    auto fresh = std::make_unique<ZEFINFO>();
    zef_parse_text("[A]\na=1\n[B]\nb=2\n", 16, fresh.get());
    Parse("[Old]\nx=1\ny=2\nz=3\n[B]\nb=2\n");
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("y"), info.get()));
    EXPECT_STREQ("y", info->classes[0].members[1].name);
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("old"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("A"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("A"), Str("a"), Str("1"), info.get()));
    EXPECT_EQ(0, std::memcmp(fresh.get(), info.get(), sizeof(ZEFINFO))); // a new class starts empty
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("b"), Str(""), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddClass(Str("C"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("C"), Str("c"), Str("3"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelClass(Str("C"), info.get()));
    Parse("[A]\na=1\n[B]\nb=2\n");
    EXPECT_EQ(0, std::memcmp(fresh.get(), info.get(), sizeof(ZEFINFO)));
}

TEST_F(ZefEdit, AddMemberOnAClearedRecordFailsButMarksItOpened)
{
    EXPECT_EQ(ZEF_FAIL, ZEF_AddMember(Str("C"), Str("m"), Str("v"), info.get()));
    EXPECT_EQ(1, info->opened);
    WriteBytes(File("out.ini"), "old content\r\n");
    EXPECT_EQ("", Written());
}

// Member names are keys of the whole document.
TEST_F(ZefEdit, DuplicatesTheFirstInSlotOrderIsMeant)
{
    Parse("[A]\nk=first\n[a]\nk=second\nonly=2\n");
    EXPECT_EQ("first|2", GetInit(info.get(), "K") + "|" + GetInit(info.get(), "only"));
    ASSERT_EQ(ZEF_OK, ZEF_SetClass(Str("a"), Str("renamed"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetInit(Str("k"), Str("changed"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_SetMember(Str("k"), Str("j"), info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_DelMember(Str("k"), info.get())); // now the second class's
    EXPECT_EQ("0:[renamed] j=changed\n1:[a] only=2\n", Doc());
}

TEST_F(ZefEdit, ReadingStopsAt200ClassesAnd200Members)
{
    std::string file;
    for (int i = 0; i < 203; i++)
        file += "[c" + std::to_string(i) + "]\nm" + std::to_string(i) + "=1\n";
    Parse(file);
    // Classes, whether [c200] is one, members of the last class and in all:
    // headers past the 200th join the last class.
    EXPECT_EQ(std::vector<int>({ZEF_MAX_CLASSES, 0, 4, 203}),
              std::vector<int>({info->classCount, ZEF_ExistClass(Str("c200"), info.get()),
                                info->classes[199].memberCount, info->memberTotal}));
    EXPECT_STREQ("m202", info->classes[199].members[3].name);

    file = "[A]\n";
    for (int i = 0; i < 205; i++)
        file += "m" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    Parse(file + "[B]\nnext=1\n");
    EXPECT_EQ(std::vector<int>({ZEF_MAX_MEMBERS, 1, 0, 201}),
              std::vector<int>({info->classes[0].memberCount, ZEF_ExistMember(Str("m199"), info.get()),
                                ZEF_ExistMember(Str("m200"), info.get()), info->memberTotal}));
    EXPECT_EQ("1", GetInit(info.get(), "next"));
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
}

} // namespace
