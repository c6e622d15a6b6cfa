/* record_check_dialog.h -- the logic of the record check dialog (IDD_CHECK): what
   it shows before, during and after a check of every record of the file last
   selected, the list of problems, the summary, the report and the log line.

   The dialog opens idle, showing the file and the choice "Also verify
   checksum fields"; "Choose file..." puts another file in its place,
   "Start" runs the check on a thread of its own (check_job.h), "Cancel"
   stops it and keeps what was found, "Save report..." writes the report
   once a check has ended, and a further "Start" checks the file again.
   Plain code over a CheckDialog; it reaches the window only through a
   DialogUi, and its texts come from check_texts.h.
   The Win32 dialog procedure (win32/check_window.cpp) calls these functions,
   one per message, and owns the checking thread. */
#ifndef RECORD_CHECK_DIALOG_H
#define RECORD_CHECK_DIALOG_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include "check_job.h"
#include "check_texts.h"
#include "dialog_ui.h"
#include "program_state.h"
#include "veldrix_log.h"

/* Room for the report's path, the NUL included (the save-file dialog's). */
#define REPORT_PATH_CAPACITY 260
/* Room for the checked file's path, the NUL included (the check window's
   open-file dialog's; the main dialog's file is shorter). */
#define CHECK_FILE_CAPACITY 260
/* Room for a line of the report or the log: the summary names at most every
   kind once. */
#define CHECK_LINE_CAPACITY 1024
/* Columns of the problem list. */
#define CHECK_LIST_COLUMNS 6

/* Where the dialog stands. */
#define CHECK_IDLE 0     /* no check yet, or the last could not start */
#define CHECK_RUNNING 1  /* the checking thread runs */
#define CHECK_STOPPING 2 /* asked to stop; the thread still runs */
#define CHECK_ENDED 3    /* the last check ended; its outcome is shown */

typedef struct CheckDialog {
    char path[CHECK_FILE_CAPACITY];
    int chosen; /* 1 once the path was chosen in this dialog rather than the main dialog */
    CheckFileFunction checker;
    InspectionLog *log;
    int *checksums_choice;            /* ProgramState.check_checksums */
    CheckFileExFunction item_checker; /* or null: the item box greyed */
    int codes;                        /* 1: the item checker also checks codes, and the box says so */
    int ids;                          /* 1: the item checker names each problem's patient and tumour */
    int *items_choice;                /* ProgramState.check_items */
    int phase;                        /* CHECK_IDLE ... CHECK_ENDED */
    uint32_t flags;                   /* of the current or last check: NAACCR_CHECK_... */
    CheckJob job;        /* the current or last check, run by the window's thread; read only through `news` */
    uint64_t started_ms; /* ui->clock_ms at the start */
    uint32_t listed;     /* rows the list shows */
    CheckNews news;      /* the last news taken: the problems, the progress, the outcome */
} CheckDialog;

/* Dialog initialisation for the file program->check_path: the path, the
   list's columns, the choices kept in program->check_checksums and
   program->check_items, the item box "Also check data items and codes"
   (the template's) when the library's item checker checks codes, else "Also
   check data items", "Choose file...", "Start" and "Close" enabled,
   "Cancel" and "Save report..." disabled, an empty list and the status
   "Press Start to check every record.". */
void InitCheckDialog(const DialogUi *ui, CheckDialog *dialog, ProgramState *program);

/* "Choose file...": ignored while a check runs.  Runs the check window's
   open-file dialog; when a file was chosen it becomes the dialog's file: the
   path is shown, the list, the bar and the summary are emptied, "Save
   report..." is disabled and the status is "Press Start to check every
   record."  The choices stay as they are, and the main dialog's file
   (ProgramState.check_path) is not changed.  No file chosen: nothing changes.
   A name ending in ".gz" is refused with a box, nothing changed: the
   library's checker reads a file's bytes as they stand. */
void ChooseCheckFile(const DialogUi *ui, CheckDialog *dialog);

/* "Start": ignored while a check runs.  Reads and keeps the checksum
   choice, empties the list, the bar and the summary, and readies the job.
   Returns 1 when the caller is to start the checking thread with
   RunCheckJob(&dialog->job); 0 when nothing is to start (a check runs, or
   the problem array cannot be allocated, which the status then says). */
int StartCheck(const DialogUi *ui, CheckDialog *dialog, const CheckSignals *signals);

/* The checking thread could not be started after StartCheck returned 1:
   frees the job and shows "The check could not be started.". */
void AbandonCheck(const DialogUi *ui, CheckDialog *dialog);

/* "Cancel": while a check runs, asks it to stop and shows "Cancelling the
   check..."; otherwise nothing. */
void StopCheck(const DialogUi *ui, CheckDialog *dialog);

/* A notice from the checking thread: takes the news and shows the problems
   that came (the list's row count) and the progress (bar, status line).
   Returns 1 when the checker has returned: the caller then waits for the
   thread to end and calls FinishCheck.  Returns 0 when no check runs. */
int ShowCheckNews(const DialogUi *ui, CheckDialog *dialog);

/* After the checking thread has ended: shows the outcome (bar, status,
   summary, the note when not every problem is listed), enables "Start",
   the choices, "Choose file..." and "Save report...", disables "Cancel",
   and writes the check's line to the log, after a line "File: PATH" when
   the file was chosen in this dialog. */
void FinishCheck(const DialogUi *ui, CheckDialog *dialog);

/* Frees what the dialog holds; only when no checking thread runs. */
void ReleaseCheckDialog(CheckDialog *dialog);

/* The text of cell `column` (0 record, 1 patient, 2 offset, 3 column, 4
   problem, 5 message) of list row `row`: "" for a row or column that does
   not exist, for the patient of a problem that names none and for column 0
   of a problem of the record as a whole.  The problem is its kind's label.
   Writes at most capacity - 1 characters and a NUL. */
void CheckCellText(const CheckDialog *dialog, uint32_t row, int column, char *text, size_t capacity);

/* "Save report...": runs the save-file dialog, suggesting SuggestReportPath,
   and writes the report there; a box "Could not write the report ..." when
   that fails.  Does nothing before a check has ended or when no file was
   chosen. */
void SaveCheckReport(const DialogUi *ui, const CheckDialog *dialog);

/* Writes the report of the ended check to `stream` (opened in text mode):
   a title, the file, whether checksum fields were verified, whether data
   items were checked and, with codes, the lists they were judged by, the summary,
   the note when not every problem is listed, then a table of the listed
   problems, one per line with tab-separated columns, when there are any.
   Returns 1 when every write succeeded. */
int WriteCheckReport(FILE *stream, const CheckDialog *dialog);

/* The report's suggested path: `path` without its extension, followed by
   "-check.txt" ("C:\data\f.txd" gives "C:\data\f-check.txt").  Writes
   nothing but "" when it does not fit `capacity`. */
void SuggestReportPath(const char *path, char *suggested, size_t capacity);

#endif
