/*
 * The System dialog (600): Ejay's folder and program and the three options.
 * Before the program's windows (a first run, or a start whose lists could
 * not be read) validating it loads the lists and starts the intro, and
 * cancelling it ends the program; opened from the menu, validating another
 * Ejay folder saves the lists shown to their own folder and loads the new
 * folder's.
 */
#ifndef PELMORA_SYSTEM_DIALOG_H
#define PELMORA_SYSTEM_DIALOG_H

#include <windows.h>

enum SystemDialogRole {
    SYSTEM_FIRST_RUN,    /* no settings yet: "C:\" proposed */
    SYSTEM_CHOOSE_AGAIN, /* the settings' lists could not be read */
    SYSTEM_SETTINGS,     /* from the menu, the lists loaded */
};

/* Creates the modeless dialog (owner may be null: before the program's
   windows) and stores it in g_hDialog. */
void OpenSystemDialog(HWND owner, SystemDialogRole role);

#endif
