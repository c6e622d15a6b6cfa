// xml_check_helpers.cpp -- running the NAACCR XML check in the tests.
#include "xml_check_helpers.h"

#include "test_files.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "xml/xml.h"

namespace
{

int32_t CV_CALL keep_problem(void *context, const NaaccrItemProblem *p)
{
    XmlChecked *c = static_cast<XmlChecked *>(context);
    XmlSeen seen = {p->code,    p->line,
                    p->column,  p->offset,
                    p->patient, p->tumor,
                    p->record,  p->item_number,
                    p->item_id, std::string(p->value != nullptr ? p->value : "", p->value_length),
                    p->message};
    c->problems.push_back(seen);
    for (const char *m = p->message; *m != '\0'; ++m)
        EXPECT_TRUE(*m >= 32 && *m <= 126) << "a printable message";
    return c->stop_after != 0 && c->problems.size() >= c->stop_after ? 1 : 0;
}

int32_t CV_CALL keep_progress(void *context, uint64_t done, int64_t, uint64_t)
{
    static_cast<XmlChecked *>(context)->progress.push_back(done);
    return 0;
}

int64_t CV_CALL read_nothing(void *, void *, uint32_t) { return 0; }

} // namespace

int64_t CV_CALL read_pieces(void *stream, void *buffer, uint32_t size)
{
    PieceStream *s = static_cast<PieceStream *>(stream);
    size_t n = s->bytes->size() - s->at;
    n = n < s->piece ? n : s->piece;
    n = n < size ? n : size;
    memcpy(buffer, s->bytes->data() + s->at, n);
    s->at += n;
    return static_cast<int64_t>(n);
}

NaaccrItemCheckOptions xml_options(XmlChecked *checked, uint32_t max_reported)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS;
    options.max_reported = max_reported;
    options.on_item_problem = keep_problem;
    options.on_progress = keep_progress;
    options.context = checked;
    return options;
}

XmlChecked check_xml_pieces(const std::string &xml, size_t head, size_t piece)
{
    XmlChecked checked = {};
    const NaaccrItemCheckOptions options = xml_options(&checked);
    head = head < xml.size() ? head : xml.size();
    PieceStream stream = {&xml, head, piece};
    checked.status =
        check_naaccr_xml(read_pieces, &stream, static_cast<int64_t>(xml.size()),
                         reinterpret_cast<const unsigned char *>(xml.data()), head, options, &checked.summary);
    return checked;
}

XmlChecked check_xml_text(const std::string &xml) { return check_xml_pieces(xml, xml.size(), 1); }

XmlChecked check_xml_stream(NaaccrReadCallback read, void *stream, uint32_t max_reported)
{
    XmlChecked checked = {};
    const NaaccrItemCheckOptions options = xml_options(&checked, max_reported);
    checked.status =
        check_naaccr_xml(read != nullptr ? read : read_nothing, stream, -1, nullptr, 0, options, &checked.summary);
    return checked;
}

std::vector<int32_t> kinds_of(const XmlChecked &checked)
{
    std::vector<int32_t> kinds;
    for (const XmlSeen &p : checked.problems)
        kinds.push_back(p.code);
    return kinds;
}

std::string naaccr_xml(const std::string &body, const std::string &attributes)
{
    const std::string usual = "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
                              "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\"";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<NaaccrData " + (attributes.empty() ? usual : attributes) +
           ">\n" + body + "</NaaccrData>\n";
}

std::string xmldata_folder()
{
    const std::string data = data_folder();
    return data.empty() ? "" : data + "/xml-samples";
}
