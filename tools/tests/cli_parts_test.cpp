// cli_parts_test.cpp -- the command line's pure parts: option parsing,
// escaping of names for text and JSON, the progress line, the output file,
// what an input's first bytes say, the names of the kinds of problem.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "commands/commands.h"
#include "cvnaaccr.h"
#include "io/io.h"
#include "text/text.h"

namespace
{

const unsigned check_options = accept_json | accept_checksums | accept_max_problems | accept_threads | accept_quiet;
const unsigned assign_options = accept_output | accept_max_problems | accept_quiet;

struct ParseCase {
    const char *label;
    unsigned accepted;
    std::vector<const char *> args; // after the command's name
    int status;
    std::vector<std::string> files;
    bool json, quiet, help;
    uint32_t max_problems, threads;
    const char *output;
};

TEST(CommandLine, ParsesOptionsAnywhereAndKeepsFileNamesAsGiven)
{
    const ParseCase cases[] = {
        {"options after files",
         check_options,
         {"a", "--json", "b"},
         0,
         {"a", "b"},
         true,
         false,
         false,
         100,
         0,
         nullptr},
        {"-- ends options",
         check_options,
         {"--", "--json", "-q"},
         0,
         {"--json", "-q"},
         false,
         false,
         false,
         100,
         0,
         nullptr},
        {"- is a file", check_options, {"-", "x"}, 0, {"-", "x"}, false, false, false, 100, 0, nullptr},
        {"values in both forms",
         check_options,
         {"--threads=4", "f", "--max-problems", "0"},
         0,
         {"f"},
         false,
         false,
         false,
         0,
         4,
         nullptr},
        {"grouped letters", check_options, {"-qh"}, 0, {}, false, true, true, 100, 0, nullptr},
        {"unambiguous prefix", check_options, {"--js", "f"}, 0, {"f"}, true, false, false, 100, 0, nullptr},
        {"blank and control names",
         check_options,
         {" f", "\x1b[2J"},
         0,
         {" f", "\x1b[2J"},
         false,
         false,
         false,
         100,
         0,
         nullptr},
        {"output", assign_options, {"in", "-o", "out"}, 0, {"in"}, false, false, false, 100, 0, "out"},
        {"output long form", assign_options, {"--output=out", "in"}, 0, {"in"}, false, false, false, 100, 0, "out"},
        {"unknown long option", check_options, {"--jsno", "f"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"unknown letter", check_options, {"-x", "f"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"option of another command", accept_json, {"--checksums", "f"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"missing value", check_options, {"f", "--threads"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"missing output", assign_options, {"f", "-o"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"value not a number", check_options, {"--threads", "x", "f"}, 2, {}, false, false, false, 100, 0, nullptr},
        {"value to a flag", check_options, {"--json=1", "f"}, 2, {}, false, false, false, 100, 0, nullptr},
    };
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> storage = {"check"};
        for (const char *a : c.args)
            storage.push_back(a);
        std::vector<char *> argv;
        for (std::string &s : storage)
            argv.push_back(&s[0]);
        argv.push_back(nullptr);
        CommandLine line;
        const int status =
            parse_command_line("check", static_cast<int>(storage.size()), argv.data(), c.accepted, &line);
        ASSERT_EQ(status, c.status);
        if (status != 0)
            continue;
        EXPECT_EQ(std::vector<std::string>(line.files.begin(), line.files.end()), c.files);
        EXPECT_EQ(line.json, c.json);
        EXPECT_EQ(line.quiet, c.quiet);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(line.max_problems, c.max_problems);
        EXPECT_EQ(line.threads, c.threads);
        EXPECT_STREQ(line.output == nullptr ? "" : line.output, c.output == nullptr ? "" : c.output);
    }
}

TEST(CommandLine, KeepsEveryUserDictionaryInTheOrderGiven)
{
    const unsigned with_dictionary = check_options | accept_dictionary;
    const struct {
        const char *label;
        unsigned accepted;
        std::vector<const char *> args;
        int status;
        std::vector<std::string> dictionaries, files;
    } cases[] = {
        {"none", with_dictionary, {"f"}, 0, {}, {"f"}},
        {"repeated, both forms",
         with_dictionary,
         {"--dictionary", "a.xml", "f", "--dictionary=b.xml"},
         0,
         {"a.xml", "b.xml"},
         {"f"}},
        {"the same twice", with_dictionary, {"--dictionary=a", "--dictionary=a", "f"}, 0, {"a", "a"}, {"f"}},
        {"a prefix, a name like an option", with_dictionary, {"--dict", "-q", "f"}, 0, {"-q"}, {"f"}},
        {"missing value", with_dictionary, {"f", "--dictionary"}, 2, {}, {}},
        {"not an option of this command", check_options, {"--dictionary", "a", "f"}, 2, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> storage = {"check"};
        for (const char *a : c.args)
            storage.push_back(a);
        std::vector<char *> argv;
        for (std::string &s : storage)
            argv.push_back(&s[0]);
        argv.push_back(nullptr);
        CommandLine line;
        ASSERT_EQ(parse_command_line("check", static_cast<int>(storage.size()), argv.data(), c.accepted, &line),
                  c.status);
        if (c.status != 0)
            continue;
        EXPECT_EQ(std::vector<std::string>(line.dictionaries.begin(), line.dictionaries.end()), c.dictionaries);
        EXPECT_EQ(std::vector<std::string>(line.files.begin(), line.files.end()), c.files);
    }
}

TEST(CommandLine, CountsAreWholeNumbersThatFit)
{
    const struct {
        const char *text;
        bool ok;
        uint32_t value;
    } cases[] = {{"0", true, 0},           {"4294967295", true, 4294967295u},
                 {"4294967296", false, 0}, {"", false, 0},
                 {"-1", false, 0},         {"1x", false, 0},
                 {" 1", false, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t value = 7;
        EXPECT_EQ(parse_count(c.text, &value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

struct EscapeCase {
    const char *label;
    std::string bytes;
    const char *text; // printable_text
    const char *json; // json_string
};

TEST(TextOutput, EscapesControlBytesAndBytesThatAreNoUtf8)
{
    const EscapeCase cases[] = {
        {"plain", "a.txt", "a.txt", "\"a.txt\""},
        {"UTF-8 name", "registre_\xC3\xA9t\xC3\xA9", "registre_\xC3\xA9t\xC3\xA9", "\"registre_\xC3\xA9t\xC3\xA9\""},
        {"Latin-1 byte", "r\xE9", "r<233>", "\"r\\udce9\""},
        {"escape sequence", "\x1b[2J", "<27>[2J", "\"\\u001b[2J\""},
        {"line end and tab", "a\nb\tc", "a<10>b<9>c", "\"a\\u000ab\\u0009c\""},
        {"DEL", "\x7f", "<127>", "\"\\u007f\""},
        {"C1 control", "\xC2\x9B", "<194><155>", "\"\xC2\x9B\""},
        {"quote and backslash", "a\"b\\c", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"overlong slash", "\xC0\xAF", "<192><175>", "\"\\udcc0\\udcaf\""},
        {"encoded surrogate", "\xED\xA0\x80", "<237><160><128>", "\"\\udced\\udca0\\udc80\""},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "<244><144><128><128>", "\"\\udcf4\\udc90\\udc80\\udc80\""},
        {"cut short", "\xE2\x82", "<226><130>", "\"\\udce2\\udc82\""},
        {"four bytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
        {"NUL inside", std::string("a\0b", 3), "a<0>b", "\"a\\u0000b\""},
    };
    for (const EscapeCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(printable_text(c.bytes.data(), c.bytes.size()), c.text);
        EXPECT_EQ(json_string(c.bytes.data(), c.bytes.size()), c.json);
    }
}

TEST(FileMagic, TellsGzipAndByteOrderMarksFromTheFirstBytes)
{
    const struct {
        const char *label;
        std::string head;
        FileMagic magic;
    } cases[] = {
        {"gzip", "\x1f\x8b\x08", MAGIC_GZIP},
        {"gzip, two bytes read", "\x1f\x8b", MAGIC_GZIP},
        {"one byte of gzip", "\x1f", MAGIC_NONE},
        {"UTF-8 mark", "\xef\xbb\xbfI", MAGIC_UTF8_BOM},
        {"UTF-8 mark cut short", "\xef\xbb", MAGIC_NONE},
        {"UTF-16 little-endian", "\xff\xfeI\0", MAGIC_UTF16_BOM},
        {"UTF-16 big-endian", "\xfe\xff", MAGIC_UTF16_BOM},
        {"a record", "I 180", MAGIC_NONE},
        {"nothing", "", MAGIC_NONE},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(file_magic(reinterpret_cast<const unsigned char *>(c.head.data()), c.head.size()), c.magic);
    }
}

TEST(CodeNames, NamesEveryKindOfTheRecordAndItemCheckers)
{
    const struct {
        int32_t kind;
        const char *name;
    } cases[] = {
        {NAACCR_CHECK_RECORD_LENGTH, "NAACCR_CHECK_RECORD_LENGTH"},
        {NAACCR_CHECK_CHECKSUM_CUT, "NAACCR_CHECK_CHECKSUM_CUT"},
        {NAACCR_CHECK_ITEM_DATA_TYPE, "NAACCR_CHECK_ITEM_DATA_TYPE"},
        {NAACCR_CHECK_USER_DICTIONARY, "NAACCR_CHECK_USER_DICTIONARY"},
        {0, "unknown"},
        {NAACCR_CHECK_ITEM_CONFLICT, "NAACCR_CHECK_ITEM_CONFLICT"},
        {NAACCR_CHECK_ITEM_CODE, "NAACCR_CHECK_ITEM_CODE"},
        {NAACCR_CHECK_ITEM_DATE_ORDER, "NAACCR_CHECK_ITEM_DATE_ORDER"},
        {NAACCR_CHECK_ITEM_DATE_ORDER + 1, "unknown"},
        {NAACCR_CHECK_ALL_KINDS, "unknown"},
        {-1, "unknown"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_STREQ(check_kind_name(c.kind), c.name);
    }
}

TEST(CodeNames, CountsEveryKindButTheEndOfFileAnomaliesAndForAConversionAByteOrderMark)
{
    const struct {
        int32_t kind;
        bool uncounted_by_check, uncounted_by_conversion;
    } cases[] = {
        {NAACCR_CHECK_TERMINATOR_OMITTED, true, true}, {NAACCR_CHECK_STRAY_CTRL_Z, true, true},
        {NAACCR_CHECK_BYTE_ORDER_MARK, false, true},   {NAACCR_CHECK_RECORD_LENGTH, false, false},
        {NAACCR_CHECK_PARTIAL_RECORD, false, false},   {NAACCR_CHECK_ITEM_DATE, false, false},
        {NAACCR_CHECK_PATIENT_SPLIT, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(check_kind_name(c.kind));
        EXPECT_EQ(is_uncounted_kind(c.kind, false), c.uncounted_by_check);
        EXPECT_EQ(is_uncounted_kind(c.kind, true), c.uncounted_by_conversion);
    }
}

TEST(CodeNames, ReadsAVersionFromItsCodeOrItsShortNumber)
{
    const struct {
        const char *text;
        int32_t version;
    } cases[] = {
        {"180", 180}, {"18", 180}, {"250", 250}, {"0180", 180}, {"", 0},      {"18 ", 0},
        {" 18", 0},   {"1A0", 0},  {"1000", 0},  {"-18", 0},    {"999", 999}, {"99999999999", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(version_number(c.text), c.version);
    }
    EXPECT_STREQ(version_code_text("A"), "10 (A)");
    EXPECT_STREQ(version_code_text("B"), "11 (B)");
    EXPECT_STREQ(version_code_text("180"), "180");
}

TEST(CodeNames, TellsRecordTypesByTheirItemBits)
{
    const struct {
        char type;
        uint8_t bit;
    } types[] = {{'A', NAACCR_ITEM_IN_A},
                 {'M', NAACCR_ITEM_IN_M},
                 {'C', NAACCR_ITEM_IN_C},
                 {'I', NAACCR_ITEM_IN_I},
                 {'U', 0},
                 {'R', 0},
                 {'a', 0},
                 {'\0', 0}};
    for (const auto &t : types) {
        SCOPED_TRACE(t.type);
        EXPECT_EQ(record_type_bit(t.type), t.bit);
        EXPECT_EQ(is_record_type(t.type), t.bit != 0);
    }
    const struct {
        uint8_t bits;
        const char *letters;
    } sets[] = {{0x0F, "AMCI"}, {NAACCR_ITEM_IN_A | NAACCR_ITEM_IN_I, "AI"}, {0, ""}, {0xF0, ""}};
    for (const auto &s : sets) {
        SCOPED_TRACE(s.letters);
        char letters[5];
        record_type_letters(s.bits, letters);
        EXPECT_STREQ(letters, s.letters);
    }
}

TEST(TextOutput, ShowsRecordBytesOneByOne)
{
    const struct {
        const char *label;
        std::string bytes, shown;
    } cases[] = {
        {"printable", "I 1~", "I 1~"},
        {"a UTF-8 character, byte by byte", "\xc3\xa9", "<195><169>"},
        {"controls and DEL", std::string("\t\0\x7f", 3), "<9><0><127>"},
        {"quotes stay", "\"<", "\"<"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(printable_bytes(c.bytes.data(), c.bytes.size()), c.shown);
    }
}

TEST(TextOutput, EveryByteValueGivesValidJsonThatKeepsTheByte)
{
    // Each byte alone: either itself (printable ASCII), an escape of its own
    // value, or the low surrogate U+DC00 + byte.
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const char byte = static_cast<char>(b);
        const std::string json = json_string(&byte, 1);
        char expected[16];
        if (b >= 128)
            snprintf(expected, sizeof expected, "\"\\udc%02x\"", b);
        else if (b < 32 || b == 127)
            snprintf(expected, sizeof expected, "\"\\u%04x\"", b);
        else if (b == '"' || b == '\\')
            snprintf(expected, sizeof expected, "\"\\%c\"", b);
        else
            snprintf(expected, sizeof expected, "\"%c\"", b);
        EXPECT_EQ(json, expected);
    }
}

TEST(Progress, ShowsPercentRateAndTimeLeftOrBytesForAStream)
{
    EXPECT_EQ(progress_text("f", 100000000, 200000000, 1.0),
              "f: [##########..........]  50% of 200 MB, 100 MB/s, 1 s left");
    EXPECT_EQ(progress_text("f", 200000000, 200000000, 2.0),
              "f: [####################] 100% of 200 MB, 100 MB/s, 0 s left");
    EXPECT_EQ(progress_text("-", 100000000, -1, 2.0), "-: 100 MB, 50 MB/s");
}

// A folder of the test's own under the working folder.
std::string fresh_folder(const char *name)
{
    const std::string folder = std::string("cli_parts_") + name;
    remove((folder + "/out.txt").c_str());
    remove(folder.c_str());
    std::string command = "mkdir " + folder;
    (void)!system(command.c_str());
    return folder;
}

std::string read_all(const std::string &path)
{
    std::string bytes;
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<absent>";
    char block[256];
    size_t n;
    while ((n = fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, n);
    fclose(file);
    return bytes;
}

TEST(OutputFile, ReplacesOutOnlyWithACompleteCopyAndLeavesNothingBehind)
{
    const std::string folder = fresh_folder("replace");
    const std::string out = folder + "/out.txt";
    EXPECT_EQ(path_kind(out.c_str(), false), PATH_ABSENT);
    EXPECT_EQ(path_kind(folder.c_str(), false), PATH_OTHER);
    FILE *old = fopen(out.c_str(), "wb");
    ASSERT_NE(old, nullptr);
    fputs("old", old);
    fclose(old);
    EXPECT_EQ(path_kind(out.c_str(), false), PATH_REGULAR);

    OutputFile file;
    char error[256];
    ASSERT_TRUE(create_output(out.c_str(), nullptr, &file, error, sizeof error)) << error;
    EXPECT_EQ(std::string(file.temporary).rfind(folder + "/.cvnaaccr-", 0), 0u);
    ASSERT_TRUE(write_output(&file, "new", 3));
    EXPECT_EQ(read_all(out), "old"); // untouched until the copy is complete
    discard_output(&file);
    EXPECT_EQ(read_all(file.temporary), "<absent>");
    EXPECT_EQ(read_all(out), "old");

    ASSERT_TRUE(create_output(out.c_str(), nullptr, &file, error, sizeof error)) << error;
    ASSERT_TRUE(write_output(&file, "new", 3));
    ASSERT_TRUE(commit_output(&file, out.c_str(), error, sizeof error)) << error;
    EXPECT_EQ(read_all(out), "new");
    EXPECT_EQ(read_all(file.temporary), "<absent>");
    EXPECT_TRUE(is_same_file(out.c_str(), out.c_str()));
    EXPECT_FALSE(is_same_file(out.c_str(), (folder + "/absent").c_str()));
}

TEST(OutputFile, NeverOpensANameThatExists)
{
    const std::string folder = fresh_folder("exclusive");
    const std::string taken = folder + "/out.txt";
    FILE *f = fopen(taken.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("keep", f);
    fclose(f);
    OutputFile file;
    char error[256];
    EXPECT_EQ(create_output_named(taken.c_str(), nullptr, &file, error, sizeof error), 1);
    EXPECT_EQ(read_all(taken), "keep");
    EXPECT_EQ(create_output_named((folder + "/missing/x.tmp").c_str(), nullptr, &file, error, sizeof error), 2);
}

} // namespace
