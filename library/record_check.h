// record_check.h -- the parts of the record checker: the plan that a file's
// first record sets, and the reader that checks a run of records against it.
//
// A run of records is checked from a record boundary while its records start
// before a limit; what it finds depends on nothing but the plan and the bytes
// from that boundary on.  So the whole file checked in one run, or in pieces
// whose runs start where the previous run ended, gives the same problems in
// the same order: that is what lets several threads share a file.
#ifndef RECORD_CHECK_H
#define RECORD_CHECK_H

#include <stddef.h>
#include <stdint.h>

#include <atomic>

#include "cvnaaccr.h"
#include "file_access.h"
#include "layouts.h"

// Bytes read in one request, and so the most read ahead of the record being checked.
const size_t check_block_size = 1u << 20;
// The head from which the plan is made: the window, or the longest layout and its terminator.
const size_t check_head_size = 24200;

// Where a run's bytes come from: a file read at offsets, or a stream read in order.
struct ByteSource {
    const ReadableFile *file; // null for a stream
    NaaccrReadCallback read;  // for a stream
    void *stream;
    int64_t next;      // offset of the next byte to read
    int64_t file_size; // -1 for a stream
    bool ended;        // a stream's read said it has no more bytes
};

// What the first record sets for every record of the file.
struct CheckPlan {
    bool checksums;             // verify checksum fields
    int64_t data_start;         // offset of the first record: after a byte-order mark
    int bom_length;             // 0, or the byte-order mark's 2 or 3 bytes
    unsigned char form[2];      // the first record's terminator bytes; form[0] == 0: none
    int nterm;                  // 0, 1 or 2
    uint32_t reference;         // length of every record without terminators
    const NaaccrLayout *layout; // the first record's layout, or null
    unsigned char type;         // column 1 of the first record
    bool type_valid;
    int version_column; // the version code's columns, by the layout or the type
    int version_width;  // 0 when the type is unknown
    unsigned char version[3];
    bool cannot_split; // no terminator in the window and no layout to cut by
};

// Makes the plan from the first `n` bytes of a file (all of them when the file
// is shorter than check_head_size) and fills the summary's description of the
// first record.  Needs n > 0.
void make_check_plan(const unsigned char *head, size_t n, bool checksums, CheckPlan *plan, NaaccrCheckSummary *summary);

// Where a run's problems go: handed on at once, or stored for later.
struct ProblemSink {
    // Handed on: returns non-zero to stop the run.
    int32_t (*deliver)(void *context, const NaaccrProblem *problem);
    void *context;
    // Stored: up to `capacity` problems; `overflow` once more were found.
    NaaccrProblem *stored;
    uint32_t capacity, count;
    bool overflow;
};

// What the caller may learn or decide while a run goes on (one thread only).
struct RunHooks {
    NaaccrRecordCallback on_record;
    // Called every few megabytes with the offset reached; non-zero stops.
    int32_t (*progress)(void *context, int64_t offset, uint64_t records);
    void *context;
    const std::atomic<bool> *cancelled; // set by another thread to end the run early; may be null
    void *record_context;               // handed to on_record (the caller's context)
};

// What a run adds to the summary.
struct RunResult {
    uint64_t records, problems, checksums_matched;
    uint64_t counts[NAACCR_CHECK_KINDS];
    int64_t start;  // offset of its first record
    int64_t end;    // offset after its last record
    int32_t status; // NAACCR_REC_OK, NAACCR_REC_READ_FAILED or NAACCR_REC_NO_MEMORY
    int stopped;    // 1 by a problem or record callback, 2 by progress, 3 cancelled
};

// The reader's buffer: one block ahead and a record held whole.
struct RunBuffer {
    unsigned char *bytes;
    size_t capacity;
};
bool allocate_run_buffer(RunBuffer *buffer);
void free_run_buffer(RunBuffer *buffer);

// Checks the records that start at `start` (a record boundary; with
// `find_start` the first boundary at or after it is looked for first) and
// before `limit`.  `primed` bytes already in the buffer are the source's bytes
// from `start` on (a stream's head); the source continues after them.
// Record numbers count from 1 within the run.
void check_record_run(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, int64_t start,
                      bool find_start, int64_t limit, ProblemSink *sink, const RunHooks *hooks, RunResult *result);

// Hands a problem to the sink; returns non-zero when the run must stop.
int32_t sink_problem(ProblemSink *sink, const NaaccrProblem *problem);

#endif
