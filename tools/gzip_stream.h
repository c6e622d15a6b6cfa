// gzip_stream.h -- checking gzip-compressed input: the data is decompressed
// on a thread of its own, a few buffers ahead of the checker, which reads it
// through cvCheckNaaccrStreamEx's read callback.  gzip_stream_zlib.cpp does it
// with zlib; gzip_stream_missing.cpp, built when zlib is not found, refuses.
#ifndef GZIP_STREAM_H
#define GZIP_STREAM_H

#include <stddef.h>
#include <stdio.h>

#include "cvnaaccr.h"
#include "input_head.h"

// Checks the gzip data read from `file` (one member or several in a row),
// whose first `head_length` bytes were already read into `head`.  Returns
// cvCheckNaaccrStreamEx's result; NAACCR_REC_READ_FAILED, with the reason in
// `error`, when the data is damaged, cut short or followed by other bytes, when
// `file` cannot be read, or when this program was built without zlib.
// `error` is left empty otherwise.  `hook` (or null) is told of the first
// decompressed bytes, as for check_input, and may change `options`.
int32_t check_gzip_stream(FILE *file, const unsigned char *head, size_t head_length, NaaccrItemCheckOptions *options,
                          NaaccrItemCheckSummary *summary, char *error, size_t capacity, const InputHook *hook);

#endif
