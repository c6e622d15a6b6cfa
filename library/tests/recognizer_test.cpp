// recognizer_test.cpp -- the record layout recognizer: version rules, record
// lengths, the walk to the first terminator, illegal bytes and the data's end.
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "flat/flat.h"

namespace
{

// A record of `length` blanks with `type` in column 1 and `text` at `column`.
std::string record(char type, size_t length, size_t column = 0, const std::string &text = "")
{
    std::string r(length, ' ');
    r[0] = type;
    if (column != 0)
        r.replace(column - 1, text.size(), text);
    return r;
}

std::string with(std::string r, size_t column, const std::string &text)
{
    r.replace(column - 1, text.size(), text);
    return r;
}

// The table's length for a record type and version code.
int32_t layout_length(char type, const char *version)
{
    const NaaccrLayout *layout = find_naaccr_layout(type, version);
    return layout != nullptr ? layout->length : -1;
}

struct Recognized {
    int32_t code;
    NaaccrFileInfo info;
};

// Runs the recognizer on a copy of `bytes` in a heap block of exactly their
// size, so that the sanitizers catch any read past the data.  The record is
// filled with garbage and reset, as its callers do.
Recognized recognize(const std::string &bytes, int64_t file_size, size_t available)
{
    std::unique_ptr<char[]> copy(new char[bytes.size()]);
    memcpy(copy.get(), bytes.data(), bytes.size());
    Recognized r;
    memset(&r.info, '#', sizeof r.info);
    reset_naaccr_file_info(&r.info);
    r.info.file_size = file_size;
    r.code = recognize_naaccr_record(copy.get(), available, &r.info);
    return r;
}

Recognized recognize_file(const std::string &bytes) { return recognize(bytes, 1 << 20, bytes.size()); }
Recognized recognize_memory(const std::string &bytes) { return recognize(bytes, 0, bytes.size()); }

std::string version_of(const NaaccrFileInfo &info)
{
    EXPECT_NE(memchr(info.version, '\0', sizeof info.version), nullptr) << "version is not NUL-terminated";
    EXPECT_EQ(std::string(info.version, sizeof info.version),
              std::string(info.version) + std::string(4 - strlen(info.version), '\0'))
        << "bytes after the version's NUL must be NUL";
    return info.version;
}

struct RuleCase {
    const char *label;
    std::string bytes; // one unterminated record: the table's length stands
    int32_t code;
    const char *version;
    int32_t length;
};

void check_rules(const RuleCase *cases, size_t count)
{
    for (size_t k = 0; k < count; ++k) {
        const RuleCase &c = cases[k];
        SCOPED_TRACE(c.label);
        const Recognized r = recognize_file(c.bytes);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.info.record_type, c.bytes[0]);
        EXPECT_EQ(version_of(r.info), c.version);
        EXPECT_EQ(r.info.record_length, c.length);
        EXPECT_EQ(r.info.first_terminator, 0);
        EXPECT_EQ(r.info.second_terminator, 0);
        if (c.code == NAACCR_REC_OK) {
            EXPECT_STREQ(r.info.message, "");
        }
    }
}

// Columns 17 to 19 and 536 of a 600-byte record.
std::string coded(char type, const char *columns_17_to_19, char column_536 = ' ')
{
    return with(record(type, 600, 17, columns_17_to_19), 536, std::string(1, column_536));
}

} // namespace

