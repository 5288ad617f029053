/*
 * pelmora-lists export: every entry as a CSV row. The plain form stays as
 * scripts read it; --tableur writes for the user's own spreadsheet, which
 * splits rows at its list separator and reads on its own what looks like
 * a formula, a number, a date or a time: such a cell is handed over as a
 * formula giving its text, so it shows as it stands in the list.
 */
#include <cstring>

#include "settings/settings.h"

#include "files/files.h"
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

const CsvForm PLAIN_CSV = {",", false};
/* The mark by which a spreadsheet takes a file for UTF-8. */
const char UTF8_MARK[] = "\xEF\xBB\xBF";
/* A spreadsheet keeps 15 significant digits of a number. */
const std::size_t SPREADSHEET_DIGITS = 15;
const std::size_t THOUSANDS_GROUP = 3;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/* A text made of one to three runs of digits joined by one and the same
   mark ("007", "1,50", "12-03", "1:30:00"): its runs and that mark. */
struct DigitRuns {
    std::vector<std::string> runs;
    char mark = '\0';
};

bool SplitDigitRuns(const std::string &text, DigitRuns *split)
{
    std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return false;
    std::string run;
    for (std::size_t i = first; i <= last; ++i) {
        if (IsDigit(text[i])) {
            run += text[i];
            continue;
        }
        if (run.empty() || (split->mark != '\0' && text[i] != split->mark))
            return false;
        split->mark = text[i];
        split->runs.push_back(run);
        run.clear();
    }
    split->runs.push_back(run);
    return !run.empty() && split->runs.size() <= 3;
}

bool LeadingZero(const std::string &run) { return run.size() > 1 && run[0] == '0'; }

/* 1,50 shows as 1,5; 1.500 may read as 1500 (the other language's
   thousands); 007.5 loses its zeros. */
bool DecimalLosesItsForm(const DigitRuns &split)
{
    const std::string &whole = split.runs[0], &fraction = split.runs[1];
    return fraction.back() == '0' || fraction.size() == THOUSANDS_GROUP || LeadingZero(whole) ||
           whole.size() + fraction.size() > SPREADSHEET_DIGITS;
}

/* Whether the spreadsheet would take the cell for a number, a date or a
   time, and show it otherwise than written. */
bool LosesItsForm(const std::string &cell)
{
    DigitRuns split;
    if (!SplitDigitRuns(cell, &split))
        return false;
    if (split.runs.size() == 1)
        return LeadingZero(split.runs[0]) || split.runs[0].size() > SPREADSHEET_DIGITS;
    switch (split.mark) {
    case '.':
    case ',':
        /* Three runs: a date (1.2.2003) or thousands (1,234,567). */
        return split.runs.size() == 3 || DecimalLosesItsForm(split);
    case '/':
    case '-':
    case ':': return true; /* a date or a time */
    case 'e':
    case 'E': return split.runs.size() == 2; /* 1e5 reads as 100000 */
    default: return false;
    }
}

bool ReadsAsAFormula(const std::string &cell) { return !cell.empty() && std::strchr("=+-@", cell[0]) != nullptr; }

std::string DoubleQuotes(const std::string &text)
{
    std::string doubled;
    for (char c : text)
        doubled += c == '"' ? std::string("\"\"") : std::string(1, c);
    return doubled;
}

std::string CsvCell(const std::string &value, const CsvForm &form)
{
    std::string text = value;
    if (form.keepCellsAsText && (ReadsAsAFormula(text) || LosesItsForm(text)))
        text = "=\"" + DoubleQuotes(text) + "\"";
    if (text.find_first_of("\"\r\n") != std::string::npos || text.find(form.separator) != std::string::npos)
        text = "\"" + DoubleQuotes(text) + "\"";
    return text;
}

