// commands.h -- the sub-commands of the cvnaaccr command-line front end.
// Each returns the process exit status: 0 no problem, 1 a problem in some
// file, 2 a usage error.
#ifndef COMMANDS_H
#define COMMANDS_H

// cvnaaccr inspect [--json] FILE...   (argv[0] is "inspect")
int inspect_command(int argc, char **argv);

// cvnaaccr checksum verify FILE... | cvnaaccr checksum assign FILE -o OUT   (argv[0] is "checksum")
int checksum_command(int argc, char **argv);

// cvnaaccr version   (argv[0] is "version")
int version_command(int argc, char **argv);

#endif
