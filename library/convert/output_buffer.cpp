// output_buffer.cpp -- the writers' output, gathered into large writes
// through the caller's write callback.
#include <stdlib.h>
#include <string.h>

#include "convert/convert.h"

bool open_output_buffer(OutputBuffer *out, NaaccrWriteCallback write, void *output, size_t capacity)
{
    out->write = write;
    out->output = output;
    out->used = 0;
    out->capacity = capacity;
    out->failed = false;
    out->bytes = static_cast<char *>(malloc(capacity));
    return out->bytes != nullptr;
}

bool flush_output_buffer(OutputBuffer *out)
{
    if (!out->failed && out->used > 0 && out->write(out->output, out->bytes, static_cast<uint32_t>(out->used)) != 0)
        out->failed = true;
    out->used = 0;
    return !out->failed;
}

void close_output_buffer(OutputBuffer *out)
{
    free(out->bytes);
    out->bytes = nullptr;
}

void put_bytes(OutputBuffer *out, const char *bytes, size_t n)
{
    if (n <= out->capacity - out->used) {
        memcpy(out->bytes + out->used, bytes, n);
        out->used += n;
        return;
    }
    while (n > 0 && !out->failed) {
        if (out->used == out->capacity)
            flush_output_buffer(out);
        size_t part = out->capacity - out->used;
        if (part > n)
            part = n;
        memcpy(out->bytes + out->used, bytes, part);
        out->used += part;
        bytes += part;
        n -= part;
    }
}

void put_text(OutputBuffer *out, const char *text) { put_bytes(out, text, strlen(text)); }
