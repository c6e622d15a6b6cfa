/* cvnaaccr.h -- public interface of the cvnaaccr record-file library.

   cvnaaccr recognises NAACCR fixed-length record files (record type, NAACCR
   version, record length with its terminators, record count), maintains
   CRC-32 check fields inside single records held in memory, checks every
   record and every data item of a flat file or a NAACCR XML file by NAACCR's
   data dictionaries, and converts between flat records, NAACCR XML and CSV.

   Every buffer that crosses this interface belongs to the caller and is used
   only for the duration of one call.  The library keeps no reference to it and
   allocates nothing that outlives a call.  On Windows every function uses the
   __stdcall convention and is exported twice: under its plain name and under
   its decorated name (_cvGet_naaccr_file_info@4, _cvCalcCRC32@16, ...). */
#ifndef CVNAACCR_H
#define CVNAACCR_H

#include <stddef.h>
#include <stdint.h>

/* The library's version.  CVNAACCR_VERSION_STRING is the library_version that
   cvGet_cvnaaccr_dll_info reports; the build, the packages and the Windows
   version resource read all four from here.  The major number changes only
   when a release breaks callers built against an earlier one. */
#define CVNAACCR_VERSION_MAJOR 1
#define CVNAACCR_VERSION_MINOR 6
#define CVNAACCR_VERSION_PATCH 2
#define CVNAACCR_VERSION_STRING "1.6.2"

#ifdef _WIN32
#define CV_CALL __stdcall
#else
#define CV_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes.  Read them this way: 0 is success; a positive code is a
   problem (the file is not a consistent NAACCR record file, or it could not be
   read) and record_count is not to be relied on; a negative code of file
   inspection is an insignificant anomaly at the end of the file, and every
   field, record_count included, is valid.  A call returns exactly one code. */
#define NAACCR_REC_OK 0                    /* consistent file; checksum call succeeded */
#define NAACCR_REC_MIXED_TYPES 1           /* second record has another record type */
#define NAACCR_REC_UNEVEN_LENGTH 2         /* file length is not a whole number of records */
#define NAACCR_REC_BAD_VERSION 4           /* version code not valid for the record type */
#define NAACCR_REC_BAD_TYPE 8              /* column 1 holds no valid record type */
#define NAACCR_REC_TOO_SHORT 16            /* fewer than 850 bytes could be read */
#define NAACCR_REC_EMPTY_FILE 32           /* the file holds no bytes */
#define NAACCR_REC_OPEN_FAILED 64          /* the file cannot be opened or read */
#define NAACCR_REC_NO_MEMORY 256           /* the record buffer cannot be allocated */
#define NAACCR_REC_ILLEGAL_CHAR 512        /* control byte or byte above 126 in the first record */
#define NAACCR_REC_NO_CHECKSUM 1024        /* record type or version has no checksum field */
#define NAACCR_REC_TERMINATOR_OMITTED (-1) /* last record lacks its terminator; counted */
#define NAACCR_REC_STRAY_CTRL_Z (-2)       /* one Ctrl-Z (26) follows the last whole record */

/* Results of the check-field functions cvAssignCRC32 and cvCompareCRC32, and
   of cvAssignChecksum and cvCompareChecksum once the checksum field is found.
   They are not NAACCR_REC_ codes: the same numbers mean other things there. */
#define CV_FIELD_OK 0            /* written; or the field holds the check value */
#define CV_FIELD_MISMATCH (-1)   /* compare: the field does not hold the check value */
#define CV_FIELD_TOO_NARROW (-1) /* assign: the width is below 8 */
#define CV_FIELD_TOO_WIDE (-2)   /* assign: the width is above 99 */
#define CV_FIELD_PAST_END (-3)   /* assign: the field does not lie within the record */

/* Size of the inspection buffer and of the window, from column 1, in which the
   end of the first record is looked for (23000 bytes). */
#define NAACCR_RECORD_BUFFER_SIZE 23000

/* What file inspection found out about one file.  Columns are counted from 1;
   all text fields are NUL-terminated. */
typedef struct NaaccrFileInfo {
    /* In: the path of the file to inspect (at most 1023 characters are used).
       Out: the directory part of that path, ending with its separator. */
    char directory[1024];
    char file_name[1024];   /* the file's name without directory and extension */
    char extension[256];    /* from the last dot of the name, dot included; or empty */
    char record_type;       /* column 1 of the file, unchanged; a blank if none examined */
    char version[4];        /* "120".."180", "1".."9", "A" (10), "B" (11); " " after a type or
                               version error; empty when no record was examined */
    char first_terminator;  /* CR (13), LF (10), or 0 when none was found */
    char second_terminator; /* LF after CR, CR after LF, else 0 */
    int32_t record_length;  /* bytes per record, terminator bytes included */
    int32_t record_count;   /* number of records; 0 unless the first record was recognised */
    int64_t file_size;      /* size of the file in bytes */
    char message[1024];     /* one-line text for the returned code */
} NaaccrFileInfo;

/* The library's identification, filled by cvGet_cvnaaccr_dll_info. */
typedef struct NaaccrLibraryInfo {
    char library_version[16]; /* CVNAACCR_VERSION_STRING of the library's build */
    char build_date[16];      /* "Sep 15 2014" */
    char build_time[16];      /* "14:53:40" */
    char contact[64];         /* maker's name, a line feed, the maker's contact address */
} NaaccrLibraryInfo;

/* The layouts are part of the binary interface: a change must break the build. */
#ifdef __cplusplus
#define CV_STATIC_ASSERT(cond, text) static_assert(cond, text)
#else
#define CV_STATIC_ASSERT(cond, text) _Static_assert(cond, text)
#endif
CV_STATIC_ASSERT(sizeof(NaaccrFileInfo) == 3352, "NaaccrFileInfo size");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, file_name) == 1024, "file_name offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, extension) == 2048, "extension offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, record_type) == 2304, "record_type offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, version) == 2305, "version offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, first_terminator) == 2309, "first_terminator offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, second_terminator) == 2310, "second_terminator offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, record_length) == 2312, "record_length offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, record_count) == 2316, "record_count offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, file_size) == 2320, "file_size offset");
CV_STATIC_ASSERT(offsetof(NaaccrFileInfo, message) == 2328, "message offset");
CV_STATIC_ASSERT(sizeof(NaaccrLibraryInfo) == 112, "NaaccrLibraryInfo size");

/* Inspects the file whose path stands in info->directory.
   Reads only the file's last byte and at most its first
   NAACCR_RECORD_BUFFER_SIZE bytes, in binary mode.  Resets every field first, splits the path into directory, file_name
   and extension, then fills record_type, version, the terminators,
   record_length, file_size and record_count, and writes a one-line message.
   Returns NAACCR_REC_OK, NAACCR_REC_MIXED_TYPES, NAACCR_REC_UNEVEN_LENGTH,
   NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_TYPE, NAACCR_REC_TOO_SHORT,
   NAACCR_REC_EMPTY_FILE, NAACCR_REC_OPEN_FAILED, NAACCR_REC_NO_MEMORY,
   NAACCR_REC_ILLEGAL_CHAR, NAACCR_REC_TERMINATOR_OMITTED or
   NAACCR_REC_STRAY_CTRL_Z.  Calls on distinct records may overlap. */
int32_t CV_CALL cvGet_naaccr_file_info(NaaccrFileInfo *info);

/* CRC-32 (ISO-HDLC, check value 0xCBF43926) of the first `length` bytes of
   `record` without the field at columns column .. column+width-1 (column 0
   counts as column 1), hashed as one message: the bytes before the field, then
   the bytes after it.  A field reaching past `length` leaves out everything
   from its column on.  Bytes past `length` are never read; column arithmetic
   does not wrap around. */
uint32_t CV_CALL cvCalcCRC32(const char *record, uint32_t length, uint32_t column, uint32_t width);

/* Writes cvCalcCRC32's value into the field as `width` upper-case hexadecimal
   digits, zero-filled on the left, from the field's last column backwards.
   Returns CV_FIELD_OK when written; CV_FIELD_TOO_NARROW when width < 8,
   CV_FIELD_TOO_WIDE when width > 99, CV_FIELD_PAST_END when the field does
   not lie within `length` bytes (tested in that order).  On a
   refusal the record is unchanged; otherwise only the field is written. */
int32_t CV_CALL cvAssignCRC32(char *record, uint32_t length, uint32_t column, uint32_t width);

/* Returns CV_FIELD_OK when the field holds cvCalcCRC32's value,
   CV_FIELD_MISMATCH otherwise (also when the field does not lie within
   `length` bytes; nothing is then read).  Every
   byte reads as a digit: its value minus 48 when at most '9', else minus 55,
   accumulated modulo 2^32, so only the last eight characters of the field are
   significant. */
