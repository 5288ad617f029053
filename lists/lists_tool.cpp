/*
 * pelmora-lists: its arguments read, the Ejay folder found, and the
 * command run. Each command is in its own file (command_*.cpp).
 */
#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

int RunListsTool(const std::vector<std::string> &arguments, std::string *out, std::string *err)
{
    Console console(out, err);
    Options options;
    if (ParseArguments(arguments, &options, console) != TOOL_OK)
        return TOOL_ERROR;
    if (options.help || options.version) {
        console.Say(options.help ? TOOL_HELP : Format(TOOL_VERSION, PELMORA_VERSION));
        return TOOL_OK;
    }
    AppSettings settings;
    if (FindEjayFolder(options, &settings, console) != TOOL_OK)
        return TOOL_ERROR;
    if (options.command == "check")
        return CheckCommand(settings, console);
    if (options.command == "find")
        return FindCommand(options, settings, console);
    if (options.command == "export")
        return ExportCommand(options, settings, console);
    if (options.command == "import")
        return ImportCommand(options, settings, console);
    if (options.command == "historique")
        return HistoryCommand(settings, console);
    if (options.command == "restaurer")
        return RestoreCommand(options, settings, console);
    return RelinkCommand(options, settings, console);
}
