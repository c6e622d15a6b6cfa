// check_field.cpp -- the CRC-32 check field: a run of hexadecimal digits at a
// column and width that the caller names, holding the CRC-32 of the rest of
// the record.
//
// Column arithmetic is done in 64 bits, so that no combination of 32-bit
// arguments can wrap around into the record; column 0 counts as column 1.
// Nothing outside the first `length` bytes of the record is read or written.
#include "flat/flat.h"
#include "platform/platform.h"

namespace
{

struct Field {
    uint64_t first; // offset of the field's first byte
    uint64_t end;   // offset one past its last byte
};

Field locate_field(uint32_t column, uint32_t width)
{
    const uint64_t first = column == 0 ? 0 : uint64_t{column} - 1;
    return {first, first + width};
}

bool field_fits(const Field &field, uint32_t length) { return field.end <= length; }

// The CRC-32 of the record's first `length` bytes outside the field, hashed in
// one register run over the part before the field and the part after it.
uint32_t check_value(const unsigned char *record, uint32_t length, const Field &field)
{
    const uint64_t before = field.first < length ? field.first : length;
    uint32_t state = crc32_update(CRC32_PRESET, record, static_cast<size_t>(before));
    if (field.end < length)
        state = crc32_update(state, record + field.end, static_cast<size_t>(length - field.end));
    return ~state;
}

} // namespace

uint32_t check_field_value(const char *record, uint32_t length, uint32_t column, uint32_t width)
{
    return check_value(reinterpret_cast<const unsigned char *>(record), length, locate_field(column, width));
}

int32_t assign_check_field(char *record, uint32_t length, uint32_t column, uint32_t width)
{
    if (width < 8)
        return CV_FIELD_TOO_NARROW;
    if (width > 99)
        return CV_FIELD_TOO_WIDE;
    const Field field = locate_field(column, width);
    if (!field_fits(field, length))
        return CV_FIELD_PAST_END;

    static const char digits[] = "0123456789ABCDEF";
    uint32_t value = check_value(reinterpret_cast<const unsigned char *>(record), length, field);
    // From the last column backwards; once the eight digits of the value are
    // used up, the columns to the left get "0".
    for (uint64_t i = field.end; i > field.first; --i) {
        record[i - 1] = digits[value & 15];
        value >>= 4;
    }
    return CV_FIELD_OK;
}

int32_t compare_check_field(const char *record, uint32_t length, uint32_t column, uint32_t width)
{
    const Field field = locate_field(column, width);
    if (!field_fits(field, length))
        return CV_FIELD_MISMATCH;

    // Any byte reads as a digit: "0" to "9" and "A" to "F" as themselves,
    // everything else as some other number, with wrap-around.  The accumulator
    // keeps 32 bits, so every character left of the last eight is shifted out
    // entirely and need not be read.
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(record);
    const uint64_t from = field.end - field.first > 8 ? field.end - 8 : field.first;
    uint32_t accumulator = 0;
    for (uint64_t i = from; i < field.end; ++i) {
        const uint32_t byte = bytes[i];
        accumulator = accumulator * 16 + (byte <= '9' ? byte - 48 : byte - 55);
    }
    return accumulator == check_value(bytes, length, field) ? CV_FIELD_OK : CV_FIELD_MISMATCH;
}
