/*
 * Which texts "Pelmora.ini" can keep. The file's dialect drops blanks at
 * either end of a value, ends a value at a TAB, ";" or "//", and ends a
 * line at a line feed, so a folder such as "C:\Music;Old\Ejay" would read
 * back as "C:\Music". The System dialog refuses such texts instead.
 */
#ifndef PELMORA_SETTINGS_TEXT_H
#define PELMORA_SETTINGS_TEXT_H

/* 1 when text (at most 255 characters) reads back from the settings file
   exactly as written; 0 otherwise or for a null text. */
int SettingsTextCanBeKept(const char *text);

#endif
