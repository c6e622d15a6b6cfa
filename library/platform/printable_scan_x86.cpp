// printable_scan_x86.cpp -- the printable-byte scan on x86: 64 bytes a step
// with AVX2 where the processor has it (chosen at run time), 16 with SSE2
// otherwise, and byte by byte where neither is available.
//
// A byte b is printable when b + 1, read as a signed 8-bit value, exceeds 32:
// 32 to 126 become 33 to 127, while 0 to 31 stay at most 32 and 127 to 255
// wrap to -128 to 0.
#include "platform/platform.h"

#include <immintrin.h>
#include <stdint.h>

namespace
{

// On 32-bit Windows the caller's stack may be aligned to 4 bytes only, while
// vector values spilled to the stack need more: realign on entry there.
#if defined(__i386__)
#define SCAN_ALIGN_STACK __attribute__((force_align_arg_pointer))
#else
#define SCAN_ALIGN_STACK
#endif

bool have_sse2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2");
}

bool have_avx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

__attribute__((target("sse2"))) SCAN_ALIGN_STACK size_t skip_sse2(const unsigned char *bytes, size_t i, size_t end)
{
    const __m128i one = _mm_set1_epi8(1), limit = _mm_set1_epi8(33);
    for (; i + 16 <= end; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        const int mask = _mm_movemask_epi8(_mm_cmpgt_epi8(limit, _mm_add_epi8(v, one)));
        if (mask != 0)
            return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
    return skip_printable_bytewise(bytes, i, end);
}

__attribute__((target("avx2"))) SCAN_ALIGN_STACK size_t skip_avx2(const unsigned char *bytes, size_t i, size_t end)
{
    const __m256i one = _mm256_set1_epi8(1), limit = _mm256_set1_epi8(33);
    // Two vectors a step: a record is thousands of bytes, so the loop seldom exits early.
    for (; i + 64 <= end; i += 64) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + i + 32));
        const __m256i bad_a = _mm256_cmpgt_epi8(limit, _mm256_add_epi8(a, one));
        const __m256i bad_b = _mm256_cmpgt_epi8(limit, _mm256_add_epi8(b, one));
        if (_mm256_testz_si256(_mm256_or_si256(bad_a, bad_b), _mm256_or_si256(bad_a, bad_b)))
            continue;
        const uint64_t low = static_cast<uint32_t>(_mm256_movemask_epi8(bad_a));
        const uint64_t high = static_cast<uint32_t>(_mm256_movemask_epi8(bad_b));
        return i + static_cast<size_t>(__builtin_ctzll(low | high << 32));
    }
    return skip_sse2(bytes, i, end);
}

} // namespace

size_t skip_printable(const unsigned char *bytes, size_t from, size_t end)
{
    if (end - from >= 64 && have_avx2())
        return skip_avx2(bytes, from, end);
    if (end - from >= 16 && have_sse2())
        return skip_sse2(bytes, from, end);
    return skip_printable_bytewise(bytes, from, end);
}
