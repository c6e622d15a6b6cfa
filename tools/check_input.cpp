// check_input.cpp -- which reader feeds the record checker for an input.
#include "check_input.h"

#include <stdio.h>
#include <string.h>

#include "console.h"
#include "file_magic.h"
#include "gzip_stream.h"
#include "output_file.h"

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

namespace
{

void clear_summary(NaaccrItemCheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
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
    error[0] = '\0';
    NaaccrItemCheckOptions chosen = *options;
    unsigned char head[input_head_size];
    if (strcmp(path, "-") == 0) {
        use_binary_stdin();
        const size_t n = fread(head, 1, sizeof head, stdin);
        if (file_magic(head, n) == MAGIC_GZIP)
            return check_gzip_stream(stdin, head, n, &chosen, summary, error, capacity, hook);
        tell_head(hook, head, n, &chosen);
        PlainStream stream = {stdin, head, n};
        return cvCheckNaaccrStreamEx(read_plain, &stream, &chosen, summary);
    }
    // Only a regular file is opened here, so that a FIFO never blocks the
    // look at its first bytes; the checker refuses anything else anyway.
    if (path_kind(path, true) != PATH_REGULAR)
        return cvCheckNaaccrFileEx(path, &chosen, summary);
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return cvCheckNaaccrFileEx(path, &chosen, summary);
    const size_t n = fread(head, 1, sizeof head, file);
    int32_t code;
    if (file_magic(head, n) == MAGIC_GZIP) {
        code = check_gzip_stream(file, head, n, &chosen, summary, error, capacity, hook);
    } else if (ends_with_gz(path) && n > 0) {
        clear_summary(summary);
        snprintf(error, capacity, "not in gzip format, though its name ends in .gz");
        code = NAACCR_REC_READ_FAILED;
    } else {
        fclose(file);
        tell_head(hook, head, n, &chosen);
        return cvCheckNaaccrFileEx(path, &chosen, summary);
    }
    fclose(file);
    return code;
}

int32_t check_input_records(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary,
                            char *error, size_t capacity, const InputHook *hook)
{
    NaaccrItemCheckOptions wide;
    memset(&wide, 0, sizeof wide);
    wide.size = sizeof wide;
    wide.flags = options->flags & ~NAACCR_CHECK_ITEMS;
    wide.threads = options->threads;
    wide.max_reported = options->max_reported;
    wide.on_problem = options->on_problem;
    wide.on_record = options->on_record;
    wide.on_progress = options->on_progress;
    wide.context = options->context;
    NaaccrItemCheckSummary wide_summary;
    const int32_t code = check_input(path, &wide, &wide_summary, error, capacity, hook);
    *summary = wide_summary.records;
    return code;
}
