// commands.h -- the sub-commands of the cvnaaccr command line, and what
// their files share: the option parser, and for each command the parts that
// sit in files of their own (check_*.cpp, convert_*.cpp, inspect_*.cpp,
// show_*.cpp).  Each command takes its own name as argv[0] and returns the
// process exit status: 0 no file has a problem, 1 some file has one, 2 a
// usage error or an input that cannot be read.  The top layer of the command
// line but main.cpp: it uses io/, text/, common/ and the public header.
#ifndef TOOLS_COMMANDS_H
#define TOOLS_COMMANDS_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cvnaaccr.h"
#include "io/io.h"

// ---- Options (command_line.cpp) ----
//
// The one parser of every sub-command's options but convert's, built on
// getopt_long: options may stand before, between or after the file names,
// "--" ends them, and "-" is a file name (standard input).

// The options a sub-command accepts, as bits for parse_command_line.
const unsigned accept_json = 1u;          // --json
const unsigned accept_checksums = 2u;     // --checksums
const unsigned accept_max_problems = 4u;  // --max-problems N
const unsigned accept_threads = 8u;       // --threads N
const unsigned accept_quiet = 16u;        // -q, --quiet
const unsigned accept_output = 32u;       // -o OUT, --output OUT
const unsigned accept_type = 64u;         // --type T
const unsigned accept_record = 128u;      // --record N
const unsigned accept_all = 256u;         // --all
const unsigned accept_items = 512u;       // --items
const unsigned accept_dictionary = 1024u; // --dictionary FILE, repeatable
const unsigned accept_codes = 2048u;      // --codes
const unsigned accept_codes_of = 4096u;   // --codes ID (items)
const unsigned accept_patient = 8192u;    // --patient ID (show)

struct CommandLine {
    bool help; // -h or --help was given: print the help and do nothing else
    bool json;
    bool checksums;
    bool quiet;
    uint32_t max_problems;                  // 100 unless given; 0 lists every problem
    uint32_t threads;                       // 0 unless given: as many as the processor has
    const char *output;                     // -o OUT, or null
    const char *type;                       // --type T, or null
    uint32_t record;                        // --record N (1 or more); 0 unless given
    const char *patient;                    // --patient ID, or null
    bool all;                               // --all
    bool items;                             // --items, or --codes (check)
    bool codes;                             // --codes (check)
    const char *codes_of;                   // --codes ID (items), or null
    std::vector<const char *> dictionaries; // --dictionary FILE, in the order given
    std::vector<const char *> files;
};

// Parses argv[1] to argv[argc - 1] of the sub-command `name` (as messages show
// it: "check", "checksum verify"), which accepts -h/--help and the options in
// `accepted`.  Long options may be shortened to any unambiguous prefix.
// Returns 0 with *line filled, or 2 after writing to standard error a message
// that names the offending option ("cvnaaccr check: unknown option '--jsno'").
int parse_command_line(const char *name, int argc, char **argv, unsigned accepted, CommandLine *line);

// Reads a count for an option: decimal digits only, at most 2^32 - 1.
bool parse_count(const char *text, uint32_t *value);

// ---- The sub-commands (one file each, named after it) ----

// cvnaaccr inspect [--json] FILE...
int inspect_command(int argc, char **argv);

// cvnaaccr check [--json] [--checksums] [--items] [--codes] [--max-problems N] [--threads N] [--quiet] FILE...
int check_command(int argc, char **argv);

// cvnaaccr checksum verify ... FILE... | cvnaaccr checksum assign FILE -o OUT
int checksum_command(int argc, char **argv);

// cvnaaccr version
int version_command(int argc, char **argv);

// cvnaaccr items VERSION [--type A|M|C|I] [--codes ID] [--json]
int items_command(int argc, char **argv);

// cvnaaccr show FILE [--record N | --patient ID] [--all]
int show_command(int argc, char **argv);

// cvnaaccr convert IN -o OUT [--to xml|flat|csv] [--items ID,...] [--lf] [--lossy] [--dictionary FILE]...
int convert_command(int argc, char **argv);

