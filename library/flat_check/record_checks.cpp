// record_checks.cpp -- the checks of one record against the plan: its length,
// its head (type and version code), its bytes, its checksum field and its
// terminator.  Each adds what it finds; none reads past the record.
#include <inttypes.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "base/base.h"
#include "platform/platform.h"
#include "flat/flat.h"
#include "flat_check/record_run.h"
#include "items/items.h"

namespace
{

// A byte as a message shows it: itself when printable, a blank in quotes and
// named (it would not be seen), else its value.
const char *shown(unsigned char c, char *text, size_t capacity)
{
    if (c == ' ')
        snprintf(text, capacity, "\" \" (blank)");
    else
        snprintf(text, capacity, is_printable(c) ? "%c" : "byte 0x%02X", c);
    return text;
}

// ", in addrAtDxCity (item 70, columns 74-123)": the item of the reference's
// type and version whose columns hold `column`; "" when there is none.
const char *item_holding(const CheckPlan &plan, uint64_t column, char *text, size_t capacity)
{
    text[0] = '\0';
    const NaaccrDictionary *dictionary = layout_dictionary(plan.layout, plan.version);
    const NaaccrItemDef *item =
        dictionary != nullptr && column <= INT32_MAX
            ? item_at_column(*dictionary, static_cast<char>(plan.type), static_cast<int32_t>(column))
            : nullptr;
    if (item != nullptr)
        snprintf(text, capacity, ", in %s (item %d, columns %d-%d)", item->id, item->number, item->start_column,
                 item->start_column + item->length - 1);
    return text;
}

const char *terminator_text(const unsigned char *bytes, int n)
{
    if (n == 0)
        return "no terminator";
    if (n == 2)
        return bytes[0] == '\r' ? "<cr><lf>" : "<lf><cr>";
    return bytes[0] == '\r' ? "<cr>" : "<lf>";
}

} // namespace

void add_problem(Found &found, uint64_t number, int64_t offset, uint64_t column, int32_t code, const char *format, ...)
{
    found.mask |= 1u << code;
    if (found.count == static_cast<int>(sizeof found.items / sizeof found.items[0]))
        return;
    NaaccrProblem &p = found.items[found.count++];
    memset(&p, 0, sizeof p); // no stale bytes after the message's NUL
    p.record = number;
    p.offset = offset;
    p.column = column > INT32_MAX ? INT32_MAX : static_cast<int32_t>(column);
    p.code = code;
    va_list args;
    va_start(args, format);
    vsnprintf(p.message, sizeof p.message, format, args);
    va_end(args);
}

void start_scan(Scan &scan, int64_t offset)
{
    memset(&scan, 0, sizeof scan);
    scan.offset = offset;
}

void note_byte(Scan &scan, unsigned char c, uint64_t column, bool split, int width)
{
    if (split) {
        if (scan.split_column == 0) {
            scan.split_column = column;
            scan.split_byte = c;
            scan.split_width = width;
        }
        return;
    }
    if (scan.illegal_count++ == 0) {
        scan.illegal_column = column;
        scan.illegal_byte = c;
    }
}

const NaaccrLayout *own_layout(const CheckPlan &plan, const unsigned char *bytes, uint64_t length)
{
    if (plan.layout != nullptr && length >= static_cast<uint64_t>(plan.version_column + plan.version_width - 1) &&
        bytes[0] == plan.type &&
        memcmp(bytes + plan.version_column - 1, plan.version, static_cast<size_t>(plan.version_width)) == 0 &&
        (!plan.layout->needs_blank_536 || (length >= 536 && bytes[535] == ' ')))
        return plan.layout;
    return match_naaccr_layout(reinterpret_cast<const char *>(bytes), static_cast<size_t>(length), nullptr);
}

