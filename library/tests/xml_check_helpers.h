// xml_check_helpers.h -- running the NAACCR XML check on a string or a stream
// in the tests, and what it found.
#ifndef XML_CHECK_HELPERS_H
#define XML_CHECK_HELPERS_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cvnaaccr.h"

struct XmlSeen {
    int32_t code;
    uint64_t line;
    int32_t column;
    int64_t offset;
    uint64_t patient, tumor, record;
    int32_t item_number;
    std::string item_id, value, message;
};

struct XmlChecked {
    int32_t status;
    NaaccrItemCheckSummary summary;
    std::vector<XmlSeen> problems;
    uint32_t stop_after; // the callback asks to stop at this problem (from 1); 0 never
    std::vector<uint64_t> progress;
    NaaccrCodeReport codes; // when a test points the options' code_report at it
};

// Reads a string in pieces of `piece` bytes.
struct PieceStream {
    const std::string *bytes;
    size_t at, piece;
};
int64_t CV_CALL read_pieces(void *stream, void *buffer, uint32_t size);

NaaccrItemCheckOptions xml_options(XmlChecked *checked, uint32_t max_reported = 0);

// The whole string as the head, nothing more to read.
XmlChecked check_xml_text(const std::string &xml);
// The first `head` bytes as the head, the rest read in pieces of `piece`.
XmlChecked check_xml_pieces(const std::string &xml, size_t head, size_t piece);
// Through any read function (nothing in the head).
XmlChecked check_xml_stream(NaaccrReadCallback read, void *stream, uint32_t max_reported = 0);

// The kinds of problem found, in order.
std::vector<int32_t> kinds_of(const XmlChecked &checked);

// A NAACCR XML file: the root with `attributes` (or the usual ones when
// empty), holding `body`.
std::string naaccr_xml(const std::string &body, const std::string &attributes = "");

// The folder of the NAACCR XML samples, data/xml-samples (see data_folder()).
std::string xmldata_folder();

#endif
