// window_ui.cpp -- the window operations of a dialog as Win32 calls, and the open-file dialog.
#include "window_ui.h"

#include <commctrl.h>
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

// Runs the save-file dialog for a report, text or HTML (told by the name's extension), starting with `suggested` (in
// its folder), and leaves the chosen full path in `path`. Before replacing a file the dialog asks. When no file was
// chosen, or the dialog failed, `path` is all NUL.
static void ChooseSaveFile(const char *suggested, char *path, DWORD capacity)
{
    memset(path, 0, capacity);
    lstrcpynA(path, suggested, (int)capacity);
    OPENFILENAMEA request;
    memset(&request, 0, sizeof request);
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.hInstance = GetModuleHandleA(NULL);
    request.lpstrFilter = "Text report (*.txt)\0*.txt\0HTML report (*.html)\0*.html\0All files\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = capacity;
    request.lpstrTitle = "Save report";
    request.lpstrDefExt = "txt";
    request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameA(&request))
        memset(path, 0, capacity);
}

// Runs the record check's open-file dialog, whose first filter is the files veldrix can check, and
// leaves the chosen full path in `path`. The program's current folder stays as it was. When no file was
// chosen, or the dialog failed, `path` is all NUL.
static void ChooseFileToCheck(char *path, DWORD capacity)
{
    memset(path, 0, capacity);
    OPENFILENAMEA request;
    memset(&request, 0, sizeof request);
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.hInstance = GetModuleHandleA(NULL);
    // veldrix reads no gzip data: compressed files are left out of the lists.
    request.lpstrFilter = "NAACCR files (*.txt;*.dat;*.xml)\0*.txt;*.dat;*.xml\0"
                          "NAACCR XML (*.xml)\0*.xml\0"
                          "All files (*.*)\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = capacity;
    request.lpstrTitle = "Choose a file to check";
    request.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
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

static void enable(void *window, int id, int enabled)
{
    HWND control = GetDlgItem((HWND)window, id);
    // A control that loses its focus as it is disabled would leave the keyboard nowhere.
    if (!enabled && GetFocus() == control)
        SendMessageA((HWND)window, WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(control, enabled ? TRUE : FALSE);
}
static int get_check(void *window, int id) { return IsDlgButtonChecked((HWND)window, id) == BST_CHECKED; }
static void set_progress(void *window, int id, uint32_t permille)
{
    SendDlgItemMessageA((HWND)window, id, PBM_SETRANGE32, 0, 1000);
    SendDlgItemMessageA((HWND)window, id, PBM_SETPOS, permille, 0);
}
static void add_list_column(void *window, int id, int index, const char *title, int width, int align_right)
{
    // The width in dialog units becomes pixels of the dialog's font.
    RECT units = {0, 0, width, 8};
    MapDialogRect((HWND)window, &units);
    LVCOLUMNA column;
    memset(&column, 0, sizeof column);
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = align_right ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = units.right;
    column.pszText = (LPSTR)title;
    column.iSubItem = index;
    SendDlgItemMessageA((HWND)window, id, LVM_INSERTCOLUMNA, index, (LPARAM)&column);
}
static void set_list_count(void *window, int id, uint32_t count)
{
    SendDlgItemMessageA((HWND)window, id, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
}
static void enable_menu_item(void *window, int command, int enabled)
{
    EnableMenuItem(GetSystemMenu((HWND)window, FALSE), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
static void choose_save_file(void *, const char *suggested, char *path, size_t capacity)
{
    ChooseSaveFile(suggested, path, (DWORD)capacity);
}
static uint64_t clock_ms(void *) { return GetTickCount64(); }
static void choose_check_file(void *, char *path, size_t capacity) { ChooseFileToCheck(path, (DWORD)capacity); }

DialogUi WindowUi(HWND window)
{
    DialogUi ui = {window,         set_caption,      set_text,         set_number, set_check,        message_box,
                   choose_file,    file_time,        enable,           get_check,  set_progress,     add_list_column,
                   set_list_count, enable_menu_item, choose_save_file, clock_ms,   choose_check_file};
    return ui;
}
