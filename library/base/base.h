// base.h -- small facts and helpers every part of the library uses: what a
// blank, a printable byte and a UTF-8 character are, how bytes are shown in a
// message, the calendar and the checker of dates and times, why a check
// stopped, and what kind of input a file is by its first bytes.
#ifndef BASE_H
#define BASE_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "cvnaaccr.h"
#include "platform/platform.h"

// ---- text (text.cpp) ----
// A printable byte (32 to 126, is_printable) is platform.h's, beside the scan
// that looks for the first byte that is not.

// XML's white space: blank, tab, CR and LF.
inline bool is_xml_white(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// True when each of the `n` bytes is a blank (and for n 0).  Most fields of a
// record are blank, some 1000 characters long: eight bytes at a time.
inline bool all_blank(const unsigned char *bytes, size_t n)
{
    const uint64_t blanks = 0x2020202020202020u;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        memcpy(&word, bytes + i, sizeof word);
        if (word != blanks)
            return false;
    }
    for (; i < n; ++i)
        if (bytes[i] != ' ')
            return false;
    return true;
}

// Length of value[0, n) without its trailing blanks, eight bytes at a time.
inline size_t without_trailing_blanks(const unsigned char *value, size_t n)
{
    const uint64_t blanks = 0x2020202020202020u;
    while (n >= 8) {
        uint64_t word;
        memcpy(&word, value + n - 8, 8);
        if (word != blanks)
            break;
        n -= 8;
    }
    while (n > 0 && value[n - 1] == ' ')
        --n;
    return n;
}

// True when `text` holds XML white space only: what a file's layout puts
// between tags.
bool only_xml_white(const unsigned char *text, size_t n);

// A UTF-8 character begins at every byte but a continuation byte (10xxxxxx).
inline bool starts_utf8_character(unsigned char c) { return (c & 0xC0) != 0x80; }

// Characters of `n` bytes of UTF-8.
size_t utf8_characters(const unsigned char *text, size_t n);

// Bytes of the first `characters` characters of `n` bytes of UTF-8 (all `n`
// when it holds no more).
size_t utf8_prefix(const unsigned char *text, size_t n, size_t characters);

// `n` bytes as a message quotes them: in double quotes, each byte outside 32
// to 126 as <its value>; cut where `capacity` runs out.  Returns `text`.
const char *quoted_bytes(const unsigned char *bytes, size_t n, char *text, size_t capacity);

// `n` bytes as a message may hold them: each byte outside 32 to 126 as '?',
// NUL-terminated, cut to fit `size`.
void printable_copy(const unsigned char *bytes, size_t n, char *text, size_t size);

// ---- single-byte encodings (text.cpp) ----
// Flat NAACCR records are ASCII; a reader may be told to take their bytes
// above 126 as Latin-1 or windows-1252 (NAACCR_READ_LATIN1,
// NAACCR_READ_WINDOWS_1252).

enum ByteEncoding { BYTES_ASCII, BYTES_LATIN1, BYTES_WINDOWS_1252 };

// The Unicode code point of byte `c` above 126 in `encoding`, or -1 when it
// is no character there: ASCII has none; Latin-1 has 160 to 255 (127 to 159
// are control characters); windows-1252 has 128 to 255 but the five it leaves
// undefined (129, 141, 143, 144, 157).  Byte 127 is a control character in all.
int32_t code_point_of_byte(unsigned char c, ByteEncoding encoding);

// Writes code point `cp` (below 0x10000) as UTF-8 to `out`, which has room
// for 3 bytes; returns the bytes written.
size_t put_utf8(uint32_t cp, unsigned char *out);

// ---- kinds of problem ----

// The label of a kind (NAACCR_CHECK_KIND_LIST), or null for a number that is
// no kind (text.cpp).
const char *kind_label(int32_t kind);

// A problem of `code` at a record and its byte offset, of no item, saying
// `message` (which must outlive the problem): how a record problem goes to
// on_item_problem.
inline NaaccrItemProblem record_problem(int32_t code, uint64_t record, int64_t offset, const char *message)
{
    NaaccrItemProblem problem;
    memset(&problem, 0, sizeof problem);
    problem.record = record;
    problem.offset = offset;
    problem.code = code;
    problem.item_id = "";
    problem.item_name = "";
    problem.message = message;
    return problem;
}

