// date_time_test.cpp -- the one checker of dates and times, by the table of
// its rules in docs/behaviour.md: each form, the years, the calendar, hour
// 24, the zones; one labelled line per case.  The item rules' own table
// (item_rules_test.cpp) holds the common cases of flat and XML items.
#include <cstring>

#include <gtest/gtest.h>

#include "base/base.h"

namespace
{

TEST(DateTime, KeepsTheRulesOfItsTable)
{
    const int32_t OK = 0, TYPE = NAACCR_CHECK_ITEM_DATA_TYPE, DATE = NAACCR_CHECK_ITEM_DATE;
    const DateTimeForm FLAT = DATE_FLAT, FLAT14 = DATE_TIME_FLAT, XML = DATE_TIME_XML, STAMP = DATE_TIME_STAMP;
    const struct {
        const char *label;
        DateTimeForm form;
        const char *text;
        int32_t code;
        size_t position;
    } cases[] = {
        // the forms
        {"flat: seven digits", FLAT, "2019013", DATE, 7},
        {"flat: hhmmss only in 14 characters", FLAT, "20190131120000", DATE, 14},
        {"stamp: seconds, fraction, zone", STAMP, "2024-08-23T09:11:34.763-04:00", OK, 0},
        {"stamp: without seconds", STAMP, "2024-08-23T09:11", TYPE, 16},
        {"stamp: a date alone", STAMP, "2024-08-23", TYPE, 10},
        {"stamp: a trailing colon", STAMP, "2019-12-13T11:49:15:", TYPE, 19},
        // years and the calendar, the same in every form
        {"XML: year 2100", XML, "2100-01-01", DATE, 0},
        {"stamp: year 1799", STAMP, "1799-12-31T00:00:00", DATE, 0},
        {"stamp: five-digit year", STAMP, "10000-01-01T00:00:00", TYPE, 4},
        {"stamp: a negative year", STAMP, "-2024-01-01T00:00:00", TYPE, 0},
        {"stamp: 29 February 2024", STAMP, "2024-02-29T00:00:00", OK, 0},
        {"XML: month 13", XML, "2019-13", DATE, 5},
        // hours: 24 only as the end of the day, and only in the XML forms
        {"flat 14: hour 24", FLAT14, "20190131240000", DATE, 8},
        {"flat 14: hour 23", FLAT14, "20190131230000", OK, 0},
        {"XML: 24:00", XML, "2019-02-28T24:00", OK, 0},
        {"XML: 24:00:00.000", XML, "2019-02-28T24:00:00.000", OK, 0},
        {"XML: 24:01", XML, "2019-02-28T24:01", DATE, 11},
        {"XML: 24:00:01", XML, "2019-02-28T24:00:01", DATE, 11},
        {"XML: 24:00:00.001", XML, "2019-02-28T24:00:00.001", DATE, 11},
        {"stamp: 24:00:00Z", STAMP, "2024-12-31T24:00:00Z", OK, 0},
        {"stamp: 24:30:00", STAMP, "2024-12-31T24:30:00", DATE, 11},
        {"XML: minute 60", XML, "2019-02-28T12:60", DATE, 14},
        {"stamp: second 60", STAMP, "2019-02-28T12:00:60", DATE, 17},
        // zones: -14:00 to +14:00, minutes 00 to 59
        {"XML: Z", XML, "2019-02-28T12:00Z", OK, 0},
        {"XML: +14:00", XML, "2019-02-28T12:00+14:00", OK, 0},
        {"XML: -14:00", XML, "2019-02-28T12:00-14:00", OK, 0},
        {"XML: +13:59", XML, "2019-02-28T12:00+13:59", OK, 0},
        {"XML: +14:01", XML, "2019-02-28T12:00+14:01", DATE, 16},
        {"XML: +14:59", XML, "2019-02-28T12:00+14:59", DATE, 16},
        {"XML: -15:00", XML, "2019-02-28T12:00-15:00", DATE, 16},
        {"XML: +05:60", XML, "2019-02-28T12:00+05:60", DATE, 16},
        {"stamp: +14:00", STAMP, "2024-01-01T10:00:00+14:00", OK, 0},
        {"stamp: -14:30", STAMP, "2024-01-01T10:00:00-14:30", DATE, 19},
        {"stamp: +15:00", STAMP, "2024-01-01T10:00:00+15:00", DATE, 19},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        DateTimeFault fault;
        const int32_t code =
            check_date_time(reinterpret_cast<const unsigned char *>(c.text), strlen(c.text), c.form, &fault);
        EXPECT_EQ(code, c.code) << fault.reason;
        EXPECT_EQ(fault.code, code);
        if (c.code != OK) {
            EXPECT_EQ(fault.position, c.position) << fault.reason;
        }
    }
}

} // namespace
