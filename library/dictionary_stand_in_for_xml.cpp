// dictionary_stand_in_for_xml.cpp -- a few items of dictionaries 160 to 250
// and the plainest value rules, standing in for the real tables so the XML
// check builds and its tests run on their own.
#include <string.h>

#include "dictionary.h"

namespace
{

const NaaccrItemDef stand_in_items[] = {
    {"dateOfDiagnosis", "Date of Diagnosis", 390, 0, 8, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_DATE, 0, 0, 0, 0, 0, {0}},
    {"naaccrRecordVersion",
     "NAACCR Record Version",
     50,
     0,
     3,
     15,
     NAACCR_LEVEL_ROOT,
     NAACCR_ITEM_DIGITS,
     0,
     0,
     0,
     0,
     0,
     {0}},
    {"patientIdNumber",
     "Patient ID Number",
     20,
     0,
     8,
     15,
     NAACCR_LEVEL_PATIENT,
     NAACCR_ITEM_DIGITS,
     NAACCR_PAD_LEFT_ZERO,
     0,
     0,
     0,
     0,
     {0}},
    {"primarySite", "Primary Site", 400, 0, 4, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0, {0}},
    {"recordType", "Record Type", 10, 0, 1, 15, NAACCR_LEVEL_ROOT, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0, {0}},
    {"registryId",
     "Registry ID",
     40,
     0,
     10,
     15,
     NAACCR_LEVEL_ROOT,
     NAACCR_ITEM_DIGITS,
     NAACCR_PAD_LEFT_ZERO,
     0,
     0,
     0,
     0,
     {0}},
    {"rxTextChemo", "RX Text--Chemo", 2640, 0, 1000, 3, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0, {0}},
    {"rxTextHormone", "RX Text--Hormone", 2650, 0, 1000, 3, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0, {0}},
    {"sex", "Sex", 220, 0, 1, 15, NAACCR_LEVEL_PATIENT, NAACCR_ITEM_DIGITS, 0, 0, 0, 0, 0, {0}},
    {"textHistologyTitle",
     "Text--Histology Title",
     2590,
     0,
     100,
     3,
     NAACCR_LEVEL_TUMOR,
     NAACCR_ITEM_TEXT,
     0,
     0,
     0,
     0,
     0,
     {0}},
    {"textRemarks", "Text--Remarks", 2680, 0, 4000, 3, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 1, 0, 0, {0}},
};
const size_t stand_in_count = sizeof stand_in_items / sizeof stand_in_items[0];

#define STAND_IN(v, spec)                                                                                              \
    {                                                                                                                  \
        v, "http://naaccr.org/naaccrxml/naaccr-dictionary-" #v ".xml", nullptr, spec, stand_in_items, stand_in_count,  \
            nullptr, nullptr                                                                                           \
    }

} // namespace

const NaaccrDictionary naaccr_dictionaries[] = {STAND_IN(160, "1.5"), STAND_IN(180, "1.5"), STAND_IN(210, "1.5"),
                                                STAND_IN(240, "1.7"), STAND_IN(250, "1.8")};
const size_t naaccr_dictionary_count = sizeof naaccr_dictionaries / sizeof naaccr_dictionaries[0];

const NaaccrDictionary *find_dictionary(int32_t version)
{
    for (const NaaccrDictionary &d : naaccr_dictionaries)
        if (d.version == version)
            return &d;
    return nullptr;
}

const NaaccrDictionary *find_dictionary_by_uri(const char *uri, size_t n)
{
    for (const NaaccrDictionary &d : naaccr_dictionaries)
        if (strlen(d.uri) == n && memcmp(d.uri, uri, n) == 0)
            return &d;
    return nullptr;
}

const NaaccrItemDef *find_item_by_number(const NaaccrDictionary &dictionary, int32_t number)
{
    for (size_t i = 0; i < dictionary.count; ++i)
        if (dictionary.items[i].number == number)
            return &dictionary.items[i];
    return nullptr;
}

const NaaccrItemDef *find_item_by_id(const NaaccrDictionary &dictionary, const char *id, size_t n)
{
    for (size_t i = 0; i < dictionary.count; ++i)
        if (strlen(dictionary.items[i].id) == n && memcmp(dictionary.items[i].id, id, n) == 0)
            return &dictionary.items[i];
    return nullptr;
}

uint8_t item_record_type_bit(char type)
{
    switch (type) {
    case 'A':
        return NAACCR_ITEM_IN_A;
    case 'M':
        return NAACCR_ITEM_IN_M;
    case 'C':
        return NAACCR_ITEM_IN_C;
    case 'I':
        return NAACCR_ITEM_IN_I;
    default:
        return 0;
    }
}

int32_t check_item_value(const NaaccrItemDef &item, const unsigned char *value, size_t n, ItemValueForm,
                         ItemFault *fault)
{
    memset(fault, 0, sizeof *fault);
    size_t blanks = 0;
    while (blanks < n && value[blanks] == ' ')
        ++blanks;
    if (blanks == n)
        return 0;
    if (n > static_cast<size_t>(item.length) && item.unlimited == 0) {
        fault->code = NAACCR_CHECK_ITEM_TOO_LONG;
        strcpy(fault->reason, "longer than the item");
    } else if (value[0] == ' ' || value[n - 1] == ' ') {
        fault->code = NAACCR_CHECK_ITEM_BLANKS;
        strcpy(fault->reason, "a leading or trailing blank");
    } else if (item.data_type == NAACCR_ITEM_DIGITS) {
        for (size_t i = 0; i < n && fault->code == 0; ++i)
            if (value[i] < '0' || value[i] > '9') {
                fault->code = NAACCR_CHECK_ITEM_DATA_TYPE;
                fault->position = static_cast<uint32_t>(i);
                strcpy(fault->reason, "not a digit");
            }
    }
    return fault->code;
}
