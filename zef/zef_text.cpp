/*
 * Texts and slots of the ZEF record: bounded storing, the one way a member
 * is stored, clearing what was used, and the ASCII-only name match on which
 * every lookup rests.
 */
#include <cstring>

#include "zef/zef_internal.h"

int ZEF_getMAJ(char c)
{
    /* Only the 26 ASCII letters: accented letters of the ANSI code page keep
       their case, so "é" and "É" are different names. */
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    return (signed char)c;
}

int zef_text_fits(const char *text)
{
    /* Reads at most one character past the limit, never the whole text. */
    return text != nullptr && memchr(text, '\0', ZEF_TEXT_SIZE) != nullptr;
}

int zef_is_name(const char *text) { return zef_text_fits(text) && text[0] != '\0'; }

void zef_store_text(char field[ZEF_TEXT_SIZE], const char *text, size_t length)
{
    if (length > ZEF_TEXT_MAX)
        length = ZEF_TEXT_MAX;
    memset(field, 0, ZEF_TEXT_SIZE);
    memcpy(field, text, length);
}

void zef_store_member(ZEFINFO *info, ZEFCLASS *cls, int slot, const char *name, size_t nameLength, const char *value,
                      size_t valueLength)
{
    zef_store_text(cls->members[slot].name, name, nameLength);
    zef_store_text(cls->inits[slot].text, value, valueLength);
    cls->members[slot].used = 1;
    cls->inits[slot].used = 1;
    cls->memberCount++;
    info->memberTotal++;
    info->initTotal++;
}

/* A deleted name is never empty: only a name can be matched. */
int zef_member_touched(const ZEFCLASS *cls, int slot)
{
    return cls->members[slot].used || cls->members[slot].name[0] != '\0';
}

int zef_class_touched(const ZEFCLASS *cls) { return cls->used || cls->name[0] != '\0'; }

/* Slots are taken lowest free first, so the touched ones come first: the
   first untouched slot ends them, and a settings-sized document costs a few
   slots to clear, not the record's 20 MB. */
void zef_clear_class(ZEFCLASS *cls)
{
    for (int slot = 0; slot < ZEF_MAX_MEMBERS && zef_member_touched(cls, slot); slot++) {
        memset(&cls->members[slot], 0, sizeof cls->members[slot]);
        memset(&cls->inits[slot], 0, sizeof cls->inits[slot]);
    }
    cls->used = 0;
    memset(cls->name, 0, sizeof cls->name);
    cls->memberCount = 0;
}

void zef_clear_record(ZEFINFO *info)
{
    for (int c = 0; c < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[c]); c++)
        zef_clear_class(&info->classes[c]);
    info->opened = 0;
    memset(info->fileName, 0, sizeof info->fileName);
    memset(info->directory, 0, sizeof info->directory);
    info->fileSize = 0;
    info->classCount = 0;
    info->memberTotal = 0;
    info->initTotal = 0;
}

int zef_names_match(const char *wanted, const char *stored)
{
    size_t i = 0;
    for (; wanted[i] != '\0'; i++) {
        if (ZEF_getMAJ(wanted[i]) != ZEF_getMAJ(stored[i]))
            return 0; /* also stops at the end of a shorter stored text */
    }
    return stored[i] == '\0';
}
