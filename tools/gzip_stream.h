// gzip_stream.h -- reading gzip-compressed input: the data is decompressed
// on a thread of its own, a few buffers ahead of its reader, which takes it
// through a NaaccrReadCallback.  gzip_stream_zlib.cpp does it with zlib;
// gzip_stream_missing.cpp, built when zlib is not found, refuses.
#ifndef GZIP_STREAM_H
#define GZIP_STREAM_H

#include <stddef.h>
#include <stdio.h>

#include "cvnaaccr.h"

// What reads the decompressed data: `read` and `stream` as a
// NaaccrReadCallback takes them; returns a NAACCR_REC_ code.
typedef int32_t (*GzipConsumer)(NaaccrReadCallback read, void *stream, void *context);

// Decompresses the gzip data read from `file` (one member or several in a
// row; its first `head_length` bytes already read into `head`) on a thread
// of its own and hands it to `consume`.  Returns what `consume` returns;
// when that is NAACCR_REC_READ_FAILED because the data is damaged, cut
// short or followed by other bytes, or `file` cannot be read, the reason
// stands in `error`, which is otherwise left empty.  Returns
// NAACCR_REC_NO_MEMORY when the buffers cannot be had, and
// NAACCR_REC_READ_FAILED with the reason when this program was built without
// zlib; `consume` is then not called.
int32_t read_gzip_stream(FILE *file, const unsigned char *head, size_t head_length, GzipConsumer consume, void *context,
                         char *error, size_t capacity);

#endif
