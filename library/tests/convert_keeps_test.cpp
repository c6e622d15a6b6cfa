// convert_keeps_test.cpp -- every given value reaches the target or is listed
// as left out (the values 1.3.1 dropped without a word: CSV columns, the
// root's record type and version, an item at two levels, a root contradicted
// by an Item), a conversion its caller stopped, and options whose flags hold
// a bit this library does not know.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "convert/convert.h"
#include "test_files.h"

namespace
{

const int32_t CSV = NAACCR_FORMAT_CSV, FLAT = NAACCR_FORMAT_FLAT, XML = NAACCR_FORMAT_XML;

// Options of their own size with `flags`, the rest zero.
template <typename Options> Options options_with(uint32_t flags)
{
    Options options{};
    options.size = sizeof options;
    options.flags = flags;
    return options;
}

// What the output holds of item `id` in its first tumour; values at several places joined by '|'.
std::string written(const std::string &output, int32_t target, const std::string &id)
{
    std::istringstream lines(output);
    std::string line, header, values;
    if (target == CSV && std::getline(lines, header) && std::getline(lines, line)) {
        std::istringstream names(header.substr(0, header.size() - 1) + ","), row(line.substr(0, line.size() - 1) + ",");
        for (std::string name, value; std::getline(names, name, ',') && std::getline(row, value, ',');)
            if (name == id)
                return value;
        return "(no column)";
    }
    if (target == FLAT && output.size() > 4048) {
        const NaaccrItemDef *item = find_item_by_id(*find_dictionary(180), id.c_str(), id.size());
        const std::string field = output.substr(static_cast<size_t>(item->start_column - 1), item->length);
        return field.substr(0, field.find_last_not_of(' ') + 1);
    }
    const std::string tag = "<Item naaccrId=\"" + id + "\">";
    for (size_t at = output.find(tag); at != std::string::npos; at = output.find(tag, at + 1))
        values +=
            (values.empty() ? "" : "|") + output.substr(at + tag.size(), output.find('<', at + 1) - at - tag.size());
    return values;
}

TEST(ConvertKeeps, EveryGivenValueOrListsIt)
{
    const std::string dictionary = write_test_file(
        "mine.xml", "<NaaccrDictionary dictionaryUri=\"urn:mine\" naaccrVersion=\"180\" specificationVersion=\"1.5\" "
                    "xmlns=\"http://naaccr.org/naaccrxml\"><ItemDefs><ItemDef naaccrId=\"myStateItem\" "
                    "naaccrNum=\"9500\" length=\"5\" parentXmlElement=\"Tumor\"/></ItemDefs></NaaccrDictionary>");
    const std::string pid = item("patientIdNumber", "00000001"), site = item("primarySite", "C619");
    const std::string given =
        xml_file(patient(pid + item("nameLast", "SMITH"), tumor(site + item("myStateItem", "1"))));
    const std::string conflicts =
        xml_file(item("registryId", "0000000001") +
                 patient(pid + item("sex", "1"), tumor(site + item("sex", "2") + item("registryId", "0000000002"))));
    std::string no_root_type = xml_file(item("recordType", "I") + patient(pid, tumor(item("recordType", "A"))));
    no_root_type.erase(no_root_type.find(" recordType=\"I\""), 15);
    const uint32_t LOSSY = NAACCR_CONVERT_LOSSY;
    const int32_t OK = NAACCR_REC_OK, REFUSED = NAACCR_REC_REFUSED, CONFLICT = NAACCR_CHECK_ITEM_CONFLICT,
                  ROOT = NAACCR_CHECK_XML_ROOT;
    const struct {
        const char *label;
        std::string xml;
        int32_t target;
        uint32_t flags;
        const char *items;
        int32_t code, problem; // problem: the first one handed on, or 0
        uint64_t left_out;
        int32_t without_column;
        std::vector<std::pair<std::string, std::string>> kept;
    } cases[] = {
        // clang-format off
        {"a user item, nameLast of type I, the root's type and version in CSV", given, CSV, 0, nullptr, OK, 0, 0, 0,
         {{"myStateItem", "1"}, {"nameLast", "SMITH"}, {"recordType", "I"}, {"naaccrRecordVersion", "180"}}},
        // The writers see only the tumours as read: with the row above, the root's values are flagged as such.
        {"the root's type and version are no Items of XML", given, XML, 0, nullptr, OK, 0, 0, 0,
         {{"recordType", ""}, {"naaccrRecordVersion", ""}, {"myStateItem", "1"}}},
        {"items counts what it leaves out", given, CSV, 0, "myStateItem,nameLast", OK, 0, 0, 4,
         {{"myStateItem", "1"}, {"primarySite", "(no column)"}}},
        {"two levels, flat", conflicts, FLAT, 0, nullptr, REFUSED, CONFLICT, 2, 0, {}},
        {"two levels, flat, lossy", conflicts, FLAT, LOSSY, nullptr, OK, CONFLICT, 2, 0,
         {{"sex", "2"}, {"registryId", "0000000002"}}},
        {"two levels, CSV", conflicts, CSV, 0, nullptr, REFUSED, CONFLICT, 2, 0, {}},
        {"two levels, CSV, lossy", conflicts, CSV, LOSSY, nullptr, OK, CONFLICT, 2, 0, {{"sex", "2"}}},
        {"two levels, XML keeps both", conflicts, XML, 0, nullptr, OK, CONFLICT, 0, 0,
         {{"sex", "1|2"}, {"registryId", "0000000001|0000000002"}}},
        {"the same value at two levels", xml_file(patient(pid + item("sex", "1"), tumor(item("sex", "1")))),
         FLAT, 0, nullptr, OK, 0, 0, 0, {{"sex", "1"}}},
        {"a recordType Item against the root", xml_file(item("recordType", "A") + patient(pid, tumor(site))),
         FLAT, LOSSY, nullptr, REFUSED, ROOT, 0, 0, {}},
        {"a naaccrRecordVersion Item against the root",
         xml_file(patient(item("naaccrRecordVersion", "160"), tumor(site))),
         CSV, LOSSY, nullptr, REFUSED, ROOT, 0, 0, {}},
        {"two recordType Items, none on the root", no_root_type, FLAT, LOSSY, nullptr, REFUSED, ROOT, 0, 0, {}},
        {"a repeated item keeps its first value", xml_file(patient(pid, tumor(site + item("primarySite", "C500")))),
         CSV, LOSSY, nullptr, OK, NAACCR_CHECK_ITEM_REPEATED, 1, 0, {{"primarySite", "C619"}}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Converted out = convert_bytes(c.xml, c.target, c.flags, c.items, {dictionary});
        EXPECT_EQ(out.code, c.code);
        EXPECT_EQ(out.problems.empty() ? 0 : out.problems[0].code, c.problem);
        EXPECT_EQ(out.summary.left_out, c.left_out);
        EXPECT_EQ(out.summary.items_without_column, c.without_column);
        for (const auto &k : c.kept)
            EXPECT_EQ(written(out.output, c.target, k.first), k.second) << k.first;
    }
}

// A caller that stops at its `stop_at`-th problem, at its first progress call, or fails its writes.
struct Caller {
    uint32_t problems, stop_at;
    bool stop_progress, fail_writes;
};

TEST(ConvertStops, WhenItsCallerSaysSoAndNeverPassesAsWritten)
{
    // One Patient ID Number, sex alternating: 299 patient splits listed for
    // XML; as flat records more than the 1 MB output buffer.
    std::string splits;
    for (int r = 0; r < 300; ++r)
        splits += make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"sex", r % 2 == 0 ? "1" : "2"}}) + "\r\n";
    const std::string xml = xml_file(patient(item("patientIdNumber", "00000001"), tumor(item("noSuchItem", "1"))));
    const struct {
        const char *label;
        const std::string &input;
        int32_t target;
        Caller caller;
        int32_t code;
    } cases[] = {
        {"the problem callback, at the 9th split", splits, XML, {0, 9, false, false}, NAACCR_REC_STOPPED},
        {"the progress callback, XML input", xml, CSV, {0, 0, true, false}, NAACCR_REC_STOPPED},
        {"writes that fail midway", splits, FLAT, {0, 0, false, true}, NAACCR_REC_WRITE_FAILED},
        {"a caller that never stops", splits, XML, {0, 0, false, false}, NAACCR_REC_OK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        Caller caller = c.caller;
        NaaccrConvertOptions options = options_with<NaaccrConvertOptions>(NAACCR_CONVERT_LOSSY);
        options.target = c.target;
        options.output = options.context = &caller;
        options.write = [](void *output, const void *, uint32_t) -> int32_t {
            return static_cast<Caller *>(output)->fail_writes ? 1 : 0;
        };
        options.on_problem = [](void *context, const NaaccrItemProblem *) -> int32_t {
            Caller &c = *static_cast<Caller *>(context);
            return ++c.problems == c.stop_at ? 1 : 0;
        };
        options.on_progress = [](void *context, uint64_t, int64_t, uint64_t) -> int32_t {
            return static_cast<Caller *>(context)->stop_progress ? 1 : 0;
        };
        NaaccrConvertSummary summary;
        EXPECT_EQ(cvConvertNaaccrFile(write_test_file("in", c.input).c_str(), &options, &summary), c.code);
        EXPECT_EQ(summary.refused, c.code == NAACCR_REC_STOPPED ? 1 : 0);
        EXPECT_EQ(caller.problems, c.caller.stop_at != 0 ? c.caller.stop_at : caller.problems);
    }
}

