// problem_names_test.cpp -- problems named as a registrar names them: by the
// patient and tumour (NAACCR_CHECK_IDS) of a flat record or a NAACCR XML
// Patient and Tumor, and by their kind's label (cvGetNaaccrKindLabel).
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "test_files.h"

namespace
{

const uint32_t IDS = NAACCR_CHECK_IDS, ITEMS = NAACCR_CHECK_ITEMS;

struct Named {
    std::vector<std::string> seen; // "kind@item:patient/tumour/accession", "-" for none; "old:kind" by on_problem
    NaaccrItemCheckSummary summary;
};

const char *or_dash(const char *id) { return id != nullptr ? id : "-"; }

int32_t CV_CALL keep_old(void *context, const NaaccrProblem *p)
{
    static_cast<Named *>(context)->seen.push_back("old:" + std::to_string(p->code));
    return 0;
}

int32_t CV_CALL keep_named(void *context, const NaaccrItemProblem *p)
{
    static_cast<Named *>(context)->seen.push_back(std::to_string(p->code) + "@" + std::to_string(p->item_number) + ":" +
                                                  or_dash(p->patient_id) + "/" + or_dash(p->tumor_record_number) + "/" +
                                                  or_dash(p->accession_number));
    return 0;
}

Named check_named(const std::string &bytes, uint32_t flags, uint32_t threads = 1, uint32_t max_reported = 0)
{
    Named named = {};
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.threads = threads;
    options.max_reported = max_reported;
    options.on_problem = keep_old;
    options.on_item_problem = keep_named;
    options.context = &named;
    EXPECT_EQ(cvCheckNaaccrFileEx(write_test_file("named.txt", bytes).c_str(), &options, &named.summary),
              NAACCR_REC_OK);
    return named;
}

// The problems seen, a run of equal ones written once with its count: "x x x" is "x *3".
std::string runs(const std::vector<std::string> &seen)
{
    std::string text;
    for (size_t k = 0; k < seen.size();) {
        size_t n = 1;
        while (k + n < seen.size() && seen[k + n] == seen[k])
            ++n;
        text += (text.empty() ? "" : " ") + seen[k] + (n > 1 ? " *" + std::to_string(n) : "");
        k += n;
    }
    return text;
}

typedef std::map<std::string, std::string> Fields;

// A type I record of NAACCR 18 with a date of birth that is no date (item 240).
std::string flat(const Fields &ids, char first = 'I')
{
    Fields fields = ids;
    fields["dateOfBirth"] = "20221345";
    std::string record = make_record(180, 'I', fields);
    record[0] = first;
    return record;
}

const Fields all_ids = {
    {"patientIdNumber", "00001234"}, {"tumorRecordNumber", "01"}, {"accessionNumberHosp", "200100123"}};

std::string with_tab(std::string record)
{
    record[99] = '\t'; // column 100, in addrAtDxCity
    return record;
}

std::string repeated(const std::string &text, int count)
{
    std::string all;
    for (int k = 0; k < count; ++k)
        all += text;
    return all;
}

// Items that each give one problem: ids unknown to the dictionary.
std::string unknown_items(int count) { return repeated(item("noSuchItem", "x"), count); }

TEST(ProblemIds, NameEachProblemsPatientAndTumour)
{
    const std::string good = make_record(180, 'I', all_ids);
    const std::string patient_id = item("patientIdNumber", "00001234");
    const std::string tumour_ids = item("tumorRecordNumber", "01") + item("accessionNumberHosp", "200100123");
    const std::string bad_birth = item("dateOfBirth", "20221345"), bad_diagnosis = item("dateOfDiagnosis", "20191345");
    const struct {
        const char *label;
        std::string bytes;
        uint32_t flags;
        uint32_t max_reported;
        const char *seen;
        uint32_t without_ids;
    } cases[] = {
        {"flat: an item problem names its record's ids", flat(all_ids) + "\r\n", ITEMS | IDS, 0,
         "18@240:00001234/01/200100123", 0},
        {"flat: a record problem reaches the item callback alone, named", with_tab(good) + "\r\n", IDS, 0,
         "5@0:00001234/01/200100123", 0},
        {"flat: blank ids name no one", flat({}) + "\r\n", ITEMS | IDS, 0, "18@240:-/-/-", 0},
        {"flat: blanks around an id are cut",
         flat({{"accessionNumberHosp", "  2001   "}, {"patientIdNumber", "00001234"}}) + "\r\n", ITEMS | IDS, 0,
         "18@240:00001234/-/2001 19@550:00001234/-/2001", 0},
        {"flat: a record whose type is wrong names no one", good + "\r\n" + with_tab(flat(all_ids, 'A')) + "\r\n",
         ITEMS | IDS, 0, "3@0:-/-/- 5@0:-/-/- 18@240:-/-/-", 0},
        {"flat: a record cut before the accession number names its patient and tumour",
         good + "\r\n" + with_tab(good.substr(0, 700)) + "\r\n", IDS, 0, "1@0:00001234/01/- 5@0:00001234/01/-", 0},
        {"flat: without the flag record problems go to on_problem, nothing named", with_tab(flat(all_ids)) + "\r\n",
         ITEMS, 0, "old:5 18@240:-/-/-", 0},
        {"XML: a Patient's problem before its id names the patient",
         xml_file(patient(bad_birth + patient_id, tumor(tumour_ids))), IDS, 0, "18@240:00001234/-/-", 0},
        {"XML: a Tumor's problems name its patient and tumour",
         xml_file(patient(patient_id, tumor(bad_diagnosis + tumour_ids + item("patientIdNumber", "99")))), IDS, 0,
         "18@390:00001234/01/200100123 26@20:00001234/01/200100123 34@20:00001234/01/200100123", 0},
        {"XML: a Patient and Tumor without ids name no one", xml_file(patient(bad_birth, tumor(bad_diagnosis))), IDS, 0,
         "18@240:-/-/- 18@390:-/-/-", 0},
        {"XML: a problem outside a Patient names no one",
         xml_file(item("noSuchItem", "x") + patient(patient_id, tumor(bad_diagnosis + tumour_ids))), IDS, 0,
         "23@0:-/-/- 18@390:00001234/01/200100123", 0},
        {"XML: an id Item after an extension does not name what went before",
         xml_file(patient(bad_birth + "<x:e xmlns:x=\"urn:x\"/>" + patient_id, "")), IDS, 0, "18@240:-/-/- 29@0:-/-/-",
         0},
        {"XML: file order kept, the first of a repeated id named",
         xml_file(patient(bad_birth + patient_id + item("patientIdNumber", "00009999"),
                          tumor(bad_diagnosis + tumour_ids) + tumor(item("tumorRecordNumber", "02") + bad_diagnosis))),
         IDS, 0, "18@240:00001234/-/- 27@20:00001234/-/- 18@390:00001234/01/200100123 18@390:00001234/02/-", 0},
        {"XML: the limit counts held problems", xml_file(patient(bad_birth + bad_birth + bad_birth + patient_id, "")),
         IDS, 2, "18@240:00001234/-/- 27@240:00001234/-/-", 0},
        {"XML: a thousand problems are held and named", xml_file(patient(unknown_items(1000) + patient_id, "")), IDS, 0,
         "23@0:00001234/-/- *1000", 0},
        {"XML: past a thousand an element's problems go out without ids",
         xml_file(patient(unknown_items(1001) + patient_id + bad_birth, tumor(bad_diagnosis + tumour_ids))), IDS, 0,
         "23@0:-/-/- *1001 18@240:-/-/- 18@390:00001234/01/200100123", 1002},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Named got = check_named(c.bytes, c.flags, 1, c.max_reported);
        EXPECT_EQ(runs(got.seen), c.seen);
        EXPECT_EQ(got.summary.records.reported_without_ids, c.without_ids);
    }
}

TEST(ProblemIds, ThePoolNamesAsOneThreadDoes)
{
    // Over 16 MB, so that several threads store problems and their ids.
    std::string bytes;
    for (int k = 0; k < 5000; ++k) {
        Fields ids = all_ids;
        ids["patientIdNumber"] = std::to_string(10000000 + k);
        const std::string record = k % 3 == 0 ? flat(ids) : make_record(180, 'I', ids);
        bytes += (k % 7 == 2 ? with_tab(record) : record) + "\r\n";
    }
    const Named one = check_named(bytes, ITEMS | IDS, 1);
    ASSERT_EQ(one.seen.size(), 1667u + 714u);
    EXPECT_EQ(one.seen[0], "18@240:10000000/01/200100123");
    const Named several = check_named(bytes, ITEMS | IDS, 4);
    EXPECT_EQ(several.seen, one.seen);
}

TEST(ProblemIds, TheOlderCallsRefuseTheFlag)
{
    NaaccrCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = IDS;
    NaaccrCheckSummary summary;
    EXPECT_EQ(cvCheckNaaccrFile(write_test_file("old.txt", "x\r\n").c_str(), &options, &summary),
              NAACCR_REC_BAD_ARGUMENT);
    EXPECT_NE(cvGetNaaccrOptionFlags(NAACCR_OPTIONS_ITEM_CHECK) & IDS, 0u);
    EXPECT_EQ(cvGetNaaccrOptionFlags(NAACCR_OPTIONS_CHECK) & IDS, 0u);
}

// The kinds of the header: its NAACCR_CHECK_ numbers that are no flag or count.
std::map<std::string, int> header_kinds()
{
    std::ifstream header(data_folder() + "/../library/include/cvnaaccr.h");
    std::stringstream text;
    text << header.rdbuf();
    const std::string all = text.str();
    const std::regex kind("#define NAACCR_CHECK_([A-Z0-9_]+) ([0-9]+)\\s");
    const std::set<std::string> not_kinds = {"KINDS", "ALL_KINDS", "MOST_HELD"};
    std::map<std::string, int> kinds;
    for (std::sregex_iterator m(all.begin(), all.end(), kind), end; m != end; ++m)
        if (not_kinds.count((*m)[1]) == 0)
            kinds[(*m)[1]] = std::stoi((*m)[2]);
    return kinds;
}

TEST(KindLabels, TheHeadersListLabelsEveryKindOnce)
{
    std::map<std::string, int> listed;
#define LISTED(name, label) listed[#name] = NAACCR_CHECK_##name;
    NAACCR_CHECK_KIND_LIST(LISTED)
#undef LISTED
    EXPECT_EQ(listed, header_kinds());

    std::set<std::string> labels;
    for (int32_t kind = -1; kind <= NAACCR_CHECK_ALL_KINDS; ++kind) {
        SCOPED_TRACE(kind);
        const char *label = cvGetNaaccrKindLabel(kind);
        bool is_kind = false;
        for (const auto &k : listed)
            is_kind = is_kind || k.second == kind;
        ASSERT_EQ(label != nullptr, is_kind);
        if (label == nullptr)
            continue;
        // Short, in sentence case, without a full stop, each kind its own.
        const std::string text = label;
        EXPECT_TRUE(text.size() >= 5 && text.size() <= 28) << text;
        EXPECT_TRUE(text[0] >= 'A' && text[0] <= 'Z') << text;
        EXPECT_NE(text.back(), '.') << text;
        EXPECT_TRUE(labels.insert(text).second) << text << " twice";
    }
}

} // namespace
