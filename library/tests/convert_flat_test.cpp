// convert_flat_test.cpp -- tumours written as flat records: what a record
// cannot hold is listed and refuses the file unless lossy, and generated
// records of every flat version and type come back byte for byte.
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "convert/convert.h"

namespace
{

// A view of one tumour of version 180, type I, with the given items.
struct HandMadeTumor {
    TumorItems *tumor = new TumorItems;
    HandMadeTumor(const std::vector<std::pair<std::string, std::string>> &values)
    {
        clear_tumor_items(tumor);
        const NaaccrDictionary &dictionary = *find_dictionary(180);
        for (const auto &v : values)
            add_tumor_item(tumor, find_item_by_id(dictionary, v.first.c_str(), v.first.size()), v.second.c_str(),
                           v.second.size());
        tumor->view.version = 180;
        tumor->view.record_type = 'I';
        tumor->view.tumor = tumor->view.patient = 1;
    }
    ~HandMadeTumor() { delete tumor; }
};

int32_t count_problem(void *host, const NaaccrItemProblem *problem)
{
    static_cast<std::vector<int32_t> *>(host)->push_back(problem->code);
    return 0;
}

TEST(ConvertToFlat, ListsWhatARecordCannotHold)
{
    const struct {
        const char *label;
        std::vector<std::pair<std::string, std::string>> values;
        int32_t problem; // 0: written whole
    } cases[] = {
        {"values that fit", {{"recordType", "I"}, {"sex", "1"}, {"patientIdNumber", "42"}}, 0},
        {"value too long", {{"recordType", "I"}, {"sex", "12"}}, NAACCR_CHECK_ITEM_TOO_LONG},
        {"item not of the record type", {{"recordType", "I"}, {"textRemarks", "X"}}, NAACCR_CHECK_NOT_WRITABLE},
        {"character outside ASCII", {{"recordType", "I"}, {"nameLast", "M\xC3\xBCLLER"}}, NAACCR_CHECK_NOT_WRITABLE},
        {"line feed inside", {{"recordType", "I"}, {"addrAtDxCity", "A\nB"}}, NAACCR_CHECK_NOT_WRITABLE},
    };
    const NaaccrDictionary &dictionary = *find_dictionary(180);
    for (const auto &c : cases)
        for (const bool lossy : {false, true}) {
            SCOPED_TRACE(std::string(c.label) + (lossy ? ", lossy" : ""));
            HandMadeTumor made(c.values);
            std::string output;
            std::vector<int32_t> problems;
            WriterContext writer;
            std::memset(&writer, 0, sizeof writer);
            writer.lossy = lossy;
            writer.lf = true;
            writer.deliver = count_problem;
            writer.problem_host = &problems;
            char record[24300];
            writer.record = record;
            ASSERT_TRUE(open_output_buffer(&writer.out, collect_output, &output, 1024));
            EXPECT_EQ(write_flat_tumor(&writer, dictionary, made.tumor->view), 0);
            flush_output_buffer(&writer.out);
            close_output_buffer(&writer.out);
            if (c.problem == 0) {
                EXPECT_TRUE(problems.empty());
                ASSERT_EQ(output.size(), 4049u);
                EXPECT_EQ(output.substr(41, 8), "00000042"); // left-zero padding put back
            } else {
                ASSERT_EQ(problems.size(), 1u);
                EXPECT_EQ(problems[0], c.problem);
                EXPECT_EQ(writer.refused, !lossy);
                EXPECT_EQ(writer.left_out, 1u);
                EXPECT_EQ(output.size(), lossy ? 4049u : 0u);
            }
        }
}

// Records of every flat version and type whose items hold values of every
// padding, written as flat records again: the same bytes, checksum assigned.
TEST(ConvertToFlat, GivesGeneratedRecordsBackByteForByte)
{
    std::mt19937 random(17);
    for (const int32_t version : {140, 150, 160, 180})
        for (const char type : {'A', 'M', 'C', 'I'}) {
            SCOPED_TRACE(std::to_string(version) + type);
            const std::string bytes = generated_file(version, type, 3, random);
            const Converted out = convert_bytes(bytes, NAACCR_FORMAT_FLAT);
            EXPECT_EQ(out.code, NAACCR_REC_OK);
            EXPECT_TRUE(out.output == bytes);
        }
}

} // namespace
