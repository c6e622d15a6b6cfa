// console_posix.cpp -- standard streams on POSIX systems, where they are
// always binary.
#include "io/io.h"

#include <signal.h>
#include <stdio.h>
#include <unistd.h>

bool stderr_is_terminal() { return isatty(fileno(stderr)) != 0; }

void use_binary_stdin() {}

void ignore_broken_pipe() { signal(SIGPIPE, SIG_IGN); }
