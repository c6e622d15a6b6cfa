// xml_items.cpp -- one Item of a NAACCR XML file: its attributes against the
// dictionary, then its text, of which no more is kept than the item can hold
// (one character more shows it too long), so a value of any size streams past;
// then its value against the root and against the same item's value at the
// levels around it.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

// Bytes kept of a value.
const size_t value_capacity = 64u << 10;

// Marks the item seen in the open element; false when it was seen before.
bool first_in_element(XmlCheck *check, const NaaccrItemDef *def)
{
    const NaaccrDictionary &base = *check->root.dictionary;
    const bool in_base = def >= base.items && def < base.items + base.count;
    const size_t index =
        in_base ? static_cast<size_t>(def - base.items) : base.count + static_cast<size_t>(def - check->user.items);
    if (index >= item_index_most)
        return true;
    check->items.item.index = index;
    const int level = check->tree.level;
    if (check->items.seen[level][index] != 0)
        return false;
    check->items.seen[level][index] = 1;
    check->items.seen_list[level][check->items.seen_count[level]++] = static_cast<uint16_t>(index);
    return true;
}

// What an Item's start tag shows, reported with its value.
const unsigned unknown_item = 1, wrong_number = 2, wrong_type = 4, wrong_level = 8, repeated_item = 16;
// Characters of an unknown item's value kept for its problem.
const size_t unknown_kept = 64;

void copy_cut(char *to, size_t size, const char *from, size_t length)
{
    const size_t n = length < size - 1 ? length : size - 1;
    memcpy(to, from, n);
    to[n] = '\0';
}

// The item an Item's attributes name, and the faults they show.
void read_item_attributes(XmlCheck *check, const XML_Char **attributes)
{
    XmlItem &item = check->items.item;
    const char *id = nullptr, *number = nullptr;
    for (const XML_Char **a = attributes; *a != nullptr; a += 2) {
        // Names of no namespace come as written; other names hold the separator.
        if (a[0][0] == 'n' && strcmp(a[0], "naaccrId") == 0) {
            id = a[1];
        } else if (a[0][0] == 'n' && strcmp(a[0], "naaccrNum") == 0) {
            number = a[1];
        } else {
            place_item(check, true);
            report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, check->places.item, nullptr, "Item has an attribute %.64s",
                        strchr(a[0], xml_name_separator) != nullptr ? strchr(a[0], xml_name_separator) + 1 : a[0]);
        }
    }
    if (id == nullptr) {
        place_item(check, true);
        report_xml(check, NAACCR_CHECK_XML_STRUCTURE, check->places.item, nullptr, "Item without its naaccrId");
        return;
    }
    const size_t id_length = strlen(id);
    const NaaccrItemDef *def =
        check->root.dictionary != nullptr ? find_next_item(check->root.index, id, id_length) : nullptr;
    if (def != nullptr) {
        item.id = def->id;
    } else {
        copy_cut(item.written_id, sizeof item.written_id, id, id_length);
        item.id = item.written_id;
    }
    if (number != nullptr)
        copy_cut(item.number, sizeof item.number, number, strlen(number));
    if (check->root.dictionary == nullptr)
        return;
    item.read = true;
    if (def == nullptr) {
        item.faults = unknown_item;
        return;
    }
    item.def = def;
    if (number != nullptr) {
        char *end = nullptr;
        const long given = strtol(number, &end, 10);
        if (end == number || *end != '\0' || given != def->number)
            item.faults |= wrong_number;
    }
    if (check->root.type_bit != 0 && (def->record_types & check->root.type_bit) == 0)
        item.faults |= wrong_type;
    if (def->level != check->tree.level && def->level <= NAACCR_LEVEL_TUMOR)
        item.faults |= wrong_level;
    if (!first_in_element(check, def))
        item.faults |= repeated_item;
}

// The root's userDictionaryUri entries that no loaded dictionary has.
void unloaded_dictionaries(const XmlCheck *check, char *out, size_t size)
{
    size_t used = 0;
    out[0] = '\0';
    const char *uris = check->run.summary->user_dictionaries;
    while (*uris != '\0') {
        const size_t skip = strspn(uris, " \t\r\n");
        const size_t n = strcspn(uris + skip, " \t\r\n");
        const char *uri = uris + skip;
        uris += skip + n;
        bool loaded = false;
        for (const char *l = check->user.uris; n > 0 && *l != '\0' && !loaded;) {
            const size_t m = strcspn(l, " ");
            loaded = m == n && memcmp(l, uri, n) == 0;
            l += m + (l[m] == ' ' ? 1 : 0);
        }
        if (n > 0 && !loaded && used + n + 2 < size)
            used += static_cast<size_t>(
                snprintf(out + used, size - used, "%s%.*s", used > 0 ? " " : "", static_cast<int>(n), uri));
    }
}

