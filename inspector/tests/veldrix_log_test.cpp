// veldrix_log_test.cpp -- veldrix.log byte for byte: blocks, separators, samples, the two
// ways of ending, and the failure to open it.  On Windows the log is a text file whose line
// feeds become CR LF, and the expected bytes say so.
#include <string.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "test_files.h"
#include "ui_recorder.h"
#include "veldrix_log.h"

namespace
{

#ifdef _WIN32
const std::string EOL = "\r\n";
#else
const std::string EOL = "\n";
#endif
const std::string SEPARATOR = "----------------------" + EOL;

// A record as the library leaves it for the file at `path`.
NaaccrFileInfo info_for(const std::string &path, char type, const char *version, char first, char second,
                        int32_t length, int32_t count)
{
    NaaccrFileInfo info;
    memset(&info, 0, sizeof info);
    size_t slash = path.find_last_of("/\\");
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < slash + 1)
        dot = path.size();
    snprintf(info.directory, sizeof info.directory, "%s", path.substr(0, slash + 1).c_str());
    snprintf(info.file_name, sizeof info.file_name, "%s", path.substr(slash + 1, dot - slash - 1).c_str());
    snprintf(info.extension, sizeof info.extension, "%s", path.substr(dot).c_str());
    info.record_type = type;
    memcpy(info.version, version, strlen(version));
    info.first_terminator = first;
    info.second_terminator = second;
    info.record_length = length;
    info.record_count = count;
    return info;
}

// Opens a log in the test's folder, writes one block for `info`, closes it through the close box.
std::string log_of_one_block(const NaaccrFileInfo &info)
{
    std::string log_path = test_folder() + "/veldrix.log";
    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    EXPECT_TRUE(OpenInspectionLog(&log, &ui, log_path.c_str()));
    WriteInspectionBlock(&log, &info);
    CloseInspectionLog(&log);
    return read_file(log_path);
}

TEST(InspectionLog, BlockOfACrLfFileHoldsItsSampleWithCrCrLf)
{
    std::string bytes = "I122 first line\r\nsecond line\r\n" + std::string(30, 'z');
    std::string path = write_test_file("crlf.txt", bytes);
    std::string log = log_of_one_block(info_for(path, 'I', "122", '\r', '\n', 852, 3));
    std::string sample = bytes.substr(0, 50);
#ifdef _WIN32
    sample = "I122 first line\r\r\nsecond line\r\r\n" + std::string(20, 'z');
#endif
    EXPECT_EQ(log, SEPARATOR + path + EOL + "Record Type: I    Version: 1" + EOL + "Termination: <cr><lf>" + EOL +
                       "Record Length: 852" + EOL + "Record Count: 3" + EOL + sample + EOL + SEPARATOR);
}

TEST(InspectionLog, TerminationLineNamesTheTerminatorsInOrder)
{
    const struct {
        const char *label;
        char first, second;
        const char *line;
    } cases[] = {
        {"CR LF", '\r', '\n', "Termination: <cr><lf>"},
        {"LF", '\n', 0, "Termination: <lf>"},
        {"CR", '\r', 0, "Termination: <cr>"},
        {"LF CR", '\n', '\r', "Termination: <lf><cr>"},
        {"none", 0, 0, "Termination: "},
        {"second without first", 0, '\n', "Termination: "},
        {"other byte", 'x', 0, "Termination: <lf>"},
    };
    std::string path = write_test_file("t.dat", "U7");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string log = log_of_one_block(info_for(path, 'U', "7", c.first, c.second, 850, 1));
        EXPECT_NE(log.find(EOL + c.line + EOL), std::string::npos) << log;
    }
}

TEST(InspectionLog, TypeAndVersionLineShowsOneCharacterEach)
{
    const struct {
        const char *label;
        char type;
        const char *version;
        std::string line;
    } cases[] = {
        {"three-character version", 'A', "122", "Record Type: A    Version: 1"},
        {"version B", 'I', "B", "Record Type: I    Version: B"},
        {"bad type", 'Q', " ", "Record Type: Q    Version:  "},
        {"empty version: nothing, no NUL", ' ', "", "Record Type:      Version: "},
        {"NUL type: nothing, no NUL", '\0', " ", "Record Type:     Version:  "},
    };
    std::string path = write_test_file("v.dat", "data");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string log = log_of_one_block(info_for(path, c.type, c.version, 0, 0, 0, 0));
        EXPECT_NE(log.find(EOL + c.line + EOL), std::string::npos) << log;
        EXPECT_EQ(log.find('\0'), std::string::npos);
    }
}

