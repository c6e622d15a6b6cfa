// xml_pieces.cpp -- a NAACCR XML file checked by several threads.
//
// The calling thread checks the file from its start to the first Patient in
// the root, which leaves the state every later Patient starts from: the root
// read, its dictionary and user items, the items it gave.  The rest is cut
// into pieces of a few megabytes.  Each piece starts at the first Patient in
// its stretch that begins a line (a scan that passes over comments,
// processing instructions and CDATA sections finds it), and is checked by a
// worker from a copy of that state, with a parser of its own that is first
// given the file's head, until the first such Patient of the next stretch.
// The calling thread takes the pieces in file order, checks that each began
// where the one before it ended and that the root held nothing but Patients
// meanwhile, numbers their lines, patients and tumours on from the pieces
// before, and hands their problems on.  Where a piece cannot be taken as it
// is -- it began elsewhere, the root held more, it found more problems than
// it could keep, the caller stopped within it -- the calling thread checks
// from the right place itself, with the right state; so the problems, their
// order and the summary never depend on the pieces, and the callbacks only
// ever run on the calling thread.
#include <stdlib.h>
#include <string.h>

#include <atomic>

#include "base/base.h"
#include "platform/platform.h"
#include "xml/xml.h"
#include "xml/xml_state.h"

namespace
{

const unsigned most_workers = 8;
const size_t stored_per_piece = 2048;
const size_t text_per_piece = 256u << 10;
const size_t scan_block = 64u << 10;
// A worker gives up a piece at a tag, comment or instruction longer than
// this; the calling thread checks that piece itself.
const uint64_t worker_longest_token = 1u << 20;
// And at names, attributes and namespace declarations that take expat more
// than this, where a NAACCR file needs a few kilobytes.
const size_t worker_memory = 2u << 20;
// Blanks before a Patient that a scan looks back over.
const int64_t longest_indent = 256;

// A problem a worker found, kept until the calling thread hands it on.
struct StoredProblem {
    NaaccrItemProblem problem; // its texts in the store's text
    bool unnamed;              // handed on without ids: its element held too many
};

struct ProblemStore {
    StoredProblem *problems;
    size_t count;
    char *text;
    size_t used;
    bool overflow; // more came than it holds; they are counted all the same
    // The run's count of problems handed on without ids, as last seen: it
    // grows just before such a problem is handed on.
    const NaaccrItemCheckSummary *summary;
    uint32_t unnamed_seen;
};

// Whether the problem being handed on was counted as one without ids.
bool newly_unnamed(const NaaccrItemCheckSummary *summary, uint32_t *seen)
{
    if (summary == nullptr || summary->records.reported_without_ids == *seen)
        return false;
    *seen = summary->records.reported_without_ids;
    return true;
}

void count_unnamed(NaaccrItemCheckSummary *summary)
{
    if (summary->records.reported_without_ids < UINT32_MAX)
        summary->records.reported_without_ids += 1;
}

// What one run over a piece found; places and numbers count from its start.
struct PieceResult {
    int64_t start;  // -1: its stretch holds no Patient to start at
    int32_t status; // NAACCR_REC_...
    NaaccrItemCheckSummary summary;
    int64_t ended_at; // where it reached the next piece's start; -1: it read to the file's end
    XmlPlace ended_place;
    bool touched;           // the root held more than Patients
    bool gave_up;           // at a token longer than a worker reads
    NaaccrCodeReport codes; // its tumours judged, when codes are checked
};

enum SlotState { SLOT_FREE, SLOT_BUSY, SLOT_DONE };

struct Slot {
    SlotState state;
    int64_t piece;
    PieceResult result;
    ProblemStore store;
};

// The file, the state its pieces start from, and where they stand.
struct Plan {
    const XmlFile *file;
    const XmlCheck *origin;           // the check at the first Patient in the root
    NaaccrItemCheckSummary described; // its summary, the counts cleared
    bool keep;                        // the caller takes problems: the workers keep them
    int64_t first;                    // that Patient's offset
    XmlPlace first_place;
    int64_t piece_size, pieces;
    XmlPath path;
};

struct Pool {
    Monitor monitor;
    const Plan *plan;
    int64_t next_piece, merged;
    Slot *slots;
    int64_t slot_count;
    std::atomic<bool> cancel;
};

// ---- the file as a stream from an offset ----

struct FileStream {
    const XmlFile *file;
    int64_t next;
};

int64_t CV_CALL read_on(void *stream, void *buffer, uint32_t size)
{
    FileStream *s = static_cast<FileStream *>(stream);
    size_t got = 0;
    if (!s->file->read_at(s->file->context, s->next, buffer, size, &got))
        return -1;
    s->next += static_cast<int64_t>(got);
    return static_cast<int64_t>(got);
}

// ---- where a piece starts ----

bool at(const unsigned char *p, const unsigned char *end, const char *text)
{
    const size_t n = strlen(text);
    return static_cast<size_t>(end - p) >= n && memcmp(p, text, n) == 0;
}

// The end of what an opener starts at p: a comment, a processing
// instruction or a CDATA section; null when not one; `end` when it runs past.
const unsigned char *passed_over(const unsigned char *p, const unsigned char *end)
{
    const char *close = at(p, end, "<!--")        ? "-->"
                        : at(p, end, "<![CDATA[") ? "]]>"
                        : at(p, end, "<?")        ? "?>"
                                                  : nullptr;
    if (close == nullptr)
        return nullptr;
    for (const unsigned char *q = p + 2; q < end; ++q)
        if (at(q, end, close))
            return q + strlen(close);
    return end;
}

// The first Patient's start tag in [from, to) that begins a line (only
// blanks and tabs before it), its column in *column; -1 when there is none
// or the file cannot be read.  Comments, processing instructions and CDATA
// sections that start in the stretch are passed over.  What the scan cannot
// know -- that its stretch starts inside one of them -- the piece before
// finds out: it then does not end where this one starts.
int64_t find_piece_start(const XmlFile &file, int64_t from, int64_t to, unsigned char *block, int32_t *column)
{
    int64_t found = -1;
    // Each block starts an indent's length before the byte looked at next.
    for (int64_t scan = from; found < 0 && scan < to;) {
        const int64_t first = scan > longest_indent ? scan - longest_indent : 0;
        size_t got = 0;
        if (!file.read_at(file.context, first, block, scan_block, &got) || got == 0)
            break;
        const bool whole = got < scan_block; // the block runs to the file's end
        const unsigned char *end = block + got;
        // What is cut by the block's end is looked at again in the next one.
        const unsigned char *limit = whole ? end : end - 16;
        const unsigned char *p = block + (scan - first);
        const unsigned char *stop = to - first < static_cast<int64_t>(got) ? block + (to - first) : limit;
        stop = stop < limit ? stop : limit;
        bool cut = false;
        for (; p < stop && found < 0; ++p) {
            if (*p != '<')
                continue;
            const unsigned char *after = passed_over(p, end);
            if (after == end && !whole) {
                cut = true;
                break;
            }
            if (after != nullptr) {
                p = after - 1;
                continue;
            }
            if (!at(p, end, "<Patient") || p + 8 >= end ||
                !(p[8] == ' ' || p[8] == '\t' || p[8] == '\n' || p[8] == '\r' || p[8] == '>' || p[8] == '/'))
                continue;
            const unsigned char *q = p;
            while (q > block && (q[-1] == ' ' || q[-1] == '\t'))
                --q;
            if (q > block && (q[-1] == '\n' || q[-1] == '\r') && p - q < longest_indent) {
                found = first + (p - block);
                *column = static_cast<int32_t>(p - q) + 1;
            }
        }
        if (found >= 0 || whole)
            break;
        const int64_t next = first + (p - block);
        // A comment or section longer than a block: looked into as text.
        scan = cut && next == scan ? first + (limit - block) : next;
    }
    return found;
}

// ---- keeping problems ----

char *keep_text(ProblemStore *store, const char *text, size_t n)
{
    if (store->used + n + 1 > text_per_piece)
        return nullptr;
    char *kept = store->text + store->used;
    if (n > 0)
        memcpy(kept, text, n);
    kept[n] = '\0';
    store->used += n + 1;
    return kept;
}

int32_t CV_CALL store_problem(void *context, const NaaccrItemProblem *problem)
{
    ProblemStore *store = static_cast<ProblemStore *>(context);
    if (store->overflow || store->count == stored_per_piece) {
        store->overflow = true;
        return 0;
    }
    StoredProblem &kept = store->problems[store->count];
    kept.problem = *problem;
    kept.unnamed = newly_unnamed(store->summary, &store->unnamed_seen);
    char *message = keep_text(store, problem->message, strlen(problem->message));
    char *id = keep_text(store, problem->item_id, strlen(problem->item_id));
    char *value = problem->value != nullptr ? keep_text(store, problem->value, problem->value_length) : nullptr;
    const char *const names[] = {problem->patient_id, problem->tumor_record_number, problem->accession_number};
    char *named[3] = {};
    bool fits = message != nullptr && id != nullptr && (problem->value == nullptr || value != nullptr);
    for (int k = 0; k < 3 && fits; ++k) {
        named[k] = names[k] != nullptr ? keep_text(store, names[k], strlen(names[k])) : nullptr;
        fits = names[k] == nullptr || named[k] != nullptr;
    }
    if (!fits) {
        store->overflow = true;
        return 0;
    }
    kept.problem.message = message;
    kept.problem.item_id = id;
    kept.problem.value = value;
    kept.problem.patient_id = named[0];
    kept.problem.tumor_record_number = named[1];
    kept.problem.accession_number = named[2];
    store->count += 1;
    return 0;
}

bool allocate_store(ProblemStore *store)
{
    memset(store, 0, sizeof *store);
    store->problems = static_cast<StoredProblem *>(malloc(stored_per_piece * sizeof(StoredProblem)));
    store->text = static_cast<char *>(malloc(text_per_piece));
    return store->problems != nullptr && store->text != nullptr;
}

void free_store(ProblemStore *store)
{
    free(store->problems);
    free(store->text);
    memset(store, 0, sizeof *store);
}

// ---- one run over a piece ----

// What a thread checks pieces with: a check of its own (its user items and
// head are the origin's), the fast path's state, a block to scan.
struct PieceCheck {
    XmlCheck check;
    XmlFast *fast;
    unsigned char *scan;
};

bool allocate_piece_check(PieceCheck *p, const NaaccrItemCheckOptions &options)
{
    memset(p, 0, sizeof *p);
    p->check.run.options = &options;
    p->fast = static_cast<XmlFast *>(malloc(sizeof(XmlFast)));
    p->scan = static_cast<unsigned char *>(malloc(scan_block));
    if (p->fast != nullptr)
        p->fast->window = static_cast<unsigned char *>(malloc(fast_window));
    return p->fast != nullptr && p->fast->window != nullptr && p->scan != nullptr && allocate_root(&p->check) &&
           allocate_item_state(&p->check) && allocate_ids(&p->check);
}

void free_piece_check(PieceCheck *p)
{
    if (p->check.run.parser != nullptr)
        XML_ParserFree(p->check.run.parser);
    p->check.run.parser = nullptr;
    free_ids(&p->check);
    free_item_state(&p->check);
    free_root(&p->check);
    if (p->fast != nullptr)
        free(p->fast->window);
    free(p->fast);
    free(p->scan);
}

// The counts of a summary cleared, what describes the file kept.
void clear_counts(NaaccrItemCheckSummary *summary)
{
    memset(summary->counts, 0, sizeof summary->counts);
    summary->items = summary->patients = summary->tumors = 0;
    NaaccrCheckSummary &records = summary->records;
    memset(records.counts, 0, sizeof records.counts);
    records.records = records.problems = records.reported = records.bytes = 0;
    records.stopped = 0;
    records.reported_without_ids = 0;
}

// How a run goes: where from, in which state, to where, and where its problems go.
struct Run {
    int64_t start;
    XmlPlace place;     // the start's, its line 1
    bool after_patient; // a Patient came before: not the first piece
    int64_t boundary;   // the next piece's stretch; -1: none
    bool stop_touched;  // end there even after the root held more
    bool worker;        // give up at a long token
    const NaaccrItemCheckOptions *options;
};

// Checks from `run.start` with the thread's check in the origin's state.
void run_piece(const Plan &plan, const Run &run, PieceCheck *piece_check, PieceResult *result)
{
    const XmlCheck &origin = *plan.origin;
    XmlCheck *check = &piece_check->check;
    XML_Parser parser = check->run.parser;
    XmlRun &r = check->run;
    memset(&r, 0, sizeof r);
    r.parser = parser;
    r.kept_fast = piece_check->fast;
    r.options = run.options;
    r.summary = &result->summary;
    result->summary = plan.described;
    memset(&result->codes, 0, sizeof result->codes);
    result->codes.size = sizeof result->codes;
    r.head = origin.run.head;
    r.fast_allowed = plan.path == XML_PATH_FAST;
    r.handed_back_at = -1;
    r.fed = static_cast<uint64_t>(run.start);
    r.last_event = run.start;
    r.next_progress = UINT64_MAX;
    r.split.boundary = run.boundary;
    r.split.stop_touched = run.stop_touched;
    r.split.ended_at = -1;
    r.split.longest_token = run.worker ? worker_longest_token : 0;
    take_root(check, &origin);
    take_tree(check, &origin, run.after_patient);
    take_root_items(check, &origin);
    take_places(check, &origin);
    check->encoding = origin.encoding;
    check->codes = origin.codes;
    r.memory.limit = run.worker ? worker_memory : 0;

    FileStream stream = {plan.file, run.start};
    XmlSource source = {nullptr, 0, read_on, &stream, plan.file->size, false, {}, 0};
    XmlMemory *outer = enter_xml_memory(&r.memory);
    const int32_t status = read_from(check, &source, run.place);
    release_held_problems(check);
    if (check->run.parser != nullptr)
        XML_ParserFree(check->run.parser);
    check->run.parser = nullptr;
    leave_xml_memory(outer);
    result->start = run.start;
    result->status = status;
    result->ended_at = check->run.split.ended_at;
    result->ended_place = check->run.split.ended_place;
    result->touched = check->run.split.touched;
    result->gave_up = check->run.split.gave_up;
    result->summary.records.bytes = check->run.fed - static_cast<uint64_t>(run.start);
    result->summary.records.stopped = check->run.stopped;
}

int64_t stretch_start(const Plan &plan, int64_t piece) { return plan.first + piece * plan.piece_size; }

int64_t stretch_end(const Plan &plan, int64_t piece)
{
    return piece + 1 < plan.pieces ? stretch_start(plan, piece + 1) : -1;
}

// A worker's run over piece `piece`: its start found, its problems kept.
void check_piece(const Plan &plan, int64_t piece, PieceCheck *check, Slot *slot)
{
    PieceResult &result = slot->result;
    memset(&result, 0, sizeof result);
    result.start = -1;
    result.ended_at = -1;
    slot->store.count = slot->store.used = 0;
    slot->store.overflow = false;
    slot->store.summary = &result.summary;
    slot->store.unnamed_seen = 0;
    Run run;
    memset(&run, 0, sizeof run);
    run.place = {1, plan.first_place.column, plan.first};
    run.start = plan.first;
    if (piece > 0) {
        const int64_t limit = stretch_end(plan, piece) >= 0 ? stretch_end(plan, piece) : plan.file->size;
        run.start = find_piece_start(*plan.file, stretch_start(plan, piece), limit, check->scan, &run.place.column);
        if (run.start < 0)
            return;
        run.place.offset = run.start;
        run.after_patient = true;
    }
    run.boundary = stretch_end(plan, piece);
    run.stop_touched = true;
    run.worker = true;
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = plan.origin->run.options->flags;
    options.on_item_problem = plan.keep ? store_problem : nullptr;
    options.context = &slot->store;
    options.code_report = &result.codes;
    run.options = &options;
    run_piece(plan, run, check, &result);
}

struct Worker {
    Pool *pool;
    PieceCheck check;
    WorkerThread thread;
};

void work(void *argument)
{
    Worker *worker = static_cast<Worker *>(argument);
    Pool &pool = *worker->pool;
    for (;;) {
        lock_monitor(&pool.monitor);
        while (!pool.cancel.load() && pool.next_piece < pool.plan->pieces &&
               pool.next_piece >= pool.merged + pool.slot_count)
            wait_monitor(&pool.monitor);
        if (pool.cancel.load() || pool.next_piece >= pool.plan->pieces) {
            unlock_monitor(&pool.monitor);
            return;
        }
        const int64_t piece = pool.next_piece++;
        Slot &slot = pool.slots[piece % pool.slot_count];
        slot.state = SLOT_BUSY;
        slot.piece = piece;
        unlock_monitor(&pool.monitor);

        check_piece(*pool.plan, piece, &worker->check, &slot);

        lock_monitor(&pool.monitor);
        slot.state = SLOT_DONE;
        notify_monitor(&pool.monitor);
        unlock_monitor(&pool.monitor);
    }
}

// ---- handing on, on the calling thread ----

// The caller's options and summary, and how far the pieces handed on reach.
struct Merge {
    const NaaccrItemCheckOptions *options;
    NaaccrItemCheckSummary *summary;
    uint64_t lines, patients, tumors; // before the piece being handed on: lines the count of line ends
    // A replay of a piece up to where the caller stopped: problems before
    // `stop_at` (counted from 1) are not handed on again, that one stops it.
    uint64_t seen, stop_at;
    bool stopped;
    // The summary of the run whose problems are handed on as found, and its
    // count of problems without ids as last seen.
    const NaaccrItemCheckSummary *run_summary;
    uint32_t unnamed_seen;
};

void renumber(const Merge &m, NaaccrItemProblem *p)
{
    p->line += m.lines;
    if (p->patient != 0)
        p->patient += m.patients;
    if (p->record != 0)
        p->record += m.tumors;
}

// Hands a problem of the run on the calling thread on at once.
int32_t CV_CALL deliver_now(void *context, const NaaccrItemProblem *problem)
{
    Merge &m = *static_cast<Merge *>(context);
    m.seen += 1;
    const bool unnamed = newly_unnamed(m.run_summary, &m.unnamed_seen);
    if (m.stop_at != 0) {
        if (m.seen < m.stop_at)
            return 0;
        m.stopped = true;
        return 1;
    }
    const NaaccrItemCheckOptions &o = *m.options;
    NaaccrCheckSummary &records = m.summary->records;
    if (o.on_item_problem == nullptr || (o.max_reported != 0 && records.reported >= o.max_reported))
        return 0;
    NaaccrItemProblem p = *problem;
    renumber(m, &p);
    records.reported += 1;
    if (unnamed)
        count_unnamed(m.summary);
    if (o.on_item_problem(o.context, &p) == 0)
        return 0;
    m.stopped = true;
    return 1;
}

// Adds a piece's counts to the caller's summary.
void add_counts(Merge &m, const PieceResult &r)
{
    NaaccrItemCheckSummary &s = *m.summary;
    for (size_t k = 0; k < NAACCR_CHECK_ALL_KINDS; ++k)
        s.counts[k] += r.summary.counts[k];
    for (size_t k = 0; k < sizeof s.records.counts / sizeof s.records.counts[0]; ++k)
        s.records.counts[k] += r.summary.records.counts[k];
    s.items += r.summary.items;
    s.patients += r.summary.patients;
    s.tumors += r.summary.tumors;
    s.records.records += r.summary.records.records;
    s.records.problems += r.summary.records.problems;
    if (m.options->code_report != nullptr) {
        m.options->code_report->tumors_judged += r.codes.tumors_judged;
        m.options->code_report->site_list_judged += r.codes.site_list_judged;
        m.options->code_report->site_list_not_judged += r.codes.site_list_not_judged;
    }
    s.records.bytes = static_cast<uint64_t>(r.start) + r.summary.records.bytes;
    if (r.summary.records.stopped != STOP_NONE)
        s.records.stopped = r.summary.records.stopped;
}

// Numbers after a piece that ended where the next one starts.
void move_on(Merge &m, const PieceResult &r)
{
    m.lines += r.ended_place.line - 1;
    m.patients += r.summary.patients;
    m.tumors += r.summary.tumors;
}

// A run on the calling thread, its problems handed on as found.
void run_here(const Plan &plan, Run run, PieceCheck *check, Merge &m, PieceResult *result)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = m.options->flags;
    options.on_item_problem = deliver_now;
    options.context = &m;
    options.code_report = &result->codes;
    run.options = &options;
    m.seen = 0;
    m.run_summary = &result->summary;
    m.unnamed_seen = 0;
    run_piece(plan, run, check, result);
}

