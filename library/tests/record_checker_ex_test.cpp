// record_checker_ex_test.cpp -- cvCheckNaaccrFileEx and cvCheckNaaccrStreamEx:
// item problems travel with the record problems in file order, through the
// worker pool as through one thread, and are counted in the larger summary.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flat_check/record_run.h"
#include "check_runs.h"
#include "items/items.h"
#include "flat/flat.h"
#include "test_files.h"

namespace
{

// Records of type I, version 130 (3339 characters, no dictionary), with a TAB
// at each (record, column) of `tabs`.
std::string file_of(size_t count, const std::vector<std::pair<size_t, size_t>> &tabs)
{
    std::string bytes;
    for (size_t k = 1; k <= count; ++k) {
        std::string r = made_record(static_cast<unsigned>(k % 97), 'I', "130");
        for (const auto &tab : tabs)
            if (tab.first == k)
                r[tab.second - 1] = '\t';
        bytes += r + "\r\n";
    }
    return bytes;
}

// The records are of version 130, which has no dictionary: the first record
// reports that, as a record of any layout without one does.
bool has_dictionary()
{
    return layout_dictionary(find_naaccr_layout('I', "130"), reinterpret_cast<const unsigned char *>("130")) != nullptr;
}

} // namespace

TEST(RecordCheckerEx, HandsOnItemProblemsInFileOrderAndCountsEveryKind)
{
    ASSERT_FALSE(has_dictionary()) << "records of version 130 have no dictionary";
    const std::string bytes = file_of(5, {{1, 100}, {3, 7}});
    const Seen tab1 = {1, 100, NAACCR_CHECK_ILLEGAL_BYTE}, none = {1, 0, NAACCR_CHECK_NO_DICTIONARY},
               tab3 = {3, 7, NAACCR_CHECK_ILLEGAL_BYTE};
    struct Case {
        const char *label;
        uint32_t flags, max_reported;
        std::vector<Seen> expected;
        uint64_t reported;
    } cases[] = {
        {"record problems only", 0, 0, {tab1, tab3}, 2},
        {"with items", NAACCR_CHECK_ITEMS, 0, {tab1, none, tab3}, 3},
        {"at most two, of both kinds", NAACCR_CHECK_ITEMS, 2, {tab1, none}, 2},
        {"at most one", NAACCR_CHECK_ITEMS, 1, {tab1}, 1},
    };
    for (const Case &c : cases) {
        for (bool stream : {false, true}) {
            SCOPED_TRACE(std::string(c.label) + (stream ? ", stream" : ", file"));
            CheckSettings settings;
            settings.ex = true;
            settings.flags = c.flags;
            settings.max_reported = c.max_reported;
            const Outcome got = stream ? check_stream_bytes(bytes, settings) : check_file_bytes(bytes, settings);
            EXPECT_EQ(got.code, NAACCR_REC_OK);
            EXPECT_EQ(got.problems, c.expected);
            const bool items = c.flags != 0;
            EXPECT_EQ(got.summary.records.problems, items ? 3u : 2u) << "every kind";
            EXPECT_EQ(got.summary.records.reported, c.reported);
            EXPECT_EQ(got.summary.records.counts[NAACCR_CHECK_ILLEGAL_BYTE], 2u);
            EXPECT_EQ(got.summary.counts[NAACCR_CHECK_ILLEGAL_BYTE], 2u);
            EXPECT_EQ(got.summary.counts[NAACCR_CHECK_NO_DICTIONARY], items ? 1u : 0u);
            EXPECT_EQ(got.summary.records.records, 5u);
            EXPECT_EQ(got.summary.format, NAACCR_FORMAT_FLAT);
            EXPECT_EQ(got.summary.version, 130);
        }
    }
}

TEST(RecordCheckerEx, GivesWhatTheOlderCallsGiveWithoutItems)
{
    const std::string bytes = file_of(9, {{2, 40}, {9, 3000}}) + "X";
    CheckSettings older, ex;
    ex.ex = true;
    for (bool stream : {false, true}) {
        SCOPED_TRACE(stream ? "stream" : "file");
        const Outcome a = stream ? check_stream_bytes(bytes, older) : check_file_bytes(bytes, older);
        const Outcome b = stream ? check_stream_bytes(bytes, ex) : check_file_bytes(bytes, ex);
        EXPECT_EQ(a.problems, b.problems);
        EXPECT_EQ(a.messages, b.messages);
        EXPECT_EQ(memcmp(&a.summary.records, &b.summary.records, sizeof a.summary.records), 0);
    }
}

