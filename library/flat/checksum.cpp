// checksum.cpp -- the NAACCR checksum field: a 10-character CRC-32 check field
// whose column follows from the record's type and NAACCR version.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "flat/flat.h"
#include "platform/platform.h"

namespace
{

// The CRC CHECKSUM item of NAACCR 12 to 16 layouts occupies columns 1920 to
// 1929 (column 1919 belongs to the ICD-O-2 conversion flag).  Earlier releases
// of this library wrote the field one column to the left; records written by
// them still verify.
const uint32_t earlier_column_12_to_16 = checksum_column_12_to_16 - 1;

bool is_record_end(unsigned char c) { return c == '\r' || c == '\n' || c == '\0'; }

// Offset of the first CR, LF or NUL in [from, limit), or `limit` when there is
// none, read one byte at a time so that nothing after the record's end is touched.
size_t find_record_end(const char *record, size_t from, size_t limit)
{
    size_t end = from;
    while (end < limit && !is_record_end(static_cast<unsigned char>(record[end])))
        ++end;
    return end;
}

// The recognizer's own walk, for records of type U, in which a NUL is data.
int32_t locate_by_recognizer(const char *record, uint32_t *length, uint32_t *column)
{
    // The recognizer may read the record and its terminator byte, no further:
    // it then counts a CR or LF alone, which gives the same length without
    // terminators as a CR LF pair would.
    const size_t window = NAACCR_RECORD_BUFFER_SIZE;
    const size_t end = find_record_end(record, 0, window);
    const size_t available = end < window ? end + 1 : window;

    NaaccrFileInfo info;
    reset_naaccr_file_info(&info);
    const int32_t code = recognize_naaccr_record(record, available, &info);
    if (code != NAACCR_REC_OK)
        return code;
    const NaaccrLayout *layout = find_naaccr_layout(info.record_type, info.version);
    if (layout == nullptr || layout->checksum_column == 0)
        return NAACCR_REC_NO_CHECKSUM;
    *length = static_cast<uint32_t>(info.record_length - naaccr_terminator_count(&info));
    *column = layout->checksum_column;
    return NAACCR_REC_OK;
}

} // namespace

int32_t locate_naaccr_checksum(const char *record, uint32_t *length, uint32_t *column)
{
    // One scan finds the record's end: its first byte outside 32 to
    // 126, which must be a CR, LF or NUL; any other is an illegal character,
    // as the recognizer reports it.  Only type U, whose NUL bytes are data,
    // takes the recognizer's own walk.
    // The scans go a byte at a time: a record in memory may end at the end
    // of its page, and nothing after the byte that ends it may be read.
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(record);
    if (bytes[0] == 'U')
        return locate_by_recognizer(record, length, column);
    const size_t window = NAACCR_RECORD_BUFFER_SIZE;
    size_t end = skip_printable_bytewise(bytes, 0, window);
    if (end < window && !is_record_end(bytes[end]))
        return NAACCR_REC_ILLEGAL_CHAR;

    bool known_type = false;
    const NaaccrLayout *layout = match_naaccr_layout(record, end, &known_type);
    if (!known_type)
        return NAACCR_REC_BAD_TYPE;
    if (layout == nullptr)
        return NAACCR_REC_BAD_VERSION;
    if (layout->checksum_column == 0)
        return NAACCR_REC_NO_CHECKSUM;
    if (end == window) {
        // No end inside the window: the layout's length; for layouts longer
        // than the window (types A and M of version 180) the record runs on
        // to its first CR, LF or NUL before that length.
        const size_t layout_length = static_cast<size_t>(layout->length);
        end = layout_length;
        if (layout_length > window) {
            end = skip_printable_bytewise(bytes, window, layout_length);
            if (end < layout_length && !is_record_end(bytes[end]))
                return NAACCR_REC_ILLEGAL_CHAR;
        }
    }
    *length = static_cast<uint32_t>(end);
    *column = layout->checksum_column;
    return NAACCR_REC_OK;
}

int32_t compare_naaccr_checksum(const char *record, uint32_t length, uint32_t column)
{
    // A record that ends before the field's last column does not match.
    const int32_t result = compare_check_field(record, length, column, naaccr_checksum_width);
    if (result == CV_FIELD_OK || column != checksum_column_12_to_16 || length < column + naaccr_checksum_width - 1)
        return result;
    return compare_check_field(record, length, earlier_column_12_to_16, naaccr_checksum_width);
}

uint32_t earlier_checksum_column(uint32_t column)
{
    return column == checksum_column_12_to_16 ? earlier_column_12_to_16 : 0;
}

bool checksum_field_holds(const unsigned char *field, uint32_t checksum)
{
    char digits[naaccr_checksum_width + 1];
    snprintf(digits, sizeof digits, "00%08X", checksum);
    for (uint32_t k = 0; k < naaccr_checksum_width; ++k)
        if (toupper(field[k]) != digits[k])
            return false;
    return true;
}

bool naaccr_checksum_matches(const char *record, uint32_t length, uint32_t column)
{
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(record);
    if (checksum_field_holds(bytes + column - 1, check_field_value(record, length, column, naaccr_checksum_width)))
        return true;
    const uint32_t earlier = earlier_checksum_column(column);
    return earlier != 0 &&
           checksum_field_holds(bytes + earlier - 1, check_field_value(record, length, earlier, naaccr_checksum_width));
}

int32_t assign_record_checksum(char *record)
{
    uint32_t length = 0, column = 0;
    const int32_t code = locate_naaccr_checksum(record, &length, &column);
    if (code != NAACCR_REC_OK)
        return code;
    // A record that ends before the field's last column is refused with CV_FIELD_PAST_END.
    return assign_check_field(record, length, column, naaccr_checksum_width);
}

int32_t compare_record_checksum(const char *record)
{
    uint32_t length = 0, column = 0;
    const int32_t code = locate_naaccr_checksum(record, &length, &column);
    if (code != NAACCR_REC_OK)
        return code;
    return compare_naaccr_checksum(record, length, column);
}
