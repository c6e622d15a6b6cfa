// record_check_dialog_test.cpp -- what the record check dialog shows before, during and after a check; its
// texts (progress, time left, summary, log line, report, suggested name); the list's limit; saving.
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "record_check_dialog.h"
#include "resource.h"
#include "test_files.h"
#include "ui_recorder.h"

namespace
{

// 1 while a check runs or is being cancelled: the dialog's phase, as the window's procedure sees it.
int CheckIsRunning(const CheckDialog *dialog)
{
    return dialog->phase == CHECK_RUNNING || dialog->phase == CHECK_STOPPING;
}

#ifdef _WIN32
const std::string EOL = "\r\n";
#else
const std::string EOL = "\n";
#endif

void no_lock(void *) {}
int accept_notice(void *) { return 1; }
const CheckSignals signals = {nullptr, no_lock, no_lock, accept_notice};

// Records of 850 bytes (type U, version 7), CR LF; each listed record gets a TAB in column 30.
std::string records(int count, const std::vector<int> &with_tab = {})
{
    std::string record = "U7" + std::string(848, ' ') + "\r\n";
    std::string bytes;
    bytes.reserve(record.size() * (size_t)count);
    for (int number = 1; number <= count; ++number)
        bytes += record;
    for (int n : with_tab)
        bytes[(size_t)(n - 1) * record.size() + 29] = '\t';
    return bytes;
}

NaaccrCheckSummary summary_of(uint64_t records, std::vector<std::pair<int, uint64_t>> counts, int stopped = 0)
{
    NaaccrCheckSummary s;
    memset(&s, 0, sizeof s);
    s.records = records;
    for (auto &count : counts) {
        s.counts[count.first] = count.second;
        s.problems += count.second;
    }
    s.stopped = stopped;
    return s;
}

TEST(CheckTexts, TimeLeftInSecondsMinutesAndHours)
{
    const struct {
        uint64_t seconds;
        const char *text;
    } cases[] = {{0, "a few seconds left"},         {9, "a few seconds left"},      {10, "about 10 s left"},
                 {59, "about 59 s left"},           {60, "about 1 min 0 s left"},   {200, "about 3 min 20 s left"},
                 {3599, "about 59 min 59 s left"},  {3600, "about 1 h 0 min left"}, {7500, "about 2 h 5 min left"},
                 {400000, "about 111 h 6 min left"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.seconds);
        char text[64];
        FormatTimeLeft(c.seconds, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST(CheckTexts, ProgressLineEstimatesTheTimeLeftFromTheBytesRead)
{
    const uint64_t five_tb = 5000000000000ull;
    const struct {
        const char *label;
        struct {
            uint32_t problem_count;
            uint64_t bytes_done;
            int64_t bytes_total;
            uint64_t records;
            int progressed, done;
        } news;
        uint64_t elapsed_ms;
        const char *text;
    } cases[] = {
        {"before the first report", {0, 0, 0, 0, 0, 0}, 5000, "Starting the check..."},
        {"first report", {0, 0, 1000, 0, 1, 0}, 10, "0% - 0 records checked - estimating the time left"},
        {"under a second", {0, 500, 1000, 7, 1, 0}, 999, "50% - 7 records checked - estimating the time left"},
        {"half after 20 s", {0, 500, 1000, 1, 1, 0}, 20000, "50% - 1 record checked - about 20 s left"},
        {"a quarter after 1 min",
         {0, 250, 1000, 1234567, 1, 0},
         60000,
         "25% - 1234567 records checked - about 3 min 0 s left"},
        {"rounded up", {0, 999, 1000, 5, 1, 0}, 10000, "99% - 5 records checked - a few seconds left"},
        {"5 TB file, a hundredth after 2 min",
         {0, five_tb / 100, (int64_t)five_tb, 9, 1, 0},
         120000,
         "1% - 9 records checked - about 3 h 18 min left"},
        {"size unknown", {0, 4000, -1, 12, 1, 0}, 20000, "12 records checked"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        CheckNews news;
        memset(&news, 0, sizeof news);
        news.problem_count = c.news.problem_count;
        news.bytes_done = c.news.bytes_done;
        news.bytes_total = c.news.bytes_total;
        news.records = c.news.records;
        news.progressed = c.news.progressed;
        news.done = c.news.done;
        char text[TEXT_CAPACITY];
        FormatCheckProgress(&news, c.elapsed_ms, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST(CheckTexts, ProgressIsInThousandthsAndNeverOverflows)
{
    const struct {
        uint64_t done;
        int64_t total;
        uint32_t permille;
    } cases[] = {{0, 0, 0},
                 {5, -1, 0},
                 {0, 100, 0},
                 {1, 3, 333},
                 {100, 100, 1000},
                 {150, 100, 1000},
                 {INT64_MAX / 2, INT64_MAX, 500},
                 {INT64_MAX - 1, INT64_MAX, 999},
                 {INT64_MAX, INT64_MAX, 1000},
                 {UINT64_MAX, INT64_MAX, 1000}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.done) + " of " + std::to_string(c.total));
        EXPECT_EQ(ProgressPermille(c.done, c.total), c.permille);
    }
}

TEST(CheckTexts, SummaryNamesRecordsProblemsByKindAndHowTheCheckEnded)
{
    NaaccrCheckSummary checked = summary_of(1000, {{NAACCR_CHECK_ILLEGAL_BYTE, 1}, {NAACCR_CHECK_RECORD_LENGTH, 3}});
    NaaccrCheckSummary with_checksums = summary_of(2, {{NAACCR_CHECK_CHECKSUM_MISMATCH, 1}});
    with_checksums.checksums_matched = 1;
    const struct {
        const char *label;
        int32_t result;
        NaaccrCheckSummary summary;
        uint32_t flags;
        const char *text;
    } cases[] = {
        {"kinds in the order of their numbers", NAACCR_REC_OK, checked, 0,
         "1000 records, 4 problems (3 Record length, 1 Illegal character)"},
        {"no problems", NAACCR_REC_OK, summary_of(1000, {}), 0, "1000 records, no problems"},
        {"one record, one problem", NAACCR_REC_OK, summary_of(1, {{NAACCR_CHECK_TERMINATOR_OMITTED, 1}}), 0,
         "1 record, 1 problem (1 Last line ending missing)"},
        {"cancelled", NAACCR_REC_OK, summary_of(200, {{NAACCR_CHECK_VERSION, 2}}, 2), 0,
         "cancelled after 200 records, 2 problems so far (2 Version code)"},
        {"cancelled before any problem", NAACCR_REC_OK, summary_of(0, {}, 2), 0,
         "cancelled after 0 records, no problems so far"},
        {"read failed", NAACCR_REC_READ_FAILED, summary_of(7, {}), 0,
         "reading failed after 7 records, no problems so far"},
        {"checksums, one matches", NAACCR_REC_OK, with_checksums, NAACCR_CHECK_CHECKSUMS,
         "2 records, 1 problem (1 Checksum mismatch), 1 checksum matches"},
        {"checksums, none match", NAACCR_REC_OK, summary_of(3, {}), NAACCR_CHECK_CHECKSUMS,
         "3 records, no problems, 0 checksums match"},
        {"cannot open", NAACCR_REC_OPEN_FAILED, summary_of(0, {}), 0, "the file could not be opened"},
        {"empty", NAACCR_REC_EMPTY_FILE, summary_of(0, {}), NAACCR_CHECK_CHECKSUMS, "the file is empty"},
        {"no memory", NAACCR_REC_NO_MEMORY, summary_of(0, {}), 0, "not enough memory to check the file"},
        {"another code", NAACCR_REC_BAD_ARGUMENT, summary_of(0, {}), 0, "the check failed (code 4096)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        char text[1024];
        FormatCheckSummary(c.result, &c.summary, c.flags, text, sizeof text);
        EXPECT_STREQ(text, c.text);
        FormatCheckLogLine(c.result, &c.summary, c.flags, text, sizeof text);
        EXPECT_EQ(std::string(text), std::string(c.flags ? "Check with checksums: " : "Check: ") + c.text);
    }
}

TEST(CheckTexts, SummaryOfEveryKindStaysWithinItsRoom)
{
    NaaccrCheckSummary s = summary_of(UINT64_MAX, {});
    for (int kind = 1; kind < NAACCR_CHECK_KINDS; ++kind) {
        s.counts[kind] = UINT64_MAX / 16;
        s.problems += s.counts[kind];
    }
    for (size_t capacity : {(size_t)1, (size_t)10, (size_t)100, (size_t)1024}) {
        SCOPED_TRACE(capacity);
        std::vector<char> text(capacity + 8, 'x');
        FormatCheckLogLine(NAACCR_REC_OK, &s, NAACCR_CHECK_CHECKSUMS, text.data(), capacity);
        EXPECT_LT(strlen(text.data()), capacity);
        EXPECT_EQ(text[capacity], 'x');
    }
    char text[1024];
    FormatCheckSummary(NAACCR_REC_OK, &s, 0, text, sizeof text);
    EXPECT_NE(strstr(text, "Checksum field cut)"), nullptr) << text;
}

TEST(CheckTexts, ReportNameIsTheFileWithoutItsExtensionAndCheckTxt)
{
    const struct {
        const char *path;
        size_t capacity;
        const char *suggested;
    } cases[] = {
        {"C:\\data\\incidence.txd", 260, "C:\\data\\incidence-check.txt"},
        {"C:\\data\\incidence", 260, "C:\\data\\incidence-check.txt"},
        {"C:\\data.2014\\incidence", 260, "C:\\data.2014\\incidence-check.txt"},
        {"C:/data/a.b.txt", 260, "C:/data/a.b-check.txt"},
        {"C:\\data\\.hidden", 260, "C:\\data\\.hidden-check.txt"},
        {"C:\\a.txt", 16, "C:\\a-check.txt"},
        {"C:\\ab.txt", 15, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        char suggested[260];
        memset(suggested, 'x', sizeof suggested);
        SuggestReportPath(c.path, suggested, c.capacity);
        EXPECT_STREQ(suggested, c.suggested);
    }
}

// A dialog opened for `path`, with the log open in the test's folder.
struct Opened {
    UiRecorder r;
    DialogUi ui;
    ProgramState program;
    CheckDialog dialog;
    std::string log_path;

    explicit Opened(const std::string &path, CheckFileFunction checker = cvCheckNaaccrFile)
    {
        ui = r.ui();
        memset(&program, 0, sizeof program);
        snprintf(program.check_path, sizeof program.check_path, "%s", path.c_str());
        program.checker = checker;
        log_path = test_folder() + "/veldrix.log";
        EXPECT_TRUE(OpenInspectionLog(&program.log, &ui, log_path.c_str()));
        InitCheckDialog(&ui, &dialog, &program);
    }
    ~Opened()
    {
        ReleaseCheckDialog(&dialog);
        ReleaseInspectionLog(&program.log);
    }
    // Start, the checking thread's whole run, the notice and the end, as the dispatcher does them.
    void run_check()
    {
        ASSERT_TRUE(StartCheck(&ui, &dialog, &signals));
        RunCheckJob(&dialog.job);
        ASSERT_EQ(ShowCheckNews(&ui, &dialog), 1);
        FinishCheck(&ui, &dialog);
    }
    std::string log()
    {
        fflush(program.log.stream);
        return read_file(log_path);
    }
    std::string controls()
    {
        std::string text;
        for (int id : {IDC_CHECK_START, IDC_CHECK_CHECKSUMS, IDC_CHECK_STOP, IDC_CHECK_SAVE})
            text += std::to_string(r.enabled[id]);
        return text;
    }
};

TEST(CheckDialog, OpensIdleWithTheFileTheColumnsAndTheKeptChoice)
{
    for (int kept : {0, 1}) {
        SCOPED_TRACE(kept);
        UiRecorder r;
        DialogUi ui = r.ui();
        ProgramState program;
        memset(&program, 0, sizeof program);
        snprintf(program.check_path, sizeof program.check_path, "C:\\data\\f.txd");
        program.check_checksums = kept;
        CheckDialog dialog;
        InitCheckDialog(&ui, &dialog, &program);
        EXPECT_EQ(r.fields[IDC_CHECK_PATH], "C:\\data\\f.txd");
        EXPECT_EQ(r.checks[IDC_CHECK_CHECKSUMS], kept);
        EXPECT_EQ(r.fields[IDC_CHECK_STATUS], "Press Start to check every record.");
        EXPECT_EQ(r.fields[IDC_CHECK_SUMMARY], "");
        EXPECT_EQ(r.list_counts[IDC_CHECK_LIST], 0u);
        EXPECT_EQ(r.progress[IDC_CHECK_PROGRESS], 0u);
        std::vector<std::string> columns = {"Record 44 1", "Patient 160 0", "Offset 56 1",
                                            "Column 34 1", "Problem 92 0",  "Message 360 0"};
        EXPECT_EQ(r.columns, columns);
        // Start, the check box, Cancel, Save report...
        std::string enabled;
        for (int id : {IDC_CHECK_START, IDC_CHECK_CHECKSUMS, IDC_CHECK_STOP, IDC_CHECK_SAVE})
            enabled += std::to_string(r.enabled[id]);
        EXPECT_EQ(enabled, "1100");
        EXPECT_FALSE(CheckIsRunning(&dialog));
        ReleaseCheckDialog(&dialog);
    }
}

TEST(CheckDialog, ShowsEachStepOfACheckAndLogsItsEnd)
{
    std::string path = write_test_file("three problems.dat", records(10, {2, 5, 9}));
    Opened o(path);
    o.r.clock = 1000;
    ASSERT_TRUE(StartCheck(&o.ui, &o.dialog, &signals));
    EXPECT_EQ(o.controls(), "0010");
    EXPECT_TRUE(CheckIsRunning(&o.dialog));
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "Starting the check...");
    EXPECT_EQ(StartCheck(&o.ui, &o.dialog, &signals), 0) << "a second Start while checking";

    // The thread's news arrives in steps: what it has handed over, then the notice.
    CheckJob &job = o.dialog.job;
    job.progressed = 1;
    job.bytes_total = 10 * 852;
    job.bytes_done = 4 * 852;
    job.records = 4;
    job.problem_count = 1;
    o.r.clock = 3000;
    EXPECT_EQ(ShowCheckNews(&o.ui, &o.dialog), 0);
    EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], 1u);
    EXPECT_EQ(o.r.progress[IDC_CHECK_PROGRESS], 400u);
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "40% - 4 records checked - a few seconds left");

    job.problem_count = 0;
    job.progressed = 0;
    RunCheckJob(&job);
    EXPECT_EQ(ShowCheckNews(&o.ui, &o.dialog), 1);
    FinishCheck(&o.ui, &o.dialog);
    EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], 3u);
    EXPECT_EQ(o.r.progress[IDC_CHECK_PROGRESS], 1000u);
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "100% - 10 records checked");
    EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], "10 records, 3 problems (3 Illegal character)");
    EXPECT_EQ(o.controls(), "1101");
    EXPECT_FALSE(CheckIsRunning(&o.dialog));
    EXPECT_EQ(o.log(), "Check: 10 records, 3 problems (3 Illegal character)" + EOL);

    const struct {
        uint32_t row;
        int column;
        const char *text;
    } cells[] = {{0, 0, "2"}, {0, 1, ""},     {0, 2, "852"}, {0, 3, "30"}, {0, 4, "Illegal character"},
                 {2, 0, "9"}, {2, 2, "6816"}, {2, 6, ""},    {3, 0, ""},   {UINT32_MAX, 0, ""}};
    for (const auto &c : cells) {
        SCOPED_TRACE(std::to_string(c.row) + "/" + std::to_string(c.column));
        char text[64];
        CheckCellText(&o.dialog, c.row, c.column, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    char message[TEXT_CAPACITY];
    CheckCellText(&o.dialog, 1, 5, message, sizeof message);
    EXPECT_STREQ(message, o.dialog.job.problems[1].message);
    EXPECT_GT(strlen(message), 0u);
}

TEST(CheckDialog, CancelKeepsWhatWasFoundAndSaysSoEverywhere)
{
    std::string path = write_test_file("cancelled.dat", records(20, {1}));
    Opened o(path);
    ASSERT_TRUE(StartCheck(&o.ui, &o.dialog, &signals));
    StopCheck(&o.ui, &o.dialog);
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "Cancelling the check...");
    EXPECT_EQ(o.controls(), "0000");
    EXPECT_TRUE(CheckIsRunning(&o.dialog)) << "the thread still runs until it has seen the request";
    RunCheckJob(&o.dialog.job);
    ASSERT_EQ(ShowCheckNews(&o.ui, &o.dialog), 1);
    FinishCheck(&o.ui, &o.dialog);
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "Cancelled at 0% - 0 records checked");
    EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], "Cancelled after 0 records, no problems so far");
    EXPECT_EQ(o.controls(), "1101");
    EXPECT_EQ(o.log(), "Check: cancelled after 0 records, no problems so far" + EOL);

    // Stop and a second FinishCheck after the end change nothing.
    StopCheck(&o.ui, &o.dialog);
    FinishCheck(&o.ui, &o.dialog);
    EXPECT_EQ(o.log(), "Check: cancelled after 0 records, no problems so far" + EOL);
}

