/* dialog_ui.h -- the seam between the inspector's portable logic and its
   windows: a table of window operations.

   The logic of every dialog decides what to show and calls these operations;
   it never calls the platform itself.  The Win32 layer (win32/window_ui.cpp)
   fills the table with one-line wrappers around a dialog's HWND, the unit
   tests with recorders.  All of it runs on the thread of the program's
   windows; the record check's own thread never calls it. */
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

    /* 1 enables the control, 0 disables (greys) it. */
    void (*enable)(void *window, int id, int enabled);
    /* 1 when the check box is checked, else 0. */
    int (*get_check)(void *window, int id);
    /* Moves the progress bar to `permille` thousandths of its length. */
    void (*set_progress)(void *window, int id, uint32_t permille);
    /* Adds column `index` titled `title`, `width` dialog units wide, to the
       list; numbers are aligned right. */
    void (*add_list_column)(void *window, int id, int index, const char *title, int width, int align_right);
    /* The list shows `count` rows; their texts are asked of the logic when
       they are drawn (CheckCellText for the check dialog). */
    void (*set_list_count)(void *window, int id, uint32_t count);
    /* 1 enables the item `command` of the window's system menu, 0 greys it. */
    void (*enable_menu_item)(void *window, int command, int enabled);
    /* Runs the save-file dialog (which asks before replacing a file),
       starting with the name `suggested`; leaves the chosen full path in
       `path`, or `path` empty when none was chosen. */
    void (*choose_save_file)(void *window, const char *suggested, char *path, size_t capacity);
    /* Milliseconds from some fixed moment; only differences are used. */
    uint64_t (*clock_ms)(void *window);
    /* Runs the record check's open-file dialog, which offers NAACCR files
       and NAACCR XML as well as all files, and leaves the chosen full path
       in `path`; leaves `path` empty when no file was chosen. */
    void (*choose_check_file)(void *window, char *path, size_t capacity);
} DialogUi;

#endif
