/*
 * The sample list reader. Files are read as bytes and the text-mode rules
 * are applied here (CR before LF dropped, lone CR kept, Ctrl-Z ends the
 * input), so Windows and the native build read exactly the same values.
 */
#include <cstdio>
#include <cstring>

#include "database/database.h"
#include "database/file_ops.h"
#include "database/list_file.h"
#include "settings/settings.h"

static const int CTRL_Z = 26;
/* A message names at most three list paths; longer texts are cut. */
static const int MESSAGE_CAPACITY = 2048;

static DatabaseReporter s_reporter = nullptr;

void SetDatabaseReporter(DatabaseReporter reporter)
{
    s_reporter = reporter;
}

void SendDatabaseMessage(const char *message)
{
    if (s_reporter != nullptr)
        s_reporter(message);
    else
        std::fprintf(stderr, "%s\n", message);
}

int RemoveChar(char c, char *text)
{
    if (text == nullptr)
        return 0;
    char *kept = text;
    for (const char *next = text; *next != '\0'; ++next) {
        if (*next != c)
            *kept++ = *next;
    }
    *kept = '\0';
    return 1;
}

/* Takes one character; a Ctrl-Z is put back so that the input stays ended
   for every later read. */
static int NextChar(std::FILE *stream)
{
    int c = std::getc(stream);
    if (c == CTRL_Z) {
        std::ungetc(c, stream);
        return EOF;
    }
    return c;
}

/* After a CR: 1 when a LF follows (and is consumed), else 0. */
static int LineFeedFollows(std::FILE *stream)
{
    int c = std::getc(stream);
    if (c == '\n')
        return 1;
    if (c != EOF)
        std::ungetc(c, stream);
    return 0;
}

int ReadListLine(std::FILE *stream, char *buffer, int capacity)
{
    if (stream == nullptr || buffer == nullptr || capacity <= 0)
        return 0;
    std::memset(buffer, 0, static_cast<std::size_t>(capacity));
    int stored = 0;
    int readAny = 0;
    for (;;) {
        int c = NextChar(stream);
        if (c == EOF)
            return readAny; /* a final line without line end is a line */
        readAny = 1;
        if (c == '\n')
            return 1;
        if (c == '\r' && LineFeedFollows(stream))
            return 1;
        /* Characters beyond the buffer are dropped up to the line end, so
           an overlong line is cut and the next line still starts a line. */
        if (stored < capacity - 1)
            buffer[stored++] = static_cast<char>(c);
    }
}

/* Reads up to seven lines; returns how many were read. */
static int ReadRecordLines(std::FILE *stream, char lines[][READER_LINE_CAPACITY])
{
    for (int index = 0; index < RECORD_LINE_COUNT; ++index) {
        if (!ReadListLine(stream, lines[index], READER_LINE_CAPACITY))
            return index;
    }
    return RECORD_LINE_COUNT;
}

/* Blank lines at the very end of a file hold nothing worth keeping. */
static int AllEmpty(const char lines[][READER_LINE_CAPACITY], int lineCount)
{
    for (int index = 0; index < lineCount; ++index) {
        if (lines[index][0] != '\0')
            return 0;
    }
    return 1;
}

static void ReportUnknownCategory(const char *keyword)
{
    char message[MESSAGE_CAPACITY];
    std::snprintf(message, sizeof message, "La catégorie \"%s\" est inconnue !            ", keyword);
    SendDatabaseMessage(message);
}

int ReadStyleDatabase(std::FILE *stream, StyleDatabase *db, int style)
{
    if (stream == nullptr || db == nullptr)
        return 0;
    char lines[RECORD_LINE_COUNT][READER_LINE_CAPACITY];
    for (;;) {
        int lineCount = ReadRecordLines(stream, lines);
        if (lineCount == 0)
            return 1;
        if (lineCount < RECORD_LINE_COUNT) {
            if (!AllEmpty(lines, lineCount))
                CarryUnfinishedLines(style, lines, lineCount);
            return 1;
        }
        for (int index = 0; index < RECORD_LINE_COUNT; ++index)
            RemoveChar('"', lines[index]);
        int category = CategoryOfKeyword(lines[3]);
        if (category == 0) {
            ReportUnknownCategory(lines[3]);
            return 0;
        }
        SampleFields fields = {lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], lines[6]};
        if (!AppendSample(&db->lists[category - 1], fields, category)) {
            SampleRecord record;
            FillSampleRecord(&record, fields, category);
            CarryRecord(style, category, record);
        }
    }
}

static void ReportPathTooLong(const char *dir, const char *name)
{
    char message[MESSAGE_CAPACITY];
    std::snprintf(message, sizeof message, "Le chemin \"%s%c%s\" est trop long !            ", dir,
                  PATH_SEPARATOR, name);
    SendDatabaseMessage(message);
}

static void ReportMissingFile(const char *path)
{
    char message[MESSAGE_CAPACITY];
    std::snprintf(message, sizeof message, "Le fichier \"%s\" est introuvable !            ", path);
    SendDatabaseMessage(message);
}

/* One message for all files, after loading: which lists hold records that
   are not shown, and that saving will keep them. */
static void ReportCarriedRecords(const AppSettings &settings)
{
    char message[MESSAGE_CAPACITY];
    std::size_t used = 0;
    message[0] = '\0';
    for (int index = 0; index < STYLE_COUNT; ++index) {
        int carried = CarriedRecordCount(STYLE_DANCE + index);
        char path[LIST_LINE_CAPACITY];
        if (carried == 0 || !JoinPath(path, sizeof path, settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]))
            continue;
        int length = std::snprintf(message + used, sizeof message - used,
                                   "%sLe fichier \"%s\" contient %d enregistrement(s) qui n'ont pas pu être "
                                   "chargé(s) (plus de 500 dans une catégorie, ou enregistrement incomplet en "
                                   "fin de fichier) : ils seront conservés tels quels à l'enregistrement.",
                                   used > 0 ? "\n" : "", path, carried);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof message - used)
            break; /* cannot happen with three 255-character paths */
        used += static_cast<std::size_t>(length);
    }
    if (used > 0)
        SendDatabaseMessage(message);
}

/* Opens and reads one style's list; 0 when loading must stop. */
static int LoadStyleList(AppState *state, int index)
{
    const char *dir = state->settings.ejayDir;
    const char *name = SAMPLE_LIST_FILE_NAMES[index];
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, dir, name)) {
        /* Like a missing list: the folder must be chosen again. */
        ReportPathTooLong(dir, name);
        ForgetSettingsFile(state->settings);
        return 0;
    }
    std::FILE *stream = std::fopen(path, "rb");
    if (stream == nullptr) {
        ReportMissingFile(path);
        ForgetSettingsFile(state->settings);
        return 0;
    }
    int read = ReadStyleDatabase(stream, &state->styles[index], STYLE_DANCE + index);
    std::fclose(stream);
    return read;
}

int LoadSampleLists(AppState *state)
{
    if (state == nullptr)
        return 0;
    ForgetCarriedRecords();
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (!LoadStyleList(state, index))
            return 0;
    }
    ReportCarriedRecords(state->settings);
    return 1;
}
