// main_dialog_test.cpp -- what the main dialog shows: the display rules, "No file selected", the
// order of one selection, the caption and the file date.
#include <string.h>
#ifdef _WIN32
#include <sys/utime.h>
#else
#include <utime.h>
#endif

#include <string>

#include <gtest/gtest.h>

#include "resource.h"
#include "test_files.h"
#include "ui_recorder.h"
#include "main_dialog.h"

namespace
{

// Records of 850 bytes: type U, version 7 in column 2.
std::string records(int count, const std::string &terminator)
{
    std::string record = "U7" + std::string(848, ' ') + terminator;
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += record;
    return bytes;
}

// One press of "Select NAACCR File" as the program makes it, writing to `log`; no checker is found, so
// the record check is only withdrawn.
void SelectAndInspect(const DialogUi *ui, InspectionLog *log)
{
    ProgramState state;
    memset(&state, 0, sizeof state);
    state.log = *log;
    SelectInspectAndOfferCheck(ui, &state);
}

NaaccrFileInfo make_info(char type, const char *version, char first, char second, int32_t length, int32_t count,
                         int64_t size)
{
    NaaccrFileInfo info;
    memset(&info, 0, sizeof info);
    info.record_type = type;
    snprintf(info.version, sizeof info.version, "%s", version);
    info.first_terminator = first;
    info.second_terminator = second;
    info.record_length = length;
    info.record_count = count;
    info.file_size = size;
    snprintf(info.message, sizeof info.message, "the library's message");
    return info;
}

TEST(MainDialog, ShowsWhatInspectionFound)
{
    struct Case {
        const char *label;
        NaaccrFileInfo info;
        int32_t code;
        const char *type, *version, *length;
        int cr, lf;
        const char *size, *count, *box; // box: the caption, or "" for none
    };
    const Case cases[] = {
        {"CR LF file", make_info('I', "122", '\r', '\n', 852, 3, 2556), NAACCR_REC_OK, "I", "122", "852", 1, 1, "2556",
         "3", ""},
        {"LF file", make_info('I', "122", '\n', 0, 851, 2, 1702), NAACCR_REC_OK, "I", "122", "851", 0, 1, "1702", "2",
         ""},
        {"CR file", make_info('I', "122", '\r', 0, 851, 2, 1702), NAACCR_REC_OK, "I", "122", "851", 1, 0, "1702", "2",
         ""},
        {"LF CR file", make_info('I', "122", '\n', '\r', 852, 1, 852), NAACCR_REC_OK, "I", "122", "852", 1, 1, "852",
         "1", ""},
        {"no terminators", make_info('I', "122", 0, 0, 850, 1, 850), NAACCR_REC_OK, "I", "122", "850", 0, 0, "850", "1",
         ""},
        {"version A", make_info('C', "A", '\n', 0, 2645, 1, 2645), NAACCR_REC_OK, "C", "10 (A)", "2645", 0, 1, "2645",
         "1", ""},
        {"version B", make_info('A', "B", '\n', 0, 6695, 1, 6695), NAACCR_REC_OK, "A", "11 (B)", "6695", 0, 1, "6695",
         "1", ""},
        {"version 9", make_info('C', "9", '\n', 0, 1917, 1, 1917), NAACCR_REC_OK, "C", "9", "1917", 0, 1, "1917", "1",
         ""},
        {"record length 1", make_info('I', "1", 0, 0, 1, 1, 1), NAACCR_REC_OK, "I", "1", "1", 0, 0, "1", "1", ""},
        {"file over 4 GiB", make_info('A', "160", '\r', '\n', 22826, 220000, 5021720000LL), NAACCR_REC_OK, "A", "160",
         "22826", 1, 1, "5021720000", "220000", ""},
        {"terminator omitted", make_info('I', "122", '\r', '\n', 852, 3, 2554), NAACCR_REC_TERMINATOR_OMITTED, "I",
         "122", "852", 1, 1, "2554", "3", "INSIGNIFICANT ANOMALY"},
        {"stray Ctrl-Z", make_info('I', "122", '\n', 0, 851, 2, 1703), NAACCR_REC_STRAY_CTRL_Z, "I", "122", "851", 0, 1,
         "1703", "2", "INSIGNIFICANT ANOMALY"},
        {"uneven length", make_info('I', "122", '\n', 0, 851, 2, 1705), NAACCR_REC_UNEVEN_LENGTH, "I", "122", "851", 0,
         1, "1705", "", "PROBLEM"},
        {"mixed types", make_info('I', "122", '\n', 0, 851, 2, 1702), NAACCR_REC_MIXED_TYPES, "I", "122", "851", 0, 1,
         "1702", "", "PROBLEM"},
        {"bad type", make_info('Q', " ", 0, 0, 0, 0, 900), NAACCR_REC_BAD_TYPE, "Q", " ", " ", 0, 0, "900", "",
         "PROBLEM"},
        {"cannot open", make_info(' ', "", 0, 0, 0, 0, 0), NAACCR_REC_OPEN_FAILED, " ", "", " ", 0, 0, "0", "",
         "PROBLEM"},
        {"negative length", make_info(' ', "", 0, 0, -5, 0, 0), NAACCR_REC_TOO_SHORT, " ", "", " ", 0, 0, "0", "",
         "PROBLEM"},
        {"negative size", make_info(' ', "", 0, 0, 0, 0, -1), NAACCR_REC_OPEN_FAILED, " ", "", " ", 0, 0, "-1", "",
         "PROBLEM"},
        {"NUL record type", make_info('\0', " ", 0, 0, 0, 0, 900), NAACCR_REC_ILLEGAL_CHAR, "", " ", " ", 0, 0, "900",
         "", "PROBLEM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        UiRecorder r;
        DialogUi ui = r.ui();
        ShowInspection(&ui, &c.info, c.code);
        EXPECT_EQ(r.fields[IDC_RECORD_TYPE], c.type);
        EXPECT_EQ(r.fields[IDC_VERSION], c.version);
        EXPECT_EQ(r.fields[IDC_RECORD_LENGTH], c.length);
        EXPECT_EQ(r.checks[IDC_CR], c.cr);
        EXPECT_EQ(r.checks[IDC_LF], c.lf);
        EXPECT_EQ(r.fields[IDC_FILE_SIZE], c.size);
        EXPECT_EQ(r.fields[IDC_RECORD_COUNT], c.count);
        if (c.box[0] == '\0') {
            EXPECT_TRUE(r.boxes.empty());
        } else {
            ASSERT_EQ(r.boxes.size(), 1u);
            EXPECT_EQ(r.boxes[0].caption, c.box);
            EXPECT_EQ(r.boxes[0].text, "the library's message");
            EXPECT_EQ(r.boxes[0].style, 48u);
            // The box comes last, when every field already shows the findings.
            EXPECT_EQ(r.calls.back(), std::string("box ") + c.box);
        }
    }
}

TEST(MainDialog, VersionDisplayLooksOnlyAtTheFirstCharacter)
{
    const struct {
        const char *version;
        const char *shown;
    } cases[] = {{"A", "10 (A)"}, {"B", "11 (B)"}, {"A12", "10 (A)"}, {"122", "122"}, {"150", "150"},
                 {"1", "1"},      {" ", " "},      {"", ""},          {"a", "a"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.version);
        char version[4] = {};
        memcpy(version, c.version, strlen(c.version));
        char text[16];
        FormatVersionDisplay(version, text, sizeof text);
        EXPECT_STREQ(text, c.shown);
    }
}

TEST(MainDialog, VersionDisplayStaysInsideAVersionWithoutItsNul)
{
    const char version[4] = {'1', '2', '2', 'X'};
    char text[16];
    FormatVersionDisplay(version, text, sizeof text);
    EXPECT_STREQ(text, "122");
}

TEST(MainDialog, CancelledSelectionShowsNoFileSelectedAndLogsNothing)
{
    std::string log_path = test_folder() + "/veldrix.log";
    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    ASSERT_TRUE(OpenInspectionLog(&log, &ui, log_path.c_str()));
    r.chosen_path = "";
    SelectAndInspect(&ui, &log);
    ReleaseInspectionLog(&log);

    EXPECT_EQ(r.fields[IDC_PATH], "");
    EXPECT_EQ(r.fields[IDC_FILE_DATE], "???");
    for (int id : {IDC_RECORD_TYPE, IDC_VERSION, IDC_RECORD_LENGTH, IDC_FILE_SIZE, IDC_RECORD_COUNT})
        EXPECT_EQ(r.fields[id], " ") << id;
    EXPECT_EQ(r.checks[IDC_CR], 0);
    EXPECT_EQ(r.checks[IDC_LF], 0);
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "No file selected.");
    EXPECT_EQ(r.boxes[0].caption, "PROBLEM");
    EXPECT_EQ(r.boxes[0].style, 48u);
    EXPECT_EQ(read_file(log_path), "");
}

TEST(MainDialog, SelectionShowsTheFileThenWritesTheLogAfterTheBox)
{
    // Three records, the last without its terminator: an insignificant anomaly.
    std::string bytes = records(3, "\r\n");
    bytes.resize(bytes.size() - 2);
    std::string path = write_test_file("short end.dat", bytes);
    std::string log_path = test_folder() + "/veldrix.log";

    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    ASSERT_TRUE(OpenInspectionLog(&log, &ui, log_path.c_str()));
    r.watched_log = &log;
    r.chosen_path = path;
    SelectAndInspect(&ui, &log);
    long written = ftell(log.stream);
    ReleaseInspectionLog(&log);

    EXPECT_EQ(r.fields[IDC_PATH], path);
    EXPECT_NE(r.fields[IDC_FILE_DATE], "???");
    EXPECT_EQ(r.fields[IDC_RECORD_TYPE], "U");
    EXPECT_EQ(r.fields[IDC_VERSION], "7");
    EXPECT_EQ(r.fields[IDC_RECORD_LENGTH], "852");
    EXPECT_EQ(r.fields[IDC_FILE_SIZE], std::to_string(bytes.size()));
    EXPECT_EQ(r.fields[IDC_RECORD_COUNT], "3");
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].caption, "INSIGNIFICANT ANOMALY");
    EXPECT_EQ(r.boxes[0].text, "<cr><lf> terminators omitted at end of file.");
    EXPECT_EQ(r.boxes[0].log_bytes, 0);
    EXPECT_GT(written, 0);
    // The path and the date come before the library's findings.
    ASSERT_GE(r.calls.size(), 2u);
    EXPECT_EQ(r.calls[0], "text " + std::to_string(IDC_PATH));
    EXPECT_EQ(r.calls[1], "text " + std::to_string(IDC_FILE_DATE));
}

