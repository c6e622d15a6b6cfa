// xml_user_dictionary_test.cpp -- user dictionaries loaded for a NAACCR XML
// check: their items are known, their faults reported, the references the
// caller did not load named.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_files.h"
#include "xml/xml.h"
#include "xml_check_helpers.h"

namespace
{

std::string dictionary(const std::string &uri, const std::string &item_defs)
{
    return "<?xml version=\"1.0\"?>\n<NaaccrDictionary dictionaryUri=\"" + uri +
           "\" naaccrVersion=\"250\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\n"
           "<ItemDefs>\n" +
           item_defs + "</ItemDefs>\n</NaaccrDictionary>\n";
}

std::string item_def(const std::string &id, const std::string &number, const std::string &rest = "")
{
    return "<ItemDef naaccrId=\"" + id + "\" naaccrNum=\"" + number + "\" naaccrName=\"Mine\" " +
           (rest.empty() ? "length=\"5\" recordTypes=\"A,M,C,I\" parentXmlElement=\"Tumor\" dataType=\"digits\""
                         : rest) +
           "/>\n";
}

// `count` valid items of their own ids and numbers.
std::string many_items(int count)
{
    std::string defs;
    for (int k = 0; k < count; ++k)
        defs += item_def("many" + std::to_string(k), std::to_string(10000 + k));
    return defs;
}

int64_t CV_CALL read_nothing(void *, void *, uint32_t) { return 0; }

XmlChecked check_with(const std::vector<std::string> &paths, const std::string &xml)
{
    std::vector<const char *> names;
    for (const std::string &p : paths)
        names.push_back(p.c_str());
    XmlChecked checked = {};
    NaaccrItemCheckOptions options = xml_options(&checked);
    options.dictionaries = names.data();
    options.dictionary_count = static_cast<uint32_t>(names.size());
    checked.status = check_naaccr_xml(read_nothing, nullptr, -1, reinterpret_cast<const unsigned char *>(xml.data()),
                                      xml.size(), options, &checked.summary);
    return checked;
}

const std::string data_file = naaccr_xml(
    "<Patient><Tumor><Item naaccrId=\"myItem\">12345</Item><Item naaccrId=\"myCode\">12x45</Item></Tumor></Patient>",
    "baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" userDictionaryUri=\"urn:mine "
    "urn:theirs\" recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\"");

TEST(XmlUserDictionaries, LoadTheirItemsAndReportTheirFaults)
{
    const int32_t USER = NAACCR_CHECK_USER_DICTIONARY, UNKNOWN = NAACCR_CHECK_ITEM_UNKNOWN,
                  TYPE = NAACCR_CHECK_ITEM_DATA_TYPE;
    const std::string mine = item_def("myItem", "9500") + item_def("myCode", "9501");
    const struct {
        const char *label;
        std::vector<std::string> dictionaries;
        std::vector<int32_t> kinds;
    } cases[] = {
        {"none loaded", {}, {UNKNOWN, UNKNOWN}},
        {"both items loaded", {dictionary("urn:mine", mine)}, {TYPE}},
        {"in two dictionaries",
         {dictionary("urn:mine", item_def("myItem", "9500")), dictionary("urn:theirs", item_def("myCode", "9501"))},
         {TYPE}},
        {"an id of the base", {dictionary("urn:mine", mine + item_def("primarySite", "9502"))}, {USER, TYPE}},
        {"a number of the base", {dictionary("urn:mine", mine + item_def("other", "400"))}, {USER, TYPE}},
        {"an id of 33 characters",
         {dictionary("urn:mine", mine + item_def(std::string(33, 'a'), "9502"))},
         {USER, TYPE}},
        {"no length",
         {dictionary("urn:mine", mine + item_def("other", "9502", "parentXmlElement=\"Tumor\""))},
         {USER, TYPE}},
        {"an unknown level",
         {dictionary("urn:mine", mine + item_def("other", "9502", "length=\"1\" parentXmlElement=\"Record\""))},
         {USER, TYPE}},
        {"an id loaded before",
         {dictionary("urn:mine", mine), dictionary("urn:theirs", item_def("myItem", "9600"))},
         {USER, TYPE}},
        {"a file that is not there", {"no-such-dictionary.xml"}, {USER, UNKNOWN, UNKNOWN}},
        {"not well-formed", {"<NaaccrDictionary><ItemDefs>"}, {USER, UNKNOWN, UNKNOWN}},
        {"another XML file", {"<NaaccrData>" + mine + "</NaaccrData>"}, {USER, UNKNOWN, UNKNOWN}},
        {"5,000 items, over the 2,048 a check takes: one problem",
         {dictionary("urn:mine", mine + many_items(5000))},
         {USER, TYPE}},
        {"a comment of 20 MB: one problem, the items before it loaded",
         {dictionary("urn:mine", mine + "<!--" + std::string(20u << 20, 'x') + "-->" + item_def("other", "9502"))},
         {USER, TYPE}},
    };
    int file = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> paths;
        for (const std::string &text : c.dictionaries)
            paths.push_back(text.find('<') == std::string::npos
                                ? test_folder() + "/" + text
                                : write_test_file("dictionary" + std::to_string(file++) + ".xml", text));
        const XmlChecked checked = check_with(paths, data_file);
        EXPECT_EQ(checked.status, NAACCR_REC_OK);
        EXPECT_EQ(kinds_of(checked), c.kinds);
    }
}

TEST(XmlUserDictionaries, NameTheReferencesNotLoaded)
{
    const std::string path = write_test_file("mine.xml", dictionary("urn:mine", item_def("myItem", "9500")));
    const XmlChecked checked = check_with({path}, data_file);
    ASSERT_EQ(checked.problems.size(), 1u);
    EXPECT_EQ(checked.problems[0].item_id, "myCode");
    EXPECT_NE(checked.problems[0].message.find("not loaded: urn:theirs"), std::string::npos)
        << checked.problems[0].message;
    EXPECT_EQ(checked.problems[0].message.find("urn:mine"), std::string::npos) << checked.problems[0].message;
    EXPECT_EQ(checked.summary.items, 1u);
}

} // namespace
