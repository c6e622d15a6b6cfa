// xml_root.cpp -- the attributes of a NAACCR XML file's root, NaaccrData:
// they name the dictionary, the record type and the format's version that
// every item of the file is checked by.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

// The format versions whose files this check reads.
const char *const known_format_versions[] = {"1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8"};

bool digits(const char *text, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int number(const char *text, size_t n)
{
    int value = 0;
    for (size_t i = 0; i < n; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// "YYYY-MM-DD" (more year digits allowed, not a leading zero then) at text, of n bytes; *used its length.
bool date_part(const char *text, size_t n, size_t *used)
{
    size_t y = 0;
    while (y < n && text[y] >= '0' && text[y] <= '9')
        ++y;
    if (y < 4 || (y > 4 && text[0] == '0') || y + 6 > n || text[y] != '-' || text[y + 3] != '-' ||
        !digits(text + y + 1, 2) || !digits(text + y + 4, 2))
        return false;
    const int year = y == 4 ? number(text, 4) : 1; // beyond 9999: leap years do not matter here
    const int month = number(text + y + 1, 2), day = number(text + y + 4, 2);
    if (year == 0 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
        return false;
    *used = y + 6;
    return true;
}

// "hh:mm:ss[.s+]" at text, with 24:00:00 allowed; *used its length.
bool time_part(const char *text, size_t n, size_t *used)
{
    if (n < 8 || !digits(text, 2) || text[2] != ':' || !digits(text + 3, 2) || text[5] != ':' || !digits(text + 6, 2))
        return false;
    const int hour = number(text, 2), minute = number(text + 3, 2), second = number(text + 6, 2);
    size_t k = 8;
    bool nonzero_fraction = false;
    if (k < n && text[k] == '.') {
        const size_t start = ++k;
        for (; k < n && text[k] >= '0' && text[k] <= '9'; ++k)
            nonzero_fraction = nonzero_fraction || text[k] != '0';
        if (k == start)
            return false;
    }
    if (minute > 59 || second > 59 || hour > 24 || (hour == 24 && (minute != 0 || second != 0 || nonzero_fraction)))
        return false;
    *used = k;
    return true;
}

bool zone_part(const char *text, size_t n)
{
    if (n == 0 || (n == 1 && text[0] == 'Z'))
        return true;
    if (n != 6 || (text[0] != '+' && text[0] != '-') || !digits(text + 1, 2) || text[3] != ':' || !digits(text + 4, 2))
        return false;
    const int hour = number(text + 1, 2), minute = number(text + 4, 2);
    return minute <= 59 && (hour < 14 || (hour == 14 && minute == 0));
}

struct RootAttributes {
    const char *base, *user, *type, *format_version, *time;
};

void read_root_attributes(XmlCheck *check, const XML_Char **attributes, RootAttributes *root)
{
    memset(root, 0, sizeof *root);
    struct Known {
        const char *name;
        const char **value;
    } const known[] = {{"baseDictionaryUri", &root->base},
                       {"userDictionaryUri", &root->user},
                       {"recordType", &root->type},
                       {"specificationVersion", &root->format_version},
                       {"timeGenerated", &root->time}};
    for (const XML_Char **a = attributes; *a != nullptr; a += 2) {
        if (strchr(a[0], xml_name_separator) != nullptr)
            continue; // another namespace's attributes are the root's to carry
        bool found = false;
        for (const Known &k : known)
            if (strcmp(a[0], k.name) == 0) {
                *k.value = a[1];
                found = true;
            }
        if (!found)
            report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                        "NaaccrData has an unknown attribute %.64s", a[0]);
    }
}

void check_dictionary(XmlCheck *check, const RootAttributes &root, const XmlPlace &place)
{
    if (root.base == nullptr) {
        report_xml(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                   "NaaccrData has no baseDictionaryUri: its items are not checked");
        return;
    }
    check->root.dictionary = find_dictionary_by_uri(root.base, strlen(root.base));
    if (check->root.dictionary == nullptr) {
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                    "baseDictionaryUri %.128s names no known dictionary (%d to %d): its items are not checked",
                    root.base, naaccr_dictionaries[0].version,
                    naaccr_dictionaries[naaccr_dictionary_count - 1].version);
        return;
    }
    if (!load_user_dictionaries(check)) {
        check->root.no_memory = true;
        halt_parser(check);
    }
    build_item_index(check->root.index, *check->root.dictionary, check->user.items, check->user.count);
    if (check->run.hook != nullptr && check->run.hook->user_items != nullptr)
        check->run.hook->user_items(check->run.hook->context, check->user.items, check->user.count);
    NaaccrItemCheckSummary *summary = check->run.summary;
    summary->version = check->root.dictionary->version;
    code_of_version(check->root.dictionary->version, summary->records.version);
    summary->records.version[version_code_width] = '\0';
}

void check_record_type(XmlCheck *check, const RootAttributes &root, const XmlPlace &place)
{
    const char *type = root.type;
    if (type != nullptr && type[0] != '\0' && type[1] == '\0' && item_record_type_bit(type[0]) != 0) {
        check->root.type_bit = item_record_type_bit(type[0]);
        check->run.summary->records.record_type = type[0];
        return;
    }
    if (type == nullptr)
        report_xml(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                   "NaaccrData has no recordType: items are not checked against a record type");
    else
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                    "recordType \"%.16s\" is not %s: items are not checked against a record type", type,
                    record_types_in_words());
}

void check_format_version(XmlCheck *check, const RootAttributes &root, const XmlPlace &place)
{
    const char *given = root.format_version;
    if (given == nullptr) {
        report_xml(check, NAACCR_CHECK_XML_ROOT, place, nullptr, "NaaccrData has no specificationVersion");
        return;
    }
    NaaccrItemCheckSummary *summary = check->run.summary;
    snprintf(summary->specification_version, sizeof summary->specification_version, "%s", given);
    for (const char *known : known_format_versions)
        if (strcmp(given, known) == 0)
            return;
    report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                "specificationVersion \"%.16s\" is not a known one (1.0 to 1.8)", given);
}

} // namespace

