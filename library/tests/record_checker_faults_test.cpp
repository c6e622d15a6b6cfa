// record_checker_faults_test.cpp -- files that once gave the wrong problems:
// empty records, records past the longest view, terminators of another form,
// a first record beyond the 23000-byte window or with a problem of its own,
// checksum fields in a form of their own.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_runs.h"
#include "test_files.h"
#include "flat/flat.h"

namespace
{

std::string join(const std::vector<std::string> &records, const std::string &terminator)
{
    std::string all;
    for (const std::string &r : records)
        all += r + terminator;
    return all;
}

std::vector<std::string> records_of(char type, const char *version, size_t count)
{
    std::vector<std::string> records;
    for (size_t k = 1; k <= count; ++k)
        records.push_back(made_record(static_cast<unsigned>(k), type, version));
    return records;
}

// The record with its NAACCR checksum field assigned.
std::string assigned(std::string r)
{
    r += '\0';
    EXPECT_EQ(cvAssignChecksum(&r[0]), 0);
    r.pop_back();
    return r;
}

int32_t CV_CALL note_view(void *context, const NaaccrRecordView *v)
{
    std::vector<bool> *held = static_cast<std::vector<bool> *>(context);
    if (v->number > 0)
        held->push_back(v->bytes != nullptr);
    return 0;
}

} // namespace

