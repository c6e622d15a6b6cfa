/* program_state.h -- what the program keeps from the main dialog's
   initialisation to its end: the log, the help binding and the record
   check's choices.  The program's entry point owns it and hands it to the
   main dialog, which hands it to the check dialog. */
#ifndef PROGRAM_STATE_H
#define PROGRAM_STATE_H

#include "checker_binding.h"
#include "help_binding.h"
#include "veldrix_log.h"

/* Capacity of the open-file dialog's buffer, the NUL included. */
#define PATH_CAPACITY 128

typedef struct ProgramState {
    InspectionLog log;
    char help_path[HELP_PATH_CAPACITY];
    HelpBinding help;
    /* The record check: the library's checker, found at start (none with an
       older cvnaaccr.dll); the file last selected that can be checked, or ""
       while the check is not offered; the choice "Also verify checksum
       fields", kept from one check to the next; the item checker (none with
       a library before 1.3), whether it also checks codes (1.5 on) and names
       each problem's patient and tumour (1.6 on), and the choice "Also check
       data items (and codes)". */
    CheckFileFunction checker;
    char check_path[PATH_CAPACITY];
    int check_checksums;
    CheckFileExFunction item_checker;
    int item_checker_codes;
    int item_checker_ids;
    int check_items;
} ProgramState;

#endif
