// tumors.h -- a file read one tumour at a time, whatever its format: a flat
// record taken apart into its given items by level, NAACCR XML's items
// gathered by Patient and Tumor, each tumour handed over as a NaaccrTumorView.
#ifndef TUMORS_H
#define TUMORS_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "items/items.h"

// ---- a tumour's items (tumor_items.cpp) ----

// A tumour holds at most this many given items at each level: more than any
// dictionary has.
const size_t most_tumor_items = 1024;

// A tumour's items as they are gathered; the view points into it.
struct TumorItems {
    NaaccrItemValue values[3][most_tumor_items];
    NaaccrTumorView view;
};

// Clears the items (not the view's numbers) and points the view at them.
void clear_tumor_items(TumorItems *tumor);

// Adds a value to its item's level; false when the level is full.
bool add_tumor_item(TumorItems *tumor, const NaaccrItemDef *item, const char *value, size_t length);

// How a flat record's items are found: the plan of one version and type.
struct FlatPlan;

// The plan of `dictionary` (140 to 180) and record type `type`, or null.
const FlatPlan *find_flat_plan(const NaaccrDictionary &dictionary, char type);

// Bytes of a record of the plan's layout, terminators not included.
size_t flat_record_length(const FlatPlan &plan);

// The given items of one flat record of `length` bytes, padding cut, into
// *tumor (the view's numbers are left as they are).
void take_flat_record(const FlatPlan &plan, const unsigned char *record, size_t length, TumorItems *tumor);

// True when the items at `level` of two records of the plan are the same.
bool same_flat_level(const FlatPlan &plan, uint8_t level, const unsigned char *a, const unsigned char *b,
                     size_t length);

// The span of the Patient ID Number in records of the plan; false when it has none.
bool patient_id_span(const FlatPlan &plan, size_t *offset, size_t *length);

// ---- reading (tumor_reading.cpp, flat_tumors.cpp, xml_tumors.cpp) ----

// The flags a reading takes (NaaccrReadOptions.flags): the encodings of the
// bytes above 126 of flat records, at most one of them.
const uint32_t known_read_flags = NAACCR_READ_LATIN1 | NAACCR_READ_WINDOWS_1252;
inline bool valid_read_flags(uint32_t flags)
{
    return (flags & ~known_read_flags) == 0 && (flags & known_read_flags) != known_read_flags;
}

// Where the problems of a reading go, and what it found.
struct ReadReport {
    NaaccrItemCheckSummary *summary;
    NaaccrItemProblemCallback on_problem; // or null
    void *context;
    uint32_t max_reported; // 0 for all
    uint64_t problems, reported;
};

// Counts a problem of `code` and hands it on (message made as printf makes
// it).  Returns non-zero when the callback asked to stop.
int32_t report_problem(ReadReport *report, int32_t code, uint64_t record, int64_t offset, int32_t column,
                       const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 6, 7)))
#endif
    ;

// Hands an item problem made elsewhere on; counts it in the summary's
// counts too unless the one who made it did (`count_kind` false).
int32_t report_item_problem(ReadReport *report, const NaaccrItemProblem *problem, bool count_kind = true);

// What a reading tells its caller inside the library beyond the tumours.
struct ReadListener {
    void *context;
    // NAACCR XML: the items of the user dictionaries loaded (`count` may be
    // 0), told once the root is read and before the first tumour; they live
    // until the reading returns.  Not called for flat records.
    void (*user_items)(void *context, const NaaccrItemDef *items, size_t count);
};

// Reads the file at `path`, or when it is null the stream `read` gives from
// `stream`, as cvReadNaaccrFile does, with `listener` (or null) told what the
// exports do not tell.  `options` (may be null) is of its size and its flags
// are valid_read_flags; fills *summary on every return.
int32_t read_naaccr_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                           NaaccrItemCheckSummary *summary, const ReadListener *listener);

// The options of the check a reading runs: `flags`, on the calling thread
// (the readers' callbacks need it), with `progress` when the caller of the
// reading wants progress, the caller's user dictionaries, and `context`.
void reading_check_options(const NaaccrReadOptions *options, uint32_t flags, NaaccrProgressCallback progress,
                           void *context, NaaccrItemCheckOptions *check);

// Reads flat records from the file `path`, or when it is null from `read`.
int32_t read_flat_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                         ReadReport *report);

// Reads NAACCR XML from `read`; `listener` may be null.
int32_t read_xml_tumors(NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options, ReadReport *report,
                        const ReadListener *listener);

#endif
