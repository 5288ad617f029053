/*
 * pelmora-lists: a console companion to Pelmora for Ejay's three sample
 * lists, on the program's own reader, writer and backup rules.
 *
 *   pelmora-lists [--ejay DIR] check
 *   pelmora-lists [--ejay DIR] find TEXT
 *   pelmora-lists [--ejay DIR] export --csv FILE|-
 *   pelmora-lists [--ejay DIR] import FOLDER --style S --category C [--dry-run]
 *
 * Without --ejay the Ejay folder is the one of "Pelmora.ini", looked up as
 * the program does. Exit codes: 0 all is well; 1 the command found
 * something (check: a problem; find: no entry matched; import: files that
 * did not fit); 2 a usage or file error, told in one line naming the file
 * or option. Lists are never written but whole, after their backups.
 */
#ifndef PELMORA_LISTS_TOOL_H
#define PELMORA_LISTS_TOOL_H

#include <string>
#include <vector>

#include "files/files.h"

enum ToolExit { TOOL_OK = 0, TOOL_FOUND = 1, TOOL_ERROR = 2 };

/* Runs the tool on its arguments (without the program's name), given in
   the lists' code page (Windows-1252). What it prints goes to out and err,
   in UTF-8. Returns the exit code. */
int RunListsTool(const std::vector<std::string> &arguments, std::string *out, std::string *err);

/* Whether a Pelmora runs in this session (never natively): the program
   writes its own tables over the lists when it closes. */
bool PelmoraIsRunning();

/* ---- The lists' code page ----------------------------------------------- */

/* Lower case for comparing without regard to case: ASCII and the accented
   letters of the code page. */
std::string FoldCase(const std::string &text);

#endif
