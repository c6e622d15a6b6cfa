// record_report.cpp -- a record that has ended: its checks are made, the
// record is handed to the record callback, then its problems and its item
// problems go to the run's sink, in column order, the record as a whole first.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "codes/codes.h"
#include "items/items.h"
#include "flat_check/record_run.h"

namespace
{

const unsigned char ctrl_z = 26;

// Makes every check of a record; returns its own checksum column.
uint32_t check_record(const RunOutput &out, Scan &scan, const RecordEnd &end, uint64_t number, Found &found,
                      const NaaccrLayout **layout)
{
    const CheckPlan &plan = *out.plan;
    const bool first = scan.offset == plan.data_start;
    check_length(plan, scan, end, number, found);
    if (scan.long_record) {
        for (int k = 0; k < scan.head.count; ++k)
            found.items[found.count++] = scan.head.items[k];
        found.mask |= scan.head.mask;
    } else if (end.bytes != nullptr) {
        check_head(plan, end.bytes, end.length, first, number, scan.offset, found);
    }
    check_bytes(plan, scan, number, found);
    if (plan.checksums && first && plan.layout != nullptr && plan.layout->checksum_column == 0)
        add_problem(found, number, scan.offset, 0, NAACCR_CHECK_NO_CHECKSUM,
                    "Records of type %c, version %.*s have no checksum field.", plan.type, plan.layout->version_width,
                    reinterpret_cast<const char *>(plan.version));
    // The record's own layout, wanted only to verify its checksum field, to
    // check its items or to hand it over.
    const bool wanted =
        plan.checksums || plan.items || plan.ids || (out.hooks != nullptr && out.hooks->on_record != nullptr);
    *layout = wanted && end.bytes != nullptr && end.length > 0 ? own_layout(plan, end.bytes, end.length) : nullptr;
    const uint32_t column =
        scan.long_record ? scan.checksum_column : (*layout != nullptr ? (*layout)->checksum_column : 0);
    const bool partial = end.ending == ENDED_AT_FILE_END && end.length != plan.reference;
    if (plan.checksums && column != 0 && !partial && check_checksum(scan, end, column, number, found))
        ++out.result->checksums_matched;
    check_terminator(plan, scan, end, number, found);
    return column;
}

bool hand_over(const RunOutput &out, const NaaccrRecordView &view)
{
    if (out.hooks == nullptr || out.hooks->on_record == nullptr)
        return true;
    if (out.hooks->on_record(out.hooks->record_context, &view) == 0)
        return true;
    out.result->stopped = STOP_BY_CALLBACK;
    return false;
}

void deliver_found(const RunOutput &out, Found &found)
{
    for (int k = 1; k < found.count; ++k)
        for (int m = k; m > 0 && found.items[m].column < found.items[m - 1].column; --m) {
            const NaaccrProblem swap = found.items[m];
            found.items[m] = found.items[m - 1];
            found.items[m - 1] = swap;
        }
    RunResult &result = *out.result;
    for (int k = 0; k < found.count; ++k) {
        ++result.problems;
        ++result.counts[found.items[k].code];
        if (result.stopped == STOP_NONE && sink_problem(out.sink, &found.items[k], out.ids) != 0)
            result.stopped = STOP_BY_CALLBACK;
    }
}

int32_t take_item_problem(void *context, const NaaccrItemProblem *problem)
{
    const RunOutput &out = *static_cast<RunOutput *>(context);
    ++out.result->problems;
    if (problem->code >= 0 && problem->code < NAACCR_CHECK_ALL_KINDS)
        ++out.result->counts[problem->code];
    NaaccrItemProblem named = *problem;
    name_problem_ids(out.ids, &named);
    if (out.result->stopped == STOP_NONE && sink_item_problem(out.sink, &named) != 0)
        out.result->stopped = STOP_BY_CALLBACK;
    return out.result->stopped != STOP_NONE;
}

// The problems of a record that keep the tumour rules from judging it: they
// leave its columns in doubt.
const uint32_t unjudged_kinds = (1u << NAACCR_CHECK_RECORD_LENGTH) | (1u << NAACCR_CHECK_LAYOUT_LENGTH) |
                                (1u << NAACCR_CHECK_RECORD_TYPE) | (1u << NAACCR_CHECK_VERSION) |
                                (1u << NAACCR_CHECK_SPLIT_RECORD) | (1u << NAACCR_CHECK_PARTIAL_RECORD);

// A record's code problems, handed on among its item problems by column.
struct CodeMerge {
    RunOutput *out;
    const RecordCodes *codes;
    size_t next; // the first code problem not handed on yet
    uint64_t number;
    int64_t offset;
    const unsigned char *record;
};

// Hands on the code problems that stand before `column`; non-zero to stop.
int32_t hand_code_problems(CodeMerge &merge, int32_t column)
{
    for (; merge.next < merge.codes->count && merge.codes->problems[merge.next].column < column; ++merge.next) {
        const RecordCodeProblem &c = merge.codes->problems[merge.next];
        NaaccrItemProblem p;
        memset(&p, 0, sizeof p);
        p.record = merge.number;
        p.offset = merge.offset;
        p.column = c.column;
        p.code = c.code;
        p.item_number = c.item->number;
        p.item_start = c.item->start_column;
        p.item_length = c.item->length;
        p.value_length = static_cast<uint32_t>(c.item->length);
        p.value = reinterpret_cast<const char *>(merge.record) + c.item->start_column - 1;
        p.item_id = c.item->id;
        p.item_name = c.item->name;
        p.message = c.message;
        if (take_item_problem(merge.out, &p) != 0)
            return 1;
    }
    return 0;
}

// An item problem at its column, after the code problems before it.
int32_t take_merged_problem(void *context, const NaaccrItemProblem *problem)
{
    CodeMerge &merge = *static_cast<CodeMerge *>(context);
    if (hand_code_problems(merge, problem->column) != 0)
        return 1;
    return take_item_problem(merge.out, problem);
}

// The items of a held record, by the dictionary of its own layout, and with
// codes their codes and (unless a problem in `found_mask` leaves its columns
// in doubt) the record's tumour rules.  A record whose type and version have
// none is noted once per run; the calling thread reports the file's first.  A
// record without a layout of its own (its type or version is not valid) has
// that record problem and no item check.
void check_items(const RunOutput &out, const RecordEnd &end, const Scan &scan, uint64_t number,
                 const NaaccrLayout *layout, uint32_t found_mask)
{
    if (!out.plan->items || end.bytes == nullptr || layout == nullptr || out.result->stopped != STOP_NONE)
        return;
    // One layout serves several versions: the record's own code names its dictionary.
    const NaaccrDictionary *dictionary = layout_dictionary(layout, end.bytes + layout->version_column - 1);
    if (dictionary != nullptr) {
        RunOutput to = out;
        const char type = static_cast<char>(end.bytes[0]);
        const size_t length = static_cast<size_t>(end.length);
        if (!out.plan->codes) {
            ItemProblemSink sink = {take_item_problem, &to};
            check_record_items(*dictionary, type, end.bytes, length, number, scan.offset, &sink, &out.result->items);
            return;
        }
        RecordCodes codes;
        check_record_codes(*dictionary, type, end.bytes, length, (found_mask & unjudged_kinds) == 0, &codes);
        if (codes.judged)
            count_verdict(codes.verdict, &out.result->tally);
        CodeMerge merge = {&to, &codes, 0, number, scan.offset, end.bytes};
        ItemProblemSink sink = {take_merged_problem, &merge};
        if (check_record_items(*dictionary, type, end.bytes, length, number, scan.offset, &sink, &out.result->items) ==
            0)
            hand_code_problems(merge, INT32_MAX);
        return;
    }
    if (out.result->no_dictionary != 0)
        return;
    out.result->no_dictionary = number;
    char message[128];
    snprintf(message, sizeof message, "No data dictionary for records of type %c, version %.*s: items not checked.",
             layout->record_type, layout->version_width,
             reinterpret_cast<const char *>(end.bytes) + layout->version_column - 1);
    NaaccrItemProblem p;
    memset(&p, 0, sizeof p);
    p.record = number;
    p.offset = scan.offset;
    p.code = NAACCR_CHECK_NO_DICTIONARY;
    p.item_id = "";
    p.item_name = "";
    p.message = message;
    if (sink_item_problem(out.sink, &p) != 0)
        out.result->stopped = STOP_BY_CALLBACK;
}

// With items checked, a record whose length is wrong says which of its items
// are not: all of them without a layout of its own or its bytes, else those
// that do not end within it.
void note_unchecked_items(const CheckPlan &plan, const RecordEnd &end, const NaaccrLayout *layout, Found &found)
{
    if (!plan.items)
        return;
    for (int k = 0; k < found.count; ++k) {
        NaaccrProblem &p = found.items[k];
        if (p.code != NAACCR_CHECK_RECORD_LENGTH && p.code != NAACCR_CHECK_LAYOUT_LENGTH &&
            p.code != NAACCR_CHECK_PARTIAL_RECORD)
            continue;
        size_t n = strlen(p.message);
        if (n > 0 && p.message[n - 1] == '.')
            --n;
        if (layout == nullptr || end.bytes == nullptr || end.length == 0)
            snprintf(p.message + n, sizeof p.message - n, "; its items are not checked.");
        else if (end.length < static_cast<uint64_t>(layout->length))
            snprintf(p.message + n, sizeof p.message - n, "; its items that end after column %llu are not checked.",
                     static_cast<unsigned long long>(end.length));
    }
}

// With NAACCR_CHECK_IDS, the ids that name a record's problems: read at its
// own layout's columns, unless its type or version is in doubt (their
// problems leave the layout in doubt too) or it has no dictionary.  A long
// record's were read from its head as it went by.
const ProblemIds *record_ids(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, const NaaccrLayout *layout,
                             uint32_t found_mask, ProblemIds *ids)
{
    const uint32_t in_doubt = (1u << NAACCR_CHECK_RECORD_TYPE) | (1u << NAACCR_CHECK_VERSION);
    if (!plan.ids || (found_mask & in_doubt) != 0)
        return nullptr;
    if (scan.long_record)
        return scan.named ? &scan.ids : nullptr;
    if (end.bytes == nullptr || layout == nullptr)
        return nullptr;
    const NaaccrDictionary *dictionary = layout_dictionary(layout, end.bytes + layout->version_column - 1);
    if (dictionary == nullptr)
        return nullptr;
    read_flat_ids(*dictionary, static_cast<char>(end.bytes[0]), end.bytes, static_cast<size_t>(end.length), ids);
    return ids;
}

} // namespace

