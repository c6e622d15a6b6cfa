// check_field_test.cpp -- the CRC-32 engine and the check-field functions
// cvCalcCRC32, cvAssignCRC32 and cvCompareCRC32.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "cvnaaccr.h"

namespace
{

uint32_t reference_crc(const std::string &bytes)
{
    return ~crc32_update_reference(CRC32_PRESET, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
}

std::string random_text(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string text(n, ' ');
    for (char &c : text)
        c = static_cast<char>(32 + rng() % 95);
    return text;
}

using Engine = uint32_t (*)(uint32_t, const unsigned char *, size_t);

struct NamedEngine {
    const char *name;
    Engine update;
    bool available;
};

std::vector<NamedEngine> engines()
{
    return {{"dispatch", crc32_update, true},
            {"pclmul", crc32_update_pclmul, crc32_has_pclmul()},
            {"vpclmul", crc32_update_vpclmul, crc32_has_vpclmul()}};
}

} // namespace

// Check value of CRC-32/ISO-HDLC from the CRC catalogue (reveng.sourceforge.io).
TEST(Crc32, GivesTheCatalogueCheckValue)
{
    EXPECT_EQ(reference_crc("123456789"), 0xCBF43926u);
    EXPECT_EQ(reference_crc(""), 0u);
    EXPECT_EQ(crc32_table[1], 0x77073096u);
    EXPECT_EQ(crc32_table[255], 0x2D02EF8Du);
    EXPECT_EQ(cvCalcCRC32("123456789", 9, 10, 0), 0xCBF43926u);
}

// Every length from 0 to 1500 covers each size class of the folding loops
// (64, 256 bytes, 16-byte tails, byte tails); 64 alignments cover every
// position of a 512-bit load.  The reference for all lengths at one alignment
// comes from one incremental pass.
TEST(Crc32, FoldingFormsEqualTheReferenceAtEveryLengthAndAlignment)
{
    const size_t longest = 1500;
    std::vector<unsigned char> data(longest + 64);
    std::mt19937 rng(7);
    for (unsigned char &c : data)
        c = static_cast<unsigned char>(rng());

    for (const NamedEngine &engine : engines()) {
        if (!engine.available) {
            continue;
        }
        SCOPED_TRACE(engine.name);
        int failures = 0;
        for (size_t align = 0; align < 64; ++align) {
            const unsigned char *p = data.data() + align;
            const uint32_t start = static_cast<uint32_t>(rng());
            uint32_t expected = start;
            for (size_t n = 0; n <= longest && failures < 5; ++n) {
                if (engine.update(start, p, n) != expected) {
                    ADD_FAILURE() << "length " << n << " alignment " << align;
                    ++failures;
                }
                if (n < longest)
                    expected = crc32_update_reference(expected, p + n, 1);
            }
        }
    }
}

TEST(Crc32, FoldingFormsEqualTheReferenceOnRandomLengthsUpTo70000)
{
    std::mt19937 rng(11);
    std::vector<unsigned char> data(70000 + 64);
    for (unsigned char &c : data)
        c = static_cast<unsigned char>(rng());
    for (size_t align = 0; align < 64; ++align) {
        const size_t n = rng() % 70001;
        const uint32_t start = static_cast<uint32_t>(rng());
        const uint32_t expected = crc32_update_reference(start, data.data() + align, n);
        for (const NamedEngine &engine : engines()) {
            if (engine.available) {
                EXPECT_EQ(engine.update(start, data.data() + align, n), expected)
                    << engine.name << " length " << n << " alignment " << align;
            }
        }
    }
}

TEST(Crc32, TwoPartsGiveTheRegisterOfOnePart)
{
    std::mt19937 rng(13);
    std::vector<unsigned char> data(30000);
    for (unsigned char &c : data)
        c = static_cast<unsigned char>(rng());
    for (int trial = 0; trial < 40; ++trial) {
        const size_t n = rng() % data.size(), split = rng() % (n + 1);
        const uint32_t whole = crc32_update_reference(CRC32_PRESET, data.data(), n);
        const uint32_t first = crc32_update(CRC32_PRESET, data.data(), split);
        EXPECT_EQ(crc32_update(first, data.data() + split, n - split), whole) << n << " split at " << split;
    }
}

TEST(CheckField, WorkedSeventeenByteRecord)
{
    char record[] = "1234abcdefgh56789";
    EXPECT_EQ(cvCalcCRC32(record, 17, 5, 8), 0xCBF43926u);
    EXPECT_EQ(cvAssignCRC32(record, 17, 5, 8), 0);
    EXPECT_STREQ(record, "1234CBF4392656789");
    EXPECT_EQ(cvCompareCRC32(record, 17, 5, 8), 0);

    // Ten columns from column 5: the field now covers columns 5 to 14.
    char wide[] = "1234abcdefgh56789";
    const std::string expected = "00" + [] {
        char hex[9];
        snprintf(hex, sizeof hex, "%08X", reference_crc("1234789"));
        return std::string(hex);
    }();
    EXPECT_EQ(cvAssignCRC32(wide, 17, 5, 10), 0);
    EXPECT_EQ(std::string(wide), "1234" + expected + "789");
    EXPECT_EQ(cvCompareCRC32(wide, 17, 5, 10), 0);
}

TEST(CheckField, CalcEdgeCases)
{
    const std::string r = random_text(40, 1);
    const char *p = r.c_str();
    struct Case {
        const char *label;
        uint32_t length, column, width;
        uint32_t expected;
    } cases[] = {
        {"column 1: no first part", 40, 1, 10, reference_crc(r.substr(10))},
        {"column 0 is column 1", 40, 0, 10, reference_crc(r.substr(10))},
        {"field ends at the length", 40, 31, 10, reference_crc(r.substr(0, 30))},
        {"field past the length", 40, 31, 50, reference_crc(r.substr(0, 30))},
        {"field covers the record", 40, 1, 40, 0},
        {"width 0 hashes the whole record", 40, 20, 0, reference_crc(r)},
        {"column past length + 1 clamps", 40, 1000, 10, reference_crc(r)},
        {"column near 2^32 does not wrap", 40, 0xFFFFFFFFu, 10, reference_crc(r)},
        {"width near 2^32 does not wrap", 40, 11, 0xFFFFFFF0u, reference_crc(r.substr(0, 10))},
        {"length 0", 0, 1, 10, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(cvCalcCRC32(p, c.length, c.column, c.width), c.expected);
    }
}

TEST(CheckField, AssignRefusesInOrderAndLeavesTheRecordUnchanged)
{
    struct Case {
        const char *label;
        uint32_t length, column, width;
        int32_t expected;
    } cases[] = {
        {"width 7", 40, 5, 7, CV_FIELD_TOO_NARROW},
        {"width 8", 40, 5, 8, CV_FIELD_OK},
        {"width 99", 120, 5, 99, CV_FIELD_OK},
        {"width 100", 120, 5, 100, CV_FIELD_TOO_WIDE},
        {"narrow width before a column past the length", 40, 50, 5, CV_FIELD_TOO_NARROW},
        {"wide width before a column past the length", 40, 50, 100, CV_FIELD_TOO_WIDE},
        {"column past the length", 40, 41, 8, CV_FIELD_PAST_END},
        {"field runs past the length", 40, 35, 8, CV_FIELD_PAST_END},
        {"field ends at the length", 40, 33, 8, CV_FIELD_OK},
        {"column 0 is column 1", 40, 0, 40, CV_FIELD_OK},
        {"column 0 with the field past the length", 40, 0, 41, CV_FIELD_PAST_END},
        {"column near 2^32 does not wrap", 40, 0xFFFFFFFCu, 10, CV_FIELD_PAST_END},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string original = random_text(c.length, 2);
        std::vector<char> record(original.begin(), original.end());
        EXPECT_EQ(cvAssignCRC32(record.data(), c.length, c.column, c.width), c.expected);
        if (c.expected != CV_FIELD_OK) {
            EXPECT_EQ(std::string(record.begin(), record.end()), original);
            continue;
        }
        // Only the field changed, and it verifies.
        const uint32_t first = c.column == 0 ? 0 : c.column - 1;
        for (uint32_t i = 0; i < c.length; ++i) {
            if (i < first || i >= first + c.width) {
                EXPECT_EQ(record[i], original[i]) << "offset " << i;
            }
        }
        EXPECT_EQ(cvCompareCRC32(record.data(), c.length, c.column, c.width), 0);
    }
}

TEST(CheckField, FieldCoveringTheRecordIsAllZeros)
{
    char record[] = "abcdefghijkl";
    EXPECT_EQ(cvAssignCRC32(record, 12, 1, 12), 0);
    EXPECT_STREQ(record, "000000000000");
}

// Assign then compare gives 0; changing a byte inside the field changes
// nothing; changing one outside it is a mismatch; the characters left of the
// field's last eight are never significant.
TEST(CheckField, Properties)
{
    const uint32_t length = 3339;
    std::mt19937 rng(3);
    for (int trial = 0; trial < 60; ++trial) {
        const uint32_t width = 8 + rng() % 92;
        const uint32_t column = 1 + rng() % (length - width + 1);
        SCOPED_TRACE("column " + std::to_string(column) + " width " + std::to_string(width));
        std::string record = random_text(length, static_cast<uint32_t>(rng()));
        char *p = &record[0];

        ASSERT_EQ(cvAssignCRC32(p, length, column, width), 0);
        const std::string assigned = record;
        EXPECT_EQ(cvCompareCRC32(p, length, column, width), 0);
        EXPECT_EQ(cvAssignCRC32(p, length, column, width), 0);
        EXPECT_EQ(record, assigned) << "assigning twice writes the same field";

        const uint32_t value = cvCalcCRC32(p, length, column, width);
        const size_t inside = column - 1 + rng() % width;
        record[inside] = record[inside] == 'x' ? 'y' : 'x';
        EXPECT_EQ(cvCalcCRC32(p, length, column, width), value);
        record = assigned;

        for (size_t lead = 0; lead + 8 < width; ++lead)
            record[column - 1 + lead] = static_cast<char>(32 + rng() % 95);
        EXPECT_EQ(cvCompareCRC32(p, length, column, width), 0) << "leading characters are not significant";
        record = assigned;

        size_t outside = rng() % (length - width);
        if (outside >= column - 1)
            outside += width;
        record[outside] = record[outside] == 'x' ? 'y' : 'x';
        EXPECT_NE(cvCalcCRC32(p, length, column, width), value);
        EXPECT_EQ(cvCompareCRC32(p, length, column, width), CV_FIELD_MISMATCH);
    }
}

TEST(CheckField, CompareReadsAnyByteAsADigit)
{
    std::string record = "1234abcdefghij56789";
    char *p = &record[0];
    ASSERT_EQ(cvAssignCRC32(p, 19, 5, 10), 0);
    const std::string assigned = record;
    char hex[9];
    snprintf(hex, sizeof hex, "%08X", cvCalcCRC32(p, 19, 5, 10));
    const std::string digits = hex;
    const bool has_letter = digits.find_first_of("ABCDEF", 1) != std::string::npos;

    struct Case {
        const char *label;
        std::string field;
        int32_t expected;
    } cases[] = {
        {"spaces in the first two columns", "  " + digits, CV_FIELD_OK},
        {"letters in the first two columns", "zZ" + digits, CV_FIELD_OK},
        {"lower-case digits",
         "00" + std::string(1, digits[0]) +
             [&] {
                 std::string s = digits.substr(1);
                 for (char &c : s)
                     c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
                 return s;
             }(),
         has_letter ? CV_FIELD_MISMATCH : CV_FIELD_OK},
        {"one digit changed", "00" + digits.substr(0, 7) + (digits[7] == '0' ? "1" : "0"), CV_FIELD_MISMATCH},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        record = assigned;
        record.replace(4, 10, c.field);
        EXPECT_EQ(cvCompareCRC32(p, 19, 5, 10), c.expected);
    }
}

TEST(CheckField, CompareWithWidthZeroMatchesOnlyAZeroValue)
{
    EXPECT_EQ(cvCompareCRC32("", 0, 1, 0), 0);
    EXPECT_EQ(cvCompareCRC32("123456789", 9, 1, 0), CV_FIELD_MISMATCH);
}

// The record lies in a buffer of its exact size, so a read past `length` is
// caught by AddressSanitizer.
TEST(CheckField, NothingOutsideTheRecordIsTouched)
{
    const std::string text = random_text(30, 5);
    struct Case {
        const char *label;
        uint32_t column, width;
    } cases[] = {
        {"field runs past the length", 25, 10},     {"column past the length", 31, 8},
        {"column far past the length", 1000, 8},    {"column wraps in 32 bits", 0xFFFFFFF8u, 16},
        {"width wraps in 32 bits", 2, 0xFFFFFFFFu}, {"column 0 with the field past the length", 0, 31},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<char> record(text.begin(), text.end());
        EXPECT_EQ(cvCompareCRC32(record.data(), 30, c.column, c.width), CV_FIELD_MISMATCH);
        EXPECT_LT(cvAssignCRC32(record.data(), 30, c.column, c.width), 0);
        EXPECT_EQ(std::string(record.begin(), record.end()), text);
        (void)cvCalcCRC32(record.data(), 30, c.column, c.width);
    }
}

TEST(CheckField, LongRecordMatchesTheReference)
{
    const std::string record = random_text(22824, 9);
    EXPECT_EQ(cvCalcCRC32(record.data(), 22824, 1920, 10), reference_crc(record.substr(0, 1919) + record.substr(1929)));
}