TEST(RecordCheckerFaults, ReportsEmptyRecordsAndFilesWithoutRecords)
{
    const std::string good = join(records_of('I', "180", 3), "\n");
    struct Case {
        const char *label;
        std::string bytes;
        std::vector<Seen> expected;
        uint64_t records;
    } cases[] = {
        {"only LF bytes",
         "\n\n\n",
         {{1, 0, NAACCR_CHECK_RECORD_LENGTH}, {2, 0, NAACCR_CHECK_RECORD_LENGTH}, {3, 0, NAACCR_CHECK_RECORD_LENGTH}},
         3},
        {"only CR LF pairs", "\r\n\r\n", {{1, 0, NAACCR_CHECK_RECORD_LENGTH}, {2, 0, NAACCR_CHECK_RECORD_LENGTH}}, 2},
        {"an empty first record", "\n" + good, {{1, 0, NAACCR_CHECK_RECORD_LENGTH}}, 4},
        {"an empty record in the middle", good + "\n" + good, {{4, 0, NAACCR_CHECK_RECORD_LENGTH}}, 7},
        {"only a byte-order mark",
         "\xEF\xBB\xBF",
         {{1, 1, NAACCR_CHECK_BYTE_ORDER_MARK}, {1, 0, NAACCR_CHECK_RECORD_LENGTH}},
         0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        for (const Outcome &got : {check_file_bytes(c.bytes), check_stream_bytes(c.bytes)}) {
            EXPECT_EQ(got.code, NAACCR_REC_OK);
            EXPECT_EQ(got.problems, c.expected);
            EXPECT_EQ(got.summary.records.records, c.records);
        }
    }
}

// Each file form with each two-byte form that is not its own, and the
// one-byte forms, at the first and a middle record.
TEST(RecordCheckerFaults, ReportsOneTerminatorFormProblemForARecordEndingInAnotherForm)
{
    const std::vector<std::string> records = records_of('I', "180", 9);
    const char *const forms[] = {"\n", "\r\n", "\r", "\n\r"};
    for (const char *form : forms) {
        for (const char *other : forms) {
            if (strcmp(form, other) == 0)
                continue;
            for (size_t at : {size_t{1}, size_t{5}}) {
                SCOPED_TRACE("file form " + std::to_string(form[0] + 256 * form[1]) + ", record ends in " +
                             std::to_string(other[0] + 256 * other[1]) + ", record " + std::to_string(at));
                std::string bytes;
                for (size_t k = 1; k <= records.size(); ++k)
                    bytes += records[k - 1] + (k == at ? other : form);
                const Outcome got = check_stream_bytes(bytes);
                EXPECT_EQ(got.problems, (std::vector<Seen>{{at, 4049, NAACCR_CHECK_TERMINATOR_FORM}}))
                    << (got.messages.empty() ? "" : got.messages[0]);
                EXPECT_EQ(got.summary.records.records, records.size());
                EXPECT_EQ(check_file_bytes(bytes).problems, got.problems);
            }
        }
    }
}

// The first record's terminator is looked for up to the longest view, and a
// first record with a problem of its own does not set what the others are
// held against.
TEST(RecordCheckerFaults, TakesTheReferenceRecordFromTheFirstRecordsWithoutAProblem)
{
    std::vector<std::string> abstracts = records_of('A', "180", 20);
    std::vector<std::string> five_long = abstracts, type_x = abstracts, version_170 = abstracts;
    five_long[0] += "ABCDE";
    type_x[0][0] = 'X';
    version_170[0].replace(16, 3, "170");
    std::vector<std::string> cut = records_of('I', "180", 40);
    cut[0].resize(cut[0].size() - 5);
    std::vector<std::string> c_first = records_of('I', "180", 9);
    c_first[0][0] = 'C';
    struct Case {
        const char *label;
        std::string bytes;
        std::vector<Seen> expected;
        uint64_t records;
        int32_t record_length; // the reference's, in the summary
    } cases[] = {
        {"first record 5 bytes long, terminator past the window",
         join(five_long, "\n"),
         {{1, 0, NAACCR_CHECK_LAYOUT_LENGTH}},
         20,
         24195},
        {"first record of type X, terminator past the window",
         join(type_x, "\n"),
         {{1, 1, NAACCR_CHECK_RECORD_TYPE}},
         20,
         24195},
        {"first record of version 170, terminator past the window",
         join(version_170, "\r\n"),
         {{1, 17, NAACCR_CHECK_VERSION}},
         20,
         24196},
        {"first record cut by 5 bytes", join(cut, "\n"), {{1, 0, NAACCR_CHECK_LAYOUT_LENGTH}}, 40, 4049},
        {"first record of another valid type", join(c_first, "\r"), {{1, 1, NAACCR_CHECK_RECORD_TYPE}}, 9, 4049},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        for (const Outcome &got : {check_file_bytes(c.bytes), check_stream_bytes(c.bytes)}) {
            EXPECT_EQ(got.problems, c.expected) << (got.messages.empty() ? "" : got.messages[0]);
            EXPECT_EQ(got.summary.records.records, c.records);
            EXPECT_EQ(got.summary.records.record_length, c.record_length);
        }
    }
}

// A record past the longest view is handed over without its bytes, from a
// file as from a stream, and its checksum field is still verified.
TEST(RecordCheckerFaults, ChecksRecordsPastTheLongestViewAlikeInFilesAndStreams)
{
    std::string huge = made_record(9, 'I', "180") + std::string(1500000, 'Q');
    cvAssignCRC32(&huge[0], static_cast<uint32_t>(huge.size()), 2607, naaccr_checksum_width);
    std::string wrong = huge;
    wrong[1400000] = 'R';
    const std::string good = assigned(made_record(1, 'I', "180"));
    const std::string bytes = good + "\n" + huge + "\n" + wrong + "\n" + good + "\n";
    const std::vector<Seen> expected = {{2, 0, NAACCR_CHECK_RECORD_LENGTH},
                                        {3, 0, NAACCR_CHECK_RECORD_LENGTH},
                                        {3, 2607, NAACCR_CHECK_CHECKSUM_MISMATCH}};
    const std::string path = "records.dat";
    for (bool stream : {false, true}) {
        SCOPED_TRACE(stream ? "stream" : "file");
        CheckSettings settings;
        settings.flags = NAACCR_CHECK_CHECKSUMS;
        const Outcome got = stream ? check_stream_bytes(bytes, settings) : check_file_bytes(bytes, settings);
        EXPECT_EQ(got.problems, expected);
        EXPECT_EQ(got.summary.records.checksums_matched, 3u);
    }
    // The views: bytes for the records up to the longest view only.
    std::vector<bool> held;
    NaaccrCheckOptions o;
    memset(&o, 0, sizeof o);
    o.size = sizeof o;
    o.on_record = note_view;
    o.context = &held;
    NaaccrCheckSummary summary;
    const std::string file = write_test_file(path, bytes);
    ASSERT_EQ(cvCheckNaaccrFile(file.c_str(), &o, &summary), NAACCR_REC_OK);
    EXPECT_EQ(held, (std::vector<bool>{true, false, false, true}));
}

TEST(RecordCheckerFaults, MatchesOnlyChecksumFieldsOfZeroZeroAndEightHexadecimalDigits)
{
    std::vector<std::string> records;
    for (const std::string &r : records_of('I', "180", 4))
        records.push_back(assigned(r));
    std::string lower = records[1];
    for (size_t k = 2606; k < 2616; ++k)
        lower[k] = static_cast<char>(tolower(lower[k]));
    std::string zz = records[2];
    zz.replace(2606, 2, "ZZ");
    struct Case {
        const char *label;
        std::string record;
        bool matches;
    } cases[] = {
        {"upper-case digits", records[0], true},
        {"lower-case digits", lower, true},
        {"ZZ before the right eight digits", zz, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        CheckSettings settings;
        settings.flags = NAACCR_CHECK_CHECKSUMS;
        const Outcome got = check_stream_bytes(c.record + "\n", settings);
        EXPECT_EQ(got.summary.records.checksums_matched, c.matches ? 1u : 0u);
        EXPECT_EQ(got.problems.size(), c.matches ? 0u : 1u);
    }
    std::string kept = zz + '\0';
    EXPECT_EQ(cvCompareChecksum(kept.c_str()), CV_FIELD_OK) << "cvCompareChecksum keeps reading every byte as a digit";
}

TEST(RecordCheckerFaults, NamesTheFilesOwnFormWhenTheLastTerminatorIsOmitted)
{
    const std::vector<std::string> records = records_of('I', "180", 2);
    struct Case {
        const char *form;
        const char *message;
    } cases[] = {
        {"\n", "<lf> terminators omitted at end of file."},
        {"\r", "<cr> terminators omitted at end of file."},
        {"\r\n", "<cr><lf> terminators omitted at end of file."},
        {"\n\r", "<lf><cr> terminators omitted at end of file."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        const std::string bytes = records[0] + c.form + records[1];
        const Outcome got = check_stream_bytes(bytes);
        ASSERT_EQ(got.problems, (std::vector<Seen>{{2, 0, NAACCR_CHECK_TERMINATOR_OMITTED}}));
        EXPECT_EQ(got.messages[0], c.message);
    }
}

TEST(RecordCheckerFaults, SayWhatAUserCannotSeeAndWhatWasNotChecked)
{
    const std::vector<std::string> good = records_of('I', "180", 3);
    std::string blank_type = good[1], high_byte = good[1], x_type = good[1];
    blank_type[0] = ' ';
    x_type[0] = 'X';
    high_byte[77] = static_cast<char>(0xE9); // column 78: addrAtDxCity, columns 74-123
    const std::string passwd = "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
                               "bin:x:2:2:bin:/bin:/usr/sbin/nologin\nsys:x:3:3:sys:/dev:/usr/sbin/nologin\n";
    const uint32_t ITEMS = NAACCR_CHECK_ITEMS;
    const struct {
        const char *label;
        std::string bytes;
        uint32_t flags;
        size_t problems; // record problems (item problems of the made records aside)
        const char *says;
    } cases[] = {
        {"a blank record type", join({good[0], blank_type}, "\n"), 0, 1, "Invalid NAACCR Record Type \" \" (blank)."},
        {"a byte above 126, in its item", join({good[0], high_byte}, "\n"), 0, 1,
         "Illegal byte 0xE9 at column 78, in addrAtDxCity (item 70, columns 74-123)."},
        {"lines of a password file: one problem", passwd, 0, 1,
         "Not a NAACCR flat file: none of its first 4 records has a valid record type and version code"},
        {"one line of text", "hello\n", 0, 1, "Not a NAACCR flat file: its one record has"},
        {"records of a bad type among good ones: one problem each", join({good[0], x_type, good[1], x_type}, "\n"), 0,
         2, "Invalid NAACCR Record Type X."},
        {"a short record, items checked", join({good[0], good[1].substr(0, 4000)}, "\n"), ITEMS, 1,
         "4048; its items that end after column 4000 are not checked."},
        {"too short for its version code", join({good[0], good[1].substr(0, 2)}, "\n"), ITEMS, 1,
         "4048; its items are not checked."},
        {"a short record, records only", join({good[0], good[1].substr(0, 4000)}, "\n"), 0, 1,
         "differs from the reference record's 4048."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        CheckSettings settings;
        settings.flags = c.flags;
        settings.ex = true;
        const Outcome got = check_file_bytes(c.bytes, settings);
        size_t record_problems = 0;
        std::string said;
        for (size_t k = 0; k < got.problems.size(); ++k)
            if (got.problems[k].code < NAACCR_CHECK_KINDS) {
                ++record_problems;
                said += got.messages[k] + "\n";
            }
        EXPECT_EQ(record_problems, c.problems) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
    }
}
