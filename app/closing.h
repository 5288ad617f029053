/*
 * The closing sequence: settings, backups, lists, Ejay, end of the loop.
 */
#ifndef PELMORA_CLOSING_H
#define PELMORA_CLOSING_H

#include <windows.h>

/* Runs once per run, whichever of Quit, the close box or the window's
   destruction comes first; later calls do nothing. */
void RunClosingSequence(HWND hwnd);

#endif
