// gzip_output_missing.cpp -- compressed output in a build without zlib:
// refused with a clear reason.
#include "io/io.h"

#include <stdio.h>

GzipOutput *open_gzip_output(OutputFile *, char *error, size_t capacity)
{
    snprintf(error, capacity, "gzip-compressed output cannot be written: this cvnaaccr was built without zlib");
    return nullptr;
}

bool write_gzip_output(GzipOutput *, const void *, size_t) { return false; }

bool close_gzip_output(GzipOutput *, bool) { return false; }
