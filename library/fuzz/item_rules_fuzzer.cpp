// item_rules_fuzzer.cpp -- libFuzzer target for the item checks: a record of
// any bytes and length walked by a flat dictionary, and the same bytes as an
// XML value of items of every kind.  Each call gets a copy of exactly the size
// it may read, so AddressSanitizer reports any read outside it; every problem
// must point into the record and name a column of its item.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "items/items.h"

namespace
{

struct Walk {
    const unsigned char *record;
    size_t length;
};

int32_t inspect(void *context, const NaaccrItemProblem *p)
{
    const Walk &w = *static_cast<const Walk *>(context);
    const unsigned char *value = reinterpret_cast<const unsigned char *>(p->value);
    if (value < w.record || value + p->value_length > w.record + w.length)
        abort();
    if (p->column < p->item_start || p->column > p->item_start + p->item_length || p->message == nullptr ||
        strlen(p->message) > 255)
        abort();
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const NaaccrDictionary &dictionary = naaccr_dictionaries[data[0] % 4];
    const char type = "AMCI"[data[1] % 4];
    data += 2;
    size -= 2;

    unsigned char *copy = static_cast<unsigned char *>(malloc(size > 0 ? size : 1));
    memcpy(copy, data, size);
    Walk walk = {copy, size};
    ItemProblemSink sink = {inspect, &walk};
    uint64_t items = 0;
    check_record_items(dictionary, type, copy, size, 1, 0, &sink, &items);

    // The bytes as an XML value and as a field of every item of a later version.
    const NaaccrDictionary &later = naaccr_dictionaries[naaccr_dictionary_count - 1];
    for (size_t i = 0; i < later.count; i += 7) {
        ItemFault fault;
        if (check_item_value(later.items[i], copy, size, ITEM_XML_TEXT, &fault) != 0 && fault.position > size)
            abort();
        if (check_item_value(later.items[i], copy, size, ITEM_FIELD, &fault) != 0 && fault.position > size)
            abort();
    }
    free(copy);
    return 0;
}
