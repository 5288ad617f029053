/*
 * pelmora-lists.exe: the console's side. Arguments reach the tool in the
 * lists' code page, strictly: one it cannot write (a name in another
 * script) is refused, never passed on with "?" in it. What the tool prints
 * is UTF-8, written as bytes to a file or a pipe and shown as such in a
 * console.
 */
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

#include "lists/lists_texts.h"
#include "lists/lists_tool.h"

namespace {

/* A console shows the text whatever its code page; a file or a pipe gets
   the UTF-8 bytes. */
void Put(std::FILE *stream, const std::string &text)
{
#ifdef _WIN32
    HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    int length = text.empty() ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    if (length > 0 && GetConsoleMode(handle, &mode)) {
        std::wstring wide(length, L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &wide[0], length);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fwrite(text.data(), 1, text.size(), stream);
}

/* The refusal, the argument shown as the console gave it (UTF-8). */
int RefuseArgument(const std::string &utf8)
{
    char message[512];
    std::snprintf(message, sizeof message, "pelmora-lists : " TOOL_ARGUMENT_OUTSIDE_CODE_PAGE "\n", "\x01");
    std::string told = Cp1252ToUtf8(message);
    told.replace(told.find('\x01'), 1, utf8);
    Put(stderr, told);
    return TOOL_ERROR;
}

#ifdef _WIN32
/* Windows passes the arguments to main already in the ANSI code page, best
   fitted: take them from the wide command line to see what it cannot hold. */
bool TakeArguments(std::vector<std::string> *arguments, std::string *refused)
{
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int index = 1; wide != nullptr && index < count; index++) {
        char narrow[4096];
        BOOL usedDefault = FALSE;
        int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide[index], -1, narrow, sizeof narrow, nullptr,
                                         &usedDefault);
        if (length == 0 || usedDefault) {
            char utf8[4 * 4096];
            WideCharToMultiByte(CP_UTF8, 0, wide[index], -1, utf8, sizeof utf8, nullptr, nullptr);
            *refused = utf8;
            LocalFree(wide);
            return false;
        }
        arguments->push_back(narrow);
    }
    LocalFree(wide);
    return true;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> arguments;
    std::string refused;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    SetConsoleOutputCP(CP_UTF8);
    /* Line ends are the tool's own: a CSV's CR LF must not become CR CR LF. */
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (!TakeArguments(&arguments, &refused))
        return RefuseArgument(refused);
#else
    for (int index = 1; index < argc; index++) {
        bool whole = true;
        arguments.push_back(Utf8ToCp1252(argv[index], &whole));
        if (!whole)
            return RefuseArgument(argv[index]);
    }
#endif
    UseThePlatformsHistoryFolder();
    std::string out, err;
    int code = RunListsTool(arguments, &out, &err);
    Put(stdout, out);
    Put(stderr, err);
    return std::fflush(stdout) == 0 ? code : TOOL_ERROR;
}
