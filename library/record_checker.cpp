// record_checker.cpp -- cvCheckNaaccrFile and cvCheckNaaccrStream: the plan
// from a file's head, then the runs of records, on one thread or several.
//
// With several threads the file is cut into pieces of a few megabytes.  Each
// worker checks one piece from the first record boundary it finds in it and
// stores what it found; the calling thread takes the pieces in file order and
// hands on their problems.  A piece whose run did not start where the
// previous run ended (its guess of the boundary was wrong), or that found more
// problems than it could store, is checked again on the calling thread from
// the right place.  So the problems and their order never depend on the
// number of threads, and the callbacks only ever run on the calling thread.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>

#include "naaccr_internal.h"
#include "record_check.h"
#include "threads.h"

namespace
{

const int64_t piece_size = 8 << 20;
const unsigned most_threads = 8;
const uint32_t stored_per_piece = 2048;

// ---- the plan ----

size_t byte_order_mark(const unsigned char *head, size_t n)
{
    if (n >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        return 3;
    if (n >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF)))
        return 2;
    return 0;
}

bool is_line_end(unsigned char c) { return c == '\r' || c == '\n'; }

// Terminator bytes at `t`: 2 for CR LF or LF CR, else 1.
int terminator_at(const unsigned char *data, size_t n, size_t t)
{
    const unsigned char other = data[t] == '\r' ? '\n' : '\r';
    return t + 1 < n && data[t + 1] == other ? 2 : 1;
}

// ---- handing problems on ----

struct Delivery {
    const NaaccrCheckOptions *options;
    NaaccrCheckSummary *summary;
    uint64_t base; // records of the pieces before the current one
};

int32_t deliver(void *context, const NaaccrProblem *problem)
{
    Delivery *d = static_cast<Delivery *>(context);
    const uint32_t most = d->options->max_reported;
    if (most != 0 && d->summary->reported >= most)
        return 0;
    NaaccrProblem numbered = *problem;
    numbered.record += d->base;
    ++d->summary->reported;
    if (d->options->on_problem != nullptr && d->options->on_problem(d->options->context, &numbered) != 0)
        return 1;
    return 0;
}

// A problem outside any run: a byte-order mark, or a file that cannot be cut.
int32_t deliver_alone(Delivery &d, int64_t offset, int32_t column, int32_t code, const char *message)
{
    NaaccrProblem p;
    memset(&p, 0, sizeof p);
    p.record = 1;
    p.offset = offset;
    p.column = column;
    p.code = code;
    snprintf(p.message, sizeof p.message, "%s", message);
    ++d.summary->problems;
    ++d.summary->counts[code];
    return deliver(&d, &p);
}

void add_run(NaaccrCheckSummary *summary, const RunResult &run)
{
    summary->records += run.records;
    summary->problems += run.problems;
    summary->checksums_matched += run.checksums_matched;
    for (int k = 0; k < NAACCR_CHECK_KINDS; ++k)
        summary->counts[k] += run.counts[k];
}

struct Progress {
    const NaaccrCheckOptions *options;
    int64_t total;
    uint64_t records_before;
};

int32_t report_progress(void *context, int64_t offset, uint64_t records)
{
    const Progress *p = static_cast<const Progress *>(context);
    return p->options->on_progress(p->options->context, static_cast<uint64_t>(offset), p->total,
                                   p->records_before + records);
}

// ---- several threads ----

enum SlotState { SLOT_FREE, SLOT_BUSY, SLOT_DONE };

struct Slot {
    SlotState state;
    int64_t piece;
    RunResult result;
    NaaccrProblem *problems;
    uint32_t count;
    bool overflow;
};

struct Pool {
    Monitor monitor;
    const CheckPlan *plan;
    const ReadableFile *file;
    int64_t size;
    int64_t pieces;
    int64_t next_piece; // the next piece a worker takes
    int64_t merged;     // pieces the calling thread is done with
    Slot *slots;
    int64_t slot_count;
    uint32_t capacity; // problems stored per piece
    std::atomic<bool> cancel;
};

