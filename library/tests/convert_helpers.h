// convert_helpers.h -- what the conversion tests share: flat records made
// from item values, and a conversion of bytes collected in memory.
#ifndef CONVERT_HELPERS_H
#define CONVERT_HELPERS_H

#include <map>
#include <random>
#include <string>
#include <vector>

#include "cvnaaccr.h"

// A flat record of `version` and `type`: blank but for the given items
// (values as they stand in their columns, padding included).
std::string make_record(int32_t version, char type, const std::map<std::string, std::string> &fields);

struct Problem {
    int32_t code;
    uint64_t record;
    std::string item, message;
};

struct Converted {
    int32_t code;
    std::string output;
    std::vector<Problem> problems;
    NaaccrConvertSummary summary;
};

int32_t CV_CALL collect_output(void *output, const void *bytes, uint32_t size);

// `bytes` written to a test file and converted to `target`, with the user
// dictionaries at `dictionaries` loaded.
Converted convert_bytes(const std::string &bytes, int32_t target, uint32_t flags = 0, const char *items = nullptr,
                        const std::vector<std::string> &dictionaries = {});

// An XML file of version `version` ("180") and record type `type` whose
// NaaccrData holds `inside`; its Items, Tumors and Patients.
std::string xml_file(const std::string &inside, const std::string &version = "180", const std::string &type = "I");
std::string item(const std::string &id, const std::string &value);
std::string tumor(const std::string &items);
std::string patient(const std::string &items, const std::string &tumors);

// `count` records of `version` and `type`, CR LF after each, whose items
// (record type and version aside) are given at random, a third of them blank,
// with values of every padding and with blanks, commas, quotes, '&' and '<'
// in them; checksum fields assigned.
std::string generated_file(int32_t version, char type, int count, std::mt19937 &random);

// How often `what` stands in `text`.
size_t count_of(const std::string &text, const std::string &what);

#endif
