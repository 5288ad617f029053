/*
 * What pelmora-lists prints. Its texts are kept in the lists' code page,
 * like the lists themselves, and turned into UTF-8 only on the way out, so
 * that a console and a spreadsheet show the accents.
 */
#include <cstdarg>
#include <cstdio>

#include "lists/tool_internal.h"

namespace {

const char *const STYLE_NAMES[STYLE_COUNT] = {"Dance", "Rave", "Hiphop"};

} // namespace

void Console::Say(const std::string &text) { *out_ += Cp1252ToUtf8(text); }

void Console::Warn(const std::string &text) { *err_ += Cp1252ToUtf8(text); }

int Console::Fail(const std::string &message)
{
    Warn("pelmora-lists : " + message + "\n");
    return TOOL_ERROR;
}

void Console::SayBytes(const std::string &bytes) { *out_ += bytes; }

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

const char *StyleName(int style) { return STYLE_NAMES[style - STYLE_DANCE]; }