struct Worker {
    Pool *pool;
    RunBuffer buffer;
    WorkerThread thread;
};

int64_t piece_start(const Pool &pool, int64_t piece) { return pool.plan->data_start + piece * piece_size; }

int64_t piece_limit(const Pool &pool, int64_t piece)
{
    return piece + 1 < pool.pieces ? piece_start(pool, piece + 1) : INT64_MAX;
}

void work(void *argument)
{
    Worker *worker = static_cast<Worker *>(argument);
    Pool &pool = *worker->pool;
    for (;;) {
        lock_monitor(&pool.monitor);
        while (!pool.cancel.load() && pool.next_piece < pool.pieces && pool.next_piece >= pool.merged + pool.slot_count)
            wait_monitor(&pool.monitor);
        if (pool.cancel.load() || pool.next_piece >= pool.pieces) {
            unlock_monitor(&pool.monitor);
            return;
        }
        const int64_t piece = pool.next_piece++;
        Slot &slot = pool.slots[piece % pool.slot_count];
        slot.state = SLOT_BUSY;
        slot.piece = piece;
        unlock_monitor(&pool.monitor);

        ByteSource source = {pool.file, nullptr, nullptr, 0, pool.size, false};
        ProblemSink sink = {nullptr, nullptr, slot.problems, pool.capacity, 0, false};
        RunHooks hooks = {nullptr, nullptr, nullptr, &pool.cancel, nullptr};
        check_record_run(*pool.plan, &source, &worker->buffer, 0, piece_start(pool, piece), piece > 0,
                         piece_limit(pool, piece), &sink, &hooks, &slot.result);

        lock_monitor(&pool.monitor);
        slot.count = sink.count;
        slot.overflow = sink.overflow;
        slot.state = SLOT_DONE;
        notify_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);
    }
}

// Takes the pieces in order on the calling thread.  Returns the result code.
int32_t merge_pieces(Pool &pool, RunBuffer *own, Delivery &delivery, NaaccrCheckSummary *summary)
{
    const NaaccrCheckOptions &options = *delivery.options;
    int64_t previous_end = pool.plan->data_start;
    int32_t status = NAACCR_REC_OK;
    for (int64_t piece = 0; piece < pool.pieces; ++piece) {
        Slot &slot = pool.slots[piece % pool.slot_count];
        lock_monitor(&pool.monitor);
        while (slot.state != SLOT_DONE || slot.piece != piece)
            wait_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);

        const int64_t limit = piece_limit(pool, piece);
        RunResult run = slot.result;
        delivery.base = summary->records;
        const bool want_more = options.max_reported == 0 || options.max_reported - summary->reported > slot.count;
        if (previous_end >= limit) {
            // A record of the previous piece reached past this one.
            memset(&run, 0, sizeof run);
            run.start = run.end = previous_end;
        } else if (run.start != previous_end || (slot.overflow && want_more)) {
            ByteSource source = {pool.file, nullptr, nullptr, 0, pool.size, false};
            ProblemSink sink = {deliver, &delivery, nullptr, 0, 0, false};
            check_record_run(*pool.plan, &source, own, 0, previous_end, false, limit, &sink, nullptr, &run);
        } else {
            for (uint32_t k = 0; k < slot.count && run.stopped == 0; ++k)
                if (deliver(&delivery, &slot.problems[k]) != 0)
                    run.stopped = 1;
        }
        add_run(summary, run);
        summary->bytes = static_cast<uint64_t>(run.end);
        previous_end = run.end;

        lock_monitor(&pool.monitor);
        slot.state = SLOT_FREE;
        pool.merged = piece + 1;
        notify_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);

        if (run.status != NAACCR_REC_OK) {
            status = run.status;
            break;
        }
        if (run.stopped != 0) {
            summary->stopped = run.stopped == 3 ? 2 : run.stopped;
            break;
        }
        if (options.on_progress != nullptr && piece + 1 < pool.pieces &&
            options.on_progress(options.context, summary->bytes, pool.size, summary->records) != 0) {
            summary->stopped = 2;
            break;
        }
    }
    return status;
}

