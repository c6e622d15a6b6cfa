// file_time.cpp -- a file's modification time as local time, with the C runtime of Windows.
#include "file_time.h"

#include <sys/stat.h>
#include <sys/types.h>

int QueryFileTime(const char *path, struct tm *local)
{
    // 64-bit times: time_t is 32 bits wide on 32-bit Windows and ends in 2038.
    struct _stat64 status;
    if (_stat64(path, &status) != 0)
        return 0;
    __time64_t modified = status.st_mtime;
    struct tm *converted = _localtime64(&modified);
    if (converted == NULL)
        return 0;
    *local = *converted;
    return 1;
}
