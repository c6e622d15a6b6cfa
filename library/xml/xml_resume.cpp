// xml_resume.cpp -- expat started in the middle of a file: where the fast
// path hands over, and where a piece of a file checked by several threads
// begins.  expat needs what the file said before that place: its encoding,
// the root's namespaces and the elements open there.  So it is given the
// file's head again (up to the end of the root's start tag) with no handler
// set, then a start tag for each element open below the root, and from then
// on the file's own bytes; its places are mapped back onto the file's.
#include <string.h>

#include "xml/xml_state.h"

bool resume_with_expat(XmlCheck *check, const char *const *open, const size_t *lengths, int count,
                       const XmlPlace &place)
{
    const XmlHead &head = check->run.head;
    XML_Parser parser = make_parser(check, false);
    if (parser == nullptr)
        return false;
    bool ok = head.whole && XML_Parse(parser, reinterpret_cast<const char *>(head.bytes), static_cast<int>(head.length),
                                      XML_FALSE) == XML_STATUS_OK;
    for (int k = 0; ok && k < count; ++k) {
        char tag[fast_longest_name + 3];
        const size_t n = lengths[k] < fast_longest_name ? lengths[k] : fast_longest_name;
        tag[0] = '<';
        memcpy(tag + 1, open[k], n);
        tag[n + 1] = '>';
        ok = XML_Parse(parser, tag, static_cast<int>(n + 2), XML_FALSE) == XML_STATUS_OK;
    }
    if (!ok) {
        XML_ParserFree(parser);
        return false;
    }
    // expat stands after all it was given.
    const uint64_t line = XML_GetCurrentLineNumber(parser);
    const int64_t column = static_cast<int64_t>(XML_GetCurrentColumnNumber(parser));
    const int64_t index = XML_GetCurrentByteIndex(parser);
    XmlFrame &frame = check->run.frame;
    frame.offset_shift = place.offset - index;
    frame.line_shift = static_cast<int64_t>(place.line) - static_cast<int64_t>(line);
    frame.join_line = line;
    frame.join_column = place.column - column;
    set_handlers(parser);
    if (check->run.parser != nullptr)
        XML_ParserFree(check->run.parser);
    check->run.parser = parser;
    check->run.last_event = place.offset;
    check->places.anchored = false;
    return true;
}
