// code_names.h -- the names of the library's result codes, for messages and JSON.
#ifndef CODE_NAMES_H
#define CODE_NAMES_H

#include <stdint.h>

// "NAACCR_REC_OK" and so on; "unknown" for a value that is no result code.
const char *naaccr_code_name(int32_t code);

#endif
