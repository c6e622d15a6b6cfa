// xml_codes.cpp -- the codes of a NAACCR XML file: each Item's value against
// its item's codes, and each Tumor's codes and dates judged together when it
// ends.  The values the rules read are kept per level as the Items pass, so
// that a Tumor is judged with its Patient's values (Date of Birth, Date of
// Last Contact) and its own, and nothing of a file is held beyond one
// Patient's dozen values.
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

void prepare_codes(XmlCheck *check)
{
    XmlCodes &codes = check->codes;
    const NaaccrDictionary *dictionary = check->root.dictionary;
    codes.on = false;
    if ((check->run.options->flags & NAACCR_CHECK_CODES) == 0 || dictionary == nullptr ||
        !prepare_tumor_rules(dictionary->version, &codes.rules))
        return;
    codes.on = true;
    memset(codes.code_of, 0, sizeof codes.code_of);
    size_t count = 0;
    for (size_t t = 0; t < code_table_count && count < most_coded_items; ++t) {
        const ItemCodes found = find_item_codes(dictionary->version, code_tables[t].number);
        const NaaccrItemDef *def = find_item_by_number(*dictionary, code_tables[t].number);
        if (found.table == nullptr || def == nullptr)
            continue;
        const size_t place = static_cast<size_t>(def - dictionary->items);
        if (place >= item_index_most)
            continue;
        codes.codes[count] = found;
        codes.code_of[place] = static_cast<uint8_t>(++count);
    }
}

void open_code_level(XmlCheck *check, int level)
{
    if (check->codes.on && level > NAACCR_LEVEL_ROOT && level <= NAACCR_LEVEL_TUMOR)
        check->codes.levels[level] = check->codes.levels[level - 1];
}

void check_item_codes(XmlCheck *check, const NaaccrItemDef *def, bool passed)
{
    XmlCodes &codes = check->codes;
    if (!codes.on)
        return;
    // Codes are on only under a known dictionary; a user dictionary's items are not judged.
    const XmlItem &item = check->items.item;
    const NaaccrDictionary &base = *check->root.dictionary;
    if (def < base.items || def >= base.items + base.count)
        return;
    const size_t place = static_cast<size_t>(def - base.items);
    const uint8_t entry = place < item_index_most ? codes.code_of[place] : 0;
    ItemFault fault;
    if (passed && entry != 0 &&
        check_item_code(codes.codes[entry - 1], *def, item.value, item.length, ITEM_XML_TEXT, &fault) != 0) {
        const XmlItemRef ref = {def, item.id, reinterpret_cast<const char *>(item.value), item.length};
        place_item(check, false);
        report_xmlf(check, fault.code, check->places.item, &ref, "%s: %.96s", item.id, fault.reason);
    }
    const int32_t rule = rule_item_place(def->number);
    const int level = check->tree.level;
    if (rule < 0 || level < NAACCR_LEVEL_ROOT || level > NAACCR_LEVEL_TUMOR)
        return;
    // Kept where it stands: a Patient's value goes to each of its Tumors.
    RuleLevel &kept = codes.levels[level];
    keep_rule_value(&kept.values, *def, item.value, item.length, ITEM_XML_TEXT, !passed);
    place_item(check, false);
    kept.places[rule] = check->places.item;
    kept.defs[rule] = def;
    const size_t n = item.length < longest_rule_value ? item.length : longest_rule_value;
    memcpy(kept.texts[rule], item.value, n);
    kept.lengths[rule] = static_cast<uint8_t>(n);
}

void judge_xml_tumor(XmlCheck *check)
{
    XmlCodes &codes = check->codes;
    if (!codes.on)
        return;
    const RuleLevel &tumor = codes.levels[NAACCR_LEVEL_TUMOR];
    TumorVerdict verdict;
    judge_tumor(codes.rules, tumor.values, &verdict);
    count_verdict(verdict, check->run.options->code_report);
    for (size_t k = 0; k < verdict.count; ++k) {
        const TumorProblem &problem = verdict.problems[k];
        const int32_t rule = rule_item_place(problem.item_number);
        // A rule fires only on given values, whose Items were placed.
        if (rule < 0 || tumor.defs[rule] == nullptr)
            continue;
        const XmlItemRef ref = {tumor.defs[rule], tumor.defs[rule]->id, tumor.texts[rule], tumor.lengths[rule]};
        report_xml(check, problem.code, tumor.places[rule], &ref, problem.message);
    }
}
