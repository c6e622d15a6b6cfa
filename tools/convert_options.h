// convert_options.h -- the options of `cvnaaccr convert` and the target
// they name.
#ifndef CONVERT_OPTIONS_H
#define CONVERT_OPTIONS_H

#include <stdint.h>

#include <vector>

struct ConvertLine {
    const char *input, *output; // IN and -o OUT
    const char *to, *items;     // --to and --items, or null
    bool lf, lossy, help;
    uint32_t max_problems;                  // --max-problems: 100 unless given; 0 lists every one
    std::vector<const char *> dictionaries; // --dictionary, in order
};

// Parses argv[1] to argv[argc - 1]; 0 when parsed (one input, or --help), 2
// after a message on standard error or for a wrong number of inputs.
int parse_convert_line(int argc, char **argv, ConvertLine *line);

// True when `name` ends in ".gz" (any case).
bool is_gz_name(const char *name);

// The target --to names, or else OUT's extension (before any .gz) tells:
// NAACCR_FORMAT_XML, _FLAT or _CSV; 0 when neither does.
int32_t target_of(const ConvertLine &line);

#endif
