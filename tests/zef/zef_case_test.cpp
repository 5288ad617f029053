// Names match case-insensitively for the 26 ASCII letters only.
#include <gtest/gtest.h>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

TEST(ZefCase, GetMajMapsAsciiLettersOnly) {
    const struct {
        int row;
        char in;
        int out;
    } rows[] = {
        {1, 'q', 'Q'}, {2, 'Q', 'Q'}, {3, 'a', 'A'}, {4, 'z', 'Z'}, {5, '5', '5'},
        {6, '`', '`'}, {7, '{', '{'}, {8, '\0', 0},
        {9, '\xE9', -23},  // "é" stays "é", sign-extended
        {10, '\xC9', -55}, {11, '\xFF', -1},
    };
    for (const auto &r : rows) EXPECT_EQ(r.out, ZEF_getMAJ(r.in)) << "row " << r.row;
}

TEST(ZefCase, LookupsIgnoreAsciiCaseOnly) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[System]\nWinDir=on\n[\xE9t\xE9]\n\xE9l\xE9ve=\xC9" "COLE\n", info.get()));
    const struct {
        int row;
        int result;
        int expected;
    } rows[] = {
        {1, ZEF_ExistClass(Str("system"), info.get()), 1},
        {2, ZEF_ExistClass(Str("SYSTEM"), info.get()), 1},
        {3, ZEF_ExistClass(Str("System"), info.get()), 1},
        {4, ZEF_ExistClass(Str("Syste"), info.get()), 0},
        {5, ZEF_ExistClass(Str("Systems"), info.get()), 0},
        {6, ZEF_ExistClass(Str("\xE9T\xE9"), info.get()), 1},
        {7, ZEF_ExistClass(Str("\xC9T\xC9"), info.get()), 0},
        {8, ZEF_ExistMember(Str("windir"), info.get()), 1},
        {9, ZEF_ExistMember(Str("\xE9L\xE9VE"), info.get()), 1},
        {10, ZEF_ExistMember(Str("\xC9L\xC9VE"), info.get()), 0},
        {11, ZEF_ExistInit(Str("ON"), info.get()), 1},
        {12, ZEF_ExistInit(Str("o"), info.get()), 0},
        {13, ZEF_ExistInit(Str("onx"), info.get()), 0},
        {14, ZEF_ExistInit(Str("\xC9" "cole"), info.get()), 1},
        {15, ZEF_ExistInit(Str("\xE9" "cole"), info.get()), 0},
    };
    for (const auto &r : rows) EXPECT_EQ(r.expected, r.result) << "row " << r.row;
    EXPECT_EQ("on", GetInit(info.get(), "WINDIR"));
}

TEST(ZefCase, StoredTextKeepsItsCase) {
    ScratchDir dir;
    auto info = NewRecord();
    ASSERT_EQ(ZEF_OK, OpenBytes(dir, "[MiXed]\nKeY=VaLuE\n", info.get()));
    ASSERT_EQ(ZEF_OK, ZEF_AddMember(Str("mixed"), Str("oThEr"), Str("Ab"), info.get()));
    EXPECT_EQ("0:[MiXed] KeY=VaLuE oThEr=Ab\n", Dump(*info));
}

}  // namespace
