// convert.h -- conversion: the writers that turn tumours into NAACCR XML,
// flat records or CSV, and what they share.
//
// Everything here works on NaaccrTumorView, whatever file it was read from,
// so a writer does not know whether its tumours came from flat records or
// from XML.
#ifndef CONVERT_H
#define CONVERT_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "items/items.h"
#include "tumors/tumors.h"

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

// ---- the conversion (conversion.cpp) ----

// The flags a conversion takes (NaaccrConvertOptions.flags); of the two
// encodings at most one.
const uint32_t known_convert_flags = NAACCR_CONVERT_LF | NAACCR_CONVERT_LOSSY | NAACCR_CONVERT_ROOT_FIRST |
                                     NAACCR_CONVERT_SKIP_BAD_RECORDS | NAACCR_CONVERT_LATIN1 |
                                     NAACCR_CONVERT_WINDOWS_1252;
inline bool valid_convert_flags(uint32_t flags)
{
    const uint32_t both = NAACCR_CONVERT_LATIN1 | NAACCR_CONVERT_WINDOWS_1252;
    return (flags & ~known_convert_flags) == 0 && (flags & both) != both;
}

// Converts the file at `path`, or when it is null the stream `read` gives
// from `stream`, as cvConvertNaaccrFile does; `options` are valid (their
// size, flags, target and items checked) and *summary is filled on every
// return.
int32_t convert_naaccr(const char *path, NaaccrReadCallback read, void *stream, const NaaccrConvertOptions *options,
                       NaaccrConvertSummary *summary);

#endif
