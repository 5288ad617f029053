// The resources linked into the program, loaded as the program loads them:
// every one by its name or number, the menu texts (only readable in-process,
// so no end-to-end test sees them), and the three forms created as ownerless
// dialogs with every control's identifier and text where the code expects.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resource.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Texts here are CP1252 bytes (the build's execution charset); comparing in
// UTF-16 keeps the test independent of the ANSI code page Wine picks.
std::wstring Wide(const char *cp1252) {
    wchar_t buffer[256];
    int n = MultiByteToWideChar(1252, 0, cp1252, -1, buffer, 256);
    return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

// One test per kind of check: each test is a Wine process start, which costs
// far more than the checks.
TEST(LinkedResources, EverythingLoadsAndTheMenuSaysWhatItDoes) {
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
        int row, popup, position;  // popup -1: the menu bar itself
        UINT id;                   // 0 for a popup or a separator
        const char *text;
    } rows[] = {
        {1, -1, 0, 0, "&Options"}, {2, -1, 1, 0, "&Musique"}, {3, -1, 2, 0, "&?"},
        {4, 0, 0, IDM_SYSTEM, "&Système...\tCtrl+S"}, {5, 0, 1, 0, ""}, {6, 0, 2, IDM_QUIT, "&Quitter\tCtrl+Q"},
        {7, 1, 0, IDM_DANCE, "&Dance\tCtrl+D"}, {8, 1, 1, IDM_RAVE, "&Rave\tCtrl+R"},
        {9, 1, 2, IDM_HIPHOP, "&Hiphop\tCtrl+H"}, {10, 2, 0, IDM_ABOUT, "&A Propos..."},
        {11, 2, 1, IDM_WEBSITE, "&Site Web..."},
    };
    const int items[] = {3, 3, 3, 2};  // in the bar, then in each popup
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

struct Form {
    WORD id;
    const char *caption;
    std::vector<std::pair<int, const char *>> controls;  // identifier and text, in tab order
};

const Form kForms[] = {
    {IDD_ADDSAMPLE, "Ajouter un Sample Ejay",
     {{IDC_ADD_GROUP, "Paramètres:"}, {IDC_ADD_LABEL, "Nom du Sample (Ligne 1):"},
      {IDC_ADD_LABEL, "Nom du Sample (Ligne 2):"}, {IDC_ADD_LABEL, "Durée du Sample (Sec):"},
      {IDC_ADD_OK, "Ajouter"}, {IDC_ADD_CANCEL, "Annuler"}, {IDC_ADD_NAME1, ""}, {IDC_ADD_NAME2, ""},
      {IDC_ADD_DURATION, ""}}},
    {IDD_MODIFYSAMPLE, "Modifier un Sample Ejay",
     {{IDC_MODIFY_GROUP, "Paramètres:"}, {IDC_MODIFY_LABEL, "Nom du Sample (Ligne 1):"},
      {IDC_MODIFY_LABEL, "Nom du Sample (Ligne 2):"}, {IDC_MODIFY_LABEL, "Durée du Sample (Sec):"},
      {IDC_MODIFY_LABEL, "Adresse du Sample:"}, {IDC_MODIFY_OK, "Modifier"}, {IDC_MODIFY_CANCEL, "Annuler"},
      {IDC_MODIFY_NAME1, ""}, {IDC_MODIFY_NAME2, ""}, {IDC_MODIFY_DURATION, ""}, {IDC_MODIFY_PATH, ""}}},
    {IDD_SYSTEM, "Pelmora Version 2.20",
     {{IDC_SYSTEM_STATIC, "Informations: "}, {IDC_SYSTEM_STATIC, "Système:"},
      {IDC_SYSTEM_STATIC, "Répertoire Ejay:"}, {IDC_SYSTEM_WINDOWSDIR, ""}, {IDC_SYSTEM_EJAYDIR, ""},
      {IDC_SYSTEM_BROWSE, "..."}, {IDC_SYSTEM_STATIC, "Options: "},
      {IDC_SYSTEM_AUTOSAVE, "Sauvegarde automatique"}, {IDC_SYSTEM_BACKUP, "Faire des backups"},
      {IDC_SYSTEM_RUNEJAY, "Lancer Ejay après fermeture"}, {IDC_SYSTEM_VALIDATE, "&Valider"},
      {IDC_SYSTEM_CANCEL, "&Annuler"}}},
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// At first run the System dialog has no owner: it must still be a centred,
// top-level window.
TEST(LinkedResources, FormsCreateWithEveryControlWithoutOwner) {
    for (const Form &form : kForms) {
        HWND dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(form.id), nullptr, PlainDialogProc, 0);
        ASSERT_NE(nullptr, dialog) << "dialog " << form.id;
        EXPECT_EQ(Wide(form.caption), Text(dialog)) << "dialog " << form.id;
        EXPECT_TRUE(IsWindowVisible(dialog)) << "dialog " << form.id;
        EXPECT_EQ(dialog, GetAncestor(dialog, GA_ROOT)) << "dialog " << form.id << ": not top-level";
        HWND control = GetWindow(dialog, GW_CHILD);
        for (size_t i = 0; i < form.controls.size(); ++i, control = GetWindow(control, GW_HWNDNEXT)) {
            ASSERT_NE(nullptr, control) << "dialog " << form.id << " control " << i + 1;
            EXPECT_EQ(form.controls[i].first, GetDlgCtrlID(control)) << "dialog " << form.id << " control " << i + 1;
            EXPECT_EQ(Wide(form.controls[i].second), Text(control)) << "dialog " << form.id << " control " << i + 1;
        }
        EXPECT_EQ(nullptr, control) << "dialog " << form.id << ": more controls than expected";
        RECT window = {}, work = {};
        GetWindowRect(dialog, &window);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 4) << "dialog " << form.id;
        EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 4) << "dialog " << form.id;
        DestroyWindow(dialog);
    }
}

}  // namespace
