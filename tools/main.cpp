// main.cpp -- cvnaaccr, the command-line front end of the cvnaaccr library.
#include <stdio.h>
#include <string.h>

#include "commands.h"

static const char usage[] = "Usage: cvnaaccr inspect [--json] FILE...\n"
                            "       cvnaaccr checksum verify FILE...\n"
                            "       cvnaaccr checksum assign FILE -o OUT\n"
                            "       cvnaaccr version\n"
                            "       cvnaaccr --help\n";

static const char help[] = "\n"
                           "cvnaaccr recognises NAACCR fixed-length record files and maintains their checksums.\n"
                           "\n"
                           "inspect [--json] FILE...\n"
                           "    For each file: the path as the library rejoined it, record type, NAACCR\n"
                           "    version (A and B shown as \"10 (A)\" and \"11 (B)\"), record length with its\n"
                           "    terminators (<cr><lf>, <lf>, <cr>, <lf><cr> or none), file size, record\n"
                           "    count, the result code's name and number, and the library's message.\n"
                           "    --json prints one JSON object per file instead, with the fields of\n"
                           "    NaaccrFileInfo (terminators as byte values) plus \"code\" and \"code_name\".\n"
                           "\n"
                           "checksum verify FILE...\n"
                           "    Checks the NAACCR checksum field of every record and lists the records\n"
                           "    whose field does not match or that cannot be checked, then a summary.\n"
                           "\n"
                           "checksum assign FILE -o OUT\n"
                           "    Writes a copy of FILE to OUT with the checksum field of every record\n"
                           "    assigned.  FILE is never changed; OUT appears only when complete.\n"
                           "\n"
                           "version\n"
                           "    Prints the library's version, build date and time, and contact text.\n"
                           "\n"
                           "Exit status: 0 when no file has a problem (result codes 0, -1 and -2),\n"
                           "1 when any file has a problem (a positive code, or a checksum mismatch),\n"
                           "2 for a usage error.\n";

int main(int argc, char **argv)
{
    if (argc >= 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        fputs(usage, stdout);
        fputs(help, stdout);
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
