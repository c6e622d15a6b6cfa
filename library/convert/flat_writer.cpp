// flat_writer.cpp -- tumours written as flat records: each item of the
// tumour, its patient and its file padded in its columns as its dictionary
// says, the rest blank, the checksum field assigned.  What a record cannot
// hold is a problem that refuses the file, or with lossy conversion is left
// out.
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "convert/convert.h"

namespace
{

// Why `value` cannot stand in a record of `type`, or null when it can.
const char *obstacle(const NaaccrItemValue &value, uint8_t type_bit)
{
    const NaaccrItemDef &item = *value.item;
    if (item.start_column <= 0)
        return "has no columns in a flat record";
    if ((item.record_types & type_bit) == 0 || item.grouped != 0)
        return "is not part of records of this type";
    if (value.length > static_cast<uint32_t>(item.length))
        return nullptr; // told with its length
    for (uint32_t i = 0; i < value.length; ++i)
        if (!is_printable(static_cast<unsigned char>(value.value[i])))
            return "holds a character a flat record cannot (only ASCII 32 to 126)";
    return nullptr;
}

void place(char *record, const NaaccrItemDef &item, const char *value, size_t n)
{
    char *field = record + item.start_column - 1;
    const size_t room = static_cast<size_t>(item.length);
    if (item.padding == NAACCR_PAD_LEFT_BLANK || item.padding == NAACCR_PAD_LEFT_ZERO) {
        memset(field, item.padding == NAACCR_PAD_LEFT_ZERO && item.trim_none == 0 ? '0' : ' ', room - n);
        memcpy(field + room - n, value, n);
    } else {
        memcpy(field, value, n);
        memset(field + n, item.padding == NAACCR_PAD_RIGHT_ZERO ? '0' : ' ', room - n);
    }
}

// Places the items of one level; non-zero when the conversion must stop.
int32_t place_level(WriterContext *context, const NaaccrTumorView &view, int level, size_t length)
{
    const uint8_t bit = item_record_type_bit(view.record_type);
    for (uint32_t i = 0; i < view.counts[level]; ++i) {
        const NaaccrItemValue &value = view.items[level][i];
        const NaaccrItemDef &item = *value.item;
        const char *why = obstacle(value, bit);
        const bool too_long = why == nullptr && value.length > static_cast<uint32_t>(item.length);
        const bool past_end =
            why == nullptr && !too_long && static_cast<size_t>(item.start_column - 1 + item.length) > length;
        if (why == nullptr && !too_long && !past_end) {
            place(context->record, item, value.value, value.length);
            continue;
        }
        ++context->left_out;
        if (!context->lossy)
            context->refused = true;
        const int32_t stop =
            too_long ? writer_problem(context, NAACCR_CHECK_ITEM_TOO_LONG, &view, &item,
                                      "%s (item %d): its value of %u characters is longer than the item's %d.",
                                      item.name, item.number, value.length, item.length)
                     : writer_problem(context, NAACCR_CHECK_NOT_WRITABLE, &view, &item, "%s (item %d) %s.", item.name,
                                      item.number, past_end ? "lies past the end of the record" : why);
        if (stop != 0)
            return stop;
    }
    return 0;
}

} // namespace

int32_t write_flat_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const NaaccrTumorView &view)
{
    const FlatPlan *plan = find_flat_plan(dictionary, view.record_type);
    if (plan == nullptr) {
        context->refused = true;
        return writer_problem(context, NAACCR_CHECK_NOT_WRITABLE, &view, nullptr,
                              "Version %d, record type '%c' has no flat record layout.", view.version,
                              view.record_type);
    }
    const size_t length = flat_record_length(*plan);
    memset(context->record, ' ', length);
    for (int level = 0; level < 3; ++level)
        if (place_level(context, view, level, length) != 0)
            return 1;
    if (context->refused)
        return 0; // the output is not to be used: no need to write it
    // NAACCR XML may give the record type and version on its root only.
    if (context->record[0] == ' ')
        context->record[0] = view.record_type;
    char *code = context->record + version_code_column - 1;
    if (all_blank(reinterpret_cast<const unsigned char *>(code), version_code_width))
        code_of_version(view.version, code);
    const NaaccrItemDef *checksum = find_item_by_number(dictionary, checksum_item);
    if (checksum != nullptr && checksum->start_column > 0)
        assign_check_field(context->record, static_cast<uint32_t>(length),
                           static_cast<uint32_t>(checksum->start_column), static_cast<uint32_t>(checksum->length));
    put_bytes(&context->out, context->record, length);
    put_text(&context->out, context->lf ? "\n" : "\r\n");
    ++context->written;
    return context->out.failed ? 1 : 0;
}
