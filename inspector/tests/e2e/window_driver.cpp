// window_driver.cpp -- finding, pressing and reading the windows of another program through Win32 calls.
#include "window_driver.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

// How often a wait looks again.
static const DWORD POLL_MS = 20;

Program StartProgram(const std::string &exe, const std::string &folder, int *failures)
{
    Program program = {};
    program.folder = folder;
    program.failures = failures;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command_line = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &command_line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                        &program.process)) {
        std::printf("FATAL: cannot start %s in %s (error %lu)\n", exe.c_str(), folder.c_str(), GetLastError());
        std::exit(2);
    }
    return program;
}

DWORD WaitForExit(const Program &program)
{
    if (WaitForSingleObject(program.process.hProcess, WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        Fatal(program, "the program did not end");
    DWORD code = 0;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

void Fatal(const Program &program, const std::string &what)
{
    std::printf("FATAL: %s\n", what.c_str());
    std::string others = OtherWindows(program, NULL);
    if (!others.empty())
        std::printf("windows of the program:\n%s", others.c_str());
    std::fflush(stdout);
    TerminateProcess(program.process.hProcess, 3);
    std::exit(2);
}

bool Check(const Program &program, bool ok, const std::string &what)
{
    if (!ok) {
        ++*program.failures;
        std::printf("FAILED: %s\n", what.c_str());
        std::fflush(stdout);
    }
    return ok;
}

bool CheckText(const Program &program, const std::string &label, const std::string &expected, const std::string &actual)
{
    return Check(program, expected == actual, label + ": expected \"" + expected + "\", got \"" + actual + "\"");
}

struct WindowSearch {
    DWORD process_id;
    const char *class_name;
    const char *caption;
    HWND except;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND window, LPARAM lparam)
{
    WindowSearch *search = reinterpret_cast<WindowSearch *>(lparam);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != search->process_id || window == search->except || !IsWindowVisible(window))
        return TRUE;
    char class_name[64] = "";
    GetClassNameA(window, class_name, sizeof class_name);
    if (search->class_name && std::string(class_name) != search->class_name)
        return TRUE;
    // GetWindowTextA reads a caption of another process without sending it a message.
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (search->caption && std::string(caption) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindProgramWindow(const Program &program, const char *class_name, const char *caption, HWND except)
{
    WindowSearch search = {program.process.dwProcessId, class_name, caption, except, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const Program &program, const char *class_name, const char *caption, HWND except)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindProgramWindow(program, class_name, caption, except);
        if (window)
            return window;
        if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0)
            Fatal(program, std::string("the program ended while waiting for window \"") + (caption ? caption : "") +
                               "\" of class " + class_name);
        if (GetTickCount() - start > WAIT_LIMIT_MS)
            Fatal(program, std::string("no window \"") + (caption ? caption : "(any caption)") + "\" of class " +
                               class_name + " within " + std::to_string(WAIT_LIMIT_MS / 1000) + " s");
        Sleep(POLL_MS);
    }
}

void WaitUntilGone(const Program &program, HWND window, const std::string &what)
{
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > WAIT_LIMIT_MS)
            Fatal(program, what + " did not close");
        Sleep(POLL_MS);
    }
}