TEST(CheckDialog, ListsTheFirstTenThousandProblemsAndCountsTheRest)
{
    std::vector<int> tabs;
    for (int n = 1; n <= CHECK_LIST_LIMIT + 50; ++n)
        tabs.push_back(n);
    std::string path = write_test_file("many.dat", records(CHECK_LIST_LIMIT + 60, tabs));
    Opened o(path);
    o.run_check();
    EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], (uint32_t)CHECK_LIST_LIMIT);
    EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], "10060 records, 10050 problems (10050 Illegal character)\n"
                                             "The list holds the first 10000 problems; 50 more are only counted.");
    char text[32];
    CheckCellText(&o.dialog, CHECK_LIST_LIMIT - 1, 0, text, sizeof text);
    EXPECT_STREQ(text, "10000");
    EXPECT_EQ(o.log(), "Check: 10060 records, 10050 problems (10050 Illegal character)" + EOL);

    std::string report_path = test_folder() + "/many-check.txt";
    o.r.save_path = report_path;
    SaveCheckReport(&o.ui, &o.dialog);
    std::string report = read_file(report_path);
    EXPECT_NE(report.find("The list holds the first 10000 problems; 50 more are only counted." + EOL),
              std::string::npos);
    size_t lines = 0;
    for (char c : report)
        lines += c == '\n';
    EXPECT_EQ(lines, 4u + 1u + 2u + (size_t)CHECK_LIST_LIMIT);
}

