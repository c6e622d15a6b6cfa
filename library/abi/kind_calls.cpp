// kind_calls.cpp -- cvGetNaaccrKindLabel: the kinds of problem in words.
#include "base/base.h"
#include "cvnaaccr.h"

const char *CV_CALL cvGetNaaccrKindLabel(int32_t kind) { return kind_label(kind); }
