// file_access.h -- the few file-system operations that file inspection needs,
// one implementation per platform (file_access_posix.cpp, file_access_windows.cpp).
#ifndef FILE_ACCESS_H
#define FILE_ACCESS_H

#include <stddef.h>
#include <stdint.h>

enum FileReadStatus {
    FILE_READ_OK,
    FILE_READ_EMPTY,      // a regular file of 0 bytes
    FILE_READ_CANNOT_OPEN // missing, not a regular file, or a failed size query or read
};

struct FileHead {
    int64_t size;            // the file's size in bytes
    size_t bytes_read;       // bytes delivered into the buffer, at most its capacity
    unsigned char last_byte; // the file's final byte
};

// Opens `path` for binary reading without blocking, refuses anything but a
// regular file, measures it, reads its last byte and up to `capacity` bytes of
// its head into `buffer`, and closes it on every path.
FileReadStatus read_file_head(const char *path, char *buffer, size_t capacity, FileHead *head);

// Directory separators: on Windows both '/' and '\' separate and a path is
// given back with '\'; elsewhere only '/' separates and '\' is a name character.
bool is_path_separator(char c);
char native_path_separator();

#endif
