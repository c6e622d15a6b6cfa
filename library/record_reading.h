// record_reading.h -- the parts of reading a file as tumours: where problems
// go, and the readers of flat records and of NAACCR XML.
#ifndef RECORD_READING_H
#define RECORD_READING_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

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

// cvReadNaaccrFile (`path`) or cvReadNaaccrStream (`read` and `stream`, path
// null), with `listener` (or null) told what the exports do not tell.
int32_t read_naaccr_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                           NaaccrItemCheckSummary *summary, const ReadListener *listener);

// Reads flat records from the file `path`, or when it is null from `read`.
int32_t read_flat_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                         ReadReport *report);

// Reads NAACCR XML from `read`; `listener` may be null.
int32_t read_xml_tumors(NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options, ReadReport *report,
                        const ReadListener *listener);

#endif
