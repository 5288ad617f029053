/*
 * pelmora-lists' arguments: the command, its operands and its options,
 * each checked where it belongs, so that a command never starts on
 * arguments it would misread.
 */
#include <algorithm>

#include "lists/lists_texts.h"
#include "lists/tool_internal.h"

namespace {

/* An option: a value it takes, or a switch it sets; and the commands it
   belongs to, blank-separated (empty: all). */
struct OptionRule {
    const char *name;
    std::string Options::*value;
    bool Options::*flag;
    const char *commands;
};
const OptionRule OPTION_RULES[] = {
    {"--ejay", &Options::ejayDir, nullptr, ""},
    {"--csv", &Options::csv, nullptr, "export"},
    {"--tableur", nullptr, &Options::tableur, "export"},
    {"--style", &Options::style, nullptr, "find import restaurer"},
    {"--category", &Options::category, nullptr, "find import"},
    {"--dry-run", nullptr, &Options::dryRun, "import relink restaurer"},
};

const char END_OF_OPTIONS[] = "--";

bool AsksForHelp(const std::string &argument)
{
    return argument == "--help" || argument == "-h" || argument == "/?" || argument == "-?";
}

bool LooksLikeAnOption(const std::string &argument)
{
    return (argument.size() > 1 && argument[0] == '-') || AsksForHelp(argument);
}

bool BelongsTo(const OptionRule &rule, const std::string &command)
{
    std::string commands = rule.commands;
    return commands.empty() || (" " + commands + " ").find(" " + command + " ") != std::string::npos;
}

/* "--name value", "--name=value" or "--switch". */
int TakeOption(const std::vector<std::string> &arguments, std::size_t *at, Options *options, Console &console)
{
    const std::string &argument = arguments[*at];
    for (const OptionRule &rule : OPTION_RULES) {
        std::string name = rule.name;
        bool valueJoined = rule.value != nullptr && argument.compare(0, name.size() + 1, name + "=") == 0;
        if (argument != name && !valueJoined)
            continue;
        if (rule.flag != nullptr)
            options->*rule.flag = true;
        else if (valueJoined)
            options->*rule.value = argument.substr(name.size() + 1);
        else if (*at + 1 < arguments.size())
            options->*rule.value = arguments[++*at];
        else
            return console.Fail(Format(TOOL_OPTION_NEEDS_VALUE, rule.name));
        options->used.push_back(name);
        return TOOL_OK;
    }
    return console.Fail(Format(TOOL_UNKNOWN_OPTION, argument.c_str()));
}

const OptionRule &RuleOf(const std::string &option)
{
    return *std::find_if(std::begin(OPTION_RULES), std::end(OPTION_RULES),
                         [&](const OptionRule &rule) { return option == rule.name; });
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
                    {"import", 1, "un dossier de samples", {"--style", "--category"}},
                    {"relink", 2, "l'ancien dossier et le nouveau", {}},
                    {"historique", 0, "aucun argument", {}},
                    {"restaurer", 1, "le repère d'une version (voir historique)", {}}};
    if (options.command.empty())
        return console.Fail(TOOL_NO_COMMAND);
    for (const auto &command : COMMANDS) {
        if (options.command != command.command)
            continue;
        bool anEmptyOperand = std::find(options.operands.begin(), options.operands.end(), "") != options.operands.end();
        if (options.operands.size() != command.operands || anEmptyOperand)
            return console.Fail(Format(TOOL_OPERANDS, command.command, command.what));
        for (const std::string &used : options.used) {
            if (!BelongsTo(RuleOf(used), options.command))
                return console.Fail(Format(TOOL_OPTION_NOT_HERE, used.c_str(), command.command));
        }
        for (const char *required : command.required) {
            if (required != nullptr && !Given(options, required))
                return console.Fail(Format(TOOL_MISSING_OPTION, command.command, required));
        }
        return TOOL_OK;
    }
    return console.Fail(Format(TOOL_UNKNOWN_COMMAND, options.command.c_str()));
}

int IndexOf(const char *const *words, int count, const std::string &word)
{
    for (int index = 0; index < count; ++index) {
        if (word == words[index])
            return index;
    }
    return -1;
}

} // namespace

int ParseArguments(const std::vector<std::string> &arguments, Options *options, Console &console)
{
    bool optionsEnded = false;
    for (std::size_t at = 0; at < arguments.size(); at++) {
        const std::string &argument = arguments[at];
        if (optionsEnded || !LooksLikeAnOption(argument)) {
            if (options->command.empty())
                options->command = argument;
            else
                options->operands.push_back(argument);
        } else if (argument == END_OF_OPTIONS) {
            optionsEnded = true;
        } else if (AsksForHelp(argument)) {
            options->help = true;
        } else if (argument == "--version") {
            options->version = true;
        } else if (TakeOption(arguments, &at, options, console) != TOOL_OK) {
            return TOOL_ERROR;
        }
    }
    return options->help || options->version ? TOOL_OK : CheckUsage(*options, console);
}

bool Given(const Options &options, const char *option)
{
    return std::find(options.used.begin(), options.used.end(), option) != options.used.end();
}

int StyleOfWord(const std::string &word, Console &console)
{
    static const char *const STYLE_WORDS[STYLE_COUNT] = {"dance", "rave", "hiphop"};
    int index = IndexOf(STYLE_WORDS, STYLE_COUNT, word);
    if (index >= 0)
        return STYLE_DANCE + index;
    console.Fail(Format(TOOL_BAD_VALUE, word.c_str(), "--style", "dance, rave, hiphop"));
    return -1;
}

int CategoryOfWord(const std::string &word, Console &console)
{
    int index = IndexOf(CATEGORY_KEYWORDS, CATEGORY_COUNT, word);
    if (index >= 0)
        return index + 1;
    console.Fail(Format(TOOL_BAD_VALUE, word.c_str(), "--category",
                        "loop, bass, synthy, voice, effect, drum, sequence, special, rap"));
    return -1;
}
