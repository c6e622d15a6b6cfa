// record_checker_test.cpp -- checking every record: each kind of problem at the
// first, a middle and the last record in each terminator form; checksum
// fields; files cut into pieces for several threads; streams; callbacks.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cvnaaccr.h"
#include "flat/flat.h"
#include "test_files.h"

namespace
{

struct Seen {
    uint64_t record;
    int32_t column;
    int32_t code;
    bool operator==(const Seen &o) const { return record == o.record && column == o.column && code == o.code; }
};

std::ostream &operator<<(std::ostream &out, const Seen &s)
{
    return out << "{record " << s.record << ", column " << s.column << ", kind " << s.code << "}";
}

struct Checked {
    int32_t code;
    NaaccrCheckSummary summary;
    std::vector<Seen> problems;
    std::vector<std::string> messages;
    std::string viewed; // the bytes handed to the record callback, in order
};

int32_t CV_CALL collect(void *context, const NaaccrProblem *p)
{
    Checked *c = static_cast<Checked *>(context);
    c->problems.push_back({p->record, p->column, p->code});
    c->messages.push_back(p->message);
    EXPECT_NE(memchr(p->message, '\0', sizeof p->message), nullptr);
    return 0;
}

int32_t CV_CALL view(void *context, const NaaccrRecordView *v)
{
    Checked *c = static_cast<Checked *>(context);
    if (v->bytes != nullptr)
        c->viewed.append(v->bytes, v->length + v->terminator_length);
    return 0;
}

NaaccrCheckOptions options_for(Checked *c, uint32_t flags = 0, uint32_t threads = 1)
{
    NaaccrCheckOptions o;
    memset(&o, 0, sizeof o);
    o.size = sizeof o;
    o.flags = flags;
    o.threads = threads;
    o.on_problem = collect;
    o.context = c;
    return o;
}

Checked check_path(const std::string &path, uint32_t flags = 0, uint32_t threads = 1)
{
    Checked c;
    const NaaccrCheckOptions o = options_for(&c, flags, threads);
    c.code = cvCheckNaaccrFile(path.c_str(), &o, &c.summary);
    return c;
}

Checked check_bytes(const std::string &bytes, uint32_t flags = 0, uint32_t threads = 1)
{
    return check_path(write_test_file("records.dat", bytes), flags, threads);
}

// A stream that hands out its bytes in pieces of irregular size.
struct Stream {
    const std::string *bytes;
    size_t at;
    unsigned turn;
};

int64_t CV_CALL read_stream(void *stream, void *buffer, uint32_t size)
{
    Stream *s = static_cast<Stream *>(stream);
    static const size_t pieces[] = {1, 4093, 70000, 17, 1 << 20, 333};
    size_t n = pieces[s->turn++ % 6];
    n = n < size ? n : size;
    n = n < s->bytes->size() - s->at ? n : s->bytes->size() - s->at;
    memcpy(buffer, s->bytes->data() + s->at, n);
    s->at += n;
    return static_cast<int64_t>(n);
}

Checked check_stream(const std::string &bytes, uint32_t flags = 0)
{
    Checked c;
    NaaccrCheckOptions o = options_for(&c, flags);
    o.on_record = view;
    Stream s = {&bytes, 0, 0};
    c.code = cvCheckNaaccrStream(read_stream, &s, &o, &c.summary);
    return c;
}

// A record of its layout's length: `type` in column 1, `version` where the
// layout says, printable filler that differs from record to record.
std::string record(unsigned seed, char type = 'I', const char *version = "180")
{
    const NaaccrLayout *layout = find_naaccr_layout(type, version);
    std::string r(static_cast<size_t>(layout->length), ' ');
    unsigned state = seed * 2654435761u + 7;
    for (size_t i = 1; i < r.size(); ++i) {
        state = state * 1103515245u + 12345u;
        r[i] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789  "[(state >> 16) % 36];
    }
    r[0] = type;
    r.replace(static_cast<size_t>(layout->version_column - 1), strlen(version), version);
    return r;
}

std::string join(const std::vector<std::string> &records, const std::string &terminator)
{
    std::string all;
    for (const std::string &r : records)
        all += r + terminator;
    return all;
}

const char *const forms[] = {"\r\n", "\n", "\r", "\n\r", ""};
const char *const form_names[] = {"CR LF", "LF", "CR", "LF CR", "none"};

} // namespace