void report_item_faults(XmlCheck *check, const XmlItemRef &ref)
{
    const XmlItem &item = check->items.item;
    const char *level = level_names[check->tree.level];
    if ((item.faults & unknown_item) != 0) {
        char unloaded[160];
        unloaded_dictionaries(check, unloaded, sizeof unloaded);
        report_xmlf(check, NAACCR_CHECK_ITEM_UNKNOWN, check->places.item, &ref,
                    "unknown item %s: not in dictionary %d%s%s%s", item.id, check->root.dictionary->version,
                    check->user.count > 0 ? " nor a loaded user dictionary" : "",
                    unloaded[0] != '\0' ? "; not loaded: " : "", unloaded);
        return;
    }
    if ((item.faults & wrong_number) != 0)
        report_xmlf(check, NAACCR_CHECK_ITEM_NUMBER, check->places.item, &ref, "%s has naaccrNum %s, not %d", item.id,
                    item.number, item.def->number);
    if ((item.faults & wrong_type) != 0)
        report_xmlf(check, NAACCR_CHECK_ITEM_RECORD_TYPE, check->places.item, &ref,
                    "%s is not an item of the file's record type", item.id);
    if ((item.faults & wrong_level) != 0)
        report_xmlf(check, NAACCR_CHECK_ITEM_LEVEL, check->places.item, &ref, "%s stands in %s; it belongs in %s",
                    item.id, level, level_names[item.def->level]);
    if ((item.faults & repeated_item) != 0)
        report_xmlf(check, NAACCR_CHECK_ITEM_REPEATED, check->places.item, &ref, "%s stands twice in this %s", item.id,
                    level);
}

// A value for a message: its first bytes, NUL-terminated, "..." when cut.
void quoted_value(char *out, size_t size, const unsigned char *value, size_t n)
{
    const size_t shown = 40;
    const size_t k = n < shown ? n : shown;
    snprintf(out, size, "%.*s%s", static_cast<int>(k), reinterpret_cast<const char *>(value), n > shown ? "..." : "");
}

// A recordType or naaccrRecordVersion Item that says otherwise than the root.
// Blanks at either end are the value's own fault (NAACCR_CHECK_ITEM_BLANKS).
void compare_with_root(XmlCheck *check, const XmlItemRef &ref)
{
    XmlItem &item = check->items.item;
    const int32_t number = item.def->number;
    if (number != record_type_item && number != record_version_item)
        return;
    const unsigned char *v = item.value;
    size_t n = item.length;
    while (n > 0 && is_xml_white(v[0])) {
        ++v;
        --n;
    }
    while (n > 0 && is_xml_white(v[n - 1]))
        --n;
    const NaaccrCheckSummary &root = check->run.summary->records;
    char shown[48];
    quoted_value(shown, sizeof shown, v, n);
    if (number == record_type_item && root.record_type != ' ' && !(n == 1 && v[0] == root.record_type)) {
        place_item(check, false);
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, check->places.item, &ref,
                    "%s \"%s\" contradicts the root's recordType \"%c\"", item.id, shown, root.record_type);
    } else if (number == record_version_item && check->root.dictionary != nullptr &&
               !(n == 3 && memcmp(v, root.version, 3) == 0)) {
        place_item(check, false);
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, check->places.item, &ref,
                    "%s \"%s\" contradicts the root's baseDictionaryUri, of version %d", item.id, shown,
                    check->root.dictionary->version);
    }
}

