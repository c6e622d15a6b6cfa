// printable_scan_portable.cpp -- the printable-byte scan for processors
// without a vector form of their own here.
#include "platform/platform.h"

size_t skip_printable(const unsigned char *bytes, size_t from, size_t end)
{
    return skip_printable_bytewise(bytes, from, end);
}