LRESULT SendWithLimit(const Program &program, HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, WAIT_LIMIT_MS, &result))
        Fatal(program, "the program does not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

void Settle(const Program &program, HWND window) { SendWithLimit(program, window, WM_NULL, 0, 0); }

std::string WindowText(const Program &program, HWND window, int id)
{
    HWND target = id ? GetDlgItem(window, id) : window;
    if (!target)
        Fatal(program, "no control with id " + std::to_string(id));
    std::vector<char> text(1024);
    SendWithLimit(program, target, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.back() = '\0';
    return text.data();
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

struct WindowList {
    DWORD process_id;
    HWND except, also_except;
    std::string text;
};

void AnswerOpenDialog(const Program &program, HWND owner, const char *caption, const std::string &path)
{
    HWND open = WaitForWindow(program, "#32770", caption, owner);
    if (path.empty()) {
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
    } else {
        HWND name = GetDlgItem(open, OPEN_FILE_NAME);
        if (!name)
            Fatal(program, std::string("the dialog \"") + caption + "\" has no file-name box");
        SendWithLimit(program, name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(open, WM_COMMAND, IDOK, 0);
    }
    WaitUntilGone(program, open, std::string("the dialog \"") + caption + "\"");
}

static BOOL CALLBACK DescribeWindow(HWND window, LPARAM lparam)
{
    WindowList *list = reinterpret_cast<WindowList *>(lparam);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != list->process_id || window == list->except || window == list->also_except ||
        !IsWindowVisible(window))
        return TRUE;
    char class_name[64] = "";
    char caption[256] = "";
    GetClassNameA(window, class_name, sizeof class_name);
    GetWindowTextA(window, caption, sizeof caption);
    char message[256] = "";
    // A message box carries its text in the static control without an id.
    if (HWND text = GetDlgItem(window, 0xFFFF))
        GetWindowTextA(text, message, sizeof message);
    list->text += std::string("  ") + class_name + " \"" + caption + "\" \"" + message + "\"\n";
    return TRUE;
}

std::string OtherWindows(const Program &program, HWND except, HWND also_except)
{
    WindowList list = {program.process.dwProcessId, except, also_except, ""};
    EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&list));
    return list.text;
}

static BOOL CALLBACK RepaintWindow(HWND window, LPARAM lparam)
{
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id == static_cast<DWORD>(lparam) && IsWindowVisible(window))
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}

// Copies `area` of the screen into `pixels` (bottom-up rows of 24-bit pixels); false when that fails.
static bool CopyScreen(const RECT &area, BITMAPINFOHEADER &header, std::vector<char> &pixels)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void *bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO *>(&header), DIB_RGB_COLORS, &bits, NULL, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, area.left, area.top, SRCCOPY) != 0;
        GdiFlush();
        if (copied)
            pixels.assign(static_cast<char *>(bits), static_cast<char *>(bits) + header.biSizeImage);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return copied;
}

void SaveScreen(const Program &program, const std::string &path, HWND window)
{
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window)
        GetWindowRect(window, &area);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = area.right - area.left;
    header.biHeight = area.bottom - area.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>((header.biWidth * 3 + 3) & ~3) * header.biHeight;

    // Painting reaches the display a little after the program has drawn, so the picture is taken
    // once two copies in a row agree.
    EnumWindows(RepaintWindow, static_cast<LPARAM>(program.process.dwProcessId));
    if (HWND settle = window ? window : FindProgramWindow(program, NULL, NULL))
        Settle(program, settle);
    std::vector<char> pixels, previous;
    bool copied = CopyScreen(area, header, previous);
    DWORD start = GetTickCount();
    while (copied && GetTickCount() - start < 2000) {
        Sleep(50);
        copied = CopyScreen(area, header, pixels);
        if (pixels == previous)
            break;
        previous.swap(pixels);
    }
    if (copied) {
        BITMAPFILEHEADER file_header = {};
        file_header.bfType = 0x4D42;
        file_header.bfOffBits = sizeof file_header + sizeof header;
        file_header.bfSize = file_header.bfOffBits + header.biSizeImage;
        FILE *file = std::fopen(path.c_str(), "wb");
        copied = file && std::fwrite(&file_header, sizeof file_header, 1, file) == 1 &&
                 std::fwrite(&header, sizeof header, 1, file) == 1 &&
                 std::fwrite(previous.data(), previous.size(), 1, file) == 1;
        if (file && std::fclose(file) != 0)
            copied = false;
    }
    if (!copied)
        std::printf("note: screenshot %s not saved\n", path.c_str());
}
