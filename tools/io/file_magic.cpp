// file_magic.cpp -- gzip data and byte-order marks, told from an input's first bytes.
#include "io/io.h"

#include <string.h>

namespace
{

bool starts_with(const unsigned char *head, size_t n, const char *magic, size_t length)
{
    return n >= length && memcmp(head, magic, length) == 0;
}

} // namespace

FileMagic file_magic(const unsigned char *head, size_t n)
{
    if (starts_with(head, n, "\x1f\x8b", 2))
        return MAGIC_GZIP;
    if (starts_with(head, n, "\xef\xbb\xbf", 3))
        return MAGIC_UTF8_BOM;
    if (starts_with(head, n, "\xff\xfe", 2) || starts_with(head, n, "\xfe\xff", 2))
        return MAGIC_UTF16_BOM;
    return MAGIC_NONE;
}
