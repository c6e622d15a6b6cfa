// items.cpp -- `cvnaaccr items VERSION [--type A|M|C|I] [--codes ID]
// [--json]`: the data items of a NAACCR version's dictionary, as a layout,
// or the allowed codes of one item, read through the library's exported
// calls only; and the look-ups that show shares.
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

// The item `text` names in `version`: its naaccrId, or its naaccrNum.
bool find_named_item(int32_t version, const char *text, NaaccrItemDef *item)
{
    uint32_t number = 0;
    const int32_t index = parse_count(text, &number) && number > 0 && number <= INT32_MAX
                              ? cvFindNaaccrItem(version, static_cast<int32_t>(number), nullptr)
                              : cvFindNaaccrItem(version, 0, text);
    return index >= 0 && cvGetNaaccrItem(version, index, item) == NAACCR_REC_OK;
}

// `items VERSION --codes ID`: "CODE  FROM  LABEL" and a line per code, or one JSON object.
int print_item_codes(int32_t version, const char *named, bool json)
{
    NaaccrItemDef item;
    if (!find_named_item(version, named, &item)) {
        fputs("cvnaaccr items: no item '", stderr);
        print_text(stderr, named);
        fprintf(stderr, "' in the dictionary of version %" PRId32 "\n", version);
        return 2;
    }
    const std::vector<NaaccrItemCode> codes = codes_of(version, item.number);
    if (codes.empty()) {
        fprintf(stderr, "cvnaaccr items: %s (item %" PRId32 ") has no list of codes in version %" PRId32 "\n", item.id,
                item.number, version);
        return 1;
    }
    if (json) {
        printf("{\"version\":%" PRId32 ",\"item\":{\"number\":%" PRId32 ",\"id\":", version, item.number);
        print_json_string(stdout, item.id);
        fputs(",\"name\":", stdout);
        print_json_string(stdout, item.name);
        fputs("},\"codes\":[", stdout);
        for (size_t i = 0; i < codes.size(); ++i) {
            printf("%s{\"code\":", i == 0 ? "" : ",");
            print_json_string(stdout, codes[i].code);
            printf(",\"first_version\":%" PRId32 ",\"label\":", codes[i].first_version);
            if (codes[i].label != nullptr)
                print_json_string(stdout, codes[i].label);
            else
                fputs("null", stdout);
            fputc('}', stdout);
        }
        fputs("]}\n", stdout);
    } else {
        const int width = std::max(4, static_cast<int>(item.length));
        printf("%-*s  FROM  LABEL\n", width, "CODE");
        for (const NaaccrItemCode &code : codes)
            printf("%-*s  %4" PRId32 "  %s\n", width, code.code, code.first_version,
                   code.label != nullptr ? code.label : "");
    }
    return finish_output("cvnaaccr items") ? 0 : 2;
}

} // namespace

std::vector<NaaccrItemCode> codes_of(int32_t version, int32_t number)
{
    const int32_t count = cvGetNaaccrItemCodes(version, number, nullptr, 0);
    std::vector<NaaccrItemCode> codes(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0 && cvGetNaaccrItemCodes(version, number, codes.data(), static_cast<uint32_t>(count)) != count)
        codes.clear();
    return codes;
}

const char *code_label(CodeLabels *labels, int32_t version, const NaaccrItemDef &item, const std::string &value)
{
    if (item.data_type == NAACCR_ITEM_DATE || item.unlimited != 0)
        return nullptr;
    const auto key = std::make_pair(version, item.number);
    auto found = labels->find(key);
    if (found == labels->end())
        found = labels->emplace(key, codes_of(version, item.number)).first;
    // The value proper: padding blanks cut, the zeros an XML value may leave out put back.
    const size_t first = value.find_first_not_of(' '), last = value.find_last_not_of(' ');
    if (first == std::string::npos)
        return nullptr;
    std::string code = value.substr(first, last - first + 1);
    if (item.padding == NAACCR_PAD_LEFT_ZERO && code.size() < static_cast<size_t>(item.length))
        code.insert(0, static_cast<size_t>(item.length) - code.size(), '0');
    for (const NaaccrItemCode &c : found->second)
        if (code == c.code)
            return c.label;
    return nullptr;
}

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
    if (parse_command_line("items", argc, argv, accept_json | accept_type | accept_codes_of, &line) != 0)
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
    if (line.codes_of != nullptr)
        return print_item_codes(version, line.codes_of, line.json);
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
