/*
 * The lists tool's commands. Lists are read with the program's reader and
 * written with its writer, backups first, only by import and only whole.
 */
#include "lists/lists_tool.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "database/database.h"
#include "database/list_file.h"
#include "files/files.h"
#include "lists/lists_texts.h"
#include "settings/settings.h"

namespace {

namespace fs = std::filesystem;

const char *const STYLE_NAMES[STYLE_COUNT] = {"Dance", "Rave", "Hiphop"};
const char *const STYLE_WORDS[STYLE_COUNT] = {"dance", "rave", "hiphop"};

/* The tables, about 6 MB: static, as the program keeps them. */
AppState s_state;

struct Options {
    std::string command;
    std::vector<std::string> operands;
    std::string ejayDir, csv, style, category;
    bool dryRun = false;
    bool help = false;
    std::vector<std::string> used; /* options given, to check they fit the command */
};

/* Options with a value, and the command each belongs to (empty: all). */
struct ValueOption {
    const char *name;
    std::string Options::*field;
    const char *command;
};
const ValueOption VALUE_OPTIONS[] = {{"--ejay", &Options::ejayDir, ""},
                                     {"--csv", &Options::csv, "export"},
                                     {"--style", &Options::style, "import"},
                                     {"--category", &Options::category, "import"}};

std::string Format(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

/* What the tool prints: texts in the lists' code page, printed in UTF-8. */
struct Console {
    std::string *out;
    std::string *err;
    void Say(const std::string &text) { *out += Cp1252ToUtf8(text); }
    void Warn(const std::string &text) { *err += Cp1252ToUtf8(text); }
    int Fail(const std::string &message)
    {
        Warn("pelmora-lists : " + message + "\n");
        return TOOL_ERROR;
    }
};

/* ---- Arguments ----------------------------------------------------------- */

/* "--name value" or "--name=value": the option and where its value is. */
int TakeValueOption(const std::vector<std::string> &arguments, std::size_t *at, Options *options, Console &console)
{
    const std::string &argument = arguments[*at];
    for (const ValueOption &option : VALUE_OPTIONS) {
        std::string name = option.name;
        if (argument == name && *at + 1 < arguments.size()) {
            options->*option.field = arguments[++*at];
        } else if (argument.compare(0, name.size() + 1, name + "=") == 0) {
            options->*option.field = argument.substr(name.size() + 1);
        } else if (argument == name) {
            return console.Fail(Format(TOOL_OPTION_NEEDS_VALUE, option.name));
        } else {
            continue;
        }
        options->used.push_back(name);
        return TOOL_OK;
    }
    return console.Fail(Format(TOOL_UNKNOWN_OPTION, argument.c_str()));
}

const char *CommandOf(const std::string &option)
{
    for (const ValueOption &known : VALUE_OPTIONS) {
        if (option == known.name)
            return known.command;
    }
    return "import"; /* --dry-run */
}

/* The command, its operands and its options, each where it belongs. */
int CheckUsage(const Options &options, Console &console)
{
    static const struct {
        const char *command;
        std::size_t operands;
        const char *what;
        const char *required[2];
    } COMMANDS[] = {{"check", 0, "aucun argument", {}},
                    {"find", 1, "un texte à chercher", {}},
                    {"export", 0, "aucun argument", {"--csv"}},
                    {"import", 1, "un dossier de samples", {"--style", "--category"}}};
    if (options.command.empty())
        return console.Fail(TOOL_NO_COMMAND);
    for (const auto &command : COMMANDS) {
        if (options.command != command.command)
            continue;
        if (options.operands.size() != command.operands || (command.operands && options.operands[0].empty()))
            return console.Fail(Format(TOOL_OPERANDS, command.command, command.what));
        for (const std::string &used : options.used) {
            if (*CommandOf(used) != '\0' && options.command != CommandOf(used))
                return console.Fail(Format(TOOL_OPTION_NOT_HERE, used.c_str(), command.command));
        }
        for (const char *required : command.required) {
            if (required != nullptr &&
                std::find(options.used.begin(), options.used.end(), required) == options.used.end())
                return console.Fail(Format(TOOL_MISSING_OPTION, command.command, required));
        }
        return TOOL_OK;
    }
    return console.Fail(Format(TOOL_UNKNOWN_COMMAND, options.command.c_str()));
}

int ParseArguments(const std::vector<std::string> &arguments, Options *options, Console &console)
{
    for (std::size_t at = 0; at < arguments.size(); at++) {
        const std::string &argument = arguments[at];
        if (argument == "--help" || argument == "-h") {
            options->help = true;
        } else if (argument == "--dry-run") {
            options->dryRun = true;
            options->used.push_back(argument);
        } else if (argument.size() > 1 && argument[0] == '-') {
            if (TakeValueOption(arguments, &at, options, console) != TOOL_OK)
                return TOOL_ERROR;
        } else if (options->command.empty()) {
            options->command = argument;
        } else {
            options->operands.push_back(argument);
        }
    }
    return options->help ? TOOL_OK : CheckUsage(*options, console);
}

/* ---- The lists ------------------------------------------------------------ */

/* Ejay's folder: --ejay, else the one of Pelmora.ini, found as the program
   finds it. The backup option comes from Pelmora.ini when there is one. */
int FindEjayFolder(const Options &options, AppSettings *settings, Console &console)
{
    std::memset(settings, 0, sizeof *settings);
    UseThePlatformsSettingsFolders(settings);
    char path[SETTINGS_PATH_SIZE];
    if (!FindSettingsFile(*settings, path, sizeof path) || LoadSettings(settings, path) != 1) {
        settings->ejayDir[0] = '\0';
        settings->backup = 0;
    }
    if (!options.ejayDir.empty()) {
        if (options.ejayDir.size() >= sizeof settings->ejayDir)
            return console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, options.ejayDir.c_str()));
        std::memcpy(settings->ejayDir, options.ejayDir.c_str(), options.ejayDir.size() + 1);
    }
    return settings->ejayDir[0] == '\0' ? console.Fail(TOOL_NO_EJAY_DIR) : TOOL_OK;
}

