/*
 * The lists are Windows-1252 text; what the tool prints and exports is
 * UTF-8, so that a console and a spreadsheet show the accents.
 */
#include "lists/lists_tool.h"

namespace {

/* Unicode of the bytes 0x80 to 0x9F, where the code page departs from
   Latin-1; the five it leaves undefined keep their own value. */
const unsigned short HIGH_CONTROLS[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string *out, unsigned code)
{
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char ToCp1252(unsigned code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (unsigned byte = 0; byte < 32; byte++) {
        if (HIGH_CONTROLS[byte] == code)
            return static_cast<char>(0x80 + byte);
    }
    return '?';
}

} // namespace

std::string Cp1252ToUtf8(const std::string &text)
{
    std::string out;
    for (char c : text) {
        unsigned byte = static_cast<unsigned char>(c);
        AppendUtf8(&out, byte >= 0x80 && byte < 0xA0 ? HIGH_CONTROLS[byte - 0x80] : byte);
    }
    return out;
}

std::string Utf8ToCp1252(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned byte = static_cast<unsigned char>(text[i]);
        int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        unsigned code = extra == 0 ? byte : byte & (0x3F >> extra);
        std::size_t end = i + 1 + static_cast<std::size_t>(extra);
        for (i++; i < end && i < text.size(); i++)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out += extra == 0 && byte >= 0x80 ? '?' : ToCp1252(code);
    }
    return out;
}
