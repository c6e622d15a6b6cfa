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

// CSV columns: items of the dictionary, by index.
struct CsvColumns {
    uint16_t *items; // dictionary indices of the columns, in order
    size_t count;
    int32_t *column_of;  // by dictionary index: the column, or -1
    const char **values; // the row being written, by column; null: not given
    uint32_t *lengths;   // ... and the values' lengths
};

// The columns named in `ids` (naaccrIds separated by commas), or, when null,
// every item of `type` in dictionary order (grouped items aside).  Returns
// false, with the unknown id in `unknown`, when a name is not an item.
bool make_csv_columns(const NaaccrDictionary &dictionary, char type, const char *ids, CsvColumns *columns,
                      char *unknown, size_t capacity);
void free_csv_columns(CsvColumns *columns);
void write_csv_header(WriterContext *context, const NaaccrDictionary &dictionary, const CsvColumns &columns);
int32_t write_csv_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const CsvColumns &columns,
                        const NaaccrTumorView &view);

#endif
