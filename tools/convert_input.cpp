// convert_input.cpp -- which reader feeds the conversion for an input.
#include "convert_input.h"

#include <stdio.h>
#include <string.h>

#include "console.h"
#include "gzip_stream.h"
#include "output_file.h"

namespace
{

struct PlainStream {
    FILE *file;
    const unsigned char *head; // bytes read already, handed out first
    size_t head_length;
};

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

bool is_gzip(const unsigned char *head, size_t n) { return n == 2 && head[0] == 0x1F && head[1] == 0x8B; }

bool ends_with_gz(const char *path)
{
    const size_t n = strlen(path);
    return n >= 3 && strcmp(path + n - 3, ".gz") == 0;
}

struct ConvertCall {
    const NaaccrConvertOptions *options;
    NaaccrConvertSummary *summary;
};

int32_t run_conversion(NaaccrReadCallback read, void *stream, void *context)
{
    ConvertCall &call = *static_cast<ConvertCall *>(context);
    return cvConvertNaaccrStream(read, stream, call.options, call.summary);
}

int32_t convert_gzip(FILE *file, const unsigned char *head, size_t n, const NaaccrConvertOptions *options,
                     NaaccrConvertSummary *summary, char *error, size_t capacity)
{
    memset(summary, 0, sizeof *summary);
    ConvertCall call = {options, summary};
    return read_gzip_stream(file, head, n, run_conversion, &call, error, capacity);
}

} // namespace

int32_t convert_input(const char *path, const NaaccrConvertOptions *options, NaaccrConvertSummary *summary, char *error,
                      size_t capacity)
{
    error[0] = '\0';
    unsigned char head[2];
    if (strcmp(path, "-") == 0) {
        use_binary_stdin();
        const size_t n = fread(head, 1, sizeof head, stdin);
        if (is_gzip(head, n))
            return convert_gzip(stdin, head, n, options, summary, error, capacity);
        PlainStream stream = {stdin, head, n};
        return cvConvertNaaccrStream(read_plain, &stream, options, summary);
    }
    // Only a regular file is opened here, so that a FIFO never blocks the
    // look at its first bytes; the library refuses anything else anyway.
    if (path_kind(path, true) != PATH_REGULAR)
        return cvConvertNaaccrFile(path, options, summary);
    FILE *file = fopen(path, "rb");
    if (file == nullptr)
        return cvConvertNaaccrFile(path, options, summary);
    const size_t n = fread(head, 1, sizeof head, file);
    int32_t code;
    if (is_gzip(head, n)) {
        code = convert_gzip(file, head, n, options, summary, error, capacity);
    } else if (ends_with_gz(path) && n > 0) {
        memset(summary, 0, sizeof *summary);
        snprintf(error, capacity, "not in gzip format, though its name ends in .gz");
        code = NAACCR_REC_READ_FAILED;
    } else {
        fclose(file);
        return cvConvertNaaccrFile(path, options, summary);
    }
    fclose(file);
    return code;
}
