// convert_helpers.cpp -- what the conversion tests share.
#include "convert_helpers.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "convert/convert.h"
#include "test_files.h"

std::string make_record(int32_t version, char type, const std::map<std::string, std::string> &fields)
{
    const NaaccrDictionary *dictionary = find_dictionary(version);
    const FlatPlan *plan = dictionary != nullptr ? find_flat_plan(*dictionary, type) : nullptr;
    EXPECT_NE(plan, nullptr);
    if (plan == nullptr)
        return "";
    std::string record(flat_record_length(*plan), ' ');
    record[0] = type;
    record.replace(16, 3, std::to_string(version));
    for (const auto &field : fields) {
        const NaaccrItemDef *item = find_item_by_id(*dictionary, field.first.c_str(), field.first.size());
        EXPECT_NE(item, nullptr) << field.first;
        if (item != nullptr)
            record.replace(static_cast<size_t>(item->start_column - 1), field.second.size(), field.second);
    }
    return record;
}

int32_t CV_CALL collect_output(void *output, const void *bytes, uint32_t size)
{
    static_cast<std::string *>(output)->append(static_cast<const char *>(bytes), size);
    return 0;
}

static int32_t CV_CALL collect_problem(void *context, const NaaccrItemProblem *p)
{
    static_cast<std::vector<Problem> *>(context)->push_back({p->code, p->record, p->item_id, p->message});
    return 0;
}

Converted convert_bytes(const std::string &bytes, int32_t target, uint32_t flags, const char *items,
                        const std::vector<std::string> &dictionaries)
{
    Converted c;
    const std::string path = write_test_file("in.txt", bytes);
    std::vector<const char *> paths;
    for (const std::string &d : dictionaries)
        paths.push_back(d.c_str());
    NaaccrConvertOptions options;
    std::memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = flags;
    options.target = target;
    options.items = items;
    options.write = collect_output;
    options.output = &c.output;
    options.on_problem = collect_problem;
    options.context = &c.problems;
    options.dictionaries = paths.empty() ? nullptr : paths.data();
    options.dictionary_count = static_cast<uint32_t>(paths.size());
    c.code = cvConvertNaaccrFile(path.c_str(), &options, &c.summary);
    return c;
}

std::string xml_file(const std::string &inside, const std::string &version, const std::string &type)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/"
           "naaccr-dictionary-" +
           version + ".xml\" recordType=\"" + type +
           "\" specificationVersion=\"1.5\" xmlns=\"http://naaccr.org/naaccrxml\">\n" + inside + "</NaaccrData>\n";
}

std::string item(const std::string &id, const std::string &value)
{
    return "<Item naaccrId=\"" + id + "\">" + value + "</Item>\n";
}

std::string tumor(const std::string &items) { return "<Tumor>\n" + items + "</Tumor>\n"; }

std::string patient(const std::string &items, const std::string &tumors)
{
    return "<Patient>\n" + items + tumors + "</Patient>\n";
}

size_t count_of(const std::string &text, const std::string &what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

std::string generated_file(int32_t version, char type, int count, std::mt19937 &random)
{
    const NaaccrDictionary &dictionary = *find_dictionary(version);
    const NaaccrItemDef *checksum = find_item_by_number(dictionary, 2081);
    std::string bytes;
    for (int r = 0; r < count; ++r) {
        std::string record = make_record(version, type, {});
        for (size_t i = 0; i < dictionary.count; ++i) {
            const NaaccrItemDef &item = dictionary.items[i];
            if (item.grouped != 0 || (item.record_types & item_record_type_bit(type)) == 0 || item.number == 10 ||
                item.number == 50 || random() % 3 == 0)
                continue;
            std::string value(static_cast<size_t>(item.length), ' ');
            const size_t used = 1 + random() % value.size();
            for (size_t k = 0; k < used; ++k)
                value[k] = "0123456789ABCZ ,\"&<"[random() % 19];
            if (item.padding == NAACCR_PAD_LEFT_BLANK)
                std::rotate(value.begin(), value.begin() + static_cast<long>(used), value.end());
            record.replace(static_cast<size_t>(item.start_column - 1), value.size(), value);
        }
        cvAssignCRC32(&record[0], static_cast<uint32_t>(record.size()), static_cast<uint32_t>(checksum->start_column),
                      10);
        bytes += record + "\r\n";
    }
    return bytes;
}