int ReadList(const AppSettings &settings, int index, std::string *bytes, Console &console)
{
    char path[LIST_LINE_CAPACITY];
    if (!JoinPath(path, sizeof path, settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]))
        return console.Fail(Format(TOOL_EJAY_DIR_TOO_LONG, settings.ejayDir));
    FileReadResult read = ReadWholeFile(path, bytes);
    if (read == FILE_READ)
        return TOOL_OK;
    return console.Fail(Format(read == FILE_MISSING ? TOOL_LIST_MISSING : TOOL_LIST_UNREADABLE, path));
}

/* The three lists for a look: unknown categories are noted and passed, and
   what the program would keep aside is noted too. */
int ReadForLook(const AppSettings &settings, ListReading readings[STYLE_COUNT], Console &console)
{
    std::memset(s_state.styles, 0, sizeof s_state.styles);
    for (int index = 0; index < STYLE_COUNT; ++index) {
        std::string bytes;
        if (ReadList(settings, index, &bytes, console) != TOOL_OK)
            return TOOL_ERROR;
        readings[index].pastUnknownKeywords = true;
        ReadStyleList(bytes.data(), bytes.size(), &s_state.styles[index], &readings[index]);
    }
    return TOOL_OK;
}

/* Calls visit(style index, category, row from 1, record) for every entry. */
template <typename Visit>
void ForEachEntry(Visit visit)
{
    for (int index = 0; index < STYLE_COUNT; ++index)
        for (int category = 1; category <= CATEGORY_COUNT; ++category) {
            const CategoryList &list = s_state.styles[index].lists[category - 1];
            for (int slot = 0; slot < list.count; ++slot)
                visit(index, category, slot + 1, list.slots[slot]);
        }
}

/* ---- check ---------------------------------------------------------------- */

struct CheckCounts {
    int entries = 0, missing = 0, twice = 0, beyond = 0, tooWide = 0, ends = 0, unknown = 0;
};

