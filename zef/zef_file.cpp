/*
 * Opening, writing and the version. Files are binary streams on both
 * platforms: the reader applies the text-mode rules itself and the writer
 * ends every line with CR LF, so a file has the same bytes everywhere.
 */
#include <climits>
#include <cstdio>
#include <cstring>

#include "zef_internal.h"

/* The temporary file is the target's name with this ending, so it lies in
   the same directory and the final rename never crosses volumes. */
#define TEMP_SUFFIX ".zeftmp"
#define LINE_END "\r\n"

double ZEF_GetVersion(void)
{
    return 1.0;
}

typedef struct FileSource {
    FILE *file;
    size_t length, position;
    unsigned char buffer[4096];
} FileSource;

/* Reads the next block; 0 at the end of the file or on a read error. */
static int fill_buffer(FileSource *source)
{
    source->position = 0;
    source->length = fread(source->buffer, 1, sizeof source->buffer, source->file);
    return source->length > 0;
}

static int next_file_byte(void *context)
{
    FileSource *source = static_cast<FileSource *>(context);
    if (source->position == source->length && !fill_buffer(source))
        return -1;
    return source->buffer[source->position++];
}

static int file_size(FILE *file)
{
    long size = 0;
    if (fseek(file, 0, SEEK_END) == 0)
        size = ftell(file);
    fseek(file, 0, SEEK_SET);
    if (size < 0)
        return 0;
    return size > INT_MAX ? INT_MAX : (int)size;
}

/* fileName gets what follows the last "\" or "/", directory what precedes
   it. The path has at most ZEF_TEXT_MAX characters (checked by the caller). */
static void split_path(const char *path, ZEFINFO *info)
{
    const char *slash = strrchr(path, '/');
    const char *backslash = strrchr(path, '\\');
    const char *separator = slash > backslash ? slash : backslash;
    if (!separator) {
        zef_store_text(info->fileName, path, strlen(path));
        return;
    }
    zef_store_text(info->fileName, separator + 1, strlen(separator + 1));
    zef_store_text(info->directory, path, (size_t)(separator - path));
}

int ZEF_OpenFile(char *path, ZEFINFO *info)
{
    if (!zef_is_name(path))
        return ZEF_FAIL;
    FileSource source;
    source.file = fopen(path, "rb");
    if (!source.file)
        return ZEF_FAIL;
    if (!info) {
        fclose(source.file);
        return ZEF_NOINFO;
    }
    int size = file_size(source.file);
    /* A path that opens but cannot be read (a directory, natively) is a
       file that cannot be opened: the record stays as it was. */
    fill_buffer(&source);
    if (ferror(source.file)) {
        fclose(source.file);
        return ZEF_FAIL;
    }
    memset(info, 0, sizeof *info);
    info->fileSize = size;
    split_path(path, info);
    ZefByteSource bytes = {next_file_byte, &source};
    zef_parse(&bytes, info);
    int readFailed = ferror(source.file);
    fclose(source.file);
    if (readFailed) {
        /* Half a document must never pass for the file's content. */
        memset(info, 0, sizeof *info);
        return ZEF_FAIL;
    }
    return ZEF_OK;
}

static int put(FILE *file, const char *text)
{
    size_t length = strlen(text);
    return fwrite(text, 1, length, file) == length;
}

/* One member line: name "=" init, CR LF. */
static int write_member(FILE *file, const ZEFCLASS *cls, int slot)
{
    const char *init = cls->inits[slot].used ? cls->inits[slot].text : "";
    return put(file, cls->members[slot].name) && put(file, "=") && put(file, init)
        && put(file, LINE_END);
}

/* "[name]" unless nameless, its members in slot order, one empty line. */
static int write_class(FILE *file, const ZEFCLASS *cls)
{
    if (cls->name[0] != '\0'
        && !(put(file, "[") && put(file, cls->name) && put(file, "]") && put(file, LINE_END)))
        return 0;
    for (int slot = 0; slot < ZEF_MAX_MEMBERS; slot++) {
        if (cls->members[slot].used && !write_member(file, cls, slot))
            return 0;
    }
    return put(file, LINE_END);
}

static int write_document(FILE *file, const ZEFINFO *info)
{
    for (int i = 0; i < ZEF_MAX_CLASSES; i++) {
        if (info->classes[i].used && !write_class(file, &info->classes[i]))
            return 0;
    }
    return 1;
}

int ZEF_WriteFile(char *path, ZEFINFO *info)
{
    if (!info)
        return ZEF_NOINFO;
    if (!zef_is_name(path))
        return ZEF_FAIL;
    if (!info->opened)
        return ZEF_NOINFO;
    char tempPath[ZEF_TEXT_SIZE + sizeof TEMP_SUFFIX];
    snprintf(tempPath, sizeof tempPath, "%s%s", path, TEMP_SUFFIX); /* always fits */
    FILE *file = fopen(tempPath, "wb");
    if (!file)
        return ZEF_FAIL;
    /* The target is replaced only by a complete file: a full disk or a
       failed write leaves the old one exactly as it was. Buffered write
       errors show at the close. */
    int written = write_document(file, info);
    written = fclose(file) == 0 && written;
    if (!written || !zef_replace_file(tempPath, path)) {
        remove(tempPath);
        return ZEF_FAIL;
    }
    return ZEF_OK;
}
