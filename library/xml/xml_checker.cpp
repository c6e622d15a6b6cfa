// xml_checker.cpp -- check_naaccr_xml: a NAACCR XML file fed to expat block by
// block from the caller's read function, so a file of any size, a .gz
// stream or standard input is checked in bounded memory.  Once the root's
// start tag is read, a UTF-8 file goes on through the fast path
// (xml_fast.cpp), which hands the rest back to expat at the first thing it
// does not read itself; the same handlers see the same events either way.
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "base/base.h"
#include "xml/xml.h"
#include "xml/xml_state.h"

namespace
{

const uint32_t feed_size = 256u << 10;
// expat scans an unfinished token again from its start with every block fed,
// so a long one is fed in larger blocks.
const uint32_t long_token_feed_size = 4u << 20;
const uint64_t long_token = 1u << 20;
// Bytes of the file's start kept for a replay: far more than a root's start
// tag and what may stand before it.
const size_t head_capacity = 64u << 10;

// The encoding it declares tells how its places may be counted.
void XMLCALL xml_declaration(void *user, const XML_Char *, const XML_Char *encoding, int)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    note_encoding(check, encoding);
    check->run.head.ascii = encoding != nullptr && strcasecmp(encoding, "US-ASCII") == 0;
}

// A DOCTYPE could declare entities that expand without bound: refused at once.
void XMLCALL xml_doctype(void *user, const XML_Char *, const XML_Char *, const XML_Char *, int)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    report_xml(check, NAACCR_CHECK_XML_MALFORMED, current_place(check), nullptr,
               "a DOCTYPE, which NAACCR XML does not allow: the file is not read further");
    halt_parser(check);
}

// The root's default namespace, which the fast path gives the elements it reads.
void XMLCALL xml_namespace(void *user, const XML_Char *prefix, const XML_Char *uri)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    if (prefix != nullptr || check->tree.level >= 0 || check->run.head.whole)
        return;
    const size_t n = uri != nullptr ? strlen(uri) : 0;
    if (n >= sizeof check->run.head.space) {
        check->run.head.space[0] = '\0';
        check->run.head.fast = false;
        return;
    }
    memcpy(check->run.head.space, uri, n);
    check->run.head.space[n] = '\0';
}

// expat's memory ran out of its budget: what the file holds past here
// cannot be read in bounded memory.
void report_budget(XmlCheck *check)
{
    // A worker's smaller budget: the calling thread checks the piece itself.
    if (check->run.memory.limit != 0) {
        check->run.split.gave_up = true;
        halt_parser(check);
        return;
    }
    report_xmlf(check, NAACCR_CHECK_XML_TOKEN_TOO_LONG, current_place(check), nullptr,
                "the names, attributes and namespace declarations read so far take more than a check holds (%u MB): "
                "the file is not read further",
                static_cast<unsigned>(xml_memory_budget >> 20));
}

// expat's buffer for the next `n` bytes.  It holds the token expat has not
// seen whole, which xml_longest_token bounds: it is not counted.
void *expat_buffer(XmlCheck *check, size_t n)
{
    check->run.memory.buffer = true;
    void *buffer = XML_GetBuffer(check->run.parser, static_cast<int>(n));
    check->run.memory.buffer = false;
    return buffer;
}

// After a parse error: expat's message and place, unless the check stopped
// it or the error was already reported as a refused encoding.
void report_parse_error(XmlCheck *check)
{
    const XML_Error error = XML_GetErrorCode(check->run.parser);
    if (error == XML_ERROR_ABORTED || (error == XML_ERROR_UNKNOWN_ENCODING && check->encoding.refused))
        return;
    if (error == XML_ERROR_NO_MEMORY && check->run.memory.exceeded) {
        report_budget(check);
        return;
    }
    report_xmlf(check, NAACCR_CHECK_XML_MALFORMED, current_place(check), nullptr, "not well-formed XML: %s",
                XML_ErrorString(error));
}

