/*
 * The reader: one routine over the lines of a file, one branch per kind of
 * line. The stream rules are those of the Windows runtime's text mode, kept
 * by the file layer's text cursor so both platforms read a file the same
 * way: a CR before a LF is dropped, a lone CR is kept, Ctrl-Z ends the
 * input. Lines come through a fixed buffer, whatever the file's size.
 */
#include <cstring>

#include "files/files.h"
#include "zef/zef_internal.h"

namespace {

/* A NUL or 0xFF where a line starts is not part of the line. */
const char DROPPED_FIRST[] = {'\0', '\xFF'};
/* A cut line gives one character less than its buffer holds: the most a
   line keeps, and no more, so that every longer line crosses the buffer. */
const std::size_t SMALLEST_BUFFER = ZEF_LINE_SIZE + 1;

/* Reads one line without its line end into line, keeping its first
   ZEF_LINE_SIZE characters. A NUL inside a line ends its text. Returns 0
   when the input has no further line. */
int ReadLine(TextLines *in, char line[ZEF_LINE_SIZE + 1])
{
    TextLine taken;
    if (!SkipTextBytes(in, DROPPED_FIRST, sizeof DROPPED_FIRST) || !TakeBufferedLine(in, &taken))
        return 0;
    std::size_t length = taken.length > ZEF_LINE_SIZE ? ZEF_LINE_SIZE : taken.length;
    std::memcpy(line, taken.start, length);
    line[length] = '\0';
    return 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char *SkipBlanks(const char *text)
{
    while (IsBlank(*text))
        text++;
    return text;
}

/* End of [start, end) once blanks and TABs at its end are dropped. */
const char *TrimEnd(const char *start, const char *end)
{
    while (end > start && IsBlank(end[-1]))
        end--;
    return end;
}

/* A value ends at a TAB, ";" or "//"; one that starts with ";" or "//"
   runs to the line end instead. Trailing blanks never belong to it. */
const char *ValueEnd(const char *value)
{
    const char *end = value;
    while (*end != '\0' && *end != '\t' && *end != ';' && !(end[0] == '/' && end[1] == '/'))
        end++;
    if (end == value)
        end = value + std::strlen(value);
    return TrimEnd(value, end);
}

/* "[name]": the name runs to the first "]" or to the end of the line kept.
   Past capacity the header is ignored and its members join the last class. */
void AddClassHeader(ZEFINFO *info, const char *afterBracket, int *current)
{
    if (info->classCount >= ZEF_MAX_CLASSES)
        return;
    const char *close = std::strchr(afterBracket, ']');
    std::size_t length = close ? static_cast<std::size_t>(close - afterBracket) : std::strlen(afterBracket);
    ZEFCLASS *cls = &info->classes[info->classCount];
    zef_store_text(cls->name, afterBracket, length);
    cls->used = 1;
    *current = info->classCount++;
}

/* "name = value", or a whole line as a name with an empty init. Lines
   before any header form a nameless class in slot 0. */
void AddMemberLine(ZEFINFO *info, const char *line, int current)
{
    if (info->classCount == 0) {
        info->classes[0].used = 1;
        info->classCount = 1;
    }
    ZEFCLASS *cls = &info->classes[current];
    if (cls->memberCount >= ZEF_MAX_MEMBERS)
        return;
    const char *name = SkipBlanks(line);
    const char *equals = std::strchr(name, '=');
    if (equals == nullptr) {
        zef_store_member(info, cls, cls->memberCount, name, std::strlen(name), "", 0);
        return;
    }
    const char *value = SkipBlanks(equals + 1);
    zef_store_member(info, cls, cls->memberCount, name, static_cast<std::size_t>(TrimEnd(name, equals) - name), value,
                     static_cast<std::size_t>(ValueEnd(value) - value));
}

} // namespace

void zef_parse_lines(TextLines *lines, ZEFINFO *info)
{
    zef_clear_record(info);
    char line[ZEF_LINE_SIZE + 1];
    int current = 0;
    while (ReadLine(lines, line)) {
        if (line[0] == '\0') {
            /* empty line */
        } else if (line[0] == ';' || line[0] == '/') {
            /* comment: one slash is enough at the start of a line */
        } else if (line[0] == '[') {
            AddClassHeader(info, line + 1, &current);
        } else {
            /* member line: blanks, TABs, "#" and high bytes included */
            AddMemberLine(info, line, current);
        }
    }
    info->opened = 1;
}

void zef_parse_text(const char *text, std::size_t length, ZEFINFO *info)
{
    char buffer[SMALLEST_BUFFER];
    TextLines lines;
    TextLinesOver(text, length, buffer, sizeof buffer, &lines);
    zef_parse_lines(&lines, info);
}
