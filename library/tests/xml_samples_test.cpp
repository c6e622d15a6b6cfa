// xml_samples_test.cpp -- the NAACCR XML check on the sample files of other
// projects: what each holds is known (data/README.md).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "items/items.h"
#include "xml/xml.h"
#include "xml_check_helpers.h"
#ifdef CVNAACCR_TESTS_WITH_ZLIB
#include <zlib.h>
#endif

namespace
{

int64_t CV_CALL read_file(void *stream, void *buffer, uint32_t size)
{
    FILE *file = static_cast<FILE *>(stream);
    const size_t n = fread(buffer, 1, size, file);
    return n == 0 && ferror(file) ? -1 : static_cast<int64_t>(n);
}

XmlChecked check_sample(const std::string &name)
{
    FILE *file = fopen((xmldata_folder() + "/" + name).c_str(), "rb");
    EXPECT_NE(file, nullptr) << name;
    if (file == nullptr)
        return XmlChecked();
    XmlChecked checked = check_xml_stream(read_file, file);
    fclose(file);
    return checked;
}

// The real dictionaries, not the few items that stand in for them.
bool full_dictionaries() { return find_dictionary(250) != nullptr && find_dictionary(250)->count > 100; }

const int32_t ROOT = NAACCR_CHECK_XML_ROOT;

TEST(XmlSamples, FindWhatEachSampleHolds)
{
    ASSERT_FALSE(xmldata_folder().empty());
    const struct {
        const char *name;
        std::vector<int32_t> kinds;
        uint64_t patients, tumors;
    } cases[] = {
        {"naaccr-xml__valid_standard-file-1.xml", {}, 2, 1},
        {"naaccr-xml__valid_user-extensions-1.xml", {}, 1, 1},
        {"naaccr-xml__xml-reader-special-characters.xml", {ROOT}, 1, 1},
        {"naaccr-xml__test-multi-line-cdata.xml", {NAACCR_CHECK_ITEM_RECORD_TYPE}, 1, 1},
        {"naaccr-xml__invalid_bad-tag-1.xml", {NAACCR_CHECK_XML_STRUCTURE}, 0, 0},
        {"naaccr-xml__invalid_value-to-long-1.xml", {NAACCR_CHECK_ITEM_TOO_LONG}, 1, 1},
        {"naaccr-xml__invalid_bad-data-item-2.xml", {NAACCR_CHECK_ITEM_LEVEL}, 1, 0},
        {"naaccr-xml__invalid_unknown-data-item-1.xml", {NAACCR_CHECK_ITEM_UNKNOWN}, 1, 1},
        {"naaccr-xml__invalid_default-namespace-missing-1.xml", {ROOT}, 1, 1},
        {"naaccr-xml__xml-reader-duplicate-items.xml", {ROOT, NAACCR_CHECK_ITEM_REPEATED}, 1, 1},
        {"naaccr-xml__test_ASCII_with_control_chars.xml", {NAACCR_CHECK_XML_MALFORMED}, 1, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const XmlChecked checked = check_sample(c.name);
        EXPECT_EQ(checked.status, NAACCR_REC_OK);
        EXPECT_EQ(kinds_of(checked), c.kinds);
        EXPECT_EQ(checked.summary.patients, c.patients);
        EXPECT_EQ(checked.summary.tumors, c.tumors);
    }
}

TEST(XmlSamples, SayWhereAndWhyInTheirMessages)
{
    ASSERT_FALSE(xmldata_folder().empty());
    const XmlChecked bell = check_sample("naaccr-xml__test_ASCII_with_control_chars.xml");
    ASSERT_EQ(bell.problems.size(), 1u);
    EXPECT_EQ(bell.problems[0].line, 8u);
    EXPECT_EQ(bell.problems[0].column, 74); // expat's column 73, counted from 0
    EXPECT_NE(bell.problems[0].message.find("not well-formed"), std::string::npos);

    const XmlChecked unknown = check_sample("naaccr-xml__invalid_unknown-data-item-1.xml");
    ASSERT_EQ(unknown.problems.size(), 1u);
    EXPECT_NE(unknown.problems[0].message.find("whatever"), std::string::npos) << "names the unloaded dictionary";
    EXPECT_STREQ(unknown.summary.user_dictionaries, "whatever");
    EXPECT_EQ(unknown.problems[0].patient, 1u);
    EXPECT_EQ(unknown.problems[0].tumor, 1u);
}

TEST(XmlSamples, ReadTheRPackagesFileWithItsTwoRootFaults)
{
    ASSERT_FALSE(xmldata_folder().empty());
    const XmlChecked checked = check_sample("werth-naaccr__synthetic-naaccr-18-incidence.xml");
    EXPECT_EQ(checked.summary.counts[ROOT], 2u) << "no recordType; timeGenerated ends in a colon";
    EXPECT_EQ(checked.summary.counts[NAACCR_CHECK_XML_STRUCTURE], 0u);
    EXPECT_EQ(checked.summary.counts[NAACCR_CHECK_XML_MALFORMED], 0u);
    EXPECT_EQ(checked.summary.tumors, 20u);
    EXPECT_EQ(checked.summary.version, 180);
    EXPECT_EQ(checked.summary.records.record_type, ' ');
}

#ifdef CVNAACCR_TESTS_WITH_ZLIB
int64_t CV_CALL read_gzip(void *stream, void *buffer, uint32_t size)
{
    return gzread(static_cast<gzFile>(stream), buffer, size);
}

TEST(XmlSamples, CheckTheThousandTumoursOfNaaccr25ThroughGzip)
{
    ASSERT_FALSE(xmldata_folder().empty());
    gzFile file =
        gzopen((xmldata_folder() + "/naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const XmlChecked checked = check_xml_stream(read_gzip, file, 10);
    gzclose(file);
    EXPECT_EQ(checked.status, NAACCR_REC_OK);
    EXPECT_EQ(checked.summary.patients, 944u);
    EXPECT_EQ(checked.summary.tumors, 1000u);
    EXPECT_EQ(checked.summary.records.bytes, 4402836u);
    EXPECT_EQ(checked.summary.version, 250);
    EXPECT_EQ(checked.summary.records.record_type, 'I');
    EXPECT_STREQ(checked.summary.specification_version, "1.7");
    ASSERT_GE(checked.progress.size(), 2u);
    EXPECT_EQ(checked.progress.back(), 4402836u);
    if (full_dictionaries())
        EXPECT_EQ(checked.summary.records.problems, 0u)
            << (checked.problems.empty() ? "" : checked.problems[0].message);
    else
        EXPECT_EQ(checked.summary.records.problems, checked.summary.counts[NAACCR_CHECK_ITEM_UNKNOWN])
            << "only items the stand-in lacks";
}
#endif

} // namespace
