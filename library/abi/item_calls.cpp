// item_calls.cpp -- cvGetNaaccrItemCount, cvGetNaaccrItem and
// cvFindNaaccrItem: the items of a version's dictionary; and
// cvGetNaaccrItemCodes: an item's allowed codes.
#include <string.h>

#include "codes/codes.h"
#include "cvnaaccr.h"
#include "items/items.h"

int32_t CV_CALL cvGetNaaccrItemCount(int32_t version)
{
    const NaaccrDictionary *dictionary = find_dictionary(version);
    return dictionary != nullptr ? static_cast<int32_t>(dictionary->count) : 0;
}

int32_t CV_CALL cvGetNaaccrItem(int32_t version, int32_t index, NaaccrItemDef *item)
{
    const NaaccrDictionary *dictionary = find_dictionary(version);
    if (dictionary == nullptr)
        return NAACCR_REC_BAD_VERSION;
    if (item == nullptr || index < 0 || static_cast<size_t>(index) >= dictionary->count)
        return NAACCR_REC_BAD_ARGUMENT;
    *item = dictionary->items[index];
    return NAACCR_REC_OK;
}

int32_t CV_CALL cvFindNaaccrItem(int32_t version, int32_t number, const char *id)
{
    const NaaccrDictionary *dictionary = find_dictionary(version);
    if (dictionary == nullptr)
        return -1;
    const NaaccrItemDef *item = nullptr;
    if (number > 0)
        item = find_item_by_number(*dictionary, number);
    else if (id != nullptr)
        item = find_item_by_id(*dictionary, id, strlen(id));
    return item != nullptr ? static_cast<int32_t>(item - dictionary->items) : -1;
}

int32_t CV_CALL cvGetNaaccrItemCodes(int32_t version, int32_t number, NaaccrItemCode *codes, uint32_t capacity)
{
    return copy_item_codes(version, number, codes, codes != nullptr ? capacity : 0);
}
