// main_window.cpp -- WinMain, the dialog procedure and the window operations of the inspector.
#include "veldrix_win32.h"

#include <commdlg.h>
#include <stdlib.h>
#include <string.h>

#include "resource.h"

static_assert(BOX_PLAIN == MB_OK && BOX_WARNING == MB_ICONWARNING && BOX_INFORMATION == MB_ICONINFORMATION,
              "message box styles");
static_assert(0x1A1C04 == (OFN_HIDEREADONLY | OFN_EXTENSIONDIFFERENT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                           OFN_NONETWORKBUTTON | OFN_EXPLORER | OFN_NODEREFERENCELINKS),
              "open-file flags");
#ifndef _WIN64
static_assert(sizeof(OPENFILENAMEA) == 88, "the full open-file request of 32-bit Windows");
#endif

// The log and the help binding live from dialog initialisation to the program's end.
static ProgramState program;

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
static void choose_file(void *, char *path, size_t capacity) { ChooseFile(path, (int)capacity); }
static int file_time(void *, const char *path, struct tm *local) { return QueryFileTime(path, local); }

static DialogUi window_ui(HWND window)
{
    DialogUi ui = {window, set_caption, set_text, set_number, set_check, message_box, choose_file, file_time};
    return ui;
}

void ChooseFile(char *path, int capacity)
{
    memset(path, 0, (size_t)capacity);
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
    request.nMaxFile = (DWORD)capacity;
    request.lpstrTitle = "Open";
    request.Flags = 0x1A1C04;
    // A failed dialog may leave bytes behind (a path too long for the buffer, for one).
    if (!GetOpenFileNameA(&request))
        memset(path, 0, (size_t)capacity);
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    DialogUi ui = window_ui(window);
    switch (message) {
    case WM_INITDIALOG:
        InitMainDialog(&ui, &program, __argv != NULL && __argv[0] != NULL ? __argv[0] : "", LOG_FILE_NAME);
        return TRUE;
    case WM_CLOSE:
        CloseInspectionLog(&program.log);
        EndDialog(window, 0);
        return TRUE;
    case WM_COMMAND:
        // The notification code is never examined: a click and a double click on the logo both count.
        switch (LOWORD(wParam)) {
        case IDCANCEL:
            EndDialog(window, 0);
            return TRUE;
        case IDC_SELECT_FILE:
            SelectAndInspect(&ui, &program.log);
            return TRUE;
        case IDC_LOGO:
            ShowAbout(&ui);
            return TRUE;
        case IDC_HELP_BUTTON:
            ShowHelp(&html_help_system, &program.help, window, program.help_path);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA window_class;
    memset(&window_class, 0, sizeof window_class);
    window_class.lpfnWndProc = DefDlgProcA;
    window_class.cbWndExtra = DLGWINDOWEXTRA;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    window_class.lpszClassName = "veldrix";
    RegisterClassA(&window_class);

    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0);
    // After "Quit" the log is still open: it is closed without a separator.
    ReleaseInspectionLog(&program.log);
    return (int)result;
}
