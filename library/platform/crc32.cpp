// crc32.cpp -- CRC-32/ISO-HDLC: the table of the reflected polynomial and the
// byte-at-a-time reference form, which every processor runs.  The fast forms
// and crc32_update live in a file per processor family, chosen by the build:
// crc32_x86.cpp (carry-less multiplication) or crc32_portable.cpp.
#include "platform/platform.h"

#include <array>

namespace
{

constexpr std::array<uint32_t, 256> make_table()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t r = n;
        for (int step = 0; step < 8; ++step)
            r = (r & 1) ? (r >> 1) ^ 0xEDB88320u : r >> 1;
        table[n] = r;
    }
    return table;
}

constexpr std::array<uint32_t, 256> table = make_table();
static_assert(table[1] == 0x77073096u && table[255] == 0x2D02EF8Du, "CRC-32 table");

} // namespace

const uint32_t crc32_table[256] = {
#define CRC32_ROW(n)                                                                                                   \
    table[n], table[n + 1], table[n + 2], table[n + 3], table[n + 4], table[n + 5], table[n + 6], table[n + 7]
    CRC32_ROW(0),   CRC32_ROW(8),   CRC32_ROW(16),  CRC32_ROW(24),  CRC32_ROW(32),  CRC32_ROW(40),  CRC32_ROW(48),
    CRC32_ROW(56),  CRC32_ROW(64),  CRC32_ROW(72),  CRC32_ROW(80),  CRC32_ROW(88),  CRC32_ROW(96),  CRC32_ROW(104),
    CRC32_ROW(112), CRC32_ROW(120), CRC32_ROW(128), CRC32_ROW(136), CRC32_ROW(144), CRC32_ROW(152), CRC32_ROW(160),
    CRC32_ROW(168), CRC32_ROW(176), CRC32_ROW(184), CRC32_ROW(192), CRC32_ROW(200), CRC32_ROW(208), CRC32_ROW(216),
    CRC32_ROW(224), CRC32_ROW(232), CRC32_ROW(240), CRC32_ROW(248),
#undef CRC32_ROW
};

uint32_t crc32_update_reference(uint32_t state, const unsigned char *bytes, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        state = (state >> 8) ^ crc32_table[(state ^ bytes[i]) & 0xFF];
    return state;
}
