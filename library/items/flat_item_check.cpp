// flat_item_check.cpp -- checks every data item of a flat record by its
// dictionary: the dictionary of a record's layout and version, and the walk
// over a record's items.
//
// It runs on every record of files of gigabytes, so the items of each flat
// version and record type are sorted once into a plan of what each needs: a
// value wholly of its type's bytes or wholly blank is settled by one pass of a
// byte-class table, and only the rest goes through the full rules.  Text
// items have no rule beyond the record checker's bytes and are not visited.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "items/items.h"
#include "flat/flat.h"

namespace
{

// Byte classes: what a value wholly of such bytes is.
const uint8_t CLASS_DIGIT = 1, CLASS_CAPITAL = 2, CLASS_BLANK = 4, CLASS_CODE = 8;

// What an item of the plan needs beyond the byte-class pass.
enum ItemRule : uint8_t {
    RULE_CLASS, // passes when wholly of `pass` bytes
    RULE_DATE,  // passes when wholly digits and a real date: YYYYMMDD
    RULE_FULL,  // the full rules whenever it is not blank
};

// An item with a rule.  Text kept as it stands (padded on the right, or
// trim="none") has none beyond the record checker's bytes and is left out.
struct PlannedItem {
    uint16_t offset; // start column - 1
    uint16_t length;
    uint16_t index; // in the dictionary's items
    uint8_t rule;
    uint8_t pass; // the class every byte of a passing value has; 0 for none
};

// The flat dictionaries have fewer items than this, grouped ones included.
const size_t most_flat_items = 1024;

// Planned items that follow each other without a gap, up to run_bytes: most
// coded items of a record are blank, and a blank run is passed over at once.
struct PlannedRun {
    uint16_t offset, length;
    uint16_t first, count; // its items in TypePlan.items
};
const size_t run_bytes = 64;

struct TypePlan {
    PlannedItem items[most_flat_items];
    size_t count;
    PlannedRun runs[most_flat_items];
    size_t run_count;
};

struct RecordPlans {
    uint8_t byte_class[256];
    TypePlan types[flat_dictionary_count][record_type_count];
};

// False for items the plan leaves out: text kept as it is or padded on the right.
bool plan_item(const NaaccrItemDef &item, size_t index, PlannedItem *planned)
{
    const bool padded_text = item.padding != NAACCR_PAD_RIGHT_BLANK && item.trim_none == 0;
    if (item.data_type == NAACCR_ITEM_TEXT && !padded_text)
        return false;
    *planned = {static_cast<uint16_t>(item.start_column - 1), static_cast<uint16_t>(item.length),
                static_cast<uint16_t>(index), RULE_FULL, 0};
    if (item.data_type == NAACCR_ITEM_DIGITS || item.data_type == NAACCR_ITEM_ALPHA ||
        item.data_type == NAACCR_ITEM_MIXED) {
        // Wholly digits (letters, codes) fills the item whatever its padding.
        planned->rule = RULE_CLASS;
        planned->pass = item.data_type == NAACCR_ITEM_DIGITS  ? CLASS_DIGIT
                        : item.data_type == NAACCR_ITEM_ALPHA ? CLASS_CAPITAL
                                                              : CLASS_CODE;
    } else if (item.data_type == NAACCR_ITEM_DATE && item.length == 8) {
        planned->rule = RULE_DATE;
        planned->pass = CLASS_DIGIT;
    }
    return true;
}

void make_runs(TypePlan *plan)
{
    for (size_t i = 0; i < plan->count; ++i) {
        const PlannedItem &item = plan->items[i];
        PlannedRun *run = plan->run_count > 0 ? &plan->runs[plan->run_count - 1] : nullptr;
        if (run != nullptr && run->offset + run->length == item.offset && run->length + item.length <= run_bytes) {
            run->length = static_cast<uint16_t>(run->length + item.length);
            ++run->count;
        } else {
            plan->runs[plan->run_count++] = {item.offset, item.length, static_cast<uint16_t>(i), 1};
        }
    }
}

void make_plans(RecordPlans *plans)
{
    memset(plans, 0, sizeof *plans);
    plans->byte_class[static_cast<unsigned char>(' ')] = CLASS_BLANK;
    for (int c = '0'; c <= '9'; ++c)
        plans->byte_class[c] = CLASS_DIGIT | CLASS_CODE;
    for (int c = 'A'; c <= 'Z'; ++c)
        plans->byte_class[c] = CLASS_CAPITAL | CLASS_CODE;
    for (size_t d = 0; d < naaccr_dictionary_count && d < flat_dictionary_count; ++d) {
        const NaaccrDictionary &dictionary = naaccr_dictionaries[d];
        for (size_t t = 0; t < record_type_count; ++t) {
            TypePlan &plan = plans->types[d][t];
            const uint8_t bit = item_record_type_bit(NAACCR_RECORD_TYPES[t]);
            for (size_t i = 0; i < dictionary.count && plan.count < most_flat_items; ++i) {
                const NaaccrItemDef &item = dictionary.items[i];
                if (item.grouped == 0 && item.start_column > 0 && (item.record_types & bit) != 0 &&
                    plan_item(item, i, &plan.items[plan.count]))
                    ++plan.count;
            }
            make_runs(&plan);
        }
    }
}

const RecordPlans &record_plans()
{
    // Made once, on first use; C++ makes the first use thread-safe.
    static RecordPlans plans;
    static const bool made = (make_plans(&plans), true);
    (void)made;
    return plans;
}

const TypePlan *find_type_plan(const NaaccrDictionary &dictionary, char type)
{
    // Only the library's own dictionaries have plans; a copy has none.
    const int d = flat_dictionary_index(dictionary);
    const uint8_t bit = item_record_type_bit(type);
    for (size_t t = 0; d >= 0 && t < record_type_count; ++t)
        if (bit == 1u << t)
            return &record_plans().types[d][t];
    return nullptr;
}

// YYYYMMDD of eight digits, a real day: the common case, settled without the full rules.
bool is_full_date(const unsigned char *v)
{
    const int year = (v[0] - '0') * 1000 + (v[1] - '0') * 100 + (v[2] - '0') * 10 + (v[3] - '0');
    return is_real_date(year, (v[4] - '0') * 10 + (v[5] - '0'), (v[6] - '0') * 10 + (v[7] - '0'));
}

int32_t deliver_problem(const NaaccrItemDef &item, const unsigned char *value, const ItemFault &fault, uint64_t number,
                        int64_t offset, ItemProblemSink *sink)
{
    char message[256];
    flat_item_message(item, fault.reason, message, sizeof message);
    NaaccrItemProblem problem;
    memset(&problem, 0, sizeof problem);
    problem.record = number;
    problem.offset = offset;
    problem.column = item.start_column + static_cast<int32_t>(fault.position);
    problem.code = fault.code;
    problem.item_number = item.number;
    problem.item_start = item.start_column;
    problem.item_length = item.length;
    problem.value_length = static_cast<uint32_t>(item.length);
    problem.value = reinterpret_cast<const char *>(value);
    problem.item_id = item.id;
    problem.item_name = item.name;
    problem.message = message;
    return sink != nullptr && sink->deliver != nullptr ? sink->deliver(sink->context, &problem) : 0;
}

} // namespace

