// gzip_check.cpp -- the record checker (cvCheckNaaccrStreamEx) run on decompressed gzip data.
#include <string.h>

#include "gzip_stream.h"

namespace
{

struct CheckCall {
    const NaaccrItemCheckOptions *options;
    NaaccrItemCheckSummary *summary;
};

int32_t run_check(NaaccrReadCallback read, void *stream, void *context)
{
    CheckCall &call = *static_cast<CheckCall *>(context);
    return cvCheckNaaccrStreamEx(read, stream, call.options, call.summary);
}

} // namespace

int32_t check_gzip_stream(FILE *file, const unsigned char *head, size_t head_length,
                          const NaaccrItemCheckOptions *options, NaaccrItemCheckSummary *summary, char *error,
                          size_t capacity)
{
    memset(summary, 0, sizeof *summary);
    summary->records.record_type = ' ';
    CheckCall call = {options, summary};
    return read_gzip_stream(file, head, head_length, run_check, &call, error, capacity);
}
