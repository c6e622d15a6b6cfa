// recognizer.cpp -- decides record type, NAACCR version, record length and
// terminators from the first bytes of a record file or one record in memory.
#include <stdio.h>
#include <string.h>

#include "flat/flat.h"
#include "platform/platform.h"

namespace
{

// The bytes the rules may look at.  A column past the data reads as -1, which
// matches no version character: the rules never read outside the caller's data.
struct Columns {
    const unsigned char *bytes;
    size_t available;
    int at(size_t column) const { return column <= available ? bytes[column - 1] : -1; }
};

const NaaccrLayout *match_layout(char type, const Columns &col, bool *known_type)
{
    *known_type = false;
    for (size_t n = 0; n < naaccr_layout_count; ++n) {
        const NaaccrLayout &layout = naaccr_layouts[n];
        if (layout.record_type != type)
            continue;
        *known_type = true;
        char code[3];
        bool present = true;
        for (int k = 0; k < layout.version_width; ++k) {
            const int c = col.at(static_cast<size_t>(layout.version_column + k));
            present = present && c >= 0;
            code[k] = static_cast<char>(c);
        }
        if (present && layout_has_code(layout, code, layout.version_width) &&
            (!layout.needs_blank_536 || col.at(536) == ' '))
            return &layout;
    }
    return nullptr;
}

} // namespace

const NaaccrLayout *match_naaccr_layout(const char *record, size_t available, bool *known_type)
{
    bool known = false;
    const NaaccrLayout *layout =
        available == 0
            ? nullptr
            : match_layout(record[0], Columns{reinterpret_cast<const unsigned char *>(record), available}, &known);
    if (known_type != nullptr)
        *known_type = known;
    return layout;
}

int32_t recognize_naaccr_record(const char *buffer, size_t available, NaaccrFileInfo *info)
{
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(buffer);
    const size_t window = available < NAACCR_RECORD_BUFFER_SIZE ? available : NAACCR_RECORD_BUFFER_SIZE;
    const Columns col{bytes, window};
    int32_t result = NAACCR_REC_OK;

    info->record_type = col.at(1) >= 0 ? static_cast<char>(bytes[0]) : ' ';
    memset(info->version, 0, sizeof info->version);

    bool known_type = false;
    const NaaccrLayout *layout = match_layout(info->record_type, col, &known_type);
    if (layout != nullptr) {
        memcpy(info->version, bytes + layout->version_column - 1, static_cast<size_t>(layout->version_width));
        info->record_length = layout->length;
    } else {
        const bool bad_type = !known_type;
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