int32_t CV_CALL cvCompareCRC32(const char *record, uint32_t length, uint32_t column, uint32_t width);

/* Writes the NAACCR checksum field (10 characters) of one record in memory,
   which ends at its first CR, LF or NUL.  With none in the first
   NAACCR_RECORD_BUFFER_SIZE bytes the record ends after its layout's length,
   or, for layouts longer than that (types A and M of version 180, 24194
   bytes), at its first CR, LF or NUL before that length.  The field stands at
   column 1920 for versions 120 to 160, 2607 for 180, 1164 for A and B, 942
   for 6 to 9, and holds the CRC-32 of the record without it.  Returns 0 when
   written, NAACCR_REC_BAD_VERSION, NAACCR_REC_BAD_TYPE,
   NAACCR_REC_ILLEGAL_CHAR, NAACCR_REC_NO_CHECKSUM (types R and U, versions 1
   to 5), or CV_FIELD_PAST_END when the record ends before the field's last
   column.  On every refusal the record is unchanged.  Reads the record one
   byte at a time up to the byte that ends it and nothing after that byte; so
   the record must be followed by a CR, LF or NUL, or else the first
   NAACCR_RECORD_BUFFER_SIZE bytes (for types A and M of version 180, its
   layout's length) must be readable. */
int32_t CV_CALL cvAssignChecksum(char *record);

/* Verifies the NAACCR checksum field of one record in memory, which ends as
   for cvAssignChecksum.  Returns 0 when it holds the checksum (for versions
   120 to 160 also when columns 1919 to 1928 hold the checksum of the record
   without them, as earlier releases wrote it), CV_FIELD_MISMATCH when it does
   not or when the record ends before the field's last column, or the
   recognizer's codes and NAACCR_REC_NO_CHECKSUM as cvAssignChecksum does.
   Reads as cvAssignChecksum does, with the same precondition.  The field is
   read as cvCompareCRC32 reads it, so only its last eight characters count;
   this call keeps that for the callers that rely on it, while the record
   checker (NAACCR_CHECK_CHECKSUMS) takes a field for a match only when it
   holds "00" and then the eight hexadecimal digits of the checksum, in upper
   or lower case. */
int32_t CV_CALL cvCompareChecksum(const char *record);

/* Copies the library's version, build date, build time and contact text, each
   with its NUL, to the start of their fields; bytes after each NUL are left as
   they were.  Always returns 0. */
int32_t CV_CALL cvGet_cvnaaccr_dll_info(NaaccrLibraryInfo *info);

/* ---- Checking every record of a file ----

   cvCheckNaaccrFile and cvCheckNaaccrStream read a whole record file and
   report every problem of every record through a callback, then a summary.
   The reference record sets what every record is compared with: its record
   type, version code, length and terminator form (CR LF, LF, CR, LF CR, or
   none: records of the layout's length).  It is the first record unless that
   one has a problem of its own (no layout for its type and version, a length
   not its layout's, or a terminator form that the next records do not share);
   then it is the first of records 2 to 17 without one, and the first record
   when none qualifies.  The first record's own problem is then reported once,
   at record 1.  A record ends at its first CR or LF, looked for up to
   NAACCR_CHECK_LONGEST_VIEW bytes from its start (file inspection keeps its
   NAACCR_RECORD_BUFFER_SIZE window and may see the first record otherwise).
   After a problem the check goes on at the next record; no record is held in
   memory longer than it takes to check it.  A file whose first
   NAACCR_CHECK_LONGEST_VIEW bytes hold no CR or LF and whose layout is not
   known cannot be cut into records: that is reported as one
   NAACCR_CHECK_RECORD_LENGTH problem of record 1, no record is handed to the
   record callback, and the check ends there.  An empty record, and a file
   without any record, are NAACCR_CHECK_RECORD_LENGTH problems too.

   Further result codes of the checker (file inspection never returns them). */
#define NAACCR_REC_READ_FAILED 2048  /* a read failed after the file was opened */
#define NAACCR_REC_BAD_ARGUMENT 4096 /* a null pointer, options of an unknown size or (1.4) unknown flags */

/* Kinds of problem (NaaccrProblem.code); each is also the index of its count
   in NaaccrCheckSummary.counts.  Kinds 8 and 9 are insignificant anomalies at
   the end of a file, as NAACCR_REC_TERMINATOR_OMITTED and
   NAACCR_REC_STRAY_CTRL_Z are for file inspection. */
#define NAACCR_CHECK_RECORD_LENGTH 1      /* the record's length differs from the reference's, or is 0 */
#define NAACCR_CHECK_LAYOUT_LENGTH 2      /* the first record's length differs from its layout's */
#define NAACCR_CHECK_RECORD_TYPE 3        /* column 1 holds no valid type, or another than the reference's */
#define NAACCR_CHECK_VERSION 4            /* the version code is not valid, or differs from the reference's */
#define NAACCR_CHECK_ILLEGAL_BYTE 5       /* a byte outside 32 to 126 (NUL, TAB, 127 to 255) in a record */
#define NAACCR_CHECK_SPLIT_RECORD 6       /* a lone CR or LF inside a record: the record is split in two */
#define NAACCR_CHECK_TERMINATOR_FORM 7    /* the record ends in another terminator than the reference */
#define NAACCR_CHECK_TERMINATOR_OMITTED 8 /* the last record lacks its terminator (anomaly) */
#define NAACCR_CHECK_STRAY_CTRL_Z 9       /* one Ctrl-Z (26) follows the last record (anomaly) */
#define NAACCR_CHECK_PARTIAL_RECORD 10    /* the file ends inside a record */
#define NAACCR_CHECK_BYTE_ORDER_MARK 11   /* the file starts with a UTF-8 or UTF-16 byte-order mark */
#define NAACCR_CHECK_CHECKSUM_MISMATCH 12 /* the checksum field does not hold the record's checksum */
#define NAACCR_CHECK_CHECKSUM_BLANK 13    /* the checksum field holds only blanks: not assigned yet */
#define NAACCR_CHECK_NO_CHECKSUM 14       /* the layout has no checksum field (reported once, at record 1) */
#define NAACCR_CHECK_CHECKSUM_CUT 15      /* the record ends before the end of its checksum field */
#define NAACCR_CHECK_KINDS 16             /* number of entries in NaaccrCheckSummary.counts; 0 is unused */

/* Kinds that lose nothing, as bits (1u << kind) like NaaccrRecordView.problems
   (names from 1.4.1).  NAACCR_ANOMALY_KINDS: the insignificant anomalies at
   the end of a file; a file whose only problems are these is a consistent
   record file, as file inspection's negative codes say.
   NAACCR_HARMLESS_KINDS: those and a byte-order mark, which stand outside
   every record's bytes: reading hands on every record all the same, and a
   conversion lists them but refuses nothing and leaves nothing out for them.
   A byte-order mark is no anomaly: a record file is single-byte text, and a
   check counts the mark as a problem like any other. */
#define NAACCR_ANOMALY_KINDS ((1u << NAACCR_CHECK_TERMINATOR_OMITTED) | (1u << NAACCR_CHECK_STRAY_CTRL_Z))
#define NAACCR_HARMLESS_KINDS (NAACCR_ANOMALY_KINDS | (1u << NAACCR_CHECK_BYTE_ORDER_MARK))

/* NaaccrCheckOptions.flags.

   Flags, from 1.4 on: an options struct whose flags hold a bit that the
   library does not know is refused with NAACCR_REC_BAD_ARGUMENT, so that an
   older library never answers "0 problems" for a check it did not run.  Each
   release that adds a flag also adds an export, and a caller (the Python
   package, veldrix) offers the option only when the loaded library has that
   export.  Libraries before 1.4 ignore flag bits they do not know. */
#define NAACCR_CHECK_CHECKSUMS 1u /* also verify each record's NAACCR checksum field */

/* One problem, as handed to the problem callback. */
typedef struct NaaccrProblem {
    uint64_t record;   /* record number, from 1 */
    int64_t offset;    /* byte offset of the record's first byte in the file */
    int32_t column;    /* column of the problem, from 1; 0 for the record as a whole */
    int32_t code;      /* NAACCR_CHECK_... */
    char message[256]; /* one line, NUL-terminated, printable */
} NaaccrProblem;

/* One record (or run of bytes outside any record), as handed to the record
   callback in file order. */
