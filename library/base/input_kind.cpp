// input_kind.cpp -- what a file is by its first bytes: a byte-order mark,
// UTF-16 text, NAACCR XML rather than flat records.
#include "base/base.h"

size_t byte_order_mark_length(const unsigned char *head, size_t n)
{
    if (n >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        return 3;
    if (n >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF)))
        return 2;
    return 0;
}

Utf16Order utf16_order(const unsigned char *head, size_t n)
{
    if (n < 2)
        return NOT_UTF16;
    if (head[0] == 0xFF && head[1] == 0xFE)
        return UTF16_LITTLE_ENDIAN;
    if (head[0] == 0xFE && head[1] == 0xFF)
        return UTF16_BIG_ENDIAN;
    if ((head[0] == 0) == (head[1] == 0))
        return NOT_UTF16;
    return head[0] == 0 ? UTF16_BIG_ENDIAN : UTF16_LITTLE_ENDIAN;
}

bool looks_like_xml(const unsigned char *head, size_t n)
{
    const Utf16Order order = utf16_order(head, n);
    const size_t step = order != NOT_UTF16 ? 2 : 1;
    const size_t low = order == UTF16_BIG_ENDIAN ? 1 : 0; // which byte of a UTF-16 unit holds the character
    for (size_t at = byte_order_mark_length(head, n); at + step <= n; at += step) {
        const unsigned char c = head[at + low];
        if (step == 2 && head[at + 1 - low] != 0)
            return false;
        if (c == '<')
            return true;
        if (!is_xml_white(c))
            return false;
    }
    return false;
}
