// folder_windows.cpp -- a folder's names read on Windows: FindFirstFileA,
// whose attributes tell folders, links (reparse points) and hidden names.
#include "io/io.h"

#include <windows.h>

const char folder_separator = '\\';

namespace
{

std::string last_error_text()
{
    char text[256];
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(),
                                   0, text, sizeof text, nullptr);
    std::string reason(text, n);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.'))
        reason.pop_back();
    return reason.empty() ? "cannot be read" : reason;
}

} // namespace

bool read_folder(const char *path, std::vector<FolderEntry> *entries, std::string *reason)
{
    std::string base = path;
    if (base.empty() || (base.back() != '\\' && base.back() != '/'))
        base += '\\';
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
        *reason = last_error_text();
        return false;
    }
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const DWORD a = found.dwFileAttributes;
        FolderEntry entry = {name, ENTRY_FILE, (a & FILE_ATTRIBUTE_HIDDEN) != 0, ""};
        if (a & FILE_ATTRIBUTE_DIRECTORY)
            entry.kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) ? ENTRY_LINK_TO_FOLDER : ENTRY_FOLDER;
        else if (a & FILE_ATTRIBUTE_DEVICE)
            entry.kind = ENTRY_OTHER;
        entries->push_back(entry);
    } while (FindNextFileA(search, &found));
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        SetLastError(error);
        *reason = last_error_text();
        return false;
    }
    return true;
}

bool is_folder(const char *path)
{
    const DWORD a = GetFileAttributesA(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
