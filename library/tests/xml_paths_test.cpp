// xml_paths_test.cpp -- the fast path and the check in pieces find exactly
// what one expat pass finds: the same problems (kind, place, patient,
// tumour, item, value, message) in the same order, and the same summary, on
// the samples, on generated files and on hostile input.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "test_files.h"
#include "tumors/tumors.h"
#include "xml/xml.h"
#include "xml_check_helpers.h"
#ifdef CVNAACCR_TESTS_WITH_ZLIB
#include <zlib.h>
#endif

namespace
{

int32_t CV_CALL keep(void *context, const NaaccrItemProblem *p)
{
    XmlChecked *c = static_cast<XmlChecked *>(context);
    // The ids that name it, with its message.
    std::string message = p->message;
    for (const char *id : {p->patient_id, p->tumor_record_number, p->accession_number})
        message += id != nullptr ? std::string(" [") + id + "]" : " [none]";
    c->problems.push_back({p->code, p->line, p->column, p->offset, p->patient, p->tumor, p->record, p->item_number,
                           p->item_id, std::string(p->value != nullptr ? p->value : "", p->value_length), message});
    return c->stop_after != 0 && c->problems.size() >= c->stop_after ? 1 : 0;
}

NaaccrItemCheckOptions options_for(XmlChecked *c, uint32_t max_reported)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    // Codes too (the tumour rules speak at each Tumor's end), and the ids
    // (a Patient's or Tumor's problems held until its Items end).
    options.flags = NAACCR_CHECK_ITEMS | NAACCR_CHECK_CODES | NAACCR_CHECK_IDS;
    options.max_reported = max_reported;
    options.on_item_problem = keep;
    options.context = c;
    c->codes.size = sizeof c->codes;
    options.code_report = &c->codes;
    return options;
}

// One pass read by `path`, the first `head` bytes at hand, the rest in pieces of `piece`.
XmlChecked one_pass(const std::string &xml, XmlPath path, size_t head, size_t piece, uint32_t stop_after = 0,
                    uint32_t max_reported = 0)
{
    XmlChecked c = {};
    c.stop_after = stop_after;
    const NaaccrItemCheckOptions options = options_for(&c, max_reported);
    head = head < xml.size() ? head : xml.size();
    PieceStream stream = {&xml, head, piece};
    c.status = check_naaccr_xml_by(read_pieces, &stream, static_cast<int64_t>(xml.size()),
                                   reinterpret_cast<const unsigned char *>(xml.data()), head, options, &c.summary,
                                   nullptr, path);
    return c;
}

std::string shown(const XmlSeen &p)
{
    char line[160];
    snprintf(line, sizeof line, "kind %d at %llu:%d (byte %lld), patient %llu tumour %llu record %llu, item %d ",
             p.code, static_cast<unsigned long long>(p.line), p.column, static_cast<long long>(p.offset),
             static_cast<unsigned long long>(p.patient), static_cast<unsigned long long>(p.tumor),
             static_cast<unsigned long long>(p.record), p.item_number);
    return line + p.item_id + " \"" + p.value + "\": " + p.message;
}

// The same problems and summary; the bytes read before the check ended early
// depend on the blocks read.
void expect_same(const XmlChecked &expected, const XmlChecked &got, size_t size)
{
    EXPECT_EQ(got.status, expected.status);
    const size_t n = expected.problems.size() > got.problems.size() ? expected.problems.size() : got.problems.size();
    for (size_t k = 0; k < n; ++k) {
        const std::string a = k < expected.problems.size() ? shown(expected.problems[k]) : "none";
        const std::string b = k < got.problems.size() ? shown(got.problems[k]) : "none";
        if (a != b) {
            ADD_FAILURE() << "problem " << k + 1 << "\n expected " << a << "\n      got " << b;
            break;
        }
    }
    NaaccrItemCheckSummary x = expected.summary, y = got.summary;
    if (x.records.bytes < size || y.records.bytes < size)
        x.records.bytes = y.records.bytes = 0;
    EXPECT_EQ(memcmp(&x, &y, sizeof x), 0)
        << "patients " << y.patients << "/" << x.patients << " tumours " << y.tumors << "/" << x.tumors << " items "
        << y.items << "/" << x.items << " problems " << y.records.problems << "/" << x.records.problems << " bytes "
        << y.records.bytes << "/" << x.records.bytes;
    EXPECT_EQ(got.codes.tumors_judged, expected.codes.tumors_judged);
    EXPECT_EQ(got.codes.site_list_judged, expected.codes.site_list_judged);
    EXPECT_EQ(got.codes.site_list_not_judged, expected.codes.site_list_not_judged);
}

