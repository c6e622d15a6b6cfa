// console_windows.cpp -- standard streams on Windows, which open in text mode.
#include "io/io.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

bool stderr_is_terminal() { return _isatty(_fileno(stderr)) != 0; }

void use_binary_stdin() { _setmode(_fileno(stdin), _O_BINARY); }

void ignore_broken_pipe() {}
