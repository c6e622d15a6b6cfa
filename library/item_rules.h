// item_rules.h -- the parts of the item rules shared by their two files: the
// fault's wording and the date rules.
#ifndef ITEM_RULES_H
#define ITEM_RULES_H

#include <stddef.h>

#include "dictionary.h"

// Fills *fault with `code`, `position` and the reason printf would make of
// `format`; returns `code`.
int32_t set_item_fault(ItemFault *fault, int32_t code, size_t position, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 4, 5)))
#endif
    ;

// A date of the flat form (YYYY, YYYYMM, YYYYMMDD, the unknown parts left
// out; `long_form`: also YYYYMMDDhhmmss) in value[begin, end).
int32_t check_item_date(const unsigned char *value, size_t begin, size_t end, bool long_form, ItemFault *fault);

// YYYY[-MM[-DD[Thh:mm[:ss[.f...]]]]] and a zone (Z, +hh:mm or -hh:mm) in value[begin, end).
int32_t check_item_datetime(const unsigned char *value, size_t begin, size_t end, ItemFault *fault);

#endif
