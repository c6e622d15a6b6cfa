// check_calls.h -- what one call of the record checker shares between its
// exports and its worker pool: the caller's options and summary, and the
// hand-over of problems to the caller's callbacks on the calling thread.
#ifndef CHECK_CALLS_H
#define CHECK_CALLS_H

#include <stdint.h>

#include "record_check.h"

// One call: the 1.2 calls come here with their options widened and their
// summary inside the larger one.
struct Delivery {
    const NaaccrItemCheckOptions *options;
    NaaccrItemCheckSummary *summary;
    uint64_t base;              // records of the pieces before the current one
    bool no_dictionary_handed;  // the file's one NAACCR_CHECK_NO_DICTIONARY went on
    bool no_dictionary_counted; // ... and was counted
    bool item_calls;            // an Ex call: NAACCR XML is checked, not only named
};

// Hand a run's problem to the caller (numbered from the file's start) while
// max_reported allows; return non-zero when the callback asks to stop.
int32_t deliver_problem(void *context, const NaaccrProblem *problem);
int32_t deliver_item_problem(void *context, const NaaccrItemProblem *problem);
// Hands on the k-th problem a worker stored.
int32_t deliver_stored(Delivery &d, const ProblemStore &store, uint32_t k);

// A problem outside any run, of record 1: counted and handed on.
int32_t deliver_alone(Delivery &d, int64_t offset, int32_t column, int32_t code, const char *message);

// Adds a run's counts to the summary.
void add_run(Delivery &d, const RunResult &run);

// Runs the file's pieces on `threads` workers and merges what they found, in
// file order, on the calling thread.  False when the workers cannot be set
// up; nothing has been read or reported then.
bool check_with_workers(const CheckPlan &plan, const ReadableFile &file, int64_t size, unsigned threads, RunBuffer *own,
                        Delivery &delivery, int32_t *status);

#endif
