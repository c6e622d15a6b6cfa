// record_model.h -- records as items: a flat record taken apart into its
// given items by level, tumours gathered into patients, and the writers that
// turn tumours into NAACCR XML, flat records or CSV.
//
// Everything here works on NaaccrTumorView, whatever file it was read from,
// so a writer does not know whether its tumours came from flat records or
// from XML.
#ifndef RECORD_MODEL_H
#define RECORD_MODEL_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "dictionary.h"

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

// Output gathered into large writes.
struct OutputBuffer {
    NaaccrWriteCallback write;
    void *output;
    char *bytes;
    size_t used, capacity;
    bool failed; // a write failed: nothing more is written
};

// Takes `capacity` bytes for the buffer; false when there is no memory.
bool open_output_buffer(OutputBuffer *out, NaaccrWriteCallback write, void *output, size_t capacity);
// Writes what is held; false when a write failed, now or before.
bool flush_output_buffer(OutputBuffer *out);
void close_output_buffer(OutputBuffer *out);
void put_bytes(OutputBuffer *out, const char *bytes, size_t n);
void put_text(OutputBuffer *out, const char *text);
// One byte: the common case without a call.
inline void put_byte(OutputBuffer *out, char c)
{
    if (out->used < out->capacity)
        out->bytes[out->used++] = c;
    else
        put_bytes(out, &c, 1);
}

// What a writer reports: a problem of `code` about `item` (or null) of the
// tumour `view` (or null), with a message made as printf makes it.  Returns
// non-zero when the conversion must stop.
struct WriterContext;
int32_t writer_problem(WriterContext *context, int32_t code, const NaaccrTumorView *view, const NaaccrItemDef *item,
                       const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 5, 6)))
#endif
    ;

// What every writer shares.
struct WriterContext {
    OutputBuffer out;
    bool lossy;
    bool lf;
    bool refused;       // a problem the target cannot take: the output is not to be used
    bool started;       // XML: the root is open
    bool patient_open;  // XML: a Patient is open
    char *record;       // flat: room for one record and its terminator
    uint64_t written;   // records, tumours or rows
    uint64_t left_out;  // what the target could not hold
    void *problem_host; // the converter, which counts and hands on problems
    int32_t (*deliver)(void *host, const NaaccrItemProblem *problem);
};

// NAACCR XML: the root element with the first tumour, each tumour in its
// Patient, and the end.  Return non-zero to stop.
int32_t write_xml_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const NaaccrTumorView &view);
void finish_xml(WriterContext *context);

// A flat record per tumour: its items padded in their columns, the checksum
// field assigned.
int32_t write_flat_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const NaaccrTumorView &view);

// Which items a CSV target's columns are.
struct CsvChoice {
    const char *ids;           // naaccrIds separated by commas; null: the default columns
    char type;                 // flat input: the record type whose items are the default
    bool every_type;           // NAACCR XML input: the default is every item, then the user items
    const NaaccrItemDef *user; // NAACCR XML: the user dictionaries' items, which ids may name too
    size_t user_count;
};

// CSV columns, by index: the dictionary's items, then the user items.
struct CsvColumns {
    const NaaccrDictionary *dictionary;
    const NaaccrItemDef *user;
    size_t user_count;
    uint16_t *items; // indices of the columns, in order
    size_t count;
    bool chosen;                   // named by the caller, not the default
    int32_t *column_of;            // by index: the column, or -1
    uint8_t *without_column;       // by index: 1 once a value was given that has no column
    uint32_t items_without_column; // distinct items given that had no column (chosen columns)
    const char **values;           // the row being written, by column; null: not given
    uint32_t *lengths;             // ... and the values' lengths
};

// The columns `choice` names: its ids, or when null, for NAACCR XML every
// item of the dictionary and then the user items, for flat records every
// item of the record type, in dictionary order (grouped items aside).
// Returns false, with the unknown id in `unknown`, when a name is not an
// item, or "(no memory)".
bool make_csv_columns(const NaaccrDictionary &dictionary, const CsvChoice &choice, CsvColumns *columns, char *unknown,
                      size_t capacity);
void free_csv_columns(CsvColumns *columns);
void write_csv_header(WriterContext *context, const NaaccrDictionary &dictionary, const CsvColumns &columns);
// One row.  A given item without a column is counted in
// columns->items_without_column when the caller chose the columns; with the
// default columns (which lack only grouped items) it cannot be held, and is
// refused or, lossy, listed and left out.  Returns non-zero to stop.
int32_t write_csv_tumor(WriterContext *context, const NaaccrDictionary &dictionary, CsvColumns &columns,
                        const NaaccrTumorView &view);

#endif
