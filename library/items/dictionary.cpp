// dictionary.cpp -- finding a version's dictionary and its items.
#include "items/items.h"

#include <stdio.h>
#include <string.h>

constexpr const char *level_names[level_count] = {NAACCR_LEVEL_NAMES};
constexpr const char *data_type_names[data_type_count] = {NAACCR_DATA_TYPE_NAMES};
constexpr const char *padding_names[padding_count] = {NAACCR_PADDING_NAMES};
static_assert(level_names[level_count - 1] != nullptr && data_type_names[data_type_count - 1] != nullptr &&
                  padding_names[padding_count - 1] != nullptr,
              "a word for each number");
static_assert(NAACCR_ITEM_IN_A == 1u << 0 && NAACCR_ITEM_IN_M == 1u << 1 && NAACCR_ITEM_IN_C == 1u << 2 &&
                  NAACCR_ITEM_IN_I == 1u << 3 && NAACCR_RECORD_TYPES[0] == 'A' && NAACCR_RECORD_TYPES[3] == 'I',
              "NAACCR_RECORD_TYPES in the order of the bits");

const NaaccrDictionary *find_dictionary(int32_t version)
{
    for (size_t i = 0; i < naaccr_dictionary_count; ++i)
        if (naaccr_dictionaries[i].version == version)
            return &naaccr_dictionaries[i];
    return nullptr;
}

const NaaccrDictionary *find_dictionary_by_uri(const char *uri, size_t n)
{
    if (uri == nullptr)
        return nullptr;
    for (size_t i = 0; i < naaccr_dictionary_count; ++i) {
        const char *own = naaccr_dictionaries[i].uri;
        if (strlen(own) == n && memcmp(own, uri, n) == 0)
            return &naaccr_dictionaries[i];
    }
    return nullptr;
}

const NaaccrItemDef *find_item_by_number(const NaaccrDictionary &dictionary, int32_t number)
{
    size_t low = 0, high = dictionary.count;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const NaaccrItemDef &item = dictionary.items[dictionary.by_number[middle]];
        if (item.number == number)
            return &item;
        if (item.number < number)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

// strcmp's order between a NUL-terminated id and `n` bytes that hold no NUL.
static int compare_id(const char *own, const char *id, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        const unsigned char a = static_cast<unsigned char>(own[i]), b = static_cast<unsigned char>(id[i]);
        if (a != b)
            return a < b ? -1 : 1; // a NUL in `own` is less than any byte of `id`
    }
    return own[n] == '\0' ? 0 : 1;
}

const NaaccrItemDef *find_item_by_id(const NaaccrDictionary &dictionary, const char *id, size_t n)
{
    if (id == nullptr || memchr(id, '\0', n) != nullptr)
        return nullptr;
    size_t low = 0, high = dictionary.count;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const NaaccrItemDef &item = dictionary.items[dictionary.by_id[middle]];
        const int order = compare_id(item.id, id, n);
        if (order == 0)
            return &item;
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

int flat_dictionary_index(const NaaccrDictionary &dictionary)
{
    for (size_t d = 0; d < flat_dictionary_count && d < naaccr_dictionary_count; ++d)
        if (&naaccr_dictionaries[d] == &dictionary)
            return static_cast<int>(d);
    return -1;
}

uint8_t item_record_type_bit(char type)
{
    for (size_t t = 0; t < record_type_count; ++t)
        if (NAACCR_RECORD_TYPES[t] == type)
            return static_cast<uint8_t>(1u << t);
    return 0;
}

const char *record_types_in_words()
{
    // Made once, on first use; C++ makes the first use thread-safe.
    static char words[4 * record_type_count];
    static const bool made = [] {
        size_t used = 0;
        for (size_t t = 0; t < record_type_count; ++t) {
            const char *before = t == 0 ? "" : t + 1 < record_type_count ? ", " : " or ";
            used += static_cast<size_t>(
                snprintf(words + used, sizeof words - used, "%s%c", before, NAACCR_RECORD_TYPES[t]));
        }
        return true;
    }();
    (void)made;
    return words;
}

int name_index(const char *const *names, size_t count, const char *word)
{
    for (size_t k = 0; k < count; ++k)
        if (strcmp(word, names[k]) == 0)
            return static_cast<int>(k);
    return -1;
}