// Checks every file of `line` as check does, or, with `verify`, as checksum
// verify does; `command` ("cvnaaccr check") names the program in messages.
int run_checks(const char *command, const CommandLine &line, bool verify);

// ---- check and checksum verify: the check of one input (check_input.cpp) ----

// Checks the input `path`, read as read_input reads it: plain files by
// cvCheckNaaccrFileEx, on several threads, standard input and decompressed
// data by cvCheckNaaccrStreamEx.  Returns the checker's result code, or
// read_input's with the reason in `error`; *summary is filled on every
// return.  `hook` (or null) is told whether
// the input is NAACCR XML before the check starts, and may change a copy of
// the options for it.
int32_t check_input(const char *path, const NaaccrItemCheckOptions *options, NaaccrItemCheckSummary *summary,
                    char *error, size_t capacity, const InputHook *hook);

// True when the input failed in a way that makes the exit status 2 (it could
// not be read), as opposed to problems found in it.
bool is_read_failure(int32_t code);

// ---- check --items: item problems and their tally (check_items.cpp) ----

struct ItemTally {
    int32_t number;
    std::string id;
    std::string name;
    uint64_t count;
};

// Problems by item number and id (an unknown XML item has no number);
// problems without an item (a missing dictionary, an XML structure problem)
// are not in it.  Known items are as many as the dictionaries hold; unknown
// ids as many as the file has, so only the first most_tallied_unknown_ids of
// them are tallied one by one, and the problems of the others counted.
typedef std::pair<int32_t, std::string> ItemKey;
const size_t most_tallied_unknown_ids = 1000;
struct ItemTallies {
    std::map<ItemKey, ItemTally> items;
    size_t unknown_ids = 0; // distinct unknown ids in `items`
    uint64_t untallied = 0; // problems of unknown ids beyond them
};

void count_item_problem(ItemTallies *tallies, const NaaccrItemProblem &problem);

// "PATH: record 1 (offset 0), column 548 [patient ID 00001234, tumour
// record 01, accession 200100123]: Item date: dateOfDiagnosis = "20191345":
// MESSAGE", the ids those the problem names, the message naming the item's
// name, number and columns.  An XML problem stands at its line and column,
// in its patient and tumour: "PATH: line 12, column 9 (patient 1, tumour 2)
// [patient ID 00001234]: Item date: dateOfDiagnosis (item 390) =
// "20191345": MESSAGE".  A problem without an item (a record problem) has
// neither the item nor its value: "...: Illegal character: MESSAGE".
void print_item_problem_text(const char *path, const NaaccrItemProblem &problem);

// One element of schema 2's "problems": the record problem's fields (an XML
// one's also "line", "patient", "tumor"), then "item" (number, id, name,
// start, length; number 0 for an unknown XML item) and "value", then
// "label" and the ids the problem names ("patient_id",
// "tumor_record_number", "accession_number").
void print_item_problem_json(const NaaccrItemProblem &problem, bool first);

// One element of "problems" for a record problem of a flat file, in either
// schema: "record", "offset", "column", "code", "code_name", "message", then
// "label" and the ids it names.
void print_record_problem_json(const NaaccrItemProblem &problem, bool first);

// "PATH: items with most problems: 390 dateOfDiagnosis 2, 220 sex 1", at most
// ten items, most problems first, ties by number, and "; 12 problems of
// further unknown ids" when some were not tallied; nothing when there are none.
void print_top_items_text(const char *path, const ItemTallies &tallies);

// ",\"problems_by_item\":[{...},...],\"untallied_unknown_items\":N", every
// item tallied, most problems first, then the problems of unknown ids not tallied.
void print_items_json(const ItemTallies &tallies);

// ---- check and checksum verify: the summary of one input (check_summary.cpp) ----

struct Report {
    const char *path;
    const CommandLine *line;
    bool verify;     // checksum verify: blank fields are counted, never listed
    bool items;      // --items, or the input is NAACCR XML: every item problem tallied, JSON schema 2
    bool codes;      // --codes: code_report is filled
    bool xml;        // the input is NAACCR XML
    bool opened;     // JSON: the object and its problem list are begun
    uint64_t listed; // problems written
    bool passed;     // the input was checked and has no problem that counts for the exit status
    ProgressLine progress;
    ItemTallies tallies; // when items
    NaaccrCodeReport code_report;
};

