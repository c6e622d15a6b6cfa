// record_reader.cpp -- checks a run of records: cuts them where the first
// record's terminator form (or, without terminators, its layout's length)
// says, and checks each one's length, terminator, type, version, bytes and
// checksum field.
//
// The bytes are scanned once, with the vector scan of printable_scan: a byte
// outside 32 to 126 is either the record's terminator or a problem, so a good
// record costs one scan to its end.  A CR or LF that is not the file's form
// splits the record when it comes before the record's expected length, and
// ends it (in another form) from there on; so a record's bounds never depend
// on anything but its own bytes and the first record.
#include <inttypes.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "naaccr_internal.h"
#include "printable_scan.h"
#include "record_check.h"

namespace
{

const unsigned char ctrl_z = 26;
const int64_t progress_step = 8 << 20;
// A record longer than this is checked as it streams past, not held whole.
const size_t keep_limit = NAACCR_CHECK_LONGEST_VIEW;

// ---- the source and the buffer ----

struct Reader {
    ByteSource *source;
    unsigned char *buf;
    size_t capacity;
    size_t len;         // bytes in buf
    int64_t buf_offset; // offset of buf[0] in the file
    bool eof;
    int32_t status; // NAACCR_REC_OK or NAACCR_REC_READ_FAILED
};

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

// Reads one more block, first moving the bytes from `keep` on to the front of
// the buffer when that makes room.  Returns by how much indices into the
// buffer moved; sets r.eof at the end of the source.
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

// ---- problems of one record ----

struct Found {
    NaaccrProblem items[10];
    int count;
    uint32_t mask;
};

void add(Found &found, uint64_t number, int64_t offset, uint64_t column, int32_t code, const char *format, ...)
    __attribute__((format(printf, 6, 7)));

void add(Found &found, uint64_t number, int64_t offset, uint64_t column, int32_t code, const char *format, ...)
{
    found.mask |= 1u << code;
    if (found.count == static_cast<int>(sizeof found.items / sizeof found.items[0]))
        return;
    NaaccrProblem &p = found.items[found.count++];
    memset(&p, 0, sizeof p); // no stale bytes after the message's NUL
    p.record = number;
    p.offset = offset;
    p.column = column > INT32_MAX ? INT32_MAX : static_cast<int32_t>(column);
    p.code = code;
    va_list args;
    va_start(args, format);
    vsnprintf(p.message, sizeof p.message, format, args);
    va_end(args);
}

// A byte as a message shows it: itself when printable, else its value.
const char *shown(unsigned char c, char *text, size_t capacity)
{
    snprintf(text, capacity, c >= 32 && c <= 126 ? "%c" : "ASCII %d", c);
    return text;
}

// A run of bytes as a quoted, printable text.
const char *quoted(const unsigned char *bytes, size_t n, char *text, size_t capacity)
{
    size_t used = 0;
    text[used++] = '"';
    for (size_t i = 0; i < n && used + 8 < capacity; ++i)
        used += static_cast<size_t>(
            snprintf(text + used, capacity - used, bytes[i] >= 32 && bytes[i] <= 126 ? "%c" : "<%d>", bytes[i]));
    snprintf(text + used, capacity - used, "\"");
    return text;
}

const char *terminator_text(const unsigned char *bytes, int n)
{
    if (n == 0)
        return "no terminator";
    if (n == 2)
        return bytes[0] == '\r' ? "<cr><lf>" : "<lf><cr>";
    return bytes[0] == '\r' ? "<cr>" : "<lf>";
}

// What is learned of a record while its bytes go by.
struct Scan {
    int64_t offset;   // of the record's first byte
    uint64_t dropped; // bytes of a long record no longer held
    bool held_head;   // the head checks were made early, for a long record
    uint64_t illegal_count, illegal_column;
    unsigned char illegal_byte;
    uint64_t split_column;
    unsigned char split_byte;
    Found head; // type and version problems of a long record
};

// Column 1 and the version code, against the first record.
void check_head(const CheckPlan &plan, const unsigned char *bytes, uint64_t length, bool first, uint64_t number,
                int64_t offset, Found &found)
{
    char a[16], b[16];
    if (length == 0)
        return;
    const unsigned char type = bytes[0];
    if (!is_naaccr_record_type(static_cast<char>(type)))
        add(found, number, offset, 1, NAACCR_CHECK_RECORD_TYPE, "Invalid NAACCR Record Type %s.",
            shown(type, a, sizeof a));
    else if (!first && type != plan.type)
        add(found, number, offset, 1, NAACCR_CHECK_RECORD_TYPE, "Record Type %s differs from the first record's %s.",
            shown(type, a, sizeof a), shown(plan.type, b, sizeof b));

    if (plan.version_width == 0)
        return;
    const uint64_t column = static_cast<uint64_t>(plan.version_column);
    if (first) {
        if (plan.type_valid && plan.layout == nullptr)
            add(found, number, offset, column, NAACCR_CHECK_VERSION, "Invalid NAACCR Version code for Record Type %c.",
                plan.type);
        return;
    }
    const size_t width = static_cast<size_t>(plan.version_width);
    if (length < column - 1 + width)
        return;
    if (memcmp(bytes + column - 1, plan.version, width) != 0) {
        char have[40], want[40];
        add(found, number, offset, column, NAACCR_CHECK_VERSION, "Version code %s differs from the first record's %s.",
            quoted(bytes + column - 1, width, have, sizeof have), quoted(plan.version, width, want, sizeof want));
    }
}

bool all_blank(const unsigned char *field, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (field[i] != ' ')
            return false;
    return true;
}

// The record's own layout: the first record's when its type and version
// columns agree, else whatever its own bytes say.
const NaaccrLayout *own_layout(const CheckPlan &plan, const unsigned char *bytes, uint64_t length)
{
    if (plan.layout != nullptr && length >= static_cast<uint64_t>(plan.version_column + plan.version_width - 1) &&
        bytes[0] == plan.type &&
        memcmp(bytes + plan.version_column - 1, plan.version, static_cast<size_t>(plan.version_width)) == 0 &&
        (!plan.layout->needs_blank_536 || (length >= 536 && bytes[535] == ' ')))
        return plan.layout;
    return match_naaccr_layout(reinterpret_cast<const char *>(bytes), static_cast<size_t>(length), nullptr);
}

// ---- the run ----

struct Run {
    const CheckPlan *plan;
    Reader r;
    ProblemSink *sink;
    const RunHooks *hooks;
    RunResult *result;
    int64_t next_progress;
};

// How a record ended.
enum Ending { ENDED_BY_FORM, ENDED_BY_OTHER_FORM, ENDED_BY_LENGTH, ENDED_AT_FILE_END };

// Counts and hands on the problems of one record, and the record itself.
// Returns false when the run must stop.
bool finish_record(Run &run, Scan &scan, const unsigned char *bytes, uint64_t length, const unsigned char *terminator,
                   int term, Ending ending)
{
    const CheckPlan &plan = *run.plan;
    RunResult &result = *run.result;
    const uint64_t number = result.records + 1;
    const bool first = scan.offset == plan.data_start;
    const int64_t offset = scan.offset;
    Found found;
    found.count = 0;
    found.mask = 0;
    char a[32], b[32];

    // A lone Ctrl-Z at the very end is an old end-of-file mark, not a record.
    if (ending == ENDED_AT_FILE_END && length == 1 && bytes != nullptr && bytes[0] == ctrl_z) {
        add(found, number, offset, 0, NAACCR_CHECK_STRAY_CTRL_Z, "Stray Ctrl-Z at end of file.");
    } else {
        result.records = number;
        const bool partial = ending == ENDED_AT_FILE_END && length != plan.reference;
        if (first && plan.layout != nullptr && length != static_cast<uint64_t>(plan.layout->length) && !partial)
            add(found, number, offset, 0, NAACCR_CHECK_LAYOUT_LENGTH,
                "The first record has %" PRIu64 " characters; its layout (type %c, version %.*s) has %d.",
                static_cast<uint64_t>(length), plan.type, plan.layout->version_width,
                reinterpret_cast<const char *>(plan.version), plan.layout->length);
        if (partial)
            add(found, number, offset, 0, NAACCR_CHECK_PARTIAL_RECORD,
                "The file ends inside a record, after %" PRIu64 " of its %u characters.", static_cast<uint64_t>(length),
                plan.reference);
        else if (length != plan.reference)
            add(found, number, offset, 0, NAACCR_CHECK_RECORD_LENGTH,
                "Record length %" PRIu64 " differs from the first record's %u.", static_cast<uint64_t>(length),
                plan.reference);
        if (ending == ENDED_AT_FILE_END && !partial && plan.nterm != 0)
            add(found, number, offset, 0, NAACCR_CHECK_TERMINATOR_OMITTED,
                "<cr><lf> terminators omitted at end of file.");

        if (scan.held_head) {
            for (int k = 0; k < scan.head.count; ++k)
                found.items[found.count++] = scan.head.items[k];
            found.mask |= scan.head.mask;
        } else if (bytes != nullptr) {
            check_head(plan, bytes, length, first, number, offset, found);
        }

        // Illegal bytes and a split, in column order.
        const bool split_first =
            scan.split_column != 0 && (scan.illegal_count == 0 || scan.split_column < scan.illegal_column);
        for (int k = 0; k < 2; ++k) {
            const bool split_turn = (k == 0) == split_first;
            if (split_turn && scan.split_column != 0)
                add(found, number, offset, scan.split_column, NAACCR_CHECK_SPLIT_RECORD,
                    "A lone %s at column %" PRIu64 " splits the record.", scan.split_byte == '\r' ? "CR" : "LF",
                    static_cast<uint64_t>(scan.split_column));
            if (!split_turn && scan.illegal_count == 1)
                add(found, number, offset, scan.illegal_column, NAACCR_CHECK_ILLEGAL_BYTE,
                    "Illegal character, ASCII %d, found at column %" PRIu64 "", scan.illegal_byte,
                    static_cast<uint64_t>(scan.illegal_column));
            else if (!split_turn && scan.illegal_count > 1)
                add(found, number, offset, scan.illegal_column, NAACCR_CHECK_ILLEGAL_BYTE,
                    "Illegal character, ASCII %d, found at column %" PRIu64 " (%" PRIu64
                    " illegal bytes in this record)",
                    scan.illegal_byte, static_cast<uint64_t>(scan.illegal_column),
                    static_cast<uint64_t>(scan.illegal_count));
        }

        if (plan.checksums && first && plan.layout != nullptr && plan.layout->checksum_column == 0)
            add(found, number, offset, 0, NAACCR_CHECK_NO_CHECKSUM,
                "Records of type %c, version %.*s have no checksum field.", plan.type, plan.layout->version_width,
                reinterpret_cast<const char *>(plan.version));
        // The record's own checksum column, wanted only to verify it or to hand it over.
        const bool wanted = plan.checksums || (run.hooks != nullptr && run.hooks->on_record != nullptr);
        const NaaccrLayout *layout =
            wanted && bytes != nullptr && length > 0 ? own_layout(plan, bytes, length) : nullptr;
        const uint32_t column = layout != nullptr ? layout->checksum_column : 0;
        if (plan.checksums && column != 0 && !partial) {
            const uint32_t n = static_cast<uint32_t>(length);
            if (length < column + naaccr_checksum_width - 1) {
                add(found, number, offset, column, NAACCR_CHECK_CHECKSUM_CUT,
                    "The record ends before the end of its checksum field (columns %u to %u).", column,
                    column + naaccr_checksum_width - 1);
            } else if (all_blank(bytes + column - 1, naaccr_checksum_width)) {
                add(found, number, offset, column, NAACCR_CHECK_CHECKSUM_BLANK, "The checksum field is blank.");
            } else if (compare_naaccr_checksum(reinterpret_cast<const char *>(bytes), n, column) == CV_FIELD_OK) {
                ++result.checksums_matched;
            } else {
                const uint32_t value =
                    cvCalcCRC32(reinterpret_cast<const char *>(bytes), n, column, naaccr_checksum_width);
                add(found, number, offset, column, NAACCR_CHECK_CHECKSUM_MISMATCH,
                    "The checksum field holds %s; the record's checksum is \"%010X\".",
                    quoted(bytes + column - 1, naaccr_checksum_width, a, sizeof a), value);
            }
        }
        if (ending == ENDED_BY_OTHER_FORM)
            add(found, number, offset, length + 1, NAACCR_CHECK_TERMINATOR_FORM,
                "The record ends in %s, not in %s as the first record does.", terminator_text(terminator, term),
                (snprintf(b, sizeof b, "%s", terminator_text(plan.form, plan.nterm)), b));

        if (run.hooks != nullptr && run.hooks->on_record != nullptr) {
            NaaccrRecordView view;
            view.number = number;
            view.offset = offset;
            view.bytes = reinterpret_cast<const char *>(bytes);
            view.length = length > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(length);
            view.terminator_length = static_cast<uint32_t>(term);
            view.problems = found.mask;
            view.checksum_column = column;
            if (run.hooks->on_record(run.hooks->record_context, &view) != 0)
                result.stopped = 1;
        }
    }
    if (found.mask & (1u << NAACCR_CHECK_STRAY_CTRL_Z) && run.hooks != nullptr && run.hooks->on_record != nullptr) {
        NaaccrRecordView view = {0, offset, reinterpret_cast<const char *>(bytes), 1, 0, found.mask, 0};
        if (run.hooks->on_record(run.hooks->record_context, &view) != 0)
            result.stopped = 1;
    }

    // In column order, the record as a whole (column 0) first.
    for (int k = 1; k < found.count; ++k)
        for (int m = k; m > 0 && found.items[m].column < found.items[m - 1].column; --m) {
            const NaaccrProblem swap = found.items[m];
            found.items[m] = found.items[m - 1];
            found.items[m - 1] = swap;
        }
    for (int k = 0; k < found.count; ++k) {
        ++result.problems;
        ++result.counts[found.items[k].code];
        if (result.stopped == 0 && sink_problem(run.sink, &found.items[k]) != 0)
            result.stopped = 1;
    }
    return result.stopped == 0;
}

void note_byte(const CheckPlan &plan, Scan &scan, unsigned char c, uint64_t column, bool split)
{
    (void)plan;
    if (split) {
        if (scan.split_column == 0) {
            scan.split_column = column;
            scan.split_byte = c;
        }
        return;
    }
    if (scan.illegal_count++ == 0) {
        scan.illegal_column = column;
        scan.illegal_byte = c;
    }
}

void start_scan(Scan &scan, int64_t offset)
{
    scan.offset = offset;
    scan.dropped = 0;
    scan.held_head = false;
    scan.illegal_count = scan.illegal_column = 0;
    scan.illegal_byte = 0;
    scan.split_column = 0;
    scan.split_byte = 0;
    scan.head.count = 0;
    scan.head.mask = 0;
}

bool cancelled(const Run &run)
{
    return run.hooks != nullptr && run.hooks->cancelled != nullptr && run.hooks->cancelled->load();
}

// Reports progress when another few megabytes have been read, also inside a
// long record, and learns whether to stop.  False when the run must stop.
bool go_on_at(Run &run, int64_t offset)
{
    if (cancelled(run)) {
        run.result->stopped = 3;
        return false;
    }
    const RunHooks *hooks = run.hooks;
    if (hooks == nullptr || hooks->progress == nullptr || offset < run.next_progress)
        return true;
    run.next_progress = offset + progress_step;
    if (hooks->progress(hooks->progress_context, offset, run.result->records) != 0) {
        run.result->stopped = 2;
        return false;
    }
    return true;
}

// One record of a file with terminators, from buf[pos].  Returns the index
// after it (after the shift that reading more may cause, given in *shifted),
// or stops the run.
bool terminated_record(Run &run, size_t &pos)
{
    const CheckPlan &plan = *run.plan;
    Reader &r = run.r;
    Scan scan;
    start_scan(scan, r.buf_offset + static_cast<int64_t>(pos));
    size_t rstart = pos, i = pos;
    unsigned char type = 0;
    bool have_type = false;
    for (;;) {
        if (i >= r.len) {
            if (r.eof) {
                const uint64_t length = scan.dropped + (r.len - rstart);
                const unsigned char *bytes = scan.dropped == 0 ? r.buf + rstart : nullptr;
                pos = r.len;
                return finish_record(run, scan, bytes, length, nullptr, 0, ENDED_AT_FILE_END);
            }
            // A long record is checked as it goes by: its head is checked now
            // and the rest of its bytes are not held.
            if (i - rstart > keep_limit && !scan.held_head && scan.dropped == 0) {
                check_head(plan, r.buf + rstart, i - rstart, scan.offset == plan.data_start, run.result->records + 1,
                           scan.offset, scan.head);
                scan.held_head = true;
            }
            if (scan.held_head) {
                scan.dropped += i - rstart;
                rstart = i;
            }
            if (!go_on_at(run, r.buf_offset + static_cast<int64_t>(i)))
                return false;
            const size_t shift = read_more(r, rstart);
            rstart -= shift;
            i -= shift;
            continue;
        }
        if (!have_type) {
            type = r.buf[rstart];
            have_type = true;
        }
        const size_t j = skip_printable(r.buf, i, r.len);
        if (j == r.len) {
            i = j;
            continue;
        }
        const unsigned char c = r.buf[j];
        const uint64_t before = scan.dropped + (j - rstart);
        if (c == '\r' || c == '\n') {
            if (j + 1 >= r.len && !r.eof) {
                // The byte after it decides between one and two terminator bytes.
                const size_t shift = read_more(r, rstart);
                rstart -= shift;
                i = j - shift;
                continue;
            }
            const int next = j + 1 < r.len ? r.buf[j + 1] : -1;
            int term = 0;
            Ending ending = ENDED_BY_FORM;
            if (plan.nterm == 2 && c == plan.form[0] && next == plan.form[1]) {
                term = 2;
            } else if (plan.nterm == 1 && c == plan.form[0]) {
                term = 1;
            } else if (before < plan.reference) {
                note_byte(plan, scan, c, before + 1, true);
                i = j + 1;
                continue;
            } else {
                ending = ENDED_BY_OTHER_FORM;
                term = plan.nterm == 1 && plan.form[0] == '\n' && c == '\r' && next == '\n' ? 2 : 1;
            }
            const unsigned char *bytes = scan.dropped == 0 ? r.buf + rstart : nullptr;
            pos = j + static_cast<size_t>(term);
            return finish_record(run, scan, bytes, before, r.buf + j, term, ending);
        }
        // In a record of type U a NUL is data, as the recognizer takes it.
        if (!(c == 0 && type == 'U' && j > rstart))
            note_byte(plan, scan, c, before + 1, false);
        i = j + 1;
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
        if (!(c == 0 && type == 'U' && j > pos))
            note_byte(plan, scan, c, j - pos + 1, c == '\r' || c == '\n');
        i = j + 1;
    }
    const unsigned char *bytes = r.buf + pos;
    pos += have;
    return finish_record(run, scan, bytes, have, nullptr, 0, have < want ? ENDED_AT_FILE_END : ENDED_BY_LENGTH);
}

// The first record boundary at or after `start` and before `limit`: after
// the first whole terminator of the file's form that ends there or later, or
// at the next multiple of the layout's length.  Leaves the reader there; false
// when the limit or the file's end comes first.
bool find_boundary(Run &run, int64_t start, int64_t limit, size_t &pos)
{
    const CheckPlan &plan = *run.plan;
    Reader &r = run.r;
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

} // namespace

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

int32_t sink_problem(ProblemSink *sink, const NaaccrProblem *problem)
{
    if (sink->deliver != nullptr)
        return sink->deliver(sink->context, problem);
    if (sink->count < sink->capacity)
        sink->stored[sink->count++] = *problem;
    else
        sink->overflow = true;
    return 0;
}

void check_record_run(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, int64_t start,
                      bool find_start, int64_t limit, ProblemSink *sink, const RunHooks *hooks, RunResult *result)
{
    memset(result, 0, sizeof *result);
    Run run;
    run.plan = &plan;
    run.sink = sink;
    run.hooks = hooks;
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
    if (find_start && !find_boundary(run, start, limit, pos)) {
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
