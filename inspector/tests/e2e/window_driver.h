// window_driver.h -- finding, pressing and reading the windows of another program, as a user would see them.
//
// Every wait is a poll with a time limit. A check that fails is printed and counted; a wait that runs out
// is fatal (the program under test is ended and the driver exits), since nothing later could be trusted.
#ifndef WINDOW_DRIVER_H
#define WINDOW_DRIVER_H

#include <windows.h>

#include <string>

// The file-name box of the Explorer-style open-file and save-file dialogs (cmb13).
const int OPEN_FILE_NAME = 0x47c;

// How long any one wait may take.
const DWORD WAIT_LIMIT_MS = 10000;

// The program under test: its process, the folder it runs in, and the count of failed checks of the run.
struct Program {
    PROCESS_INFORMATION process;
    std::string folder;
    int *failures;
};

// Starts `exe` (a full path) with the command line "\"exe\"" in `folder`; failed checks of the run
// are counted in `*failures`. Fatal when it cannot start.
Program StartProgram(const std::string &exe, const std::string &folder, int *failures);

// Waits until the program ends and returns its exit code. Fatal after WAIT_LIMIT_MS.
DWORD WaitForExit(const Program &program);

// Prints `what`, ends the program under test and exits with status 2.
[[noreturn]] void Fatal(const Program &program, const std::string &what);

// Counts a failed check in the run's count and prints it; returns `ok`.
bool Check(const Program &program, bool ok, const std::string &what);
bool CheckText(const Program &program, const std::string &label, const std::string &expected,
               const std::string &actual);

// A visible top-level window of the program with that class and caption (caption NULL: any), or NULL.
// `except` is never returned.
HWND FindProgramWindow(const Program &program, const char *class_name, const char *caption, HWND except = NULL);

// Polls FindProgramWindow until it finds a window; fatal after WAIT_LIMIT_MS.
HWND WaitForWindow(const Program &program, const char *class_name, const char *caption, HWND except = NULL);

// Polls until `window` is destroyed; fatal after WAIT_LIMIT_MS.
void WaitUntilGone(const Program &program, HWND window, const std::string &what);

// Returns once the program's window thread has taken a message from its queue after this call,
// that is once the handler that was running has returned or has entered a modal loop of its own.
void Settle(const Program &program, HWND window);

// Sends a message with a time limit; fatal when the program does not answer.
LRESULT SendWithLimit(const Program &program, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Text of a window of the program (of a control when `id` is not 0).
std::string WindowText(const Program &program, HWND window, int id = 0);

// Posts the click notification of control `id` to `dialog`, as the control itself would.
void PressButton(HWND dialog, int id);

// Waits for the open-file dialog titled `caption` that `owner` has opened, types `path` into its
// file-name box and presses OK, or cancels it when `path` is ""; returns once it is gone.
void AnswerOpenDialog(const Program &program, HWND owner, const char *caption, const std::string &path);

// Describes every visible top-level window of the program except `except` and `also_except`, one per
// line ("" when none).
std::string OtherWindows(const Program &program, HWND except, HWND also_except = NULL);

// Saves the screen, or the part that `window` covers, as a 24-bit BMP file, once the program's windows
// have painted themselves; prints a note and goes on when that fails.
void SaveScreen(const Program &program, const std::string &path, HWND window = NULL);

#endif
