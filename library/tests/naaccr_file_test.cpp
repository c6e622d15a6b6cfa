// naaccr_file_test.cpp -- cvGet_naaccr_file_info: the path split, every outcome
// with its message and count, reuse of a record, files over 4 GiB, files that
// are not regular, and the peer projects' sample files.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "cvnaaccr.h"
#include "flat/flat.h"
#include "test_files.h"

namespace
{

// A path as the library gives it back: on Windows every '/' becomes '\'.
std::string native(std::string path)
{
#ifdef _WIN32
    for (char &c : path)
        if (c == '/')
            c = '\\';
#endif
    return path;
}

struct Inspected {
    int32_t code;
    NaaccrFileInfo info;
};

// Inspects `path` with a record full of garbage.  A path of 1024 characters or
// more fills `directory` without a NUL: the library must cut it itself.
Inspected inspect(const std::string &path)
{
    Inspected r;
    memset(&r.info, '#', sizeof r.info);
    const size_t n = path.size() < sizeof r.info.directory ? path.size() + 1 : sizeof r.info.directory;
    memcpy(r.info.directory, path.c_str(), n);
    r.code = cvGet_naaccr_file_info(&r.info);
    return r;
}

std::string joined(const NaaccrFileInfo &info) { return std::string(info.directory) + info.file_name + info.extension; }

void expect_unrecognized(const NaaccrFileInfo &info)
{
    EXPECT_EQ(info.record_type, ' ');
    EXPECT_EQ(std::string(info.version, 4), std::string(4, '\0'));
    EXPECT_EQ(info.first_terminator, 0);
    EXPECT_EQ(info.second_terminator, 0);
    EXPECT_EQ(info.record_length, 0);
    EXPECT_EQ(info.record_count, 0);
}

// A record of `width` printable characters: `type` in column 1, `version` in
// columns 17 to 19.
std::string record(size_t width, char type = 'I', const char *version = "120")
{
    std::string r(width, ' ');
    r[0] = type;
    r.replace(16, 3, version);
    return r;
}

std::string repeat(const std::string &text, int times)
{
    std::string all;
    for (int k = 0; k < times; ++k)
        all += text;
    return all;
}

// Writes `head` at the start of a file of `size` bytes whose last byte is
// `last`; the bytes between are a hole, so the file takes little disk space.
std::string write_sparse_file(const std::string &name, const std::string &head, int64_t size, char last)
{
    const std::string path = (std::filesystem::path(test_folder()) / name).string();
    FILE *file = fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr) << path;
    if (file == nullptr)
        return path;
    EXPECT_EQ(fwrite(head.data(), 1, head.size(), file), head.size());
#ifdef _WIN32
    EXPECT_EQ(_fseeki64(file, size - 1, SEEK_SET), 0);
#else
    EXPECT_EQ(fseeko(file, static_cast<off_t>(size - 1), SEEK_SET), 0);
#endif
    EXPECT_EQ(fputc(last, file), static_cast<unsigned char>(last));
    EXPECT_EQ(fclose(file), 0);
    return path;
}

} // namespace

