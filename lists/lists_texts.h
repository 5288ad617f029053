/*
 * What pelmora-lists says, each text once, in the lists' code page.
 */
#ifndef PELMORA_LISTS_TEXTS_H
#define PELMORA_LISTS_TEXTS_H

#define TOOL_HELP                                                                                                      \
    "pelmora-lists : vérifie, fouille, exporte et complète les listes de samples d'Ejay\n"                           \
    "(pxddance, pxdrave, pxdhiphp), avec les mêmes règles que Pelmora.\n"                                            \
    "\n"                                                                                                               \
    "  pelmora-lists [--ejay DOSSIER] check\n"                                                                         \
    "      Lit les trois listes sans rien écrire et signale, par style, catégorie et rang :\n"                       \
    "      les samples introuvables, un même fichier listé deux fois dans un style, les\n"                           \
    "      enregistrements que Pelmora garde de côté (plus de 500, valeur trop longue,\n"                            \
    "      fin de fichier), chaque catégorie inconnue avec sa ligne. Puis un bilan.\n"                                \
    "      Exemple : pelmora-lists check\n"                                                                            \
    "  pelmora-lists [--ejay DOSSIER] find TEXTE\n"                                                                    \
    "      Les entrées dont les noms, le texte ou l'adresse contiennent TEXTE, sans tenir\n"                          \
    "      compte des majuscules ni des accents majuscules, comme le volet les montre.\n"                              \
    "      Exemple : pelmora-lists find basse\n"                                                                       \
    "  pelmora-lists [--ejay DOSSIER] export --csv FICHIER\n"                                                          \
    "      Toutes les entrées en CSV (UTF-8, une ligne d'en-tête) ; « - » : la sortie standard.\n"                 \
    "      Exemple : pelmora-lists export --csv samples.csv\n"                                                         \
    "  pelmora-lists [--ejay DOSSIER] import DOSSIER --style S --category C [--dry-run]\n"                             \
    "      Ajoute chaque fichier .pxd de DOSSIER (par ordre de nom, sauf ceux déjà listés\n"                        \
    "      dans ce style) à la catégorie C (loop, bass, synthy, voice, effect, drum,\n"                              \
    "      sequence, special, rap) du style S (dance, rave, hiphop), jusqu'à 500.\n"                                  \
    "      --dry-run montre ce qui serait ajouté sans rien écrire. Refusé tant que\n"                               \
    "      Pelmora est ouvert.\n"                                                                                      \
    "      Exemple : pelmora-lists import \"C:\\Mes sons\" --style dance --category bass\n"                            \
    "\n"                                                                                                               \
    "Sans --ejay, le dossier d'Ejay est celui de Pelmora.ini. Codes de sortie : 0 tout va bien,\n"                     \
    "1 la commande a trouvé quelque chose (check : un problème ; find : aucune entrée ;\n"                          \
    "import : des fichiers sans place), 2 erreur d'utilisation ou de fichier.\n"

/* Errors, one line each after "pelmora-lists : ". */
#define TOOL_UNKNOWN_OPTION "option inconnue « %s » (voir --help)"
#define TOOL_OPTION_NEEDS_VALUE "l'option « %s » attend une valeur (voir --help)"
#define TOOL_OPTION_NOT_HERE "l'option « %s » ne vaut pas pour la commande « %s » (voir --help)"
#define TOOL_NO_COMMAND "quelle commande ? check, find, export ou import (voir --help)"
#define TOOL_UNKNOWN_COMMAND "commande inconnue « %s » (voir --help)"
#define TOOL_OPERANDS "la commande « %s » attend %s (voir --help)"
#define TOOL_MISSING_OPTION "la commande « %s » attend l'option « %s » (voir --help)"
#define TOOL_BAD_VALUE "« %s » n'est pas une valeur de %s (%s)"
#define TOOL_NO_EJAY_DIR "aucun dossier Ejay : donnez --ejay DOSSIER, ou faites choisir le dossier à Pelmora"
#define TOOL_EJAY_DIR_TOO_LONG "le dossier « %s » est trop long pour les listes"
#define TOOL_LIST_MISSING "le fichier \"%s\" est introuvable"
#define TOOL_LIST_UNREADABLE "le fichier \"%s\" n'a pas pu être lu jusqu'au bout"
#define TOOL_CSV_NOT_WRITTEN "le fichier \"%s\" n'a pas pu être écrit"
#define TOOL_FOLDER_MISSING "le dossier \"%s\" est introuvable"
#define TOOL_PELMORA_RUNNING "Pelmora est ouvert : il réécrirait les listes en se fermant ; fermez-le, puis recommencez"
#define TOOL_LISTS_REFUSED "les listes n'ont pas pu être chargées comme Pelmora les charge : rien n'a été écrit"
#define TOOL_LIST_CHANGED "le fichier \"%s\" a changé pendant l'import : rien n'a été écrit"
#define TOOL_LISTS_NOT_SAVED "ces listes n'ont pas pu être écrites et sont restées telles quelles :%s"
#define TOOL_BACKUPS_NOT_MADE "ces copies de sauvegarde n'ont pas pu être faites :%s"

/* check */
#define TOOL_SAMPLE_MISSING "%s, %s, rang %d (n°%s) : le sample \"%s\" est introuvable\n"
#define TOOL_SAMPLE_TWICE "%s, %s, rang %d (n°%s) : \"%s\" figure déjà en %s, rang %d\n"
#define TOOL_BEYOND_500 "%s, ligne %d : un %s de trop (plus de 500), gardé tel quel\n"
#define TOOL_TOO_WIDE "%s, ligne %d : un %s dont une valeur dépasse son champ, gardé tel quel\n"
#define TOOL_UNFINISHED "%s, ligne %d : un enregistrement incomplet en fin de fichier, gardé tel quel\n"
#define TOOL_AFTER_END_MARK "%s, ligne %d : du texte après une marque de fin de fichier, gardé tel quel\n"
#define TOOL_UNKNOWN_KEYWORD "%s, ligne %d : catégorie \"%s\" inconnue (Pelmora refuserait de démarrer)\n"
#define TOOL_CHECK_SUMMARY                                                                                             \
    "Bilan : %d entrées ; %d samples introuvables, %d doublons, %d en trop, %d valeurs trop longues, "                \
    "%d fins de fichier gardées, %d catégories inconnues.\n"

/* find */
#define TOOL_FOUND_ROW "%s, %s, rang %d : %s\n"
#define TOOL_NOTHING_FOUND "Aucune entrée ne contient « %s ».\n"

/* export */
#define TOOL_CSV_HEADER "style,catégorie,rang,numéro,adresse,texte,mot-clé,durée,nom ligne 1,nom ligne 2\r\n"

/* import */
#define TOOL_ADDED "ajouté : %s, %s, rang %d : %s\n"
#define TOOL_WOULD_ADD "ajouterait : %s, %s, rang %d : %s\n"
#define TOOL_ALREADY_LISTED "déjà dans %s : %s\n"
#define TOOL_UNFIT_NAME "pas ajouté, nom impossible dans une liste (trop long, guillemet ou saut de ligne) : %s\n"
#define TOOL_IMPORT_SUMMARY "%d fichier(s) %s à %s, %s ; %d déjà listé(s) ; %d refusé(s).\n"
#define TOOL_ADDED_COUNT "ajouté(s)"
#define TOOL_WOULD_ADD_COUNT "à ajouter"
#define TOOL_NO_ROOM "%d fichier(s) n'ont pas trouvé de place : la catégorie compte 500 entrées.\n"
#define TOOL_DRY_RUN "Essai : rien n'a été écrit.\n"

#endif
