// xml_state.h -- what the parts of the NAACCR XML check share inside their
// folder while one file streams through expat.  The state is split by the
// file that fills each part: the run (xml_checker.cpp), the root
// (xml_root.cpp), the user items (xml_user_dictionary.cpp), the tree
// (xml_elements.cpp), the Item being read (xml_items.cpp), the codes
// (xml_codes.cpp), the places (xml_places.cpp), the encoding
// (xml_encoding.cpp) and the ids that name problems (xml_report.cpp).  Any part may read another; only its own file
// writes it.
#ifndef XML_STATE_H
#define XML_STATE_H

#include <stddef.h>
#include <stdint.h>

#include <expat.h>

#include "base/base.h"
#include "codes/codes.h"
#include "cvnaaccr.h"
#include "items/items.h"
#include "xml/xml.h"

// expat joins an element's namespace and local name with this character; an
// attribute value cannot hold it (a newline there becomes a blank).
const char xml_name_separator = '\n';
// An Item of the NAACCR namespace as expat names it.
#define NAACCR_XML_ITEM NAACCR_XML_NAMESPACE "\nItem"
static_assert(NAACCR_XML_ITEM[sizeof NAACCR_XML_NAMESPACE - 1] == xml_name_separator, "expat's separator");

// Where a problem stands in the file.
struct XmlPlace {
    uint64_t line;
    int32_t column; // from 1
    int64_t offset;
};

// The item a problem is about: its definition when known, its id as written.
struct XmlItemRef {
    const NaaccrItemDef *def; // or null
    const char *id;           // NUL-terminated; "" when none
    const char *value;        // or null
    size_t value_length;
};

// ---- expat's memory (xml_memory.cpp) ----

// What expat may hold for one check beside its buffer, the user
// dictionaries' parsers (buffers included) counted too: the names it keeps
// (of every element, attribute and namespace prefix seen, and of the open
// elements), the attributes and namespace declarations of the open start
// tags.  NAACCR XML needs a few kilobytes of it.  The buffer of the check's
// own parser is bounded apart: it holds the token expat has not seen whole,
// at most xml_longest_token bytes, and the block fed after it, and grows by
// taking one twice the size before it lets the old go (16 and 32 MB).
const size_t xml_memory_budget = 16u << 20;

struct XmlMemory {
    size_t used;   // bytes counted
    bool exceeded; // an allocation was refused: the budget ran out
    bool buffer;   // the check's parser is taking its buffer: not counted
    size_t limit;  // a smaller budget (a worker's); 0: xml_memory_budget
};

// Every expat parser made by create_counted_parser on this thread, until
// leave_xml_memory, takes its memory from *memory (what a parser took stays
// counted where it was taken).  Returns the budget it replaces.
XmlMemory *enter_xml_memory(XmlMemory *memory);
void leave_xml_memory(XmlMemory *previous);
// A parser of namespaces (names joined by xml_name_separator) whose memory
// counts against the budget entered; null when none can be made.
XML_Parser create_counted_parser();

// ---- the run (xml_checker.cpp) ----

// How expat's places map onto the file's.  expat counts from the first byte
// it was given; where the fast path hands over, or a piece starts, that is
// the head replayed (xml_resume.cpp) and the file's bytes follow it.
struct XmlFrame {
    int64_t offset_shift; // the file's offset = expat's byte index + offset_shift
    int64_t line_shift;   // the file's line = expat's line + line_shift
    uint64_t join_line;   // expat's line on which the file's bytes begin; 0: none
    int64_t join_column;  // on it, the file's column = expat's (from 0) + join_column
};

// The file's start, kept while it is read up to the end of the root's start
// tag: what expat is given again before any later byte (xml_resume.cpp).
struct XmlHead {
    unsigned char *bytes; // null when not kept
    size_t length, capacity;
    bool whole;        // bytes run to the end of the root's start tag, and may be replayed
    bool ascii;        // declared US-ASCII: the fast path takes no byte above 127
    size_t root_start; // offset of the root's '<'
    bool fast;         // UTF-8 or US-ASCII, a default namespace that fits: the fast path may read on
    char space[256];   // the default namespace the root declares; "" for none
    XmlPlace end;      // where the root's start tag ends
};

