// xml_fast.cpp -- the fast path: the body of a UTF-8 or US-ASCII NAACCR XML
// file read without expat, for the shape nearly every file has: elements
// whose names take no prefix (NaaccrData, Patient, Tumor, Item), attributes
// without one, text with the five predefined entities and character
// references, comments.  It checks everything XML's rules say of the text it
// takes (names, attribute quoting and uniqueness, references, UTF-8, the
// characters XML 1.0 allows, "]]>" in text, "--" in comments, end tags
// matching their start) and hands the same events expat would to the same
// handlers, each with its place.  At the first thing outside that shape, and
// at the root's end tag, it hands the file to expat from the start of that
// thing (resume_with_expat), so expat judges whatever it does not read and
// words every error.  Runs of text are found with skip_plain_text; the
// indent between tags is text like any other.
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

enum FastStep {
    FAST_ON,        // an event was handed over; read on
    FAST_MORE,      // more bytes are needed from `at` on
    FAST_HAND_BACK, // expat takes the file from `at` on
    FAST_HALTED,    // the check ended
};

// Names the fast path reads: ASCII letters, digits, '_', '-', '.' (a letter
// or '_' first).  A colon (a prefix) or any other byte is left to expat.
// Bits of the ASCII bytes 0 to 63 and 64 to 127 that may stand in a name.
const uint64_t name_bytes_low = 0x03FF600000000000u;  // '-', '.', '0' to '9'
const uint64_t name_bytes_high = 0x07FFFFFE87FFFFFEu; // 'A' to 'Z', '_', 'a' to 'z'

bool is_name_byte(unsigned char c)
{
    return c < 64 ? ((name_bytes_low >> c) & 1) != 0 : c < 128 && ((name_bytes_high >> (c - 64)) & 1) != 0;
}

bool starts_name(unsigned char c) { return c >= 64 && c < 128 && ((name_bytes_high >> (c - 64)) & 1) != 0; }

// Eight bytes as a little-endian word, the first byte lowest, whatever the
// processor's order.
const bool little_endian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

uint64_t word_at(const unsigned char *p)
{
    uint64_t word;
    memcpy(&word, p, sizeof word);
    return little_endian ? word : __builtin_bswap64(word);
}

// The length of the UTF-8 character at p (up to `n` bytes there) if XML
// allows it, as expat decides: no overlong form, no surrogate, nothing above
// U+10FFFF, not U+FFFE or U+FFFF.  0 when it is not allowed; -1 when the
// bytes end before it does.
int utf8_char(const unsigned char *p, size_t n)
{
    const unsigned char c = p[0];
    int length;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        length = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        length = 4;
    else
        return 0;
    for (int k = 1; k < length; ++k) {
        if (static_cast<size_t>(k) >= n)
            return -1;
        if ((p[k] & 0xC0) != 0x80)
            return 0;
    }
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F) || (c == 0xF0 && p[1] < 0x90) ||
        (c == 0xF4 && p[1] > 0x8F) || (c == 0xEF && p[1] == 0xBF && p[2] >= 0xBE))
        return 0;
    return length;
}

