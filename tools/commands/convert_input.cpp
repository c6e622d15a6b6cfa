// convert_input.cpp -- the conversion fed from an input as read_input reads it.
#include "commands/commands.h"

#include <string.h>

namespace
{

struct ConvertCall {
    const NaaccrConvertOptions *options;
    NaaccrConvertSummary *summary;
};

int32_t convert_file(const char *path, const unsigned char *, size_t, void *context)
{
    ConvertCall &call = *static_cast<ConvertCall *>(context);
    return cvConvertNaaccrFile(path, call.options, call.summary);
}

int32_t convert_stream(NaaccrReadCallback read, void *stream, void *context)
{
    ConvertCall &call = *static_cast<ConvertCall *>(context);
    return cvConvertNaaccrStream(read, stream, call.options, call.summary);
}

} // namespace

int32_t convert_input(const char *path, const NaaccrConvertOptions *options, NaaccrConvertSummary *summary, char *error,
                      size_t capacity)
{
    // Filled here for the failures that come before the conversion starts.
    memset(summary, 0, sizeof *summary);
    ConvertCall call = {options, summary};
    const InputReader reader = {convert_file, convert_stream, &call};
    return read_input(path, &reader, error, capacity);
}