// Hands on the problems a worker kept; false when the caller stopped at one
// (summary then as the run that stopped there left it).
bool hand_on_kept(const Plan &plan, const Run &run, const Slot &slot, PieceCheck *check, Merge &m)
{
    const NaaccrItemCheckOptions &o = *m.options;
    NaaccrCheckSummary &records = m.summary->records;
    for (size_t k = 0; k < slot.store.count; ++k) {
        if (o.on_item_problem == nullptr || (o.max_reported != 0 && records.reported >= o.max_reported))
            break;
        NaaccrItemProblem p = slot.store.problems[k].problem;
        renumber(m, &p);
        records.reported += 1;
        if (slot.store.problems[k].unnamed)
            count_unnamed(m.summary);
        if (o.on_item_problem(o.context, &p) == 0)
            continue;
        // The summary of a check stopped here: the piece again, to this problem.
        PieceResult again;
        m.stop_at = k + 1;
        run_here(plan, run, check, m, &again);
        m.stop_at = 0;
        add_counts(m, again);
        m.summary->records.stopped = STOP_BY_CALLBACK;
        return false;
    }
    return true;
}

// Whether every problem the piece kept is one the caller is still to get.
bool kept_enough(const Slot &slot, const Merge &m)
{
    const NaaccrItemCheckOptions &o = *m.options;
    if (!slot.store.overflow || o.on_item_problem == nullptr)
        return true;
    return o.max_reported != 0 && m.summary->records.reported + slot.store.count >= o.max_reported;
}

