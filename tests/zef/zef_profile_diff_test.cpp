// ZEF against the platform's own profile API (GetPrivateProfileStringA), a
// reader of the same kind of file that nobody here wrote. Both read a few
// hundred generated files; every value ZEF_GetInit gives must be the one
// the profile API gives.
//
// The files stay inside the subset where both formats agree: one section,
// "key=value" lines with blanks around "=" and at the line end, ";" comment
// lines, empty lines, CR LF or LF, names of ASCII letters in any case.
//
// Where the formats differ by design (each found by experiment under Wine,
// so the generator leaves it out):
//  - Quotes: the profile API strips one pair of surrounding double or
//    single quotes from a value ("\"abc\"" gives abc); ZEF keeps them.
//  - ";" inside a value: the profile API keeps it ("v ; c" stays whole);
//    ZEF ends the value there, unless the value starts with ";".
//  - "//" inside a value: ZEF ends the value ("http://x" gives "http:");
//    the profile API keeps it.
//  - A TAB inside a value: ZEF ends the value there; the profile API keeps it.
//  - "/" in the first column: a comment for ZEF, an ordinary key for the
//    profile API. A ";" line is also found as a key ";k" by Wine's reader.
//  - Sections: a key is found by ZEF in any class (member names are keys of
//    the whole document), by the profile API only in the section asked for.
//    Two sections of one name: a key that only the second holds is absent
//    for the profile API (it stops at the first), found by ZEF.
//  - A line without "=": a member with an empty value for ZEF, absent for
//    the profile API. "=v": a key with an empty name for the profile API;
//    ZEF refuses an empty name.
//  - A header without "]": ZEF takes the rest of the line as the name; the
//    profile API ignores it. A header after a blank: ZEF reads a member line,
//    the profile API a header.
//  - A lone CR ends a line for the profile API; ZEF keeps it in the text.
//  - Ctrl-Z ends the input for ZEF, as the text-mode runtime would; the
//    profile API reads past it. A NUL at a line start is dropped by ZEF.
//  - Lengths: ZEF keeps 256 characters of a line; the profile API has no
//    such limit.
//  - Letter case: ZEF matches only ASCII letters without regard to case;
//    the profile API takes its rule from the platform, so names with
//    accented letters are left out.
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "zef_test_support.h"

using namespace zeftest;

namespace {

// A fixed seed: the same files on every run and every platform.
std::mt19937 g_random(20240611);

int Below(int n) { return static_cast<int>(g_random() % static_cast<unsigned>(n)); }
bool OneIn(int n) { return Below(n) == 0; }

const std::string kNameChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.-";
// No quotes, ";", "/", TAB or CR: those are where the formats part.
const std::string kValueChars =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _.-,:!?=+*()[]{}<>@$%&#~^\\|";

std::string RandomText(const std::string &set, int minLength, int maxLength)
{
    std::string text;
    for (int length = minLength + Below(maxLength - minLength + 1); length > 0; length--)
        text += set[static_cast<size_t>(Below(static_cast<int>(set.size())))];
    return text;
}

std::string Blanks() { return std::string(static_cast<size_t>(Below(3)), ' '); }

// Upper-cases all ASCII letters, or (mixed) about half of them.
std::string Cased(std::string text, bool mixed)
{
    for (char &c : text) {
        if (!mixed || OneIn(2))
            c = static_cast<char>(ZEF_getMAJ(c));
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

struct Generated {
    std::string bytes, section;
    std::vector<std::string> keys;
};

// One section, its keys unique without regard to case, comments and empty
// lines in between, blanks around "=" and after the value.
Generated Generate()
{
    Generated g;
    const char *end = OneIn(2) ? "\r\n" : "\n";
    g.section = RandomText(kNameChars, 1, 12);
    if (OneIn(3))
        g.bytes += ";" + RandomText(kValueChars, 0, 30) + end;
    g.bytes += "[" + g.section + "]" + end;
    std::vector<std::string> seen; // upper-cased
    for (int count = 1 + Below(20); count > 0; count--) {
        std::string key = RandomText(kNameChars, 1, 16), upper = Cased(key, false);
        bool duplicate = false;
        for (const std::string &s : seen)
            duplicate = duplicate || s == upper;
        if (duplicate)
            continue;
        seen.push_back(upper);
        g.keys.push_back(key);
        std::string value = OneIn(8) ? "" : RandomText(kValueChars, 1, 60);
        g.bytes += Blanks() + key + Blanks() + "=" + Blanks() + value + Blanks() + end;
        if (OneIn(5))
            g.bytes += ";" + RandomText(kValueChars, 0, 30) + end;
        if (OneIn(5))
            g.bytes += end;
    }
    return g;
}

class ZefProfileDiff : public ZefTest {};

TEST_F(ZefProfileDiff, GetInitAgreesWithGetPrivateProfileString)
{
    int compared = 0;
    for (int file = 0; file < 300; file++) {
        Generated g = Generate();
        // A new name per file: the profile API caches files it has read.
        char name[32];
        snprintf(name, sizeof name, "case%03d.ini", file);
        std::string path = File(name);
        WriteBytes(path, g.bytes);
        ASSERT_EQ(ZEF_OK, Open(path, info.get())) << name;
        std::string section = Cased(g.section, true);
        EXPECT_EQ(1, ZEF_ExistClass(Str(section), info.get())) << name << " section " << section;
        g.keys.push_back(RandomText(kNameChars, 17, 20)); // longer than any key: absent
        for (const std::string &key : g.keys) {
            std::string lookup = Cased(key, true), zef = GetInit(info.get(), lookup);
            char profile[1024] = "";
            GetPrivateProfileStringA(section.c_str(), lookup.c_str(), "<code 101>" /* absent, as ZEF says */, profile,
                                     sizeof profile, path.c_str());
            EXPECT_EQ(profile, zef) << name << " key " << lookup << "\n" << g.bytes;
            compared++;
        }
    }
    EXPECT_GT(compared, 3000);
}

} // namespace
