// xml_checker_fuzzer.cpp -- libFuzzer target for the NAACCR XML check: the
// input is checked as a stream twice, with a different head and different
// pieces each time, and the check's invariants are verified: the same
// problems and summary either way, counts that add up, problems placed inside
// the input with printable messages.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "fuzz_helpers.h"
#include "xml/xml.h"

namespace
{

struct Seen {
    int32_t code;
    uint64_t line, patient, tumor;
    int32_t column;
    int64_t offset;
    std::string message, id, value;
};

struct Outcome {
    int32_t status;
    NaaccrItemCheckSummary summary;
    std::vector<Seen> problems;
};

int32_t CV_CALL keep(void *context, const NaaccrItemProblem *p)
{
    check(p->message != nullptr && p->item_id != nullptr && p->item_name != nullptr, "texts are never null");
    check(p->value != nullptr || p->value_length == 0, "a value where it has a length");
    Seen seen = {p->code,    p->line,    p->patient,
                 p->tumor,   p->column,  p->offset,
                 p->message, p->item_id, std::string(p->value != nullptr ? p->value : "", p->value_length)};
    static_cast<Outcome *>(context)->problems.push_back(seen);
    return 0;
}

Outcome run(const unsigned char *data, size_t size, size_t head, size_t piece)
{
    Outcome o;
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS | NAACCR_CHECK_CODES;
    options.on_item_problem = keep;
    options.context = &o;
    head = head < size ? head : size;
    Stream stream = {data, size, head, piece};
    o.status = check_naaccr_xml(read_piece, &stream, static_cast<int64_t>(size), data, head, options, &o.summary);
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const size_t choice = size > 0 ? data[size - 1] : 0;
    const Outcome a = run(data, size, size, 4096);
    const Outcome b = run(data, size, choice % 61, 1 + choice % 13);
    check(a.status == NAACCR_REC_OK && b.status == NAACCR_REC_OK, "a stream in memory is always read");
    // Bytes read before a fault that ends the check depend on the pieces.
    NaaccrItemCheckSummary sa = a.summary, sb = b.summary;
    sa.records.bytes = sb.records.bytes = 0;
    check(memcmp(&sa, &sb, sizeof sa) == 0, "the same summary whatever the pieces");
    check(a.problems.size() == b.problems.size(), "the same problems whatever the pieces");
    for (size_t k = 0; k < a.problems.size(); ++k) {
        const Seen &x = a.problems[k], &y = b.problems[k];
        // Which error expat names, and where, after the root has ended
        // depends on how the bytes arrived; that it is one does not.
        if (x.code == NAACCR_CHECK_XML_MALFORMED && y.code == x.code)
            continue;
        check(x.code == y.code && x.offset == y.offset && x.line == y.line && x.column == y.column &&
                  x.message == y.message && x.id == y.id && x.value == y.value && x.patient == y.patient &&
                  x.tumor == y.tumor,
              "the same problem whatever the pieces");
    }
    const NaaccrItemCheckSummary &s = a.summary;
    check(s.records.bytes <= size, "no more bytes than given");
    check(s.records.problems == a.problems.size() && s.records.reported == s.records.problems,
          "every problem is reported");
    uint64_t sum = 0;
    for (uint64_t count : s.counts)
        sum += count;
    check(sum == s.records.problems, "counts by kind add up");
    check(s.format == NAACCR_FORMAT_XML && s.tumors == s.records.records, "an XML summary");
    for (const Seen &p : a.problems) {
        check(p.code >= NAACCR_CHECK_ITEM_DATA_TYPE && p.code < NAACCR_CHECK_ALL_KINDS, "an item or XML kind");
        check(p.offset >= 0 && static_cast<uint64_t>(p.offset) <= size, "problems inside the input");
        check(p.line >= 1 && p.patient <= s.patients && p.tumor <= s.tumors, "a place in the file");
        for (char c : p.message)
            check(c >= 32 && c <= 126, "a printable message");
    }
    return 0;
}
