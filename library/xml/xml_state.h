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
// The parser, the caller's options and summary, and how far the file was
// fed.  The summary's fields are filled by the part that learns them: the
// root's description of the file by xml_root.cpp, the counts of patients,
// tumours and records by xml_elements.cpp, of items by xml_items.cpp, of
// problems by xml_report.cpp, and the bytes read by xml_checker.cpp.
struct XmlRun {
    XML_Parser parser;
    const NaaccrItemCheckOptions *options;
    const XmlTumorHook *hook; // or null
    NaaccrItemCheckSummary *summary;
    StopReason stopped;
    // Bounds on a token: where the token expat has not seen whole starts
    // (after the last block fed), and bytes fed.
    int64_t last_event;
    uint64_t fed;
    XmlMemory memory;
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
// Hands the hook's return on: a non-zero one stops the check.
void hook_result(XmlCheck *check, int32_t result);
// Stops the parser for `reason`, unless the check stopped already.
void stop_check(XmlCheck *check, StopReason reason);

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
void XMLCALL xml_start_element(void *user, const XML_Char *name, const XML_Char **attributes);
void XMLCALL xml_end_element(void *user, const XML_Char *name);
void XMLCALL xml_text(void *user, const XML_Char *text, int length);

// ---- xml_root.cpp ----
bool allocate_root(XmlCheck *check);
void free_root(XmlCheck *check);
// Checks the root element NaaccrData's attributes and sets the dictionary,
// the record type and the summary's description of the file.
void check_root_attributes(XmlCheck *check, const XML_Char **attributes);

// ---- xml_items.cpp ----
bool allocate_item_state(XmlCheck *check);
void free_item_state(XmlCheck *check);
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
