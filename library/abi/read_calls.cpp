// read_calls.cpp -- cvReadNaaccrFile and cvReadNaaccrStream: each checks its
// arguments and runs read_naaccr_tumors.
#include "check/check.h"
#include "cvnaaccr.h"
#include "tumors/tumors.h"

namespace
{

bool valid_options(const NaaccrReadOptions *options)
{
    return options == nullptr || (options->size == sizeof(NaaccrReadOptions) && valid_read_flags(options->flags));
}

int32_t read_call(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                  NaaccrItemCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    if ((path == nullptr && read == nullptr) || !valid_options(options)) {
        clear_check_summary(summary);
        return NAACCR_REC_BAD_ARGUMENT;
    }
    return read_naaccr_tumors(path, read, stream, options, summary, nullptr);
}

} // namespace

int32_t CV_CALL cvReadNaaccrFile(const char *path, const NaaccrReadOptions *options, NaaccrItemCheckSummary *summary)
{
    return read_call(path, nullptr, nullptr, options, summary);
}

int32_t CV_CALL cvReadNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                                   NaaccrItemCheckSummary *summary)
{
    return read_call(nullptr, read, stream, options, summary);
}
