// flat_checker.cpp -- the record checker's entry: the plan made from the
// file's head, what stands outside any record reported, then the runs of
// records checked on one thread or on the worker pool.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "flat/flat.h"
#include "flat_check/flat_check.h"
#include "flat_check/record_run.h"
#include "platform/platform.h"

namespace
{

const int64_t several_threads_from = 16 << 20; // smaller files are checked on the calling thread

struct Progress {
    const NaaccrItemCheckOptions *options;
    int64_t total;
};

int32_t report_progress(void *context, int64_t offset, uint64_t records)
{
    const Progress *p = static_cast<const Progress *>(context);
    return p->options->on_progress(p->options->context, static_cast<uint64_t>(offset), p->total, records);
}

// A byte-order mark: handed over as bytes outside any record, so that a
// caller copying the file through its records keeps every byte, then reported.
bool report_byte_order_mark(const CheckPlan &plan, const RunBuffer &buffer, Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    if (options.on_record != nullptr) {
        const NaaccrRecordView view = {0,
                                       0,
                                       reinterpret_cast<const char *>(buffer.bytes),
                                       static_cast<uint32_t>(plan.bom_length),
                                       0,
                                       1u << NAACCR_CHECK_BYTE_ORDER_MARK,
                                       0};
        if (options.on_record(options.context, &view) != 0)
            return false;
    }
    const bool utf8 = plan.bom_length == 3;
    return deliver_alone(delivery, 0, 1, NAACCR_CHECK_BYTE_ORDER_MARK,
                         utf8 ? "The file starts with a UTF-8 byte-order mark."
                              : "The file starts with a UTF-16 byte-order mark: it is no single-byte text.") == 0;
}

// The runs of records after the head.
int32_t check_runs(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrCheckSummary &summary = delivery.summary->records;
    int32_t status = NAACCR_REC_OK;
    const int64_t size = source->file_size;
    const unsigned threads = options.threads != 0 ? options.threads : processor_count();
    const bool several = source->file != nullptr && options.on_record == nullptr && threads > 1 &&
                         size - plan.data_start > several_threads_from;
    if (!several || !check_with_workers(plan, *source->file, size, threads, buffer, delivery, &status)) {
        Progress progress = {&options, size};
        RunHooks hooks = {options.on_record, options.context,
                          options.on_progress != nullptr ? report_progress : nullptr, &progress, nullptr};
        ProblemSink sink = {deliver_problem, deliver_item_problem, &delivery, nullptr};
        RunResult run;
        check_record_run(plan, source, buffer, primed, plan.data_start, false, INT64_MAX, &sink, &hooks, &run);
        add_run(delivery, run);
        summary.bytes = static_cast<uint64_t>(run.end);
        summary.stopped = summary_stop(run.stopped);
        status = run.status;
    }
    return status;
}

// Everything after the head is read: the byte-order mark, a file that cannot
// be cut into records, then the runs.  `primed` head bytes stand in `buffer`
// for a stream.
int32_t check_after_head(const CheckPlan &plan, ByteSource *source, RunBuffer *buffer, size_t primed, size_t head_bytes,
                         Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrCheckSummary &summary = delivery.summary->records;
    if (plan.bom_length != 0 && !report_byte_order_mark(plan, *buffer, delivery)) {
        summary.stopped = STOP_BY_CALLBACK;
        summary.bytes = static_cast<uint64_t>(plan.bom_length);
        return NAACCR_REC_OK;
    }
    if (plan.cannot_split) {
        char message[160];
        snprintf(message, sizeof message,
                 "No record terminator in the first %u bytes, and no known layout to cut records by.",
                 NAACCR_CHECK_LONGEST_VIEW);
        summary.records = 1;
        summary.bytes = head_bytes;
        if (deliver_alone(delivery, plan.data_start, 0, NAACCR_CHECK_RECORD_LENGTH, message) != 0)
            summary.stopped = STOP_BY_CALLBACK;
        return NAACCR_REC_OK;
    }
    if (plan.not_naaccr > 0) {
        char message[200], which[48] = "its one record has";
        if (plan.not_naaccr > 1)
            snprintf(which, sizeof which, "none of its first %d records has", plan.not_naaccr);
        snprintf(message, sizeof message,
                 "Not a NAACCR flat file: %s a valid record type and version code; its records are not checked.",
                 which);
        summary.bytes = head_bytes;
        if (deliver_alone(delivery, plan.data_start, 1, NAACCR_CHECK_RECORD_TYPE, message) != 0)
            summary.stopped = STOP_BY_CALLBACK;
        return NAACCR_REC_OK;
    }
    int32_t status = NAACCR_REC_OK;
    if (static_cast<int64_t>(head_bytes) > plan.data_start) {
        if (options.on_progress != nullptr &&
            options.on_progress(options.context, summary.bytes, source->file_size, 0) != 0) {
            summary.stopped = STOP_BY_PROGRESS;
            return NAACCR_REC_OK;
        }
        status = check_runs(plan, source, buffer, primed, delivery);
    } else {
        summary.bytes = head_bytes;
    }
    // A file without a single record, of any length, is no record file; the
    // problem stands at offset 0, where its first record would.
    if (status == NAACCR_REC_OK && summary.stopped == STOP_NONE && summary.records == 0 &&
        deliver_alone(delivery, 0, 0, NAACCR_CHECK_RECORD_LENGTH, "The file holds no record.") != 0)
        summary.stopped = STOP_BY_CALLBACK;
    if (status == NAACCR_REC_OK && summary.stopped == STOP_NONE && options.on_progress != nullptr)
        options.on_progress(options.context, summary.bytes, source->file_size, summary.records);
    return status;
}

} // namespace

int32_t check_flat_records(ByteSource *source, RunBuffer *buffer, size_t head, Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrItemCheckSummary &summary = *delivery.summary;
    CheckPlan plan;
    make_check_plan(buffer->bytes, head, (options.flags & NAACCR_CHECK_CHECKSUMS) != 0, &plan, &summary.records);
    plan.items = (options.flags & NAACCR_CHECK_ITEMS) != 0;
    plan.codes = plan.items && (options.flags & NAACCR_CHECK_CODES) != 0;
    plan.ids = (options.flags & NAACCR_CHECK_IDS) != 0;
    // Only a reader of records sets these: the public calls refuse them.
    plan.encoding = (options.flags & NAACCR_READ_LATIN1) != 0         ? BYTES_LATIN1
                    : (options.flags & NAACCR_READ_WINDOWS_1252) != 0 ? BYTES_WINDOWS_1252
                                                                      : BYTES_ASCII;
    summary.format = NAACCR_FORMAT_FLAT;
    if (plan.layout != nullptr && plan.layout->version_width == version_code_width)
        summary.version = version_of_code(plan.version);
    const size_t primed = source->file != nullptr ? 0 : head;
    return check_after_head(plan, source, buffer, primed, head, delivery);
}
