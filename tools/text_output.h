// text_output.h -- how names and texts are written: escaped for a text line
// or as a JSON string, and the final check that standard output took it all.
#ifndef TEXT_OUTPUT_H
#define TEXT_OUTPUT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <string>

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

#endif
