// printable_scan.h -- finds the first byte of a run that is not printable
// (outside 32 to 126): the end of a record, or a byte that has no place in one.
//
// One implementation per processor family, chosen by the build:
// printable_scan_x86.cpp picks SSE2 or AVX2 at run time, and
// printable_scan_portable.cpp serves every other processor.
#ifndef PRINTABLE_SCAN_H
#define PRINTABLE_SCAN_H

#include <stddef.h>

// Offset of the first byte in [from, end) outside 32 to 126, or `end` when
// there is none.  Reads no byte outside [from, end).
size_t skip_printable(const unsigned char *bytes, size_t from, size_t end);

// Offset of the first byte outside 32 to 126 at `bytes`, looking at no more
// than `limit` bytes: `limit` when there is none.  For a record in memory whose
// size is not known, only that it holds its bytes up to this stop byte, or
// `limit` bytes: whole aligned blocks are read, which never reach into another
// page, so bytes after the stop byte may be read within its block, never
// beyond it.
size_t find_record_stop(const unsigned char *bytes, size_t limit);

// The byte-at-a-time form, for tests and benchmarks.
size_t skip_printable_bytewise(const unsigned char *bytes, size_t from, size_t end);

#endif
