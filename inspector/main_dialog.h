/* main_dialog.h -- the logic of the main dialog: what it shows at
   initialisation and after each press of "Select NAACCR File".

   Plain code over a NaaccrFileInfo, a result code and a few texts; it reaches
   the window only through a DialogUi.  The Win32 dialog procedure
   (win32/main_window.cpp) calls these functions, one per message. */
#ifndef MAIN_DIALOG_H
#define MAIN_DIALOG_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "dialog_ui.h"
#include "program_state.h"
#include "veldrix_log.h"

/* Dialog initialisation: sets the caption "Corvella VELDRIX 1.1.5 Sep  9 2014",
   computes the help path from `argument0` and opens the log `log_name`
   (LOG_FILE_NAME in the program). */
void InitMainDialog(const DialogUi *ui, ProgramState *state, const char *argument0, const char *log_name);

/* One press of "Select NAACCR File": chooses a file, shows its path and date,
   inspects it, shows the findings and any warning box, then writes the log
   block when the log is open; then offers the record check for the file or
   withdraws it (OfferRecordCheck).  Without a file, shows "No file
   selected.", writes nothing to the log and withdraws the check. */
void SelectInspectAndOfferCheck(const DialogUi *ui, ProgramState *state);

/* 1 when a file that inspection returned `code` for can be read by the
   record checker: every code but NAACCR_REC_OPEN_FAILED,
   NAACCR_REC_EMPTY_FILE and NAACCR_REC_NO_MEMORY. */
int FileCanBeChecked(int32_t code);

/* Offers the record check for the file `path` that inspection returned
   `code` for, or withdraws it: keeps the path in state->check_path when the
   file can be checked and the checker was found, else empties it, and
   enables the system menu item IDM_CHECK_RECORDS accordingly.  `path` is ""
   when no file was selected. */
void OfferRecordCheck(const DialogUi *ui, ProgramState *state, const char *path, int32_t code);

/* 1 while the record check is offered (the menu item is enabled). */
int RecordCheckOffered(const ProgramState *state);

/* Shows the modification date of `path` in IDC_FILE_DATE as
   "%m/%d/%Y   %H:%M", or "???" when it cannot be had. */
void ShowFileDate(const DialogUi *ui, const char *path);

/* Shows what inspection left in `info`, and the box that `code` calls for:
   none for NAACCR_REC_OK, "INSIGNIFICANT ANOMALY" for -1 and -2, "PROBLEM"
   for every other code. */
void ShowInspection(const DialogUi *ui, const NaaccrFileInfo *info, int32_t code);

/* Blanks the result fields, clears both check boxes and shows the
   "No file selected." box. */
void ShowNoFileSelected(const DialogUi *ui);

/* The version as the window shows it: "10 (A)" for A, "11 (B)" for B, else
   the text itself (at most three characters).  Only the first character
   decides.  Writes a NUL-terminated text of at most capacity - 1 characters. */
void FormatVersionDisplay(const char version[4], char *text, size_t capacity);

#endif
