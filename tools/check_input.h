// check_input.h -- the record checker run on one input named on the command
// line: a file, standard input ("-"), or gzip-compressed data of either.
#ifndef CHECK_INPUT_H
#define CHECK_INPUT_H

#include <stddef.h>
#include <stdio.h>

#include "cvnaaccr.h"
#include "input_head.h"

// A plain (not compressed) input whose first bytes were read already: they
// are handed out first, then the rest of `file`.
struct PlainStream {
    FILE *file;
    const unsigned char *head;
    size_t head_length;
};
int64_t CV_CALL read_plain(void *stream, void *buffer, uint32_t size);

// True when `path` ends in ".gz".
bool ends_with_gz(const char *path);

// Checks the input `path`, taken exactly as given.  "-" is standard input,
// read in binary mode.  A name ending in ".gz", or data that starts with the
// gzip magic bytes 1F 8B, is decompressed (gzip_stream.h); other files are
// checked by cvCheckNaaccrFileEx, on several threads, other standard input by
// cvCheckNaaccrStreamEx.  Returns the checker's result code; when the input
// cannot be read for a reason the checker does not know (damaged compressed
// data, a ".gz" file that is not compressed, a build without zlib), the code
// is NAACCR_REC_READ_FAILED or NAACCR_REC_OPEN_FAILED and the reason stands in
// `error`, which is otherwise left empty.  `hook` (or null) is told whether
// the input is NAACCR XML before the check starts, and may change a copy of
// the options for it.
int32_t check_input(const char *path, const NaaccrItemCheckOptions *options, NaaccrItemCheckSummary *summary,
                    char *error, size_t capacity, const InputHook *hook);

// The same for the record checks alone: the options are carried over to the
// larger ones (items unchecked) and the record summary handed back, so that
// every command reads its input through one path.
int32_t check_input_records(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary,
                            char *error, size_t capacity, const InputHook *hook = nullptr);

// True when the input failed in a way that makes the exit status 2 (it could
// not be read), as opposed to problems found in it.
bool is_read_failure(int32_t code);

#endif
