// crc32_portable.cpp -- crc32_update for processors without a folding form
// here: the table form of crc32.cpp.  The folding forms are never available,
// and calling them gives the table form's result.
#include "platform/platform.h"

bool crc32_has_pclmul() { return false; }
bool crc32_has_vpclmul() { return false; }

uint32_t crc32_update_pclmul(uint32_t state, const unsigned char *bytes, size_t n)
{
    return crc32_update_reference(state, bytes, n);
}

uint32_t crc32_update_vpclmul(uint32_t state, const unsigned char *bytes, size_t n)
{
    return crc32_update_reference(state, bytes, n);
}

uint32_t crc32_update(uint32_t state, const unsigned char *bytes, size_t n)
{
    return crc32_update_reference(state, bytes, n);
}
