/* utf8.h -- where a well-formed UTF-8 character ends: the one rule the
   command line's text and JSON escaping and the HTML report share. */
#ifndef COMMON_UTF8_H
#define COMMON_UTF8_H

#include <stddef.h>

/* Length (1 to 4) of the well-formed UTF-8 character that starts at `s`, of
   which `n` bytes may be read; 0 when the bytes there are no such character
   (a stray continuation byte, an overlong form, a surrogate, a value above
   U+10FFFF, or a character cut short). */
size_t utf8_character_length(const unsigned char *s, size_t n);

/* Whether the character of `length` bytes at `s` (as utf8_character_length
   measured it) is a control character: 0 to 31, 127, or U+0080 to U+009F. */
bool utf8_is_control(const unsigned char *s, size_t length);

#endif
