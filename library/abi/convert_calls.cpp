// convert_calls.cpp -- cvConvertNaaccrFile and cvConvertNaaccrStream: each
// checks its arguments and runs convert_naaccr.
#include <string.h>

#include "convert/convert.h"
#include "cvnaaccr.h"

namespace
{

bool valid_options(const NaaccrConvertOptions *options)
{
    if (options == nullptr || options->size != sizeof(NaaccrConvertOptions) || options->write == nullptr)
        return false;
    if (!valid_convert_flags(options->flags))
        return false;
    if (options->target != NAACCR_FORMAT_XML && options->target != NAACCR_FORMAT_FLAT &&
        options->target != NAACCR_FORMAT_CSV)
        return false;
    return options->items == nullptr || options->target == NAACCR_FORMAT_CSV;
}

int32_t convert_call(const char *path, NaaccrReadCallback read, void *stream, const NaaccrConvertOptions *options,
                     NaaccrConvertSummary *summary)
{
    if (summary == nullptr)
        return NAACCR_REC_BAD_ARGUMENT;
    if (!valid_options(options) || (path == nullptr && read == nullptr)) {
        memset(summary, 0, sizeof *summary);
        summary->input.records.record_type = ' ';
        return NAACCR_REC_BAD_ARGUMENT;
    }
    return convert_naaccr(path, read, stream, options, summary);
}

// A call without its input clears the summary, but for no blank record type.
int32_t refuse(NaaccrConvertSummary *summary)
{
    if (summary != nullptr)
        memset(summary, 0, sizeof *summary);
    return NAACCR_REC_BAD_ARGUMENT;
}

} // namespace

int32_t CV_CALL cvConvertNaaccrFile(const char *path, const NaaccrConvertOptions *options,
                                    NaaccrConvertSummary *summary)
{
    return path == nullptr ? refuse(summary) : convert_call(path, nullptr, nullptr, options, summary);
}

int32_t CV_CALL cvConvertNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrConvertOptions *options,
                                      NaaccrConvertSummary *summary)
{
    return read == nullptr ? refuse(summary) : convert_call(nullptr, read, stream, options, summary);
}
