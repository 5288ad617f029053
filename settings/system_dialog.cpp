/*
 * The System dialog (600): Ejay's folder, Ejay's program and the three
 * options. At first run (settingsReady 0) it stands before any window of
 * the program: validating it loads the lists and starts the intro,
 * cancelling it ends the program. Later it only changes the settings in
 * memory; they reach "Pelmora.ini" when the program closes.
 */
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "files/files.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "settings/system_dialog.h"

#define FIRST_RUN_EJAY_DIR "C:\\"
/* %d: the most characters taken. */
#define TEXT_EJAY_DIR_TOO_LONG                                                                                         \
    "Le nom du répertoire Ejay est trop long : %d caractères au plus, pour que "                                     \
    "Pelmora puisse y écrire les listes, leurs copies et ses fichiers de travail."
#define TEXT_PROG_EJAY_TOO_LONG                                                                                        \
    "Le chemin du programme Ejay est trop long : \"Pelmora.ini\" en garde %d "                                         \
    "caractères au plus."
#define TEXT_NOT_KEPT_FORMAT                                                                                           \
    "Le chemin \"%s\" ne pourrait pas être gardé tel quel dans \"Pelmora.ini\" : "                                   \
    "il ne doit contenir ni \";\", ni \"//\", ni tabulation, ni commencer ou "                                         \
    "finir par un blanc."

namespace {

SystemDialogRole s_role;

/* Before the program's windows, the dialog stands for the start. */
bool StandsBeforeTheWindows(void) { return s_role != SYSTEM_SETTINGS; }

void TellTooLong(HWND hDlg, const char *format, int limit)
{
    char message[512];
    std::snprintf(message, sizeof message, format, limit);
    ShowProgramMessage(message, MB_OK | MB_ICONINFORMATION, hDlg);
}

/* The longest Ejay folder: its files must fit, and its settings line. */
int EjayFolderLimit(void)
{
    int kept = SettingsTextLimit(SETTING_EJAY_DIR);
    return kept < EJAY_FOLDER_MAX ? kept : EJAY_FOLDER_MAX;
}

void SetCheck(HWND hDlg, int control, bool ticked)
{
    CheckDlgButton(hDlg, control, ticked ? BST_CHECKED : BST_UNCHECKED);
}

int IsTicked(HWND hDlg, int control) { return IsDlgButtonChecked(hDlg, control) == BST_CHECKED ? 1 : 0; }

/* A group box is no field: the template's tab stops on the two of them
   would leave the focus on a frame that shows none. */
void KeepGroupBoxesOutOfTabOrder(HWND hDlg)
{
    for (HWND child = GetWindow(hDlg, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_STATIC)
            SetWindowLongPtrA(child, GWL_STYLE, GetWindowLongPtrA(child, GWL_STYLE) & ~WS_TABSTOP);
    }
}

void OnInitDialog(HWND hDlg)
{
    const AppSettings &settings = g_appState.settings;
    CloseCurrentDialog();
    KeepGroupBoxesOutOfTabOrder(hDlg);
    LimitField(hDlg, IDC_SYSTEM_EJAYDIR, EjayFolderLimit());
    StartFormKeyboard(hDlg, IDC_SYSTEM_EJAYDIR, IDC_SYSTEM_VALIDATE);
    SetDlgItemTextA(hDlg, IDC_SYSTEM_WINDOWSDIR, settings.windowsDir);
    if (s_role == SYSTEM_FIRST_RUN) {
        SetDlgItemTextA(hDlg, IDC_SYSTEM_EJAYDIR, FIRST_RUN_EJAY_DIR);
        SetCheck(hDlg, IDC_SYSTEM_AUTOSAVE, true);
        SetCheck(hDlg, IDC_SYSTEM_BACKUP, false);
        SetCheck(hDlg, IDC_SYSTEM_RUNEJAY, false);
        return;
    }
    SetDlgItemTextA(hDlg, IDC_SYSTEM_EJAYDIR, settings.ejayDir);
    SetCheck(hDlg, IDC_SYSTEM_AUTOSAVE, settings.autosave == 1);
    SetCheck(hDlg, IDC_SYSTEM_BACKUP, settings.backup == 1);
    SetCheck(hDlg, IDC_SYSTEM_RUNEJAY, settings.runEjay == 1);
}

/* 1 when the settings file can keep path whole; else says why: its length
   (with the limit), or a character the file cannot keep. */
int CheckPathCanBeKept(HWND hDlg, SettingsText member, const char *path, int limit)
{
    if (static_cast<int>(std::strlen(path)) > limit) {
        TellTooLong(hDlg, member == SETTING_EJAY_DIR ? TEXT_EJAY_DIR_TOO_LONG : TEXT_PROG_EJAY_TOO_LONG, limit);
        return 0;
    }
    if (SettingsTextCanBeKept(member, path)) {
        return 1;
    }
    char message[TEXT_BUFFER_SIZE + sizeof TEXT_NOT_KEPT_FORMAT];
    std::snprintf(message, sizeof message, TEXT_NOT_KEPT_FORMAT, path);
    ShowProgramMessage(message, MB_OK | MB_ICONINFORMATION, hDlg);
    return 0;
}

/* The chosen program is kept at once; its folder, with the trailing
   backslash, becomes the Ejay directory shown. */
void OnBrowse(HWND hDlg)
{
    OPENFILENAMEA chooser = {};
    g_textBuffer[0] = '\0';
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = hDlg;
    chooser.lpstrFilter = "Ejay Spéciale Edition 1.02 (*.exe)\0*.exe\0";
    chooser.lpstrFile = g_textBuffer;
    chooser.nMaxFile = sizeof g_textBuffer;
    chooser.lpstrDefExt = "exe";
    chooser.lpstrTitle = "Rechercher l'application...";
    chooser.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetOpenFileNameA(&chooser) ||
        !CheckPathCanBeKept(hDlg, SETTING_PROG_EJAY, g_textBuffer, SettingsTextLimit(SETTING_PROG_EJAY))) {
        return;
    }
    AppSettings &settings = g_appState.settings;
    std::snprintf(settings.progEjay, sizeof settings.progEjay, "%s", g_textBuffer);
    if (chooser.nFileOffset < sizeof g_textBuffer) {
        std::memset(g_textBuffer + chooser.nFileOffset, 0, sizeof g_textBuffer - chooser.nFileOffset);
    }
    SetDlgItemTextA(hDlg, IDC_SYSTEM_EJAYDIR, g_textBuffer);
}

