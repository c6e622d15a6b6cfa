// inspect_hint.cpp -- what a file that is no flat record file of a known layout
// seems to be, from its first bytes.
#include "commands/commands.h"

#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

// The version columns of the first record as a quoted, printable text.
void quote_columns(const char *bytes, size_t n, char *text, size_t capacity)
{
    size_t used = 0;
    text[used++] = '"';
    for (size_t i = 0; i < n && used + 6 < capacity; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        used += static_cast<size_t>(snprintf(text + used, capacity - used, c >= 32 && c <= 126 ? "%c" : "<%d>", c));
    }
    snprintf(text + used, capacity - used, "\"");
}

} // namespace

bool file_hint(const unsigned char *head, size_t n, const NaaccrFileInfo &info, int32_t code, char *hint,
               size_t capacity)
{
    hint[0] = '\0';
    if (code <= 0 || code == NAACCR_REC_OPEN_FAILED || code == NAACCR_REC_EMPTY_FILE || code == NAACCR_REC_NO_MEMORY)
        return false;
    const FileMagic magic = head != nullptr ? file_magic(head, n) : MAGIC_NONE;
    if (magic == MAGIC_UTF8_BOM)
        snprintf(hint, capacity, "text that starts with a UTF-8 byte-order mark; record files have none");
    else if (magic == MAGIC_UTF16_BOM)
        snprintf(hint, capacity, "UTF-16 text (it starts with a byte-order mark), not single-byte records");
    else if (code == NAACCR_REC_BAD_VERSION) {
        const size_t first = info.record_type == 'U' ? 2 : 17;
        char columns[40];
        const bool held = head != nullptr && n >= first + 2;
        quote_columns(held ? reinterpret_cast<const char *>(head) + first - 1 : "", held ? 3 : 0, columns,
                      sizeof columns);
        const int length = info.record_length - (info.first_terminator != 0) - (info.second_terminator != 0);
        if (info.record_length > 0)
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold %s; the first record is %d character%s long", first,
                     first + 2, columns, length, plural(static_cast<uint64_t>(length)));
        else
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold %s; the first record has no terminator", first,
                     first + 2, columns);
    }
    return hint[0] != '\0';
}
