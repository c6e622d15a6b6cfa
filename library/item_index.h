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
    // Files give their items in much the same order in every element: the
    // item that followed each item last time (1 + its place; 0: none yet).
    uint16_t next[item_index_most + 1];
    size_t last; // 1 + the place of the item found last; 0: none
};

// Indexes `dictionary`'s items and `user_count` user items (at most
// item_index_most in all; any beyond are not indexed).  An id given twice
// finds its first item.
void build_item_index(ItemIndex *index, const NaaccrDictionary &dictionary, const NaaccrItemDef *user,
                      size_t user_count);
// The item with naaccrId `id` (`n` bytes, not NUL-terminated), or null.
const NaaccrItemDef *find_indexed_item(const ItemIndex &index, const char *id, size_t n);
// The same for the next item of a file: the item that followed the last one
// found before is tried first.
const NaaccrItemDef *find_next_item(ItemIndex *index, const char *id, size_t n);

#endif