bool read_string(const void *context, int64_t offset, void *buffer, size_t n, size_t *got)
{
    const std::string &bytes = *static_cast<const std::string *>(context);
    const size_t from = static_cast<size_t>(offset) < bytes.size() ? static_cast<size_t>(offset) : bytes.size();
    *got = n < bytes.size() - from ? n : bytes.size() - from;
    memcpy(buffer, bytes.data() + from, *got);
    return true;
}

// The check in pieces of `piece_size` bytes, on `threads` workers (0: in turn).
XmlChecked in_pieces(const std::string &xml, int64_t piece_size, unsigned threads, XmlPath path,
                     uint32_t stop_after = 0, uint32_t max_reported = 0)
{
    XmlChecked c = {};
    c.stop_after = stop_after;
    const NaaccrItemCheckOptions options = options_for(&c, max_reported);
    const XmlFile file = {read_string, &xml, static_cast<int64_t>(xml.size())};
    const size_t head = xml.size() < 64 ? xml.size() : 64;
    const XmlPieces pieces = {threads, piece_size, path};
    c.status = check_naaccr_xml_file(file, reinterpret_cast<const unsigned char *>(xml.data()), head, options,
                                     &c.summary, pieces);
    return c;
}

// The fast path, whatever blocks it is given, against expat.
void expect_paths_agree(const std::string &xml)
{
    const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1);
    // Small blocks for small files: expat reads a long token again with each one.
    const size_t least = xml.size() < (64u << 10) ? 1 : 4096;
    for (const size_t piece : {size_t(1) << 20, size_t(7) * least, least}) {
        SCOPED_TRACE("fast path, blocks of " + std::to_string(piece));
        expect_same(expected, one_pass(xml, XML_PATH_FAST, piece == least ? 0 : 100, piece), xml.size());
    }
    // Pieces from a few per Patient to a few per file.
    const int64_t scale = xml.size() > (1u << 20) ? 256 : 1;
    for (const int64_t piece_size : {64 * scale, 333 * scale, 4096 * scale}) {
        for (const XmlPath path : {XML_PATH_EXPAT, XML_PATH_FAST}) {
            SCOPED_TRACE("pieces of " + std::to_string(piece_size) + (path == XML_PATH_FAST ? ", fast" : ", expat"));
            expect_same(expected, in_pieces(xml, piece_size, 0, path), xml.size());
            expect_same(expected, in_pieces(xml, piece_size, 2, path), xml.size());
        }
    }
}

