// naaccr_internal.h -- helpers shared inside the cvnaaccr library.
#ifndef NAACCR_INTERNAL_H
#define NAACCR_INTERNAL_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

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

struct NaaccrLayout;

// The layout whose version rule holds for the record at `record`, of which
// `available` bytes may be read, in the recognizer's order of rules; null when
// none holds.  Sets *known_type (when not null) when the record type in column
// 1 has layouts at all.
const NaaccrLayout *match_naaccr_layout(const char *record, size_t available, bool *known_type);

// Number of terminator bytes (0, 1 or 2) that the recognizer found.
int naaccr_terminator_count(const NaaccrFileInfo *info);

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
