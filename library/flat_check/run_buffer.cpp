// run_buffer.cpp -- the reader's buffer: a file read at offsets or a stream
// read in order, one block at a time, with the record being read kept whole.
#include "flat_check/record_run.h"

#include <stdlib.h>
#include <string.h>

namespace
{

int64_t read_source(ByteSource *source, unsigned char *into, size_t n)
{
    if (source->file != nullptr) {
        size_t got = 0;
        if (!read_file_at(*source->file, source->next, into, n, &got))
            return -1;
        source->next += static_cast<int64_t>(got);
        return static_cast<int64_t>(got);
    }
    if (source->ended)
        return 0;
    const int64_t got = source->read(source->stream, into, static_cast<uint32_t>(n));
    if (got < 0 || static_cast<uint64_t>(got) > n)
        return -1;
    source->ended = got == 0;
    source->next += got;
    return got;
}

} // namespace

size_t read_more(Reader &r, size_t keep)
{
    size_t shift = 0;
    if (r.capacity - r.len < check_block_size && keep > 0) {
        memmove(r.buf, r.buf + keep, r.len - keep);
        r.len -= keep;
        r.buf_offset += static_cast<int64_t>(keep);
        shift = keep;
    }
    size_t room = r.capacity - r.len;
    if (room > check_block_size)
        room = check_block_size;
    if (r.source->file != nullptr && r.source->file_size >= 0 && r.source->next >= r.source->file_size) {
        r.eof = true;
        return shift;
    }
    const int64_t got = room == 0 ? 0 : read_source(r.source, r.buf + r.len, room);
    if (got < 0) {
        r.status = NAACCR_REC_READ_FAILED;
        r.eof = true;
    } else if (got == 0) {
        r.eof = true;
    } else {
        r.len += static_cast<size_t>(got);
    }
    return shift;
}

void read_until(Reader &r, size_t need, size_t &keep, size_t *moved[], int count)
{
    while (r.len < need && !r.eof && r.status == NAACCR_REC_OK) {
        const size_t shift = read_more(r, keep);
        keep -= shift;
        need -= shift;
        for (int k = 0; k < count; ++k)
            *moved[k] -= shift;
    }
}

bool find_boundary(const CheckPlan &plan, Reader &r, int64_t start, int64_t limit, size_t &pos)
{
    if (plan.nterm == 0) {
        const int64_t length = plan.reference;
        const int64_t records = (start - plan.data_start + length - 1) / length;
        const int64_t boundary = plan.data_start + records * length;
        r.source->next = boundary;
        r.buf_offset = boundary;
        pos = 0;
        return true;
    }
    const int64_t from = start - plan.nterm > plan.data_start ? start - plan.nterm : plan.data_start;
    r.source->next = from;
    r.buf_offset = from;
    size_t i = 0;
    for (;;) {
        if (r.buf_offset + static_cast<int64_t>(i) >= limit)
            return false;
        if (i + static_cast<size_t>(plan.nterm) > r.len) {
            if (r.eof)
                return false;
            const size_t keep = i;
            const size_t shift = read_more(r, keep);
            i -= shift;
            continue;
        }
        const void *hit = memchr(r.buf + i, plan.form[0], r.len - i);
        if (hit == nullptr) {
            i = r.len;
            continue;
        }
        const size_t j = static_cast<size_t>(static_cast<const unsigned char *>(hit) - r.buf);
        if (plan.nterm == 2 && j + 1 >= r.len) {
            if (r.eof)
                return false;
            const size_t shift = read_more(r, j);
            i = j - shift;
            continue;
        }
        if (plan.nterm == 1 || r.buf[j + 1] == plan.form[1]) {
            pos = j + static_cast<size_t>(plan.nterm);
            return true;
        }
        i = j + 1;
    }
}

bool allocate_run_buffer(RunBuffer *buffer)
{
    buffer->capacity = keep_limit + 2 * check_block_size;
    buffer->bytes = static_cast<unsigned char *>(malloc(buffer->capacity));
    return buffer->bytes != nullptr;
}

void free_run_buffer(RunBuffer *buffer)
{
    free(buffer->bytes);
    buffer->bytes = nullptr;
}
