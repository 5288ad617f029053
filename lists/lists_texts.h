/*
 * What pelmora-lists says, each text once, in the lists' code page.
 */
#ifndef PELMORA_LISTS_TEXTS_H
#define PELMORA_LISTS_TEXTS_H

#define TOOL_HELP                                                                                                      \
    "pelmora-lists : vérifie, fouille, exporte, complète et relie les listes de samples d'Ejay\n"                    \
    "(pxddance, pxdrave, pxdhiphp), avec les mêmes règles que Pelmora.\n"                                            \
    "\n"                                                                                                               \
    "  pelmora-lists [--ejay DOSSIER] check\n"                                                                         \
    "      Lit les trois listes sans rien écrire et signale, par style, catégorie et rang :\n"                       \
    "      les samples introuvables, un même fichier listé deux fois dans un style, les\n"                           \
    "      enregistrements que Pelmora garde de côté (plus de 500, valeur trop longue,\n"                            \
    "      fin de fichier), chaque catégorie inconnue avec sa ligne. Puis un bilan.\n"                                \
    "      Exemple : pelmora-lists check\n"                                                                            \
    "  pelmora-lists [--ejay DOSSIER] find TEXTE [--style S] [--category C]\n"                                         \
    "      Les entrées dont les noms (les deux lignes jointes par un blanc), le texte ou\n"                           \
    "      l'adresse contiennent TEXTE, sans tenir compte des majuscules ni des accents ;\n"                           \
    "      un nombre trouve aussi l'entrée qui porte ce n°. --style et --category limitent\n"                        \
    "      la recherche à un style, à une catégorie.\n"                                                             \
    "      Exemple : pelmora-lists find basse --style dance\n"                                                         \
    "  pelmora-lists [--ejay DOSSIER] export --csv FICHIER [--tableur]\n"                                              \
    "      Toutes les entrées en CSV (UTF-8, une ligne d'en-tête) ; « - » : la sortie standard.\n"                 \
    "      --tableur : pour le tableur de l'utilisateur, avec le séparateur de liste de\n"                            \
    "      Windows (« ; » en France), et les cellules qu'il lirait comme une formule, un\n"                          \
    "      nombre, une date ou une heure (=, +, -, @ en tête, 007, 1/2, 1:30) gardées en texte.\n"                   \
    "      Exemple : pelmora-lists export --csv samples.csv --tableur\n"                                               \
    "  pelmora-lists [--ejay DOSSIER] import DOSSIER --style S --category C [--dry-run]\n"                             \
    "      Ajoute chaque fichier .pxd de DOSSIER (par ordre de nom, sauf ceux déjà listés\n"                        \
    "      dans ce style) à la catégorie C (loop, bass, synthy, voice, effect, drum,\n"                              \
    "      sequence, special, rap) du style S (dance, rave, hiphop), jusqu'à 500.\n"                                  \
    "      --dry-run montre ce qui serait ajouté sans rien écrire. Refusé tant que\n"                               \
    "      Pelmora est ouvert.\n"                                                                                      \
    "      Exemple : pelmora-lists import \"C:\\Mes sons\" --style dance --category bass\n"                            \
    "  pelmora-lists [--ejay DOSSIER] relink ANCIEN_DOSSIER NOUVEAU_DOSSIER [--dry-run]\n"                             \
    "      Après le déplacement d'un dossier de samples : dans les trois listes, l'adresse de\n"                     \
    "      chaque entrée rangée dans ANCIEN_DOSSIER (dossiers entiers, sans tenir compte des\n"                      \
    "      majuscules) passe dans NOUVEAU_DOSSIER. Les entrées dont le nouveau fichier est\n"                         \
    "      introuvable sont reliées quand même et signalées. --dry-run montre ce qui\n"                             \
    "      changerait sans rien écrire. Refusé tant que Pelmora est ouvert.\n"                                       \
    "      Exemple : pelmora-lists relink C:\\Ejay\\Sons D:\\Sons\n"                                                   \
    "  pelmora-lists [--ejay DOSSIER] historique\n"                                                                    \
    "      Les versions des listes que Pelmora et cet outil ont remplacées (les 20 dernières de\n"                   \
    "      chaque liste, dans %LOCALAPPDATA%\\Pelmora\\historique), chacune avec son repère\n"                        \
    "      (date et heure) et le nombre d'entrées de chaque style qu'elle garde.\n"                                   \
    "      Exemple : pelmora-lists historique\n"                                                                       \
    "  pelmora-lists [--ejay DOSSIER] restaurer REPÈRE [--style S] [--dry-run]\n"                                     \
    "      Remet les listes (ou celle du style S) comme elles étaient dans la version REPÈRE,\n"                     \
    "      telle que historique l'écrit ; la version remplacée entre d'abord dans l'historique.\n"                   \
    "      Refusé tant que Pelmora est ouvert.\n"                                                                     \
    "      Exemple : pelmora-lists restaurer 2026-12-07_19.03.05 --style dance\n"                                      \
    "\n"                                                                                                               \
    "Sans --ejay, le dossier d'Ejay est celui de Pelmora.ini. /? ou -? : cette aide ;\n"                               \
    "--version : la version. « -- » termine les options : ce qui suit est un argument\n"                             \
    "(pelmora-lists find -- -3dB). Codes de sortie : 0 tout va bien, 1 la commande a trouvé\n"                        \
    "quelque chose (check : un problème ; find : aucune entrée ; import : des fichiers sans\n"                       \
    "place ou refusés ; relink : des fichiers introuvables, des adresses trop longues ou aucune\n"                    \
    "entrée ; historique : aucune version),\n"                                                                        \
    "2 erreur d'utilisation ou de fichier.\n"