typedef struct NaaccrRecordView {
    uint64_t number;            /* record number, from 1; 0 for bytes outside any record: a
                                   byte-order mark, a stray Ctrl-Z */
    int64_t offset;             /* byte offset of its first byte in the file */
    const char *bytes;          /* its bytes and then its terminator bytes; null for a record
                                   longer than NAACCR_CHECK_LONGEST_VIEW, which is not kept */
    uint32_t length;            /* bytes without terminators (saturated at 2^32 - 1) */
    uint32_t terminator_length; /* 0, 1 or 2 */
    uint32_t problems;          /* bit (1 << kind) for every kind of problem found in it */
    uint32_t checksum_column;   /* first column of its checksum field by its own type and
                                   version; 0 when it has none or they are unknown */
} NaaccrRecordView;

/* Records longer than this are checked but not handed over whole. */
#define NAACCR_CHECK_LONGEST_VIEW (1u << 20)

/* What a check found.  Filled by the checker on every return. */
typedef struct NaaccrCheckSummary {
    uint64_t records;                    /* records read, a partial last record included */
    uint64_t bytes;                      /* bytes read */
    uint64_t problems;                   /* problems found, of every kind */
    uint64_t reported;                   /* of them, handed to the problem callback */
    uint64_t counts[NAACCR_CHECK_KINDS]; /* problems by kind: counts[NAACCR_CHECK_VERSION], ... */
    uint64_t checksums_matched;          /* with NAACCR_CHECK_CHECKSUMS: records whose field holds the checksum */
    int32_t record_length;               /* the reference record's length with its terminators, as
                                            file inspection reports it; 0 when the file holds none */
    int32_t layout_length;               /* its layout's length without terminators; 0 when unknown */
    int32_t stopped;                     /* NAACCR_STOP_...: NAACCR_STOP_NONE (0), read to the end;
                                            NAACCR_STOP_CALLBACK (1), stopped by the problem or record
                                            callback; NAACCR_STOP_PROGRESS (2), by the progress callback */
    char record_type;                    /* column 1 of the reference record; a blank when none */
    char version[4];                     /* its version code as NaaccrFileInfo.version; " " when invalid */
    char first_terminator;               /* the reference record's terminator bytes, as NaaccrFileInfo */
    char second_terminator;
    char reserved;                 /* zero */
    uint32_t reported_without_ids; /* (1.6) with NAACCR_CHECK_IDS: of the problems reported, those
                                      handed on without ids because a NAACCR XML Patient or Tumor had
                                      more than NAACCR_CHECK_MOST_HELD before its Items ended (saturated
                                      at 2^32 - 1); zero before 1.6 */
} NaaccrCheckSummary;

/* NaaccrCheckSummary.stopped (names from 1.4.1; the numbers are those of every release) */
#define NAACCR_STOP_NONE 0     /* read to the end */
#define NAACCR_STOP_CALLBACK 1 /* a problem, item problem, record or tumour callback returned non-zero */
#define NAACCR_STOP_PROGRESS 2 /* the progress callback returned non-zero */

/* Called for each problem in file order, on the thread that called the
   checker.  Return 0 to go on, anything else to stop the check. */
typedef int32_t(CV_CALL *NaaccrProblemCallback)(void *context, const NaaccrProblem *problem);
/* Called for each record in file order, on the calling thread; the view and
   its bytes live only during the call.  Return 0 to go on, else to stop. */
typedef int32_t(CV_CALL *NaaccrRecordCallback)(void *context, const NaaccrRecordView *record);
/* Called once before the first record, then every few megabytes, and once at
   the end (when the check was not stopped; its result is then ignored), on
   the calling thread: bytes read so far, the file's size (-1 when unknown, as
   for a stream), records so far.  Return 0 to go on, anything else to stop. */
typedef int32_t(CV_CALL *NaaccrProgressCallback)(void *context, uint64_t bytes_done, int64_t bytes_total,
                                                 uint64_t records);
/* Reads up to `size` bytes of a stream into `buffer`.  Returns the number of
   bytes read, 0 at the end of the stream, or -1 on an error. */
typedef int64_t(CV_CALL *NaaccrReadCallback)(void *stream, void *buffer, uint32_t size);

/* Options.  Every options struct starts with its size and its flags.  An
   options struct that gains fields in a release keeps accepting every size
   it was released with, and the fields past a smaller size take their
   defaults (as cvCheckNaaccrFile still takes the 1.2 NaaccrCheckOptions and
   widens it).  An output struct never grows; a reserved field may take a
   meaning, which older callers ignore. */
typedef struct NaaccrCheckOptions {
    uint32_t size;                      /* sizeof(NaaccrCheckOptions) */
    uint32_t flags;                     /* NAACCR_CHECK_CHECKSUMS, or 0 (NAACCR_CHECK_ITEMS is
                                           accepted and means nothing here) */
    uint32_t threads;                   /* threads that read and check: 0 for as many as the processor
                                           has (at most 8), 1 for the calling thread alone */
    uint32_t max_reported;              /* problems handed to on_problem; 0 for all.  The rest are
                                           counted in the summary. */
    NaaccrProblemCallback on_problem;   /* or null */
    NaaccrRecordCallback on_record;     /* or null; when set, one thread reads and checks */
    NaaccrProgressCallback on_progress; /* or null */
    void *context;                      /* handed back to every callback */
} NaaccrCheckOptions;

CV_STATIC_ASSERT(sizeof(NaaccrProblem) == 280, "NaaccrProblem size");
CV_STATIC_ASSERT(offsetof(NaaccrProblem, offset) == 8, "NaaccrProblem offset offset");
CV_STATIC_ASSERT(offsetof(NaaccrProblem, column) == 16, "NaaccrProblem column offset");
CV_STATIC_ASSERT(offsetof(NaaccrProblem, code) == 20, "NaaccrProblem code offset");
CV_STATIC_ASSERT(offsetof(NaaccrProblem, message) == 24, "NaaccrProblem message offset");
CV_STATIC_ASSERT(sizeof(NaaccrRecordView) == 40, "NaaccrRecordView size");
CV_STATIC_ASSERT(offsetof(NaaccrRecordView, bytes) == 16, "NaaccrRecordView bytes offset");
CV_STATIC_ASSERT(offsetof(NaaccrRecordView, length) == 16 + (sizeof(void *) > 4 ? 8 : 4), "NaaccrRecordView length");
CV_STATIC_ASSERT(offsetof(NaaccrRecordView, checksum_column) == 28 + (sizeof(void *) > 4 ? 8 : 4),
                 "NaaccrRecordView checksum_column offset");
CV_STATIC_ASSERT(sizeof(NaaccrCheckSummary) == 192, "NaaccrCheckSummary size");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, counts) == 32, "NaaccrCheckSummary counts offset");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, checksums_matched) == 160, "checksums_matched offset");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, record_length) == 168, "NaaccrCheckSummary record_length offset");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, record_type) == 180, "NaaccrCheckSummary record_type offset");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, first_terminator) == 185, "first_terminator offset");
CV_STATIC_ASSERT(offsetof(NaaccrCheckSummary, reported_without_ids) == 188, "reported_without_ids offset");
CV_STATIC_ASSERT(sizeof(NaaccrCheckOptions) == 16 + 4 * sizeof(void *), "NaaccrCheckOptions size");
CV_STATIC_ASSERT(offsetof(NaaccrCheckOptions, on_problem) == 16, "NaaccrCheckOptions on_problem offset");

/* Checks every record of the file at `path`, taken exactly as given (no
   blanks are skipped, no separators changed, nothing is cut).  `options` may
   be null for the defaults (one thread per processor, no callbacks, no
   checksums).  Reads the file once, from start to end, in pieces of a few
   megabytes; holds at most 64 MB whatever the file's size.  The problems and
   their order are the same for any number of threads; the callbacks are
   called on the calling thread only.  Fills *summary on every return.
   Returns NAACCR_REC_OK when the file was read to its end or the check was
   stopped by a callback (summary->stopped), whatever was found in it;
   NAACCR_REC_OPEN_FAILED when it cannot be opened or is not a regular file;
   NAACCR_REC_EMPTY_FILE when it holds no bytes; NAACCR_REC_READ_FAILED;
   NAACCR_REC_NO_MEMORY; NAACCR_REC_BAD_ARGUMENT for a null path or summary,
   options->size not sizeof(NaaccrCheckOptions), or (from 1.4) a flag bit
   other than NAACCR_CHECK_CHECKSUMS and NAACCR_CHECK_ITEMS.  Calls may run
   at the same time on any threads. */
int32_t CV_CALL cvCheckNaaccrFile(const char *path, const NaaccrCheckOptions *options, NaaccrCheckSummary *summary);

/* Checks every record of a stream (standard input, decompressed data, ...)
   read through `read`, which is called on the calling thread with `stream`.
   Offsets count from the stream's first byte; the progress callback gets -1
   as the total.  Otherwise as cvCheckNaaccrFile, but the stream is read on
   one thread; NAACCR_REC_READ_FAILED when `read` returns -1, and
   NAACCR_REC_EMPTY_FILE for an empty stream. */
