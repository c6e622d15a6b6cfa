// io.h -- the command line's input and output: an input named on the
// command line read from a file, standard input or gzip data, with its first
// bytes read ahead and told apart (gzip, byte-order marks, NAACCR XML); the
// library's options set up to read it; the safe output file, the output ring
// and gzip output; the console and the progress line.  It uses text/ and the
// public header.
#ifndef TOOLS_IO_H
#define TOOLS_IO_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <chrono>
#include <string>
#include <vector>

#include "cvnaaccr.h"

// ---- The console (console_posix.cpp, console_windows.cpp) ----

// True when standard error is a terminal, where a progress line may be drawn.
bool stderr_is_terminal();

// Makes standard input deliver its bytes unchanged (on Windows it would
// otherwise turn CR LF into LF and stop at a Ctrl-Z).
void use_binary_stdin();

// From now on a write to a pipe whose reader has gone fails (ferror) instead
// of ending the program with SIGPIPE.  Nothing on Windows, which has no such
// signal.
void ignore_broken_pipe();

// ---- What an input's first bytes say (file_magic.cpp, input_head.cpp) ----
//
// The one place where the command line recognises gzip data, byte-order marks
// and NAACCR XML, for reading (input.cpp) and for inspect's hints.

enum FileMagic {
    MAGIC_NONE,
    MAGIC_GZIP,      // 1F 8B
    MAGIC_UTF8_BOM,  // EF BB BF
    MAGIC_UTF16_BOM, // FF FE or FE FF
};

// What the `n` bytes at `head` start with; MAGIC_NONE when they are too few
// to tell.  Two bytes are enough for gzip and UTF-16, three for UTF-8.
FileMagic file_magic(const unsigned char *head, size_t n);

// Enough for a byte-order mark, white space and the root's start tag.
const size_t input_head_size = 4096;

// Told once the input's first bytes are known (gzip data's decompressed
// ones), before the check starts: whether the library checks it as NAACCR
// XML.  It may change the options the check runs with.
struct InputHook {
    void (*on_head)(void *context, bool xml, NaaccrItemCheckOptions *options);
    void *context;
};

// A stream whose first bytes were read ahead: they are handed out first,
// then the rest of `stream` through `read`.
struct HeadFirstStream {
    NaaccrReadCallback read;
    void *stream;
    unsigned char head[input_head_size];
    size_t length; // bytes in head
    size_t given;  // of them, handed out
};

// Fills s->head through `read` until it is full or the stream ends or fails
// (a failure is met again by the check's next read).
void read_input_head(HeadFirstStream *s, NaaccrReadCallback read, void *stream);

int64_t CV_CALL read_head_first(void *stream, void *buffer, uint32_t size);

// Bytes in memory read as a stream: `n` bytes at `bytes`, then the end.
struct BytesStream {
    const unsigned char *bytes;
    size_t n;
};
int64_t CV_CALL read_bytes(void *stream, void *buffer, uint32_t size);

// True when the library checks an input starting with these bytes as NAACCR
// XML: it is asked, with the head alone, so the rule has one home.
bool input_is_xml(const unsigned char *head, size_t n);

// Calls the hook, when there is one, on a copy of the options.
void tell_head(const InputHook *hook, const unsigned char *head, size_t n, NaaccrItemCheckOptions *options);

// ---- gzip input (gzip_stream_zlib.cpp, or gzip_stream_missing.cpp without zlib) ----
//
// The data is decompressed on a thread of its own, a few buffers ahead of its
// reader, which takes it through a NaaccrReadCallback.

// What reads the decompressed data: `read` and `stream` as a
// NaaccrReadCallback takes them; returns a NAACCR_REC_ code.
typedef int32_t (*GzipConsumer)(NaaccrReadCallback read, void *stream, void *context);

