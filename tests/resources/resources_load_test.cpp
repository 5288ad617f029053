// The resources linked into the program, loaded as the program loads them:
// picture, sound, emblem, pointer, menu and shortcuts by their names and
// numbers, and the three forms both as templates (every control where the
// forms' code expects it) and as live dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Texts in this file are CP1252 bytes (the build's execution charset); the
// platform keeps resource texts in UTF-16. Comparing in UTF-16 keeps the
// test independent of the ANSI code page Wine picks from the locale.
std::wstring Wide(const char* cp1252) {
    wchar_t buffer[256];
    int n = MultiByteToWideChar(1252, 0, cp1252, -1, buffer, 256);
    return n > 0 ? std::wstring(buffer, n - 1) : std::wstring();
}

void ExpectSplashPictureAtSplashSize() {
    HBITMAP bitmap = LoadBitmapA(Instance(), IDB_INTRO_NAME);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 360);
    EXPECT_EQ(info.bmHeight, 113);
    DeleteObject(bitmap);

    HBITMAP section = static_cast<HBITMAP>(
        LoadImageA(Instance(), IDB_INTRO_NAME, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(section, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(section, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBmih.biBitCount, 24);
    EXPECT_EQ(dib.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
    DeleteObject(section);
}

void ExpectJingleOfTheExpectedLength() {
    HRSRC found = FindResourceA(Instance(), IDW_INTRO_NAME, "WAVE");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(Instance(), found), 44u + 470400u);
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Instance(), found)));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 4), "RIFF");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes) + 8, 4), "WAVE");
}

void ExpectEmblemIsA32PixelIcon() {
    HICON icon = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_PELMORA));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour = {};
    ASSERT_NE(info.hbmColor, nullptr) << "a colour emblem";
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

void ExpectPointerHotSpotAtTheTip() {
    HCURSOR cursor = LoadCursorA(Instance(), MAKEINTRESOURCEA(IDC_PELMORA));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// One test per kind of resource: each test is a Wine process start, which
// costs far more than the checks.
TEST(LinkedResources, PictureSoundEmblemAndPointerLoadByTheirNames) {
    ExpectSplashPictureAtSplashSize();
    ExpectJingleOfTheExpectedLength();
    ExpectEmblemIsA32PixelIcon();
    ExpectPointerHotSpotAtTheTip();
}

// ---------------------------------------------------------------------------
// Menu 501 and accelerator table 700

struct MenuRow {
    int row;
    int popup;          // position of the popup in the menu bar
    int position;       // position of the item in the popup
    UINT id;            // 0 for a separator
    const char* text;   // nullptr for a separator
};

const char* const kPopupTexts[] = {"&Options", "&Musique", "&?"};

const MenuRow kMenuRows[] = {
    {1, 0, 0, IDM_SYSTEM, "&Système...\tCtrl+S"},
    {2, 0, 1, 0, nullptr},
    {3, 0, 2, IDM_QUIT, "&Quitter\tCtrl+Q"},
    {4, 1, 0, IDM_DANCE, "&Dance\tCtrl+D"},
    {5, 1, 1, IDM_RAVE, "&Rave\tCtrl+R"},
    {6, 1, 2, IDM_HIPHOP, "&Hiphop\tCtrl+H"},
    {7, 2, 0, IDM_ABOUT, "&A Propos..."},
    {8, 2, 1, IDM_WEBSITE, "&Site Web..."},
};

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

void ExpectThreePopupsInOrder() {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDM_MAINMENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(MenuText(menu, p), Wide(kPopupTexts[p])) << "popup " << p;
        ASSERT_NE(GetSubMenu(menu, p), nullptr) << "popup " << p;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, p, TRUE, &info);
        EXPECT_EQ(info.fType & MFT_RIGHTJUSTIFY, 0u) << "popup " << p << " right-aligned";
    }
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 3);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 1)), 3);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 2)), 2);
    DestroyMenu(menu);
}

void ExpectMenuItemsWithCommandsAndShortcutTexts() {
    HMENU menu = LoadMenuA(Instance(), MAKEINTRESOURCEA(IDM_MAINMENU));
    ASSERT_NE(menu, nullptr);
    for (const MenuRow& r : kMenuRows) {
        HMENU popup = GetSubMenu(menu, r.popup);
        ASSERT_NE(popup, nullptr) << "row " << r.row;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoA(popup, r.position, TRUE, &info)) << "row " << r.row;
        if (r.text == nullptr) {
            EXPECT_NE(info.fType & MFT_SEPARATOR, 0u) << "row " << r.row << ": separator";
            continue;
        }
        EXPECT_EQ(info.wID, r.id) << "row " << r.row;
        EXPECT_EQ(MenuText(popup, r.position), Wide(r.text)) << "row " << r.row;
    }
    DestroyMenu(menu);
}

