// xml_bounds_test.cpp -- bad NAACCR XML of any size ends in one clear problem
// after bounded work: long tokens, long values, deep extensions, entity
// bombs, read failures.  The big inputs are made as they are read.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "xml/xml.h"
#include "xml_check_helpers.h"

namespace
{

// `before`, then `count` copies of `filler`, then `after`, made as read.
struct MadeStream {
    std::string before, filler, after;
    uint64_t count;
    uint64_t at; // bytes given so far
};

int64_t CV_CALL read_made(void *stream, void *buffer, uint32_t size)
{
    MadeStream *s = static_cast<MadeStream *>(stream);
    char *out = static_cast<char *>(buffer);
    const uint64_t middle = s->filler.size() * s->count, total = s->before.size() + middle + s->after.size();
    uint32_t n = 0;
    while (n < size && s->at < total) {
        const char *from;
        uint64_t left; // bytes of the current part from s->at on
        if (s->at < s->before.size()) {
            from = s->before.data() + s->at;
            left = s->before.size() - s->at;
        } else if (s->at < s->before.size() + middle) {
            const uint64_t in_filler = (s->at - s->before.size()) % s->filler.size();
            from = s->filler.data() + in_filler;
            left = s->filler.size() - in_filler;
        } else {
            from = s->after.data() + (s->at - s->before.size() - middle);
            left = total - s->at;
        }
        const uint32_t part = static_cast<uint32_t>(left < size - n ? left : size - n);
        memcpy(out + n, from, part);
        n += part;
        s->at += part;
    }
    return n;
}

std::string repeated(const std::string &unit, size_t times)
{
    std::string all;
    for (size_t k = 0; k < times; ++k)
        all += unit;
    return all;
}

// `count` pieces "<before>N<after>", N from 0 on: names that differ.
std::string numbered(const std::string &before, const std::string &after, int count)
{
    std::string all;
    for (int k = 0; k < count; ++k)
        all += before + std::to_string(k) + after;
    return all;
}

// Gives "<NaaccrData>", then fails.
int64_t CV_CALL read_fails(void *stream, void *buffer, uint32_t size)
{
    size_t *given = static_cast<size_t *>(stream);
    const char head[] = "<NaaccrData>";
    const size_t left = sizeof head - 1 - *given;
    if (left == 0)
        return -1;
    const size_t n = size < left ? size : left;
    memcpy(buffer, head + *given, n);
    *given += n;
    return static_cast<int64_t>(n);
}

TEST(XmlBounds, EndsEachHugeOrHostileInputInOneProblem)
{
    const std::string root = naaccr_xml("").substr(0, naaccr_xml("").find("</NaaccrData>"));
    const std::string patient_open = root + "<Patient><Item naaccrId=\"patientIdNumber\">";
    const uint64_t mb = 1u << 20;
    const struct {
        const char *label;
        MadeStream stream;
        int32_t kind;
        uint64_t most_read; // bytes read at most; 0: all of them
    } cases[] = {
        {"an attribute of 40 MB",
         {root + "<Patient a=\"", std::string(mb, 'x'), "\"/></NaaccrData>", 40, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         18 * mb},
        {"a comment of 40 MB",
         {root + "<!--", repeated("-x", mb / 2), "--></NaaccrData>", 40, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         18 * mb},
        {"an element name of 40 MB",
         {root + "<x:", std::string(mb, 'n'), "/></NaaccrData>", 40, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         18 * mb},
        {"a value of 40 MB streams",
         {patient_open, repeated("1234567", mb / 8), "</Item></Patient></NaaccrData>", 48, 0},
         NAACCR_CHECK_ITEM_TOO_LONG,
         0},
        {"an extension 100,000 deep",
         {root + "<x:e xmlns:x=\"urn:x\">", repeated("<x:e>", 1000), "", 100, 0},
         NAACCR_CHECK_XML_STRUCTURE,
         mb},
        {"2,000,000 levels, a namespace declared at each",
         {root, "<x:e xmlns:x=\"urn:x\">", "", 2000000, 0},
         NAACCR_CHECK_XML_STRUCTURE,
         mb},
        {"a million attributes in one tag",
         {root + "<Patient " + numbered("a", "=\"\" ", 1000000), "", "/></NaaccrData>", 0, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         0},
        {"600,000 namespace declarations in one tag",
         {root + "<Patient " + numbered("xmlns:a", "=\"u\" ", 600000), "", "/></NaaccrData>", 0, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         0},
        {"a million element names",
         {root + "<x:e xmlns:x=\"urn:x\">" + numbered("<x:n", "/>", 1000000), "", "</x:e></NaaccrData>", 0, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         8 * mb},
        {"200 open elements of names of 100,000 characters",
         {root + "<x:e xmlns:x=\"urn:x\">", "<x:" + std::string(100000, 'n') + ">", "", 200, 0},
         NAACCR_CHECK_XML_TOKEN_TOO_LONG,
         18 * mb},
        {"a billion laughs",
         {"<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">", "<!ENTITY lol9 \"&lol;&lol;&lol;\">",
          "]><lolz>&lol9;</lolz>", 10, 0},
         NAACCR_CHECK_XML_MALFORMED,
         1 * mb},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        MadeStream stream = c.stream;
        const XmlChecked checked = check_xml_stream(read_made, &stream);
        EXPECT_EQ(checked.status, NAACCR_REC_OK);
        ASSERT_EQ(checked.problems.size(), 1u) << checked.problems[0].message;
        EXPECT_EQ(checked.problems[0].code, c.kind) << checked.problems[0].message;
        const uint64_t total = stream.before.size() + stream.filler.size() * stream.count + stream.after.size();
        if (c.most_read == 0)
            EXPECT_EQ(checked.summary.records.bytes, total);
        else
            EXPECT_LE(checked.summary.records.bytes, c.most_read);
    }
}

TEST(XmlBounds, ANestingOfExtensionsClosedWholeIsNoProblemUpToTheDeepest)
{
    const std::string root = naaccr_xml("").substr(0, naaccr_xml("").find("</NaaccrData>"));
    const struct {
        const char *label;
        uint64_t open; // elements open at the deepest, NaaccrData included
        size_t problems;
    } cases[] = {
        {"as deep as a check reads", xml_deepest_nesting, 0},
        {"one deeper", xml_deepest_nesting + 1, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const uint64_t inner = c.open - 2; // below NaaccrData and the outer extension
        const std::string deep = root + "<x:e xmlns:x=\"urn:x\">" + repeated("<x:e>", inner) +
                                 repeated("</x:e>", inner) + "</x:e></NaaccrData>";
        const XmlChecked checked = check_xml_text(deep);
        ASSERT_EQ(checked.problems.size(), c.problems);
        if (c.problems == 1) {
            EXPECT_EQ(checked.problems[0].code, NAACCR_CHECK_XML_STRUCTURE);
            EXPECT_NE(checked.problems[0].message.find("nested 257 deep"), std::string::npos)
                << checked.problems[0].message;
        }
    }
}

TEST(XmlBounds, ReportsAReadThatFails)
{
    size_t given = 0;
    const XmlChecked checked = check_xml_stream(read_fails, &given);
    EXPECT_EQ(checked.status, NAACCR_REC_READ_FAILED);
    EXPECT_EQ(checked.summary.records.bytes, 12u);
}

} // namespace
