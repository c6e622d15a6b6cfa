// dictionary.cpp -- finding a version's dictionary and its items.
#include "items/items.h"

#include <string.h>

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

uint8_t item_record_type_bit(char type)
{
    switch (type) {
    case 'A':
        return NAACCR_ITEM_IN_A;
    case 'M':
        return NAACCR_ITEM_IN_M;
    case 'C':
        return NAACCR_ITEM_IN_C;
    case 'I':
        return NAACCR_ITEM_IN_I;
    default:
        return 0;
    }
}
