// item_index.cpp -- naaccrId lookups by hash and linear probing: a
// binary search of the sorted ids cost a NAACCR XML check a tenth of its time.
#include "items/items.h"

#include <string.h>

namespace
{

// From the length and the first and last eight bytes: ids differ there.
size_t hash_id(const char *id, size_t n)
{
    uint64_t head = 0, tail = 0;
    if (n >= 8) {
        memcpy(&head, id, 8);
        memcpy(&tail, id + n - 8, 8);
    } else {
        for (size_t i = 0; i < n; ++i)
            head |= static_cast<uint64_t>(static_cast<unsigned char>(id[i])) << (8 * i);
    }
    const uint64_t h = (head * 0x9E3779B97F4A7C15u) ^ (tail + n);
    return static_cast<size_t>((h * 0xC2B2AE3D27D4EB4Fu) >> 51) & (item_index_slots - 1);
}

uint64_t word_at(const char *bytes, size_t at)
{
    uint64_t word;
    memcpy(&word, bytes + at, 8);
    return word;
}

// True when `own` starts with the `n` bytes of `id`: both hold at least `n`.
// Ids of 8 to 32 bytes, the most, are compared as four words (the last ones
// overlapping), without a loop whose length changes from id to id.
bool same_bytes(const char *own, const char *id, size_t n)
{
    if (n >= 8 && n <= 32) {
        uint64_t differ = 0;
        for (size_t k = 0; k < 4; ++k) {
            const size_t at = 8 * k < n - 8 ? 8 * k : n - 8;
            differ |= word_at(own, at) ^ word_at(id, at);
        }
        return differ == 0;
    }
    for (size_t i = 0; i < n; ++i)
        if (own[i] != id[i])
            return false;
    return true;
}

const NaaccrItemDef *item_at(const ItemIndex &index, size_t place)
{
    return place < index.base_count ? &index.base[place] : &index.user[place - index.base_count];
}

void add(ItemIndex *index, size_t place)
{
    const char *id = item_at(*index, place)->id;
    const size_t n = strlen(id);
    index->id_length[place] = static_cast<uint8_t>(n < 256 ? n : 0);
    for (size_t s = hash_id(id, n);; s = (s + 1) & (item_index_slots - 1)) {
        if (index->slot[s] == 0) {
            index->slot[s] = static_cast<uint16_t>(place + 1);
            return;
        }
        if (strcmp(item_at(*index, index->slot[s] - 1u)->id, id) == 0)
            return;
    }
}

} // namespace

void build_item_index(ItemIndex *index, const NaaccrDictionary &dictionary, const NaaccrItemDef *user,
                      size_t user_count)
{
    memset(index->slot, 0, sizeof index->slot);
    memset(index->next, 0, sizeof index->next);
    index->last = 0;
    index->base = dictionary.items;
    index->base_count = dictionary.count;
    index->user = user;
    index->user_count = user_count;
    const size_t total = dictionary.count + user_count;
    for (size_t place = 0; place < total && place < item_index_most; ++place)
        add(index, place);
}

const NaaccrItemDef *find_indexed_item(const ItemIndex &index, const char *id, size_t n)
{
    if (n == 0 || n > 255)
        return nullptr;
    for (size_t s = hash_id(id, n); index.slot[s] != 0; s = (s + 1) & (item_index_slots - 1)) {
        const size_t place = index.slot[s] - 1u;
        if (index.id_length[place] != n)
            continue;
        const NaaccrItemDef *item = item_at(index, place);
        if (same_bytes(item->id, id, n))
            return item;
    }
    return nullptr;
}

const NaaccrItemDef *find_next_item(ItemIndex *index, const char *id, size_t n)
{
    const size_t guess = index->next[index->last];
    if (guess != 0 && index->id_length[guess - 1] == n) {
        const NaaccrItemDef *item = item_at(*index, guess - 1);
        if (same_bytes(item->id, id, n)) {
            index->last = guess;
            return item;
        }
    }
    const NaaccrItemDef *item = find_indexed_item(*index, id, n);
    if (item != nullptr) {
        const size_t place = item >= index->base && item < index->base + index->base_count
                                 ? static_cast<size_t>(item - index->base)
                                 : index->base_count + static_cast<size_t>(item - index->user);
        index->next[index->last] = static_cast<uint16_t>(place + 1);
        index->last = place + 1;
    }
    return item;
}