TEST(Recognizer, TakesVersionAndLengthFromTheRulesOfTypesACIAndM)
{
    const int bad = NAACCR_REC_BAD_VERSION;
    for (char type : {'A', 'C', 'I', 'M'}) {
        const bool old = type != 'M'; // rules 4 and 5 hold for A, C and I only
        const int32_t n[5] = {layout_length(type, "120"), layout_length(type, "130"), layout_length(type, "A"),
                              layout_length(type, "5"), layout_length(type, "1")};
        const int32_t n18 = layout_length(type, "180");
        const RuleCase cases[] = {
            {"120", coded(type, "120"), 0, "120", n[0]},
            {"121", coded(type, "121"), 0, "121", n[0]},
            {"122", coded(type, "122"), 0, "122", n[0]},
            {"130", coded(type, "130"), 0, "130", n[1]},
            {"140", coded(type, "140"), 0, "140", n[1]},
            {"150", coded(type, "150"), 0, "150", n[1]},
            {"160 like 150", coded(type, "160", '2'), 0, "160", n[1]},
            {"180 before column 536", coded(type, "180", '3'), 0, "180", n18},
            {"A in column 19", coded(type, "  A", '1'), 0, "A", n[2]},
            {"B in column 19", coded(type, "12B"), 0, "B", n[2]},
            {"5, column 536 blank", coded(type, "  5"), old ? 0 : bad, old ? "5" : " ", old ? n[3] : 0},
            {"9, column 536 blank", coded(type, "  9"), old ? 0 : bad, old ? "9" : " ", old ? n[3] : 0},
            {"129 is 9 in column 19", coded(type, "129"), old ? 0 : bad, old ? "9" : " ", old ? n[3] : 0},
            {"7 with 3 in column 536", coded(type, "  7", '3'), old ? 0 : bad, old ? "3" : " ", old ? n[4] : 0},
            {"1 in column 536", coded(type, "   ", '1'), old ? 0 : bad, old ? "1" : " ", old ? n[4] : 0},
            {"4 in column 536", coded(type, "   ", '4'), old ? 0 : bad, old ? "4" : " ", old ? n[4] : 0},
            {"123 goes on to column 536", coded(type, "123", '2'), old ? 0 : bad, old ? "2" : " ", old ? n[4] : 0},
            {"170 goes on to column 536", coded(type, "170", '1'), old ? 0 : bad, old ? "1" : " ", old ? n[4] : 0},
            {"210 goes on to column 536", coded(type, "210", '3'), old ? 0 : bad, old ? "3" : " ", old ? n[4] : 0},
            {"123, column 536 blank", coded(type, "123"), bad, " ", 0},
            {"170, column 536 blank", coded(type, "170"), bad, " ", 0},
            {"181, column 536 blank", coded(type, "181"), bad, " ", 0},
            {"5 in column 536", coded(type, "   ", '5'), bad, " ", 0},
            {"9 with 5 in column 536", coded(type, "  9", '5'), bad, " ", 0},
            {"lower-case a in column 19", coded(type, "  a"), bad, " ", 0},
            {"nothing", coded(type, "   "), bad, " ", 0},
        };
        SCOPED_TRACE(std::string("type ") + type);
        check_rules(cases, sizeof cases / sizeof cases[0]);
    }
}

TEST(Recognizer, TakesVersionAndLengthFromTheRulesOfTypesRAndU)
{
    const int bad = NAACCR_REC_BAD_VERSION;
    const RuleCase cases[] = {
        {"R 120", coded('R', "120"), 0, "120", layout_length('R', "120")},
        {"R A", coded('R', "  A"), 0, "A", layout_length('R', "A")},
        {"R B", coded('R', "  B"), 0, "B", layout_length('R', "A")},
        {"R 6", coded('R', "  6"), 0, "6", layout_length('R', "6")},
        {"R 9", coded('R', "  9"), 0, "9", layout_length('R', "6")},
        {"R 129 is 9", coded('R', "129"), 0, "9", layout_length('R', "6")},
        {"R 121", coded('R', "121"), bad, " ", 0},
        {"R 130", coded('R', "130"), bad, " ", 0},
        {"R 160", coded('R', "160"), bad, " ", 0},
        {"R 180", coded('R', "180"), bad, " ", 0},
        {"R 5", coded('R', "  5"), bad, " ", 0},
        {"R 1 in column 536", coded('R', "   ", '1'), bad, " ", 0},
        {"U 120", record('U', 600, 2, "120"), 0, "120", layout_length('U', "120")},
        {"U 121", record('U', 600, 2, "121"), 0, "121", layout_length('U', "120")},
        {"U 122", record('U', 600, 2, "122"), 0, "122", layout_length('U', "120")},
        {"U 130", record('U', 600, 2, "130"), 0, "130", layout_length('U', "120")},
        {"U 140", record('U', 600, 2, "140"), 0, "140", layout_length('U', "120")},
        {"U 150", record('U', 600, 2, "150"), 0, "150", layout_length('U', "120")},
        {"U 6", record('U', 600, 2, "6"), 0, "6", layout_length('U', "6")},
        {"U 9", record('U', 600, 2, "9"), 0, "9", layout_length('U', "6")},
        {"U A", record('U', 600, 2, "A"), 0, "A", layout_length('U', "6")},
        {"U B", record('U', 600, 2, "B"), 0, "B", layout_length('U', "6")},
        {"U 160", record('U', 600, 2, "160"), 0, "160", layout_length('U', "120")},
        {"U 180", record('U', 600, 2, "180"), 0, "180", layout_length('U', "120")},
        {"U 170", record('U', 600, 2, "170"), bad, " ", 0},
        {"U 123", record('U', 600, 2, "123"), bad, " ", 0},
        {"U 5", record('U', 600, 2, "5"), bad, " ", 0},
        {"U a", record('U', 600, 2, "a"), bad, " ", 0},
        {"U with 120 in columns 17 to 19", record('U', 600, 17, "120"), bad, " ", 0},
    };
    check_rules(cases, sizeof cases / sizeof cases[0]);
}

