// file_access_posix.cpp -- reading a record file's head and last byte on POSIX systems.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_access.h"

namespace
{

bool read_fully(int fd, char *buffer, size_t capacity, off_t offset, size_t *delivered)
{
    size_t total = 0;
    while (total < capacity) {
        const ssize_t n = pread(fd, buffer + total, capacity - total, offset + static_cast<off_t>(total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += static_cast<size_t>(n);
    }
    *delivered = total;
    return true;
}

FileReadStatus read_open_file(int fd, char *buffer, size_t capacity, FileHead *head)
{
    // fstat before any read: a FIFO or a device is refused without waiting on it.
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        return FILE_READ_CANNOT_OPEN;
    if (st.st_size == 0)
        return FILE_READ_EMPTY;
    size_t got = 0;
    char last = 0;
    if (!read_fully(fd, &last, 1, st.st_size - 1, &got) || got != 1)
        return FILE_READ_CANNOT_OPEN;
    if (!read_fully(fd, buffer, capacity, 0, &head->bytes_read))
        return FILE_READ_CANNOT_OPEN;
    head->size = static_cast<int64_t>(st.st_size);
    head->last_byte = static_cast<unsigned char>(last);
    return FILE_READ_OK;
}

} // namespace

FileReadStatus read_file_head(const char *path, char *buffer, size_t capacity, FileHead *head)
{
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FILE_READ_CANNOT_OPEN;
    const FileReadStatus status = read_open_file(fd, buffer, capacity, head);
    close(fd);
    return status;
}

bool is_path_separator(char c) { return c == '/'; }

char native_path_separator() { return '/'; }
