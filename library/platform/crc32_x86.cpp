// crc32_x86.cpp -- CRC-32/ISO-HDLC on x86: folding forms with carry-less
// multiplication for processors that have PCLMULQDQ (16 bytes per lane) or
// VPCLMULQDQ with AVX-512 (64 bytes per lane), and crc32_update, which picks
// the fastest form at run time (the table form of crc32.cpp for short runs and
// for processors without either instruction).
//
// The folding forms follow Intel's "Fast CRC Computation for Generic
// Polynomials Using PCLMULQDQ Instruction" (Gopal et al., 2009): the message is
// kept as a few 128-bit remainders that are multiplied forward by x^D mod P and
// added to the data D bits further on, then reduced to 32 bits with Barrett's
// method.  In the bit-reflected domain the multiplier for the low 64 bits of a
// lane is reflect32(x^(D+32) mod P) << 1 and for the high 64 bits
// reflect32(x^(D-32) mod P) << 1; the constants below were computed that way.
// Whatever the form, the register is the same as the table form's.
#include "platform/platform.h"

#include <immintrin.h>

// On 32-bit Windows the caller's stack may be aligned to 4 bytes only, while
// 128-bit values spilled to the stack need 16: realign on entry there.
#if defined(__i386__)
#define CRC32_ALIGN_STACK __attribute__((force_align_arg_pointer))
#else
#define CRC32_ALIGN_STACK
#endif

#define CRC32_TARGET_PCLMUL __attribute__((target("pclmul,sse4.1")))
#define CRC32_TARGET_VPCLMUL __attribute__((target("avx512f,avx512vl,vpclmulqdq,pclmul,sse4.1")))

namespace
{

// Multipliers, low 64 bits first: fold by 512, 128 and 64 bits, and the
// Barrett constants (P reflected, then floor(x^64 / P) reflected).
alignas(16) const uint64_t fold_512[2] = {0x154442bd4, 0x1c6e41596};
alignas(16) const uint64_t fold_128[2] = {0x1751997d0, 0x0ccaa009e};
alignas(16) const uint64_t fold_64[2] = {0x163cd6124, 0};
alignas(16) const uint64_t barrett[2] = {0x1db710641, 0x1f7011641};

// Fold by 2048 bits (four 512-bit lanes) and by 512 bits, and the multipliers that bring the
// four 128-bit parts of one 512-bit lane to its last part (384, 256, 128 bits).
alignas(64) const uint64_t fold_2048[8] = {0x11542778a, 0x1322d1430, 0x11542778a, 0x1322d1430,
                                           0x11542778a, 0x1322d1430, 0x11542778a, 0x1322d1430};
alignas(64) const uint64_t fold_512_x4[8] = {0x154442bd4, 0x1c6e41596, 0x154442bd4, 0x1c6e41596,
                                             0x154442bd4, 0x1c6e41596, 0x154442bd4, 0x1c6e41596};
alignas(64) const uint64_t fold_lanes[8] = {0x03db1ecdc, 0x174359406, 0x0f1da05aa, 0x15a546366,
                                            0x1751997d0, 0x0ccaa009e, 0,           0};

CRC32_TARGET_PCLMUL inline __m128i fold16(__m128i x, __m128i k, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

// Folds the 16-byte blocks that remain (n is a multiple of 16) into x, then
// reduces x to the 32-bit register.
CRC32_TARGET_PCLMUL inline uint32_t finish(__m128i x, const unsigned char *p, size_t n)
{
    const __m128i k = _mm_load_si128(reinterpret_cast<const __m128i *>(fold_128));
    for (; n >= 16; p += 16, n -= 16)
        x = fold16(x, k, _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));

    // 128 bits to 64, then 64 to 32 (the register in the high half of the low 64 bits).
    const __m128i low32 = _mm_setr_epi32(~0, 0, ~0, 0);
    x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, k, 0x10));
    const __m128i k5 = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(fold_64));
    x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, low32), k5, 0x00));

    const __m128i poly = _mm_load_si128(reinterpret_cast<const __m128i *>(barrett));
    __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x, low32), poly, 0x10);
    t = _mm_clmulepi64_si128(_mm_and_si128(t, low32), poly, 0x00);
    return static_cast<uint32_t>(_mm_extract_epi32(_mm_xor_si128(x, t), 1));
}