// The item's value at this level against its value at the nearest level
// around it that gives it (an open Patient's, or the root's); then held, if
// this is the root or a Patient, for the levels inside.  A repeated item is
// compared and held by its first value.
void compare_levels(XmlCheck *check, const XmlItemRef &ref)
{
    XmlItem &item = check->items.item;
    const size_t index = item.index;
    if (index >= item_index_most || (item.faults & repeated_item) != 0)
        return; // a repeated item's further values are no one's but their problem's
    const int level = check->tree.level;
    const size_t most = static_cast<size_t>(item.def->length);
    const size_t n = item.kept_characters <= most ? item.length : utf8_prefix(item.value, item.length, most);
    for (int outer = level - 1; outer >= NAACCR_LEVEL_ROOT; --outer) {
        const HeldValues &held = check->items.held[outer];
        const uint32_t m = held.length[index];
        if (m == 0)
            continue;
        const unsigned char *other = held.bytes + held.at[index];
        if (m != n || memcmp(other, item.value, n) != 0) {
            char outer_value[48], inner_value[48];
            quoted_value(outer_value, sizeof outer_value, other, m);
            quoted_value(inner_value, sizeof inner_value, item.value, n);
            place_item(check, false);
            report_xmlf(check, NAACCR_CHECK_ITEM_CONFLICT, check->places.item, &ref,
                        "%s is \"%s\" in %s but \"%s\" in this %s", item.id, outer_value, level_names[outer],
                        inner_value, level_names[level]);
        }
        break;
    }
    if (level > NAACCR_LEVEL_PATIENT)
        return;
    HeldValues &held = check->items.held[level];
    if (held.length[index] != 0 || held.used + n > held_capacity)
        return; // a repeated item keeps its first value; past the capacity nothing more is compared
    memcpy(held.bytes + held.used, item.value, n);
    held.at[index] = static_cast<uint32_t>(held.used);
    held.length[index] = static_cast<uint32_t>(n);
    held.used += n;
}

} // namespace

bool allocate_item_state(XmlCheck *check)
{
    check->items.item.value = static_cast<unsigned char *>(malloc(value_capacity));
    bool ok = check->items.item.value != nullptr;
    for (int level = 0; level < 3; ++level) {
        check->items.seen[level] = static_cast<uint8_t *>(calloc(item_index_most, 1));
        check->items.seen_list[level] = static_cast<uint16_t *>(malloc(item_index_most * sizeof(uint16_t)));
        check->items.seen_count[level] = 0;
        ok = ok && check->items.seen[level] != nullptr && check->items.seen_list[level] != nullptr;
    }
    for (HeldValues &held : check->items.held) {
        held.bytes = static_cast<unsigned char *>(malloc(held_capacity));
        held.at = static_cast<uint32_t *>(malloc(item_index_most * sizeof(uint32_t)));
        held.length = static_cast<uint32_t *>(calloc(item_index_most, sizeof(uint32_t)));
        held.used = 0;
        ok = ok && held.bytes != nullptr && held.at != nullptr && held.length != nullptr;
    }
    return ok;
}

void free_item_state(XmlCheck *check)
{
    free(check->items.item.value);
    check->items.item.value = nullptr;
    for (int level = 0; level < 3; ++level) {
        free(check->items.seen[level]);
        free(check->items.seen_list[level]);
        check->items.seen[level] = nullptr;
        check->items.seen_list[level] = nullptr;
    }
    for (HeldValues &held : check->items.held) {
        free(held.bytes);
        free(held.at);
        free(held.length);
        memset(&held, 0, sizeof held);
    }
}

void take_root_items(XmlCheck *to, const XmlCheck *from)
{
    for (int level = NAACCR_LEVEL_ROOT; level <= NAACCR_LEVEL_TUMOR; ++level)
        clear_seen_items(to, level);
    const size_t n = from->items.seen_count[NAACCR_LEVEL_ROOT];
    const HeldValues &given = from->items.held[NAACCR_LEVEL_ROOT];
    HeldValues &held = to->items.held[NAACCR_LEVEL_ROOT];
    for (size_t i = 0; i < n; ++i) {
        const uint16_t index = from->items.seen_list[NAACCR_LEVEL_ROOT][i];
        to->items.seen[NAACCR_LEVEL_ROOT][index] = 1;
        to->items.seen_list[NAACCR_LEVEL_ROOT][i] = index;
        held.at[index] = given.at[index];
        held.length[index] = given.length[index];
    }
    to->items.seen_count[NAACCR_LEVEL_ROOT] = n;
    memcpy(held.bytes, given.bytes, given.used);
    held.used = given.used;
    to->items.in_item = false;
}

