// check_input.h -- the record checker run on one input named on the command
// line: a file, standard input ("-"), or gzip-compressed data of either.
#ifndef CHECK_INPUT_H
#define CHECK_INPUT_H

#include <stddef.h>
#include <stdio.h>

#include "cvnaaccr.h"
#include "gzip_stream.h"
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

// What reads an input, as read_input hands it over.  `file` is called when
// the library can be given the name itself: a plain file, with its first
// `n` bytes at `head`, or a name that is not a regular file or cannot be
// opened here, with `head` null (the library then tells why).  `stream` is
// called for standard input and for decompressed gzip data.  Both return a
// NAACCR_REC_ code and are handed `context`.
struct InputReader {
    int32_t (*file)(const char *path, const unsigned char *head, size_t n, void *context);
    GzipConsumer stream;
    void *context;
};

// Hands the input `path`, taken exactly as given, to one of the reader's
// calls.  "-" is standard input, read in binary mode.  Data that starts with
// the gzip magic bytes 1F 8B is decompressed (gzip_stream.h), whatever its
// name.  Returns what the reader returns; NAACCR_REC_READ_FAILED with the
// reason in `error` (which is otherwise left empty) for damaged or cut
// compressed data, a ".gz" file that is not compressed, or a build without
// zlib; NAACCR_REC_NO_MEMORY when the decompression buffers cannot be had.
// The reader's calls may then not have been made at all.
int32_t read_input(const char *path, const InputReader *reader, char *error, size_t capacity);

// Checks the input `path`, read as read_input reads it: plain files by
// cvCheckNaaccrFileEx, on several threads, standard input and decompressed
// data by cvCheckNaaccrStreamEx.  Returns the checker's result code, or
// read_input's with the reason in `error`; *summary is filled on every
// return.  `hook` (or null) is told whether
// the input is NAACCR XML before the check starts, and may change a copy of
// the options for it.
int32_t check_input(const char *path, const NaaccrItemCheckOptions *options, NaaccrItemCheckSummary *summary,
                    char *error, size_t capacity, const InputHook *hook);

// The record check's options carried over to the larger ones, items unchecked.
void widen_record_options(const NaaccrCheckOptions *options, NaaccrItemCheckOptions *wide);

// The same for the record checks alone: the options are carried over to the
// larger ones (items unchecked) and the record summary handed back, so that
// every command reads its input through one path.
int32_t check_input_records(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary,
                            char *error, size_t capacity, const InputHook *hook = nullptr);

// True when the input failed in a way that makes the exit status 2 (it could
// not be read), as opposed to problems found in it.
bool is_read_failure(int32_t code);

#endif
