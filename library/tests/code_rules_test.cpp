// code_rules_test.cpp -- the code check of one value and the rules of one
// tumour, one labelled case per line: each kind, blanks, the unknown codes,
// each over-ride, the in-situ cervix, partial dates, leap days, ages 120 and
// 121, the site list's years.
#include <cstring>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "codes/codes.h"

namespace
{

const int F = ITEM_FIELD, X = ITEM_XML_TEXT;
const int32_t CODE = NAACCR_CHECK_ITEM_CODE;

const NaaccrItemDef &item_of(int32_t version, int32_t number)
{
    const NaaccrItemDef *item = find_item_by_number(*find_dictionary(version), number);
    EXPECT_NE(item, nullptr) << number << " in " << version;
    return *item;
}

const struct CodeCase {
    const char *label;
    int32_t version, number;
    int form;
    const char *value;
    int32_t code;
} code_cases[] = {
    // The record of the issue: NAACCR 18 with Sex 7, C999, 9999, behavior 5, laterality 8, age 150.
    {"sex 7", 180, 220, F, "7", CODE},
    {"sex 1", 180, 220, F, "1", 0},
    {"site C999", 180, 400, F, "C999", CODE},
    {"site C619", 180, 400, F, "C619", 0},
    {"site cut short", 180, 400, F, "C61 ", CODE},
    {"site in lower case", 180, 400, F, "c619", CODE},
    {"histology 9999", 180, 522, F, "9999", CODE},
    {"behavior 5", 180, 523, F, "5", CODE},
    {"behavior 6 (metastatic) is not a primary's", 180, 523, F, "6", CODE},
    {"laterality 8", 180, 410, F, "8", CODE},
    {"laterality 9 (unknown)", 180, 410, F, "9", 0},
    {"blank is not given", 180, 410, F, " ", 0},
    // Age at Diagnosis: 000 to 120, 999.
    {"age 150", 180, 230, F, "150", CODE},
    {"age 000", 180, 230, F, "000", 0},
    {"age 120", 180, 230, F, "120", 0},
    {"age 121", 180, 230, F, "121", CODE},
    {"age 998", 180, 230, F, "998", CODE},
    {"age 999 (unknown)", 180, 230, F, "999", 0},
    {"age in XML without its zeros", 210, 230, X, "45", 0},
    // Versions: a code holds from the first list that has it on.
    {"histology new in 250, in 240", 240, 522, F, "8104", CODE},
    {"histology new in 250, in 250", 250, 522, F, "8104", 0},
    {"histology new in 250, in 270", 270, 522, F, "8104", 0},
    {"histology new in 210, in 160 (the 180 lists)", 160, 522, F, "8273", CODE},
    {"histology dropped after 220, in 260", 260, 522, F, "8157", 0},
    {"histology of 230-240, in 220", 220, 522, F, "9092", CODE},
    {"histology of 230-240, in 260", 260, 522, F, "9092", 0},
    {"summary stage 2018 has no 5", 180, 764, F, "5", CODE},
    {"160's item 764 is Summary Stage 2017: not judged", 160, 764, F, "5", 0},
    {"sex assigned at birth 3", 260, 225, X, "3", CODE},
    {"breast reconstruction A000", 240, 1335, X, "A000", 0},
    {"breast reconstruction A001", 240, 1335, X, "A001", CODE},
    // The unknowns and the constructed sequence numbers.
    {"race 1 88 is for races 2 to 5", 180, 160, F, "88", CODE},
    {"race 2 88", 180, 161, F, "88", 0},
    {"race 99 (unknown)", 180, 160, F, "99", 0},
    {"central sequence 98", 180, 380, F, "98", 0},
    {"hospital sequence 98", 180, 560, F, "98", CODE},
    {"central sequence 89", 180, 380, F, "89", CODE},
    {"central sequence in XML without its zero", 210, 380, X, "1", 0},
    {"site in XML cut short", 210, 400, X, "C61", CODE},
    // Not judged here.
    {"record type", 180, 10, F, "X", 0},
    {"record version", 180, 50, F, "999", 0},
};

TEST(ItemCodes, EachValueIsFoundInItsItemsListsOfItsVersion)
{
    for (const auto &c : code_cases) {
        SCOPED_TRACE(c.label);
        const NaaccrItemDef &item = item_of(c.version, c.number);
        const ItemCodes codes = find_item_codes(c.version, c.number);
        ItemFault fault = {};
        const unsigned char *value = reinterpret_cast<const unsigned char *>(c.value);
        ASSERT_EQ(check_item_value(item, value, std::strlen(c.value), static_cast<ItemValueForm>(c.form), &fault), 0);
        EXPECT_EQ(check_item_code(codes, item, value, std::strlen(c.value), static_cast<ItemValueForm>(c.form), &fault),
                  c.code);
    }
}

TEST(ItemCodes, TheReasonShowsTheValueAndNamesTheLists)
{
    ItemFault fault;
    const ItemCodes sex = find_item_codes(240, 220);
    check_item_code(sex, item_of(240, 220), reinterpret_cast<const unsigned char *>("7"), 1, ITEM_FIELD, &fault);
    EXPECT_STREQ(fault.reason, "'7' is not one of its codes in the lists of NAACCR 180 to 240");
    const ItemCodes age = find_item_codes(180, 230);
    check_item_code(age, item_of(180, 230), reinterpret_cast<const unsigned char *>("121"), 3, ITEM_FIELD, &fault);
    EXPECT_STREQ(fault.reason, "'121' is not an age: 000 to 120, or 999 for unknown");
    // Only printable bytes reach a message.
    const ItemCodes site = find_item_codes(180, 400);
    check_item_code(site, item_of(180, 400), reinterpret_cast<const unsigned char *>("C\00161"), 4, ITEM_FIELD, &fault);
    EXPECT_EQ(std::string(fault.reason).find("'C?61'"), 0u) << fault.reason;
}

// A tumour every rule passes: diagnosed 20 May 2021 at 51, breast, duct carcinoma.
const char *const base_tumor = "230=051 240=19700315 380=00 390=20210520 400=C509 522=8500 523=3 560=00 1750=20230101";

const struct RuleCase {
    const char *label;
    int32_t version;
    const char *changes; // item=value over the base tumour; "~" blank, a leading '!' a form problem
    const char *found;   // kind@item of each problem, in order
    int site_list;
} rule_cases[] = {
    {"passes every rule", 180, "", "", SITE_LIST_JUDGED},
    {"nothing given", 180, "230=~ 240=~ 380=~ 390=~ 400=~ 522=~ 523=~ 560=~ 1750=~", "", SITE_LIST_NO_CODES},
    {"NAACCR 14 by the 180 lists", 140, "", "", SITE_LIST_JUDGED},
    {"NAACCR 26 without sex", 260, "", "", SITE_LIST_JUDGED},
    // Histology with behavior.
    {"pair in no list", 180, "522=8002 523=2", "36@522", SITE_LIST_NO_CODES},
    {"pair in no list, over-ride 1", 180, "522=8002 523=2 2040=1", "36@400", SITE_LIST_JUDGED},
    {"pair in no list, over-ride 3, before the list's years", 180, "522=8002 523=2 2040=3 390=20190520 230=049", "",
     SITE_LIST_NOT_JUDGED},
    {"pair in no list, over-ride 2", 180, "522=8002 523=2 2040=2", "36@522", SITE_LIST_NO_CODES},
    {"pair in no list, over-ride 9", 180, "522=8002 523=2 2040=9", "36@522", SITE_LIST_NO_CODES},
    {"pair in no list, over-ride with a form problem", 180, "522=8002 523=2 2040=!1", "36@522", SITE_LIST_NO_CODES},
    {"pair new in 210, in 180", 180, "522=8742 523=0 380=60 560=60 390=2019 230=049", "36@522", SITE_LIST_NO_CODES},
    {"pair new in 210, in 210", 210, "522=8742 523=0 380=60 560=60 390=2019 230=049", "", SITE_LIST_NOT_JUDGED},
    {"pair only in the site list", 230, "400=C519 522=9092", "", SITE_LIST_JUDGED},
    {"histology not a code: no rule on it", 180, "522=9828", "", SITE_LIST_NO_CODES},
    {"behavior blank", 180, "523=~", "", SITE_LIST_NO_CODES},
    {"behavior 9 is not a code", 180, "523=9", "", SITE_LIST_NO_CODES},
    // Primary site with histology and behavior, 2021 to 2023 only.
    {"site list: not at breast", 180, "522=8023", "36@400", SITE_LIST_JUDGED},
    {"site list: over-ride 1", 180, "522=8023 2030=1", "", SITE_LIST_JUDGED},
    {"site list: over-ride 2", 180, "522=8023 2030=2", "36@400", SITE_LIST_JUDGED},
    {"site list: 2020", 180, "522=8023 390=20200520 230=050", "", SITE_LIST_NOT_JUDGED},
    {"site list: 2021 by year only", 180, "522=8023 390=2021", "36@400", SITE_LIST_JUDGED},
    {"site list: 2023", 180, "522=8023 390=20230101 230=052", "36@400", SITE_LIST_JUDGED},
    {"site list: 2024", 180, "522=8023 390=20240101 230=053 1750=2024", "", SITE_LIST_NOT_JUDGED},
    {"site list: diagnosis blank", 180, "522=8023 390=~", "", SITE_LIST_NOT_JUDGED},
    {"site list: diagnosis with a form problem", 180, "522=8023 390=!20211340", "", SITE_LIST_NOT_JUDGED},
    {"site list: site blank", 180, "400=~ 522=8023", "", SITE_LIST_NO_CODES},
    // Sequence number against behavior.
    {"benign takes 60-88", 180, "400=C700 522=8810 523=0 380=60 560=88", "", SITE_LIST_JUDGED},
    {"benign numbered 05", 180, "400=C700 522=8810 523=0 380=05 560=60", "36@380", SITE_LIST_JUDGED},
    {"borderline numbered 59 and 99", 180, "400=C569 522=8442 523=1 380=59 560=99", "36@380 36@560", SITE_LIST_JUDGED},
    {"malignant numbered 88", 180, "380=88", "36@380", SITE_LIST_JUDGED},
    {"malignant numbered 60 to 87: by agreement", 180, "380=60 560=87", "", SITE_LIST_JUDGED},
    {"malignant numbered 99 and 59", 180, "380=99 560=59", "", SITE_LIST_JUDGED},
    {"in situ cervix numbered 98", 180, "400=C530 522=8077 523=2 380=98", "", SITE_LIST_JUDGED},
    {"invasive cervix numbered 98", 180, "400=C530 522=8070 523=3 380=98", "36@380", SITE_LIST_JUDGED},
    {"in situ breast numbered 98", 180, "523=2 380=98", "36@380", SITE_LIST_JUDGED},
    {"in situ numbered 98, site blank", 180, "400=~ 523=2 380=98", "", SITE_LIST_NO_CODES},
    {"hospital 98 is not a code: no rule on it", 180, "400=C530 522=8077 523=2 560=98", "", SITE_LIST_JUDGED},
    {"hospital in situ numbered 88", 180, "523=2 560=88", "36@560", SITE_LIST_JUDGED},
    {"sequence with a form problem", 180, "380=!88", "", SITE_LIST_JUDGED},
    // Date order, at the precision both dates give.
    {"born after diagnosis", 180, "240=20220101", "37@240", SITE_LIST_JUDGED},
    {"born the year of diagnosis, month unknown", 180, "240=2021 230=000", "", SITE_LIST_JUDGED},
    {"born the month of diagnosis, day unknown", 180, "240=202105 230=000", "", SITE_LIST_JUDGED},
    {"born the month after diagnosis", 180, "240=202106 230=000", "37@240", SITE_LIST_JUDGED},
    {"diagnosed after last contact", 180, "1750=20210519", "37@390", SITE_LIST_JUDGED},
    {"diagnosed the year of last contact, month unknown", 180, "1750=2021", "", SITE_LIST_JUDGED},
    {"diagnosed the month after last contact", 180, "1750=202104", "37@390", SITE_LIST_JUDGED},
    {"last contact blank", 180, "1750=~", "", SITE_LIST_JUDGED},
    {"birth with a form problem", 180, "240=!20220101 230=000", "", SITE_LIST_JUDGED},
    {"diagnosis blank: no date rule", 180, "390=~ 240=20220101 1750=2000", "", SITE_LIST_NOT_JUDGED},
    // Age at Diagnosis against the whole years.
    {"age one short", 180, "230=050", "37@230", SITE_LIST_JUDGED},
    {"age one over", 180, "230=052", "37@230", SITE_LIST_JUDGED},
    {"birthday the day after diagnosis", 180, "240=19700521 230=050", "", SITE_LIST_JUDGED},
    {"birthday the day after, age counted up", 180, "240=19700521", "37@230", SITE_LIST_JUDGED},
    {"birth year only: 50 or 51", 180, "240=1970 230=050", "", SITE_LIST_JUDGED},
    {"birth year only: not 49", 180, "240=1970 230=049", "37@230", SITE_LIST_JUDGED},
    {"birth month of diagnosis, day unknown: 50", 180, "240=197005 230=050", "", SITE_LIST_JUDGED},
    {"birth month after diagnosis: 50 only", 180, "240=197006 230=051", "37@230", SITE_LIST_JUDGED},
    {"diagnosis month unknown: 51", 180, "390=2021", "", SITE_LIST_JUDGED},
    {"born 29 February, 28 February of a common year", 180, "240=20000229 390=20010228 230=000", "",
     SITE_LIST_NOT_JUDGED},
    {"born 29 February, a year on 28 February", 180, "240=20000229 390=20010228 230=001", "37@230",
     SITE_LIST_NOT_JUDGED},
    {"born 29 February, 1 March of a common year", 180, "240=20000229 390=20010301 230=001", "", SITE_LIST_NOT_JUDGED},
    {"born 29 February, 29 February four years on", 180, "240=20000229 390=20040229 230=004", "", SITE_LIST_NOT_JUDGED},
    {"born 1 March of a leap year, a year on", 180, "240=20000301 390=20010301 230=001", "", SITE_LIST_NOT_JUDGED},
    {"age 120", 180, "240=19010101 230=120", "", SITE_LIST_JUDGED},
    {"age 121 is not a code: no rule on it", 180, "240=19000101 230=121", "", SITE_LIST_JUDGED},
    {"age 999 (unknown)", 180, "230=999", "", SITE_LIST_JUDGED},
    {"age with a form problem", 180, "230=!05", "", SITE_LIST_JUDGED},
    // Several at once, in column order.
    {"every kind at once", 180, "230=040 380=88 1750=2020 522=8023 560=88", "37@230 36@380 37@390 36@400 36@560",
     SITE_LIST_JUDGED},
};

// Keeps `spec`'s values ("item=value ...") as an XML reader would.
void keep_values(int32_t version, const char *spec, TumorValues *values)
{
    std::istringstream words(spec);
    std::string word;
    while (words >> word) {
        const size_t equals = word.find('=');
        std::string value = word.substr(equals + 1);
        const bool faulty = !value.empty() && value[0] == '!';
        if (faulty)
            value.erase(0, 1);
        if (value == "~")
            value.clear();
        const NaaccrItemDef &item = item_of(version, std::stoi(word.substr(0, equals)));
        keep_rule_value(values, item, reinterpret_cast<const unsigned char *>(value.data()), value.size(),
                        ITEM_XML_TEXT, faulty);
    }
}

std::string found_of(const TumorVerdict &verdict)
{
    std::string found;
    for (size_t i = 0; i < verdict.count; ++i)
        found += (i > 0 ? " " : "") + std::to_string(verdict.problems[i].code) + "@" +
                 std::to_string(verdict.problems[i].item_number);
    return found;
}

TEST(TumorRules, EachRuleFindsItsCasesAndPassesTheRest)
{
    for (const auto &c : rule_cases) {
        SCOPED_TRACE(c.label);
        TumorRules rules;
        ASSERT_TRUE(prepare_tumor_rules(c.version, &rules));
        TumorValues values = {};
        keep_values(c.version, base_tumor, &values);
        keep_values(c.version, c.changes, &values);
        TumorVerdict verdict;
        EXPECT_EQ(judge_tumor(rules, values, &verdict), verdict.count);
        EXPECT_EQ(found_of(verdict), c.found);
        EXPECT_EQ(verdict.site_list, c.site_list);
    }
}

TEST(TumorRules, MessagesNameTheValuesAndTheListsEdition)
{
    const struct {
        const char *changes;
        const char *message;
    } cases[] = {
        {"522=8002 523=2",
         "Histologic Type ICD-O-3 (item 522) 8002 with Behavior Code ICD-O-3 (item 523) 2 is in no ICD-O-3 list of "
         "NAACCR 180 to 240 nor in SEER's site/histology list of 2022-04-29, and Over-ride Histology (item 2040) is "
         "not 1 or 3"},
        {"522=8023",
         "Primary Site (item 400) C509 with Histologic Type ICD-O-3 (item 522) 8023 and Behavior Code ICD-O-3 (item "
         "523) 3 is not in SEER's site/histology list of 2022-04-29 (diagnoses of 2021 to 2023), and Over-ride "
         "Site/Type (item 2030) is not 1"},
        {"240=1970 230=049", "Age at Diagnosis (item 230) 049 is not the whole years from Date of Birth (item 240) "
                             "1970 to Date of Diagnosis (item 390) 20210520: 50 or 51"},
        {"1750=202104", "Date of Diagnosis (item 390) 20210520 is after Date of Last Contact (item 1750) 202104"},
    };
    TumorRules rules;
    prepare_tumor_rules(240, &rules);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.changes);
        TumorValues values = {};
        keep_values(240, base_tumor, &values);
        keep_values(240, c.changes, &values);
        TumorVerdict verdict;
        ASSERT_EQ(judge_tumor(rules, values, &verdict), 1u);
        EXPECT_STREQ(verdict.problems[0].message, c.message);
    }
}

