// check_report.h -- what `cvnaaccr check` and `checksum verify` keep about the
// input being checked, and how they write its summary (check_summary_output.cpp).
#ifndef CHECK_REPORT_H
#define CHECK_REPORT_H

#include <stdint.h>

#include "check_item_output.h"
#include "command_line.h"
#include "cvnaaccr.h"
#include "progress.h"

struct Report {
    const char *path;
    const CommandLine *line;
    bool verify;     // checksum verify: blank fields are counted, never listed
    bool items;      // --items, or the input is NAACCR XML: every item problem tallied, JSON schema 2
    bool xml;        // the input is NAACCR XML
    bool opened;     // JSON: the object and its problem list are begun
    uint64_t listed; // problems written
    ProgressLine progress;
    ItemTallies tallies; // when items
};

// Why an input could not be checked, for a result code without a reason of its own.
const char *failure_text(int32_t code);

// The summary line (and the line of the items with most problems).
void print_summary_text(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error);

// The end of the JSON object, from the close of its problem list.
void print_summary_json(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error,
                        bool checksums);

#endif
