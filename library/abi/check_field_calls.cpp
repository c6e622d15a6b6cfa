// check_field_calls.cpp -- the CRC-32 check field at a column the caller
// names, and the NAACCR checksum field of one record in memory.
#include "cvnaaccr.h"
#include "flat/flat.h"

uint32_t CV_CALL cvCalcCRC32(const char *record, uint32_t length, uint32_t column, uint32_t width)
{
    return check_field_value(record, length, column, width);
}

int32_t CV_CALL cvAssignCRC32(char *record, uint32_t length, uint32_t column, uint32_t width)
{
    return assign_check_field(record, length, column, width);
}

int32_t CV_CALL cvCompareCRC32(const char *record, uint32_t length, uint32_t column, uint32_t width)
{
    return compare_check_field(record, length, column, width);
}

int32_t CV_CALL cvAssignChecksum(char *record) { return assign_record_checksum(record); }

int32_t CV_CALL cvCompareChecksum(const char *record) { return compare_record_checksum(record); }
