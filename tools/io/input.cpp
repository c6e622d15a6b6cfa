// input.cpp -- how an input named on the command line is read, and the checker run on it.
#include "io/io.h"

#include <stdio.h>
#include <string.h>

#include <new>

int64_t CV_CALL read_plain(void *stream, void *buffer, uint32_t size)
{
    PlainStream &s = *static_cast<PlainStream *>(stream);
    if (s.head_length > 0) {
        const size_t n = s.head_length < size ? s.head_length : size;
        memcpy(buffer, s.head, n);
        s.head += n;
        s.head_length -= n;
        return static_cast<int64_t>(n);
    }
    const size_t n = fread(buffer, 1, size, s.file);
    return n == 0 && ferror(s.file) ? -1 : static_cast<int64_t>(n);
}

bool ends_with_gz(const char *path)
{
    const size_t n = strlen(path);
    return n >= 3 && strcmp(path + n - 3, ".gz") == 0;
}

int32_t read_input(const char *path, const InputReader *reader, char *error, size_t capacity)
{
    error[0] = '\0';
    unsigned char head[input_head_size];
    if (strcmp(path, "-") == 0) {
        use_binary_stdin();
        const size_t n = fread(head, 1, sizeof head, stdin);
        if (file_magic(head, n) == MAGIC_GZIP)
            return read_gzip_stream(stdin, head, n, reader->stream, reader->context, error, capacity);
        PlainStream stream = {stdin, head, n};
        return reader->stream(read_plain, &stream, reader->context);
    }
    // Only a regular file is opened here, so that a FIFO never blocks the
    // look at its first bytes; the library refuses anything else anyway.
    if (path_kind(path, true) != PATH_REGULAR)
        return reader->file(path, nullptr, 0, reader->context);
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return reader->file(path, nullptr, 0, reader->context);
    const size_t n = fread(head, 1, sizeof head, file);
    int32_t code;
    if (file_magic(head, n) == MAGIC_GZIP) {
        code = read_gzip_stream(file, head, n, reader->stream, reader->context, error, capacity);
    } else if (ends_with_gz(path) && n > 0) {
        snprintf(error, capacity, "not in gzip format, though its name ends in .gz");
        code = NAACCR_REC_READ_FAILED;
    } else {
        fclose(file);
        return reader->file(path, head, n, reader->context);
    }
    fclose(file);
    return code;
}

namespace
{

struct CheckCall {
    NaaccrItemCheckOptions options; // a copy, which the hook may change
    NaaccrItemCheckSummary *summary;
    const InputHook *hook;
};

int32_t check_file(const char *path, const unsigned char *head, size_t n, void *context)
{
    CheckCall &call = *static_cast<CheckCall *>(context);
    if (head != nullptr)
        tell_head(call.hook, head, n, &call.options);
    return cvCheckNaaccrFileEx(path, &call.options, call.summary);
}

// The first bytes are read ahead, so that the hook knows what the data is
// before the check starts.
int32_t check_stream(NaaccrReadCallback read, void *stream, void *context)
{
    CheckCall &call = *static_cast<CheckCall *>(context);
    HeadFirstStream *ahead = new (std::nothrow) HeadFirstStream;
    if (ahead == nullptr)
        return NAACCR_REC_NO_MEMORY;
    read_input_head(ahead, read, stream);
    tell_head(call.hook, ahead->head, ahead->length, &call.options);
    const int32_t code = cvCheckNaaccrStreamEx(read_head_first, ahead, &call.options, call.summary);
    delete ahead;
    return code;
}

} // namespace

bool is_read_failure(int32_t code)
{
    return code == NAACCR_REC_OPEN_FAILED || code == NAACCR_REC_READ_FAILED || code == NAACCR_REC_NO_MEMORY ||
           code == NAACCR_REC_BAD_ARGUMENT;
}

int32_t check_input(const char *path, const NaaccrItemCheckOptions *options, NaaccrItemCheckSummary *summary,
                    char *error, size_t capacity, const InputHook *hook)
{
    // Filled here for the failures that come before the check starts.
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
    CheckCall call = {*options, summary, hook};
    const InputReader reader = {check_file, check_stream, &call};
    return read_input(path, &reader, error, capacity);
}

void widen_record_options(const NaaccrCheckOptions *options, NaaccrItemCheckOptions *wide)
{
    memset(wide, 0, sizeof *wide);
    wide->size = sizeof *wide;
    wide->flags = options->flags & ~NAACCR_CHECK_ITEMS;
    wide->threads = options->threads;
    wide->max_reported = options->max_reported;
    wide->on_problem = options->on_problem;
    wide->on_record = options->on_record;
    wide->on_progress = options->on_progress;
    wide->context = options->context;
}

int32_t check_input_records(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary,
                            char *error, size_t capacity, const InputHook *hook)
{
    NaaccrItemCheckOptions wide;
    widen_record_options(options, &wide);
    NaaccrItemCheckSummary wide_summary;
    const int32_t code = check_input(path, &wide, &wide_summary, error, capacity, hook);
    *summary = wide_summary.records;
    return code;
}