std::string read_sample(const std::string &name)
{
    std::string bytes;
#ifdef CVNAACCR_TESTS_WITH_ZLIB
    gzFile file = gzopen((xmldata_folder() + "/" + name).c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char buffer[65536];
    for (int n; (n = gzread(file, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<size_t>(n));
    gzclose(file);
#else
    FILE *file = fopen((xmldata_folder() + "/" + name).c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    fclose(file);
#endif
    return bytes;
}

TEST(XmlPaths, AgreeOnEverySample)
{
    const char *const samples[] = {
        "naaccr-xml__invalid_bad-data-item-2.xml",
        "naaccr-xml__invalid_bad-tag-1.xml",
        "naaccr-xml__invalid_default-namespace-missing-1.xml",
        "naaccr-xml__invalid_unknown-data-item-1.xml",
        "naaccr-xml__invalid_value-to-long-1.xml",
        "naaccr-xml__test-multi-line-cdata.xml",
        "naaccr-xml__test_ASCII_with_control_chars.xml",
        "naaccr-xml__valid_standard-file-1.xml",
        "naaccr-xml__valid_user-extensions-1.xml",
        "naaccr-xml__xml-reader-duplicate-items.xml",
        "naaccr-xml__xml-reader-special-characters.xml",
        "werth-naaccr__synthetic-naaccr-18-incidence.xml",
#ifdef CVNAACCR_TESTS_WITH_ZLIB
        "naaccr-xml__naaccr-xml-sample-v250-incidence-1000.xml.gz",
#endif
    };
    for (const char *name : samples) {
        SCOPED_TRACE(name);
        const std::string xml = read_sample(name);
        ASSERT_FALSE(xml.empty());
        expect_paths_agree(xml);
    }
}

std::string item(const std::string &id, const std::string &value)
{
    return "<Item naaccrId=\"" + id + "\">" + value + "</Item>";
}

// How a generated file is laid out: its line ends, its indent, and what
// stands between its Patients.
struct Layout {
    const char *label, *line_end, *indent, *between;
};

// A file of `patients` Patients of two Tumors each; some values carry
// references, characters of two to four bytes, tabs, faults.
std::string generated(int patients, const Layout &l)
{
    const std::string e = l.line_end, in = l.indent;
    std::string body = in + item("registryId", "0000000001") + e;
    for (int p = 1; p <= patients; ++p) {
        char id[16];
        snprintf(id, sizeof id, "%08d", p);
        body += in + "<Patient>" + e + in + in + item("patientIdNumber", id) + e;
        body += in + in + item("nameLast", p % 3 == 0 ? "M&amp;M \xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80" : "Smith") + e;
        // What the fast path leaves to expat, which gives the next Patient back.
        if (p % 6 == 0)
            body += in + in + item("nameFirst", "<![CDATA[Ann]]>") + e;
        for (int t = 1; t <= 2; ++t) {
            body += in + in + "<Tumor>" + e;
            body += in + in + in + item("primarySite", p % 5 == t ? "C1234" : "C123") + e;
            body += in + in + in + item("dateOfDiagnosis", p % 7 == t ? "20241340" : "20240115") + e;
            body += in + in + in + item(p % 4 == t ? "noSuchItem" : "laterality", "1") + e;
            body += in + in + in + item("textRemarks", "a&#9;b&#x263A;\tc &lt;&gt;&quot;&apos;") + e;
            body += in + in + "</Tumor>" + e;
        }
        body += in + "</Patient>" + e + l.between;
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + e +
           "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\"" + e +
           "    recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">" + e + body +
           "</NaaccrData>" + e;
}

const Layout layouts[] = {
    {"LF, four blanks", "\n", "    ", ""},
    {"CR LF, a tab", "\r\n", "\t", ""},
    {"CR alone, two blanks", "\r", "  ", ""},
    {"one line", "", "", ""},
    {"comments between Patients", "\n", "  ", "  <!-- a comment\n  <Patient>\n  not one -->\n"},
};

TEST(XmlPaths, AgreeOnGeneratedFiles)
{
    for (const Layout &l : layouts) {
        SCOPED_TRACE(l.label);
        expect_paths_agree(generated(30, l));
    }
}

// Each byte of a file, cut there: the fast path hands what is cut to expat.
TEST(XmlPaths, AgreeOnAFileCutAnywhere)
{
    const std::string whole = generated(3, layouts[1]);
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const std::string xml = whole.substr(0, cut);
        const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1);
        expect_same(expected, one_pass(xml, XML_PATH_FAST, 0, 5), xml.size());
        expect_same(expected, in_pieces(xml, 150, 0, XML_PATH_FAST), xml.size());
        if (HasFailure())
            break;
    }
}

TEST(XmlPaths, AgreeOnHostileInput)
{
    const std::string root = "<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
                             "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\n";
    const std::string sound = "  <Patient>\n    " + item("patientIdNumber", "00000001") + "\n  </Patient>\n";
    const auto file = [&](const std::string &body) { return root + sound + body + sound + "</NaaccrData>\n"; };
    std::string deep = "  <Patient>";
    for (int k = 0; k < 300; ++k)
        deep += "<Deep>";
    for (int k = 0; k < 300; ++k)
        deep += "</Deep>";
    deep += "</Patient>\n";
    const struct {
        const char *label;
        std::string xml;
    } cases[] = {
        {"elements 300 deep", file(deep)},
        {"an extension 300 deep", file("  <x:e xmlns:x=\"urn:x\">" + deep + "</x:e>\n")},
        {"an undefined entity", file("  <Patient>" + item("nameLast", "&nbsp;") + "</Patient>\n")},
        {"character references",
         file("  <Patient>" + item("nameLast", "&#65;&#x42;&#x10FFFF;&#0065;") + "</Patient>\n")},
        {"a reference to no character", file("  <Patient>" + item("nameLast", "&#xD800;") + "</Patient>\n")},
        {"a reference to NUL", file("  <Patient>" + item("nameLast", "&#0;") + "</Patient>\n")},
        {"a reference cut", file("  <Patient>" + item("nameLast", "&amp") + "</Patient>\n")},
        {"a reference in an attribute", file("  <Patient>" + item("name&#76;ast", "x") + "</Patient>\n")},
        {"an overlong UTF-8 form", file("  <Patient>" + item("nameLast", "\xC0\xAF") + "</Patient>\n")},
        {"a UTF-8 surrogate", file("  <Patient>" + item("nameLast", "\xED\xA0\x80") + "</Patient>\n")},
        {"U+FFFE", file("  <Patient>" + item("nameLast", "\xEF\xBF\xBE") + "</Patient>\n")},
        {"a byte beyond U+10FFFF", file("  <Patient>" + item("nameLast", "\xF4\x90\x80\x80") + "</Patient>\n")},
        {"a lone continuation byte", file("  <Patient>" + item("nameLast", "a\x80") + "</Patient>\n")},
        {"a control character", file("  <Patient>" + item("nameLast", "a\x01") + "</Patient>\n")},
        {"DEL and C1 characters", file("  <Patient>" + item("nameLast", "a\x7F\xC2\x85") + "</Patient>\n")},
        {"]]> in text", file("  <Patient>" + item("nameLast", "a]]>b") + "</Patient>\n")},
        {"]] and ]> in text", file("  <Patient>" + item("nameLast", "a]]b]>c]") + "</Patient>\n")},
        {"a CDATA section", file("  <Patient>" + item("nameLast", "<![CDATA[<x>]]>") + "</Patient>\n")},
        {"a processing instruction", file("  <?keep this?>\n")},
        {"a comment with --", file("  <!-- a -- b -->\n")},
        {"a comment ending --->", file("  <!-- a --->\n")},
        {"a DOCTYPE inside", file("  <!DOCTYPE x>\n")},
        {"a value of a megabyte",
         file("  <Patient>" + item("textRemarks", std::string(1u << 20, 'x')) + "</Patient>\n")},
        {"a tag of 600 KB", file("  <Patient a=\"" + std::string(600u << 10, 'x') + "\"/>\n")},
        {"a comment longer than a worker reads", file("  <!--" + std::string(1200u << 10, 'x') + "-->\n")},
        {"a duplicate attribute", file("  <Patient><Item naaccrId=\"sex\" naaccrId=\"sex\">1</Item></Patient>\n")},
        {"attributes not parted", file("  <Patient><Item naaccrId=\"sex\"naaccrNum=\"220\">1</Item></Patient>\n")},
        {"attribute values with line ends and tabs",
         file("  <Patient><Item naaccrId='sex' naaccrNum=\"2\r\n2\t0\">1</Item></Patient>\n")},
        {"an attribute of another namespace", file("  <Patient xmlns:x=\"urn:x\" x:a=\"1\"/>\n")},
        {"the default namespace changed",
         file("  <Patient xmlns=\"urn:other\"><Item naaccrId=\"sex\">1</Item></Patient>\n")},
        {"a prefixed Patient", file("  <n:Patient xmlns:n=\"http://naaccr.org/naaccrxml\"></n:Patient>\n")},
        {"a mismatched end tag", file("  <Patient></Patiens>\n")},
        {"blanks in tags",
         file("  <Patient  >" + std::string("<Item\n naaccrId = \"sex\" >1</Item  >") + "</Patient\t>\n")},
        {"empty elements", file("  <Patient/>\n  <Patient><Tumor/><Item naaccrId=\"sex\"/></Patient>\n")},
        {"a name the fast path does not read", file("  <P\xC3\xA4tient/>\n")},
        {"a name 100 bytes long", file("  <" + std::string(100, 'n') + "/>\n")},
        {"junk after the root", root + sound + "</NaaccrData>\n<Patient/>\n"},
        {"text after the root", root + sound + "</NaaccrData>\nmore\n"},
        // expat reads a name cut by a block's end there as junk, whole and before '=' as an invalid token.
        {"CR LF and a NUL after a root of no namespace", "<a/>\r\n" + std::string(1, '\0') + "\n"},
        {"a name and = after the root", "<NaaccrData>\n" + sound + "</NaaccrData>\nmore=\"x\"\n"},
        {"no end", root + sound},
        {"text between Patients", file("  loose text\n")},
        {"an Item between Patients", file("  " + item("registryId", "0000000001") + "\n")},
        // The fast path takes the file back at a Patient in the root, not in an Item there.
        {"a Patient in an Item between Patients",
         file("  <Item xmlns=\"http://naaccr.org/naaccrxml\" naaccrId=\"registryId\"><Patient></Patient></Item>\n")},
        {"an extension between Patients", file("  <x:e xmlns:x=\"urn:x\"/>\n")},
        {"a Patient not at a line's start", file("  <Patient></Patient><Patient></Patient>\n")},
        {"ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" +
                           file("  <Patient>" + item("nameLast", "M\xFCller") + "</Patient>\n")},
        {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n" +
                             file("  <Patient>" + item("nameLast", "\x80\x81") + "</Patient>\n")},
        {"US-ASCII with a byte above 127", "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n" +
                                               file("  <Patient>" + item("nameLast", "\xC3\xA9") + "</Patient>\n")},
        {"an encoding not read here", "<?xml version=\"1.0\" encoding=\"EBCDIC\"?>\n" + file("")},
        {"a byte-order mark", "\xEF\xBB\xBF" + file("")},
        {"UTF-16", std::string("\xFF\xFE<\0N\0a\0", 8)},
        {"a DOCTYPE first", "<!DOCTYPE NaaccrData>\n" + file("")},
        {"a root of no namespace", "<NaaccrData>\n" + sound + sound + "</NaaccrData>\n"},
        {"a prefixed root",
         "<n:NaaccrData xmlns:n=\"http://naaccr.org/naaccrxml\">\n  <n:Patient/>\n  <Patient/>\n</n:NaaccrData>\n"},
        {"another root", "<Other>\n" + sound + "</Other>\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        expect_paths_agree(c.xml);
    }
}

// What a caller that stops, or takes only some problems, gets is the same.
TEST(XmlPaths, AgreeWhereTheCallerStopsOrLimits)
{
    const std::string xml = generated(40, layouts[0]);
    const XmlChecked all = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1);
    ASSERT_GT(all.problems.size(), 20u);
    for (uint32_t k = 1; k <= all.problems.size(); k += 3) {
        SCOPED_TRACE("stopped at problem " + std::to_string(k));
        const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1, k);
        expect_same(expected, one_pass(xml, XML_PATH_FAST, 100, 1000, k), xml.size());
        expect_same(expected, in_pieces(xml, 700, 2, XML_PATH_FAST, k), xml.size());
        expect_same(expected, in_pieces(xml, 700, 0, XML_PATH_EXPAT, k), xml.size());
    }
    for (uint32_t most : {1u, 5u, 17u}) {
        SCOPED_TRACE("at most " + std::to_string(most));
        const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1, 0, most);
        expect_same(expected, in_pieces(xml, 700, 2, XML_PATH_FAST, 0, most), xml.size());
    }
}

// A piece with more problems than a worker keeps is checked again where
// they are handed on.
TEST(XmlPaths, AgreeOnMoreProblemsThanAPieceKeeps)
{
    std::string body;
    for (int k = 0; k < 3000; ++k)
        body += "    " + item("noSuchItem", "1") + "\n";
    const std::string xml = generated(2, layouts[0]) + "";
    std::string many = xml;
    many.insert(many.find("  </Patient>"), body);
    const XmlChecked expected = one_pass(many, XML_PATH_EXPAT, many.size(), 1);
    ASSERT_GT(expected.problems.size(), 3000u);
    expect_same(expected, in_pieces(many, 1000, 2, XML_PATH_FAST), many.size());
    const XmlChecked most = one_pass(many, XML_PATH_EXPAT, many.size(), 1, 0, 2990);
    expect_same(most, in_pieces(many, 1000, 0, XML_PATH_FAST, 0, 2990), many.size());
}

// A stretch that starts inside a comment holding what looks like a Patient
// at a line's start: the scan takes it, the piece before ends elsewhere, and
// the rest is checked in one run.
TEST(XmlPaths, AgreeWhereAPieceStartsInsideAComment)
{
    std::string fake;
    for (int k = 0; k < 200; ++k)
        fake += "\n  <Patient>\n";
    std::string xml = generated(8, layouts[0]);
    xml.insert(xml.find("  <Patient>", xml.find("</Patient>")), "  <!--" + fake + "-->\n");
    const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1);
    for (const int64_t piece_size : {int64_t(700), int64_t(1500), int64_t(2500)}) {
        SCOPED_TRACE("pieces of " + std::to_string(piece_size));
        expect_same(expected, in_pieces(xml, piece_size, 2, XML_PATH_FAST), xml.size());
        expect_same(expected, in_pieces(xml, piece_size, 0, XML_PATH_EXPAT), xml.size());
    }
}

