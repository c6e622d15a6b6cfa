// check_job.cpp -- one run of the record checker on its own thread: problems and progress handed to the window.
#include "check_job.h"

#include <inttypes.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int PrepareCheckJob(CheckJob *job, CheckFileFunction check, const char *path, uint32_t flags,
                    const CheckSignals *signals)
{
    memset(job, 0, sizeof *job);
    snprintf(job->path, sizeof job->path, "%s", path);
    job->flags = flags;
    job->check = check;
    job->signals = *signals;
    job->problems = static_cast<NaaccrProblem *>(malloc(CHECK_LIST_LIMIT * sizeof(NaaccrProblem)));
    job->patients = static_cast<char(*)[CHECK_PATIENT_CAPACITY]>(malloc(CHECK_LIST_LIMIT * CHECK_PATIENT_CAPACITY));
    if (job->problems != NULL && job->patients != NULL)
        return 1;
    ReleaseCheckJob(job);
    return 0;
}

// Sends the notice that the caller found due under the lock.  A refused notice is due again at the next
// news, so a later problem, progress report or the end still reaches the window.
static void send_notice(CheckJob *job, int due)
{
    if (!due || job->signals.notify(job->signals.context))
        return;
    job->signals.lock(job->signals.context);
    job->notified = 0;
    job->signals.unlock(job->signals.context);
}

// Marks a notice as on its way; returns 1 when none was, so the caller sends one.
static int notice_due(CheckJob *job)
{
    int due = !job->notified;
    job->notified = 1;
    return due;
}

// Stores a row and the patient it names.
static void take_row(CheckJob *job, const NaaccrProblem *problem, const char *patient)
{
    job->signals.lock(job->signals.context);
    // The checker hands over at most CHECK_LIST_LIMIT problems (max_reported); the bound keeps a checker that
    // ignored it inside the array.
    if (job->problem_count < CHECK_LIST_LIMIT) {
        job->problems[job->problem_count] = *problem;
        snprintf(job->patients[job->problem_count], CHECK_PATIENT_CAPACITY, "%s", patient);
        ++job->problem_count;
    }
    int due = notice_due(job);
    job->signals.unlock(job->signals.context);
    send_notice(job, due);
}

static int32_t CV_CALL take_problem(void *context, const NaaccrProblem *problem)
{
    take_row(static_cast<CheckJob *>(context), problem, "");
    return 0;
}

// Stores the outcome, sets `done` and sends the last notice.
static void finish_job(CheckJob *job, int32_t result, const NaaccrCheckSummary *summary)
{
    job->signals.lock(job->signals.context);
    job->result = result;
    job->summary = *summary;
    job->done = 1;
    int due = notice_due(job);
    job->signals.unlock(job->signals.context);
    send_notice(job, due);
}

static int32_t CV_CALL take_progress(void *context, uint64_t bytes_done, int64_t bytes_total, uint64_t records)
{
    CheckJob *job = static_cast<CheckJob *>(context);
    job->signals.lock(job->signals.context);
    job->bytes_done = bytes_done;
    job->bytes_total = bytes_total;
    job->records = records;
    job->progressed = 1;
    int stop = job->cancel;
    int due = notice_due(job);
    job->signals.unlock(job->signals.context);
    send_notice(job, due);
    return stop;
}

void CheckItemsToo(CheckJob *job, CheckFileExFunction check_items)
{
    job->check_items = check_items;
    job->flags |= NAACCR_CHECK_ITEMS;
}

void CheckCodesToo(CheckJob *job) { job->flags |= NAACCR_CHECK_CODES | NAACCR_CHECK_ITEMS; }

void UseItemChecker(CheckJob *job, CheckFileExFunction check_items) { job->check_items = check_items; }

void NameProblemsToo(CheckJob *job) { job->flags |= NAACCR_CHECK_IDS; }

// "Line 12, patient 1, tumour 2: " for a NAACCR XML problem; "" for a record's.
static void xml_place(const NaaccrItemProblem *item, char *text, size_t capacity)
{
    text[0] = '\0';
    if (item->line == 0)
        return;
    int n = snprintf(text, capacity, "Line %" PRIu64, item->line);
    if (item->patient > 0 && n > 0 && static_cast<size_t>(n) < capacity)
        n += snprintf(text + n, capacity - n, ", patient %" PRIu64, item->patient);
    if (item->tumor > 0 && n > 0 && static_cast<size_t>(n) < capacity)
        n += snprintf(text + n, capacity - n, ", tumour %" PRIu64, item->tumor);
    if (n > 0 && static_cast<size_t>(n) < capacity)
        snprintf(text + n, capacity - n, ": ");
}

