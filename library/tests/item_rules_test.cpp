// item_rules_test.cpp -- the rules of one item's value, one labelled case per
// line: each data type and padding, valid, invalid, blank, edge dates, in the
// flat form and in XML.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "items/items.h"

namespace
{

const int X = ITEM_XML_TEXT;
const int F = ITEM_FIELD;
const int T_ = NAACCR_ITEM_TEXT, DG = NAACCR_ITEM_DIGITS, AL = NAACCR_ITEM_ALPHA, MX = NAACCR_ITEM_MIXED,
          NU = NAACCR_ITEM_NUMERIC, DA = NAACCR_ITEM_DATE, DT = NAACCR_ITEM_DATETIME;
const int RB = NAACCR_PAD_RIGHT_BLANK, LB = NAACCR_PAD_LEFT_BLANK, RZ = NAACCR_PAD_RIGHT_ZERO,
          LZ = NAACCR_PAD_LEFT_ZERO;
const int OK = 0, TYPE = NAACCR_CHECK_ITEM_DATA_TYPE, SHORT = NAACCR_CHECK_ITEM_SHORT, DATE = NAACCR_CHECK_ITEM_DATE,
          PAD = NAACCR_CHECK_ITEM_PADDING, LONG = NAACCR_CHECK_ITEM_TOO_LONG, BLANKS = NAACCR_CHECK_ITEM_BLANKS;

struct RuleCase {
    const char *label;
    int type, padding, length;
    int flags; // 1: trim="none", 2: unlimited
    int form;
    const char *value;
    int code;
    int position; // where the fault is seen; -1 when it passes
};

const RuleCase rule_cases[] = {
    // Blank is "not given".
    {"digits blank", DG, RB, 3, 0, F, "   ", OK, -1},
    {"left-zero blank", DG, LZ, 3, 0, F, "   ", OK, -1},
    {"date blank", DA, RB, 8, 0, F, "        ", OK, -1},
    {"xml empty", DG, RB, 3, 0, X, "", OK, -1},
    // digits, right-blank
    {"digits full", DG, RB, 3, 0, F, "012", OK, -1},
    {"digits letter", DG, RB, 3, 0, F, "0X2", TYPE, 1},
    {"digits lower-case", DG, RB, 1, 0, F, "a", TYPE, 0},
    {"digits short", DG, RB, 3, 0, F, "12 ", SHORT, 2},
    {"digits blank inside", DG, RB, 4, 0, F, "1 23", TYPE, 1},
    {"digits padded on the left", DG, RB, 3, 0, F, " 12", PAD, 0},
    {"digits letter before short", DG, RB, 3, 0, F, "X  ", TYPE, 0},
    // digits, left-zero
    {"left-zero full", DG, LZ, 6, 0, F, "012345", OK, -1},
    {"left-zero leading blank", DG, LZ, 6, 0, F, " 12345", PAD, 0},
    {"left-zero trailing blank", DG, LZ, 6, 0, F, "12345 ", PAD, 5},
    {"left-zero letter", DG, LZ, 3, 0, F, "0A1", TYPE, 1},
    {"left-zero padding before type", DG, LZ, 3, 0, F, "A 1", PAD, 1},
    // alpha and mixed
    {"alpha full", AL, RB, 2, 0, F, "PA", OK, -1},
    {"alpha lower-case", AL, RB, 2, 0, F, "Pa", TYPE, 1},
    {"alpha digit", AL, RB, 2, 0, F, "P1", TYPE, 1},
    {"alpha short", AL, RB, 3, 0, F, "US ", SHORT, 2},
    {"mixed full", MX, RB, 5, 0, F, "C50A9", OK, -1},
    {"mixed punctuation", MX, RB, 5, 0, F, "C50.9", TYPE, 3},
    {"mixed short", MX, RB, 5, 0, F, "C509 ", SHORT, 4},
    {"right-zero full", MX, RZ, 5, 0, F, "E1100", OK, -1},
    {"right-zero blank inside", MX, RZ, 5, 0, F, "E11  ", PAD, 3},
    // numeric
    {"numeric integer", NU, RB, 4, 0, F, "12  ", OK, -1},
    {"numeric decimal", NU, RB, 4, 0, F, "1.25", OK, -1},
    {"numeric point without decimals", NU, RB, 4, 0, F, "12. ", TYPE, 2},
    {"numeric leading point", NU, RB, 4, 0, F, ".5  ", TYPE, 0},
    {"numeric minus", NU, RB, 4, 0, F, "-1  ", TYPE, 0},
    {"numeric two points", NU, RB, 5, 0, F, "1.2.3", TYPE, 3},
    // text
    {"text anything printable", T_, RB, 6, 0, F, " a-b/~", OK, -1},
    {"trim none verbatim", T_, RB, 6, 1, F, "  x  !", OK, -1},
    {"left-blank right aligned", T_, LB, 5, 0, F, "  1.5", OK, -1},
    {"left-blank left aligned", T_, LB, 5, 0, F, "1.5  ", PAD, 4},
    {"left-zero text blank inside", T_, LZ, 3, 0, F, " 99", PAD, 0},
    // dates
    {"date full", DA, RB, 8, 0, F, "20190131", OK, -1},
    {"date year and month", DA, RB, 8, 0, F, "201901  ", OK, -1},
    {"date year only", DA, RB, 8, 0, F, "2019    ", OK, -1},
    {"date leap day", DA, RB, 8, 0, F, "20200229", OK, -1},
    {"date leap day of 2000", DA, RB, 8, 0, F, "20000229", OK, -1},
    {"date 29 February not leap", DA, RB, 8, 0, F, "20190229", DATE, 6},
    {"date 29 February 1900", DA, RB, 8, 0, F, "19000229", DATE, 6},
    {"date 30 February", DA, RB, 8, 0, F, "20190230", DATE, 6},
    {"date 31 April", DA, RB, 8, 0, F, "20190431", DATE, 6},
    {"date month 13", DA, RB, 8, 0, F, "20191345", DATE, 4},
    {"date month 00", DA, RB, 8, 0, F, "201900  ", DATE, 4},
    {"date day 00", DA, RB, 8, 0, F, "20190100", DATE, 6},
    {"date year 1799", DA, RB, 8, 0, F, "17991231", DATE, 0},
    {"date year 1800", DA, RB, 8, 0, F, "18000101", OK, -1},
    {"date year 2099", DA, RB, 8, 0, F, "20991231", OK, -1},
    {"date year 2100", DA, RB, 8, 0, F, "21000101", DATE, 0},
    {"date all nines", DA, RB, 8, 0, F, "99999999", DATE, 0},
    {"date five digits", DA, RB, 8, 0, F, "20191   ", DATE, 5},
    {"date blank inside", DA, RB, 8, 0, F, "2019  01", TYPE, 4},
    {"date slash", DA, RB, 8, 0, F, "2019/01/", TYPE, 4},
    {"date padded on the left", DA, RB, 8, 0, F, "  201901", PAD, 0},
    {"date and time", DA, RB, 14, 0, F, "20190131235959", OK, -1},
    {"date, time blank", DA, RB, 14, 0, F, "20190131      ", OK, -1},
    {"date, time incomplete", DA, RB, 14, 0, F, "201901311200  ", DATE, 12},
    {"date, hour 24", DA, RB, 14, 0, F, "20190131240000", DATE, 8},
    {"date, minute 60", DA, RB, 14, 0, F, "20190131126000", DATE, 10},
    {"date, second 60", DA, RB, 14, 0, F, "20190131120060", DATE, 12},
    {"date, time on a bad day", DA, RB, 14, 0, F, "20190132120000", DATE, 6},
    // XML: length and blanks first, then the same rules
    {"xml digits", DG, RB, 3, 0, X, "123", OK, -1},
    {"xml too long", DG, RB, 3, 0, X, "1234", LONG, 3},
    {"xml text too long", T_, RB, 3, 0, X, "abcd", LONG, 3},
    {"xml text of three accented letters", T_, RB, 3, 0, X, "\xc3\xa9\xc3\xa9\xc3\xa9", OK, -1},
    {"xml text of four accented letters", T_, RB, 3, 0, X, "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", LONG, 3},
    {"xml unlimited text", T_, RB, 3, 2, X, "abcdefgh", OK, -1},
    {"xml leading blank", DG, RB, 3, 0, X, " 12", BLANKS, 0},
    {"xml trailing blank", T_, RB, 5, 0, X, "ab ", BLANKS, 2},
    {"xml trailing line end", T_, RB, 5, 0, X, "ab\n", BLANKS, 2},
    {"xml only a blank: not given", DG, RB, 1, 0, X, " ", OK, -1},
    {"xml only a tab: not given", DG, RB, 1, 0, X, "\t", OK, -1},
    {"xml trim none keeps blanks", T_, RB, 5, 1, X, " ab ", OK, -1},
    {"xml text inner line end", T_, RB, 9, 0, X, "ab\ncd", OK, -1},
    {"xml digits short", DG, RB, 3, 0, X, "12", SHORT, 2},
    {"xml left-zero without zeros", DG, LZ, 6, 0, X, "12", OK, -1},
    {"xml left-zero with zeros", DG, LZ, 6, 0, X, "000012", OK, -1},
    {"xml left-zero blank inside", DG, LZ, 6, 0, X, "1 2", PAD, 1},
    {"xml right-zero short", MX, RZ, 5, 0, X, "E11", SHORT, 3},
    {"xml alpha lower-case", AL, RB, 2, 0, X, "pa", TYPE, 0},
    {"xml date short form", DA, RB, 8, 0, X, "2019", OK, -1},
    {"xml date month 13", DA, RB, 8, 0, X, "201913", DATE, 4},
    {"xml date too long", DA, RB, 8, 0, X, "201901011", LONG, 8},
    // XML dateTime (250 on)
    {"datetime year", DT, RB, 25, 0, X, "2019", OK, -1},
    {"datetime day", DT, RB, 25, 0, X, "2019-02-28", OK, -1},
    {"datetime minutes", DT, RB, 25, 0, X, "2019-02-28T23:59", OK, -1},
    {"datetime fraction and zone", DT, RB, 25, 0, X, "2019-02-28T23:59:59.123-04:00", LONG, 25},
    {"datetime seconds and zone", DT, RB, 29, 0, X, "2019-02-28T23:59:59.123-04:00", OK, -1},
    {"datetime zone Z", DT, RB, 25, 0, X, "2019-02-28T12:00:00Z", OK, -1},
    {"datetime flat digits", DT, RB, 25, 0, X, "20190228", TYPE, 4},
    {"datetime hour only", DT, RB, 25, 0, X, "2019-02-28T12", TYPE, 13},
    {"datetime empty fraction", DT, RB, 25, 0, X, "2019-02-28T12:00:00.", TYPE, 20},
    {"datetime bad zone", DT, RB, 25, 0, X, "2019-02-28T12:00+4", TYPE, 17},
    {"datetime 30 February", DT, RB, 25, 0, X, "2019-02-30", DATE, 8},
    {"datetime hour 24, the end of the day", DT, RB, 25, 0, X, "2019-02-28T24:00", OK, -1},
    {"datetime hour 24 and a minute", DT, RB, 25, 0, X, "2019-02-28T24:01", DATE, 11},
    {"datetime in a flat field", DT, RB, 25, 0, F, "2019-02-28T10:00         ", OK, -1},
};

NaaccrItemDef make_item(const RuleCase &c)
{
    NaaccrItemDef item;
    memset(&item, 0, sizeof item);
    item.id = "testItem";
    item.name = "Test Item";
    item.number = 9999;
    item.start_column = 1;
    item.length = c.length;
    item.record_types = NAACCR_ITEM_IN_A;
    item.data_type = static_cast<uint8_t>(c.type);
    item.padding = static_cast<uint8_t>(c.padding);
    item.trim_none = (c.flags & 1) != 0;
    item.unlimited = (c.flags & 2) != 0;
    return item;
}

} // namespace

