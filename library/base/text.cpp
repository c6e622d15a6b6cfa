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

} // namespace

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
