// markup_scan_x86.cpp -- the scan of XML text on x86: 32 bytes a step with
// AVX2 where the processor has it (chosen once, at the first call), byte by
// byte otherwise.
//
// A byte below 32 or above 127, read as a signed 8-bit value, is below 32:
// one comparison finds both; four more find '<', '&', ']' and the quote.
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

bool have_avx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

const bool use_avx2 = have_avx2();

__attribute__((target("avx2"))) SCAN_ALIGN_STACK size_t skip_avx2(const unsigned char *bytes, size_t i, size_t end,
                                                                  unsigned char quote)
{
    const __m256i space = _mm256_set1_epi8(32), less = _mm256_set1_epi8('<'), amp = _mm256_set1_epi8('&'),
                  bracket = _mm256_set1_epi8(']'), q = _mm256_set1_epi8(static_cast<char>(quote));
    for (; i + 32 <= end; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + i));
        const __m256i stop =
            _mm256_or_si256(_mm256_or_si256(_mm256_cmpgt_epi8(space, v), _mm256_cmpeq_epi8(v, less)),
                            _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(v, amp), _mm256_cmpeq_epi8(v, bracket)),
                                            _mm256_cmpeq_epi8(v, q)));
        const unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(stop));
        if (mask != 0)
            return i + static_cast<size_t>(__builtin_ctz(mask));
    }
    return skip_plain_text_bytewise(bytes, i, end, quote);
}

} // namespace

size_t skip_plain_text(const unsigned char *bytes, size_t from, size_t end, unsigned char quote)
{
    if (end - from >= 32 && use_avx2)
        return skip_avx2(bytes, from, end, quote);
    return skip_plain_text_bytewise(bytes, from, end, quote);
}
