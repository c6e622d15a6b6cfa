// check_kinds.cpp -- the one table of the checkers' kinds of problem.
#include "check_kinds.h"

#include <stddef.h>

#include "cvnaaccr.h"

// The name is made from the header's macro, so a kind can neither be
// misspelt nor stand under another kind's number.
#define KIND(name, text)                                                                                               \
    {                                                                                                                  \
        NAACCR_CHECK_##name, "NAACCR_CHECK_" #name, text                                                               \
    }

static const CheckKind kinds[] = {
    KIND(RECORD_LENGTH, "record length"),
    KIND(LAYOUT_LENGTH, "layout length"),
    KIND(RECORD_TYPE, "record type"),
    KIND(VERSION, "version code"),
    KIND(ILLEGAL_BYTE, "illegal byte"),
    KIND(SPLIT_RECORD, "split record"),
    KIND(TERMINATOR_FORM, "terminator form"),
    KIND(TERMINATOR_OMITTED, "last terminator omitted"),
    KIND(STRAY_CTRL_Z, "stray Ctrl-Z"),
    KIND(PARTIAL_RECORD, "partial record"),
    KIND(BYTE_ORDER_MARK, "byte-order mark"),
    KIND(CHECKSUM_MISMATCH, "checksum mismatch"),
    KIND(CHECKSUM_BLANK, "blank checksum"),
    KIND(NO_CHECKSUM, "no checksum field"),
    KIND(CHECKSUM_CUT, "checksum field cut"),
    KIND(ITEM_DATA_TYPE, "item data type"),
    KIND(ITEM_SHORT, "item too short"),
    KIND(ITEM_DATE, "not a valid date"),
    KIND(ITEM_PADDING, "padding"),
    KIND(NO_DICTIONARY, "no dictionary"),
    KIND(ITEM_TOO_LONG, "item too long"),
    KIND(ITEM_BLANKS, "leading or trailing blank"),
    KIND(ITEM_UNKNOWN, "unknown item"),
    KIND(ITEM_NUMBER, "item number"),
    KIND(ITEM_RECORD_TYPE, "item record type"),
    KIND(ITEM_LEVEL, "item level"),
    KIND(ITEM_REPEATED, "repeated item"),
    KIND(XML_MALFORMED, "malformed XML"),
    KIND(XML_STRUCTURE, "XML structure"),
    KIND(XML_ROOT, "XML root attribute"),
    KIND(XML_ENCODING, "XML encoding"),
    KIND(XML_TOKEN_TOO_LONG, "XML token too long"),
    KIND(USER_DICTIONARY, "user dictionary"),
    KIND(ITEM_CONFLICT, "item conflict"),
    KIND(ITEM_CODE, "invalid code"),
    KIND(ITEM_COMBINATION, "code combination"),
    KIND(ITEM_DATE_ORDER, "date order"),
    KIND(PATIENT_SPLIT, "patient split"),
    KIND(ROOT_CONFLICT, "file-level items differ"),
    KIND(NOT_WRITABLE, "cannot be written"),
    KIND(NOT_READABLE, "cannot be read as items"),
};

const CheckKind *find_check_kind(int32_t code)
{
    for (size_t i = 0; i < sizeof kinds / sizeof kinds[0]; ++i)
        if (kinds[i].code == code)
            return &kinds[i];
    return NULL;
}
