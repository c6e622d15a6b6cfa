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

#include "items/items.h"
#include "flat/flat.h"
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

// A record of `type` with a valid value in every item; *given counts those with a rule.
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
        // Text kept as it stands is not counted: it has no rule of its own.
        const bool free_text =
            item.data_type == NAACCR_ITEM_TEXT && (item.padding == NAACCR_PAD_RIGHT_BLANK || item.trim_none != 0);
        *given += free_text ? 0 : 1;
    }
    record[0] = type;
    record.replace(16, 3, std::to_string(dictionary.version)); // the version code is a digits item too
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

TEST(RecordItems, FullDatesAreJudgedAsTheRulesJudgeThem)
{
    // Whole dates take a short way through the record walk; it must agree with the rules.
    const NaaccrDictionary &d = *find_dictionary(160);
    const struct {
        const char *date;
        bool valid;
    } dates[] = {
        {"20200229", true},  {"20000229", true},  {"19000229", false}, {"18000229", false}, {"20190229", false},
        {"20190431", false}, {"20191231", true},  {"18000101", true},  {"17991231", false}, {"20991231", true},
        {"21000101", false}, {"20191301", false}, {"20190100", false}, {"00000000", false}, {"20190132", false},
    };
    for (const auto &c : dates) {
        SCOPED_TRACE(c.date);
        size_t given = 0;
        std::string record = valid_record(d, 'I', &given);
        put(d, &record, "dateOfDiagnosis", c.date);
        const Collected found = check(d, 'I', record);
        EXPECT_EQ(found.found.empty(), c.valid);
        const NaaccrItemDef &item = *find_item_by_id(d, "dateOfDiagnosis", 15);
        const bool by_rules =
            check_item_value(item, reinterpret_cast<const unsigned char *>(c.date), 8, ITEM_FIELD, nullptr) == 0;
        EXPECT_EQ(by_rules, c.valid);
    }
}

TEST(RecordItems, ThePeersFilesGiveWhatTheyHold)
{
    const std::string folder = peerdata_folder();
    ASSERT_FALSE(folder.empty());
    // The WerthPADOH synthetic files are clean; the imsweb "fake" records hold
    // random codes: letters in digit items and dates such as 76167202.
    const struct {
        const char *file;
        uint64_t records, items, type_problems, date_problems;
        Found first;
    } files[] = {
        {"werth-naaccr__synthetic-naaccr-16-abstract.txt", 10, 844, 0, 0, {0, 0, 0}},
        {"werth-naaccr__synthetic-naaccr-16-incidence.txt", 10, 884, 0, 0, {0, 0, 0}},
        {"werth-naaccr__synthetic-naaccr-18-abstract.txt", 20, 1685, 0, 0, {0, 0, 0}},
        {"werth-naaccr__synthetic-naaccr-18-incidence.txt", 20, 1828, 0, 0, {0, 0, 0}},
        {"layout__fake-naaccr15-1-rec.txt", 1, 264, 38, 27, {50, NAACCR_CHECK_ITEM_DATA_TYPE, 21}},
        {"naaccr-xml__fake-naaccr14inc-2-rec.txt", 2, 517, 77, 54, {50, NAACCR_CHECK_ITEM_DATA_TYPE, 21}},
    };
    for (const auto &f : files) {
        SCOPED_TRACE(f.file);
        std::ifstream in(folder + "/" + f.file, std::ios::binary);
        ASSERT_TRUE(in.good());
        std::stringstream bytes;
        bytes << in.rdbuf();
        std::istringstream lines(bytes.str());
        std::string record;
        uint64_t records = 0, items = 0, kinds[NAACCR_CHECK_ALL_KINDS] = {};
        std::vector<Found> found;
        while (std::getline(lines, record)) {
            if (!record.empty() && record.back() == '\r')
                record.pop_back();
            ++records;
            const std::string code = record.substr(16, 3);
            const NaaccrDictionary *d = layout_dictionary(find_naaccr_layout(record[0], code.c_str()),
                                                          reinterpret_cast<const unsigned char *>(code.data()));
            ASSERT_NE(d, nullptr);
            const Collected c = check(*d, record[0], record, &items);
            for (const Found &one : c.found)
                ++kinds[one.code];
            found.insert(found.end(), c.found.begin(), c.found.end());
        }
        EXPECT_EQ(records, f.records);
        EXPECT_EQ(items, f.items);
        EXPECT_EQ(kinds[NAACCR_CHECK_ITEM_DATA_TYPE], f.type_problems);
        EXPECT_EQ(kinds[NAACCR_CHECK_ITEM_DATE], f.date_problems);
        EXPECT_EQ(found.size(), f.type_problems + f.date_problems);
        if (!found.empty()) {
            EXPECT_EQ(found[0], f.first);
        }
    }
}

