// xml_places.cpp -- where each Item's start tag stands, told only when a
// problem needs it.  Asking expat for the line and column at every Item made
// it count them in millions of short runs, a tenth of the check's time.  So
// an Item's place is counted back from expat's place over the bytes expat
// still holds, or, where a line ends among them, on from the place expat
// told after the last block (the anchor).  Until the first anchor, and for
// encodings of more than one byte a unit, expat is asked every time.
#include <string.h>
#include <strings.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

// How a byte counts in a column, by encoding; 0: expat counts them.
int counting_of(const char *encoding, bool byte_order_mark)
{
    if (encoding == nullptr || strcasecmp(encoding, "UTF-8") == 0 || strcasecmp(encoding, "US-ASCII") == 0)
        return XML_COUNT_UTF8;
    if (byte_order_mark)
        return 0;
    if (strcasecmp(encoding, "ISO-8859-1") == 0 || strcasecmp(encoding, "windows-1252") == 0)
        return XML_COUNT_BYTES;
    return 0;
}

// The bytes from stream offset `from` to `to` while expat still holds them;
// false when it does not.
bool held_bytes(const XmlCheck *check, int64_t from, int64_t to, const unsigned char **begin, const unsigned char **end)
{
    int offset = 0, size = 0;
    const char *buffer = XML_GetInputContext(check->run.parser, &offset, &size);
    if (buffer == nullptr || XML_GetCurrentByteIndex(check->run.parser) < 0 || offset < 0 || size < offset)
        return false;
    const int64_t now = current_offset(check);
    const int64_t first = now - offset; // the stream offset of buffer[0]
    if (from < first || to < from || to > first + size)
        return false;
    *begin = reinterpret_cast<const unsigned char *>(buffer) + (from - first);
    *end = reinterpret_cast<const unsigned char *>(buffer) + (to - first);
    return true;
}

// The place of `to` counted back from expat's place when no line ends
// between them (an Item's text seldom holds one); false otherwise.
bool count_back(XmlCheck *check, int64_t to, XmlPlace *place)
{
    const XmlPlace now = current_place(check);
    const unsigned char *p, *end;
    if (!held_bytes(check, to, now.offset, &p, &end))
        return false;
    int64_t characters = 0;
    const bool utf8 = check->places.counting == XML_COUNT_UTF8;
    for (; p < end; ++p) {
        if (*p == '\n' || *p == '\r')
            return false;
        characters += !utf8 || starts_utf8_character(*p);
    }
    *place = {now.line, static_cast<int32_t>(now.column - characters), to};
    return true;
}

// Counts the place of `to` on from the anchor over the bytes expat holds;
// false when they are not all there.
bool count_place(XmlCheck *check, int64_t to, XmlPlace *place)
{
    const XmlPlace &from = check->places.anchor;
    const unsigned char *p, *end;
    if (!held_bytes(check, from.offset, to, &p, &end))
        return false;
    uint64_t line = from.line;
    int64_t column = from.column;
    const bool utf8 = check->places.counting == XML_COUNT_UTF8;
    for (; p < end; ++p) {
        const unsigned char c = *p;
        if (c == '\n' || c == '\r') {
            ++line;
            column = 1;
            if (c == '\r' && p + 1 < end && p[1] == '\n')
                ++p;
        } else if (!utf8 || starts_utf8_character(c)) {
            ++column; // a UTF-8 character counts at its first byte
        }
    }
    place->line = line;
    place->column = static_cast<int32_t>(column);
    place->offset = to;
    return true;
}

} // namespace

void note_first_bytes(XmlCheck *check, const unsigned char *head, size_t n)
{
    memcpy(check->places.first_bytes, head,
           n < sizeof check->places.first_bytes ? n : sizeof check->places.first_bytes);
}

void note_encoding(XmlCheck *check, const char *encoding)
{
    const unsigned char *b = check->places.first_bytes;
    const size_t n = sizeof check->places.first_bytes;
    const bool utf16 = utf16_order(b, n) != NOT_UTF16;
    check->places.counting = utf16 ? 0 : counting_of(encoding, byte_order_mark_length(b, n) != 0);
    check->places.encoding_noted = true;
}

void start_item_place(XmlCheck *check)
{
    XmlPlaces &places = check->places;
    places.item_placed = false;
    // The fast path knows every event's place at once.
    if (check->run.fast != nullptr) {
        places.item = check->run.event;
        places.item_placed = true;
        return;
    }
    if (!check->places.anchored) {
        places.item = current_place(check);
        places.item_placed = true;
        return;
    }
    places.item.offset = current_offset(check);
}

void place_item(XmlCheck *check, bool at_start_tag)
{
    XmlPlaces &places = check->places;
    if (places.item_placed)
        return;
    places.item_placed = true;
    if (!at_start_tag && count_back(check, places.item.offset, &places.item))
        return;
    if (!at_start_tag && count_place(check, places.item.offset, &places.item)) {
        check->places.anchor = places.item; // later Items count on from here
        return;
    }
    // At its start tag expat's place is the Item's; otherwise (never, while
    // the anchor is kept where expat holds the bytes) the nearest one known.
    const int64_t offset = places.item.offset;
    places.item = current_place(check);
    if (!at_start_tag)
        places.item.offset = offset;
}

void settle_places(XmlCheck *check)
{
    if (check->items.in_item)
        place_item(check, false);
    if (!check->places.encoding_noted)
        note_encoding(check, nullptr); // no declaration: UTF-8, or UTF-16 by its first bytes
    int offset = 0;
    check->places.anchored = false;
    if (check->places.counting == 0 || XML_GetInputContext(check->run.parser, &offset, nullptr) == nullptr ||
        XML_GetCurrentByteIndex(check->run.parser) < 0)
        return;
    check->places.anchor = current_place(check);
    check->places.anchored = true;
}

void take_places(XmlCheck *to, const XmlCheck *from)
{
    to->places = from->places;
    to->places.anchored = false;
    to->places.item_placed = false;
}

bool starts_line(const XmlCheck *check, const XmlPlace &place)
{
    // The column counts the characters before it on its line: when they are
    // all blanks or tabs, they are that many bytes.
    const int64_t n = static_cast<int64_t>(place.column) - 1;
    if (n < 0 || n > 4096)
        return false;
    const unsigned char *p = nullptr, *end = nullptr;
    if (check->run.fast != nullptr) {
        p = fast_bytes_before(check->run.fast, place.offset, static_cast<size_t>(n));
        end = p != nullptr ? p + n : nullptr;
    } else if (!held_bytes(check, place.offset - n, place.offset, &p, &end)) {
        p = nullptr;
    }
    if (p == nullptr)
        return false;
    for (; p < end; ++p)
        if (*p != ' ' && *p != '\t')
            return false;
    return true;
}
