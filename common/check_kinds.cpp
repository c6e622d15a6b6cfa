// check_kinds.cpp -- the one table of the checkers' kinds of problem, made
// from the public header's list of kinds and their labels.
#include "check_kinds.h"

#include <stddef.h>

#include "cvnaaccr.h"

// The name is made from the header's macro, so a kind can neither be
// misspelt nor stand under another kind's number.
#define KIND(name, label) {NAACCR_CHECK_##name, "NAACCR_CHECK_" #name, label},

static const CheckKind kinds[] = {NAACCR_CHECK_KIND_LIST(KIND)};

const CheckKind *find_check_kind(int32_t code)
{
    for (size_t i = 0; i < sizeof kinds / sizeof kinds[0]; ++i)
        if (kinds[i].code == code)
            return &kinds[i];
    return NULL;
}
