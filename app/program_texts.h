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
#define TEXT_NO_BROWSER                                                                                                \
    "Aucun navigateur web n'a pu être ouvert. Le site de Pelmora est à l'adresse " HOME_PAGE_URL " ."

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
/* One line per list: its path, then why. */
#define TEXT_FILE_AND_REASON "%s : %s\n"
#define TEXT_LISTS_NOT_SAVED_TAIL                                                                                      \
    "\nLes fichiers sur le disque sont restés tels quels. Fermez le programme "                                       \
    "qui les utilise peut-être, ou faites de la place sur le disque, puis "                                           \
    "choisissez \"Recommencer\" ; \"Annuler\" abandonne les modifications de "                                         \
    "cette session pour ces listes."
#define TEXT_LISTS_NOT_SAVED_FINAL_TAIL                                                                                \
    "\nLes fichiers sur le disque sont restés tels quels ; les modifications de "                                     \
    "cette session pour ces listes n'ont pas pu être gardées."

/* A list another program wrote while Pelmora had it open. %s: its path
   (three times). */
#define TEXT_LIST_CHANGED_QUESTION                                                                                     \
    "Le fichier \"%s\" a été modifié par un autre programme depuis que Pelmora "                                    \
    "l'a lu.\n\n"                                                                                                      \
    "Oui : le remplacer par la version de Pelmora ; l'autre version est gardée "                                      \
    "à côté (\"%s.autre\").\n"                                                                                      \
    "Non : le laisser tel quel ; la version de Pelmora est écrite à côté "                                         \
    "(\"%s.pelmora\")."
#define TEXT_KEPT_BESIDE_HEAD "L'autre version de ces listes est gardée dans :\n\n"

/* At start, after a list that could not be read. */
#define TEXT_CHOOSE_ANOTHER_FOLDER                                                                                     \
    "\n\nVoulez-vous choisir un autre répertoire Ejay ? (Non : le programme "                                         \
    "s'arrête sans rien écrire ; \"Pelmora.ini\" et les listes restent tels "                                        \
    "quels.)"
/* A second start while Pelmora is open, before its window is there. */
#define TEXT_ALREADY_RUNNING                                                                                           \
    "Pelmora est déjà ouvert : un seul Pelmora à la fois peut modifier les "                                        \
    "listes d'Ejay."

#endif
