// xml_paths_fuzzer.cpp -- differential libFuzzer target: the fast path and
// the check in pieces (read by the fast path, and by expat) against one
// expat pass over the same input.  Every problem must be the same (kind,
// line, column, offset, patient, tumour, record, item, value, message, ids),
// in the same order, and the summary and the code report too; the input's
// last bytes choose the blocks, the size of the pieces, whether workers run
// them, where the caller stops, and whether codes and ids are asked for.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "fuzz_helpers.h"
#include "xml/xml.h"

namespace
{

struct Seen {
    int32_t code, column, item_number, item_length;
    uint64_t line, patient, tumor, record;
    int64_t offset;
    std::string message, id, name, value;
    std::string ids[3]; // patient, tumour record and accession numbers; "-" for none
    bool operator==(const Seen &o) const
    {
        return code == o.code && column == o.column && item_number == o.item_number && item_length == o.item_length &&
               line == o.line && patient == o.patient && tumor == o.tumor && record == o.record && offset == o.offset &&
               message == o.message && id == o.id && name == o.name && value == o.value && ids[0] == o.ids[0] &&
               ids[1] == o.ids[1] && ids[2] == o.ids[2];
    }
};

struct Outcome {
    int32_t status;
    NaaccrItemCheckSummary summary;
    std::vector<Seen> problems;
    size_t stop_after;
    uint32_t flags;
    NaaccrCodeReport codes;
};

int32_t CV_CALL keep(void *context, const NaaccrItemProblem *p)
{
    Outcome *o = static_cast<Outcome *>(context);
    o->problems.push_back({p->code,
                           p->column,
                           p->item_number,
                           p->item_length,
                           p->line,
                           p->patient,
                           p->tumor,
                           p->record,
                           p->offset,
                           p->message,
                           p->item_id,
                           p->item_name,
                           std::string(p->value != nullptr ? p->value : "", p->value_length),
                           {p->patient_id != nullptr ? p->patient_id : "-",
                            p->tumor_record_number != nullptr ? p->tumor_record_number : "-",
                            p->accession_number != nullptr ? p->accession_number : "-"}});
    return o->stop_after != 0 && o->problems.size() >= o->stop_after ? 1 : 0;
}

NaaccrItemCheckOptions options_for(Outcome *o, uint32_t max_reported)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = o->flags;
    o->codes.size = sizeof o->codes;
    options.code_report = &o->codes;
    options.max_reported = max_reported;
    options.on_item_problem = keep;
    options.context = o;
    return options;
}

struct Memory {
    const uint8_t *data;
    size_t size;
};

bool read_memory(const void *context, int64_t offset, void *buffer, size_t n, size_t *got)
{
    const Memory &m = *static_cast<const Memory *>(context);
    const size_t from = static_cast<size_t>(offset) < m.size ? static_cast<size_t>(offset) : m.size;
    *got = n < m.size - from ? n : m.size - from;
    if (*got > 0)
        memcpy(buffer, m.data + from, *got);
    return true;
}

Outcome one_pass(const uint8_t *data, size_t size, XmlPath path, size_t head, size_t piece, size_t stop_after,
                 uint32_t max_reported, uint32_t flags)
{
    Outcome o = {};
    o.stop_after = stop_after;
    o.flags = flags;
    const NaaccrItemCheckOptions options = options_for(&o, max_reported);
    head = head < size ? head : size;
    Stream stream = {data, size, head, piece};
    o.status = check_naaccr_xml_by(read_piece, &stream, static_cast<int64_t>(size), data, head, options, &o.summary,
                                   nullptr, path);
    return o;
}

Outcome in_pieces(const uint8_t *data, size_t size, XmlPath path, int64_t piece_size, unsigned threads,
                  size_t stop_after, uint32_t max_reported, uint32_t flags)
{
    Outcome o = {};
    o.stop_after = stop_after;
    o.flags = flags;
    const NaaccrItemCheckOptions options = options_for(&o, max_reported);
    const Memory memory = {data, size};
    const XmlFile file = {read_memory, &memory, static_cast<int64_t>(size)};
    const XmlPieces pieces = {threads, piece_size, path};
    o.status = check_naaccr_xml_file(file, data, size < 100 ? size : 100, options, &o.summary, pieces);
    return o;
}

void expect_same(const Outcome &expected, const Outcome &got, size_t size)
{
    check(got.status == expected.status, "the same status");
    check(got.problems.size() == expected.problems.size(), "the same number of problems");
    for (size_t k = 0; k < expected.problems.size(); ++k)
        check(got.problems[k] == expected.problems[k], "the same problem");
    NaaccrItemCheckSummary x = expected.summary, y = got.summary;
    // How much was read before the check ended early depends on the blocks read.
    if (x.records.bytes < size || y.records.bytes < size)
        x.records.bytes = y.records.bytes = 0;
    check(memcmp(&x, &y, sizeof x) == 0, "the same summary");
    // The tumours judged are counted in the summary's order of reading too.
    check(memcmp(&expected.codes, &got.codes, sizeof got.codes) == 0, "the same code report");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const size_t a = size > 0 ? data[size - 1] : 0, b = size > 1 ? data[size - 2] : 0;
    // Mostly every problem; now and then a limit, or a caller that stops.
    const size_t stop_after = a % 7 == 0 ? 1 + b % 5 : 0;
    const uint32_t max_reported = a % 11 == 0 ? static_cast<uint32_t>(1 + b % 3) : 0;
    // Codes and the tumour rules, or the items alone; problems named by their ids, or not.
    const uint32_t flags = (b % 3 != 0 ? NAACCR_CHECK_ITEMS | NAACCR_CHECK_CODES : NAACCR_CHECK_ITEMS) |
                           ((b / 3) % 2 == 0 ? NAACCR_CHECK_IDS : 0);
    const Outcome expected = one_pass(data, size, XML_PATH_EXPAT, size, size + 1, stop_after, max_reported, flags);
    expect_same(expected, one_pass(data, size, XML_PATH_FAST, a % 97, 1 + b % 61, stop_after, max_reported, flags),
                size);
    const int64_t piece_size = 32 + static_cast<int64_t>((a * 7 + b) % 480);
    const unsigned threads = a % 13 == 0 ? 2 : 0;
    expect_same(expected, in_pieces(data, size, XML_PATH_FAST, piece_size, threads, stop_after, max_reported, flags),
                size);
    expect_same(expected, in_pieces(data, size, XML_PATH_EXPAT, piece_size, 0, stop_after, max_reported, flags), size);
    return 0;
}
