// convert_options.cpp -- the options of `cvnaaccr convert`, parsed by
// getopt_long as the other commands' are, and the target they name.
#include "commands/commands.h"

#include <getopt.h>
#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

const int opt_to = 300, opt_items = 301, opt_lf = 302, opt_lossy = 303, opt_dictionary = 304, opt_max_problems = 305,
          opt_root = 306, opt_skip_bad_records = 307, opt_encoding = 308;

bool has_suffix(const char *name, size_t n, const char *suffix)
{
    const size_t k = strlen(suffix);
    if (n < k)
        return false;
    for (size_t i = 0; i < k; ++i)
        if ((name[n - k + i] | 0x20) != suffix[i])
            return false;
    return true;
}

} // namespace

int parse_convert_line(int argc, char **argv, ConvertLine *line)
{
    *line = ConvertLine{nullptr, nullptr, nullptr, nullptr, false, false, false, false, false, 0, 100, {}};
    const struct option longs[] = {{"output", required_argument, nullptr, 'o'},
                                   {"to", required_argument, nullptr, opt_to},
                                   {"items", required_argument, nullptr, opt_items},
                                   {"lf", no_argument, nullptr, opt_lf},
                                   {"lossy", no_argument, nullptr, opt_lossy},
                                   {"dictionary", required_argument, nullptr, opt_dictionary},
                                   {"max-problems", required_argument, nullptr, opt_max_problems},
                                   {"root", required_argument, nullptr, opt_root},
                                   {"skip-bad-records", no_argument, nullptr, opt_skip_bad_records},
                                   {"encoding", required_argument, nullptr, opt_encoding},
                                   {"help", no_argument, nullptr, 'h'},
                                   {nullptr, 0, nullptr, 0}};
    optind = 0;
    opterr = 0;
    std::vector<const char *> files;
    for (;;) {
        const int before = optind > 0 ? optind : 1;
        const int c = getopt_long(argc, argv, "-:ho:", longs, nullptr);
        if (c == -1)
            break;
        switch (c) {
        case 1:
            files.push_back(optarg);
            break;
        case 'h':
            line->help = true;
            break;
        case 'o':
            line->output = optarg;
            break;
        case opt_to:
            line->to = optarg;
            break;
        case opt_items:
            line->items = optarg;
            break;
        case opt_lf:
            line->lf = true;
            break;
        case opt_lossy:
            line->lossy = true;
            break;
        case opt_dictionary:
            line->dictionaries.push_back(optarg);
            break;
        case opt_root:
            if (strcmp(optarg, "first") != 0) {
                fputs("cvnaaccr convert: --root takes first\n", stderr);
                return 2;
            }
            line->root_first = true;
            break;
        case opt_skip_bad_records:
            line->skip_bad_records = true;
            break;
        case opt_encoding:
            if (strcmp(optarg, "latin1") == 0) {
                line->encoding = NAACCR_CONVERT_LATIN1;
            } else if (strcmp(optarg, "windows-1252") == 0) {
                line->encoding = NAACCR_CONVERT_WINDOWS_1252;
            } else {
                fputs("cvnaaccr convert: --encoding takes latin1 or windows-1252\n", stderr);
                return 2;
            }
            break;
        case opt_max_problems:
            if (!parse_count(optarg, &line->max_problems)) {
                fputs("cvnaaccr convert: --max-problems needs a whole number\n", stderr);
                return 2;
            }
            break;
        default:
            fputs("cvnaaccr convert: unknown option or missing value: '", stderr);
            print_text(stderr, argv[optind > before ? optind - 1 : optind]);
            fputs("'\n", stderr);
            return 2;
        }
    }
    for (int i = optind; i < argc; ++i)
        files.push_back(argv[i]);
    if (!line->help && files.size() != 1)
        return 2;
    line->input = files.empty() ? nullptr : files[0];
    return 0;
}

bool is_gz_name(const char *name) { return has_suffix(name, strlen(name), ".gz"); }

int32_t target_of(const ConvertLine &line)
{
    if (line.to != nullptr) {
        const char *names[] = {"xml", "flat", "csv"};
        const int32_t targets[] = {NAACCR_FORMAT_XML, NAACCR_FORMAT_FLAT, NAACCR_FORMAT_CSV};
        for (int i = 0; i < 3; ++i)
            if (strcmp(line.to, names[i]) == 0)
                return targets[i];
        return 0;
    }
    size_t n = strlen(line.output);
    if (is_gz_name(line.output))
        n -= 3;
    if (has_suffix(line.output, n, ".xml"))
        return NAACCR_FORMAT_XML;
    if (has_suffix(line.output, n, ".txt") || has_suffix(line.output, n, ".dat"))
        return NAACCR_FORMAT_FLAT;
    return has_suffix(line.output, n, ".csv") ? NAACCR_FORMAT_CSV : 0;
}
