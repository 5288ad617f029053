/*
 * Edits in memory; ZEF_WriteFile makes them lasting. Adding is the only way
 * a record becomes opened without a file, which is how a caller builds a
 * document from a cleared record.
 */
#include <cstring>

#include "zef/zef_internal.h"

namespace {

/* The checks shared by the operations on an existing name: the name, then
   the record. 0 when the operation may go on. */
int EditRefusal(const char *name, const ZEFINFO *info)
{
    if (!zef_is_name(name))
        return ZEF_FAIL;
    if (!info || !info->opened)
        return ZEF_NOINFO;
    return 0;
}

ZEFCLASS *FirstFreeClass(ZEFINFO *info)
{
    for (int i = 0; i < ZEF_MAX_CLASSES; i++) {
        if (!info->classes[i].used)
            return &info->classes[i];
    }
    return nullptr;
}

int FirstFreeMember(const ZEFCLASS *cls)
{
    for (int m = 0; m < ZEF_MAX_MEMBERS; m++) {
        if (!cls->members[m].used)
            return m;
    }
    return -1;
}

/* The checks, then the first member of that name: 0 with its class and
   slot, or the result code of the refusal. */
int FindMemberToEdit(char *name, ZEFINFO *info, ZEFCLASS **cls, int *slot)
{
    int refusal = EditRefusal(name, info);
    if (refusal)
        return refusal;
    *cls = zef_find_member(info, name, 0, slot);
    return *cls ? 0 : ZEF_FAIL;
}

/* The renames and ZEF_SetInit accept an empty new text; a null or too long
   one is refused before anything is searched. */
enum MemberText { MEMBER_NAME, MEMBER_INIT };

/* Replaces the name or the init of the first member of that name. */
int SetMemberText(char *name, char *text, ZEFINFO *info, MemberText which)
{
    if (!zef_is_name(name) || !zef_text_fits(text))
        return ZEF_FAIL;
    ZEFCLASS *cls;
    int slot;
    int refusal = FindMemberToEdit(name, info, &cls, &slot);
    if (refusal)
        return refusal;
    char *field = which == MEMBER_NAME ? cls->members[slot].name : cls->inits[slot].text;
    zef_store_text(field, text, strlen(text));
    return ZEF_OK;
}

} // namespace

int ZEF_AddClass(char *name, ZEFINFO *info)
{
    if (!zef_is_name(name))
        return ZEF_FAIL;
    if (!info)
        return ZEF_NOINFO;
    ZEFCLASS *cls = FirstFreeClass(info);
    if (!cls)
        return ZEF_FAIL;
    info->opened = 1;
    /* A slot freed by ZEF_DelClass still holds the old members: a new class
       starts empty. */
    zef_clear_class(cls);
    zef_store_text(cls->name, name, strlen(name));
    cls->used = 1;
    info->classCount++;
    return ZEF_OK;
}

int ZEF_AddMember(char *className, char *member, char *value, ZEFINFO *info)
{
    if (!zef_is_name(className) || !zef_is_name(member) || !zef_text_fits(value))
        return ZEF_FAIL;
    if (!info)
        return ZEF_NOINFO;
    /* On a record not opened the test answers ZEF_NOINFO and lets the call
       through; it then finds no class. */
    if (ZEF_ExistClass(className, info) == 0)
        return ZEF_FAIL;
    info->opened = 1;
    for (int i = 0; i < ZEF_MAX_CLASSES && zef_class_touched(&info->classes[i]); i++) {
        ZEFCLASS *cls = &info->classes[i];
        if (!cls->used || !zef_names_match(className, cls->name))
            continue;
        int slot = FirstFreeMember(cls);
        if (slot < 0)
            continue; /* full: the next class of that name may have room */
        zef_store_member(info, cls, slot, member, strlen(member), value, strlen(value));
        return ZEF_OK;
    }
    return ZEF_FAIL;
}

int ZEF_DelClass(char *name, ZEFINFO *info)
{
    int refusal = EditRefusal(name, info);
    if (refusal)
        return refusal;
    ZEFCLASS *cls = zef_find_class(info, name);
    if (!cls)
        return ZEF_FAIL;
    cls->used = 0;
    info->classCount--;
    /* Its members leave the document with it, so the totals keep counting
       what the document holds. */
    info->memberTotal -= cls->memberCount;
    info->initTotal -= cls->memberCount;
    return ZEF_OK;
}

int ZEF_DelMember(char *name, ZEFINFO *info)
{
    ZEFCLASS *cls;
    int slot;
    int refusal = FindMemberToEdit(name, info, &cls, &slot);
    if (refusal)
        return refusal;
    cls->members[slot].used = 0;
    cls->inits[slot].used = 0;
    cls->memberCount--;
    info->memberTotal--;
    info->initTotal--;
    return ZEF_OK;
}

int ZEF_SetMember(char *name, char *newName, ZEFINFO *info) { return SetMemberText(name, newName, info, MEMBER_NAME); }

int ZEF_SetClass(char *name, char *newName, ZEFINFO *info)
{
    if (!zef_is_name(name) || !zef_text_fits(newName))
        return ZEF_FAIL;
    int refusal = EditRefusal(name, info);
    if (refusal)
        return refusal;
    ZEFCLASS *cls = zef_find_class(info, name);
    if (!cls)
        return ZEF_FAIL;
    zef_store_text(cls->name, newName, strlen(newName));
    return ZEF_OK;
}

int ZEF_SetInit(char *member, char *value, ZEFINFO *info) { return SetMemberText(member, value, info, MEMBER_INIT); }