TEST(Inspection, ReturnsTheCodeMessageAndCountOfEveryOutcome)
{
    const std::string crlf = record(850) + "\r\n", lf = record(850) + "\n";
    std::string version_1(850, ' '); // type I, version 1: 850 characters, no terminator
    version_1[0] = 'I';
    version_1[535] = '1';
    const std::string ok = "Return value is NAACCR_REC_OK";
    const std::string uneven = "File length does not divide into equal-sized records. nterm= ";
    const std::string omitted = "<cr><lf> terminators omitted at end of file.";
    const std::string ctrl_z = "Stray Ctrl-Z at end of file.";
    const int32_t a18_length = find_naaccr_layout('A', "180")->length;
    const std::string a18 = record(a18_length, 'A', "180"), m18 = record(a18_length, 'M', "180");
    struct Case {
        const char *label;
        std::string bytes;
        int32_t code;
        std::string message;
        int32_t length, count;
    } cases[] = {
        {"three records", repeat(crlf, 3), NAACCR_REC_OK, ok, 852, 3},
        {"one record", crlf, NAACCR_REC_OK, ok, 852, 1},
        {"one unterminated record of 850", version_1, NAACCR_REC_OK, ok, 850, 1},
        {"records ending in LF CR", repeat(record(850) + "\n\r", 2), NAACCR_REC_OK, ok, 852, 2},
        {"second record of type C", crlf + record(850, 'C') + "\r\n", NAACCR_REC_MIXED_TYPES,
         "Second record begins with Record Type C.", 852, 2},
        {"third record of type C", repeat(crlf, 2) + record(850, 'C') + "\r\n", NAACCR_REC_OK, ok, 852, 3},
        {"a byte after CR LF records", repeat(crlf, 3) + "x", NAACCR_REC_UNEVEN_LENGTH, uneven + "2", 852, 3},
        {"a byte after LF records", repeat(lf, 2) + "x", NAACCR_REC_UNEVEN_LENGTH, uneven + "1", 851, 2},
        {"bytes after unterminated records", repeat(version_1, 2) + "xx", NAACCR_REC_UNEVEN_LENGTH, uneven + "0", 850,
         2},
        {"Ctrl-Z after CR LF records", repeat(crlf, 3) + "\x1a", NAACCR_REC_STRAY_CTRL_Z, ctrl_z, 852, 3},
        // Unterminated records are printable throughout the window.
        {"Ctrl-Z after unterminated records", repeat(version_1, 28) + "\x1a", NAACCR_REC_STRAY_CTRL_Z, ctrl_z, 850, 28},
        {"Ctrl-Z with another byte", repeat(crlf, 3) + "x\x1a", NAACCR_REC_UNEVEN_LENGTH, uneven + "2", 852, 3},
        {"last record lacks CR LF", repeat(crlf, 2) + record(850), NAACCR_REC_TERMINATOR_OMITTED, omitted, 852, 3},
        {"last record lacks its LF", repeat(crlf, 2) + record(850) + "\r", NAACCR_REC_UNEVEN_LENGTH, uneven + "2", 852,
         2},
        {"last record lacks LF CR", record(850) + "\n\r" + record(850), NAACCR_REC_TERMINATOR_OMITTED, omitted, 852, 2},
        {"last record lacks its LF of LF records", repeat(lf, 2) + record(850), NAACCR_REC_TERMINATOR_OMITTED, omitted,
         851, 3},
        {"last record lacks its CR of CR records", record(850) + "\r" + record(850), NAACCR_REC_TERMINATOR_OMITTED,
         omitted, 851, 2},
        {"bad version", repeat(std::string(1, 'M') + std::string(849, '9') + "\r\n", 2), NAACCR_REC_BAD_VERSION,
         "Invalid NAACCR Version code for Record Type M.", 852, 0},
        {"bad type", repeat(record(850, 'x') + "\r\n", 2), NAACCR_REC_BAD_TYPE, "Invalid NAACCR Record Type x.", 852,
         0},
        {"illegal byte", record(900).replace(99, 1, "\t") + "\r\n", NAACCR_REC_ILLEGAL_CHAR,
         "Illegal character, ASCII 9, found at column 100", 99, 0},
        {"NUL in the first record", record(900).replace(9, 1, std::string(1, '\0')) + "\r\n", NAACCR_REC_ILLEGAL_CHAR,
         "Illegal character, ASCII 0, found at column 10", 9, 0},
        // The second record's first byte lies beyond the bytes read when the
        // record is 23000 bytes long: the test is not made.
        {"second record of 23000 beyond the head", record(22998) + "\r\n" + record(22998, 'C') + "\r\n", NAACCR_REC_OK,
         ok, 23000, 2},
        {"second record of 22999 inside the head", record(22997) + "\r\n" + record(22997, 'C') + "\r\n",
         NAACCR_REC_MIXED_TYPES, "Second record begins with Record Type C.", 22999, 2},
        // Version 180 abstracts end past the window: the terminator and the
        // second record's type are read just past it.
        {"v18 abstracts with CR LF", repeat(a18 + "\r\n", 3), NAACCR_REC_OK, ok, a18_length + 2, 3},
        {"v18 abstracts with LF CR", repeat(a18 + "\n\r", 2), NAACCR_REC_OK, ok, a18_length + 2, 2},
        {"v18 abstracts with CR", repeat(a18 + "\r", 2), NAACCR_REC_OK, ok, a18_length + 1, 2},
        {"v18 abstracts without terminators", repeat(a18, 2), NAACCR_REC_OK, ok, a18_length, 2},
        {"one v18 abstract whose LF is the file's last byte", a18 + "\n", NAACCR_REC_OK, ok, a18_length + 1, 1},
        {"v18 abstract, then type M", a18 + "\n" + m18 + "\n", NAACCR_REC_MIXED_TYPES,
         "Second record begins with Record Type M.", a18_length + 1, 2},
        {"unterminated v18 abstract, then type M", a18 + m18, NAACCR_REC_MIXED_TYPES,
         "Second record begins with Record Type M.", a18_length, 2},
        {"v18 abstract, last lacks CR LF", a18 + "\r\n" + a18, NAACCR_REC_TERMINATOR_OMITTED, omitted, a18_length + 2,
         2},
        {"v18 abstract and a Ctrl-Z", a18 + "\r\n\x1a", NAACCR_REC_STRAY_CTRL_Z, ctrl_z, a18_length + 2, 1},
        {"v18 abstract one byte too long", a18 + "x\r\n", NAACCR_REC_UNEVEN_LENGTH, uneven + "0", a18_length, 1},
        // Other layouts still end inside the window or count as unterminated.
        {"v16 abstract running past the window", record(24000, 'A', "160") + "\r\n", NAACCR_REC_UNEVEN_LENGTH,
         uneven + "0", 22824, 1},
        {"unknown version running past the window", record(24194, 'A', "190") + "\r\n", NAACCR_REC_BAD_VERSION,
         "Invalid NAACCR Version code for Record Type A.", 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Inspected r = inspect(write_test_file("records.dat", c.bytes));
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(std::string(r.info.message), c.message);
        EXPECT_EQ(r.info.record_type, c.bytes[0]);
        EXPECT_EQ(r.info.record_length, c.length);
        EXPECT_EQ(r.info.record_count, c.count);
        EXPECT_EQ(r.info.file_size, static_cast<int64_t>(c.bytes.size()));
        EXPECT_STREQ(r.info.file_name, "records");
        EXPECT_STREQ(r.info.extension, ".dat");
    }
}

TEST(Inspection, RefusesEmptyAndShortFilesBeforeRecognition)
{
    struct Case {
        const char *label;
        std::string bytes;
        int32_t code;
        const char *message;
    } cases[] = {
        {"empty", "", NAACCR_REC_EMPTY_FILE, "File records.dat is empty."},
        {"one byte", "I", NAACCR_REC_TOO_SHORT, "File length of 1 is too short to hold a valid record."},
        {"849 bytes", record(849), NAACCR_REC_TOO_SHORT, "File length of 849 is too short to hold a valid record."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Inspected r = inspect(write_test_file("records.dat", c.bytes));
        EXPECT_EQ(r.code, c.code);
        EXPECT_STREQ(r.info.message, c.message);
        EXPECT_EQ(r.info.file_size, static_cast<int64_t>(c.bytes.size()));
        expect_unrecognized(r.info);
    }
}

TEST(Inspection, SplitsThePathIntoDirectoryNameAndExtension)
{
    // None of these names a file: each call fails to open the rejoined path.
    struct Case {
        const char *label;
        std::string path, directory, file_name, extension;
    } cases[] = {
        {"two dots", "no-such-dir/a.b.txt", "no-such-dir/", "a.b", ".txt"},
        {"a leading dot", "no-such-dir/.hidden", "no-such-dir/", "", ".hidden"},
        {"a dot in the directory only", "no-such.dir/name", "no-such.dir/", "name", ""},
        {"a trailing dot", "no-such-dir/name.", "no-such-dir/", "name", "."},
        {"a bare name", "no-such-file.txt", "", "no-such-file", ".txt"},
        {"a trailing separator", "no-such-dir/", "no-such-dir/", "", ""},
        {"separators in a row", "no-such-dir//x/c.d", "no-such-dir//x/", "c", ".d"},
        {"leading blanks and control bytes", " \t\r\n\x01\x1f no-such-dir/y.z", "no-such-dir/", "y", ".z"},
        {"blanks inside", "no such dir/c d.e f", "no such dir/", "c d", ".e f"},
        {"bytes 128 and above kept", "\xa0\xe9t\xe9/\xff.x", "\xa0\xe9t\xe9/", "\xff", ".x"},
        {"blanks only", "  \t  ", "", "", ""},
        {"empty", "", "", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Inspected r = inspect(c.path);
        EXPECT_EQ(r.code, NAACCR_REC_OPEN_FAILED);
        EXPECT_EQ(std::string(r.info.directory), native(c.directory));
        EXPECT_EQ(std::string(r.info.file_name), c.file_name);
        EXPECT_EQ(std::string(r.info.extension), c.extension);
        EXPECT_EQ(std::string(r.info.message), "Can't open file " + joined(r.info) + " for reading");
        EXPECT_EQ(r.info.file_size, 0);
        expect_unrecognized(r.info);
    }
}

TEST(Inspection, SplitsAtBackslashesOnWindowsOnly)
{
    const Inspected r = inspect("no\\such.dir/a\\b.c");
#ifdef _WIN32
    EXPECT_STREQ(r.info.directory, "no\\such.dir\\a\\");
    EXPECT_STREQ(r.info.file_name, "b");
#else
    EXPECT_STREQ(r.info.directory, "no\\such.dir/");
    EXPECT_STREQ(r.info.file_name, "a\\b");
#endif
    EXPECT_STREQ(r.info.extension, ".c");
}

TEST(Inspection, OpensTheFileUnderThePathItGivesBack)
{
    const std::string path = write_test_file("sample.v12.txt", record(850) + "\n");
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::string slashed = path;
    for (char &c : slashed)
        if (c == '\\')
            c = '/';
    struct Case {
        const char *label;
        std::string path;
    } cases[] = {
        {"as written", path},
        {"with leading blanks and tabs", " \t \t" + path},
        {"with slashes", slashed},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Inspected r = inspect(c.path);
        EXPECT_EQ(r.code, NAACCR_REC_OK);
        EXPECT_EQ(std::string(r.info.directory), native(slashed.substr(0, slashed.rfind('/') + 1)));
        EXPECT_STREQ(r.info.file_name, "sample.v12");
        EXPECT_STREQ(r.info.extension, ".txt");
        EXPECT_EQ(r.info.record_count, 1);
    }

    // A bare name is opened in the current directory.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const Inspected bare = inspect("sample.v12.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(bare.code, NAACCR_REC_OK);
    EXPECT_STREQ(bare.info.directory, "");
    EXPECT_STREQ(bare.info.file_name, "sample.v12");
}

// Windows' narrow file functions stop at 259 characters; inspection opens longer paths too, absolute and relative.
TEST(Inspection, OpensFilesWhosePathsAreLongerThanTheOldWindowsLimit)
{
    const std::string nested = std::string(120, 'a') + "/" + std::string(120, 'b') + "/" + std::string(120, 'c');
    std::filesystem::create_directories(std::filesystem::path(test_folder()) / nested);
    const std::string path = write_test_file(nested + "/records.txt", repeat(record(850) + "\r\n", 3));
    ASSERT_GT(path.size(), 400u);

    const Inspected absolute = inspect(path);
    EXPECT_EQ(absolute.code, NAACCR_REC_OK) << absolute.info.message;
    EXPECT_EQ(absolute.info.record_count, 3);
    EXPECT_EQ(joined(absolute.info), native(path));

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(test_folder());
    const Inspected relative = inspect(nested + "/records.txt");
    std::filesystem::current_path(previous);
    EXPECT_EQ(relative.code, NAACCR_REC_OK) << relative.info.message;
    EXPECT_EQ(relative.info.record_count, 3);
}

TEST(Inspection, RefusesAnExtensionLongerThanItsField)
{
    // The 255 characters that would fit name another file, which must not be opened.
    const std::string fits = "." + std::string(254, 'e');
    const std::string path = write_test_file(fits, record(850) + "\n");
    const Inspected r = inspect(path);
    EXPECT_EQ(r.code, NAACCR_REC_OK);
    EXPECT_STREQ(r.info.file_name, "");
    EXPECT_EQ(std::string(r.info.extension), fits);

    const Inspected longer = inspect(path + "e");
    EXPECT_EQ(longer.code, NAACCR_REC_OPEN_FAILED);
    EXPECT_EQ(std::string(longer.info.file_name), fits + "e");
    EXPECT_STREQ(longer.info.extension, "");
    EXPECT_EQ(joined(longer.info), native(path + "e"));
    EXPECT_EQ(std::string(longer.info.message), "Can't open file " + native(path + "e") + " for reading");
    expect_unrecognized(longer.info);
}

TEST(Inspection, CutsTheMessageOfALongPath)
{
    // "Can't open file " and " for reading" leave 995 characters for the path.
    struct Case {
        const char *label;
        size_t length;
        bool cut;
    } cases[] = {{"995", 995, false}, {"996", 996, true}, {"1023", 1023, true}, {"1100", 1100, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = "no-such-dir/" + std::string(c.length - 12, 'n');
        const Inspected r = inspect(path);
        const std::string used = native(path.substr(0, 1023));
        EXPECT_EQ(r.code, NAACCR_REC_OPEN_FAILED);
        EXPECT_EQ(joined(r.info), used);
        const std::string expected = c.cut ? "Can't open file " + used.substr(0, 992) + "... for reading"
                                           : "Can't open file " + used + " for reading";
        EXPECT_EQ(std::string(r.info.message), expected);
        EXPECT_LE(strlen(r.info.message), 1023u);
    }
}

TEST(Inspection, KeepsNothingOfAnEarlierCall)
{
    const std::string path = write_test_file("good.txt", repeat(record(850) + "\r\n", 2));
    Inspected r = inspect(path);
    ASSERT_EQ(r.code, NAACCR_REC_OK);
    const std::string missing = path + ".missing";
    strcpy(r.info.directory, missing.c_str());
    EXPECT_EQ(cvGet_naaccr_file_info(&r.info), NAACCR_REC_OPEN_FAILED);
    EXPECT_EQ(r.info.file_size, 0);
    EXPECT_STREQ(r.info.extension, ".missing");
    expect_unrecognized(r.info);
}

TEST(Inspection, KeepsOverlappingCallsOnDistinctRecordsApart)
{
    const std::string a = write_test_file("first.a", repeat(record(850) + "\n", 3));
    const std::string b = write_test_file("second-file.bb", repeat(record(900, 'C') + "\r\n", 2));
    int failures[2] = {0, 0};
    auto run = [&failures](int slot, const std::string &path, const char *name, int32_t count) {
        for (int k = 0; k < 300; ++k) {
            const Inspected r = inspect(path);
            if (r.code != NAACCR_REC_OK || strcmp(r.info.file_name, name) != 0 || r.info.record_count != count)
                ++failures[slot];
        }
    };
    std::thread first(run, 0, a, "first", 3);
    run(1, b, "second-file", 2);
    first.join();
    EXPECT_EQ(failures[0], 0);
    EXPECT_EQ(failures[1], 0);
}

TEST(Inspection, RefusesWhatIsNotARegularFile)
{
    const std::string folder = test_folder();
    const Inspected dir = inspect(folder);
    EXPECT_EQ(dir.code, NAACCR_REC_OPEN_FAILED);
    EXPECT_EQ(dir.info.file_size, 0);
    expect_unrecognized(dir.info);
#ifndef _WIN32
    // A FIFO without a writer would block a plain open or read.
    const std::string fifo = folder + "/fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const Inspected r = inspect(fifo);
    EXPECT_EQ(r.code, NAACCR_REC_OPEN_FAILED);
    EXPECT_STREQ(r.info.message, ("Can't open file " + fifo + " for reading").c_str());
    expect_unrecognized(r.info);
    std::filesystem::remove(fifo);
#endif
}

TEST(Inspection, CountsTheRecordsOfFilesOver4GiB)
{
    const std::string lf = record(3339) + "\n";
    const int64_t size = 3340LL * 1300000; // 4,342,000,000 bytes
    // Records of two bytes ("I" and LF) with "120" in columns 17 to 19.
    const std::string tiny = repeat("I\n", 8) + "120\n";
    const int64_t four_gib = 1LL << 32;
    struct Case {
        const char *label;
        std::string head;
        int64_t size;
        char last;
        int32_t code, length, count;
    } cases[] = {
        {"whole records", lf + lf, size, '\n', NAACCR_REC_OK, 3340, 1300000},
        {"last LF omitted", lf + lf, size - 1, ' ', NAACCR_REC_TERMINATOR_OMITTED, 3340, 1300000},
        {"stray Ctrl-Z", lf + lf, size + 1, '\x1a', NAACCR_REC_STRAY_CTRL_Z, 3340, 1300000},
        {"uneven", lf + lf, size + 1, 'x', NAACCR_REC_UNEVEN_LENGTH, 3340, 1300000},
        {"2147483647 records", tiny, four_gib - 2, '\n', NAACCR_REC_OK, 2, INT32_MAX},
        {"2147483648 records", tiny, four_gib, '\n', NAACCR_REC_OK, 2, INT32_MAX},
        {"2147483649 records", tiny, four_gib + 2, '\n', NAACCR_REC_OK, 2, INT32_MAX},
        {"2147483647 records and one omitted", tiny, four_gib - 1, 'x', NAACCR_REC_TERMINATOR_OMITTED, 2, INT32_MAX},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = write_sparse_file("big.txt", c.head, c.size, c.last);
        const Inspected r = inspect(path);
        std::filesystem::remove(path);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.info.file_size, c.size);
        EXPECT_EQ(r.info.record_length, c.length);
        EXPECT_EQ(r.info.record_count, c.count);
    }
}

TEST(Inspection, RecognisesThePeerProjectsSampleFiles)
{
    const std::string folder = peerdata_folder();
    ASSERT_FALSE(folder.empty());
    struct Case {
        const char *file;
        int32_t code;
        char type;
        const char *version;
        int32_t length;
        char first;
        int64_t size;
        int32_t count;
    } cases[] = {
        {"layout__fake-naaccr-1-rec.txt", NAACCR_REC_OK, 'I', "120", 3340, '\n', 3340, 1},
        {"layout__fake-naaccr13-1-rec.txt", NAACCR_REC_OK, 'I', "130", 3340, '\n', 3340, 1},
        {"layout__fake-naaccr15-1-rec.txt", NAACCR_REC_OK, 'I', "150", 3340, '\n', 3340, 1},
        {"layout__fake-naaccr15-1-rec-no-version.txt", NAACCR_REC_BAD_TYPE, ' ', " ", 3340, '\n', 3340, 0},
        {"naaccr-xml__fake-naaccr14inc-2-rec.txt", NAACCR_REC_TERMINATOR_OMITTED, 'I', "140", 3340, '\n', 6679, 2},
        {"werth-naaccr__synthetic-naaccr-16-abstract.txt", NAACCR_REC_OK, 'A', "160", 22825, '\n', 228250, 10},
        {"werth-naaccr__synthetic-naaccr-16-incidence.txt", NAACCR_REC_OK, 'I', "160", 3340, '\n', 33400, 10},
        // The abstract's records are longer than the window: its terminator
        // lies just past it.
        {"werth-naaccr__synthetic-naaccr-18-abstract.txt", NAACCR_REC_OK, 'A', "180", 24195, '\n', 483900, 20},
        {"werth-naaccr__synthetic-naaccr-18-incidence.txt", NAACCR_REC_OK, 'I', "180", 4049, '\n', 80980, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const Inspected r = inspect(folder + "/" + c.file);
        EXPECT_EQ(r.code, c.code) << r.info.message;
        EXPECT_EQ(r.info.record_type, c.type);
        EXPECT_STREQ(r.info.version, c.version);
        EXPECT_EQ(r.info.record_length, c.length);
        EXPECT_EQ(r.info.first_terminator, c.first);
        EXPECT_EQ(r.info.second_terminator, 0);
        EXPECT_EQ(r.info.file_size, c.size);
        EXPECT_EQ(r.info.record_count, c.count);
        EXPECT_EQ(joined(r.info), native(folder + "/" + c.file));
    }
}
