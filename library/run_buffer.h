// run_buffer.h -- the reader's buffer: bytes of a file or a stream read in
// blocks, the record being read kept whole, and the first record boundary of
// a piece found in it.
#ifndef RUN_BUFFER_H
#define RUN_BUFFER_H

#include <stddef.h>
#include <stdint.h>

#include "record_check.h"

// A record longer than this is checked as it streams past, not held whole.
const size_t keep_limit = NAACCR_CHECK_LONGEST_VIEW;

// The bytes of a run in the buffer.
struct Reader {
    ByteSource *source;
    unsigned char *buf;
    size_t capacity;
    size_t len;         // bytes in buf
    int64_t buf_offset; // offset of buf[0] in the file
    bool eof;
    int32_t status; // NAACCR_REC_OK or NAACCR_REC_READ_FAILED
};

// Reads one more block, first moving the bytes from `keep` on to the front of
// the buffer when that makes room.  Returns by how much indices into the
// buffer moved; sets r.eof at the end of the source.
size_t read_more(Reader &r, size_t keep);

// Reads on until buf[need - 1] is held or the source ends, keeping the bytes
// from `keep` on; moves `keep` and the indices in `moved` with them.
void read_until(Reader &r, size_t need, size_t &keep, size_t *moved[], int count);

// The first record boundary at or after `start` and before `limit`: after
// the first whole terminator of the file's form that ends there or later, or
// at the next multiple of the layout's length.  Leaves the reader there, at
// buf[pos]; false when the limit or the file's end comes first.
bool find_boundary(const CheckPlan &plan, Reader &r, int64_t start, int64_t limit, size_t &pos);

#endif