void check_length(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, uint64_t number, Found &found)
{
    const int64_t offset = scan.offset;
    const uint64_t length = end.length;
    const bool partial = end.ending == ENDED_AT_FILE_END && length != plan.reference;
    // The first record's own length is held against its layout; any other's,
    // and the first's when it is not of the reference's layout, against the reference.
    const bool first_of_layout = scan.offset == plan.data_start && plan.layout != nullptr && end.bytes != nullptr &&
                                 length > 0 && own_layout(plan, end.bytes, length) == plan.layout;
    if (partial)
        add_problem(found, number, offset, 0, NAACCR_CHECK_PARTIAL_RECORD,
                    "The file ends inside a record, after %" PRIu64 " of its %u characters.", length, plan.reference);
    else if (length == 0)
        add_problem(found, number, offset, 0, NAACCR_CHECK_RECORD_LENGTH, "An empty record: no character before %s.",
                    terminator_text(end.terminator, end.term));
    else if (first_of_layout && length != static_cast<uint64_t>(plan.layout->length))
        add_problem(found, number, offset, 0, NAACCR_CHECK_LAYOUT_LENGTH,
                    "The first record has %" PRIu64 " characters; its layout (type %c, version %.*s) has %d.", length,
                    plan.type, plan.layout->version_width, reinterpret_cast<const char *>(plan.version),
                    plan.layout->length);
    else if (length != plan.reference)
        add_problem(found, number, offset, 0, NAACCR_CHECK_RECORD_LENGTH,
                    "Record length %" PRIu64 " differs from the reference record's %u.", length, plan.reference);
    if (end.ending == ENDED_AT_FILE_END && !partial && plan.nterm != 0)
        add_problem(found, number, offset, 0, NAACCR_CHECK_TERMINATOR_OMITTED, "%s terminators omitted at end of file.",
                    terminator_text(plan.form, plan.nterm));
}

void check_head(const CheckPlan &plan, const unsigned char *bytes, uint64_t length, bool first, uint64_t number,
                int64_t offset, Found &found)
{
    char a[16], b[16];
    if (length == 0)
        return;
    const unsigned char type = bytes[0];
    const bool known = is_naaccr_record_type(static_cast<char>(type));
    if (!known)
        add_problem(found, number, offset, 1, NAACCR_CHECK_RECORD_TYPE, "Invalid NAACCR Record Type %s.",
                    shown(type, a, sizeof a));
    else if (type != plan.type)
        add_problem(found, number, offset, 1, NAACCR_CHECK_RECORD_TYPE,
                    "Record Type %s differs from the reference record's %s.", shown(type, a, sizeof a),
                    shown(plan.type, b, sizeof b));

    // The first record's version code is judged by its own type; every
    // record's is then held against the reference's.
    if (first && known && match_naaccr_layout(reinterpret_cast<const char *>(bytes), length, nullptr) == nullptr) {
        add_problem(found, number, offset, static_cast<uint64_t>(unknown_version_column(static_cast<char>(type))),
                    NAACCR_CHECK_VERSION, "Invalid NAACCR Version code for Record Type %c.", type);
        return;
    }
    if (plan.version_width == 0)
        return;
    const uint64_t column = static_cast<uint64_t>(plan.version_column);
    const size_t width = static_cast<size_t>(plan.version_width);
    if (length < column - 1 + width)
        return;
    if (memcmp(bytes + column - 1, plan.version, width) != 0) {
        char have[40], want[40];
        add_problem(found, number, offset, column, NAACCR_CHECK_VERSION,
                    "Version code %s differs from the reference record's %s.",
                    quoted_bytes(bytes + column - 1, width, have, sizeof have),
                    quoted_bytes(plan.version, width, want, sizeof want));
    }
}

void check_bytes(const CheckPlan &plan, const Scan &scan, uint64_t number, Found &found)
{
    const int64_t offset = scan.offset;
    // Illegal bytes and a split, in column order.
    const bool split_first =
        scan.split_column != 0 && (scan.illegal_count == 0 || scan.split_column < scan.illegal_column);
    for (int k = 0; k < 2; ++k) {
        const bool split_turn = (k == 0) == split_first;
        if (split_turn && scan.split_column != 0) {
            const char *what = scan.split_width == 2 ? (scan.split_byte == '\r' ? "CR LF" : "LF CR")
                                                     : (scan.split_byte == '\r' ? "CR" : "LF");
            add_problem(found, number, offset, scan.split_column, NAACCR_CHECK_SPLIT_RECORD,
                        scan.joined ? "The file's terminator %s at column %" PRIu64 " splits the record in two."
                                    : "A lone %s at column %" PRIu64 " splits the record.",
                        what, scan.split_column);
        }
        if (!split_turn && scan.illegal_count > 0) {
            char item[128], count[64] = "";
            if (scan.illegal_count > 1)
                snprintf(count, sizeof count, " (%" PRIu64 " illegal bytes in this record)", scan.illegal_count);
            add_problem(found, number, offset, scan.illegal_column, NAACCR_CHECK_ILLEGAL_BYTE,
                        "Illegal byte 0x%02X at column %" PRIu64 "%s%s.", scan.illegal_byte, scan.illegal_column,
                        item_holding(plan, scan.illegal_column, item, sizeof item), count);
        }
    }
}

