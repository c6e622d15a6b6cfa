// items.cpp -- `cvnaaccr items VERSION [--type A|M|C|I] [--json]`: the data
// items of a NAACCR version's dictionary, as a layout, read through the
// library's exported calls only; and the look-ups that show shares.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/text.h"

namespace
{

// The versions that have a dictionary, as a person reads them: "140, 150, 160,
// 180 and 210 to 270", a run of four or more as its first and last.
std::string dictionary_versions()
{
    std::vector<std::string> parts;
    for (int32_t version = 1; version <= 999; ++version) {
        if (cvGetNaaccrItemCount(version) == 0)
            continue;
        int32_t last = version;
        while (cvGetNaaccrItemCount(last + 10) != 0)
            last += 10;
        if (last - version >= 30) {
            parts.push_back(std::to_string(version) + " to " + std::to_string(last));
            version = last;
        } else {
            parts.push_back(std::to_string(version));
        }
    }
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

void print_items_text(const std::vector<NaaccrItemDef> &items)
{
    const int id_width = name_width(items, false);
    printf("%-11s %6s %6s  %-*s %-8s %-10s %s\n", "COLUMNS", "LENGTH", "NUMBER", id_width, "ID", "TYPE", "PADDING",
           "NAME");
    for (const NaaccrItemDef &item : items) {
        const char *type = item.grouped != 0 ? "grouped" : data_type_name(item.data_type);
        printf("%-11s %6" PRId32 " %6" PRId32 "  %-*s %-8s %-10s %s\n", columns_of(item).c_str(), item.length,
               item.number, id_width, item.id, type, padding_name(item.padding), item.name);
    }
}

void print_item_json(const NaaccrItemDef &item, bool first)
{
    printf("%s{\"number\":%" PRId32 ",\"id\":", first ? "" : ",", item.number);
    print_json_string(stdout, item.id);
    fputs(",\"name\":", stdout);
    print_json_string(stdout, item.name);
    char types[5];
    record_type_letters(item.record_types, types);
    printf(",\"start_column\":%" PRId32 ",\"length\":%" PRId32 ",\"record_types\":\"%s\",\"level\":\"%s\","
           "\"data_type\":\"%s\",\"padding\":\"%s\",\"trim\":\"%s\",\"unlimited\":%s,\"grouped\":%s,\"user\":%s}",
           item.start_column, item.length, types, level_name(item.level), data_type_name(item.data_type),
           padding_name(item.padding), item.trim_none != 0 ? "none" : "all", item.unlimited != 0 ? "true" : "false",
           item.grouped != 0 ? "true" : "false", item.user != 0 ? "true" : "false");
}

} // namespace

std::vector<NaaccrItemDef> items_of(int32_t version, uint8_t bits)
{
    std::vector<NaaccrItemDef> items;
    const int32_t count = cvGetNaaccrItemCount(version);
    for (int32_t i = 0; i < count; ++i) {
        NaaccrItemDef item;
        if (cvGetNaaccrItem(version, i, &item) == NAACCR_REC_OK && (item.record_types & bits) != 0)
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

int items_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("items", argc, argv, accept_json | accept_type, &line) != 0)
        return usage_error("items");
    if (line.help)
        return print_help("items");
    if (line.files.size() != 1)
        return usage_error("items");
    const int32_t version = version_number(line.files[0]);
    if (cvGetNaaccrItemCount(version) == 0) {
        fputs("cvnaaccr items: no data dictionary for version '", stderr);
        print_text(stderr, line.files[0]);
        fprintf(stderr, "' (there are %s)\n", dictionary_versions().c_str());
        return 2;
    }
    const char *type = line.type != nullptr ? line.type : "A";
    if (strlen(type) != 1 || record_type_bit(type[0]) == 0) {
        fputs("cvnaaccr items: --type takes A, M, C or I, not '", stderr);
        print_text(stderr, type);
        fputs("'\n", stderr);
        return 2;
    }
    const std::vector<NaaccrItemDef> items = items_of(version, record_type_bit(type[0]));
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
