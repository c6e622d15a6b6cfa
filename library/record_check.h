// record_check.h -- the parts of the record checker: the plan that a file's
// head sets, the sink that takes a run's problems, and the reader that checks
// a run of records against the plan.
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

// What the reference record (the first record, or the first good one of the
// next few when the first has a problem of its own) sets for every record.
struct CheckPlan {
    bool checksums;             // verify checksum fields
    bool items;                 // check every data item
    int64_t data_start;         // offset of the first record: after a byte-order mark
    int bom_length;             // 0, or the byte-order mark's 2 or 3 bytes
    unsigned char form[2];      // the reference's terminator bytes; form[0] == 0: none
    int nterm;                  // 0, 1 or 2
    uint32_t reference;         // length of every record without terminators
    const NaaccrLayout *layout; // the reference's layout, or null
    unsigned char type;         // column 1 of the reference
    bool type_valid;
    int version_column; // the version code's columns, by the layout or the type
    int version_width;  // 0 when the type is unknown
    unsigned char version[3];
    bool cannot_split; // no terminator in the head and no layout to cut by
};

// Makes the plan from the first `n` bytes of a file (all of them when the file
// is shorter than check_head_size) and fills the summary's description of the
// reference record.  Needs n > 0.
void make_check_plan(const unsigned char *head, size_t n, bool checksums, CheckPlan *plan, NaaccrCheckSummary *summary);

// A problem kept until the calling thread hands it on.  An item problem's
// value is copied into the store's value bytes, its message into
// problem.message; its item texts are the library's own and live on.
struct StoredProblem {
    bool item;
    NaaccrProblem problem;
    NaaccrItemProblem item_problem;
    size_t value_at;
};

struct ProblemStore {
    StoredProblem *entries;
    uint32_t capacity, count;
    char *values;
    size_t values_capacity, values_used;
    bool overflow; // more problems were found than it could keep
};

// Where a run's problems go: handed on at once (deliver set), or stored.
struct ProblemSink {
    // Return non-zero to stop the run.
    int32_t (*deliver)(void *context, const NaaccrProblem *problem);
    int32_t (*deliver_item)(void *context, const NaaccrItemProblem *problem);
    void *context;
    ProblemStore *store;
};

// Hands a problem to the sink; returns non-zero when the run must stop.
int32_t sink_problem(ProblemSink *sink, const NaaccrProblem *problem);
int32_t sink_item_problem(ProblemSink *sink, const NaaccrItemProblem *problem);

// What the caller may learn or decide while a run goes on (one thread only).
struct RunHooks {
    NaaccrRecordCallback on_record;
    void *record_context;
    // Called every few megabytes with the offset reached; non-zero stops.
    int32_t (*progress)(void *context, int64_t offset, uint64_t records);
    void *progress_context;
    const std::atomic<bool> *cancelled; // set by another thread to end the run early; may be null
};

// What a run adds to the summary.
struct RunResult {
    uint64_t records, problems, checksums_matched, items;
    uint64_t counts[NAACCR_CHECK_ALL_KINDS]; // NAACCR_CHECK_NO_DICTIONARY aside
    uint64_t no_dictionary;                  // first record of the run without a dictionary, or 0
    int64_t start;                           // offset of its first record
    int64_t end;                             // offset after its last record
    int32_t status;                          // NAACCR_REC_OK, NAACCR_REC_READ_FAILED or NAACCR_REC_NO_MEMORY
    int stopped;                             // 1 by a problem or record callback, 2 by progress, 3 cancelled
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

#endif