TEST(RecordChecker, FindsNothingInAGoodFileAndDescribesItsFirstRecord)
{
    for (int f = 0; f < 5; ++f) {
        SCOPED_TRACE(form_names[f]);
        std::vector<std::string> records;
        for (unsigned k = 0; k < 9; ++k)
            records.push_back(record(k));
        const std::string bytes = join(records, forms[f]);
        const Checked c = check_bytes(bytes);
        EXPECT_EQ(c.code, NAACCR_REC_OK);
        EXPECT_TRUE(c.problems.empty());
        EXPECT_EQ(c.summary.records, 9u);
        EXPECT_EQ(c.summary.bytes, bytes.size());
        EXPECT_EQ(c.summary.record_type, 'I');
        EXPECT_STREQ(c.summary.version, "180");
        EXPECT_EQ(c.summary.record_length, 4048 + static_cast<int32_t>(strlen(forms[f])));
        EXPECT_EQ(c.summary.layout_length, 4048);
        EXPECT_EQ(c.summary.stopped, 0);
    }
}

// Each fault at the first, a middle and the last of nine records, in every
// terminator form where it can happen.
TEST(RecordChecker, ReportsEachProblemWhereItIs)
{
    struct Fault {
        const char *label;
        bool first_too;        // also at record 1 (it does not change what the first record sets)
        bool needs_terminator; // only in files with terminators
        void (*apply)(std::string &r, const std::string &terminator);
        int32_t column, code;
    } faults[] = {
        {"TAB", true, false, [](std::string &r, const std::string &) { r[99] = '\t'; }, 100, NAACCR_CHECK_ILLEGAL_BYTE},
        {"byte 0xE9", true, false, [](std::string &r, const std::string &) { r[899] = '\xE9'; }, 900,
         NAACCR_CHECK_ILLEGAL_BYTE},
        {"NUL", true, false, [](std::string &r, const std::string &) { r[49] = '\0'; }, 50, NAACCR_CHECK_ILLEGAL_BYTE},
        {"type X", false, false, [](std::string &r, const std::string &) { r[0] = 'X'; }, 1, NAACCR_CHECK_RECORD_TYPE},
        {"type C", false, false, [](std::string &r, const std::string &) { r[0] = 'C'; }, 1, NAACCR_CHECK_RECORD_TYPE},
        {"version 999", false, false, [](std::string &r, const std::string &) { r.replace(16, 3, "999"); }, 17,
         NAACCR_CHECK_VERSION},
        {"one byte short", false, true, [](std::string &r, const std::string &) { r.pop_back(); }, 0,
         NAACCR_CHECK_RECORD_LENGTH},
        {"one byte long", false, true, [](std::string &r, const std::string &) { r += 'Z'; }, 0,
         NAACCR_CHECK_RECORD_LENGTH},
        {"lone CR or LF inside", true, false,
         [](std::string &r, const std::string &t) { r[199] = t == "\r" ? '\n' : '\r'; }, 200,
         NAACCR_CHECK_SPLIT_RECORD},
        {"terminator of another form", false, true,
         [](std::string &r, const std::string &t) { r += t == "\n" ? "\r" : "\n"; }, 4049,
         NAACCR_CHECK_TERMINATOR_FORM},
    };
    for (int f = 0; f < 5; ++f) {
        const std::string terminator = forms[f];
        for (const Fault &fault : faults) {
            if (fault.needs_terminator && terminator.empty())
                continue;
            for (unsigned at : {1u, 5u, 9u}) {
                // Without terminators, a CR or LF in the first record would be taken for its end.
                if (at == 1 && (!fault.first_too || (terminator.empty() && fault.column == 200)))
                    continue;
                SCOPED_TRACE(std::string(form_names[f]) + ", " + fault.label + " at record " + std::to_string(at));
                std::vector<std::string> records;
                for (unsigned k = 1; k <= 9; ++k)
                    records.push_back(record(k));
                std::string bytes;
                for (unsigned k = 1; k <= 9; ++k) {
                    std::string r = records[k - 1];
                    if (k == at)
                        fault.apply(r, terminator);
                    // A record ended in another form carries that form instead of the file's.
                    const bool other = k == at && std::string(fault.label) == "terminator of another form";
                    bytes += other ? r : r + terminator;
                }
                const Checked c = check_bytes(bytes);
                EXPECT_EQ(c.code, NAACCR_REC_OK);
                ASSERT_EQ(c.problems.size(), 1u) << (c.messages.empty() ? "" : c.messages[0]);
                EXPECT_EQ(c.problems[0], (Seen{at, fault.column, fault.code})) << c.messages[0];
                EXPECT_EQ(c.summary.records, 9u);
                EXPECT_EQ(c.summary.counts[fault.code], 1u);
            }
        }
    }
}

