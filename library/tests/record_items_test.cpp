// record_items_test.cpp -- every item of a flat record checked by its
// dictionary: a record of valid values for every item of each flat version
// and type passes; faults put at known items are found at their columns; a
// record cut short is checked up to its end; the peers' real files.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary.h"
#include "layouts.h"
#include "test_files.h"

namespace
{

struct Found {
    int32_t column, code, number;
    bool operator==(const Found &o) const { return column == o.column && code == o.code && number == o.number; }
};

std::ostream &operator<<(std::ostream &out, const Found &f)
{
    return out << "{column " << f.column << ", kind " << f.code << ", item " << f.number << "}";
}

struct Collected {
    std::vector<Found> found;
    std::vector<std::string> messages;
    int stop_after = 0; // stop at this many problems; 0: never
};

int32_t collect(void *context, const NaaccrItemProblem *p)
{
    Collected *c = static_cast<Collected *>(context);
    c->found.push_back({p->column, p->code, p->item_number});
    c->messages.push_back(p->message);
    EXPECT_EQ(p->value_length, static_cast<uint32_t>(p->item_length));
    EXPECT_GE(p->column, p->item_start);
    EXPECT_LE(p->column, p->item_start + p->item_length);
    return c->stop_after != 0 && static_cast<int>(c->found.size()) >= c->stop_after;
}

// A value that passes the rules of `item`, in its flat form.
std::string valid_value(const NaaccrItemDef &item)
{
    const size_t n = static_cast<size_t>(item.length);
    switch (item.data_type) {
    case NAACCR_ITEM_DIGITS:
        return std::string(n, '7');
    case NAACCR_ITEM_ALPHA:
        return std::string(n, 'Q');
    case NAACCR_ITEM_MIXED:
        return std::string(n, 'C');
    case NAACCR_ITEM_DATE:
        return n == 14 ? "20200229235959" : "20200229";
    default:
        break;
    }
    // Text and numeric: "1" where the padding puts a value.
    switch (item.padding) {
    case NAACCR_PAD_LEFT_ZERO:
        return std::string(n - 1, '0') + "1";
    case NAACCR_PAD_RIGHT_ZERO:
        return "1" + std::string(n - 1, '0');
    case NAACCR_PAD_LEFT_BLANK:
        return std::string(n - 1, ' ') + "1";
    default:
        return "1" + std::string(n - 1, ' ');
    }
}

// A record of `type` with a valid value in every item; *given counts them.
std::string valid_record(const NaaccrDictionary &dictionary, char type, size_t *given)
{
    const NaaccrLayout *layout = find_naaccr_layout(type, std::to_string(dictionary.version).c_str());
    std::string record(static_cast<size_t>(layout->length), ' ');
    *given = 0;
    for (size_t i = 0; i < dictionary.count; ++i) {
        const NaaccrItemDef &item = dictionary.items[i];
        if (item.grouped != 0 || (item.record_types & item_record_type_bit(type)) == 0)
            continue;
        record.replace(static_cast<size_t>(item.start_column - 1), static_cast<size_t>(item.length), valid_value(item));
        ++*given;
    }
    record[0] = type;
    return record;
}

Collected check(const NaaccrDictionary &dictionary, char type, const std::string &record, uint64_t *items = nullptr,
                int stop_after = 0)
{
    Collected c;
    c.stop_after = stop_after;
    ItemProblemSink sink = {collect, &c};
    uint64_t ignored = 0;
    check_record_items(dictionary, type, reinterpret_cast<const unsigned char *>(record.data()), record.size(), 7,
                       7 * 100, &sink, items != nullptr ? items : &ignored);
    return c;
}

void put(const NaaccrDictionary &dictionary, std::string *record, const char *id, const char *value)
{
    const NaaccrItemDef *item = find_item_by_id(dictionary, id, strlen(id));
    ASSERT_NE(item, nullptr) << id;
    ASSERT_EQ(strlen(value), static_cast<size_t>(item->length)) << id;
    record->replace(static_cast<size_t>(item->start_column - 1), strlen(value), value);
}

int32_t column_of(const NaaccrDictionary &dictionary, const char *id)
{
    return find_item_by_id(dictionary, id, strlen(id))->start_column;
}

} // namespace

