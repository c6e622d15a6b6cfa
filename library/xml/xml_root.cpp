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
    prepare_codes(check);
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

void check_root_attributes(XmlCheck *check, const XML_Char **attributes)
{
    const XmlPlace place = current_place(check);
    RootAttributes root;
    read_root_attributes(check, attributes, &root);
    check_dictionary(check, root, place);
    check_record_type(check, root, place);
    check_format_version(check, root, place);
    DateTimeFault fault;
    if (root.time != nullptr && check_date_time(reinterpret_cast<const unsigned char *>(root.time), strlen(root.time),
                                                DATE_TIME_STAMP, &fault) != 0)
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr, "timeGenerated \"%.40s\" is not a date and time: %s",
                    root.time, fault.reason);
    if (root.user != nullptr)
        snprintf(check->run.summary->user_dictionaries, sizeof check->run.summary->user_dictionaries, "%s", root.user);
}