// n >= 64 and a multiple of 16.
CRC32_ALIGN_STACK CRC32_TARGET_PCLMUL uint32_t fold_by_pclmul(uint32_t state, const unsigned char *p, size_t n)
{
    const __m128i *v = reinterpret_cast<const __m128i *>(p);
    __m128i x0 = _mm_xor_si128(_mm_loadu_si128(v), _mm_cvtsi32_si128(static_cast<int>(state)));
    __m128i x1 = _mm_loadu_si128(v + 1), x2 = _mm_loadu_si128(v + 2), x3 = _mm_loadu_si128(v + 3);
    p += 64;
    n -= 64;

    const __m128i k4 = _mm_load_si128(reinterpret_cast<const __m128i *>(fold_512));
    for (; n >= 64; p += 64, n -= 64) {
        v = reinterpret_cast<const __m128i *>(p);
        x0 = fold16(x0, k4, _mm_loadu_si128(v));
        x1 = fold16(x1, k4, _mm_loadu_si128(v + 1));
        x2 = fold16(x2, k4, _mm_loadu_si128(v + 2));
        x3 = fold16(x3, k4, _mm_loadu_si128(v + 3));
    }

    const __m128i k1 = _mm_load_si128(reinterpret_cast<const __m128i *>(fold_128));
    x0 = fold16(x0, k1, x1);
    x0 = fold16(x0, k1, x2);
    x0 = fold16(x0, k1, x3);
    return finish(x0, p, n);
}

CRC32_TARGET_VPCLMUL inline __m512i fold64(__m512i x, __m512i k, __m512i next)
{
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x00), _mm512_clmulepi64_epi128(x, k, 0x11), next,
                                     0x96);
}

// n >= 256 and a multiple of 16.
CRC32_ALIGN_STACK CRC32_TARGET_VPCLMUL uint32_t fold_by_vpclmul(uint32_t state, const unsigned char *p, size_t n)
{
    __m512i x0 = _mm512_xor_si512(
        _mm512_loadu_si512(p), _mm512_set_epi32(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<int>(state)));
    __m512i x1 = _mm512_loadu_si512(p + 64), x2 = _mm512_loadu_si512(p + 128), x3 = _mm512_loadu_si512(p + 192);
    p += 256;
    n -= 256;

    const __m512i k4 = _mm512_load_si512(fold_2048);
    for (; n >= 256; p += 256, n -= 256) {
        x0 = fold64(x0, k4, _mm512_loadu_si512(p));
        x1 = fold64(x1, k4, _mm512_loadu_si512(p + 64));
        x2 = fold64(x2, k4, _mm512_loadu_si512(p + 128));
        x3 = fold64(x3, k4, _mm512_loadu_si512(p + 192));
    }

    const __m512i k1 = _mm512_load_si512(fold_512_x4);
    x0 = fold64(x0, k1, x1);
    x0 = fold64(x0, k1, x2);
    x0 = fold64(x0, k1, x3);
    for (; n >= 64; p += 64, n -= 64)
        x0 = fold64(x0, k1, _mm512_loadu_si512(p));

    // Bring the four 128-bit parts to the last one and add them up.
    const __m512i kl = _mm512_load_si512(fold_lanes);
    const __m512i t = _mm512_xor_si512(_mm512_clmulepi64_epi128(x0, kl, 0x00), _mm512_clmulepi64_epi128(x0, kl, 0x11));
    __m128i x = _mm_xor_si128(_mm512_maskz_extracti32x4_epi32(0xF, t, 0), _mm512_maskz_extracti32x4_epi32(0xF, t, 1));
    x = _mm_xor_si128(x, _mm512_maskz_extracti32x4_epi32(0xF, t, 2));
    x = _mm_xor_si128(x, _mm512_maskz_extracti32x4_epi32(0xF, x0, 3));
    return finish(x, p, n);
}

} // namespace

bool crc32_has_pclmul()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}

bool crc32_has_vpclmul()
{
    __builtin_cpu_init();
    return crc32_has_pclmul() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("vpclmulqdq");
}

uint32_t crc32_update_pclmul(uint32_t state, const unsigned char *bytes, size_t n)
{
    if (n >= 64) {
        const size_t folded = n & ~static_cast<size_t>(15);
        state = fold_by_pclmul(state, bytes, folded);
        bytes += folded;
        n -= folded;
    }
    return crc32_update_reference(state, bytes, n);
}

uint32_t crc32_update_vpclmul(uint32_t state, const unsigned char *bytes, size_t n)
{
    if (n >= 256) {
        const size_t folded = n & ~static_cast<size_t>(15);
        state = fold_by_vpclmul(state, bytes, folded);
        bytes += folded;
        n -= folded;
    }
    return crc32_update_pclmul(state, bytes, n);
}

uint32_t crc32_update(uint32_t state, const unsigned char *bytes, size_t n)
{
    // Short runs are not worth the set-up of the folding forms.
    if (n >= 256 && crc32_has_vpclmul())
        return crc32_update_vpclmul(state, bytes, n);
    if (n >= 64 && crc32_has_pclmul())
        return crc32_update_pclmul(state, bytes, n);
    return crc32_update_reference(state, bytes, n);
}
