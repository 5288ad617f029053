/*
 * What the sample database tells the user, each text once. Many of the
 * program's messages end in a run of blanks that belongs to the text (it
 * widens the message box); the runs are named so their lengths can be read
 * at a glance, here at the bottom of the program's texts.
 */
#ifndef PELMORA_DATABASE_TEXTS_H
#define PELMORA_DATABASE_TEXTS_H

#define BLANKS_2 "  "
#define BLANKS_8 "        "
#define BLANKS_12 "            "
#define BLANKS_13 "             "
#define BLANKS_15 "               "
#define BLANKS_18 "                  "
#define BLANKS_23 "                       "

/* %s: the list's full path. */
#define TEXT_LIST_MISSING "Le fichier \"%s\" est introuvable !" BLANKS_12
/* %s: the list's full path, then why (the system's words or one below). */
#define TEXT_LIST_UNREADABLE "Le fichier \"%s\" n'a pas pu être lu jusqu'au bout : %s." BLANKS_12
/* Why a file could not be read or written, when the system's words would
   mislead or are missing. */
#define TEXT_REASON_FOLDER_IN_THE_WAY "un dossier porte ce nom"
#define TEXT_REASON_UNKNOWN "disque ou réseau en défaut ?"
/* %s: the keyword as read, quotes removed. */
#define TEXT_UNKNOWN_CATEGORY "La catégorie \"%s\" est inconnue !" BLANKS_12
/* %s: the list's path as it would be. */
#define TEXT_PATH_TOO_LONG "Le chemin \"%s\" est trop long !" BLANKS_12
/* %s: the list's full path; %d: how many records. */
#define TEXT_RECORDS_KEPT_ASIDE                                                                                        \
    "Le fichier \"%s\" contient %d enregistrement(s) qui ne peuvent pas être "                                        \
    "affichés (plus de 500 dans une catégorie, valeur trop longue pour son "                                         \
    "champ, enregistrement incomplet ou texte après un caractère de fin de "                                         \
    "fichier) : ils seront conservés tels quels à l'enregistrement."

#endif