TEST(RecordChecker, ChecksTheEndAndTheStartOfTheFile)
{
    std::vector<std::string> records;
    for (unsigned k = 1; k <= 4; ++k)
        records.push_back(record(k));
    const std::string crlf = join(records, "\r\n");
    const std::string plain = join(records, "");
    struct Case {
        const char *label;
        std::string bytes;
        std::vector<Seen> expected;
        uint64_t records;
    } cases[] = {
        {"last record lacks CR LF", crlf.substr(0, crlf.size() - 2), {{4, 0, NAACCR_CHECK_TERMINATOR_OMITTED}}, 4},
        {"stray Ctrl-Z", crlf + "\x1a", {{5, 0, NAACCR_CHECK_STRAY_CTRL_Z}}, 4},
        {"stray Ctrl-Z after records without terminators", plain + "\x1a", {{5, 0, NAACCR_CHECK_STRAY_CTRL_Z}}, 4},
        {"partial last record", crlf + record(5).substr(0, 100), {{5, 0, NAACCR_CHECK_PARTIAL_RECORD}}, 5},
        {"partial record without terminators",
         plain + record(5).substr(0, 100),
         {{5, 0, NAACCR_CHECK_PARTIAL_RECORD}},
         5},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + crlf, {{1, 1, NAACCR_CHECK_BYTE_ORDER_MARK}}, 4},
        {"trailing blanks trimmed from every record",
         join({records[0].substr(0, 3000), records[1].substr(0, 3000)}, "\n"),
         {{1, 0, NAACCR_CHECK_LAYOUT_LENGTH}},
         2},
        {"an empty line at the end", crlf + "\r\n", {{5, 0, NAACCR_CHECK_RECORD_LENGTH}}, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Checked got = check_bytes(c.bytes);
        EXPECT_EQ(got.code, NAACCR_REC_OK);
        EXPECT_EQ(got.problems, c.expected);
        EXPECT_EQ(got.summary.records, c.records);
    }
}

// A record of several megabytes without a terminator is one problem; the
// records after it are checked as usual.
TEST(RecordChecker, SkipsARecordOfManyMegabytes)
{
    const std::string huge = "I" + std::string(3 << 20, 'x');
    const std::string bytes = record(1) + "\n" + huge + "\n" + record(2) + "\n" + record(3) + "\t\n";
    const Checked c = check_bytes(bytes);
    const std::vector<Seen> expected = {{2, 0, NAACCR_CHECK_RECORD_LENGTH},
                                        {2, 17, NAACCR_CHECK_VERSION},
                                        {4, 0, NAACCR_CHECK_RECORD_LENGTH},
                                        {4, 4049, NAACCR_CHECK_ILLEGAL_BYTE}};
    EXPECT_EQ(c.problems, expected);
    EXPECT_EQ(c.summary.records, 4u);
}

