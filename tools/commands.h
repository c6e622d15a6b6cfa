// commands.h -- the sub-commands of the cvnaaccr command-line front end.
// Each takes its own name as argv[0] and returns the process exit status:
// 0 no file has a problem, 1 some file has one, 2 a usage error or an input
// that cannot be read.
#ifndef COMMANDS_H
#define COMMANDS_H

#include "command_line.h"

// cvnaaccr inspect [--json] FILE...
int inspect_command(int argc, char **argv);

// cvnaaccr check [--json] [--checksums] [--max-problems N] [--threads N] [--quiet] FILE...
int check_command(int argc, char **argv);

// cvnaaccr checksum verify ... FILE... | cvnaaccr checksum assign FILE -o OUT
int checksum_command(int argc, char **argv);

// cvnaaccr version
int version_command(int argc, char **argv);

// cvnaaccr items VERSION [--type A|M|C|I] [--json]
int items_command(int argc, char **argv);

// cvnaaccr show FILE [--record N] [--all]
int show_command(int argc, char **argv);

// cvnaaccr convert IN -o OUT [--to xml|flat|csv] [--items ID,...] [--lf] [--lossy] [--dictionary FILE]...
int convert_command(int argc, char **argv);

// Checks every file of `line` as check does, or, with `verify`, as checksum
// verify does; `command` ("cvnaaccr check") names the program in messages.
int run_checks(const char *command, const CommandLine &line, bool verify);

#endif
