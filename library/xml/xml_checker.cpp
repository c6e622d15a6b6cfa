// xml_checker.cpp -- check_naaccr_xml: a NAACCR XML file fed to expat block by
// block from the caller's read function, so a file of any size, a .gz
// stream or standard input is checked in bounded memory.
#include <string.h>

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
const uint64_t progress_step = 4u << 20;

// The encoding it declares tells how its places may be counted.
void XMLCALL xml_declaration(void *user, const XML_Char *, const XML_Char *encoding, int)
{
    note_encoding(static_cast<XmlCheck *>(user), encoding);
}

// A DOCTYPE could declare entities that expand without bound: refused at once.
void XMLCALL xml_doctype(void *user, const XML_Char *, const XML_Char *, const XML_Char *, int)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    report_xml(check, NAACCR_CHECK_XML_MALFORMED, current_place(check), nullptr,
               "a DOCTYPE, which NAACCR XML does not allow: the file is not read further");
    XML_StopParser(check->run.parser, XML_FALSE);
}

XML_Parser make_parser(XmlCheck *check)
{
    XML_Parser parser = create_counted_parser();
    if (parser == nullptr)
        return nullptr;
    XML_SetUserData(parser, check);
    XML_SetElementHandler(parser, xml_start_element, xml_end_element);
    XML_SetCharacterDataHandler(parser, xml_text);
    XML_SetXmlDeclHandler(parser, xml_declaration);
    XML_SetStartDoctypeDeclHandler(parser, xml_doctype);
    XML_SetUnknownEncodingHandler(parser, xml_unknown_encoding, check);
    XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
    return parser;
}

// expat's memory ran out of its budget: what the file holds past here
// cannot be read in bounded memory.
void report_budget(XmlCheck *check)
{
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

// Feeds `n` bytes already in expat's buffer; false when the check ends.
bool feed(XmlCheck *check, size_t n, bool last)
{
    check->run.fed += n;
    check->run.summary->records.bytes += n;
    if (XML_ParseBuffer(check->run.parser, static_cast<int>(n), last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
        report_parse_error(check);
        return false;
    }
    // expat stops at the start of the token it has not seen whole.
    const XML_Index at = XML_GetCurrentByteIndex(check->run.parser);
    if (at > check->run.last_event)
        check->run.last_event = at;
    const uint64_t done = static_cast<uint64_t>(check->run.last_event);
    if (!last)
        settle_places(check);
    if (!last && check->run.fed - done > xml_longest_token) {
        report_xmlf(check, NAACCR_CHECK_XML_TOKEN_TOO_LONG, current_place(check), nullptr,
                    "more than %llu MB without the end of a tag, attribute, comment or instruction: the file is not "
                    "read further",
                    static_cast<unsigned long long>(xml_longest_token >> 20));
        return false;
    }
    return true;
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

bool head_fed(XmlCheck *check, const unsigned char *head, size_t n, int32_t *status)
{
    for (size_t at = 0; at < n;) {
        const size_t part = n - at < feed_size ? n - at : feed_size;
        void *buffer = expat_buffer(check, part);
        if (buffer == nullptr) {
            *status = no_buffer(check);
            return false;
        }
        memcpy(buffer, head + at, part);
        at += part;
        if (!feed(check, part, false))
            return false;
    }
    return true;
}

int32_t progress(XmlCheck *check, int64_t total)
{
    const NaaccrItemCheckOptions &options = *check->run.options;
    if (options.on_progress == nullptr ||
        options.on_progress(options.context, check->run.fed, total, check->run.summary->tumors) == 0)
        return 0;
    check->run.stopped = STOP_BY_PROGRESS;
    return 1;
}

int32_t read_and_check(XmlCheck *check, NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                       size_t head_length)
{
    // expat tells the encoding from the first four bytes, and places an
    // error among them differently when it gets them one by one.
    unsigned char start[4];
    if (head_length < sizeof start) {
        if (head_length > 0)
            memcpy(start, head, head_length);
        while (head_length < sizeof start) {
            const int64_t got =
                read != nullptr ? read(stream, start + head_length, static_cast<uint32_t>(sizeof start - head_length))
                                : 0;
            if (got < 0)
                return NAACCR_REC_READ_FAILED;
            if (got == 0)
                break;
            head_length += static_cast<size_t>(got);
        }
        head = start;
    }
    note_first_bytes(check, head, head_length);
    int32_t status = NAACCR_REC_OK;
    if (progress(check, total) != 0 || !head_fed(check, head, head_length, &status))
        return status;
    uint64_t next_progress = check->run.fed + progress_step;
    for (;;) {
        const uint64_t done = check->run.last_event > 0 ? static_cast<uint64_t>(check->run.last_event) : 0;
        const uint32_t size = check->run.fed - done > long_token ? long_token_feed_size : feed_size;
        void *buffer = expat_buffer(check, size);
        if (buffer == nullptr)
            return no_buffer(check);
        const int64_t got = read != nullptr ? read(stream, buffer, size) : 0;
        if (got < 0)
            return NAACCR_REC_READ_FAILED;
        if (!feed(check, static_cast<size_t>(got), got == 0) || got == 0)
            return NAACCR_REC_OK;
        if (check->run.fed >= next_progress) {
            next_progress = check->run.fed + progress_step;
            if (progress(check, total) != 0)
                return NAACCR_REC_OK;
        }
    }
}

} // namespace

void stop_check(XmlCheck *check, StopReason reason)
{
    if (check->run.stopped != STOP_NONE)
        return;
    check->run.stopped = reason;
    XML_StopParser(check->run.parser, XML_FALSE);
}

void hook_result(XmlCheck *check, int32_t result)
{
    if (result != 0)
        stop_check(check, STOP_BY_CALLBACK);
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
    memset(summary, 0, sizeof *summary);
    summary->format = NAACCR_FORMAT_XML;
    summary->records.record_type = ' ';
    summary->records.version[0] = ' ';

    XmlCheck check;
    memset(&check, 0, sizeof check);
    check.run.options = &options;
    check.run.hook = hook;
    check.run.summary = summary;
    check.run.last_event = 0;
    start_tree(&check);
    XmlMemory *outer = enter_xml_memory(&check.run.memory);
    int32_t status = NAACCR_REC_NO_MEMORY;
    if (allocate_root(&check) && allocate_item_state(&check) && allocate_ids(&check) &&
        (check.run.parser = make_parser(&check)) != nullptr) {
        status = read_and_check(&check, read, stream, total, head, head_length);
        release_held_problems(&check);
        XML_ParserFree(check.run.parser);
    }
    if (check.root.no_memory)
        status = NAACCR_REC_NO_MEMORY;
    free_ids(&check);
    free_item_state(&check);
    free_root(&check);
    free_user_items(&check.user);
    leave_xml_memory(outer);
    summary->records.stopped = check.run.stopped;
    if (status == NAACCR_REC_OK && check.run.stopped == STOP_NONE && options.on_progress != nullptr)
        options.on_progress(options.context, check.run.fed, total, summary->tumors);
    return status;
}