// Runs the pieces on `threads` workers.  Returns false when they cannot be
// set up; nothing has been read or reported then.
bool check_with_workers(const CheckPlan &plan, const ReadableFile &file, int64_t size, unsigned threads, RunBuffer *own,
                        Delivery &delivery, NaaccrCheckSummary *summary, int32_t *status)
{
    Pool pool;
    pool.plan = &plan;
    pool.file = &file;
    pool.size = size;
    pool.pieces = (size - plan.data_start + piece_size - 1) / piece_size;
    pool.next_piece = 0;
    pool.merged = 0;
    pool.slot_count = 2 * static_cast<int64_t>(threads);
    const uint32_t most = delivery.options->max_reported;
    pool.capacity = most != 0 && most < stored_per_piece ? most : stored_per_piece;
    pool.cancel.store(false);

    Slot slots[2 * most_threads];
    Worker workers[most_threads];
    pool.slots = slots;
    bool ready = init_monitor(&pool.monitor);
    const bool have_monitor = ready;
    int64_t slots_made = 0;
    for (; ready && slots_made < pool.slot_count; ++slots_made) {
        Slot &slot = slots[slots_made];
        slot.state = SLOT_FREE;
        slot.piece = -1;
        slot.problems = static_cast<NaaccrProblem *>(malloc(pool.capacity * sizeof(NaaccrProblem)));
        ready = slot.problems != nullptr;
    }
    unsigned buffers = 0;
    for (; ready && buffers < threads; ++buffers) {
        workers[buffers].pool = &pool;
        ready = allocate_run_buffer(&workers[buffers].buffer);
    }
    unsigned started = 0;
    for (; ready && started < threads; ++started)
        ready = start_worker_thread(&workers[started].thread, work, &workers[started]);

    if (started > 0)
        *status = merge_pieces(pool, own, delivery, summary);

    if (have_monitor) {
        lock_monitor(&pool.monitor);
        pool.cancel.store(true);
        notify_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);
    }
    for (unsigned k = 0; k < started; ++k)
        join_worker_thread(workers[k].thread);
    for (unsigned k = 0; k < buffers; ++k)
        free_run_buffer(&workers[k].buffer);
    for (int64_t k = 0; k < slots_made; ++k)
        free(slots[k].problems);
    if (have_monitor)
        destroy_monitor(&pool.monitor);
    return started > 0;
}

// ---- one call ----

bool take_options(const NaaccrCheckOptions *given, NaaccrCheckOptions *options)
{
    memset(options, 0, sizeof *options);
    options->size = sizeof *options;
    if (given == nullptr)
        return true;
    if (given->size != sizeof *given)
        return false;
    *options = *given;
    return true;
}

void clear_summary(NaaccrCheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->record_type = ' ';
}

unsigned thread_count(const NaaccrCheckOptions &options)
{
    unsigned n = options.threads != 0 ? options.threads : processor_count();
    return n > most_threads ? most_threads : n;
}