TEST(ItemRules, EachCaseGivesItsFaultAtItsPosition)
{
    for (const RuleCase &c : rule_cases) {
        SCOPED_TRACE(c.label);
        const NaaccrItemDef item = make_item(c);
        ItemFault fault;
        memset(&fault, 'x', sizeof fault);
        const size_t n = strlen(c.value);
        const int32_t code = check_item_value(item, reinterpret_cast<const unsigned char *>(c.value), n,
                                              static_cast<ItemValueForm>(c.form), &fault);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(fault.code, c.code);
        ASSERT_NE(memchr(fault.reason, '\0', sizeof fault.reason), nullptr);
        if (c.code == OK) {
            EXPECT_STREQ(fault.reason, "");
        } else {
            EXPECT_EQ(static_cast<int>(fault.position), c.position) << fault.reason;
            EXPECT_GT(strlen(fault.reason), 8u);
        }
    }
}

TEST(ItemRules, AFieldIsReadOnlyWithinItsLength)
{
    // The bytes after the value are never looked at: a fault there is not seen.
    const RuleCase c = {"digits", DG, LZ, 3, 0, F, "", OK, -1};
    const NaaccrItemDef item = make_item(c);
    const unsigned char bytes[] = {'0', '1', '2', 'X'};
    EXPECT_EQ(check_item_value(item, bytes, 3, ITEM_FIELD, nullptr), OK);
    EXPECT_EQ(check_item_value(item, bytes + 1, 3, ITEM_FIELD, nullptr), TYPE);
}
