// option_calls.cpp -- cvGetNaaccrOptionFlags: the flags each options struct
// takes, read from the masks the calls themselves check them by.
#include "check/check.h"
#include "convert/convert.h"
#include "cvnaaccr.h"
#include "tumors/tumors.h"

uint32_t CV_CALL cvGetNaaccrOptionFlags(int32_t options)
{
    switch (options) {
    case NAACCR_OPTIONS_CHECK:
        return known_check_flags;
    case NAACCR_OPTIONS_ITEM_CHECK:
        return known_ex_flags;
    case NAACCR_OPTIONS_READ:
        return known_read_flags;
    case NAACCR_OPTIONS_CONVERT:
        return known_convert_flags;
    default:
        return 0;
    }
}
