// convert_test.cpp -- records read as items and converted: how padding is
// cut, how records gather into patients, what refuses a conversion, CSV
// quoting and XML escaping.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "convert/convert.h"
#include "test_files.h"

namespace
{

TEST(ReadItems, CutsPaddingAsEachItemSays)
{
    const struct {
        const char *label, *id, *field, *given; // given: null when not given
    } cases[] = {
        {"right-blank loses trailing blanks", "nameLast", "SMITH     ", "SMITH"},
        {"right-blank keeps leading blanks", "nameLast", "  SMITH   ", "  SMITH"},
        {"left-zero as it stands", "patientIdNumber", "00000042", "00000042"},
        {"blank is not given", "nameLast", "          ", nullptr},
        {"blank zero-padded item is not given", "patientIdNumber", "        ", nullptr},
        {"trim none kept whole", "stateRequestorItems", "  X   ", "  X   "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const NaaccrDictionary &dictionary = *find_dictionary(180);
        const NaaccrItemDef *item = find_item_by_id(dictionary, c.id, strlen(c.id));
        ASSERT_NE(item, nullptr);
        std::string record = make_record(180, 'A', {});
        record.replace(static_cast<size_t>(item->start_column - 1), strlen(c.field), c.field);
        TumorItems *tumor = new TumorItems;
        take_flat_record(*find_flat_plan(dictionary, 'A'), reinterpret_cast<const unsigned char *>(record.data()),
                         record.size(), tumor);
        const NaaccrItemValue *found = nullptr;
        for (int level = 0; level < 3; ++level)
            for (uint32_t i = 0; i < tumor->view.counts[level]; ++i)
                if (tumor->view.items[level][i].item == item)
                    found = &tumor->view.items[level][i];
        if (c.given == nullptr) {
            EXPECT_EQ(found, nullptr);
            delete tumor;
            continue;
        }
        {
            ASSERT_NE(found, nullptr);
            std::string full(found->value, found->length);
            // trim="none" keeps the whole field, of which the case wrote the start.
            EXPECT_EQ(full.substr(0, strlen(c.given)), c.given);
            if (item->trim_none == 0) {
                EXPECT_EQ(full, c.given);
            }
        }
        delete tumor;
    }
}

TEST(ConvertToXml, GathersRecordsIntoPatientsAndRefusesRootConflicts)
{
    const std::string one = make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"sex", "1"}});
    const std::string one_again =
        make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"sex", "1"}, {"primarySite", "C619"}});
    const std::string one_other_sex = make_record(180, 'I', {{"patientIdNumber", "00000001"}, {"sex", "2"}});
    const std::string two = make_record(180, 'I', {{"patientIdNumber", "00000002"}, {"sex", "1"}});
    const std::string no_id = make_record(180, 'I', {{"sex", "1"}});
    const std::string other_registry =
        make_record(180, 'I', {{"patientIdNumber", "00000003"}, {"registryId", "0000000042"}});
    const struct {
        const char *label;
        std::vector<std::string> records;
        int32_t code;
        uint64_t patients, splits;
        int32_t problem; // the first problem's kind; 0 for none
        uint64_t problem_record;
    } cases[] = {
        {"same patient id and items: one patient", {one, one_again}, NAACCR_REC_OK, 1, 0, 0, 0},
        {"another patient id: a new patient", {one, two}, NAACCR_REC_OK, 2, 0, 0, 0},
        {"same id, other patient items: split",
         {one, one_other_sex, one},
         NAACCR_REC_OK,
         3,
         2,
         NAACCR_CHECK_PATIENT_SPLIT,
         2},
        {"blank patient ids never join", {no_id, no_id}, NAACCR_REC_OK, 2, 0, 0, 0},
        {"file-level item differs: refused",
         {one, two, other_registry},
         NAACCR_REC_REFUSED,
         3,
         0,
         NAACCR_CHECK_ROOT_CONFLICT,
         3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string bytes;
        for (const std::string &record : c.records)
            bytes += record + "\r\n";
        const Converted out = convert_bytes(bytes, NAACCR_FORMAT_XML);
        EXPECT_EQ(out.code, c.code);
        EXPECT_EQ(out.summary.input.patients, c.patients);
        EXPECT_EQ(out.summary.patient_splits, c.splits);
        EXPECT_EQ(out.summary.refused, c.code == NAACCR_REC_REFUSED ? 1 : 0);
        if (c.problem == 0) {
            EXPECT_TRUE(out.problems.empty()) << out.problems[0].message;
            EXPECT_EQ(count_of(out.output, "<Patient>"), c.patients);
            EXPECT_EQ(count_of(out.output, "<Tumor>"), c.records.size());
        } else {
            ASSERT_FALSE(out.problems.empty());
            EXPECT_EQ(out.problems[0].code, c.problem);
            EXPECT_EQ(out.problems[0].record, c.problem_record);
        }
    }
}