// A character XML 1.0 allows, given by a character reference.
bool is_xml_char(uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

size_t put_utf8(uint32_t c, char *out)
{
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

// The reference at p ('&', up to `n` bytes there): one of the five
// predefined entities or a character reference.  Puts its character's UTF-8
// in out and returns the reference's length; 0 when it is anything else;
// -1 when the bytes end before it does.
int reference(const unsigned char *p, size_t n, char *out, size_t *out_length)
{
    static const struct {
        const char *name;
        char c;
    } entities[] = {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
    if (n < 2)
        return -1;
    if (p[1] != '#') {
        for (const auto &e : entities) {
            const size_t m = strlen(e.name);
            size_t k = 0;
            while (k < m && 1 + k < n && p[1 + k] == static_cast<unsigned char>(e.name[k]))
                ++k;
            if (k == m) {
                out[0] = e.c;
                *out_length = 1;
                return static_cast<int>(1 + m);
            }
            if (1 + k == n)
                return -1;
        }
        return 0;
    }
    const bool hex = n > 2 && p[2] == 'x';
    size_t k = hex ? 3 : 2;
    uint32_t value = 0;
    const size_t first = k;
    for (;; ++k) {
        if (k >= n)
            return -1;
        const unsigned char c = p[k];
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF)
            return 0;
    }
    if (k == first || p[k] != ';' || !is_xml_char(value))
        return 0;
    *out_length = put_utf8(value, out);
    return static_cast<int>(k + 1);
}

// Where the reading stands within the file's lines, kept apart while a tag
// is read so that a tag cut by the window's end leaves no trace.
struct Lines {
    uint64_t line;
    int64_t start; // the line's first byte, as a file offset
    int64_t extra; // UTF-8 continuation bytes on the line so far
};

Lines lines_of(const XmlFast *f) { return {f->line, f->line_start, f->line_extra}; }

void keep_lines(XmlFast *f, const Lines &l)
{
    f->line = l.line;
    f->line_start = l.start;
    f->line_extra = l.extra;
}

XmlPlace place_at(const XmlFast *f, const Lines &l, size_t i)
{
    const int64_t offset = f->window_offset + static_cast<int64_t>(i);
    return {l.line, static_cast<int32_t>(offset - l.start - l.extra + 1), offset};
}

// A line ends at window[i] (LF, CR, or the CR of CR LF, which needs the byte
// after it); returns the bytes it takes, 0 when they run past `end`.
size_t line_end(const XmlFast *f, Lines *l, size_t i, size_t end, bool ended)
{
    size_t n = 1;
    if (f->window[i] == '\r') {
        if (i + 1 >= end && !ended)
            return 0;
        n = i + 1 < end && f->window[i + 1] == '\n' ? 2 : 1;
    }
    l->line += 1;
    l->start = f->window_offset + static_cast<int64_t>(i + n);
    l->extra = 0;
    return n;
}

bool is_white(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Passes white space inside a tag; false when the bytes end within it.
bool skip_white(const XmlFast *f, Lines *l, size_t *i, size_t end, bool ended)
{
    while (*i < end && is_white(f->window[*i])) {
        if (f->window[*i] == ' ' || f->window[*i] == '\t') {
            ++*i;
            continue;
        }
        const size_t n = line_end(f, l, *i, end, ended);
        if (n == 0)
            return false;
        *i += n;
    }
    return *i < end;
}

struct Reader {
    XmlCheck *check;
    XmlFast *f;
    bool ended; // no bytes beyond `end`
    bool ascii; // the file declares US-ASCII
};

// What to do where the bytes end before what is being read does.
FastStep short_of_bytes(const Reader &r) { return r.ended ? FAST_HAND_BACK : FAST_MORE; }

void hand_text(Reader &r, size_t from, size_t to)
{
    if (to > from)
        xml_text(r.check, reinterpret_cast<const char *>(r.f->window + from), static_cast<int>(to - from));
}

// Text from `at` to the next '<', handed over in runs; stops at the '<'.
// Tabs, LFs, ']' and UTF-8 characters stay in a run; a CR (given as LF, as
// expat gives it) and a reference end one.
FastStep read_text(Reader &r, size_t *i_out)
{
    XmlFast *f = r.f;
    const unsigned char *w = f->window;
    const size_t end = f->end;
    size_t i = f->at, from = f->at;
    // The usual indent: a line end, then blanks, then a tag.
    if (i < end && w[i] == '\n') {
        const uint64_t blanks = 0x2020202020202020u;
        size_t k = i + 1;
        while (k + 8 <= end && word_at(w + k) == blanks)
            k += 8;
        while (k < end && w[k] == ' ')
            ++k;
        if (k < end && w[k] == '<') {
            f->line += 1;
            f->line_start = f->window_offset + static_cast<int64_t>(i + 1);
            f->line_extra = 0;
            hand_text(r, i, k);
            f->at = k;
            *i_out = k;
            return r.check->run.halted ? FAST_HALTED : FAST_ON;
        }
    }
    for (;;) {
        i = skip_plain_text(w, i, end, '<');
        if (i == end)
            break;
        const unsigned char c = w[i];
        if (c == '<') {
            hand_text(r, from, i);
            f->at = i;
            *i_out = i;
            return r.check->run.halted ? FAST_HALTED : FAST_ON;
        }
        if (c == '\t') {
            ++i;
            continue;
        }
        if (c == '\n') {
            ++i;
            f->line += 1;
            f->line_start = f->window_offset + static_cast<int64_t>(i);
            f->line_extra = 0;
            continue;
        }
        if (c == ']') {
            if (i + 2 >= end && !r.ended)
                break;
            if (i + 2 < end && w[i + 1] == ']' && w[i + 2] == '>') {
                hand_text(r, from, i);
                f->at = i;
                return FAST_HAND_BACK;
            }
            ++i;
            continue;
        }
        if (c > 127 && !r.ascii) {
            const int n = utf8_char(w + i, end - i);
            if (n < 0 && !r.ended)
                break;
            if (n > 0) {
                f->line_extra += n - 1;
                i += static_cast<size_t>(n);
                continue;
            }
        }
        hand_text(r, from, i);
        f->at = from = i;
        // A CR that ends the file: expat places what follows at it.
        if (c == '\r' && i + 1 == end && r.ended)
            return FAST_HAND_BACK;
        if (c == '\r') {
            Lines l = lines_of(f);
            const size_t n = line_end(f, &l, i, end, r.ended);
            if (n == 0)
                return FAST_MORE;
            xml_text(r.check, "\n", 1);
            keep_lines(f, l);
            i += n;
        } else if (c == '&') {
            char decoded[4];
            size_t length = 0;
            const int n = reference(w + i, end - i, decoded, &length);
            if (n <= 0)
                return n < 0 ? short_of_bytes(r) : FAST_HAND_BACK;
            xml_text(r.check, decoded, static_cast<int>(length));
            i += static_cast<size_t>(n);
        } else {
            // A control character, a byte that is not UTF-8 or not US-ASCII, a cut character at the end.
            return FAST_HAND_BACK;
        }
        f->at = from = i;
        if (r.check->run.halted)
            return FAST_HALTED;
    }
    // The bytes end within the text: what is whole of it is handed over.
    hand_text(r, from, i);
    f->at = i;
    return FAST_MORE;
}

// An attribute's value from the quote at *i, decoded as expat gives it
// (references replaced, white space as blanks), NUL-terminated at *out.
FastStep read_value(Reader &r, Lines *l, size_t *i, char **out, const char *out_end)
{
    const unsigned char *w = r.f->window;
    const size_t end = r.f->end;
    const unsigned char quote = w[*i];
    size_t k = *i + 1;
    char *o = *out;
    for (;;) {
        const size_t run = skip_plain_text(w, k, end, quote);
        if (static_cast<size_t>(out_end - o) < run - k + 8)
            return FAST_HAND_BACK;
        memcpy(o, w + k, run - k);
        o += run - k;
        k = run;
        if (k == end)
            return short_of_bytes(r);
        const unsigned char c = w[k];
        if (c == quote) {
            *o++ = '\0';
            *out = o;
            *i = k + 1;
            return FAST_ON;
        }
        if (c == ']') {
            *o++ = ']';
            ++k;
        } else if (c == '\t') {
            *o++ = ' ';
            ++k;
        } else if (c == '\n' || c == '\r') {
            const size_t n = line_end(r.f, l, k, end, r.ended);
            if (n == 0)
                return FAST_MORE;
            *o++ = ' ';
            k += n;
        } else if (c == '&') {
            size_t length = 0;
            const int n = reference(w + k, end - k, o, &length);
            if (n <= 0)
                return n < 0 ? short_of_bytes(r) : FAST_HAND_BACK;
            o += length;
            k += static_cast<size_t>(n);
        } else if (c > 127 && !r.ascii) {
            const int n = utf8_char(w + k, end - k);
            if (n <= 0)
                return n < 0 ? short_of_bytes(r) : FAST_HAND_BACK;
            memcpy(o, w + k, static_cast<size_t>(n));
            o += n;
            l->extra += n - 1;
            k += static_cast<size_t>(n);
        } else {
            return FAST_HAND_BACK; // '<', a control character, a byte US-ASCII does not have
        }
    }
}

// The name at *i (ASCII, no prefix), which must end at white space, '=',
// '>' or '/'; its length, 0 when it is none the fast path reads.
size_t read_name(const Reader &r, size_t *i, bool *cut)
{
    const unsigned char *w = r.f->window;
    const size_t end = r.f->end, from = *i;
    *cut = false;
    if (from >= end) {
        *cut = true;
        return 0;
    }
    if (!starts_name(w[from]))
        return 0;
    size_t k = from + 1;
    while (k < end && is_name_byte(w[k]))
        ++k;
    if (k == end) {
        *cut = true;
        return 0;
    }
    const unsigned char c = w[k];
    if (!is_white(c) && c != '=' && c != '>' && c != '/')
        return 0;
    *i = k;
    return k - from;
}

// The element as expat names it, kept at `depth` (reused when the name is
// the one already there, as an Item's always is).
void name_open(XmlCheck *check, FastOpen *open, const unsigned char *local, size_t n)
{
    if (open->length == n && open->local != nullptr && memcmp(open->local, local, n) == 0)
        return;
    const char *space = check->run.head.space;
    const size_t m = strlen(space);
    char *at = open->name;
    if (m > 0) {
        memcpy(at, space, m);
        at[m] = xml_name_separator;
        at += m + 1;
    }
    memcpy(at, local, n);
    at[n] = '\0';
    open->local = at;
    open->length = n;
    open->end_tag = open->end_mask = 0;
    if (n + 3 <= 8) {
        unsigned char tag[8] = {'<', '/'};
        memcpy(tag + 2, local, n);
        tag[n + 2] = '>';
        for (size_t k = 0; k < n + 3; ++k) {
            open->end_tag |= static_cast<uint64_t>(tag[k]) << (8 * k);
            open->end_mask |= uint64_t(0xFF) << (8 * k);
        }
    }
}

// The usual Item, `<Item naaccrId="...">` with a value of plain text, in a
// few compares; false for anything else, which read_start_tag reads.
bool read_usual_item(Reader &r, size_t i, size_t *next)
{
    static const char usual[] = "<Item naaccrId=\"";
    const size_t n = sizeof usual - 1;
    XmlFast *f = r.f;
    const unsigned char *w = f->window;
    const size_t end = f->end;
    static_assert(sizeof usual - 1 == 16, "two words");
    const unsigned char *u = reinterpret_cast<const unsigned char *>(usual);
    if (i + n + 2 > end || word_at(w + i) != word_at(u) || word_at(w + i + 8) != word_at(u + 8) ||
        f->depth == fast_most_depth)
        return false;
    const size_t k = skip_plain_text(w, i + n, end, '"');
    if (k + 1 >= end || w[k] != '"' || w[k + 1] != '>' || k - (i + n) >= sizeof f->attribute_text)
        return false;
    memcpy(f->attribute_text, w + i + n, k - (i + n));
    f->attribute_text[k - (i + n)] = '\0';
    f->attributes[0] = "naaccrId";
    f->attributes[1] = f->attribute_text;
    f->attributes[2] = nullptr;
    FastOpen *open = &f->open[f->depth];
    name_open(r.check, open, w + i + 1, 4);
    r.check->run.event = place_at(f, lines_of(f), i);
    xml_start_element(r.check, open->name, f->attributes);
    f->depth += 1;
    *next = k + 2;
    return true;
}

FastStep read_start_tag(Reader &r, size_t i, size_t *next)
{
    if (read_usual_item(r, i, next))
        return r.check->run.halted ? FAST_HALTED : FAST_ON;
    XmlFast *f = r.f;
    const unsigned char *w = f->window;
    const size_t end = f->end;
    Lines l = lines_of(f);
    const XmlPlace place = place_at(f, l, i);
    size_t k = i + 1;
    bool cut = false;
    const size_t name_length = read_name(r, &k, &cut);
    if (name_length == 0)
        return cut ? short_of_bytes(r) : FAST_HAND_BACK;
    if (name_length > fast_longest_name)
        return FAST_HAND_BACK;
    const unsigned char *name = w + i + 1;
    char *text = f->attribute_text;
    const char *text_end = f->attribute_text + sizeof f->attribute_text;
    size_t count = 0;
    bool empty = false;
    for (;;) {
        const size_t before = k;
        if (!skip_white(f, &l, &k, end, r.ended))
            return short_of_bytes(r);
        if (w[k] == '>') {
            ++k;
            break;
        }
        if (w[k] == '/') {
            if (k + 1 >= end)
                return short_of_bytes(r);
            if (w[k + 1] != '>')
                return FAST_HAND_BACK;
            k += 2;
            empty = true;
            break;
        }
        if (k == before || count == fast_most_attributes)
            return FAST_HAND_BACK; // attributes are parted by white space
        const size_t at = k;
        const size_t n = read_name(r, &k, &cut);
        if (n == 0)
            return cut ? short_of_bytes(r) : FAST_HAND_BACK;
        // A namespace declaration changes what names mean: expat's to read.
        if (n > fast_longest_name || (n == 5 && memcmp(w + at, "xmlns", 5) == 0))
            return FAST_HAND_BACK;
        if (!skip_white(f, &l, &k, end, r.ended))
            return short_of_bytes(r);
        if (w[k] != '=')
            return FAST_HAND_BACK;
        ++k;
        if (!skip_white(f, &l, &k, end, r.ended))
            return short_of_bytes(r);
        if (w[k] != '"' && w[k] != '\'')
            return FAST_HAND_BACK;
        if (static_cast<size_t>(text_end - text) < n + 1)
            return FAST_HAND_BACK;
        char *attribute = text;
        memcpy(text, w + at, n);
        text[n] = '\0';
        text += n + 1;
        for (size_t a = 0; a < count; ++a)
            if (strcmp(f->attributes[2 * a], attribute) == 0)
                return FAST_HAND_BACK; // expat words the duplicate
        f->attributes[2 * count] = attribute;
        f->attributes[2 * count + 1] = text;
        const FastStep step = read_value(r, &l, &k, &text, text_end);
        if (step != FAST_ON)
            return step;
        ++count;
    }
    f->attributes[2 * count] = nullptr;
    if (f->depth == fast_most_depth)
        return FAST_HAND_BACK;
    keep_lines(f, l);
    FastOpen *open = &f->open[f->depth];
    name_open(r.check, open, name, name_length);
    r.check->run.event = place;
    xml_start_element(r.check, open->name, f->attributes);
    if (empty)
        xml_end_element(r.check, open->name);
    else
        f->depth += 1;
    *next = k;
    return r.check->run.halted ? FAST_HALTED : FAST_ON;
}

FastStep read_end_tag(Reader &r, size_t i, size_t *next)
{
    XmlFast *f = r.f;
    const unsigned char *w = f->window;
    const size_t end = f->end;
    const FastOpen &open = f->open[f->depth - 1];
    if (f->depth == 1)
        return FAST_HAND_BACK; // the root's end, and what may follow it: expat's
    if (open.end_mask != 0 && i + 8 <= end && (word_at(w + i) & open.end_mask) == open.end_tag) {
        r.check->run.event = place_at(f, lines_of(f), i);
        f->depth -= 1;
        xml_end_element(r.check, open.name);
        *next = i + open.length + 3;
        return r.check->run.halted ? FAST_HALTED : FAST_ON;
    }
    if (i + 2 + open.length >= end)
        return short_of_bytes(r);
    if (memcmp(w + i + 2, open.local, open.length) != 0)
        return FAST_HAND_BACK;
    Lines l = lines_of(f);
    const XmlPlace place = place_at(f, l, i);
    size_t k = i + 2 + open.length;
    if (!skip_white(f, &l, &k, end, r.ended))
        return short_of_bytes(r);
    if (w[k] != '>')
        return FAST_HAND_BACK;
    keep_lines(f, l);
    r.check->run.event = place;
    f->depth -= 1;
    xml_end_element(r.check, open.name);
    *next = k + 1;
    return r.check->run.halted ? FAST_HALTED : FAST_ON;
}

// A comment: no "--" within it, and characters XML allows.
FastStep read_comment(Reader &r, size_t i, size_t *next)
{
    XmlFast *f = r.f;
    const unsigned char *w = f->window;
    const size_t end = f->end;
    if (i + 4 > end)
        return short_of_bytes(r);
    if (memcmp(w + i, "<!--", 4) != 0)
        return FAST_HAND_BACK;
    Lines l = lines_of(f);
    size_t k = i + 4;
    for (;;) {
        k = skip_plain_text(w, k, end, '-');
        if (k == end)
            return short_of_bytes(r);
        const unsigned char c = w[k];
        if (c == '-') {
            if (k + 2 >= end)
                return short_of_bytes(r);
            if (w[k + 1] != '-') {
                ++k;
                continue;
            }
            if (w[k + 2] != '>')
                return FAST_HAND_BACK;
            k += 3;
            break;
        }
        if (c == '<' || c == '&' || c == ']' || c == '\t') {
            ++k;
        } else if (c == '\n' || c == '\r') {
            const size_t n = line_end(f, &l, k, end, r.ended);
            if (n == 0)
                return FAST_MORE;
            k += n;
        } else if (c > 127 && !r.ascii) {
            const int n = utf8_char(w + k, end - k);
            if (n <= 0)
                return n < 0 ? short_of_bytes(r) : FAST_HAND_BACK;
            l.extra += n - 1;
            k += static_cast<size_t>(n);
        } else {
            return FAST_HAND_BACK;
        }
    }
    keep_lines(f, l);
    *next = k;
    return FAST_ON;
}

// Reads the window's bytes from `at` on, event by event.
FastStep read_window(Reader &r)
{
    XmlFast *f = r.f;
    for (;;) {
        size_t i = 0;
        FastStep step = read_text(r, &i);
        if (step != FAST_ON)
            return step;
        // A tag at i.
        if (i + 1 >= f->end)
            return short_of_bytes(r);
        const unsigned char c = f->window[i + 1];
        size_t next = i;
        if (c == '/')
            step = read_end_tag(r, i, &next);
        else if (c == '!')
            step = read_comment(r, i, &next);
        else
            step = read_start_tag(r, i, &next);
        if (step != FAST_ON)
            return step;
        f->at = next;
    }
}

// The root's name as written, from its start tag in the head.
bool root_name(const XmlHead &head, FastOpen *root)
{
    size_t k = head.root_start + 1;
    while (k < head.length && !is_white(head.bytes[k]) && head.bytes[k] != '>' && head.bytes[k] != '/')
        ++k;
    const size_t n = k - head.root_start - 1;
    if (n == 0 || n > fast_longest_name)
        return false;
    memcpy(root->name, head.bytes + head.root_start + 1, n);
    root->name[n] = '\0';
    root->local = root->name;
    root->length = n;
    return true;
}

// Moves the bytes not taken to the window's start and reads more after them:
// at least as many again as were kept, so that a tag cut by the window's end
// is read again only a few times however few bytes each read gives.
int32_t refill(XmlCheck *check, XmlFast *f, XmlSource *source, bool *ended)
{
    const size_t kept = f->end - f->at;
    memmove(f->window, f->window + f->at, kept);
    f->window_offset += static_cast<int64_t>(f->at);
    f->at = 0;
    f->end = kept;
    const size_t want = 2 * kept > 4096 ? (2 * kept < f->capacity ? 2 * kept : f->capacity) : 4096;
    do {
        const int64_t got = take_bytes(source, f->window + f->end, static_cast<uint32_t>(f->capacity - f->end));
        if (got < 0)
            return NAACCR_REC_READ_FAILED;
        *ended = got == 0;
        f->end += static_cast<size_t>(got);
        check->run.fed += static_cast<uint64_t>(got);
    } while (!*ended && f->end < want);
    return NAACCR_REC_OK;
}

// Hands the file to expat at the fast path's `at`, with the elements it has open.
XmlFeed hand_back(XmlCheck *check, XmlFast *f, XmlSource *source, int32_t *status)
{
    const char *open[fast_most_depth];
    size_t lengths[fast_most_depth];
    for (int d = 1; d < f->depth; ++d) {
        open[d - 1] = f->open[d].local;
        lengths[d - 1] = f->open[d].length;
    }
    const XmlPlace place = place_at(f, lines_of(f), f->at);
    check->run.handed_back_at = place.offset;
    if (!resume_with_expat(check, open, lengths, f->depth - 1, place)) {
        *status = NAACCR_REC_NO_MEMORY;
        return FEED_END;
    }
    return feed_bytes(check, source, f->window + f->at, f->end - f->at, status);
}

} // namespace

const unsigned char *fast_bytes_before(const XmlFast *fast, int64_t offset, size_t n)
{
    const int64_t at = offset - fast->window_offset;
    if (at < static_cast<int64_t>(n) || at > static_cast<int64_t>(fast->end))
        return nullptr;
    return fast->window + at - static_cast<int64_t>(n);
}

XmlFeed run_fast_path(XmlCheck *check, XmlSource *source, const XmlPlace &start, const unsigned char *bytes, size_t n,
                      int32_t *status)
{
    // The window holds at least the bytes at hand, which may be expat's
    // own and go with its parser.
    const size_t capacity = n > fast_window ? n : fast_window;
    XmlFast *kept = check->run.kept_fast;
    const bool own = kept == nullptr || capacity > fast_window;
    XmlFast *f = own ? static_cast<XmlFast *>(malloc(sizeof(XmlFast))) : kept;
    unsigned char *window = own ? static_cast<unsigned char *>(malloc(capacity)) : kept->window;
    if (f == nullptr || window == nullptr) {
        if (own) {
            free(f);
            free(window);
        }
        *status = NAACCR_REC_NO_MEMORY;
        return FEED_END;
    }
    memset(f, 0, sizeof *f);
    f->window = window;
    f->capacity = capacity;
    f->window_offset = start.offset;
    f->line = start.line;
    f->line_start = start.offset - (start.column - 1);
    f->line_extra = 0;
    f->depth = 1;
    if (n > 0)
        memcpy(window, bytes, n);
    f->end = n;
    if (check->run.parser != nullptr)
        XML_ParserFree(check->run.parser);
    check->run.parser = nullptr;
    Reader r = {check, f, source->ended, check->run.head.ascii};
    FastStep step = root_name(check->run.head, &f->open[0]) ? FAST_MORE : FAST_HAND_BACK;
    check->run.fast = f;
    while (step != FAST_HAND_BACK) {
        step = read_window(r);
        if (step == FAST_HALTED || check->run.halted || step == FAST_HAND_BACK)
            break;
        // More bytes are needed.  At the file's end, expat words what is
        // unfinished; a tag or comment longer than half the window is expat's.
        if (r.ended || f->end - f->at > f->capacity / 2) {
            step = FAST_HAND_BACK;
            break;
        }
        *status = refill(check, f, source, &r.ended);
        if (*status != NAACCR_REC_OK || (progress_due(check) && report_progress(check, source->total) != 0))
            break;
    }
    check->run.fast = nullptr;
    XmlFeed result = FEED_END;
    if (*status == NAACCR_REC_OK && step == FAST_HAND_BACK && !check->run.halted)
        result = hand_back(check, f, source, status);
    if (own) {
        free(window);
        free(f);
    }
    return result;
}
