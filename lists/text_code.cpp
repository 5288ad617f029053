/*
 * Comparing names of the lists' code page without regard to case.
 */
#include "lists/lists_tool.h"

std::string FoldCase(const std::string &text)
{
    std::string out = text;
    for (char &c : out) {
        unsigned byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            c = static_cast<char>(byte + 0x20);
        else if (byte == 0x8A || byte == 0x8C || byte == 0x8E)
            c = static_cast<char>(byte + 0x10);
        else if (byte == 0x9F)
            c = static_cast<char>(0xFF);
    }
    return out;
}
