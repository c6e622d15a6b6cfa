// xml_user_dictionary.cpp -- reading a user dictionary, a NaaccrDictionary
// file of ItemDef elements, with expat, and holding each item against the
// base dictionary of the file checked.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "platform/platform.h"
#include "xml/xml_state.h"

namespace
{

const size_t longest_id = 32;
const size_t most_user_items = 2048;
const size_t read_block = 64u << 10;

struct Loading {
    XmlCheck *check;
    const char *path;
    XML_Parser parser;
    bool no_memory;
    bool started; // the root element has been seen
    bool capped;  // most_user_items were loaded: no more are
};

void dictionary_problem(Loading *loading, const char *what, const char *id)
{
    XmlCheck *check = loading->check;
    const unsigned long line = loading->parser != nullptr ? XML_GetCurrentLineNumber(loading->parser) : 0;
    report_xmlf(check, NAACCR_CHECK_USER_DICTIONARY, current_place(check), nullptr,
                "user dictionary %.120s, line %lu: %s%s%.40s", loading->path, line, what, id[0] != '\0' ? ": " : "",
                id);
}

const char *attribute(const XML_Char **attributes, const char *name)
{
    for (const XML_Char **a = attributes; *a != nullptr; a += 2)
        if (strcmp(a[0], name) == 0)
            return a[1];
    return nullptr;
}

// The number of an attribute's word among `names`, `otherwise` when it is
// not given, -1 when it is none of them.
int value_index(const char *value, const char *const *names, size_t count, int otherwise)
{
    return value == nullptr ? otherwise : name_index(names, count, value);
}

// The definition an ItemDef's attributes give, or a reason it has none.
const char *read_item_def(const XML_Char **attributes, NaaccrItemDef *def)
{
    memset(def, 0, sizeof *def);
    const char *number = attribute(attributes, "naaccrNum"), *length = attribute(attributes, "length");
    char *end = nullptr;
    def->number = number != nullptr ? static_cast<int32_t>(strtol(number, &end, 10)) : 0;
    if (number == nullptr || end == number || *end != '\0' || def->number <= 0)
        return "no valid naaccrNum";
    def->length = length != nullptr ? static_cast<int32_t>(strtol(length, &end, 10)) : 0;
    if (length == nullptr || end == length || *end != '\0' || def->length <= 0)
        return "no valid length";
    const int level = value_index(attribute(attributes, "parentXmlElement"), level_names, level_count, -1);
    const int type = value_index(attribute(attributes, "dataType"), data_type_names, data_type_count, NAACCR_ITEM_TEXT);
    const int padding =
        value_index(attribute(attributes, "padding"), padding_names, padding_count, NAACCR_PAD_RIGHT_BLANK);
    if (level < 0 || type < 0 || padding < 0)
        return "no valid parentXmlElement, dataType or padding";
    def->level = static_cast<uint8_t>(level);
    def->data_type = static_cast<uint8_t>(type);
    def->padding = static_cast<uint8_t>(padding);
    const char *record_types = attribute(attributes, "recordTypes");
    // Every record type when the attribute is not given.
    for (const char *c = record_types != nullptr ? record_types : NAACCR_RECORD_TYPES; *c != '\0'; ++c)
        def->record_types |= item_record_type_bit(*c);
    const char *trim = attribute(attributes, "trim"), *unlimited = attribute(attributes, "allowUnlimitedText");
    def->trim_none = trim != nullptr && strcmp(trim, "none") == 0;
    def->unlimited = unlimited != nullptr && strcmp(unlimited, "true") == 0;
    def->user = 1;
    return nullptr;
}

// A reason the item may not join the base dictionary and the items before it.
const char *clash(const XmlCheck *check, const NaaccrItemDef &def, const char *id)
{
    const NaaccrDictionary &base = *check->root.dictionary;
    if (find_item_by_id(base, id, strlen(id)) != nullptr)
        return "an id of the base dictionary";
    if (find_item_by_number(base, def.number) != nullptr)
        return "a number of the base dictionary";
    for (size_t k = 0; k < check->user.count; ++k)
        if (strcmp(check->user.items[k].id, id) == 0 || check->user.items[k].number == def.number)
            return "an id or number of a user item loaded before";
    return nullptr;
}

bool add_item(UserItems *user, const NaaccrItemDef &def, const char *id, const char *name)
{
    if (user->count == user->capacity) {
        const size_t capacity = user->capacity == 0 ? 64 : 2 * user->capacity;
        void *grown = realloc(user->items, capacity * sizeof(NaaccrItemDef));
        if (grown == nullptr)
            return false;
        user->items = static_cast<NaaccrItemDef *>(grown);
        user->capacity = capacity;
    }
    char *own_id = static_cast<char *>(malloc(strlen(id) + 1));
    char *own_name = static_cast<char *>(malloc(strlen(name) + 1));
    if (own_id == nullptr || own_name == nullptr) {
        free(own_id);
        free(own_name);
        return false;
    }
    NaaccrItemDef &item = user->items[user->count++];
    item = def;
    item.id = strcpy(own_id, id);
    item.name = strcpy(own_name, name);
    return true;
}

void XMLCALL start_definition(void *data, const XML_Char *name, const XML_Char **attributes)
{
    Loading *loading = static_cast<Loading *>(data);
    XmlCheck *check = loading->check;
    const char *cut = strchr(name, xml_name_separator);
    const char *local = cut != nullptr ? cut + 1 : name;
    // Any other root is some other XML file, whose elements define nothing.
    if (!loading->started && strcmp(local, "NaaccrDictionary") != 0) {
        dictionary_problem(loading, "no NAACCR dictionary, whose root is NaaccrDictionary; its root is", local);
        XML_StopParser(loading->parser, XML_FALSE);
        return;
    }
    loading->started = true;
    if (strcmp(local, "NaaccrDictionary") == 0) {
        const char *uri = attribute(attributes, "dictionaryUri");
        char *uris = check->user.uris;
        const size_t used = strlen(uris);
        if (uri != nullptr)
            snprintf(uris + used, sizeof check->user.uris - used, "%s%s", used > 0 ? " " : "", uri);
        return;
    }
    if (strcmp(local, "ItemDef") != 0)
        return;
    const char *id = attribute(attributes, "naaccrId");
    NaaccrItemDef def;
    const char *fault = id == nullptr || id[0] == '\0' ? "an ItemDef without naaccrId"
                        : strlen(id) > longest_id      ? "an id of more than 32 characters"
                                                       : read_item_def(attributes, &def);
    if (fault == nullptr)
        fault = clash(check, def, id);
    if (fault == nullptr && check->user.count == most_user_items) {
        // One problem says it, at the first item left out.
        if (!loading->capped) {
            char what[96];
            snprintf(what, sizeof what,
                     "more items than a check takes (%zu): this item and those after it are not loaded",
                     most_user_items);
            dictionary_problem(loading, what, id);
        }
        loading->capped = true;
        return;
    }
    if (fault != nullptr) {
        dictionary_problem(loading, fault, id != nullptr ? id : "");
        return;
    }
    const char *item_name = attribute(attributes, "naaccrName");
    if (!add_item(&check->user, def, id, item_name != nullptr ? item_name : "")) {
        loading->no_memory = true;
        XML_StopParser(loading->parser, XML_FALSE);
    }
}

void XMLCALL refuse_doctype(void *data, const XML_Char *, const XML_Char *, const XML_Char *, int)
{
    Loading *loading = static_cast<Loading *>(data);
    dictionary_problem(loading, "a DOCTYPE, which is not read", "");
    XML_StopParser(loading->parser, XML_FALSE);
}

// expat found no memory: the check's budget ran out, which is the file's
// problem (a comment of many megabytes, say: this parser's buffer counts);
// or the machine's memory did.
void out_of_memory(Loading *loading)
{
    XmlMemory &memory = loading->check->run.memory;
    if (!memory.exceeded) {
        loading->no_memory = true;
        return;
    }
    memory.exceeded = false; // the parser's memory goes back when it is freed
    char what[128];
    snprintf(what, sizeof what, "a token, or names, of more than a check holds (%zu MB): the file is not read further",
             xml_memory_budget >> 20);
    dictionary_problem(loading, what, "");
}

// Feeds the whole file to the loading parser; false when it is not read to its end.
bool parse_file(Loading *loading, const ReadableFile &file)
{
    int64_t offset = 0;
    for (;;) {
        void *buffer = XML_GetBuffer(loading->parser, static_cast<int>(read_block));
        size_t got = 0;
        if (buffer == nullptr) {
            out_of_memory(loading);
            return false;
        }
        if (!read_file_at(file, offset, buffer, read_block, &got)) {
            dictionary_problem(loading, "a read failed", "");
            return false;
        }
        offset += static_cast<int64_t>(got);
        if (XML_ParseBuffer(loading->parser, static_cast<int>(got), got == 0) != XML_STATUS_OK) {
            const XML_Error error = XML_GetErrorCode(loading->parser);
            if (error == XML_ERROR_NO_MEMORY)
                out_of_memory(loading);
            else if (error != XML_ERROR_ABORTED)
                dictionary_problem(loading, "not well-formed XML", XML_ErrorString(error));
            return false;
        }
        if (got == 0)
            return true;
    }
}

bool load_one(XmlCheck *check, const char *path)
{
    Loading loading = {check, path, nullptr, false, false, false};
    ReadableFile file;
    int64_t size = 0;
    if (!open_regular_file(path, &file, &size)) {
        dictionary_problem(&loading, "cannot be opened", "");
        return true;
    }
    loading.parser = create_counted_parser();
    if (loading.parser != nullptr) {
        XML_SetUserData(loading.parser, &loading);
        XML_SetStartElementHandler(loading.parser, start_definition);
        XML_SetStartDoctypeDeclHandler(loading.parser, refuse_doctype);
        parse_file(&loading, file);
        XML_ParserFree(loading.parser);
    }
    close_readable_file(file);
    return loading.parser != nullptr && !loading.no_memory;
}

} // namespace

bool load_user_dictionaries(XmlCheck *check)
{
    const NaaccrItemCheckOptions &options = *check->run.options;
    for (uint32_t k = 0; k < options.dictionary_count && options.dictionaries != nullptr; ++k)
        if (options.dictionaries[k] != nullptr && !load_one(check, options.dictionaries[k]))
            return false;
    return true;
}

void free_user_items(UserItems *user)
{
    for (size_t k = 0; k < user->count; ++k) {
        free(const_cast<char *>(user->items[k].id));
        free(const_cast<char *>(user->items[k].name));
    }
    free(user->items);
    user->items = nullptr;
    user->count = user->capacity = 0;
}
