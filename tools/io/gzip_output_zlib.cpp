// gzip_output_zlib.cpp -- output compressed as one gzip member by zlib.
#include "io/io.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <zlib.h>

struct GzipOutput {
    z_stream z;
    OutputFile *file;
    unsigned char out[1u << 18];
    bool failed;
};

namespace
{

// Runs deflate with `flush` until it wants more input (or, finishing, ends).
bool pump(GzipOutput *g, int flush)
{
    for (;;) {
        g->z.next_out = g->out;
        g->z.avail_out = sizeof g->out;
        const int result = deflate(&g->z, flush);
        const size_t made = sizeof g->out - g->z.avail_out;
        if (made > 0 && !write_output(g->file, g->out, made))
            return false;
        if (result == Z_STREAM_END)
            return true;
        if (result != Z_OK && result != Z_BUF_ERROR)
            return false;
        if (flush == Z_NO_FLUSH && g->z.avail_in == 0 && g->z.avail_out > 0)
            return true;
    }
}

} // namespace

GzipOutput *open_gzip_output(OutputFile *file, char *error, size_t capacity)
{
    GzipOutput *g = static_cast<GzipOutput *>(calloc(1, sizeof(GzipOutput)));
    // 16 + MAX_WBITS: a gzip header and trailer; level 6 is zlib's usual trade.
    if (g == nullptr || deflateInit2(&g->z, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        free(g);
        snprintf(error, capacity, "cannot set up compression: out of memory");
        return nullptr;
    }
    g->file = file;
    return g;
}

bool write_gzip_output(GzipOutput *g, const void *bytes, size_t n)
{
    const unsigned char *at = static_cast<const unsigned char *>(bytes);
    while (n > 0 && !g->failed) {
        const uInt part = n > (1u << 30) ? (1u << 30) : static_cast<uInt>(n);
        g->z.next_in = const_cast<unsigned char *>(at);
        g->z.avail_in = part;
        g->failed = !pump(g, Z_NO_FLUSH);
        at += part;
        n -= part;
    }
    return !g->failed;
}

bool close_gzip_output(GzipOutput *g, bool finish)
{
    if (finish && !g->failed) {
        g->z.next_in = nullptr;
        g->z.avail_in = 0;
        g->failed = !pump(g, Z_FINISH);
    }
    const bool ok = !g->failed;
    deflateEnd(&g->z);
    free(g);
    return ok;
}
