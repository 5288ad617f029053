// The resources linked into the program, loaded as the program loads them:
// every one by its name or number, the pointer's hot spot at its tip, and
// the menu texts (only readable in-process, so no end-to-end test sees
// them).
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

// The items of a menu, "text[submenu items]" or "text=identifier", in order.
std::wstring Items(HMENU menu)
{
    std::wstring items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, position);
        items += popup != nullptr ? std::wstring(text) + L"[" + Items(popup) + L"] "
                                  : std::wstring(text) + L"=" + std::to_wstring(GetMenuItemID(menu, position)) + L", ";
    }
    return items;
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
    ICONINFO pointer = {};
    ASSERT_TRUE(GetIconInfo(LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_PELMORA)), &pointer));
    EXPECT_EQ(std::to_string(pointer.xHotspot) + "," + std::to_string(pointer.yHotspot), "5,0");
    HACCEL accelerators = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDA_MAIN));
    ASSERT_NE(nullptr, accelerators);
    EXPECT_EQ(5, CopyAcceleratorTableA(accelerators, nullptr, 0));

    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDM_MAINMENU));
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(Wide("&Options[&Système...\tCtrl+S=525, =0, &Quitter\tCtrl+Q=502, ] &Musique[&Dance\tCtrl+D=503, "
                   "&Rave\tCtrl+R=504, &Hiphop\tCtrl+H=505, ] &?[&A Propos...=506, &Site Web...=524, ] "),
              Items(menu));
    DestroyMenu(menu);
}

} // namespace
