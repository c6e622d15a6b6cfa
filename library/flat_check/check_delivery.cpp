// check_delivery.cpp -- hands a check's problems to the caller's callbacks,
// in file order, on the calling thread, and keeps the summary's counts.
#include <stdio.h>
#include <string.h>

#include "flat_check/record_run.h"

namespace
{

// Whether one more problem may reach a callback; counts it when it may.
bool may_report(Delivery *d)
{
    const uint32_t most = d->options->max_reported;
    NaaccrCheckSummary &records = d->summary->records;
    if (most != 0 && records.reported >= most)
        return false;
    ++records.reported;
    return true;
}

} // namespace

int32_t deliver_problem(void *context, const NaaccrProblem *problem, const ProblemIds *ids)
{
    Delivery *d = static_cast<Delivery *>(context);
    if (!may_report(d))
        return 0;
    NaaccrProblem numbered = *problem;
    numbered.record += d->base;
    const NaaccrItemCheckOptions &o = *d->options;
    if ((o.flags & NAACCR_CHECK_IDS) == 0 || o.on_item_problem == nullptr)
        return o.on_problem != nullptr && o.on_problem(o.context, &numbered) != 0;
    // One callback takes every problem, so that record problems name their patient too.
    NaaccrItemProblem named = record_problem(numbered.code, numbered.record, numbered.offset, numbered.message);
    named.column = numbered.column;
    name_problem_ids(ids, &named);
    return o.on_item_problem(o.context, &named) != 0;
}

int32_t deliver_item_problem(void *context, const NaaccrItemProblem *problem)
{
    Delivery *d = static_cast<Delivery *>(context);
    // Each run notes its first record without a dictionary; the file reports one.
    if (problem->code == NAACCR_CHECK_NO_DICTIONARY) {
        if (d->no_dictionary_handed)
            return 0;
        d->no_dictionary_handed = true;
    }
    if (!may_report(d))
        return 0;
    NaaccrItemProblem numbered = *problem;
    numbered.record += d->base;
    const NaaccrItemCheckOptions &o = *d->options;
    return o.on_item_problem != nullptr && o.on_item_problem(o.context, &numbered) != 0;
}

int32_t deliver_stored(Delivery &d, const ProblemStore &store, uint32_t k)
{
    const StoredProblem &s = store.entries[k];
    if (!s.item)
        return deliver_problem(&d, &s.problem, s.named ? &s.ids : nullptr);
    NaaccrItemProblem p = s.item_problem;
    p.value = p.value_length > 0 ? store.values + s.value_at : nullptr;
    p.message = s.problem.message;
    name_problem_ids(s.named ? &s.ids : nullptr, &p);
    return deliver_item_problem(&d, &p);
}

int32_t deliver_alone(Delivery &d, int64_t offset, int32_t column, int32_t code, const char *message)
{
    NaaccrProblem p;
    memset(&p, 0, sizeof p);
    p.record = 1;
    p.offset = offset;
    p.column = column;
    p.code = code;
    snprintf(p.message, sizeof p.message, "%s", message);
    ++d.summary->records.problems;
    ++d.summary->records.counts[code];
    ++d.summary->counts[code];
    // Only before the first record or in a file without one: no record to count from.
    return deliver_problem(&d, &p, nullptr);
}

void add_run(Delivery &d, const RunResult &run)
{
    NaaccrItemCheckSummary &s = *d.summary;
    s.records.records += run.records;
    s.records.problems += run.problems;
    s.records.checksums_matched += run.checksums_matched;
    s.items += run.items;
    for (int k = 0; k < NAACCR_CHECK_ALL_KINDS; ++k) {
        s.counts[k] += run.counts[k];
        if (k < NAACCR_CHECK_KINDS)
            s.records.counts[k] += run.counts[k];
    }
    NaaccrCodeReport *codes = d.options->code_report;
    if (codes != nullptr) {
        codes->tumors_judged += run.tally.tumors_judged;
        codes->site_list_judged += run.tally.site_list_judged;
        codes->site_list_not_judged += run.tally.site_list_not_judged;
    }
    if (run.no_dictionary != 0 && !d.no_dictionary_counted) {
        d.no_dictionary_counted = true;
        ++s.records.problems;
        ++s.counts[NAACCR_CHECK_NO_DICTIONARY];
    }
}
