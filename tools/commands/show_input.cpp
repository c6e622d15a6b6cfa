// show_input.cpp -- the input of `cvnaaccr show` told XML or flat by its first
// bytes and read once, so that standard input and compressed data are shown
// as a plain file is.
#include "commands/commands.h"

#include <string.h>

#include <new>

namespace
{

struct ShowCall {
    ShowInput *input;
    NaaccrItemCheckSummary summary;
};

int32_t show_file(const char *path, const unsigned char *head, size_t n, void *context)
{
    ShowCall &call = *static_cast<ShowCall *>(context);
    // A name not opened here is left to the record check, which says why.
    call.input->xml = head != nullptr && input_is_xml(head, n);
    if (call.input->xml)
        return cvReadNaaccrFile(path, call.input->tumours, &call.summary);
    return cvCheckNaaccrFileEx(path, call.input->records, &call.summary);
}

int32_t show_stream(NaaccrReadCallback read, void *stream, void *context)
{
    ShowCall &call = *static_cast<ShowCall *>(context);
    HeadFirstStream *ahead = new (std::nothrow) HeadFirstStream;
    if (ahead == nullptr)
        return NAACCR_REC_NO_MEMORY;
    read_input_head(ahead, read, stream);
    call.input->xml = input_is_xml(ahead->head, ahead->length);
    int32_t code;
    if (call.input->xml) {
        code = cvReadNaaccrStream(read_head_first, ahead, call.input->tumours, &call.summary);
    } else {
        code = cvCheckNaaccrStreamEx(read_head_first, ahead, call.input->records, &call.summary);
    }
    delete ahead;
    return code;
}

} // namespace

int32_t read_show_input(const char *path, ShowInput *input, NaaccrCheckSummary *records, char *error, size_t capacity)
{
    ShowCall call;
    memset(&call.summary, 0, sizeof call.summary);
    call.summary.records.record_type = ' ';
    call.input = input;
    input->xml = false;
    const InputReader reader = {show_file, show_stream, &call};
    const int32_t code = read_input(path, &reader, error, capacity);
    *records = call.summary.records;
    return code;
}
