// layouts.cpp -- the table of NAACCR record layouts.
//
// Lengths are those of the NAACCR layouts without terminators.  From version 12
// on, the incidence (I) layout is a prefix of the confidential (C) layout and
// that of the abstract (A) layout; the modified (M) layout equals A.  The
// checksum field is item 2081 (CRC CHECKSUM): columns 1920 to 1929 in versions
// 12 to 16 and 2607 to 2616 in version 18.  "170" does not exist; versions 21
// and later are exchanged as XML, not as fixed-length records.
#include "flat/flat.h"

#include <string.h>

// Versions 12 to 16 share their lengths and their checksum column.
#define CODES_12_TO_16 "120 121 122 130 140 150 160"
#define COLUMN_12_TO_16 checksum_column_12_to_16
#define CODE version_code_column, version_code_width

constexpr NaaccrLayout naaccr_layouts[] = {
    {'A', CODES_12_TO_16, CODE, false, 22824, COLUMN_12_TO_16},
    {'A', "180", CODE, false, 24194, 2607},
    {'A', "A B", 19, 1, false, 6694, 1164},
    {'A', "5", 19, 1, true, 5966, 0},
    {'A', "6 7 8 9", 19, 1, true, 5966, 942},
    {'A', "1 2 3 4", 536, 1, false, 5300, 0},

    {'C', CODES_12_TO_16, CODE, false, 5564, COLUMN_12_TO_16},
    {'C', "180", CODE, false, 6154, 2607},
    {'C', "A B", 19, 1, false, 2644, 1164},
    {'C', "5", 19, 1, true, 1916, 0},
    {'C', "6 7 8 9", 19, 1, true, 1916, 942},
    {'C', "1 2 3 4", 536, 1, false, 1150, 0},

    {'I', CODES_12_TO_16, CODE, false, 3339, COLUMN_12_TO_16},
    {'I', "180", CODE, false, 4048, 2607},
    {'I', "A B", 19, 1, false, 1946, 1164},
    {'I', "5", 19, 1, true, 1525, 0},
    {'I', "6 7 8 9", 19, 1, true, 1525, 942},
    {'I', "1 2 3 4", 536, 1, false, 850, 0},

    {'M', CODES_12_TO_16, CODE, false, 22824, COLUMN_12_TO_16},
    {'M', "180", CODE, false, 24194, 2607},
    {'M', "A B", 19, 1, false, 6694, 1164},

    {'R', "120", CODE, false, 2215, 0},
    {'R', "A B", 19, 1, false, 2215, 0},
    {'R', "6 7 8 9", 19, 1, false, 1793, 0},

    // Type U keeps the length 1543 in every version from 12 to 18.
    {'U', CODES_12_TO_16 " 180", 2, version_code_width, false, 1543, 0},
    {'U', "6 7 8 9 A B", 2, 1, false, 850, 0},
};

const size_t naaccr_layout_count = sizeof naaccr_layouts / sizeof naaccr_layouts[0];

namespace
{

constexpr int32_t longest_layout()
{
    int32_t longest = 0;
    for (const NaaccrLayout &layout : naaccr_layouts)
        longest = layout.length > longest ? layout.length : longest;
    return longest;
}
static_assert(longest_layout() == longest_flat_record, "longest_flat_record is the longest layout's length");

} // namespace

int32_t version_of_code(const unsigned char *code)
{
    int32_t version = 0;
    for (int i = 0; i < version_code_width; ++i) {
        if (code[i] < '0' || code[i] > '9')
            return 0;
        version = version * 10 + (code[i] - '0');
    }
    return version;
}

void code_of_version(int32_t version, char *code)
{
    code[0] = static_cast<char>('0' + version / 100 % 10);
    code[1] = static_cast<char>('0' + version / 10 % 10);
    code[2] = static_cast<char>('0' + version % 10);
}

bool layout_has_code(const NaaccrLayout &layout, const char *code, int width)
{
    const size_t n = static_cast<size_t>(width);
    for (const char *c = layout.codes; *c != '\0';) {
        const size_t length = strcspn(c, " ");
        if (length == n && memcmp(c, code, n) == 0)
            return true;
        c += length;
        c += *c == ' ';
    }
    return false;
}

int unknown_version_column(char type)
{
    for (const NaaccrLayout &layout : naaccr_layouts)
        if (layout.record_type == type && layout.version_width == version_code_width)
            return layout.version_column;
    return version_code_column;
}

bool is_naaccr_record_type(char type)
{
    for (const NaaccrLayout &layout : naaccr_layouts)
        if (layout.record_type == type)
            return true;
    return false;
}

const NaaccrLayout *find_naaccr_layout(char type, const char *version)
{
    const size_t width = strnlen(version, 3);
    for (const NaaccrLayout &layout : naaccr_layouts)
        if (layout.record_type == type && static_cast<size_t>(layout.version_width) == width &&
            layout_has_code(layout, version, layout.version_width))
            return &layout;
    return nullptr;
}
