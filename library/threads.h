// threads.h -- the little the record checker needs of threads: start and join
// a thread, a monitor (a lock with a condition to wait for), and the number of
// processors.  One implementation per platform (threads_posix.cpp,
// threads_windows.cpp); none of them throws or keeps state of its own.
#ifndef THREADS_H
#define THREADS_H

#include <stdint.h>

struct WorkerThread {
    intptr_t handle;
};

// Starts run(argument) on a new thread.  False when no thread can be started.
bool start_worker_thread(WorkerThread *thread, void (*run)(void *), void *argument);
// Waits for the thread to end and releases it.
void join_worker_thread(const WorkerThread &thread);

// A lock and one condition.  Its storage belongs to the caller; the platform
// file checks that its own objects fit.
struct Monitor {
    alignas(16) unsigned char storage[128];
};

bool init_monitor(Monitor *monitor);
void destroy_monitor(Monitor *monitor);
void lock_monitor(Monitor *monitor);
void unlock_monitor(Monitor *monitor);
// Releases the lock, waits until notified, and takes the lock again.
void wait_monitor(Monitor *monitor);
void notify_monitor(Monitor *monitor);

// Processors available to this process, at least 1.
unsigned processor_count();

#endif
