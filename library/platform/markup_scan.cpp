// markup_scan.cpp -- the byte-at-a-time scan of XML text, which every
// processor's form falls back on for what its vectors leave.
#include "platform/platform.h"

size_t skip_plain_text_bytewise(const unsigned char *bytes, size_t from, size_t end, unsigned char quote)
{
    size_t i = from;
    while (i < end && !ends_plain_text(bytes[i], quote))
        ++i;
    return i;
}
