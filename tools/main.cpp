// main.cpp -- cvnaaccr, the command-line front end of the cvnaaccr library:
// the program's own options, then the sub-command.
#include <getopt.h>
#include <stdio.h>
#include <string.h>

#include "commands/commands.h"
#include "text/text.h"

namespace
{

struct Command {
    const char *name;
    int (*run)(int argc, char **argv);
};

const Command commands[] = {
    {"inspect", inspect_command}, {"check", check_command}, {"checksum", checksum_command},
    {"version", version_command}, {"items", items_command}, {"show", show_command},
    {"convert", convert_command},
};

} // namespace

int main(int argc, char **argv)
{
    const struct option longs[] = {
        {"help", no_argument, nullptr, 'h'}, {"version", no_argument, nullptr, 'V'}, {nullptr, 0, nullptr, 0}};
    // '+': the program's options end at the sub-command's name.
    optind = 0;
    opterr = 0;
    bool help = false, version = false;
    for (;;) {
        const int before = optind > 0 ? optind : 1;
        const int c = getopt_long(argc, argv, "+h", longs, nullptr);
        if (c == -1)
            break;
        if (c == 'h') {
            help = true;
        } else if (c == 'V') {
            version = true;
        } else {
            const char *element = argv[optind > before ? optind - 1 : optind];
            const char letter[3] = {'-', static_cast<char>(optopt), '\0'};
            fputs("cvnaaccr: unknown option '", stderr);
            print_text(stderr, strncmp(element, "--", 2) == 0 ? element : letter);
            fputs("'\n", stderr);
            return 2;
        }
    }
    if (help)
        return print_help("");
    if (version) {
        char name[] = "version";
        char *version_argv[] = {name, nullptr};
        return version_command(1, version_argv);
    }
    if (optind >= argc)
        return usage_error("");
    for (const Command &command : commands)
        if (strcmp(argv[optind], command.name) == 0)
            return command.run(argc - optind, argv + optind);
    fputs("cvnaaccr: unknown command '", stderr);
    print_text(stderr, argv[optind]);
    fputs("'\n", stderr);
    return usage_error("");
}