void ExpectControlKeyShortcutsWithoutHighlighting() {
    struct Row { int row; WORD key; WORD command; };
    const Row rows[] = {
        {1, 'S', IDM_SYSTEM}, {2, 'Q', IDM_QUIT}, {3, 'D', IDM_DANCE},
        {4, 'R', IDM_RAVE}, {5, 'H', IDM_HIPHOP},
    };
    HACCEL table = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDA_MAIN));
    ASSERT_NE(table, nullptr);
    ACCEL entries[16] = {};
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 16), 5);
    for (const Row& r : rows) {
        const ACCEL& a = entries[r.row - 1];
        EXPECT_EQ(a.key, r.key) << "row " << r.row;
        EXPECT_EQ(a.cmd, r.command) << "row " << r.row;
        EXPECT_EQ(a.fVirt & ~0x80, FVIRTKEY | FCONTROL | FNOINVERT) << "row " << r.row;
    }
    DestroyAcceleratorTable(table);
}

TEST(LinkedResources, MenuAndShortcuts) {
    ExpectThreePopupsInOrder();
    ExpectMenuItemsWithCommandsAndShortcutTexts();
    ExpectControlKeyShortcutsWithoutHighlighting();
}

// ---------------------------------------------------------------------------
// Dialog templates, read as the dialog manager reads them (DLGTEMPLATE).

const WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

struct ControlRow {
    WORD kind;          // predefined class atom
    WORD id;
    const char* text;
    short x, y, cx, cy;
    DWORD style;
};

struct DialogLayout {
    WORD id;
    const char* caption;
    short cx, cy;
    WORD pointSize;
    const char* face;
    DWORD style;
    std::vector<ControlRow> controls;
};

const DWORD kFormStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                         DS_CENTER | DS_SETFONT | DS_3DLOOK;
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kFlatButton = kChild | BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP;
const DWORD kFormEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_WANTRETURN;

const DialogLayout kAddForm = {
    IDD_ADDSAMPLE, "Ajouter un Sample Ejay", 125, 145, 8, "MS Sans Serif", kFormStyle,
    {
        {kButton, IDC_ADD_GROUP, "Paramètres:", 5, 5, 115, 120, kChild | BS_GROUPBOX},
        {kStatic, IDC_ADD_LABEL, "Nom du Sample (Ligne 1):", 10, 18, 100, 12, kChild | SS_CENTER},
        {kStatic, IDC_ADD_LABEL, "Nom du Sample (Ligne 2):", 10, 45, 100, 12, kChild | SS_CENTER},
        {kStatic, IDC_ADD_LABEL, "Durée du Sample (Sec):", 15, 70, 90, 12, kChild | SS_CENTER},
        {kButton, IDC_ADD_OK, "Ajouter", 15, 105, 40, 15, kFlatButton},
        {kButton, IDC_ADD_CANCEL, "Annuler", 70, 105, 40, 15, kFlatButton},
        {kEdit, IDC_ADD_NAME1, "", 12, 28, 100, 12, kFormEdit},
        {kEdit, IDC_ADD_NAME2, "", 12, 55, 100, 12, kFormEdit},
        {kEdit, IDC_ADD_DURATION, "", 55, 80, 14, 12, kFormEdit | ES_NUMBER},
    }};

const DialogLayout kModifyForm = {
    IDD_MODIFYSAMPLE, "Modifier un Sample Ejay", 125, 155, 8, "MS Sans Serif", kFormStyle,
    {
        {kButton, IDC_MODIFY_GROUP, "Paramètres:", 5, 5, 115, 125, kChild | BS_GROUPBOX},
        {kStatic, IDC_MODIFY_LABEL, "Nom du Sample (Ligne 1):", 10, 18, 100, 12, kChild | SS_CENTER},
        {kStatic, IDC_MODIFY_LABEL, "Nom du Sample (Ligne 2):", 10, 45, 100, 12, kChild | SS_CENTER},
        {kStatic, IDC_MODIFY_LABEL, "Durée du Sample (Sec):", 15, 70, 90, 12, kChild | SS_CENTER},
        {kStatic, IDC_MODIFY_LABEL, "Adresse du Sample:", 15, 95, 90, 12, kChild | SS_CENTER},
        {kButton, IDC_MODIFY_OK, "Modifier", 15, 135, 40, 15, kFlatButton},
        {kButton, IDC_MODIFY_CANCEL, "Annuler", 70, 135, 40, 15, kFlatButton},
        {kEdit, IDC_MODIFY_NAME1, "", 12, 28, 100, 12, kFormEdit},
        {kEdit, IDC_MODIFY_NAME2, "", 12, 55, 100, 12, kFormEdit},
        {kEdit, IDC_MODIFY_DURATION, "", 55, 80, 14, 12, kFormEdit | ES_NUMBER},
        {kEdit, IDC_MODIFY_PATH, "", 12, 105, 100, 12, kFormEdit | ES_AUTOHSCROLL | ES_NOHIDESEL},
    }};

