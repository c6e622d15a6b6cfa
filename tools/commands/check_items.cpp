// check_items.cpp -- item problems and their tally, as text and JSON.
#include "commands/commands.h"

#include <inttypes.h>

#include <algorithm>
#include <vector>

#include "text/text.h"

namespace
{

std::vector<const ItemTally *> by_count(const ItemTallies &tallies)
{
    std::vector<const ItemTally *> order;
    for (const auto &entry : tallies.items)
        order.push_back(&entry.second);
    // Ties stay in number order, items without a number (unknown ones) last.
    std::stable_sort(order.begin(), order.end(), [](const ItemTally *a, const ItemTally *b) {
        return a->count != b->count ? a->count > b->count : a->number > 0 && b->number == 0;
    });
    return order;
}

// The value as it stands in the record; an empty one has no pointer.
std::string value_of(const NaaccrItemProblem &p)
{
    return p.value != nullptr ? std::string(p.value, p.value_length) : std::string();
}

const char *text_or_empty(const char *text) { return text != nullptr ? text : ""; }

// An XML problem has a line (a flat record's never does); an unknown item an
// id but no number.
bool is_xml(const NaaccrItemProblem &p) { return p.line > 0; }
bool has_item(const NaaccrItemProblem &p)
{
    return p.item_number > 0 || (p.item_id != nullptr && p.item_id[0] != '\0');
}

// "record 1 (offset 0), column 548" or, in XML, "line 12, column 9
// (patient 3, tumour 1)", the patient and tumour where the problem is in one.
void print_place_text(const NaaccrItemProblem &p)
{
    if (!is_xml(p)) {
        printf("record %" PRIu64 " (offset %" PRId64 "), column %" PRId32, p.record, p.offset, p.column);
        return;
    }
    printf("line %" PRIu64 ", column %" PRId32, p.line, p.column);
    if (p.patient > 0 && p.tumor > 0)
        printf(" (patient %" PRIu64 ", tumour %" PRIu64 ")", p.patient, p.tumor);
    else if (p.patient > 0)
        printf(" (patient %" PRIu64 ")", p.patient);
}

// " [patient ID 00001234, tumour record 01, accession 200100123]", the ids
// the problem names; nothing when it names none.
void print_ids_text(const NaaccrItemProblem &p)
{
    const struct {
        const char *words, *id;
    } ids[] = {
        {"patient ID", p.patient_id}, {"tumour record", p.tumor_record_number}, {"accession", p.accession_number}};
    const char *separator = " [";
    for (const auto &id : ids) {
        if (id.id == nullptr)
            continue;
        printf("%s%s ", separator, id.words);
        print_text(stdout, id.id);
        separator = ", ";
    }
    if (separator[0] == ',')
        fputc(']', stdout);
}

// ",\"label\":\"Item date\",\"patient_id\":\"00001234\",...": the label,
// then each id the problem names.
void print_label_and_ids_json(const NaaccrItemProblem &p)
{
    fputs(",\"label\":", stdout);
    print_json_string(stdout, check_kind_label(p.code));
    const struct {
        const char *field, *id;
    } ids[] = {{"patient_id", p.patient_id},
               {"tumor_record_number", p.tumor_record_number},
               {"accession_number", p.accession_number}};
    for (const auto &id : ids)
        if (id.id != nullptr) {
            printf(",\"%s\":", id.field);
            print_json_string(stdout, id.id);
        }
}

} // namespace

void count_item_problem(ItemTallies *tallies, const NaaccrItemProblem &problem)
{
    if (!has_item(problem))
        return;
    const ItemKey key(problem.item_number, text_or_empty(problem.item_id));
    const bool known = problem.item_number > 0;
    if (!known && tallies->unknown_ids == most_tallied_unknown_ids && tallies->items.count(key) == 0) {
        ++tallies->untallied;
        return;
    }
    ItemTally &t = tallies->items[key];
    if (t.count == 0 && !known)
        ++tallies->unknown_ids;
    if (t.count == 0) {
        t.number = problem.item_number;
        t.id = text_or_empty(problem.item_id);
        t.name = text_or_empty(problem.item_name);
    }
    ++t.count;
}

