// tumor_items.cpp -- a flat record taken apart into its given items: the plan
// of each flat version and record type (which items, where, how their padding
// is cut), made once, and the walk over a record by it.
#include <string.h>

#include "base/base.h"
#include "tumors/tumors.h"

struct FlatEntry {
    const NaaccrItemDef *item;
    uint16_t offset; // start column - 1
    uint16_t length;
    uint8_t level;
    uint8_t cut; // CUT_...
};

struct FlatPlan {
    FlatEntry entries[most_tumor_items];
    size_t count;
    size_t record_length;
    int32_t patient_id; // entry of the Patient ID Number, or -1
};

namespace
{

enum Cut : uint8_t {
    CUT_TRAILING, // right-blank: trailing blanks are padding
    CUT_LEADING,  // left-blank: leading blanks are padding
    CUT_NONE,     // zero-padded, or trim="none": kept as it stands
};

struct FlatPlans {
    FlatPlan plans[flat_dictionary_count][record_type_count];
};

uint8_t cut_of(const NaaccrItemDef &item)
{
    if (item.trim_none != 0 || item.padding == NAACCR_PAD_LEFT_ZERO || item.padding == NAACCR_PAD_RIGHT_ZERO)
        return CUT_NONE;
    return item.padding == NAACCR_PAD_LEFT_BLANK ? CUT_LEADING : CUT_TRAILING;
}

void make_plan(const NaaccrDictionary &dictionary, char type, FlatPlan *plan)
{
    const uint8_t bit = item_record_type_bit(type);
    plan->patient_id = -1;
    for (size_t i = 0; i < dictionary.count && plan->count < most_tumor_items; ++i) {
        const NaaccrItemDef &item = dictionary.items[i];
        if (item.grouped != 0 || item.start_column <= 0 || (item.record_types & bit) == 0 || item.level > 2)
            continue;
        FlatEntry &entry = plan->entries[plan->count];
        entry = {&item, static_cast<uint16_t>(item.start_column - 1), static_cast<uint16_t>(item.length), item.level,
                 cut_of(item)};
        const size_t end = static_cast<size_t>(item.start_column - 1) + static_cast<size_t>(item.length);
        if (end > plan->record_length)
            plan->record_length = end;
        if (item.number == patient_id_item)
            plan->patient_id = static_cast<int32_t>(plan->count);
        ++plan->count;
    }
}

const FlatPlans &flat_plans()
{
    // Made once, on first use; C++ makes the first use thread-safe.
    static FlatPlans *plans = [] {
        static FlatPlans made;
        for (size_t d = 0; d < naaccr_dictionary_count && d < flat_dictionary_count; ++d)
            for (size_t t = 0; t < record_type_count; ++t)
                make_plan(naaccr_dictionaries[d], NAACCR_RECORD_TYPES[t], &made.plans[d][t]);
        return &made;
    }();
    return *plans;
}

} // namespace

void clear_tumor_items(TumorItems *tumor)
{
    for (int level = 0; level < 3; ++level) {
        tumor->view.items[level] = tumor->values[level];
        tumor->view.counts[level] = 0;
    }
    tumor->view.reserved_pointer = nullptr;
}

bool add_tumor_item(TumorItems *tumor, const NaaccrItemDef *item, const char *value, size_t length)
{
    const uint8_t level = item->level <= NAACCR_LEVEL_TUMOR ? item->level : NAACCR_LEVEL_TUMOR;
    uint32_t &count = tumor->view.counts[level];
    if (count >= most_tumor_items)
        return false;
    tumor->values[level][count++] = {item, value, static_cast<uint32_t>(length), 0};
    return true;
}

const FlatPlan *find_flat_plan(const NaaccrDictionary &dictionary, char type)
{
    const int d = flat_dictionary_index(dictionary);
    const uint8_t bit = item_record_type_bit(type);
    for (size_t t = 0; d >= 0 && t < record_type_count; ++t)
        if (bit == 1u << t)
            return flat_plans().plans[d][t].count > 0 ? &flat_plans().plans[d][t] : nullptr;
    return nullptr;
}

size_t flat_record_length(const FlatPlan &plan) { return plan.record_length; }

void take_flat_record(const FlatPlan &plan, const unsigned char *record, size_t length, TumorItems *tumor)
{
    clear_tumor_items(tumor);
    for (size_t i = 0; i < plan.count; ++i) {
        const FlatEntry &entry = plan.entries[i];
        if (static_cast<size_t>(entry.offset) + entry.length > length)
            continue; // beyond a record cut short
        const char *value = reinterpret_cast<const char *>(record) + entry.offset;
        size_t begin = 0, end = without_trailing_blanks(reinterpret_cast<const unsigned char *>(value), entry.length);
        if (end == 0)
            continue; // blank: not given
        if (entry.cut == CUT_NONE)
            end = entry.length;
        else if (entry.cut == CUT_LEADING)
            for (end = entry.length; value[begin] == ' ';)
                ++begin;
        add_tumor_item(tumor, entry.item, value + begin, end - begin);
    }
}

bool same_flat_level(const FlatPlan &plan, uint8_t level, const unsigned char *a, const unsigned char *b, size_t length)
{
    for (size_t i = 0; i < plan.count; ++i) {
        const FlatEntry &entry = plan.entries[i];
        if (entry.level == level && static_cast<size_t>(entry.offset) + entry.length <= length &&
            memcmp(a + entry.offset, b + entry.offset, entry.length) != 0)
            return false;
    }
    return true;
}

bool patient_id_span(const FlatPlan &plan, size_t *offset, size_t *length)
{
    if (plan.patient_id < 0)
        return false;
    *offset = plan.entries[plan.patient_id].offset;
    *length = plan.entries[plan.patient_id].length;
    return true;
}
