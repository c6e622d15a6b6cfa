// file_time_posix.cpp -- a file's modification time as local time, with POSIX stat, for the unit tests
// built for Linux (the program and its Windows tests use win32/file_time.cpp).
#include "file_time.h"

#include <sys/stat.h>

int QueryFileTime(const char *path, struct tm *local)
{
    struct stat status;
    if (stat(path, &status) != 0)
        return 0;
    time_t modified = status.st_mtime;
    return localtime_r(&modified, local) != NULL;
}
