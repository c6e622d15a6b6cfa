// items.cpp -- `cvnaaccr items VERSION [--type A|M|C|I] [--json]`: the
// data items of a NAACCR version's dictionary, as a layout; and `cvnaaccr show
// FILE [--record N] [--all]`: the items of one record, one per line, so that a
// problem's column can be looked at in a second.  Both read the dictionaries
// through the library's exported calls only.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "text/text.h"

namespace
{

const char *const data_type_names[] = {"text", "digits", "alpha", "mixed", "numeric", "date", "dateTime"};
const char *const padding_names[] = {"rightBlank", "leftBlank", "rightZero", "leftZero"};
const char *const level_names[] = {"NaaccrData", "Patient", "Tumor"};

const char *name_of(const char *const *names, size_t count, uint8_t value)
{
    return value < count ? names[value] : "?";
}

// "180" or "18" (NAACCR 18); 0 when it is neither.
int32_t parse_version(const char *text)
{
    uint32_t n = 0;
    if (!parse_count(text, &n) || n > 999)
        return 0;
    return n < 100 ? static_cast<int32_t>(n * 10) : static_cast<int32_t>(n);
}

uint8_t type_bit(char type)
{
    const char *types = "AMCI";
    const char *at = type != '\0' ? strchr(types, type) : nullptr;
    return at != nullptr ? static_cast<uint8_t>(1u << (at - types)) : 0;
}

// The items of `version` defined for record type `bit`, in the library's order.
std::vector<NaaccrItemDef> items_of(int32_t version, uint8_t bit)
{
    std::vector<NaaccrItemDef> items;
    const int32_t count = cvGetNaaccrItemCount(version);
    for (int32_t i = 0; i < count; ++i) {
        NaaccrItemDef item;
        if (cvGetNaaccrItem(version, i, &item) == NAACCR_REC_OK && (item.record_types & bit) != 0)
            items.push_back(item);
    }
    return items;
}

std::string columns_of(const NaaccrItemDef &item)
{
    if (item.start_column <= 0)
        return "-";
    return std::to_string(item.start_column) + "-" + std::to_string(item.start_column + item.length - 1);
}

int name_width(const std::vector<NaaccrItemDef> &items, bool names)
{
    size_t width = 4;
    for (const NaaccrItemDef &item : items)
        width = std::max(width, strlen(names ? item.name : item.id));
    return static_cast<int>(width);
}

void print_items_text(const std::vector<NaaccrItemDef> &items)
{
    const int id_width = name_width(items, false);
    printf("%-11s %6s %6s  %-*s %-8s %-10s %s\n", "COLUMNS", "LENGTH", "NUMBER", id_width, "ID", "TYPE", "PADDING",
           "NAME");
    for (const NaaccrItemDef &item : items) {
        const char *type = item.grouped != 0 ? "grouped" : name_of(data_type_names, 7, item.data_type);
        printf("%-11s %6" PRId32 " %6" PRId32 "  %-*s %-8s %-10s %s\n", columns_of(item).c_str(), item.length,
               item.number, id_width, item.id, type, name_of(padding_names, 4, item.padding), item.name);
    }
}

void print_item_json(const NaaccrItemDef &item, bool first)
{
    printf("%s{\"number\":%" PRId32 ",\"id\":", first ? "" : ",", item.number);
    print_json_string(stdout, item.id);
    fputs(",\"name\":", stdout);
    print_json_string(stdout, item.name);
    char types[5] = "";
    size_t n = 0;
    for (const char *t = "AMCI"; *t != '\0'; ++t)
        if ((item.record_types & type_bit(*t)) != 0)
            types[n++] = *t;
    printf(",\"start_column\":%" PRId32 ",\"length\":%" PRId32 ",\"record_types\":\"%s\",\"level\":\"%s\","
           "\"data_type\":\"%s\",\"padding\":\"%s\",\"trim\":\"%s\",\"unlimited\":%s,\"grouped\":%s,\"user\":%s}",
           item.start_column, item.length, types, name_of(level_names, 3, item.level),
           name_of(data_type_names, 7, item.data_type), name_of(padding_names, 4, item.padding),
           item.trim_none != 0 ? "none" : "all", item.unlimited != 0 ? "true" : "false",
           item.grouped != 0 ? "true" : "false", item.user != 0 ? "true" : "false");
}

// The record a show looks for, caught by the record callback.
struct Wanted {
    uint64_t number;
    bool found;
    int64_t offset;
    std::string bytes;
    uint64_t records; // records seen
};

int32_t CV_CALL catch_record(void *context, const NaaccrRecordView *view)
{
    Wanted &w = *static_cast<Wanted *>(context);
    if (view->number == 0)
        return 0;
    w.records = view->number;
    if (view->number != w.number)
        return 0;
    w.found = view->bytes != nullptr;
    w.offset = view->offset;
    if (w.found)
        w.bytes.assign(view->bytes, view->length);
    return 1; // the record is here: the rest of the file is not read
}

bool is_blank(const std::string &bytes, size_t start, size_t length)
{
    return bytes.find_first_not_of(' ', start) >= start + length;
}

void print_record_items(const std::vector<NaaccrItemDef> &items, const std::string &bytes, bool all)
{
    std::vector<NaaccrItemDef> shown;
    for (const NaaccrItemDef &item : items) {
        const size_t start = static_cast<size_t>(item.start_column - 1), length = static_cast<size_t>(item.length);
        if (item.grouped == 0 && item.start_column > 0 && start + length <= bytes.size() &&
            (all || !is_blank(bytes, start, length)))
            shown.push_back(item);
    }
    const int id_width = name_width(shown, false), text_width = name_width(shown, true);
    for (const NaaccrItemDef &item : shown) {
        printf("%5" PRId32 "  %-*s  %-*s  %-11s \"", item.number, id_width, item.id, text_width, item.name,
               columns_of(item).c_str());
        const size_t start = static_cast<size_t>(item.start_column - 1), length = static_cast<size_t>(item.length);
        fputs(printable_text(bytes.data() + start, length).c_str(), stdout);
        fputs("\"\n", stdout);
    }
}

} // namespace