int32_t CV_CALL cvCheckNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrCheckOptions *options,
                                    NaaccrCheckSummary *summary);

/* ---- Data items: the NAACCR data dictionaries and item checks (1.3) ----

   The library holds NAACCR's base data dictionaries 140 to 270 and NAACCR's
   default user dictionaries 140 to 210, compiled into tables.  A version's
   items are those of its base dictionary, then those of its default user
   dictionary (the reserved and state-requestor blocks of the flat layouts).

   cvCheckNaaccrFileEx and cvCheckNaaccrStreamEx check a file as
   cvCheckNaaccrFile and cvCheckNaaccrStream do and, with NAACCR_CHECK_ITEMS,
   every data item of every record by the dictionary of the record's own type
   and version.  Record problems reach on_problem as before; item problems
   (kinds 16 and up) reach on_item_problem, in file order with the record
   problems.  Both are counted in NaaccrItemCheckSummary. */

/* NaaccrItemDef.data_type */
#define NAACCR_ITEM_TEXT 0     /* any printable byte */
#define NAACCR_ITEM_DIGITS 1   /* 0-9, the item's full length */
#define NAACCR_ITEM_ALPHA 2    /* A-Z, the item's full length */
#define NAACCR_ITEM_MIXED 3    /* A-Z and 0-9, the item's full length */
#define NAACCR_ITEM_NUMERIC 4  /* digits, optionally a point and more digits */
#define NAACCR_ITEM_DATE 5     /* YYYY, YYYYMM or YYYYMMDD; 14 characters: then hhmmss */
#define NAACCR_ITEM_DATETIME 6 /* (XML, 250 on) YYYY[-MM[-DD[Thh:mm[:ss[.fff]]]]] and a zone */

/* NaaccrItemDef.padding */
#define NAACCR_PAD_RIGHT_BLANK 0 /* the default: trailing blanks are not part of the value */
#define NAACCR_PAD_LEFT_BLANK 1  /* leading blanks are not part of the value */
#define NAACCR_PAD_RIGHT_ZERO 2  /* zero-filled on the right */
#define NAACCR_PAD_LEFT_ZERO 3   /* zero-filled on the left */

/* NaaccrItemDef.record_types: bits of the record types the item is defined for */
#define NAACCR_ITEM_IN_A 1u
#define NAACCR_ITEM_IN_M 2u
#define NAACCR_ITEM_IN_C 4u
#define NAACCR_ITEM_IN_I 8u

/* NaaccrItemDef.level: the XML element an item belongs to */
#define NAACCR_LEVEL_ROOT 0    /* NaaccrData */
#define NAACCR_LEVEL_PATIENT 1 /* Patient */
#define NAACCR_LEVEL_TUMOR 2   /* Tumor */

/* The words NAACCR's dictionaries and NAACCR XML use for the numbers above
   (from 1.4.1), in the order of the numbers, to initialize an array indexed
   by them: static const char *const levels[] = {NAACCR_LEVEL_NAMES}; makes
   levels[NAACCR_LEVEL_TUMOR] "Tumor".  NAACCR_RECORD_TYPES holds the record
   type of each NAACCR_ITEM_IN_ bit, from bit 0 on. */
#define NAACCR_DATA_TYPE_NAMES "text", "digits", "alpha", "mixed", "numeric", "date", "dateTime"
#define NAACCR_PADDING_NAMES "rightBlank", "leftBlank", "rightZero", "leftZero"
#define NAACCR_LEVEL_NAMES "NaaccrData", "Patient", "Tumor"
#define NAACCR_RECORD_TYPES "AMCI"
#define NAACCR_XML_NAMESPACE "http://naaccr.org/naaccrxml"

/* Where a flat record of NAACCR 12 to 18 holds its three-character version
   code (columns 17 to 19; 2 to 4 for record type U), and the width of the
   NAACCR checksum field (item 2081) wherever it stands (from 1.4.1). */
#define NAACCR_VERSION_COLUMN 17
#define NAACCR_VERSION_COLUMN_U 2
#define NAACCR_CHECKSUM_WIDTH 10

/* One data item of a dictionary.  The texts are the library's own and live
   as long as the library is loaded. */
typedef struct NaaccrItemDef {
    const char *id;       /* naaccrId ("dateOfDiagnosis"), at most 32 characters */
    const char *name;     /* naaccrName ("Date of Diagnosis") */
    int32_t number;       /* naaccrNum (390) */
    int32_t start_column; /* first column in a flat record (versions 140 to 180); 0 when none */
    int32_t length;       /* characters; for unlimited text the length of its flat field */
    uint8_t record_types; /* NAACCR_ITEM_IN_... bits */
    uint8_t level;        /* NAACCR_LEVEL_... */
    uint8_t data_type;    /* NAACCR_ITEM_... */
    uint8_t padding;      /* NAACCR_PAD_... */
    uint8_t trim_none;    /* 1: trim="none", the value is kept verbatim */
    uint8_t unlimited;    /* 1: allowUnlimitedText (XML values may exceed length) */
    uint8_t grouped;      /* 1: a grouped item overlapping its members; never checked */
    uint8_t user;         /* 1: from NAACCR's default user dictionary of the version */
    uint8_t reserved[4];  /* zero */
} NaaccrItemDef;

/* Number of items of version `version` (140, 150, 160, 180, 210, 220, ...,
   270), grouped items included; 0 for a version without a dictionary. */
int32_t CV_CALL cvGetNaaccrItemCount(int32_t version);

/* Copies item `index` (from 0) of version `version` to *item.  Items of the
   versions with flat records (140 to 180) come in the order of their start
   columns, grouped items after the rest; later versions in dictionary order.
   Returns NAACCR_REC_OK, NAACCR_REC_BAD_VERSION for a version without a
   dictionary, NAACCR_REC_BAD_ARGUMENT for a null item or an index out of
   range (*item is then unchanged). */
int32_t CV_CALL cvGetNaaccrItem(int32_t version, int32_t index, NaaccrItemDef *item);

/* Index of the item of `version` whose naaccrNum is `number` (when number > 0)
   or whose naaccrId is `id` (when number <= 0; compared exactly); -1 when
   there is none. */
int32_t CV_CALL cvFindNaaccrItem(int32_t version, int32_t number, const char *id);

/* NaaccrCheckOptions.flags and NaaccrItemCheckOptions.flags */
#define NAACCR_CHECK_ITEMS 2u /* also check every data item (cvCheckNaaccrFileEx, ...Ex only) */
/* (1.5) also check each coded item's value against its allowed codes, and the
   codes and dates of each tumour together (kinds 35 to 37); implies
   NAACCR_CHECK_ITEMS.  The Ex calls only: the 1.2 calls refuse it.  It comes
   with the export cvGetNaaccrItemCodes, by which a caller tells a library
   that knows it. */
#define NAACCR_CHECK_CODES 4u
/* (1.6) name each problem's patient and tumour: NaaccrItemProblem's
   patient_id, tumor_record_number and accession_number (items 20, 60 and
   550), and when on_item_problem is set every record problem of a flat file
   reaches it (as an item problem without an item: item_number 0, item_id
   "") instead of on_problem, so that it too names them; each problem reaches
   one callback.
   A flat record gives its ids at its layout's columns when it reaches them
   and has no NAACCR_CHECK_RECORD_TYPE or NAACCR_CHECK_VERSION problem; NAACCR
   XML gives the Patient ID Number in a Patient's Items and the other two in a
   Tumor's, and a Patient's or Tumor's problems are held until its Items end
   (at its first extension, child or end tag) and then handed on with its
   ids, in file order.  An element whose Items have more than
   NAACCR_CHECK_MOST_HELD problems hands them on at once without ids, from
   there to the end of its Items, and counts them in
   NaaccrCheckSummary.reported_without_ids.  The Ex calls only: the 1.2 calls
   refuse it.  It comes with the export cvGetNaaccrKindLabel; a caller asks
   cvGetNaaccrOptionFlags(NAACCR_OPTIONS_ITEM_CHECK) for it. */
#define NAACCR_CHECK_IDS 8u
#define NAACCR_CHECK_MOST_HELD 1000