TEST(Recognizer, RejectsAnyOtherRecordType)
{
    const char types[] = {'a', 'c', 'u', 'B', 'L', 'Z', ' ', '1', '~'};
    for (char type : types) {
        SCOPED_TRACE(std::string("type ") + type);
        const Recognized r = recognize_file(coded(type, "120", '1'));
        EXPECT_EQ(r.code, NAACCR_REC_BAD_TYPE);
        EXPECT_EQ(r.info.record_type, type);
        EXPECT_EQ(version_of(r.info), " ");
        EXPECT_EQ(r.info.record_length, 0);
        EXPECT_EQ(std::string(r.info.message), std::string("Invalid NAACCR Record Type ") + type + ".");
    }
}

TEST(Recognizer, WritesTheTypeIntoTheBadVersionMessage)
{
    const Recognized r = recognize_file(coded('M', "  9"));
    EXPECT_EQ(r.code, NAACCR_REC_BAD_VERSION);
    EXPECT_STREQ(r.info.message, "Invalid NAACCR Version code for Record Type M.");
}

TEST(Recognizer, MeasuresTheFirstRecordByItsTerminator)
{
    const std::string body = record('I', 900, 17, "120"); // 900 printable bytes
    struct Case {
        const char *label;
        std::string end;
        char first, second;
        int32_t length;
    } cases[] = {
        {"CR LF", "\r\nI", '\r', '\n', 902},
        {"LF CR", "\n\rI", '\n', '\r', 902},
        {"CR then another byte", "\rI", '\r', 0, 901},
        {"LF then another byte", "\nI", '\n', 0, 901},
        {"CR CR", "\r\r", '\r', 0, 901},
        {"LF LF", "\n\n", '\n', 0, 901},
        {"CR then TAB", "\r\t", '\r', 0, 901},
        {"CR as the last byte", "\r", '\r', 0, 901},
        {"LF as the last byte", "\n", '\n', 0, 901},
        {"CR LF as the last bytes", "\r\n", '\r', '\n', 902},
        {"no terminator", "", 0, 0, 3339},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        for (int64_t file_size : {int64_t(0), int64_t(5000)}) {
            const Recognized r = recognize(body + c.end, file_size, body.size() + c.end.size());
            EXPECT_EQ(r.code, NAACCR_REC_OK);
            EXPECT_EQ(r.info.first_terminator, c.first);
            EXPECT_EQ(r.info.second_terminator, c.second);
            EXPECT_EQ(r.info.record_length, c.length);
        }
    }
}

TEST(Recognizer, MeasuresTheRecordAfterATypeOrVersionError)
{
    struct Case {
        const char *label;
        std::string bytes;
        int32_t code;
        char first, second;
        int32_t length;
    } cases[] = {
        {"bad version, CR LF", coded('A', "   ") + "\r\n", NAACCR_REC_BAD_VERSION, '\r', '\n', 602},
        {"bad type, LF", coded('x', "120") + "\n", NAACCR_REC_BAD_TYPE, '\n', 0, 601},
        {"CR in column 1", "\rI" + record('I', 600, 17, "120"), NAACCR_REC_BAD_TYPE, '\r', 0, 1},
        {"CR LF in column 1", "\r\n" + record('I', 600, 17, "120"), NAACCR_REC_BAD_TYPE, '\r', '\n', 2},
        {"LF in column 1", "\n" + record('I', 600, 17, "120"), NAACCR_REC_BAD_TYPE, '\n', 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Recognized r = recognize_file(c.bytes);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.info.record_type, c.bytes[0]);
        EXPECT_EQ(version_of(r.info), " ");
        EXPECT_EQ(r.info.first_terminator, c.first);
        EXPECT_EQ(r.info.second_terminator, c.second);
        EXPECT_EQ(r.info.record_length, c.length);
    }
}

