/*
 * The one platform-specific step of ZEF_WriteFile: putting the finished
 * temporary file in place of the target, so that a reader sees either the
 * whole old file or the whole new one.
 */
#include "zef_internal.h"

#ifdef _WIN32
#include <windows.h>

int zef_replace_file(const char *from, const char *to)
{
    /* MoveFileExA refuses a directory as target and a target held open
       without delete sharing; both leave the target untouched. */
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else
#include <cstdio>

int zef_replace_file(const char *from, const char *to)
{
    return rename(from, to) == 0;
}

#endif