/* Kinds of item problem (NaaccrItemProblem.code), after the record kinds. */
#define NAACCR_CHECK_ITEM_DATA_TYPE 16     /* the value is not of the item's data type */
#define NAACCR_CHECK_ITEM_SHORT 17         /* the value is shorter than a fixed-length item */
#define NAACCR_CHECK_ITEM_DATE 18          /* not a valid date or time */
#define NAACCR_CHECK_ITEM_PADDING 19       /* a blank inside a zero-padded value, or padding on the wrong side */
#define NAACCR_CHECK_NO_DICTIONARY 20      /* a record's type and version have no dictionary (once per file) */
#define NAACCR_CHECK_ITEM_TOO_LONG 21      /* the value is longer than the item (XML) */
#define NAACCR_CHECK_ITEM_BLANKS 22        /* the value starts or ends with a blank (XML) */
#define NAACCR_CHECK_ITEM_UNKNOWN 23       /* no loaded dictionary has the naaccrId (XML) */
#define NAACCR_CHECK_ITEM_NUMBER 24        /* the naaccrNum is not the naaccrId's (XML) */
#define NAACCR_CHECK_ITEM_RECORD_TYPE 25   /* the item is not defined for the file's record type (XML) */
#define NAACCR_CHECK_ITEM_LEVEL 26         /* the item stands at another level than its dictionary's (XML) */
#define NAACCR_CHECK_ITEM_REPEATED 27      /* the item stands twice in one element (XML) */
#define NAACCR_CHECK_XML_MALFORMED 28      /* not well-formed XML, or a DOCTYPE */
#define NAACCR_CHECK_XML_STRUCTURE 29      /* an element or attribute out of place, unknown, or missing */
#define NAACCR_CHECK_XML_ROOT 30           /* a root attribute is missing or not valid, or an Item contradicts it */
#define NAACCR_CHECK_XML_ENCODING 31       /* the declared encoding is not supported */
#define NAACCR_CHECK_XML_TOKEN_TOO_LONG 32 /* a tag, attribute, comment or instruction over 16 MB */
#define NAACCR_CHECK_USER_DICTIONARY 33    /* a user dictionary cannot be read or is not valid */
#define NAACCR_CHECK_ITEM_CONFLICT 34      /* (1.4) the item stands at two levels with other values (XML) */
#define NAACCR_CHECK_ITEM_CODE 35          /* (1.5) the value is not one of its item's allowed codes */
#define NAACCR_CHECK_ITEM_COMBINATION 36   /* (1.5) codes of one tumour that do not go together */
#define NAACCR_CHECK_ITEM_DATE_ORDER 37    /* (1.5) dates out of order, or an age the dates do not give */
#define NAACCR_CHECK_ALL_KINDS 48          /* entries of NaaccrItemCheckSummary.counts; 0 is unused */

/* From 1.5 an element nested deeper than 256 is a NAACCR_CHECK_XML_STRUCTURE
   problem, and names, attributes and namespace declarations beyond what a
   check holds (16 MB) are a NAACCR_CHECK_XML_TOKEN_TOO_LONG problem; either
   ends the check. */

/* Kinds, from 1.4 on: NaaccrItemCheckSummary.counts holds 48 entries and
   cannot grow, so a new kind takes one of the numbers 35 to 39 or 44 to 47,
   and no number is ever given another meaning.  The command line's JSON
   names kinds as NAACCR_CHECK_... does; within one JSON schema, fields and
   kind names are only ever added, the schema number changes only when a
   field changes its meaning or goes, and readers ignore what they do not
   know. */

/* One item problem, as handed to the item problem callback; it and what it
   points to live only during the call. */
typedef struct NaaccrItemProblem {
    uint64_t record;       /* record number from 1 (XML: tumour number in the file; 0 outside a tumour) */
    int64_t offset;        /* flat: byte offset of the record; XML: of the problem */
    uint64_t line;         /* XML: line from 1; 0 for flat records */
    uint64_t patient;      /* XML: patient number from 1; 0 outside a patient and for flat records */
    uint64_t tumor;        /* XML: tumour number within its patient from 1; 0 otherwise */
    int32_t column;        /* flat: column of the problem in the record; XML: column in its line */
    int32_t code;          /* NAACCR_CHECK_... */
    int32_t item_number;   /* naaccrNum, 0 when the problem has no item */
    int32_t item_start;    /* flat: first column of the item; 0 otherwise */
    int32_t item_length;   /* the item's length in the dictionary; 0 when none */
    uint32_t value_length; /* bytes at value */
    const char *value;     /* the value as it stands in the file (not NUL-terminated); may be null when empty */
    const char *item_id;   /* naaccrId; "" when the problem has no item */
    const char *item_name; /* naaccrName; "" when unknown */
    const char *message;   /* one line, NUL-terminated, printable */
    /* (1.6) With NAACCR_CHECK_IDS, the problem's Patient ID Number, Tumor
       Record Number and Accession Number--Hosp as its record or XML element
       gives them, blanks (XML: white space) around them cut, NUL-terminated
       (a flat record's bytes outside 32 to 126 as '?'); null when not given,
       outside a record or element that gives them, and without the flag.
       Older callers, who know the struct without them, never read them. */
    const char *patient_id;
    const char *tumor_record_number;
    const char *accession_number;
} NaaccrItemProblem;

/* Called for each item problem in file order, on the calling thread.  Return
   0 to go on, anything else to stop the check. */
typedef int32_t(CV_CALL *NaaccrItemProblemCallback)(void *context, const NaaccrItemProblem *problem);

/* (1.5) What a check with NAACCR_CHECK_CODES judged the file by, and what
   the site/histology list left unjudged: filled on return, when
   NaaccrItemCheckOptions.code_report points at it, by every Ex check (all
   zero but size when codes were not checked).  The caller owns it and sets
   size; like an options struct it may gain fields at its end in a later
   release, and every release takes each size it was released with. */
typedef struct NaaccrCodeReport {
    uint32_t size;                 /* in: sizeof(NaaccrCodeReport) */
    int32_t version;               /* the NAACCR version whose lists judged the file (the first
                                      record's or the root's); 0 when no code was checked */
    char lists[32];                /* the code lists of that version: "NAACCR 180 to 240" (files of 140
                                      to 160 take the 180 lists, 270 the 260 lists); "" when none */
    char site_list[16];            /* the edition of SEER's ICD-O-3 Site/Histology Validation List:
                                      "2022-04-29"; "" when no code was checked */
    int32_t site_list_first_year;  /* the years of diagnosis it judges: 2021 ... */
    int32_t site_list_last_year;   /* ... to 2023 */
    uint64_t tumors_judged;        /* tumours whose codes and dates were judged together (a flat
                                      record with a record problem is not) */
    uint64_t site_list_judged;     /* of them, diagnosed in the list's years and judged by it */
    uint64_t site_list_not_judged; /* of them, with a valid site, histology and behavior that go
                                      together, but diagnosed in another year or in none given */
} NaaccrCodeReport;

typedef struct NaaccrItemCheckOptions {
    uint32_t size;                             /* sizeof(NaaccrItemCheckOptions); or the 1.3 size,
                                                  offsetof(NaaccrItemCheckOptions, code_report) */
    uint32_t flags;                            /* NAACCR_CHECK_CHECKSUMS, NAACCR_CHECK_ITEMS,
                                                  NAACCR_CHECK_CODES, NAACCR_CHECK_IDS */
    uint32_t threads;                          /* as NaaccrCheckOptions.threads */
    uint32_t max_reported;                     /* record and item problems handed on; 0 for all */
    NaaccrProblemCallback on_problem;          /* or null */
    NaaccrRecordCallback on_record;            /* or null */
    NaaccrProgressCallback on_progress;        /* or null */
    NaaccrItemProblemCallback on_item_problem; /* or null */
    void *context;                             /* handed back to every callback */
    const char *const *dictionaries;           /* XML: paths of user dictionaries to load; or null */
    uint32_t dictionary_count;                 /* entries of dictionaries */
    uint32_t reserved;                         /* zero */
    NaaccrCodeReport *code_report;             /* (1.5) or null: filled on return */
} NaaccrItemCheckOptions;

/* NaaccrItemCheckSummary.format */
#define NAACCR_FORMAT_FLAT 1 /* fixed-length records */
#define NAACCR_FORMAT_XML 2  /* NAACCR XML */

/* What an item check found.  Filled on every return. */
typedef struct NaaccrItemCheckSummary {
    NaaccrCheckSummary records;              /* as cvCheckNaaccrFile fills it; its problems count
                                                every kind, its counts the record kinds */
    uint64_t counts[NAACCR_CHECK_ALL_KINDS]; /* problems by kind, every kind */
    uint64_t items;                          /* item values checked (given, not blank); in flat records
                                                the text items kept as they stand are not counted */
    uint64_t patients;                       /* XML: Patient elements */
    uint64_t tumors;                         /* XML: Tumor elements */
    int32_t format;                          /* NAACCR_FORMAT_...; 0 when nothing was read */
    int32_t version;                         /* NAACCR version of the first record or of the XML root
                                                (140 ... 270); 0 when unknown */
    char specification_version[8];           /* XML: specificationVersion, "" otherwise */
    char user_dictionaries[512];             /* XML: userDictionaryUri as given (cut to fit); "" */
} NaaccrItemCheckSummary;