TEST(MainDialog, UnopenablePathShowsTheResetRecordAndAProblem)
{
    std::string path = test_folder() + "/no such file.dat";
    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    r.chosen_path = path;
    SelectAndInspect(&ui, &log);

    EXPECT_EQ(r.fields[IDC_PATH], path);
    EXPECT_EQ(r.fields[IDC_FILE_DATE], "???");
    EXPECT_EQ(r.fields[IDC_RECORD_TYPE], " ");
    EXPECT_EQ(r.fields[IDC_VERSION], "");
    EXPECT_EQ(r.fields[IDC_RECORD_LENGTH], " ");
    EXPECT_EQ(r.checks[IDC_CR], 0);
    EXPECT_EQ(r.checks[IDC_LF], 0);
    EXPECT_EQ(r.fields[IDC_FILE_SIZE], "0");
    EXPECT_EQ(r.fields[IDC_RECORD_COUNT], "");
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].caption, "PROBLEM");
    EXPECT_NE(r.boxes[0].text.find("Can't open file"), std::string::npos) << r.boxes[0].text;
}

TEST(MainDialog, SameFileTwiceShowsTheSameAndLogsTwoBlocks)
{
    std::string path = write_test_file("twice.dat", records(2, "\n"));
    std::string log_path = test_folder() + "/veldrix.log";
    UiRecorder first, second;
    DialogUi ui1 = first.ui(), ui2 = second.ui();
    InspectionLog log = {nullptr};
    ASSERT_TRUE(OpenInspectionLog(&log, &ui1, log_path.c_str()));
    first.chosen_path = second.chosen_path = path;
    SelectAndInspect(&ui1, &log);
    SelectAndInspect(&ui2, &log);
    CloseInspectionLog(&log);

    EXPECT_EQ(first.fields, second.fields);
    EXPECT_EQ(first.checks, second.checks);
    EXPECT_TRUE(first.boxes.empty());
    std::string text = read_file(log_path);
    const std::string hyphens(22, '-');
    size_t separators = 0;
    for (size_t at = text.find(hyphens); at != std::string::npos; at = text.find(hyphens, at + 1))
        ++separators;
    EXPECT_EQ(separators, 3u);
}