// Pieces of 8 MB on 2 and 8 workers: the file's one NO_DICTIONARY problem
// and every record problem, in the same order as on one thread.
TEST(RecordCheckerEx, GivesTheSameItemAndRecordProblemsWithAnyNumberOfThreads)
{
    const size_t count = (20u << 20) / 3341;
    std::vector<std::pair<size_t, size_t>> tabs;
    for (size_t k = 1; k < count; k += 997)
        tabs.push_back({k, 1 + k % 3300});
    const std::string bytes = file_of(count, tabs);
    CheckSettings settings;
    settings.ex = true;
    settings.flags = NAACCR_CHECK_ITEMS | NAACCR_CHECK_CHECKSUMS;
    const Outcome one = check_file_bytes(bytes, settings);
    EXPECT_GE(one.problems.size(), tabs.size());
    for (uint32_t threads : {2u, 8u}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        settings.threads = threads;
        const Outcome several = check_file_bytes(bytes, settings);
        EXPECT_EQ(several.problems, one.problems);
        EXPECT_EQ(several.messages, one.messages);
        EXPECT_EQ(memcmp(&several.summary, &one.summary, sizeof one.summary), 0);
    }
    settings.threads = 1;
    EXPECT_EQ(check_stream_bytes(bytes, settings).problems, one.problems);
}

TEST(RecordCheckerEx, RefusesOptionsOfTheOlderSize)
{
    const std::string path = write_test_file("one.dat", made_record(1, 'I', "180") + "\n");
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof(NaaccrCheckOptions);
    NaaccrItemCheckSummary summary;
    struct Case {
        const char *label;
        int32_t code;
    } cases[] = {
        {"file, options of the older size", cvCheckNaaccrFileEx(path.c_str(), &options, &summary)},
        {"stream, no read function", cvCheckNaaccrStreamEx(nullptr, nullptr, nullptr, &summary)},
        {"file, no summary", cvCheckNaaccrFileEx(path.c_str(), nullptr, nullptr)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.code, NAACCR_REC_BAD_ARGUMENT);
    }
    EXPECT_EQ(cvCheckNaaccrFileEx(path.c_str(), nullptr, &summary), NAACCR_REC_OK);
    EXPECT_EQ(summary.records.records, 1u);
}

// A worker keeps copies of an item problem's value and message until the
// calling thread hands the problem on, numbered from the file's start.
TEST(RecordCheckerEx, StoredItemProblemsKeepTheirValueAndMessage)
{
    StoredProblem entries[3];
    char values[8];
    ProblemStore store = {entries, 3, 0, values, sizeof values, 0, false};
    ProblemSink sink = {nullptr, nullptr, nullptr, &store};
    struct Case {
        const char *label;
        const char *value;
        bool kept;
    } cases[] = {
        {"a value", "20261309", true},
        {"no value", nullptr, true},
        {"no room left", "1", false},
    };
    std::vector<std::string> given;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        std::string value = c.value != nullptr ? c.value : "", message = std::string("month 13 in ") + c.label;
        NaaccrItemProblem p;
        memset(&p, 0, sizeof p);
        p.record = 4;
        p.code = NAACCR_CHECK_ITEM_DATE;
        p.value = c.value != nullptr ? value.data() : nullptr;
        p.value_length = static_cast<uint32_t>(value.size());
        p.item_id = "dateOfDiagnosis";
        p.item_name = "";
        p.message = message.c_str();
        EXPECT_EQ(sink_item_problem(&sink, &p), 0);
        EXPECT_EQ(store.overflow, !c.kept);
        value.assign(value.size(), 'x');
        message.assign(message.size(), 'x');
        if (c.kept)
            given.push_back(std::string(c.value != nullptr ? c.value : "") + "|month 13 in " + c.label);
    }
    struct Taken {
        std::vector<std::string> seen;
        uint64_t record;
    } taken = {{}, 0};
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.context = &taken;
    options.on_item_problem = [](void *context, const NaaccrItemProblem *p) -> int32_t {
        Taken *t = static_cast<Taken *>(context);
        t->seen.push_back(std::string(p->value != nullptr ? p->value : "", p->value_length) + "|" + p->message);
        t->record = p->record;
        return 0;
    };
    NaaccrItemCheckSummary summary;
    memset(&summary, 0, sizeof summary);
    Delivery delivery = {&options, &summary, 100, false, false, true};
    for (uint32_t k = 0; k < store.count; ++k)
        EXPECT_EQ(deliver_stored(delivery, store, k), 0);
    EXPECT_EQ(taken.seen, given);
    EXPECT_EQ(taken.record, 104u);
    EXPECT_EQ(summary.records.reported, 2u);
}
