// date_time.cpp -- the one checker of dates and times: of flat date items, of
// NAACCR XML dateTime items and of the root's timeGenerated.  Each form is
// read into its parts, then every form's parts are held to the same rules:
// a real day of 1800 to 2099, a real time of day, a zone within 14 hours.
#include <stdarg.h>
#include <stdio.h>

#include "base/base.h"

namespace
{

const char *const month_names[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// A part the value does not give.
const size_t absent = static_cast<size_t>(-1);

// Where each part of a value starts; `absent` when it is not given.
struct DateTimeParts {
    size_t year, month, day, hour, minute, second;
    size_t fraction, fraction_end; // the digits after the point
    size_t zone;                   // 'Z', '+' or '-'
};

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }

int number_at(const unsigned char *p, size_t digits)
{
    int n = 0;
    for (size_t i = 0; i < digits; ++i)
        n = n * 10 + (p[i] - '0');
    return n;
}

int32_t set_fault(DateTimeFault *fault, int32_t code, size_t position, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 4, 5)))
#endif
    ;

int32_t set_fault(DateTimeFault *fault, int32_t code, size_t position, const char *format, ...)
{
    fault->code = code;
    fault->position = position;
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(fault->reason, sizeof fault->reason, format, arguments);
    va_end(arguments);
    return code;
}

// Reads `digits` digits at *at and moves past them; false when they are not there.
bool take_digits(const unsigned char *p, size_t n, size_t *at, size_t digits)
{
    for (size_t i = 0; i < digits; ++i)
        if (*at + i >= n || !is_digit(p[*at + i]))
            return false;
    *at += digits;
    return true;
}

bool take_byte(const unsigned char *p, size_t n, size_t *at, unsigned char c)
{
    if (*at >= n || p[*at] != c)
        return false;
    ++*at;
    return true;
}

// A flat date: digits only, YYYY, YYYYMM or YYYYMMDD, and with `long_form`
// also YYYYMMDDhhmmss.
int32_t read_flat(const unsigned char *p, size_t n, bool long_form, DateTimeParts *parts, DateTimeFault *fault)
{
    for (size_t i = 0; i < n; ++i)
        if (!is_digit(p[i]))
            return set_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, i, "%s in a date, which holds only digits",
                             p[i] == ' ' ? "a blank" : "a character other than a digit");
    if (n != 4 && n != 6 && n != 8 && !(long_form && n == 14))
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, n, "%u digits: a date is YYYY, YYYYMM or YYYYMMDD%s",
                         static_cast<unsigned>(n), long_form ? ", then hhmmss or blanks" : "");
    parts->year = 0;
    parts->month = n >= 6 ? 4 : absent;
    parts->day = n >= 8 ? 6 : absent;
    if (n == 14) {
        parts->hour = 8;
        parts->minute = 10;
        parts->second = 12;
    }
    return 0;
}

// An XML form: YYYY[-MM[-DD[Thh:mm[:ss[.f+]]]]] and an optional zone; the
// time stamp form needs every part down to the seconds.
int32_t read_xml(const unsigned char *p, size_t n, bool stamp, DateTimeParts *parts, DateTimeFault *fault)
{
    size_t at = 0;
    bool formed = take_digits(p, n, &at, 4);
    parts->year = 0;
    if (formed && take_byte(p, n, &at, '-')) {
        parts->month = at;
        formed = take_digits(p, n, &at, 2);
        if (formed && take_byte(p, n, &at, '-')) {
            parts->day = at;
            formed = take_digits(p, n, &at, 2);
            if (formed && take_byte(p, n, &at, 'T')) {
                parts->hour = at;
                formed = take_digits(p, n, &at, 2) && take_byte(p, n, &at, ':');
                parts->minute = at;
                formed = formed && take_digits(p, n, &at, 2);
                if (formed && take_byte(p, n, &at, ':')) {
                    parts->second = at;
                    formed = take_digits(p, n, &at, 2);
                    if (formed && take_byte(p, n, &at, '.')) {
                        parts->fraction = at;
                        formed = take_digits(p, n, &at, 1);
                        while (at < n && is_digit(p[at]))
                            ++at;
                        parts->fraction_end = at;
                    }
                }
            }
        }
    }
    if (formed && at < n && (p[at] == 'Z' || p[at] == '+' || p[at] == '-')) {
        parts->zone = at;
        if (!take_byte(p, n, &at, 'Z')) {
            ++at; // the sign
            formed = take_digits(p, n, &at, 2) && take_byte(p, n, &at, ':') && take_digits(p, n, &at, 2);
        }
    }
    if (!formed || at != n || (stamp && parts->second == absent))
        return set_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, at < n ? at : n,
                         stamp ? "not of the form YYYY-MM-DDThh:mm:ss (a fraction and a zone optional)"
                               : "not of the form YYYY-MM-DDThh:mm:ss.fff+hh:mm (the later parts optional)");
    return 0;
}

