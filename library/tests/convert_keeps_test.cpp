// convert_keeps_test.cpp -- every given value reaches the target or is listed
// as left out: the values 1.3.1 dropped without a word (CSV columns, the
// root's record type and version, an item at two levels, a root contradicted
// by an Item), a conversion its caller stopped, and options whose flags hold
// a bit this library does not know.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "record_model.h"
#include "test_files.h"

namespace
{

const int32_t READ = 0; // a "target" of the table: the tumours as cvReadNaaccrFile hands them over

std::string user_dictionary()
{
    return write_test_file(
        "mine.xml",
        "<NaaccrDictionary dictionaryUri=\"urn:mine\" naaccrVersion=\"180\" specificationVersion=\"1.5\" "
        "xmlns=\"http://naaccr.org/naaccrxml\"><ItemDefs><ItemDef naaccrId=\"myStateItem\" naaccrNum=\"9500\" "
        "naaccrName=\"Mine\" length=\"5\" recordTypes=\"A,M,C,I\" parentXmlElement=\"Tumor\" dataType=\"digits\"/>"
        "</ItemDefs></NaaccrDictionary>\n");
}

std::vector<std::string> split(const std::string &line, char at)
{
    std::vector<std::string> parts(1);
    for (const char c : line)
        if (c == at)
            parts.emplace_back();
        else
            parts.back() += c;
    return parts;
}

// What the output holds of item `id` in its first tumour: values written at
// several places joined by '|', "" when none; "(no column)" for CSV without one.
std::string written_value(const std::string &output, int32_t target, const std::string &id)
{
    if (target == NAACCR_FORMAT_CSV) {
        const std::vector<std::string> lines = split(output, '\n');
        if (lines.size() < 2 || lines[0].empty() || lines[1].empty())
            return "(no row)";
        const std::vector<std::string> header = split(lines[0].substr(0, lines[0].size() - 1), ',');
        const std::vector<std::string> row = split(lines[1].substr(0, lines[1].size() - 1), ',');
        for (size_t c = 0; c < header.size() && c < row.size(); ++c)
            if (header[c] == id)
                return row[c];
        return "(no column)";
    }
    if (target == NAACCR_FORMAT_FLAT) {
        const NaaccrItemDef *item = find_item_by_id(*find_dictionary(180), id.c_str(), id.size());
        if (output.size() < static_cast<size_t>(item->start_column - 1 + item->length))
            return "(no record)";
        std::string field =
            output.substr(static_cast<size_t>(item->start_column - 1), static_cast<size_t>(item->length));
        return field.substr(0, field.find_last_not_of(' ') + 1);
    }
    std::string values;
    const std::string tag = "<Item naaccrId=\"" + id + "\">";
    for (size_t at = output.find(tag); at != std::string::npos; at = output.find(tag, at + 1)) {
        const size_t start = at + tag.size();
        values += (values.empty() ? "" : "|") + output.substr(start, output.find('<', start) - start);
    }
    return values;
}

// The first tumour as read: id -> values joined by '|', " (root)" after one taken from the root.
struct FirstTumor {
    bool seen = false;
    std::map<std::string, std::string> values;
};

int32_t CV_CALL keep_first_tumor(void *context, const NaaccrTumorView *view)
{
    FirstTumor &first = *static_cast<FirstTumor *>(context);
    for (int level = 0; level < 3 && !first.seen; ++level)
        for (uint32_t i = 0; i < view->counts[level]; ++i) {
            const NaaccrItemValue &v = view->items[level][i];
            std::string &value = first.values[v.item->id];
            value += (value.empty() ? "" : "|") + std::string(v.value, v.length) +
                     ((v.flags & NAACCR_VALUE_FROM_ROOT) != 0 ? " (root)" : "");
        }
    first.seen = true;
    return 0;
}

Converted read_first_tumor(const std::string &xml, const std::string &dictionary, FirstTumor *first)
{
    Converted c = {};
    const std::string path = write_test_file("in.xml", xml);
    const char *paths[] = {dictionary.c_str()};
    NaaccrReadOptions options;
    std::memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.on_tumor = keep_first_tumor;
    options.context = first;
    options.dictionaries = paths;
    options.dictionary_count = 1;
    c.code = cvReadNaaccrFile(path.c_str(), &options, &c.summary.input);
    return c;
}

TEST(ConvertKeeps, EveryGivenValueOrListsIt)
{
    const std::string pid = item("patientIdNumber", "00000001"), site = item("primarySite", "C619");
    const std::string plain = xml_file(patient(pid, tumor(site)));
    const std::string two_sexes = xml_file(patient(pid + item("sex", "1"), tumor(site + item("sex", "2"))));
    const std::string two_registries =
        xml_file(item("registryId", "0000000001") + patient(pid, tumor(site + item("registryId", "0000000002"))));
    const std::string last_name = xml_file(patient(pid + item("nameLast", "SMITH"), tumor(site)));
    const std::string mine = xml_file(patient(pid, tumor(site + item("myStateItem", "12345"))));
    const std::string two_types =
        "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml\" "
        "specificationVersion=\"1.5\" xmlns=\"http://naaccr.org/naaccrxml\">\n" +
        item("recordType", "I") + patient(pid, tumor(site + item("recordType", "A"))) + "</NaaccrData>\n";
    const int32_t CSV = NAACCR_FORMAT_CSV, FLAT = NAACCR_FORMAT_FLAT, XML = NAACCR_FORMAT_XML;
    const uint32_t LOSSY = NAACCR_CONVERT_LOSSY;
    const struct {
        const char *label;
        std::string xml;
        int32_t target;
        uint32_t flags;
        const char *items;
        int32_t code;
        uint64_t left_out;
        int32_t without_column;
        int32_t problem; // the first problem handed on; 0: none
        std::vector<std::pair<std::string, std::string>> kept;
    } cases[] = {
        {"a loaded user dictionary's item in CSV",
         mine,
         CSV,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"myStateItem", "12345"}, {"primarySite", "C619"}}},
        {"a user item named in items", mine, CSV, 0, "myStateItem", NAACCR_REC_OK, 0, 4, 0, {{"myStateItem", "12345"}}},
        {"nameLast of a type-I file in CSV",
         last_name,
         CSV,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"nameLast", "SMITH"}}},
        {"the root's record type and version in CSV",
         plain,
         CSV,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"recordType", "I"}, {"naaccrRecordVersion", "180"}}},
        {"the root's record type and version as read",
         plain,
         READ,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"recordType", "I (root)"}, {"naaccrRecordVersion", "180 (root)"}}},
        {"the root's record type and version stay off the Items of XML",
         plain,
         XML,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"recordType", ""}, {"naaccrRecordVersion", ""}, {"primarySite", "C619"}}},
        {"patient and tumour differ, flat",
         two_sexes,
         FLAT,
         0,
         nullptr,
         NAACCR_REC_REFUSED,
         1,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {}},
        {"patient and tumour differ, flat, lossy",
         two_sexes,
         FLAT,
         LOSSY,
         nullptr,
         NAACCR_REC_OK,
         1,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {{"sex", "2"}}},
        {"patient and tumour differ, CSV, lossy",
         two_sexes,
         CSV,
         LOSSY,
         nullptr,
         NAACCR_REC_OK,
         1,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {{"sex", "2"}}},
        {"patient and tumour differ, XML keeps both",
         two_sexes,
         XML,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {{"sex", "1|2"}}},
        {"root and tumour differ, CSV",
         two_registries,
         CSV,
         0,
         nullptr,
         NAACCR_REC_REFUSED,
         1,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {}},
        {"root and tumour differ, flat, lossy",
         two_registries,
         FLAT,
         LOSSY,
         nullptr,
         NAACCR_REC_OK,
         1,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {{"registryId", "0000000002"}}},
        {"root and tumour differ, XML, lossy",
         two_registries,
         XML,
         LOSSY,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         NAACCR_CHECK_ITEM_CONFLICT,
         {{"registryId", "0000000001|0000000002"}}},
        {"equal values at two levels",
         xml_file(patient(pid + item("sex", "1"), tumor(site + item("sex", "1")))),
         FLAT,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"sex", "1"}}},
        {"a recordType Item against the root",
         xml_file(item("recordType", "A") + patient(pid, tumor(site))),
         FLAT,
         LOSSY,
         nullptr,
         NAACCR_REC_REFUSED,
         0,
         0,
         NAACCR_CHECK_XML_ROOT,
         {}},
        {"a naaccrRecordVersion Item against the root",
         xml_file(item("naaccrRecordVersion", "160") + patient(pid, tumor(site))),
         CSV,
         LOSSY,
         nullptr,
         NAACCR_REC_REFUSED,
         0,
         0,
         NAACCR_CHECK_XML_ROOT,
         {}},
        {"two recordType Items and none on the root, flat, lossy",
         two_types,
         FLAT,
         LOSSY,
         nullptr,
         NAACCR_REC_REFUSED,
         0,
         0,
         NAACCR_CHECK_XML_ROOT,
         {}},
        {"Items that agree with the root are kept",
         xml_file(item("recordType", "I") + item("naaccrRecordVersion", "180") + patient(pid, tumor(site))),
         XML,
         0,
         nullptr,
         NAACCR_REC_OK,
         0,
         0,
         0,
         {{"recordType", "I"}, {"naaccrRecordVersion", "180"}}},
        {"a repeated item keeps its first value",
         xml_file(patient(pid, tumor(site + item("primarySite", "C500")))),
         CSV,
         LOSSY,
         nullptr,
         NAACCR_REC_OK,
         1,
         0,
         NAACCR_CHECK_ITEM_REPEATED,
         {{"primarySite", "C619"}}},
        {"given items outside items are counted",
         last_name,
         CSV,
         0,
         "primarySite",
         NAACCR_REC_OK,
         0,
         4,
         0,
         {{"primarySite", "C619"}, {"nameLast", "(no column)"}}},
    };
    const std::string dictionary = user_dictionary();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FirstTumor first;
        const Converted out = c.target == READ ? read_first_tumor(c.xml, dictionary, &first)
                                               : convert_bytes(c.xml, c.target, c.flags, c.items, {dictionary});
        EXPECT_EQ(out.code, c.code);
        EXPECT_EQ(out.summary.left_out, c.left_out);
        EXPECT_EQ(out.summary.items_without_column, c.without_column);
        const int32_t first_problem = out.problems.empty() ? 0 : out.problems[0].code;
        EXPECT_EQ(first_problem, c.problem) << (out.problems.empty() ? "" : out.problems[0].message);
        for (const auto &k : c.kept)
            EXPECT_EQ(c.target == READ ? first.values[k.first] : written_value(out.output, c.target, k.first), k.second)
                << k.first;
    }
}