void name_long_record(const CheckPlan &plan, Scan &scan, const unsigned char *head, size_t n)
{
    const NaaccrLayout *layout = own_layout(plan, head, n);
    const NaaccrDictionary *dictionary =
        layout != nullptr ? layout_dictionary(layout, head + layout->version_column - 1) : nullptr;
    scan.named = plan.ids && dictionary != nullptr;
    if (scan.named)
        read_flat_ids(*dictionary, static_cast<char>(head[0]), head, n, &scan.ids);
}

bool finish_record(const RunOutput &out, Scan &scan, const RecordEnd &end)
{
    RunResult &result = *out.result;
    const uint64_t number = result.records + 1;
    Found found;
    found.count = 0;
    found.mask = 0;
    const char *bytes = reinterpret_cast<const char *>(end.bytes);

    // A lone Ctrl-Z at the very end is an old end-of-file mark, not a record.
    if (end.ending == ENDED_AT_FILE_END && end.length == 1 && bytes != nullptr && end.bytes[0] == ctrl_z) {
        add_problem(found, number, scan.offset, 0, NAACCR_CHECK_STRAY_CTRL_Z, "Stray Ctrl-Z at end of file.");
        hand_over(out, NaaccrRecordView{0, scan.offset, bytes, 1, 0, found.mask, 0});
        deliver_found(out, found);
        return result.stopped == STOP_NONE;
    }
    result.records = number;
    const NaaccrLayout *layout = nullptr;
    const uint32_t column = check_record(out, scan, end, number, found, &layout);
    note_unchecked_items(*out.plan, end, layout, found);
    const uint32_t length = end.length > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(end.length);
    hand_over(
        out, NaaccrRecordView{number, scan.offset, bytes, length, static_cast<uint32_t>(end.term), found.mask, column});
    // Most records have no problem: their ids are read only when one may come.
    ProblemIds ids;
    RunOutput named = out;
    named.ids =
        found.count > 0 || out.plan->items ? record_ids(*out.plan, scan, end, layout, found.mask, &ids) : nullptr;
    deliver_found(named, found);
    check_items(named, end, scan, number, layout, found.mask);
    return result.stopped == STOP_NONE;
}

