/* veldrix_win32.h -- the Win32 layer of the inspector: the dialog procedure,
   the open-file dialog and the HTML Help control behind the program's logic. */
#ifndef VELDRIX_WIN32_H
#define VELDRIX_WIN32_H

#include <windows.h>

#include "veldrix.h"

/* The dialog procedure of IDD_MAIN.  Returns TRUE for WM_INITDIALOG, WM_CLOSE
   and the commands of IDCANCEL, IDC_SELECT_FILE, IDC_LOGO and
   IDC_HELP_BUTTON, FALSE for every other message. */
INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* Empties `path`, runs the open-file dialog with room for `capacity`
   characters (the NUL included) and leaves the chosen full path in `path`.
   When no file was chosen, or the dialog failed, `path` is all NUL. */
void ChooseFile(char *path, int capacity);

/* The HTML Help control reached through the registry, LoadLibraryA and
   GetProcAddress (ordinal 14). */
extern const HelpSystem html_help_system;

#endif
