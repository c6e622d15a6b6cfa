// dictionary_test.cpp -- the compiled dictionaries: items known from NAACCR's
// files, lookups by number, id and uri, the exported calls, and that each
// flat version's items tile every record type's layout exactly.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "items/items.h"
#include "flat/flat.h"

namespace
{

const int32_t flat_versions[] = {140, 150, 160, 180};
const char record_types[] = {'A', 'M', 'C', 'I'};

struct KnownItem {
    int32_t version, number;
    const char *id, *name;
    int32_t start, length;
    uint8_t types, level, data_type, padding, trim_none, unlimited, grouped, user;
};

// From NAACCR's dictionary files.
const KnownItem known_items[] = {
    {140, 10, "recordType", "Record Type", 1, 1, 15, NAACCR_LEVEL_ROOT, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0},
    {160, 390, "dateOfDiagnosis", "Date of Diagnosis", 530, 8, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_DATE, 0, 0, 0, 0, 0},
    {180, 390, "dateOfDiagnosis", "Date of Diagnosis", 544, 8, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_DATE, 0, 0, 0, 0, 0},
    {180, 220, "sex", "Sex", 222, 1, 15, NAACCR_LEVEL_PATIENT, NAACCR_ITEM_DIGITS, 0, 0, 0, 0, 0},
    {180, 2081, "crcChecksum", "CRC CHECKSUM", 2607, 10, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0},
    {180, 352, "geolocationid2000", "GeoLocationID - 2000", 167, 12, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 0,
     1, 0},
    {180, 37, "reserved00", "Reserved 00", 3, 14, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 1, 0, 0, 1},
    {180, 2220, "stateRequestorItems", "State/Requestor Items", 3049, 1000, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0,
     1, 0, 0, 1},
    {180, 2520, "textDxProcPe", "Text--DX Proc--PE", 6935, 1000, 3, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 0, 1, 0,
     0},
    {210, 3720, "npcrSpecificField", "NPCR Specific Field", 0, 75, 15, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_TEXT, 0, 1, 0, 0,
     1},
    {250, 7320, "pathDateSpecCollect1", "Path Date Spec Collect 1", 0, 25, 3, NAACCR_LEVEL_TUMOR, NAACCR_ITEM_DATETIME,
     0, 0, 0, 0, 0},
    {270, 10, "recordType", "Record Type", 0, 1, 15, NAACCR_LEVEL_ROOT, NAACCR_ITEM_TEXT, 0, 0, 0, 0, 0},
};

} // namespace

TEST(Dictionary, KnownItemsHaveTheirAttributes)
{
    for (const KnownItem &k : known_items) {
        SCOPED_TRACE(std::to_string(k.version) + " " + k.id);
        const int32_t by_number = cvFindNaaccrItem(k.version, k.number, nullptr);
        ASSERT_GE(by_number, 0);
        EXPECT_EQ(cvFindNaaccrItem(k.version, 0, k.id), by_number);
        NaaccrItemDef item;
        ASSERT_EQ(cvGetNaaccrItem(k.version, by_number, &item), NAACCR_REC_OK);
        EXPECT_STREQ(item.id, k.id);
        EXPECT_STREQ(item.name, k.name);
        EXPECT_EQ(item.number, k.number);
        EXPECT_EQ(item.start_column, k.start);
        EXPECT_EQ(item.length, k.length);
        const uint8_t seen[] = {item.record_types, item.level,     item.data_type, item.padding,
                                item.trim_none,    item.unlimited, item.grouped,   item.user};
        const uint8_t wanted[] = {k.types,     k.level,     k.data_type, k.padding,
                                  k.trim_none, k.unlimited, k.grouped,   k.user};
        EXPECT_EQ(memcmp(seen, wanted, sizeof seen), 0);
    }
}

TEST(Dictionary, ExportsRefuseWhatTheyCannotAnswer)
{
    NaaccrItemDef item;
    memset(&item, 0x5A, sizeof item);
    const NaaccrItemDef untouched = item;
    EXPECT_EQ(cvGetNaaccrItemCount(170), 0);
    EXPECT_EQ(cvGetNaaccrItemCount(130), 0);
    EXPECT_EQ(cvGetNaaccrItem(170, 0, &item), NAACCR_REC_BAD_VERSION);
    EXPECT_EQ(cvGetNaaccrItem(180, -1, &item), NAACCR_REC_BAD_ARGUMENT);
    EXPECT_EQ(cvGetNaaccrItem(180, cvGetNaaccrItemCount(180), &item), NAACCR_REC_BAD_ARGUMENT);
    EXPECT_EQ(cvGetNaaccrItem(180, 0, nullptr), NAACCR_REC_BAD_ARGUMENT);
    EXPECT_EQ(memcmp(&item, &untouched, sizeof item), 0);
    EXPECT_EQ(cvFindNaaccrItem(180, 1, nullptr), -1);
    EXPECT_EQ(cvFindNaaccrItem(180, 0, nullptr), -1);
    EXPECT_EQ(cvFindNaaccrItem(180, 0, "dateofdiagnosis"), -1); // ids are compared exactly
    EXPECT_EQ(cvFindNaaccrItem(180, 0, "dateOfDiagnosisX"), -1);
    EXPECT_EQ(cvFindNaaccrItem(180, 0, "dateOfDiagnosi"), -1);
    EXPECT_EQ(cvFindNaaccrItem(999, 390, nullptr), -1);
}