// The end of a piece of a file checked by several threads (xml_pieces.cpp):
// the first Patient in the root at the start of a line (only blanks before it
// on its line) at `boundary` or later.
struct XmlSplit {
    int64_t boundary;  // -1: the run has no end but the file's
    bool any_place;    // any Patient in the root ends it, wherever it stands (the first piece's start)
    bool stop_touched; // it ends there even after the root held something else (a worker's piece)
    bool touched;      // since the run started, the root held more than Patients and white space
    int64_t ended_at;  // where the run ended at such a Patient; -1 when it did not
    XmlPlace ended_place;
    // A worker's run gives up (`gave_up`) at a token longer than this, which
    // the calling thread then checks itself: what a worker holds stays small.
    uint64_t longest_token; // 0: xml_longest_token, reported as one pass reports it
    bool gave_up;
};

// The parser, the caller's options and summary, and how far the file was
// fed.  The summary's fields are filled by the part that learns them: the
// root's description of the file by xml_root.cpp, the counts of patients,
// tumours and records by xml_elements.cpp, of items by xml_items.cpp, of
// problems by xml_report.cpp, and the bytes read by xml_checker.cpp.
struct XmlRun {
    XML_Parser parser; // null while the fast path reads
    const NaaccrItemCheckOptions *options;
    const XmlTumorHook *hook; // or null
    NaaccrItemCheckSummary *summary;
    StopReason stopped;
    bool halted; // the parser was told to stop: no handler acts on what follows
    XmlFrame frame;
    struct XmlFast *fast; // the fast path while it hands events to the handlers
    XmlPlace event;       // the fast path's place of the event being handed over
    // Bounds on a token: where the token expat has not seen whole starts
    // (after the last block fed), and the offset after the last byte fed.
    int64_t last_event;
    uint64_t fed;
    XmlMemory memory;
    XmlHead head;
    XmlSplit split;
    bool fast_allowed; // the fast path may take over after the root's start tag, and before a Patient in the root
    // The fast path's state and window (fast_window bytes) kept from run to
    // run by a worker; null: a run allocates its own.
    struct XmlFast *kept_fast;
    bool take_over;        // expat was suspended there for it
    bool take_over_at_tag; // at the start of a Patient's tag, at take_over_place; else after the root's
    XmlPlace take_over_place;
    int64_t handed_back_at; // where the fast path last handed the file to expat; -1: never
    uint64_t next_progress;
};

// Bytes at a block's end that a block holds back for the next one.
const size_t held_back_most = 1024;

// Where a run's bytes come from: bytes held back, bytes at hand, then the
// read function.
struct XmlSource {
    const unsigned char *ready;
    size_t ready_length;
    NaaccrReadCallback read; // null: nothing beyond the bytes at hand
    void *stream;
    int64_t total; // the file's size for the progress callback; -1 when unknown
    bool ended;    // `read` said the file has no more
    unsigned char held[held_back_most];
    size_t held_length;
};

// ---- the root (xml_root.cpp) ----
struct XmlRoot {
    const NaaccrDictionary *dictionary; // null: items are not checked
    ItemIndex *index;                   // the dictionary's and the user items, by id
    uint8_t type_bit;                   // NAACCR_ITEM_IN_... of recordType; 0 when unknown
    bool no_memory;                     // the user dictionaries could not be loaded
};

// ---- user dictionaries (xml_user_dictionary.cpp) ----
// A registry's own user dictionaries, loaded for one check from the files its
// caller names.  The items of every user dictionary loaded, in load order;
// their texts are owned here.
struct UserItems {
    NaaccrItemDef *items;
    size_t count, capacity;
    char uris[512]; // the dictionaryUri of each, separated by blanks (cut to fit)
};

// ---- the tree (xml_elements.cpp) ----

// What an open element has held so far: its Items come first, then
// extensions, then its children (Patients, Tumors).
enum ElementPhase { PHASE_ITEMS, PHASE_EXTENSIONS, PHASE_CHILDREN };

