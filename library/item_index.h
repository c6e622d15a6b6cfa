// item_index.h -- a hash index from naaccrId to item over one dictionary and
// the user items loaded beside it, for a reader that looks an id up for every
// Item element of a file.
#ifndef ITEM_INDEX_H
#define ITEM_INDEX_H

#include <stddef.h>
#include <stdint.h>

#include "dictionary.h"

// Slots of the open-addressing table: at least twice the items it may hold.
const size_t item_index_slots = 8192;
const size_t item_index_most = item_index_slots / 2;

struct ItemIndex {
    const NaaccrItemDef *base, *user;
    size_t base_count, user_count;
    uint16_t slot[item_index_slots];    // 0: empty; else 1 + the item's place (base items, then user items)
    uint8_t id_length[item_index_most]; // by place; 0 for an id of 256 bytes or more
};

// Indexes `dictionary`'s items and `user_count` user items (at most
// item_index_most in all; any beyond are not indexed).  An id given twice
// finds its first item.
void build_item_index(ItemIndex *index, const NaaccrDictionary &dictionary, const NaaccrItemDef *user,
                      size_t user_count);
// The item with naaccrId `id` (`n` bytes, not NUL-terminated), or null.
const NaaccrItemDef *find_indexed_item(const ItemIndex &index, const char *id, size_t n);

#endif