void clear_seen_items(XmlCheck *check, int level)
{
    // Every value held at a level is of an item seen there.
    HeldValues *held = level <= NAACCR_LEVEL_PATIENT ? &check->items.held[level] : nullptr;
    for (size_t i = 0; i < check->items.seen_count[level]; ++i) {
        const uint16_t index = check->items.seen_list[level][i];
        check->items.seen[level][index] = 0;
        if (held != nullptr)
            held->length[index] = 0;
    }
    check->items.seen_count[level] = 0;
    if (held != nullptr)
        held->used = 0;
}

void start_item(XmlCheck *check, const XML_Char **attributes)
{
    XmlItem &item = check->items.item;
    start_item_place(check);
    item.def = nullptr;
    item.index = item_index_most;
    item.read = false;
    item.faults = 0;
    item.id = "";
    item.number[0] = '\0';
    item.length = 0;
    item.characters = 0;
    item.kept_characters = 0;
    item.cut = false;
    item.text_cut = false;
    read_item_attributes(check, attributes);
    if (item.faults != 0)
        place_item(check, true);
    // Characters of up to four bytes.
    item.limit = item.def != nullptr ? static_cast<size_t>(item.def->length) + 1 : unknown_kept;
    // A reader of tumours keeps unlimited text up to hooked_text_characters,
    // and one character more to tell a longer text.
    if (check->run.hook != nullptr && item.def != nullptr && item.def->unlimited != 0 &&
        item.limit < hooked_text_characters + 1)
        item.limit = hooked_text_characters + 1;
    item.capacity = 4 * item.limit < value_capacity ? 4 * item.limit : value_capacity;
    check->items.in_item = true;
}

void add_item_text(XmlCheck *check, const char *text, size_t n)
{
    XmlItem &item = check->items.item;
    if (!item.read)
        return;
    // Most text fits whole: copied while its characters are counted (they
    // begin at every byte but a UTF-8 continuation byte).
    if (!item.cut && item.length + n <= item.capacity) {
        unsigned char *to = item.value + item.length;
        size_t starts = 0;
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            to[i] = c;
            starts += starts_utf8_character(c);
        }
        if (item.kept_characters + starts <= item.limit) {
            item.length += n;
            item.kept_characters += starts;
            item.characters += starts;
            return;
        }
    }
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool starts_character = starts_utf8_character(c);
        item.characters += starts_character ? 1 : 0;
        if (item.cut || (starts_character && item.kept_characters == item.limit) || item.length == item.capacity) {
            item.cut = true;
            item.text_cut = item.text_cut || !is_xml_white(c);
            continue;
        }
        item.kept_characters += starts_character ? 1 : 0;
        item.value[item.length++] = c;
    }
}

void end_item(XmlCheck *check)
{
    check->items.in_item = false;
    XmlItem &item = check->items.item;
    if (!item.read)
        return;
    const NaaccrItemDef *def = item.def;
    XmlItemRef ref = {def, item.id, reinterpret_cast<const char *>(item.value), item.length};
    report_item_faults(check, ref);
    // Only white space is no value: not given, as a blank flat field is not.
    if (def == nullptr || (!item.text_cut && only_xml_white(item.value, item.length)))
        return;
    check->run.summary->items += 1;
    // A repeated item's further values are its problem's: a reader keeps the first.
    if (check->run.hook != nullptr && (item.faults & repeated_item) == 0)
        hook_result(check, check->run.hook->item(check->run.hook->context, check->tree.level, def, item.value,
                                                 item.length, item.cut));
    if ((item.faults & repeated_item) == 0)
        note_id_item(check, def, item.value, item.length);
    bool passed = false;
    if (item.cut) {
        // An unlimited item's rules see only its kept head; a long value is allowed.
        if (!def->unlimited) {
            place_item(check, false);
            report_xmlf(check, NAACCR_CHECK_ITEM_TOO_LONG, check->places.item, &ref,
                        "%s: a value of %llu characters; the item holds %d", item.id,
                        static_cast<unsigned long long>(item.characters), def->length);
        }
    } else {
        ItemFault fault;
        passed = check_item_value(*def, item.value, item.length, ITEM_XML_TEXT, &fault) == 0;
        if (!passed) {
            place_item(check, false);
            report_xmlf(check, fault.code, check->places.item, &ref, "%s: %.96s", item.id, fault.reason);
        }
    }
    if ((item.faults & repeated_item) == 0)
        check_item_codes(check, def, passed);
    compare_with_root(check, ref);
    compare_levels(check, ref);
}
