// e2e_driver.cpp -- drives the real veldrix.exe through its dialog and checks what it shows, says and logs.
//
// Usage: e2e_driver SCENARIO FOLDER SHOTS
//   FOLDER holds veldrix.exe, cvnaaccr.dll and (except for "quit") veldrix.chm; the program runs there and
//   the sample files are written to FOLDER\samples. Screenshots go to the folder SHOTS as BMP files
//   (for "show", SHOTS is the BMP file itself).
//   close  every kind of file, a cancelled selection, Help, the About box; ends through the close box
//   quit   Help without a help file, one file; ends through "Quit"
//   nolog  veldrix.log is a folder: the "ERROR" box, then one file without a log; ends through the close box
//   show   waits for the dialog, saves a picture of it and ends through the close box
//   check  the record check from the system menu: not offered before a file is chosen; a file with
//          problems at known records checked, its list and summary read, the report saved (twice, the
//          second time over an older one after the replace prompt) and compared byte for byte; checked
//          again with checksum fields; the choice kept; the log's check lines
//   cancel a file of about 300 MB: one check stopped with "Cancel", one by closing the dialog while it
//          runs; then another file is chosen and checked to the end; ends through "Quit"
//   older  FOLDER holds a cvnaaccr.dll without the record checker: the program works and offers no check
// Exit status: 0 when every check passed, 1 when a check failed, 2 when the run could not go on.
#include "check_kinds.h"
#include "cvnaaccr.h"
#include "sample_files.h"
#include "window_driver.h"

#include <commctrl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

// The dialog as its users' tools see it. Written out here rather than taken from the program's headers,
// so that a changed id or caption fails the test.
static const char MAIN_CAPTION[] = "Corvella VELDRIX 1.1.5 Sep  9 2014";
static const char DIALOG_CLASS[] = "#32770";
static const int IDC_PATH = 1000;
static const int IDC_RECORD_TYPE = 1002;
static const int IDC_VERSION = 1003;
static const int IDC_CR = 1004;
static const int IDC_LF = 1005;
static const int IDC_RECORD_LENGTH = 1006;
static const int IDC_FILE_SIZE = 1008;
static const int IDC_SELECT_FILE = 1010;
static const int IDC_RECORD_COUNT = 1011;
static const int IDC_LOGO = 1014;
static const int IDC_HELP_BUTTON = 1015;
static const int IDC_FILE_DATE = 1016;
// The record check: the system menu item of the main dialog and the controls of its dialog.
static const int IDM_CHECK_RECORDS = 0x0110;
static const char CHECK_CAPTION[] = "Check every record";
static const int IDC_CHECK_PATH = 1100;
static const int IDC_CHECK_CHECKSUMS = 1101;
static const int IDC_CHECK_START = 1102;
static const int IDC_CHECK_PROGRESS = 1103;
static const int IDC_CHECK_STATUS = 1104;
static const int IDC_CHECK_LIST = 1105;
static const int IDC_CHECK_SUMMARY = 1106;
static const int IDC_CHECK_STOP = 1107;
static const int IDC_CHECK_SAVE = 1108;
static const int IDC_CHECK_CHOOSE = 1110;
static const char CHOOSE_CAPTION[] = "Choose a file to check";
static const char SAVE_CAPTION[] = "Save report";

static const char SEPARATOR[] = "----------------------\r\n";

// What the dialog shows after one selection.
struct Shown {
    std::string path, date, type, version, length;
    bool cr, lf;
    std::string size, count;
};

// One selection: the file, what the dialog shows, the box it raises and the block it logs.
struct Selection {
    std::string label;
    std::string file_name; // in the samples folder; "" cancels the open-file dialog
    std::string bytes;
    bool locked;                       // held open without sharing while it is inspected, so the program cannot open it
    Shown shown;                       // path and date are filled in by Select()
    std::string box_caption, box_text; // caption "": no box
    std::string type_line, termination_line, length_line, count_line;
    std::string shot = ""; // name of the screenshot taken while the result is shown, or ""
};

static std::string Records(char type, const char *version, int length, int count, const std::string &terminator)
{
    std::string bytes;
    for (int i = 1; i <= count; ++i)
        bytes += Record(type, version, i, length) + terminator;
    return bytes;
}

static std::string SamplesFolder(const Program &program) { return program.folder + "\\samples"; }

static std::string SamplePath(const Program &program, const Selection &selection)
{
    return SamplesFolder(program) + "\\" + selection.file_name;
}

