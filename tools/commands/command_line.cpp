// command_line.cpp -- the options of every sub-command, parsed by getopt_long
// (glibc's on Linux, the mingw-w64 runtime's on Windows).
#include "commands/commands.h"

#include <getopt.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "text/text.h"

namespace
{

// Values getopt_long returns for options without a one-letter form.
const int opt_json = 256, opt_checksums = 257, opt_max_problems = 258, opt_threads = 259, opt_type = 260,
          opt_record = 261, opt_all = 262, opt_items = 263, opt_dictionary = 264, opt_codes = 265, opt_codes_of = 266,
          opt_patient = 267;

struct OptionSpec {
    unsigned accepted; // 0: every sub-command
    const char *name;
    int has_arg;
    int value; // the letter, or one of the values above
};

const OptionSpec option_specs[] = {
    {0, "help", no_argument, 'h'},
    {accept_json, "json", no_argument, opt_json},
    {accept_checksums, "checksums", no_argument, opt_checksums},
    {accept_max_problems, "max-problems", required_argument, opt_max_problems},
    {accept_threads, "threads", required_argument, opt_threads},
    {accept_quiet, "quiet", no_argument, 'q'},
    {accept_output, "output", required_argument, 'o'},
    {accept_type, "type", required_argument, opt_type},
    {accept_record, "record", required_argument, opt_record},
    {accept_patient, "patient", required_argument, opt_patient},
    {accept_all, "all", no_argument, opt_all},
    {accept_items, "items", no_argument, opt_items},
    {accept_dictionary, "dictionary", required_argument, opt_dictionary},
    // One name, two meanings: check takes --codes alone, items an item after it.
    {accept_codes, "codes", no_argument, opt_codes},
    {accept_codes_of, "codes", required_argument, opt_codes_of},
};
const size_t option_spec_count = sizeof option_specs / sizeof option_specs[0];

bool is_accepted(const OptionSpec &spec, unsigned accepted) { return spec.accepted == 0 || (spec.accepted & accepted); }

// The accepted long option that `text` (after "--", up to any '=') names
// exactly or as an unambiguous prefix; null when none or several.
const OptionSpec *find_long(const char *text, size_t length, unsigned accepted)
{
    const OptionSpec *found = nullptr;
    int matches = 0;
    for (const OptionSpec &spec : option_specs) {
        if (!is_accepted(spec, accepted) || strncmp(spec.name, text, length) != 0)
            continue;
        if (strlen(spec.name) == length)
            return &spec;
        found = &spec;
        ++matches;
    }
    return matches == 1 ? found : nullptr;
}

// A letter option as typed, escaped as names are: "-<27>" for an ESC.
std::string letter_option(int letter)
{
    const char text[3] = {'-', static_cast<char>(letter), '\0'};
    return printable_text(text, 2);
}

// Writes why getopt_long refused the option in `element` (the argument it
// was looking at): `c` is ':' for a missing value, else '?' (BSD-derived
// implementations also return ':' for a value given to a long option that
// takes none, so long options are judged from their text).  What the user
// typed is escaped, so that it cannot drive the terminal.
void report_option_error(const char *name, const char *element, int c, unsigned accepted)
{
    if (strncmp(element, "--", 2) != 0) {
        if (c == ':')
            fprintf(stderr, "cvnaaccr %s: option '%s' needs a value\n", name, letter_option(optopt).c_str());
        else
            fprintf(stderr, "cvnaaccr %s: unknown option '%s'\n", name, letter_option(optopt).c_str());
        return;
    }
    const char *body = element + 2;
    const char *equals = strchr(body, '=');
    const size_t length = equals != nullptr ? static_cast<size_t>(equals - body) : strlen(body);
    const OptionSpec *spec = find_long(body, length, accepted);
    if (spec != nullptr && spec->has_arg == no_argument && equals != nullptr)
        fprintf(stderr, "cvnaaccr %s: option '--%s' takes no value\n", name, spec->name);
    else if (spec != nullptr && spec->has_arg == required_argument)
        fprintf(stderr, "cvnaaccr %s: option '--%s' needs a value\n", name, spec->name);
    else
        fprintf(stderr, "cvnaaccr %s: unknown option '--%s'\n", name, printable_text(body, length).c_str());
}

bool take_count(const char *name, const char *option, const char *text, uint32_t *value)
{
    if (parse_count(text, value))
        return true;
    fprintf(stderr, "cvnaaccr %s: option '--%s' needs a whole number from 0 to 4294967295, not '%s'\n", name, option,
            printable_text(text, strlen(text)).c_str());
    return false;
}

} // namespace

