/*
 * The System dialog (600): Ejay's folder and program and the three options.
 * In first-run mode (settingsReady 0) validating it loads the lists and
 * starts the intro; cancelling it ends the program.
 */
#ifndef PELMORA_SYSTEM_DIALOG_H
#define PELMORA_SYSTEM_DIALOG_H

#include <windows.h>

/* Creates the modeless dialog (owner may be null: the first-run form) and
   stores it in g_hDialog. */
void OpenSystemDialog(HWND owner);

#endif
