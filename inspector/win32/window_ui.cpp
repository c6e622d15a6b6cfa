// window_ui.cpp -- the window operations of a dialog as Win32 calls, and the open-file dialog.
#include "window_ui.h"

#include <commdlg.h>
#include <string.h>

#include "file_time.h"

static_assert(BOX_PLAIN == MB_OK && BOX_WARNING == MB_ICONWARNING && BOX_INFORMATION == MB_ICONINFORMATION,
              "message box styles");
static_assert(0x1A1C04 == (OFN_HIDEREADONLY | OFN_EXTENSIONDIFFERENT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                           OFN_NONETWORKBUTTON | OFN_EXPLORER | OFN_NODEREFERENCELINKS),
              "open-file flags");
#ifndef _WIN64
static_assert(sizeof(OPENFILENAMEA) == 88, "the full open-file request of 32-bit Windows");
#endif

// Empties `path`, runs the open-file dialog with room for `capacity` characters (the NUL included)
// and leaves the chosen full path in `path`. When no file was chosen, or the dialog failed, `path`
// is all NUL.
static void ChooseFile(char *path, DWORD capacity)
{
    memset(path, 0, capacity);
    // The filter list: each comma becomes a NUL and a second NUL ends the list.
    char filter[] = "All files,*.*\0";
    for (char *c = filter; *c != '\0'; ++c)
        if (*c == ',')
            *c = '\0';

    OPENFILENAMEA request;
    memset(&request, 0, sizeof request);
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.hInstance = GetModuleHandleA(NULL);
    request.lpstrFilter = filter;
    request.nFilterIndex = 0;
    request.lpstrFile = path;
    request.nMaxFile = capacity;
    request.lpstrTitle = "Open";
    request.Flags = 0x1A1C04;
    // A failed dialog may leave bytes behind (a path too long for the buffer, for one).
    if (!GetOpenFileNameA(&request))
        memset(path, 0, capacity);
}

static void set_caption(void *window, const char *text) { SetWindowTextA((HWND)window, text); }
static void set_text(void *window, int id, const char *text) { SetDlgItemTextA((HWND)window, id, text); }
static void set_number(void *window, int id, uint32_t value) { SetDlgItemInt((HWND)window, id, value, FALSE); }
static void set_check(void *window, int id, int checked)
{
    SendDlgItemMessageA((HWND)window, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
static void message_box(void *window, const char *text, const char *caption, unsigned style)
{
    MessageBoxA((HWND)window, text, caption, style);
}
static void choose_file(void *, char *path, size_t capacity) { ChooseFile(path, (DWORD)capacity); }
static int file_time(void *, const char *path, struct tm *local) { return QueryFileTime(path, local); }

DialogUi WindowUi(HWND window)
{
    DialogUi ui = {window, set_caption, set_text, set_number, set_check, message_box, choose_file, file_time};
    return ui;
}
