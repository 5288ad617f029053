/*
 * Moving AppSettings to and from "Pelmora.ini" through ZEF.
 */
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/files.h"
#include "settings/settings.h"
#include "zef/zef.h"

int settingsReady = 0;

namespace {

/* About 20 MB: one static record shared by the two procedures, each of
   which rebuilds it from nothing. */
ZEFINFO g_settingsDocument;

const char *const CLASS_SYSTEM = "SYSTEM";
const char *const CLASS_WINDOW = "WINDOW";
/* The member of each SettingsText. */
const char *const TEXT_MEMBERS[] = {"ejayDir", "progEjay"};

/* ZEF's interface predates const; it never writes through these. */
char *ZefText(const char *text) { return const_cast<char *>(text); }

int MemberExists(const char *member) { return ZEF_ExistMember(ZefText(member), &g_settingsDocument) == 1; }

int ClassExists(const char *name) { return ZEF_ExistClass(ZefText(name), &g_settingsDocument) == 1; }

/* Fetches a member into a ZEF_TEXT_SIZE buffer; 0 when it is missing. */
int FetchMember(const char *member, char *out)
{
    if (!MemberExists(member)) {
        return 0;
    }
    out[0] = '\0';
    ZEF_GetInit(ZefText(member), out, &g_settingsDocument);
    return 1;
}

/* A leading decimal number of text, held at the limits of int. 0 when text
   does not start with one (blanks before it are skipped). */
int ScanNumber(const char *text, int *value, const char **end)
{
    char *stop = nullptr;
    long number = std::strtol(text, &stop, 10);
    if (end != nullptr) {
        *end = stop;
    }
    if (stop == text) {
        return 0;
    }
    if (number > INT_MAX) {
        number = INT_MAX;
    } else if (number < INT_MIN) {
        number = INT_MIN;
    }
    *value = static_cast<int>(number);
    return 1;
}

/* Text that does not start with a number reads as 0. */
int DecimalValue(const char *text)
{
    int value = 0;
    ScanNumber(text, &value, nullptr);
    return value;
}

/* "left,top": without a first number both keep their values; with only one,
   only left changes. */
void ScanPosition(const char *text, SettingsRect *position)
{
    const char *rest = nullptr;
    if (!ScanNumber(text, &position->left, &rest) || *rest != ',') {
        return;
    }
    ScanNumber(rest + 1, &position->top, nullptr);
}

int LoadSystemClass(AppSettings *settings)
{
    char value[ZEF_TEXT_SIZE];
    if (!ClassExists(CLASS_SYSTEM)) {
        return 0;
    }
    if (!FetchMember(TEXT_MEMBERS[SETTING_EJAY_DIR], settings->ejayDir)) {
        return 0;
    }
    if (!FetchMember(TEXT_MEMBERS[SETTING_PROG_EJAY], settings->progEjay)) {
        return 0;
    }
    if (!FetchMember("autosave", value)) {
        return 0;
    }
    settings->autosave = DecimalValue(value);
    if (!FetchMember("backup", value)) {
        return 0;
    }
    settings->backup = DecimalValue(value);
    if (!FetchMember("runEjay", value)) {
        return 0;
    }
    settings->runEjay = DecimalValue(value);
    return 1;
}

int LoadWindowClass(AppSettings *settings)
{
    char value[ZEF_TEXT_SIZE];
    if (!ClassExists(CLASS_WINDOW)) {
        return 0;
    }
    if (!FetchMember("position", value)) {
        return 0;
    }
    ScanPosition(value, &settings->position);
    return 1;
}

void AddNumberMember(const char *className, const char *member, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    ZEF_AddMember(ZefText(className), ZefText(member), text, &g_settingsDocument);
}

void BuildSettingsDocument(const AppSettings &settings)
{
    std::memset(&g_settingsDocument, 0, sizeof g_settingsDocument);
    ZEF_AddClass(ZefText(CLASS_SYSTEM), &g_settingsDocument);
    ZEF_AddMember(ZefText(CLASS_SYSTEM), ZefText(TEXT_MEMBERS[SETTING_EJAY_DIR]), ZefText(settings.ejayDir),
                  &g_settingsDocument);
    ZEF_AddMember(ZefText(CLASS_SYSTEM), ZefText(TEXT_MEMBERS[SETTING_PROG_EJAY]), ZefText(settings.progEjay),
                  &g_settingsDocument);
    AddNumberMember(CLASS_SYSTEM, "autosave", settings.autosave);
    AddNumberMember(CLASS_SYSTEM, "backup", settings.backup);
    AddNumberMember(CLASS_SYSTEM, "runEjay", settings.runEjay);

    char position[32];
    std::snprintf(position, sizeof position, "%d,%d", settings.position.left, settings.position.top);
    ZEF_AddClass(ZefText(CLASS_WINDOW), &g_settingsDocument);
    ZEF_AddMember(ZefText(CLASS_WINDOW), ZefText("position"), position, &g_settingsDocument);
}

int WriteSettingsDocument(const char *path) { return ZEF_WriteFile(ZefText(path), &g_settingsDocument) == ZEF_OK; }

int WriteUserCopy(char *written, std::size_t capacity)
{
    return PrepareUserSettingsFile(written, capacity) && WriteSettingsDocument(written);
}

/* Reading prefers the user's copy; once the Windows directory could be
   written again, an old user's copy would hide the newer file. */
void DropStaleUserCopy(void)
{
    char userCopy[SETTINGS_PATH_SIZE];
    if (UserSettingsFilePath(userCopy, sizeof userCopy)) {
        DeleteFileIfPresent(userCopy);
    }
}

void ReportSavedPath(const char *path, char *savedPath, std::size_t capacity)
{
    if (savedPath != nullptr && capacity > 0) {
        std::snprintf(savedPath, capacity, "%s", path);
    }
}

} // namespace

int SettingsTextCanBeKept(SettingsText member, const char *text)
{
    if (text == nullptr) {
        return 0;
    }
    std::size_t length = std::strlen(text);
    if (std::strlen(TEXT_MEMBERS[member]) + 1 + length > ZEF_LINE_SIZE) {
        return 0;
    }
    if (length > 0 && (text[0] == ' ' || text[length - 1] == ' ')) {
        return 0;
    }
    for (std::size_t i = 0; i < length; i++) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < ' ' || c == ';' || (c == '/' && text[i + 1] == '/')) {
            return 0;
        }
    }
    return 1;
}

int SettingsTextLimit(SettingsText member)
{
    return ZEF_LINE_SIZE - static_cast<int>(std::strlen(TEXT_MEMBERS[member])) - 1;
}

int LoadSettings(AppSettings *settings, const char *path)
{
    std::memset(&g_settingsDocument, 0, sizeof g_settingsDocument);
    if (settings == nullptr || path == nullptr) {
        return 0;
    }
    if (ZEF_OpenFile(ZefText(path), &g_settingsDocument) != ZEF_OK) {
        return 0;
    }
    if (!LoadSystemClass(settings)) {
        return 0;
    }
    return LoadWindowClass(settings);
}

int SaveSettings(const AppSettings &settings, char *savedPath, std::size_t capacity)
{
    char path[SETTINGS_PATH_SIZE];
    BuildSettingsDocument(settings);

    if (SettingsFilePath(settings, path, sizeof path) && WriteSettingsDocument(path)) {
        DropStaleUserCopy();
        ReportSavedPath(path, savedPath, capacity);
        return 1;
    }
    if (WriteUserCopy(path, sizeof path)) {
        ReportSavedPath(path, savedPath, capacity);
        return 1;
    }
    ReportSavedPath("", savedPath, capacity);
    return 0;
}