void print_item_problem_text(const char *path, const NaaccrItemProblem &p)
{
    print_text(stdout, path);
    fputs(": ", stdout);
    print_place_text(p);
    print_ids_text(p);
    printf(": %s: ", check_kind_label(p.code));
    if (has_item(p)) {
        const std::string value = value_of(p);
        // A flat record's message names the item and its number and columns;
        // an XML one names the item alone.
        print_text(stdout, text_or_empty(p.item_id));
        if (is_xml(p) && p.item_number > 0)
            printf(" (item %" PRId32 ")", p.item_number);
        printf(" = \"%s\": ", printable_text(value.data(), value.size()).c_str());
    }
    print_text(stdout, text_or_empty(p.message));
    fputc('\n', stdout);
}

void print_item_problem_json(const NaaccrItemProblem &p, bool first)
{
    printf("%s{\"record\":%" PRIu64 ",\"offset\":%" PRId64 ",\"column\":%" PRId32, first ? "" : ",", p.record, p.offset,
           p.column);
    if (is_xml(p))
        printf(",\"line\":%" PRIu64 ",\"patient\":%" PRIu64 ",\"tumor\":%" PRIu64, p.line, p.patient, p.tumor);
    printf(",\"code\":%" PRId32 ",\"code_name\":\"%s\",\"message\":", p.code, check_kind_name(p.code));
    print_json_string(stdout, text_or_empty(p.message));
    if (!has_item(p)) {
        fputs(",\"item\":null,\"value\":null", stdout);
        print_label_and_ids_json(p);
        fputc('}', stdout);
        return;
    }
    printf(",\"item\":{\"number\":%" PRId32 ",\"id\":", p.item_number);
    print_json_string(stdout, text_or_empty(p.item_id));
    fputs(",\"name\":", stdout);
    print_json_string(stdout, text_or_empty(p.item_name));
    printf(",\"start\":%" PRId32 ",\"length\":%" PRId32 "},\"value\":", p.item_start, p.item_length);
    const std::string value = value_of(p);
    fputs(json_string(value.data(), value.size()).c_str(), stdout);
    print_label_and_ids_json(p);
    fputc('}', stdout);
}

void print_record_problem_json(const NaaccrItemProblem &p, bool first)
{
    printf("%s{\"record\":%" PRIu64 ",\"offset\":%" PRId64 ",\"column\":%" PRId32 ",\"code\":%" PRId32
           ",\"code_name\":\"%s\",\"message\":",
           first ? "" : ",", p.record, p.offset, p.column, p.code, check_kind_name(p.code));
    print_json_string(stdout, text_or_empty(p.message));
    print_label_and_ids_json(p);
    fputc('}', stdout);
}

void print_top_items_text(const char *path, const ItemTallies &tallies)
{
    if (tallies.items.empty())
        return;
    const std::vector<const ItemTally *> order = by_count(tallies);
    print_text(stdout, path);
    fputs(": items with most problems:", stdout);
    for (size_t i = 0; i < order.size() && i < 10; ++i) {
        fputs(i == 0 ? " " : ", ", stdout);
        if (order[i]->number > 0)
            printf("%" PRId32 " ", order[i]->number);
        print_text(stdout, order[i]->id.c_str());
        printf(" %" PRIu64, order[i]->count);
    }
    if (tallies.untallied > 0)
        printf("; %" PRIu64 " problem%s of further unknown ids", tallies.untallied, plural(tallies.untallied));
    fputc('\n', stdout);
}

void print_items_json(const ItemTallies &tallies)
{
    fputs(",\"problems_by_item\":[", stdout);
    const char *separator = "";
    for (const ItemTally *t : by_count(tallies)) {
        printf("%s{\"number\":%" PRId32 ",\"id\":%s,\"name\":%s,\"count\":%" PRIu64 "}", separator, t->number,
               json_string(t->id.data(), t->id.size()).c_str(), json_string(t->name.data(), t->name.size()).c_str(),
               t->count);
        separator = ",";
    }
    printf("],\"untallied_unknown_items\":%" PRIu64, tallies.untallied);
}
