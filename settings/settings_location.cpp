/*
 * Where "Pelmora.ini" is kept: in the Windows directory, and, where an
 * ordinary program may not write there, in a copy in the user's folder,
 * which is read first when it exists.
 */
#include <cstdio>
#include <cstring>

#include "files/files.h"
#include "settings/settings.h"

namespace {

char s_userSettingsFolder[SETTINGS_PATH_SIZE];

} // namespace

void SetUserSettingsFolder(const char *folder)
{
    s_userSettingsFolder[0] = '\0';
    if (folder == nullptr)
        return;
    /* A folder too long to keep is no folder: a cut one would be another. */
    int length = std::snprintf(s_userSettingsFolder, sizeof s_userSettingsFolder, "%s", folder);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof s_userSettingsFolder)
        s_userSettingsFolder[0] = '\0';
}

int SettingsFilePath(const AppSettings &settings, char *out, std::size_t capacity)
{
    /* Without a Windows directory the path would name a file at the root. */
    if (settings.windowsDir[0] == '\0') {
        if (out != nullptr && capacity > 0)
            out[0] = '\0';
        return 0;
    }
    return JoinPath(out, capacity, settings.windowsDir, SETTINGS_FILE_NAME);
}

int UserSettingsFilePath(char *out, std::size_t capacity)
{
    if (s_userSettingsFolder[0] == '\0') {
        if (out != nullptr && capacity > 0)
            out[0] = '\0';
        return 0;
    }
    return JoinPath(out, capacity, s_userSettingsFolder, SETTINGS_FILE_NAME);
}

int FindSettingsFile(const AppSettings &settings, char *out, std::size_t capacity)
{
    if (UserSettingsFilePath(out, capacity) && FileCanBeRead(out))
        return 1;
    if (SettingsFilePath(settings, out, capacity) && FileCanBeRead(out))
        return 1;
    if (out != nullptr && capacity > 0)
        out[0] = '\0';
    return 0;
}

void ForgetSettingsFile(const AppSettings &settings)
{
    char path[SETTINGS_PATH_SIZE + sizeof SETTINGS_FILE_NAME];
    if (SettingsFilePath(settings, path, sizeof path))
        DeleteFileIfPresent(path);
    if (UserSettingsFilePath(path, sizeof path))
        DeleteFileIfPresent(path);
}
