// utf8.cpp -- where a well-formed UTF-8 character ends.
#include "utf8.h"

namespace
{

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point of a well-formed character of `length` bytes.
unsigned long code_point(const unsigned char *s, size_t length)
{
    if (length == 1)
        return s[0];
    unsigned long value = s[0] & (0x7F >> length);
    for (size_t i = 1; i < length; ++i)
        value = (value << 6) | (s[i] & 0x3F);
    return value;
}

} // namespace

size_t utf8_character_length(const unsigned char *s, size_t n)
{
    if (n == 0)
        return 0;
    const unsigned char c = s[0];
    size_t length;
    unsigned long lowest;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (n < length)
        return 0;
    for (size_t i = 1; i < length; ++i)
        if (!is_continuation(s[i]))
            return 0;
    const unsigned long value = code_point(s, length);
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

bool utf8_is_control(const unsigned char *s, size_t length)
{
    if (length == 1)
        return s[0] < 32 || s[0] == 127;
    return length == 2 && s[0] == 0xC2 && s[1] < 0xA0;
}
