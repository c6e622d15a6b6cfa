// convert_xml_test.cpp -- conversion from and to NAACCR XML: flat records
// through XML and back give the same bytes, XML through XML the same XML,
// and what flat records or the tumour model cannot hold refuses a file or,
// lossy, is left out and listed.
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "convert_helpers.h"

namespace
{

TEST(ConvertRoundTrip, FlatThroughXmlGivesTheSameBytes)
{
    std::mt19937 random(18);
    for (const int32_t version : {140, 150, 160, 180})
        for (const char type : {'A', 'M', 'C', 'I'}) {
            SCOPED_TRACE(std::to_string(version) + type);
            // The same file-level items in every record, as one XML file needs.
            std::string bytes = generated_file(version, type, 1, random);
            const std::string record = bytes.substr(0, bytes.size() - 2);
            bytes += bytes;
            const Converted xml = convert_bytes(bytes, NAACCR_FORMAT_XML);
            ASSERT_EQ(xml.code, NAACCR_REC_OK);
            const Converted flat = convert_bytes(xml.output, NAACCR_FORMAT_FLAT);
            EXPECT_EQ(flat.code, NAACCR_REC_OK);
            EXPECT_TRUE(flat.output == bytes) << flat.output.size() << " bytes for " << bytes.size();
            const Converted again = convert_bytes(xml.output, NAACCR_FORMAT_XML);
            EXPECT_EQ(again.code, NAACCR_REC_OK);
            EXPECT_TRUE(again.output == xml.output);
        }
}

TEST(ConvertRoundTrip, XmlGivesTheSameCsvAsTheFlatRecordsItWasMadeOf)
{
    const std::string one = make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"primarySite", "C619"}});
    const std::string two = make_record(180, 'I', {{"patientIdNumber", "00000002"}, {"primarySite", "C500"}});
    const std::string bytes = one + "\r\n" + one + "\r\n" + two + "\r\n";
    const Converted from_flat = convert_bytes(bytes, NAACCR_FORMAT_CSV);
    const Converted xml = convert_bytes(bytes, NAACCR_FORMAT_XML);
    // XML's default columns are every item's: the flat file's are asked for.
    const std::string columns = from_flat.output.substr(0, from_flat.output.find("\r\n"));
    const Converted from_xml = convert_bytes(xml.output, NAACCR_FORMAT_CSV, 0, columns.c_str());
    ASSERT_EQ(from_xml.code, NAACCR_REC_OK);
    EXPECT_EQ(from_xml.output, from_flat.output);
    EXPECT_EQ(from_xml.summary.input.patients, 2u);
    EXPECT_EQ(from_xml.summary.input.tumors, 3u);
}