TEST(CheckDialog, ChecksumChoiceIsReadAtStartAndKept)
{
    std::string path = write_test_file("sums.dat", records(2));
    Opened o(path);
    o.r.check_answers[IDC_CHECK_CHECKSUMS] = 1;
    o.run_check();
    EXPECT_EQ(o.program.check_checksums, 1);
    EXPECT_EQ(o.dialog.job.flags, (uint32_t)NAACCR_CHECK_CHECKSUMS);
    // Type U has no checksum field: one NO_CHECKSUM problem at record 1.
    EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], "2 records, 1 problem (1 No checksum field), 0 checksums match");
    o.r.check_answers[IDC_CHECK_CHECKSUMS] = 0;
    o.run_check();
    EXPECT_EQ(o.program.check_checksums, 0);
    EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], "2 records, no problems");
    EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], 0u) << "a new check empties the list";
    EXPECT_EQ(o.log(), "Check with checksums: 2 records, 1 problem (1 No checksum field), 0 checksums match" + EOL +
                           "Check: 2 records, no problems" + EOL);
}

TEST(CheckDialog, AFileThatCannotBeReadNowEndsTheCheckWithItsReason)
{
    const struct {
        const char *label;
        bool exists;
        const char *summary;
    } cases[] = {
        {"removed since it was chosen", false, "The file could not be opened"},
        {"emptied since it was chosen", true, "The file is empty"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string path = c.exists ? write_test_file("emptied.dat", "") : test_folder() + "/gone.dat";
        Opened o(path);
        o.run_check();
        EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "The file could not be checked.");
        EXPECT_EQ(o.r.fields[IDC_CHECK_SUMMARY], c.summary);
        EXPECT_EQ(o.controls(), "1101");
    }
}