void flat_item_message(const NaaccrItemDef &item, const char *reason, char *text, size_t size)
{
    const int last = item.start_column + item.length - 1;
    snprintf(text, size, "%s (item %d, columns %d-%d): %s.", item.name, item.number, item.start_column, last, reason);
}

const NaaccrDictionary *layout_dictionary(const NaaccrLayout *layout, const unsigned char *code)
{
    // Only the layouts of three-character codes have a dictionary, and one
    // row of the layout table serves versions 120 to 160: the record's own
    // code picks the version.
    if (layout == nullptr || code == nullptr || layout->version_width != version_code_width ||
        item_record_type_bit(layout->record_type) == 0)
        return nullptr;
    const NaaccrDictionary *dictionary = find_dictionary(version_of_code(code));
    if (dictionary == nullptr || flat_dictionary_index(*dictionary) < 0)
        return nullptr;
    return layout_has_code(*layout, reinterpret_cast<const char *>(code), version_code_width) ? dictionary : nullptr;
}

const NaaccrItemDef *item_at_column(const NaaccrDictionary &dictionary, char type, int32_t column)
{
    const uint8_t bit = item_record_type_bit(type);
    const NaaccrItemDef *any = nullptr;
    for (size_t i = 0; i < dictionary.count; ++i) {
        const NaaccrItemDef &item = dictionary.items[i];
        if (item.grouped != 0 || item.start_column <= 0 || column < item.start_column ||
            column >= item.start_column + item.length)
            continue;
        if ((item.record_types & bit) != 0)
            return &item;
        any = any != nullptr ? any : &item;
    }
    return any;
}

int32_t check_record_items(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                           uint64_t number, int64_t offset, ItemProblemSink *sink, uint64_t *items)
{
    const TypePlan *plan = find_type_plan(dictionary, type);
    if (plan == nullptr || record == nullptr)
        return 0;
    const uint8_t *byte_class = record_plans().byte_class;
    uint64_t given = 0;
    bool asked_to_stop = false;
    for (const PlannedRun *run = plan->runs; run < plan->runs + plan->run_count && !asked_to_stop; ++run) {
        if (static_cast<size_t>(run->offset) + run->length <= length && all_blank(record + run->offset, run->length))
            continue;
        const PlannedItem *planned = plan->items + run->first, *end = planned + run->count;
        for (; planned < end; ++planned) {
            if (static_cast<size_t>(planned->offset) + planned->length > length)
                continue; // beyond a record cut short
            const unsigned char *value = record + planned->offset;
            uint8_t all = 0xFF;
            for (size_t k = 0; k < planned->length; ++k)
                all &= byte_class[value[k]];
            if ((all & CLASS_BLANK) != 0)
                continue;
            ++given;
            if ((all & planned->pass) != 0 && (planned->rule == RULE_CLASS || is_full_date(value)))
                continue;
            const NaaccrItemDef &item = dictionary.items[planned->index];
            ItemFault fault;
            if (check_item_value(item, value, planned->length, ITEM_FIELD, &fault) != 0 &&
                deliver_problem(item, value, fault, number, offset, sink) != 0) {
                asked_to_stop = true;
                break;
            }
        }
    }
    if (items != nullptr)
        *items += given;
    return asked_to_stop ? 1 : 0;
}
