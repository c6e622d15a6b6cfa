// record_checker.cpp -- cvCheckNaaccrFile, cvCheckNaaccrStream and their Ex
// forms: one implementation, which reads the head, makes the plan, reports
// what stands outside any record, then checks the runs of records on one
// thread or on the worker pool.  The 1.2 calls come with their options
// widened and take the 1.2 part of the larger summary.
#include <stdio.h>
#include <string.h>

#include "check_calls.h"
#include "threads.h"
#include "xml_check.h"

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
        summary.stopped = run.stopped == 3 ? 2 : run.stopped;
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
        summary.stopped = 1;
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
            summary.stopped = 1;
        return NAACCR_REC_OK;
    }
    int32_t status = NAACCR_REC_OK;
    if (static_cast<int64_t>(head_bytes) > plan.data_start) {
        if (options.on_progress != nullptr &&
            options.on_progress(options.context, summary.bytes, source->file_size, 0) != 0) {
            summary.stopped = 2;
            return NAACCR_REC_OK;
        }
        status = check_runs(plan, source, buffer, primed, delivery);
    } else {
        summary.bytes = head_bytes;
    }
    // A file without a single record, of any length, is no record file; the
    // problem stands at offset 0, where its first record would.
    if (status == NAACCR_REC_OK && summary.stopped == 0 && summary.records == 0 &&
        deliver_alone(delivery, 0, 0, NAACCR_CHECK_RECORD_LENGTH, "The file holds no record.") != 0)
        summary.stopped = 1;
    if (status == NAACCR_REC_OK && summary.stopped == 0 && options.on_progress != nullptr)
        options.on_progress(options.context, summary.bytes, source->file_size, summary.records);
    return status;
}

// The bytes of a file after its head, read in order for the XML check.
int64_t CV_CALL read_file_on(void *stream, void *buffer, uint32_t size)
{
    ByteSource *source = static_cast<ByteSource *>(stream);
    size_t got = 0;
    if (!read_file_at(*source->file, source->next, buffer, size, &got))
        return -1;
    source->next += static_cast<int64_t>(got);
    return static_cast<int64_t>(got);
}

// NAACCR XML: checked by the Ex calls; the 1.2 calls, whose callers know
// nothing of items, learn only what the file is.
int32_t check_xml(ByteSource *source, const RunBuffer &buffer, size_t head, Delivery &delivery)
{
    if (!delivery.item_calls) {
        delivery.summary->records.bytes = head;
        if (deliver_alone(delivery, 0, 0, NAACCR_CHECK_RECORD_TYPE, "NAACCR XML file") != 0)
            delivery.summary->records.stopped = 1;
        return NAACCR_REC_OK;
    }
    if (source->file != nullptr) {
        source->next = static_cast<int64_t>(head);
        return check_naaccr_xml(read_file_on, source, source->file_size, buffer.bytes, head, *delivery.options,
                                delivery.summary);
    }
    return check_naaccr_xml(source->ended ? nullptr : source->read, source->stream, -1, buffer.bytes, head,
                            *delivery.options, delivery.summary);
}

// The plan from the head, then the rest; or NAACCR XML, whose first byte
// after a byte-order mark and white space is '<' as no record's is.
int32_t check_from_head(ByteSource *source, RunBuffer *buffer, size_t head, Delivery &delivery)
{
    const NaaccrItemCheckOptions &options = *delivery.options;
    NaaccrItemCheckSummary &summary = *delivery.summary;
    if (looks_like_xml(buffer->bytes, head))
        return check_xml(source, *buffer, head, delivery);
    CheckPlan plan;
    make_check_plan(buffer->bytes, head, (options.flags & NAACCR_CHECK_CHECKSUMS) != 0, &plan, &summary.records);
    plan.items = (options.flags & NAACCR_CHECK_ITEMS) != 0;
    summary.format = NAACCR_FORMAT_FLAT;
    if (plan.layout != nullptr && plan.layout->version_width == 3)
        summary.version = (plan.version[0] - '0') * 100 + (plan.version[1] - '0') * 10 + (plan.version[2] - '0');
    const size_t primed = source->file != nullptr ? 0 : head;
    return check_after_head(plan, source, buffer, primed, head, delivery);
}