TEST(RecordItems, ARecordOfValidValuesPassesInEveryFlatVersionAndType)
{
    for (int32_t version : {140, 150, 160, 180}) {
        const NaaccrDictionary &dictionary = *find_dictionary(version);
        for (char type : {'A', 'M', 'C', 'I'}) {
            SCOPED_TRACE(std::to_string(version) + " " + type);
            size_t given = 0;
            const std::string record = valid_record(dictionary, type, &given);
            uint64_t items = 5;
            const Collected c = check(dictionary, type, record, &items);
            EXPECT_TRUE(c.found.empty()) << (c.messages.empty() ? "" : c.messages[0]);
            EXPECT_EQ(items, 5 + given);
            // A blank record gives nothing and counts nothing.
            items = 0;
            EXPECT_TRUE(check(dictionary, type, std::string(record.size(), ' '), &items).found.empty());
            EXPECT_EQ(items, 0u);
        }
    }
}

TEST(RecordItems, OneFaultOfEachKindIsFoundAtItsColumn)
{
    const NaaccrDictionary &d = *find_dictionary(180);
    size_t given = 0;
    std::string record = valid_record(d, 'A', &given);
    struct Fault {
        const char *id, *value;
        int32_t offset, code; // offset of the column within the item
    } faults[] = {
        {"registryType", "X", 0, NAACCR_CHECK_ITEM_DATA_TYPE},                 // digits
        {"sex", " ", 0, 0},                                                    // blank: not given
        {"censusTract2010", " 12345", 0, NAACCR_CHECK_ITEM_PADDING},           // left-zero digits
        {"dateOfBirth", "20190230", 6, NAACCR_CHECK_ITEM_DATE},                // not a real day
        {"addrAtDxState", "P1", 1, NAACCR_CHECK_ITEM_DATA_TYPE},               // alpha
        {"addrAtDxCountry", "US ", 2, NAACCR_CHECK_ITEM_SHORT},                // alpha, too short
        {"ruca2010", "a", 0, NAACCR_CHECK_ITEM_DATA_TYPE},                     // mixed
        {"comorbidComplication1", "E11 0", 3, NAACCR_CHECK_ITEM_PADDING},      // right-zero mixed
        {"dateOfDiagnosis", "20191345", 4, NAACCR_CHECK_ITEM_DATE},            // month 13
        {"crcChecksum", "not a crc!", 0, 0},                                   // text
        {"reserved00", "  anything ~  ", 0, 0},                                // reserved: text
        {"pathDateSpecCollect1", "20190101250000", 8, NAACCR_CHECK_ITEM_DATE}, // hour 25
    };
    std::vector<Found> wanted;
    for (const Fault &f : faults) {
        put(d, &record, f.id, f.value);
        if (f.code != 0)
            wanted.push_back({column_of(d, f.id) + f.offset, f.code, find_item_by_id(d, f.id, strlen(f.id))->number});
    }
    std::sort(wanted.begin(), wanted.end(), [](const Found &a, const Found &b) { return a.column < b.column; });
    const Collected c = check(d, 'A', record);
    EXPECT_EQ(c.found, wanted);
    ASSERT_FALSE(c.messages.empty());
    EXPECT_NE(c.messages[0].find("Registry Type (item 30, columns 2-2)"), std::string::npos) << c.messages[0];
    // The sink stops the walk.
    EXPECT_EQ(check(d, 'A', record, nullptr, 2).found.size(), 2u);
}

TEST(RecordItems, ARecordCutShortIsCheckedUpToItsEnd)
{
    const NaaccrDictionary &d = *find_dictionary(160);
    size_t given = 0;
    std::string record = valid_record(d, 'I', &given);
    put(d, &record, "dateOfDiagnosis", "20191345");
    const int32_t cut = column_of(d, "dateOfDiagnosis") + 3; // inside the date: it is not checked
    record.resize(static_cast<size_t>(cut));
    uint64_t items = 0;
    EXPECT_TRUE(check(d, 'I', record, &items).found.empty());
    EXPECT_GT(items, 0u);
    EXPECT_LT(items, given);
    // Types without a plan and dictionaries without columns check nothing.
    EXPECT_TRUE(check(d, 'R', record).found.empty());
    EXPECT_TRUE(check(*find_dictionary(210), 'I', std::string(4048, 'X')).found.empty());
}