// The exports check a file of several pieces on the threads asked for, and
// find what one thread finds.
TEST(XmlPaths, TheExportsCheckAFileInPiecesAsInOnePass)
{
    const std::string xml = generated(24000, layouts[0]);
    ASSERT_GT(xml.size(), size_t(2 * xml_piece_size));
    const std::string path = write_test_file("pieces.xml", xml);
    XmlChecked by[2] = {};
    for (unsigned threads : {1u, 2u}) {
        XmlChecked &c = by[threads - 1];
        NaaccrItemCheckOptions options = options_for(&c, 0);
        options.threads = threads;
        c.status = cvCheckNaaccrFileEx(path.c_str(), &options, &c.summary);
    }
    EXPECT_EQ(by[0].summary.tumors, 48000u);
    expect_same(by[0], by[1], xml.size());
}

// The vector form of the XML text scan stops where the byte loop does.
TEST(MarkupScan, StopsWhereTheByteLoopStops)
{
    std::string bytes;
    uint32_t state = 12345;
    const char usual[] = "abc <&]\"'\t\n\r\x7F\x80\xC3\xFF 0123456789";
    for (int k = 0; k < 4000; ++k) {
        state = state * 1103515245u + 12345u;
        // Mostly plain bytes, so that runs are long enough for the vectors.
        bytes += (state >> 16) % 8 == 0 ? usual[(state >> 8) % (sizeof usual - 1)] : 'a' + (state >> 20) % 26;
    }
    const unsigned char *b = reinterpret_cast<const unsigned char *>(bytes.data());
    for (const unsigned char quote : {'<', '"', '\'', '-'}) {
        SCOPED_TRACE(std::string("quote ") + static_cast<char>(quote));
        for (size_t from = 0; from < bytes.size(); from += 7) {
            const size_t end = from + (from * 31) % 300 < bytes.size() ? from + (from * 31) % 300 : bytes.size();
            ASSERT_EQ(skip_plain_text(b, from, end, quote), skip_plain_text_bytewise(b, from, end, quote)) << from;
        }
    }
}

