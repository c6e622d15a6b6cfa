// code_tables_test.cpp -- the compiled code tables: every code fits its item in
// every dictionary that defines it, the index finds exactly the rows' codes,
// and which lists, codes and labels each version gets.
#include <cstring>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "codes/codes.h"

namespace
{

bool holds_for(const CodeRow &row, int32_t level) { return row.first == 0 || row.first <= code_list_versions[level]; }

TEST(CodeTables, EveryCodeFitsItsItemInEveryDictionaryThatDefinesIt)
{
    for (size_t t = 0; t < code_table_count; ++t) {
        const CodeTable &table = code_tables[t];
        SCOPED_TRACE(table.id);
        int defining = 0;
        for (size_t d = 0; d < naaccr_dictionary_count; ++d) {
            const NaaccrItemDef *item = find_item_by_id(naaccr_dictionaries[d], table.id, std::strlen(table.id));
            if (item == nullptr)
                continue;
            ++defining;
            SCOPED_TRACE(naaccr_dictionaries[d].version);
            EXPECT_EQ(item->number, table.number);
            for (uint32_t r = 0; r < table.count; ++r) {
                const char *code = table.rows[r].code;
                ItemFault fault;
                EXPECT_EQ(std::strlen(code), static_cast<size_t>(item->length)) << code;
                EXPECT_EQ(check_item_value(*item, reinterpret_cast<const unsigned char *>(code), std::strlen(code),
                                           ITEM_FIELD, &fault),
                          0)
                    << code << ": " << fault.reason;
            }
        }
        EXPECT_GT(defining, 0);
    }
}

// Each code with one byte changed to any digit or capital is found exactly
// when the rows hold it for the version: no two codes share a slot.
TEST(CodeTables, TheIndexFindsExactlyTheRowsCodes)
{
    const std::string bytes = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (size_t t = 0; t < code_table_count; ++t) {
        const CodeTable &table = code_tables[t];
        SCOPED_TRACE(table.id);
        std::map<std::string, const CodeRow *> rows;
        for (uint32_t r = 0; r < table.count; ++r)
            rows[table.rows[r].code] = &table.rows[r];
        for (size_t level = 0; level < code_list_version_count; ++level) {
            const ItemCodes codes = find_item_codes(code_list_versions[level], table.number);
            if (codes.table == nullptr)
                continue;
            for (const auto &row : rows) {
                for (size_t i = 0; i < row.first.size(); ++i) {
                    for (char c : bytes) {
                        std::string code = row.first;
                        code[i] = c;
                        const auto found = rows.find(code);
                        const bool expected = found != rows.end() && holds_for(*found->second, level);
                        EXPECT_EQ(
                            is_item_code(codes, reinterpret_cast<const unsigned char *>(code.data()), code.size()),
                            expected)
                            << code << " in " << code_list_versions[level];
                    }
                }
            }
        }
    }
}

TEST(CodeTables, VersionsTakeTheLastListAtOrBeforeThem)
{
    const struct {
        int32_t version, level;
        const char *lists;
    } cases[] = {
        {140, 0, "NAACCR 180"},
        {160, 0, "NAACCR 180"},
        {180, 0, "NAACCR 180"},
        {210, 1, "NAACCR 180 to 210"},
        {220, 2, "NAACCR 180 to 220"},
        {250, 5, "NAACCR 180 to 250"},
        {260, 6, "NAACCR 180 to 260"},
        {270, 6, "NAACCR 180 to 260"},
        {130, -1, nullptr},
        {190, -1, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.version);
        EXPECT_EQ(code_list_level(c.version), c.level);
        if (c.lists == nullptr)
            continue;
        char lists[32];
        name_code_lists(c.level, lists, sizeof lists);
        EXPECT_STREQ(lists, c.lists);
    }
}

TEST(CodeTables, EachVersionListsTheCodesOfTheItemsItsDictionaryDefines)
{
    const struct {
        const char *label;
        int32_t version, number, count;
        const char *first, *label_of_first; // code 0 and its label
    } cases[] = {
        {"primary site, codes only", 180, 400, 330, "C000", nullptr},
        {"marital status, public domain", 180, 150, 7, "1", "Single (never married)"},
        {"summary stage 2018, versions not tracked", 180, 764, 8, "0", "In situ"},
        {"160's item 764 is another: Summary Stage 2017", 160, 764, -1, nullptr, nullptr},
        {"histology 180", 180, 522, 830, "8000", nullptr},
        {"histology 140 takes the 180 lists", 140, 522, 830, "8000", nullptr},
        {"histology 210", 210, 522, 841, "8000", nullptr},
        {"histology 240", 240, 522, 853, "8000", nullptr},
        {"histology 250", 250, 522, 865, "8000", nullptr},
        {"histology 270 takes the 260 lists", 270, 522, 865, "8000", nullptr},
        {"sex 250", 250, 220, 7, "1", nullptr},
        {"sex is not in 260", 260, 220, -1, nullptr, nullptr},
        {"sex assigned at birth is not in 250", 250, 225, -1, nullptr, nullptr},
        {"sex assigned at birth 260", 260, 225, 3, "1", nullptr},
        {"breast reconstruction is not in 230", 230, 1335, -1, nullptr, nullptr},
        {"breast reconstruction 240", 240, 1335, 15, "A000", nullptr},
        {"age: 000 to 120 and 999", 180, 230, 122, "000", nullptr},
        {"record type is the record check's", 180, 10, -1, nullptr, nullptr},
        {"record version is the record check's", 180, 50, -1, nullptr, nullptr},
        {"a date has no list", 180, 390, -1, nullptr, nullptr},
        {"a version without a dictionary", 130, 400, -1, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(count_item_codes(c.version, c.number), c.count);
        ItemCode code;
        ASSERT_EQ(get_item_code(c.version, c.number, 0, &code), c.first != nullptr);
        if (c.first == nullptr)
            continue;
        EXPECT_STREQ(code.code, c.first);
        EXPECT_STREQ(code.label == nullptr ? "(none)" : code.label,
                     c.label_of_first == nullptr ? "(none)" : c.label_of_first);
        EXPECT_TRUE(get_item_code(c.version, c.number, c.count - 1, &code));
        EXPECT_FALSE(get_item_code(c.version, c.number, c.count, &code));
    }
}

} // namespace
