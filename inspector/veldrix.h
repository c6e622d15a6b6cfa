/* veldrix.h -- the inspector program's logic: what its window shows, its
   inspection log, its help binding and its About text.

   Everything here is plain code over a NaaccrFileInfo, a result code and a
   few texts.  It reaches the window only through a DialogUi, a table of
   window operations, and the help control only through a HelpSystem; the
   Win32 layer fills both with one-line wrappers and the tests with recorders.
   All of it runs on the program's one thread. */
#ifndef VELDRIX_H
#define VELDRIX_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <time.h>

#include "cvnaaccr.h"

#define PROGRAM_VERSION "1.1.5"
#define PROGRAM_BUILD_DATE "Sep  9 2014"

/* Message box styles, with the values of the platform's MB_OK,
   MB_ICONWARNING and MB_ICONINFORMATION. */
#define BOX_PLAIN 0
#define BOX_WARNING 48
#define BOX_INFORMATION 64

/* Capacity of the open-file dialog's buffer, the NUL included. */
#define PATH_CAPACITY 128
/* The program's text buffer: a date, the digits of a size, the About text. */
#define TEXT_CAPACITY 400
/* The program directory holds at most 79 characters, the help path 119. */
#define PROGRAM_DIRECTORY_CAPACITY 80
#define HELP_PATH_CAPACITY 120
/* The registered location of the help control holds at most 259 characters. */
#define HELP_LOCATION_CAPACITY 260

#define LOG_FILE_NAME "veldrix.log"
#define LOG_SEPARATOR "----------------------\n"
#define LOG_SAMPLE_BYTES 50

/* The window operations that the dialog logic needs.  `window` is handed back
   unchanged to every operation (the dialog's HWND in the program). */
typedef struct DialogUi {
    void *window;
    void (*set_caption)(void *window, const char *text);
    void (*set_text)(void *window, int id, const char *text);
    /* Shows `value` as an unsigned decimal number. */
    void (*set_number)(void *window, int id, uint32_t value);
    /* 1 checks the box, 0 clears it. */
    void (*set_check)(void *window, int id, int checked);
    /* A modal box with an OK button; returns when the user has closed it. */
    void (*message_box)(void *window, const char *text, const char *caption, unsigned style);
    /* Runs the open-file dialog and leaves the chosen full path in `path`;
       leaves `path` empty when no file was chosen. */
    void (*choose_file)(void *window, char *path, size_t capacity);
    /* Fills `local` with the last-modification time of the file at `path` as
       local time.  Returns 1 on success, 0 when the file's status cannot be
       read or the time cannot be converted. */
    int (*file_time)(void *window, const char *path, struct tm *local);
} DialogUi;

/* The platform's file_time: _stat64 and _localtime64 on Windows, stat and
   localtime_r elsewhere. */
int QueryFileTime(const char *path, struct tm *local);

/* The inspection log: a text stream, or none when it could not be opened. */
typedef struct InspectionLog {
    FILE *stream;
} InspectionLog;

/* The registry value type whose text holds environment references
   (REG_EXPAND_SZ). */
#define HELP_VALUE_EXPAND_SZ 2

/* The operations that bind and call the HTML Help control. */
typedef struct HelpSystem {
    /* Opens CLSID\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\InprocServer32 under
       the classes root for reading.  Returns 1 and a key, or 0. */
    int (*open_control_key)(void **key);
    /* Reads the key's unnamed value into `data` (`size` bytes).  Returns 1 and
       the value's type, or 0. */
    int (*query_default_value)(void *key, uint32_t *type, char *data, uint32_t size);
    /* Expands environment references; returns the count stored with its NUL,
       0 on failure, or more than `capacity` when the result does not fit. */
    uint32_t (*expand_environment)(const char *text, char *out, uint32_t capacity);
    void (*close_key)(void *key);
    /* Loads a module by path or by bare name; none on failure. */
    void *(*load_module)(const char *path);
    /* The module's entry at ordinal 14 (HtmlHelpA), or none. */
    void *(*find_entry)(void *module);
    /* Calls the entry with the window, the help file, HH_DISPLAY_TOPIC and 0;
       returns what it returns (a window, or none). */
    intptr_t (*display_topic)(void *entry, void *window, const char *help_path);
} HelpSystem;

/* The binding of the help control.  It starts all zero, binds on the first
   request and is never released. */
typedef struct HelpBinding {
    void *module;
    void *entry;
    int failed;
} HelpBinding;

/* Everything the program keeps from dialog initialisation to its end. */
typedef struct ProgramState {
    InspectionLog log;
    char help_path[HELP_PATH_CAPACITY];
    HelpBinding help;
} ProgramState;

/* Dialog initialisation: sets the caption "Corvella VELDRIX 1.1.5 Sep  9 2014",
   computes the help path from `argument0` and opens the log `log_name`
   (LOG_FILE_NAME in the program). */
void InitMainDialog(const DialogUi *ui, ProgramState *state, const char *argument0, const char *log_name);

/* One press of "Select NAACCR File": chooses a file, shows its path and date,
   inspects it, shows the findings and any warning box, then writes the log
   block when the log is open.  Without a file, shows "No file selected." and
   writes nothing to the log. */
void SelectAndInspect(const DialogUi *ui, InspectionLog *log);

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

/* The end through the close box: writes the closing separator and closes the
   log.  Does nothing when the log is absent or already closed. */
void CloseInspectionLog(InspectionLog *log);

/* The end of the program after "Quit": closes the log, if still open,
   without a separator. */
void ReleaseInspectionLog(InspectionLog *log);

/* Derives the help path "<program directory>\veldrix.chm" from argument 0 of
   the command line: the directory is the text before its last backslash, and
   empty without one.  Writes an empty help path when the directory has 80
   characters or more, so that no cut path can name another file.
   `help_path` holds HELP_PATH_CAPACITY bytes. */
void InitHelpPath(char *help_path, const char *argument0);

/* Reads the registered location of the HTML Help control into `location`
   (HELP_LOCATION_CAPACITY bytes), expanding environment references of a
   REG_EXPAND_SZ value.  Returns 1 when a usable text was stored, else 0. */
int FindHelpControlPath(const HelpSystem *system, char *location);

/* Shows the help file through the HTML Help control, binding the control on
   the first request: from its registered location, else by the name
   "hhctrl.ocx".  A failed load is final for the run; a missing entry is looked
   up again on the next request.  Returns the control's result, or 0 when
   help could not be shown (also when `help_path` is empty).  Shows nothing of
   its own. */
intptr_t ShowHelp(const HelpSystem *system, HelpBinding *binding, void *window, const char *help_path);

/* The About text: program and library versions and dates and the library's
   contact text, seven lines.  Writes at most capacity - 1 characters. */
void FormatAboutText(const NaaccrLibraryInfo *library, char *text, size_t capacity);

/* Asks the library for its identification and shows the About box. */
void ShowAbout(const DialogUi *ui);

#endif