bool check_checksum(const Scan &scan, const RecordEnd &end, uint32_t column, uint64_t number, Found &found)
{
    const int64_t offset = scan.offset;
    const uint32_t width = naaccr_checksum_width;
    if (end.length < column + width - 1) {
        add_problem(found, number, offset, column, NAACCR_CHECK_CHECKSUM_CUT,
                    "The record ends before the end of its checksum field (columns %u to %u).", column,
                    column + width - 1);
        return false;
    }
    const unsigned char *field = end.bytes != nullptr ? end.bytes + column - 1 : scan.streamed.field[0];
    if (all_blank(field, width)) {
        add_problem(found, number, offset, column, NAACCR_CHECK_CHECKSUM_BLANK, "The checksum field is blank.");
        return false;
    }
    uint32_t value = 0;
    if (end.bytes != nullptr) {
        const char *record = reinterpret_cast<const char *>(end.bytes);
        const uint32_t n = static_cast<uint32_t>(end.length);
        if (naaccr_checksum_matches(record, n, column))
            return true;
        value = check_field_value(record, n, column, width);
    } else {
        for (int k = 0; k < scan.streamed.fields; ++k)
            if (checksum_field_holds(scan.streamed.field[k], ~scan.streamed.state[k]))
                return true;
        value = ~scan.streamed.state[0];
    }
    char a[40];
    add_problem(found, number, offset, column, NAACCR_CHECK_CHECKSUM_MISMATCH,
                "The checksum field holds %s; the record's checksum is \"00%08X\".",
                quoted_bytes(field, width, a, sizeof a), value);
    return false;
}

void check_terminator(const CheckPlan &plan, const Scan &scan, const RecordEnd &end, uint64_t number, Found &found)
{
    if (end.ending != ENDED_BY_OTHER_FORM)
        return;
    char b[16];
    snprintf(b, sizeof b, "%s", terminator_text(plan.form, plan.nterm));
    add_problem(found, number, scan.offset, end.length + 1, NAACCR_CHECK_TERMINATOR_FORM,
                "The record ends in %s, not in %s as the reference record does.",
                terminator_text(end.terminator, end.term), b);
}

void hold_long_record(const CheckPlan &plan, Scan &scan, const unsigned char *head, size_t n, uint64_t number)
{
    scan.long_record = true;
    check_head(plan, head, n, scan.offset == plan.data_start, number, scan.offset, scan.head);
    name_long_record(plan, scan, head, n);
    const NaaccrLayout *layout = own_layout(plan, head, n);
    scan.checksum_column = layout != nullptr ? layout->checksum_column : 0;
    if (!plan.checksums || scan.checksum_column == 0)
        return;
    const uint32_t columns[2] = {scan.checksum_column, earlier_checksum_column(scan.checksum_column)};
    for (int k = 0; k < 2 && columns[k] != 0; ++k) {
        // The record is longer than any field's end: the field lies in the head.
        const size_t before = columns[k] - 1, after = before + naaccr_checksum_width;
        StreamedChecksum &s = scan.streamed;
        s.column[k] = columns[k];
        memcpy(s.field[k], head + before, naaccr_checksum_width);
        s.state[k] = crc32_update(crc32_update(CRC32_PRESET, head, before), head + after, n - after);
        s.fields = k + 1;
    }
}

void feed_long_record(Scan &scan, const unsigned char *bytes, size_t n)
{
    for (int k = 0; k < scan.streamed.fields; ++k)
        scan.streamed.state[k] = crc32_update(scan.streamed.state[k], bytes, n);
}
