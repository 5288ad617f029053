/*
 * Opening, writing and the version. Both go through fixed buffers of the
 * file layer, never the whole file in memory: an open or a write costs the
 * same stack buffer whatever the file's size, and nothing can run out of
 * memory or throw. A document replaces the file in one step, so a failed
 * write never leaves half a file, and the bytes are the same on both
 * platforms (CR LF line ends).
 */
#include <climits>
#include <cstdint>
#include <cstring>

#include "files/files.h"
#include "zef/zef_internal.h"

namespace {

const char LINE_END[] = "\r\n";

/* fileName gets what follows the last "\" or "/", directory what precedes
   it. The path has at most ZEF_TEXT_MAX characters (checked by the caller). */
void SplitPath(const char *path, ZEFINFO *info)
{
    const char *slash = std::strrchr(path, '/');
    const char *backslash = std::strrchr(path, '\\');
    const char *separator = slash > backslash ? slash : backslash;
    if (separator == nullptr) {
        zef_store_text(info->fileName, path, std::strlen(path));
        return;
    }
    zef_store_text(info->fileName, separator + 1, std::strlen(separator + 1));
    zef_store_text(info->directory, path, static_cast<std::size_t>(separator - path));
}

/* Bytes of a file read at a time: a settings file fits, so it is read in
   one pass; the only memory an open costs beyond the caller's record. */
const std::size_t READ_BUFFER_SIZE = 64 * 1024;
/* Bytes gathered before each write; every line is far shorter. */
const std::size_t WRITE_BUFFER_SIZE = 16 * 1024;

/* The text of a field, at most its size even when a caller left it without
   its NUL. */
std::size_t FieldLength(const char *field)
{
    const void *end = std::memchr(field, '\0', ZEF_TEXT_SIZE);
    return end ? static_cast<std::size_t>(static_cast<const char *>(end) - field) : ZEF_TEXT_SIZE;
}

/* The new file, gathered in a buffer and written a buffer at a time. */
struct Output {
    FileReplacement replacement;
    char bytes[WRITE_BUFFER_SIZE];
    std::size_t used;
};

void Flush(Output *out)
{
    WriteReplacement(&out->replacement, out->bytes, out->used);
    out->used = 0;
}

/* length is at most a field's size, well under the buffer's. */
void Put(Output *out, const char *text, std::size_t length)
{
    if (out->used + length > sizeof out->bytes)
        Flush(out);
    std::memcpy(out->bytes + out->used, text, length);
    out->used += length;
}

void PutText(Output *out, const char *text) { Put(out, text, std::strlen(text)); }

void PutField(Output *out, const char *field) { Put(out, field, FieldLength(field)); }

/* "[name]" unless nameless, its members in slot order ("name=init"), then
   one empty line. */
void PutClass(Output *out, const ZEFCLASS &cls)
{
    if (cls.name[0] != '\0') {
        PutText(out, "[");
        PutField(out, cls.name);
        PutText(out, "]");
        PutText(out, LINE_END);
    }
    for (int slot = 0; slot < ZEF_MAX_MEMBERS && zef_member_touched(&cls, slot); slot++) {
        if (!cls.members[slot].used)
            continue;
        PutField(out, cls.members[slot].name);
        PutText(out, "=");
        if (cls.inits[slot].used)
            PutField(out, cls.inits[slot].text);
        PutText(out, LINE_END);
    }
    PutText(out, LINE_END);
}

/* The record is replaced only by a file read whole. It cannot be copied
   aside while the file is parsed (it is 20 MB, and nothing is allocated),
   so a file larger than the buffer is read twice: once to its end, the
   record untouched, to know that it can be read; then again, parsed. Only
   a read failing the second time (a disk failing between the two passes)
   leaves the record cleared instead of as it was: never half a document
   passing for the file's content. */
int ParseFile(TextLines *lines, const char *path, std::uint64_t size, ZEFINFO *info)
{
    zef_parse_lines(lines, info);
    if (lines->problem.kind != FILE_FINE) {
        zef_clear_record(info);
        return ZEF_FAIL;
    }
    info->fileSize = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    SplitPath(path, info);
    return ZEF_OK;
}

} // namespace

double ZEF_GetVersion(void) { return 1.0; }

int ZEF_OpenFile(char *path, ZEFINFO *info)
{
    if (!zef_is_name(path))
        return ZEF_FAIL;
    char buffer[READ_BUFFER_SIZE];
    TextLines lines;
    std::uint64_t size = 0;
    int result = ZEF_FAIL;
    if (OpenTextLines(path, buffer, sizeof buffer, &lines) && ReadThroughOnce(&lines, &size))
        result = info == nullptr ? ZEF_NOINFO : ParseFile(&lines, path, size, info);
    CloseTextLines(&lines);
    return result;
}

int ZEF_WriteFile(char *path, ZEFINFO *info)
{
    if (info == nullptr)
        return ZEF_NOINFO;
    if (!zef_is_name(path))
        return ZEF_FAIL;
    if (!info->opened)
        return ZEF_NOINFO;
    Output out;
    out.used = 0;
    if (!BeginReplacing(path, &out.replacement)) {
        AbandonReplacing(&out.replacement);
        return ZEF_FAIL;
    }
    for (int c = 0; c < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[c]); c++) {
        if (info->classes[c].used)
            PutClass(&out, info->classes[c]);
    }
    Flush(&out);
    if (FinishReplacing(&out.replacement))
        return ZEF_OK;
    AbandonReplacing(&out.replacement);
    return ZEF_FAIL;
}
