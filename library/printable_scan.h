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

// The byte-at-a-time form: for a record in memory whose size is not known,
// which may be read only up to the byte that ends it; and for tests and
// benchmarks.
size_t skip_printable_bytewise(const unsigned char *bytes, size_t from, size_t end);

#endif
