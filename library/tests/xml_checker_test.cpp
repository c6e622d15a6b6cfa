// xml_checker_test.cpp -- the NAACCR XML check on small generated files: one
// table of faults in the structure and the root, one of faults in items, and
// how the problems are placed, counted, limited and stopped.
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_files.h"

#include "xml/xml.h"
#include "xml_check_helpers.h"

namespace
{

std::string item(const std::string &id, const std::string &value)
{
    return "<Item naaccrId=\"" + id + "\">" + value + "</Item>";
}
std::string patient(const std::string &body) { return "<Patient>" + body + "</Patient>"; }
std::string tumor(const std::string &body) { return "<Tumor>" + body + "</Tumor>"; }
const std::string good_patient = patient(item("patientIdNumber", "00000001") + tumor(item("primarySite", "C123")));
const std::string base250 = "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\"";
const std::string ns = "xmlns=\"http://naaccr.org/naaccrxml\"";

struct Case {
    const char *label;
    std::string xml;
    std::vector<int32_t> kinds;
};

const int32_t STRUCTURE = NAACCR_CHECK_XML_STRUCTURE, ROOT = NAACCR_CHECK_XML_ROOT,
              MALFORMED = NAACCR_CHECK_XML_MALFORMED;

// Files with one fault each of structure, root or form, and what they show.
std::vector<Case> structure_cases()
{
    return {
        {"a sound file", naaccr_xml(good_patient), {}},
        {"an extension between items and patients",
         naaccr_xml("<x:Ext xmlns:x=\"urn:x\"><x:In>text<Item/></x:In></x:Ext>" + good_patient),
         {}},
        {"no namespace at all, once",
         naaccr_xml(good_patient, base250 + " recordType=\"I\" specificationVersion=\"1.8\""),
         {ROOT}},
        {"root misspelled", "<NaaccrDat " + ns + ">" + good_patient + "</NaaccrDat>", {STRUCTURE}},
        {"root of another namespace", "<NaaccrData xmlns=\"urn:other\">" + good_patient + "</NaaccrData>", {STRUCTURE}},
        {"no baseDictionaryUri",
         naaccr_xml(good_patient, "recordType=\"I\" specificationVersion=\"1.8\" " + ns),
         {ROOT}},
        {"unknown baseDictionaryUri",
         naaccr_xml(good_patient, "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-990.xml\" "
                                  "recordType=\"I\" specificationVersion=\"1.8\" " +
                                      ns),
         {ROOT}},
        {"no recordType", naaccr_xml(good_patient, base250 + " specificationVersion=\"1.8\" " + ns), {ROOT}},
        {"recordType X",
         naaccr_xml(good_patient, base250 + " recordType=\"X\" specificationVersion=\"1.8\" " + ns),
         {ROOT}},
        {"no specificationVersion", naaccr_xml(good_patient, base250 + " recordType=\"I\" " + ns), {ROOT}},
        {"specificationVersion 2.0",
         naaccr_xml(good_patient, base250 + " recordType=\"I\" specificationVersion=\"2.0\" " + ns),
         {ROOT}},
        {"timeGenerated with a trailing colon",
         naaccr_xml(good_patient, base250 +
                                      " recordType=\"I\" specificationVersion=\"1.8\" "
                                      "timeGenerated=\"2019-12-13T11:49:15:\" " +
                                      ns),
         {ROOT}},
        {"a recordType Item that contradicts the root", naaccr_xml(item("recordType", "A") + good_patient), {ROOT}},
        {"Items that agree with the root", naaccr_xml(item("naaccrRecordVersion", "250") + good_patient), {}},
        {"unknown root attribute; other namespaces' allowed",
         naaccr_xml(good_patient, base250 +
                                      " recordType=\"I\" specificationVersion=\"1.8\" color=\"red\" "
                                      "xmlns:x=\"urn:x\" x:color=\"blue\" " +
                                      ns),
         {STRUCTURE}},
        {"an attribute on Patient", naaccr_xml("<Patient id=\"1\"></Patient>"), {STRUCTURE}},
        {"another namespace's attribute on Tumor",
         naaccr_xml("<Patient><Tumor xmlns:x=\"urn:x\" x:a=\"1\"/></Patient>"),
         {STRUCTURE}},
        {"an attribute on Item", naaccr_xml("<Item naaccrId=\"registryId\" kind=\"x\">0000000001</Item>"), {STRUCTURE}},
        {"Item without naaccrId", naaccr_xml("<Item>1</Item>"), {STRUCTURE}},
        {"Tumor directly in NaaccrData", naaccr_xml(tumor(item("primarySite", "C123"))), {STRUCTURE}},
        {"Patient inside Patient", naaccr_xml(patient(patient(""))), {STRUCTURE}},
        {"unknown element of the namespace", naaccr_xml("<Record/>" + good_patient), {STRUCTURE}},
        {"element of no namespace inside a namespaced file", naaccr_xml("<Ext xmlns=\"\"/>"), {STRUCTURE}},
        {"an Item after a Patient", naaccr_xml(good_patient + item("registryId", "0000000001")), {STRUCTURE}},
        {"an Item after an extension",
         naaccr_xml("<x:E xmlns:x=\"urn:x\"/>" + item("registryId", "0000000001")),
         {STRUCTURE}},
        {"an extension after a Tumor", naaccr_xml(patient(tumor("") + "<x:E xmlns:x=\"urn:x\"/>")), {STRUCTURE}},
        {"an element inside an Item", naaccr_xml("<Item naaccrId=\"registryId\"><b>1</b></Item>"), {STRUCTURE}},
        {"text outside Items, once per element",
         naaccr_xml("loose" + patient("text<Tumor/>more")),
         {STRUCTURE, STRUCTURE}},
        {"a DOCTYPE", "<!DOCTYPE NaaccrData>" + naaccr_xml(good_patient).substr(39), {MALFORMED}},
        {"cut inside a tag", naaccr_xml(good_patient).substr(0, 150), {MALFORMED}},
        {"two roots", naaccr_xml("") + naaccr_xml(""), {MALFORMED}},
        {"an undefined entity", naaccr_xml(item("registryId", "&foo;")), {MALFORMED}},
        {"invalid UTF-8", naaccr_xml(patient(tumor(item("primarySite", "C\xC3(")))), {MALFORMED}},
        {"a raw control character", naaccr_xml(patient(tumor(item("primarySite", "C\x07")))), {MALFORMED}},
        {"an empty stream", "", {MALFORMED}},
    };
}

TEST(XmlChecker, FindsEachFaultOfStructureAndRoot)
{
    for (const Case &c : structure_cases()) {
        SCOPED_TRACE(c.label);
        const XmlChecked checked = check_xml_text(c.xml);
        EXPECT_EQ(checked.status, NAACCR_REC_OK);
        EXPECT_EQ(kinds_of(checked), c.kinds);
        EXPECT_EQ(checked.summary.records.problems, c.kinds.size());
        EXPECT_EQ(checked.summary.format, NAACCR_FORMAT_XML);
    }
}

struct ItemCase {
    const char *label;
    std::string body;
    std::vector<int32_t> kinds;
    const char *id;
    int version = 0;
};

// Items with one fault each (in a file of record type A), and what they show.
std::vector<ItemCase> item_cases()
{
    const int32_t LEVEL = NAACCR_CHECK_ITEM_LEVEL, CONFLICT = NAACCR_CHECK_ITEM_CONFLICT,
                  TOO_LONG = NAACCR_CHECK_ITEM_TOO_LONG;
    return {
        {"unknown naaccrId", patient(tumor(item("noSuchItem", "1"))), {NAACCR_CHECK_ITEM_UNKNOWN}, "noSuchItem"},
        {"naaccrNum of another item",
         patient("<Item naaccrId=\"patientIdNumber\" naaccrNum=\"21\">00000001</Item>"),
         {NAACCR_CHECK_ITEM_NUMBER},
         "patientIdNumber"},
        {"naaccrNum not a number",
         patient("<Item naaccrId=\"sex\" naaccrNum=\"2x\">1</Item>"),
         {NAACCR_CHECK_ITEM_NUMBER},
         "sex"},
        {"matching naaccrNum", patient("<Item naaccrId=\"sex\" naaccrNum=\"220\">1</Item>"), {}, ""},
        {"a Tumor item under Patient", patient(item("primarySite", "C123")), {NAACCR_CHECK_ITEM_LEVEL}, "primarySite"},
        {"a Patient item at the root", item("sex", "1"), {NAACCR_CHECK_ITEM_LEVEL}, "sex"},
        {"twice in one Tumor",
         patient(tumor(item("primarySite", "C123") + item("primarySite", "C456"))),
         {NAACCR_CHECK_ITEM_REPEATED},
         "primarySite"},
        {"once in each of two Tumors",
         patient(tumor(item("primarySite", "C1")) + tumor(item("primarySite", "C2"))),
         {},
         ""},
        {"too long", patient(item("patientIdNumber", "00000001XXXX")), {NAACCR_CHECK_ITEM_TOO_LONG}, "patientIdNumber"},
        {"too long, by far",
         patient(item("patientIdNumber", std::string(100000, '1'))),
         {NAACCR_CHECK_ITEM_TOO_LONG},
         "patientIdNumber"},
        {"unlimited text (210) beyond its length",
         patient(tumor(item("textRemarks", std::string(9000, 'x')))),
         {},
         "",
         210},
        {"unlimited text (210) beyond its length ending in a blank",
         patient(tumor(item("textRemarks", std::string(9000, 'x') + " "))),
         {},
         "",
         210},
        {"only blanks: not given", patient(item("sex", "   ")), {}, ""},
        {"only tabs and line ends: not given", patient(item("sex", "\t\n\t")), {}, ""},
        {"blanks past the item's length, then a value: too long",
         patient(item("patientIdNumber", std::string(20, ' ') + "1")),
         {NAACCR_CHECK_ITEM_TOO_LONG},
         "patientIdNumber"},
        {"a trailing blank",
         patient(item("patientIdNumber", "0000001 ")),
         {NAACCR_CHECK_ITEM_BLANKS},
         "patientIdNumber"},
        {"not digits", patient(item("sex", "M")), {NAACCR_CHECK_ITEM_DATA_TYPE}, "sex"},
        {"entities decoded before the rules", patient(item("sex", "&#49;")), {}, ""},
        {"value in CDATA", patient(item("sex", "<![CDATA[9]]>")), {}, ""},
        // clang-format off
        {"Patient and Tumor differ", patient(item("sex", "1") + tumor(item("sex", "2"))), {LEVEL, CONFLICT}, "sex"},
        {"the root and a Patient differ", item("sex", "1") + patient(item("sex", "2")), {LEVEL, CONFLICT}, "sex"},
        {"the same at two levels", patient(item("sex", "1") + tumor(item("sex", "1"))), {LEVEL}, "sex"},
        {"the same up to its length", patient(item("sex", "1") + tumor(item("sex", "12"))), {LEVEL, TOO_LONG}, "sex"},
        {"two Patients differ", patient(item("sex", "1")) + patient(tumor(item("sex", "2"))), {LEVEL}, "sex"},
        // clang-format on
    };
}

TEST(XmlChecker, FindsEachFaultOfAnItem)
{
    for (const ItemCase &c : item_cases()) {
        SCOPED_TRACE(c.label);
        const int version = c.version != 0 ? c.version : 250;
        const XmlChecked checked = check_xml_text(naaccr_xml(
            c.body, "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-" + std::to_string(version) +
                        ".xml\" recordType=\"A\" specificationVersion=\"1.5\" " + ns));
        EXPECT_EQ(kinds_of(checked), c.kinds);
        if (!checked.problems.empty()) {
            EXPECT_EQ(checked.problems[0].item_id, c.id);
        }
    }
}

TEST(XmlChecker, ChecksItemsAgainstTheRecordType)
{
    const std::string body = patient(tumor(item("textRemarks", "note")));
    const struct {
        const char *type;
        size_t problems;
    } cases[] = {{"A", 0}, {"M", 0}, {"C", 1}, {"I", 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        const XmlChecked checked = check_xml_text(
            naaccr_xml(body, base250 + " recordType=\"" + c.type + "\" specificationVersion=\"1.8\" " + ns));
        EXPECT_EQ(checked.summary.counts[NAACCR_CHECK_ITEM_RECORD_TYPE], c.problems);
        EXPECT_EQ(checked.summary.records.record_type, c.type[0]);
    }
}

TEST(XmlChecker, PlacesAProblemAtItsItemWithPatientAndTumour)
{
    const std::string xml =
        naaccr_xml(good_patient + patient(item("patientIdNumber", "2") + tumor("") +
                                          tumor(item("primarySite", "C1") + "\n  " + item("sex", "1"))));
    const XmlChecked checked = check_xml_text(xml);
    ASSERT_EQ(checked.problems.size(), 1u);
    const XmlSeen &p = checked.problems[0];
    EXPECT_EQ(p.code, NAACCR_CHECK_ITEM_LEVEL);
    EXPECT_EQ(p.line, 4u);
    EXPECT_EQ(p.column, 3);
    EXPECT_EQ(static_cast<size_t>(p.offset), xml.find("<Item naaccrId=\"sex\""));
    EXPECT_EQ(p.patient, 2u);
    EXPECT_EQ(p.tumor, 2u);
    EXPECT_EQ(p.record, 3u);
    EXPECT_EQ(p.item_number, 220);
    EXPECT_EQ(p.value, "1");
    EXPECT_EQ(checked.summary.patients, 2u);
    EXPECT_EQ(checked.summary.tumors, 3u);
    EXPECT_EQ(checked.summary.items, 5u);
    EXPECT_EQ(checked.summary.version, 250);
    EXPECT_STREQ(checked.summary.specification_version, "1.8");
}

TEST(XmlChecker, FindsTheSameWhateverThePieces)
{
    const std::string xml =
        naaccr_xml("loose" + patient(item("sex", "M") + item("sex", "1")) +
                   patient(tumor(item("noSuchItem", "1") + item("patientIdNumber", "1"))) + "<Patient x=\"1\"/>");
    const XmlChecked whole = check_xml_text(xml);
    ASSERT_EQ(whole.problems.size(), 6u);
    const struct {
        size_t head, piece;
    } cases[] = {{0, 1}, {1, 7}, {40, 3}, {0, 4096}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "head " << c.head << ", pieces of " << c.piece);
        const XmlChecked pieces = check_xml_pieces(xml, c.head, c.piece);
        ASSERT_EQ(pieces.problems.size(), whole.problems.size());
        for (size_t k = 0; k < whole.problems.size(); ++k) {
            EXPECT_EQ(pieces.problems[k].code, whole.problems[k].code);
            EXPECT_EQ(pieces.problems[k].offset, whole.problems[k].offset);
            EXPECT_EQ(pieces.problems[k].message, whole.problems[k].message);
        }
        EXPECT_EQ(pieces.summary.records.bytes, xml.size());
    }
}

TEST(XmlChecker, HandsOnAtMostMaxReportedAndStopsWhenAsked)
{
    std::string body;
    for (int k = 0; k < 10; ++k)
        body += patient(item("sex", "M"));
    const std::string xml = naaccr_xml(body);
    PieceStream stream = {&xml, 0, 64};
    const XmlChecked limited = check_xml_stream(read_pieces, &stream, 3);
    EXPECT_EQ(limited.problems.size(), 3u);
    EXPECT_EQ(limited.summary.records.problems, 10u);
    EXPECT_EQ(limited.summary.records.reported, 3u);
    EXPECT_EQ(limited.summary.records.stopped, 0);

    XmlChecked stopped = {};
    stopped.stop_after = 2;
    const NaaccrItemCheckOptions options = xml_options(&stopped);
    check_naaccr_xml(read_pieces, &stream, -1, reinterpret_cast<const unsigned char *>(xml.data()), xml.size(), options,
                     &stopped.summary);
    EXPECT_EQ(stopped.problems.size(), 2u);
    EXPECT_EQ(stopped.summary.records.problems, 2u);
    EXPECT_EQ(stopped.summary.records.stopped, 1);
}

} // namespace

