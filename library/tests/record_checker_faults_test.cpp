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

TEST(RecordCheckerFaults, NameWhatCannotBeSeen)
{
    const std::vector<std::string> good = records_of('I', "180", 2);
    std::string blank_type = good[1], high_byte = good[1], tab = good[1];
    blank_type[0] = ' ';
    high_byte[77] = static_cast<char>(0xE9); // column 78: addrAtDxCity, columns 74-123
    tab[77] = '\t';
    const struct {
        const char *label;
        std::string second;
        std::string says;
    } cases[] = {
        {"a blank record type", blank_type, "Invalid NAACCR Record Type \" \" (blank)."},
        {"a byte above 126, in its item", high_byte,
         "Illegal byte 0xE9 at column 78, in addrAtDxCity (item 70, columns 74-123)."},
        {"a control byte", tab, "Illegal byte 0x09 at column 78, in addrAtDxCity"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Outcome got = check_file_bytes(join({good[0], c.second}, "\n"));
        ASSERT_EQ(got.messages.size(), 1u);
        EXPECT_NE(got.messages[0].find(c.says), std::string::npos) << got.messages[0];
    }
}

TEST(RecordCheckerFaults, SaysOnceThatAFileIsNoNaaccrFlatFile)
{
    const std::string passwd = "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
                               "bin:x:2:2:bin:/bin:/usr/sbin/nologin\nsys:x:3:3:sys:/dev:/usr/sbin/nologin\n";
    const std::vector<std::string> good = records_of('I', "180", 3);
    std::string bad_type = good[2];
    bad_type[0] = 'X';
    const struct {
        const char *label;
        std::string bytes;
        std::vector<Seen> expected;
        const char *says; // in the first message
    } cases[] = {
        {"lines of a password file: one problem",
         passwd,
         {{1, 1, NAACCR_CHECK_RECORD_TYPE}},
         "Not a NAACCR flat file: none of its first 4 records"},
        {"one line of text", "hello\n", {{1, 1, NAACCR_CHECK_RECORD_TYPE}}, "its one record has"},
        {"a NAACCR file with records of a bad type: one problem each",
         join({good[0], bad_type, good[1], bad_type}, "\n"),
         {{2, 1, NAACCR_CHECK_RECORD_TYPE}, {4, 1, NAACCR_CHECK_RECORD_TYPE}},
         "Invalid NAACCR Record Type X."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        for (const Outcome &got : {check_file_bytes(c.bytes), check_stream_bytes(c.bytes)}) {
            EXPECT_EQ(got.code, NAACCR_REC_OK);
            EXPECT_EQ(got.problems, c.expected);
            ASSERT_FALSE(got.messages.empty());
            EXPECT_NE(got.messages[0].find(c.says), std::string::npos) << got.messages[0];
        }
    }
}

TEST(RecordCheckerFaults, SayWhichItemsARecordOfTheWrongLengthLeavesUnchecked)
{
    const std::vector<std::string> good = records_of('I', "180", 2);
    const std::string short_one = good[1].substr(0, 4000), two_bytes = good[1].substr(0, 2);
    const struct {
        const char *label;
        std::string second;
        uint32_t flags;
        const char *says; // "" when the message says nothing of items
    } cases[] = {
        {"short, items checked", short_one, NAACCR_CHECK_ITEMS,
         "; its items that end after column 4000 are not checked."},
        {"too short for its version code", two_bytes, NAACCR_CHECK_ITEMS, "; its items are not checked."},
        {"short, records only", short_one, 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        CheckSettings settings;
        settings.flags = c.flags;
        settings.ex = true;
        const Outcome got = check_file_bytes(join({good[0], c.second}, "\n"), settings);
        std::string message; // the length problem's; the made records have item problems too
        for (const std::string &m : got.messages)
            if (m.find("differs from the reference record's 4048") != std::string::npos)
                message = m;
        ASSERT_FALSE(message.empty());
        if (c.says[0] == '\0') {
            EXPECT_EQ(message.find("items"), std::string::npos) << message;
        } else {
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
        }
    }
}
