// printable_scan.cpp -- the byte-at-a-time scan, which every processor's
// form falls back on for what its vectors leave.
#include "platform/platform.h"

size_t skip_printable_bytewise(const unsigned char *bytes, size_t from, size_t end)
{
    size_t i = from;
    while (i < end && is_printable(bytes[i]))
        ++i;
    return i;
}