int items_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("items", argc, argv, accept_json | accept_type, &line) != 0)
        return usage_error("items");
    if (line.help)
        return print_help("items");
    if (line.files.size() != 1)
        return usage_error("items");
    const int32_t version = parse_version(line.files[0]);
    if (cvGetNaaccrItemCount(version) == 0) {
        fputs("cvnaaccr items: no data dictionary for version '", stderr);
        print_text(stderr, line.files[0]);
        fputs("' (there are 140, 150, 160, 180 and 210 to 270)\n", stderr);
        return 2;
    }
    const char *type = line.type != nullptr ? line.type : "A";
    if (strlen(type) != 1 || type_bit(type[0]) == 0) {
        fputs("cvnaaccr items: --type takes A, M, C or I, not '", stderr);
        print_text(stderr, type);
        fputs("'\n", stderr);
        return 2;
    }
    const std::vector<NaaccrItemDef> items = items_of(version, type_bit(type[0]));
    if (line.json) {
        printf("{\"version\":%" PRId32 ",\"record_type\":\"%c\",\"items\":[", version, type[0]);
        for (size_t i = 0; i < items.size(); ++i)
            print_item_json(items[i], i == 0);
        fputs("]}\n", stdout);
    } else {
        print_items_text(items);
    }
    return finish_output("cvnaaccr items") ? 0 : 2;
}

int show_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("show", argc, argv, accept_record | accept_all, &line) != 0)
        return usage_error("show");
    if (line.help)
        return print_help("show");
    if (line.files.size() != 1)
        return usage_error("show");
    const char *path = line.files[0];
    const uint64_t number = line.record != 0 ? line.record : 1;
    Wanted wanted = {number, false, 0, std::string(), 0};
    NaaccrCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.threads = 1;
    options.max_reported = 1;
    options.on_record = catch_record;
    options.context = &wanted;
    WantedTumour tumour;
    NaaccrReadOptions tumour_options;
    want_tumour(&tumour, number, &tumour_options);
    ShowInput input = {&options, &tumour_options, false};
    NaaccrCheckSummary summary;
    char error[512] = "";
    const int32_t code = read_show_input(path, &input, &summary, error, sizeof error);
    if (input.xml) {
        const int status = print_xml_tumour(path, &tumour, code, error, line.all);
        return status == 0 && !finish_output("cvnaaccr show") ? 2 : status;
    }
    if (!wanted.found) {
        fputs("cvnaaccr show: ", stderr);
        print_text(stderr, path);
        if (is_read_failure(code))
            fprintf(stderr, ": cannot be read%s%s\n", error[0] != '\0' ? ": " : "", error);
        else
            fprintf(stderr, ": no record %" PRIu64 " (it has %" PRIu64 ")\n", wanted.number, wanted.records);
        return is_read_failure(code) ? 2 : 1;
    }
    const std::string &bytes = wanted.bytes;
    const char type = bytes.empty() ? ' ' : bytes[0];
    const int32_t version = bytes.size() >= 19 ? parse_version(bytes.substr(16, 3).c_str()) : 0;
    const std::vector<NaaccrItemDef> items = items_of(version, type_bit(type));
    print_text(stdout, path);
    printf(": record %" PRIu64 " (offset %" PRId64 "), %zu character%s", wanted.number, wanted.offset, bytes.size(),
           plural(bytes.size()));
    if (items.empty() || items[0].start_column <= 0) {
        printf(": no data dictionary for its type and version\n");
        return finish_output("cvnaaccr show") ? 1 : 2;
    }
    printf(", type %c, version %" PRId32 "\n", type, version);
    print_record_items(items, bytes, line.all);
    return finish_output("cvnaaccr show") ? 0 : 2;
}
