// markup_scan_portable.cpp -- the scan of XML text for processors without a
// vector form of their own here.
#include "platform/platform.h"

size_t skip_plain_text(const unsigned char *bytes, size_t from, size_t end, unsigned char quote)
{
    return skip_plain_text_bytewise(bytes, from, end, quote);
}