int32_t CV_CALL count_and_stop(void *context, const NaaccrItemProblem *)
{
    *static_cast<int *>(context) += 1;
    return 1;
}

int64_t CV_CALL read_text(void *stream, void *buffer, uint32_t size) { return read_pieces(stream, buffer, size); }

// A caller that stops at a problem of an empty element's start tag hears
// of nothing after: expat still reports the element's end, which is not
// acted on (a reader of tumours told the caller of a Patient without
// Tumors before).
TEST(XmlPaths, NothingFollowsTheProblemACallerStoppedAt)
{
    const std::string xml = naaccr_xml("<Patient id=\"1\"/>");
    for (const bool whole : {true, false}) {
        SCOPED_TRACE(whole ? "the file at hand" : "read in pieces");
        int calls = 0;
        NaaccrReadOptions options;
        memset(&options, 0, sizeof options);
        options.size = sizeof options;
        options.on_problem = count_and_stop;
        options.context = &calls;
        PieceStream stream = {&xml, 0, whole ? xml.size() : 3};
        NaaccrItemCheckSummary summary;
        ASSERT_EQ(read_naaccr_tumors(nullptr, read_text, &stream, &options, &summary, nullptr), NAACCR_REC_OK);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(summary.records.stopped, NAACCR_STOP_CALLBACK);
    }
}

