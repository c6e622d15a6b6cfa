// file_access_windows.cpp -- opening and reading files on Windows.
#include <windows.h>

#include <string.h>
#include <wchar.h>

#include "platform/platform.h"

namespace
{

// Room for a whole path of NaaccrFileInfo (directory, name and extension) made
// absolute, with the "\\?\UNC\" prefix.
const DWORD wide_path_capacity = 4096;

// Shared as the C runtime's fopen shares: others may read and write the file
// while it is open here.
const DWORD share_all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
const DWORD read_flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;

// The ANSI file functions stop at MAX_PATH characters; a longer path is opened
// through its extended form ("\\?\C:\..." or "\\?\UNC\server\..."), made from
// the full path that the wide functions give for it.
HANDLE open_long_path(const char *path)
{
    wchar_t wide[wide_path_capacity];
    if (MultiByteToWideChar(CP_ACP, 0, path, -1, wide, wide_path_capacity) == 0)
        return INVALID_HANDLE_VALUE;
    wchar_t full[wide_path_capacity];
    const DWORD length = GetFullPathNameW(wide, wide_path_capacity, full, nullptr);
    if (length == 0 || length >= wide_path_capacity)
        return INVALID_HANDLE_VALUE;
    wchar_t extended[wide_path_capacity + 8] = L"";
    if (wcsncmp(full, L"\\\\?\\", 4) == 0) {
        wcscpy(extended, full);
    } else if (wcsncmp(full, L"\\\\", 2) == 0) {
        wcscpy(extended, L"\\\\?\\UNC\\");
        wcscat(extended, full + 2);
    } else {
        wcscpy(extended, L"\\\\?\\");
        wcscat(extended, full);
    }
    return CreateFileW(extended, GENERIC_READ, share_all, nullptr, OPEN_EXISTING, read_flags, nullptr);
}

} // namespace

bool open_regular_file(const char *path, ReadableFile *file, int64_t *size)
{
    HANDLE handle = strlen(path) < MAX_PATH
                        ? CreateFileA(path, GENERIC_READ, share_all, nullptr, OPEN_EXISTING, read_flags, nullptr)
                        : open_long_path(path);
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
