// output_file.h -- writing a file safely: OUT is written through a new
// temporary file in OUT's own folder that only a finished, flushed copy
// replaces, and that an interrupt (SIGINT, SIGTERM, SIGHUP; Ctrl-C or a closed
// console on Windows) removes.  The same file can be standard output instead,
// and a private temporary file serves data that the library must be given by
// name.  One implementation per platform (output_file_posix.cpp,
// output_file_windows.cpp) under the choice of a name, which output_file.cpp
// makes.
#ifndef OUTPUT_FILE_H
#define OUTPUT_FILE_H

#include <stddef.h>
#include <stdint.h>

enum PathKind {
    PATH_ABSENT,  // nothing has that name
    PATH_REGULAR, // a regular file
    PATH_OTHER,   // a directory, FIFO, device, socket or symbolic link
    PATH_UNKNOWN  // it cannot be told (no permission to look)
};

// What `path` names.  A symbolic link counts as PATH_OTHER when
// `follow_links` is false; otherwise what it points to is told.
PathKind path_kind(const char *path, bool follow_links);

// True when `out` names the file that `input` names (null: the file behind
// standard input), through any link; false when either does not exist.
bool is_same_file(const char *input, const char *out);

// Longest temporary path, with its NUL.
const size_t output_path_capacity = 4352;

struct OutputFile {
    intptr_t handle;                      // a descriptor or HANDLE; -1 when none is open
    char temporary[output_path_capacity]; // the temporary file's path; "" for standard output
};

// Creates, exclusively and without following a link at its name, a temporary
// file with a name of its own in the folder of `out`, with the permission bits
// of the file `input` (null: standard input, giving 0666 less the umask).
// From then on an interrupt removes it.  Returns false, with the reason in
// `error`, when it cannot be made.
bool create_output(const char *out, const char *input, OutputFile *file, char *error, size_t capacity);

// The step of create_output for one name: creates `temporary` (shorter than
// output_path_capacity) exclusively, as create_output does.  Returns 0 when
// made, 1 when the name is taken by anything, a symbolic link included (no link
// is ever followed), 2 for any other failure, with the reason in `error`.
int create_output_named(const char *temporary, const char *input, OutputFile *file, char *error, size_t capacity);

// The folder part of `out` with its final separator, or 0 for a bare name.
size_t output_folder_length(const char *out);

// Bits for the `attempt`th temporary name: unlikely to repeat across
// processes and attempts.
uint64_t temporary_name_bits(int attempt);

// Appends `n` bytes; false on a write error.
bool write_output(OutputFile *file, const void *bytes, size_t n);

// Flushes the temporary file to the disk, closes it and renames it over
// `out` (never removing `out` first).  On failure removes the temporary file
// and returns false with the reason in `error`.
bool commit_output(OutputFile *file, const char *out, char *error, size_t capacity);

// Closes and removes the temporary file.
void discard_output(OutputFile *file);

// Makes `file` standard output, for data that cannot be taken back once
// written: it goes out as it comes, through no temporary file.
// commit_output then only says it is done, and discard_output leaves
// standard output open.
void use_standard_output(OutputFile *file);

// Creates, as create_output does, a temporary file with a name of its own in
// the folder for temporary files (TMPDIR, else /tmp; on Windows the user's
// own), readable and writable by its owner alone, for data that the library
// must be given as a file for a moment.  discard_output removes it, and so
// does an interrupt.  Returns false, with the reason in `error`, when it
// cannot be made.
bool create_private_file(OutputFile *file, char *error, size_t capacity);

// The platform's parts of create_private_file: the folder for temporary
// files with its final separator (false when it does not fit `capacity`),
// and one name made as create_output_named makes it, with permission 0600.
bool temporary_folder(char *folder, size_t capacity);
int create_private_named(const char *temporary, OutputFile *file, char *error, size_t capacity);

// Moves where the next write goes to `offset`.  Bytes skipped past the end
// read as zeros and, where the file system can, take no room on the disk.
bool seek_output(OutputFile *file, uint64_t offset);

// Closes the file and keeps it, so that it can be opened by name (Windows
// lets no one open it while it is open here); discard_output still removes it.
// False when the data could not be written.
bool close_output(OutputFile *file);

#endif
