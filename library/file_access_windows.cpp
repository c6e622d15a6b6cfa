// file_access_windows.cpp -- reading a record file's head and last byte on Windows.
#include <stdio.h>
#include <sys/stat.h>
#include <sys/types.h>

#include "file_access.h"

namespace
{

FileReadStatus read_open_file(FILE *file, char *buffer, size_t capacity, FileHead *head)
{
    // A device such as CON or NUL opens like a file; only regular files are read.
    struct _stat64 st;
    if (_fstat64(_fileno(file), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG)
        return FILE_READ_CANNOT_OPEN;
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return FILE_READ_CANNOT_OPEN;
    const int64_t size = _ftelli64(file);
    if (size < 0)
        return FILE_READ_CANNOT_OPEN;
    if (size == 0)
        return FILE_READ_EMPTY;
    if (_fseeki64(file, -1, SEEK_END) != 0)
        return FILE_READ_CANNOT_OPEN;
    const int last = fgetc(file);
    if (last == EOF || _fseeki64(file, 0, SEEK_SET) != 0)
        return FILE_READ_CANNOT_OPEN;
    head->bytes_read = fread(buffer, 1, capacity, file);
    if (ferror(file))
        return FILE_READ_CANNOT_OPEN;
    head->size = size;
    head->last_byte = static_cast<unsigned char>(last);
    return FILE_READ_OK;
}

} // namespace

FileReadStatus read_file_head(const char *path, char *buffer, size_t capacity, FileHead *head)
{
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return FILE_READ_CANNOT_OPEN;
    const FileReadStatus status = read_open_file(file, buffer, capacity, head);
    fclose(file);
    return status;
}

bool is_path_separator(char c) { return c == '/' || c == '\\'; }

char native_path_separator() { return '\\'; }
