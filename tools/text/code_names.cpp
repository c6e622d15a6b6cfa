// code_names.cpp -- the names of the library's result codes and kinds of problem.
#include "text/text.h"

#include "common/check_kinds.h"
#include "cvnaaccr.h"

const char *naaccr_code_name(int32_t code)
{
    switch (code) {
    case NAACCR_REC_OK:
        return "NAACCR_REC_OK";
    case NAACCR_REC_MIXED_TYPES:
        return "NAACCR_REC_MIXED_TYPES";
    case NAACCR_REC_UNEVEN_LENGTH:
        return "NAACCR_REC_UNEVEN_LENGTH";
    case NAACCR_REC_BAD_VERSION:
        return "NAACCR_REC_BAD_VERSION";
    case NAACCR_REC_BAD_TYPE:
        return "NAACCR_REC_BAD_TYPE";
    case NAACCR_REC_TOO_SHORT:
        return "NAACCR_REC_TOO_SHORT";
    case NAACCR_REC_EMPTY_FILE:
        return "NAACCR_REC_EMPTY_FILE";
    case NAACCR_REC_OPEN_FAILED:
        return "NAACCR_REC_OPEN_FAILED";
    case NAACCR_REC_NO_MEMORY:
        return "NAACCR_REC_NO_MEMORY";
    case NAACCR_REC_ILLEGAL_CHAR:
        return "NAACCR_REC_ILLEGAL_CHAR";
    case NAACCR_REC_NO_CHECKSUM:
        return "NAACCR_REC_NO_CHECKSUM";
    case NAACCR_REC_READ_FAILED:
        return "NAACCR_REC_READ_FAILED";
    case NAACCR_REC_BAD_ARGUMENT:
        return "NAACCR_REC_BAD_ARGUMENT";
    case NAACCR_REC_REFUSED:
        return "NAACCR_REC_REFUSED";
    case NAACCR_REC_WRITE_FAILED:
        return "NAACCR_REC_WRITE_FAILED";
    case NAACCR_REC_STOPPED:
        return "NAACCR_REC_STOPPED";
    case NAACCR_REC_TERMINATOR_OMITTED:
        return "NAACCR_REC_TERMINATOR_OMITTED";
    case NAACCR_REC_STRAY_CTRL_Z:
        return "NAACCR_REC_STRAY_CTRL_Z";
    default:
        return "unknown";
    }
}

const char *check_kind_name(int32_t kind)
{
    const CheckKind *found = find_check_kind(kind);
    return found != nullptr ? found->name : "unknown";
}

bool is_check_anomaly(int32_t kind)
{
    return kind == NAACCR_CHECK_TERMINATOR_OMITTED || kind == NAACCR_CHECK_STRAY_CTRL_Z;
}
