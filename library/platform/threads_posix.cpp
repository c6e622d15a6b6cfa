// threads_posix.cpp -- threads and monitors with POSIX threads.
#include <pthread.h>
#include <unistd.h>

#include <new>

#include "platform/platform.h"

namespace
{

struct PosixMonitor {
    pthread_mutex_t mutex;
    pthread_cond_t condition;
};
static_assert(sizeof(PosixMonitor) <= sizeof(Monitor{}.storage), "a monitor fits its storage");

PosixMonitor *posix(Monitor *monitor) { return reinterpret_cast<PosixMonitor *>(monitor->storage); }

struct Start {
    void (*run)(void *);
    void *argument;
};

void *thread_main(void *start)
{
    const Start s = *static_cast<Start *>(start);
    delete static_cast<Start *>(start);
    s.run(s.argument);
    return nullptr;
}

} // namespace

bool start_worker_thread(WorkerThread *thread, void (*run)(void *), void *argument)
{
    Start *start = new (std::nothrow) Start{run, argument};
    if (start == nullptr)
        return false;
    pthread_t id;
    if (pthread_create(&id, nullptr, thread_main, start) != 0) {
        delete start;
        return false;
    }
    thread->handle = static_cast<intptr_t>(id);
    return true;
}

void join_worker_thread(const WorkerThread &thread) { pthread_join(static_cast<pthread_t>(thread.handle), nullptr); }

bool init_monitor(Monitor *monitor)
{
    PosixMonitor *m = posix(monitor);
    if (pthread_mutex_init(&m->mutex, nullptr) != 0)
        return false;
    if (pthread_cond_init(&m->condition, nullptr) != 0) {
        pthread_mutex_destroy(&m->mutex);
        return false;
    }
    return true;
}

void destroy_monitor(Monitor *monitor)
{
    pthread_cond_destroy(&posix(monitor)->condition);
    pthread_mutex_destroy(&posix(monitor)->mutex);
}

void lock_monitor(Monitor *monitor) { pthread_mutex_lock(&posix(monitor)->mutex); }
void unlock_monitor(Monitor *monitor) { pthread_mutex_unlock(&posix(monitor)->mutex); }
void wait_monitor(Monitor *monitor) { pthread_cond_wait(&posix(monitor)->condition, &posix(monitor)->mutex); }
void notify_monitor(Monitor *monitor) { pthread_cond_broadcast(&posix(monitor)->condition); }

unsigned processor_count()
{
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<unsigned>(n) : 1;
}
