// file_access.h -- the few file-system operations that the library needs: open
// a regular file for reading, read at an offset, close.  One implementation per
// platform (file_access_posix.cpp, file_access_windows.cpp).
#ifndef FILE_ACCESS_H
#define FILE_ACCESS_H

#include <stddef.h>
#include <stdint.h>

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

#endif