void ReportNotes(int index, const ListReading &reading, CheckCounts *counts, Console &console)
{
    const char *style = STYLE_NAMES[index];
    for (const ListNote &note : reading.notes) {
        const char *keyword = note.category > 0 ? CATEGORY_KEYWORDS[note.category - 1] : "";
        switch (note.fate) {
        case RECORD_BEYOND_CAPACITY:
            counts->beyond++;
            console.Say(Format(TOOL_BEYOND_500, style, note.line, keyword));
            break;
        case RECORD_TOO_WIDE:
            counts->tooWide++;
            console.Say(Format(TOOL_TOO_WIDE, style, note.line, keyword));
            break;
        case RECORD_UNFINISHED:
        case RECORD_AFTER_END_MARK:
            counts->ends++;
            console.Say(
                Format(note.fate == RECORD_UNFINISHED ? TOOL_UNFINISHED : TOOL_AFTER_END_MARK, style, note.line));
            break;
        case RECORD_UNKNOWN_KEYWORD:
            counts->unknown++;
            console.Say(Format(TOOL_UNKNOWN_KEYWORD, style, note.line, note.keyword.c_str()));
            break;
        }
    }
}

int Check(const AppSettings &settings, Console &console)
{
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    CheckCounts counts;
    for (int index = 0; index < STYLE_COUNT; ++index)
        ReportNotes(index, readings[index], &counts, console);
    std::map<std::string, std::pair<int, int>> firstSeen[STYLE_COUNT]; /* a style's paths: category, row */
    ForEachEntry([&](int index, int category, int row, const SampleRecord &record) {
        const char *style = STYLE_NAMES[index], *keyword = CATEGORY_KEYWORDS[category - 1];
        counts.entries++;
        if (!FileCanBeRead(record.path)) {
            counts.missing++;
            console.Say(Format(TOOL_SAMPLE_MISSING, style, keyword, row, record.number, record.path));
        }
        auto seen = firstSeen[index].emplace(FoldCase(record.path), std::make_pair(category, row));
        if (!seen.second) {
            counts.twice++;
            console.Say(Format(TOOL_SAMPLE_TWICE, style, keyword, row, record.number, record.path,
                               CATEGORY_KEYWORDS[seen.first->second.first - 1], seen.first->second.second));
        }
    });
    console.Say(Format(TOOL_CHECK_SUMMARY, counts.entries, counts.missing, counts.twice, counts.beyond, counts.tooWide,
                       counts.ends, counts.unknown));
    int problems = counts.missing + counts.twice + counts.beyond + counts.tooWide + counts.ends + counts.unknown;
    return problems > 0 ? TOOL_FOUND : TOOL_OK;
}

/* ---- find ----------------------------------------------------------------- */

int Find(const AppSettings &settings, const std::string &text, Console &console)
{
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    std::string wanted = FoldCase(text);
    int found = 0;
    ForEachEntry([&](int index, int category, int row, const SampleRecord &record) {
        for (const char *field : {record.nameLine1, record.nameLine2, record.extraText, record.path}) {
            if (FoldCase(field).find(wanted) == std::string::npos)
                continue;
            char shown[ROW_TEXT_CAPACITY];
            FormatSampleRow(record, shown, sizeof shown);
            console.Say(Format(TOOL_FOUND_ROW, STYLE_NAMES[index], CATEGORY_KEYWORDS[category - 1], row, shown));
            found++;
            break;
        }
    });
    if (found == 0)
        console.Say(Format(TOOL_NOTHING_FOUND, text.c_str()));
    return found > 0 ? TOOL_OK : TOOL_FOUND;
}

/* ---- export --------------------------------------------------------------- */

/* One field by the usual rules: quoted when it holds a comma, a quote or a
   line break, its quotes doubled. */
void AppendCsvField(std::string *csv, const std::string &value, bool last)
{
    std::string text = Cp1252ToUtf8(value);
    if (text.find_first_of(",\"\r\n") != std::string::npos) {
        std::string quoted = "\"";
        for (char c : text)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        text = quoted + "\"";
    }
    *csv += text;
    *csv += last ? "\r\n" : ",";
}

