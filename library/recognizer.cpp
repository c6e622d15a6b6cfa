// recognizer.cpp -- decides record type, NAACCR version, record length and
// terminators from the first bytes of a record file or one record in memory.
#include <stdio.h>
#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "naaccr_internal.h"

namespace
{

// The bytes the rules may look at.  A column past the data reads as -1, which
// matches no version character: the rules never read outside the caller's data.
struct Columns {
    const unsigned char *bytes;
    size_t available;
    int at(size_t column) const { return column <= available ? bytes[column - 1] : -1; }
};

struct Layout {
    int32_t length;
    int version_column; // where the version code starts
    int version_width;  // 1 or 3; 0 when no rule holds
};

bool in(int c, const char *set) { return c > 0 && strchr(set, c) != nullptr; }

// Generation 12 ("120" to "122") and the later three-character codes.
int three_character_rule(const Columns &col, size_t first)
{
    const int a = col.at(first), b = col.at(first + 1), c = col.at(first + 2);
    if (a == '1' && b == '2' && in(c, "012"))
        return 1;
    if (a == '1' && in(b, "3456") && c == '0')
        return 2;
    return 0;
}

Layout layout_for(char type, const Columns &col)
{
    struct TypeLengths {
        char type;
        int32_t by_rule[5];
    };
    static const TypeLengths lengths[] = {
        {'A', {22824, 22824, 6694, 5966, 5300}},
        {'C', {5564, 5564, 2644, 1916, 1150}},
        {'I', {3339, 3339, 1946, 1525, 850}},
        {'M', {22824, 22824, 6694, 0, 0}},
    };
    for (const TypeLengths &t : lengths) {
        if (t.type != type)
            continue;
        const int rule = three_character_rule(col, 17);
        if (rule == 1 || rule == 2)
            return {t.by_rule[rule - 1], 17, 3};
        if (in(col.at(19), "AB"))
            return {t.by_rule[2], 19, 1};
        if (type == 'M')
            return {0, 0, 0};
        if (in(col.at(19), "56789") && col.at(536) == ' ')
            return {t.by_rule[3], 19, 1};
        if (in(col.at(536), "1234"))
            return {t.by_rule[4], 536, 1};
        return {0, 0, 0};
    }
    if (type == 'R') {
        if (col.at(17) == '1' && col.at(18) == '2' && col.at(19) == '0')
            return {2215, 17, 3};
        if (in(col.at(19), "AB"))
            return {2215, 19, 1};
        if (in(col.at(19), "6789"))
            return {1793, 19, 1};
        return {0, 0, 0};
    }
    if (type == 'U') {
        // "160" is accepted in columns 17 to 19 only; type U keeps its own list.
        const int a = col.at(2), b = col.at(3), c = col.at(4);
        if ((a == '1' && b == '2' && in(c, "012")) || (a == '1' && in(b, "345") && c == '0'))
            return {1543, 2, 3};
        if (in(a, "6789AB"))
            return {850, 2, 1};
        return {0, 0, 0};
    }
    return {-1, 0, 0};
}

bool printable(unsigned char c) { return c >= 32 && c <= 126; }

// Offset of the first byte in [from, end) that is not printable, or `end`.
size_t skip_printable(const unsigned char *bytes, size_t from, size_t end)
{
    size_t i = from;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a byte is printable when (byte + 1), read as a
    // signed value, exceeds 32; 127 and 128 to 255 wrap below it.
    const __m128i one = _mm_set1_epi8(1), limit = _mm_set1_epi8(33);
    for (; i + 16 <= end; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        const int mask = _mm_movemask_epi8(_mm_cmpgt_epi8(limit, _mm_add_epi8(v, one)));
        if (mask != 0)
            return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (i < end && printable(bytes[i]))
        ++i;
    return i;
}

} // namespace

int32_t recognize_naaccr_record(const char *buffer, size_t available, NaaccrFileInfo *info)
{
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(buffer);
    const size_t window = available < NAACCR_RECORD_BUFFER_SIZE ? available : NAACCR_RECORD_BUFFER_SIZE;
    const Columns col{bytes, window};
    int32_t result = NAACCR_REC_OK;

    info->record_type = col.at(1) >= 0 ? static_cast<char>(bytes[0]) : ' ';
    memset(info->version, 0, sizeof info->version);

    const Layout layout = layout_for(info->record_type, col);
    if (layout.version_width > 0) {
        memcpy(info->version, bytes + layout.version_column - 1, static_cast<size_t>(layout.version_width));
        info->record_length = layout.length;
    } else {
        const bool bad_type = layout.length < 0;
        snprintf(info->message, sizeof info->message,
                 bad_type ? "Invalid NAACCR Record Type %c." : "Invalid NAACCR Version code for Record Type %c.",
                 info->record_type);
        result = bad_type ? NAACCR_REC_BAD_TYPE : NAACCR_REC_BAD_VERSION;
        info->version[0] = ' ';
        info->record_length = 0;
    }

    // The end of the first record: the first byte that is not printable.  In a
    // record of type U a NUL is data and does not end the record.
    const bool nul_is_data = info->record_type == 'U';
    size_t i = skip_printable(bytes, 0, window);
    while (nul_is_data && i < window && bytes[i] == 0)
        i = skip_printable(bytes, i + 1, window);
    if (i == window)
        return result;

    const unsigned char stop = bytes[i];
    if (stop == '\r' || stop == '\n') {
        const unsigned char other = stop == '\r' ? '\n' : '\r';
        info->first_terminator = static_cast<char>(stop);
        // A terminator byte that is the last byte available counts alone.
        if (i + 1 < window && bytes[i + 1] == other) {
            info->second_terminator = static_cast<char>(other);
            info->record_length = static_cast<int32_t>(i + 2);
        } else {
            info->second_terminator = 0;
            info->record_length = static_cast<int32_t>(i + 1);
        }
        return result;
    }
    if (stop == 0 && info->file_size == 0) {
        info->record_length = static_cast<int32_t>(i);
        return result;
    }
    snprintf(info->message, sizeof info->message, "Illegal character, ASCII %d, found at column %d",
             static_cast<int>(stop), static_cast<int>(i + 1));
    info->record_length = static_cast<int32_t>(i);
    return NAACCR_REC_ILLEGAL_CHAR;
}
