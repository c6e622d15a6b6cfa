// main.cpp -- cvnaaccr, the command-line front end of the cvnaaccr library.
#include <stdio.h>
#include <string.h>

#include "commands.h"

static const char usage[] = "Usage: cvnaaccr inspect [--json] FILE...\n"
                            "       cvnaaccr checksum verify FILE...\n"
                            "       cvnaaccr checksum assign FILE -o OUT\n"
                            "       cvnaaccr version\n"
                            "       cvnaaccr --help\n";

int main(int argc, char **argv)
{
    if (argc >= 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        fputs(usage, stdout);
        return 0;
    }
    if (argc >= 2 && strcmp(argv[1], "inspect") == 0)
        return inspect_command(argc - 1, argv + 1);
    if (argc >= 2 && strcmp(argv[1], "checksum") == 0)
        return checksum_command(argc - 1, argv + 1);
    if (argc >= 2 && strcmp(argv[1], "version") == 0)
        return version_command(argc - 1, argv + 1);
    fputs(usage, stderr);
    return 2;
}