TEST(Dictionary, EveryItemIsFoundByItsNumberAndItsId)
{
    ASSERT_EQ(naaccr_dictionary_count, 11u);
    for (size_t d = 0; d < naaccr_dictionary_count; ++d) {
        const NaaccrDictionary &dictionary = naaccr_dictionaries[d];
        SCOPED_TRACE(dictionary.version);
        EXPECT_EQ(find_dictionary(dictionary.version), &dictionary);
        EXPECT_EQ(find_dictionary_by_uri(dictionary.uri, strlen(dictionary.uri)), &dictionary);
        EXPECT_EQ(find_dictionary_by_uri(dictionary.uri, strlen(dictionary.uri) - 1), nullptr);
        EXPECT_EQ(dictionary.user_uri != nullptr, dictionary.version <= 210);
        EXPECT_EQ(static_cast<size_t>(cvGetNaaccrItemCount(dictionary.version)), dictionary.count);
        for (size_t i = 0; i < dictionary.count; ++i) {
            const NaaccrItemDef &item = dictionary.items[i];
            EXPECT_EQ(find_item_by_number(dictionary, item.number), &item);
            EXPECT_EQ(find_item_by_id(dictionary, item.id, strlen(item.id)), &item);
            EXPECT_LE(strlen(item.id), 32u);
            EXPECT_EQ(memcmp(item.reserved, "\0\0\0\0", 4), 0);
        }
    }
    const NaaccrDictionary *d180 = find_dictionary(180);
    ASSERT_NE(d180, nullptr);
    EXPECT_STREQ(d180->uri, "http://naaccr.org/naaccrxml/naaccr-dictionary-180.xml");
    EXPECT_STREQ(d180->user_uri, "http://naaccr.org/naaccrxml/user-defined-naaccr-dictionary-180.xml");
    EXPECT_STREQ(d180->format_version, "1.5");
    EXPECT_EQ(find_item_by_id(*d180, "sexX", 3)->number, 220); // only n bytes are compared
}

// Every id of every dictionary and of user items beside it is found, in the
// order of the dictionary and again in reverse (where the guess of the next
// item fails); near misses are not.
TEST(ItemIndex, FindsEachIdAndNothingElse)
{
    static ItemIndex index;
    static const NaaccrItemDef user[] = {{"registryOwnItem", "", 9900, 0, 4, 0, 0, 0, 0, 0, 0, 0, 1, {0}},
                                         {"a", "", 9901, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, {0}}};
    for (size_t d = 0; d < naaccr_dictionary_count; ++d) {
        const NaaccrDictionary &dictionary = naaccr_dictionaries[d];
        SCOPED_TRACE(dictionary.version);
        build_item_index(&index, dictionary, user, 2);
        for (int pass = 0; pass < 3; ++pass)
            for (size_t k = 0; k < dictionary.count + 2; ++k) {
                const size_t i = pass == 2 ? dictionary.count + 1 - k : k;
                const NaaccrItemDef *item = i < dictionary.count ? &dictionary.items[i] : &user[i - dictionary.count];
                ASSERT_EQ(find_next_item(&index, item->id, strlen(item->id)), item) << item->id;
                ASSERT_EQ(find_indexed_item(index, item->id, strlen(item->id)), item) << item->id;
            }
        const struct {
            const char *id;
            size_t n;
        } misses[] = {{"", 0}, {"sexX", 4}, {"se", 2}, {"sex\0", 4}, {"registryOwnIte", 14}, {"A", 1}};
        for (const auto &miss : misses)
            EXPECT_EQ(find_next_item(&index, miss.id, miss.n), nullptr) << miss.id;
    }
}

TEST(Dictionary, FlatItemsTileEachRecordTypeExactly)
{
    for (int32_t version : flat_versions) {
        const NaaccrDictionary *dictionary = find_dictionary(version);
        ASSERT_NE(dictionary, nullptr);
        const std::string code = std::to_string(version);
        for (char type : record_types) {
            SCOPED_TRACE(code + " " + type);
            const NaaccrLayout *layout = find_naaccr_layout(type, code.c_str());
            ASSERT_NE(layout, nullptr);
            EXPECT_EQ(layout_dictionary(layout, reinterpret_cast<const unsigned char *>(code.c_str())), dictionary);
            const uint8_t bit = item_record_type_bit(type);
            int32_t next = 1;
            bool grouped_seen = false;
            for (size_t i = 0; i < dictionary->count; ++i) {
                const NaaccrItemDef &item = dictionary->items[i];
                grouped_seen = grouped_seen || item.grouped != 0;
                EXPECT_EQ(item.grouped != 0, grouped_seen) << item.id << ": grouped items come last";
                if (item.grouped != 0 || (item.record_types & bit) == 0)
                    continue;
                EXPECT_EQ(item.start_column, next) << item.id;
                next = item.start_column + item.length;
            }
            EXPECT_EQ(next, layout->length + 1);
        }
    }
}

TEST(Dictionary, OnlyFlatLayoutsOfKnownVersionsHaveADictionary)
{
    struct Case {
        char type;
        const char *layout_code, *record_code;
        int32_t version; // 0: none
    } cases[] = {
        {'A', "160", "160", 160}, {'I', "140", "150", 150}, {'C', "180", "180", 180}, {'M', "180", "180", 180},
        {'A', "120", "120", 0},   {'I', "130", "130", 0},   {'I', "160", "170", 0},   {'R', "120", "120", 0},
        {'U', "180", "180", 0},   {'A', "A", "A", 0},       {'I', "160", "1 0", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(1, c.type) + " " + c.record_code);
        const NaaccrLayout *layout = find_naaccr_layout(c.type, c.layout_code);
        ASSERT_NE(layout, nullptr);
        const NaaccrDictionary *found =
            layout_dictionary(layout, reinterpret_cast<const unsigned char *>(c.record_code));
        EXPECT_EQ(found, c.version != 0 ? find_dictionary(c.version) : nullptr);
    }
    EXPECT_EQ(layout_dictionary(nullptr, reinterpret_cast<const unsigned char *>("180")), nullptr);
}