int32_t progress_after(const Merge &m, const PieceResult &r, int64_t total)
{
    const NaaccrItemCheckOptions &o = *m.options;
    if (o.on_progress == nullptr)
        return 0;
    return o.on_progress(o.context, static_cast<uint64_t>(r.start) + r.summary.records.bytes, total, m.summary->tumors);
}

// Checks the rest of the file here from `start`, where the last piece taken
// ended, as one run.
int32_t finish_here(const Plan &plan, int64_t start, const XmlPlace &place, PieceCheck *check, Merge &m)
{
    Run run;
    memset(&run, 0, sizeof run);
    run.start = start;
    run.place = {1, place.column, start};
    run.after_patient = start != plan.first;
    run.boundary = -1;
    PieceResult r;
    run_here(plan, run, check, m, &r);
    add_counts(m, r);
    return r.status;
}

// Takes the pieces in order, from the workers' slots or (none) checked here.
int32_t merge_pieces(const Plan &plan, Pool &pool, PieceCheck *own, Merge &m, bool workers)
{
    int64_t expected = plan.first;
    XmlPlace expected_place = plan.first_place;
    for (int64_t piece = 0; piece < plan.pieces; ++piece) {
        Slot &slot = pool.slots[piece % pool.slot_count];
        if (workers) {
            lock_monitor(&pool.monitor);
            while (!(slot.piece == piece && slot.state == SLOT_DONE))
                wait_monitor(&pool.monitor);
            unlock_monitor(&pool.monitor);
        } else {
            check_piece(plan, piece, own, &slot);
        }
        PieceResult &r = slot.result;
        if (r.start >= 0) {
            // A piece that did not start where the one before ended: the rest is checked here.
            if (r.start != expected)
                return finish_here(plan, expected, expected_place, own, m);
            Run run;
            memset(&run, 0, sizeof run);
            run.start = r.start;
            run.place = {1, expected_place.column, r.start};
            run.after_patient = piece > 0;
            run.boundary = stretch_end(plan, piece);
            if (r.touched || r.gave_up || r.status != NAACCR_REC_OK || !kept_enough(slot, m)) {
                // Checked again here, handed on as found; past a root that
                // held more than Patients, to the end.
                run_here(plan, run, own, m, &r);
            } else if (!hand_on_kept(plan, run, slot, own, m)) {
                return NAACCR_REC_OK;
            }
            add_counts(m, r);
            if (m.stopped || r.status != NAACCR_REC_OK || r.summary.records.stopped != STOP_NONE || r.ended_at < 0)
                return r.status;
            if (progress_after(m, r, plan.file->size) != 0) {
                m.summary->records.stopped = STOP_BY_PROGRESS;
                return NAACCR_REC_OK;
            }
            expected = r.ended_at;
            expected_place = r.ended_place;
            move_on(m, r);
        }
        if (workers) {
            lock_monitor(&pool.monitor);
            pool.merged = piece + 1;
            slot.state = SLOT_FREE;
            notify_monitor(&pool.monitor);
            unlock_monitor(&pool.monitor);
        }
    }
    // The last pieces held no start: the one that ended before them did so in vain.
    return finish_here(plan, expected, expected_place, own, m);
}