struct XmlTree {
    int level;                 // -1 before the root, then NAACCR_LEVEL_ROOT, _PATIENT, _TUMOR
    ElementPhase phase[3];     // per open level
    bool text_reported[3];     // text outside Items already reported in the open element
    bool text_pending;         // text outside Items seen, reported at the next tag
    uint64_t skip_depth;       // > 0 inside an extension or an element passed over
    uint64_t tumor_in_patient; // the open Tumor's number within its Patient
    bool no_namespace;         // the root has none: neither have the format's elements
};

// ---- the Item being read (xml_items.cpp) ----

// The Item element being read.
struct XmlItem {
    const NaaccrItemDef *def; // null: unknown, or nothing to check
    size_t index;             // def's place in the item index; item_index_most: none
    bool read;                // its text is kept: known, or unknown to a dictionary
    unsigned faults;          // what its start tag showed, reported with its value
    const char *id;           // naaccrId as written: the item's own id, or `written_id`
    char written_id[64];      // an id not found, cut to fit
    char number[16];          // naaccrNum as written, cut to fit
    size_t limit;             // characters kept: one more than the item holds
    unsigned char *value;     // what is kept of its text: at most `capacity` bytes
    size_t capacity, length;
    uint64_t characters; // characters of its whole text
    size_t kept_characters;
    bool cut;      // more text came than was kept
    bool text_cut; // ... and more than white space
};

// Values given at one level, by the item's place in the item index, each cut
// to the item's length: what the same item at an inner level is compared with.
struct HeldValues {
    unsigned char *bytes; // held_capacity bytes
    size_t used;
    uint32_t *at;     // by place: where its value starts in bytes
    uint32_t *length; // by place: its value's bytes; 0 when none is held
};

// Bytes of values held at a level: every item of any dictionary at its full
// length in four-byte characters is under a third of it.
const size_t held_capacity = 1u << 20;

struct XmlItems {
    bool in_item;
    XmlItem item;
    // Items seen in each open element, by index into the dictionary.
    uint8_t *seen[3];
    uint16_t *seen_list[3];
    size_t seen_count[3];
    // The values given at the root and in the open Patient.
    HeldValues held[2];
};

// ---- the codes (xml_codes.cpp) ----

// The values the tumour rules read, as one level gives them (with those of
// the levels around it), and where each Item stands, for a rule's problem.
struct RuleLevel {
    TumorValues values;
    XmlPlace places[RULE_ITEM_COUNT];
    const NaaccrItemDef *defs[RULE_ITEM_COUNT];
    uint8_t lengths[RULE_ITEM_COUNT]; // bytes of each value as the file gives it
    char texts[RULE_ITEM_COUNT][longest_rule_value];
};

// With NAACCR_CHECK_CODES and a root whose dictionary has lists.
struct XmlCodes {
    bool on;
    TumorRules rules;
    // By an item's place in the base dictionary: 1 + its entry in `codes`; 0: no list.
    uint8_t code_of[item_index_most];
    ItemCodes codes[most_coded_items];
    RuleLevel levels[3]; // the root's, the open Patient's, the open Tumor's
};

// ---- the places (xml_places.cpp) ----

enum { XML_COUNT_UTF8 = 1, XML_COUNT_BYTES = 2 };

struct XmlPlaces {
    unsigned char first_bytes[4]; // of the file, for its encoding
    bool encoding_noted;
    int counting; // XML_COUNT_...: how bytes count in a column; 0: expat is asked
    bool anchored;
    XmlPlace anchor; // a place expat told, whose bytes on expat still holds
    XmlPlace item;   // the open Item's start tag; until `item_placed`, only its offset
    bool item_placed;
};

// ---- the encoding (xml_encoding.cpp) ----
struct XmlEncoding {
    bool refused; // reported: expat's own error about it is not
};

// ---- the fast path (xml_fast.cpp) ----

// Bytes the fast path reads at a time, and what it keeps of an element it opened.
const size_t fast_window = 1u << 20;
const int fast_most_depth = 16;
const size_t fast_longest_name = 64;

