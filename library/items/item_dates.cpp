// item_dates.cpp -- the date rules of the item checks: the forms a date may
// take, and that it names a real day and time (30 February and month 13 are
// faults) in the years 1800 to 2099.
#include <string.h>

#include "base/base.h"
#include "items/items.h"

namespace
{

const char *const month_names[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }

int number_at(const unsigned char *p, size_t digits)
{
    int n = 0;
    for (size_t i = 0; i < digits; ++i)
        n = n * 10 + (p[i] - '0');
    return n;
}

// The calendar date whose parts stand at `year_at`, and at `month_at` and
// `day_at` when they are not 0 (unknown); `p` is the value's start.
int32_t check_calendar(const unsigned char *p, size_t year_at, size_t month_at, size_t day_at, ItemFault *fault)
{
    const int year = number_at(p + year_at, 4);
    if (year < 1800 || year > 2099)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, year_at, "year %04d is outside 1800 to 2099", year);
    if (month_at == 0)
        return 0;
    const int month = number_at(p + month_at, 2);
    if (month < 1 || month > 12)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, month_at, "there is no month %02d", month);
    if (day_at == 0)
        return 0;
    const int day = number_at(p + day_at, 2);
    if (day < 1 || day > days_in_month(year, month))
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, day_at, "there is no day %02d in %s %04d", day,
                              month_names[month - 1], year);
    return 0;
}

// hh, mm and ss (or only hh and mm) of a time at `at`.
int32_t check_time(const unsigned char *p, size_t at, bool seconds, size_t minute_at, size_t second_at,
                   ItemFault *fault)
{
    const int hour = number_at(p + at, 2), minute = number_at(p + minute_at, 2);
    if (hour > 23)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, at, "there is no hour %02d", hour);
    if (minute > 59)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, minute_at, "there is no minute %02d", minute);
    if (seconds && number_at(p + second_at, 2) > 59)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, second_at, "there is no second %02d",
                              number_at(p + second_at, 2));
    return 0;
}

// Reads `digits` digits at *at and moves past them; false when they are not there.
bool take_digits(const unsigned char *p, size_t end, size_t *at, size_t digits)
{
    for (size_t i = 0; i < digits; ++i)
        if (*at + i >= end || !is_digit(p[*at + i]))
            return false;
    *at += digits;
    return true;
}

bool take_byte(const unsigned char *p, size_t end, size_t *at, unsigned char c)
{
    if (*at >= end || p[*at] != c)
        return false;
    ++*at;
    return true;
}

// Z, +hh:mm or -hh:mm at *at, or nothing.
bool take_zone(const unsigned char *p, size_t end, size_t *at)
{
    if (take_byte(p, end, at, 'Z'))
        return true;
    if (*at >= end || (p[*at] != '+' && p[*at] != '-'))
        return true;
    ++*at;
    const size_t hour_at = *at;
    if (!take_digits(p, end, at, 2) || !take_byte(p, end, at, ':') || !take_digits(p, end, at, 2))
        return false;
    return number_at(p + hour_at, 2) <= 14 && number_at(p + hour_at + 3, 2) <= 59;
}

} // namespace

int32_t check_item_date(const unsigned char *value, size_t begin, size_t end, bool long_form, ItemFault *fault)
{
    for (size_t i = begin; i < end; ++i)
        if (!is_digit(value[i]))
            return set_item_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, i, "%s in a date, which holds only digits",
                                  value[i] == ' ' ? "a blank" : "a character other than a digit");
    const size_t n = end - begin;
    if (n != 4 && n != 6 && n != 8 && !(long_form && n == 14))
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATE, end, "%u digits: a date is YYYY, YYYYMM or YYYYMMDD%s",
                              static_cast<unsigned>(n), long_form ? ", then hhmmss or blanks" : "");
    const int32_t code = check_calendar(value, begin, n >= 6 ? begin + 4 : 0, n >= 8 ? begin + 6 : 0, fault);
    if (code != 0 || n != 14)
        return code;
    return check_time(value, begin + 8, true, begin + 10, begin + 12, fault);
}

int32_t check_item_datetime(const unsigned char *value, size_t begin, size_t end, ItemFault *fault)
{
    size_t at = begin, month_at = 0, day_at = 0, hour_at = 0, second_at = 0;
    bool well_formed = take_digits(value, end, &at, 4);
    if (well_formed && take_byte(value, end, &at, '-')) {
        month_at = at;
        well_formed = take_digits(value, end, &at, 2);
        if (well_formed && take_byte(value, end, &at, '-')) {
            day_at = at;
            well_formed = take_digits(value, end, &at, 2);
            if (well_formed && take_byte(value, end, &at, 'T')) {
                hour_at = at;
                well_formed = take_digits(value, end, &at, 2) && take_byte(value, end, &at, ':') &&
                              take_digits(value, end, &at, 2);
                if (well_formed && take_byte(value, end, &at, ':')) {
                    second_at = at;
                    well_formed = take_digits(value, end, &at, 2);
                    if (well_formed && take_byte(value, end, &at, '.')) {
                        well_formed = take_digits(value, end, &at, 1);
                        while (at < end && is_digit(value[at]))
                            ++at;
                    }
                }
            }
        }
    }
    if (!well_formed || !take_zone(value, end, &at) || at != end)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, at < end ? at : end,
                              "not of the form YYYY-MM-DDThh:mm:ss.fff+hh:mm (the later parts optional)");
    const int32_t code = check_calendar(value, begin, month_at, day_at, fault);
    if (code != 0 || hour_at == 0)
        return code;
    return check_time(value, hour_at, second_at != 0, hour_at + 3, second_at, fault);
}
