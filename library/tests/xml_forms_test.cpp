// xml_forms_test.cpp -- what makes a file NAACCR XML, the encodings it may
// come in, and the date and time form of its root.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/base.h"
#include "xml/xml.h"
#include "xml/xml_state.h"
#include "xml_check_helpers.h"

namespace
{

std::string item(const std::string &id, const std::string &value)
{
    return "<Item naaccrId=\"" + id + "\">" + value + "</Item>";
}
std::string patient(const std::string &body) { return "<Patient>" + body + "</Patient>"; }
std::string tumor(const std::string &body) { return "<Tumor>" + body + "</Tumor>"; }
const std::string base250 = "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\"";
const std::string ns = "xmlns=\"http://naaccr.org/naaccrxml\"";

struct Case {
    const char *label;
    std::string xml;
    std::vector<int32_t> kinds;
};

TEST(XmlForms, ReadsTheEncodingsRegistriesUse)
{
    const std::string body = patient(tumor(item("textRemarks", "caf\xE9 \x80")));
    auto declared = [&](const std::string &encoding) {
        std::string xml = naaccr_xml(body, base250 + " recordType=\"A\" specificationVersion=\"1.8\" " + ns);
        return xml.replace(xml.find("UTF-8"), 5, encoding);
    };
    std::string utf16 = "\xFF\xFE", narrow = naaccr_xml(patient(item("sex", "M")));
    for (char c : narrow.replace(30, 5, "UTF-16"))
        utf16 += std::string(1, c) + '\0';
    const Case cases[] = {
        {"ISO-8859-1", declared("ISO-8859-1"), {}},
        {"windows-1252", declared("windows-1252"), {}},
        {"WINDOWS-1252 in capitals", declared("WINDOWS-1252"), {}},
        {"undeclared Latin-1 bytes are not UTF-8", declared("UTF-8"), {NAACCR_CHECK_XML_MALFORMED}},
        {"US-ASCII with a byte above 127", declared("US-ASCII"), {NAACCR_CHECK_XML_MALFORMED}},
        {"EBCDIC", declared("EBCDIC-US"), {NAACCR_CHECK_XML_ENCODING}},
        {"UTF-16 with its mark", utf16, {NAACCR_CHECK_ITEM_DATA_TYPE}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(kinds_of(check_xml_text(c.xml)), c.kinds);
    }
}

TEST(XmlForms, RecognisesXmlByItsFirstCharacter)
{
    const struct {
        const char *label;
        std::string head;
        bool xml;
    } cases[] = {
        {"declaration", "<?xml version=\"1.0\"?>", true},
        {"white space first", " \r\n\t<NaaccrData", true},
        {"UTF-8 mark", "\xEF\xBB\xBF<N", true},
        {"UTF-16LE mark", std::string("\xFF\xFE \0<\0", 6), true},
        {"UTF-16BE mark", std::string("\xFE\xFF\0<", 4), true},
        {"UTF-16LE without a mark", std::string("<\0?\0", 4), true},
        {"a flat record", "I        180", false},
        {"only white space", "   ", false},
        {"empty", "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(looks_like_xml(reinterpret_cast<const unsigned char *>(c.head.data()), c.head.size()), c.xml);
    }
}

TEST(XmlForms, KnowsAnXsdDateTime)
{
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"2024-08-23T09:11:34.763-04:00", true}, {"2015-03-13T12:09:19.0Z", true},     {"2015-03-13T12:09:19", true},
        {"2024-02-29T00:00:00", true},           {"2024-12-31T24:00:00Z", true},       {"2019-12-13T11:49:15:", false},
        {"2023-02-29T00:00:00", false},          {"2024-13-01T00:00:00", false},       {"2024-01-01", false},
        {"2024-01-01T25:00:00", false},          {"2024-01-01T10:00:00+15:00", false}, {"2024-01-01T10:00:00.", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        DateTimeFault fault;
        EXPECT_EQ(check_date_time(reinterpret_cast<const unsigned char *>(c.text), strlen(c.text), DATE_TIME_STAMP,
                                  &fault) == 0,
                  c.valid);
    }
}

} // namespace
