// check_runs.h -- running the record checker in tests: every problem it hands
// over, collected as (record, column, kind), through a file or a stream, by
// the 1.2 calls or the Ex calls; and test records of every layout.
#ifndef CHECK_RUNS_H
#define CHECK_RUNS_H

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cvnaaccr.h"

struct Seen {
    uint64_t record;
    int32_t column;
    int32_t code;
    bool operator==(const Seen &o) const { return record == o.record && column == o.column && code == o.code; }
};
std::ostream &operator<<(std::ostream &out, const Seen &s);

// What one check handed over, record and item problems in the order they came.
struct Outcome {
    int32_t code;
    NaaccrItemCheckSummary summary; // the 1.2 calls fill summary.records only
    std::vector<Seen> problems;
    std::vector<std::string> messages;
};

struct CheckSettings {
    uint32_t flags = 0;
    uint32_t threads = 1;
    uint32_t max_reported = 0;
    bool ex = false; // the Ex calls
};

Outcome check_file_bytes(const std::string &bytes, const CheckSettings &settings = {});
Outcome check_stream_bytes(const std::string &bytes, const CheckSettings &settings = {});

// A record of its layout's length: `type` in column 1, `version` where the
// layout says, printable filler that differs from record to record.
std::string made_record(unsigned seed, char type, const char *version);

// `count` records of type and version: the peer projects' records of
// `peer_file` over and over when that file is at hand, else made ones.
std::vector<std::string> sample_records(const char *peer_file, char type, const char *version, size_t count);

#endif
