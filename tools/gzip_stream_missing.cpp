// gzip_stream_missing.cpp -- compressed input in a build without zlib: refused
// with a clear reason.
#include "gzip_stream.h"

#include <string.h>

int32_t check_gzip_stream(FILE *, const unsigned char *, size_t, NaaccrItemCheckOptions *,
                          NaaccrItemCheckSummary *summary, char *error, size_t capacity, const InputHook *)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
    snprintf(error, capacity, "gzip-compressed input cannot be read: this cvnaaccr was built without zlib");
    return NAACCR_REC_READ_FAILED;
}
