// check_input.cpp -- the record checker (and, for NAACCR XML, the XML check)
// run on one input as read_input reads it.
#include "commands/commands.h"

#include <string.h>

#include <new>

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
