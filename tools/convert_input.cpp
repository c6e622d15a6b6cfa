// convert_input.cpp -- which reader feeds the conversion for an input.
#include "convert_input.h"

#include <stdio.h>
#include <string.h>

#include "console.h"
#include "check_input.h"
#include "file_magic.h"
#include "gzip_stream.h"
#include "output_file.h"

namespace
{

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
        if (file_magic(head, n) == MAGIC_GZIP)
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
    if (file_magic(head, n) == MAGIC_GZIP) {
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
