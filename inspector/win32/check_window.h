/* check_window.h -- the record check dialog (IDD_CHECK) of the Win32 layer,
   and the record checker of the loaded cvnaaccr.dll. */
#ifndef CHECK_WINDOW_H
#define CHECK_WINDOW_H

#include <windows.h>

#include "checker_binding.h"
#include "main_dialog.h"

/* GetModuleHandleA and GetProcAddress; its context is unused (NULL). */
extern const LibrarySystem loaded_library_system;

/* Adds the separator and the item "Check every record..." (IDM_CHECK_RECORDS)
   to the system menu of `window`. */
void AddCheckMenuItem(HWND window);

/* Shows the record check dialog for program->check_path, owned by `owner`,
   and returns when it has closed and no checking thread is left. */
void RunCheckWindow(HWND owner, ProgramState *program);

#endif