struct FastOpen {
    // As expat names it: the default namespace, the separator, the local
    // name (no namespace: the local name alone); the root's as written.
    char name[sizeof XmlHead::space + fast_longest_name + 2];
    const char *local;
    size_t length; // of the local name
    // Its end tag without blanks ("</Item>") as the first bytes of a
    // little-endian word, and the mask of those bytes; 0 when it is longer.
    uint64_t end_tag, end_mask;
};

const size_t fast_most_attributes = 8;
const size_t fast_attribute_text = 8192;

struct XmlFast {
    unsigned char *window; // `capacity` bytes: fast_window, or more bytes at hand at the start
    size_t capacity;
    size_t at, end;        // the bytes read and not yet taken: [at, end)
    int64_t window_offset; // the file's offset of window[0]
    // The place of `at`: its line, where that line starts in the file (which
    // may be before the window), and the UTF-8 continuation bytes between.
    uint64_t line;
    int64_t line_start;
    int64_t line_extra;
    int depth; // open elements, the root the first
    FastOpen open[fast_most_depth];
    const XML_Char *attributes[2 * fast_most_attributes + 1];
    char attribute_text[fast_attribute_text];
};

// ---- the ids (xml_report.cpp) ----

// With NAACCR_CHECK_IDS a problem names its patient and tumour, which a
// Patient and a Tumor give among their Items: so the problems of an element
// whose Items have not ended are held, then handed on named.  Only the
// innermost open element holds: a Patient's Items end before its first Tumor.

// A held problem: its texts in XmlIds.text, from the offsets here.
struct HeldProblem {
    NaaccrItemProblem problem;
    size_t message_at, id_at, value_at;
    int level; // the element it was found in
};

// Bytes of the messages, ids and values held: a thousand problems of a few
// hundred bytes each fit; values of long text items may not.
const size_t held_text_capacity = 1u << 20;

struct XmlIds {
    bool on;                       // NAACCR_CHECK_IDS
    ProblemIds given[level_count]; // what the open Patient [1] and Tumor [2] gave so far
    bool items_ended[level_count]; // its Items have ended: its ids are final
    HeldProblem *held;             // NAACCR_CHECK_MOST_HELD entries
    size_t held_count;
    char *text; // held_text_capacity bytes
    size_t text_used;
    bool unnamed; // the open element held all it could: its problems go out at once without ids
};

struct XmlCheck {
    XmlRun run;
    XmlRoot root;
    UserItems user;
    XmlTree tree;
    XmlItems items;
    XmlCodes codes;
    XmlPlaces places;
    XmlEncoding encoding;
    XmlIds ids;
};

