// xml_places_test.cpp -- the line and column of Item problems deep in a file,
// where they are counted from the last place expat told, against a count of
// the file's own text.
#include <gtest/gtest.h>

#include "xml_check_helpers.h"

namespace
{

// Lines and columns counted along a text up to each offset asked for, in
// order: CR LF, CR and LF each end a line; a UTF-8 character (or for a
// one-byte encoding, a byte) is a column.
struct TextPlace {
    const std::string &text;
    bool utf8;
    size_t at = 0;
    uint64_t line = 1;
    int32_t column = 1;

    void move_to(size_t offset)
    {
        for (; at < offset; ++at) {
            const unsigned char c = static_cast<unsigned char>(text[at]);
            if (c == '\r' || c == '\n') {
                ++line;
                column = 1;
                if (c == '\r' && at + 1 < offset && text[at + 1] == '\n')
                    ++at;
            } else if (!utf8 || (c & 0xC0) != 0x80) {
                ++column;
            }
        }
    }
};

// `count` tumours, every third with a month 13 in its date of diagnosis.
// Lines end in LF, CR LF and CR in turn; a comment of `letters` stands before
// each date on its line, and every fifth Item tag spans two lines.
std::string tumours(int count, const std::string &letters)
{
    const char *const ends[] = {"\n", "\r\n", "\r"};
    std::string body;
    for (int i = 0; i < count; ++i) {
        const std::string eol = ends[i % 3];
        const std::string tag =
            i % 5 == 0 ? "<Item" + eol + "  naaccrId=\"dateOfDiagnosis\">" : "<Item naaccrId=\"dateOfDiagnosis\">";
        body += "<Patient>" + eol + "<Item naaccrId=\"patientIdNumber\">00000001</Item>" + eol + "<Tumor>" + eol +
                "  <!-- " + letters + " -->" + tag + (i % 3 == 0 ? "20191301" : "20190115") + "</Item>" + eol +
                "</Tumor>" + eol + "</Patient>" + eol;
    }
    return body;
}

} // namespace

TEST(XmlPlaces, ItemProblemsDeepInAFileStandAtTheirTags)
{
    const struct {
        const char *label;
        const char *encoding;
        bool utf8;
        const char *letters;
        size_t piece; // 0: the whole file at once
    } cases[] = {
        {"UTF-8 whole", "UTF-8", true, "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x99\x82", 0},
        {"UTF-8 in pieces", "UTF-8", true, "\xC3\xA9t\xC3\xA9", 1021},
        {"ISO-8859-1", "ISO-8859-1", false, "\xE9t\xE9", 0},
        {"windows-1252 in pieces", "windows-1252", false, "\x80 \xE9", 4099},
    };
    const int count = 6000; // about 1.3 MB: five blocks and more
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string xml = naaccr_xml(tumours(count, c.letters));
        xml.replace(xml.find("UTF-8"), 5, c.encoding);
        const XmlChecked checked = c.piece == 0 ? check_xml_text(xml) : check_xml_pieces(xml, 0, c.piece);
        ASSERT_EQ(checked.status, NAACCR_REC_OK);
        ASSERT_EQ(checked.problems.size(), static_cast<size_t>(count / 3));
        TextPlace place = {xml, c.utf8};
        for (const XmlSeen &seen : checked.problems) {
            ASSERT_EQ(seen.item_id, "dateOfDiagnosis");
            ASSERT_EQ(xml.compare(static_cast<size_t>(seen.offset), 5, "<Item"), 0) << seen.offset;
            place.move_to(static_cast<size_t>(seen.offset));
            ASSERT_EQ(seen.line, place.line) << "offset " << seen.offset;
            ASSERT_EQ(seen.column, place.column) << "offset " << seen.offset;
        }
    }
}

TEST(XmlPlaces, Utf16WithoutAMarkIsCountedByExpatWhateverItsFirstCharacter)
{
    // Big-endian UTF-16 without a byte-order mark or a declaration, starting
    // with white space: its first two bytes are 0 and a blank, not 0 and '<'.
    const int count = 300;
    std::string text = naaccr_xml(tumours(count, "abc"));
    text = "\n" + text.substr(text.find("<NaaccrData"));
    std::string utf16;
    for (const char c : text)
        utf16 += std::string(1, '\0') + c;
    const XmlChecked checked = check_xml_pieces(utf16, 0, 4099);
    ASSERT_EQ(checked.status, NAACCR_REC_OK);
    ASSERT_EQ(checked.problems.size(), static_cast<size_t>(count / 3));
    TextPlace place = {text, true};
    for (const XmlSeen &seen : checked.problems) {
        place.move_to(static_cast<size_t>(seen.offset / 2));
        ASSERT_EQ(seen.line, place.line) << "offset " << seen.offset;
        ASSERT_EQ(seen.column, place.column) << "offset " << seen.offset;
    }
}