std::string ExportedCsv(const CsvForm &form)
{
    std::string csv;
    AppendCsvRow(&csv, {TOOL_CSV_COLUMNS}, form);
    ForEachEntry([&](int style, int category, int row, const SampleRecord &r) {
        AppendCsvRow(&csv,
                     {StyleName(style), CATEGORY_KEYWORDS[category - 1], std::to_string(row), r.number, r.path,
                      r.extraText, r.keyword, r.duration, r.nameLine1, r.nameLine2},
                     form);
    });
    return csv;
}

} // namespace

void AppendCsvRow(std::string *csv, const std::vector<std::string> &cells, const CsvForm &form)
{
    std::string row;
    for (std::size_t index = 0; index < cells.size(); ++index)
        row += (index > 0 ? form.separator : "") + CsvCell(cells[index], form);
    *csv += Cp1252ToUtf8(row) + "\r\n";
}

namespace {

/* The files of folder (and of its subfolders, one level down). */
void AddFilesOf(const std::string &folder, int depth, std::vector<std::string> *files)
{
    std::vector<FolderEntry> entries;
    ReadFolder(folder.c_str(), &entries);
    for (const FolderEntry &entry : entries) {
        std::string path = folder + PATH_SEPARATOR + entry.name;
        if (!entry.isFolder)
            files->push_back(path);
        else if (depth > 0)
            AddFilesOf(path, depth - 1, files);
    }
}

/* What export must never write over: the lists and their backups, the
   versions kept beside a list another program changed, both copies of the
   settings file, and the history. */
std::vector<std::string> KeptFiles(const AppSettings &settings)
{
    std::vector<std::string> files;
    std::vector<FolderEntry> ejayFiles;
    ReadFolder(settings.ejayDir, &ejayFiles);
    for (int index = 0; index < STYLE_COUNT; ++index) {
        const char *list = SAMPLE_LIST_FILE_NAMES[index];
        std::string path = ListPath(settings, index);
        files.push_back(path);
        files.push_back(path + ".bak");
        for (const char *suffix : {THEIRS_SUFFIX, OURS_SUFFIX}) {
            std::string kept = FoldCase(std::string(list) + "." + suffix);
            for (const FolderEntry &entry : ejayFiles) {
                if (!entry.isFolder && FoldCase(entry.name).compare(0, kept.size(), kept) == 0)
                    files.push_back(std::string(settings.ejayDir) + PATH_SEPARATOR + entry.name);
            }
        }
    }
    char settingsFile[SETTINGS_PATH_SIZE];
    if (SettingsFilePath(settings, settingsFile, sizeof settingsFile))
        files.push_back(settingsFile);
    if (UserSettingsFilePath(settingsFile, sizeof settingsFile))
        files.push_back(settingsFile);
    if (!HistoryFolder().empty())
        AddFilesOf(HistoryFolder(), 1, &files);
    return files;
}

/* Compared as Windows compares files: another letter case, a short name,
   a relative path or a link to one of them is that file. */
bool IsKeptFile(const std::string &target, const AppSettings &settings)
{
    for (const std::string &kept : KeptFiles(settings)) {
        if (SameFile(target.c_str(), kept.c_str()))
            return true;
    }
    return false;
}

} // namespace

int ExportCommand(const Options &options, const AppSettings &settings, Console &console)
{
    if (options.csv != "-" && IsKeptFile(options.csv, settings))
        return console.Fail(Format(TOOL_EXPORT_PROTECTED, options.csv.c_str()));
    ListReading readings[STYLE_COUNT];
    if (ReadForLook(settings, readings, console) != TOOL_OK)
        return TOOL_ERROR;
    std::string csv = ExportedCsv(options.tableur ? CsvForm{UserListSeparator(), true} : PLAIN_CSV);
    if (options.csv == "-") {
        console.SayBytes(csv);
        return TOOL_OK;
    }
    csv = UTF8_MARK + csv;
    if (!SaveFileAtomically(options.csv.c_str(), csv.data(), csv.size()))
        return console.Fail(Format(TOOL_CSV_NOT_WRITTEN, options.csv.c_str()));
    return TOOL_OK;
}
