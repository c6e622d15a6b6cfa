// check_field.cpp -- placeholder until the CRC-32 check field lands.
#include "cvnaaccr.h"
uint32_t CV_CALL cvCalcCRC32(const char *, uint32_t, uint32_t, uint32_t) { return 0; }
int32_t CV_CALL cvAssignCRC32(char *, uint32_t, uint32_t, uint32_t) { return -1; }
int32_t CV_CALL cvCompareCRC32(const char *, uint32_t, uint32_t, uint32_t) { return -1; }
