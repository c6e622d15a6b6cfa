// code_names.h -- the names of the library's result codes and of the record
// checker's kinds of problem, for messages and JSON.
#ifndef CODE_NAMES_H
#define CODE_NAMES_H

#include <stdint.h>

// "NAACCR_REC_OK" and so on; "unknown" for a value that is no result code.
const char *naaccr_code_name(int32_t code);

// "NAACCR_CHECK_RECORD_LENGTH" and so on for a kind of problem of the record
// or item checker (check_kinds.h); "unknown" for any other value.
const char *check_kind_name(int32_t kind);

// True for the kinds that are insignificant anomalies at the end of a file
// (NAACCR_CHECK_TERMINATOR_OMITTED, NAACCR_CHECK_STRAY_CTRL_Z): reported, but
// no problem for the exit status.
bool is_check_anomaly(int32_t kind);

#endif