CV_STATIC_ASSERT(sizeof(NaaccrItemDef) == 2 * sizeof(void *) + 24, "NaaccrItemDef size");
CV_STATIC_ASSERT(offsetof(NaaccrItemProblem, value) == 64, "NaaccrItemProblem value offset");
CV_STATIC_ASSERT(offsetof(NaaccrItemProblem, patient_id) == 64 + 4 * sizeof(void *), "NaaccrItemProblem ids offset");
CV_STATIC_ASSERT(offsetof(NaaccrItemProblem, accession_number) == 64 + 6 * sizeof(void *),
                 "NaaccrItemProblem accession_number offset");
/* Its 64-bit fields round it up to 8 bytes: 32-bit Windows pads four after
   the ids (92 + 4). */
CV_STATIC_ASSERT(sizeof(NaaccrItemProblem) == 64 + 7 * sizeof(void *) + (sizeof(void *) > 4 ? 0 : 4),
                 "NaaccrItemProblem size");
CV_STATIC_ASSERT(offsetof(NaaccrItemCheckOptions, on_problem) == 16, "NaaccrItemCheckOptions on_problem offset");
CV_STATIC_ASSERT(sizeof(NaaccrItemCheckOptions) == 24 + 7 * sizeof(void *), "NaaccrItemCheckOptions size");
CV_STATIC_ASSERT(offsetof(NaaccrItemCheckOptions, code_report) == 24 + 6 * sizeof(void *),
                 "NaaccrItemCheckOptions 1.3 size");
CV_STATIC_ASSERT(sizeof(NaaccrCodeReport) == 88, "NaaccrCodeReport size");
CV_STATIC_ASSERT(offsetof(NaaccrCodeReport, tumors_judged) == 64, "NaaccrCodeReport tumors_judged offset");
CV_STATIC_ASSERT(offsetof(NaaccrItemCheckSummary, counts) == 192, "NaaccrItemCheckSummary counts offset");
CV_STATIC_ASSERT(sizeof(NaaccrItemCheckSummary) == 192 + 8 * NAACCR_CHECK_ALL_KINDS + 24 + 8 + 8 + 512,
                 "NaaccrItemCheckSummary size");

/* As cvCheckNaaccrFile, with item problems and the larger summary.  Returns
   the codes cvCheckNaaccrFile returns; NAACCR_REC_BAD_ARGUMENT also when
   options->size is neither sizeof(NaaccrItemCheckOptions) nor (from 1.5) the
   1.3 size, when (from 1.4) a flag bit is not NAACCR_CHECK_CHECKSUMS,
   NAACCR_CHECK_ITEMS, (1.5) NAACCR_CHECK_CODES or (1.6) NAACCR_CHECK_IDS, or when (1.5)
   options->code_report is set and its size is not sizeof(NaaccrCodeReport). */
int32_t CV_CALL cvCheckNaaccrFileEx(const char *path, const NaaccrItemCheckOptions *options,
                                    NaaccrItemCheckSummary *summary);

/* As cvCheckNaaccrStream, with item problems and the larger summary. */
int32_t CV_CALL cvCheckNaaccrStreamEx(NaaccrReadCallback read, void *stream, const NaaccrItemCheckOptions *options,
                                      NaaccrItemCheckSummary *summary);

/* ---- Allowed codes (1.5) ----

   The library holds the allowed codes of the common coded items (Sex,
   Primary Site, Histologic Type ICD-O-3, Behavior Code ICD-O-3, Laterality,
   the sequence numbers, the treatment summaries, ...), the ICD-O-3 histology and behavior
   pairs, and SEER's ICD-O-3 Site/Histology Validation List, from NAACCR's,
   SEER's and WHO's public lists, for the NAACCR versions 180 to 260.  A code
   is allowed in a file of version V when any list from 180 to V holds it;
   files of 140 to 160 are judged by the 180 lists, 270 by the 260 lists.
   recordType and naaccrRecordVersion are the record check's and have none.

   With NAACCR_CHECK_CODES an Ex check reports, besides the item problems:
   NAACCR_CHECK_ITEM_CODE, a value that passed its item's form rules but is
   not one of its codes (Age at Diagnosis: 000 to 120, or 999); and for each
   tumour (a flat record, or an XML Tumor with its Patient's values) the
   rules that judge codes and dates together: NAACCR_CHECK_ITEM_COMBINATION
   for a histology and behavior in no list, a site, histology and behavior
   that the site/histology list does not hold (diagnoses of its years only),
   and a sequence number that does not fit the behavior;
   NAACCR_CHECK_ITEM_DATE_ORDER for a birth after the diagnosis, a diagnosis
   after the last contact, and an age at diagnosis that the dates do not
   give.  A rule that needs a value that is blank or has a problem of its own
   is skipped.  Such a problem names the first item of its rule
   (NaaccrItemProblem.item_number, value) and stands at that item: in a flat
   record at its column, among the record's item problems in column order;
   in NAACCR XML at that Item's line and column, handed over when its Tumor
   ends, after the Tumor's item problems.  A flat record with a problem of
   its length, type or version is not judged by these rules.  The Behaviour
   notes hold every rule. */

/* One allowed code of an item, as cvGetNaaccrItemCodes gives it. */
typedef struct NaaccrItemCode {
    char code[8];          /* the code in full, as a flat field holds it ("C509", "01"), NUL-terminated */
    int32_t first_version; /* the first NAACCR version whose list holds it: 180, 210, ..., 260 */
    uint32_t reserved;     /* zero */
    const char *label;     /* what it means, where the list is in the public domain; else null.  The
                              library's own text, living as long as the library is loaded */
} NaaccrItemCode;

CV_STATIC_ASSERT(sizeof(NaaccrItemCode) == 16 + sizeof(void *), "NaaccrItemCode size");

/* The allowed codes of the item numbered `number` (naaccrNum) in files of
   NAACCR `version`, in code order: copies the first `capacity` of them to
   `codes` (which may be null when capacity is 0) and returns how many there
   are, so that a call with capacity 0 tells the room to give a second one.
   Returns -1 when the version has no dictionary, its dictionary does not
   define the item, or the item has no list in that version (most items; the
   dates; recordType and naaccrRecordVersion). */
int32_t CV_CALL cvGetNaaccrItemCodes(int32_t version, int32_t number, NaaccrItemCode *codes, uint32_t capacity);

/* ---- Records as items, and conversion between flat, NAACCR XML and CSV (1.3) ----

   cvReadNaaccrFile and cvReadNaaccrStream read a file one tumour at a time
   (a flat record is one tumour) and hand each over as its given items, split
   by level: the file's (NaaccrData), its patient's and its own.  A value is
   given when it is not wholly blank; a flat field's padding is cut as its
   item says: trailing blanks of right-blank items, leading blanks of
   left-blank items; left-zero and right-zero values and trim="none" items
   are kept as they stand.  Grouped items are never handed over.  From 1.4,
   a tumour of NAACCR XML that gives no recordType (item 10) or
   naaccrRecordVersion (item 50) Item at any level gets them at the file's
   level from the root's recordType and the version of its
   baseDictionaryUri ("250"), flagged NAACCR_VALUE_FROM_ROOT, so a tumour of
   XML carries what a flat record carries.

   Consecutive flat records with the same, non-blank Patient ID Number and
   the same patient-level items belong to one patient; a record whose Patient
   ID Number is the previous record's but whose patient items differ starts
   a new patient (a "patient split").

   cvConvertNaaccrFile and cvConvertNaaccrStream write what they read as
   NAACCR XML, as flat records (versions 140 to 180) or as CSV, through a
   write callback; the caller decides where the bytes go and throws them away
   when the conversion is refused. */

/* Further result codes of reading and conversion. */
#define NAACCR_REC_REFUSED 8192       /* the conversion was refused: throw the output away */
#define NAACCR_REC_WRITE_FAILED 16384 /* the write callback failed */
#define NAACCR_REC_STOPPED 32768      /* (1.4) a problem or progress callback stopped the conversion */

/* Further kinds of problem (NaaccrItemProblem.code) of reading and conversion. */
#define NAACCR_CHECK_PATIENT_SPLIT 40 /* same Patient ID Number as the previous record, other patient items */
#define NAACCR_CHECK_ROOT_CONFLICT 41 /* a file-level item differs from the first record's */
#define NAACCR_CHECK_NOT_WRITABLE 42  /* the target cannot hold the item, extension or element */
#define NAACCR_CHECK_NOT_READABLE 43  /* a record the reader cannot take apart into items */

