// csv_writer.cpp -- tumours written as CSV (RFC 4180, UTF-8): a header of
// naaccrIds, then one row per tumour with its file's, its patient's and its
// own items in the columns chosen.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "record_model.h"

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

bool allocate_columns(const NaaccrDictionary &dictionary, CsvColumns *columns)
{
    memset(columns, 0, sizeof *columns);
    columns->items = static_cast<uint16_t *>(malloc(dictionary.count * sizeof(uint16_t)));
    columns->column_of = static_cast<int32_t *>(malloc(dictionary.count * sizeof(int32_t)));
    columns->values = static_cast<const char **>(malloc(dictionary.count * sizeof(const char *)));
    columns->lengths = static_cast<uint32_t *>(malloc(dictionary.count * sizeof(uint32_t)));
    if (columns->items == nullptr || columns->column_of == nullptr || columns->values == nullptr ||
        columns->lengths == nullptr)
        return false;
    for (size_t i = 0; i < dictionary.count; ++i)
        columns->column_of[i] = -1;
    return true;
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

bool make_csv_columns(const NaaccrDictionary &dictionary, char type, const char *ids, CsvColumns *columns,
                      char *unknown, size_t capacity)
{
    unknown[0] = '\0';
    if (!allocate_columns(dictionary, columns)) {
        snprintf(unknown, capacity, "(no memory)");
        return false;
    }
    if (ids == nullptr) {
        const uint8_t bit = item_record_type_bit(type);
        for (size_t i = 0; i < dictionary.count; ++i)
            if (dictionary.items[i].grouped == 0 && (dictionary.items[i].record_types & bit) != 0)
                add_column(columns, i);
        return true;
    }
    for (const char *at = ids; *at != '\0';) {
        const char *end = strchr(at, ',');
        const size_t n = end != nullptr ? static_cast<size_t>(end - at) : strlen(at);
        const NaaccrItemDef *item = find_item_by_id(dictionary, at, n);
        if (item == nullptr) {
            snprintf(unknown, capacity, "%.*s", static_cast<int>(n < 64 ? n : 64), at);
            return false;
        }
        add_column(columns, static_cast<size_t>(item - dictionary.items));
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
    free(columns->values);
    free(columns->lengths);
    memset(columns, 0, sizeof *columns);
}

void write_csv_header(WriterContext *context, const NaaccrDictionary &dictionary, const CsvColumns &columns)
{
    for (size_t c = 0; c < columns.count; ++c) {
        if (c > 0)
            put_bytes(&context->out, ",", 1);
        put_text(&context->out, dictionary.items[columns.items[c]].id);
    }
    end_line(context);
}

int32_t write_csv_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const CsvColumns &columns,
                        const NaaccrTumorView &view)
{
    for (size_t c = 0; c < columns.count; ++c)
        columns.values[c] = nullptr;
    for (int level = 0; level < 3; ++level)
        for (uint32_t i = 0; i < view.counts[level]; ++i) {
            const NaaccrItemValue &value = view.items[level][i];
            const ptrdiff_t index = value.item - dictionary.items;
            if (index < 0 || static_cast<size_t>(index) >= dictionary.count || columns.column_of[index] < 0)
                continue;
            const int32_t c = columns.column_of[index];
            columns.values[c] = value.value;
            columns.lengths[c] = value.length;
        }
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
