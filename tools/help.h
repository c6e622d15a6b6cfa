// help.h -- the usage lines and help texts of the program and its sub-commands.
#ifndef HELP_H
#define HELP_H

// Writes the help of `command` ("check", "checksum verify", ...; "" for the
// program) to standard output; returns the exit status (0, or 2 when standard
// output cannot be written).
int print_help(const char *command);

// Writes the usage of `command` to standard error; returns 2.
int usage_error(const char *command);

#endif
