// text.h -- the command line's words: how names and texts are written
// (escaped for a text line or as a JSON string), the names of the library's
// codes, and the help texts.  The lowest layer of the command line: it uses
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

// ---- The library's codes (code_names.cpp) ----

// "NAACCR_REC_OK" and so on; "unknown" for a value that is no result code.
const char *naaccr_code_name(int32_t code);

// "NAACCR_CHECK_RECORD_LENGTH" and so on for a kind of problem of the record
// or item checker (common/check_kinds.h); "unknown" for any other value.
const char *check_kind_name(int32_t kind);

// True for the kinds that are insignificant anomalies at the end of a file
// (NAACCR_CHECK_TERMINATOR_OMITTED, NAACCR_CHECK_STRAY_CTRL_Z): reported, but
// no problem for the exit status.
bool is_check_anomaly(int32_t kind);

// ---- Help (help.cpp) ----

// Writes the help of `command` ("check", "checksum verify", ...; "" for the
// program) to standard output; returns the exit status (0, or 2 when standard
// output cannot be written).
int print_help(const char *command);

// Writes the usage of `command` to standard error; returns 2.
int usage_error(const char *command);

#endif
