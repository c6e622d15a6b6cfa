// inspect_calls.cpp -- cvGet_naaccr_file_info: the inspection of a file from
// its head and its last byte.
#include "cvnaaccr.h"
#include "flat/flat.h"

int32_t CV_CALL cvGet_naaccr_file_info(NaaccrFileInfo *info) { return inspect_naaccr_file(info); }
