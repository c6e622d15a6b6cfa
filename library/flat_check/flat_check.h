// flat_check.h -- the record checker: every record of a flat file or stream
// checked against the reference record that the file's head sets, on one
// thread or on a pool of workers, its problems handed to the caller in file
// order on the calling thread.
//
// What check/ needs to run it: where the bytes come from, the buffer the head
// is read into, and where one call's problems go.  How a run of records is
// read and checked is the folder's own business (record_run.h).
#ifndef FLAT_CHECK_H
#define FLAT_CHECK_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "platform/platform.h"

// Bytes read in one request, and so the most read ahead of the record being checked.
const size_t check_block_size = 1u << 20;
// The head from which the plan is made: a byte-order mark, then as far as the
// first record's terminator is looked for, and the terminator's two bytes.
const size_t check_head_size = NAACCR_CHECK_LONGEST_VIEW + 8;

// Where a run's bytes come from: a file read at offsets, or a stream read in order.
struct ByteSource {
    const ReadableFile *file; // null for a stream
    NaaccrReadCallback read;  // for a stream
    void *stream;
    int64_t next;      // offset of the next byte to read
    int64_t file_size; // -1 for a stream
    bool ended;        // a stream's read said it has no more bytes
};

// The reader's buffer: one block ahead and a record held whole.  The head of
// a file is read into it first.
struct RunBuffer {
    unsigned char *bytes;
    size_t capacity;
};
bool allocate_run_buffer(RunBuffer *buffer);
void free_run_buffer(RunBuffer *buffer);

// One call of the checker: the 1.2 calls come here with their options
// widened and their summary inside the larger one.
struct Delivery {
    const NaaccrItemCheckOptions *options;
    NaaccrItemCheckSummary *summary;
    uint64_t base;              // records of the pieces before the current one
    bool no_dictionary_handed;  // the file's one NAACCR_CHECK_NO_DICTIONARY went on
    bool no_dictionary_counted; // ... and was counted
    bool item_calls;            // an Ex call: NAACCR XML is checked, not only named
};

// A problem outside any record, of record 1: counted and handed on.  Returns
// non-zero when the callback asks to stop.
int32_t deliver_alone(Delivery &d, int64_t offset, int32_t column, int32_t code, const char *message);

// Checks the flat records whose first `head` bytes stand in `buffer` (a file
// read at offsets, or a stream, whose head then stays in the buffer: it cannot
// be read twice): makes the plan from the head, fills the summary's
// description of the file, reports what stands outside any record, then checks
// every record.  Returns NAACCR_REC_OK, NAACCR_REC_READ_FAILED or
// NAACCR_REC_NO_MEMORY.
int32_t check_flat_records(ByteSource *source, RunBuffer *buffer, size_t head, Delivery &delivery);

#endif
