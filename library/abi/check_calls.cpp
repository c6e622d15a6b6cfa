// check_calls.cpp -- cvCheckNaaccrFile, cvCheckNaaccrStream and their Ex
// forms: each checks its arguments and runs check_naaccr_input.  The 1.2
// calls come with their options widened and take the 1.2 part of the larger
// summary.
#include "check/check.h"
#include "cvnaaccr.h"

namespace
{

// The Ex calls: `path` or `read` is the input, the other null.
int32_t check_wide(const char *path, NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions *given,
                   NaaccrItemCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    clear_check_summary(summary);
    NaaccrItemCheckOptions options;
    if ((path == nullptr && read == nullptr) || !take_check_options(given, &options))
        return NAACCR_REC_BAD_ARGUMENT;
    return check_naaccr_input(path, read, stream, options, summary, CHECK_CALLS_EX);
}

// The 1.2 calls: their options widened, their summary the 1.2 part of the larger one.
int32_t check_narrow(const char *path, NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *given,
                     NaaccrCheckSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    NaaccrItemCheckSummary wide;
    clear_check_summary(&wide);
    NaaccrItemCheckOptions options;
    int32_t status = NAACCR_REC_BAD_ARGUMENT;
    if ((path != nullptr || read != nullptr) && widen_check_options(given, &options))
        status = check_naaccr_input(path, read, stream, options, &wide, CHECK_CALLS_1_2);
    *summary = wide.records;
    return status;
}

} // namespace

int32_t CV_CALL cvCheckNaaccrFileEx(const char *path, const NaaccrItemCheckOptions *given,
                                    NaaccrItemCheckSummary *summary)
{
    return check_wide(path, nullptr, nullptr, given, summary);
}

int32_t CV_CALL cvCheckNaaccrStreamEx(NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions *given,
                                      NaaccrItemCheckSummary *summary)
{
    return check_wide(nullptr, read, stream, given, summary);
}

int32_t CV_CALL cvCheckNaaccrFile(const char *path, const NaaccrCheckOptions *given, NaaccrCheckSummary *summary)
{
    return check_narrow(path, nullptr, nullptr, given, summary);
}

int32_t CV_CALL cvCheckNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *given,
                                    NaaccrCheckSummary *summary)
{
    return check_narrow(nullptr, read, stream, given, summary);
}