// Keeps the file's start until the root's start tag is read.
void keep_head(XmlCheck *check, const void *bytes, size_t n)
{
    XmlHead &head = check->run.head;
    if (head.bytes == nullptr || head.whole || head.length == head.capacity)
        return;
    const size_t part = n < head.capacity - head.length ? n : head.capacity - head.length;
    memcpy(head.bytes + head.length, bytes, part);
    head.length += part;
}

// Parses `n` bytes already in expat's buffer, which end the file when `last`.
XmlFeed feed(XmlCheck *check, size_t n, bool last)
{
    const XML_Status status = XML_ParseBuffer(check->run.parser, static_cast<int>(n), last ? XML_TRUE : XML_FALSE);
    if (status == XML_STATUS_SUSPENDED)
        return FEED_TAKE_OVER;
    if (status != XML_STATUS_OK) {
        report_parse_error(check);
        return FEED_END;
    }
    // expat stops at the start of the token it has not seen whole.
    const int64_t at = current_offset(check);
    if (at > check->run.last_event)
        check->run.last_event = at;
    const uint64_t done = static_cast<uint64_t>(check->run.last_event);
    if (!last)
        settle_places(check);
    const uint64_t longest = check->run.split.longest_token;
    if (!last && longest != 0 && check->run.fed - done > longest) {
        check->run.split.gave_up = true;
        halt_parser(check);
        return FEED_END;
    }
    if (!last && check->run.fed - done > xml_longest_token) {
        report_xmlf(check, NAACCR_CHECK_XML_TOKEN_TOO_LONG, current_place(check), nullptr,
                    "more than %llu MB without the end of a tag, attribute, comment or instruction: the file is not "
                    "read further",
                    static_cast<unsigned long long>(xml_longest_token >> 20));
        return FEED_END;
    }
    return FEED_ON;
}

// expat has no buffer for the next block: the budget ran out (a problem of
// the file), or the machine's memory did.
int32_t no_buffer(XmlCheck *check)
{
    if (!check->run.memory.exceeded)
        return NAACCR_REC_NO_MEMORY;
    report_budget(check);
    return NAACCR_REC_OK;
}

// Reads the source into expat until the file ends, the check ends, or expat
// is suspended for the fast path.
XmlFeed feed_source(XmlCheck *check, XmlSource *source, int32_t *status)
{
    for (;;) {
        const uint64_t done = check->run.last_event > 0 ? static_cast<uint64_t>(check->run.last_event) : 0;
        const uint32_t size = check->run.fed - done > long_token ? long_token_feed_size : feed_size;
        void *buffer = expat_buffer(check, size);
        if (buffer == nullptr) {
            *status = no_buffer(check);
            return FEED_END;
        }
        const int64_t got = take_bytes(source, buffer, size);
        if (got < 0) {
            *status = NAACCR_REC_READ_FAILED;
            return FEED_END;
        }
        const size_t n = hold_back(source, static_cast<const unsigned char *>(buffer), static_cast<size_t>(got));
        keep_head(check, buffer, n);
        check->run.fed += n;
        const XmlFeed result = feed(check, n, got == 0);
        if (result != FEED_ON || got == 0)
            return result;
        if (progress_due(check) && report_progress(check, source->total) != 0)
            return FEED_END;
    }
}

// The first bytes, at least four when the file has them: expat tells the
// encoding from them, and places an error among them differently when it
// gets them one by one.
XmlFeed feed_start(XmlCheck *check, XmlSource *source, int32_t *status)
{
    unsigned char start[4];
    size_t n = 0;
    while (n < sizeof start) {
        const int64_t got = take_bytes(source, start + n, static_cast<uint32_t>(sizeof start - n));
        if (got < 0) {
            *status = NAACCR_REC_READ_FAILED;
            return FEED_END;
        }
        if (got == 0)
            break;
        n += static_cast<size_t>(got);
    }
    note_first_bytes(check, start, n);
    if (n == 0)
        return FEED_ON; // the end is fed as every file's is
    void *buffer = expat_buffer(check, n);
    if (buffer == nullptr) {
        *status = no_buffer(check);
        return FEED_END;
    }
    memcpy(buffer, start, n);
    keep_head(check, start, n);
    check->run.fed += n;
    return feed(check, n, n < sizeof start);
}

