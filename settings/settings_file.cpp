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

/* About 20 MB: one static record shared by the two procedures. Only the
   pages the document uses are ever touched: the rest stays as the program
   was loaded, zero and never resident. */
ZEFINFO g_settingsDocument;

const char *const CLASS_SYSTEM = "SYSTEM";
const char *const CLASS_WINDOW = "WINDOW";

enum MemberKind { MEMBER_TEXT, MEMBER_NUMBER, MEMBER_POSITION };

/* One member of the file and the field it keeps. */
struct SettingsMember {
    const char *className;
    const char *name;
    MemberKind kind;
    char (AppSettings::*text)[SETTINGS_PATH_SIZE]; /* MEMBER_TEXT */
    int AppSettings::*number;                      /* MEMBER_NUMBER */
};

/* The file's members in the order they are written and checked; the texts
   first, in SettingsText order. */
const SettingsMember MEMBERS[] = {
    {CLASS_SYSTEM, "ejayDir", MEMBER_TEXT, &AppSettings::ejayDir, nullptr},
    {CLASS_SYSTEM, "progEjay", MEMBER_TEXT, &AppSettings::progEjay, nullptr},
    {CLASS_SYSTEM, "autosave", MEMBER_NUMBER, nullptr, &AppSettings::autosave},
    {CLASS_SYSTEM, "backup", MEMBER_NUMBER, nullptr, &AppSettings::backup},
    {CLASS_SYSTEM, "runEjay", MEMBER_NUMBER, nullptr, &AppSettings::runEjay},
    {CLASS_WINDOW, "position", MEMBER_POSITION, nullptr, nullptr},
};

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

/* 0 when the member is missing; the fields before it keep what they got. */
int LoadMember(const SettingsMember &member, AppSettings *settings)
{
    char value[ZEF_TEXT_SIZE];
    char *out = member.kind == MEMBER_TEXT ? settings->*member.text : value;
    if (!FetchMember(member.name, out)) {
        return 0;
    }
    if (member.kind == MEMBER_NUMBER) {
        settings->*member.number = DecimalValue(value);
    } else if (member.kind == MEMBER_POSITION) {
        ScanPosition(value, &settings->position);
    }
    return 1;
}

/* Each class is checked before its first member is read. */
int LoadMembers(AppSettings *settings)
{
    const char *currentClass = nullptr;
    for (const SettingsMember &member : MEMBERS) {
        if (member.className != currentClass && !ClassExists(member.className)) {
            return 0;
        }
        currentClass = member.className;
        if (!LoadMember(member, settings)) {
            return 0;
        }
    }
    return 1;
}

/* The member's value as the file keeps it: a text as it is, numbers in
   decimal. */
const char *MemberValue(const SettingsMember &member, const AppSettings &settings, char *buffer, std::size_t size)
{
    switch (member.kind) {
    case MEMBER_TEXT: return settings.*member.text;
    case MEMBER_NUMBER: std::snprintf(buffer, size, "%d", settings.*member.number); break;
    case MEMBER_POSITION: std::snprintf(buffer, size, "%d,%d", settings.position.left, settings.position.top); break;
    }
    return buffer;
}

/* Clears what the document used. It is filled only by ZEF_OpenFile,
   ZEF_AddClass and ZEF_AddMember and never deleted from, so its classes in
   use come first in their slots, and in each class its members in use:
   the first free slot ends them, and everything after it is zero still. */
void ClearSettingsDocument(void)
{
    ZEFINFO &document = g_settingsDocument;
    for (int c = 0; c < ZEF_MAX_CLASSES && document.classes[c].used; c++) {
        ZEFCLASS &cls = document.classes[c];
        for (int m = 0; m < ZEF_MAX_MEMBERS && cls.members[m].used; m++) {
            std::memset(&cls.members[m], 0, sizeof cls.members[m]);
            std::memset(&cls.inits[m], 0, sizeof cls.inits[m]);
        }
        cls.used = 0;
        std::memset(cls.name, 0, sizeof cls.name);
        cls.memberCount = 0;
    }
    document.opened = 0;
    std::memset(document.fileName, 0, sizeof document.fileName);
    std::memset(document.directory, 0, sizeof document.directory);
    document.fileSize = 0;
    document.classCount = 0;
    document.memberTotal = 0;
    document.initTotal = 0;
}

void BuildSettingsDocument(const AppSettings &settings)
{
    ClearSettingsDocument();
    const char *currentClass = nullptr;
    for (const SettingsMember &member : MEMBERS) {
        if (member.className != currentClass) {
            ZEF_AddClass(ZefText(member.className), &g_settingsDocument);
            currentClass = member.className;
        }
        char buffer[ZEF_TEXT_SIZE];
        const char *value = MemberValue(member, settings, buffer, sizeof buffer);
        ZEF_AddMember(ZefText(currentClass), ZefText(member.name), ZefText(value), &g_settingsDocument);
    }
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
    if (std::strlen(MEMBERS[member].name) + 1 + length > ZEF_LINE_SIZE) {
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
    return ZEF_LINE_SIZE - static_cast<int>(std::strlen(MEMBERS[member].name)) - 1;
}

/* No clear first: an open that succeeds replaces the whole document, and
   after one that fails nothing is read from it. */
int LoadSettings(AppSettings *settings, const char *path)
{
    if (settings == nullptr || path == nullptr) {
        return 0;
    }
    if (ZEF_OpenFile(ZefText(path), &g_settingsDocument) != ZEF_OK) {
        return 0;
    }
    return LoadMembers(settings);
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