// True for a kind of NAACCR_HARMLESS_KINDS: a problem that loses nothing.
inline bool is_harmless_kind(int32_t kind)
{
    return kind >= 0 && kind < 32 && ((NAACCR_HARMLESS_KINDS >> kind) & 1u) != 0;
}

// ---- the calendar ----

inline bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days in `month` (1 to 12) of `year`.
inline int days_in_month(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : days[month - 1];
}

// The years a date may name.
const int first_date_year = 1800, last_date_year = 2099;

// True for a real day of first_date_year to last_date_year: the common case
// of a flat date, settled without the full rules of check_date_time.
inline bool is_real_date(int year, int month, int day)
{
    return year >= first_date_year && year <= last_date_year && month >= 1 && month <= 12 && day >= 1 &&
           day <= days_in_month(year, month);
}

// ---- dates and times (date_time.cpp) ----
// One checker for every date and time the library reads; docs/behaviour.md
// tables its rules.

enum DateTimeForm {
    DATE_FLAT,       // a flat date item: YYYY, YYYYMM or YYYYMMDD, the unknown parts cut
    DATE_TIME_FLAT,  // a flat date item of 14 characters: also YYYYMMDDhhmmss
    DATE_TIME_XML,   // an XML dateTime item: YYYY[-MM[-DD[Thh:mm[:ss[.f...]]]]] and a zone
    DATE_TIME_STAMP, // the root's timeGenerated: YYYY-MM-DDThh:mm:ss[.f...] and a zone
};

// The first fault found in a date or time.
struct DateTimeFault {
    int32_t code;    // NAACCR_CHECK_ITEM_DATA_TYPE (not of the form), NAACCR_CHECK_ITEM_DATE, or 0
    size_t position; // where it was seen, from 0
    char reason[96]; // for a message: "there is no month 13"
};

// Checks the `n` bytes at `text` as `form`: the form, then a real day of
// first_date_year to last_date_year, a real time of day (hours 00 to 23; in
// the XML forms also 24:00:00, every later part zero), a zone (Z, or -14:00
// to +14:00 with minutes 00 to 59).  Returns fault->code.
int32_t check_date_time(const unsigned char *text, size_t n, DateTimeForm form, DateTimeFault *fault);

// ---- why a check stopped ----

// The values of NaaccrCheckSummary.stopped, and one that only the record
// checker's workers see.
enum StopReason : int32_t {
    STOP_NONE = NAACCR_STOP_NONE,
    STOP_BY_CALLBACK = NAACCR_STOP_CALLBACK,
    STOP_BY_PROGRESS = NAACCR_STOP_PROGRESS,
    // Another thread ended a worker's run: because the progress callback
    // asked to stop, which is what the summary says.
    STOP_CANCELLED = 3,
};

// What the summary says of a run that ended for `reason`.
inline int32_t summary_stop(StopReason reason) { return reason == STOP_CANCELLED ? STOP_BY_PROGRESS : reason; }

// ---- the kind of input (input_kind.cpp) ----

// Length of the byte-order mark `head` (`n` bytes) starts with: 3 for UTF-8,
// 2 for UTF-16 either way, 0 for none.
size_t byte_order_mark_length(const unsigned char *head, size_t n);

// Whether text that starts with `head` is UTF-16, and which way: by its
// byte-order mark, or without one by its first two bytes, of which exactly
// one is 0 (XML starts with an ASCII character).
enum Utf16Order { NOT_UTF16, UTF16_LITTLE_ENDIAN, UTF16_BIG_ENDIAN };
Utf16Order utf16_order(const unsigned char *head, size_t n);

// True when the first character after a byte-order mark (UTF-8, UTF-16
// either way) and white space in `head` is '<': NAACCR XML, since no flat
// record starts so.
bool looks_like_xml(const unsigned char *head, size_t n);

#endif