#define TOOL_VERSION "pelmora-lists %s\n"

/* Errors, one line each after "pelmora-lists : ". */
#define TOOL_UNKNOWN_OPTION "option inconnue « %s » (voir --help)"
#define TOOL_OPTION_NEEDS_VALUE "l'option « %s » attend une valeur (voir --help)"
#define TOOL_OPTION_NOT_HERE "l'option « %s » ne vaut pas pour la commande « %s » (voir --help)"
#define TOOL_NO_COMMAND "quelle commande ? check, find, export, import, relink, historique ou restaurer (voir --help)"
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
#define TOOL_LISTS_SAVED_ALL_THE_SAME "celles-ci ont été écrites :%s"
#define TOOL_LIST_CHANGED_IN_RELINK "le fichier \"%s\" a changé pendant relink : rien n'a été écrit"
#define TOOL_FOLDER_UNFIT                                                                                              \
    "le dossier « %s » ne tient pas dans une liste (plus de 255 caractères, guillemet ou saut de ligne)"
#define TOOL_BACKUPS_NOT_MADE "ces copies de sauvegarde n'ont pas pu être faites :%s"
/* %s: the argument, in the console's own characters. */
#define TOOL_ARGUMENT_OUTSIDE_CODE_PAGE "l'argument « %s » ne peut pas s'écrire en Windows-1252, le code des listes"
/* %s: the file as given. */
#define TOOL_EXPORT_PROTECTED                                                                                          \
    "« %s » est un fichier que Pelmora garde (liste, copie, réglages ou historique) : rien n'a été écrit"
#define TOOL_NO_SUCH_VERSION "aucune version « %s » de ces listes (voir pelmora-lists historique)"
#define TOOL_VERSION_LACKS_STYLE "la version « %s » ne garde pas la liste de %s"
#define TOOL_LIST_CHANGED_IN_RESTORE "le fichier \"%s\" a changé pendant la restauration : rien n'a été écrit"

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
#define TOOL_CSV_COLUMNS                                                                                               \
    "style", "catégorie", "rang", "numéro", "adresse", "texte", "mot-clé", "durée", "nom ligne 1", "nom ligne 2"

/* import */
#define TOOL_ADDED "ajouté : %s, %s, rang %d : %s\n"
#define TOOL_WOULD_ADD "ajouterait : %s, %s, rang %d : %s\n"
#define TOOL_ALREADY_LISTED "déjà dans %s : %s\n"
#define TOOL_UNFIT_NAME "pas ajouté, nom impossible dans une liste (trop long, guillemet ou saut de ligne) : %s\n"
/* %s: the name, "?" where Windows-1252 has no character. */
#define TOOL_NAME_OUTSIDE_CODE_PAGE "pas ajouté, nom que les listes (Windows-1252) ne peuvent pas écrire : %s\n"
#define TOOL_IMPORT_SUMMARY "%d fichier(s) %s à %s, %s ; %d déjà listé(s) ; %d refusé(s).\n"
#define TOOL_ADDED_COUNT "ajouté(s)"
#define TOOL_WOULD_ADD_COUNT "à ajouter"
#define TOOL_NO_ROOM "%d fichier(s) n'ont pas trouvé de place : la catégorie compte 500 entrées.\n"
#define TOOL_DRY_RUN "Essai : rien n'a été écrit.\n"

/* relink */
#define TOOL_RELINKED "relié : %s, %s, rang %d : %s -> %s%s\n"
#define TOOL_WOULD_RELINK "relierait : %s, %s, rang %d : %s -> %s%s\n"
#define TOOL_NEW_FILE_MISSING " (introuvable)"
#define TOOL_PATH_WOULD_NOT_FIT "pas relié, la nouvelle adresse dépasserait 255 caractères : %s, %s, rang %d : %s\n"
#define TOOL_RELINK_SUMMARY "%d entrée(s) %s de « %s » à « %s » ; %d introuvable(s) ; %d refusée(s).\n"
#define TOOL_RELINKED_COUNT "reliée(s)"
#define TOOL_WOULD_RELINK_COUNT "à relier"
#define TOOL_NOTHING_TO_RELINK "Aucune entrée n'a son fichier dans « %s ».\n"

/* historique, restaurer */
#define TOOL_VERSION_ROW "%s : %s\n"
#define TOOL_VERSION_LIST "%s %d entrée(s)"
#define TOOL_VERSION_LIST_NOT_KEPT "%s -"
#define TOOL_NO_VERSIONS "Aucune version gardée des listes de « %s ».\n"
#define TOOL_RESTORED "restauré : %s (%d entrée(s)) depuis %s\n"
#define TOOL_WOULD_RESTORE "restaurerait : %s (%d entrée(s)) depuis %s\n"
#define TOOL_ALREADY_AS_IN_VERSION "déjà comme dans %s : %s\n"

#endif
