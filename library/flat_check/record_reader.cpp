// record_reader.cpp -- reads a run of records: keeps the buffer filled and
// cuts the records where the reference record's terminator form (or, without
// terminators, its layout's length) says; record_checks.cpp checks each one.
//
// The bytes are scanned once, with the vector scan of printable_scan: a byte
// outside 32 to 126 is either the record's terminator or a problem, so a good
// record costs one scan to its end.  A CR or LF that is not the file's form
// splits the record when it comes before the record's expected length, and
// ends it (in another form) from there on.  The file's own form before that
// length ends the record, unless the bytes after it and the next terminator
// make up exactly one record: then it splits the record, which stays one.  So
// a record's bounds never depend on anything but its own bytes, the bytes of
// the next record and the plan.
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "platform/platform.h"
#include "flat_check/record_run.h"

namespace
{

const int64_t progress_step = 8 << 20;

// ---- the run ----

struct Run {
    const CheckPlan *plan;
    Reader r;
    RunOutput out;
    RunResult *result;
    int64_t next_progress;
};

// A byte above 126 that the reader was told to take as a character.
bool is_encoded(const CheckPlan &plan, unsigned char c) { return code_point_of_byte(c, plan.encoding) >= 0; }

bool cancelled(const Run &run)
{
    const RunHooks *hooks = run.out.hooks;
    return hooks != nullptr && hooks->cancelled != nullptr && hooks->cancelled->load();
}

// Reports progress when another few megabytes have been read, also inside a
// long record, and learns whether to stop.  False when the run must stop.
bool go_on_at(Run &run, int64_t offset)
{
    if (cancelled(run)) {
        run.result->stopped = STOP_CANCELLED;
        return false;
    }
    const RunHooks *hooks = run.out.hooks;
    if (hooks == nullptr || hooks->progress == nullptr || offset < run.next_progress)
        return true;
    run.next_progress = offset + progress_step;
    if (hooks->progress(hooks->progress_context, offset, run.result->records) != 0) {
        run.result->stopped = STOP_BY_PROGRESS;
        return false;
    }
    return true;
}

// Whether the file's own terminator at buf[j], `before` bytes into the record
// that starts at buf[rstart], splits the record rather than ending it: the
// bytes after it hold no CR or LF up to a terminator of the file's form that
// ends the record at exactly the reference length.
bool joins_split(Run &run, size_t &rstart, size_t &j, uint64_t before)
{
    const CheckPlan &plan = *run.plan;
    Reader &r = run.r;
    const size_t term = static_cast<size_t>(plan.nterm);
    if (plan.reference < before + term)
        return false;
    const size_t piece = static_cast<size_t>(plan.reference - before) - term;
    size_t *moved[] = {&j};
    read_until(r, j + term + piece + term + 1, rstart, moved, 1);
    const size_t k = j + term + piece;
    if (k + term > r.len || memcmp(r.buf + k, plan.form, term) != 0)
        return false;
    return memchr(r.buf + j + term, '\r', piece) == nullptr && memchr(r.buf + j + term, '\n', piece) == nullptr;
}

// How a CR or LF at buf[j] is taken: the record's end in the file's form
// (ENDED_BY_FORM), in another form (ENDED_BY_OTHER_FORM), or a split inside
// the record (returns false).  Sets *term to the terminator's bytes.
bool takes_as_end(Run &run, size_t &rstart, size_t &j, uint64_t before, const Scan &scan, int *term, Ending *ending)
{
    const CheckPlan &plan = *run.plan;
    const Reader &r = run.r;
    const unsigned char c = r.buf[j];
    const int next = j + 1 < r.len ? r.buf[j + 1] : -1;
    const bool pair = next == (c == '\r' ? '\n' : '\r');
    const bool full = before >= plan.reference;
    // In a file of one-byte terminators the same byte followed by the other is another form.
    const bool own = plan.nterm == 2 ? c == plan.form[0] && next == plan.form[1]
                                     : plan.nterm == 1 && c == plan.form[0] && !(pair && full);
    if (own) {
        *term = plan.nterm;
        *ending = ENDED_BY_FORM;
        return full || scan.joined || !joins_split(run, rstart, j, before);
    }
    if (!full)
        return false;
    *term = pair ? 2 : 1;
    *ending = ENDED_BY_OTHER_FORM;
    return true;
}

// What the reader does next within a record.
enum Step { STEP_SCAN, STEP_ENDED, STEP_STOP };

// The scan has reached the end of the buffer: a long record's bytes are
// dropped, and more are read.  STEP_ENDED at the end of the source.
Step read_on(Run &run, Scan &scan, size_t &rstart, size_t &i)
{
    Reader &r = run.r;
    if (scan.long_record) {
        feed_long_record(scan, r.buf + rstart, i - rstart);
        scan.dropped += i - rstart;
        rstart = i;
    }
    if (r.eof)
        return STEP_ENDED;
    if (!go_on_at(run, r.buf_offset + static_cast<int64_t>(i)))
        return STEP_STOP;
    const size_t shift = read_more(r, rstart);
    rstart -= shift;
    i -= shift;
    return STEP_SCAN;
}

// A CR or LF at buf[at]: a split inside the record (the scan goes on at i),
// or the record's end (reported; sets pos after its terminator).
Step line_end(Run &run, Scan &scan, size_t &rstart, size_t &i, size_t at, size_t &pos)
{
    Reader &r = run.r;
    const unsigned char c = r.buf[at];
    const uint64_t before = scan.dropped + (at - rstart);
    if (at + 1 >= r.len && !r.eof) {
        // The byte after it decides between one and two terminator bytes.
        size_t *moved[] = {&at};
        read_until(r, at + 2, rstart, moved, 1);
        i = at;
        return STEP_SCAN;
    }
    int term = 0;
    Ending ending = ENDED_BY_FORM;
    if (!takes_as_end(run, rstart, at, before, scan, &term, &ending)) {
        const bool joined = ending == ENDED_BY_FORM && term != 0;
        note_byte(scan, c, before + 1, true, joined ? term : 1);
        scan.joined = scan.joined || joined;
        i = at + static_cast<size_t>(joined ? term : 1);
        return STEP_SCAN;
    }
    if (scan.long_record) {
        feed_long_record(scan, r.buf + rstart, at - rstart);
        scan.dropped += at - rstart;
        rstart = at;
    }
    pos = at + static_cast<size_t>(term);
    const RecordEnd end = {scan.long_record ? nullptr : r.buf + rstart, before, r.buf + at, term, ending};
    return finish_record(run.out, scan, end) ? STEP_ENDED : STEP_STOP;
}

// One record of a file with terminators, from buf[pos].  Sets pos after it;
// false when the run must stop.
bool terminated_record(Run &run, size_t &pos)
{
    Reader &r = run.r;
    Scan scan;
    start_scan(scan, r.buf_offset + static_cast<int64_t>(pos));
    size_t rstart = pos, i = pos;
    const unsigned char type = r.buf[pos];
    for (;;) {
        if (i >= r.len) {
            const Step step = read_on(run, scan, rstart, i);
            if (step == STEP_STOP)
                return false;
            if (step == STEP_SCAN)
                continue;
            pos = r.len;
            const RecordEnd end = {scan.long_record ? nullptr : r.buf + rstart, scan.dropped + (i - rstart), nullptr, 0,
                                   ENDED_AT_FILE_END};
            return finish_record(run.out, scan, end);
        }
        // A record is held whole up to the longest view; past it, it is
        // checked as it streams by, whatever the buffer could hold.
        const size_t held_end = scan.long_record || r.len - rstart <= keep_limit ? r.len : rstart + keep_limit + 1;
        const size_t j = skip_printable(r.buf, i, held_end);
        if (j == held_end) {
            if (!scan.long_record && j - rstart > keep_limit) {
                hold_long_record(*run.plan, scan, r.buf + rstart, j - rstart, run.result->records + 1);
                scan.dropped = j - rstart;
                rstart = j;
            }
            i = j;
        } else if (r.buf[j] == '\r' || r.buf[j] == '\n') {
            const Step step = line_end(run, scan, rstart, i, j, pos);
            if (step != STEP_SCAN)
                return step == STEP_ENDED;
        } else {
            // In a record of type U a NUL is data, as the recognizer takes it.
            const uint64_t before = scan.dropped + (j - rstart);
            if (!(r.buf[j] == 0 && type == 'U' && before > 0) && !is_encoded(*run.plan, r.buf[j]))
                note_byte(scan, r.buf[j], before + 1, false, 1);
            i = j + 1;
        }
    }
}

// One record of a file without terminators: the next `reference` bytes.
bool fixed_record(Run &run, size_t &pos)
{
    const CheckPlan &plan = *run.plan;
    Reader &r = run.r;
    const size_t want = plan.reference;
    while (r.len - pos < want && !r.eof) {
        const size_t shift = read_more(r, pos);
        pos -= shift;
    }
    Scan scan;
    start_scan(scan, r.buf_offset + static_cast<int64_t>(pos));
    const size_t have = r.len - pos < want ? r.len - pos : want;
    const unsigned char type = r.buf[pos];
    for (size_t i = pos; i < pos + have;) {
        const size_t j = skip_printable(r.buf, i, pos + have);
        if (j == pos + have)
            break;
        const unsigned char c = r.buf[j];
        if (!(c == 0 && type == 'U' && j > pos) && !is_encoded(plan, c))
            note_byte(scan, c, j - pos + 1, c == '\r' || c == '\n', 1);
        i = j + 1;
    }
    const unsigned char *bytes = r.buf + pos;
    pos += have;
    const RecordEnd end = {bytes, have, nullptr, 0, have < want ? ENDED_AT_FILE_END : ENDED_BY_LENGTH};
    return finish_record(run.out, scan, end);
}

} // namespace