// Stops at the `stop_at`-th problem (from 1; 0 never), at the first progress
// call, or fails every write.
struct Caller {
    std::string output;
    uint32_t problems = 0, stop_at = 0;
    bool stop_progress = false, fail_writes = false;
};

int32_t CV_CALL caller_write(void *output, const void *bytes, uint32_t size)
{
    Caller &c = *static_cast<Caller *>(output);
    c.output.append(static_cast<const char *>(bytes), size);
    return c.fail_writes ? 1 : 0;
}

int32_t CV_CALL caller_problem(void *context, const NaaccrItemProblem *)
{
    Caller &c = *static_cast<Caller *>(context);
    return ++c.problems == c.stop_at ? 1 : 0;
}

int32_t CV_CALL caller_progress(void *context, uint64_t, int64_t, uint64_t)
{
    return static_cast<Caller *>(context)->stop_progress ? 1 : 0;
}

TEST(ConvertStops, WhenItsCallerSaysSoAndNeverPassesAsWritten)
{
    // 300 records of one Patient ID Number whose sex alternates: 299 patient
    // splits, listed for XML; as flat records more than the 1 MB output buffer.
    std::string splits;
    for (int r = 0; r < 300; ++r)
        splits += make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"sex", r % 2 == 0 ? "1" : "2"}}) + "\r\n";
    std::string unknown_items;
    for (int t = 0; t < 20; ++t)
        unknown_items += patient(item("patientIdNumber", "00000001"), tumor(item("noSuchItem", "1")));
    const struct {
        const char *label;
        std::string input;
        int32_t target;
        uint32_t flags, stop_at;
        bool stop_progress, fail_writes;
        int32_t code;
    } cases[] = {
        {"the problem callback stops at the 9th split", splits, NAACCR_FORMAT_XML, 0, 9, false, false,
         NAACCR_REC_STOPPED},
        {"the problem callback stops a lossy XML conversion", xml_file(unknown_items), NAACCR_FORMAT_CSV,
         NAACCR_CONVERT_LOSSY, 2, false, false, NAACCR_REC_STOPPED},
        {"the progress callback stops flat input", splits, NAACCR_FORMAT_CSV, 0, 0, true, false, NAACCR_REC_STOPPED},
        {"the progress callback stops XML input", xml_file(unknown_items), NAACCR_FORMAT_XML, NAACCR_CONVERT_LOSSY, 0,
         true, false, NAACCR_REC_STOPPED},
        {"writes that fail midway", splits, NAACCR_FORMAT_FLAT, 0, 0, false, true, NAACCR_REC_WRITE_FAILED},
        {"writes that fail at the end", xml_file(unknown_items), NAACCR_FORMAT_CSV, NAACCR_CONVERT_LOSSY, 0, false,
         true, NAACCR_REC_WRITE_FAILED},
        {"a callback that never stops", splits, NAACCR_FORMAT_XML, 0, 0, false, false, NAACCR_REC_OK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = write_test_file("in.txt", c.input);
        Caller caller;
        caller.stop_at = c.stop_at;
        caller.stop_progress = c.stop_progress;
        caller.fail_writes = c.fail_writes;
        NaaccrConvertOptions options;
        std::memset(&options, 0, sizeof options);
        options.size = sizeof options;
        options.flags = c.flags;
        options.target = c.target;
        options.write = caller_write;
        options.output = &caller;
        options.on_problem = caller_problem;
        options.on_progress = caller_progress;
        options.context = &caller;
        NaaccrConvertSummary summary;
        EXPECT_EQ(cvConvertNaaccrFile(path.c_str(), &options, &summary), c.code);
        EXPECT_EQ(summary.refused, c.code == NAACCR_REC_STOPPED ? 1 : 0);
        if (c.stop_at != 0) {
            EXPECT_EQ(caller.problems, c.stop_at);
        }
    }
}