// The lowest bit that `known` does not hold.
uint32_t first_unknown(uint32_t known)
{
    uint32_t bit = 1;
    while ((known & bit) != 0)
        bit <<= 1;
    return bit;
}

TEST(OptionFlags, UnknownBitsAreRefusedByEveryCall)
{
    const std::string path = write_test_file("in.txt", make_record(180, 'I', {{"sex", "1"}}) + "\r\n");
    // What the library says each struct takes (1.5), an encoding at a time.
    const uint32_t check_known = cvGetNaaccrOptionFlags(NAACCR_OPTIONS_CHECK),
                   check_ex_known = cvGetNaaccrOptionFlags(NAACCR_OPTIONS_ITEM_CHECK),
                   read_known = cvGetNaaccrOptionFlags(NAACCR_OPTIONS_READ) & ~NAACCR_READ_WINDOWS_1252,
                   convert_known = cvGetNaaccrOptionFlags(NAACCR_OPTIONS_CONVERT) & ~NAACCR_CONVERT_WINDOWS_1252;
    const struct {
        const char *label;
        uint32_t check, check_ex, read, convert; // flags for each call
        int32_t code;
    } cases[] = {
        {"known flags", check_known, check_ex_known, read_known, convert_known, NAACCR_REC_OK},
        {"the 1.4 flags", NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS, NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS, 0,
         NAACCR_CONVERT_LF | NAACCR_CONVERT_LOSSY, NAACCR_REC_OK},
        {"one more bit", check_known | first_unknown(check_known), check_ex_known | first_unknown(check_ex_known),
         read_known | first_unknown(read_known | NAACCR_READ_WINDOWS_1252),
         convert_known | first_unknown(convert_known | NAACCR_CONVERT_WINDOWS_1252), NAACCR_REC_BAD_ARGUMENT},
        {"the last bit", 1u << 31, 1u << 31, 1u << 31, 1u << 31, NAACCR_REC_BAD_ARGUMENT},
        {"a reading's encoding in a check", NAACCR_READ_LATIN1, NAACCR_READ_LATIN1, NAACCR_READ_LATIN1,
         NAACCR_CONVERT_LATIN1, NAACCR_REC_BAD_ARGUMENT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const NaaccrCheckOptions check = options_with<NaaccrCheckOptions>(c.check);
        const NaaccrItemCheckOptions check_ex = options_with<NaaccrItemCheckOptions>(c.check_ex);
        const NaaccrReadOptions read = options_with<NaaccrReadOptions>(c.read);
        NaaccrCheckSummary summary;
        NaaccrItemCheckSummary wide;
        EXPECT_EQ(cvCheckNaaccrFile(path.c_str(), &check, &summary), c.code);
        EXPECT_EQ(cvCheckNaaccrFileEx(path.c_str(), &check_ex, &wide), c.code);
        if (c.read != NAACCR_READ_LATIN1) {
            EXPECT_EQ(cvReadNaaccrFile(path.c_str(), &read, &wide), c.code);
            EXPECT_EQ(convert_bytes(make_record(180, 'I', {}) + "\r\n", CSV, c.convert).code, c.code);
        }
    }
}

TEST(OptionFlags, TwoEncodingsAtOnceAreRefused)
{
    const std::string path = write_test_file("in.txt", make_record(180, 'I', {{"sex", "1"}}) + "\r\n");
    const NaaccrReadOptions read = options_with<NaaccrReadOptions>(NAACCR_READ_LATIN1 | NAACCR_READ_WINDOWS_1252);
    NaaccrItemCheckSummary summary;
    EXPECT_EQ(cvReadNaaccrFile(path.c_str(), &read, &summary), NAACCR_REC_BAD_ARGUMENT);
    EXPECT_EQ(
        convert_bytes(make_record(180, 'I', {}) + "\r\n", CSV, NAACCR_CONVERT_LATIN1 | NAACCR_CONVERT_WINDOWS_1252)
            .code,
        NAACCR_REC_BAD_ARGUMENT);
    EXPECT_EQ(cvGetNaaccrOptionFlags(0), 0u);
}

} // namespace
