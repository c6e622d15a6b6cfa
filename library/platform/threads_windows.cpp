// threads_windows.cpp -- threads and monitors with the Windows API (Vista and
// later): a critical section and a condition variable, from KERNEL32 alone.
#include <windows.h>

#include <new>

#include "platform/platform.h"

namespace
{

struct WindowsMonitor {
    CRITICAL_SECTION lock;
    CONDITION_VARIABLE condition;
};
static_assert(sizeof(WindowsMonitor) <= sizeof(Monitor{}.storage), "a monitor fits its storage");

WindowsMonitor *windows(Monitor *monitor) { return reinterpret_cast<WindowsMonitor *>(monitor->storage); }

struct Start {
    void (*run)(void *);
    void *argument;
};

DWORD WINAPI thread_main(LPVOID start)
{
    const Start s = *static_cast<Start *>(start);
    delete static_cast<Start *>(start);
    s.run(s.argument);
    return 0;
}

} // namespace

bool start_worker_thread(WorkerThread *thread, void (*run)(void *), void *argument)
{
    Start *start = new (std::nothrow) Start{run, argument};
    if (start == nullptr)
        return false;
    HANDLE handle = CreateThread(nullptr, 0, thread_main, start, 0, nullptr);
    if (handle == nullptr) {
        delete start;
        return false;
    }
    thread->handle = reinterpret_cast<intptr_t>(handle);
    return true;
}

void join_worker_thread(const WorkerThread &thread)
{
    HANDLE handle = reinterpret_cast<HANDLE>(thread.handle);
    WaitForSingleObject(handle, INFINITE);
    CloseHandle(handle);
}

bool init_monitor(Monitor *monitor)
{
    InitializeCriticalSection(&windows(monitor)->lock);
    InitializeConditionVariable(&windows(monitor)->condition);
    return true;
}

void destroy_monitor(Monitor *monitor) { DeleteCriticalSection(&windows(monitor)->lock); }
void lock_monitor(Monitor *monitor) { EnterCriticalSection(&windows(monitor)->lock); }
void unlock_monitor(Monitor *monitor) { LeaveCriticalSection(&windows(monitor)->lock); }
void wait_monitor(Monitor *monitor)
{
    SleepConditionVariableCS(&windows(monitor)->condition, &windows(monitor)->lock, INFINITE);
}
void notify_monitor(Monitor *monitor) { WakeAllConditionVariable(&windows(monitor)->condition); }

unsigned processor_count()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors > 0 ? info.dwNumberOfProcessors : 1;
}
