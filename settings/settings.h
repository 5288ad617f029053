/*
 * Settings: the program's settings record, where "Pelmora.ini" is kept, and
 * moving the record to and from it through ZEF. Portable; the System dialog
 * (Windows only) is declared in system_dialog.h.
 *
 * The file holds exactly two classes and six members:
 *   [SYSTEM]  ejayDir, progEjay (texts), autosave, backup, runEjay (numbers)
 *   [WINDOW]  position (left,top of the main window)
 * written in that order with CR LF line ends. On reading, members are found
 * in whichever class they stand (ZEF's lookups are document-wide), but both
 * classes and all six members must be there, or the file is damaged.
 *
 * The file is read from the user's copy (<user folder>\Pelmora.ini) when one
 * exists, else from the Windows directory. It is written to the Windows
 * directory; when that is refused (ordinary programs may not write there on
 * current Windows), to the user's copy instead.
 */
#ifndef PELMORA_SETTINGS_H
#define PELMORA_SETTINGS_H

#include <cstddef>

#define SETTINGS_PATH_SIZE 256
#define SETTINGS_FILE_NAME "Pelmora.ini"

/* Same layout as the platform's RECT, without needing its header. */
struct SettingsRect {
    int left;
    int top;
    int right;
    int bottom;
};

/* Plain data: the whole AppState that holds it is cleared with one memset
   at start-up. */
struct AppSettings {
    char windowsDir[SETTINGS_PATH_SIZE];
    char ejayDir[SETTINGS_PATH_SIZE];
    char progEjay[SETTINGS_PATH_SIZE];
    int autosave; /* an option is on only when it holds exactly 1 */
    int backup;
    int runEjay;
    int currentStyle; /* STYLE_DANCE, STYLE_RAVE or STYLE_HIPHOP */
    SettingsRect position;
};

/* 0 until the settings were read at start-up or the first-run form was
   validated; the System dialog tells its two modes apart by it. */
extern int settingsReady;

/* ---- Where the file is kept ------------------------------------------- */

/* The Windows directory into settings->windowsDir and %APPDATA%\Pelmora as
   the user's folder: where the program and its tools look for the file. */
void UseThePlatformsSettingsFolders(AppSettings *settings);
/* Folder for the user's copy of the settings file, e.g. %APPDATA%\Pelmora;
   an empty text means there is none (the default). */
void SetUserSettingsFolder(const char *folder);
/* "<windowsDir><sep>Pelmora.ini" into out. 0 when it does not fit. */
int SettingsFilePath(const AppSettings &settings, char *out, std::size_t capacity);
/* The user's copy's path into out. 0 when there is no user folder or it does not fit. */
int UserSettingsFilePath(char *out, std::size_t capacity);
/* The settings file to read into out: the user's copy when it exists, else
   the Windows directory's. 0 when neither exists (a first run). */
int FindSettingsFile(const AppSettings &settings, char *out, std::size_t capacity);
/* Deletes both copies, so that the next start is a first run. A Windows
   directory's copy that cannot be deleted (left by an installer or an
   elevated run) is hidden instead by an empty user's copy, which
   FindSettingsFile takes for no settings at all. */
void ForgetSettingsFile(const AppSettings &settings);
/* The user's copy's path into out, its folder made. 0 when there is no
   user folder or it cannot be made. */
int PrepareUserSettingsFile(char *out, std::size_t capacity);

/* ---- Where the main window opens --------------------------------------- */

/* Keeps the saved position of a window of that size when its caption can
   be seen and grabbed on one of the screens (their usable areas, the first
   the main one); else centres it on the first screen. Negative values
   become 0 first, as they always have. */
void PlaceOnScreen(SettingsRect *position, int width, int height, const SettingsRect *screens, int screenCount);

/* ---- Reading and writing ---------------------------------------------- */

/* Reads the file at path into settings. 1 when it held both classes and all
   six members; 0 when it is unreadable or damaged (fields read so far keep
   their new values). */
int LoadSettings(AppSettings *settings, const char *path);
/* Writes exactly the two classes and six members. 1 when written; savedPath
   (when given) receives the file actually written. 0 when neither place
   could be written; every existing file is then left as it was. */
int SaveSettings(const AppSettings &settings, char *savedPath, std::size_t capacity);
/* The two texts the file keeps. */
enum SettingsText { SETTING_EJAY_DIR, SETTING_PROG_EJAY };
/* 1 when text reads back from the settings file exactly as written as that
   member's value; 0 otherwise or for a null text. The file's dialect keeps
   256 characters of a line, member name and "=" included, drops blanks at
   either end of a value, ends a value at a TAB, ";" or "//", and a line at
   a line feed: "C:\Music;Old\Ejay" would come back as "C:\Music". */
int SettingsTextCanBeKept(SettingsText member, const char *text);
/* The longest text that member's line keeps whole. */
int SettingsTextLimit(SettingsText member);

#endif
