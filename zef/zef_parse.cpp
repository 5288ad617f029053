/*
 * The reader: one routine over a source of bytes, one branch per kind of
 * line. The stream rules are those of the Windows runtime's text mode, done
 * by hand on binary input so both platforms read the same bytes the same
 * way: a CR before a LF is dropped, a lone CR is kept, Ctrl-Z ends the input.
 */
#include <cstring>

#include "zef_internal.h"

#define END_OF_INPUT (-1)
#define NO_BYTE (-2)
#define CTRL_Z 26

typedef struct TextStream {
    ZefByteSource *source;
    int lookahead; /* a byte read ahead after a CR, or NO_BYTE */
    int ended;
} TextStream;

static int take_byte(TextStream *stream)
{
    int c = stream->lookahead;
    if (c != NO_BYTE) {
        stream->lookahead = NO_BYTE;
        return c;
    }
    return stream->source->next(stream->source->context);
}

static int next_char(TextStream *stream)
{
    if (stream->ended)
        return END_OF_INPUT;
    int c = take_byte(stream);
    if (c == END_OF_INPUT || c == CTRL_Z) {
        stream->ended = 1;
        return END_OF_INPUT;
    }
    if (c == '\r') {
        stream->lookahead = take_byte(stream);
        if (stream->lookahead == '\n') {
            stream->lookahead = NO_BYTE;
            return '\n';
        }
    }
    return c;
}

/* A NUL or 0xFF where a line starts is not part of the line. */
static int is_dropped_first(int c)
{
    return c == 0 || c == 0xFF;
}

/* Reads one line without its LF into line, keeping its first ZEF_LINE_SIZE
   characters and skipping the rest. A NUL inside a line ends its text.
   Returns 0 when the input has no further line. */
static int read_line(TextStream *stream, char line[ZEF_LINE_SIZE + 1])
{
    int c = next_char(stream);
    while (is_dropped_first(c))
        c = next_char(stream);
    if (c == END_OF_INPUT)
        return 0;
    size_t length = 0;
    while (c != END_OF_INPUT && c != '\n') {
        if (length < ZEF_LINE_SIZE)
            line[length++] = (char)c;
        c = next_char(stream);
    }
    line[length] = '\0';
    return 1;
}

static int is_blank(char c)
{
    return c == ' ' || c == '\t';
}

static const char *skip_blanks(const char *text)
{
    while (is_blank(*text))
        text++;
    return text;
}

/* End of [start, end) once blanks and TABs at its end are dropped. */
static const char *trim_end(const char *start, const char *end)
{
    while (end > start && is_blank(end[-1]))
        end--;
    return end;
}

/* A value ends at a TAB, ";" or "//"; one that starts with ";" or "//"
   runs to the line end instead. Trailing blanks never belong to it. */
static const char *value_end(const char *value)
{
    const char *end = value;
    while (*end != '\0' && *end != '\t' && *end != ';' && !(end[0] == '/' && end[1] == '/'))
        end++;
    if (end == value)
        end = value + strlen(value);
    return trim_end(value, end);
}

static void open_nameless_class(ZEFINFO *info)
{
    info->classes[0].used = 1;
    info->classCount = 1;
}

/* "[name]": the name runs to the first "]" or to the end of the line kept.
   Past capacity the header is ignored and its members join the last class. */
static void add_class_header(ZEFINFO *info, const char *afterBracket, int *current)
{
    if (info->classCount >= ZEF_MAX_CLASSES)
        return;
    const char *close = strchr(afterBracket, ']');
    size_t length = close ? (size_t)(close - afterBracket) : strlen(afterBracket);
    ZEFCLASS *cls = &info->classes[info->classCount];
    zef_store_text(cls->name, afterBracket, length);
    cls->used = 1;
    *current = info->classCount++;
}

/* "name = value", or a whole line as a name with an empty init. */
static void add_member_line(ZEFINFO *info, const char *line, int current)
{
    if (info->classCount == 0)
        open_nameless_class(info);
    ZEFCLASS *cls = &info->classes[current];
    if (cls->memberCount >= ZEF_MAX_MEMBERS)
        return;
    int slot = cls->memberCount;
    const char *name = skip_blanks(line);
    const char *equals = strchr(name, '=');
    if (equals) {
        const char *value = skip_blanks(equals + 1);
        zef_store_text(cls->members[slot].name, name, (size_t)(trim_end(name, equals) - name));
        zef_store_text(cls->inits[slot].text, value, (size_t)(value_end(value) - value));
    } else {
        zef_store_text(cls->members[slot].name, name, strlen(name));
        zef_store_text(cls->inits[slot].text, "", 0);
    }
    cls->members[slot].used = 1;
    cls->inits[slot].used = 1;
    cls->memberCount++;
    info->memberTotal++;
    info->initTotal++;
}

void zef_parse(ZefByteSource *source, ZEFINFO *info)
{
    TextStream stream = {source, NO_BYTE, 0};
    char line[ZEF_LINE_SIZE + 1];
    int current = 0;
    while (read_line(&stream, line)) {
        if (line[0] == '\0') {
            /* empty line */
        } else if (line[0] == ';' || line[0] == '/') {
            /* comment: one slash is enough at the start of a line */
        } else if (line[0] == '[') {
            add_class_header(info, line + 1, &current);
        } else {
            /* member line: blanks, TABs, "#" and high bytes included */
            add_member_line(info, line, current);
        }
    }
    info->opened = 1;
}
