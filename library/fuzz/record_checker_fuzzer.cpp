// record_checker_fuzzer.cpp -- libFuzzer target for checking every record:
// the input (raw, or records of a known layout with the input written over
// them) is checked as a stream read in pieces of two different sizes, and the
// checker's invariants are verified: the same problems either way, problems in
// file order inside the data, counts that add up, and records handed over that
// put the input back together byte for byte.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "cvnaaccr.h"
#include "base/base.h"
#include "flat/flat.h"
#include "fuzz_helpers.h"
#include "xml/xml.h"

namespace
{

struct Outcome {
    int32_t code;
    NaaccrCheckSummary summary;
    std::vector<NaaccrProblem> problems;
    std::string joined; // the bytes of every record handed over, in order
};

int32_t CV_CALL keep_problem(void *context, const NaaccrProblem *p)
{
    static_cast<Outcome *>(context)->problems.push_back(*p);
    return 0;
}

int32_t CV_CALL keep_record(void *context, const NaaccrRecordView *v)
{
    Outcome *o = static_cast<Outcome *>(context);
    check(v->bytes != nullptr, "records of a small input are handed over whole");
    check(v->terminator_length <= 2, "at most two terminator bytes");
    o->joined.append(v->bytes, v->length + v->terminator_length);
    return 0;
}

Outcome run(const unsigned char *data, size_t size, size_t piece, uint32_t flags)
{
    Outcome o;
    NaaccrCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.on_problem = keep_problem;
    options.on_record = keep_record;
    options.context = &o;
    Stream stream = {data, size, 0, piece};
    o.code = cvCheckNaaccrStream(read_piece, &stream, &options, &o.summary);
    return o;
}

void check_input(const unsigned char *data, size_t size, size_t piece, uint32_t flags)
{
    const Outcome a = run(data, size, 1 + piece % 97, flags);
    const Outcome b = run(data, size, 4096 + piece, flags);
    if (size == 0) {
        check(a.code == NAACCR_REC_EMPTY_FILE, "an empty stream");
        return;
    }
    check(a.code == NAACCR_REC_OK && b.code == NAACCR_REC_OK, "a stream is always read");
    check(memcmp(&a.summary, &b.summary, sizeof a.summary) == 0, "the same summary whatever the pieces");
    check(a.problems.size() == b.problems.size(), "the same problems whatever the pieces");
    for (size_t k = 0; k < a.problems.size(); ++k)
        check(memcmp(&a.problems[k], &b.problems[k], sizeof a.problems[k]) == 0, "the same problem");

    const NaaccrCheckSummary &s = a.summary;
    // NAACCR XML is only named by these calls: one problem, no record.
    if (looks_like_xml(data, size)) {
        check(a.problems.size() == 1 && strcmp(a.problems[0].message, "NAACCR XML file") == 0 && s.records == 0 &&
                  a.joined.empty(),
              "NAACCR XML is one problem");
        return;
    }
    // A file that cannot be cut into records is read no further than its head
    // and hands no record over, only a byte-order mark before them.
    const std::string input(reinterpret_cast<const char *>(data), size);
    const bool uncut = s.records == 1 && s.counts[NAACCR_CHECK_RECORD_LENGTH] == 1 && a.joined.size() <= 3 &&
                       input.compare(0, a.joined.size(), a.joined) == 0;
    // Nor does a file none of whose first records has a valid type and
    // version: one problem says it is no NAACCR flat file.
    const bool foreign = s.records == 0 && s.counts[NAACCR_CHECK_RECORD_TYPE] == 1 && !a.problems.empty() &&
                         strncmp(a.problems.back().message, "Not a NAACCR flat file", 22) == 0 &&
                         a.joined.size() <= 3 && input.compare(0, a.joined.size(), a.joined) == 0;
    check(s.bytes == size || ((uncut || foreign) && s.bytes < size), "every byte is read");
    check(s.problems == a.problems.size() && s.reported == s.problems, "every problem is reported");
    uint64_t sum = 0;
    for (uint64_t count : s.counts)
        sum += count;
    check(sum == s.problems && s.counts[0] == 0, "counts by kind add up");
    check(s.records <= size, "no more records than bytes");
    uint64_t record = 0;
    int64_t offset = 0;
    for (const NaaccrProblem &p : a.problems) {
        check(p.code > 0 && p.code < NAACCR_CHECK_KINDS, "a known kind");
        check(p.record >= record && p.offset >= offset, "problems in file order");
        check(p.offset >= 0 && static_cast<uint64_t>(p.offset) < size, "problems inside the data");
        check(p.column >= 0 && memchr(p.message, '\0', sizeof p.message) != nullptr, "column and message");
        for (const char *c = p.message; *c != '\0'; ++c)
            check(*c >= 32 && *c <= 126, "a printable message");
        record = p.record;
        offset = p.offset;
    }
    check(uncut || foreign || a.joined == input, "the records are the input");
}

// Records of one of the table's layouts, of its length or a length the input
// chooses, ended in a chosen form, with the rest of the input over them.
std::string records_from(const unsigned char *data, size_t size)
{
    const NaaccrLayout &layout = naaccr_layouts[data[0] % naaccr_layout_count];
    static const char *const forms[] = {"\r\n", "\n", "\r", "\n\r", ""};
    const char *form = forms[data[1] % 5];
    const size_t length = (data[2] & 1) != 0 ? static_cast<size_t>(layout.length) : 900 + data[3] * 7u;
    std::string one(length, ' ');
    one[0] = layout.record_type;
    const size_t code_length = strcspn(layout.codes, " ");
    one.replace(static_cast<size_t>(layout.version_column - 1), code_length, layout.codes, code_length);
    std::string file;
    for (int k = 0; k < 1 + data[4] % 4; ++k)
        file += one + form;
    // Each further pair of input bytes puts one byte somewhere in the file.
    for (size_t i = 5; i + 2 < size && !file.empty(); i += 3)
        file[(data[i] | data[i + 1] << 8) * 7u % file.size()] = static_cast<char>(data[i + 2]);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 6) {
        check_input(data, size, 1, 0);
        return 0;
    }
    const uint32_t flags = (data[5] & 1) != 0 ? NAACCR_CHECK_CHECKSUMS : 0;
    check_input(data, size, data[4], flags);
    const std::string file = records_from(data, size);
    check_input(reinterpret_cast<const unsigned char *>(file.data()), file.size(), data[3], flags);
    return 0;
}
