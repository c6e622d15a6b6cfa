// file_hint.h -- a short hint on what a file is when inspection finds no flat
// record file of a known layout: an XML data file, a compressed file, text
// with a byte-order mark, or an unknown version code.
#ifndef FILE_HINT_H
#define FILE_HINT_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

// Writes the hint for a file that inspection left in `info` with `code` into
// `hint` (capacity bytes), reading the head of the file at `path` itself.
// Returns false, with an empty hint, when there is nothing to say.
bool file_hint(const char *path, const NaaccrFileInfo &info, int32_t code, char *hint, size_t capacity);

#endif