// Everything after the head is read: the byte-order mark, a file that cannot
// be cut into records, then the runs.  `primed` head bytes stand in `buffer`
// for a stream.
int32_t check_after_head(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, size_t head_bytes,
                         const NaaccrCheckOptions &options, NaaccrCheckSummary *summary)
{
    Delivery delivery = {&options, summary, 0};
    if (plan.bom_length != 0 && options.on_record != nullptr) {
        // The mark is handed over as bytes outside any record, so that a
        // caller copying the file through its records keeps every byte.
        const NaaccrRecordView view = {0,
                                       0,
                                       reinterpret_cast<const char *>(buffer->bytes),
                                       static_cast<uint32_t>(plan.bom_length),
                                       0,
                                       1u << NAACCR_CHECK_BYTE_ORDER_MARK,
                                       0};
        if (options.on_record(options.context, &view) != 0) {
            summary->stopped = 1;
            summary->bytes = static_cast<uint64_t>(plan.bom_length);
            return NAACCR_REC_OK;
        }
    }
    if (plan.bom_length != 0) {
        const bool utf8 = plan.bom_length == 3;
        if (deliver_alone(delivery, 0, 1, NAACCR_CHECK_BYTE_ORDER_MARK,
                          utf8 ? "The file starts with a UTF-8 byte-order mark."
                               : "The file starts with a UTF-16 byte-order mark: it is no single-byte text.") != 0) {
            summary->stopped = 1;
            summary->bytes = static_cast<uint64_t>(plan.bom_length);
            return NAACCR_REC_OK;
        }
    }
    if (static_cast<int64_t>(head_bytes) <= plan.data_start) {
        summary->bytes = head_bytes;
        return NAACCR_REC_OK;
    }
    if (plan.cannot_split) {
        char message[160];
        snprintf(message, sizeof message,
                 "No record terminator in the first %d bytes, and no known layout to cut records by.",
                 NAACCR_RECORD_BUFFER_SIZE);
        summary->records = 1;
        summary->bytes = head_bytes;
        if (deliver_alone(delivery, plan.data_start, 0, NAACCR_CHECK_RECORD_LENGTH, message) != 0)
            summary->stopped = 1;
        return NAACCR_REC_OK;
    }

    int32_t status = NAACCR_REC_OK;
    const int64_t size = source->file_size;
    const unsigned threads = thread_count(options);
    const bool several = source->file != nullptr && options.on_record == nullptr && threads > 1 &&
                         size - plan.data_start > 2 * piece_size;
    if (!several || !check_with_workers(plan, *source->file, size, threads, buffer, delivery, summary, &status)) {
        Progress progress = {&options, size, 0};
        RunHooks hooks = {options.on_record, options.on_progress != nullptr ? report_progress : nullptr, &progress,
                          nullptr, options.context};
        ProblemSink sink = {deliver, &delivery, nullptr, 0, 0, false};
        RunResult run;
        check_record_run(plan, source, buffer, primed, plan.data_start, false, INT64_MAX, &sink, &hooks, &run);
        add_run(summary, run);
        summary->bytes = static_cast<uint64_t>(run.end);
        summary->stopped = run.stopped == 3 ? 2 : run.stopped;
        status = run.status;
    }
    if (status == NAACCR_REC_OK && summary->stopped == 0 && options.on_progress != nullptr)
        options.on_progress(options.context, summary->bytes, size, summary->records);
    return status;
}

} // namespace

void make_check_plan(const unsigned char *head, size_t n, bool checksums, CheckPlan *plan, NaaccrCheckSummary *summary)
{
    memset(plan, 0, sizeof *plan);
    plan->checksums = checksums;
    plan->bom_length = static_cast<int>(byte_order_mark(head, n));
    plan->data_start = plan->bom_length;
    const unsigned char *data = head + plan->bom_length;
    const size_t m = n - static_cast<size_t>(plan->bom_length);
    if (m == 0)
        return;

    bool known_type = false;
    const NaaccrLayout *layout = match_naaccr_layout(reinterpret_cast<const char *>(data), m, &known_type);
    plan->layout = layout;
    plan->type = data[0];
    plan->type_valid = known_type;
    if (layout != nullptr) {
        plan->version_column = layout->version_column;
        plan->version_width = layout->version_width;
    } else if (known_type) {
        plan->version_column = plan->type == 'U' ? 2 : 17;
        plan->version_width = 3;
    }
    if (static_cast<size_t>(plan->version_column + plan->version_width - 1) <= m)
        memcpy(plan->version, data + plan->version_column - 1, static_cast<size_t>(plan->version_width));
    else
        plan->version_width = 0;

    // The first record ends at its first CR or LF inside the window (or the
    // layout's length and a terminator, for longer layouts); a lone CR or LF
    // before a two-byte terminator at the layout's length splits it instead.
    const size_t length = layout != nullptr ? static_cast<size_t>(layout->length) : 0;
    size_t window = length + 1 > NAACCR_RECORD_BUFFER_SIZE ? length + 1 : NAACCR_RECORD_BUFFER_SIZE;
    window = window < m ? window : m;
    size_t t = 0;
    while (t < window && !is_line_end(data[t]))
        ++t;
    if (t < window && length > 0 && length < m && t < length && is_line_end(data[length]) &&
        terminator_at(data, m, t) == 1 && terminator_at(data, m, length) == 2)
        t = length;
    if (t < window) {
        plan->nterm = terminator_at(data, m, t);
        plan->form[0] = data[t];
        plan->form[1] = plan->nterm == 2 ? data[t + 1] : 0;
        plan->reference = static_cast<uint32_t>(t);
    } else if (length > 0) {
        plan->reference = static_cast<uint32_t>(length);
    } else {
        plan->cannot_split = true;
    }

    summary->record_type = static_cast<char>(plan->type);
    memset(summary->version, 0, sizeof summary->version);
    if (layout != nullptr)
        memcpy(summary->version, plan->version, static_cast<size_t>(layout->version_width));
    else
        summary->version[0] = ' ';
    summary->first_terminator = static_cast<char>(plan->form[0]);
    summary->second_terminator = static_cast<char>(plan->form[1]);
    summary->record_length = plan->cannot_split ? 0 : static_cast<int32_t>(plan->reference) + plan->nterm;
    summary->layout_length = layout != nullptr ? layout->length : 0;
}