// Why an input could not be checked, for a result code without a reason of its own.
const char *failure_text(int32_t code);

// The summary line (and the line of the items with most problems, and with
// --codes the line of the lists used).
void print_summary_text(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error);

// The end of the JSON object, from the close of its problem list.
void print_summary_json(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error,
                        bool checksums);

// ---- inspect: one file inspected (inspect_input.cpp), and the hint (inspect_hint.cpp) ----

struct Inspection {
    NaaccrFileInfo info; // on entry info.directory holds the path for the library; then what was found
    int32_t code;        // the library's inspection result, or for NAACCR XML as inspect_input says
    bool xml;            // NAACCR XML: record_type and version are the root's; the record fields mean nothing
    bool compressed;     // gzip data, inspected decompressed: file_size counts the decompressed bytes
    char hint[256];      // what data that is no flat record file seems to be (file_hint), or ""
};

// Inspects the file `path`, taken exactly as given, as `check` reads it:
// data that starts with the gzip magic bytes is decompressed, whatever its
// name.  NAACCR XML (told as `check` tells it) is described by its root: its
// version and record type (the root's recordType, else the recordType item
// of the first tumour within its first 64 KiB), with code NAACCR_REC_OK when
// it gives a known version and a record type of A, M, C or I,
// NAACCR_REC_BAD_TYPE when it gives the version alone and
// NAACCR_REC_BAD_VERSION when it gives none; info.message says which, or why
// the root cannot be read.  Anything else is inspected by
// cvGet_naaccr_file_info: the file itself, or for gzip data a private
// temporary copy that holds every byte of the decompressed data that
// inspection reads, removed before this returns.  The path parts
// (directory, file_name, extension) are always those of info.directory.
// Returns NAACCR_REC_OK when *inspection is filled; NAACCR_REC_READ_FAILED,
// with the reason in `error`, for damaged or cut gzip data, a ".gz" file that
// is not compressed, a build without zlib or a copy that cannot be made;
// NAACCR_REC_NO_MEMORY.
int32_t inspect_input(const char *path, Inspection *inspection, char *error, size_t capacity);

// Writes the hint for a file that inspection left in `info` with `code` into
// `hint` (capacity bytes), from the `n` bytes at `head`, the first of the data
// inspected.  Returns false, with an empty hint, when there is nothing to say.
bool file_hint(const unsigned char *head, size_t n, const NaaccrFileInfo &info, int32_t code, char *hint,
               size_t capacity);

// ---- items: a version's dictionary (items.cpp), which show reads too ----

// The items of `version` defined for record types `bits` (NAACCR_ITEM_IN_...),
// in the library's order; none for a version without a dictionary.
std::vector<NaaccrItemDef> items_of(int32_t version, uint8_t bits);

// "17-19", an item's columns in a flat record; "-" for an item without any.
std::string columns_of(const NaaccrItemDef &item);

// The width of the widest id (or, with `names`, name) of `items`, at least 4.
int name_width(const std::vector<NaaccrItemDef> &items, bool names);

// The allowed codes of item `number` in `version` (cvGetNaaccrItemCodes);
// none when it has no list.
std::vector<NaaccrItemCode> codes_of(int32_t version, int32_t number);

// The codes of the items looked up so far, by version and item number.
typedef std::map<std::pair<int32_t, int32_t>, std::vector<NaaccrItemCode>> CodeLabels;

// The label of `value` (a flat field, padding included, or XML text) among
// the codes of `item` in `version`, looked up once per item in `labels`; null
// when the value is no code of a list with labels.
const char *code_label(CodeLabels *labels, int32_t version, const NaaccrItemDef &item, const std::string &value);

// ---- show: the input read (show_input.cpp), and NAACCR XML shown (show_xml.cpp) ----

