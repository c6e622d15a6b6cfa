// code_check_test.cpp -- the codes wired into the checks: in flat records each
// code and rule problem stands at its column among the item problems, a record
// with a record problem is not judged, the pool gives what one thread gives;
// in NAACCR XML a Tumor is judged with its Patient's values at its end; the
// report of the lists used; cvGetNaaccrItemCodes; the options' sizes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "items/items.h"
#include "test_files.h"
#include "xml/xml.h"
#include "xml_check_helpers.h"

namespace
{

typedef std::map<std::string, std::string> Fields;

// A tumour every rule passes: diagnosed 20 May 2021 at 51, breast, duct carcinoma.
const Fields base_fields = {
    {"ageAtDiagnosis", "051"},         {"dateOfBirth", "19700315"},
    {"sequenceNumberCentral", "00"},   {"dateOfDiagnosis", "20210520"},
    {"primarySite", "C509"},           {"histologicTypeIcdO3", "8500"},
    {"behaviorCodeIcdO3", "3"},        {"sequenceNumberHospital", "00"},
    {"dateOfLastContact", "20230101"}, {"sex", "2"},
};

std::string record_with(const Fields &changes)
{
    Fields fields = base_fields;
    for (const auto &change : changes)
        fields[change.first] = change.second;
    return make_record(180, 'I', fields);
}

struct Checked {
    int32_t code;
    NaaccrItemCheckSummary summary;
    NaaccrCodeReport report;
    std::vector<std::string> found; // "record:kind@item+offset in the item", in the order handed over
    std::vector<std::string> messages;
};

int32_t CV_CALL keep_record_problem(void *context, const NaaccrProblem *p)
{
    Checked &c = *static_cast<Checked *>(context);
    c.found.push_back(std::to_string(p->record) + ":" + std::to_string(p->code) + "@record");
    c.messages.push_back(p->message);
    return 0;
}

int32_t CV_CALL keep_item_problem(void *context, const NaaccrItemProblem *p)
{
    Checked &c = *static_cast<Checked *>(context);
    std::string seen = std::to_string(p->record) + ":" + std::to_string(p->code) + "@" + std::to_string(p->item_number);
    if (p->column != p->item_start)
        seen += "+" + std::to_string(p->column - p->item_start);
    c.found.push_back(seen);
    c.messages.push_back(std::string(p->value, p->value_length) + "|" + p->message);
    return 0;
}

Checked check_flat(const std::string &bytes, uint32_t flags, uint32_t threads = 1)
{
    Checked c = {};
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.threads = threads;
    options.on_problem = keep_record_problem;
    options.on_item_problem = keep_item_problem;
    options.context = &c;
    c.report.size = sizeof c.report;
    options.code_report = &c.report;
    c.code = cvCheckNaaccrFileEx(write_test_file("codes.txt", bytes).c_str(), &options, &c.summary);
    return c;
}

std::string joined(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

const uint32_t CODES = NAACCR_CHECK_CODES;

TEST(FlatCodes, EachProblemStandsAtItsColumnAmongTheItemProblems)
{
    const struct {
        const char *label;
        Fields changes;
        const char *found;
    } cases[] = {
        {"every code valid, every rule passed", {}, ""},
        {"the issue's record: sex 7, C999, 9999, behavior 5, laterality 8, age 150",
         {{"sex", "7"},
          {"primarySite", "C999"},
          {"histologicTypeIcdO3", "9999"},
          {"behaviorCodeIcdO3", "5"},
          {"laterality", "8"},
          {"ageAtDiagnosis", "150"}},
         "1:35@220 1:35@230 1:35@400 1:35@410 1:35@522 1:35@523"},
        {"rules between a code problem and a form problem",
         {{"sex", "7"},
          {"dateOfBirth", "20220101"},
          {"sequenceNumberCentral", "88"},
          {"dateOfLastContact", "20231301"}},
         "1:35@220 1:37@240 1:36@380 1:18@1750+4"},
        {"a hospital sequence number that is no code", {{"sequenceNumberHospital", "89"}}, "1:35@560"},
        {"a rule's value with a form problem is not judged", {{"dateOfBirth", "2022AB01"}}, "1:16@240+4"},
        {"the site list at the site", {{"histologicTypeIcdO3", "8023"}}, "1:36@400"},
        {"age at its column, before the site",
         {{"ageAtDiagnosis", "040"}, {"histologicTypeIcdO3", "8023"}},
         "1:37@230 1:36@400"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Checked got = check_flat(record_with(c.changes) + "\n", CODES);
        EXPECT_EQ(got.code, NAACCR_REC_OK);
        EXPECT_EQ(joined(got.found), c.found);
        EXPECT_EQ(got.report.tumors_judged, 1u);
    }
}

TEST(FlatCodes, ARecordWithARecordProblemHasItsCodesCheckedButIsNotJudged)
{
    const std::string good = record_with({{"histologicTypeIcdO3", "8023"}});
    const std::string bad = record_with({{"sex", "7"}, {"dateOfBirth", "20220101"}});
    const struct {
        const char *label;
        std::string second;
        const char *found;
    } cases[] = {
        {"as long as the first", bad, "1:36@400 2:35@220 2:37@240"},
        {"shorter", bad.substr(0, 3000), "1:36@400 2:1@record 2:35@220"},
        {"another version code", bad.substr(0, 16) + "170" + bad.substr(19), "1:36@400 2:4@record"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Checked got = check_flat(good + "\n" + c.second + "\n", CODES);
        EXPECT_EQ(joined(got.found), c.found);
    }
}

TEST(FlatCodes, WithoutTheFlagNoCodeIsChecked)
{
    const std::string bytes = record_with({{"sex", "7"}, {"dateOfBirth", "20220101"}}) + "\n";
    const struct {
        const char *label;
        uint32_t flags;
        const char *found;
        int32_t version;
    } cases[] = {
        {"items", NAACCR_CHECK_ITEMS, "", 0},
        {"codes imply items", CODES, "1:35@220 1:37@240", 180},
        {"both", NAACCR_CHECK_ITEMS | CODES, "1:35@220 1:37@240", 180},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Checked got = check_flat(bytes, c.flags);
        EXPECT_EQ(joined(got.found), c.found);
        EXPECT_EQ(got.summary.items > 0, true);
        EXPECT_EQ(got.report.version, c.version);
        EXPECT_EQ(got.summary.counts[NAACCR_CHECK_ITEM_CODE], c.version != 0 ? 1u : 0u);
    }
}

// Pieces stored by the workers hand on what one thread hands on: the values
// and messages of code and rule problems too.
TEST(FlatCodes, ThePoolGivesWhatOneThreadGives)
{
    std::string bytes;
    const std::string plain = record_with({}), faulty = record_with({{"sex", "7"}, {"dateOfBirth", "20220101"}}),
                      unjudged = record_with({{"dateOfDiagnosis", "2019"}, {"ageAtDiagnosis", "049"}});
    for (int k = 0; k < 6000; ++k)
        bytes += (k % 7 == 3 ? faulty : k % 5 == 1 ? unjudged : plain) + "\r\n";
    const Checked one = check_flat(bytes, CODES, 1);
    EXPECT_EQ(one.summary.counts[NAACCR_CHECK_ITEM_CODE], 857u);
    EXPECT_EQ(one.report.tumors_judged, 6000u);
    for (uint32_t threads : {2u, 8u}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        const Checked several = check_flat(bytes, CODES, threads);
        EXPECT_EQ(several.found, one.found);
        EXPECT_EQ(several.messages, one.messages);
        EXPECT_EQ(memcmp(&several.report, &one.report, sizeof one.report), 0);
    }
}

TEST(CodeReport, NamesTheListsAndCountsTheTumoursTheSiteListLeftUnjudged)
{
    const std::string bytes =
        record_with({}) + "\n" + record_with({{"dateOfDiagnosis", "2019"}, {"ageAtDiagnosis", "049"}}) + "\n" +
        record_with({{"dateOfDiagnosis", "        "}}) + "\n" + record_with({{"primarySite", "    "}}) + "\n";
    const Checked got = check_flat(bytes, CODES);
    EXPECT_EQ(got.report.size, sizeof got.report);
    EXPECT_EQ(got.report.version, 180);
    EXPECT_STREQ(got.report.lists, "NAACCR 180");
    EXPECT_STREQ(got.report.site_list, "2022-04-29");
    EXPECT_EQ(got.report.site_list_first_year, 2021);
    EXPECT_EQ(got.report.site_list_last_year, 2023);
    EXPECT_EQ(got.report.tumors_judged, 4u);
    EXPECT_EQ(got.report.site_list_judged, 1u);
    EXPECT_EQ(got.report.site_list_not_judged, 2u) << "diagnosed in 2019, and diagnosis blank";

    const Checked items = check_flat(bytes, NAACCR_CHECK_ITEMS);
    NaaccrCodeReport zero = {};
    zero.size = sizeof zero;
    EXPECT_EQ(memcmp(&items.report, &zero, sizeof zero), 0) << "codes not checked: all zero but the size";
}

// ---- NAACCR XML ----

struct XmlCodesChecked {
    XmlChecked checked;
    NaaccrCodeReport report;
};

// The first `head` bytes as the head, the rest in pieces of `piece` bytes.
XmlCodesChecked check_xml_codes(const std::string &xml, size_t head = SIZE_MAX, size_t piece = 1)
{
    XmlCodesChecked c = {};
    NaaccrItemCheckOptions options = xml_options(&c.checked);
    options.flags |= CODES;
    c.report.size = sizeof c.report;
    options.code_report = &c.report;
    head = head < xml.size() ? head : xml.size();
    PieceStream stream = {&xml, head, piece};
    c.checked.status =
        check_naaccr_xml(read_pieces, &stream, static_cast<int64_t>(xml.size()),
                         reinterpret_cast<const unsigned char *>(xml.data()), head, options, &c.checked.summary);
    // The check's entry fills the lists; the counts are the XML check's.
    return c;
}

std::string tumor_items(const Fields &changes)
{
    Fields fields = base_fields;
    fields.erase("dateOfBirth");
    fields.erase("dateOfLastContact");
    fields.erase("sex");
    for (const auto &change : changes)
        fields[change.first] = change.second;
    std::string items;
    for (const auto &field : fields)
        if (!field.second.empty())
            items += item(field.first, field.second);
    return items;
}

TEST(XmlCodes, ATumorIsJudgedWithItsPatientsValuesAtItsEnd)
{
    // Lines: 3 <Patient>, 4 birth, 5 last contact, 6 sex, then each Tumor's
    // line and its 7 items, in naaccrId order.
    const std::string patient_items = item("dateOfBirth", "19700315") + item("dateOfLastContact", "20230101");
    const struct {
        const char *label;
        std::string patient_items;
        std::vector<Fields> tumors;
        const char *found; // "record:kind@item line N"
    } cases[] = {
        {"valid", patient_items + item("sex", "2"), {{}}, ""},
        {"a code at its Item", patient_items + item("sex", "7"), {{}}, "0:35@220 line 6:1"},
        {"the Patient's birth after each Tumor's diagnosis",
         item("dateOfBirth", "20220101") + item("dateOfLastContact", "20230101") + item("sex", "2"),
         {{{"ageAtDiagnosis", "000"}}, {{"ageAtDiagnosis", "000"}}},
         "1:37@240 line 4:1 2:37@240 line 4:1"},
        {"after the Tumor's item problems",
         patient_items + item("sex", "2"),
         {{{"sequenceNumberCentral", "88"}, {"primarySite", "C5X9"}}},
         "1:35@400 line 12:1 1:36@380 line 13:1"},
        {"a left-zero value without its zero",
         patient_items + item("sex", "2"),
         {{{"sequenceNumberCentral", "0"}}},
         ""},
        {"each Tumor on its own",
         patient_items + item("sex", "2"),
         {{{"histologicTypeIcdO3", "8023"}}, {}, {{"ageAtDiagnosis", "050"}}},
         "1:36@400 line 12:1 3:37@230 line 26:1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string tumors;
        for (const Fields &t : c.tumors)
            tumors += tumor(tumor_items(t));
        // Read whole, and in pieces of 7 bytes after a head that ends inside the first Patient:
        // the places of the Items a rule names do not depend on how the bytes came.
        const std::string xml = xml_file(patient(c.patient_items, tumors), "210");
        for (size_t head : {xml.size(), size_t{200}}) {
            const XmlCodesChecked got = check_xml_codes(xml, head, 7);
            std::vector<std::string> found;
            for (const XmlSeen &p : got.checked.problems)
                found.push_back(std::to_string(p.record) + ":" + std::to_string(p.code) + "@" +
                                std::to_string(p.item_number) + " line " + std::to_string(p.line) + ":" +
                                std::to_string(p.column));
            EXPECT_EQ(joined(found), c.found) << "head " << head;
            EXPECT_EQ(got.report.tumors_judged, c.tumors.size());
        }
    }
}

TEST(XmlCodes, AProblemCarriesTheNamedItemsValueAndItsTumour)
{
    const std::string xml = xml_file(patient(item("dateOfBirth", "20220101") + item("dateOfLastContact", "20230101"),
                                             tumor(tumor_items({{"ageAtDiagnosis", "000"}}))),
                                     "210");
    const XmlCodesChecked got = check_xml_codes(xml);
    ASSERT_EQ(got.checked.problems.size(), 1u);
    const XmlSeen &p = got.checked.problems[0];
    EXPECT_EQ(p.value, "20220101");
    EXPECT_EQ(p.item_id, "dateOfBirth");
    EXPECT_EQ(p.patient, 1u);
    EXPECT_EQ(p.tumor, 1u);
    EXPECT_EQ(p.message, "Date of Birth (item 240) 20220101 is after Date of Diagnosis (item 390) 20210520");
    EXPECT_EQ(got.checked.summary.counts[NAACCR_CHECK_ITEM_DATE_ORDER], 1u);
}

// ---- the export and the options ----

// The lists themselves are held against data/codes in code_tables_test.cpp; here what the export adds.
TEST(ItemCodesExport, CountsCopiesAndLabelsAnItemsCodes)
{
    NaaccrItemCode codes[4];
    memset(codes, 0xA5, sizeof codes);
    EXPECT_EQ(cvGetNaaccrItemCodes(180, 150, codes, 3), 7) << "every code counted, three copied";
    EXPECT_STREQ(codes[0].code, "1");
    EXPECT_STREQ(codes[0].label, "Single (never married)");
    EXPECT_EQ(codes[0].first_version, 180);
    EXPECT_EQ(codes[0].reserved, 0u);
    EXPECT_EQ(static_cast<unsigned char>(codes[3].code[0]), 0xA5) << "nothing past the capacity";
    EXPECT_EQ(cvGetNaaccrItemCodes(180, 150, nullptr, 5), 7) << "no room: counted alone";

    std::vector<NaaccrItemCode> histology(865);
    ASSERT_EQ(cvGetNaaccrItemCodes(250, 522, histology.data(), 865), 865);
    EXPECT_EQ(histology[0].label, nullptr) << "WHO's codes without their terms";
    const auto found = std::find_if(histology.begin(), histology.end(),
                                    [](const NaaccrItemCode &code) { return strcmp(code.code, "8104") == 0; });
    ASSERT_NE(found, histology.end());
    EXPECT_EQ(found->first_version, 250);

    const struct {
        const char *label;
        int32_t version, number;
    } none[] = {
        {"record type: the record check's", 180, 10},
        {"a date", 180, 390},
        {"a version without a dictionary", 130, 400},
    };
    for (const auto &c : none) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(cvGetNaaccrItemCodes(c.version, c.number, codes, 4), -1);
    }
}

TEST(CodeOptions, TheOlderSizeIsTakenAndAReportOfAnotherSizeRefused)
{
    const std::string path = write_test_file("one.txt", record_with({{"sex", "7"}}) + "\n");
    Checked seen = {};
    NaaccrCodeReport report;
    const struct {
        const char *label;
        uint32_t size, flags, report_size;
        int32_t code;
        uint64_t code_problems;
    } cases[] = {
        {"1.3 size, items", static_cast<uint32_t>(offsetof(NaaccrItemCheckOptions, code_report)), NAACCR_CHECK_ITEMS, 0,
         NAACCR_REC_OK, 0},
        {"1.3 size, codes", static_cast<uint32_t>(offsetof(NaaccrItemCheckOptions, code_report)), CODES, 0,
         NAACCR_REC_OK, 1},
        {"1.5 size, report", sizeof(NaaccrItemCheckOptions), CODES, sizeof report, NAACCR_REC_OK, 1},
        {"a report of another size", sizeof(NaaccrItemCheckOptions), CODES, sizeof report - 8, NAACCR_REC_BAD_ARGUMENT,
         0},
        {"a size between", sizeof(NaaccrItemCheckOptions) - 4, CODES, 0, NAACCR_REC_BAD_ARGUMENT, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        NaaccrItemCheckOptions options;
        // What lies past a 1.3 caller's struct is not the library's to read.
        memset(&options, 0xA5, sizeof options);
        memset(&options, 0, c.size < sizeof options ? c.size : sizeof options);
        options.size = c.size;
        options.flags = c.flags;
        options.on_item_problem = keep_item_problem;
        options.context = &seen;
        if (c.report_size != 0) {
            memset(&report, 0, sizeof report);
            report.size = c.report_size;
            options.code_report = &report;
        }
        NaaccrItemCheckSummary summary;
        EXPECT_EQ(cvCheckNaaccrFileEx(path.c_str(), &options, &summary), c.code);
        EXPECT_EQ(summary.counts[NAACCR_CHECK_ITEM_CODE], c.code_problems);
    }
}

} // namespace
