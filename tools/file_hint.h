// file_hint.h -- a short hint on what a file is when inspection finds no flat
// record file of a known layout: text with a byte-order mark, or an unknown
// version code.  (NAACCR XML and gzip data are told apart before inspection.)
#ifndef FILE_HINT_H
#define FILE_HINT_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

// Writes the hint for a file that inspection left in `info` with `code` into
// `hint` (capacity bytes), from the `n` bytes at `head`, the first of the data
// inspected.  Returns false, with an empty hint, when there is nothing to say.
bool file_hint(const unsigned char *head, size_t n, const NaaccrFileInfo &info, int32_t code, char *hint,
               size_t capacity);

#endif