std::string numbered(const std::string &before, const std::string &after, int count)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += before + std::to_string(k) + after;
    return text;
}

// Where the attributes of one tag outgrow what a check lets expat hold, after
// Patients the fast path read: one pass, the fast path and the pieces (whose
// workers hold less and leave such a piece to the calling thread) stop at the
// same place.  (Names that accumulate over many elements are another matter:
// docs/behaviour.md.)
TEST(XmlPaths, AgreeWhereExpatsMemoryRunsOut)
{
    const std::string sound = "  <Patient>\n    " + item("patientIdNumber", "00000001") + "\n  </Patient>\n";
    std::string before;
    for (int k = 0; k < 50; ++k)
        before += sound;
    const struct {
        const char *label;
        std::string body;
    } cases[] = {
        {"a million attributes in one tag", "  <Patient " + numbered("a", "=\"\" ", 1000000) + "/>\n"},
        {"600,000 namespace declarations in one tag", "  <Patient " + numbered("xmlns:a", "=\"u\" ", 600000) + "/>\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string xml = naaccr_xml(before + c.body + sound);
        const XmlChecked expected = one_pass(xml, XML_PATH_EXPAT, xml.size(), 1u << 20);
        ASSERT_FALSE(expected.problems.empty());
        EXPECT_EQ(expected.problems.back().code, NAACCR_CHECK_XML_TOKEN_TOO_LONG);
        expect_same(expected, one_pass(xml, XML_PATH_FAST, 100, 1u << 20), xml.size());
        expect_same(expected, in_pieces(xml, 256u << 10, 2, XML_PATH_FAST), xml.size());
        expect_same(expected, in_pieces(xml, 256u << 10, 0, XML_PATH_EXPAT), xml.size());
    }
}

} // namespace