// Pop-up without the child bit: at first run it has no owner and must still
// be a top-level window.
const DialogLayout kSystemDialog = {
    IDD_SYSTEM, "Pelmora Version 2.20", 196, 135, 8, "MS sans serif", kFormStyle,
    {
        {kButton, IDC_SYSTEM_STATIC, "Informations: ", 3, 3, 186, 56, kChild | BS_GROUPBOX | WS_TABSTOP},
        {kStatic, IDC_SYSTEM_STATIC, "Système:", 7, 19, 58, 8, kChild | SS_LEFT},
        {kStatic, IDC_SYSTEM_STATIC, "Répertoire Ejay:", 7, 33, 58, 8, kChild | SS_LEFT},
        {kEdit, IDC_SYSTEM_WINDOWSDIR, "", 69, 19, 93, 11,
         kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY},
        {kEdit, IDC_SYSTEM_EJAYDIR, "", 69, 33, 94, 11, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT},
        {kButton, IDC_SYSTEM_BROWSE, "...", 166, 33, 19, 11, kChild | BS_PUSHBUTTON | WS_TABSTOP},
        {kButton, IDC_SYSTEM_STATIC, "Options: ", 3, 59, 186, 53, kChild | BS_GROUPBOX | WS_TABSTOP},
        {kButton, IDC_SYSTEM_AUTOSAVE, "Sauvegarde automatique", 12, 71, 95, 9,
         kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
        {kButton, IDC_SYSTEM_BACKUP, "Faire des backups", 12, 84, 95, 9, kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
        {kButton, IDC_SYSTEM_RUNEJAY, "Lancer Ejay après fermeture", 12, 98, 120, 9,
         kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
        {kButton, IDC_SYSTEM_VALIDATE, "&Valider", 94, 117, 45, 12, kFlatButton},
        {kButton, IDC_SYSTEM_CANCEL, "&Annuler", 144, 117, 45, 12, kFlatButton},
    }};

// Walks a DLGTEMPLATE: fixed header, then menu, class and title (each
// 0xFFFF + ordinal or a UTF-16 string), then the font, then DWORD-aligned
// items.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* start) : start_(start), at_(start) {}
    WORD Word() { WORD w; memcpy(&w, at_, 2); at_ += 2; return w; }
    DWORD Dword() { DWORD d; memcpy(&d, at_, 4); at_ += 4; return d; }
    short Short() { return static_cast<short>(Word()); }
    // Returns the ordinal, or 0 and the string in *text.
    WORD NameOrOrdinal(std::wstring* text) {
        text->clear();
        WORD first = Word();
        if (first == 0xFFFF) return Word();
        for (WORD c = first; c != 0; c = Word()) text->push_back(static_cast<wchar_t>(c));
        return 0;
    }
    std::wstring String() {
        std::wstring s;
        for (WORD c = Word(); c != 0; c = Word()) s.push_back(static_cast<wchar_t>(c));
        return s;
    }
    void AlignToDword() {
        while ((at_ - start_) % 4 != 0) ++at_;
    }
    void Skip(size_t n) { at_ += n; }

private:
    const BYTE* start_;
    const BYTE* at_;
};

WORD ClassAtom(WORD ordinal, const std::wstring& name) {
    if (ordinal != 0) return ordinal;
    if (_wcsicmp(name.c_str(), L"BUTTON") == 0) return kButton;
    if (_wcsicmp(name.c_str(), L"EDIT") == 0) return kEdit;
    if (_wcsicmp(name.c_str(), L"STATIC") == 0) return kStatic;
    return 0;
}

void ExpectTemplateMatches(const DialogLayout& form) {
    HRSRC found = FindResourceA(Instance(), MAKEINTRESOURCEA(form.id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    ASSERT_NE(found, nullptr) << "dialog " << form.id;
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Instance(), found)));
    ASSERT_NE(bytes, nullptr);
    TemplateReader t(bytes);
    DWORD style = t.Dword();
    ASSERT_NE(style & 0xFFFF0000u, 0xFFFF0000u) << "dialog " << form.id << ": expected DLGTEMPLATE, not DLGTEMPLATEEX";
    EXPECT_EQ(style, form.style) << "dialog " << form.id;
    EXPECT_EQ(t.Dword(), 0u) << "dialog " << form.id << ": extended style";
    WORD count = t.Word();
    ASSERT_EQ(count, form.controls.size()) << "dialog " << form.id;
    t.Short();
    t.Short();
    EXPECT_EQ(t.Short(), form.cx) << "dialog " << form.id;
    EXPECT_EQ(t.Short(), form.cy) << "dialog " << form.id;
    std::wstring name;
    EXPECT_EQ(t.NameOrOrdinal(&name), 0) << "dialog " << form.id << ": menu";
    EXPECT_TRUE(name.empty()) << "dialog " << form.id << ": menu";
    EXPECT_EQ(t.NameOrOrdinal(&name), 0) << "dialog " << form.id << ": class";
    EXPECT_TRUE(name.empty()) << "dialog " << form.id << ": class";
    EXPECT_EQ(t.String(), Wide(form.caption)) << "dialog " << form.id;
    EXPECT_EQ(t.Word(), form.pointSize) << "dialog " << form.id;
    EXPECT_EQ(t.String(), Wide(form.face)) << "dialog " << form.id;

    for (size_t i = 0; i < form.controls.size(); ++i) {
        const ControlRow& c = form.controls[i];
        const int row = static_cast<int>(i) + 1;
        t.AlignToDword();
        EXPECT_EQ(t.Dword(), c.style) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(t.Dword(), 0u) << "dialog " << form.id << " control " << row << ": extended style";
        EXPECT_EQ(t.Short(), c.x) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(t.Short(), c.y) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(t.Short(), c.cx) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(t.Short(), c.cy) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(t.Word(), c.id) << "dialog " << form.id << " control " << row;
        WORD ordinal = t.NameOrOrdinal(&name);
        EXPECT_EQ(ClassAtom(ordinal, name), c.kind) << "dialog " << form.id << " control " << row;
        std::wstring text;
        EXPECT_EQ(t.NameOrOrdinal(&text), 0) << "dialog " << form.id << " control " << row;
        EXPECT_EQ(text, Wide(c.text)) << "dialog " << form.id << " control " << row;
        t.Skip(t.Word());
    }
}

TEST(LinkedResources, FormTemplatesHoldEveryControlInPlace) {
    ExpectTemplateMatches(kAddForm);
    ExpectTemplateMatches(kModifyForm);
    ExpectTemplateMatches(kSystemDialog);
}

// ---------------------------------------------------------------------------
// The forms as live, ownerless modeless dialogs (the System dialog is made
// this way at first run).

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void ExpectDialogCreates(const DialogLayout& form) {
    HWND dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(form.id), nullptr, PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "dialog " << form.id;
    wchar_t caption[128] = {};
    GetWindowTextW(dialog, caption, 128);
    EXPECT_EQ(std::wstring(caption), Wide(form.caption)) << "dialog " << form.id;
    EXPECT_TRUE(IsWindowVisible(dialog)) << "dialog " << form.id;
    EXPECT_EQ(GetAncestor(dialog, GA_ROOT), dialog) << "dialog " << form.id << ": not top-level";
    EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD, 0) << "dialog " << form.id;

    for (size_t i = 0; i < form.controls.size(); ++i) {
        const ControlRow& c = form.controls[i];
        HWND control = GetDlgItem(dialog, c.id);
        EXPECT_NE(control, nullptr) << "dialog " << form.id << " control " << i + 1;
    }

    // Centred on the work area (DS_CENTER, no owner).
    RECT window = {}, work = {};
    GetWindowRect(dialog, &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const long dx = (window.left + window.right) / 2 - (work.left + work.right) / 2;
    const long dy = (window.top + window.bottom) / 2 - (work.top + work.bottom) / 2;
    EXPECT_LE(std::abs(dx), 2) << "dialog " << form.id << " not centred horizontally";
    EXPECT_LE(std::abs(dy), 2) << "dialog " << form.id << " not centred vertically";
    DestroyWindow(dialog);
}

TEST(LinkedResources, FormsCreateAsCentredTopLevelWindowsWithoutOwner) {
    ExpectDialogCreates(kAddForm);
    ExpectDialogCreates(kModifyForm);
    ExpectDialogCreates(kSystemDialog);
}

}  // namespace
