// item_dates.cpp -- the date rules of the item checks: a date item's value
// handed to the library's one checker of dates and times (base/), its fault
// placed in the value.
#include <stdio.h>

#include "base/base.h"
#include "items/items.h"

namespace
{

int32_t check_as(const unsigned char *value, size_t begin, size_t end, DateTimeForm form, ItemFault *fault)
{
    DateTimeFault found;
    if (check_date_time(value + begin, end - begin, form, &found) == 0)
        return 0;
    return set_item_fault(fault, found.code, begin + found.position, "%s", found.reason);
}

} // namespace

int32_t check_item_date(const unsigned char *value, size_t begin, size_t end, bool long_form, ItemFault *fault)
{
    return check_as(value, begin, end, long_form ? DATE_TIME_FLAT : DATE_FLAT, fault);
}

int32_t check_item_datetime(const unsigned char *value, size_t begin, size_t end, ItemFault *fault)
{
    return check_as(value, begin, end, DATE_TIME_XML, fault);
}
