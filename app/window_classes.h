/*
 * The program's two window classes, registered at start-up.
 */
#ifndef PELMORA_WINDOW_CLASSES_H
#define PELMORA_WINDOW_CLASSES_H

#define MAIN_CLASS_NAME "PELMOC"
#define INTRO_CLASS_NAME "PELMOINTROC"
#define MAIN_BACKGROUND_COLOUR 0xD7D7D7 /* light grey, red = green = blue = 215 */

#endif
