// output_file_posix.cpp -- the safe output file on POSIX systems: open with
// O_CREAT | O_EXCL | O_NOFOLLOW, fsync, rename, and signal handlers that
// remove the temporary file; standard output as a descriptor, and holes left
// by lseek.
#include "io/io.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace
{

const int cleanup_signals[] = {SIGINT, SIGTERM, SIGHUP};

// A signal handler sees only static storage, so the path to remove on an
// interrupt is the one piece of process-wide state of this program.  It is
// written while the signals are blocked, before the file exists.
char cleanup_path[output_path_capacity];
volatile sig_atomic_t cleanup_armed = 0;

void remove_on_signal(int sig)
{
    if (cleanup_armed)
        unlink(cleanup_path);
    signal(sig, SIG_DFL);
    raise(sig);
}

void block_cleanup_signals(bool block, sigset_t *saved)
{
    if (!block) {
        sigprocmask(SIG_SETMASK, saved, nullptr);
        return;
    }
    sigset_t set;
    sigemptyset(&set);
    for (int sig : cleanup_signals)
        sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, saved);
}

// Installs the handler for each signal that is not ignored (nohup ignores SIGHUP).
void install_handlers()
{
    for (int sig : cleanup_signals) {
        struct sigaction old;
        if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action;
        memset(&action, 0, sizeof action);
        action.sa_handler = remove_on_signal;
        sigemptyset(&action.sa_mask);
        sigaction(sig, &action, nullptr);
    }
}

void describe(char *error, size_t capacity, const char *what, int code)
{
    snprintf(error, capacity, "%s: %s", what, strerror(code));
}

bool write_all(int fd, const void *bytes, size_t n)
{
    const char *p = static_cast<const char *>(bytes);
    while (n > 0) {
        const ssize_t done = write(fd, p, n);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        p += done;
        n -= static_cast<size_t>(done);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be opened or synced
// (some file systems refuse) changes nothing about the copy.
void sync_folder(const char *out)
{
    char folder[output_path_capacity];
    const size_t n = output_folder_length(out);
    if (n >= sizeof folder)
        return;
    if (n == 0)
        snprintf(folder, sizeof folder, ".");
    else
        snprintf(folder, sizeof folder, "%.*s", static_cast<int>(n), out);
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The step of create_output_named and create_private_named: `temporary`
// made with `mode`, exactly whatever the umask when `exact_mode`.
int create_named(const char *temporary, mode_t mode, bool exact_mode, const char *what, OutputFile *file, char *error,
                 size_t capacity)
{
    file->handle = -1;
    snprintf(file->temporary, sizeof file->temporary, "%s", temporary);
    sigset_t saved;
    block_cleanup_signals(true, &saved);
    const int fd =
        open(file->temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exact_mode ? 0600 : mode);
    const int code = errno;
    if (fd >= 0) {
        memcpy(cleanup_path, file->temporary, sizeof cleanup_path);
        cleanup_armed = 1;
        install_handlers();
    }
    block_cleanup_signals(false, &saved);
    if (fd < 0) {
        describe(error, capacity, what, code);
        return code == EEXIST ? 1 : 2;
    }
    file->handle = fd;
    if (exact_mode && fchmod(fd, mode) != 0) {
        describe(error, capacity, "cannot set the temporary file's permissions", errno);
        discard_output(file);
        return 2;
    }
    return 0;
}

} // namespace

PathKind path_kind(const char *path, bool follow_links)
{
    struct stat st;
    const int result = follow_links ? stat(path, &st) : lstat(path, &st);
    if (result != 0)
        return errno == ENOENT || errno == ENOTDIR ? PATH_ABSENT : PATH_UNKNOWN;
    return S_ISREG(st.st_mode) ? PATH_REGULAR : PATH_OTHER;
}

bool is_same_file(const char *input, const char *out)
{
    struct stat a, b;
    const int result = input != nullptr ? stat(input, &a) : fstat(STDIN_FILENO, &a);
    return result == 0 && stat(out, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int create_output_named(const char *temporary, const char *input, OutputFile *file, char *error, size_t capacity)
{
    // A copy gets the input's read, write and execute bits exactly; the
    // set-user-ID, set-group-ID and sticky bits are never copied.
    mode_t mode = 0666;
    bool exact_mode = false;
    struct stat st;
    if (input != nullptr && stat(input, &st) == 0) {
        mode = st.st_mode & 0777;
        exact_mode = true;
    }
    return create_named(temporary, mode, exact_mode, "cannot make a temporary file next to it", file, error, capacity);
}

int create_private_named(const char *temporary, OutputFile *file, char *error, size_t capacity)
{
    return create_named(temporary, 0600, true, "cannot make a temporary file in the folder for them", file, error,
                        capacity);
}

bool temporary_folder(char *folder, size_t capacity)
{
    const char *tmpdir = getenv("TMPDIR");
    if (tmpdir == nullptr || tmpdir[0] == '\0')
        tmpdir = "/tmp";
    const size_t n = strlen(tmpdir);
    const int made = snprintf(folder, capacity, "%s%s", tmpdir, tmpdir[n - 1] == '/' ? "" : "/");
    return made >= 0 && static_cast<size_t>(made) < capacity;
}

uint64_t temporary_name_bits(int attempt)
{
    uint64_t bits = 0;
    const int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        if (read(fd, &bits, sizeof bits) != static_cast<ssize_t>(sizeof bits))
            bits = 0;
        close(fd);
    }
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return bits ^ (static_cast<uint64_t>(now.tv_nsec) << 20) ^ static_cast<uint64_t>(getpid()) ^
           static_cast<uint64_t>(attempt);
}

size_t output_folder_length(const char *out)
{
    const char *slash = strrchr(out, '/');
    return slash != nullptr ? static_cast<size_t>(slash - out + 1) : 0;
}

bool write_output(OutputFile *file, const void *bytes, size_t n)
{
    return write_all(static_cast<int>(file->handle), bytes, n);
}

bool commit_output(OutputFile *file, const char *out, char *error, size_t capacity)
{
    if (file->temporary[0] == '\0')
        return true; // standard output: written as it came
    const int fd = static_cast<int>(file->handle);
    if (fsync(fd) != 0) {
        describe(error, capacity, "cannot flush the copy to the disk", errno);
        discard_output(file);
        return false;
    }
    file->handle = -1;
    if (close(fd) != 0) {
        describe(error, capacity, "cannot write the copy", errno);
        discard_output(file);
        return false;
    }
    sigset_t saved;
    block_cleanup_signals(true, &saved);
    const bool renamed = rename(file->temporary, out) == 0;
    const int code = errno;
    if (renamed)
        cleanup_armed = 0;
    block_cleanup_signals(false, &saved);
    if (!renamed) {
        describe(error, capacity, "cannot replace it with the copy", code);
        discard_output(file);
        return false;
    }
    sync_folder(out);
    return true;
}

void discard_output(OutputFile *file)
{
    if (file->temporary[0] == '\0')
        return;
    if (file->handle >= 0)
        close(static_cast<int>(file->handle));
    file->handle = -1;
    sigset_t saved;
    block_cleanup_signals(true, &saved);
    unlink(file->temporary);
    cleanup_armed = 0;
    block_cleanup_signals(false, &saved);
}

void use_standard_output(OutputFile *file)
{
    file->handle = STDOUT_FILENO;
    file->temporary[0] = '\0';
}

bool seek_output(OutputFile *file, uint64_t offset)
{
    return lseek(static_cast<int>(file->handle), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

bool close_output(OutputFile *file)
{
    const int fd = static_cast<int>(file->handle);
    file->handle = -1;
    return close(fd) == 0;
}
