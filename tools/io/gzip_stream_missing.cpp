// gzip_stream_missing.cpp -- compressed input in a build without zlib: refused
// with a clear reason.
#include "io/io.h"

#include <string.h>

int32_t read_gzip_stream(FILE *, const unsigned char *, size_t, GzipConsumer, void *, char *error, size_t capacity)
{
    snprintf(error, capacity, "gzip-compressed input cannot be read: this cvnaaccr was built without zlib");
    return NAACCR_REC_READ_FAILED;
}
