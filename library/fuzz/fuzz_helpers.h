// fuzz_helpers.h -- what the fuzzers share: a broken invariant ends the run,
// and a stream that hands over its bytes in pieces of a chosen size.
#ifndef FUZZ_HELPERS_H
#define FUZZ_HELPERS_H

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cvnaaccr.h"

inline void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "broken invariant: %s\n", what);
        abort();
    }
}

struct Stream {
    const unsigned char *data;
    size_t size, at, piece;
};

inline int64_t CV_CALL read_piece(void *stream, void *buffer, uint32_t size)
{
    Stream *s = static_cast<Stream *>(stream);
    size_t n = s->piece < size ? s->piece : size;
    n = n < s->size - s->at ? n : s->size - s->at;
    memcpy(buffer, s->data + s->at, n);
    s->at += n;
    return static_cast<int64_t>(n);
}

#endif
