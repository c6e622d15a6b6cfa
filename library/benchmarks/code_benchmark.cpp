// code_benchmark.cpp -- one code look-up, as the item walk makes it for each
// coded value, against a binary search of the same table's rows and against
// the item check the value has already been through; and the rules of one
// tumour.  All measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "codes/codes.h"

namespace
{

// The histology codes of the 250 lists, the largest table, in a scrambled
// order: valid codes, as nearly all of a file's are (a fault's message costs
// more than any look-up, and is rare).
const std::vector<std::string> &histologies()
{
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> list;
        const int32_t count = count_item_codes(250, 522);
        ItemCode code;
        for (int32_t i = 0; i < count; ++i)
            if (get_item_code(250, 522, (i * 389) % count, &code))
                list.push_back(code.code);
        return list;
    }();
    return codes;
}

const NaaccrItemDef &histology_item() { return *find_item_by_number(*find_dictionary(250), 522); }

void CodeLookUp(benchmark::State &state)
{
    const ItemCodes codes = find_item_codes(250, 522);
    const NaaccrItemDef &item = histology_item();
    const auto &list = histologies();
    size_t i = 0;
    ItemFault fault;
    for (auto _ : state) {
        const std::string &code = list[i++ % list.size()];
        benchmark::DoNotOptimize(
            check_item_code(codes, item, reinterpret_cast<const unsigned char *>(code.data()), 4, ITEM_FIELD, &fault));
    }
    state.SetItemsProcessed(state.iterations());
}

void BinarySearch(benchmark::State &state)
{
    const CodeTable *table = find_item_codes(250, 522).table;
    const auto &list = histologies();
    size_t i = 0;
    for (auto _ : state) {
        const char *code = list[i++ % list.size()].c_str();
        size_t low = 0, high = table->count;
        while (low < high) {
            const size_t middle = low + (high - low) / 2;
            if (std::strcmp(table->rows[middle].code, code) < 0)
                low = middle + 1;
            else
                high = middle;
        }
        benchmark::DoNotOptimize(low < table->count && std::strcmp(table->rows[low].code, code) == 0);
    }
    state.SetItemsProcessed(state.iterations());
}

void ItemCheck(benchmark::State &state)
{
    const NaaccrItemDef &item = histology_item();
    const auto &list = histologies();
    size_t i = 0;
    ItemFault fault;
    for (auto _ : state) {
        const std::string &code = list[i++ % list.size()];
        benchmark::DoNotOptimize(
            check_item_value(item, reinterpret_cast<const unsigned char *>(code.data()), 4, ITEM_FIELD, &fault));
    }
    state.SetItemsProcessed(state.iterations());
}

void JudgeTumor(benchmark::State &state)
{
    TumorRules rules;
    prepare_tumor_rules(180, &rules);
    const NaaccrDictionary &dictionary = *find_dictionary(180);
    const char *const given[][2] = {{"230", "051"},      {"240", "19700315"}, {"380", "00"},
                                    {"390", "20210520"}, {"400", "C509"},     {"522", "8500"},
                                    {"523", "3"},        {"560", "00"},       {"1750", "20230101"}};
    TumorValues values = {};
    for (const auto &item : given)
        keep_rule_value(&values, *find_item_by_number(dictionary, std::atoi(item[0])),
                        reinterpret_cast<const unsigned char *>(item[1]), std::strlen(item[1]), ITEM_XML_TEXT, false);
    TumorVerdict verdict;
    for (auto _ : state)
        benchmark::DoNotOptimize(judge_tumor(rules, values, &verdict));
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(CodeLookUp);
BENCHMARK(BinarySearch);
BENCHMARK(ItemCheck);
BENCHMARK(JudgeTumor);
BENCHMARK_MAIN();
