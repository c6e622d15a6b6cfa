// xml_paths_test.cpp -- the fast path and the check in pieces find exactly
// what one expat pass finds: the same problems (kind, place, patient,
// tumour, item, value, message) in the same order, and the same summary, on
// the samples, on generated files and on hostile input.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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
    c->problems.push_back({p->code, p->line, p->column, p->offset, p->patient, p->tumor, p->record, p->item_number,
                           p->item_id, std::string(p->value != nullptr ? p->value : "", p->value_length), p->message});
    return c->stop_after != 0 && c->problems.size() >= c->stop_after ? 1 : 0;
}

NaaccrItemCheckOptions options_for(XmlChecked *c, uint32_t max_reported)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS;
    options.max_reported = max_reported;
    options.on_item_problem = keep;
    options.context = c;
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
    for (const size_t piece : {size_t(1) << 20, size_t(7), size_t(1)}) {
        SCOPED_TRACE("fast path, blocks of " + std::to_string(piece));
        expect_same(expected, one_pass(xml, XML_PATH_FAST, piece == 1 ? 0 : 100, piece), xml.size());
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

} // namespace
