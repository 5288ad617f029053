/*
 * Settings: where "Pelmora.ini" is kept, and moving AppSettings to and from
 * it through ZEF. Portable; the System dialog (Windows only) is declared in
 * system_dialog.h.
 *
 * The file is read from the user's copy (<user folder>\Pelmora.ini) when one
 * exists, else from the Windows directory. It is written to the Windows
 * directory; when that is refused (ordinary programs may not write there on
 * current Windows), to the user's copy instead.
 */
#ifndef PELMORA_SETTINGS_H
#define PELMORA_SETTINGS_H

#include <cstddef>

#include "settings/app_settings.h"

#define SETTINGS_FILE_NAME "Pelmora.ini"

/* 0 until the settings were read at start-up or the first-run form was
   validated; the System dialog tells its two modes apart by it. */
extern int settingsReady;

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
/* Deletes both copies, so that the next start is a first run. */
void ForgetSettingsFile(const AppSettings &settings);

/* Reads the file at path into settings. 1 when it held both classes and all
   six members; 0 when it is unreadable or damaged (fields read so far keep
   their new values). */
int LoadSettings(AppSettings *settings, const char *path);
/* Writes exactly the two classes and six members. 1 when written; savedPath
   (when given) receives the file actually written. 0 when neither place
   could be written; every existing file is then left as it was. */
int SaveSettings(const AppSettings &settings, char *savedPath, std::size_t capacity);

#endif
