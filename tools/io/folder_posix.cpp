// folder_posix.cpp -- a folder's names read on POSIX systems: readdir, and
// lstat then stat to tell links from what they lead to.
#include "io/io.h"

#include <dirent.h>
#include <errno.h>
#include <string.h>
#include <sys/stat.h>

const char folder_separator = '/';

namespace
{

FolderEntry entry_of(const std::string &path, const char *name)
{
    FolderEntry entry = {name, ENTRY_OTHER, false, ""};
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        entry.kind = ENTRY_UNREADABLE;
        entry.reason = strerror(errno);
        return entry;
    }
    if (S_ISDIR(st.st_mode)) {
        entry.kind = ENTRY_FOLDER;
        return entry;
    }
    const bool link = S_ISLNK(st.st_mode);
    if (link && stat(path.c_str(), &st) != 0) {
        entry.kind = ENTRY_UNREADABLE;
        entry.reason = std::string("link leads nowhere: ") + strerror(errno);
        return entry;
    }
    if (S_ISREG(st.st_mode))
        entry.kind = ENTRY_FILE;
    else if (S_ISDIR(st.st_mode))
        entry.kind = ENTRY_LINK_TO_FOLDER;
    return entry;
}

} // namespace

bool read_folder(const char *path, std::vector<FolderEntry> *entries, std::string *reason)
{
    DIR *folder = opendir(path);
    if (folder == nullptr) {
        *reason = strerror(errno);
        return false;
    }
    std::string base = path;
    if (base.empty() || base.back() != '/')
        base += '/';
    for (;;) {
        errno = 0;
        const struct dirent *d = readdir(folder);
        if (d == nullptr)
            break;
        if (strcmp(d->d_name, ".") == 0 || strcmp(d->d_name, "..") == 0)
            continue;
        entries->push_back(entry_of(base + d->d_name, d->d_name));
    }
    const int error = errno;
    closedir(folder);
    if (error != 0) {
        *reason = strerror(error);
        return false;
    }
    return true;
}

bool is_folder(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}