void ItemProblemRow(const NaaccrItemProblem *item, NaaccrProblem *row)
{
    memset(row, 0, sizeof *row);
    row->record = item->record;
    row->offset = item->offset;
    row->column = item->column;
    row->code = item->code;
    char value[64];
    uint32_t n = 0;
    for (; n < item->value_length && n + 1 < sizeof value; ++n) {
        unsigned char c = static_cast<unsigned char>(item->value[n]);
        value[n] = c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    }
    value[n] = '\0';
    const char *message = item->message != NULL ? item->message : "";
    char place[80];
    xml_place(item, place, sizeof place);
    if (item->item_number > 0)
        snprintf(row->message, sizeof row->message, "%sItem %d %s, value \"%s\": %s", place,
                 static_cast<int>(item->item_number), item->item_name != NULL ? item->item_name : "", value, message);
    else if (item->item_id != NULL && item->item_id[0] != '\0')
        snprintf(row->message, sizeof row->message, "%sItem %.40s, value \"%s\": %s", place, item->item_id, value,
                 message);
    else
        snprintf(row->message, sizeof row->message, "%s%s", place, message);
}

// Appends "words id" to `text` (holding `*used` characters) when the id is given, its unprintable bytes as '?'.
static void append_id(char *text, size_t capacity, size_t *used, const char *words, const char *id)
{
    if (id == NULL || id[0] == '\0')
        return;
    int n = snprintf(text + *used, capacity - *used, "%s%s", *used > 0 ? ", " : "", words);
    *used = n >= 0 && *used + static_cast<size_t>(n) < capacity ? *used + static_cast<size_t>(n) : capacity - 1;
    for (; *id != '\0' && *used + 1 < capacity; ++id) {
        unsigned char c = static_cast<unsigned char>(*id);
        text[(*used)++] = c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    }
    text[*used] = '\0';
}

void ProblemPatientText(const NaaccrItemProblem *item, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    text[0] = '\0';
    size_t used = 0;
    append_id(text, capacity, &used, "", item->patient_id);
    append_id(text, capacity, &used, "tumour ", item->tumor_record_number);
    append_id(text, capacity, &used, "accession ", item->accession_number);
}

static int32_t CV_CALL take_item_problem(void *context, const NaaccrItemProblem *problem)
{
    CheckJob *job = static_cast<CheckJob *>(context);
    NaaccrProblem row;
    ItemProblemRow(problem, &row);
    // A library before 1.6 hands over the problem without the ids, which are read only when asked for.
    char patient[CHECK_PATIENT_CAPACITY] = "";
    if ((job->flags & NAACCR_CHECK_IDS) != 0)
        ProblemPatientText(problem, patient, sizeof patient);
    take_row(job, &row, patient);
    return 0;
}

// The item checker, with the same callbacks; the record summary is what the window shows.
static int32_t run_item_check(CheckJob *job, NaaccrCheckSummary *summary)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    // A library before 1.5 takes only the options of 1.3, without the code report.
    const int codes = (job->flags & NAACCR_CHECK_CODES) != 0;
    options.size = codes ? sizeof options : offsetof(NaaccrItemCheckOptions, code_report);
    job->codes.size = sizeof job->codes;
    options.code_report = codes ? &job->codes : NULL;
    options.flags = job->flags;
    options.max_reported = CHECK_LIST_LIMIT;
    options.on_problem = take_problem;
    options.on_item_problem = take_item_problem;
    options.on_progress = take_progress;
    options.context = job;
    int32_t result = job->check_items(job->path, &options, &job->details);
    *summary = job->details.records;
    return result;
}

void RunCheckJob(CheckJob *job)
{
    NaaccrCheckSummary summary;
    if (job->check_items != NULL) {
        int32_t result = run_item_check(job, &summary);
        finish_job(job, result, &summary);
        return;
    }
    NaaccrCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = job->flags & NAACCR_CHECK_CHECKSUMS;
    options.threads = 0;
    options.max_reported = CHECK_LIST_LIMIT;
    options.on_problem = take_problem;
    options.on_progress = take_progress;
    options.context = job;
    int32_t result = job->check(job->path, &options, &summary);
    finish_job(job, result, &summary);
}

void CancelCheckJob(CheckJob *job)
{
    job->signals.lock(job->signals.context);
    job->cancel = 1;
    job->signals.unlock(job->signals.context);
}

void TakeCheckNews(CheckJob *job, CheckNews *news)
{
    job->signals.lock(job->signals.context);
    news->problems = job->problems;
    news->patients = job->patients;
    news->problem_count = job->problem_count;
    news->bytes_done = job->bytes_done;
    news->bytes_total = job->bytes_total;
    news->records = job->records;
    news->progressed = job->progressed;
    news->done = job->done;
    if (job->done) {
        news->result = job->result;
        news->summary = job->summary;
        news->details = job->details;
        news->codes = job->codes;
    }
    job->notified = 0;
    job->signals.unlock(job->signals.context);
}

void ReleaseCheckJob(CheckJob *job)
{
    free(job->problems);
    free(job->patients);
    job->problems = NULL;
    job->patients = NULL;
    job->problem_count = 0;
}