// ---- xml_checker.cpp ----
// Clears *check and *summary for a check with `options` and `hook` (may be
// null); `keep` keeps the file's start for a replay.  False when out of memory.
bool start_check(XmlCheck *check, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                 const XmlTumorHook *hook, bool keep);
// Frees what the check holds (its parser too).
void finish_check(XmlCheck *check);
// Checks the file from its first byte, which `source` gives.
int32_t check_from_start(XmlCheck *check, XmlSource *source);
// Up to `size` bytes of the source into `buffer`; 0 at its end, -1 when it cannot be read.
int64_t take_bytes(XmlSource *source, void *buffer, uint32_t size);
// Of `n` bytes just taken from `source`, how many to give expat now: the
// rest, a word cut by the block's end, goes back to the source.  expat judges
// a name cut by a block's end after the root at once (as junk, where the
// whole name followed by '=' is an invalid token one place on), so no block
// but the file's last ends inside one, whatever blocks the file comes in;
// nor in a CR.
size_t hold_back(XmlSource *source, const unsigned char *bytes, size_t n);
// A parser for the check; with `handlers`, the check's own set, else none
// but the encoding's (set_handlers adds them).
XML_Parser make_parser(XmlCheck *check, bool handlers);
void set_handlers(XML_Parser parser);
// What feeding expat came to: it may read on, the check ended, or expat was
// suspended for the fast path (run.take_over).
enum XmlFeed { FEED_ON, FEED_END, FEED_TAKE_OVER };
// Gives expat `n` bytes at hand, which came from `source` (held back as hold_back says).
XmlFeed feed_bytes(XmlCheck *check, XmlSource *source, const unsigned char *bytes, size_t n, int32_t *status);
// Reads on after `result`: expat reads the source, the fast path reads where
// expat is suspended for it, to the end of the file or of the check.
int32_t read_on(XmlCheck *check, XmlSource *source, XmlFeed result, int32_t status);
// Reads the source from `place` in the root, before a Patient: by the fast
// path where it may, else by expat.
int32_t read_from(XmlCheck *check, XmlSource *source, const XmlPlace &place);
// At a Patient in the root while expat reads after the fast path handed the
// file over: true when expat is suspended so that the fast path reads on
// from this Patient's tag.
bool takes_back(XmlCheck *check);
// Bytes between calls of the progress callback.
const uint64_t xml_progress_step = 4u << 20;
bool progress_due(const XmlCheck *check);
// Calls the progress callback; non-zero when it asked to stop (the check then has).
int32_t report_progress(XmlCheck *check, int64_t total);
// At the root's start tag: the head is whole, and whether the fast path takes over.
void note_root_tag(XmlCheck *check);
// Tells the parser to stop: no handler acts on anything after.
void halt_parser(XmlCheck *check);
// Hands the hook's return on: a non-zero one stops the check.
void hook_result(XmlCheck *check, int32_t result);
// Stops the parser for `reason`, unless the check stopped already.
void stop_check(XmlCheck *check, StopReason reason);

// ---- xml_fast.cpp ----
// Reads the file on from `start` (in the root, after its start tag or before
// a Patient in it) with the fast path: `n` bytes at hand from `bytes` (which
// may be the check's parser's: it is freed once they are taken), then the
// source.  Hands what it does not read itself to expat (resume_with_expat)
// with the elements it has open, and returns what feeding expat the bytes it
// held came to; FEED_END when the check ended (*status says how).
XmlFeed run_fast_path(XmlCheck *check, XmlSource *source, const XmlPlace &start, const unsigned char *bytes, size_t n,
                      int32_t *status);
// The `n` bytes before `offset` while the fast path still holds them; null otherwise.
const unsigned char *fast_bytes_before(const XmlFast *fast, int64_t offset, size_t n);

// ---- xml_resume.cpp ----
// Starts expat at `place` in the file, inside the root and the elements
// named by `open` (`count` of them, outermost first, as written): the head
// is replayed with no handlers, then a start tag for each, and its places
// are mapped onto the file's from there.  False when out of memory.
bool resume_with_expat(XmlCheck *check, const char *const *open, const size_t *lengths, int count,
                       const XmlPlace &place);

// ---- xml_places.cpp ----
// The file's first bytes (`n` may be fewer than 4), which tell its encoding.
void note_first_bytes(XmlCheck *check, const unsigned char *head, size_t n);
// The file's encoding as its declaration names it (null: none) and its first
// bytes show: whether Items' places may be counted from an anchor.
void note_encoding(XmlCheck *check, const char *encoding);
// At an Item's start tag: its offset, and its place when it cannot be
// counted later.
void start_item_place(XmlCheck *check);
// Makes the open Item's place known: expat's own at its start tag, or
// counted from the anchor.
void place_item(XmlCheck *check, bool at_start_tag);
// After each block: places an open Item while its bytes are still there,
// then anchors at expat's place.
void settle_places(XmlCheck *check);
// True when only blanks and tabs stand before `place` on its line, as far as
// the bytes still held show.
bool starts_line(const XmlCheck *check, const XmlPlace &place);
// How `from` counts places; no anchor yet.
void take_places(XmlCheck *to, const XmlCheck *from);

// ---- xml_report.cpp ----
XmlPlace current_place(const XmlCheck *check);
// The current event's byte offset, without its line and column.
int64_t current_offset(const XmlCheck *check);
// Counts a problem and hands it on (within max_reported); a non-zero return
// of the callback stops the parser.  `message` is made printable.
void report_xml(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *message);
// The same, with the message made by printf from `format`.
void report_xmlf(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 5, 6)))
#endif
    ;
