// check.h -- the one entry point of a check: a file or a stream told to be
// NAACCR XML or flat records by its first bytes, and checked by the checker
// of its format (xml/ or flat_check/); and the options a check runs by.
#ifndef CHECK_H
#define CHECK_H

#include <stdint.h>

#include "cvnaaccr.h"

// The flags a check knows; any other bit is refused, so that no caller takes
// "0 problems" for a check that was not run.  NAACCR_CHECK_ITEMS means
// nothing to the 1.2 calls, which have always taken it; they refuse
// NAACCR_CHECK_CODES and NAACCR_CHECK_IDS, which came after them.  A reader of records may also
// give its NAACCR_READ_ encoding flags, which no caller of a check can.
const uint32_t known_check_flags = NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS;
const uint32_t known_ex_flags = known_check_flags | NAACCR_CHECK_CODES | NAACCR_CHECK_IDS;

// Which exports a check serves: the 1.2 calls, whose callers know nothing of
// items (NAACCR XML is only named, as a problem), or the Ex calls.
enum CheckCalls { CHECK_CALLS_1_2, CHECK_CALLS_EX };

// Clears a summary as every check starts it: zero, record_type a blank.
void clear_check_summary(NaaccrItemCheckSummary *summary);

// The options of a caller that gives none: every field zero but size.
void default_check_options(NaaccrItemCheckOptions *options);

// A caller's options (`given` may be null for the defaults), of the 1.3 size
// (without code_report, which is then null) or of today's; NAACCR_CHECK_CODES
// gains NAACCR_CHECK_ITEMS.  False, *options then the defaults, for another
// size, a flag a check does not know, or a code report of another size.
bool take_check_options(const NaaccrItemCheckOptions *given, NaaccrItemCheckOptions *options);

// The 1.2 options widened (`given` may be null for the defaults): their
// checksum flag, threads, limit, callbacks and context; false as for
// take_check_options.
bool widen_check_options(const NaaccrCheckOptions *given, NaaccrItemCheckOptions *options);

// Checks the file at `path`, or when it is null the stream `read` gives from
// `stream`, with `options`, into *summary (cleared first by the caller) and
// options.code_report when set (cleared here, the lists named at the end).
// Returns NAACCR_REC_OK (summary->records.stopped says whether a callback
// ended it), NAACCR_REC_OPEN_FAILED, NAACCR_REC_EMPTY_FILE,
// NAACCR_REC_READ_FAILED or NAACCR_REC_NO_MEMORY.
int32_t check_naaccr_input(const char *path, NaaccrReadCallback read, void *stream,
                           const NaaccrItemCheckOptions &options, NaaccrItemCheckSummary *summary, CheckCalls calls);

#endif
