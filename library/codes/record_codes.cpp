// record_codes.cpp -- the codes of a flat record: each coded item's value
// against its item's codes, then the tumour rules over the record's values,
// every problem at its column.
//
// It runs on every record of files of gigabytes, so the coded items of each
// flat version and record type, and the items the rules read, are sorted
// once into a plan in column order: a record then costs one pass over a few
// dozen short fields, most of them blank or wholly digits.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "codes/codes.h"
#include "items/items.h"

namespace
{

// An item of the plan: a coded item, or one the rules read, or both.
struct PlannedCode {
    const NaaccrItemDef *item;
    ItemCodes codes; // table null: no list, a rule reads it
    int32_t place;   // in TumorValues; -1: no rule reads it
    uint32_t offset; // start column - 1
    uint32_t length;
    bool digits; // a digits item: a value wholly of digits passes its rules
};

struct TypeCodePlan {
    PlannedCode items[most_coded_items];
    size_t count;
    const NaaccrItemDef *named[RULE_ITEM_COUNT]; // the items the rules read; null: not of this type
};

struct CodePlans {
    TypeCodePlan types[flat_dictionary_count][record_type_count];
    TumorRules rules[flat_dictionary_count];
};

void make_type_plan(const NaaccrDictionary &dictionary, uint8_t bit, TypeCodePlan *plan)
{
    // The flat dictionaries hold their items in column order, grouped ones last.
    for (size_t i = 0; i < dictionary.count && plan->count < most_coded_items; ++i) {
        const NaaccrItemDef &item = dictionary.items[i];
        if (item.grouped != 0 || item.start_column <= 0 || (item.record_types & bit) == 0)
            continue;
        const ItemCodes codes = find_item_codes(dictionary.version, item.number);
        const int32_t place = rule_item_place(item.number);
        if (codes.table == nullptr && place < 0)
            continue;
        plan->items[plan->count++] = {&item,
                                      codes,
                                      place,
                                      static_cast<uint32_t>(item.start_column - 1),
                                      static_cast<uint32_t>(item.length),
                                      item.data_type == NAACCR_ITEM_DIGITS};
        if (place >= 0)
            plan->named[place] = &item;
    }
}

void make_plans(CodePlans *plans)
{
    memset(plans, 0, sizeof *plans);
    for (size_t d = 0; d < naaccr_dictionary_count && d < flat_dictionary_count; ++d) {
        prepare_tumor_rules(naaccr_dictionaries[d].version, &plans->rules[d]);
        for (size_t t = 0; t < record_type_count; ++t)
            make_type_plan(naaccr_dictionaries[d], item_record_type_bit(NAACCR_RECORD_TYPES[t]), &plans->types[d][t]);
    }
}

const CodePlans &code_plans()
{
    // Made once, on first use; C++ makes the first use thread-safe.
    static CodePlans plans;
    static const bool made = (make_plans(&plans), true);
    (void)made;
    return plans;
}

bool all_digits(const unsigned char *value, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (value[i] < '0' || value[i] > '9')
            return false;
    return true;
}

// Puts a problem in column order; at one column, after those already there.
void add_problem(RecordCodes *found, const NaaccrItemDef *item, int32_t code, int32_t column, const char *message)
{
    if (found->count == most_record_code_problems)
        return;
    size_t at = found->count;
    while (at > 0 && found->problems[at - 1].column > column) {
        found->problems[at] = found->problems[at - 1];
        --at;
    }
    RecordCodeProblem &p = found->problems[at];
    p.item = item;
    p.code = code;
    p.column = column;
    snprintf(p.message, sizeof p.message, "%s", message);
    ++found->count;
}

} // namespace

size_t check_record_codes(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                          bool judge, RecordCodes *found)
{
    found->count = 0;
    found->judged = false;
    const int d = flat_dictionary_index(dictionary);
    const uint8_t bit = item_record_type_bit(type);
    size_t t = 0;
    while (t < record_type_count && bit != 1u << t)
        ++t;
    if (d < 0 || t == record_type_count || record == nullptr)
        return 0;
    const CodePlans &plans = code_plans();
    const TypeCodePlan &plan = plans.types[d][t];
    TumorValues values;
    memset(&values, 0, sizeof values);
    for (const PlannedCode *e = plan.items; e < plan.items + plan.count; ++e) {
        if (static_cast<size_t>(e->offset) + e->length > length)
            continue; // beyond a record cut short, as the item check
        const unsigned char *value = record + e->offset;
        if (all_blank(value, e->length))
            continue;
        ItemFault fault;
        const bool passes = (e->digits && all_digits(value, e->length)) ||
                            check_item_value(*e->item, value, e->length, ITEM_FIELD, &fault) == 0;
        if (e->place >= 0)
            keep_rule_value(&values, *e->item, value, e->length, ITEM_FIELD, !passes);
        if (!passes || e->codes.table == nullptr ||
            check_item_code(e->codes, *e->item, value, e->length, ITEM_FIELD, &fault) == 0)
            continue;
        char message[256];
        flat_item_message(*e->item, fault.reason, message, sizeof message);
        add_problem(found, e->item, fault.code, e->item->start_column + static_cast<int32_t>(fault.position), message);
    }
    if (!judge)
        return found->count;
    found->judged = true;
    judge_tumor(plans.rules[d], values, &found->verdict);
    for (size_t k = 0; k < found->verdict.count; ++k) {
        const TumorProblem &problem = found->verdict.problems[k];
        const int32_t place = rule_item_place(problem.item_number);
        const NaaccrItemDef *item = place >= 0 ? plan.named[place] : nullptr;
        if (item != nullptr) // a rule fires only on given values, which the record's own items hold
            add_problem(found, item, problem.code, item->start_column, problem.message);
    }
    return found->count;
}
