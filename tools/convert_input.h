// convert_input.h -- the library's conversion run on one input named on the
// command line: a file, standard input ("-"), or gzip-compressed data of
// either, as check_input.h reads them for the checker.
#ifndef CONVERT_INPUT_H
#define CONVERT_INPUT_H

#include <stddef.h>

#include "cvnaaccr.h"

// Converts the input `path` as options say.  Returns the library's result
// code; when the input cannot be read for a reason the library does not know
// (damaged compressed data, a ".gz" file that is not compressed), the code is
// NAACCR_REC_READ_FAILED and the reason stands in `error`, which is otherwise
// left empty.
int32_t convert_input(const char *path, const NaaccrConvertOptions *options, NaaccrConvertSummary *summary, char *error,
                      size_t capacity);

#endif