TEST(InspectionLog, SampleIsTheFirstFiftyBytesUpToANul)
{
    const struct {
        const char *label;
        std::string bytes;
        std::string sample;
    } cases[] = {
        {"shorter than 50", "U7 short", "U7 short"},
        {"longer than 50", std::string(50, 'a') + "bcdef", std::string(50, 'a')},
        {"exactly 50", std::string(50, 'q'), std::string(50, 'q')},
        {"NUL inside", std::string("U7 ab\0cd", 8), "U7 ab"},
        {"NUL after byte 50", std::string(50, 'n') + std::string("\0", 1), std::string(50, 'n')},
        {"empty file", "", ""},
        {"bytes above 127 pass unchanged", "\xe9\xff\x80 x", "\xe9\xff\x80 x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string path = write_test_file("sample.dat", c.bytes);
        std::string log = log_of_one_block(info_for(path, 'U', "7", 0, 0, 850, 0));
        std::string tail = "Record Count: 0" + EOL + c.sample + EOL + SEPARATOR;
        ASSERT_GE(log.size(), tail.size());
        EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    }
}

TEST(InspectionLog, FileThatCannotBeOpenedAgainGetsAnEmptySampleLine)
{
    std::string path = test_folder() + "/gone.dat";
    std::string log = log_of_one_block(info_for(path, ' ', "", 0, 0, 0, 0));
    EXPECT_EQ(log, SEPARATOR + path + EOL + "Record Type:      Version: " + EOL + "Termination: " + EOL +
                       "Record Length: 0" + EOL + "Record Count: 0" + EOL + EOL + SEPARATOR);
}

TEST(InspectionLog, EndsWithASeparatorOnlyThroughTheCloseBox)
{
    const struct {
        const char *label;
        int blocks;
        bool close_box;
        int separators;
    } cases[] = {
        {"no selection, close box", 0, true, 1},
        {"no selection, Quit", 0, false, 0},
        {"two selections, close box", 2, true, 3},
        {"two selections, Quit", 2, false, 2},
    };
    std::string path = write_test_file("one.dat", "U7");
    NaaccrFileInfo info = info_for(path, 'U', "7", 0, 0, 2, 1);
    std::string block = SEPARATOR + path + EOL + "Record Type: U    Version: 7" + EOL + "Termination: " + EOL +
                        "Record Length: 2" + EOL + "Record Count: 1" + EOL + "U7" + EOL;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string log_path = test_folder() + "/veldrix.log";
        UiRecorder r;
        DialogUi ui = r.ui();
        InspectionLog log = {nullptr};
        ASSERT_TRUE(OpenInspectionLog(&log, &ui, log_path.c_str()));
        for (int i = 0; i < c.blocks; ++i)
            WriteInspectionBlock(&log, &info);
        if (c.close_box)
            CloseInspectionLog(&log);
        ReleaseInspectionLog(&log); // the program's end: writes nothing more
        CloseInspectionLog(&log);   // and nothing after the end either
        std::string expected;
        for (int i = 0; i < c.blocks; ++i)
            expected += block;
        if (c.close_box)
            expected += SEPARATOR;
        EXPECT_EQ(read_file(log_path), expected);
        EXPECT_FALSE(InspectionLogIsOpen(&log));
    }
}

TEST(InspectionLog, OpeningReplacesTheLogOfTheRunBefore)
{
    std::string log_path = write_test_file("veldrix.log", "the run before\n");
    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    ASSERT_TRUE(OpenInspectionLog(&log, &ui, log_path.c_str()));
    ReleaseInspectionLog(&log);
    EXPECT_EQ(read_file(log_path), "");
    EXPECT_TRUE(r.boxes.empty());
}

TEST(InspectionLog, LogThatCannotBeCreatedShowsTheErrorBoxAndStaysAbsent)
{
    // A folder where the log should be: root may write anywhere, but not over a folder.
    std::string log_path = test_folder() + "/veldrix.log";
    std::filesystem::create_directories(log_path);
    std::string inner = write_test_file("veldrix.log/inside", "");
    UiRecorder r;
    DialogUi ui = r.ui();
    InspectionLog log = {nullptr};
    EXPECT_FALSE(OpenInspectionLog(&log, &ui, log_path.c_str()));
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "Could not open veldrix.log");
    EXPECT_EQ(r.boxes[0].caption, "ERROR");
    EXPECT_EQ(r.boxes[0].style, 0u);
    EXPECT_FALSE(InspectionLogIsOpen(&log));
    NaaccrFileInfo info = info_for(inner, 'U', "7", 0, 0, 2, 1);
    WriteInspectionBlock(&log, &info);
    CloseInspectionLog(&log);
    ReleaseInspectionLog(&log);
    EXPECT_EQ(r.boxes.size(), 1u);
}

} // namespace