// The two ways to catch what is shown; the caller sets both up.
struct ShowInput {
    const NaaccrItemCheckOptions *records; // flat records: their on_record catches the record
    const NaaccrReadOptions *tumours;      // NAACCR XML: their on_tumor catches the tumour
    bool xml;                              // set by read_show_input: the input was read as NAACCR XML
};

// Reads the input `path` as read_input does (a file, "-", gzip data of
// either) with cvReadNaaccrFile or cvReadNaaccrStream when the library
// tells NAACCR XML by its first bytes, else with the record check.  Fills
// *records (the record check's summary) and input->xml.
// Returns the library's result code, or read_input's with the reason in
// `error` (otherwise left empty).
int32_t read_show_input(const char *path, ShowInput *input, NaaccrCheckSummary *records, char *error, size_t capacity);

struct ShownItem {
    NaaccrItemDef def; // its texts are the library's own
    std::string value;
};

// The tumour looked for, and what the reader found.
struct WantedTumour {
    uint64_t number; // from 1
    uint64_t seen;   // tumours read
    uint64_t patient;
    bool found;
    int32_t version;
    char record_type;
    std::vector<ShownItem> items;
};

// Sets up `wanted` to look for tumour `number`, and `options` for the
// library's reader (cvReadNaaccrFile or cvReadNaaccrStream) to catch it
// into `wanted` and stop there.
void want_tumour(WantedTumour *wanted, uint64_t number, NaaccrReadOptions *options);

// The tumours of one patient (show --patient): each record or tumour whose
// Patient ID Number, blanks around it cut, is `id`, printed as it is read.
struct WantedPatient {
    const char *path;
    std::string id; // blanks around it cut
    bool all;
    uint64_t seen;  // records (flat) or tumours (XML) read
    uint64_t shown; // of them, printed
    // Flat records: the items of the last version and record type met.
    int32_t version;
    char record_type;
    std::vector<NaaccrItemDef> items;
};

// `text` without the blanks, tabs and line ends around it.
std::string without_blanks_around(const std::string &text);

// Sets up `options` for the library's reader (NAACCR XML) to print each
// tumour of the patient `wanted` names as show prints one tumour.
void want_patient(WantedPatient *wanted, NaaccrReadOptions *options);

// Prints the tumour that the reader caught, read from the input named
// `path` (its place, then each given item, with `all` also the items of the
// version and record type that are not given, as ""), one per line; or why
// there is none, on standard error, given the reader's result `code` and
// the reason `error` of an input that could not be read.  Returns the exit
// status: 0 shown, 1 no such tumour, 2 the input could not be read.
int print_xml_tumour(const char *path, WantedTumour *wanted, int32_t code, const char *error, bool all);

// ---- convert: its options (convert_options.cpp), and its input (convert_input.cpp) ----

struct ConvertLine {
    const char *input, *output; // IN and -o OUT
    const char *to, *items;     // --to and --items, or null
    bool lf, lossy, help;
    bool root_first, skip_bad_records;      // --root first, --skip-bad-records
    uint32_t encoding;                      // --encoding: NAACCR_CONVERT_LATIN1 or _WINDOWS_1252; 0 for none
    uint32_t max_problems;                  // --max-problems: 100 unless given; 0 lists every one
    std::vector<const char *> dictionaries; // --dictionary, in order
};

// Parses argv[1] to argv[argc - 1]; 0 when parsed (one input, or --help), 2
// after a message on standard error or for a wrong number of inputs.
int parse_convert_line(int argc, char **argv, ConvertLine *line);

// True when `name` ends in ".gz" (any case).
bool is_gz_name(const char *name);

// The target --to names, or else OUT's extension (before any .gz) tells:
// NAACCR_FORMAT_XML, _FLAT or _CSV; 0 when neither does.
int32_t target_of(const ConvertLine &line);

// Converts the input `path` as options say.  Returns the library's result
// code; when the input cannot be read for a reason the library does not know
// (damaged compressed data, a ".gz" file that is not compressed), the code is
// NAACCR_REC_READ_FAILED and the reason stands in `error`, which is otherwise
// left empty.
int32_t convert_input(const char *path, const NaaccrConvertOptions *options, NaaccrConvertSummary *summary, char *error,
                      size_t capacity);

#endif