TEST(CheckDialog, AThreadThatCannotStartLeavesTheDialogReady)
{
    Opened o(write_test_file("f.dat", records(1)));
    ASSERT_TRUE(StartCheck(&o.ui, &o.dialog, &signals));
    AbandonCheck(&o.ui, &o.dialog);
    EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], "The check could not be started.");
    EXPECT_EQ(o.controls(), "1100");
    EXPECT_FALSE(CheckIsRunning(&o.dialog));
    EXPECT_EQ(o.dialog.job.problems, nullptr);
    EXPECT_EQ(ShowCheckNews(&o.ui, &o.dialog), 0);
    EXPECT_EQ(o.log(), "");
}

TEST(CheckReport, IsTheSummaryAndATabSeparatedTableOfTheListedProblems)
{
    std::string path = write_test_file("report.dat", records(3, {3}));
    Opened o(path);
    SaveCheckReport(&o.ui, &o.dialog);
    EXPECT_TRUE(o.r.saves.empty()) << "nothing to save before a check";
    o.run_check();

    const struct {
        const char *label;
        std::string save_path; // "" : the save-file dialog was cancelled
        bool written;
        size_t boxes;
    } cases[] = {
        {"saved", test_folder() + "/report-check.txt", true, 0},
        {"cancelled", "", false, 0},
        {"a folder cannot be written", test_folder(), false, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        o.r.boxes.clear();
        o.r.saves.clear();
        o.r.save_path = c.save_path;
        SaveCheckReport(&o.ui, &o.dialog);
        ASSERT_EQ(o.r.saves.size(), 1u);
        std::string suggested = path.substr(0, path.size() - 4) + "-check.txt";
        EXPECT_EQ(o.r.saves[0], suggested);
        ASSERT_EQ(o.r.boxes.size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(o.r.boxes[0].text, "Could not write the report to " + c.save_path);
        }
        if (c.written) {
            char message[TEXT_CAPACITY];
            CheckCellText(&o.dialog, 0, 5, message, sizeof message);
            EXPECT_EQ(read_file(c.save_path), "Corvella VELDRIX 1.1.5 - record check" + EOL + "File: " + path + EOL +
                                                  "Checksum fields: not verified" + EOL +
                                                  "Result: 3 records, 1 problem (1 Illegal character)" + EOL + EOL +
                                                  "Record\tPatient\tOffset\tColumn\tProblem\tMessage" + EOL +
                                                  "3\t\t1704\t30\tIllegal character\t" + message + EOL);
        }
    }
}

TEST(CheckReport, WithoutProblemsHasNoTable)
{
    Opened o(write_test_file("clean.dat", records(2)));
    o.run_check();
    std::string report_path = test_folder() + "/clean-check.txt";
    FILE *stream = fopen(report_path.c_str(), "wt");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(WriteCheckReport(stream, &o.dialog), 1);
    fclose(stream);
    EXPECT_EQ(read_file(report_path), "Corvella VELDRIX 1.1.5 - record check" + EOL + "File: " + o.dialog.path + EOL +
                                          "Checksum fields: not verified" + EOL + "Result: 2 records, no problems" +
                                          EOL);
}

} // namespace

