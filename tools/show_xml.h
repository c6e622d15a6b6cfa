// show_xml.h -- `cvnaaccr show` for NAACCR XML: one tumour's items with its
// patient's and the file's, caught by the library's record model.
#ifndef SHOW_XML_H
#define SHOW_XML_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cvnaaccr.h"

struct ShownItem {
    NaaccrItemDef def; // its texts are the library's own
    std::string value;
};

// The tumour looked for, and what the reader found.
struct WantedTumour {
    uint64_t number; // from 1
    uint64_t seen;   // tumours read
    uint64_t patient;
    bool found;
    int32_t version;
    char record_type;
    std::vector<ShownItem> items;
};

// Sets up `wanted` to look for tumour `number`, and `options` for the
// library's reader (cvReadNaaccrFile or cvReadNaaccrStream) to catch it
// into `wanted` and stop there.
void want_tumour(WantedTumour *wanted, uint64_t number, NaaccrReadOptions *options);

// Prints the tumour that the reader caught, read from the input named
// `path` (its place, then each given item, with `all` also the items of the
// version and record type that are not given, as ""), one per line; or why
// there is none, on standard error, given the reader's result `code` and
// the reason `error` of an input that could not be read.  Returns the exit
// status: 0 shown, 1 no such tumour, 2 the input could not be read.
int print_xml_tumour(const char *path, WantedTumour *wanted, int32_t code, const char *error, bool all);

#endif