/* NaaccrItemValue.flags: (1.4) NAACCR XML: the value was taken from an
   attribute of NaaccrData (recordType, the version of baseDictionaryUri),
   not from an Item. */
#define NAACCR_VALUE_FROM_ROOT 1u

/* One given item of a tumour. */
typedef struct NaaccrItemValue {
    const NaaccrItemDef *item; /* its definition: the library's own, living as long as the library, or
                                  (NAACCR XML) an item of a loaded user dictionary, living as long as
                                  the call */
    const char *value;         /* its value (ASCII for flat records, UTF-8 for XML), not NUL-terminated */
    uint32_t length;           /* bytes at value, at least 1 */
    uint32_t flags;            /* NAACCR_VALUE_...; zero before 1.4 */
} NaaccrItemValue;

/* One tumour with its patient's and its file's items; it and everything it
   points to live only during the callback. */
typedef struct NaaccrTumorView {
    uint64_t tumor;                  /* tumour number in the file from 1 (flat: the record number) */
    uint64_t patient;                /* patient number in the file from 1 */
    int64_t offset;                  /* flat: byte offset of the record; XML: of the Tumor element */
    const NaaccrItemValue *items[3]; /* given items by level: [NAACCR_LEVEL_ROOT], [..._PATIENT], [..._TUMOR] */
    const void *reserved_pointer;    /* null */
    uint32_t counts[3];              /* entries of items[level] */
    int32_t version;                 /* NAACCR version: 140 ... 270 */
    char record_type;                /* 'A', 'M', 'C' or 'I' */
    uint8_t first_of_patient;        /* 1 for the patient's first tumour */
    uint8_t patient_split;           /* 1 when a patient split made this tumour's patient */
    uint8_t root_differs;            /* 1 when a file-level item differs from the first tumour's */
    uint32_t reserved;               /* zero */
} NaaccrTumorView;

/* Called for each tumour in file order on the calling thread.  Return 0 to
   go on, anything else to stop. */
typedef int32_t(CV_CALL *NaaccrTumorCallback)(void *context, const NaaccrTumorView *tumor);

/* NaaccrReadOptions.flags (1.5): how the bytes above 126 of flat records
   are read, at most one of the two; their values are then handed over as
   UTF-8.  Flat NAACCR is ASCII, so without them such a byte is a record
   problem (NAACCR_CHECK_ILLEGAL_BYTE), and so it stays when it is no
   character of the encoding: bytes 127 to 159 in Latin-1, 127 and the five
   bytes windows-1252 leaves undefined (129, 141, 143, 144, 157).  NAACCR XML
   declares its own encoding and is read as before. */
#define NAACCR_READ_LATIN1 16u       /* ISO-8859-1 */
#define NAACCR_READ_WINDOWS_1252 32u /* windows-1252 */

typedef struct NaaccrReadOptions {
    uint32_t size;                        /* sizeof(NaaccrReadOptions) */
    uint32_t flags;                       /* NAACCR_READ_...; no flag was known before 1.5 */
    uint32_t max_reported;                /* problems handed to on_problem; 0 for all */
    uint32_t reserved;                    /* zero */
    NaaccrTumorCallback on_tumor;         /* or null */
    NaaccrItemProblemCallback on_problem; /* record and item problems that keep a record from being read */
    NaaccrProgressCallback on_progress;   /* or null */
    void *context;                        /* handed back to every callback */
    const char *const *dictionaries;      /* XML: paths of user dictionaries to load; or null */
    uint32_t dictionary_count;            /* entries of dictionaries */
    uint32_t reserved2;                   /* zero */
} NaaccrReadOptions;

/* Reads the file at `path` and hands each tumour to options->on_tumor.  A
   flat record with a record problem (its length, type, version, a byte
   outside 32 to 126, a split: anomalies at the end of the file aside) or
   whose type and version have no dictionary (NAACCR_CHECK_NO_DICTIONARY, once
   per file) is not handed over; its problem goes to on_problem.  Fills
   *summary (format, version, records, tumours, patients, problems, counts)
   on every return.  Returns NAACCR_REC_OK when the file was read to its end
   or a callback stopped it (summary->records.stopped), NAACCR_REC_BAD_TYPE
   for NAACCR XML when this build cannot read it, NAACCR_REC_BAD_ARGUMENT
   for a null path or summary, options of another size, a flag other than
   the NAACCR_READ_ ones (before 1.5: any flag) or both of them, or
   cvCheckNaaccrFile's codes. */
int32_t CV_CALL cvReadNaaccrFile(const char *path, const NaaccrReadOptions *options, NaaccrItemCheckSummary *summary);

/* As cvReadNaaccrFile for a stream read through `read`. */
int32_t CV_CALL cvReadNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                                   NaaccrItemCheckSummary *summary);

/* Writes `size` bytes of output.  Returns 0 when written, anything else on a failure. */
typedef int32_t(CV_CALL *NaaccrWriteCallback)(void *output, const void *bytes, uint32_t size);

/* NaaccrConvertOptions.flags */
#define NAACCR_CONVERT_LF 1u    /* flat and CSV: end lines with LF alone instead of CR LF */
#define NAACCR_CONVERT_LOSSY 2u /* write what the target can hold and list the rest, instead of refusing */
/* (1.5) Flat input to NAACCR XML: a file-level item that differs from the
   first record's keeps the first record's value; each difference is listed
   and its value left out, instead of refusing the file. */
#define NAACCR_CONVERT_ROOT_FIRST 4u
/* (1.5) A flat record with a record problem is left out and listed; the
   other records are converted, instead of refusing the file. */
#define NAACCR_CONVERT_SKIP_BAD_RECORDS 8u
/* (1.5) Flat input: bytes above 126 are read as NAACCR_READ_LATIN1 or
   NAACCR_READ_WINDOWS_1252 says (the same bits), at most one of the two. */
#define NAACCR_CONVERT_LATIN1 NAACCR_READ_LATIN1
#define NAACCR_CONVERT_WINDOWS_1252 NAACCR_READ_WINDOWS_1252

/* NaaccrConvertOptions.target: NAACCR_FORMAT_FLAT, NAACCR_FORMAT_XML, or this */
#define NAACCR_FORMAT_CSV 3

typedef struct NaaccrConvertOptions {
    uint32_t size;                        /* sizeof(NaaccrConvertOptions) */
    uint32_t flags;                       /* NAACCR_CONVERT_... */
    int32_t target;                       /* NAACCR_FORMAT_XML, NAACCR_FORMAT_FLAT or NAACCR_FORMAT_CSV */
    uint32_t max_reported;                /* problems handed to on_problem; 0 for all */
    const char *items;                    /* CSV: the columns' naaccrIds separated by commas; null for
                                             the default columns (see cvConvertNaaccrFile) */
    NaaccrWriteCallback write;            /* where the output goes */
    void *output;                         /* handed to write */
    NaaccrItemProblemCallback on_problem; /* or null */
    NaaccrProgressCallback on_progress;   /* or null */
    void *context;                        /* handed to on_problem and on_progress */
    const char *const *dictionaries;      /* XML input: paths of user dictionaries to load; or null */
    uint32_t dictionary_count;            /* entries of dictionaries */
    uint32_t reserved2;                   /* zero */
} NaaccrConvertOptions;

/* What a conversion did. */
typedef struct NaaccrConvertSummary {
    NaaccrItemCheckSummary input; /* what was read; its counts hold every problem by kind */
    uint64_t written;             /* records (flat), tumours (XML) or rows (CSV) written */
    uint64_t patient_splits;      /* patients started by a patient split */
    uint64_t left_out;            /* items, values or elements the target could not hold */
    uint64_t problems;            /* problems found, of every kind */
    int32_t refused;              /* 1: the output is not to be used (NAACCR_REC_REFUSED or, from 1.4,
                                     NAACCR_REC_STOPPED was returned) */
    int32_t items_without_column; /* (1.4) CSV: distinct items given in the input that had no column
                                     because options->items did not name them; 0 for other targets */
} NaaccrConvertSummary;

CV_STATIC_ASSERT(sizeof(NaaccrItemValue) == 8 + 2 * sizeof(void *), "NaaccrItemValue size");
CV_STATIC_ASSERT(sizeof(NaaccrTumorView) == 24 + 4 * sizeof(void *) + 24, "NaaccrTumorView size");
CV_STATIC_ASSERT(sizeof(NaaccrReadOptions) == 24 + 5 * sizeof(void *), "NaaccrReadOptions size");
CV_STATIC_ASSERT(sizeof(NaaccrConvertOptions) == 24 + 7 * sizeof(void *), "NaaccrConvertOptions size");
CV_STATIC_ASSERT(sizeof(NaaccrConvertSummary) == 192 + 8 * NAACCR_CHECK_ALL_KINDS + 24 + 8 + 8 + 512 + 40,
                 "NaaccrConvertSummary size");
