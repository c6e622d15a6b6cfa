// wildcard_windows.cpp -- makes cvnaaccr.exe expand wildcards in its arguments, as Windows users expect.
// A Windows program receives its command line as typed: `cvnaaccr inspect samples\*.txt` would reach
// main() with the pattern itself, where a Unix shell would have expanded it.  The mingw-w64 start-up
// code expands the patterns before main() when this variable, which it reads, is non-zero.
extern "C" {
int _dowildcard = -1;
}