int32_t sink_problem(ProblemSink *sink, const NaaccrProblem *problem, const ProblemIds *ids)
{
    if (sink->deliver != nullptr)
        return sink->deliver(sink->context, problem, ids);
    ProblemStore &store = *sink->store;
    if (store.count == store.capacity) {
        store.overflow = true;
        return 0;
    }
    StoredProblem &s = store.entries[store.count++];
    s.item = false;
    s.problem = *problem;
    s.named = ids != nullptr;
    if (s.named)
        s.ids = *ids;
    return 0;
}

int32_t sink_item_problem(ProblemSink *sink, const NaaccrItemProblem *problem)
{
    if (sink->deliver != nullptr)
        return sink->deliver_item(sink->context, problem);
    ProblemStore &store = *sink->store;
    const size_t n = problem->value != nullptr ? problem->value_length : 0;
    if (store.count == store.capacity || store.values_capacity - store.values_used < n) {
        store.overflow = true;
        return 0;
    }
    StoredProblem &s = store.entries[store.count++];
    s.item = true;
    memset(&s.problem, 0, sizeof s.problem);
    snprintf(s.problem.message, sizeof s.problem.message, "%s", problem->message != nullptr ? problem->message : "");
    s.item_problem = *problem;
    s.value_at = store.values_used;
    // The ids live as long as their record: kept as texts of the store's own.
    const char *given[problem_id_count] = {problem->patient_id, problem->tumor_record_number,
                                           problem->accession_number};
    s.named = false;
    clear_problem_ids(&s.ids);
    for (size_t k = 0; k < problem_id_count; ++k)
        if (given[k] != nullptr) {
            s.named = true;
            snprintf(s.ids.text[k], sizeof s.ids.text[k], "%s", given[k]);
        }
    if (n > 0)
        memcpy(store.values + store.values_used, problem->value, n);
    store.values_used += n;
    return 0;
}
