/* check_kinds.h -- the kinds of problem the record and item checkers report
   (NAACCR_CHECK_...): their names and their labels, for the command line and
   veldrix, made from the public header's NAACCR_CHECK_KIND_LIST.  The Python
   package keeps a copy that its tests compare with the library's labels
   (python/tests/test_binding.py). */
#ifndef CHECK_KINDS_H
#define CHECK_KINDS_H

#include <stdint.h>

typedef struct CheckKind {
    int32_t code;      /* NAACCR_CHECK_... */
    const char *name;  /* "NAACCR_CHECK_RECORD_LENGTH" */
    const char *label; /* "Record length": what the kind is about, in a registrar's words */
} CheckKind;

/* Length of "NAACCR_CHECK_", which every name starts with. */
#define CHECK_KIND_PREFIX_LENGTH 13

/* The kind numbered `code`, or null for a number that is no kind. */
const CheckKind *find_check_kind(int32_t code);

#endif