// The file read from its first byte: by expat up to the root's start tag,
// then by the fast path where it may, and by expat again where it hands back.
int32_t read_and_check(XmlCheck *check, XmlSource *source)
{
    int32_t status = NAACCR_REC_OK;
    if (report_progress(check, source->total) != 0)
        return status;
    return read_on(check, source, feed_start(check, source, &status), status);
}

} // namespace

int64_t take_bytes(XmlSource *source, void *buffer, uint32_t size)
{
    unsigned char *to = static_cast<unsigned char *>(buffer);
    size_t n = 0;
    if (source->held_length > 0) {
        n = size < source->held_length ? size : source->held_length;
        memcpy(to, source->held, n);
        memmove(source->held, source->held + n, source->held_length - n);
        source->held_length -= n;
        if (n == size || source->held_length > 0)
            return static_cast<int64_t>(n);
    }
    if (source->ready_length > 0) {
        const size_t m = size - n < source->ready_length ? size - n : source->ready_length;
        memcpy(to + n, source->ready, m);
        source->ready += m;
        source->ready_length -= m;
        return static_cast<int64_t>(n + m);
    }
    if (source->ended || source->read == nullptr)
        return static_cast<int64_t>(n);
    const int64_t got = source->read(source->stream, to + n, static_cast<uint32_t>(size - n));
    if (got < 0)
        return -1;
    source->ended = got == 0;
    return static_cast<int64_t>(n) + got;
}

size_t hold_back(XmlSource *source, const unsigned char *bytes, size_t n)
{
    // Nothing follows: the last block is given whole.
    if (source->held_length == 0 && source->ready_length == 0 && (source->ended || source->read == nullptr))
        return n;
    size_t h = 0;
    if (n > 0 && bytes[n - 1] == '\r') {
        // After the root expat counts a CR that ends a block and the LF that
        // starts the next as two lines.
        h = 1;
    } else {
        while (h < n && h + source->held_length < held_back_most) {
            const unsigned char c = bytes[n - 1 - h];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '<' || c == '>')
                break;
            ++h;
        }
    }
    // A word too long to hold is given as it is.
    if (h == 0 || h + source->held_length >= held_back_most)
        return n;
    memmove(source->held + h, source->held, source->held_length);
    memcpy(source->held, bytes + n - h, h);
    source->held_length += h;
    return n - h;
}

XML_Parser make_parser(XmlCheck *check, bool handlers)
{
    XML_Parser parser = create_counted_parser();
    if (parser == nullptr)
        return nullptr;
    XML_SetUserData(parser, check);
    XML_SetUnknownEncodingHandler(parser, xml_unknown_encoding, check);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    if (handlers)
        set_handlers(parser);
    return parser;
}

void set_handlers(XML_Parser parser)
{
    XML_SetElementHandler(parser, xml_start_element, xml_end_element);
    XML_SetCharacterDataHandler(parser, xml_text);
    XML_SetXmlDeclHandler(parser, xml_declaration);
    XML_SetStartDoctypeDeclHandler(parser, xml_doctype);
}

XmlFeed feed_bytes(XmlCheck *check, XmlSource *source, const unsigned char *bytes, size_t n, int32_t *status)
{
    // Held back bytes are taken (and counted as fed) again.
    const size_t whole = n;
    n = hold_back(source, bytes, n);
    check->run.fed -= whole - n;
    if (n == 0)
        return FEED_ON;
    // In one block: where expat is suspended for the fast path, the rest
    // must be in its buffer.
    void *buffer = expat_buffer(check, n);
    if (buffer == nullptr) {
        *status = no_buffer(check);
        return FEED_END;
    }
    memcpy(buffer, bytes, n);
    return feed(check, n, false);
}

