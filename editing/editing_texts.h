/*
 * What the editing code tells the user, each text once: the Find form's
 * lines, the file chooser of the Modify form, and the summary of files
 * dropped on a pane.
 */
#ifndef PELMORA_EDITING_TEXTS_H
#define PELMORA_EDITING_TEXTS_H

/* The styles, as the Musique menu names them. */
#define TEXT_STYLE_DANCE "Dance"
#define TEXT_STYLE_RAVE "Rave"
#define TEXT_STYLE_HIPHOP "Hiphop"

/* Find: a result's row (style, category keyword, row from 1, both name
   lines), then how many matched. */
#define TEXT_FIND_RESULT "%s, %s, rang %d : %s %s"
#define TEXT_FIND_COUNT "%d entrée(s) trouvée(s)"
#define TEXT_FIND_NONE "Aucune entrée trouvée"

/* The Modify form's "...": its sample file chosen again. */
#define TEXT_CHOOSE_SAMPLE_TITLE "Adresse du Sample PXD Ejay"

/* Files dropped on a pane. %d added, %s style, %s category keyword, %d
   already listed, %d refused. */
#define TEXT_DROP_SUMMARY "%d fichier(s) ajouté(s) à %s, %s ; %d déjà listé(s) ; %d refusé(s)."
#define TEXT_DROP_NO_ROOM "\n%d fichier(s) n'ont pas trouvé de place : la catégorie compte 500 entrées."
#define TEXT_DROP_REFUSED_HEAD "\n\nFichiers refusés :\n"
/* One line per refused file: its path (or folder), then why. */
#define TEXT_DROP_REFUSED_LINE "%s : %s\n"
/* %d: the refused files not named. */
#define TEXT_DROP_MORE_REFUSED "... et %d autre(s)\n"
#define TEXT_REFUSED_NOT_PXD "ce n'est pas un sample PXD (*.pxd)"
#define TEXT_REFUSED_NAME "son nom a des caractères que les listes d'Ejay ne peuvent pas écrire"
#define TEXT_REFUSED_PATH "adresse de plus de 255 caractères, ou avec un guillemet"
#define TEXT_REFUSED_FOLDER "ce dossier n'a pas pu être lu"

#endif