int32_t CV_CALL cvCheckNaaccrFile(const char *path, const NaaccrCheckOptions *given, NaaccrCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    clear_summary(summary);
    NaaccrCheckOptions options;
    if (path == nullptr || !take_options(given, &options))
        return NAACCR_REC_BAD_ARGUMENT;

    ReadableFile file;
    int64_t size = 0;
    if (!open_regular_file(path, &file, &size))
        return NAACCR_REC_OPEN_FAILED;
    int32_t status = NAACCR_REC_OK;
    RunBuffer buffer;
    if (size == 0) {
        status = NAACCR_REC_EMPTY_FILE;
    } else if (!allocate_run_buffer(&buffer)) {
        status = NAACCR_REC_NO_MEMORY;
    } else {
        size_t head = 0;
        if (!read_file_at(file, 0, buffer.bytes, check_head_size, &head) || head == 0) {
            status = NAACCR_REC_READ_FAILED;
        } else {
            CheckPlan plan;
            make_check_plan(buffer.bytes, head, (options.flags & NAACCR_CHECK_CHECKSUMS) != 0, &plan, summary);
            ByteSource source = {&file, nullptr, nullptr, 0, size, false};
            status = check_after_head(plan, &source, &buffer, 0, head, options, summary);
        }
        free_run_buffer(&buffer);
    }
    close_readable_file(file);
    return status;
}

int32_t CV_CALL cvCheckNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *given,
                                    NaaccrCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    clear_summary(summary);
    NaaccrCheckOptions options;
    if (read == nullptr || !take_options(given, &options))
        return NAACCR_REC_BAD_ARGUMENT;
    RunBuffer buffer;
    if (!allocate_run_buffer(&buffer))
        return NAACCR_REC_NO_MEMORY;

    // The head stays in the buffer: a stream cannot be read twice.
    size_t head = 0;
    int32_t status = NAACCR_REC_OK;
    bool ended = false;
    while (head < check_head_size && !ended) {
        const int64_t got = read(stream, buffer.bytes + head, static_cast<uint32_t>(check_head_size - head));
        if (got < 0 || static_cast<uint64_t>(got) > check_head_size - head) {
            status = NAACCR_REC_READ_FAILED;
            break;
        }
        ended = got == 0;
        head += static_cast<size_t>(got);
    }
    if (status == NAACCR_REC_OK && head == 0)
        status = NAACCR_REC_EMPTY_FILE;
    if (status == NAACCR_REC_OK) {
        CheckPlan plan;
        make_check_plan(buffer.bytes, head, (options.flags & NAACCR_CHECK_CHECKSUMS) != 0, &plan, summary);
        ByteSource source = {nullptr, read, stream, static_cast<int64_t>(head), -1, ended};
        status = check_after_head(plan, &source, &buffer, head, head, options, summary);
    }
    free_run_buffer(&buffer);
    return status;
}