int32_t read_on(XmlCheck *check, XmlSource *source, XmlFeed result, int32_t status)
{
    for (;;) {
        if (result == FEED_ON)
            result = feed_source(check, source, &status);
        if (result != FEED_TAKE_OVER)
            return status;
        // expat stands after the root's start tag, or after a Patient's: the
        // fast path reads on from there, or from the Patient's '<'.
        int offset = 0, size = 0;
        const char *held = XML_GetInputContext(check->run.parser, &offset, &size);
        XmlPlace place = current_place(check);
        if (!check->run.take_over_at_tag)
            check->run.head.end = place;
        else
            offset -= static_cast<int>(place.offset - check->run.take_over_place.offset);
        if (check->run.take_over_at_tag)
            place = check->run.take_over_place;
        if (held == nullptr || offset < 0 || size < offset)
            return NAACCR_REC_NO_MEMORY; // expat holds the bytes it stopped at: never
        const unsigned char *rest = held != nullptr ? reinterpret_cast<const unsigned char *>(held) + offset : nullptr;
        const size_t rest_length = held != nullptr && size > offset ? static_cast<size_t>(size - offset) : 0;
        check->run.take_over = false;
        result = run_fast_path(check, source, place, rest, rest_length, &status);
    }
}

int32_t read_from(XmlCheck *check, XmlSource *source, const XmlPlace &place)
{
    int32_t status = NAACCR_REC_OK;
    if (check->run.fast_allowed && check->run.head.fast)
        return read_on(check, source, run_fast_path(check, source, place, nullptr, 0, &status), status);
    if (!resume_with_expat(check, nullptr, nullptr, 0, place))
        return NAACCR_REC_NO_MEMORY;
    return read_on(check, source, FEED_ON, status);
}

bool takes_back(XmlCheck *check)
{
    XmlRun &run = check->run;
    if (run.parser == nullptr || !run.fast_allowed || !run.head.fast || !run.head.whole)
        return false;
    const XmlPlace place = current_place(check);
    // Not where the fast path gave up: it would at once again.
    if (place.offset <= run.handed_back_at)
        return false;
    run.take_over = true;
    run.take_over_at_tag = true;
    run.take_over_place = place;
    XML_StopParser(run.parser, XML_TRUE);
    return true;
}

bool progress_due(const XmlCheck *check)
{
    return check->run.options->on_progress != nullptr && check->run.fed >= check->run.next_progress;
}

int32_t report_progress(XmlCheck *check, int64_t total)
{
    const NaaccrItemCheckOptions &options = *check->run.options;
    check->run.next_progress = check->run.fed + xml_progress_step;
    if (options.on_progress == nullptr ||
        options.on_progress(options.context, check->run.fed, total, check->run.summary->tumors) == 0)
        return 0;
    check->run.stopped = STOP_BY_PROGRESS;
    halt_parser(check);
    return 1;
}

void halt_parser(XmlCheck *check)
{
    check->run.halted = true;
    if (check->run.parser != nullptr)
        XML_StopParser(check->run.parser, XML_FALSE);
}

void stop_check(XmlCheck *check, StopReason reason)
{
    if (check->run.stopped != STOP_NONE)
        return;
    check->run.stopped = reason;
    halt_parser(check);
}

void hook_result(XmlCheck *check, int32_t result)
{
    if (result != 0)
        stop_check(check, STOP_BY_CALLBACK);
}