TEST(TumorRules, ValuesAreKeptAsTheCodeCheckSeesThem)
{
    const struct {
        const char *label;
        int32_t number;
        int form;
        const char *value;
        bool faulty;
        int state;
        const char *kept;
    } cases[] = {
        {"flat date without its day", 390, F, "202105  ", false, RULE_VALUE_GIVEN, "202105"},
        {"flat blank", 390, F, "        ", false, RULE_VALUE_BLANK, ""},
        {"flat left-zero", 380, F, "01", false, RULE_VALUE_GIVEN, "01"},
        {"XML left-zero without its zero", 380, X, "1", false, RULE_VALUE_GIVEN, "01"},
        {"XML empty", 400, X, "", false, RULE_VALUE_BLANK, ""},
        {"form problem", 390, F, "2021AB  ", true, RULE_VALUE_FAULTY, ""},
        {"longer than any rule value", 400, X, "C5091234567", false, RULE_VALUE_FAULTY, ""},
        {"an item no rule reads", 220, F, "1", false, RULE_VALUE_BLANK, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        TumorValues values = {};
        keep_rule_value(&values, item_of(180, c.number), reinterpret_cast<const unsigned char *>(c.value),
                        std::strlen(c.value), static_cast<ItemValueForm>(c.form), c.faulty);
        const int32_t place = rule_item_place(c.number);
        const RuleValue &kept = values.values[place < 0 ? 0 : place];
        EXPECT_EQ(kept.state, c.state);
        EXPECT_EQ(std::string(kept.text, kept.length), c.kept);
    }
}

// Every row of the site/histology list passes both morphology rules at the
// sites of its group in 2021, wherever its histology and behavior are codes.
TEST(TumorRules, EveryRowOfTheSiteListPassesAtItsSites)
{
    TumorRules rules;
    ASSERT_TRUE(prepare_tumor_rules(260, &rules));
    for (size_t g = 0; g < site_list.group_count; ++g) {
        const SiteGroup &group = site_list.groups[g];
        SCOPED_TRACE(group.sites);
        for (uint32_t r = group.first; r < group.first + group.count; ++r) {
            const uint32_t morphology = site_list.rows[r];
            TumorValues values = {};
            const std::string spec = "390=2021 400=" + std::string(group.sites, 4) +
                                     " 522=" + std::to_string(morphology / 10) +
                                     " 523=" + std::to_string(morphology % 10);
            keep_values(260, spec.c_str(), &values);
            const RuleValue &histology = values.values[RULE_HISTOLOGY];
            if (!is_item_code(rules.codes[RULE_HISTOLOGY], reinterpret_cast<const unsigned char *>(histology.text),
                              histology.length))
                continue; // 9828: on the list, but in no ICD-O-3 list of histologies
            TumorVerdict verdict;
            judge_tumor(rules, values, &verdict);
            EXPECT_EQ(found_of(verdict), "") << morphology;
            EXPECT_EQ(verdict.site_list, SITE_LIST_JUDGED) << morphology;
        }
    }
}

} // namespace
