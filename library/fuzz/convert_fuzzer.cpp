// convert_fuzzer.cpp -- libFuzzer target for conversion: the input, raw, or
// written over a NAACCR 18 incidence record (flat) or after the head of a
// NAACCR 18 XML file, is converted to each target, and the conversion's
// invariants are verified: a refusal is a refusal, what was written is what
// the summary says, and flat records written are whole records.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "cvnaaccr.h"
#include "fuzz_helpers.h"

namespace
{

const size_t incidence_180 = 4048;

struct Output {
    std::string bytes;
    uint64_t problems;
};

int32_t CV_CALL keep_bytes(void *output, const void *bytes, uint32_t size)
{
    static_cast<Output *>(output)->bytes.append(static_cast<const char *>(bytes), size);
    return 0;
}

int32_t CV_CALL count_problem(void *context, const NaaccrItemProblem *problem)
{
    check(problem->message != nullptr && problem->item_id != nullptr, "a problem has its texts");
    ++static_cast<Output *>(context)->problems;
    return 0;
}

void convert(const std::string &input, int32_t target, uint32_t flags)
{
    Output out = {std::string(), 0};
    NaaccrConvertOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.target = target;
    options.write = keep_bytes;
    options.output = &out;
    options.on_problem = count_problem;
    options.context = &out;
    Stream stream = {reinterpret_cast<const unsigned char *>(input.data()), input.size(), 0, 4093};
    NaaccrConvertSummary summary;
    const int32_t code = cvConvertNaaccrStream(read_piece, &stream, &options, &summary);
    check(summary.refused == (code == NAACCR_REC_REFUSED || code == NAACCR_REC_STOPPED ? 1 : 0),
          "refused says what the code says");
    check(code != NAACCR_REC_STOPPED, "nothing but a callback stops a conversion, and these never do");
    check(target == NAACCR_FORMAT_CSV || summary.items_without_column == 0, "only CSV has columns");
    check(summary.problems == out.problems, "every problem is handed on");
    if (code != NAACCR_REC_OK)
        return;
    check(summary.written > 0, "a conversion that succeeds writes a tumour");
    check(summary.written <= summary.input.tumors, "no more written than read");
    if (target == NAACCR_FORMAT_FLAT && summary.input.version == 180 && summary.input.records.record_type == 'I')
        check(out.bytes.size() == summary.written * (incidence_180 + ((flags & NAACCR_CONVERT_LF) ? 1 : 2)),
              "flat records written whole");
    if (target == NAACCR_FORMAT_XML)
        check(out.bytes.size() >= 14 && out.bytes.compare(out.bytes.size() - 14, 14, "</NaaccrData>\n") == 0,
              "XML written to its end");
}

std::string shaped(const uint8_t *data, size_t size)
{
    const std::string raw(reinterpret_cast<const char *>(data), size);
    if (size == 0)
        return raw;
    switch (data[0] % 3) {
    case 0: { // a NAACCR 18 incidence record with the input written over it
        std::string record(incidence_180, ' ');
        record[0] = 'I';
        record.replace(16, 3, "180");
        record.replace(19, size - 1 < incidence_180 - 19 ? size - 1 : incidence_180 - 19, raw.substr(1));
        return record + "\n" + record + "\n";
    }
    case 1: // after the head of a NAACCR 18 XML file
        return "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml\" "
               "recordType=\"I\" specificationVersion=\"1.5\" xmlns=\"http://naaccr.org/naaccrxml\">" +
               raw.substr(1);
    default:
        return raw.substr(1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input = shaped(data, size);
    // The second byte chooses the options: lossy or LF, the first record's
    // file-level items, bad records left out, an encoding of bytes above 126.
    const unsigned choice = size > 1 ? data[1] : 0;
    const uint32_t encodings[] = {0, NAACCR_CONVERT_LATIN1, NAACCR_CONVERT_WINDOWS_1252, 0};
    const uint32_t flags = ((choice & 1) != 0 ? NAACCR_CONVERT_LOSSY : NAACCR_CONVERT_LF) |
                           ((choice & 2) != 0 ? NAACCR_CONVERT_ROOT_FIRST : 0) |
                           ((choice & 4) != 0 ? NAACCR_CONVERT_SKIP_BAD_RECORDS : 0) | encodings[(choice >> 3) & 3];
    for (const int32_t target : {NAACCR_FORMAT_XML, NAACCR_FORMAT_FLAT, NAACCR_FORMAT_CSV})
        convert(input, target, flags);
    return 0;
}