TEST(CheckDialog, ItemChoiceIsOfferedByALibraryThatHasItAndListsTheItem)
{
    std::string record = "I" + std::string(4047, ' ');
    record.replace(16, 3, "180");
    record.replace(221, 1, "X"); // Sex: digits only
    const std::string path = write_test_file("items.dat", record + "\n" + record + "\n");
    const struct {
        const char *label;
        CheckFileExFunction item_checker;
        int ticked;
        const char *enabled; // the item box while idle
        uint32_t flags;
        uint32_t rows;
    } cases[] = {
        {"a 1.2 library: the box greyed, records alone", nullptr, 1, "0", 0, 0},
        {"the box left empty", cvCheckNaaccrFileEx, 0, "1", 0, 0},
        {"the box ticked", cvCheckNaaccrFileEx, 1, "1", NAACCR_CHECK_ITEMS, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        UiRecorder r;
        DialogUi ui = r.ui();
        ProgramState program;
        memset(&program, 0, sizeof program);
        snprintf(program.check_path, sizeof program.check_path, "%s", path.c_str());
        program.checker = cvCheckNaaccrFile;
        program.item_checker = c.item_checker;
        program.check_items = 1;
        const std::string log_path = test_folder() + "/items.log";
        ASSERT_TRUE(OpenInspectionLog(&program.log, &ui, log_path.c_str()));
        CheckDialog dialog;
        InitCheckDialog(&ui, &dialog, &program);
        EXPECT_EQ(std::to_string(r.enabled[IDC_CHECK_ITEMS]), c.enabled);
        EXPECT_EQ(r.checks[IDC_CHECK_ITEMS], c.item_checker != nullptr ? 1 : 0) << "the kept choice";
        r.check_answers[IDC_CHECK_ITEMS] = c.ticked;
        ASSERT_TRUE(StartCheck(&ui, &dialog, &signals));
        EXPECT_EQ(r.enabled[IDC_CHECK_ITEMS], 0) << "greyed while the check runs";
        RunCheckJob(&dialog.job);
        ASSERT_EQ(ShowCheckNews(&ui, &dialog), 1);
        FinishCheck(&ui, &dialog);
        EXPECT_EQ(dialog.job.flags, c.flags);
        EXPECT_EQ(r.list_counts[IDC_CHECK_LIST], c.rows);
        EXPECT_EQ(r.fields[IDC_CHECK_SUMMARY],
                  c.rows > 0 ? "2 records, 2 problems (2 item problems)" : "2 records, no problems");
        if (c.rows > 0) {
            char text[300];
            CheckCellText(&dialog, 1, 5, text, sizeof text);
            EXPECT_EQ(std::string(text).rfind("Item 220 Sex, value \"X\": Sex (item 220", 0), 0u) << text;
            CheckCellText(&dialog, 1, 0, text, sizeof text);
            EXPECT_STREQ(text, "2");
        }
        EXPECT_EQ(program.check_items, c.item_checker != nullptr ? c.ticked : 1);
        ReleaseCheckDialog(&dialog);
        ReleaseInspectionLog(&program.log);
    }
}

TEST(CheckDialog, ThePatientColumnNamesThePatientAndTumourOfEachProblem)
{
    std::string record = "I" + std::string(4047, ' ');
    record.replace(16, 3, "180");
    record.replace(39, 2, "01");       // Tumor Record Number
    record.replace(41, 8, "00001234"); // Patient ID Number
    record.replace(221, 1, "X");       // Sex: digits only
    std::string tabbed = record;
    tabbed[99] = '\t';
    const std::string path = write_test_file("ids.dat", record + "\n" + tabbed + "\n");
    const struct {
        const char *label;
        int ids; // the library names them (1.6 on)
        uint32_t flags;
        const char *patient;
    } cases[] = {
        {"a library that names them", 1, NAACCR_CHECK_ITEMS | NAACCR_CHECK_IDS, "00001234, tumour 01"},
        {"an older library", 0, NAACCR_CHECK_ITEMS, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Opened o(path);
        o.program.item_checker = cvCheckNaaccrFileEx;
        o.program.item_checker_ids = c.ids;
        InitCheckDialog(&o.ui, &o.dialog, &o.program);
        o.r.check_answers[IDC_CHECK_ITEMS] = 1;
        o.run_check();
        EXPECT_EQ(o.dialog.job.flags, c.flags);
        ASSERT_EQ(o.r.list_counts[IDC_CHECK_LIST], 3u);
        const char *problems[] = {"Item data type", "Illegal character", "Item data type"};
        for (uint32_t row = 0; row < 3; ++row) {
            SCOPED_TRACE(row);
            char text[300];
            CheckCellText(&o.dialog, row, 1, text, sizeof text);
            EXPECT_STREQ(text, c.patient);
            CheckCellText(&o.dialog, row, 4, text, sizeof text);
            EXPECT_STREQ(text, problems[row]);
        }
        const std::string report_path = test_folder() + "/ids-check.txt";
        FILE *stream = fopen(report_path.c_str(), "wt");
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(WriteCheckReport(stream, &o.dialog), 1);
        fclose(stream);
        EXPECT_NE(read_file(report_path).find(EOL + "2\t" + c.patient + "\t4049\t100\tIllegal character\t"),
                  std::string::npos);
    }
}

// The options' sizes the item checker was given: a library before 1.5 takes only the 1.3 size.
static std::vector<uint32_t> option_sizes;

static int32_t CV_CALL sized_item_checker(const char *path, const NaaccrItemCheckOptions *options,
                                          NaaccrItemCheckSummary *summary)
{
    option_sizes.push_back(options->size);
    return cvCheckNaaccrFileEx(path, options, summary);
}

// (A short name: the test's folder must leave the path within the dialog's 259 characters on Windows.)
TEST(CheckDialog, ItemBoxChecksCodesWhereTheLibraryCan)
{
    std::string record = "I" + std::string(4047, ' ');
    record.replace(16, 3, "180");
    record.replace(221, 1, "7"); // Sex: no such code
    const std::string path = write_test_file("c.dat", record + "\n" + record + "\n");
    const uint32_t size_1_3 = offsetof(NaaccrItemCheckOptions, code_report);
    const struct {
        const char *label;
        int codes; // the library has cvGetNaaccrItemCodes
        int ticked;
        const char *box; // the item box's text: "" the template's
        uint32_t flags, size, rows;
        const char *codes_line; // in the saved report
    } cases[] = {
        {"a 1.5 library, ticked", 1, 1, "", NAACCR_CHECK_ITEMS | NAACCR_CHECK_CODES, sizeof(NaaccrItemCheckOptions), 2,
         "Codes: checked by the lists of NAACCR 180 and SEER's site/histology list of 2022-04-29, which judged 0 of "
         "2 tumours and left 0 diagnosed outside 2021 to 2023"},
        {"a 1.5 library, left empty", 1, 0, "", 0, size_1_3, 0, nullptr},
        {"a 1.4 library: items alone", 0, 1, "Also check data items", NAACCR_CHECK_ITEMS, size_1_3, 0, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Opened o(path);
        o.program.item_checker = sized_item_checker;
        o.program.item_checker_codes = c.codes;
        o.r.fields.clear();
        InitCheckDialog(&o.ui, &o.dialog, &o.program);
        EXPECT_EQ(o.r.fields.count(IDC_CHECK_ITEMS) != 0 ? o.r.fields[IDC_CHECK_ITEMS] : "", c.box);
        o.r.check_answers[IDC_CHECK_ITEMS] = c.ticked;
        option_sizes.clear();
        o.run_check();
        EXPECT_EQ(o.dialog.job.flags, c.flags);
        EXPECT_EQ(option_sizes, std::vector<uint32_t>{c.size});
        EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], c.rows);
        if (c.rows > 0) {
            char text[300];
            CheckCellText(&o.dialog, 0, 4, text, sizeof text);
            EXPECT_STREQ(text, "Invalid code");
        }
        const std::string report_path = test_folder() + "/codes-check.txt";
        FILE *stream = fopen(report_path.c_str(), "wt");
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(WriteCheckReport(stream, &o.dialog), 1);
        fclose(stream);
        const std::string report = read_file(report_path);
        if (c.codes_line != nullptr)
            EXPECT_NE(report.find("Data items: checked" + EOL + c.codes_line + EOL +
                                  "Result: 2 records, 2 problems (2 item problems)" + EOL),
                      std::string::npos)
                << report;
        else
            EXPECT_EQ(report.find("Codes:"), std::string::npos) << report;
    }
}

TEST(CheckDialog, NaaccrXmlIsCheckedWholeByALibraryThatHasTheItemChecker)
{
    const std::string path = write_test_file(
        "faults.xml", "<?xml version=\"1.0\"?>\n"
                      "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
                      "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\n"
                      "<Patient>\n<Item naaccrId=\"sex\">X</Item>\n"
                      "<Tumor><Item naaccrId=\"noSuchItem\">1</Item></Tumor>\n<Tumor/>\n</Patient>\n</NaaccrData>\n");
    const struct {
        const char *label;
        CheckFileExFunction item_checker;
        int ticked;
        std::vector<std::string> rows; // the message column
        const char *status;
    } cases[] = {
        {"a 1.2 library: the file is only named", nullptr, 0, {"NAACCR XML file"}, "100% - 0 records checked"},
        {"the box left empty",
         cvCheckNaaccrFileEx,
         0,
         {"Line 4, patient 1: Item 220 Sex, value \"X\": sex: 'X' where only digits 0-9 may stand",
          "Line 5, patient 1, tumour 1: Item noSuchItem, value \"1\": unknown item noSuchItem: not in dictionary 250"},
         "100% - 2 tumours checked - NAACCR XML, version 250, record type I"},
        {"the box ticked",
         cvCheckNaaccrFileEx,
         1,
         {"Line 4, patient 1: Item 220 Sex, value \"X\": sex: 'X' where only digits 0-9 may stand",
          "Line 5, patient 1, tumour 1: Item noSuchItem, value \"1\": unknown item noSuchItem: not in dictionary 250"},
         "100% - 2 tumours checked - NAACCR XML, version 250, record type I"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        UiRecorder r;
        DialogUi ui = r.ui();
        ProgramState program;
        memset(&program, 0, sizeof program);
        snprintf(program.check_path, sizeof program.check_path, "%s", path.c_str());
        program.checker = cvCheckNaaccrFile;
        program.item_checker = c.item_checker;
        CheckDialog dialog;
        InitCheckDialog(&ui, &dialog, &program);
        r.check_answers[IDC_CHECK_ITEMS] = c.ticked;
        ASSERT_TRUE(StartCheck(&ui, &dialog, &signals));
        RunCheckJob(&dialog.job);
        ASSERT_EQ(ShowCheckNews(&ui, &dialog), 1);
        FinishCheck(&ui, &dialog);
        ASSERT_EQ(r.list_counts[IDC_CHECK_LIST], c.rows.size());
        for (uint32_t row = 0; row < c.rows.size(); ++row) {
            char text[300];
            CheckCellText(&dialog, row, 5, text, sizeof text);
            EXPECT_EQ(text, c.rows[row]) << "row " << row;
        }
        EXPECT_EQ(r.fields[IDC_CHECK_STATUS], c.status);
        ReleaseCheckDialog(&dialog);
    }
}

TEST(CheckTexts, SayWhatTheCheckedFileIs)
{
    const struct {
        const char *label;
        int32_t format, version;
        char record_type;
        const char *text;
    } cases[] = {
        {"XML of a known version and type", NAACCR_FORMAT_XML, 250, 'I', "NAACCR XML, version 250, record type I"},
        {"XML without a record type", NAACCR_FORMAT_XML, 180, ' ', "NAACCR XML, version 180, without a record type"},
        {"XML of no known dictionary", NAACCR_FORMAT_XML, 0, 'A', "NAACCR XML, record type A"},
        {"fixed-length records", NAACCR_FORMAT_FLAT, 180, 'I', ""},
        {"the record checker alone", 0, 0, '\0', ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        NaaccrItemCheckSummary details;
        memset(&details, 0, sizeof details);
        details.format = c.format;
        details.version = c.version;
        details.records.record_type = c.record_type;
        char text[80];
        FormatCheckedFile(&details, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST(CheckDialog, ChooseFilePutsAnotherFileInPlaceOrLeavesAllAsItWas)
{
    const std::string first = write_test_file("first.dat", records(3, {2}));
    const std::string flat = write_test_file("chosen.dat", records(2));
    const std::string xml = write_test_file(
        "chosen.xml", "<?xml version=\"1.0\"?>\n"
                      "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
                      "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\n"
                      "<Patient><Tumor/><Tumor/></Patient>\n</NaaccrData>\n");
    const std::string first_lines = "Check: 3 records, 1 problem (1 Illegal character)" + EOL;
    const struct {
        const char *label;
        std::string chosen; // what the open-file dialog hands back
        bool during_a_run;  // pressed while the first file's check runs
        std::string path;   // the dialog's file afterwards
        int dialogs;        // runs of the open-file dialog
        size_t boxes;       // a box refusing the file
        const char *ready;  // the status after the choice
        const char *status; // after Start and the check's end
        std::string log;    // the log after both checks
    } cases[] = {
        {"a flat file", flat, false, flat, 1, 0, "Press Start to check every record.", "100% - 2 records checked",
         first_lines + "File: " + flat + EOL + "Check: 2 records, no problems" + EOL},
        {"a NAACCR XML file", xml, false, xml, 1, 0, "Press Start to check every record.",
         "100% - 2 tumours checked - NAACCR XML, version 250, record type I",
         first_lines + "File: " + xml + EOL + "Check: 2 records, no problems" + EOL},
        {"the dialog cancelled", "", false, first, 1, 0, "100% - 3 records checked", "100% - 3 records checked",
         first_lines + first_lines},
        {"a gzip-compressed file", test_folder() + "/chosen.XML.GZ", false, first, 1, 1, "100% - 3 records checked",
         "100% - 3 records checked", first_lines + first_lines},
        {"pressed while a check runs", flat, true, first, 0, 0, "Starting the check...", "100% - 3 records checked",
         first_lines},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Opened o(first);
        o.program.item_checker = cvCheckNaaccrFileEx;
        o.dialog.item_checker = cvCheckNaaccrFileEx;
        if (c.during_a_run)
            ASSERT_TRUE(StartCheck(&o.ui, &o.dialog, &signals));
        else
            o.run_check();
        EXPECT_EQ(o.r.enabled[IDC_CHECK_CHOOSE], c.during_a_run ? 0 : 1);
        o.r.check_file_path = c.chosen;
        ChooseCheckFile(&o.ui, &o.dialog);
        EXPECT_EQ(o.r.check_file_dialogs, c.dialogs);
        EXPECT_EQ(o.r.boxes.size(), c.boxes);
        EXPECT_EQ(o.r.fields[IDC_CHECK_PATH], c.path);
        EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], c.ready);
        EXPECT_STREQ(o.program.check_path, first.c_str()) << "the main dialog's file stays";
        const bool replaced = c.path != first;
        EXPECT_EQ(o.r.list_counts[IDC_CHECK_LIST], replaced || c.during_a_run ? 0u : 1u);
        EXPECT_EQ(o.r.enabled[IDC_CHECK_SAVE], replaced || c.during_a_run ? 0 : 1) << "the report is the file's";
        if (c.during_a_run) {
            RunCheckJob(&o.dialog.job);
            ASSERT_EQ(ShowCheckNews(&o.ui, &o.dialog), 1);
            FinishCheck(&o.ui, &o.dialog);
        } else {
            o.run_check();
        }
        EXPECT_EQ(o.r.fields[IDC_CHECK_STATUS], c.status);
        EXPECT_EQ(o.dialog.job.path, c.path);
        EXPECT_EQ(o.log(), c.log);
    }
}