void ShowMissingList(HWND hDlg, const char *path)
{
    char message[2 * TEXT_BUFFER_SIZE];
    FormatListMissingMessage(path, message, sizeof message);
    ShowProgramMessage(message, MB_OK | MB_ICONINFORMATION, hDlg);
}

/* Every list is checked, so the user learns of all missing ones at once.
   1 when all three can be read. */
int CheckSampleListsExist(HWND hDlg, const char *ejayDir)
{
    int allPresent = 1;
    for (int style = 0; style < STYLE_COUNT; style++) {
        if (!JoinPath(g_textBuffer, sizeof g_textBuffer, ejayDir, SAMPLE_LIST_FILE_NAMES[style])) {
            TellTooLong(hDlg, TEXT_EJAY_DIR_TOO_LONG, EjayFolderLimit());
            return 0;
        }
        if (!FileCanBeRead(g_textBuffer)) {
            ShowMissingList(hDlg, g_textBuffer);
            allPresent = 0;
        }
    }
    return allPresent;
}

/* Reads the Ejay directory typed in, made a full path (a relative one
   would name another folder from another working folder); 0 (and a
   message) when it is too long for the files written there or would not
   come back whole from the settings. */
int ReadEjayDirectory(HWND hDlg, char (&ejayDir)[SETTINGS_PATH_SIZE])
{
    char typed[4 * SETTINGS_PATH_SIZE];
    char full[FILE_PATH_CAPACITY];
    GetDlgItemTextA(hDlg, IDC_SYSTEM_EJAYDIR, typed, sizeof typed);
    const char *folder = FullPathOf(typed, full, sizeof full) ? full : typed;
    if (!CheckPathCanBeKept(hDlg, SETTING_EJAY_DIR, folder, EjayFolderLimit())) {
        return 0;
    }
    std::snprintf(ejayDir, sizeof ejayDir, "%s", folder);
    return 1;
}

void StartTheProgram(void)
{
    settingsReady = 1;
    if (!StartWithLists()) {
        PostQuitMessage(0);
    }
}

/* Nothing is stored until every check passed: a folder that is refused,
   or lacks a list, must not stay behind a later "Annuler", where every
   save of the lists would then fail. */
void OnValidate(HWND hDlg)
{
    char ejayDir[SETTINGS_PATH_SIZE];
    if (!ReadEjayDirectory(hDlg, ejayDir) || !CheckSampleListsExist(hDlg, ejayDir)) {
        return;
    }
    AppSettings &settings = g_appState.settings;
    settings.autosave = IsTicked(hDlg, IDC_SYSTEM_AUTOSAVE);
    settings.backup = IsTicked(hDlg, IDC_SYSTEM_BACKUP);
    settings.runEjay = IsTicked(hDlg, IDC_SYSTEM_RUNEJAY);
    const bool beforeTheWindows = StandsBeforeTheWindows();
    /* The lists shown go back to their own folder, never into another. */
    const bool anotherFolder = !beforeTheWindows && !SameFile(ejayDir, g_listsLoad.folder.c_str());
    if (!anotherFolder) {
        std::memcpy(settings.ejayDir, ejayDir, sizeof ejayDir);
    }
    DestroyWindow(hDlg);
    if (anotherFolder) {
        SwitchEjayFolder(ejayDir);
    } else if (beforeTheWindows) {
        StartTheProgram();
    }
}

/* At first run there is nothing to go back to: the program ends, writing
   no file. */
void OnCancel(HWND hDlg)
{
    if (StandsBeforeTheWindows()) {
        PostQuitMessage(0);
        return;
    }
    DestroyWindow(hDlg);
}

void OnCommand(HWND hDlg, int identifier)
{
    switch (identifier) {
    case IDC_SYSTEM_BROWSE: OnBrowse(hDlg); break;
    case IDC_SYSTEM_VALIDATE: OnValidate(hDlg); break;
    case IDC_SYSTEM_CANCEL:
    case IDCANCEL: OnCancel(hDlg); break;
    default: break;
    }
}

INT_PTR CALLBACK SystemDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(hDlg); return FALSE;
    case WM_COMMAND: OnCommand(hDlg, LOWORD(wParam)); return FALSE;
    case WM_CLOSE: OnCancel(hDlg); return FALSE;
    case WM_DESTROY: ForgetDialog(hDlg); return FALSE;
    default: return FALSE;
    }
}

} // namespace

void OpenSystemDialog(HWND owner, SystemDialogRole role)
{
    s_role = role;
    HWND dialog = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(IDD_SYSTEM), owner, SystemDialogProc, 0);
    g_hDialog = dialog;
}
