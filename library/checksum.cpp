// checksum.cpp -- the NAACCR checksum field: a 10-character CRC-32 check field
// whose column follows from the record's type and NAACCR version.
#include "naaccr_internal.h"

namespace
{

const uint32_t checksum_width = 10;

// The CRC CHECKSUM item of NAACCR 12 to 16 layouts occupies columns 1920 to
// 1929 (column 1919 belongs to the ICD-O-2 conversion flag).  Earlier releases
// of this library wrote the field at 1919; records written by them still verify.
const uint32_t column_since_12 = 1920;
const uint32_t earlier_column_since_12 = 1919;

bool is_record_end(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// Offset of the record's first CR, LF or NUL, or the window's size when none
// lies inside it.  The record is read one byte at a time up to that byte, so
// nothing after the record's end is touched.
size_t find_record_end(const char *record)
{
    size_t end = 0;
    while (end < NAACCR_RECORD_BUFFER_SIZE && !is_record_end(record[end]))
        ++end;
    return end;
}

bool starts_with(const char *version, const char *code)
{
    return version[0] == code[0] && version[1] == code[1] && version[2] == code[2];
}

uint32_t checksum_column(const char *version)
{
    if (version[0] == '1' && version[1] == '2' && (version[2] == '0' || version[2] == '1' || version[2] == '2'))
        return column_since_12;
    if (starts_with(version, "130") || starts_with(version, "140") || starts_with(version, "150") ||
        starts_with(version, "160"))
        return column_since_12;
    if (version[0] == 'A' || version[0] == 'B')
        return 1164;
    if (version[0] >= '6' && version[0] <= '9')
        return 942;
    return 0;
}

} // namespace

int32_t locate_naaccr_checksum(const char *record, uint32_t *length, uint32_t *column)
{
    // The recognizer may read the record and its terminator byte, no further:
    // it then counts a CR or LF alone, which gives the same length without
    // terminators as a CR LF pair would.
    const size_t end = find_record_end(record);
    const size_t available = end < NAACCR_RECORD_BUFFER_SIZE ? end + 1 : NAACCR_RECORD_BUFFER_SIZE;

    NaaccrFileInfo info;
    reset_naaccr_file_info(&info);
    const int32_t code = recognize_naaccr_record(record, available, &info);
    if (code != NAACCR_REC_OK)
        return code;

    const char type = info.record_type;
    if (type != 'A' && type != 'C' && type != 'I' && type != 'M')
        return NAACCR_REC_NO_CHECKSUM;
    const uint32_t found = checksum_column(info.version);
    if (found == 0)
        return NAACCR_REC_NO_CHECKSUM;

    *length = static_cast<uint32_t>(info.record_length - naaccr_terminator_count(&info));
    *column = found;
    return NAACCR_REC_OK;
}

int32_t CV_CALL cvAssignChecksum(char *record)
{
    uint32_t length = 0, column = 0;
    const int32_t code = locate_naaccr_checksum(record, &length, &column);
    if (code != NAACCR_REC_OK)
        return code;
    // A record that ends before the field's last column is refused with -3.
    return cvAssignCRC32(record, length, column, checksum_width);
}

int32_t CV_CALL cvCompareChecksum(const char *record)
{
    uint32_t length = 0, column = 0;
    const int32_t code = locate_naaccr_checksum(record, &length, &column);
    if (code != NAACCR_REC_OK)
        return code;
    // A record that ends before the field's last column does not match.
    const int32_t result = cvCompareCRC32(record, length, column, checksum_width);
    if (result == 0 || column != column_since_12 || length < column + checksum_width - 1)
        return result;
    return cvCompareCRC32(record, length, earlier_column_since_12, checksum_width);
}
