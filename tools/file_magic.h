// file_magic.h -- what the first bytes of an input say it is: gzip data, or
// text that starts with a UTF-8 or UTF-16 byte-order mark.  The one place
// where the command line recognises them, for reading (check_input.cpp) and
// for inspect's hints (file_hint.cpp).
#ifndef FILE_MAGIC_H
#define FILE_MAGIC_H

#include <stddef.h>

enum FileMagic {
    MAGIC_NONE,
    MAGIC_GZIP,      // 1F 8B
    MAGIC_UTF8_BOM,  // EF BB BF
    MAGIC_UTF16_BOM, // FF FE or FE FF
};

// What the `n` bytes at `head` start with; MAGIC_NONE when they are too few
// to tell.  Two bytes are enough for gzip and UTF-16, three for UTF-8.
FileMagic file_magic(const unsigned char *head, size_t n);

#endif
