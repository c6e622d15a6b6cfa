// record_checks.h -- one record: what the reader learns of it while its bytes
// go by, the checks made on it once it has ended, and the report of it.
#ifndef RECORD_CHECKS_H
#define RECORD_CHECKS_H

#include <stddef.h>
#include <stdint.h>

#include "record_check.h"

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
void check_bytes(const Scan &scan, uint64_t number, Found &found);
// Adds a checksum problem, or returns true when the field matches.
bool check_checksum(const Scan &scan, const RecordEnd &end, uint32_t column, uint64_t number, Found &found);
void check_terminator(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, uint64_t number, Found &found);

// A record grown past NAACCR_CHECK_LONGEST_VIEW: checks its head now, from
// the `n` bytes held, and starts its checksum; feed_long_record takes the
// bytes that are no longer held.
void hold_long_record(const CheckPlan &plan, Scan &scan, const unsigned char *head, size_t n, uint64_t number);
void feed_long_record(Scan &scan, const unsigned char *bytes, size_t n);

// Checks and reports a record that has ended: its problems, its item
// problems, the record callback.  False when the run must stop.
bool finish_record(const RunOutput &out, Scan &scan, const RecordEnd &end);

#endif
