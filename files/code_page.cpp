/*
 * Windows-1252, the lists' code page, and UTF-8: what the native system and
 * the console speak. The program's own texts and the lists stay in the code
 * page; only what crosses to the outside is converted.
 */
#include "files/code_page.h"

#include <cstring>

#include "files/files.h"

namespace {

/* Unicode of the bytes 0x80 to 0x9F, where the code page departs from
   Latin-1; the five it leaves undefined keep their own value. */
const unsigned short HIGH_CONTROLS[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
const char MISSING_CHARACTER = '?';

unsigned UnicodeOf(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? HIGH_CONTROLS[byte - 0x80] : byte; }

/* The UTF-8 form of code into out; its length (1 to 3). */
int Utf8Of(unsigned code, char out[3])
{
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | (code >> 12));
    out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (code & 0x3F));
    return 3;
}

/* The code page's byte for code; false when it has none. */
bool Cp1252Of(unsigned code, char *byte)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        *byte = static_cast<char>(code);
        return true;
    }
    for (unsigned index = 0; index < 32; index++) {
        if (HIGH_CONTROLS[index] == code) {
            *byte = static_cast<char>(0x80 + index);
            return true;
        }
    }
    *byte = MISSING_CHARACTER;
    return false;
}

/* The next character of UTF-8 text at *next; a stray byte stands for a
   character the code page cannot take. */
unsigned TakeUtf8(const char **next, const char *end)
{
    unsigned byte = static_cast<unsigned char>(**next);
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    unsigned code = extra == 0 ? byte : byte & (0x3F >> extra);
    (*next)++;
    for (int i = 0; i < extra && *next < end; i++, (*next)++)
        code = (code << 6) | (static_cast<unsigned char>(**next) & 0x3F);
    return extra == 0 && byte >= 0x80 ? 0xFFFD : code;
}

/* Calls put(byte) for each byte of the code page form; false when a
   character had no place. */
template <typename Put>
bool ToCp1252(const char *text, std::size_t length, Put put)
{
    bool whole = true;
    for (const char *next = text, *end = text + length; next < end;) {
        char byte;
        whole = Cp1252Of(TakeUtf8(&next, end), &byte) && whole;
        put(byte);
    }
    return whole;
}

} // namespace

bool Cp1252ToUtf8(const char *text, char *out, std::size_t capacity)
{
    std::size_t used = 0;
    for (; *text != '\0'; ++text) {
        char bytes[3];
        int length = Utf8Of(UnicodeOf(static_cast<unsigned char>(*text)), bytes);
        if (used + static_cast<std::size_t>(length) >= capacity) {
            out[used] = '\0';
            return false;
        }
        std::memcpy(out + used, bytes, static_cast<std::size_t>(length));
        used += static_cast<std::size_t>(length);
    }
    out[used] = '\0';
    return true;
}

bool Utf8ToCp1252(const char *text, char *out, std::size_t capacity)
{
    std::size_t used = 0;
    bool fits = true;
    bool whole = ToCp1252(text, std::strlen(text), [&](char byte) {
        if (used + 1 < capacity)
            out[used++] = byte;
        else
            fits = false;
    });
    out[used] = '\0';
    return whole && fits;
}

std::string Cp1252ToUtf8(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        char bytes[3];
        out.append(bytes, static_cast<std::size_t>(Utf8Of(UnicodeOf(static_cast<unsigned char>(c)), bytes)));
    }
    return out;
}

std::string Utf8ToCp1252(const std::string &text, bool *whole)
{
    std::string out;
    bool allThere = ToCp1252(text.data(), text.size(), [&](char byte) { out += byte; });
    if (whole != nullptr)
        *whole = allThere;
    return out;
}