TEST(MainDialog, InitialisationSetsTheCaptionAndOpensTheLog)
{
    std::string log_path = test_folder() + "/veldrix.log";
    UiRecorder r;
    DialogUi ui = r.ui();
    ProgramState state;
    memset(&state, 0, sizeof state);
    InitMainDialog(&ui, &state, "C:\\Tools\\veldrix.exe", log_path.c_str());
    EXPECT_EQ(r.caption, "Corvella VELDRIX 1.1.5 Sep  9 2014");
    EXPECT_STREQ(state.help_path, "C:\\Tools\\veldrix.chm");
    EXPECT_TRUE(InspectionLogIsOpen(&state.log));
    EXPECT_TRUE(r.boxes.empty());
    ReleaseInspectionLog(&state.log);
}

TEST(FileDate, IsFormattedAsMonthDayYearHourMinute)
{
    const struct {
        const char *label;
        int answer;
        struct tm time;
        const char *shown;
    } cases[] = {
        {"morning", 1,
         [] {
             struct tm t = {};
             t.tm_year = 114;
             t.tm_mon = 2;
             t.tm_mday = 7;
             t.tm_hour = 9;
             t.tm_min = 5;
             return t;
         }(),
         "03/07/2014   09:05"},
        {"evening", 1,
         [] {
             struct tm t = {};
             t.tm_year = 99;
             t.tm_mon = 11;
             t.tm_mday = 31;
             t.tm_hour = 23;
             t.tm_min = 59;
             return t;
         }(),
         "12/31/1999   23:59"},
        {"status or conversion failed", 0, {}, "???"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        UiRecorder r;
        r.file_time_answer = c.answer;
        r.file_time = c.time;
        DialogUi ui = r.ui();
        ShowFileDate(&ui, "C:\\data\\file.dat");
        EXPECT_EQ(r.fields[IDC_FILE_DATE], c.shown);
    }
}

TEST(FileDate, ComesFromTheFilesModificationTimeInLocalTime)
{
    std::string path = write_test_file("dated.dat", "x");
    struct tm when = {};
    when.tm_year = 114;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_isdst = -1;
    struct utimbuf times;
    times.actime = times.modtime = mktime(&when);
    ASSERT_EQ(utime(path.c_str(), &times), 0);

    UiRecorder r;
    DialogUi ui = r.ui();
    ShowFileDate(&ui, path.c_str());
    EXPECT_EQ(r.fields[IDC_FILE_DATE], "03/07/2014   09:05");
    ShowFileDate(&ui, (test_folder() + "/missing.dat").c_str());
    EXPECT_EQ(r.fields[IDC_FILE_DATE], "???");
}

} // namespace
