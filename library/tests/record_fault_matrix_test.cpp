// record_fault_matrix_test.cpp -- one known fault in a file of 40 good records,
// for 4 layouts, 4 terminator forms, every fault and the first, a middle and
// the last record: exactly the expected (record, column, kind), nothing else.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_runs.h"
#include "flat/flat.h"

namespace
{

const size_t file_records = 40;

struct Layout {
    const char *label;
    const char *peer_file;
    char type;
    const char *version;
} const layouts[] = {
    {"NAACCR 16 I", "werth-naaccr__synthetic-naaccr-16-incidence.txt", 'I', "160"},
    {"NAACCR 16 A", "werth-naaccr__synthetic-naaccr-16-abstract.txt", 'A', "160"},
    {"NAACCR 18 I", "werth-naaccr__synthetic-naaccr-18-incidence.txt", 'I', "180"},
    {"NAACCR 18 A", "werth-naaccr__synthetic-naaccr-18-abstract.txt", 'A', "180"},
};

struct Form {
    const char *label;
    const char *bytes;
    const char *other; // a terminator of another form, two bytes
} const forms[] = {
    {"LF", "\n", "\n\r"},
    {"CR LF", "\r\n", "\n\r"},
    {"CR", "\r", "\r\n"},
    {"LF CR", "\n\r", "\r\n"},
};

// The record with its fault and its terminator; the problem it must give,
// its column counted on the record's good length `n` and the file's
// terminator bytes `nterm`.
struct Fault {
    const char *label;
    std::string (*apply)(std::string r, const Form &form);
    int32_t (*column)(size_t n, size_t nterm);
    int32_t code;       // at any record but the first
    int32_t first_code; // at the first record
};

int32_t at(size_t column) { return static_cast<int32_t>(column); }

const Fault faults[] = {
    {"type X", [](std::string r, const Form &f) { return r.replace(0, 1, "X") + f.bytes; },
     [](size_t, size_t) { return at(1); }, NAACCR_CHECK_RECORD_TYPE, NAACCR_CHECK_RECORD_TYPE},
    {"version 999", [](std::string r, const Form &f) { return r.replace(16, 3, "999") + f.bytes; },
     [](size_t, size_t) { return at(17); }, NAACCR_CHECK_VERSION, NAACCR_CHECK_VERSION},
    {"TAB", [](std::string r, const Form &f) { return r.replace(99, 1, "\t") + f.bytes; },
     [](size_t, size_t) { return at(100); }, NAACCR_CHECK_ILLEGAL_BYTE, NAACCR_CHECK_ILLEGAL_BYTE},
    {"byte 0xE9", [](std::string r, const Form &f) { return r.replace(899, 1, "\xE9") + f.bytes; },
     [](size_t, size_t) { return at(900); }, NAACCR_CHECK_ILLEGAL_BYTE, NAACCR_CHECK_ILLEGAL_BYTE},
    {"NUL", [](std::string r, const Form &f) { return r.replace(49, 1, std::string(1, '\0')) + f.bytes; },
     [](size_t, size_t) { return at(50); }, NAACCR_CHECK_ILLEGAL_BYTE, NAACCR_CHECK_ILLEGAL_BYTE},
    {"one byte short", [](std::string r, const Form &f) { return r.substr(0, r.size() - 1) + f.bytes; },
     [](size_t, size_t) { return at(0); }, NAACCR_CHECK_RECORD_LENGTH, NAACCR_CHECK_LAYOUT_LENGTH},
    {"one byte long", [](std::string r, const Form &f) { return r + "Z" + f.bytes; },
     [](size_t, size_t) { return at(0); }, NAACCR_CHECK_RECORD_LENGTH, NAACCR_CHECK_LAYOUT_LENGTH},
    {"a lone terminator byte of another form inside",
     [](std::string r, const Form &f) { return r.replace(199, 1, f.bytes[0] == '\r' ? "\n" : "\r") + f.bytes; },
     [](size_t, size_t) { return at(200); }, NAACCR_CHECK_SPLIT_RECORD, NAACCR_CHECK_SPLIT_RECORD},
    {"the file's own terminator inside",
     [](std::string r, const Form &f) { return r.replace(199, strlen(f.bytes), f.bytes) + f.bytes; },
     [](size_t, size_t) { return at(200); }, NAACCR_CHECK_SPLIT_RECORD, NAACCR_CHECK_SPLIT_RECORD},
    {"the file's own terminator as the last byte",
     [](std::string r, const Form &f) {
         return r.replace(r.size() - strlen(f.bytes), strlen(f.bytes), f.bytes) + f.bytes;
     },
     [](size_t n, size_t nterm) { return at(n - nterm + 1); }, NAACCR_CHECK_SPLIT_RECORD, NAACCR_CHECK_SPLIT_RECORD},
    {"a terminator of another form", [](std::string r, const Form &f) { return r + f.other; },
     [](size_t n, size_t) { return at(n + 1); }, NAACCR_CHECK_TERMINATOR_FORM, NAACCR_CHECK_TERMINATOR_FORM},
    {"an empty record", [](std::string, const Form &f) { return std::string(f.bytes); },
     [](size_t, size_t) { return at(0); }, NAACCR_CHECK_RECORD_LENGTH, NAACCR_CHECK_RECORD_LENGTH},
};

} // namespace

TEST(RecordFaultMatrix, FindsEachSingleFaultExactlyWhereItIs)
{
    for (const Layout &layout : layouts) {
        const std::vector<std::string> records =
            sample_records(layout.peer_file, layout.type, layout.version, file_records);
        for (const Form &form : forms) {
            for (const Fault &fault : faults) {
                for (size_t faulty : {size_t{1}, size_t{20}, size_t{40}}) {
                    SCOPED_TRACE(std::string(layout.label) + ", " + form.label + ", " + fault.label + " at record " +
                                 std::to_string(faulty));
                    std::string bytes;
                    for (size_t k = 1; k <= file_records; ++k)
                        bytes += k == faulty ? fault.apply(records[k - 1], form) : records[k - 1] + form.bytes;
                    const int32_t column = fault.column(records[faulty - 1].size(), strlen(form.bytes));
                    const Seen expected = {faulty, column, faulty == 1 ? fault.first_code : fault.code};
                    const Outcome streamed = check_stream_bytes(bytes);
                    EXPECT_EQ(streamed.code, NAACCR_REC_OK);
                    EXPECT_EQ(streamed.problems, std::vector<Seen>{expected})
                        << (streamed.messages.empty() ? "" : streamed.messages[0]);
                    EXPECT_EQ(streamed.summary.records.records, file_records);
                    if (faulty == 20) {
                        const Outcome read = check_file_bytes(bytes);
                        EXPECT_EQ(read.problems, streamed.problems);
                        EXPECT_EQ(read.messages, streamed.messages);
                        EXPECT_EQ(memcmp(&read.summary, &streamed.summary, sizeof read.summary), 0);
                    }
                }
            }
        }
    }
}