// The selections of the "close" run, in order.
static std::vector<Selection> AllSelections(const std::string &samples)
{
    const std::string crlf = "\r\n";
    const std::string lf = "\n";
    const std::string i150 = Records('I', "150", 3339, 2, crlf);
    std::string nul_record = Record('I', "150", 1, 3339) + crlf;
    nul_record[29] = '\0';
    const char *warning = "INSIGNIFICANT ANOMALY";
    const char *problem = "PROBLEM";
    // clang-format off
    std::vector<Selection> selections = {
        // label, file name, content, locked;
        //     shown: path, date, type, version, length, <cr>, <lf>, size, count;
        //     box caption and text; log lines 3 to 6; screenshot
        {"OK file, CR LF", "ok.txt", Records('I', "150", 3339, 3, crlf), false,
            {"", "", "I", "150", "3341", true, true, "10023", "3"},
            "", "",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 3",
            "02-ok-file"},
        {"cancelled selection", "", "", false,
            {"", "???", " ", " ", " ", false, false, " ", " "},
            problem, "No file selected.",
            "", "", "", "",
            "05-no-file-selected"},
        {"CR LF file of version A", "crlf.txt", Records('I', "A", 1946, 2, crlf), false,
            {"", "", "I", "10 (A)", "1948", true, true, "3896", "2"},
            "", "",
            "Record Type: I    Version: A", "Termination: <cr><lf>", "Record Length: 1948", "Record Count: 2"},
        {"NAACCR 18 abstracts, longer than the inspection's window", "abstract18.txt",
            Records('A', "180", 24194, 2, crlf), false,
            {"", "", "A", "180", "24196", true, true, "48392", "2"},
            "", "",
            "Record Type: A    Version: 1", "Termination: <cr><lf>", "Record Length: 24196", "Record Count: 2",
            "09-naaccr-18-abstract"},
        {"LF file of version B", "lf.dat", Records('I', "B", 1946, 2, lf), false,
            {"", "", "I", "11 (B)", "1947", false, true, "3894", "2"},
            "", "",
            "Record Type: I    Version: B", "Termination: <lf>", "Record Length: 1947", "Record Count: 2"},
        {"unterminated last record", "unterminated.txt", i150 + Record('I', "150", 3, 3339), false,
            {"", "", "I", "150", "3341", true, true, "10021", "3"},
            warning, "<cr><lf> terminators omitted at end of file.",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 3",
            "03-anomaly-box"},
        {"stray Ctrl-Z", "ctrlz.txt", i150 + '\x1a', false,
            {"", "", "I", "150", "3341", true, true, "6683", "2"},
            warning, "Stray Ctrl-Z at end of file.",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 2"},
        {"uneven length", "uneven.txt", i150 + "12345", false,
            {"", "", "I", "150", "3341", true, true, "6687", ""},
            problem, "File length does not divide into equal-sized records. nterm= 2",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 2"},
        {"bad record type", "badtype.txt", Records('X', "150", 3339, 2, crlf), false,
            {"", "", "X", " ", "3341", true, true, "6682", ""},
            problem, "Invalid NAACCR Record Type X.",
            "Record Type: X    Version:  ", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 0"},
        {"mixed record types", "mixed.txt",
            Record('I', "150", 1, 3339) + crlf + Record('C', "150", 2, 3339) + crlf, false,
            {"", "", "I", "150", "3341", true, true, "6682", ""},
            problem, "Second record begins with Record Type C.",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 2"},
        // Not "nul.txt": NUL with any extension names the null device on Windows.
        {"NUL byte in column 30", "zero.txt", nul_record, false,
            {"", "", "I", "150", "29", false, false, "3341", ""},
            problem, "Illegal character, ASCII 0, found at column 30",
            "Record Type: I    Version: 1", "Termination: ", "Record Length: 29", "Record Count: 0"},
        {"short text file", "short.txt", "Short note\r\nsecond line\r\n", false,
            {"", "", " ", "", " ", false, false, "25", ""},
            problem, "File length of 25 is too short to hold a valid record.",
            "Record Type:      Version: ", "Termination: ", "Record Length: 0", "Record Count: 0"},
        {"empty file", "empty.txt", "", false,
            {"", "", " ", "", " ", false, false, "0", ""},
            problem, "File empty.txt is empty.",
            "Record Type:      Version: ", "Termination: ", "Record Length: 0", "Record Count: 0"},
        {"file that cannot be opened", "locked.txt", i150, true,
            {"", "", " ", "", " ", false, false, "0", ""},
            problem, "Can't open file " + samples + "\\locked.txt for reading",
            "Record Type:      Version: ", "Termination: ", "Record Length: 0", "Record Count: 0",
            "04-problem-box"},
        {"OK file chosen again", "ok.txt", Records('I', "150", 3339, 3, crlf), false,
            {"", "", "I", "150", "3341", true, true, "10023", "3"},
            "", "",
            "Record Type: I    Version: 1", "Termination: <cr><lf>", "Record Length: 3341", "Record Count: 3"},
    };
    // clang-format on
    return selections;
}

// The modification date as the dialog shows it, or "???" when the file has no status.
static std::string FileDate(const std::string &path)
{
    struct _stat64 status;
    if (path.empty() || _stat64(path.c_str(), &status) != 0)
        return "???";
    struct tm *local = _localtime64(&status.st_mtime);
    char text[64];
    if (!local || !std::strftime(text, sizeof text, "%m/%d/%Y   %H:%M", local))
        return "???";
    return text;
}

// The log's line for the first 50 bytes of `bytes`: up to the first NUL, every LF written as CR LF.
static std::string SampleLine(const std::string &bytes)
{
    std::string sample = bytes.substr(0, 50);
    sample = sample.substr(0, sample.find('\0'));
    std::string line;
    for (char c : sample)
        line += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return line + "\r\n";
}

static std::string LogBlock(const std::string &path, const Selection &selection)
{
    return SEPARATOR + path + "\r\n" + selection.type_line + "\r\n" + selection.termination_line + "\r\n" +
           selection.length_line + "\r\n" + selection.count_line + "\r\n" +
           (selection.locked ? std::string("\r\n") : SampleLine(selection.bytes));
}

static std::string Escaped(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        }
    }
    return out;
}

static void CheckShown(const Program &program, HWND main, const std::string &label, const Shown &shown)
{
    CheckText(program, label + ", path", shown.path, WindowText(program, main, IDC_PATH));
    CheckText(program, label + ", file date", shown.date, WindowText(program, main, IDC_FILE_DATE));
    CheckText(program, label + ", record type", shown.type, WindowText(program, main, IDC_RECORD_TYPE));
    CheckText(program, label + ", version", shown.version, WindowText(program, main, IDC_VERSION));
    CheckText(program, label + ", record length", shown.length, WindowText(program, main, IDC_RECORD_LENGTH));
    CheckText(program, label + ", file size", shown.size, WindowText(program, main, IDC_FILE_SIZE));
    CheckText(program, label + ", record count", shown.count, WindowText(program, main, IDC_RECORD_COUNT));
    LRESULT cr = SendWithLimit(program, GetDlgItem(main, IDC_CR), BM_GETCHECK, 0, 0);
    LRESULT lf = SendWithLimit(program, GetDlgItem(main, IDC_LF), BM_GETCHECK, 0, 0);
    Check(program, cr == (shown.cr ? BST_CHECKED : BST_UNCHECKED),
          label + ", <cr> check box: expected " + (shown.cr ? "checked" : "cleared"));
    Check(program, lf == (shown.lf ? BST_CHECKED : BST_UNCHECKED),
          label + ", <lf> check box: expected " + (shown.lf ? "checked" : "cleared"));
}

// Whether a message box shows an icon (its icon control, stc1).
static bool HasIcon(const Program &program, HWND box)
{
    HWND icon = GetDlgItem(box, 0x440);
    return icon && IsWindowVisible(icon) && SendWithLimit(program, icon, STM_GETICON, 0, 0) != 0;
}

// Closes every box the program shows besides `main`, after reporting it as unexpected.
static void CloseUnexpectedBoxes(const Program &program, HWND main, const std::string &label)
{
    std::string others = OtherWindows(program, main);
    if (!Check(program, others.empty(), label + ": unexpected windows:\n" + others))
        while (HWND box = FindProgramWindow(program, DIALOG_CLASS, NULL, main)) {
            PressButton(box, IDOK);
            WaitUntilGone(program, box, "an unexpected box");
            Settle(program, main);
        }
}

// Waits for the box that the last action raised, checks its caption and text, then runs `while_shown`
// and closes the box with OK.
template <typename Action>
static void ExpectBox(const Program &program, HWND main, const std::string &label, const std::string &caption,
                      const std::string &text, Action while_shown)
{
    HWND box = WaitForWindow(program, DIALOG_CLASS, NULL, main);
    char actual_caption[256] = "";
    GetWindowTextA(box, actual_caption, sizeof actual_caption);
    CheckText(program, label + ", box caption", caption, actual_caption);
    CheckText(program, label + ", box text", text, WindowText(program, box, 0xFFFF));
    Check(program, HasIcon(program, box), label + ", the box has an icon");
    while_shown();
    PressButton(box, IDOK);
    WaitUntilGone(program, box, "the box \"" + caption + "\"");
    Settle(program, main);
    CloseUnexpectedBoxes(program, main, label + ", after the box");
}

// Presses "Select NAACCR File" and types `path` into the open-file dialog, or cancels it when `path` is "".
static void ChooseInOpenDialog(const Program &program, HWND main, const std::string &path)
{
    PressButton(main, IDC_SELECT_FILE);
    AnswerOpenDialog(program, main, "Open", path);
    // The selection handler now inspects the file; it returns to the dialog or shows a box.
    Settle(program, main);
}

// Runs one selection and checks the dialog and the box; returns the log block it should have written.
static std::string Select(const Program &program, HWND main, const Selection &selection, const std::string &shot)
{
    std::string path = selection.file_name.empty() ? "" : SamplePath(program, selection);
    HANDLE lock = INVALID_HANDLE_VALUE;
    if (selection.locked) {
        lock = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        if (lock == INVALID_HANDLE_VALUE)
            Fatal(program, "cannot lock " + path);
    }
    Shown shown = selection.shown;
    shown.path = path;
    if (!path.empty())
        shown.date = FileDate(path);

    ChooseInOpenDialog(program, main, path);
    if (selection.box_caption.empty()) {
        CloseUnexpectedBoxes(program, main, selection.label);
        CheckShown(program, main, selection.label, shown);
        if (!shot.empty())
            SaveScreen(program, shot);
    } else {
        // The fields are filled before the box is shown.
        ExpectBox(program, main, selection.label, selection.box_caption, selection.box_text, [&] {
            CheckShown(program, main, selection.label, shown);
            if (!shot.empty())
                SaveScreen(program, shot);
        });
    }
    if (lock != INVALID_HANDLE_VALUE)
        CloseHandle(lock);
    return path.empty() ? "" : LogBlock(path, selection);
}

static void WriteSamples(const Program &program, const std::vector<Selection> &selections)
{
    CreateDirectoryA(SamplesFolder(program).c_str(), NULL);
    for (const Selection &selection : selections)
        if (!selection.file_name.empty() && !WriteFileBytes(SamplePath(program, selection), selection.bytes))
            Fatal(program, "cannot write " + SamplePath(program, selection));
}

// Waits for the main dialog and checks its state right after the start.
static HWND WaitForMainDialog(const Program &program)
{
    HWND main = WaitForWindow(program, DIALOG_CLASS, MAIN_CAPTION);
    Settle(program, main);
    CheckShown(program, main, "at the start", {"", "", "", "", "", false, false, "", ""});
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(main, NULL), &thread))
        Check(program, thread.hwndFocus == GetDlgItem(main, IDCANCEL), "at the start the focus is on \"Quit\"");
    CheckText(program, "\"Quit\" button", "Quit", WindowText(program, main, IDCANCEL));
    CheckText(program, "\"Select NAACCR File\" button", "Select NAACCR File",
              WindowText(program, main, IDC_SELECT_FILE));
    CheckText(program, "\"Help\" button", "Help", WindowText(program, main, IDC_HELP_BUTTON));
    return main;
}

