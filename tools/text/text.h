// text.h -- the command line's words: how names and texts are written
// (escaped for a text line or as a JSON string), the names of the library's
// codes, the NAACCR facts the program needs that the public header does not
// give, and the help texts.  The lowest layer of the command line: it uses
// common/ and the public header alone.
#ifndef TOOLS_TEXT_H
#define TOOLS_TEXT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <string>

// ---- Escaping and writing (text_output.cpp) ----

// Length (1 to 4) of the well-formed UTF-8 character that starts at `s`, of
// which `n` bytes may be read; 0 when the bytes there are no such character
// (a stray continuation byte, an overlong form, a surrogate, a value above
// U+10FFFF, or a character cut short).
size_t utf8_character_length(const unsigned char *s, size_t n);

// `text` as a line of text shows it: UTF-8 characters as they are, and every
// control byte (0 to 31, 127), C1 control character (U+0080 to U+009F) and
// byte that is no part of a well-formed UTF-8 character as <n>, its decimal
// value.  So no byte of a name can move the cursor or start a terminal
// escape sequence.
std::string printable_text(const char *text, size_t length);
void print_text(FILE *out, const char *text);

// Bytes of a record as a one-line report shows them: 32 to 126 as they are,
// every other byte as <n>, its decimal value.  Record bytes are single-byte
// characters, so no UTF-8 character is kept whole.
std::string printable_bytes(const char *bytes, size_t length);

// `text` as a JSON string literal, quotes included.  Well-formed UTF-8 stays
// as it is, '"' and '\' are escaped, control bytes and 127 become \u00XX,
// and every byte that is no part of a well-formed UTF-8 character becomes
// \uDCXX (XX its value, 80 to FF): the lone low surrogates with which
// Python's "surrogateescape" stands for undecodable bytes, so that the
// original bytes can be recovered.
std::string json_string(const char *text, size_t length);
void print_json_string(FILE *out, const char *text);

// "s" after a count of `n` things, except after 1: every count the program
// prints is followed by its noun in the right number.
const char *plural(uint64_t n);

// Flushes standard output and reports, for `program` ("cvnaaccr check"), when
// anything written to it was lost (a full disk, a closed pipe).  Returns
// false then.
bool finish_output(const char *program);

// ---- The library's codes, and NAACCR facts (code_names.cpp) ----

// "NAACCR_REC_OK" and so on; "unknown" for a value that is no result code.
const char *naaccr_code_name(int32_t code);

// "NAACCR_CHECK_RECORD_LENGTH" and so on for a kind of problem of the record
// or item checker (common/check_kinds.h); "unknown" for any other value.
const char *check_kind_name(int32_t kind);

// "Record length" and so on: the kind's label, which text output shows;
// "Problem" for a value that is no kind.
const char *check_kind_label(int32_t kind);

// True for the kinds that count as no problem for the exit status: those of
// NAACCR_ANOMALY_KINDS for a check, of NAACCR_HARMLESS_KINDS (the anomalies
// and a byte-order mark, which lose nothing) for a conversion (`converting`).
bool is_uncounted_kind(int32_t kind, bool converting);

// "NaaccrData", "Patient", "Tumor": the element of a NAACCR_LEVEL_... level;
// "?" for any other value.
const char *level_name(uint8_t level);

// "text", "digits", ... "dateTime" for NAACCR_ITEM_TEXT to NAACCR_ITEM_DATETIME,
// the words of NAACCR's dictionaries; "?" for any other value.
const char *data_type_name(uint8_t data_type);

// "rightBlank", "leftBlank", "rightZero", "leftZero" for NAACCR_PAD_...; "?"
// for any other value.
const char *padding_name(uint8_t padding);

// The NAACCR_ITEM_IN_... bit of record type A, M, C or I; 0 for any other
// character.
uint8_t record_type_bit(char type);

// True for the record types of data items: A, M, C and I.
bool is_record_type(char type);

// The letters of the record types in NAACCR_ITEM_IN_... `bits`, in the order
// A, M, C, I ("AMCI", "I", ""), written to `letters` (5 bytes) with a NUL.
void record_type_letters(uint8_t bits, char letters[5]);

// A NAACCR version's number from its code as a record gives it in its version
// columns ("180") or as a person gives it ("180", or "18" for NAACCR 18):
// digits only, at most 999; 0 for anything else.
int32_t version_number(const char *text);

// A version code as a report shows it: "10 (A)" and "11 (B)" for the
// single-letter codes of versions 10 and 11, any other code as it is.
const char *version_code_text(const char *code);

// The naaccrNum of the Patient ID Number, by which show finds a patient's
// tumours.
const int32_t patient_id_item = 20;

// The first of the three columns that hold a flat record's version code
// ("180"): 17 for every record type but U, whose code stands at column 2.
// They mirror the library's table of layouts, which cvnaaccr.h does not give.
size_t version_column(char record_type);
const size_t version_code_length = 3;

// ---- Help (help.cpp) ----

// Writes the help of `command` ("check", "checksum verify", ...; "" for the
// program) to standard output; returns the exit status (0, or 2 when standard
// output cannot be written).
int print_help(const char *command);

// Writes the usage of `command` to standard error; returns 2.
int usage_error(const char *command);

#endif