// With NAACCR_CHECK_IDS the store of held problems; false when out of memory.
bool allocate_ids(XmlCheck *check);
void free_ids(XmlCheck *check);
// A Patient or Tumor opened at `level`: it has given no id, its Items go on.
void open_id_element(XmlCheck *check, int level);
// A given value of an id item (items.h's problem_id_of) in the open element,
// when the element is the item's level: it names the element's problems.
void note_id_item(XmlCheck *check, const NaaccrItemDef *def, const unsigned char *value, size_t n);
// The Items of the open Patient or Tumor at `level` ended (its first
// extension, child or end tag): what it held goes out, named.
void end_id_items(XmlCheck *check, int level);
// The run ends: what is held goes out, named by the ids given so far.  Call
// while the parser still stands.
void release_held_problems(XmlCheck *check);

// ---- xml_elements.cpp ----
// Before the root: no element open.
void start_tree(XmlCheck *check);
// A piece's tree: the root open as `from` left it before a Patient; `after`
// one: Patients came before.
void take_tree(XmlCheck *to, const XmlCheck *from, bool after_patient);
void XMLCALL xml_start_element(void *user, const XML_Char *name, const XML_Char **attributes);
void XMLCALL xml_end_element(void *user, const XML_Char *name);
void XMLCALL xml_text(void *user, const XML_Char *text, int length);

// ---- xml_root.cpp ----
bool allocate_root(XmlCheck *check);
void free_root(XmlCheck *check);
// The root as `from` read it: its dictionary, record type, item index (a
// copy of its own) and user items (borrowed: they stay `from`'s).
void take_root(XmlCheck *to, const XmlCheck *from);
// Checks the root element NaaccrData's attributes and sets the dictionary,
// the record type and the summary's description of the file.
void check_root_attributes(XmlCheck *check, const XML_Char **attributes);

// ---- xml_items.cpp ----
bool allocate_item_state(XmlCheck *check);
void free_item_state(XmlCheck *check);
// The items seen and the values held at the root in `from`; no element below open.
void take_root_items(XmlCheck *to, const XmlCheck *from);
// Forgets the items seen at `level` (a new element of that level opened).
void clear_seen_items(XmlCheck *check, int level);
void start_item(XmlCheck *check, const XML_Char **attributes);
void add_item_text(XmlCheck *check, const char *text, size_t n);
void end_item(XmlCheck *check);

// ---- xml_codes.cpp ----
// Once the root named its dictionary: the lists of its items and its rules,
// when the options ask for codes and the version has lists.
void prepare_codes(XmlCheck *check);
// A Patient or Tumor opened at `level`: its values start as those around it.
void open_code_level(XmlCheck *check, int level);
// The open Item's value, which passed its item's rules when `passed`: its
// code checked, and kept for the rules when they read it.  `def` is the
// base dictionary's.
void check_item_codes(XmlCheck *check, const NaaccrItemDef *def, bool passed);
// The open Tumor ends: its rules judge it, and their problems go out.
void judge_xml_tumor(XmlCheck *check);

// ---- xml_user_dictionary.cpp ----
// Loads the user dictionaries of the check's options for a file of the
// check's base dictionary into check->user.  Each file that cannot be read,
// is not well-formed, or holds an item that is not valid (no id, an id of
// more than 32 characters, an id or number of the base dictionary or of an
// item loaded before, no valid length or level) is a
// NAACCR_CHECK_USER_DICTIONARY problem; its valid items are loaded all the
// same.  Returns false when out of memory.
bool load_user_dictionaries(XmlCheck *check);
void free_user_items(UserItems *items);

// ---- xml_encoding.cpp ----
// expat's handler for encodings it does not know: windows-1252 is mapped,
// any other is one NAACCR_CHECK_XML_ENCODING problem.
int XMLCALL xml_unknown_encoding(void *data, const XML_Char *name, XML_Encoding *info);

#endif