TEST(OptionFlags, UnknownBitsAreRefusedByEveryCall)
{
    const std::string path = write_test_file("in.txt", make_record(180, 'I', {{"sex", "1"}}) + "\r\n");
    enum { CHECK, CHECK_EX, READ_ITEMS, CONVERT };
    const struct {
        const char *label;
        int call;
        uint32_t flags;
        int32_t code;
    } cases[] = {
        {"check, known flags", CHECK, NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS, NAACCR_REC_OK},
        {"check, bit 2", CHECK, NAACCR_CHECK_CHECKSUMS | 4u, NAACCR_REC_BAD_ARGUMENT},
        {"check, bit 31", CHECK, 1u << 31, NAACCR_REC_BAD_ARGUMENT},
        {"item check, known flags", CHECK_EX, NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS, NAACCR_REC_OK},
        {"item check, bit 2", CHECK_EX, NAACCR_CHECK_ITEMS | 4u, NAACCR_REC_BAD_ARGUMENT},
        {"read, no flags", READ_ITEMS, 0, NAACCR_REC_OK},
        {"read, bit 0", READ_ITEMS, 1u, NAACCR_REC_BAD_ARGUMENT},
        {"convert, known flags", CONVERT, NAACCR_CONVERT_LF | NAACCR_CONVERT_LOSSY, NAACCR_REC_OK},
        {"convert, bit 2", CONVERT, NAACCR_CONVERT_LOSSY | 4u, NAACCR_REC_BAD_ARGUMENT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        int32_t code = -1;
        if (c.call == CHECK) {
            NaaccrCheckOptions options;
            std::memset(&options, 0, sizeof options);
            options.size = sizeof options;
            options.flags = c.flags;
            NaaccrCheckSummary summary;
            code = cvCheckNaaccrFile(path.c_str(), &options, &summary);
        } else if (c.call == CHECK_EX) {
            NaaccrItemCheckOptions options;
            std::memset(&options, 0, sizeof options);
            options.size = sizeof options;
            options.flags = c.flags;
            NaaccrItemCheckSummary summary;
            code = cvCheckNaaccrFileEx(path.c_str(), &options, &summary);
        } else if (c.call == READ_ITEMS) {
            NaaccrReadOptions options;
            std::memset(&options, 0, sizeof options);
            options.size = sizeof options;
            options.flags = c.flags;
            NaaccrItemCheckSummary summary;
            code = cvReadNaaccrFile(path.c_str(), &options, &summary);
        } else {
            std::string output;
            NaaccrConvertOptions options;
            std::memset(&options, 0, sizeof options);
            options.size = sizeof options;
            options.flags = c.flags;
            options.target = NAACCR_FORMAT_CSV;
            options.write = collect_output;
            options.output = &output;
            NaaccrConvertSummary summary;
            code = cvConvertNaaccrFile(path.c_str(), &options, &summary);
        }
        EXPECT_EQ(code, c.code);
    }
}

} // namespace