TEST(ConvertToXml, WritesTheRootAttributesAndEscapesText)
{
    const std::string record = make_record(180, 'A', {{"patientIdNumber", "00000007"}, {"textRemarks", "A<B & C>D"}});
    const Converted out = convert_bytes(record + "\n", NAACCR_FORMAT_XML);
    ASSERT_EQ(out.code, NAACCR_REC_OK);
    EXPECT_NE(out.output.find("baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml\""),
              std::string::npos);
    EXPECT_NE(
        out.output.find("userDictionaryUri=\"http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-180.xml\""),
        std::string::npos);
    EXPECT_NE(out.output.find("recordType=\"A\""), std::string::npos);
    EXPECT_NE(out.output.find("specificationVersion=\"1.5\""), std::string::npos);
    EXPECT_NE(out.output.find("<Item naaccrId=\"textRemarks\">A&lt;B &amp; C&gt;D</Item>"), std::string::npos);
    EXPECT_EQ(out.output.substr(out.output.size() - 14), "</NaaccrData>\n");
}

TEST(ConvertToCsv, QuotesWhatRfc4180Wants)
{
    const struct {
        const char *label, *value, *field;
    } cases[] = {
        {"plain", "PLAIN TEXT", "PLAIN TEXT"},
        {"comma", "A, B", "\"A, B\""},
        {"quote", "SAID \"NO\"", "\"SAID \"\"NO\"\"\""},
        {"line feed", "LINE\nNEXT", "\"LINE\nNEXT\""},
        {"carriage return", "LINE\rNEXT", "\"LINE\rNEXT\""},
        {"quote alone", "\"", "\"\"\"\""},
    };
    const NaaccrDictionary &dictionary = *find_dictionary(180);
    CsvColumns columns;
    char unknown[80];
    const CsvChoice choice = {"patientIdNumber,textRemarks", 'A', false, nullptr, 0};
    ASSERT_TRUE(make_csv_columns(dictionary, choice, &columns, unknown, sizeof unknown));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::string output;
        WriterContext writer;
        std::memset(&writer, 0, sizeof writer);
        writer.lf = true;
        ASSERT_TRUE(open_output_buffer(&writer.out, collect_output, &output, 64));
        TumorItems *tumor = new TumorItems;
        clear_tumor_items(tumor);
        add_tumor_item(tumor, find_item_by_id(dictionary, "textRemarks", 11), c.value, strlen(c.value));
        add_tumor_item(tumor, find_item_by_id(dictionary, "patientIdNumber", 15), "00000001", 8);
        write_csv_header(&writer, dictionary, columns);
        EXPECT_EQ(write_csv_tumor(&writer, dictionary, columns, tumor->view), 0);
        EXPECT_TRUE(flush_output_buffer(&writer.out));
        EXPECT_EQ(output, std::string("patientIdNumber,textRemarks\n00000001,") + c.field + "\n");
        close_output_buffer(&writer.out);
        delete tumor;
    }
    free_csv_columns(&columns);
}

TEST(ConvertToCsv, HasADictionaryColumnForEveryItemOfTheType)
{
    const std::string record = make_record(160, 'I', {{"patientIdNumber", "00000003"}, {"primarySite", "C501"}});
    const Converted out = convert_bytes(record + "\n" + record + "\n", NAACCR_FORMAT_CSV);
    ASSERT_EQ(out.code, NAACCR_REC_OK);
    const std::string header = out.output.substr(0, out.output.find("\r\n"));
    size_t expected = 0;
    const NaaccrDictionary &dictionary = *find_dictionary(160);
    for (size_t i = 0; i < dictionary.count; ++i)
        expected += dictionary.items[i].grouped == 0 && (dictionary.items[i].record_types & NAACCR_ITEM_IN_I) != 0;
    EXPECT_EQ(count_of(header, ",") + 1, expected);
    EXPECT_EQ(header.substr(0, 24), "recordType,registryType,");
    EXPECT_EQ(count_of(out.output, "\r\n"), 3u);
    EXPECT_EQ(out.summary.written, 2u);
}

