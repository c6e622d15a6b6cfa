// check_field_fuzzer.cpp -- libFuzzer target for the check-field and checksum
// functions.  Every call gets a copy of exactly the size it may touch, so that
// AddressSanitizer reports any read or write outside it; the folding forms of
// the CRC are held to the reference on the same bytes.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "flat/flat.h"

namespace
{

uint32_t take32(const uint8_t *&data, size_t &size)
{
    uint32_t value = 0;
    const size_t n = size < 4 ? size : 4;
    memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

// Small values are the interesting ones most of the time; the full 32-bit
// range exercises the arithmetic at its edges.
uint32_t argument(uint32_t raw, uint32_t limit)
{
    switch (raw & 3) {
    case 0:
        return raw >> 2;
    case 1:
        return 0xFFFFFFFFu - (raw >> 24);
    default:
        return (raw >> 2) % (limit + 2);
    }
}

void check_crc_forms(const uint8_t *data, size_t size)
{
    const uint32_t expected = crc32_update_reference(CRC32_PRESET, data, size);
    if (crc32_update(CRC32_PRESET, data, size) != expected)
        abort();
    if (crc32_has_pclmul() && crc32_update_pclmul(CRC32_PRESET, data, size) != expected)
        abort();
    if (crc32_has_vpclmul() && crc32_update_vpclmul(CRC32_PRESET, data, size) != expected)
        abort();
    const size_t split = size / 3;
    if (crc32_update(crc32_update(CRC32_PRESET, data, split), data + split, size - split) != expected)
        abort();
}

void check_field_functions(const uint8_t *data, size_t size)
{
    const uint32_t length = argument(take32(data, size), static_cast<uint32_t>(size));
    const uint32_t column = argument(take32(data, size), static_cast<uint32_t>(size));
    const uint32_t width = argument(take32(data, size), static_cast<uint32_t>(size));
    if (length > size)
        return;
    std::vector<char> record(data, data + length);
    const std::vector<char> original = record;

    const uint32_t value = cvCalcCRC32(record.data(), length, column, width);
    const int32_t compared = cvCompareCRC32(record.data(), length, column, width);
    const int32_t assigned = cvAssignCRC32(record.data(), length, column, width);
    if (compared != CV_FIELD_OK && compared != CV_FIELD_MISMATCH)
        abort();
    if (assigned == CV_FIELD_OK) {
        // Only the field changed, and it now holds the value.
        const uint64_t first = column == 0 ? 0 : uint64_t{column} - 1;
        for (uint64_t i = 0; i < length; ++i) {
            if ((i < first || i >= first + width) && record[i] != original[i])
                abort();
        }
        if (cvCompareCRC32(record.data(), length, column, width) != CV_FIELD_OK ||
            cvCalcCRC32(record.data(), length, column, width) != value)
            abort();
    } else if ((assigned != CV_FIELD_TOO_NARROW && assigned != CV_FIELD_TOO_WIDE && assigned != CV_FIELD_PAST_END) ||
               record != original) {
        abort();
    }
}

void check_checksum_functions(const uint8_t *data, size_t size)
{
    std::vector<char> record(data, data + size);
    if (record.empty() || record.size() < NAACCR_RECORD_BUFFER_SIZE) {
        // The record must end inside its buffer: with a NUL, CR or LF.
        const size_t end = strcspn(std::string(record.begin(), record.end()).c_str(), "\r\n");
        if (end >= record.size())
            record.push_back('\0');
    }
    const std::vector<char> original = record;
    const int32_t compared = cvCompareChecksum(record.data());
    const int32_t assigned = cvAssignChecksum(record.data());
    if (assigned == CV_FIELD_OK) {
        if ((compared != CV_FIELD_OK && compared != CV_FIELD_MISMATCH) ||
            cvCompareChecksum(record.data()) != CV_FIELD_OK)
            abort();
        return;
    }
    // A refusal changes nothing, and Compare refuses alike (a record too short
    // for the field is a mismatch there).
    if (record != original || (assigned == CV_FIELD_PAST_END ? compared != CV_FIELD_MISMATCH : compared != assigned))
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    ++data;
    --size;
    switch (mode % 3) {
    case 0:
        check_crc_forms(data, size);
        break;
    case 1:
        check_field_functions(data, size);
        break;
    default:
        check_checksum_functions(data, size);
        break;
    }
    return 0;
}
