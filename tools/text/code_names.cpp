// code_names.cpp -- the names of the library's codes (result codes, kinds of
// problem, levels, data types, paddings, record types, version codes), and
// the NAACCR facts the command line needs that cvnaaccr.h does not give.
#include "text/text.h"

#include <string.h>

#include "common/check_kinds.h"
#include "cvnaaccr.h"

namespace
{

// The words of NAACCR's dictionaries, indexed by the NAACCR_ITEM_..., NAACCR_PAD_...
// and NAACCR_LEVEL_... codes.
const char *const data_type_names[] = {NAACCR_DATA_TYPE_NAMES};
const char *const padding_names[] = {NAACCR_PADDING_NAMES};
const char *const level_names[] = {NAACCR_LEVEL_NAMES};
const size_t data_type_count = sizeof data_type_names / sizeof data_type_names[0];
const size_t padding_count = sizeof padding_names / sizeof padding_names[0];
const size_t level_count = sizeof level_names / sizeof level_names[0];
static_assert(data_type_count == NAACCR_ITEM_DATETIME + 1 && padding_count == NAACCR_PAD_LEFT_ZERO + 1 &&
                  level_count == NAACCR_LEVEL_TUMOR + 1,
              "a name for every code");

const char *name_of(const char *const *names, size_t count, uint8_t value)
{
    return value < count ? names[value] : "?";
}

// The record types of data items, in the order of their NAACCR_ITEM_IN_... bits.
const char record_types[] = NAACCR_RECORD_TYPES;
static_assert(NAACCR_ITEM_IN_A == 1u && NAACCR_ITEM_IN_M == 2u && NAACCR_ITEM_IN_C == 4u && NAACCR_ITEM_IN_I == 8u,
              "bit n is the n-th letter");

} // namespace

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

const char *check_kind_label(int32_t kind)
{
    const CheckKind *found = find_check_kind(kind);
    return found != nullptr ? found->label : "Problem";
}

bool is_uncounted_kind(int32_t kind, bool converting)
{
    if (kind <= 0 || kind >= 32)
        return false;
    return ((converting ? NAACCR_HARMLESS_KINDS : NAACCR_ANOMALY_KINDS) & (1u << kind)) != 0;
}

const char *level_name(uint8_t level) { return name_of(level_names, level_count, level); }

const char *data_type_name(uint8_t data_type) { return name_of(data_type_names, data_type_count, data_type); }

const char *padding_name(uint8_t padding) { return name_of(padding_names, padding_count, padding); }

uint8_t record_type_bit(char type)
{
    const char *at = type != '\0' ? strchr(record_types, type) : nullptr;
    return at != nullptr ? static_cast<uint8_t>(1u << (at - record_types)) : 0;
}

bool is_record_type(char type) { return record_type_bit(type) != 0; }

void record_type_letters(uint8_t bits, char letters[5])
{
    size_t n = 0;
    for (const char *t = record_types; *t != '\0'; ++t)
        if ((bits & record_type_bit(*t)) != 0)
            letters[n++] = *t;
    letters[n] = '\0';
}

int32_t version_number(const char *text)
{
    if (*text == '\0')
        return 0;
    uint32_t n = 0;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9')
            return 0;
        n = n * 10 + static_cast<uint32_t>(*text - '0');
        if (n > 999)
            return 0;
    }
    return n < 100 ? static_cast<int32_t>(n * 10) : static_cast<int32_t>(n);
}

const char *version_code_text(const char *code)
{
    if (code[0] == 'A')
        return "10 (A)";
    if (code[0] == 'B')
        return "11 (B)";
    return code;
}

size_t version_column(char record_type) { return record_type == 'U' ? NAACCR_VERSION_COLUMN_U : NAACCR_VERSION_COLUMN; }
