/*
 * pelmora-lists.exe: the console's side. Arguments come in the platform's
 * code page (Windows-1252 on Windows, UTF-8 natively); what the tool prints
 * is UTF-8, written as bytes.
 */
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#endif

#include "lists/lists_tool.h"

int main(int argc, char **argv)
{
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    /* Line ends are the tool's own: a CSV's CR LF must not become CR CR LF. */
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::vector<std::string> arguments;
    for (int index = 1; index < argc; index++) {
#ifdef _WIN32
        arguments.push_back(argv[index]);
#else
        arguments.push_back(Utf8ToCp1252(argv[index]));
#endif
    }
    std::string out, err;
    int code = RunListsTool(arguments, &out, &err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? code : TOOL_ERROR;
}
