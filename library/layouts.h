// layouts.h -- the NAACCR record layouts the library knows, in one table: for
// each record type and version code, the record length, where the version
// code stands and where the checksum field stands.
//
// The recognizer tries the rows of a record type in table order and takes the
// first that holds, so the order of the rows is the order of the version rules.
#ifndef LAYOUTS_H
#define LAYOUTS_H

#include <stddef.h>
#include <stdint.h>

struct NaaccrLayout {
    char record_type;         // 'A', 'C', 'I', 'M', 'R' or 'U'
    const char *codes;        // the version codes of this row, separated by blanks
    int version_column;       // first column of the code
    int version_width;        // 3, or 1 for the single-character codes
    bool needs_blank_536;     // versions 5 to 9 hold only when column 536 is a blank
    int32_t length;           // record length without terminators
    uint32_t checksum_column; // first column of the 10-character checksum field; 0 when none
};

extern const NaaccrLayout naaccr_layouts[];
extern const size_t naaccr_layout_count;

// The checksum field is always 10 characters wide.
const uint32_t naaccr_checksum_width = 10;

// The longest record of any layout, without terminators.
int32_t longest_naaccr_layout();

// True when `code` (`width` characters, not NUL-terminated) is one of the row's codes.
bool layout_has_code(const NaaccrLayout &layout, const char *code, int width);

// Where the version code of a record of type `type` is looked for when no
// row's code stands in it: where the three-character codes stand (17, or 2
// for type U).
int unknown_version_column(char type);

// True when some row has record type `type`.
bool is_naaccr_record_type(char type);

// The row of `type` that holds `version` as the recognizer reports it ("180",
// "A", "7"), or null when there is none.
const NaaccrLayout *find_naaccr_layout(char type, const char *version);

#endif