// The About text with the library's own contact text, read from the cvnaaccr.dll beside the program.
static std::string AboutText(const Program &program)
{
    std::string dll = program.folder + "\\cvnaaccr.dll";
    HMODULE library = LoadLibraryA(dll.c_str());
    typedef int32_t(CV_CALL * InfoFunction)(NaaccrLibraryInfo *);
    FARPROC entry = library ? GetProcAddress(library, "cvGet_cvnaaccr_dll_info") : NULL;
    InfoFunction get_info = reinterpret_cast<InfoFunction>(reinterpret_cast<void (*)()>(entry));
    if (!get_info)
        Fatal(program, "cannot call cvGet_cvnaaccr_dll_info of " + dll);
    NaaccrLibraryInfo info = {};
    get_info(&info);
    std::string contact = info.contact;
    Check(program, std::count(contact.begin(), contact.end(), '\n') == 1, "the contact text has two lines");
    return "Corvella VELDRIX\nVersion 1.1.5, Sep  9 2014\n\nUses cvNAACCR.dll " CVNAACCR_VERSION_STRING
           ", Sep 15 2014\n\n" +
           contact;
}

// Presses "Help" and waits until its handler has returned, without waiting on a box it might show.
static void PressHelp(const Program &program, HWND main)
{
    DWORD_PTR result = 0;
    HWND button = GetDlgItem(main, IDC_HELP_BUTTON);
    if (!SendMessageTimeoutA(main, WM_COMMAND, MAKEWPARAM(IDC_HELP_BUTTON, BN_CLICKED),
                             reinterpret_cast<LPARAM>(button), SMTO_NORMAL, WAIT_LIMIT_MS, &result))
        Check(program, false, "\"Help\" did not return within " + std::to_string(WAIT_LIMIT_MS / 1000) + " s");
}

static void CheckLog(const Program &program, const std::string &expected)
{
    std::string log_path = program.folder + "\\veldrix.log";
    std::string actual;
    if (!Check(program, ReadFileBytes(log_path, actual), "veldrix.log can be read"))
        return;
    if (actual == expected)
        return;
    WriteFileBytes(log_path + ".expected", expected);
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    size_t line_start = expected.rfind('\n', at == 0 ? 0 : at - 1);
    line_start = line_start == std::string::npos ? 0 : line_start + 1;
    int line = 1 + static_cast<int>(std::count(expected.begin(), expected.begin() + line_start, '\n'));
    Check(program, false,
          "veldrix.log differs from veldrix.log.expected at byte " + std::to_string(at) + " (line " +
              std::to_string(line) + ", " + std::to_string(actual.size()) + " bytes instead of " +
              std::to_string(expected.size()) + ")\n  expected: " + Escaped(expected.substr(line_start, 100)) +
              "\n  actual:   " + Escaped(actual.substr(std::min(line_start, actual.size()), 100)));
}

