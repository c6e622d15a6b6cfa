// gzip_check.cpp -- the record checker (cvCheckNaaccrStreamEx) run on decompressed gzip data.
#include <string.h>

#include <new>

#include "gzip_stream.h"

namespace
{

struct CheckCall {
    NaaccrItemCheckOptions *options;
    NaaccrItemCheckSummary *summary;
    const InputHook *hook;
};

// The first decompressed bytes are read ahead, so that the hook knows what
// the data is before the check starts.
int32_t run_check(NaaccrReadCallback read, void *stream, void *context)
{
    CheckCall &call = *static_cast<CheckCall *>(context);
    HeadFirstStream *ahead = new (std::nothrow) HeadFirstStream;
    if (ahead == nullptr)
        return NAACCR_REC_NO_MEMORY;
    read_input_head(ahead, read, stream);
    tell_head(call.hook, ahead->head, ahead->length, call.options);
    const int32_t code = cvCheckNaaccrStreamEx(read_head_first, ahead, call.options, call.summary);
    delete ahead;
    return code;
}

} // namespace

int32_t check_gzip_stream(FILE *file, const unsigned char *head, size_t head_length, NaaccrItemCheckOptions *options,
                          NaaccrItemCheckSummary *summary, char *error, size_t capacity, const InputHook *hook)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
    CheckCall call = {options, summary, hook};
    return read_gzip_stream(file, head, head_length, run_check, &call, error, capacity);
}
