// html_report_test.cpp -- the HTML report's writer: what comes from a file
// stays text, and a file's part keeps bounded whatever the file holds.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "check_kinds.h"
#include "cvnaaccr.h"
#include "html/html.h"

namespace
{

NaaccrItemProblem problem(uint64_t record, const char *id, const char *value)
{
    NaaccrItemProblem p;
    memset(&p, 0, sizeof p);
    p.record = record;
    p.code = NAACCR_CHECK_ITEM_DATE;
    p.item_number = 390;
    p.item_id = id;
    p.item_name = "Date of Diagnosis";
    p.value = value;
    p.value_length = static_cast<uint32_t>(strlen(value));
    p.message = "not a date";
    return p;
}

NaaccrItemCheckSummary summary_of(uint64_t records, uint64_t problems)
{
    NaaccrItemCheckSummary s;
    memset(&s, 0, sizeof s);
    s.format = NAACCR_FORMAT_FLAT;
    s.version = 180;
    s.records.record_type = 'I';
    s.records.records = records;
    s.records.problems = problems;
    s.counts[NAACCR_CHECK_ITEM_DATE] = problems;
    return s;
}

TEST(HtmlReport, ShowsEveryByteFromAFileAsText)
{
    const struct {
        const char *label;
        std::string text, html;
    } cases[] = {
        {"markup", "<b>1</b>", "&lt;b&gt;1&lt;/b&gt;"},
        {"a script", "<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"an entity stays as typed", "&amp;", "&amp;amp;"},
        {"quotes cannot end an attribute", "\"'", "&quot;&#39;"},
        {"UTF-8 kept", "Ren\xc3\xa9\xe2\x82\xac", "Ren\xc3\xa9\xe2\x82\xac"},
        {"a control byte", std::string("a\0b\x1b", 4), "a&lt;0&gt;b&lt;27&gt;"},
        {"a Latin-1 byte is no UTF-8", "Ren\xe9", "Ren&lt;233&gt;"},
        {"a C1 control character", "\xc2\x9b", "&lt;194&gt;&lt;155&gt;"},
        {"an overlong form", "\xc0\xbc", "&lt;192&gt;&lt;188&gt;"},
        {"a character cut short", "\xe2\x82", "&lt;226&gt;&lt;130&gt;"},
        {"a surrogate", "\xed\xa0\x80", "&lt;237&gt;&lt;160&gt;&lt;128&gt;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(html_text(c.text), c.html);
    }
}

TEST(HtmlReport, EscapesTheValuesIdsAndNamesOfAFileInEveryPart)
{
    const char *path = "march/<img src=x onerror=alert(1)>.txt";
    HtmlFile file;
    html_start_file(&file, path);
    NaaccrItemProblem p = problem(1, "<i>dateOfDiagnosis</i>", "<b>1</b>");
    p.patient_id = "<u>00001234</u>";
    p.tumor_record_number = "&01";
    p.accession_number = "\"2001";
    p.message = "<s>not a date</s>";
    html_add_problem(&file, p);
    const NaaccrItemCheckSummary summary = summary_of(1, 1);
    const FileRow row = make_file_row(path, NAACCR_REC_OK, false, "", summary, 1, "");
    const HtmlOutcome outcome = {&row, &summary, nullptr};
    const std::string page = html_report_head(path, "<gen>") + html_file_section(file, outcome, 0) +
                             html_report_overview({row}, row) + html_report_end();
    for (const char *markup : {"<b>", "<i>", "<u>", "<s>", "<img", "<gen>", "\"2001"}) {
        SCOPED_TRACE(markup);
        EXPECT_EQ(page.find(markup), std::string::npos);
    }
    for (const char *text : {"&lt;b&gt;1&lt;/b&gt;", "&lt;u&gt;00001234&lt;/u&gt;", "&amp;01", "&quot;2001",
                             "390 &lt;i&gt;dateOfDiagnosis&lt;/i&gt;", "&lt;img src=x onerror=alert(1)&gt;.txt"}) {
        SCOPED_TRACE(text);
        EXPECT_NE(page.find(text), std::string::npos);
    }
}

TEST(HtmlReport, KeepsAFileOfAMillionProblemsBounded)
{
    HtmlFile file;
    html_start_file(&file, "big.txt");
    const uint64_t records = 1000000;
    char id[32];
    for (uint64_t r = 1; r <= records; ++r) {
        // Every problem of an item of its own: the tally of items must stop growing.
        snprintf(id, sizeof id, "unknown%llu", static_cast<unsigned long long>(r));
        NaaccrItemProblem p = problem(r, id, "20191345");
        p.item_number = 0;
        html_add_problem(&file, p);
    }
    EXPECT_EQ(file.seen, records);
    EXPECT_EQ(file.listed.size(), html_listed_problems);
    EXPECT_EQ(file.items.size(), html_tallied_items);
    EXPECT_EQ(file.untallied, records - html_tallied_items);
    // The histogram's bars are the fewest records wide that hold every record, and lose no problem.
    uint64_t in_buckets = 0;
    for (uint64_t n : file.buckets)
        in_buckets += n;
    EXPECT_EQ(in_buckets, records);
    EXPECT_GE(file.bucket_width * html_buckets, records);
    EXPECT_LT(file.bucket_width / 2 * html_buckets, records);
    const NaaccrItemCheckSummary summary = summary_of(records, records);
    const FileRow row = make_file_row("big.txt", NAACCR_REC_OK, false, "", summary, records, "");
    const HtmlOutcome outcome = {&row, &summary, nullptr};
    const std::string section = html_file_section(file, outcome, 0);
    EXPECT_NE(section.find("The first 200 of 1,000,000 problems; the other 999,800 are counted"), std::string::npos);
    EXPECT_LT(section.size(), 200000u);
}

TEST(HtmlReport, TellsFilesThatAreNoNaaccrFileOrCannotBeRead)
{
    NaaccrItemCheckSummary flat = summary_of(0, 1);
    flat.counts[NAACCR_CHECK_ITEM_DATE] = 0;
    flat.counts[NAACCR_CHECK_RECORD_TYPE] = 1;
    NaaccrItemCheckSummary xml = summary_of(0, 1);
    xml.format = NAACCR_FORMAT_XML;
    xml.version = 0;
    NaaccrItemCheckSummary empty_naaccr_xml = xml;
    empty_naaccr_xml.version = 250;
    empty_naaccr_xml.records.problems = 0;
    const NaaccrItemCheckSummary clean = summary_of(3, 0);
    const NaaccrItemCheckSummary faulty = summary_of(3, 2);
    const struct {
        const char *label;
        int32_t code;
        bool failed;
        const NaaccrItemCheckSummary &summary;
        uint64_t significant;
        RowStatus status;
        const char *reason;
    } cases[] = {
        {"flat data with no record", NAACCR_REC_OK, false, flat, 1, ROW_NOT_NAACCR, "first"},
        {"XML whose root is no NaaccrData", NAACCR_REC_OK, false, xml, 1, ROW_NOT_NAACCR, "first"},
        {"NAACCR XML without patients", NAACCR_REC_OK, false, empty_naaccr_xml, 0, ROW_PASSED, ""},
        {"problems that do not count", NAACCR_REC_OK, false, clean, 0, ROW_PASSED, ""},
        {"problems", NAACCR_REC_OK, false, faulty, 2, ROW_PROBLEMS, ""},
        {"cannot be opened", NAACCR_REC_OPEN_FAILED, true, clean, 0, ROW_UNREADABLE, "error"},
        {"empty", NAACCR_REC_EMPTY_FILE, false, clean, 0, ROW_UNREADABLE, "error"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const FileRow row = make_file_row("f", c.code, c.failed, "error", c.summary, c.significant, "first");
        EXPECT_EQ(row.status, c.status);
        EXPECT_EQ(row.reason, c.reason);
    }
}

} // namespace
