/*
 * What the application shell tells the user, each text once. Many end in a
 * run of blanks that belongs to the text (it widens the message box).
 */
#ifndef PELMORA_PROGRAM_TEXTS_H
#define PELMORA_PROGRAM_TEXTS_H

#include "database/database_texts.h"

#define TEXT_BAD_LIBRARY_VERSION "La version de la dll \"ZEF.dll\" est incorrecte !" BLANKS_15
#define TEXT_NO_INTRO_PICTURE "La ressource de l'intro n'a pas pu être chargée !" BLANKS_15
#define TEXT_SMALL_SCREEN "La résolution du moniteur est insuffisante !" BLANKS_13
#define TEXT_FIRST_RUN "Bienvenu : 1er lancement d'Pelmora, receuil d'informations." BLANKS_15
#define TEXT_DAMAGED_SETTINGS "Le fichier \"Pelmora.ini\" a été endommagé !" BLANKS_15

#define HOME_PAGE_URL "https://pelmora.example/"
#define CONTACT_ADDRESS "contact@pelmora.example"

#define TEXT_ABOUT                                                                                                     \
    BLANKS_8 "Pelmora - (c) 2003 Les développeurs de Pelmora" BLANKS_23 "\n"                                           \
             " Organiseur de samples pour Ejay Spéciale Edition 1.02. \n"                                             \
             "\n" BLANKS_18 "E-mail:" BLANKS_2 CONTACT_ADDRESS

/* Closing: nothing of the session may be lost without the user knowing. */
#define TEXT_SETTINGS_NOT_SAVED                                                                                        \
    "Le fichier \"Pelmora.ini\" n'a pas pu être enregistré, ni dans le "                                             \
    "répertoire de Windows ni dans le dossier de l'utilisateur : les réglages "                                      \
    "de cette session sont perdus."
#define TEXT_BACKUPS_NOT_MADE_HEAD "Ces copies de sauvegarde n'ont pas pu être faites :\n\n"
#define TEXT_BACKUPS_NOT_MADE_TAIL                                                                                     \
    "\nLa copie précédente de chacune, s'il y en avait une, est restée telle "                                      \
    "quelle ; les listes vont être enregistrées."
#define TEXT_LISTS_NOT_SAVED_HEAD "Ces listes de samples n'ont pas pu être écrites :\n\n"
#define TEXT_LISTS_NOT_SAVED_TAIL                                                                                      \
    "\nLes fichiers sur le disque sont restés tels quels. Fermez le programme "                                       \
    "qui les utilise peut-être, puis choisissez \"Recommencer\" ; \"Annuler\" "                                       \
    "abandonne les modifications de cette session."

#endif
