/* veldrix_log.h -- veldrix.log: one block per inspected file, written for
   people to read, created afresh at each start of the program. */
#ifndef VELDRIX_LOG_H
#define VELDRIX_LOG_H

#include <stdio.h>

#include "cvnaaccr.h"
#include "dialog_ui.h"

#define LOG_FILE_NAME "veldrix.log"
#define LOG_SEPARATOR "----------------------\n"
#define LOG_SAMPLE_BYTES 50

/* The inspection log: a text stream, or none when it could not be opened. */
typedef struct InspectionLog {
    FILE *stream;
} InspectionLog;

/* Opens the log `file_name` with mode "wt", truncating it.  On failure shows
   the "ERROR" box "Could not open veldrix.log" and leaves the log absent.
   Returns 1 when the log is open. */
int OpenInspectionLog(InspectionLog *log, const DialogUi *ui, const char *file_name);

/* 1 when the log is open. */
int InspectionLogIsOpen(const InspectionLog *log);

/* Appends the block for one inspected file: the separator, the rejoined path,
   type and version, termination, record length, record count, and a sample of
   the file's first LOG_SAMPLE_BYTES bytes up to the first NUL (an empty line
   when the file cannot be read again).  Does nothing when the log is absent. */
void WriteInspectionBlock(InspectionLog *log, const NaaccrFileInfo *info);

/* Appends `line` and a line feed: the outcome of a record check, written
   after the block of the file it checked.  Does nothing when the log is
   absent. */
void WriteCheckLine(InspectionLog *log, const char *line);

/* The end through the close box: writes the closing separator and closes the
   log.  Does nothing when the log is absent or already closed. */
void CloseInspectionLog(InspectionLog *log);

/* The end of the program after "Quit": closes the log, if still open,
   without a separator. */
void ReleaseInspectionLog(InspectionLog *log);

#endif
