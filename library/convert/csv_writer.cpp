// csv_writer.cpp -- tumours written as CSV (RFC 4180, UTF-8): a header of
// naaccrIds, then one row per tumour with its file's, its patient's and its
// own items in the columns chosen.  An item given at two levels is written
// as its innermost level gives it.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "convert/convert.h"

namespace
{

// Appends the column of `index` unless it is there already.
bool add_column(CsvColumns *columns, size_t index)
{
    if (columns->column_of[index] >= 0)
        return true;
    columns->column_of[index] = static_cast<int32_t>(columns->count);
    columns->items[columns->count++] = static_cast<uint16_t>(index);
    return true;
}

bool allocate_columns(const NaaccrDictionary &dictionary, const CsvChoice &choice, CsvColumns *columns)
{
    memset(columns, 0, sizeof *columns);
    columns->dictionary = &dictionary;
    columns->user = choice.user;
    columns->user_count = choice.user != nullptr ? choice.user_count : 0;
    const size_t n = dictionary.count + columns->user_count;
    columns->items = static_cast<uint16_t *>(malloc(n * sizeof(uint16_t)));
    columns->column_of = static_cast<int32_t *>(malloc(n * sizeof(int32_t)));
    columns->without_column = static_cast<uint8_t *>(calloc(n, 1));
    columns->values = static_cast<const char **>(malloc(n * sizeof(const char *)));
    columns->lengths = static_cast<uint32_t *>(malloc(n * sizeof(uint32_t)));
    if (columns->items == nullptr || columns->column_of == nullptr || columns->without_column == nullptr ||
        columns->values == nullptr || columns->lengths == nullptr)
        return false;
    for (size_t i = 0; i < n; ++i)
        columns->column_of[i] = -1;
    return true;
}

const NaaccrItemDef &item_at(const CsvColumns &columns, size_t index)
{
    const NaaccrDictionary &dictionary = *columns.dictionary;
    return index < dictionary.count ? dictionary.items[index] : columns.user[index - dictionary.count];
}

// The index of `item`, or -1 when it is neither the dictionary's nor a user item.
ptrdiff_t index_of(const CsvColumns &columns, const NaaccrItemDef *item)
{
    const NaaccrDictionary &dictionary = *columns.dictionary;
    if (item >= dictionary.items && item < dictionary.items + dictionary.count)
        return item - dictionary.items;
    if (columns.user_count > 0 && item >= columns.user && item < columns.user + columns.user_count)
        return static_cast<ptrdiff_t>(dictionary.count) + (item - columns.user);
    return -1;
}

// The item whose naaccrId is `id` (`n` bytes): the dictionary's, or a user item.
const NaaccrItemDef *find_column_item(const CsvColumns &columns, const char *id, size_t n)
{
    const NaaccrItemDef *item = find_item_by_id(*columns.dictionary, id, n);
    for (size_t k = 0; item == nullptr && k < columns.user_count; ++k)
        if (strlen(columns.user[k].id) == n && memcmp(columns.user[k].id, id, n) == 0)
            item = &columns.user[k];
    return item;
}

// The values RFC 4180 wants quoted: those with a comma, a quote or a line end.
void put_field(OutputBuffer *out, const char *value, size_t n)
{
    bool quoted = false;
    for (size_t i = 0; i < n; ++i) {
        const char c = value[i];
        quoted |= c == ',' || c == '"' || c == '\n' || c == '\r';
    }
    if (!quoted) {
        put_bytes(out, value, n);
        return;
    }
    put_byte(out, '"');
    size_t plain = 0;
    for (size_t i = 0; i < n; ++i)
        if (value[i] == '"') {
            put_bytes(out, value + plain, i + 1 - plain); // the quote, then its double
            plain = i;
        }
    put_bytes(out, value + plain, n - plain);
    put_byte(out, '"');
}

void end_line(WriterContext *context) { put_text(&context->out, context->lf ? "\n" : "\r\n"); }

} // namespace

