// check_pool.cpp -- a file checked by several threads.
//
// The file is cut into pieces of a few megabytes.  Each worker checks one
// piece from the first record boundary it finds in it and stores what it
// found; the calling thread takes the pieces in file order and hands on their
// problems.  A piece whose run did not start where the previous run ended (its
// guess of the boundary was wrong), or that found more problems than it could
// store, is checked again on the calling thread from the right place.  So the
// problems and their order never depend on the number of threads, and the
// callbacks only ever run on the calling thread.
#include <stdlib.h>
#include <string.h>

#include <atomic>

#include "base/base.h"
#include "flat_check/record_run.h"
#include "platform/platform.h"

namespace
{

const int64_t piece_size = 8 << 20;
const unsigned most_threads = 8;
const uint32_t stored_per_piece = 2048;
// Item values kept per piece; flat values are at most a few thousand bytes.
const size_t values_per_piece = 256u << 10;

enum SlotState { SLOT_FREE, SLOT_BUSY, SLOT_DONE };

struct Slot {
    SlotState state;
    int64_t piece;
    std::atomic<int64_t> reached; // how far the worker has read
    RunResult result;
    ProblemStore store;
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
    std::atomic<bool> cancel;
};

struct Worker {
    Pool *pool;
    RunBuffer buffer;
    WorkerThread thread;
    Slot *slot; // the piece it is checking
};

// A worker's progress inside its piece, for the calling thread, which may be
// waiting for that piece: a record that runs on for many megabytes keeps it
// there, and the caller must still learn how far the check has come.
int32_t note_reached(void *context, int64_t offset, uint64_t)
{
    Worker *worker = static_cast<Worker *>(context);
    worker->slot->reached.store(offset);
    lock_monitor(&worker->pool->monitor);
    notify_monitor(&worker->pool->monitor);
    unlock_monitor(&worker->pool->monitor);
    return 0;
}

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
        slot.reached.store(piece_start(pool, piece));
        slot.store.count = 0;
        slot.store.values_used = 0;
        slot.store.overflow = false;
        worker->slot = &slot;
        unlock_monitor(&pool.monitor);

        ByteSource source = {pool.file, nullptr, nullptr, 0, pool.size, false};
        ProblemSink sink = {nullptr, nullptr, nullptr, &slot.store};
        RunHooks hooks = {nullptr, nullptr, note_reached, worker, &pool.cancel};
        check_record_run(*pool.plan, &source, &worker->buffer, 0, piece_start(pool, piece), piece > 0,
                         piece_limit(pool, piece), &sink, &hooks, &slot.result);

        lock_monitor(&pool.monitor);
        slot.state = SLOT_DONE;
        notify_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);
    }
}

// Waits until the piece's slot is done, reporting progress inside it.
void wait_for_piece(Pool &pool, int64_t piece, Delivery &delivery, int64_t &next_report)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrCheckSummary &summary = delivery.summary->records;
    Slot &slot = pool.slots[piece % pool.slot_count];
    lock_monitor(&pool.monitor);
    while (slot.state != SLOT_DONE || slot.piece != piece) {
        wait_monitor(&pool.monitor);
        // A long record keeps this piece's worker busy: progress goes on.
        const int64_t reached = slot.piece == piece ? slot.reached.load() : 0;
        if (options.on_progress != nullptr && summary.stopped == STOP_NONE && reached >= next_report) {
            next_report = reached + piece_size;
            unlock_monitor(&pool.monitor);
            const int32_t stop =
                options.on_progress(options.context, static_cast<uint64_t>(reached), pool.size, summary.records);
            lock_monitor(&pool.monitor);
            if (stop != 0) {
                summary.stopped = STOP_BY_PROGRESS;
                pool.cancel.store(true);
                notify_monitor(&pool.monitor);
            }
        }
    }
    unlock_monitor(&pool.monitor);
}

void release_piece(Pool &pool, int64_t piece)
{
    lock_monitor(&pool.monitor);
    pool.slots[piece % pool.slot_count].state = SLOT_FREE;
    pool.merged = piece + 1;
    notify_monitor(&pool.monitor);
    unlock_monitor(&pool.monitor);
}