int Export(const AppSettings &settings, const std::string &target, Console &console)
{
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    std::string csv = Cp1252ToUtf8(TOOL_CSV_HEADER);
    ForEachEntry([&](int index, int category, int row, const SampleRecord &r) {
        const std::string fields[] = {STYLE_NAMES[index],
                                      CATEGORY_KEYWORDS[category - 1],
                                      std::to_string(row),
                                      r.number,
                                      r.path,
                                      r.extraText,
                                      r.keyword,
                                      r.duration,
                                      r.nameLine1,
                                      r.nameLine2};
        for (const std::string &field : fields)
            AppendCsvField(&csv, field, &field == &fields[9]);
    });
    if (target == "-") {
        *console.out += csv;
        return TOOL_OK;
    }
    /* The mark by which a spreadsheet takes a file for UTF-8. */
    csv = "\xEF\xBB\xBF" + csv;
    if (!SaveFileAtomically(target.c_str(), csv.data(), csv.size()))
        return console.Fail(Format(TOOL_CSV_NOT_WRITTEN, target.c_str()));
    return TOOL_OK;
}

/* ---- import --------------------------------------------------------------- */

struct SampleFile {
    std::string name; /* without its extension */
    std::string path; /* as the platform names it */
};

/* The .pxd files of the folder, by name without regard to case. */
std::vector<SampleFile> SampleFilesIn(const std::string &folder)
{
    std::vector<SampleFile> files;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || FoldCase(entry.path().extension().string()) != ".pxd")
            continue;
        fs::path full = fs::absolute(entry.path(), error).make_preferred();
        files.push_back({entry.path().stem().string(), full.string()});
    }
    std::sort(files.begin(), files.end(), [](const SampleFile &a, const SampleFile &b) {
        std::string foldedA = FoldCase(a.name), foldedB = FoldCase(b.name);
        return foldedA != foldedB ? foldedA < foldedB : a.name < b.name;
    });
    return files;
}

/* A path the list format can hold whole: a value cannot hold a quote or a
   line break, nor more than its field. */
bool FitsAList(const std::string &path)
{
    return path.size() < sizeof(SampleRecord::path) && path.find_first_of("\"\r\n") == std::string::npos;
}

int IndexOf(const char *const *words, int count, const std::string &word)
{
    for (int index = 0; index < count; ++index) {
        if (word == words[index])
            return index;
    }
    return -1;
}

/* What the last load read, for the write that follows it. */
ListsLoad s_load;

/* The lists exactly as the program loads them (stopping at an unknown
   category), their bytes kept to see whether they change meanwhile. */
int LoadAsTheProgram(const AppSettings &settings, std::string loaded[STYLE_COUNT], Console &console)
{
    for (int index = 0; index < STYLE_COUNT; ++index) {
        if (ReadList(settings, index, &loaded[index], console) != TOOL_OK)
            return TOOL_ERROR;
    }
    std::memset(&s_state, 0, sizeof s_state);
    s_state.settings = settings;
    ListLoadResult result = LoadSampleLists(&s_state, &s_load);
    for (const std::string &message : s_load.messages)
        console.Warn(message + "\n");
    return result == LISTS_LOADED ? TOOL_OK : console.Fail(TOOL_LISTS_REFUSED);
}

/* The files of a report, each after a line end and two blanks. */
std::string FileLines(const ListSaveReport &report)
{
    std::string lines;
    for (int index = 0; index < report.failedCount; ++index)
        lines += std::string("\n  ") + report.failedPaths[index];
    return lines;
}

/* The lists must still be the ones loaded; backups first, as on closing. */
int WriteImported(const AppSettings &settings, const std::string loaded[STYLE_COUNT], Console &console)
{
    for (int index = 0; index < STYLE_COUNT; ++index) {
        std::string now;
        if (ReadList(settings, index, &now, console) != TOOL_OK)
            return TOOL_ERROR;
        if (now != loaded[index]) {
            char path[LIST_LINE_CAPACITY];
            JoinPath(path, sizeof path, settings.ejayDir, SAMPLE_LIST_FILE_NAMES[index]);
            return console.Fail(Format(TOOL_LIST_CHANGED, path));
        }
    }
    ListSaveReport report;
    BackupSampleLists(&s_state, s_load, &report);
    if (report.failedCount > 0)
        console.Warn(Format(TOOL_BACKUPS_NOT_MADE, FileLines(report).c_str()) + "\n");
    ListSaveProgress progress;
    if (!SaveSampleLists(&s_state, &s_load, nullptr, nullptr, &progress, &report))
        return console.Fail(Format(TOOL_LISTS_NOT_SAVED, FileLines(report).c_str()));
    return TOOL_OK;
}

