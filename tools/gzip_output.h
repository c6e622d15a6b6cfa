// gzip_output.h -- output compressed as gzip on its way to an OutputFile.
// gzip_output_zlib.cpp does it with zlib; gzip_output_missing.cpp, built
// when zlib is not found, refuses.
#ifndef GZIP_OUTPUT_H
#define GZIP_OUTPUT_H

#include <stddef.h>

#include "output_file.h"

struct GzipOutput;

// Starts compressing into `file`; null, with the reason in `error`, when it
// cannot (no memory, no zlib in this build).
GzipOutput *open_gzip_output(OutputFile *file, char *error, size_t capacity);

// Compresses `n` bytes; false when a write to the file failed.
bool write_gzip_output(GzipOutput *output, const void *bytes, size_t n);

// Ends the gzip member (`finish`) or not, and frees what it took; false when
// the last write failed.
bool close_gzip_output(GzipOutput *output, bool finish);

#endif