// The exports tell NAACCR XML by its content: the Ex calls check it, through
// a file as through a stream; the 1.2 calls only say what the file is.
TEST(XmlChecker, IsReachedThroughTheExportsByContent)
{
    const std::string xml = "\xEF\xBB\xBF" + naaccr_xml("<Patient><Item naaccrId=\"sex\">X</Item></Patient>");
    const std::string path = write_test_file("dispatch.xml", xml);
    const XmlChecked direct = check_xml_text(xml);

    XmlChecked by_file;
    NaaccrItemCheckOptions options = xml_options(&by_file);
    by_file.status = cvCheckNaaccrFileEx(path.c_str(), &options, &by_file.summary);
    XmlChecked by_stream;
    options = xml_options(&by_stream);
    PieceStream stream = {&xml, 0, 7};
    by_stream.status = cvCheckNaaccrStreamEx(read_pieces, &stream, &options, &by_stream.summary);
    for (const XmlChecked *c : {&by_file, &by_stream}) {
        EXPECT_EQ(c->status, NAACCR_REC_OK);
        EXPECT_EQ(c->summary.format, NAACCR_FORMAT_XML);
        EXPECT_EQ(kinds_of(*c), kinds_of(direct));
        EXPECT_EQ(c->summary.patients, 1u);
    }

    struct Seen {
        std::vector<NaaccrProblem> problems;
    } seen;
    NaaccrCheckOptions narrow;
    memset(&narrow, 0, sizeof narrow);
    narrow.size = sizeof narrow;
    narrow.context = &seen;
    narrow.on_problem = [](void *context, const NaaccrProblem *p) -> int32_t {
        static_cast<Seen *>(context)->problems.push_back(*p);
        return 0;
    };
    NaaccrCheckSummary summary;
    ASSERT_EQ(cvCheckNaaccrFile(path.c_str(), &narrow, &summary), NAACCR_REC_OK);
    ASSERT_EQ(seen.problems.size(), 1u);
    EXPECT_STREQ(seen.problems[0].message, "NAACCR XML file");
    EXPECT_EQ(summary.problems, 1u);
    EXPECT_EQ(summary.records, 0u);
}
