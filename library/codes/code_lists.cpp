// code_lists.cpp -- the code lists of NAACCR items: which lists a version is
// judged by, the index that finds a code without a search, and the code check
// of one value.
//
// The check runs on every coded value of files of gigabytes, so each code
// maps straight to one byte of code_index by its own bytes (the table's low
// byte and span at each position, laid out by the generator); the byte holds
// 1 + the level of the first list that has the code, 0 for none.  The index
// is built once, on first use, from the committed rows.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "codes/codes.h"
#include "items/items.h"

namespace
{

// The level of a row's first version: its place in code_list_versions; 0 for every version.
uint8_t first_level(int32_t first)
{
    for (size_t i = 0; i < code_list_version_count; ++i)
        if (code_list_versions[i] == first)
            return static_cast<uint8_t>(i);
    return 0;
}

// The slot of `code` in `table`; false when a byte is outside its position's span.
bool code_slot(const CodeTable &table, const unsigned char *code, uint32_t *slot)
{
    uint32_t at = 0;
    for (uint32_t i = 0; i < table.length; ++i) {
        const uint32_t digit = static_cast<uint32_t>(code[i] - static_cast<unsigned char>(table.low[i]));
        if (digit >= table.span[i])
            return false;
        at = at * table.span[i] + digit;
    }
    *slot = at;
    return true;
}

const CodeTable *find_table(int32_t number)
{
    size_t low = 0, high = code_table_count;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (code_tables[middle].number < number)
            low = middle + 1;
        else
            high = middle;
    }
    return low < code_table_count && code_tables[low].number == number ? &code_tables[low] : nullptr;
}

void build_index()
{
    memset(code_index, 0, code_index_size);
    for (size_t t = 0; t < code_table_count; ++t) {
        const CodeTable &table = code_tables[t];
        for (uint32_t r = 0; r < table.count; ++r) {
            uint32_t slot;
            if (code_slot(table, reinterpret_cast<const unsigned char *>(table.rows[r].code), &slot))
                code_index[table.index_at + slot] = static_cast<uint8_t>(1 + first_level(table.rows[r].first));
        }
    }
    const MorphologyTable &pairs = morphology_pairs;
    for (uint32_t r = 0; r < pairs.count; ++r)
        code_index[pairs.index_at + pairs.rows[r].morphology - pairs.low] =
            static_cast<uint8_t>(1 + first_level(pairs.rows[r].first));
    // A morphology the site/histology list has at any site is a valid pair in every version.
    for (uint32_t r = 0; r < site_list.row_count; ++r)
        code_index[pairs.index_at + site_list.rows[r] - pairs.low] = 1;
    const CodeTable *sites = find_table(400);
    for (size_t g = 0; g < site_list.group_count && sites != nullptr; ++g) {
        const unsigned char *site = reinterpret_cast<const unsigned char *>(site_list.groups[g].sites);
        for (;; site += sites->length + 1) {
            uint32_t slot;
            if (code_slot(*sites, site, &slot) && slot < site_list.slots)
                code_index[site_list.index_at + slot] = static_cast<uint8_t>(g + 1);
            if (site[sites->length] != ' ')
                break;
        }
    }
}

void ensure_index()
{
    // Built once, on first use; C++ makes the first use thread-safe.
    static const bool built = (build_index(), true);
    (void)built;
}

// The value proper of a checked value: its padding cut; `zeros`: the leading
// zeros an XML value of a left-zero item left out.
struct CodeView {
    const unsigned char *bytes;
    size_t n, zeros, position;
};

CodeView view_value(const NaaccrItemDef &item, const unsigned char *value, size_t n, ItemValueForm form)
{
    CodeView view = {value, n, 0, 0};
    if (form == ITEM_XML_TEXT) {
        if (item.padding == NAACCR_PAD_LEFT_ZERO && n < static_cast<size_t>(item.length))
            view.zeros = static_cast<size_t>(item.length) - n;
        return view;
    }
    if (item.padding == NAACCR_PAD_LEFT_BLANK) {
        while (view.position < n && value[view.position] == ' ')
            ++view.position;
    } else if (item.padding == NAACCR_PAD_RIGHT_BLANK) {
        while (view.n > 0 && value[view.n - 1] == ' ')
            --view.n;
    }
    view.bytes = value + view.position;
    view.n -= view.position;
    return view;
}

// The value in full into `text` (`size` > longest_code); false when it is longer.
bool full_code(const CodeView &view, unsigned char *text, size_t size)
{
    if (view.zeros + view.n >= size)
        return false;
    memset(text, '0', view.zeros);
    memcpy(text + view.zeros, view.bytes, view.n);
    text[view.zeros + view.n] = '\0';
    return true;
}

} // namespace

int32_t code_list_level(int32_t version)
{
    if (find_dictionary(version) == nullptr || code_list_version_count == 0)
        return -1;
    int32_t level = 0;
    for (size_t i = 1; i < code_list_version_count; ++i)
        if (code_list_versions[i] <= version)
            level = static_cast<int32_t>(i);
    return level;
}

void name_code_lists(int32_t level, char *text, size_t size)
{
    if (level <= 0 || static_cast<size_t>(level) >= code_list_version_count)
        snprintf(text, size, "NAACCR %d", static_cast<int>(code_list_versions[0]));
    else
        snprintf(text, size, "NAACCR %d to %d", static_cast<int>(code_list_versions[0]),
                 static_cast<int>(code_list_versions[level]));
}

