// check_window.cpp -- the record check dialog: its dialog procedure (a dispatcher to record_check_dialog's
// logic), the checking thread, and the lock and notices through which the thread hands over its news.
#include "check_window.h"

#include <commctrl.h>
#include <string.h>

#include "record_check_dialog.h"
#include "resource.h"
#include "window_ui.h"

// The notice that the checking thread has news (CheckSignals.notify).
#define WM_CHECK_NEWS (WM_APP + 1)
// While a check runs the news is also looked at on a timer, in case the system refused a notice.
#define NEWS_TIMER 1
#define NEWS_TIMER_MS 500

// One opening of the dialog. It lives on the stack of RunCheckWindow, which returns only once the
// checking thread has ended.
struct CheckSession {
    ProgramState *program;
    CheckDialog dialog;
    CRITICAL_SECTION lock;
    HWND window;
    HANDLE thread;
};

static void *find_loaded_module(void *, const char *name) { return (void *)GetModuleHandleA(name); }
static LibraryEntry find_entry(void *, void *module, const char *name)
{
    return (LibraryEntry)GetProcAddress((HMODULE)module, name);
}
const LibrarySystem loaded_library_system = {NULL, find_loaded_module, find_entry};

void AddCheckMenuItem(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(menu, MF_STRING, IDM_CHECK_RECORDS, "Check every record...");
}

static void lock_session(void *context) { EnterCriticalSection(&((CheckSession *)context)->lock); }
static void unlock_session(void *context) { LeaveCriticalSection(&((CheckSession *)context)->lock); }
static int notify_window(void *context) { return PostMessageA(((CheckSession *)context)->window, WM_CHECK_NEWS, 0, 0); }

static DWORD WINAPI CheckThread(void *job)
{
    RunCheckJob((CheckJob *)job);
    return 0;
}

static void StartThread(CheckSession *session, const DialogUi *ui)
{
    CheckSignals signals = {session, lock_session, unlock_session, notify_window};
    if (!StartCheck(ui, &session->dialog, &signals))
        return;
    session->thread = CreateThread(NULL, 0, CheckThread, &session->dialog.job, 0, NULL);
    if (session->thread == NULL) {
        AbandonCheck(ui, &session->dialog);
        return;
    }
    SetTimer(session->window, NEWS_TIMER, NEWS_TIMER_MS, NULL);
}

// Waits for the checking thread, which has returned from the checker or been told to stop, and shows
// the outcome. The notices still queued carry no data of their own: they are removed unread.
static void EndThread(CheckSession *session, const DialogUi *ui)
{
    WaitForSingleObject(session->thread, INFINITE);
    CloseHandle(session->thread);
    session->thread = NULL;
    KillTimer(session->window, NEWS_TIMER);
    MSG message;
    while (PeekMessageA(&message, session->window, WM_CHECK_NEWS, WM_CHECK_NEWS, PM_REMOVE))
        ;
    FinishCheck(ui, &session->dialog);
}

static void ShowNews(CheckSession *session, const DialogUi *ui)
{
    if (session->thread != NULL && ShowCheckNews(ui, &session->dialog))
        EndThread(session, ui);
}

// Close, Escape and the close box: a running check is cancelled and waited for, so that the dialog
// never ends while its thread still writes to it.
static void CloseCheckWindow(CheckSession *session, const DialogUi *ui)
{
    if (session->thread != NULL) {
        StopCheck(ui, &session->dialog);
        EndThread(session, ui);
    }
    EndDialog(session->window, 0);
}

// The list asks for the text of each cell it draws; the answer is copied into its buffer.
static void AnswerCellText(CheckSession *session, NMHDR *header)
{
    if (header->idFrom != IDC_CHECK_LIST)
        return;
    if (header->code == LVN_GETDISPINFOA) {
        LVITEMA *item = &((NMLVDISPINFOA *)header)->item;
        if ((item->mask & LVIF_TEXT) && item->pszText != NULL && item->cchTextMax > 0)
            CheckCellText(&session->dialog, (uint32_t)item->iItem, item->iSubItem, item->pszText,
                          (size_t)item->cchTextMax);
    } else if (header->code == LVN_GETDISPINFOW) {
        LVITEMW *item = &((NMLVDISPINFOW *)header)->item;
        if ((item->mask & LVIF_TEXT) && item->pszText != NULL && item->cchTextMax > 0) {
            char text[TEXT_CAPACITY];
            CheckCellText(&session->dialog, (uint32_t)item->iItem, item->iSubItem, text, sizeof text);
            if (MultiByteToWideChar(CP_ACP, 0, text, -1, item->pszText, item->cchTextMax) == 0)
                item->pszText[item->cchTextMax - 1] = L'\0';
        }
    }
}

// The dialog procedure of IDD_CHECK. WM_INITDIALOG brings the session in lParam; it is kept with the
// window (DWLP_USER).
static INT_PTR CALLBACK CheckDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogUi ui = WindowUi(window);
    if (message == WM_NOTIFYFORMAT) {
        // The list's notifications come in the narrow form, as the rest of the program's texts.
        SetWindowLongPtrA(window, DWLP_MSGRESULT, NFR_ANSI);
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        CheckSession *session = (CheckSession *)lParam;
        SetWindowLongPtrA(window, DWLP_USER, (LONG_PTR)session);
        session->window = window;
        InitCheckDialog(&ui, &session->dialog, session->program);
        return TRUE;
    }
    CheckSession *session = (CheckSession *)GetWindowLongPtrA(window, DWLP_USER);
    if (session == NULL)
        return FALSE;
    switch (message) {
    case WM_CHECK_NEWS:
    case WM_TIMER:
        ShowNews(session, &ui);
        return TRUE;
    case WM_NOTIFY:
        // The list ignores what its text requests return; other notifications keep their defaults.
        AnswerCellText(session, (NMHDR *)lParam);
        return FALSE;
    case WM_CLOSE:
        CloseCheckWindow(session, &ui);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CHECK_CHOOSE:
            ChooseCheckFile(&ui, &session->dialog);
            return TRUE;
        case IDC_CHECK_START:
            StartThread(session, &ui);
            return TRUE;
        case IDC_CHECK_STOP:
            StopCheck(&ui, &session->dialog);
            return TRUE;
        case IDC_CHECK_SAVE:
            SaveCheckReport(&ui, &session->dialog);
            return TRUE;
        case IDCANCEL:
            CloseCheckWindow(session, &ui);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void RunCheckWindow(HWND owner, ProgramState *program)
{
    CheckSession session;
    memset(&session, 0, sizeof session);
    session.program = program;
    InitializeCriticalSection(&session.lock);
    DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_CHECK), owner, CheckDialogProc, (LPARAM)&session);
    ReleaseCheckDialog(&session.dialog);
    DeleteCriticalSection(&session.lock);
}
