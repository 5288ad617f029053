/*
 * pelmora-lists: a console companion to Pelmora for Ejay's three sample
 * lists, on the program's own reader, writer and backup rules.
 *
 *   pelmora-lists [--ejay DIR] check
 *   pelmora-lists [--ejay DIR] find TEXT [--style S] [--category C]
 *   pelmora-lists [--ejay DIR] export --csv FILE|- [--tableur]
 *   pelmora-lists [--ejay DIR] import FOLDER --style S --category C [--dry-run]
 *   pelmora-lists [--ejay DIR] relink OLD_FOLDER NEW_FOLDER [--dry-run]
 *   pelmora-lists --help | /? | -? | --version
 *
 * "--" ends the options: every argument after it is the command or one of
 * its operands. Without --ejay the Ejay folder is the one of "Pelmora.ini",
 * looked up as the program does. Exit codes: 0 all is well; 1 the command
 * found something (check: a problem; find: no entry matched; import: files
 * that did not fit; relink: files missing, paths refused or nothing to
 * relink); 2 a usage or file error, told in one line naming the file or
 * option. A command writes only the lists it changed, each whole after its
 * backup, and only when it did not change on disk meanwhile.
 */
#ifndef PELMORA_LISTS_TOOL_H
#define PELMORA_LISTS_TOOL_H

#include <string>
#include <vector>

#include "database/database.h"
#include "files/files.h"

enum ToolExit { TOOL_OK = 0, TOOL_FOUND = 1, TOOL_ERROR = 2 };

/* Runs the tool on its arguments (without the program's name), given in
   the lists' code page (Windows-1252). What it prints goes to out and err,
   in UTF-8. Returns the exit code. */
int RunListsTool(const std::vector<std::string> &arguments, std::string *out, std::string *err);

/* ---- The platform ---------------------------------------------------------- */

/* Whether a Pelmora runs in this session (never natively), in its intro
   and its closing too: the program writes its own tables over the lists
   when it closes. */
bool PelmoraIsRunning();
/* The user's list separator, as the spreadsheets of the user's language
   read CSV (Windows' regional settings; ";" natively, as in France), in
   the lists' code page. */
std::string UserListSeparator();

/* ---- CSV ---------------------------------------------------------------- */

/* How export writes its cells. The default is plain CSV, read by scripts:
   "," between cells. For the user's spreadsheet: its list separator, and
   each cell it would take for a formula (=, +, -, @ first), or for a
   number, a date or a time that would lose its form (007, more than 15
   digits, 1,50, 1/2, 12-03, 1:30), written as ="…" so it stays text. */
struct CsvForm {
    std::string separator;
    bool keepCellsAsText;
};
/* One row of cells (in the lists' code page) at the end of csv, in UTF-8
   and ended by CR LF; a cell holding the separator, a quote or a line
   break is quoted, its quotes doubled. */
void AppendCsvRow(std::string *csv, const std::vector<std::string> &cells, const CsvForm &form);

#endif
