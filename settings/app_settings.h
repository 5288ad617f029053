/*
 * The program's settings record. Plain data: the whole AppState that holds
 * it is cleared with one memset at start-up.
 */
#ifndef PELMORA_APP_SETTINGS_H
#define PELMORA_APP_SETTINGS_H

#define SETTINGS_PATH_SIZE 256

/* Same layout as the platform's RECT, without needing its header. */
struct SettingsRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct AppSettings {
    char windowsDir[SETTINGS_PATH_SIZE];
    char ejayDir[SETTINGS_PATH_SIZE];
    char progEjay[SETTINGS_PATH_SIZE];
    int autosave;     /* an option is on only when it holds exactly 1 */
    int backup;
    int runEjay;
    int currentStyle; /* STYLE_DANCE, STYLE_RAVE or STYLE_HIPHOP */
    SettingsRect position;
};

#endif
