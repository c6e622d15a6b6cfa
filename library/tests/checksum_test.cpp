// checksum_test.cpp -- the NAACCR checksum field: cvAssignChecksum,
// cvCompareChecksum and the look-up of its column.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>
#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "flat/flat.h"
#include "test_files.h"

namespace
{

uint32_t reference_crc(const std::string &bytes)
{
    return ~crc32_update_reference(CRC32_PRESET, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

std::string hex10(uint32_t value)
{
    char text[11];
    snprintf(text, sizeof text, "%010X", value);
    return text;
}

// A record of `length` printable characters with `type` in column 1 and the
// version code where the recognizer looks for it.
std::string make_record(char type, const std::string &version, size_t length, uint32_t seed = 1)
{
    std::mt19937 rng(seed);
    std::string record(length, ' ');
    for (char &c : record)
        c = static_cast<char>('a' + rng() % 26);
    record[0] = type;
    if (length >= 19) {
        if (version.size() == 3)
            record.replace(16, 3, version);
        else {
            record.replace(16, 3, "   ");
            record[18] = version[0] >= '1' && version[0] <= '4' ? ' ' : version[0];
        }
    }
    if (length >= 536)
        record[535] = version.size() == 1 && version[0] >= '1' && version[0] <= '4' ? version[0] : ' ';
    return record;
}

// The record's bytes in a buffer of their exact size, so that AddressSanitizer
// catches a read past them.
std::vector<char> exact(const std::string &bytes) { return std::vector<char>(bytes.begin(), bytes.end()); }

std::string text(const std::vector<char> &buffer) { return std::string(buffer.begin(), buffer.end()); }

} // namespace

TEST(Checksum, WorkedIncidenceRecordWithCrLfAndWithNul)
{
    const std::string record = make_record('I', "120", 3339);
    const std::string expected = hex10(reference_crc(record.substr(0, 1919) + record.substr(1929)));

    std::vector<char> crlf = exact(record + "\r\n");
    ASSERT_EQ(cvAssignChecksum(crlf.data()), 0);
    EXPECT_EQ(text(crlf).substr(1919, 10), expected);
    EXPECT_EQ(text(crlf).substr(3339), "\r\n");
    EXPECT_EQ(text(crlf).substr(0, 1919), record.substr(0, 1919)) << "column 1919 is left alone";
    EXPECT_EQ(cvCompareChecksum(crlf.data()), 0);

    std::vector<char> nul = exact(record + '\0');
    ASSERT_EQ(cvAssignChecksum(nul.data()), 0);
    EXPECT_EQ(text(nul).substr(0, 3339), text(crlf).substr(0, 3339));
}

// Every code of every layout, in turn with each terminator form: the field
// stands where the layout table puts it, or the layout has none.
TEST(Checksum, FieldColumnFollowsTypeAndVersion)
{
    const char *terminators[] = {"\r\n", "\n", "\n\r", "\r"};
    size_t turn = 0;
    for (size_t n = 0; n < naaccr_layout_count; ++n) {
        const NaaccrLayout &layout = naaccr_layouts[n];
        for (const char *code = layout.codes; *code != '\0'; code += *code == ' ') {
            const std::string version(code, strcspn(code, " "));
            code += version.size();
            const char *terminator = terminators[turn++ % 4];
            SCOPED_TRACE(std::string(1, layout.record_type) + " " + version + " " + std::to_string(turn % 4));
            std::string record = make_record(layout.record_type, version, static_cast<size_t>(layout.length));
            if (layout.record_type == 'U')
                record.replace(1, version.size(), version);
            const std::vector<char> original = exact(record + terminator);
            uint32_t length = 0, column = 0;
            const int32_t code_found = locate_naaccr_checksum(original.data(), &length, &column);
            std::vector<char> buffer = original;
            if (layout.checksum_column == 0) {
                EXPECT_EQ(code_found, NAACCR_REC_NO_CHECKSUM);
                EXPECT_EQ(cvAssignChecksum(buffer.data()), NAACCR_REC_NO_CHECKSUM);
                EXPECT_EQ(buffer, original);
                continue;
            }
            ASSERT_EQ(code_found, 0);
            EXPECT_EQ(length, static_cast<uint32_t>(layout.length));
            EXPECT_EQ(column, layout.checksum_column);
            ASSERT_EQ(cvAssignChecksum(buffer.data()), 0);
            const size_t at = layout.checksum_column - 1;
            EXPECT_EQ(text(buffer).substr(at, 10), hex10(reference_crc(record.substr(0, at) + record.substr(at + 10))));
            EXPECT_EQ(text(buffer).substr(0, at), record.substr(0, at));
            EXPECT_EQ(text(buffer).substr(at + 10), record.substr(at + 10) + terminator);
            EXPECT_EQ(cvCompareChecksum(buffer.data()), 0);
        }
    }
}

TEST(Checksum, ShorterRecordThanItsLayoutKeepsItsColumn)
{
    const std::string record = make_record('I', "150", 2000);
    std::vector<char> buffer = exact(record + "\n");
    uint32_t length = 0, column = 0;
    ASSERT_EQ(locate_naaccr_checksum(buffer.data(), &length, &column), 0);
    EXPECT_EQ(length, 2000u);
    EXPECT_EQ(column, 1920u);
}

// Records of type A and M of version 180 run past the 23000-byte window: the
// checksum covers every byte up to the record's end.
TEST(Checksum, Version180AbstractIsCoveredToItsEnd)
{
    const int32_t layout_length = find_naaccr_layout('A', "180")->length;
    const std::string record = make_record('A', "180", static_cast<size_t>(layout_length));
    struct Case {
        const char *label;
        std::string bytes;
        uint32_t length;
    } cases[] = {
        {"CR LF after the layout's length", record + "\r\n", static_cast<uint32_t>(layout_length)},
        {"no terminator: the layout's length", record, static_cast<uint32_t>(layout_length)},
        {"ends at a NUL past the window", record.substr(0, 23500) + '\0', 23500},
        {"ends at an LF in the window's last column", record.substr(0, 22999) + "\n", 22999},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<char> buffer = exact(c.bytes);
        uint32_t length = 0, column = 0;
        ASSERT_EQ(locate_naaccr_checksum(buffer.data(), &length, &column), 0);
        EXPECT_EQ(length, c.length);
        EXPECT_EQ(column, 2607u);
        ASSERT_EQ(cvAssignChecksum(buffer.data()), 0);
        EXPECT_EQ(text(buffer).substr(2606, 10),
                  hex10(reference_crc(record.substr(0, 2606) + record.substr(2616, c.length - 2616))));
        EXPECT_EQ(cvCompareChecksum(buffer.data()), 0);
        buffer[c.length - 1] = buffer[c.length - 1] == 'q' ? 'r' : 'q';
        EXPECT_EQ(cvCompareChecksum(buffer.data()), CV_FIELD_MISMATCH) << "the record's last byte counts";
    }
}

TEST(Checksum, RefusalsLeaveTheRecordUnchanged)
{
    std::string tab = make_record('I', "150", 3339);
    tab[99] = '\t';
    std::string bad_type = make_record('I', "150", 3339);
    bad_type[0] = 'a';
    std::string high_byte = make_record('A', "B", 6694);
    high_byte[2000] = static_cast<char>(200);
    std::string u_with_nul = make_record('U', "   ", 1543);
    u_with_nul.replace(1, 3, "150");
    u_with_nul[700] = '\0';

    struct Case {
        const char *label;
        std::string bytes;
        int32_t assign, compare;
    } cases[] = {
        {"type I version 5", make_record('I', "5", 1525) + "\r\n", NAACCR_REC_NO_CHECKSUM, NAACCR_REC_NO_CHECKSUM},
        {"type I version 2", make_record('I', "2", 850) + "\r\n", NAACCR_REC_NO_CHECKSUM, NAACCR_REC_NO_CHECKSUM},
        {"type R", make_record('R', "120", 2215) + "\r\n", NAACCR_REC_NO_CHECKSUM, NAACCR_REC_NO_CHECKSUM},
        {"type U, ends at its NUL", u_with_nul, NAACCR_REC_NO_CHECKSUM, NAACCR_REC_NO_CHECKSUM},
        {"invalid type", bad_type + "\r\n", NAACCR_REC_BAD_TYPE, NAACCR_REC_BAD_TYPE},
        {"invalid version", make_record('M', "9", 3000) + "\n", NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_VERSION},
        {"type R version 180", make_record('R', "180", 2215) + "\n", NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_VERSION},
        {"TAB inside", tab + "\r\n", NAACCR_REC_ILLEGAL_CHAR, NAACCR_REC_ILLEGAL_CHAR},
        {"byte 200 inside", high_byte + "\n", NAACCR_REC_ILLEGAL_CHAR, NAACCR_REC_ILLEGAL_CHAR},
        {"version code past the end", "I120\n", NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_VERSION},
        {"empty record", std::string(1, '\0'), NAACCR_REC_BAD_TYPE, NAACCR_REC_BAD_TYPE},
        {"shorter than the column", make_record('I', "150", 1918) + "\r\n", CV_FIELD_PAST_END, CV_FIELD_MISMATCH},
        {"ends inside the field", make_record('I', "150", 1925) + "\r\n", CV_FIELD_PAST_END, CV_FIELD_MISMATCH},
        {"ends one short of the field's end", make_record('C', "9", 950) + "\n", CV_FIELD_PAST_END, CV_FIELD_MISMATCH},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<char> buffer = exact(c.bytes);
        EXPECT_EQ(cvAssignChecksum(buffer.data()), c.assign);
        EXPECT_EQ(text(buffer), c.bytes);
        EXPECT_EQ(cvCompareChecksum(buffer.data()), c.compare);
    }
}

TEST(Checksum, FieldEndingAtTheRecordEndIsAccepted)
{
    std::vector<char> buffer = exact(make_record('C', "9", 951) + "\n");
    EXPECT_EQ(cvAssignChecksum(buffer.data()), 0);
    EXPECT_EQ(cvCompareChecksum(buffer.data()), 0);
}

TEST(Checksum, CompareIgnoresTheFirstTwoColumnsOnly)
{
    const std::string record = make_record('A', "150", 22824);
    std::vector<char> assigned = exact(record + "\r\n");
    ASSERT_EQ(cvAssignChecksum(assigned.data()), 0);

    struct Case {
        const char *label;
        size_t offset;
        char byte;
        int32_t expected;
    } cases[] = {
        {"first field column", 1919, 'Z', CV_FIELD_OK},
        {"second field column", 1920, ' ', CV_FIELD_OK},
        {"third field column", 1921, 'Z', CV_FIELD_MISMATCH},
        {"last field column", 1928, 'Z', CV_FIELD_MISMATCH},
        {"column 1919", 1918, '#', CV_FIELD_MISMATCH},
        {"column 1930", 1929, '#', CV_FIELD_MISMATCH},
        {"column 2", 1, '#', CV_FIELD_MISMATCH},
        {"last column", 22823, '#', CV_FIELD_MISMATCH},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<char> buffer = assigned;
        buffer[c.offset] = buffer[c.offset] == c.byte ? '%' : c.byte;
        EXPECT_EQ(cvCompareChecksum(buffer.data()), c.expected);
    }
}

// Earlier releases wrote the field of NAACCR 12 to 16 records at column 1919,
// over the ICD-O-2 conversion flag; such records still verify.
TEST(Checksum, FieldWrittenAtColumn1919StillVerifies)
{
    std::string record = make_record('I', "140", 3339);
    record.replace(1918, 10, hex10(reference_crc(record.substr(0, 1918) + record.substr(1928))));
    std::vector<char> earlier = exact(record + "\n");
    EXPECT_EQ(cvCompareChecksum(earlier.data()), 0);

    std::vector<char> changed = earlier;
    changed[3000] = changed[3000] == 'q' ? 'r' : 'q';
    EXPECT_EQ(cvCompareChecksum(changed.data()), CV_FIELD_MISMATCH);

    // Version A and B records have only their one column.
    std::string version_b = make_record('A', "B", 6694);
    version_b.replace(1162, 10, hex10(reference_crc(version_b.substr(0, 1162) + version_b.substr(1172))));
    std::vector<char> shifted_b = exact(version_b + "\n");
    EXPECT_EQ(cvCompareChecksum(shifted_b.data()), CV_FIELD_MISMATCH);

    // A record that ends inside columns 1920 to 1929 does not match, even
    // when columns 1919 to 1928 hold the earlier form.
    std::string short_record = make_record('I', "140", 1928);
    short_record.replace(1918, 10, hex10(reference_crc(short_record.substr(0, 1918))));
    std::vector<char> short_buffer = exact(short_record + "\n");
    EXPECT_EQ(cvCompareChecksum(short_buffer.data()), CV_FIELD_MISMATCH);
}

// With no end of record inside the 23000-byte window, the layout's length
// stands; the buffer holds just the window.
TEST(Checksum, RecordWithoutEndInTheWindowUsesTheLayoutLength)
{
    const std::string window = make_record('A', "122", NAACCR_RECORD_BUFFER_SIZE);
    std::vector<char> buffer = exact(window);
    uint32_t length = 0, column = 0;
    ASSERT_EQ(locate_naaccr_checksum(buffer.data(), &length, &column), 0);
    EXPECT_EQ(length, 22824u);
    ASSERT_EQ(cvAssignChecksum(buffer.data()), 0);
    EXPECT_EQ(text(buffer).substr(1919, 10), hex10(reference_crc(window.substr(0, 1919) + window.substr(1929, 20895))));
    EXPECT_EQ(cvCompareChecksum(buffer.data()), 0);
}

TEST(Checksum, PeerSampleFileVerifiesAfterAssign)
{
    const std::string folder = peerdata_folder();
    ASSERT_FALSE(folder.empty());
    std::ifstream file(folder + "/layout__fake-naaccr15-1-rec.txt", std::ios::binary);
    ASSERT_TRUE(file.good());
    std::stringstream content;
    content << file.rdbuf();
    const std::string bytes = content.str();
    ASSERT_EQ(bytes.size(), 3340u);

    // Published cross-check: the CRC-32 without a 10-column field at 1919 or 1920.
    EXPECT_EQ(cvCalcCRC32(bytes.data(), 3339, 1920, 10), 0x09F29DDAu);
    EXPECT_EQ(cvCalcCRC32(bytes.data(), 3339, 1919, 10), 0x09F29DDAu);
    std::vector<char> buffer = exact(bytes);
    EXPECT_EQ(cvCompareChecksum(buffer.data()), CV_FIELD_MISMATCH) << "the field is blank in the sample";
    ASSERT_EQ(cvAssignChecksum(buffer.data()), 0);
    EXPECT_EQ(text(buffer).substr(1919, 10), "0009F29DDA");
    EXPECT_EQ(text(buffer).substr(0, 1919) + text(buffer).substr(1929), bytes.substr(0, 1919) + bytes.substr(1929));
    EXPECT_EQ(cvCompareChecksum(buffer.data()), 0);
}

#ifndef _WIN32
// A record whose terminator is the last readable byte before an unmapped page:
// the record and the byte that ends it are read, nothing after.
TEST(Checksum, ReadsNothingPastTheByteThatEndsTheRecord)
{
    const long page = sysconf(_SC_PAGESIZE);
    struct Case {
        const char *label;
        std::string bytes;
        int32_t code;
    } cases[] = {
        {"type I, LF", make_record('I', "180", 4048) + "\n", 0},
        {"type I, NUL", make_record('I', "180", 4048) + '\0', 0},
        {"type U, CR", make_record('U', "180", 1543).replace(1, 3, "180") + "\r", NAACCR_REC_NO_CHECKSUM},
        {"type A of version 180, past the window", make_record('A', "180", 24194) + "\n", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const size_t pages = (c.bytes.size() + static_cast<size_t>(page) - 1) / static_cast<size_t>(page) + 1;
        void *map = mmap(nullptr, pages * static_cast<size_t>(page), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(map, MAP_FAILED);
        char *guard = static_cast<char *>(map) + (pages - 1) * static_cast<size_t>(page);
        ASSERT_EQ(mprotect(guard, static_cast<size_t>(page), PROT_NONE), 0);
        char *record = guard - c.bytes.size();
        memcpy(record, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(cvAssignChecksum(record), c.code);
        EXPECT_EQ(cvCompareChecksum(record), c.code);
        munmap(map, pages * static_cast<size_t>(page));
    }
}
#endif