// Cuts the file after the origin's first Patient and checks the pieces.
int32_t check_in_pieces(const Plan &plan, unsigned threads, Merge &m)
{
    Pool pool;
    memset(static_cast<void *>(&pool), 0, sizeof pool);
    pool.plan = &plan;
    pool.cancel.store(false);
    const unsigned workers = threads > most_workers ? most_workers : threads;
    pool.slot_count = workers > 0 ? 2 * static_cast<int64_t>(workers) : 1;
    Slot slots[2 * most_workers];
    Worker team[most_workers];
    PieceCheck own;
    bool ready = init_monitor(&pool.monitor);
    const bool monitor = ready;
    ready = allocate_piece_check(&own, *plan.origin->run.options) && ready;
    int64_t stores = 0;
    for (; ready && stores < pool.slot_count; ++stores) {
        memset(static_cast<void *>(&slots[stores]), 0, sizeof slots[stores]);
        slots[stores].piece = -1;
        ready = allocate_store(&slots[stores].store);
    }
    pool.slots = slots;
    unsigned started = 0, checks = 0;
    for (; ready && checks < workers; ++checks) {
        team[checks].pool = &pool;
        ready = allocate_piece_check(&team[checks].check, *plan.origin->run.options);
    }
    for (; ready && started < workers; ++started)
        ready = start_worker_thread(&team[started].thread, work, &team[started]);
    int32_t status = NAACCR_REC_NO_MEMORY;
    if (ready)
        status = merge_pieces(plan, pool, &own, m, workers > 0);
    if (monitor)
        raise_and_notify(&pool.monitor, &pool.cancel);
    for (unsigned k = 0; k < started; ++k)
        join_worker_thread(team[k].thread);
    for (unsigned k = 0; k < checks; ++k)
        free_piece_check(&team[k].check);
    for (int64_t k = 0; k < stores; ++k)
        free_store(&slots[k].store);
    free_piece_check(&own);
    if (monitor)
        destroy_monitor(&pool.monitor);
    return status;
}

} // namespace

