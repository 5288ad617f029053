/*
 * Identifiers shared by the resource script and the program. Kept free of
 * C++ so windres can read it.
 */
#ifndef PELMORA_RESOURCE_H
#define PELMORA_RESOURCE_H

/* The caption of every window and message box of the program. */
#define PROGRAM_CAPTION "Pelmora Version 2.20"

/* Texts the Add and Modify forms share. */
#define TEXT_FORM_GROUP "Paramètres:"
#define TEXT_FORM_NAME_LINE_1 "Nom du Sample (Ligne 1):"
#define TEXT_FORM_NAME_LINE_2 "Nom du Sample (Ligne 2):"
#define TEXT_FORM_DURATION "Durée du Sample (Sec):"

/* The program's window classes. */
#define MAIN_CLASS_NAME "PELMOC"
#define INTRO_CLASS_NAME "PELMOINTROC"
/* Held by the one Pelmora that runs, from its first instruction to its end;
   a second start and the lists tool ask for it. */
#define INSTANCE_MUTEX_NAME "Local\\Pelmora.ListesEjay"

/* Icons, cursor, pictures, sound */
#define IDI_PELMORA 500
#define IDC_PELMORA 502
#define IDB_INTRO_NAME "INTRO"
#define IDW_INTRO_NAME "INTRO2"

/* Menu 501 and its commands */
#define IDM_MAINMENU 501
#define IDM_QUIT 502
#define IDM_DANCE 503
#define IDM_RAVE 504
#define IDM_HIPHOP 505
#define IDM_ABOUT 506
#define IDM_WEBSITE 524
#define IDM_SYSTEM 525

/* Pane buttons: pane k (0 loop .. 8 rap), kind j (0 add, 1 modify, 2 delete)
   has the identifier IDC_PANE_FIRST + 3 * k + j. */
#define IDC_PANE_FIRST 600
#define IDC_PANE_LAST 626
#define PANE_BUTTON_ID(pane, kind) (IDC_PANE_FIRST + 3 * (pane) + (kind))

/* Accelerator table */
#define IDA_MAIN 700

/* The main window's own keys, translated only while it has the focus, and
   a list's context menu: commands on the pane that has the focus, Find,
   Undo, and moving the focus. */
#define IDA_MORE 701
#define IDM_PANEMENU 702
#define IDM_PANE_ADD 530
#define IDM_PANE_MODIFY 531
#define IDM_PANE_DELETE 532
#define IDM_FIND 533
#define IDM_UNDO 534
#define IDM_NEXT_PANE 535
#define IDM_PREVIOUS_PANE 536
#define IDM_NEXT_CONTROL 537
#define IDM_PREVIOUS_CONTROL 538

/* Add form */
#define IDD_ADDSAMPLE 507
#define IDC_ADD_LABEL 508
#define IDC_ADD_OK 509
#define IDC_ADD_CANCEL 510
#define IDC_ADD_NAME1 511
#define IDC_ADD_NAME2 512
#define IDC_ADD_DURATION 513
#define IDC_ADD_GROUP 514

/* Modify form */
#define IDD_MODIFYSAMPLE 515
#define IDC_MODIFY_LABEL 508
#define IDC_MODIFY_OK 516
#define IDC_MODIFY_CANCEL 517
#define IDC_MODIFY_NAME1 518
#define IDC_MODIFY_NAME2 519
#define IDC_MODIFY_DURATION 520
#define IDC_MODIFY_GROUP 521
#define IDC_MODIFY_PATH 523
#define IDC_MODIFY_BROWSE 539

/* Find form */
#define IDD_FIND 540
#define IDC_FIND_LABEL 541
#define IDC_FIND_TEXT 542
#define IDC_FIND_COUNT 543
#define IDC_FIND_RESULTS 544
#define IDC_FIND_CLOSE 545

/* System dialog */
#define IDD_SYSTEM 600
#define IDC_SYSTEM_STATIC 1
#define IDC_SYSTEM_WINDOWSDIR 601
#define IDC_SYSTEM_EJAYDIR 602
#define IDC_SYSTEM_BROWSE 604
#define IDC_SYSTEM_AUTOSAVE 606
#define IDC_SYSTEM_BACKUP 607
#define IDC_SYSTEM_RUNEJAY 608
#define IDC_SYSTEM_VALIDATE 609
#define IDC_SYSTEM_CANCEL 610

#endif
