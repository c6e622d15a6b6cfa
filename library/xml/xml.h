// xml.h -- checking a NAACCR XML file as it streams past: its form,
// its root, its structure and every item by the dictionary the root names.
#ifndef XML_H
#define XML_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

// Checks the NAACCR XML file whose first `head_length` bytes are `head` (may
// be null when 0) and whose further bytes `read` gives from `stream` (null:
// there are none); `total` is the file's size, or -1 when unknown, and is only
// handed to the progress callback.  Once the root names its base dictionary,
// the user dictionaries at options.dictionaries are loaded.  Problems go to
// options.on_item_problem (kinds NAACCR_CHECK_ITEM_..., _XML_... and
// _USER_DICTIONARY), at most options.max_reported of them (0: all), each
// counted in summary->counts and summary->records.problems; a callback's
// non-zero return stops the check (summary->records.stopped
// NAACCR_STOP_CALLBACK, or NAACCR_STOP_PROGRESS for the progress callback,
// which is called as for cvCheckNaaccrStream with tumours as records).  Fills
// *summary whole: format NAACCR_FORMAT_XML, version, specificationVersion,
// userDictionaryUri, patients, tumours, items; records.record_type (' ' when
// unknown), records.version ("250"; " " when unknown), records.records =
// tumours, records.bytes = bytes read.  Returns NAACCR_REC_OK,
// NAACCR_REC_READ_FAILED when `read` returned -1, or NAACCR_REC_NO_MEMORY.
// Holds at most about 60 MB whatever the input (xml_state.h's budget of
// expat's memory and the check's own state).
int32_t check_naaccr_xml(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                         size_t head_length, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary);

// What a reader of tumours learns from the check as the file streams past.
// Pointers live only during the call; a non-zero return stops the check.
struct XmlTumorHook {
    void *context;
    // A given (not blank) Item of a known item, at the element `level` it
    // stands in, as kept: up to one character more than its length (for
    // unlimited text, than hooked_text_characters); `cut` when more came.
    // The same item again in one element is not handed over: it is a
    // NAACCR_CHECK_ITEM_REPEATED problem, and the first value stands.
    int32_t (*item)(void *context, int level, const NaaccrItemDef *def, const unsigned char *value, size_t n, bool cut);
    // A Patient (level 1) or Tumor (level 2) opened or closed; `offset` of the tag.
    int32_t (*element)(void *context, int level, bool opened, int64_t offset);
    // An extension (an element of another namespace) passed over at `level`.
    int32_t (*extension)(void *context, int level, int64_t offset);
    // The user dictionaries' items, loaded once the root named a known base
    // dictionary (`count` may be 0), before any Item is handed over.  They
    // live until the check returns.  May be null.
    void (*user_items)(void *context, const NaaccrItemDef *items, size_t count);
};

// check_naaccr_xml, and the file's content handed to `hook` as it goes.
int32_t check_naaccr_xml_hooked(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                                size_t head_length, const NaaccrItemCheckOptions &options,
                                NaaccrItemCheckSummary *summary, const XmlTumorHook *hook);

// How a check reads the file.  Either way it finds the same problems, the
// same places and the same summary; expat alone is what the fast path is held
// against.
enum XmlPath {
    XML_PATH_EXPAT, // expat reads every byte
    XML_PATH_FAST,  // a UTF-8 or US-ASCII file is read by the fast path after its root's start tag
};

// check_naaccr_xml_hooked, read by `path` (`hook` may be null).
int32_t check_naaccr_xml_by(NaaccrReadCallback read, void *stream, int64_t total, const unsigned char *head,
                            size_t head_length, const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                            const XmlTumorHook *hook, XmlPath path);

// A file read at any offset, from any thread at once.
struct XmlFile {
    // Reads up to `n` bytes at `offset` into `buffer` and sets *got: fewer
    // than `n` only at the file's end.  False when the file cannot be read.
    bool (*read_at)(const void *context, int64_t offset, void *buffer, size_t n, size_t *got);
    const void *context;
    int64_t size;
};

// How a file is cut into pieces checked at once.
struct XmlPieces {
    unsigned threads;   // worker threads; 0: the calling thread checks each piece in turn
    int64_t piece_size; // bytes from one piece's start to the next one's
    XmlPath path;
};

// The usual pieces: 8 MB each, read by the fast path.
const int64_t xml_piece_size = 8 << 20;

// Checks a NAACCR XML file as check_naaccr_xml does, and finds the same
// problems in the same order with the same places, numbers and values, and
// the same summary: after the root's start tag and what stands in the root
// before its first Patient, the file is cut into pieces at Patients in the
// root, each checked on its own (by `pieces.threads` workers) from the state
// the root left, the problems handed on in file order on the calling thread.
// Where a piece's start turns out not to be where the piece before it ended,
// or the root held more than Patients, the rest is checked in one pass.  A
// file whose head cannot be replayed (a root's start tag beyond the first
// 64 KB, a DOCTYPE, an encoding other than UTF-8, US-ASCII, ISO-8859-1 or
// windows-1252, a root that is not read) is checked in one pass.  `head`
// holds the file's first `head_length` bytes.  Each worker holds at most
// about 8 MB whatever the input.
int32_t check_naaccr_xml_file(const XmlFile &file, const unsigned char *head, size_t head_length,
                              const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary,
                              const XmlPieces &pieces);

// Characters of an unlimited text item a reader of tumours holds.
const size_t hooked_text_characters = 4000;

// Stops a check once this many bytes were fed without a completed tag,
// attribute, comment or processing instruction.
const uint64_t xml_longest_token = 16u << 20;

// Elements open at once, the root included: NAACCR XML needs four
// (NaaccrData, Patient, Tumor, Item), extensions a few more.  One element
// deeper is one NAACCR_CHECK_XML_STRUCTURE problem, and the check stops.
const uint64_t xml_deepest_nesting = 256;

#endif
