// identification.cpp -- placeholder until the library identification lands.
#include "cvnaaccr.h"
int32_t CV_CALL cvGet_cvnaaccr_dll_info(NaaccrLibraryInfo *) { return 0; }
