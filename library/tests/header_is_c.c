/* header_is_c.c -- compiles the public header as C; the build fails if it is not valid C. */
#include "cvnaaccr.h"

int header_is_c_file_info_size(void) { return (int)sizeof(NaaccrFileInfo); }
