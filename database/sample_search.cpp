/*
 * Finding entries by a text the user typed: one matcher for the window's
 * Find form and the lists tool's find, so both find the same entries. Both
 * sides of a comparison are folded the same way, a byte to one or two
 * letters, and compared as plain bytes: fast enough to search every entry
 * of the three styles at each key the user types.
 */
#include <cstring>
#include <string_view>

#include "database/database.h"
#include "database/list_file.h"

namespace {

/* A byte folded for a search: up to two letters. */
struct Folded {
    char text[2];
    unsigned char length;
};

/* The base letters of the capitals 0xC0..0xDF of the code page, lower
   case; null keeps the byte (the multiplication sign). The small letters
   0xE0..0xFF are the same letters 0x20 further, but for the division sign
   and y with diaeresis. */
const char *const LATIN_BASES[32] = {"a", "a",     "a", "a", "a", "a", "ae", "c", "e",    "e", "e",
                                     "e", "i",     "i", "i", "i", "d", "n",  "o", "o",    "o", "o",
                                     "o", nullptr, "o", "u", "u", "u", "u",  "y", "\xFE", "ss"};
const unsigned char DIVISION_SIGN = 0xF7, SMALL_Y_DIAERESIS = 0xFF;

/* Letters of 0x80..0x9F: S, OE, Z with their marks (capital and small),
   capital Y with diaeresis, and the florin's f. */
const char *HighLetterBase(unsigned byte)
{
    switch (byte) {
    case 0x83: return "f";
    case 0x8A:
    case 0x9A: return "s";
    case 0x8C:
    case 0x9C: return "oe";
    case 0x8E:
    case 0x9E: return "z";
    case 0x9F: return "y";
    default: return nullptr;
    }
}

const char *LetterBase(unsigned byte)
{
    if (byte >= 0xC0 && byte != DIVISION_SIGN)
        return byte == SMALL_Y_DIAERESIS ? "y" : LATIN_BASES[(byte - 0xC0) % 32];
    return byte >= 0x80 ? HighLetterBase(byte) : nullptr;
}

struct FoldTable {
    Folded of[256];
    FoldTable()
    {
        for (unsigned byte = 0; byte < 256; ++byte) {
            const char *base = LetterBase(byte);
            Folded &folded = of[byte];
            if (base == nullptr) {
                folded.text[0] = static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
                folded.length = 1;
            } else {
                folded.length = base[1] != '\0' ? 2 : 1;
                folded.text[0] = base[0];
                folded.text[1] = base[1];
            }
        }
    }
};

const FoldTable &Folds()
{
    static const FoldTable table;
    return table;
}

/* Appends the folded text to out; out must hold twice its length. */
char *FoldInto(char *out, const char *text, std::size_t length)
{
    const FoldTable &table = Folds();
    for (std::size_t i = 0; i < length; ++i) {
        const Folded &folded = table.of[static_cast<unsigned char>(text[i])];
        out[0] = folded.text[0];
        out[1] = folded.text[1];
        out += folded.length;
    }
    return out;
}

template <std::size_t N>
char *FoldField(char *out, const char (&field)[N])
{
    return FoldInto(out, field, FieldLength(field, N));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(const char *text, std::size_t length)
{
    while (length > 0 && IsBlank(text[length - 1]))
        length--;
    while (length > 0 && IsBlank(*text)) {
        text++;
        length--;
    }
    return std::string_view(text, length);
}

/* The number a text names, without its leading zeros ("0" for zero), or
   empty when it is not digits alone. */
std::string_view NumberOf(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string_view();
    std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? text.substr(text.size() - 1) : text.substr(first);
}

/* The fields a query looks in, each byte folded to two at most, and the
   three bytes that join them. */
const std::size_t SEARCHED_CAPACITY = 2 * (sizeof(SampleRecord::nameLine1) + sizeof(SampleRecord::nameLine2) +
                                           sizeof(SampleRecord::extraText) + sizeof(SampleRecord::path));

bool MatchesNumber(const SampleQuery &query, const SampleRecord &record)
{
    if (query.number.empty())
        return false;
    return NumberOf(Trimmed(record.number, FieldLength(record.number, sizeof record.number))) == query.number;
}

} // namespace

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

SampleQuery MakeSampleQuery(const char *text)
{
    SampleQuery query;
    if (text == nullptr)
        return query;
    std::string_view typed = Trimmed(text, std::strlen(text));
    query.folded.resize(2 * typed.size());
    query.folded.resize(
        static_cast<std::size_t>(FoldInto(&query.folded[0], typed.data(), typed.size()) - query.folded.data()));
    query.number = std::string(NumberOf(typed));
    return query;
}

bool SampleMatches(const SampleQuery &query, const SampleRecord &record)
{
    if (query.folded.empty())
        return false;
    if (MatchesNumber(query, record))
        return true;
    /* Joined by NUL bytes, which no query (a C text) holds, so that none
       reaches across two fields; but the two name lines are one name. */
    char searched[SEARCHED_CAPACITY];
    char *end = FoldField(searched, record.nameLine1);
    *end++ = ' ';
    end = FoldField(end, record.nameLine2);
    *end++ = '\0';
    end = FoldField(end, record.extraText);
    *end++ = '\0';
    end = FoldField(end, record.path);
    std::string_view fields(searched, static_cast<std::size_t>(end - searched));
    return fields.find(query.folded) != std::string_view::npos;
}

void FindSamples(const AppState &state, const SampleQuery &query, int style, int category, std::vector<SampleHit> *hits)
{
    hits->clear();
    for (int code = STYLE_DANCE; code < STYLE_DANCE + STYLE_COUNT; ++code) {
        if (style != ANY_STYLE && style != code)
            continue;
        for (int number = 1; number <= CATEGORY_COUNT; ++number) {
            if (category != ANY_CATEGORY && category != number)
                continue;
            const CategoryList &list = *CategoryListOf(&state, code, number);
            for (int slot = 0; slot < list.count; ++slot) {
                if (SampleMatches(query, list.slots[slot]))
                    hits->push_back({code, number, slot});
            }
        }
    }
}
