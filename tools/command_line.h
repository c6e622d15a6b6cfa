// command_line.h -- the one parser of every sub-command's options, built on
// getopt_long: options may stand before, between or after the file names,
// "--" ends them, and "-" is a file name (standard input).
#ifndef COMMAND_LINE_H
#define COMMAND_LINE_H

#include <stdint.h>

#include <vector>

// The options a sub-command accepts, as bits for parse_command_line.
const unsigned accept_json = 1u;          // --json
const unsigned accept_checksums = 2u;     // --checksums
const unsigned accept_max_problems = 4u;  // --max-problems N
const unsigned accept_threads = 8u;       // --threads N
const unsigned accept_quiet = 16u;        // -q, --quiet
const unsigned accept_output = 32u;       // -o OUT, --output OUT
const unsigned accept_type = 64u;         // --type T
const unsigned accept_record = 128u;      // --record N
const unsigned accept_all = 256u;         // --all
const unsigned accept_items = 512u;       // --items
const unsigned accept_dictionary = 1024u; // --dictionary FILE, repeatable

struct CommandLine {
    bool help; // -h or --help was given: print the help and do nothing else
    bool json;
    bool checksums;
    bool quiet;
    uint32_t max_problems;                  // 100 unless given; 0 lists every problem
    uint32_t threads;                       // 0 unless given: as many as the processor has
    const char *output;                     // -o OUT, or null
    const char *type;                       // --type T, or null
    uint32_t record;                        // --record N (1 or more); 0 unless given
    bool all;                               // --all
    bool items;                             // --items
    std::vector<const char *> dictionaries; // --dictionary FILE, in the order given
    std::vector<const char *> files;
};

// Parses argv[1] to argv[argc - 1] of the sub-command `name` (as messages show
// it: "check", "checksum verify"), which accepts -h/--help and the options in
// `accepted`.  Long options may be shortened to any unambiguous prefix.
// Returns 0 with *line filled, or 2 after writing to standard error a message
// that names the offending option ("cvnaaccr check: unknown option '--jsno'").
int parse_command_line(const char *name, int argc, char **argv, unsigned accepted, CommandLine *line);

// Reads a count for an option: decimal digits only, at most 2^32 - 1.
bool parse_count(const char *text, uint32_t *value);

#endif