bool make_csv_columns(const NaaccrDictionary &dictionary, const CsvChoice &choice, CsvColumns *columns, char *unknown,
                      size_t capacity)
{
    unknown[0] = '\0';
    if (!allocate_columns(dictionary, choice, columns)) {
        snprintf(unknown, capacity, "(no memory)");
        return false;
    }
    columns->chosen = choice.ids != nullptr;
    if (choice.ids == nullptr) {
        const uint8_t bit = choice.every_type ? 0xFF : item_record_type_bit(choice.type);
        for (size_t i = 0; i < dictionary.count; ++i)
            if (dictionary.items[i].grouped == 0 && (dictionary.items[i].record_types & bit) != 0)
                add_column(columns, i);
        for (size_t k = 0; choice.every_type && k < columns->user_count; ++k)
            add_column(columns, dictionary.count + k);
        return true;
    }
    for (const char *at = choice.ids; *at != '\0';) {
        const char *end = strchr(at, ',');
        const size_t n = end != nullptr ? static_cast<size_t>(end - at) : strlen(at);
        const NaaccrItemDef *item = find_column_item(*columns, at, n);
        if (item == nullptr) {
            snprintf(unknown, capacity, "%.*s", static_cast<int>(n < 64 ? n : 64), at);
            return false;
        }
        add_column(columns, static_cast<size_t>(index_of(*columns, item)));
        at += n;
        if (*at == ',')
            ++at;
    }
    return true;
}

void free_csv_columns(CsvColumns *columns)
{
    free(columns->items);
    free(columns->column_of);
    free(columns->without_column);
    free(columns->values);
    free(columns->lengths);
    memset(columns, 0, sizeof *columns);
}

void write_csv_header(WriterContext *context, const NaaccrDictionary &, const CsvColumns &columns)
{
    for (size_t c = 0; c < columns.count; ++c) {
        if (c > 0)
            put_bytes(&context->out, ",", 1);
        put_text(&context->out, item_at(columns, columns.items[c]).id);
    }
    end_line(context);
}

int32_t write_csv_tumor(WriterContext *context, const NaaccrDictionary &, CsvColumns &columns,
                        const NaaccrTumorView &view)
{
    for (size_t c = 0; c < columns.count; ++c)
        columns.values[c] = nullptr;
    // Levels from the file's inwards: the innermost value of an item is the one written.
    for (int level = 0; level < 3; ++level)
        for (uint32_t i = 0; i < view.counts[level]; ++i) {
            const NaaccrItemValue &value = view.items[level][i];
            const ptrdiff_t index = index_of(columns, value.item);
            if (index < 0)
                continue; // no item of this file's dictionaries: the reader hands over none such
            if (columns.column_of[index] < 0 && columns.chosen) {
                // Not asked for: counted, neither listed nor refused.
                columns.items_without_column += columns.without_column[index] == 0 ? 1 : 0;
                columns.without_column[index] = 1;
                continue;
            }
            if (columns.column_of[index] < 0) {
                // The default columns lack only grouped items, which a file should not give.
                const NaaccrItemDef &item = *value.item;
                ++context->left_out;
                context->refused = context->refused || !context->lossy;
                if (writer_problem(context, NAACCR_CHECK_NOT_WRITABLE, &view, &item,
                                   "%s (item %d) is a grouped item: CSV has no column for it.", item.name,
                                   item.number) != 0)
                    return 1;
                continue;
            }
            const int32_t c = columns.column_of[index];
            columns.values[c] = value.value;
            columns.lengths[c] = value.length;
        }
    if (context->refused)
        return 0; // the output is not to be used: no need to write it
    for (size_t c = 0; c < columns.count; ++c) {
        if (c > 0)
            put_byte(&context->out, ',');
        if (columns.values[c] != nullptr)
            put_field(&context->out, columns.values[c], columns.lengths[c]);
    }
    end_line(context);
    ++context->written;
    return context->out.failed ? 1 : 0;
}
