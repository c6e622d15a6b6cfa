// input.cpp -- how an input named on the command line is read, and the
// library's options that every check and read of it starts from.
#include "io/io.h"

#include <stdio.h>
#include <string.h>

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

NaaccrItemCheckOptions make_check_options(uint32_t flags, uint32_t threads, void *context)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.threads = threads;
    options.context = context;
    return options;
}

NaaccrReadOptions make_read_options(NaaccrTumorCallback on_tumor, void *context)
{
    NaaccrReadOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.on_tumor = on_tumor;
    options.context = context;
    return options;
}
