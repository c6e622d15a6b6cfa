// record_run.h -- the parts of the record checker inside its folder: the
// plan that a file's head sets, the sink that takes a run's problems, the
// reader that cuts a run of records against the plan, the checks and the
// report of one record, and the hand-over of problems to the caller.
//
// A run of records is checked from a record boundary while its records start
// before a limit; what it finds depends on nothing but the plan and the bytes
// from that boundary on.  So the whole file checked in one run, or in pieces
// whose runs start where the previous run ended, gives the same problems in
// the same order: that is what lets several threads share a file.
#ifndef RECORD_RUN_H
#define RECORD_RUN_H

#include <stddef.h>
#include <stdint.h>

#include <atomic>

#include "base/base.h"
#include "cvnaaccr.h"
#include "flat/flat.h"
#include "flat_check/flat_check.h"
#include "items/items.h"

// ---- the plan and the run (check_plan.cpp, record_reader.cpp) ----

// What the reference record (the first record, or the first good one of the
// next few when the first has a problem of its own) sets for every record.
struct CheckPlan {
    bool checksums;             // verify checksum fields
    bool items;                 // check every data item
    bool codes;                 // and the codes of each, and each record's tumour rules
    bool ids;                   // name each problem's patient and tumour (NAACCR_CHECK_IDS)
    ByteEncoding encoding;      // bytes above 126 of this encoding are no problem (a reader's NAACCR_READ_...)
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
    int not_naaccr;    // no record of the head has a valid type and version: how many were read; else 0
};

// Makes the plan from the first `n` bytes of a file (all of them when the file
// is shorter than check_head_size) and fills the summary's description of the
// reference record.  Needs n > 0.
void make_check_plan(const unsigned char *head, size_t n, bool checksums, CheckPlan *plan, NaaccrCheckSummary *summary);

// A problem kept until the calling thread hands it on.  An item problem's
// value is copied into the store's value bytes, its message into
// problem.message; its item texts are the library's own and live on.  The
// ids of its record are copied, for either kind.
struct StoredProblem {
    bool item;
    NaaccrProblem problem;
    NaaccrItemProblem item_problem;
    size_t value_at;
    bool named; // ids holds its record's ids
    ProblemIds ids;
};

struct ProblemStore {
    StoredProblem *entries;
    uint32_t capacity, count;
    char *values;
    size_t values_capacity, values_used;
    bool overflow; // more problems were found than it could keep
};

// Where a run's problems go: handed on at once (deliver set), or stored.  A
// record problem comes with its record's ids (null without NAACCR_CHECK_IDS,
// or outside a record); an item problem has them in its own fields.
struct ProblemSink {
    // Return non-zero to stop the run.
    int32_t (*deliver)(void *context, const NaaccrProblem *problem, const ProblemIds *ids);
    int32_t (*deliver_item)(void *context, const NaaccrItemProblem *problem);
    void *context;
    ProblemStore *store;
};

// Hands a problem to the sink; returns non-zero when the run must stop.
int32_t sink_problem(ProblemSink *sink, const NaaccrProblem *problem, const ProblemIds *ids);
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
    NaaccrCodeReport tally;                  // with codes: the tumours judged, its counts alone
    int64_t start;                           // offset of its first record
    int64_t end;                             // offset after its last record
    int32_t status;                          // NAACCR_REC_OK, NAACCR_REC_READ_FAILED or NAACCR_REC_NO_MEMORY
    StopReason stopped;
};

// Checks the records that start at `start` (a record boundary; with
// `find_start` the first boundary at or after it is looked for first) and
// before `limit`.  `primed` bytes already in the buffer are the source's bytes
// from `start` on (a stream's head); the source continues after them.
// Record numbers count from 1 within the run.
void check_record_run(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, int64_t start,
                      bool find_start, int64_t limit, ProblemSink *sink, const RunHooks *hooks, RunResult *result);

// ---- one record (record_checks.cpp, record_report.cpp) ----

// How a record ended.
enum Ending { ENDED_BY_FORM, ENDED_BY_OTHER_FORM, ENDED_BY_LENGTH, ENDED_AT_FILE_END };

// The problems of one record, in the order found.
struct Found {
    NaaccrProblem items[10];
    int count;
    uint32_t mask; // bit (1 << kind) of every kind found, also of those not kept
};

// A long record's checksum, computed as its bytes go by: the field at its
// layout's column and, for versions 12 to 16, the field one column to the left.
struct StreamedChecksum {
    int fields;
    uint32_t column[2];
    uint32_t state[2];
    unsigned char field[2][naaccr_checksum_width];
};