int Import(const Options &options, const AppSettings &settings, Console &console)
{
    int index = IndexOf(STYLE_WORDS, STYLE_COUNT, options.style);
    int category = IndexOf(CATEGORY_KEYWORDS, CATEGORY_COUNT, options.category) + 1;
    if (index < 0)
        return console.Fail(Format(TOOL_BAD_VALUE, options.style.c_str(), "--style", "dance, rave, hiphop"));
    if (category == 0)
        return console.Fail(Format(TOOL_BAD_VALUE, options.category.c_str(), "--category",
                                   "loop, bass, synthy, voice, effect, drum, sequence, special, rap"));
    const std::string &folder = options.operands[0];
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return console.Fail(Format(TOOL_FOLDER_MISSING, folder.c_str()));
    if (!options.dryRun && PelmoraIsRunning())
        return console.Fail(TOOL_PELMORA_RUNNING);
    std::string loaded[STYLE_COUNT];
    if (LoadAsTheProgram(settings, loaded, console) != TOOL_OK)
        return TOOL_ERROR;

    std::set<std::string> listed;
    for (const CategoryList &list : s_state.styles[index].lists)
        for (int slot = 0; slot < list.count; ++slot)
            listed.insert(FoldCase(list.slots[slot].path));
    CategoryList *list = &s_state.styles[index].lists[category - 1];
    std::string told;
    int added = 0, already = 0, refused = 0, noRoom = 0;
    for (const SampleFile &file : SampleFilesIn(folder)) {
        if (!listed.insert(FoldCase(file.path)).second) {
            already++;
            told += Format(TOOL_ALREADY_LISTED, STYLE_NAMES[index], file.path.c_str());
        } else if (!FitsAList(file.path)) {
            refused++;
            told += Format(TOOL_UNFIT_NAME, file.path.c_str());
        } else if (!AppendSample(list,
                                 {nullptr, file.path.c_str(), nullptr, nullptr, nullptr, file.name.c_str(), nullptr},
                                 category)) {
            noRoom++;
        } else {
            added++;
            told += Format(options.dryRun ? TOOL_WOULD_ADD : TOOL_ADDED, STYLE_NAMES[index], options.category.c_str(),
                           list->count, file.path.c_str());
        }
    }
    told += Format(TOOL_IMPORT_SUMMARY, added, options.dryRun ? TOOL_WOULD_ADD_COUNT : TOOL_ADDED_COUNT,
                   STYLE_NAMES[index], options.category.c_str(), already, refused);
    if (noRoom > 0)
        told += Format(TOOL_NO_ROOM, noRoom);
    if (options.dryRun)
        told += TOOL_DRY_RUN;
    else if (added > 0 && WriteImported(settings, loaded, console) != TOOL_OK)
        return TOOL_ERROR;
    console.Say(told);
    return noRoom > 0 ? TOOL_FOUND : TOOL_OK;
}

} // namespace

int RunListsTool(const std::vector<std::string> &arguments, std::string *out, std::string *err)
{
    Console console = {out, err};
    Options options;
    if (ParseArguments(arguments, &options, console) != TOOL_OK)
        return TOOL_ERROR;
    if (options.help) {
        console.Say(TOOL_HELP);
        return TOOL_OK;
    }
    AppSettings settings;
    if (FindEjayFolder(options, &settings, console) != TOOL_OK)
        return TOOL_ERROR;
    if (options.command == "check")
        return Check(settings, console);
    if (options.command == "find")
        return Find(settings, options.operands[0], console);
    if (options.command == "export")
        return Export(settings, options.csv, console);
    return Import(options, settings, console);
}
