// flat.h -- NAACCR fixed-length ("flat") record files: the record layouts,
// the recognizer of a record's type, version, length and terminators, the
// inspection of a file from its head, and the two check fields a record may
// hold: a CRC-32 check field at any column, and the NAACCR checksum field.
#ifndef FLAT_H
#define FLAT_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

// ---- layouts (layouts.cpp) ----
// The NAACCR record layouts the library knows, in one table: for each record
// type and version code, the record length, where the version code stands and
// where the checksum field stands.  The recognizer tries the rows of a record
// type in table order and takes the first that holds, so the order of the rows
// is the order of the version rules.

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

// The three-character version code ("180") of the layouts from version 12 on
// stands in columns 17 to 19 (in column 2 on for type U).
const int version_code_column = NAACCR_VERSION_COLUMN;
const int version_code_width = 3;

// The checksum field (item 2081, CRC CHECKSUM) is always 10 characters wide;
// in versions 12 to 16 it starts at this column.
const uint32_t naaccr_checksum_width = NAACCR_CHECKSUM_WIDTH;
const uint32_t checksum_column_12_to_16 = 1920;

// The longest record of any layout, without terminators: types A and M of
// version 18 (layouts.cpp holds it against the table).
const int32_t longest_flat_record = 24194;

// The NAACCR version that a three-character version code names (140 for
// "140"); 0 when the code is not three digits.
int32_t version_of_code(const unsigned char *code);

// The three-character version code of NAACCR `version` (140 ... 270) into
// code[0..2], without a NUL.
void code_of_version(int32_t version, char *code);

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

// ---- recognition and inspection (recognizer.cpp, file_info.cpp, naaccr_file.cpp) ----

// Sets every field of `info` that has a reset value: file_name and message
// empty, record_type a blank, version all NUL, terminators, record_length,
// record_count and file_size 0.  directory and extension are left alone.
void reset_naaccr_file_info(NaaccrFileInfo *info);

// Recognises the record that starts at `buffer`: writes record_type, version,
// record_length and the terminators, and message on failure.  `available` is
// the number of bytes that may be read; nothing past it, nor past the
// NAACCR_RECORD_BUFFER_SIZE window, is read.  info->file_size must be set: 0
// for a record in memory (a NUL then ends the record), the file's size
// otherwise (a NUL is then an illegal character).  Returns NAACCR_REC_OK,
// NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_TYPE or NAACCR_REC_ILLEGAL_CHAR.
int32_t recognize_naaccr_record(const char *buffer, size_t available, NaaccrFileInfo *info);

// The layout whose version rule holds for the record at `record`, of which
// `available` bytes may be read, in the recognizer's order of rules; null when
// none holds.  Sets *known_type (when not null) when the record type in column
// 1 has layouts at all.
const NaaccrLayout *match_naaccr_layout(const char *record, size_t available, bool *known_type);

// Number of terminator bytes (0, 1 or 2) that the recognizer found.
int naaccr_terminator_count(const NaaccrFileInfo *info);

// Inspects the file whose path stands in info->directory, as
// cvGet_naaccr_file_info does.
int32_t inspect_naaccr_file(NaaccrFileInfo *info);

// ---- the CRC-32 check field (check_field.cpp) ----
// A run of hexadecimal digits at a column and width that the caller names,
// holding the CRC-32 of the rest of the record: cvCalcCRC32, cvAssignCRC32
// and cvCompareCRC32, whose contracts these keep.

uint32_t check_field_value(const char *record, uint32_t length, uint32_t column, uint32_t width);
int32_t assign_check_field(char *record, uint32_t length, uint32_t column, uint32_t width);
int32_t compare_check_field(const char *record, uint32_t length, uint32_t column, uint32_t width);

// ---- the NAACCR checksum field (checksum.cpp) ----
// A 10-character CRC-32 check field whose column follows from the record's
// type and version.

// Assigns or compares the checksum field of one record in memory, as
// cvAssignChecksum and cvCompareChecksum do.
int32_t assign_record_checksum(char *record);
int32_t compare_record_checksum(const char *record);

// Finds the NAACCR checksum field of one record in memory, which ends at its
// first CR, LF or NUL (or, with no such byte in the NAACCR_RECORD_BUFFER_SIZE
// window, at the first such byte before its layout's length, or after that
// length).  Reads the record's bytes one at a time up to its end and the byte
// that ends it, nothing after.  On NAACCR_REC_OK sets *length to the record's
// length without terminators and *column to the field's first column.
// Otherwise returns the recognizer's NAACCR_REC_BAD_VERSION,
// NAACCR_REC_BAD_TYPE or NAACCR_REC_ILLEGAL_CHAR, or NAACCR_REC_NO_CHECKSUM.
int32_t locate_naaccr_checksum(const char *record, uint32_t *length, uint32_t *column);

// Compares the checksum field at `column` of a record of `length` bytes
// (without terminators) as cvCompareChecksum does: CV_FIELD_OK or
// CV_FIELD_MISMATCH.  For versions 12 to 16 a field that earlier releases
// wrote one column to the left also matches.
int32_t compare_naaccr_checksum(const char *record, uint32_t length, uint32_t column);

// The column where earlier releases wrote the field that belongs at `column`
// (1919 for 1920, versions 12 to 16), or 0.
uint32_t earlier_checksum_column(uint32_t column);

// True when the field at `field` is "00" and then the eight hexadecimal
// digits (either case) of `checksum`: the only form in which the record
// checker takes a field for a match.
bool checksum_field_holds(const unsigned char *field, uint32_t checksum);

// As compare_naaccr_checksum, but a field matches only in the form that
// checksum_field_holds accepts.  The field must lie within `length` bytes.
bool naaccr_checksum_matches(const char *record, uint32_t length, uint32_t column);

#endif
