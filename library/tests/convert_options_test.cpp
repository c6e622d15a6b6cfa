// convert_options_test.cpp -- the conversion options that meet real files
// (NAACCR_CONVERT_ROOT_FIRST, _SKIP_BAD_RECORDS, _LATIN1, _WINDOWS_1252) on
// the peers' NAACCR 18 incidence sample, changed as real files come: a byte of
// a single-byte encoding, a record cut short, file-level items that differ.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert_helpers.h"
#include "test_files.h"

namespace
{

// One change to the sample: `bytes` over record `record`'s columns from
// `column` on, or with `cut` > 0 its last `cut` bytes taken away.
struct Change {
    size_t record; // from 0
    size_t column; // from 1
    std::string bytes;
    size_t cut;
};

// The sample's records, changed, each ended by LF as the sample's are.
std::string changed_sample(const std::vector<Change> &changes)
{
    std::ifstream in(peerdata_folder() + "/werth-naaccr__synthetic-naaccr-18-incidence.txt", std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    std::vector<std::string> records;
    std::string line;
    while (std::getline(whole, line))
        records.push_back(line);
    for (const Change &c : changes) {
        if (c.cut > 0)
            records[c.record].resize(records[c.record].size() - c.cut);
        else
            records[c.record].replace(c.column - 1, c.bytes.size(), c.bytes);
    }
    std::string bytes;
    for (const std::string &record : records)
        bytes += record + "\n";
    return bytes;
}

TEST(ConvertOptions, MeetRealFiles)
{
    const int32_t XML = NAACCR_FORMAT_XML, FLAT = NAACCR_FORMAT_FLAT, CSV = NAACCR_FORMAT_CSV;
    const uint32_t LATIN1 = NAACCR_CONVERT_LATIN1, CP1252 = NAACCR_CONVERT_WINDOWS_1252,
                   SKIP = NAACCR_CONVERT_SKIP_BAD_RECORDS, ROOT_FIRST = NAACCR_CONVERT_ROOT_FIRST,
                   LOSSY = NAACCR_CONVERT_LOSSY;
    const int32_t OK = NAACCR_REC_OK, REFUSED = NAACCR_REC_REFUSED;
    const int32_t BYTE = NAACCR_CHECK_ILLEGAL_BYTE, LENGTH = NAACCR_CHECK_RECORD_LENGTH,
                  ROOT = NAACCR_CHECK_ROOT_CONFLICT, UNWRITABLE = NAACCR_CHECK_NOT_WRITABLE;
    // addrAtDxCity is columns 74-123; registryId 30-39, npiRegistryId 20-29: file-level items.
    const Change e_acute = {0, 74, "Mont\xE9", 0}, euro = {1, 74, "\x80uro\x93", 0}, undefined = {1, 74, "\x81", 0},
                 c1_control = {1, 74, "\x85", 0}, short_record = {2, 0, "", 10}, registry = {1, 30, "0000099999", 0},
                 npi = {4, 20, "1234567890", 0};
    const struct {
        const char *label;
        std::vector<Change> changes;
        uint32_t flags;
        int32_t target;
        int32_t code;
        uint64_t written, left_out;
        std::vector<int32_t> kinds;
        std::string holds; // in the output or a problem's message
    } cases[] = {
        {"a Latin-1 byte refuses the file",
         {e_acute},
         0,
         XML,
         REFUSED,
         0,
         0,
         {BYTE},
         "byte 0xE9 at column 78, in addrAtDxCity"},
        {"latin1: the byte in XML as UTF-8", {e_acute}, LATIN1, XML, OK, 20, 0, {}, "Mont\xC3\xA9<"},
        {"latin1: the byte in CSV as UTF-8", {e_acute}, LATIN1, CSV, OK, 20, 0, {}, ",Mont\xC3\xA9,"},
        {"latin1: flat records cannot hold it", {e_acute}, LATIN1, FLAT, REFUSED, 0, 1, {UNWRITABLE}, "ASCII"},
        {"latin1 and lossy: flat records without it", {e_acute}, LATIN1 | LOSSY, FLAT, OK, 20, 1, {UNWRITABLE}, ""},
        {"windows-1252: the euro sign and a quote", {euro}, CP1252, XML, OK, 20, 0, {}, "\xE2\x82\xACuro\xE2\x80\x9C"},
        {"windows-1252: an undefined byte stays a record problem",
         {undefined},
         CP1252,
         XML,
         REFUSED,
         0,
         0,
         {BYTE},
         "byte 0x81"},
        {"latin1: a C1 control byte stays a record problem",
         {c1_control},
         LATIN1,
         XML,
         REFUSED,
         0,
         0,
         {BYTE},
         "byte 0x85"},
        {"windows-1252: the same byte is an ellipsis", {c1_control}, CP1252, CSV, OK, 20, 0, {}, "\xE2\x80\xA6"},
        {"a short record refuses the file", {short_record}, 0, XML, REFUSED, 0, 0, {LENGTH}, "4038"},
        {"skip bad records: the short one left out", {short_record}, SKIP, XML, OK, 19, 1, {LENGTH}, "</NaaccrData>"},
        {"skip bad records: two kinds of bad record",
         {short_record, e_acute},
         SKIP,
         CSV,
         OK,
         18,
         2,
         {BYTE, LENGTH},
         ""},
        {"skip bad records and latin1: only the short one",
         {short_record, e_acute},
         SKIP | LATIN1,
         CSV,
         OK,
         19,
         1,
         {LENGTH},
         "Mont\xC3\xA9"},
        {"file-level items that differ refuse XML, each named",
         {registry, npi},
         0,
         XML,
         REFUSED,
         0,
         0,
         {ROOT, ROOT},
         "registryId (item 40) is \"0000099999\" in record 2 but not given in record 1"},
        {"root first: record 1's values stand, the others listed",
         {registry, npi},
         ROOT_FIRST,
         XML,
         OK,
         20,
         2,
         {ROOT, ROOT},
         "<NaaccrData"},
        {"CSV rows keep their own file-level items", {registry, npi}, 0, CSV, OK, 20, 0, {}, "0000099999"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const Converted out = convert_bytes(changed_sample(c.changes), c.target, c.flags);
        EXPECT_EQ(out.code, c.code);
        std::vector<int32_t> kinds;
        for (const Problem &p : out.problems)
            kinds.push_back(p.code);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(out.summary.left_out, c.left_out);
        if (c.code == OK) {
            EXPECT_EQ(out.summary.written, c.written);
        }
        std::string seen = out.output;
        for (const Problem &p : out.problems)
            seen += "\n" + p.message;
        EXPECT_NE(seen.find(c.holds), std::string::npos) << c.holds;
        if ((c.flags & ROOT_FIRST) != 0) {
            EXPECT_EQ(out.output.find("0000099999"), std::string::npos) << "a value left out is written";
        }
    }
}

} // namespace
