// console.h -- the little the command line needs to know about its standard
// streams.  One implementation per platform (console_posix.cpp,
// console_windows.cpp).
#ifndef CONSOLE_H
#define CONSOLE_H

// True when standard error is a terminal, where a progress line may be drawn.
bool stderr_is_terminal();

// Makes standard input deliver its bytes unchanged (on Windows it would
// otherwise turn CR LF into LF and stop at a Ctrl-Z).
void use_binary_stdin();

// From now on a write to a pipe whose reader has gone fails (ferror) instead
// of ending the program with SIGPIPE.  Nothing on Windows, which has no such
// signal.
void ignore_broken_pipe();

#endif
