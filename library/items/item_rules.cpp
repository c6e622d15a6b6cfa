// item_rules.cpp -- the rules one data item's value is checked by: blank is
// "not given"; then padding, data type, full length and date, the first fault
// only, described in plain words.
#include <stdarg.h>
#include <stdio.h>

#include "base/base.h"
#include "items/items.h"

namespace
{

// The part of a value that is the value proper: its padding blanks cut.
struct Span {
    size_t begin, end;
};

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool is_capital(unsigned char c) { return c >= 'A' && c <= 'Z'; }

// A byte as the reason shows it: 'X', or its value when it is not printable.
void describe_byte(unsigned char c, char *text, size_t size)
{
    if (c == ' ')
        snprintf(text, size, "a blank");
    else if (is_printable(c))
        snprintf(text, size, "'%c'", c);
    else
        snprintf(text, size, "byte %u", static_cast<unsigned>(c));
}

// XML: a value longer than the item or with blanks around it.
int32_t check_xml_text(const NaaccrItemDef &item, const unsigned char *value, size_t n, ItemFault *fault)
{
    // XML text is UTF-8, and an item's length counts characters, not bytes.
    if (n > static_cast<size_t>(item.length) && item.unlimited == 0) {
        const size_t characters = utf8_characters(value, n);
        if (characters > static_cast<size_t>(item.length))
            return set_item_fault(fault, NAACCR_CHECK_ITEM_TOO_LONG, static_cast<size_t>(item.length),
                                  "%u characters, longer than the item's %d", static_cast<unsigned>(characters),
                                  item.length);
    }
    if (item.trim_none != 0)
        return 0;
    // XML text may also be padded with the other kinds of white space.
    size_t blanks = 0;
    while (blanks < n && is_xml_white(value[blanks]))
        ++blanks;
    if (blanks > 0)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_BLANKS, 0, "starts with a blank");
    if (is_xml_white(value[n - 1]))
        return set_item_fault(fault, NAACCR_CHECK_ITEM_BLANKS, n - 1, "ends with a blank");
    return 0;
}

// Cuts the padding blanks of a flat field, or finds them where they do not belong.
int32_t check_padding(const NaaccrItemDef &item, const unsigned char *value, size_t n, Span *core, ItemFault *fault)
{
    core->begin = 0;
    core->end = n;
    if (item.trim_none != 0)
        return 0;
    if (item.padding == NAACCR_PAD_LEFT_ZERO || item.padding == NAACCR_PAD_RIGHT_ZERO) {
        for (size_t i = 0; i < n; ++i)
            if (value[i] == ' ')
                return set_item_fault(fault, NAACCR_CHECK_ITEM_PADDING, i, "a blank inside a zero-filled value");
        return 0;
    }
    if (item.padding == NAACCR_PAD_LEFT_BLANK) {
        while (core->begin < n && value[core->begin] == ' ')
            ++core->begin;
        if (value[n - 1] == ' ')
            return set_item_fault(fault, NAACCR_CHECK_ITEM_PADDING, n - 1,
                                  "blanks after the value, which is padded with blanks on the left");
        return 0;
    }
    while (core->end > 0 && value[core->end - 1] == ' ')
        --core->end;
    // A text value may start with blanks; a code, number or date may not.
    if (item.data_type != NAACCR_ITEM_TEXT && value[0] == ' ')
        return set_item_fault(fault, NAACCR_CHECK_ITEM_PADDING, 0,
                              "blanks before the value, which is padded with blanks on the right");
    return 0;
}

// Each byte of the span of the class the item's type allows.
int32_t check_bytes(const NaaccrItemDef &item, const unsigned char *value, Span core, ItemFault *fault)
{
    const uint8_t type = item.data_type;
    for (size_t i = core.begin; i < core.end; ++i) {
        const unsigned char c = value[i];
        const bool fits = type == NAACCR_ITEM_ALPHA   ? is_capital(c)
                          : type == NAACCR_ITEM_MIXED ? is_capital(c) || is_digit(c)
                                                      : is_digit(c);
        if (fits)
            continue;
        char byte[16];
        describe_byte(c, byte, sizeof byte);
        const char *allowed = type == NAACCR_ITEM_ALPHA   ? "only capital letters A-Z"
                              : type == NAACCR_ITEM_MIXED ? "only capital letters A-Z and digits 0-9"
                                                          : "only digits 0-9";
        return set_item_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, i, "%s where %s may stand", byte, allowed);
    }
    return 0;
}

// [0-9]+(\.[0-9]+)?
int32_t check_numeric(const unsigned char *value, Span core, ItemFault *fault)
{
    size_t i = core.begin, digits = 0;
    while (i < core.end && is_digit(value[i]))
        ++i, ++digits;
    if (digits > 0 && i < core.end && value[i] == '.') {
        const size_t point = i++;
        digits = 0;
        while (i < core.end && is_digit(value[i]))
            ++i, ++digits;
        if (digits == 0)
            i = point + 1;
    }
    if (i == core.end && digits > 0)
        return 0;
    char byte[16];
    describe_byte(i < core.end ? value[i] : value[core.end - 1], byte, sizeof byte);
    return set_item_fault(fault, NAACCR_CHECK_ITEM_DATA_TYPE, i < core.end ? i : core.end - 1,
                          "not a number (digits, then a point and digits if needed): %s", byte);
}

} // namespace

int32_t set_item_fault(ItemFault *fault, int32_t code, size_t position, const char *format, ...)
{
    fault->code = code;
    fault->position = static_cast<uint32_t>(position);
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(fault->reason, sizeof fault->reason, format, arguments);
    va_end(arguments);
    return code;
}

int32_t check_item_value(const NaaccrItemDef &item, const unsigned char *value, size_t n, ItemValueForm form,
                         ItemFault *fault)
{
    ItemFault ignored;
    if (fault == nullptr)
        fault = &ignored;
    fault->code = 0;
    fault->position = 0;
    fault->reason[0] = '\0';
    Span core = {0, n};
    if (form == ITEM_XML_TEXT) {
        // Empty, or only white space: not given, as a blank flat field is not.
        if (only_xml_white(value, n) || check_xml_text(item, value, n, fault) != 0)
            return fault->code;
        // A zero-filled value holds no blank; anything else here has none around it.
        if (item.trim_none == 0 && check_padding(item, value, n, &core, fault) != 0)
            return fault->code;
    } else {
        if (all_blank(value, n) || check_padding(item, value, n, &core, fault) != 0)
            return fault->code;
    }
    switch (item.data_type) {
    case NAACCR_ITEM_DIGITS:
    case NAACCR_ITEM_ALPHA:
    case NAACCR_ITEM_MIXED:
        if (check_bytes(item, value, core, fault) != 0)
            return fault->code;
        // XML may leave out the zeros of a left-zero item.
        if (core.end - core.begin < static_cast<size_t>(item.length) &&
            !(form == ITEM_XML_TEXT && item.padding == NAACCR_PAD_LEFT_ZERO))
            return set_item_fault(fault, NAACCR_CHECK_ITEM_SHORT, core.end, "%u characters where the item needs %d",
                                  static_cast<unsigned>(core.end - core.begin), item.length);
        return 0;
    case NAACCR_ITEM_NUMERIC:
        return check_numeric(value, core, fault);
    case NAACCR_ITEM_DATE:
        return check_item_date(value, core.begin, core.end, item.length == 14, fault);
    case NAACCR_ITEM_DATETIME:
        return check_item_datetime(value, core.begin, core.end, fault);
    default:
        return 0;
    }
}