void check_record_run(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, int64_t start,
                      bool find_start, int64_t limit, ProblemSink *sink, const RunHooks *hooks, RunResult *result)
{
    memset(result, 0, sizeof *result);
    Run run;
    run.plan = &plan;
    run.out = {&plan, sink, hooks, result, nullptr};
    run.result = result;
    Reader &r = run.r;
    r.source = source;
    r.buf = buffer->bytes;
    r.capacity = buffer->capacity;
    r.eof = false;
    r.status = NAACCR_REC_OK;
    size_t pos = 0;
    if (primed > 0) {
        r.len = primed;
        r.buf_offset = source->next - static_cast<int64_t>(primed);
        pos = static_cast<size_t>(start - r.buf_offset);
    } else {
        r.len = 0;
        r.buf_offset = start;
        source->next = start;
    }
    if (find_start && !find_boundary(plan, r, start, limit, pos)) {
        const int64_t reached = r.buf_offset + static_cast<int64_t>(r.len);
        result->start = result->end = reached < limit ? reached : limit;
        result->status = r.status;
        return;
    }
    result->start = r.buf_offset + static_cast<int64_t>(pos);
    run.next_progress = result->start + progress_step;

    for (;;) {
        const int64_t here = r.buf_offset + static_cast<int64_t>(pos);
        result->end = here;
        if (here >= limit || r.status != NAACCR_REC_OK)
            break;
        if (!go_on_at(run, here))
            break;
        if (pos >= r.len) {
            if (r.eof)
                break;
            pos -= read_more(r, pos);
            continue;
        }
        const bool go_on = plan.nterm != 0 ? terminated_record(run, pos) : fixed_record(run, pos);
        result->end = r.buf_offset + static_cast<int64_t>(pos);
        if (!go_on)
            break;
        // Keep the buffer's front near the record being read.
        if (pos > check_block_size) {
            memmove(r.buf, r.buf + pos, r.len - pos);
            r.len -= pos;
            r.buf_offset += static_cast<int64_t>(pos);
            pos = 0;
        }
    }
    result->status = r.status;
}
