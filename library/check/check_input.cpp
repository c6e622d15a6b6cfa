// check_input.cpp -- the entry point of every check: the file or stream is
// opened and its head read once, then NAACCR XML (whose first byte after a
// byte-order mark and white space is '<', as no record's is) goes to the XML
// check and anything else to the record checker.
#include <stddef.h>
#include <string.h>

#include "base/base.h"
#include "check/check.h"
#include "codes/codes.h"
#include "flat_check/flat_check.h"
#include "platform/platform.h"
#include "xml/xml.h"

namespace
{

// NaaccrItemCheckOptions as 1.3 and 1.4 released it: without code_report.
const uint32_t options_size_1_3 = offsetof(NaaccrItemCheckOptions, code_report);

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

bool read_file_for_xml(const void *context, int64_t offset, void *buffer, size_t n, size_t *got)
{
    return read_file_at(*static_cast<const ReadableFile *>(context), offset, buffer, n, got);
}

// NAACCR XML: checked by the Ex calls, a file on as many threads as asked;
// the 1.2 calls, whose callers know nothing of items, learn only what the
// file is.
int32_t check_xml(ByteSource *source, const RunBuffer &buffer, size_t head, Delivery &delivery)
{
    if (!delivery.item_calls) {
        delivery.summary->records.bytes = head;
        if (deliver_alone(delivery, 0, 0, NAACCR_CHECK_RECORD_TYPE, "NAACCR XML file") != 0)
            delivery.summary->records.stopped = STOP_BY_CALLBACK;
        return NAACCR_REC_OK;
    }
    const NaaccrItemCheckOptions &options = *delivery.options;
    const unsigned threads = options.threads != 0 ? options.threads : processor_count();
    if (source->file != nullptr && threads > 1) {
        const XmlFile file = {read_file_for_xml, source->file, source->file_size};
        const XmlPieces pieces = {threads, xml_piece_size, XML_PATH_FAST};
        return check_naaccr_xml_file(file, buffer.bytes, head, options, delivery.summary, pieces);
    }
    if (source->file != nullptr) {
        source->next = static_cast<int64_t>(head);
        return check_naaccr_xml(read_file_on, source, source->file_size, buffer.bytes, head, *delivery.options,
                                delivery.summary);
    }
    return check_naaccr_xml(source->ended ? nullptr : source->read, source->stream, -1, buffer.bytes, head,
                            *delivery.options, delivery.summary);
}

// NAACCR XML or flat records, told by the head.
int32_t check_from_head(ByteSource *source, RunBuffer *buffer, size_t head, Delivery &delivery)
{
    if (looks_like_xml(buffer->bytes, head))
        return check_xml(source, *buffer, head, delivery);
    return check_flat_records(source, buffer, head, delivery);
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

} // namespace

void clear_check_summary(NaaccrItemCheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
}

void default_check_options(NaaccrItemCheckOptions *options)
{
    memset(options, 0, sizeof *options);
    options->size = sizeof *options;
}

bool widen_check_options(const NaaccrCheckOptions *given, NaaccrItemCheckOptions *options)
{
    default_check_options(options);
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

bool take_check_options(const NaaccrItemCheckOptions *given, NaaccrItemCheckOptions *options)
{
    default_check_options(options);
    if (given == nullptr)
        return true;
    // Only the fields of the caller's size are read; the rest keep their defaults.
    if ((given->size != sizeof *given && given->size != options_size_1_3) || (given->flags & ~known_ex_flags) != 0)
        return false;
    memcpy(options, given, given->size);
    options->size = sizeof *options;
    if (options->code_report != nullptr && options->code_report->size != sizeof(NaaccrCodeReport)) {
        default_check_options(options);
        return false;
    }
    if ((options->flags & NAACCR_CHECK_CODES) != 0)
        options->flags |= NAACCR_CHECK_ITEMS;
    return true;
}

int32_t check_naaccr_input(const char *path, NaaccrReadCallback read, void *stream,
                           const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary, CheckCalls calls)
{
    NaaccrCodeReport *report = options.code_report;
    if (report != nullptr) {
        memset(report, 0, sizeof *report);
        report->size = sizeof *report;
    }
    Delivery delivery = {&options, summary, 0, false, false, calls == CHECK_CALLS_EX};
    const int32_t status = path != nullptr ? check_file(path, delivery) : check_stream(read, stream, delivery);
    // The lists are named once the file's version is known.
    if (report != nullptr && (options.flags & NAACCR_CHECK_CODES) != 0)
        describe_code_lists(summary->version, report);
    return status;
}
