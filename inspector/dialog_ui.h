/* dialog_ui.h -- the seam between the inspector's portable logic and its
   windows: a table of window operations.

   The logic of every dialog decides what to show and calls these operations;
   it never calls the platform itself.  The Win32 layer (win32/window_ui.cpp)
   fills the table with one-line wrappers around a dialog's HWND, the unit
   tests with recorders.  All of it runs on the program's one thread. */
#ifndef DIALOG_UI_H
#define DIALOG_UI_H

#include <stddef.h>
#include <stdint.h>
#include <time.h>

/* Message box styles, with the values of the platform's MB_OK,
   MB_ICONWARNING and MB_ICONINFORMATION. */
#define BOX_PLAIN 0
#define BOX_WARNING 48
#define BOX_INFORMATION 64

/* Room for a text that the program puts in a field or a box (a date, the
   digits of a size, the About text), the NUL included. */
#define TEXT_CAPACITY 400

/* The window operations that dialog logic needs.  `window` is handed back
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

#endif