TEST(ConvertFromXml, RefusesWhatItsTargetCannotHoldUnlessLossy)
{
    const std::string sex = item("sex", "1"), site = item("primarySite", "C619");
    const std::string long_text(4001, 'X');
    const struct {
        const char *label;
        std::string xml;
        int32_t target;
        int32_t problem;  // the first problem's kind
        bool lossy_helps; // with lossy the rest is written
        uint64_t written; // with lossy
    } cases[] = {
        {"an extension", xml_file(patient(sex, tumor(site + "<x:e xmlns:x=\"urn:x\">1</x:e>\n"))), NAACCR_FORMAT_CSV,
         NAACCR_CHECK_NOT_WRITABLE, true, 1},
        {"a patient without tumours", xml_file(patient(sex, tumor(site)) + patient(sex, "")), NAACCR_FORMAT_XML,
         NAACCR_CHECK_NOT_WRITABLE, true, 1},
        {"an unknown item", xml_file(patient(sex, tumor(site + item("noSuchItem", "1")))), NAACCR_FORMAT_FLAT,
         NAACCR_CHECK_ITEM_UNKNOWN, true, 1},
        {"a value too long", xml_file(patient(item("sex", "12"), tumor(site))), NAACCR_FORMAT_FLAT,
         NAACCR_CHECK_ITEM_TOO_LONG, true, 1},
        {"a repeated item", xml_file(patient(sex, tumor(site + site))), NAACCR_FORMAT_CSV, NAACCR_CHECK_ITEM_REPEATED,
         true, 1},
        {"an item not of the record type", xml_file(patient(sex, tumor(site + item("textRemarks", "R")))),
         NAACCR_FORMAT_FLAT, NAACCR_CHECK_NOT_WRITABLE, true, 1},
        {"a character outside ASCII", xml_file(patient(item("nameLast", "M\xC3\x9CLLER"), tumor(site)), "180", "A"),
         NAACCR_FORMAT_FLAT, NAACCR_CHECK_NOT_WRITABLE, true, 1},
        {"unlimited text over 4000", xml_file(patient(sex, tumor(site + item("textRemarks", long_text))), "180", "A"),
         NAACCR_FORMAT_CSV, NAACCR_CHECK_ITEM_TOO_LONG, true, 1},
        {"a version without a flat layout", xml_file(patient(sex, tumor(site)), "250"), NAACCR_FORMAT_FLAT,
         NAACCR_CHECK_NOT_WRITABLE, false, 0},
        {"malformed XML", xml_file(patient(sex, tumor(site))).substr(0, 300), NAACCR_FORMAT_CSV,
         NAACCR_CHECK_XML_MALFORMED, false, 0},
    };
    for (const auto &c : cases)
        for (const bool lossy : {false, true}) {
            SCOPED_TRACE(std::string(c.label) + (lossy ? ", lossy" : ""));
            const Converted out = convert_bytes(c.xml, c.target, lossy ? NAACCR_CONVERT_LOSSY : 0);
            ASSERT_FALSE(out.problems.empty());
            EXPECT_EQ(out.problems[0].code, c.problem) << out.problems[0].message;
            const bool written = lossy && c.lossy_helps;
            EXPECT_EQ(out.code, written ? NAACCR_REC_OK : NAACCR_REC_REFUSED);
            if (written) {
                EXPECT_EQ(out.summary.written, c.written);
                EXPECT_GE(out.summary.left_out, 1u);
            }
        }
}

TEST(ConvertFromXml, PadsValuesAndFillsTheRecordTypeAndVersion)
{
    // Neither recordType nor naaccrRecordVersion is given as an item; the
    // Patient ID Number comes without its zeros.
    const std::string xml =
        xml_file(item("registryId", "0000000042") + patient(item("patientIdNumber", "42"), tumor(item("sex", "2"))));
    const Converted out = convert_bytes(xml, NAACCR_FORMAT_FLAT, NAACCR_CONVERT_LF);
    ASSERT_EQ(out.code, NAACCR_REC_OK);
    ASSERT_EQ(out.output.size(), 4049u);
    EXPECT_EQ(out.output.substr(0, 1), "I");
    EXPECT_EQ(out.output.substr(16, 3), "180");
    EXPECT_EQ(out.output.substr(29, 10), "0000000042");
    EXPECT_EQ(out.output.substr(41, 8), "00000042");
    EXPECT_EQ(out.output.substr(221, 1), "2");
    EXPECT_NE(out.output.substr(2606, 10), std::string(10, ' ')); // the checksum
}

TEST(ConvertFromXml, QuotesTextWithLineEndsInCsvAndKeepsItInXml)
{
    const std::string xml = xml_file(
        patient(item("patientIdNumber", "00000001"), tumor(item("textRemarks", "first line\nsecond, \"quoted\""))),
        "180", "A");
    const Converted csv = convert_bytes(xml, NAACCR_FORMAT_CSV, 0, "patientIdNumber,textRemarks");
    ASSERT_EQ(csv.code, NAACCR_REC_OK);
    EXPECT_EQ(csv.output, "patientIdNumber,textRemarks\r\n00000001,\"first line\nsecond, \"\"quoted\"\"\"\r\n");
    const Converted again = convert_bytes(xml, NAACCR_FORMAT_XML);
    ASSERT_EQ(again.code, NAACCR_REC_OK);
    EXPECT_NE(again.output.find("first line\nsecond, \"quoted\""), std::string::npos);
}

} // namespace
