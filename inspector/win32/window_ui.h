/* window_ui.h -- the Win32 side of the DialogUi seam: the window operations
   of a dialog, each a thin wrapper around the Win32 call that does it. */
#ifndef WINDOW_UI_H
#define WINDOW_UI_H

#include <windows.h>

#include "dialog_ui.h"

/* The DialogUi of the dialog `window`: texts, numbers and check boxes of its
   controls, its caption, message boxes owned by it, the open-file dialog and
   the file time of the C runtime (file_time.h); enabling controls and items
   of its system menu, its progress bar and list view, the save-file dialog,
   the tick count and the record check's open-file dialog. */
DialogUi WindowUi(HWND window);

#endif