// What is learned of a record while its bytes go by.
struct Scan {
    int64_t offset;   // of the record's first byte
    uint64_t dropped; // bytes of a long record no longer held
    bool long_record; // longer than NAACCR_CHECK_LONGEST_VIEW: checked as it streams past
    uint64_t illegal_count, illegal_column;
    unsigned char illegal_byte;
    uint64_t split_column; // first CR or LF inside the record, or 0
    unsigned char split_byte;
    int split_width;          // 2 for a whole CR LF or LF CR inside it
    bool joined;              // pieces split by the file's own terminator were joined
    Found head;               // a long record's type and version problems
    uint32_t checksum_column; // a long record's own checksum column, or 0
    StreamedChecksum streamed;
    bool named;     // with plan.ids, a long record's ids were read from its head
    ProblemIds ids; // ... these
};

// A record that has ended.
struct RecordEnd {
    const unsigned char *bytes; // null for a long record
    uint64_t length;            // without terminators
    const unsigned char *terminator;
    int term; // terminator bytes
    Ending ending;
};

// Where one run's records are reported.
struct RunOutput {
    const CheckPlan *plan;
    ProblemSink *sink;
    const RunHooks *hooks;
    RunResult *result;
    const ProblemIds *ids; // the ids of the record being reported, or null
};

void start_scan(Scan &scan, int64_t offset);
// A byte outside 32 to 126 at `column`; `split` for a CR or LF, `width` its bytes.
void note_byte(Scan &scan, unsigned char c, uint64_t column, bool split, int width);

// Records the problem; keeps its text while there is room.
void add_problem(Found &found, uint64_t number, int64_t offset, uint64_t column, int32_t code, const char *format, ...)
    __attribute__((format(printf, 6, 7)));

// The record's own layout: the reference's when its type and version columns
// agree, else whatever its own bytes say.
const NaaccrLayout *own_layout(const CheckPlan &plan, const unsigned char *bytes, uint64_t length);

// The checks of a record, each adding what it finds.
void check_length(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, uint64_t number, Found &found);
void check_head(const CheckPlan &plan, const unsigned char *bytes, uint64_t length, bool first, uint64_t number,
                int64_t offset, Found &found);
void check_bytes(const CheckPlan &plan, const Scan &scan, uint64_t number, Found &found);
// Adds a checksum problem, or returns true when the field matches.
bool check_checksum(const Scan &scan, const RecordEnd &end, uint32_t column, uint64_t number, Found &found);
void check_terminator(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, uint64_t number, Found &found);

// A record grown past NAACCR_CHECK_LONGEST_VIEW: checks its head now, from
// the `n` bytes held, and starts its checksum; feed_long_record takes the
// bytes that are no longer held.
void hold_long_record(const CheckPlan &plan, Scan &scan, const unsigned char *head, size_t n, uint64_t number);
// With plan.ids, reads the ids of a long record from the `n` bytes of its head.
void name_long_record(const CheckPlan &plan, Scan &scan, const unsigned char *head, size_t n);
void feed_long_record(Scan &scan, const unsigned char *bytes, size_t n);

// Checks and reports a record that has ended: its problems, its item
// problems, the record callback.  False when the run must stop.
bool finish_record(const RunOutput &out, Scan &scan, const RecordEnd &end);

// ---- the buffer (run_buffer.cpp) ----

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

// ---- the hand-over (check_delivery.cpp, check_pool.cpp) ----

// Hand a run's problem to the caller (numbered from the file's start) while
// max_reported allows; return non-zero when the callback asks to stop.  With
// NAACCR_CHECK_IDS and an item problem callback a record problem goes there,
// as an item problem without an item that names `ids` (may be null).
int32_t deliver_problem(void *context, const NaaccrProblem *problem, const ProblemIds *ids);
int32_t deliver_item_problem(void *context, const NaaccrItemProblem *problem);
// Hands on the k-th problem a worker stored.
int32_t deliver_stored(Delivery &d, const ProblemStore &store, uint32_t k);

// Adds a run's counts to the summary.
void add_run(Delivery &d, const RunResult &run);

// Runs the file's pieces on `threads` workers and merges what they found, in
// file order, on the calling thread.  False when the workers cannot be set
// up; nothing has been read or reported then.
bool check_with_workers(const CheckPlan &plan, const ReadableFile &file, int64_t size, unsigned threads, RunBuffer *own,
                        Delivery &delivery, int32_t *status);

#endif
