// The resources linked into the program, loaded as the program loads them:
// every one by its name or number, and the menu texts (only readable
// in-process, so no end-to-end test sees them).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resource.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Texts here are CP1252 bytes (the build's execution charset); comparing in
// UTF-16 keeps the test independent of the ANSI code page Wine picks.
std::wstring Wide(const char *cp1252)
{
    wchar_t buffer[256];
    int n = MultiByteToWideChar(1252, 0, cp1252, -1, buffer, 256);
    return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

// One test per kind of check: each test is a Wine process start, which costs
// far more than the checks.
TEST(LinkedResources, EverythingLoadsAndTheMenuSaysWhatItDoes)
{
    EXPECT_NE(nullptr, LoadBitmapA(Instance(), IDB_INTRO_NAME));
    HRSRC wave = FindResourceA(Instance(), IDW_INTRO_NAME, "WAVE");
    ASSERT_NE(nullptr, wave);
    EXPECT_EQ(44u + 470400u, SizeofResource(Instance(), wave));
    EXPECT_NE(nullptr, LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_PELMORA)));
    EXPECT_NE(nullptr, LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_PELMORA)));
    HACCEL accelerators = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDA_MAIN));
    ASSERT_NE(nullptr, accelerators);
    EXPECT_EQ(5, CopyAcceleratorTableA(accelerators, nullptr, 0));

    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDM_MAINMENU));
    ASSERT_NE(nullptr, menu);
    const struct {
        int row, popup, position; // popup -1: the menu bar itself
        UINT id;                  // 0 for a popup or a separator
        const char *text;
    } rows[] = {{1, -1, 0, 0, "&Options"},
                {2, -1, 1, 0, "&Musique"},
                {3, -1, 2, 0, "&?"},
                {4, 0, 0, IDM_SYSTEM, "&Système...\tCtrl+S"},
                {5, 0, 1, 0, ""},
                {6, 0, 2, IDM_QUIT, "&Quitter\tCtrl+Q"},
                {7, 1, 0, IDM_DANCE, "&Dance\tCtrl+D"},
                {8, 1, 1, IDM_RAVE, "&Rave\tCtrl+R"},
                {9, 1, 2, IDM_HIPHOP, "&Hiphop\tCtrl+H"},
                {10, 2, 0, IDM_ABOUT, "&A Propos..."},
                {11, 2, 1, IDM_WEBSITE, "&Site Web..."}};
    const int items[] = {3, 3, 3, 2}; // in the bar, then in each popup
    for (int p = -1; p < 3; ++p)
        EXPECT_EQ(items[p + 1], GetMenuItemCount(p < 0 ? menu : GetSubMenu(menu, p))) << "popup " << p;
    for (const auto &r : rows) {
        HMENU owner = r.popup < 0 ? menu : GetSubMenu(menu, r.popup);
        wchar_t text[128] = {};
        GetMenuStringW(owner, r.position, text, 128, MF_BYPOSITION);
        EXPECT_EQ(Wide(r.text), text) << "row " << r.row;
        if (r.id) {
            EXPECT_EQ(r.id, GetMenuItemID(owner, r.position)) << "row " << r.row;
        }
    }
    DestroyMenu(menu);
}

} // namespace
