// crc32.h -- the CRC-32/ISO-HDLC engine behind the check-field functions.
//
// The engine works on the raw register: start from CRC32_PRESET, feed the
// message in as many pieces as convenient, and complement the register at the
// end.  Feeding a message in two pieces gives the same register as feeding it
// in one, so a record can be hashed around a field without copying it.
//
// crc32.cpp holds the table and the reference form; the fast forms and
// crc32_update come from one file per processor family, chosen by the build:
// crc32_x86.cpp picks PCLMULQDQ or VPCLMULQDQ at run time, and
// crc32_portable.cpp serves every other processor with the reference form.
#ifndef CRC32_H
#define CRC32_H

#include <stddef.h>
#include <stdint.h>

#define CRC32_PRESET 0xFFFFFFFFu

// The standard table of the reflected polynomial 0xEDB88320: entry n is the
// register after eight shift steps that start from n.
extern const uint32_t crc32_table[256];

// Feeds `n` bytes into the register `state` and returns the new register.
// Uses the fastest form this processor runs; every form gives the same result.
uint32_t crc32_update(uint32_t state, const unsigned char *bytes, size_t n);

// The reference form: one table look-up per byte.
uint32_t crc32_update_reference(uint32_t state, const unsigned char *bytes, size_t n);

// The folding forms, for tests and benchmarks.  Each may be called only when
// its crc32_has_... function returns true.
bool crc32_has_pclmul();
uint32_t crc32_update_pclmul(uint32_t state, const unsigned char *bytes, size_t n);
bool crc32_has_vpclmul();
uint32_t crc32_update_vpclmul(uint32_t state, const unsigned char *bytes, size_t n);

#endif