bool parse_count(const char *text, uint32_t *value)
{
    uint64_t n = 0;
    if (*text == '\0')
        return false;
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9')
            return false;
        n = n * 10 + static_cast<uint64_t>(*text - '0');
        if (n > UINT32_MAX)
            return false;
    }
    *value = static_cast<uint32_t>(n);
    return true;
}

int parse_command_line(const char *name, int argc, char **argv, unsigned accepted, CommandLine *line)
{
    line->help = line->json = line->checksums = line->quiet = false;
    line->max_problems = 100;
    line->threads = 0;
    line->output = nullptr;
    line->type = nullptr;
    line->record = 0;
    line->patient = nullptr;
    line->all = false;
    line->items = false;
    line->codes = false;
    line->codes_of = nullptr;
    line->dictionaries.clear();
    line->files.clear();

    // A leading '-' returns every file name in place (as option 1), whatever
    // POSIXLY_CORRECT says; a ':' after it reports a missing value apart.
    char letters[16] = "-:h";
    struct option longs[option_spec_count + 1];
    size_t count = 0;
    for (const OptionSpec &spec : option_specs) {
        if (!is_accepted(spec, accepted))
            continue;
        longs[count++] = {spec.name, spec.has_arg, nullptr, spec.value};
        if (spec.value == 'q')
            strcat(letters, "q");
        else if (spec.value == 'o')
            strcat(letters, "o:");
    }
    longs[count] = {nullptr, 0, nullptr, 0};

    // optind 0 starts both implementations afresh; their messages are replaced by ours.
    optind = 0;
    opterr = 0;
    for (;;) {
        // An error leaves optind past the offending argument, or on it when
        // the bad letter stands inside a group of letters ("-qx").
        const int before = optind > 0 ? optind : 1;
        const int c = getopt_long(argc, argv, letters, longs, nullptr);
        if (c == -1)
            break;
        switch (c) {
        case 1:
            line->files.push_back(optarg);
            break;
        case 'h':
            line->help = true;
            break;
        case opt_json:
            line->json = true;
            break;
        case opt_checksums:
            line->checksums = true;
            break;
        case 'q':
            line->quiet = true;
            break;
        case 'o':
            line->output = optarg;
            break;
        case opt_max_problems:
            if (!take_count(name, "max-problems", optarg, &line->max_problems))
                return 2;
            break;
        case opt_threads:
            if (!take_count(name, "threads", optarg, &line->threads))
                return 2;
            break;
        case opt_type:
            line->type = optarg;
            break;
        case opt_record:
            if (!take_count(name, "record", optarg, &line->record))
                return 2;
            if (line->record == 0) {
                fprintf(stderr, "cvnaaccr %s: option '--record' counts records from 1\n", name);
                return 2;
            }
            break;
        case opt_patient:
            line->patient = optarg;
            break;
        case opt_all:
            line->all = true;
            break;
        case opt_items:
            line->items = true;
            break;
        case opt_dictionary:
            line->dictionaries.push_back(optarg);
            break;
        case opt_codes:
            line->codes = line->items = true;
            break;
        case opt_codes_of:
            line->codes_of = optarg;
            break;
        default:
            report_option_error(name, argv[optind > before ? optind - 1 : optind], c, accepted);
            return 2;
        }
    }
    for (int i = optind; i < argc; ++i)
        line->files.push_back(argv[i]);
    return 0;
}
