/*
 * ZEF: a small class/member/init configuration-file library (ZEF.dll).
 *
 * The dialect, as read:
 *   - "[name]" in the first column opens a class; text after "]" is ignored.
 *   - "name = value" is a member and its init; a line without "=" is a member
 *     with an empty init. Lines before any header form a nameless class.
 *   - ";" or "/" in the first column is a comment; a value ends at a TAB, ";"
 *     or "//" unless it starts with one (then it runs to the line end).
 *   - names match case-insensitively for ASCII letters only (ZEF_getMAJ).
 *   - lines end in LF; a CR before the LF is dropped, a lone CR is kept;
 *     Ctrl-Z ends the input. The writer ends every line with CR LF.
 *
 * The caller owns the document record (about 20 MB: keep it static); the
 * library keeps no state between calls, never allocates and never throws:
 * files of any size are read and written through fixed buffers on the
 * stack (under 100 KB in all). Names and values hold at most ZEF_TEXT_MAX
 * characters: longer lines are cut there, longer arguments are refused
 * with ZEF_FAIL.
 *
 * The record starts all zero (static storage, or cleared by its owner) and
 * is changed through these functions only. Then slots are always taken
 * lowest free first, and a slot freed by a delete keeps the name it had
 * (never empty), so the slots used since the last clear are the first ones,
 * up to the first slot neither in use nor named. ZEF reads and clears only
 * those, never the whole record, and every field still reads as if all of
 * it were cleared.
 */
#ifndef ZEF_H
#define ZEF_H

#ifdef _WIN32
#ifdef ZEF_BUILDING_LIBRARY
#define ZEF_API __declspec(dllexport)
#else
#define ZEF_API __declspec(dllimport)
#endif
#else
#define ZEF_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZEF_MAX_CLASSES 200
#define ZEF_MAX_MEMBERS 200
#define ZEF_TEXT_SIZE 256
#define ZEF_TEXT_MAX (ZEF_TEXT_SIZE - 1)
/* The reader keeps at most this many characters of a line (its name, "="
   and value together); the rest of a longer line is skipped. */
#define ZEF_LINE_SIZE 256

/* Result codes of every function but ZEF_getMAJ. */
#define ZEF_OK 100
#define ZEF_FAIL 101
#define ZEF_NOINFO 102

typedef struct _ZEFMEMBER {
    unsigned char used;
    char name[ZEF_TEXT_SIZE];
} ZEFMEMBER;

typedef struct _ZEFINIT {
    unsigned char used;
    char text[ZEF_TEXT_SIZE];
} ZEFINIT;

typedef struct _ZEFCLASS {
    unsigned char used;
    char name[ZEF_TEXT_SIZE];
    ZEFMEMBER members[ZEF_MAX_MEMBERS];
    ZEFINIT inits[ZEF_MAX_MEMBERS]; /* inits[i] is the value of members[i] */
    int memberCount;
} ZEFCLASS;

typedef struct _ZEFINFO {
    unsigned char opened;
    char fileName[ZEF_TEXT_SIZE];
    char directory[ZEF_TEXT_SIZE];
    int fileSize;
    ZEFCLASS classes[ZEF_MAX_CLASSES];
    int classCount;
    int memberTotal;
    int initTotal;
} ZEFINFO;

/*
 * Arguments: every name, new name, value and path is a NUL-terminated text
 * of at most ZEF_TEXT_MAX characters; a longer or null one is refused with
 * ZEF_FAIL before the record is touched. Names may not be empty. Where a
 * function checks several things, the first that fails decides the code.
 */

/* ---- Files --------------------------------------------------------------
 * ZEF_OpenFile: ZEF_FAIL for a refused path or a file that cannot be read
 *   to its end (the record is then as it was); ZEF_NOINFO for a null record
 *   (checked after the file); ZEF_OK with the record replaced by the file's
 *   document, marked opened. A file larger than the read buffer is read to
 *   its end once before it is parsed; should the second reading fail, the
 *   record is left cleared, not opened, rather than as it was.
 * ZEF_WriteFile: ZEF_NOINFO for a null record, ZEF_FAIL for a refused path,
 *   ZEF_NOINFO for a record never opened (no file is touched); ZEF_FAIL when
 *   the file could not be replaced whole (the old one is then as it was);
 *   ZEF_OK once the new file is on the disk.
 * ZEF_GetVersion: 1.0. */
ZEF_API double ZEF_GetVersion(void);
ZEF_API int ZEF_OpenFile(char *path, struct _ZEFINFO *info);
ZEF_API int ZEF_WriteFile(char *path, struct _ZEFINFO *info);

/* ---- Lookups (never change the record) ---------------------------------
 * Member names are keys of the whole document: the first match in class
 * slot order, then member slot order, is the one meant.
 * ZEF_ExistClass, ZEF_ExistMember, ZEF_ExistInit: 1 found, 0 not found, but
 *   also ZEF_FAIL for a refused name and ZEF_NOINFO for a null or unopened
 *   record: compare the result with 1, never test it for non-zero.
 * ZEF_GetInit: ZEF_FAIL for a refused member name, ZEF_NOINFO for a null
 *   record, ZEF_FAIL for a null out, ZEF_NOINFO for an unopened record,
 *   ZEF_FAIL when no member has that name; ZEF_OK with the value in out,
 *   which must hold a terminated text on entry and ZEF_TEXT_SIZE bytes. */
ZEF_API int ZEF_ExistClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_ExistMember(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_ExistInit(char *text, struct _ZEFINFO *info);
ZEF_API int ZEF_GetInit(char *member, char *out, struct _ZEFINFO *info);

/* ---- Edits in memory (ZEF_WriteFile makes them lasting) ----------------
 * ZEF_AddClass: ZEF_FAIL for a refused name, ZEF_NOINFO for a null record,
 *   ZEF_FAIL when all class slots are used; ZEF_OK, the record opened.
 * ZEF_AddMember: ZEF_FAIL for a refused class, member or value, ZEF_NOINFO
 *   for a null record, ZEF_FAIL when no class has that name or every class
 *   of that name is full (the record is then marked opened all the same);
 *   ZEF_OK.
 * ZEF_DelClass, ZEF_DelMember, ZEF_SetClass, ZEF_SetMember, ZEF_SetInit:
 *   ZEF_FAIL for a refused name or new text, ZEF_NOINFO for a null or
 *   unopened record, ZEF_FAIL when nothing has that name; ZEF_OK. Adding
 *   and renaming never test for a name already taken. */
ZEF_API int ZEF_AddClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_AddMember(char *className, char *member, char *value, struct _ZEFINFO *info);
ZEF_API int ZEF_DelClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_DelMember(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_SetMember(char *name, char *newName, struct _ZEFINFO *info);
ZEF_API int ZEF_SetClass(char *name, char *newName, struct _ZEFINFO *info);
ZEF_API int ZEF_SetInit(char *member, char *value, struct _ZEFINFO *info);

/* "A" to "Z" for "a" to "z", any other character unchanged (sign-extended):
   the mapping every name comparison rests on. */
ZEF_API int ZEF_getMAJ(char c);

#ifdef __cplusplus
}
#endif

#endif /* ZEF_H */
