// input_head.cpp -- an input's first bytes read ahead, and whether the library
// reads them as NAACCR XML.
#include "io/io.h"

#include <string.h>

int64_t CV_CALL read_bytes(void *stream, void *buffer, uint32_t size)
{
    BytesStream &s = *static_cast<BytesStream *>(stream);
    const size_t take = s.n < size ? s.n : size;
    memcpy(buffer, s.bytes, take);
    s.bytes += take;
    s.n -= take;
    return static_cast<int64_t>(take);
}

void read_input_head(HeadFirstStream *s, NaaccrReadCallback read, void *stream)
{
    s->read = read;
    s->stream = stream;
    s->length = s->given = 0;
    while (s->length < input_head_size) {
        const int64_t n = read(stream, s->head + s->length, static_cast<uint32_t>(input_head_size - s->length));
        if (n <= 0)
            break;
        s->length += static_cast<size_t>(n);
    }
}

int64_t CV_CALL read_head_first(void *stream, void *buffer, uint32_t size)
{
    HeadFirstStream &s = *static_cast<HeadFirstStream *>(stream);
    if (s.given < s.length) {
        const size_t n = s.length - s.given < size ? s.length - s.given : size;
        memcpy(buffer, s.head + s.given, n);
        s.given += n;
        return static_cast<int64_t>(n);
    }
    return s.read(s.stream, buffer, size);
}

bool input_is_xml(const unsigned char *head, size_t n)
{
    NaaccrItemCheckOptions options = make_check_options(0, 1, nullptr);
    NaaccrItemCheckSummary summary;
    BytesStream stream = {head, n};
    cvCheckNaaccrStreamEx(read_bytes, &stream, &options, &summary);
    return summary.format == NAACCR_FORMAT_XML;
}

void tell_head(const InputHook *hook, const unsigned char *head, size_t n, NaaccrItemCheckOptions *options)
{
    if (hook != nullptr && hook->on_head != nullptr)
        hook->on_head(hook->context, input_is_xml(head, n), options);
}
