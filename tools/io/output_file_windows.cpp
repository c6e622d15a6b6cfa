// output_file_windows.cpp -- the safe output file on Windows: CreateFileA
// with CREATE_NEW, FlushFileBuffers, MoveFileExA with MOVEFILE_REPLACE_EXISTING
// and MOVEFILE_WRITE_THROUGH, and a console control handler that removes the
// temporary file; standard output as its HANDLE, and sparse files for holes.
#include "io/io.h"

#include <windows.h>
#include <winioctl.h>

#include <stdio.h>
#include <string.h>

namespace
{

// The console control handler runs on a thread of its own and sees only
// static storage, so the path to remove is the one piece of process-wide state
// of this program.  The file is opened with FILE_SHARE_DELETE, so deleting it
// while it is open works: it goes when the process ends.
char cleanup_path[output_path_capacity];
volatile LONG cleanup_armed = 0;

BOOL WINAPI remove_on_interrupt(DWORD)
{
    if (InterlockedCompareExchange(&cleanup_armed, 0, 0) != 0)
        DeleteFileA(cleanup_path);
    return FALSE; // the default handler ends the process
}

bool is_separator(char c) { return c == '/' || c == '\\' || c == ':'; }

void describe(char *error, size_t capacity, const char *what, DWORD code)
{
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                   nullptr);
    size_t n = strlen(text);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.'))
        text[--n] = '\0';
    snprintf(error, capacity, "%s: %s (error %lu)", what, text, static_cast<unsigned long>(code));
}

// Opens `path` without following a reparse point, for its kind and identity.
HANDLE open_for_query(const char *path, DWORD flags)
{
    return CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

bool identity(HANDLE handle, BY_HANDLE_FILE_INFORMATION *info)
{
    return handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, info) != 0;
}

} // namespace

PathKind path_kind(const char *path, bool follow_links)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? PATH_ABSENT : PATH_UNKNOWN;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || (!follow_links && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)))
        return PATH_OTHER;
    // Devices (NUL, CON, COM1) and pipes have attributes too; their type tells.
    const HANDLE handle = open_for_query(path, follow_links ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    if (handle == INVALID_HANDLE_VALUE)
        return PATH_UNKNOWN;
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_DISK ? PATH_REGULAR : PATH_OTHER;
}

bool is_same_file(const char *input, const char *out)
{
    const HANDLE a = input != nullptr ? open_for_query(input, 0) : GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE b = open_for_query(out, 0);
    BY_HANDLE_FILE_INFORMATION ia, ib;
    const bool same = identity(a, &ia) && identity(b, &ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
                      ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
    if (input != nullptr && a != INVALID_HANDLE_VALUE)
        CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        CloseHandle(b);
    return same;
}

int create_output_named(const char *temporary, const char *input, OutputFile *file, char *error, size_t capacity)
{
    (void)input; // Windows files carry no permission bits to copy
    file->handle = -1;
    snprintf(file->temporary, sizeof file->temporary, "%s", temporary);
    SetConsoleCtrlHandler(remove_on_interrupt, TRUE);
    memcpy(cleanup_path, file->temporary, sizeof cleanup_path);
    // CREATE_NEW fails on any existing name, a link included.
    const HANDLE handle = CreateFileA(file->temporary, GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        describe(error, capacity, "cannot make a temporary file next to it", code);
        return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS ? 1 : 2;
    }
    InterlockedExchange(&cleanup_armed, 1);
    file->handle = reinterpret_cast<intptr_t>(handle);
    return 0;
}

// The user's own temporary folder is no one else's, as files there carry no
// permission bits of their own.
int create_private_named(const char *temporary, OutputFile *file, char *error, size_t capacity)
{
    return create_output_named(temporary, nullptr, file, error, capacity);
}

bool temporary_folder(char *folder, size_t capacity)
{
    const DWORD n = GetTempPathA(static_cast<DWORD>(capacity), folder);
    return n > 0 && n < capacity;
}

uint64_t temporary_name_bits(int attempt)
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return (static_cast<uint64_t>(counter.QuadPart) * 0x9E3779B97F4A7C15ull ^ GetTickCount64() ^
            (static_cast<uint64_t>(GetCurrentProcessId()) << 40)) +
           static_cast<uint64_t>(attempt);
}

size_t output_folder_length(const char *out)
{
    size_t n = strlen(out);
    while (n > 0 && !is_separator(out[n - 1]))
        --n;
    return n;
}

bool write_output(OutputFile *file, const void *bytes, size_t n)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(file->handle);
    const char *p = static_cast<const char *>(bytes);
    while (n > 0) {
        const DWORD chunk = n > (1u << 30) ? (1u << 30) : static_cast<DWORD>(n);
        DWORD done = 0;
        if (!WriteFile(handle, p, chunk, &done, nullptr) || done == 0)
            return false;
        p += done;
        n -= done;
    }
    return true;
}

bool commit_output(OutputFile *file, const char *out, char *error, size_t capacity)
{
    if (file->temporary[0] == '\0')
        return true; // standard output: written as it came
    const HANDLE handle = reinterpret_cast<HANDLE>(file->handle);
    if (!FlushFileBuffers(handle)) {
        describe(error, capacity, "cannot flush the copy to the disk", GetLastError());
        discard_output(file);
        return false;
    }
    file->handle = -1;
    CloseHandle(handle);
    if (!MoveFileExA(file->temporary, out, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        describe(error, capacity, "cannot replace it with the copy", GetLastError());
        discard_output(file);
        return false;
    }
    InterlockedExchange(&cleanup_armed, 0);
    return true;
}

void discard_output(OutputFile *file)
{
    if (file->temporary[0] == '\0')
        return;
    if (file->handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(file->handle));
    file->handle = -1;
    DeleteFileA(file->temporary);
    InterlockedExchange(&cleanup_armed, 0);
}

void use_standard_output(OutputFile *file)
{
    file->handle = reinterpret_cast<intptr_t>(GetStdHandle(STD_OUTPUT_HANDLE));
    file->temporary[0] = '\0';
}

bool seek_output(OutputFile *file, uint64_t offset)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(file->handle);
    // Without the sparse flag NTFS would write every skipped byte as a zero;
    // a file system that has no such flag refuses it, and the skip works all the same.
    DWORD returned = 0;
    DeviceIoControl(handle, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle, to, nullptr, FILE_BEGIN) != 0;
}

bool close_output(OutputFile *file)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(file->handle);
    file->handle = -1;
    return CloseHandle(handle) != 0;
}
