/* file_time.h -- a file's modification time as local time.  The Win32 layer
   hands it to the dialog logic as DialogUi.file_time; the unit tests use it to
   read the dates of real files (on Linux from tests/file_time_posix.cpp). */
#ifndef FILE_TIME_H
#define FILE_TIME_H

#include <time.h>

/* Fills `local` with the last-modification time of the file at `path` as local
   time.  Returns 1 on success, 0 when the file's status cannot be read or the
   time cannot be converted. */
int QueryFileTime(const char *path, struct tm *local);

#endif
