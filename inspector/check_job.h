/* check_job.h -- one run of the record checker on a thread of its own, and
   what it hands over to the window that shows it.

   The checker calls back on the thread that runs it.  Those callbacks only
   store what they are given in the job, under the job's lock, and send the
   window a notice when none is on its way; the window takes the news on its
   own thread.  Problems go into an array of CHECK_LIST_LIMIT entries made
   before the thread starts: an entry below problem_count is never written
   again, so the window may read it without the lock, and nothing handed over
   is freed by the thread that made it.  The lock and the notice are the
   platform's, reached through CheckSignals (CRITICAL_SECTION and
   PostMessageA in win32/check_window.cpp, fakes in the tests). */
#ifndef CHECK_JOB_H
#define CHECK_JOB_H

#include <stddef.h>
#include <stdint.h>

#include "checker_binding.h"
#include "cvnaaccr.h"

/* Problems handed over and listed; further ones are only counted. */
#define CHECK_LIST_LIMIT 10000
/* Room for the checked file's path, the NUL included. */
#define CHECK_PATH_CAPACITY 1024
/* Room for the patient and tumour a problem names, the NUL included:
   "00001234, tumour 01, accession 200100123" and XML's longer values. */
#define CHECK_PATIENT_CAPACITY 128

/* The platform's lock and notice.  `context` is handed back unchanged. */
typedef struct CheckSignals {
    void *context;
    void (*lock)(void *context);
    void (*unlock)(void *context);
    /* Asks the window, from the checking thread, to take the news
       (TakeCheckNews).  Called without the lock.  Returns 1 when the notice
       was sent, 0 when the platform refused it. */
    int (*notify)(void *context);
} CheckSignals;

typedef struct CheckJob {
    /* Set by PrepareCheckJob, read-only while the thread runs. */
    char path[CHECK_PATH_CAPACITY];
    uint32_t flags; /* NAACCR_CHECK_CHECKSUMS, NAACCR_CHECK_ITEMS, NAACCR_CHECK_CODES, NAACCR_CHECK_IDS, or 0 */
    CheckFileFunction check;
    CheckFileExFunction check_items; /* used instead of `check` when flags has NAACCR_CHECK_ITEMS */
    CheckSignals signals;
    NaaccrProblem *problems; /* CHECK_LIST_LIMIT entries */
    /* CHECK_LIST_LIMIT entries beside them: the patient and tumour each
       problem names (ProblemPatientText), "" when none. */
    char (*patients)[CHECK_PATIENT_CAPACITY];

    /* Shared: read and written under the lock. */
    uint32_t problem_count; /* entries of `problems` filled */
    uint64_t bytes_done;    /* the last progress report */
    int64_t bytes_total;
    uint64_t records;
    int progressed; /* a progress report came */
    int cancel;     /* set by the window: the next progress report stops the check */
    int notified;   /* a notice is on its way to the window */
    int done;       /* the checker has returned; result and summary are final */

    /* Written by the checking thread before `done`, read after it. */
    int32_t result;
    NaaccrCheckSummary summary;
    NaaccrItemCheckSummary details; /* the item checker's whole summary; zero after the record checker */
    NaaccrCodeReport codes;         /* with NAACCR_CHECK_CODES: the lists used; else zero */
} CheckJob;

/* What the window learns from one TakeCheckNews: all it reads of a check. */
typedef struct CheckNews {
    uint32_t problem_count; /* entries of `problems` that may be read */
    uint64_t bytes_done;    /* the last progress report */
    int64_t bytes_total;
    uint64_t records;
    int progressed;
    int done;                                       /* the checker has returned: */
    int32_t result;                                 /* its result, once done */
    NaaccrCheckSummary summary;                     /* its summary, once done */
    NaaccrItemCheckSummary details;                 /* the item checker's, once done: format, version, patients, ... */
    NaaccrCodeReport codes;                         /* the code check's report, once done; zero without codes */
    const NaaccrProblem *problems;                  /* the job's array */
    const char (*patients)[CHECK_PATIENT_CAPACITY]; /* and the patients beside it */
} CheckNews;

/* Readies `job` for one check of `path` with `flags`: copies the path (at
   most CHECK_PATH_CAPACITY - 1 characters), clears every count and allocates
   the problem and patient arrays.  Returns 1, or 0 when they cannot be
   allocated (nothing is then held). */
int PrepareCheckJob(CheckJob *job, CheckFileFunction check, const char *path, uint32_t flags,
                    const CheckSignals *signals);

/* With the item checker: "also check data items" (flags gains
   NAACCR_CHECK_ITEMS) through `check_items`, which must not be null. */
void CheckItemsToo(CheckJob *job, CheckFileExFunction check_items);

/* With an item checker that checks codes (1.5 on), after CheckItemsToo:
   "also check codes" (flags gains NAACCR_CHECK_CODES), and the job's code
   report is filled. */
void CheckCodesToo(CheckJob *job);

/* With an item checker that names each problem's patient and tumour (1.6
   on), after UseItemChecker or CheckItemsToo: flags gains NAACCR_CHECK_IDS,
   and every problem, record problems too, comes through the item problem
   callback with its ids. */
void NameProblemsToo(CheckJob *job);

/* With the item checker, but without "also check data items": the file is
   checked through `check_items` all the same, so that a NAACCR XML file (which
   the record checker only names) is checked whole; fixed-length records are
   checked as the record checker does. */
void UseItemChecker(CheckJob *job, CheckFileExFunction check_items);

/* An item problem as a row of the list: the record problem's fields, the
   message "Item 390 Date of Diagnosis, value "20191345": " and the library's
   message, cut to fit, the value's unprintable bytes as '?'.  A NAACCR XML
   problem's message starts with its place, "Line 12, patient 1, tumour 2: ",
   and an unknown item is named by its id ("Item noSuchItem, value ..."). */
void ItemProblemRow(const NaaccrItemProblem *item, NaaccrProblem *row);

/* The patient and tumour an item problem names, as the list's Patient column
   shows them: "00001234, tumour 01, accession 200100123", the Patient ID
   Number, Tumor Record Number and Accession Number--Hosp it gives ("tumour
   01" alone, say, when only that is given); "" when it names none.
   Unprintable bytes as '?', cut to fit. */
void ProblemPatientText(const NaaccrItemProblem *item, char *text, size_t capacity);

/* The body of the checking thread: runs the checker with at most
   CHECK_LIST_LIMIT problems reported, as many threads as the processor
   has and the job's callbacks, then stores the result and the summary, sets
   `done` and sends a last notice.  The item checker gets its options in the
   size every library from 1.3 on takes, and in the larger size of 1.5, with
   the code report, only with NAACCR_CHECK_CODES.  The job must stay in place
   until it has returned. */
void RunCheckJob(CheckJob *job);

/* From the window: asks the check to stop at its next progress report. */
void CancelCheckJob(CheckJob *job);

/* From the window: copies the news under the lock and allows the next
   notice.  Entries of news->problems below news->problem_count may be read
   from then on, until ReleaseCheckJob.  Once news->done is 1, news->result
   and news->summary are the check's. */
void TakeCheckNews(CheckJob *job, CheckNews *news);

/* Frees the problem and patient arrays; only after the checking thread has
   ended, or when it never started.  Safe to call twice. */
void ReleaseCheckJob(CheckJob *job);

#endif
