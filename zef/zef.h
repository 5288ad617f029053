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
 * library allocates nothing and keeps no state between calls. Names and
 * values hold at most ZEF_TEXT_MAX characters: longer lines are cut there,
 * longer arguments are refused with ZEF_FAIL.
 */
#ifndef ZEF_H
#define ZEF_H

#ifdef _WIN32
#  ifdef ZEF_BUILDING_LIBRARY
#    define ZEF_API __declspec(dllexport)
#  else
#    define ZEF_API __declspec(dllimport)
#  endif
#else
#  define ZEF_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZEF_MAX_CLASSES 200
#define ZEF_MAX_MEMBERS 200
#define ZEF_TEXT_SIZE 256
#define ZEF_TEXT_MAX (ZEF_TEXT_SIZE - 1)

/* Result codes of every function but the existence tests (1 found, 0 not). */
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

ZEF_API double ZEF_GetVersion(void);
ZEF_API int ZEF_OpenFile(char *path, struct _ZEFINFO *info);
ZEF_API int ZEF_WriteFile(char *path, struct _ZEFINFO *info);

ZEF_API int ZEF_ExistClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_ExistMember(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_ExistInit(char *text, struct _ZEFINFO *info);
ZEF_API int ZEF_GetInit(char *member, char *out, struct _ZEFINFO *info);

ZEF_API int ZEF_AddClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_AddMember(char *className, char *member, char *value, struct _ZEFINFO *info);
ZEF_API int ZEF_DelClass(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_DelMember(char *name, struct _ZEFINFO *info);
ZEF_API int ZEF_SetMember(char *name, char *newName, struct _ZEFINFO *info);
ZEF_API int ZEF_SetClass(char *name, char *newName, struct _ZEFINFO *info);
ZEF_API int ZEF_SetInit(char *member, char *value, struct _ZEFINFO *info);

ZEF_API int ZEF_getMAJ(char c);

#ifdef __cplusplus
}
#endif

#endif /* ZEF_H */