// One piece's result, handed on: the stored problems, or a run again from
// where the previous piece ended.
RunResult merge_piece(Pool &pool, int64_t piece, RunBuffer *own, Delivery &delivery, int64_t previous_end)
{
    const Slot &slot = pool.slots[piece % pool.slot_count];
    const uint32_t most = delivery.options->max_reported;
    const uint64_t reported = delivery.summary->records.reported;
    const bool want_more = most == 0 || most - reported > slot.store.count;
    RunResult run = slot.result;
    delivery.base = delivery.summary->records.records;
    if (previous_end >= piece_limit(pool, piece)) {
        // A record of the previous piece reached past this one.
        memset(&run, 0, sizeof run);
        run.start = run.end = previous_end;
    } else if (run.start != previous_end || (slot.store.overflow && want_more)) {
        ByteSource source = {pool.file, nullptr, nullptr, 0, pool.size, false};
        ProblemSink sink = {deliver_problem, deliver_item_problem, &delivery, nullptr};
        check_record_run(*pool.plan, &source, own, 0, previous_end, false, piece_limit(pool, piece), &sink, nullptr,
                         &run);
    } else {
        for (uint32_t k = 0; k < slot.store.count && run.stopped == STOP_NONE; ++k)
            if (deliver_stored(delivery, slot.store, k) != 0)
                run.stopped = STOP_BY_CALLBACK;
    }
    return run;
}

// Takes the pieces in order on the calling thread.  Returns the result code.
int32_t merge_pieces(Pool &pool, RunBuffer *own, Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrCheckSummary &summary = delivery.summary->records;
    int64_t previous_end = pool.plan->data_start;
    int64_t next_report = piece_size;
    for (int64_t piece = 0; piece < pool.pieces; ++piece) {
        wait_for_piece(pool, piece, delivery, next_report);
        if (summary.stopped != STOP_NONE) {
            release_piece(pool, piece);
            break;
        }
        const RunResult run = merge_piece(pool, piece, own, delivery, previous_end);
        add_run(delivery, run);
        summary.bytes = static_cast<uint64_t>(run.end);
        previous_end = run.end;
        release_piece(pool, piece);
        if (run.status != NAACCR_REC_OK)
            return run.status;
        if (run.stopped != STOP_NONE) {
            summary.stopped = summary_stop(run.stopped);
            break;
        }
        if (options.on_progress != nullptr && piece + 1 < pool.pieces &&
            static_cast<int64_t>(summary.bytes) >= next_report) {
            next_report = static_cast<int64_t>(summary.bytes) + piece_size;
            if (options.on_progress(options.context, summary.bytes, pool.size, summary.records) != 0) {
                summary.stopped = STOP_BY_PROGRESS;
                break;
            }
        }
    }
    return NAACCR_REC_OK;
}

bool allocate_slot(Slot &slot, uint32_t capacity, bool items)
{
    memset(&slot.store, 0, sizeof slot.store);
    slot.state = SLOT_FREE;
    slot.piece = -1;
    slot.store.capacity = capacity;
    slot.store.entries = static_cast<StoredProblem *>(malloc(capacity * sizeof(StoredProblem)));
    slot.store.values_capacity = items ? values_per_piece : 0;
    slot.store.values = items ? static_cast<char *>(malloc(values_per_piece)) : nullptr;
    return slot.store.entries != nullptr && (!items || slot.store.values != nullptr);
}

void free_slot(Slot &slot)
{
    free(slot.store.entries);
    free(slot.store.values);
}

} // namespace

bool check_with_workers(const CheckPlan &plan, const ReadableFile &file, int64_t size, unsigned threads, RunBuffer *own,
                        Delivery &delivery, int32_t *status)
{
    threads = threads > most_threads ? most_threads : threads;
    Pool pool;
    pool.plan = &plan;
    pool.file = &file;
    pool.size = size;
    pool.pieces = (size - plan.data_start + piece_size - 1) / piece_size;
    pool.next_piece = 0;
    pool.merged = 0;
    pool.slot_count = 2 * static_cast<int64_t>(threads);
    const uint32_t most = delivery.options->max_reported;
    const uint32_t capacity = most != 0 && most < stored_per_piece ? most : stored_per_piece;
    pool.cancel.store(false);

    Slot slots[2 * most_threads];
    Worker workers[most_threads];
    pool.slots = slots;
    bool ready = init_monitor(&pool.monitor);
    const bool have_monitor = ready;
    int64_t slots_made = 0;
    for (; ready && slots_made < pool.slot_count; ++slots_made)
        ready = allocate_slot(slots[slots_made], capacity, plan.items);
    unsigned buffers = 0;
    for (; ready && buffers < threads; ++buffers) {
        workers[buffers].pool = &pool;
        ready = allocate_run_buffer(&workers[buffers].buffer);
    }
    unsigned started = 0;
    for (; ready && started < threads; ++started)
        ready = start_worker_thread(&workers[started].thread, work, &workers[started]);

    if (started > 0)
        *status = merge_pieces(pool, own, delivery);

    if (have_monitor)
        raise_and_notify(&pool.monitor, &pool.cancel);
    for (unsigned k = 0; k < started; ++k)
        join_worker_thread(workers[k].thread);
    for (unsigned k = 0; k < buffers; ++k)
        free_run_buffer(&workers[k].buffer);
    for (int64_t k = 0; k < slots_made; ++k)
        free_slot(slots[k]);
    if (have_monitor)
        destroy_monitor(&pool.monitor);
    return started > 0;
}
