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
