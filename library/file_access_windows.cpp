// file_access_windows.cpp -- opening and reading files on Windows.
#include <windows.h>

#include "file_access.h"

bool open_regular_file(const char *path, ReadableFile *file, int64_t *size)
{
    // Shared as the C runtime's fopen shares: others may read and write the
    // file while it is open here.
    // The path is converted from the ANSI code page here, as CreateFileA would
    // convert it, because Wine's CreateFileA converts into a buffer of MAX_PATH
    // characters and so refuses longer paths that Windows and fopen accept.
    wchar_t wide[4096];
    if (MultiByteToWideChar(CP_ACP, 0, path, -1, wide, sizeof wide / sizeof wide[0]) == 0)
        return false;
    HANDLE handle = CreateFileW(wide, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // A device such as CON or NUL opens like a file; only files on disk are read.
    BY_HANDLE_FILE_INFORMATION details;
    LARGE_INTEGER length;
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &details) ||
        (details.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !GetFileSizeEx(handle, &length) ||
        length.QuadPart < 0) {
        CloseHandle(handle);
        return false;
    }
    file->handle = reinterpret_cast<intptr_t>(handle);
    *size = length.QuadPart;
    return true;
}

bool read_file_at(const ReadableFile &file, int64_t offset, void *buffer, size_t n, size_t *delivered)
{
    HANDLE handle = reinterpret_cast<HANDLE>(file.handle);
    char *bytes = static_cast<char *>(buffer);
    size_t total = 0;
    while (total < n) {
        const size_t want = n - total < (1u << 30) ? n - total : (1u << 30);
        const uint64_t at = static_cast<uint64_t>(offset) + total;
        OVERLAPPED position = {};
        position.Offset = static_cast<DWORD>(at);
        position.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD got = 0;
        if (!ReadFile(handle, bytes + total, static_cast<DWORD>(want), &got, &position)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return false;
        }
        if (got == 0)
            break;
        total += got;
    }
    *delivered = total;
    return true;
}

void close_readable_file(const ReadableFile &file) { CloseHandle(reinterpret_cast<HANDLE>(file.handle)); }

bool is_path_separator(char c) { return c == '/' || c == '\\'; }

char native_path_separator() { return '\\'; }