bool allocate_root(XmlCheck *check)
{
    check->root.index = static_cast<ItemIndex *>(malloc(sizeof *check->root.index));
    return check->root.index != nullptr;
}

void free_root(XmlCheck *check)
{
    free(check->root.index);
    check->root.index = nullptr;
}

void take_root(XmlCheck *to, const XmlCheck *from)
{
    ItemIndex *index = to->root.index;
    to->root = from->root;
    to->root.index = index;
    memcpy(index, from->root.index, sizeof *index);
    to->user = from->user;
}

bool is_xsd_date_time(const char *text, size_t n)
{
    if (n > 0 && text[0] == '-') {
        ++text;
        --n;
    }
    size_t date = 0, time = 0;
    if (!date_part(text, n, &date) || date >= n || text[date] != 'T')
        return false;
    ++date;
    return time_part(text + date, n - date, &time) && zone_part(text + date + time, n - date - time);
}

void check_root_attributes(XmlCheck *check, const XML_Char **attributes)
{
    const XmlPlace place = current_place(check);
    RootAttributes root;
    read_root_attributes(check, attributes, &root);
    check_dictionary(check, root, place);
    check_record_type(check, root, place);
    check_format_version(check, root, place);
    if (root.time != nullptr && !is_xsd_date_time(root.time, strlen(root.time)))
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr,
                    "timeGenerated \"%.40s\" is not a date and time (YYYY-MM-DDThh:mm:ss, a zone optional)", root.time);
    if (root.user != nullptr)
        snprintf(check->run.summary->user_dictionaries, sizeof check->run.summary->user_dictionaries, "%s", root.user);
}
