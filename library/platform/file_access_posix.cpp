// file_access_posix.cpp -- opening and reading files on POSIX systems.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"

bool open_regular_file(const char *path, ReadableFile *file, int64_t *size)
{
    // O_NONBLOCK and fstat before any read: a FIFO or a device is refused
    // without waiting on it.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        close(fd);
        return false;
    }
    file->handle = fd;
    *size = static_cast<int64_t>(st.st_size);
    return true;
}

bool read_file_at(const ReadableFile &file, int64_t offset, void *buffer, size_t n, size_t *delivered)
{
    char *bytes = static_cast<char *>(buffer);
    size_t total = 0;
    while (total < n) {
        const ssize_t got = pread(static_cast<int>(file.handle), bytes + total, n - total,
                                  static_cast<off_t>(offset + static_cast<int64_t>(total)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        total += static_cast<size_t>(got);
    }
    *delivered = total;
    return true;
}

void close_readable_file(const ReadableFile &file) { close(static_cast<int>(file.handle)); }

bool is_path_separator(char c) { return c == '/'; }

char native_path_separator() { return '/'; }