// Decompresses the gzip data read from `file` (one member or several in a
// row; its first `head_length` bytes already read into `head`) on a thread
// of its own and hands it to `consume`.  Returns what `consume` returns;
// when that is NAACCR_REC_READ_FAILED because the data is damaged, cut
// short or followed by other bytes, or `file` cannot be read, the reason
// stands in `error`, which is otherwise left empty.  Returns
// NAACCR_REC_NO_MEMORY when the buffers cannot be had, and
// NAACCR_REC_READ_FAILED with the reason when this program was built without
// zlib; `consume` is then not called.
int32_t read_gzip_stream(FILE *file, const unsigned char *head, size_t head_length, GzipConsumer consume, void *context,
                         char *error, size_t capacity);

// ---- An input named on the command line, and the library's options (input.cpp) ----

// A plain (not compressed) input whose first bytes were read already: they
// are handed out first, then the rest of `file`.
struct PlainStream {
    FILE *file;
    const unsigned char *head;
    size_t head_length;
};
int64_t CV_CALL read_plain(void *stream, void *buffer, uint32_t size);

// True when `path` ends in ".gz".
bool ends_with_gz(const char *path);

// What reads an input, as read_input hands it over.  `file` is called when
// the library can be given the name itself: a plain file, with its first
// `n` bytes at `head`, or a name that is not a regular file or cannot be
// opened here, with `head` null (the library then tells why).  `stream` is
// called for standard input and for decompressed gzip data.  Both return a
// NAACCR_REC_ code and are handed `context`.
struct InputReader {
    int32_t (*file)(const char *path, const unsigned char *head, size_t n, void *context);
    GzipConsumer stream;
    void *context;
};

// Hands the input `path`, taken exactly as given, to one of the reader's
// calls.  "-" is standard input, read in binary mode.  Data that starts with
// the gzip magic bytes 1F 8B is decompressed (read_gzip_stream), whatever its
// name.  Returns what the reader returns; NAACCR_REC_READ_FAILED with the
// reason in `error` (which is otherwise left empty) for damaged or cut
// compressed data, a ".gz" file that is not compressed, or a build without
// zlib; NAACCR_REC_NO_MEMORY when the decompression buffers cannot be had.
// The reader's calls may then not have been made at all.
int32_t read_input(const char *path, const InputReader *reader, char *error, size_t capacity);

// Options for the library's check (cvCheckNaaccrFileEx, cvCheckNaaccrStreamEx)
// with every field zero but its size, `flags`, `threads` (0: one per
// processor) and `context`: what every check this program runs starts from.
// The caller sets the callbacks, limits and dictionaries it needs.
NaaccrItemCheckOptions make_check_options(uint32_t flags, uint32_t threads, void *context);

// Options for the library's reader of tumours (cvReadNaaccrFile,
// cvReadNaaccrStream) that hand each tumour to `on_tumor` with `context`.
NaaccrReadOptions make_read_options(NaaccrTumorCallback on_tumor, void *context);

// ---- Folders named on the command line (folder_list.cpp, folder_posix.cpp, folder_windows.cpp) ----
//
// check takes folders as well as files.  A folder stands for its files,
// sorted by name (byte by byte), a folder within it at its name's place
// when --recursive is given.  Hidden names (starting with '.', and on
// Windows those marked hidden) are passed over, as are links to folders
// (never followed, so no link can lead the walk round in a circle) and
// what is neither a file nor a folder (a FIFO would block the check).  A
// link to a file is followed.

// What a name in a folder stands for.
enum EntryKind {
    ENTRY_FILE,           // a regular file, or a link to one
    ENTRY_FOLDER,         // a folder (not a link to one)
    ENTRY_LINK_TO_FOLDER, // passed over
    ENTRY_OTHER,          // a FIFO, device or socket: passed over
    ENTRY_UNREADABLE      // a link that leads nowhere or round in a circle, or a name that cannot be
                          // looked at: a row with its reason
};

struct FolderEntry {
    std::string name;
    EntryKind kind;
    bool hidden;        // marked hidden by the system (a name starting with '.' is hidden on every system)
    std::string reason; // ENTRY_UNREADABLE: why
};

// Reads the names in the folder `path` (not "." and ".."), in no set order,
// with what each stands for.  False, with the reason, when the folder cannot
// be read.
bool read_folder(const char *path, std::vector<FolderEntry> *entries, std::string *reason);

// True when `path` names a folder, through a link if it is one.
bool is_folder(const char *path);

