/* check_texts.h -- the texts of a record check, as the check dialog, its
   report and the log show them: the labels of the kinds of problem, the
   summary, the log line and the progress line.  Plain functions over what
   the check job hands over (check_job.h). */
#ifndef CHECK_TEXTS_H
#define CHECK_TEXTS_H

#include <stddef.h>
#include <stdint.h>

#include "check_job.h"
#include "cvnaaccr.h"

/* The label of a kind of problem (NAACCR_CHECK_...), as the public header's
   list gives it: "Record length", ...; "Unknown problem" for another value. */
const char *CheckKindLabel(int32_t code);

/* The summary of a check that ended with `result` and `summary`, run with
   `flags`: "1000 records, 4 problems (3 Record length, 1 Illegal
   character)", "1000 records, no problems", "cancelled after 200 records, 1
   problem so far (1 Version code)", ", 998 checksums match" added when checksum fields were
   verified, or what kept the check from reading the file ("the file could
   not be opened", ...). */
void FormatCheckSummary(int32_t result, const NaaccrCheckSummary *summary, uint32_t flags, char *text, size_t capacity);

/* The log's line for that check: "Check: " or, with checksum fields,
   "Check with checksums: ", then FormatCheckSummary. */
void FormatCheckLogLine(int32_t result, const NaaccrCheckSummary *summary, uint32_t flags, char *text, size_t capacity);

/* The status line while a check runs, after `elapsed_ms` of it: "Starting
   the check..." before the first progress report, then "42% - 12345 records
   checked - about 2 min 5 s left" (the time left is estimated from the
   bytes read so far once the check has run a second, "estimating the time
   left" before). */
void FormatCheckProgress(const CheckNews *news, uint64_t elapsed_ms, char *text, size_t capacity);

/* "a few seconds left" below 10 s, "about 45 s left", "about 3 min 20 s
   left", "about 2 h 5 min left". */
void FormatTimeLeft(uint64_t seconds, char *text, size_t capacity);

/* What the checked file is, from the item checker's summary: "NAACCR XML,
   version 250, record type I" ("without a record type" when the root has
   none, no version when it names no known dictionary); "" for fixed-length
   records and when the record checker alone ran. */
void FormatCheckedFile(const NaaccrItemCheckSummary *details, char *text, size_t capacity);

/* The lists a check with codes judged the file by, from its code report:
   "checked by the lists of NAACCR 180 to 240 and SEER's site/histology list
   of 2022-04-29, which judged 15 of 20 tumours and left 3 diagnosed outside
   2021 to 2023"; "not checked: the file's version has no lists" when none
   were used. */
void FormatCodeLists(const NaaccrCodeReport *codes, char *text, size_t capacity);

/* Thousandths of the file read, 0 to 1000 (0 when the size is unknown). */
uint32_t ProgressPermille(uint64_t bytes_done, int64_t bytes_total);

#endif