TEST(RecordChecker, VerifiesChecksumFields)
{
    auto assigned = [](std::string r) {
        r += '\0';
        EXPECT_EQ(cvAssignChecksum(&r[0]), 0);
        r.pop_back();
        return r;
    };
    std::vector<std::string> records;
    for (unsigned k = 1; k <= 5; ++k)
        records.push_back(assigned(record(k)));
    std::vector<std::string> faulty = records;
    faulty[1][3000] = faulty[1][3000] == 'A' ? 'B' : 'A'; // record 2: mismatch
    faulty[2].replace(2606, 10, std::string(10, ' '));    // record 3: blank
    std::vector<std::string> abstracts = {assigned(record(1, 'A')), assigned(record(2, 'A'))};
    abstracts[1][24000] = abstracts[1][24000] == 'A' ? 'B' : 'A'; // past the 23000-byte window
    struct Case {
        const char *label;
        std::string bytes;
        std::vector<Seen> expected;
        uint64_t matched;
    } cases[] = {
        {"assigned fields", join(records, "\r\n"), {}, 5},
        {"a mismatch and a blank field",
         join(faulty, "\n"),
         {{2, 2607, NAACCR_CHECK_CHECKSUM_MISMATCH}, {3, 2607, NAACCR_CHECK_CHECKSUM_BLANK}},
         3},
        {"a byte changed past the window", join(abstracts, "\r\n"), {{2, 2607, NAACCR_CHECK_CHECKSUM_MISMATCH}}, 1},
        {"a layout without a checksum field",
         join({record(1, 'R', "120"), record(2, 'R', "120")}, "\n"),
         {{1, 0, NAACCR_CHECK_NO_CHECKSUM}},
         0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Checked got = check_bytes(c.bytes, NAACCR_CHECK_CHECKSUMS);
        EXPECT_EQ(got.problems, c.expected);
        EXPECT_EQ(got.summary.checksums_matched, c.matched);
        EXPECT_TRUE(check_bytes(c.bytes).problems.empty()) << "fields are not looked at without the flag";
    }
}

// Faults at the edges of the 1 MB blocks and the 8 MB pieces: one thread or
// several, the same problems in the same order and the same summary.
TEST(RecordChecker, GivesTheSameResultsWithAnyNumberOfThreads)
{
    const std::string one = record(7) + "\r\n";
    const size_t count = (20u << 20) / one.size();
    std::string bytes;
    bytes.reserve(count * one.size() + 16);
    for (size_t k = 0; k < count; ++k)
        bytes += one;
    for (size_t edge : {size_t{1} << 20, size_t{8} << 20, (size_t{8} << 20) - 1, size_t{16} << 20})
        bytes[edge] = '\t';
    bytes[(8u << 20) - 2] = '\n';        // a lone LF where a piece begins
    bytes.insert((16u << 20) + 1, "xx"); // a long record across the second piece's end
    bytes.erase(bytes.size() - 2);       // the last record lacks its CR LF

    const Checked single = check_bytes(bytes, NAACCR_CHECK_CHECKSUMS, 1);
    EXPECT_GE(single.problems.size(), 4u);
    for (uint32_t threads : {2u, 8u}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        const Checked several = check_bytes(bytes, NAACCR_CHECK_CHECKSUMS, threads);
        EXPECT_EQ(several.problems, single.problems);
        EXPECT_EQ(several.messages, single.messages);
        EXPECT_EQ(memcmp(&several.summary, &single.summary, sizeof single.summary), 0);
    }
    const Checked streamed = check_stream(bytes, NAACCR_CHECK_CHECKSUMS);
    EXPECT_EQ(streamed.problems, single.problems);
    EXPECT_EQ(streamed.viewed, bytes) << "the records handed over are the file's bytes";
}

TEST(RecordChecker, StopsWhenACallbackSaysSoAndReportsAtMostWhatWasAsked)
{
    std::string bytes;
    for (unsigned k = 1; k <= 50; ++k)
        bytes += record(k).replace(9, 1, "\t") + "\n";
    const std::string path = write_test_file("tabs.dat", bytes);

    Checked c;
    NaaccrCheckOptions o = options_for(&c);
    o.max_reported = 7;
    ASSERT_EQ(cvCheckNaaccrFile(path.c_str(), &o, &c.summary), NAACCR_REC_OK);
    EXPECT_EQ(c.problems.size(), 7u);
    EXPECT_EQ(c.summary.reported, 7u);
    EXPECT_EQ(c.summary.problems, 50u);
    EXPECT_EQ(c.summary.stopped, 0);

    Checked stopped;
    o = options_for(&stopped);
    o.on_problem = [](void *context, const NaaccrProblem *p) -> int32_t {
        collect(context, p);
        return p->record == 3;
    };
    ASSERT_EQ(cvCheckNaaccrFile(path.c_str(), &o, &stopped.summary), NAACCR_REC_OK);
    EXPECT_EQ(stopped.problems.size(), 3u);
    EXPECT_EQ(stopped.summary.stopped, 1);

    o = options_for(&stopped);
    o.on_progress = [](void *, uint64_t, int64_t, uint64_t) -> int32_t { return 1; };
    ASSERT_EQ(cvCheckNaaccrFile(path.c_str(), &o, &stopped.summary), NAACCR_REC_OK);
    EXPECT_EQ(stopped.summary.stopped, 2);
    EXPECT_EQ(stopped.summary.records, 0u) << "cancelled before the first record";
}

TEST(RecordChecker, RefusesWhatItCannotRead)
{
    NaaccrCheckSummary summary;
    const std::string empty = write_test_file("empty.dat", "");
    NaaccrCheckOptions wrong_size;
    memset(&wrong_size, 0, sizeof wrong_size);
    wrong_size.size = sizeof wrong_size - 1;
    struct Case {
        const char *label;
        int32_t code;
        int32_t expected;
    } cases[] = {
        {"a missing file", cvCheckNaaccrFile((test_folder() + "/missing").c_str(), nullptr, &summary),
         NAACCR_REC_OPEN_FAILED},
        {"a folder", cvCheckNaaccrFile(test_folder().c_str(), nullptr, &summary), NAACCR_REC_OPEN_FAILED},
        {"an empty file", cvCheckNaaccrFile(empty.c_str(), nullptr, &summary), NAACCR_REC_EMPTY_FILE},
        {"no path", cvCheckNaaccrFile(nullptr, nullptr, &summary), NAACCR_REC_BAD_ARGUMENT},
        {"no summary", cvCheckNaaccrFile(empty.c_str(), nullptr, nullptr), NAACCR_REC_BAD_ARGUMENT},
        {"options of another size", cvCheckNaaccrFile(empty.c_str(), &wrong_size, &summary), NAACCR_REC_BAD_ARGUMENT},
        {"no read function", cvCheckNaaccrStream(nullptr, nullptr, nullptr, &summary), NAACCR_REC_BAD_ARGUMENT},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.code, c.expected);
    }
    // A path is taken exactly as given: leading blanks are part of the name.
    write_test_file(" blank.dat", record(1) + "\n");
    EXPECT_EQ(cvCheckNaaccrFile((test_folder() + "/ blank.dat").c_str(), nullptr, &summary), NAACCR_REC_OK);
}

