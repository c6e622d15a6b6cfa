// tumor_reading.cpp -- reading a file as tumours: which reader a file goes
// to (NAACCR XML starts with '<'; no flat record does), and where their
// problems go.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include <new>

#include "base/base.h"
#include "check/check.h"
#include "platform/platform.h"
#include "tumors/tumors.h"
#include "xml/xml.h"

namespace
{

const size_t head_capacity = 4096;

// A stream whose first bytes were read to tell its format, handed out again.
struct HeadStream {
    NaaccrReadCallback read;
    void *stream;
    unsigned char head[head_capacity];
    size_t length, taken;
};

int64_t CV_CALL read_with_head(void *context, void *buffer, uint32_t size)
{
    HeadStream &s = *static_cast<HeadStream *>(context);
    if (s.taken < s.length) {
        size_t n = s.length - s.taken;
        if (n > size)
            n = size;
        memcpy(buffer, s.head + s.taken, n);
        s.taken += n;
        return static_cast<int64_t>(n);
    }
    return s.read(s.stream, buffer, size);
}

// A regular file read from its start, as a stream.
struct FileStream {
    ReadableFile file;
    int64_t next;
};

int64_t CV_CALL read_file(void *context, void *buffer, uint32_t size)
{
    FileStream &f = *static_cast<FileStream *>(context);
    size_t n = 0;
    if (!read_file_at(f.file, f.next, buffer, size, &n))
        return -1;
    f.next += static_cast<int64_t>(n);
    return static_cast<int64_t>(n);
}

// Fills s.head as far as the stream goes; false when a read failed.
bool read_head(HeadStream &s)
{
    while (s.length < head_capacity) {
        const int64_t n = s.read(s.stream, s.head + s.length, static_cast<uint32_t>(head_capacity - s.length));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        s.length += static_cast<size_t>(n);
    }
    return true;
}

void start_report(ReadReport *report, const NaaccrReadOptions *options, NaaccrItemCheckSummary *summary)
{
    memset(report, 0, sizeof *report);
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
    report->summary = summary;
    if (options != nullptr) {
        report->on_problem = options->on_problem;
        report->context = options->context;
        report->max_reported = options->max_reported;
    }
}

void end_report(const ReadReport &report)
{
    report.summary->records.problems = report.problems;
    report.summary->records.reported = report.reported;
}

int32_t read_stream(HeadStream &s, const NaaccrReadOptions *options, ReadReport &report, const ReadListener *listener)
{
    if (!read_head(s))
        return NAACCR_REC_READ_FAILED;
    if (s.length == 0)
        return NAACCR_REC_EMPTY_FILE;
    if (looks_like_xml(s.head, s.length)) {
        report.summary->format = NAACCR_FORMAT_XML;
        return read_xml_tumors(read_with_head, &s, options, &report, listener);
    }
    return read_flat_tumors(nullptr, read_with_head, &s, options, &report);
}

int32_t read_path(const char *path, const NaaccrReadOptions *options, ReadReport &report, const ReadListener *listener)
{
    FileStream f = {{-1}, 0};
    int64_t size = 0;
    if (!open_regular_file(path, &f.file, &size))
        return read_flat_tumors(path, nullptr, nullptr, options, &report); // tells why it cannot be read
    int32_t code = NAACCR_REC_NO_MEMORY;
    HeadStream *s = new (std::nothrow) HeadStream;
    if (s != nullptr) {
        s->read = read_file;
        s->stream = &f;
        s->length = s->taken = 0;
        if (read_head(*s) && looks_like_xml(s->head, s->length)) {
            report.summary->format = NAACCR_FORMAT_XML;
            code = read_xml_tumors(read_with_head, s, options, &report, listener);
        } else {
            code = read_flat_tumors(path, nullptr, nullptr, options, &report);
        }
    }
    delete s;
    close_readable_file(f.file);
    return code;
}

} // namespace

int32_t report_item_problem(ReadReport *report, const NaaccrItemProblem *problem, bool count_kind)
{
    ++report->problems;
    if (count_kind && problem->code > 0 && problem->code < NAACCR_CHECK_ALL_KINDS)
        ++report->summary->counts[problem->code];
    if (count_kind && problem->code > 0 && problem->code < NAACCR_CHECK_KINDS)
        ++report->summary->records.counts[problem->code];
    if (report->on_problem == nullptr || (report->max_reported != 0 && report->reported >= report->max_reported))
        return 0;
    ++report->reported;
    return report->on_problem(report->context, problem);
}

int32_t report_problem(ReadReport *report, int32_t code, uint64_t record, int64_t offset, int32_t column,
                       const char *format, ...)
{
    char message[512];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    NaaccrItemProblem problem = record_problem(code, record, offset, message);
    problem.column = column;
    return report_item_problem(report, &problem);
}

void reading_check_options(const NaaccrReadOptions *options, uint32_t flags, NaaccrProgressCallback progress,
                           void *context, NaaccrItemCheckOptions *check)
{
    default_check_options(check);
    check->flags = flags;
    check->threads = 1;
    check->on_progress = options != nullptr && options->on_progress != nullptr ? progress : nullptr;
    check->context = context;
    if (options != nullptr) {
        check->dictionaries = options->dictionaries;
        check->dictionary_count = options->dictionary_count;
    }
}

int32_t read_naaccr_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                           NaaccrItemCheckSummary *summary, const ReadListener *listener)
{
    ReadReport report;
    start_report(&report, options, summary);
    int32_t code = NAACCR_REC_NO_MEMORY;
    if (path != nullptr) {
        code = read_path(path, options, report, listener);
    } else {
        HeadStream *s = new (std::nothrow) HeadStream;
        if (s != nullptr) {
            s->read = read;
            s->stream = stream;
            s->length = s->taken = 0;
            code = read_stream(*s, options, report, listener);
        }
        delete s;
    }
    end_report(report);
    return code;
}