int32_t check_naaccr_xml_file(const XmlFile &file, const unsigned char *head, size_t head_length,
                              const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                              const XmlPieces &pieces)
{
    // The file's start, to its first Patient in the root, in one run here.
    XmlCheck origin;
    int32_t status = NAACCR_REC_NO_MEMORY;
    FileStream stream = {&file, static_cast<int64_t>(head_length)};
    const bool started = start_check(&origin, options, summary, nullptr, true);
    XmlMemory *outer = enter_xml_memory(&origin.run.memory);
    if (started) {
        origin.run.fast_allowed = pieces.path == XML_PATH_FAST;
        origin.run.split.boundary = 0;
        origin.run.split.any_place = true;
        origin.run.split.stop_touched = true;
        XmlSource source = {head, head_length, read_on, &stream, file.size, false, {}, 0};
        status = check_from_start(&origin, &source);
    }
    if (origin.root.no_memory)
        status = NAACCR_REC_NO_MEMORY;
    if (origin.run.parser != nullptr)
        XML_ParserFree(origin.run.parser);
    origin.run.parser = nullptr;
    leave_xml_memory(outer);
    summary->records.bytes = origin.run.fed;
    summary->records.stopped = origin.run.stopped;
    const int64_t first = origin.run.split.ended_at;
    if (status == NAACCR_REC_OK && first >= 0) {
        // The head cannot be replayed, or is read by no one-byte count: the
        // rest in one run here, as every piece would be.
        Plan plan = {&file,
                     &origin,
                     *summary,
                     options.on_item_problem != nullptr,
                     first,
                     origin.run.split.ended_place,
                     pieces.piece_size,
                     1,
                     pieces.path};
        clear_counts(&plan.described);
        if (origin.run.head.whole && origin.places.counting != 0 && pieces.piece_size > 0)
            plan.pieces = (file.size - first + pieces.piece_size - 1) / pieces.piece_size;
        if (plan.pieces < 1)
            plan.pieces = 1;
        Merge m;
        memset(&m, 0, sizeof m);
        m.options = &options;
        m.summary = summary;
        m.lines = plan.first_place.line - 1;
        m.patients = summary->patients;
        m.tumors = summary->tumors;
        status = check_in_pieces(plan, plan.pieces > 1 ? pieces.threads : 0, m);
    }
    finish_check(&origin);
    if (status == NAACCR_REC_OK && summary->records.stopped == STOP_NONE && options.on_progress != nullptr)
        options.on_progress(options.context, summary->records.bytes, file.size, summary->tumors);
    return status;
}