TEST(RecordChecker, ReadsThePeerProjectsVersion18AbstractsWithCrLf)
{
    const std::string folder = peerdata_folder();
    ASSERT_FALSE(folder.empty());
    std::ifstream file(folder + "/werth-naaccr__synthetic-naaccr-18-abstract.txt", std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::string crlf;
    for (char ch : content.str())
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const Checked c = check_bytes(crlf, NAACCR_CHECK_CHECKSUMS);
    EXPECT_EQ(c.summary.records, 20u);
    EXPECT_EQ(c.summary.record_length, 24196);
    EXPECT_EQ(c.summary.counts[NAACCR_CHECK_CHECKSUM_BLANK], 20u) << "the peer's fields are not assigned";
    EXPECT_EQ(c.summary.problems, 20u);
}

// Progress goes on, and a cancel takes effect, inside a record of many
// megabytes.  With several threads how often the caller hears of it depends on
// timing; it never goes back.
TEST(RecordChecker, ReportsProgressInsideALongRecordAndCanBeCancelledThere)
{
    const std::string bytes = record(1) + "\r\n" + std::string(40u << 20, 'A');
    const std::string path = write_test_file("long.dat", bytes);
    struct Watch {
        int calls;
        uint64_t last;
        int stop_at; // stop at this call, or never when 0
    };
    for (uint32_t threads : {1u, 2u}) {
        for (int stop_at : threads > 1 ? std::vector<int>{0} : std::vector<int>{0, 3}) {
            SCOPED_TRACE(std::to_string(threads) + " threads, stop at call " + std::to_string(stop_at));
            Watch watch = {0, 0, stop_at};
            NaaccrCheckOptions o;
            memset(&o, 0, sizeof o);
            o.size = sizeof o;
            o.threads = threads;
            o.context = &watch;
            o.on_progress = [](void *context, uint64_t done, int64_t, uint64_t) -> int32_t {
                Watch *w = static_cast<Watch *>(context);
                EXPECT_GE(done, w->last) << "progress never goes back";
                w->last = done;
                return ++w->calls == w->stop_at;
            };
            NaaccrCheckSummary summary;
            ASSERT_EQ(cvCheckNaaccrFile(path.c_str(), &o, &summary), NAACCR_REC_OK);
            if (threads > 1) {
                EXPECT_GE(watch.calls, 2);
            } else if (stop_at == 0) {
                EXPECT_GE(watch.calls, 5) << "a call every few megabytes";
                EXPECT_EQ(summary.stopped, 0);
                EXPECT_EQ(summary.bytes, bytes.size());
            } else {
                EXPECT_EQ(watch.calls, stop_at);
                EXPECT_EQ(summary.stopped, 2);
                EXPECT_LT(summary.bytes, bytes.size());
            }
        }
    }
}