int32_t check_calendar(const unsigned char *p, const DateTimeParts &parts, DateTimeFault *fault)
{
    const int year = number_at(p + parts.year, 4);
    if (year < first_date_year || year > last_date_year)
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.year, "year %04d is outside %d to %d", year,
                         first_date_year, last_date_year);
    if (parts.month == absent)
        return 0;
    const int month = number_at(p + parts.month, 2);
    if (month < 1 || month > 12)
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.month, "there is no month %02d", month);
    if (parts.day == absent)
        return 0;
    const int day = number_at(p + parts.day, 2);
    if (day < 1 || day > days_in_month(year, month))
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.day, "there is no day %02d in %s %04d", day,
                         month_names[month - 1], year);
    return 0;
}

bool zero_digits(const unsigned char *p, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (p[i] != '0')
            return false;
    return true;
}

// Hours 00-23, minutes and seconds 00-59; with `end_of_day` also 24:00,
// 24:00:00 and 24:00:00.000, the end of the day.
int32_t check_clock(const unsigned char *p, const DateTimeParts &parts, bool end_of_day, DateTimeFault *fault)
{
    const int hour = number_at(p + parts.hour, 2), minute = number_at(p + parts.minute, 2);
    const int second = parts.second != absent ? number_at(p + parts.second, 2) : 0;
    if (hour == 24 && end_of_day) {
        const bool zero = minute == 0 && second == 0 &&
                          (parts.fraction == absent || zero_digits(p, parts.fraction, parts.fraction_end));
        if (!zero)
            return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.hour, "hour 24 is only 24:00:00, the end of the day");
    } else if (hour > 23) {
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.hour, "there is no hour %02d", hour);
    }
    if (minute > 59)
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.minute, "there is no minute %02d", minute);
    if (second > 59)
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.second, "there is no second %02d", second);
    return 0;
}

// Z, or an offset from -14:00 to +14:00 whose minutes are 00 to 59.
int32_t check_zone(const unsigned char *p, const DateTimeParts &parts, DateTimeFault *fault)
{
    if (p[parts.zone] == 'Z')
        return 0;
    const int hours = number_at(p + parts.zone + 1, 2), minutes = number_at(p + parts.zone + 4, 2);
    if (minutes > 59 || hours > 14 || (hours == 14 && minutes > 0))
        return set_fault(fault, NAACCR_CHECK_ITEM_DATE, parts.zone,
                         "there is no time zone %c%02d:%02d: zones run from -14:00 to +14:00", p[parts.zone], hours,
                         minutes);
    return 0;
}

} // namespace

int32_t check_date_time(const unsigned char *text, size_t n, DateTimeForm form, DateTimeFault *fault)
{
    fault->code = 0;
    fault->position = 0;
    fault->reason[0] = '\0';
    DateTimeParts parts = {absent, absent, absent, absent, absent, absent, absent, absent, absent};
    const int32_t code = form == DATE_FLAT || form == DATE_TIME_FLAT
                             ? read_flat(text, n, form == DATE_TIME_FLAT, &parts, fault)
                             : read_xml(text, n, form == DATE_TIME_STAMP, &parts, fault);
    if (code != 0 || check_calendar(text, parts, fault) != 0)
        return fault->code;
    // Hour 24 is the end of the day in the XML forms only.
    if (parts.hour != absent && check_clock(text, parts, form == DATE_TIME_XML || form == DATE_TIME_STAMP, fault) != 0)
        return fault->code;
    if (parts.zone != absent)
        check_zone(text, parts, fault);
    return fault->code;
}