CV_STATIC_ASSERT(offsetof(NaaccrConvertSummary, items_without_column) ==
                     192 + 8 * NAACCR_CHECK_ALL_KINDS + 24 + 8 + 8 + 512 + 36,
                 "NaaccrConvertSummary items_without_column offset");

/* Converts the file at `path` into options->target.  A flat file becomes
   NAACCR XML of its version (the root's items from its first record, one
   Patient per patient as told above), flat records of its version (each
   padded by its items, lines ended by CR LF or LF, the checksum field
   assigned), or CSV (RFC 4180, UTF-8: a header of naaccrIds, then one row
   per tumour).  NAACCR XML becomes the same three, a tumour's record type
   and version from the root when no Item gives them; written as NAACCR XML
   again, the values the reader took from the root are not written as Items.

   CSV's columns are those options->items names (items of the version's
   dictionary or, for NAACCR XML, of a loaded user dictionary); a given item
   that it does not name is neither written nor refused, but counted in
   summary->items_without_column.  Without items, the columns are, for flat
   records, the items of the first record's type; for NAACCR XML, every item
   of the version's dictionary (NAACCR's default user items included) that is
   not grouped, of every record type, in dictionary order, then the items of
   the user dictionaries loaded, in their order.

   Every given value is written or listed as left out.  Refuses
   (NAACCR_REC_REFUSED, summary->refused) a file with a problem that
   cvReadNaaccrFile reports (but with NAACCR_CONVERT_SKIP_BAD_RECORDS the
   records with a record problem, which are left out and listed), whose
   file-level items differ between flat records for a NAACCR XML target (one
   NAACCR_CHECK_ROOT_CONFLICT problem per item and record, naming both values
   and both records; with NAACCR_CONVERT_ROOT_FIRST the first record's value
   stands and the other is listed and left out), whose recordType or
   naaccrRecordVersion Item contradicts its NAACCR XML root (the
   NAACCR_CHECK_XML_ROOT problem that names the item; the root's other
   problems lose nothing and refuse nothing), a flat target for a version
   after 180, or whose items the target cannot hold, unless
   NAACCR_CONVERT_LOSSY: then what cannot be held is listed and left out.
   An item of NAACCR XML given at two levels with other values
   (NAACCR_CHECK_ITEM_CONFLICT) is such an item for flat and CSV targets,
   which keep the innermost value and list the other; NAACCR XML keeps both
   where they stood and lists the conflict.  Patient splits are listed, never
   refused.

   Returns NAACCR_REC_OK when everything was written, NAACCR_REC_REFUSED,
   NAACCR_REC_STOPPED (summary->refused 1) when on_problem or on_progress
   returned non-zero, NAACCR_REC_WRITE_FAILED when the write callback failed,
   NAACCR_REC_BAD_ARGUMENT (null pointers, a wrong size, a flag bit that is
   not one of cvGetNaaccrOptionFlags(NAACCR_OPTIONS_CONVERT), both encodings,
   an unknown target, an
   unknown naaccrId in items, items for a target other than CSV), or
   cvReadNaaccrFile's codes.  Holds one record and a few buffers whatever the
   size of the file. */
int32_t CV_CALL cvConvertNaaccrFile(const char *path, const NaaccrConvertOptions *options,
                                    NaaccrConvertSummary *summary);

/* As cvConvertNaaccrFile for a stream read through `read`. */
int32_t CV_CALL cvConvertNaaccrStream(NaaccrReadCallback read, void *stream, const NaaccrConvertOptions *options,
                                      NaaccrConvertSummary *summary);

/* ---- The kinds in words (1.6) ----

   Every kind of problem with its short label, the words a registrar reads
   in a report ("Record length", "Item date"): NAACCR_CHECK_KIND_LIST(X)
   expands to X(NAME, "Label") for each kind NAACCR_CHECK_NAME, in the order
   of their numbers.  This list is the labels' one home: the library's
   cvGetNaaccrKindLabel, the command line and veldrix read them from here. */
#define NAACCR_CHECK_KIND_LIST(X)                                                                                      \
    X(RECORD_LENGTH, "Record length")                                                                                  \
    X(LAYOUT_LENGTH, "Layout length")                                                                                  \
    X(RECORD_TYPE, "Record type")                                                                                      \
    X(VERSION, "Version code")                                                                                         \
    X(ILLEGAL_BYTE, "Illegal character")                                                                               \
    X(SPLIT_RECORD, "Split record")                                                                                    \
    X(TERMINATOR_FORM, "Line ending")                                                                                  \
    X(TERMINATOR_OMITTED, "Last line ending missing")                                                                  \
    X(STRAY_CTRL_Z, "Stray Ctrl-Z")                                                                                    \
    X(PARTIAL_RECORD, "Partial record")                                                                                \
    X(BYTE_ORDER_MARK, "Byte-order mark")                                                                              \
    X(CHECKSUM_MISMATCH, "Checksum mismatch")                                                                          \
    X(CHECKSUM_BLANK, "Blank checksum")                                                                                \
    X(NO_CHECKSUM, "No checksum field")                                                                                \
    X(CHECKSUM_CUT, "Checksum field cut")                                                                              \
    X(ITEM_DATA_TYPE, "Item data type")                                                                                \
    X(ITEM_SHORT, "Item too short")                                                                                    \
    X(ITEM_DATE, "Item date")                                                                                          \
    X(ITEM_PADDING, "Item padding")                                                                                    \
    X(NO_DICTIONARY, "No dictionary")                                                                                  \
    X(ITEM_TOO_LONG, "Item too long")                                                                                  \
    X(ITEM_BLANKS, "Blanks around a value")                                                                            \
    X(ITEM_UNKNOWN, "Unknown item")                                                                                    \
    X(ITEM_NUMBER, "Item number")                                                                                      \
    X(ITEM_RECORD_TYPE, "Item not of the record type")                                                                 \
    X(ITEM_LEVEL, "Item level")                                                                                        \
    X(ITEM_REPEATED, "Repeated item")                                                                                  \
    X(XML_MALFORMED, "Malformed XML")                                                                                  \
    X(XML_STRUCTURE, "XML structure")                                                                                  \
    X(XML_ROOT, "XML root")                                                                                            \
    X(XML_ENCODING, "XML encoding")                                                                                    \
    X(XML_TOKEN_TOO_LONG, "XML token too long")                                                                        \
    X(USER_DICTIONARY, "User dictionary")                                                                              \
    X(ITEM_CONFLICT, "Item conflict")                                                                                  \
    X(ITEM_CODE, "Invalid code")                                                                                       \
    X(ITEM_COMBINATION, "Code combination")                                                                            \
    X(ITEM_DATE_ORDER, "Date order")                                                                                   \
    X(PATIENT_SPLIT, "Patient split")                                                                                  \
    X(ROOT_CONFLICT, "File-level items differ")                                                                        \
    X(NOT_WRITABLE, "Cannot be written")                                                                               \
    X(NOT_READABLE, "Cannot be read as items")

/* The label of kind `kind` (NAACCR_CHECK_...) as NAACCR_CHECK_KIND_LIST
   gives it: the library's own text, living as long as the library is
   loaded; null for a number that is no kind.  The export that came with
   NAACCR_CHECK_IDS. */
const char *CV_CALL cvGetNaaccrKindLabel(int32_t kind);

/* ---- The flags each options struct takes (1.5) ----

   A caller that sets a flag of a later release than the library it loaded
   gets NAACCR_REC_BAD_ARGUMENT (from 1.4).  It asks first: the library
   exports this call from the release that added NAACCR_CONVERT_ROOT_FIRST,
   NAACCR_CONVERT_SKIP_BAD_RECORDS and the encoding flags on. */
#define NAACCR_OPTIONS_CHECK 1      /* NaaccrCheckOptions */
#define NAACCR_OPTIONS_ITEM_CHECK 2 /* NaaccrItemCheckOptions */
#define NAACCR_OPTIONS_READ 3       /* NaaccrReadOptions */
#define NAACCR_OPTIONS_CONVERT 4    /* NaaccrConvertOptions */

/* Returns every flag bit that the options struct `options` names
   (NAACCR_OPTIONS_...) takes in this library, as its calls accept them (a
   call may still refuse two flags that exclude each other, as the two
   encodings do); 0 for any other number. */
uint32_t CV_CALL cvGetNaaccrOptionFlags(int32_t options);

#ifdef __cplusplus
}
#endif

#endif /* CVNAACCR_H */