void clear_summary(NaaccrItemCheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
}

int32_t check_file(const char *path, Delivery &delivery)
{
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
            ByteSource source = {&file, nullptr, nullptr, 0, size, false};
            status = check_from_head(&source, &buffer, head, delivery);
        }
        free_run_buffer(&buffer);
    }
    close_readable_file(file);
    return status;
}

int32_t check_stream(NaaccrReadCallback read, void *stream, Delivery &delivery)
{
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
        ByteSource source = {nullptr, read, stream, static_cast<int64_t>(head), -1, ended};
        status = check_from_head(&source, &buffer, head, delivery);
    }
    free_run_buffer(&buffer);
    return status;
}

// The flags a check knows; any other bit is refused, so that no caller takes
// "0 problems" for a check that was not run.  NAACCR_CHECK_ITEMS means
// nothing to the 1.2 calls, which have always taken it.
const uint32_t known_check_flags = NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS;

// The 1.2 options, widened.
bool widen_options(const NaaccrCheckOptions *given, NaaccrItemCheckOptions *options)
{
    memset(options, 0, sizeof *options);
    options->size = sizeof *options;
    if (given == nullptr)
        return true;
    if (given->size != sizeof *given || (given->flags & ~known_check_flags) != 0)
        return false;
    options->flags = given->flags & NAACCR_CHECK_CHECKSUMS;
    options->threads = given->threads;
    options->max_reported = given->max_reported;
    options->on_problem = given->on_problem;
    options->on_record = given->on_record;
    options->on_progress = given->on_progress;
    options->context = given->context;
    return true;
}

bool take_options(const NaaccrItemCheckOptions *given, NaaccrItemCheckOptions *options)
{
    memset(options, 0, sizeof *options);
    options->size = sizeof *options;
    if (given == nullptr)
        return true;
    if (given->size != sizeof *given || (given->flags & ~known_check_flags) != 0)
        return false;
    *options = *given;
    return true;
}

// One call of either form: a file at `path`, or else the stream.
int32_t check_input(const char *path, NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions &options,
                    NaaccrItemCheckSummary *summary, bool item_calls)
{
    Delivery delivery = {&options, summary, 0, false, false, item_calls};
    return path != nullptr ? check_file(path, delivery) : check_stream(read, stream, delivery);
}

// The Ex calls: `path` or `read` is the input, the other null.
int32_t check_wide(const char *path, NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions *given,
                   NaaccrItemCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    clear_summary(summary);
    NaaccrItemCheckOptions options;
    if ((path == nullptr && read == nullptr) || !take_options(given, &options))
        return NAACCR_REC_BAD_ARGUMENT;
    return check_input(path, read, stream, options, summary, true);
}

// The 1.2 calls: their options widened, their summary the 1.2 part of the larger one.
int32_t check_narrow(const char *path, NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *given,
                     NaaccrCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    NaaccrItemCheckSummary wide;
    clear_summary(&wide);
    NaaccrItemCheckOptions options;
    int32_t status = NAACCR_REC_BAD_ARGUMENT;
    if ((path != nullptr || read != nullptr) && widen_options(given, &options))
        status = check_input(path, read, stream, options, &wide, false);
    *summary = wide.records;
    return status;
}

} // namespace

int32_t CV_CALL cvCheckNaaccrFileEx(const char *path, const NaaccrItemCheckOptions *given,
                                    NaaccrItemCheckSummary *summary)
{
    return check_wide(path, nullptr, nullptr, given, summary);
}

int32_t CV_CALL cvCheckNaaccrStreamEx(NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions *given,
                                      NaaccrItemCheckSummary *summary)
{
    return check_wide(nullptr, read, stream, given, summary);
}

int32_t CV_CALL cvCheckNaaccrFile(const char *path, const NaaccrCheckOptions *given, NaaccrCheckSummary *summary)
{
    return check_narrow(path, nullptr, nullptr, given, summary);
}

int32_t CV_CALL cvCheckNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *given,
                                    NaaccrCheckSummary *summary)
{
    return check_narrow(nullptr, read, stream, given, summary);
}
