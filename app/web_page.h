/*
 * The program's home page, opened from the intro and from the "?" menu.
 */
#ifndef PELMORA_WEB_PAGE_H
#define PELMORA_WEB_PAGE_H

#include <windows.h>

/* Opens the home page in the user's default browser. */
void OpenHomePage(HWND owner);

#endif
