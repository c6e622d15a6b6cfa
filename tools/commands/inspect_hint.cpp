// inspect_hint.cpp -- what a file that is no flat record file of a known layout
// seems to be, from its first bytes.
#include "commands/commands.h"

#include <stdio.h>

#include <string>

#include "text/text.h"

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
        const size_t first = version_column(info.record_type), last = first + version_code_length - 1;
        const bool held = head != nullptr && n >= last;
        const std::string columns =
            held ? printable_bytes(reinterpret_cast<const char *>(head) + first - 1, version_code_length) : "";
        const int length = info.record_length - (info.first_terminator != 0) - (info.second_terminator != 0);
        if (info.record_length > 0)
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold \"%s\"; the first record is %d character%s long",
                     first, last, columns.c_str(), length, plural(static_cast<uint64_t>(length)));
        else
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold \"%s\"; the first record has no terminator", first,
                     last, columns.c_str());
    }
    return hint[0] != '\0';
}