TEST(Recognizer, StopsAtTheFirstIllegalByteOfTheFirstRecord)
{
    const std::string good = record('I', 900, 17, "120");
    struct Case {
        const char *label;
        std::string bytes;
        int64_t file_size;
        int value, column;
    } cases[] = {
        {"TAB in column 100", with(good, 100, "\t") + "\r\n", 1, 9, 100},
        {"DEL", with(good, 850, "\x7f") + "\r\n", 1, 127, 850},
        {"byte 128", with(good, 20, "\x80") + "\r\n", 1, 128, 20},
        {"byte 255", with(good, 21, "\xff") + "\r\n", 1, 255, 21},
        {"byte 233", with(good, 22, "\xe9") + "\r\n", 1, 233, 22},
        {"Ctrl-Z", with(good, 23, "\x1a") + "\r\n", 1, 26, 23},
        {"NUL in a file", with(good, 500, std::string(1, '\0')) + "\r\n", 1, 0, 500},
        {"TAB in column 1", "\t" + good.substr(1) + "\r\n", 1, 9, 1},
        {"byte 200 in column 1", "\xc8" + good.substr(1) + "\r\n", 1, 200, 1},
        {"TAB after a bad version", with(coded('A', "   "), 300, "\t") + "\r\n", 1, 9, 300},
        {"TAB after a bad type", with(coded('q', "120"), 301, "\t") + "\r\n", 1, 9, 301},
        {"TAB in column 23000", with(with(std::string(23000, 'x'), 1, "I"), 23000, "\t"), 1, 9, 23000},
        {"TAB after NULs of type U", with(record('U', 900, 2, "120"), 10, std::string("\0\0\t", 3)), 1, 9, 12},
        {"byte 200 in type U", with(record('U', 900, 2, "120"), 10, "\xc8"), 0, 200, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Recognized r = recognize(c.bytes, c.file_size, c.bytes.size());
        EXPECT_EQ(r.code, NAACCR_REC_ILLEGAL_CHAR);
        EXPECT_EQ(r.info.record_type, c.bytes[0]);
        EXPECT_EQ(r.info.record_length, c.column - 1);
        EXPECT_EQ(r.info.first_terminator, 0);
        EXPECT_EQ(r.info.second_terminator, 0);
        EXPECT_EQ(std::string(r.info.message), "Illegal character, ASCII " + std::to_string(c.value) +
                                                   ", found at column " + std::to_string(c.column));
    }
}

TEST(Recognizer, IgnoresIllegalBytesAfterTheFirstTerminator)
{
    const Recognized r = recognize_file(record('C', 900, 17, "140") + "\n\t\x80" + std::string(1, '\0'));
    EXPECT_EQ(r.code, NAACCR_REC_OK);
    EXPECT_EQ(r.info.record_length, 901);
}

TEST(Recognizer, EndsARecordInMemoryAtANul)
{
    const std::string body = record('A', 700, 17, "150");
    const Recognized r = recognize_memory(body + std::string(1, '\0') + "\r\n");
    EXPECT_EQ(r.code, NAACCR_REC_OK);
    EXPECT_EQ(r.info.record_length, 700);
    EXPECT_EQ(r.info.first_terminator, 0);
    EXPECT_EQ(r.info.second_terminator, 0);

    const Recognized bad = recognize_memory(coded('A', "   ") + std::string(1, '\0'));
    EXPECT_EQ(bad.code, NAACCR_REC_BAD_VERSION);
    EXPECT_EQ(bad.info.record_length, 600);
}

TEST(Recognizer, CountsNulBytesIntoARecordOfTypeU)
{
    const std::string nuls("\0\0\0", 3);
    const std::string u = with(record('U', 900, 2, "A"), 400, nuls);
    for (int64_t file_size : {int64_t(0), int64_t(10000)}) {
        SCOPED_TRACE(file_size == 0 ? "in memory" : "in a file");
        const Recognized r = recognize(u + "\r\n", file_size, u.size() + 2);
        EXPECT_EQ(r.code, NAACCR_REC_OK);
        EXPECT_EQ(r.info.record_length, 902);
        EXPECT_EQ(r.info.first_terminator, '\r');
        EXPECT_EQ(r.info.second_terminator, '\n');
    }
    // A record of type U in memory whose closing NUL is followed by the data's
    // end keeps the table's length.
    const Recognized open = recognize_memory(record('U', 900, 2, "130") + std::string(1, '\0'));
    EXPECT_EQ(open.code, NAACCR_REC_OK);
    EXPECT_EQ(open.info.record_length, 1543);
}

TEST(Recognizer, LooksForTheTerminatorOnlyInsideTheWindow)
{
    const int window = NAACCR_RECORD_BUFFER_SIZE;
    const std::string printable = record('A', window + 10, 536, "1");
    struct Case {
        const char *label;
        size_t cr_column; // the CR stands here, an LF right after it
        char first, second;
        int32_t length;
    } cases[] = {
        {"CR LF ending in column 23000", window - 1, '\r', '\n', window},
        {"CR in column 23000", window, '\r', 0, window},
        {"CR LF starting after column 23000", window + 1, 0, 0, 5300},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Recognized r = recognize_file(with(printable, c.cr_column, "\r\n"));
        EXPECT_EQ(r.code, NAACCR_REC_OK);
        EXPECT_EQ(r.info.first_terminator, c.first);
        EXPECT_EQ(r.info.second_terminator, c.second);
        EXPECT_EQ(r.info.record_length, c.length);
    }
    const Recognized lf = recognize_file(with(printable, window, "\n\r"));
    EXPECT_EQ(lf.info.first_terminator, '\n');
    EXPECT_EQ(lf.info.second_terminator, 0);
    EXPECT_EQ(lf.info.record_length, window);

    const Recognized tab = recognize_file(with(printable, window + 1, "\t"));
    EXPECT_EQ(tab.code, NAACCR_REC_OK);
    EXPECT_EQ(tab.info.record_length, 5300);
}

TEST(Recognizer, ReadsNothingPastTheBytesItIsGiven)
{
    const std::string body = record('I', 900, 17, "121");
    struct Case {
        const char *label;
        std::string bytes;
        size_t available;
        int32_t code;
        char first;
        int32_t length;
    } cases[] = {
        {"CR just past the data", body + "\r\n", body.size(), NAACCR_REC_OK, 0, 3339},
        {"TAB just past the data", body + "\t", body.size(), NAACCR_REC_OK, 0, 3339},
        {"NUL of type U just past the data", record('U', 900, 2, "8") + std::string(1, '\0'), 900, 0, 0, 850},
        {"LF past the data after a CR", body + "\r\n", body.size() + 1, NAACCR_REC_OK, '\r', 901},
        {"column 536 past the data", record('A', 535, 19, "5") + " ", 535, NAACCR_REC_BAD_VERSION, 0, 0},
        {"column 536 as the last byte", record('A', 535, 19, "5") + " ", 536, NAACCR_REC_OK, 0, 5966},
        {"columns 17 to 19 cut", record('I', 18, 17, "12") + "0", 18, NAACCR_REC_BAD_VERSION, 0, 0},
        {"column 2 of type U missing", "U", 1, NAACCR_REC_BAD_VERSION, 0, 0},
        {"no bytes at all", "I", 0, NAACCR_REC_BAD_TYPE, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Recognized r = recognize(c.bytes, 0, c.available);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.info.first_terminator, c.first);
        EXPECT_EQ(r.info.second_terminator, 0);
        EXPECT_EQ(r.info.record_length, c.length);
    }
}

TEST(Recognizer, WritesOnlyItsOwnFields)
{
    NaaccrFileInfo info;
    memset(&info, '#', sizeof info);
    reset_naaccr_file_info(&info);
    info.file_size = 123456;
    info.record_count = 77;
    const std::string bytes = record('I', 900, 17, "120") + "\r\n";
    ASSERT_EQ(recognize_naaccr_record(bytes.data(), bytes.size(), &info), NAACCR_REC_OK);
    EXPECT_EQ(info.file_size, 123456);
    EXPECT_EQ(info.record_count, 77);
    EXPECT_EQ(std::string(info.directory, 8), std::string(8, '#'));
    EXPECT_EQ(std::string(info.extension, 8), std::string(8, '#'));
    EXPECT_STREQ(info.file_name, "");
}

TEST(FileInfo, ResetSetsEveryFieldButTheDirectoryAndExtension)
{
    NaaccrFileInfo info;
    memset(&info, '#', sizeof info);
    reset_naaccr_file_info(&info);
    EXPECT_EQ(info.directory[0], '#');
    EXPECT_EQ(info.extension[0], '#');
    EXPECT_STREQ(info.file_name, "");
    EXPECT_EQ(info.record_type, ' ');
    EXPECT_EQ(std::string(info.version, 4), std::string(4, '\0'));
    EXPECT_EQ(info.first_terminator, 0);
    EXPECT_EQ(info.second_terminator, 0);
    EXPECT_EQ(info.record_length, 0);
    EXPECT_EQ(info.record_count, 0);
    EXPECT_EQ(info.file_size, 0);
    EXPECT_STREQ(info.message, "");
}
