// check_job_test.cpp -- the hand-over from the checking thread: every problem kept up to the list's
// limit, notices sent once until taken and again after a refusal, the lock balanced, cancel stops the
// checker at its next progress report.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_job.h"
#include "test_files.h"

namespace
{

// A lock that fails the test when taken twice or released unheld, and a notice that may be refused.
struct FakeSignals {
    bool held = false;
    int locks = 0;
    int notices = 0;
    bool refuse = false;
    std::vector<bool> held_while_notified;
};

FakeSignals *fake_of(void *context) { return static_cast<FakeSignals *>(context); }

void fake_lock(void *context)
{
    EXPECT_FALSE(fake_of(context)->held) << "the lock is taken twice";
    fake_of(context)->held = true;
    ++fake_of(context)->locks;
}

void fake_unlock(void *context)
{
    EXPECT_TRUE(fake_of(context)->held) << "the lock is released unheld";
    fake_of(context)->held = false;
}

int fake_notify(void *context)
{
    FakeSignals *f = fake_of(context);
    f->held_while_notified.push_back(f->held);
    ++f->notices;
    return f->refuse ? 0 : 1;
}

CheckSignals signals_of(FakeSignals *fake) { return CheckSignals{fake, fake_lock, fake_unlock, fake_notify}; }

// Records of 850 bytes (type U, version 7), CR LF; each listed record gets a TAB in column 30.
std::string records(int count, const std::vector<int> &with_tab = {})
{
    std::string bytes;
    for (int number = 1; number <= count; ++number) {
        std::string record = "U7" + std::string(848, ' ');
        for (int n : with_tab)
            if (n == number)
                record[29] = '\t';
        bytes += record + "\r\n";
    }
    return bytes;
}

// A checker that hands over as many problems as its path says, each followed by a progress report, as
// a checker that ignored max_reported would. It shows the options it was given in the summary: threads
// in checksums_matched, max_reported in reported, the flags in counts[0].
int32_t CV_CALL scripted_checker(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    uint64_t count = strtoull(path, nullptr, 10);
    for (uint64_t k = 1; k <= count; ++k) {
        NaaccrProblem problem;
        memset(&problem, 0, sizeof problem);
        problem.record = k;
        problem.code = NAACCR_CHECK_VERSION;
        snprintf(problem.message, sizeof problem.message, "problem %llu", (unsigned long long)k);
        options->on_problem(options->context, &problem);
        if (options->on_progress(options->context, k, (int64_t)count, k) != 0) {
            summary->stopped = 2;
            break;
        }
        ++summary->records;
        ++summary->problems;
    }
    summary->reported = options->max_reported;
    summary->checksums_matched = options->threads; // lets the test see the options through the summary
    summary->counts[0] = options->flags;
    return NAACCR_REC_OK;
}

TEST(CheckJob, HandsOverEveryProblemOfARealCheckInFileOrder)
{
    std::string path = write_test_file("tabs.dat", records(6, {2, 5, 6}));
    FakeSignals fake;
    CheckSignals signals = signals_of(&fake);
    CheckJob job;
    ASSERT_TRUE(PrepareCheckJob(&job, cvCheckNaaccrFile, path.c_str(), 0, &signals));
    RunCheckJob(&job);
    CheckNews news;
    TakeCheckNews(&job, &news);

    EXPECT_EQ(news.done, 1);
    EXPECT_EQ(job.result, NAACCR_REC_OK);
    EXPECT_EQ(job.summary.records, 6u);
    ASSERT_EQ(news.problem_count, 3u);
    const uint64_t expected_records[] = {2, 5, 6};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(job.problems[k].record, expected_records[k]);
        EXPECT_EQ(job.problems[k].code, NAACCR_CHECK_ILLEGAL_BYTE);
        EXPECT_EQ(job.problems[k].column, 30);
    }
    // Progress before the first record and at the end.
    EXPECT_EQ(news.progressed, 1);
    EXPECT_EQ(news.bytes_done, (uint64_t)(6 * 852));
    EXPECT_EQ(news.bytes_total, 6 * 852);
    EXPECT_EQ(news.records, 6u);
    EXPECT_FALSE(fake.held);
    ReleaseCheckJob(&job);
    ReleaseCheckJob(&job);
    EXPECT_EQ(job.problems, nullptr);
}

