/*
 * Where "Pelmora.ini" is kept: in the Windows directory, and, where an
 * ordinary program may not write there, in a copy in the user's folder,
 * which is read first when it exists.
 */
#include <cstdio>
#include <cstring>
#include <string>

#include "files/files.h"
#include "settings/settings.h"

namespace {

char s_userSettingsFolder[SETTINGS_PATH_SIZE];

/* Enough of the caption to see the window and drag it back. */
const int CAPTION_GRIP_WIDTH = 100;
const int CAPTION_GRIP_HEIGHT = 20;

bool CaptionOn(const SettingsRect &position, int width, const SettingsRect &screen)
{
    int left = position.left > screen.left ? position.left : screen.left;
    int right = position.left + width < screen.right ? position.left + width : screen.right;
    return right - left >= CAPTION_GRIP_WIDTH && position.top >= screen.top &&
           position.top + CAPTION_GRIP_HEIGHT <= screen.bottom;
}

} // namespace

void PlaceOnScreen(SettingsRect *position, int width, int height, const SettingsRect *screens, int screenCount)
{
    if (position->left < 0)
        position->left = 0;
    if (position->top < 0)
        position->top = 0;
    for (int index = 0; index < screenCount; ++index) {
        if (CaptionOn(*position, width, screens[index]))
            return;
    }
    if (screenCount == 0)
        return;
    const SettingsRect &main = screens[0];
    int left = main.left + (main.right - main.left - width) / 2;
    int top = main.top + (main.bottom - main.top - height) / 2;
    position->left = left > main.left ? left : main.left;
    position->top = top > main.top ? top : main.top;
}

/* The Windows directory is not writable for ordinary programs on current
   Windows; the settings then live in %APPDATA%\Pelmora. */
void UseThePlatformsSettingsFolders(AppSettings *settings)
{
    char appData[SETTINGS_PATH_SIZE];
    char folder[SETTINGS_PATH_SIZE];
    WindowsFolder(settings->windowsDir, sizeof settings->windowsDir);
    /* A folder too long to hold a settings path: no user's copy. */
    bool found = ApplicationDataFolder(appData, sizeof appData) && JoinPath(folder, sizeof folder, appData, "Pelmora");
    SetUserSettingsFolder(found ? folder : "");
}

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
    if (UserSettingsFilePath(out, capacity) && FileCanBeRead(out)) {
        std::string bytes;
        if (ReadWholeFile(out, &bytes) != FILE_READ || !bytes.empty())
            return 1;
        out[0] = '\0'; /* forgotten: see ForgetSettingsFile */
        return 0;
    }
    if (SettingsFilePath(settings, out, capacity) && FileCanBeRead(out))
        return 1;
    if (out != nullptr && capacity > 0)
        out[0] = '\0';
    return 0;
}

void ForgetSettingsFile(const AppSettings &settings)
{
    char path[SETTINGS_PATH_SIZE];
    int windowsCopyGone = !SettingsFilePath(settings, path, sizeof path) || DeleteFileIfPresent(path);
    if (windowsCopyGone) {
        if (UserSettingsFilePath(path, sizeof path))
            DeleteFileIfPresent(path);
    } else if (PrepareUserSettingsFile(path, sizeof path)) {
        SaveFileAtomically(path, "", 0);
    }
}

int PrepareUserSettingsFile(char *out, std::size_t capacity)
{
    return UserSettingsFilePath(out, capacity) && MakeFolder(s_userSettingsFolder);
}