TEST(ConvertArguments, AreRefusedBeforeAnythingIsWritten)
{
    const std::string record = make_record(180, 'I', {{"patientIdNumber", "00000001"}});
    const struct {
        const char *label;
        int32_t target;
        const char *items;
        int32_t code;
    } cases[] = {
        {"items for XML", NAACCR_FORMAT_XML, "sex", NAACCR_REC_BAD_ARGUMENT},
        {"items for flat", NAACCR_FORMAT_FLAT, "sex", NAACCR_REC_BAD_ARGUMENT},
        {"unknown item for CSV", NAACCR_FORMAT_CSV, "sex,noSuchItem", NAACCR_REC_BAD_ARGUMENT},
        {"unknown target", 9, nullptr, NAACCR_REC_BAD_ARGUMENT},
        {"known items for CSV", NAACCR_FORMAT_CSV, "sex,patientIdNumber", NAACCR_REC_OK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Converted out = convert_bytes(record + "\n", c.target, 0, c.items);
        EXPECT_EQ(out.code, c.code);
        if (c.code != NAACCR_REC_OK) {
            EXPECT_EQ(out.output, "");
        }
    }
}

TEST(ConvertInput, WithRecordProblemsOrNoDictionaryIsRefused)
{
    const std::string good = make_record(180, 'I', {{"patientIdNumber", "00000001"}});
    std::string v130 = good.substr(0, 3339); // the length of version 130's incidence layout
    v130.replace(16, 3, "130");
    const struct {
        const char *label;
        std::string bytes;
        int32_t code;
        int32_t problem;
    } cases[] = {
        {"a record cut short", good + "\n" + good.substr(0, 100) + "\n", NAACCR_REC_REFUSED,
         NAACCR_CHECK_RECORD_LENGTH},
        {"a byte outside ASCII", good + "\n" + good.substr(0, 200) + "\xE9" + good.substr(201) + "\n",
         NAACCR_REC_REFUSED, NAACCR_CHECK_ILLEGAL_BYTE},
        {"version 130 has no dictionary", v130 + "\n", NAACCR_REC_REFUSED, NAACCR_CHECK_NO_DICTIONARY},
        {"last terminator missing is fine", good + "\n" + good, NAACCR_REC_OK, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        for (const int32_t target : {NAACCR_FORMAT_XML, NAACCR_FORMAT_FLAT, NAACCR_FORMAT_CSV}) {
            const Converted out = convert_bytes(c.bytes, target, NAACCR_CONVERT_LOSSY);
            EXPECT_EQ(out.code, c.code);
            if (c.problem != 0) {
                ASSERT_FALSE(out.problems.empty());
                EXPECT_EQ(out.problems[0].code, c.problem);
            }
        }
    }
}

TEST(ConvertInput, RecordsLongerThanEveryLayoutAreNotReadAsItems)
{
    // Every record four bytes longer than the longest layout (A of version
    // 180): the first is reported for its layout's length, and the others,
    // of the first's length, are not taken apart by a layout they overrun.
    const std::string record = make_record(180, 'A', {{"patientIdNumber", "00000001"}}) + "    \n";
    const Converted out = convert_bytes(record + record + record, NAACCR_FORMAT_CSV, NAACCR_CONVERT_LOSSY);
    EXPECT_EQ(out.code, NAACCR_REC_REFUSED);
    std::vector<std::pair<int32_t, uint64_t>> problems;
    for (const Problem &p : out.problems)
        problems.push_back({p.code, p.record});
    const std::vector<std::pair<int32_t, uint64_t>> expected = {
        {NAACCR_CHECK_LAYOUT_LENGTH, 1}, {NAACCR_CHECK_NOT_READABLE, 2}, {NAACCR_CHECK_NOT_READABLE, 3}};
    EXPECT_EQ(problems, expected);
}

} // namespace
