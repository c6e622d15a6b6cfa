// text.cpp -- the text helpers of base.h that are not short enough to stand
// in the header.
#include <stdio.h>

#include "base/base.h"

namespace
{

// 1 for every byte but XML's white space.
struct TextBytes {
    unsigned char is_text[256];
    constexpr TextBytes() : is_text()
    {
        for (int c = 0; c < 256; ++c)
            is_text[c] = c != ' ' && c != '\t' && c != '\r' && c != '\n';
    }
};
constexpr TextBytes text_bytes;

// windows-1252 bytes 0x80 to 0x9F; -1 for the five it leaves undefined.
const int32_t cp1252_high[32] = {0x20AC, -1,     0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                 0x2039, 0x0152, -1,     0x017D, -1,     -1,     0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, -1,     0x017E, 0x0178};

} // namespace

int32_t code_point_of_byte(unsigned char c, ByteEncoding encoding)
{
    if (c < 0x80 || encoding == BYTES_ASCII)
        return -1;
    if (c >= 0xA0)
        return c;
    return encoding == BYTES_WINDOWS_1252 ? cp1252_high[c - 0x80] : -1;
}

size_t put_utf8(uint32_t cp, unsigned char *out)
{
    if (cp < 0x80) {
        out[0] = static_cast<unsigned char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<unsigned char>(0xC0 | (cp >> 6));
        out[1] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        return 2;
    }
    out[0] = static_cast<unsigned char>(0xE0 | (cp >> 12));
    out[1] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
    return 3;
}

bool only_xml_white(const unsigned char *text, size_t n)
{
    // The usual indent, 8 to 16 blanks, is told from two words, without a
    // loop whose length changes from call to call.
    const uint64_t blanks = 0x2020202020202020u;
    if (n >= 8 && n <= 16) {
        uint64_t head, tail;
        memcpy(&head, text, 8);
        memcpy(&tail, text + n - 8, 8);
        if ((head == blanks) & (tail == blanks))
            return true;
    }
    unsigned other = 0;
    for (size_t i = 0; i < n; ++i)
        other |= text_bytes.is_text[text[i]];
    return other == 0;
}

size_t utf8_characters(const unsigned char *text, size_t n)
{
    size_t count = 0;
    for (size_t i = 0; i < n; ++i)
        count += starts_utf8_character(text[i]);
    return count;
}

size_t utf8_prefix(const unsigned char *text, size_t n, size_t characters)
{
    size_t starts = 0;
    for (size_t i = 0; i < n; ++i)
        if (starts_utf8_character(text[i]) && starts++ == characters)
            return i;
    return n;
}

const char *quoted_bytes(const unsigned char *bytes, size_t n, char *text, size_t capacity)
{
    size_t used = 0;
    text[used++] = '"';
    for (size_t i = 0; i < n && used + 8 < capacity; ++i)
        used += static_cast<size_t>(
            snprintf(text + used, capacity - used, is_printable(bytes[i]) ? "%c" : "<%d>", bytes[i]));
    snprintf(text + used, capacity - used, "\"");
    return text;
}

void printable_copy(const unsigned char *bytes, size_t n, char *text, size_t size)
{
    size_t i = 0;
    for (; i < n && i + 1 < size; ++i)
        text[i] = is_printable(bytes[i]) ? static_cast<char>(bytes[i]) : '?';
    text[i] = '\0';
}

const char *kind_label(int32_t kind)
{
    switch (kind) {
#define KIND_LABEL(name, label)                                                                                        \
    case NAACCR_CHECK_##name:                                                                                          \
        return label;
        NAACCR_CHECK_KIND_LIST(KIND_LABEL)
#undef KIND_LABEL
    default:
        return nullptr;
    }
}