namespace
{

struct ItemSeen {
    uint64_t record;
    int32_t column, code, number;
    bool operator==(const ItemSeen &o) const
    {
        return record == o.record && column == o.column && code == o.code && number == o.number;
    }
};

std::ostream &operator<<(std::ostream &out, const ItemSeen &s)
{
    return out << "{record " << s.record << ", column " << s.column << ", kind " << s.code << ", item " << s.number
               << "}";
}

int32_t CV_CALL collect_item(void *context, const NaaccrItemProblem *p)
{
    static_cast<std::vector<ItemSeen> *>(context)->push_back({p->record, p->column, p->code, p->item_number});
    return 0;
}

std::vector<ItemSeen> check_file_items(const std::string &path, uint32_t threads, NaaccrItemCheckSummary *summary)
{
    std::vector<ItemSeen> seen;
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS;
    options.threads = threads;
    options.on_item_problem = collect_item;
    options.context = &seen;
    EXPECT_EQ(cvCheckNaaccrFileEx(path.c_str(), &options, summary), NAACCR_REC_OK);
    return seen;
}

} // namespace

TEST(RecordItems, FaultsPutIntoLargeFilesAreFoundAtTheirRecordsOnAnyNumberOfThreads)
{
    // Files of more than one 8 MB piece, so that several workers share them.
    const struct {
        int32_t version;
        char type;
        size_t records;
    } files[] = {{160, 'A', 1000}, {180, 'I', 5000}};
    for (const auto &f : files) {
        SCOPED_TRACE(std::to_string(f.version) + " " + f.type);
        const NaaccrDictionary &d = *find_dictionary(f.version);
        size_t given = 0;
        const std::string valid = valid_record(d, f.type, &given);
        const struct {
            size_t record;
            const char *id, *value;
            int32_t offset, code;
        } faults[] = {
            {1, "dateOfDiagnosis", "20191345", 4, NAACCR_CHECK_ITEM_DATE},
            {2, "sex", "X", 0, NAACCR_CHECK_ITEM_DATA_TYPE},
            {f.records / 2, "censusTract2010", " 12345", 0, NAACCR_CHECK_ITEM_PADDING},
            {f.records / 2, "dateOfBirth", "20190230", 6, NAACCR_CHECK_ITEM_DATE},
            {f.records - 1, "addrAtDxState", "P ", 1, NAACCR_CHECK_ITEM_SHORT},
            {f.records, "registryType", "/", 0, NAACCR_CHECK_ITEM_DATA_TYPE},
        };
        std::vector<std::string> records(f.records, valid);
        std::vector<ItemSeen> wanted;
        for (const auto &fault : faults) {
            put(d, &records[fault.record - 1], fault.id, fault.value);
            const NaaccrItemDef *item = find_item_by_id(d, fault.id, strlen(fault.id));
            wanted.push_back({fault.record, item->start_column + fault.offset, fault.code, item->number});
        }
        std::sort(wanted.begin(), wanted.end(), [](const ItemSeen &a, const ItemSeen &b) {
            return a.record != b.record ? a.record < b.record : a.column < b.column;
        });
        std::string bytes;
        for (const std::string &r : records)
            bytes += r + "\r\n";
        const std::string path = write_test_file("faults.txt", bytes);
        for (uint32_t threads : {1u, 2u, 8u}) {
            SCOPED_TRACE(std::to_string(threads) + " threads");
            NaaccrItemCheckSummary summary;
            EXPECT_EQ(check_file_items(path, threads, &summary), wanted);
            EXPECT_EQ(summary.items, f.records * given); // a faulty value is given all the same
        }
    }
}