void note_root_tag(XmlCheck *check)
{
    XmlHead &head = check->run.head;
    if (head.bytes == nullptr || check->run.parser == nullptr)
        return;
    const int64_t start = XML_GetCurrentByteIndex(check->run.parser);
    const int64_t end = start + XML_GetCurrentByteCount(check->run.parser);
    if (start < 0 || end > static_cast<int64_t>(head.length))
        return;
    head.whole = true;
    head.length = static_cast<size_t>(end);
    head.root_start = static_cast<size_t>(start);
    if (!check->places.encoding_noted)
        note_encoding(check, nullptr);
    head.fast = head.fast && check->places.counting == XML_COUNT_UTF8;
    // An empty root has ended already.
    const bool empty = end >= 2 && head.bytes[end - 2] == '/';
    if (check->run.fast_allowed && head.fast && check->tree.level == NAACCR_LEVEL_ROOT && !empty) {
        check->run.take_over = true;
        check->run.take_over_at_tag = false;
        XML_StopParser(check->run.parser, XML_TRUE);
    }
}

bool start_check(XmlCheck *check, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                 const XmlTumorHook *hook, bool keep)
{
    memset(summary, 0, sizeof *summary);
    summary->format = NAACCR_FORMAT_XML;
    summary->records.record_type = ' ';
    summary->records.version[0] = ' ';
    memset(check, 0, sizeof *check);
    check->run.options = &options;
    check->run.hook = hook;
    check->run.summary = summary;
    check->run.split.boundary = -1;
    check->run.split.ended_at = -1;
    check->run.handed_back_at = -1;
    check->run.head.fast = true;
    start_tree(check);
    if (keep) {
        check->run.head.bytes = static_cast<unsigned char *>(malloc(head_capacity));
        check->run.head.capacity = check->run.head.bytes != nullptr ? head_capacity : 0;
    }
    return allocate_root(check) && allocate_item_state(check) && allocate_ids(check);
}

void finish_check(XmlCheck *check)
{
    if (check->run.parser != nullptr)
        XML_ParserFree(check->run.parser);
    check->run.parser = nullptr;
    free(check->run.head.bytes);
    check->run.head.bytes = nullptr;
    free_ids(check);
    free_item_state(check);
    free_root(check);
    free_user_items(&check->user);
}

int32_t check_from_start(XmlCheck *check, XmlSource *source)
{
    check->run.parser = make_parser(check, true);
    if (check->run.parser == nullptr)
        return NAACCR_REC_NO_MEMORY;
    XML_SetStartNamespaceDeclHandler(check->run.parser, xml_namespace);
    return read_and_check(check, source);
}

int32_t check_naaccr_xml(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                         size_t head_length, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary)
{
    return check_naaccr_xml_hooked(read, stream, total, head, head_length, options, summary, nullptr);
}

int32_t check_naaccr_xml_hooked(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                                size_t head_length, const NaaccrItemCheckOptions &options,
                                NaaccrItemCheckSummary *summary, const XmlTumorHook *hook)
{
    return check_naaccr_xml_by(read, stream, total, head, head_length, options, summary, hook, XML_PATH_FAST);
}

int32_t check_naaccr_xml_by(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                            size_t head_length, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                            const XmlTumorHook *hook, XmlPath path)
{
    XmlCheck check;
    const bool fast = path == XML_PATH_FAST;
    int32_t status = NAACCR_REC_NO_MEMORY;
    const bool started = start_check(&check, options, summary, hook, fast);
    XmlMemory *outer = enter_xml_memory(&check.run.memory);
    if (started) {
        check.run.fast_allowed = fast;
        XmlSource source = {head, head != nullptr ? head_length : 0, read, stream, total, false, {}, 0};
        status = check_from_start(&check, &source);
        release_held_problems(&check);
    }
    if (check.root.no_memory)
        status = NAACCR_REC_NO_MEMORY;
    finish_check(&check);
    leave_xml_memory(outer);
    summary->records.bytes = check.run.fed;
    summary->records.stopped = check.run.stopped;
    if (status == NAACCR_REC_OK && check.run.stopped == STOP_NONE && options.on_progress != nullptr)
        options.on_progress(options.context, check.run.fed, total, summary->tumors);
    return status;
}