// The separator read_folder's caller puts between a folder and a name.
extern const char folder_separator;

// True when the file name `name` matches `pattern`: '*' any run of
// characters, '?' any one, "[abc]", "[a-z]" and "[!a-z]" one of a set,
// '\' before a character (not on Windows, where it separates folders)
// that character itself.  Letters match their other case on Windows, whose
// names do not tell cases apart.
bool glob_matches(const char *pattern, const char *name);

// An input as the check is to take it: a file named on the command line or
// found in a folder, or a name that cannot be taken, with its reason.
struct ListedInput {
    std::string path;
    std::string reason; // "" when it is to be checked
};

// Appends what the argument `path` stands for to *inputs: a folder its
// files (those matching one of `includes`, every one when there is none;
// with `recursive` the files of the folders within it too), anything else
// `path` itself, whatever it names (the check tells when it is no file).
// A folder that cannot be read is one input with its reason.  Returns true
// when `path` is a folder.
bool list_input(const char *path, bool recursive, const std::vector<const char *> &includes,
                std::vector<ListedInput> *inputs);

// ---- Writing a file safely (output_file.cpp, output_file_posix.cpp, output_file_windows.cpp) ----
//
// OUT is written through a new temporary file in OUT's own folder that only a
// finished, flushed copy replaces, and that an interrupt (SIGINT, SIGTERM,
// SIGHUP; Ctrl-C or a closed console on Windows) removes.  The same file can
// be standard output instead, and a private temporary file serves data that
// the library must be given by name.  One implementation per platform under
// the choice of a name, which output_file.cpp makes.

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

// ---- gzip output (gzip_output_zlib.cpp, or gzip_output_missing.cpp without zlib) ----

struct GzipOutput;

// Starts compressing into `file`; null, with the reason in `error`, when it
// cannot (no memory, no zlib in this build).
GzipOutput *open_gzip_output(OutputFile *file, char *error, size_t capacity);

// Compresses `n` bytes; false when a write to the file failed.
bool write_gzip_output(GzipOutput *output, const void *bytes, size_t n);

// Ends the gzip member (`finish`) or not, and frees what it took; false when
// the last write failed.
bool close_gzip_output(GzipOutput *output, bool finish);

// ---- The output ring (output_ring.cpp) ----
//
// Output written on a thread of its own.  The caller's writes are copied into
// a ring of large buffers, and the thread hands each full buffer to the sink
// (the file, or gzip and then the file), so that reading and converting on
// one processor overlap writing on another.

// Writes `n` bytes where they go; false on an error.
typedef bool (*OutputSink)(void *sink, const void *bytes, size_t n);

struct OutputRing;

// Starts the thread; null when there is no memory or no thread for it.
OutputRing *start_output_ring(OutputSink sink, void *context);
// Queues `n` bytes; false once the sink has failed (what was queued after
// that is dropped: the output is not to be used).
bool put_output_ring(OutputRing *ring, const void *bytes, size_t n);
// Waits until everything queued is written, ends the thread and frees the
// ring.  False when the sink failed.
bool finish_output_ring(OutputRing *ring);

// ---- The progress line (progress.cpp) ----
//
// Drawn on standard error while a large input is read: percent and a bar when
// its size is known, the rate in MB/s, and the time left.

struct ProgressLine {
    bool terminal;     // standard error is a terminal
    size_t drawn;      // characters of the line on the screen; 0 when none
    std::string label; // the input's name, escaped
    std::chrono::steady_clock::time_point start, last;
};

// Readies the line for the input `path`; nothing is drawn yet.
void start_progress(ProgressLine *line, const char *path);

// Notes `done` bytes of `total` (-1 when unknown, as for a stream).  Draws,
// at most a few times a second, when standard error is a terminal and the
// input is large: over 100 MB, or of unknown size and read for over half a
// second.
void update_progress(ProgressLine *line, uint64_t done, int64_t total);

// Clears the line, if one was drawn.
void end_progress(ProgressLine *line);

// The text of the line for `done` of `total` bytes after `seconds`.
std::string progress_text(const std::string &label, uint64_t done, int64_t total, double seconds);

#endif
