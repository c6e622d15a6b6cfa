// platform.h -- what the library needs of the machine it runs on: file
// access, threads, the CRC-32 engine, the scan for unprintable bytes and the
// scan of XML text.  Each comes in whole files chosen by the build: _posix or
// _windows for the operating system, _x86 or _portable for the processor.
#ifndef PLATFORM_H
#define PLATFORM_H

#include <stddef.h>
#include <stdint.h>

#include <atomic>

// ---- file access (file_access_posix.cpp, file_access_windows.cpp) ----
// The few file-system operations that the library needs: open a regular file
// for reading, read at an offset, close.

// An open file: a descriptor on POSIX systems, a HANDLE on Windows.
struct ReadableFile {
    intptr_t handle;
};

// Opens `path`, exactly as given, for binary reading without blocking, and
// refuses anything but a regular file (a directory, FIFO or device is closed
// again at once).  On success sets *size to the file's size and returns true.
bool open_regular_file(const char *path, ReadableFile *file, int64_t *size);

// Reads up to `n` bytes at `offset` into `buffer` and sets *delivered: fewer
// than `n` only at the end of the file.  Returns false on a read error.  Calls
// from several threads on the same file may overlap.
bool read_file_at(const ReadableFile &file, int64_t offset, void *buffer, size_t n, size_t *delivered);

void close_readable_file(const ReadableFile &file);

// Directory separators: on Windows both '/' and '\' separate and a path is
// given back with '\'; elsewhere only '/' separates and '\' is a name character.
bool is_path_separator(char c);
char native_path_separator();

// ---- threads (threads_posix.cpp, threads_windows.cpp) ----
// The little the record checker needs of threads: start and join a thread, a
// monitor (a lock with a condition to wait for), and the number of
// processors; none of them throws or keeps state of its own.

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

// Sets `flag` under the monitor's lock and wakes every waiter: how a pool of
// workers is told to stop, so that none waits on past it.
inline void raise_and_notify(Monitor *monitor, std::atomic<bool> *flag)
{
    lock_monitor(monitor);
    flag->store(true);
    notify_monitor(monitor);
    unlock_monitor(monitor);
}

// Processors available to this process, at least 1.
unsigned processor_count();

// ---- CRC-32 (crc32.cpp and its _x86 or _portable form) ----
// The CRC-32/ISO-HDLC engine behind the check fields.  It works on the raw
// register: start from CRC32_PRESET, feed the message in as many pieces as
// convenient, and complement the register at the end.  Feeding a message in
// two pieces gives the same register as feeding it in one, so a record can be
// hashed around a field without copying it.  crc32.cpp holds the table and
// the reference form; crc32_x86.cpp picks PCLMULQDQ or VPCLMULQDQ at run
// time, and crc32_portable.cpp serves every other processor with the
// reference form.

#define CRC32_PRESET 0xFFFFFFFFu

// The standard table of the reflected polynomial 0xEDB88320: entry n is the
// register after eight shift steps that start from n.
extern const uint32_t crc32_table[256];

// Feeds `n` bytes into the register `state` and returns the new register.
// Uses the fastest form this processor runs; every form gives the same result.
uint32_t crc32_update(uint32_t state, const unsigned char *bytes, size_t n);

// The reference form: one table look-up per byte.
uint32_t crc32_update_reference(uint32_t state, const unsigned char *bytes, size_t n);

// The folding forms, for tests and benchmarks.  Each may be called only when
// its crc32_has_... function returns true.
bool crc32_has_pclmul();
uint32_t crc32_update_pclmul(uint32_t state, const unsigned char *bytes, size_t n);
bool crc32_has_vpclmul();
uint32_t crc32_update_vpclmul(uint32_t state, const unsigned char *bytes, size_t n);

// ---- the printable scan (printable_scan.cpp and its _x86 or _portable form) ----
// Finds the first byte of a run that is not printable (outside 32 to 126):
// the end of a record, or a byte that has no place in one.  The x86 form
// picks SSE2 or AVX2 at run time.

// A byte a flat record may hold, and a message shows as itself: 32 to 126.
inline bool is_printable(unsigned char c) { return c >= 32 && c <= 126; }

// Offset of the first byte in [from, end) that is not printable, or `end`
// when there is none.  Reads no byte outside [from, end).
size_t skip_printable(const unsigned char *bytes, size_t from, size_t end);

// The byte-at-a-time form: for a record in memory whose size is not known,
// which may be read only up to the byte that ends it; and for tests and
// benchmarks.
size_t skip_printable_bytewise(const unsigned char *bytes, size_t from, size_t end);

// ---- the XML text scan (markup_scan.cpp and its _x86 or _portable form) ----
// Finds where XML text stops being bytes that stand for themselves: the
// fast path of the NAACCR XML check reads the runs between in one step.
// The x86 form picks AVX2 at run time.

// A byte that ends a run of plain XML text: '<', '&', ']' (which may begin
// "]]>"), `quote`, a byte below 32 (tab and line ends too) or above 127.
inline bool ends_plain_text(unsigned char c, unsigned char quote)
{
    return c < 32 || c > 127 || c == '<' || c == '&' || c == ']' || c == quote;
}

// Offset of the first byte in [from, end) that ends plain text, or `end`
// when there is none.  Reads no byte outside [from, end).
size_t skip_plain_text(const unsigned char *bytes, size_t from, size_t end, unsigned char quote);

// The byte-at-a-time form, which the vector forms finish with.
size_t skip_plain_text_bytewise(const unsigned char *bytes, size_t from, size_t end, unsigned char quote);

#endif
