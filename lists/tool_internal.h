/*
 * Inside pelmora-lists: what its argument parser, its output and its
 * command files share. Nothing outside lists/ includes it.
 */
#ifndef PELMORA_TOOL_INTERNAL_H
#define PELMORA_TOOL_INTERNAL_H

#include <string>
#include <vector>

#include "database/database.h"
#include "database/list_file.h"
#include "lists/lists_tool.h"

/* ---- Output --------------------------------------------------------------- */

/* What the tool prints: texts in the lists' code page, printed in UTF-8. */
class Console {
public:
    Console(std::string *out, std::string *err) : out_(out), err_(err) {}
    void Say(const std::string &text);
    void Warn(const std::string &text);
    /* Tells a usage or file error on one line; returns TOOL_ERROR. */
    int Fail(const std::string &message);
    /* Bytes as they are (a CSV already in UTF-8). */
    void SayBytes(const std::string &bytes);

private:
    std::string *out_;
    std::string *err_;
};

/* printf into a string, never cut. */
std::string Format(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

/* "Dance", "Rave", "Hiphop" for a style code (11..13). */
const char *StyleName(int style);

/* ---- Arguments ------------------------------------------------------------ */

struct Options {
    std::string command;
    std::vector<std::string> operands;
    std::string ejayDir, csv, style, category;
    bool dryRun = false;
    bool tableur = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> used; /* options given, to check they fit the command */
};

/* Reads the arguments into options and checks they make one command;
   TOOL_ERROR after telling why. */
int ParseArguments(const std::vector<std::string> &arguments, Options *options, Console &console);
/* Whether the option was given. */
bool Given(const Options &options, const char *option);
/* The style code (11..13) or category (1..9) a --style or --category value
   names; -1, told, for a word that is none. */
int StyleOfWord(const std::string &word, Console &console);
int CategoryOfWord(const std::string &word, Console &console);

/* ---- The lists ------------------------------------------------------------ */

/* The tables the commands work on, about 6 MB: static, as the program
   keeps them. */
AppState &ToolState();

/* Ejay's folder: --ejay, else the one of Pelmora.ini, found as the program
   finds it; the backup choice comes from Pelmora.ini when there is one. */
int FindEjayFolder(const Options &options, AppSettings *settings, Console &console);
/* The three lists into ToolState() for a look: unknown categories are
   noted and passed, what the program would keep aside noted too. */
int ReadForLook(const AppSettings &settings, ListReading readings[STYLE_COUNT], Console &console);

/* The lists into ToolState() exactly as the program loads them (stopping
   at an unknown category), each read once, for a command that writes;
   loaded remembers what was read of each. */
int LoadAsTheProgram(const AppSettings &settings, ListsLoad *loaded, Console &console);
/* Writes the lists of ToolState() whose changed[] is set, and only them,
   back where they were read from: none if one of them changed on disk
   since loaded (changedMessage, with its path, tells it); each after its
   backup, whole or not at all, the version replaced kept in the history.
   written[] tells which reached the disk; when one could not be written,
   the error names what was written and what was not. */
int WriteChangedLists(const AppSettings &settings, const ListsLoad &loaded, const bool changed[STYLE_COUNT],
                      const char *changedMessage, bool written[STYLE_COUNT], Console &console);

/* The path of a style's list (index 0..2) in the Ejay folder; empty when it
   does not fit. */
std::string ListPath(const AppSettings &settings, int index);
/* The paths of the lists whose flag is set, each after a line end and two
   blanks. */
std::string ListLines(const AppSettings &settings, const bool flags[STYLE_COUNT]);
/* Tells which lists could not be written and which were; TOOL_ERROR. */
int FailWritingSome(const AppSettings &settings, const bool failed[STYLE_COUNT], const bool written[STYLE_COUNT],
                    Console &console);

/* Calls visit(style code, category, row from 1, record) for every entry of
   ToolState(). */
template <typename Visit>
void ForEachEntry(Visit visit)
{
    for (int style = STYLE_DANCE; style < STYLE_DANCE + STYLE_COUNT; ++style)
        for (int category = 1; category <= CATEGORY_COUNT; ++category) {
            const CategoryList &list = *CategoryListOf(&ToolState(), style, category);
            for (int slot = 0; slot < list.count; ++slot)
                visit(style, category, slot + 1, list.slots[slot]);
        }
}

/* ---- The commands ----------------------------------------------------------- */

int CheckCommand(const AppSettings &settings, Console &console);
int FindCommand(const Options &options, const AppSettings &settings, Console &console);
int ExportCommand(const Options &options, const AppSettings &settings, Console &console);
int ImportCommand(const Options &options, const AppSettings &settings, Console &console);
int RelinkCommand(const Options &options, const AppSettings &settings, Console &console);
int HistoryCommand(const AppSettings &settings, Console &console);
int RestoreCommand(const Options &options, const AppSettings &settings, Console &console);

#endif