TEST(CheckJob, NoticesAreSentOnceUntilTakenAndAgainAfterARefusal)
{
    const struct {
        const char *label;
        bool refuse;
        bool take_between; // the window takes the news after every notice
        int notices;       // for 3 problems, 3 progress reports and the end
    } cases[] = {
        {"nobody takes the news: one notice", false, false, 1},
        {"refused notices are sent again at the next news", true, false, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeSignals fake;
        fake.refuse = c.refuse;
        CheckSignals signals = signals_of(&fake);
        CheckJob job;
        ASSERT_TRUE(PrepareCheckJob(&job, scripted_checker, "3", 0, &signals));
        RunCheckJob(&job);
        EXPECT_EQ(fake.notices, c.notices);
        for (bool held : fake.held_while_notified)
            EXPECT_FALSE(held) << "the notice is sent without the lock";
        CheckNews news;
        TakeCheckNews(&job, &news);
        EXPECT_EQ(news.done, 1);
        EXPECT_EQ(news.problem_count, 3u);
        ReleaseCheckJob(&job);
    }
}

TEST(CheckJob, KeepsTheFirstTenThousandProblemsAndCountsTheRest)
{
    FakeSignals fake;
    CheckSignals signals = signals_of(&fake);
    CheckJob job;
    ASSERT_TRUE(PrepareCheckJob(&job, scripted_checker, "10005", NAACCR_CHECK_CHECKSUMS, &signals));
    RunCheckJob(&job);
    EXPECT_EQ(job.problem_count, (uint32_t)CHECK_LIST_LIMIT);
    EXPECT_EQ(job.summary.problems, 10005u);
    EXPECT_EQ(job.problems[CHECK_LIST_LIMIT - 1].record, (uint64_t)CHECK_LIST_LIMIT);
    // The options: the list's limit, every processor, the flags.
    EXPECT_EQ(job.summary.reported, (uint64_t)CHECK_LIST_LIMIT);
    EXPECT_EQ(job.summary.checksums_matched, 0u);
    EXPECT_EQ(job.summary.counts[0], (uint64_t)NAACCR_CHECK_CHECKSUMS);
    ReleaseCheckJob(&job);
}

TEST(CheckJob, CancelStopsTheCheckerAtItsNextProgressReport)
{
    const struct {
        const char *label;
        CheckFileFunction checker;
        bool real_file;
        uint64_t records; // checked before the stop
    } cases[] = {
        {"the library's checker, cancelled before its first record", cvCheckNaaccrFile, true, 0},
        {"a checker that reports after each record", scripted_checker, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string path = c.real_file ? write_test_file("cancel.dat", records(50)) : std::string("40");
        FakeSignals fake;
        CheckSignals signals = signals_of(&fake);
        CheckJob job;
        ASSERT_TRUE(PrepareCheckJob(&job, c.checker, path.c_str(), 0, &signals));
        CancelCheckJob(&job);
        RunCheckJob(&job);
        EXPECT_EQ(job.result, NAACCR_REC_OK);
        EXPECT_EQ(job.summary.stopped, 2);
        EXPECT_EQ(job.summary.records, c.records);
        EXPECT_EQ(job.done, 1);
        ReleaseCheckJob(&job);
    }
}

TEST(CheckJob, KeepsAPathTooLongForItsRoomCutAndTerminated)
{
    std::string path(CHECK_PATH_CAPACITY + 50, 'p');
    FakeSignals fake;
    CheckSignals signals = signals_of(&fake);
    CheckJob job;
    ASSERT_TRUE(PrepareCheckJob(&job, scripted_checker, path.c_str(), 0, &signals));
    EXPECT_EQ(strlen(job.path), (size_t)CHECK_PATH_CAPACITY - 1);
    ReleaseCheckJob(&job);
}

} // namespace

TEST(CheckJob, NewsHandsOverTheProblemsAndOnceDoneTheOutcome)
{
    const struct {
        const char *label;
        bool run;
        uint32_t problem_count;
        int done;
        uint64_t records;
    } cases[] = {
        {"before the check", false, 0, 0, 0},
        {"after the check", true, 7, 1, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeSignals fake;
        CheckSignals signals = signals_of(&fake);
        CheckJob job;
        ASSERT_TRUE(PrepareCheckJob(&job, scripted_checker, "7", NAACCR_CHECK_CHECKSUMS, &signals));
        if (c.run)
            RunCheckJob(&job);
        CheckNews news;
        memset(&news, 0xA5, sizeof news);
        TakeCheckNews(&job, &news);
        EXPECT_EQ(news.problem_count, c.problem_count);
        EXPECT_EQ(news.done, c.done);
        if (c.done) {
            EXPECT_EQ(news.result, NAACCR_REC_OK);
            EXPECT_EQ(news.summary.records, c.records);
            EXPECT_EQ(news.summary.counts[0], (uint64_t)NAACCR_CHECK_CHECKSUMS);
            EXPECT_STREQ(news.problems[c.problem_count - 1].message, "problem 7");
        }
        ReleaseCheckJob(&job);
    }
}

namespace
{

// A NAACCR 18 incidence record with Sex, Date of Birth and Date of Diagnosis put in, then LF.
std::string incidence_record(const char *sex, const char *birth, const char *diagnosis)
{
    std::string record = "I" + std::string(4047, ' ');
    record.replace(16, 3, "180");
    record.replace(221, 1, sex);
    record.replace(225, 8, birth);
    record.replace(543, 8, diagnosis);
    return record + "\n";
}

} // namespace

TEST(CheckJob, ItemProblemsAreListedWithTheirItemWhenAsked)
{
    const std::string path = write_test_file("items.dat", incidence_record("2", "19500228", "20190101") +
                                                              incidence_record("X", "20190230", "20191345"));
    const struct {
        const char *label;
        bool items;
        std::vector<std::string> rows; // record, column, code, message start
    } cases[] = {
        {"records alone: the items are not looked at", false, {}},
        {"also the data items",
         true,
         {"2 222 16 Item 220 Sex, value \"X\": Sex (item 220",
          "2 232 18 Item 240 Date of Birth, value \"20190230\": Date of Birth (item 240",
          "2 548 18 Item 390 Date of Diagnosis, value \"20191345\": Date of Diagnosis (item 390"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeSignals fake;
        CheckSignals signals = signals_of(&fake);
        CheckJob job;
        ASSERT_TRUE(PrepareCheckJob(&job, cvCheckNaaccrFile, path.c_str(), 0, &signals));
        if (c.items)
            CheckItemsToo(&job, cvCheckNaaccrFileEx);
        RunCheckJob(&job);
        EXPECT_EQ(job.result, NAACCR_REC_OK);
        EXPECT_EQ(job.summary.records, 2u);
        EXPECT_EQ(job.summary.problems, c.rows.size());
        ASSERT_EQ(job.problem_count, c.rows.size());
        for (size_t i = 0; i < c.rows.size(); ++i) {
            const NaaccrProblem &p = job.problems[i];
            const std::string row = std::to_string(p.record) + " " + std::to_string(p.column) + " " +
                                    std::to_string(p.code) + " " + p.message;
            EXPECT_EQ(row.compare(0, c.rows[i].size(), c.rows[i]), 0) << row;
        }
        ReleaseCheckJob(&job);
    }
}

TEST(CheckJob, AnItemRowKeepsItsValuePrintableAndCut)
{
    const std::string long_value(300, '7');
    const struct {
        const char *label;
        int32_t number;
        std::string value;
        const char *want;
    } cases[] = {
        {"a control byte and a high byte become '?'", 220, std::string("\x01\xe9", 2),
         "Item 220 Name, value \"??\": why"},
        {"no item: the message alone", 0, "", "why"},
        {"a long value is cut to the row", 10, long_value, "Item 10 Name, value \"777"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        NaaccrItemProblem item;
        memset(&item, 0, sizeof item);
        item.record = 4;
        item.column = 9;
        item.code = NAACCR_CHECK_ITEM_DATA_TYPE;
        item.item_number = c.number;
        item.item_name = "Name";
        item.message = "why";
        item.value = c.value.data();
        item.value_length = static_cast<uint32_t>(c.value.size());
        NaaccrProblem row;
        ItemProblemRow(&item, &row);
        EXPECT_EQ(std::string(row.message).compare(0, strlen(c.want), c.want), 0) << row.message;
        EXPECT_LT(strlen(row.message), sizeof row.message);
        EXPECT_EQ(row.record, 4u);
        EXPECT_EQ(row.code, NAACCR_CHECK_ITEM_DATA_TYPE);
    }
}

TEST(CheckJob, ThePatientCellNamesTheIdsGiven)
{
    const struct {
        const char *label;
        const char *patient, *tumour, *accession;
        const char *want;
    } cases[] = {
        {"all three", "00001234", "01", "200100123", "00001234, tumour 01, accession 200100123"},
        {"the tumour alone", nullptr, "02", nullptr, "tumour 02"},
        {"none", nullptr, nullptr, nullptr, ""},
        {"an unprintable byte becomes '?'",
         "12\x01"
         "4",
         nullptr, "", "12?4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        NaaccrItemProblem item;
        memset(&item, 0, sizeof item);
        item.patient_id = c.patient;
        item.tumor_record_number = c.tumour;
        item.accession_number = c.accession;
        char text[CHECK_PATIENT_CAPACITY];
        ProblemPatientText(&item, text, sizeof text);
        EXPECT_STREQ(text, c.want);
    }
    char small[12];
    NaaccrItemProblem item;
    memset(&item, 0, sizeof item);
    item.patient_id = "00001234";
    item.tumor_record_number = "01";
    ProblemPatientText(&item, small, sizeof small);
    EXPECT_STREQ(small, "00001234, t") << "cut to fit";
}