ItemCodes find_item_codes(int32_t version, int32_t number)
{
    ItemCodes codes = {nullptr, nullptr, code_list_level(version)};
    const NaaccrDictionary *dictionary = find_dictionary(version);
    const CodeTable *table = find_table(number);
    if (codes.level < 0 || dictionary == nullptr || table == nullptr)
        return codes;
    // The same item: dictionary 160 gives 762 and 764 to the Summary Stage 2017 items.
    const NaaccrItemDef *item = find_item_by_number(*dictionary, number);
    if (item == nullptr || strcmp(item->id, table->id) != 0 || item->length != static_cast<int32_t>(table->length))
        return codes;
    ensure_index();
    codes.table = table;
    codes.slots = code_index + table->index_at;
    return codes;
}

bool is_item_code(const ItemCodes &codes, const unsigned char *code, size_t n)
{
    uint32_t slot;
    if (codes.table == nullptr || n != codes.table->length || !code_slot(*codes.table, code, &slot))
        return false;
    const uint8_t level = codes.slots[slot];
    return level != 0 && level - 1 <= codes.level;
}

int32_t check_item_code(const ItemCodes &codes, const NaaccrItemDef &item, const unsigned char *value, size_t n,
                        ItemValueForm form, ItemFault *fault)
{
    if (codes.table == nullptr)
        return 0;
    const CodeView view = view_value(item, value, n, form);
    if (view.n == 0)
        return 0;
    unsigned char code[longest_code + 1];
    if (view.zeros == 0 ? is_item_code(codes, view.bytes, view.n)
                        : full_code(view, code, sizeof code) && is_item_code(codes, code, view.zeros + view.n))
        return 0;
    char shown[longest_code * 2 + 1];
    printable_copy(view.bytes, view.n, shown, sizeof shown);
    if (item.number == 230)
        return set_item_fault(fault, NAACCR_CHECK_ITEM_CODE, view.position,
                              "'%s' is not an age: 000 to 120, or 999 for unknown", shown);
    char lists[32];
    name_code_lists(codes.level, lists, sizeof lists);
    return set_item_fault(fault, NAACCR_CHECK_ITEM_CODE, view.position,
                          "'%s' is not one of its codes in the lists of %s", shown, lists);
}

bool is_listed_morphology(int32_t level, uint32_t morphology)
{
    ensure_index();
    const MorphologyTable &pairs = morphology_pairs;
    if (morphology < pairs.low || morphology - pairs.low >= pairs.span)
        return false;
    const uint8_t first = code_index[pairs.index_at + morphology - pairs.low];
    return first != 0 && first - 1 <= level;
}

bool is_on_site_list(const ItemCodes &sites, const unsigned char *site, uint32_t morphology)
{
    uint32_t slot;
    if (sites.table == nullptr || !code_slot(*sites.table, site, &slot) || slot >= site_list.slots)
        return false;
    const uint8_t group = code_index[site_list.index_at + slot];
    if (group == 0)
        return false;
    const SiteGroup &rows = site_list.groups[group - 1];
    const uint32_t *first = site_list.rows + rows.first, *end = first + rows.count, *last = end;
    while (first < last) {
        const uint32_t *middle = first + (last - first) / 2;
        if (*middle < morphology)
            first = middle + 1;
        else
            last = middle;
    }
    return first < end && *first == morphology;
}

int32_t count_item_codes(int32_t version, int32_t number)
{
    const ItemCodes codes = find_item_codes(version, number);
    if (codes.table == nullptr)
        return -1;
    int32_t count = 0;
    for (uint32_t r = 0; r < codes.table->count; ++r)
        count += first_level(codes.table->rows[r].first) <= codes.level;
    return count;
}

bool get_item_code(int32_t version, int32_t number, int32_t index, ItemCode *code)
{
    const ItemCodes codes = find_item_codes(version, number);
    if (codes.table == nullptr || index < 0 || code == nullptr)
        return false;
    for (uint32_t r = 0; r < codes.table->count; ++r) {
        const CodeRow &row = codes.table->rows[r];
        if (first_level(row.first) > codes.level || index-- > 0)
            continue;
        code->code = row.code;
        code->label = row.label;
        return true;
    }
    return false;
}

int32_t copy_item_codes(int32_t version, int32_t number, NaaccrItemCode *codes, uint32_t capacity)
{
    const ItemCodes found = find_item_codes(version, number);
    if (found.table == nullptr)
        return -1;
    uint32_t count = 0;
    for (uint32_t r = 0; r < found.table->count; ++r) {
        const CodeRow &row = found.table->rows[r];
        const uint8_t level = first_level(row.first);
        if (level > found.level)
            continue;
        if (codes != nullptr && count < capacity) {
            NaaccrItemCode &code = codes[count];
            memset(&code, 0, sizeof code);
            static_assert(sizeof code.code > longest_code, "a code and its NUL fit");
            memcpy(code.code, row.code, strlen(row.code));
            code.first_version = code_list_versions[level];
            code.label = row.label;
        }
        ++count;
    }
    return static_cast<int32_t>(count);
}

void describe_code_lists(int32_t version, NaaccrCodeReport *report)
{
    const int32_t level = code_list_level(version);
    if (level < 0)
        return;
    report->version = version;
    name_code_lists(level, report->lists, sizeof report->lists);
    snprintf(report->site_list, sizeof report->site_list, "%s", site_list.edition);
    report->site_list_first_year = site_list.first_year;
    report->site_list_last_year = site_list.last_year;
}
