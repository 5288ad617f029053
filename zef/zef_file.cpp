/*
 * Opening, writing and the version. A file is read whole and parsed from
 * memory; a document is written whole into memory and replaces the file in
 * one step through the file layer, so a failed write never leaves half a
 * file, and the bytes are the same on both platforms (CR LF line ends).
 */
#include <climits>
#include <cstring>
#include <string>

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

/* "[name]" unless nameless, its members in slot order ("name=init"), then
   one empty line. */
void AppendClass(std::string *text, const ZEFCLASS &cls)
{
    if (cls.name[0] != '\0')
        text->append("[").append(cls.name).append("]").append(LINE_END);
    for (int slot = 0; slot < ZEF_MAX_MEMBERS; slot++) {
        if (!cls.members[slot].used)
            continue;
        text->append(cls.members[slot].name).append("=");
        if (cls.inits[slot].used)
            text->append(cls.inits[slot].text);
        text->append(LINE_END);
    }
    text->append(LINE_END);
}

} // namespace

double ZEF_GetVersion(void) { return 1.0; }

int ZEF_OpenFile(char *path, ZEFINFO *info)
{
    if (!zef_is_name(path))
        return ZEF_FAIL;
    /* A file that cannot be read to its end (a folder, a failing disk)
       leaves the record as it was: half a document must never pass for
       the file's content. */
    std::string bytes;
    if (ReadWholeFile(path, &bytes) != FILE_READ)
        return ZEF_FAIL;
    if (info == nullptr)
        return ZEF_NOINFO;
    zef_parse_text(bytes.data(), bytes.size(), info);
    info->fileSize = bytes.size() > INT_MAX ? INT_MAX : static_cast<int>(bytes.size());
    SplitPath(path, info);
    return ZEF_OK;
}

int ZEF_WriteFile(char *path, ZEFINFO *info)
{
    if (info == nullptr)
        return ZEF_NOINFO;
    if (!zef_is_name(path))
        return ZEF_FAIL;
    if (!info->opened)
        return ZEF_NOINFO;
    std::string text;
    for (const ZEFCLASS &cls : info->classes) {
        if (cls.used)
            AppendClass(&text, cls);
    }
    return SaveFileAtomically(path, text.data(), text.size()) ? ZEF_OK : ZEF_FAIL;
}
