// problem_ids.cpp -- the Patient ID Number, Tumor Record Number and Accession
// Number--Hosp that name a problem's patient and tumour: kept as short
// NUL-terminated texts, since a flat record's fields are not terminated and
// an XML value lives only while its Item is read.
#include <string.h>

#include "base/base.h"
#include "items/items.h"

namespace
{

const int32_t id_items[problem_id_count] = {patient_id_item, tumor_record_number_item, accession_number_item};

} // namespace

void clear_problem_ids(ProblemIds *ids)
{
    for (size_t k = 0; k < problem_id_count; ++k)
        ids->text[k][0] = '\0';
}

int problem_id_of(int32_t number)
{
    for (size_t k = 0; k < problem_id_count; ++k)
        if (id_items[k] == number)
            return static_cast<int>(k);
    return -1;
}

void set_problem_id(ProblemIds *ids, int which, const unsigned char *value, size_t n, bool xml)
{
    if (which < 0 || which >= static_cast<int>(problem_id_count))
        return;
    // A flat field is padded with blanks; XML may put any white space around a value.
    while (n > 0 && (xml ? is_xml_white(value[0]) : value[0] == ' ')) {
        ++value;
        --n;
    }
    while (n > 0 && (xml ? is_xml_white(value[n - 1]) : value[n - 1] == ' '))
        --n;
    char *text = ids->text[which];
    if (n >= problem_id_capacity) {
        n = problem_id_capacity - 1;
        while (n > 0 && !starts_utf8_character(value[n]))
            --n;
    }
    if (xml)
        memcpy(text, value, n);
    else
        for (size_t i = 0; i < n; ++i)
            text[i] = is_printable(value[i]) ? static_cast<char>(value[i]) : '?';
    text[n] = '\0';
}

void read_flat_ids(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                   ProblemIds *ids)
{
    clear_problem_ids(ids);
    const uint8_t bit = item_record_type_bit(type);
    for (size_t k = 0; k < problem_id_count; ++k) {
        const NaaccrItemDef *def = find_item_by_number(dictionary, id_items[k]);
        if (def == nullptr || def->start_column <= 0 || (def->record_types & bit) == 0)
            continue;
        const size_t start = static_cast<size_t>(def->start_column) - 1, n = static_cast<size_t>(def->length);
        if (start + n <= length)
            set_problem_id(ids, static_cast<int>(k), record + start, n, false);
    }
}

void name_problem_ids(const ProblemIds *ids, NaaccrItemProblem *problem)
{
    const char **fields[problem_id_count] = {&problem->patient_id, &problem->tumor_record_number,
                                             &problem->accession_number};
    for (size_t k = 0; k < problem_id_count; ++k)
        *fields[k] = ids != nullptr && ids->text[k][0] != '\0' ? ids->text[k] : nullptr;
}
