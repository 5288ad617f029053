/*
 * Lookups. Member names are keys of the whole document: every search runs
 * over all classes in use, in slot order, and the first match is the one
 * meant. Nothing here changes the record, and no slot past the used ones is
 * read: a small document keeps its few pages of the record, no more.
 */
#include <cstring>

#include "zef/zef_internal.h"

ZEFCLASS *zef_find_class(ZEFINFO *info, const char *name)
{
    for (int i = 0; i < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[i]); i++) {
        ZEFCLASS *cls = &info->classes[i];
        if (cls->used && zef_names_match(name, cls->name))
            return cls;
    }
    return nullptr;
}

ZEFCLASS *zef_find_member(ZEFINFO *info, const char *name, int needInit, int *slot)
{
    for (int i = 0; i < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[i]); i++) {
        ZEFCLASS *cls = &info->classes[i];
        if (!cls->used)
            continue;
        for (int m = 0; m < ZEF_MAX_MEMBERS && zef_member_touched(cls, m); m++) {
            if (cls->members[m].used && (!needInit || cls->inits[m].used) &&
                zef_names_match(name, cls->members[m].name)) {
                *slot = m;
                return cls;
            }
        }
    }
    return nullptr;
}

namespace {

int FindInit(ZEFINFO *info, const char *text)
{
    for (int i = 0; i < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[i]); i++) {
        const ZEFCLASS *cls = &info->classes[i];
        if (!cls->used)
            continue;
        for (int m = 0; m < ZEF_MAX_MEMBERS && zef_member_touched(cls, m); m++) {
            if (cls->inits[m].used && zef_names_match(text, cls->inits[m].text))
                return 1;
        }
    }
    return 0;
}

/* The argument checks of the existence tests: 0 when the search may run. */
int ExistenceRefusal(const char *name, const ZEFINFO *info)
{
    if (!zef_is_name(name))
        return ZEF_FAIL;
    if (!info || !info->opened)
        return ZEF_NOINFO;
    return 0;
}

} // namespace

int ZEF_ExistClass(char *name, ZEFINFO *info)
{
    int refusal = ExistenceRefusal(name, info);
    if (refusal)
        return refusal;
    return zef_find_class(info, name) != nullptr;
}

int ZEF_ExistMember(char *name, ZEFINFO *info)
{
    int refusal = ExistenceRefusal(name, info);
    if (refusal)
        return refusal;
    int slot;
    return zef_find_member(info, name, 0, &slot) != nullptr;
}

int ZEF_ExistInit(char *text, ZEFINFO *info)
{
    int refusal = ExistenceRefusal(text, info);
    if (refusal)
        return refusal;
    return FindInit(info, text);
}

/* out must hold a NUL-terminated text on entry and room for ZEF_TEXT_SIZE
   characters; it receives the value, terminated. */
int ZEF_GetInit(char *member, char *out, ZEFINFO *info)
{
    if (!zef_is_name(member))
        return ZEF_FAIL;
    if (!info)
        return ZEF_NOINFO;
    if (!out)
        return ZEF_FAIL;
    if (!info->opened)
        return ZEF_NOINFO;
    if (ZEF_ExistMember(member, info) != 1)
        return ZEF_FAIL;
    /* The earlier text is cleared, reading no further than the buffer's size. */
    const char *end = static_cast<const char *>(memchr(out, '\0', ZEF_TEXT_SIZE));
    memset(out, 0, end ? (size_t)(end - out) : ZEF_TEXT_SIZE);
    int slot;
    ZEFCLASS *cls = zef_find_member(info, member, 1, &slot);
    if (!cls)
        return ZEF_FAIL;
    zef_store_text(out, cls->inits[slot].text, strlen(cls->inits[slot].text));
    return ZEF_OK;
}
