// main_window.cpp -- WinMain and the dialog procedure of the main dialog: a dispatcher from Win32
// messages to the main dialog's logic.
#include <windows.h>

#include <commctrl.h>
#include <string.h>

#include "about.h"
#include "check_window.h"
#include "help_control.h"
#include "main_dialog.h"
#include "resource.h"
#include "window_ui.h"

// The record check dialog's progress bar and list are common controls.  comctl32.dll is loaded
// here, at run time, so that the program's load-time imports stay what they have always been; it
// is never released, since the controls' window classes live in it.  False when it cannot be had.
static bool RegisterCommonControls()
{
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    if (comctl == NULL)
        return false;
    typedef BOOL(WINAPI * InitFunction)(const INITCOMMONCONTROLSEX *);
    InitFunction init = (InitFunction)(void *)GetProcAddress(comctl, "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    return init != NULL && init(&controls);
}

// The dialog procedure of IDD_MAIN. WM_INITDIALOG brings the program state in lParam; it is kept
// with the window (DWLP_USER) for the messages that follow. Returns TRUE for WM_INITDIALOG,
// WM_CLOSE, the commands of IDCANCEL, IDC_SELECT_FILE, IDC_LOGO and IDC_HELP_BUTTON and the system
// command IDM_CHECK_RECORDS, FALSE for every other message (the system's own commands included).
static INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogUi ui = WindowUi(window);
    if (message == WM_INITDIALOG) {
        ProgramState *program = (ProgramState *)lParam;
        SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)program);
        InitMainDialog(&ui, program, __argv != NULL && __argv[0] != NULL ? __argv[0] : "", LOG_FILE_NAME);
        // The record check is offered only by a library that has it, with the controls its window
        // needs, and only once a file is selected.
        program->checker = RegisterCommonControls() ? BindRecordChecker(&loaded_library_system) : NULL;
        program->item_checker = program->checker != NULL ? BindItemChecker(&loaded_library_system) : NULL;
        program->item_checker_codes = program->item_checker != NULL && LibraryChecksCodes(&loaded_library_system);
        program->item_checker_ids = program->item_checker != NULL && LibraryNamesProblems(&loaded_library_system);
        AddCheckMenuItem(window);
        OfferRecordCheck(&ui, program, "", NAACCR_REC_OPEN_FAILED);
        return TRUE;
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT, for one) find no state yet.
    ProgramState *program = (ProgramState *)GetWindowLongPtrA(window, DWLP_USER);
    if (program == NULL)
        return FALSE;
    switch (message) {
    case WM_CLOSE:
        CloseInspectionLog(&program->log);
        EndDialog(window, 0);
        return TRUE;
    case WM_SYSCOMMAND:
        // The low four bits of a system command are the system's own.
        if ((wParam & 0xFFF0) != IDM_CHECK_RECORDS)
            return FALSE;
        // A command that arrives while the item is greyed, or while the check window is open and this
        // window disabled (posted by another program), is ignored.
        if (RecordCheckOffered(program) && IsWindowEnabled(window))
            RunCheckWindow(window, program);
        return TRUE;
    case WM_COMMAND:
        // The notification code is never examined: a click and a double click on the logo both count.
        switch (LOWORD(wParam)) {
        case IDCANCEL:
            EndDialog(window, 0);
            return TRUE;
        case IDC_SELECT_FILE:
            SelectInspectAndOfferCheck(&ui, program);
            return TRUE;
        case IDC_LOGO:
            ShowAbout(&ui);
            return TRUE;
        case IDC_HELP_BUTTON:
            ShowHelp(&html_help_system, &program->help, window, program->help_path);
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

    // The log and the help binding live from dialog initialisation to the program's end.
    ProgramState program;
    memset(&program, 0, sizeof program);
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, (LPARAM)&program);
    // After "Quit" the log is still open: it is closed without a separator.
    ReleaseInspectionLog(&program.log);
    return (int)result;
}