static void CheckNormalEnd(const Program &program, const std::string &how)
{
    DWORD code = WaitForExit(program);
    Check(program, code == 0, "after " + how + " the exit code is 0, not " + std::to_string(code));
}

static void CloseRun(const std::string &folder, const std::string &shots, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = AllSelections(SamplesFolder(program));
    WriteSamples(program, selections);
    HWND main = WaitForMainDialog(program);
    SaveScreen(program, shots + "\\01-started.bmp");

    std::string log;
    for (const Selection &selection : selections) {
        std::printf("selection: %s\n", selection.label.c_str());
        if (selection.file_name.empty()) {
            // Enter sends IDOK, which the dialog ignores: the selection that follows still works.
            PostMessageA(main, WM_COMMAND, IDOK, 0);
        }
        log += Select(program, main, selection, selection.shot.empty() ? "" : shots + "\\" + selection.shot + ".bmp");
        if (&selection == &selections.front()) {
            SaveScreen(program, shots + "\\dialog.bmp", main);
            // A click on a check box changes nothing.
            SendWithLimit(program, GetDlgItem(main, IDC_CR), BM_CLICK, 0, 0);
            SendWithLimit(program, GetDlgItem(main, IDC_LF), BM_CLICK, 0, 0);
            CloseUnexpectedBoxes(program, main, "clicks on the check boxes");
            Shown shown = selection.shown;
            shown.path = SamplePath(program, selection);
            shown.date = FileDate(shown.path);
            CheckShown(program, main, "after clicks on the check boxes", shown);
        }
    }

    std::printf("help\n");
    PressHelp(program, main);
    HWND help = WaitForWindow(program, "HH Parent", NULL);
    SaveScreen(program, shots + "\\06-help.bmp");
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitUntilGone(program, help, "the help window");

    std::printf("about\n");
    std::string about = AboutText(program);
    HWND logo = GetDlgItem(main, IDC_LOGO);
    PostMessageA(logo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(logo, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    ExpectBox(program, main, "a click on the logo", "About This Program", about,
              [&] { SaveScreen(program, shots + "\\07-about.bmp"); });
    PostMessageA(logo, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    ExpectBox(program, main, "a double click on the logo", "About This Program", about, [] {});

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckNormalEnd(program, "the close box");
    CheckLog(program, log + SEPARATOR);
}

static std::vector<Selection> OkFileOnly(const Program &program)
{
    std::vector<Selection> selections = AllSelections(SamplesFolder(program));
    selections.resize(1);
    selections.front().shot = "";
    return selections;
}

static void QuitRun(const std::string &folder, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = OkFileOnly(program);
    WriteSamples(program, selections);
    HWND main = WaitForMainDialog(program);

    std::printf("help without veldrix.chm\n");
    for (int press = 1; press <= 2; ++press) {
        PressHelp(program, main);
        Check(program, !FindProgramWindow(program, "HH Parent", NULL), "without veldrix.chm no help window appears");
        CloseUnexpectedBoxes(program, main, "help without veldrix.chm");
    }
    std::printf("selection: %s\n", selections.front().label.c_str());
    std::string log = Select(program, main, selections.front(), "");

    PressButton(main, IDCANCEL);
    CheckNormalEnd(program, "\"Quit\"");
    CheckLog(program, log);
}

static void NoLogRun(const std::string &folder, const std::string &shots, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = OkFileOnly(program);
    WriteSamples(program, selections);
    HWND box = WaitForWindow(program, DIALOG_CLASS, "ERROR");
    CheckText(program, "log that cannot be created, box text", "Could not open veldrix.log",
              WindowText(program, box, 0xFFFF));
    Check(program, !HasIcon(program, box), "the \"ERROR\" box has no icon");
    SaveScreen(program, shots + "\\08-log-error.bmp");
    PressButton(box, IDOK);
    WaitUntilGone(program, box, "the \"ERROR\" box");

    HWND main = WaitForMainDialog(program);
    std::printf("selection without a log: %s\n", selections.front().label.c_str());
    Select(program, main, selections.front(), "");
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckNormalEnd(program, "the close box without a log");

    std::string log_path = folder + "\\veldrix.log";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((log_path + "\\*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            entries += std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, "..");
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    DWORD attributes = GetFileAttributesA(log_path.c_str());
    Check(program, attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) && entries == 0,
          "the folder veldrix.log is left as it was, empty");
}

static void ShowRun(const std::string &folder, const std::string &shot, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    HWND main = WaitForWindow(program, DIALOG_CLASS, MAIN_CAPTION);
    Settle(program, main);
    SaveScreen(program, shot, main);
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckNormalEnd(program, "the close box");
}

// ---- the record check ----

// A kind of problem as the check dialog names it: its label.
static std::string KindLabel(int32_t kind)
{
    const CheckKind *found = find_check_kind(kind);
    return found != nullptr ? found->label : "Unknown problem";
}

// What the library itself finds in a file: each problem, and the patient and tumour it names.
struct LibraryCheck {
    int32_t result;
    NaaccrCheckSummary summary;
    std::vector<NaaccrProblem> problems;
    std::vector<std::string> patients;
};

static int32_t CV_CALL CollectProblem(void *context, const NaaccrProblem *problem)
{
    static_cast<LibraryCheck *>(context)->problems.push_back(*problem);
    static_cast<LibraryCheck *>(context)->patients.push_back("");
    return 0;
}

// A record problem named by its patient and tumour: the Patient column, "ID, tumour T, accession A".
static int32_t CV_CALL CollectNamedProblem(void *context, const NaaccrItemProblem *problem)
{
    NaaccrProblem row = {};
    row.record = problem->record;
    row.offset = problem->offset;
    row.column = problem->column;
    row.code = problem->code;
    std::snprintf(row.message, sizeof row.message, "%s", problem->message);
    std::string patient;
    const char *words[] = {"", "tumour ", "accession "};
    const char *ids[] = {problem->patient_id, problem->tumor_record_number, problem->accession_number};
    for (int k = 0; k < 3; ++k)
        if (ids[k] != nullptr)
            patient += (patient.empty() ? "" : ", ") + std::string(words[k]) + ids[k];
    static_cast<LibraryCheck *>(context)->problems.push_back(row);
    static_cast<LibraryCheck *>(context)->patients.push_back(patient);
    return 0;
}

// Checks `path` with the cvnaaccr.dll beside the program, as the program should: through the item checker,
// its problems named when the library can.
static LibraryCheck CheckWithLibrary(const Program &program, const std::string &path, bool checksums)
{
    HMODULE library = LoadLibraryA((program.folder + "\\cvnaaccr.dll").c_str());
    typedef int32_t(CV_CALL * CheckFunction)(const char *, const NaaccrItemCheckOptions *, NaaccrItemCheckSummary *);
    typedef uint32_t(CV_CALL * FlagsFunction)(int32_t);
    FARPROC entry = library ? GetProcAddress(library, "_cvCheckNaaccrFileEx@12") : NULL;
    FARPROC flags_entry = library ? GetProcAddress(library, "_cvGetNaaccrOptionFlags@4") : NULL;
    CheckFunction check = reinterpret_cast<CheckFunction>(reinterpret_cast<void (*)()>(entry));
    FlagsFunction flags = reinterpret_cast<FlagsFunction>(reinterpret_cast<void (*)()>(flags_entry));
    if (!check)
        Fatal(program, "cannot call cvCheckNaaccrFileEx of cvnaaccr.dll");
    LibraryCheck found = {};
    NaaccrItemCheckOptions options = {};
    options.size = offsetof(NaaccrItemCheckOptions, code_report);
    options.flags = (checksums ? NAACCR_CHECK_CHECKSUMS : 0) |
                    (flags != nullptr ? flags(NAACCR_OPTIONS_ITEM_CHECK) & NAACCR_CHECK_IDS : 0);
    options.max_reported = 10000;
    options.on_problem = CollectProblem;
    options.on_item_problem = CollectNamedProblem;
    options.context = &found;
    NaaccrItemCheckSummary summary;
    found.result = check(path.c_str(), &options, &summary);
    found.summary = summary.records;
    return found;
}

static std::string Counted(uint64_t count, const char *one, const char *more)
{
    return std::to_string(count) + " " + (count == 1 ? one : more);
}

// The summary of a check that read the whole file, as the dialog, the log and the report give it.
static std::string ExpectedSummary(const NaaccrCheckSummary &summary, bool checksums)
{
    std::string text = Counted(summary.records, "record", "records") + ", ";
    if (summary.problems == 0) {
        text += "no problems";
    } else {
        text += Counted(summary.problems, "problem", "problems") + " (";
        const char *separator = "";
        for (int kind = 1; kind < NAACCR_CHECK_KINDS; ++kind)
            if (summary.counts[kind] != 0) {
                text += separator + std::to_string(summary.counts[kind]) + " " + KindLabel(kind);
                separator = ", ";
            }
        text += ")";
    }
    if (checksums)
        text += ", " + Counted(summary.checksums_matched, "checksum matches", "checksums match");
    return text;
}

// The cells of row `row`: record, patient, offset, column (empty for the record as a whole), kind, message.
static std::vector<std::string> ProblemCells(const LibraryCheck &check, size_t row)
{
    const NaaccrProblem &problem = check.problems[row];
    return {std::to_string(problem.record), check.patients[row],
            std::to_string(problem.offset), problem.column == 0 ? "" : std::to_string(problem.column),
            KindLabel(problem.code),        problem.message};
}

static std::string ExpectedReport(const std::string &path, const LibraryCheck &check, bool checksums)
{
    std::string text = "Corvella VELDRIX 1.1.5 - record check\r\nFile: " + path +
                       "\r\nChecksum fields: " + (checksums ? "verified" : "not verified") +
                       "\r\nResult: " + ExpectedSummary(check.summary, checksums) + "\r\n";
    if (!check.problems.empty()) {
        text += "\r\nRecord\tPatient\tOffset\tColumn\tProblem\tMessage\r\n";
        for (size_t row = 0; row < check.problems.size(); ++row) {
            std::vector<std::string> cells = ProblemCells(check, row);
            text += cells[0] + "\t" + cells[1] + "\t" + cells[2] + "\t" + cells[3] + "\t" + cells[4] + "\t" + cells[5] +
                    "\r\n";
        }
    }
    return text;
}

// The text of a cell of the program's list view. The request and the text must lie in the program's own
// memory, so they are written there and read back.
static std::string ListCell(const Program &program, HWND list, int row, int column)
{
    const SIZE_T text_size = 512;
    HANDLE process = program.process.hProcess;
    char *remote = static_cast<char *>(
        VirtualAllocEx(process, NULL, sizeof(LVITEMA) + text_size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote)
        Fatal(program, "cannot allocate memory in the program");
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = remote + sizeof item;
    item.cchTextMax = static_cast<int>(text_size);
    char text[text_size] = "";
    bool ok = WriteProcessMemory(process, remote, &item, sizeof item, NULL) &&
              WriteProcessMemory(process, remote + sizeof item, text, text_size, NULL);
    if (ok) {
        SendWithLimit(program, list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
        ok = ReadProcessMemory(process, remote + sizeof item, text, text_size, NULL);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (!ok)
        Fatal(program, "cannot read the list's text from the program");
    text[text_size - 1] = '\0';
    return text;
}

static void CheckList(const Program &program, HWND check, const std::string &label, const LibraryCheck &expected)
{
    HWND list = GetDlgItem(check, IDC_CHECK_LIST);
    LRESULT rows = SendWithLimit(program, list, LVM_GETITEMCOUNT, 0, 0);
    if (!Check(program, rows == static_cast<LRESULT>(expected.problems.size()),
               label + ": the list has " + std::to_string(rows) + " rows, expected " +
                   std::to_string(expected.problems.size())))
        return;
    for (size_t row = 0; row < expected.problems.size(); ++row) {
        std::vector<std::string> cells = ProblemCells(expected, row);
        for (int column = 0; column < 6; ++column)
            CheckText(program, label + ", row " + std::to_string(row) + " column " + std::to_string(column),
                      cells[column], ListCell(program, list, static_cast<int>(row), column));
    }
}

static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// Opens the record check from the main dialog's system menu and checks the dialog as it opens.
static HWND OpenCheckDialog(const Program &program, HWND main, const std::string &path, bool checksums)
{
    PostMessageA(main, WM_SYSCOMMAND, IDM_CHECK_RECORDS, 0);
    HWND check = WaitForWindow(program, DIALOG_CLASS, CHECK_CAPTION, main);
    Settle(program, check);
    CheckText(program, "check dialog, path", path, WindowText(program, check, IDC_CHECK_PATH));
    CheckText(program, "check dialog, status", "Press Start to check every record.",
              WindowText(program, check, IDC_CHECK_STATUS));
    LRESULT box = SendWithLimit(program, GetDlgItem(check, IDC_CHECK_CHECKSUMS), BM_GETCHECK, 0, 0);
    Check(program, box == (checksums ? BST_CHECKED : BST_UNCHECKED),
          std::string("check dialog, \"Also verify checksum fields\" ") + (checksums ? "checked" : "cleared"));
    Check(program,
          Enabled(check, IDC_CHECK_START) && !Enabled(check, IDC_CHECK_STOP) && !Enabled(check, IDC_CHECK_SAVE) &&
              Enabled(check, IDCANCEL) && Enabled(check, IDC_CHECK_CHOOSE),
          "check dialog opens with Choose file..., Start and Close enabled, Cancel and Save report disabled");
    CheckText(program, "check dialog, the button that chooses a file", "Choose file...",
              WindowText(program, check, IDC_CHECK_CHOOSE));
    return check;
}

// Presses "Start" and returns once its handler has run (it starts the check and returns).
static void StartCheck(const Program &program, HWND check)
{
    SendWithLimit(program, check, WM_COMMAND, MAKEWPARAM(IDC_CHECK_START, BN_CLICKED),
                  reinterpret_cast<LPARAM>(GetDlgItem(check, IDC_CHECK_START)));
}

// Waits until the check has ended: "Save report..." is enabled only then.
static void WaitForCheckEnd(const Program &program, HWND check)
{
    DWORD start = GetTickCount();
    while (!Enabled(check, IDC_CHECK_SAVE)) {
        if (GetTickCount() - start > 6 * WAIT_LIMIT_MS)
            Fatal(program, "the check did not end within " + std::to_string(6 * WAIT_LIMIT_MS / 1000) + " s");
        Sleep(20);
    }
    Settle(program, check);
    Check(program, Enabled(check, IDC_CHECK_START) && !Enabled(check, IDC_CHECK_STOP),
          "after the check Start is enabled again and Cancel disabled");
}

// Sends a system command and reports whether it returned within 2 s; a dialog it opened would hold it.
static bool SystemCommandReturns(HWND main, WPARAM command)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main, WM_SYSCOMMAND, command, 0, SMTO_NORMAL, 2000, &result) != 0;
}

static void ExpectNoCheckDialog(const Program &program, HWND main, const std::string &label)
{
    bool returned = SystemCommandReturns(main, IDM_CHECK_RECORDS);
    HWND check = FindProgramWindow(program, DIALOG_CLASS, CHECK_CAPTION, main);
    Check(program, returned && !check, label + ": the record check is not offered");
    if (check) {
        PressButton(check, IDCANCEL);
        WaitUntilGone(program, check, "the check dialog");
    }
}

// "Save report...": types `path` into the save-file dialog; with `replace`, answers the replace prompt.
static void SaveReport(const Program &program, HWND main, HWND check, const std::string &path, bool replace,
                       const std::string &suggested)
{
    PressButton(check, IDC_CHECK_SAVE);
    HWND save = WaitForWindow(program, DIALOG_CLASS, SAVE_CAPTION, check);
    HWND name = GetDlgItem(save, OPEN_FILE_NAME);
    if (!name)
        Fatal(program, "the save-file dialog has no file-name box");
    CheckText(program, "the suggested report name", suggested, WindowText(program, name));
    SendWithLimit(program, name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(save, WM_COMMAND, IDOK, 0);
    if (replace) {
        // A message box titled as the save-file dialog that owns it.
        HWND prompt = WaitForWindow(program, DIALOG_CLASS, SAVE_CAPTION, save);
        std::string text = WindowText(program, prompt, 0xFFFF);
        Check(program, text.find("already exists") != std::string::npos,
              "replacing a report asks first; the prompt says \"" + text + "\"");
        PressButton(prompt, IDYES);
        WaitUntilGone(program, prompt, "the replace prompt");
    }
    WaitUntilGone(program, save, "the save-file dialog");
    Settle(program, check);
    std::string others = OtherWindows(program, main, check);
    Check(program, others.empty(), "after saving the report: unexpected windows:\n" + others);
}

static void CheckReportFile(const Program &program, const std::string &path, const std::string &expected)
{
    std::string actual;
    if (!Check(program, ReadFileBytes(path, actual), "the report " + path + " can be read"))
        return;
    if (actual != expected) {
        WriteFileBytes(path + ".expected", expected);
        Check(program, false,
              "the report differs from " + path + ".expected:\n  expected: " + Escaped(expected.substr(0, 300)) +
                  "\n  actual:   " + Escaped(actual.substr(0, 300)));
    }
}

// Records of type I, version 150, CR LF: records 3 and 4 five bytes too short and too long, a TAB in
// column 100 of record 5, version 140 in record 7, and the last record, 8, without its terminator.
static std::string ProblemRecords()
{
    std::string bytes;
    for (int number = 1; number <= 8; ++number) {
        int length = number == 3 ? 3334 : number == 4 ? 3344 : 3339;
        std::string record = Record('I', number == 7 ? "140" : "150", number, length);
        if (number == 5)
            record[99] = '\t';
        bytes += record + (number < 8 ? "\r\n" : "");
    }
    return bytes;
}

static Selection ProblemSelection()
{
    std::string bytes = ProblemRecords();
    return {"file with problems",
            "problems.txt",
            bytes,
            false,
            {"", "", "I", "150", "3341", true, true, std::to_string(bytes.size()), "8"},
            "INSIGNIFICANT ANOMALY",
            "<cr><lf> terminators omitted at end of file.",
            "Record Type: I    Version: 1",
            "Termination: <cr><lf>",
            "Record Length: 3341",
            "Record Count: 8"};
}

static void CheckRun(const std::string &folder, const std::string &shots, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = {ProblemSelection()};
    WriteSamples(program, selections);
    const std::string path = SamplePath(program, selections[0]);
    HWND main = WaitForMainDialog(program);

    std::printf("record check before a file is chosen\n");
    ExpectNoCheckDialog(program, main, "before a file is chosen");

    std::printf("selection: %s\n", selections[0].label.c_str());
    std::string log = Select(program, main, selections[0], "");

    std::printf("record check of the file with problems\n");
    LibraryCheck expected = CheckWithLibrary(program, path, false);
    const int expected_records[] = {3, 4, 5, 7, 8};
    const int expected_kinds[] = {NAACCR_CHECK_RECORD_LENGTH, NAACCR_CHECK_RECORD_LENGTH, NAACCR_CHECK_ILLEGAL_BYTE,
                                  NAACCR_CHECK_VERSION, NAACCR_CHECK_TERMINATOR_OMITTED};
    bool known = expected.result == NAACCR_REC_OK && expected.problems.size() == 5;
    for (size_t k = 0; known && k < 5; ++k)
        known = expected.problems[k].record == static_cast<uint64_t>(expected_records[k]) &&
                expected.problems[k].code == expected_kinds[k];
    Check(program, known, "the library finds the problems at records 3, 4, 5, 7 and 8");

    HWND check = OpenCheckDialog(program, main, path, false);
    bool returned = SystemCommandReturns(main, IDM_CHECK_RECORDS);
    HWND second = FindProgramWindow(program, DIALOG_CLASS, CHECK_CAPTION, check);
    Check(program, returned && !second, "while the check window is open the command opens no second one");
    if (second) {
        PressButton(second, IDCANCEL);
        WaitUntilGone(program, second, "a second check dialog");
    }
    SaveScreen(program, shots + "\\09-check-ready.bmp");
    StartCheck(program, check);
    WaitForCheckEnd(program, check);
    CheckText(program, "after the check, status", "100% - 8 records checked",
              WindowText(program, check, IDC_CHECK_STATUS));
    CheckText(program, "after the check, summary", ExpectedSummary(expected.summary, false),
              WindowText(program, check, IDC_CHECK_SUMMARY));
    LRESULT position = SendWithLimit(program, GetDlgItem(check, IDC_CHECK_PROGRESS), PBM_GETPOS, 0, 0);
    Check(program, position == 1000, "after the check the bar is full, at " + std::to_string(position));
    CheckList(program, check, "the list", expected);
    SaveScreen(program, shots + "\\10-check-done.bmp");
    SaveScreen(program, shots + "\\check-dialog.bmp", check);

    std::printf("saving the report\n");
    const std::string report = program.folder + "\\report.txt";
    const std::string expected_report = ExpectedReport(path, expected, false);
    SaveReport(program, main, check, report, false, "problems-check.txt");
    CheckReportFile(program, report, expected_report);
    std::printf("saving the report over an older one\n");
    WriteFileBytes(report, "an older report\r\n");
    SaveReport(program, main, check, report, true, "problems-check.txt");
    CheckReportFile(program, report, expected_report);

    std::printf("record check with checksum fields\n");
    LibraryCheck with_checksums = CheckWithLibrary(program, path, true);
    SendWithLimit(program, GetDlgItem(check, IDC_CHECK_CHECKSUMS), BM_CLICK, 0, 0);
    StartCheck(program, check);
    WaitForCheckEnd(program, check);
    CheckText(program, "checked with checksum fields, summary", ExpectedSummary(with_checksums.summary, true),
              WindowText(program, check, IDC_CHECK_SUMMARY));
    CheckList(program, check, "the list with checksum fields", with_checksums);
    PostMessageA(check, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitUntilGone(program, check, "the check dialog");
    Settle(program, main);

    std::printf("the choice is kept for the next check\n");
    check = OpenCheckDialog(program, main, path, true);
    PressButton(check, IDCANCEL);
    WaitUntilGone(program, check, "the check dialog");
    CloseUnexpectedBoxes(program, main, "after the record checks");

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckNormalEnd(program, "the close box");
    log += "Check: " + ExpectedSummary(expected.summary, false) + "\r\n";
    log += "Check with checksums: " + ExpectedSummary(with_checksums.summary, true) + "\r\n";
    CheckLog(program, log + SEPARATOR);
}

// Whether `actual` is `pattern` with each '#' standing for one or more digits.
static bool MatchesWithNumbers(const std::string &pattern, const std::string &actual)
{
    size_t a = 0;
    for (char c : pattern) {
        if (c != '#') {
            if (a >= actual.size() || actual[a] != c)
                return false;
            ++a;
            continue;
        }
        size_t digits = a;
        while (a < actual.size() && actual[a] >= '0' && actual[a] <= '9')
            ++a;
        if (a == digits)
            return false;
    }
    return a == actual.size();
}

// "Choose file..." cancelled, then a NAACCR XML file chosen in the check window and checked; returns the
// lines the check adds to the log.
static std::string ChooseAndCheckXml(const Program &program, HWND check, const std::string &before)
{
    std::printf("the check window's own file: cancelled, then a NAACCR XML file\n");
    PressButton(check, IDC_CHECK_CHOOSE);
    AnswerOpenDialog(program, check, CHOOSE_CAPTION, "");
    Settle(program, check);
    CheckText(program, "choice cancelled, path", before, WindowText(program, check, IDC_CHECK_PATH));
    Check(program, Enabled(check, IDC_CHECK_SAVE), "choice cancelled: the report can still be saved");

    const std::string xml = SamplesFolder(program) + "\\chosen.xml";
    WriteFileBytes(xml, "<?xml version=\"1.0\"?>\r\n<NaaccrData "
                        "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
                        "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\r\n"
                        "<Patient><Tumor/><Tumor/></Patient>\r\n</NaaccrData>\r\n");
    PressButton(check, IDC_CHECK_CHOOSE);
    AnswerOpenDialog(program, check, CHOOSE_CAPTION, xml);
    Settle(program, check);
    CheckText(program, "chosen XML, path", xml, WindowText(program, check, IDC_CHECK_PATH));
    CheckText(program, "chosen XML, status", "Press Start to check every record.",
              WindowText(program, check, IDC_CHECK_STATUS));
    Check(program, !Enabled(check, IDC_CHECK_SAVE), "chosen XML: no report before its check");
    StartCheck(program, check);
    WaitForCheckEnd(program, check);
    CheckText(program, "chosen XML, status after the check",
              "100% - 2 tumours checked - NAACCR XML, version 250, record type I",
              WindowText(program, check, IDC_CHECK_STATUS));
    CheckText(program, "chosen XML, summary", "2 records, no problems", WindowText(program, check, IDC_CHECK_SUMMARY));
    return "File: " + xml + "\r\nCheck: 2 records, no problems\r\n";
}

static void CancelRun(const std::string &folder, const std::string &shots, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = OkFileOnly(program);
    WriteSamples(program, selections);

    // Large enough that a check cannot end between two presses: about 300 MB.
    const std::string chunk = Records('I', "150", 3339, 1000, "\r\n");
    const int chunks = 90;
    Selection large = {
        "large file",
        "large.txt",
        chunk,
        false,
        {"", "", "I", "150", "3341", true, true, std::to_string(chunk.size() * chunks), std::to_string(1000 * chunks)},
        "",
        "",
        "Record Type: I    Version: 1",
        "Termination: <cr><lf>",
        "Record Length: 3341",
        "Record Count: " + std::to_string(1000 * chunks)};
    const std::string large_path = SamplePath(program, large);
    FILE *file = std::fopen(large_path.c_str(), "wb");
    bool written = file != NULL;
    for (int k = 0; written && k < chunks; ++k)
        written = std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        Fatal(program, "cannot write " + large_path);

    HWND main = WaitForMainDialog(program);
    std::printf("selection: %s\n", large.label.c_str());
    std::string log = Select(program, main, large, "");

    std::printf("a check cancelled with \"Cancel\"\n");
    HWND check = OpenCheckDialog(program, main, large_path, false);
    StartCheck(program, check);
    Check(program,
          Enabled(check, IDC_CHECK_STOP) && !Enabled(check, IDC_CHECK_START) && !Enabled(check, IDC_CHECK_CHECKSUMS) &&
              !Enabled(check, IDC_CHECK_CHOOSE),
          "while the check runs, Cancel is enabled and Start, Choose file... and the check box are not");
    SendWithLimit(program, check, WM_COMMAND, MAKEWPARAM(IDC_CHECK_STOP, BN_CLICKED),
                  reinterpret_cast<LPARAM>(GetDlgItem(check, IDC_CHECK_STOP)));
    WaitForCheckEnd(program, check);
    std::string status = WindowText(program, check, IDC_CHECK_STATUS);
    std::string summary = WindowText(program, check, IDC_CHECK_SUMMARY);
    Check(program, MatchesWithNumbers("Cancelled at #% - # records checked", status),
          "after \"Cancel\", status: \"" + status + "\"");
    Check(program, MatchesWithNumbers("Cancelled after # records, no problems so far", summary),
          "after \"Cancel\", summary: \"" + summary + "\"");
    unsigned long checked = std::strtoul(summary.c_str() + std::strlen("Cancelled after "), NULL, 10);
    Check(program, checked < 1000ul * chunks,
          "the cancelled check stopped before the end, after " + std::to_string(checked) + " records");
    SaveScreen(program, shots + "\\11-check-cancelled.bmp");
    log += "Check: cancelled after " + std::to_string(checked) + " records, no problems so far\r\n";

    std::printf("a check cancelled by closing the dialog\n");
    StartCheck(program, check);
    PressButton(check, IDCANCEL);
    WaitUntilGone(program, check, "the check dialog closed while checking");
    Settle(program, main);
    CloseUnexpectedBoxes(program, main, "after closing the check dialog");
    log += "Check: cancelled after # records, no problems so far\r\n";

    std::printf("selection afterwards: %s\n", selections.front().label.c_str());
    log += Select(program, main, selections.front(), "");
    check = OpenCheckDialog(program, main, SamplePath(program, selections.front()), false);
    StartCheck(program, check);
    WaitForCheckEnd(program, check);
    CheckText(program, "the small file, summary", "3 records, no problems",
              WindowText(program, check, IDC_CHECK_SUMMARY));
    CheckList(program, check, "the small file's list", LibraryCheck{});
    Check(program, !Enabled(check, IDC_CHECK_STOP), "without a check running Cancel is disabled");
    log += "Check: 3 records, no problems\r\n";
    log += ChooseAndCheckXml(program, check, SamplePath(program, selections.front()));
    PressButton(check, IDCANCEL);
    WaitUntilGone(program, check, "the check dialog");

    PressButton(main, IDCANCEL);
    CheckNormalEnd(program, "\"Quit\"");
    std::string actual;
    ReadFileBytes(program.folder + "\\veldrix.log", actual);
    if (!Check(program, MatchesWithNumbers(log, actual), "veldrix.log after the cancelled checks")) {
        WriteFileBytes(program.folder + "\\veldrix.log.expected", log);
        std::printf("  expected (# for a number):\n%s  actual:\n%s", log.c_str(), actual.c_str());
    }
}

static void OlderLibraryRun(const std::string &folder, int *failures)
{
    Program program = StartProgram(folder + "\\veldrix.exe", folder, failures);
    std::vector<Selection> selections = OkFileOnly(program);
    WriteSamples(program, selections);
    HWND main = WaitForMainDialog(program);
    std::printf("selection with a library without the record checker: %s\n", selections.front().label.c_str());
    std::string log = Select(program, main, selections.front(), "");
    ExpectNoCheckDialog(program, main, "with a library without the record checker");
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckNormalEnd(program, "the close box");
    CheckLog(program, log + SEPARATOR);
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::printf("usage: e2e_driver close|quit|nolog|show|check|cancel|older FOLDER SHOTS\n");
        return 2;
    }
    std::string scenario = argv[1];
    std::string folder = argv[2];
    std::string shots = argv[3];
    int failures = 0;
    if (scenario == "close")
        CloseRun(folder, shots, &failures);
    else if (scenario == "quit")
        QuitRun(folder, &failures);
    else if (scenario == "nolog")
        NoLogRun(folder, shots, &failures);
    else if (scenario == "show")
        ShowRun(folder, shots, &failures);
    else if (scenario == "check")
        CheckRun(folder, shots, &failures);
    else if (scenario == "cancel")
        CancelRun(folder, shots, &failures);
    else if (scenario == "older")
        OlderLibraryRun(folder, &failures);
    else {
        std::printf("unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    if (failures != 0) {
        std::printf("%s: failed checks: %d\n", scenario.c_str(), failures);
        return 1;
    }
    std::printf("%s: passed\n", scenario.c_str());
    return 0;
}
