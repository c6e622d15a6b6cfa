/* cvnaaccr.h -- public interface of the cvnaaccr record-file library.

   cvnaaccr recognises NAACCR fixed-length record files (record type, NAACCR
   version, record length with its terminators, record count) and maintains
   CRC-32 check fields inside single records held in memory.

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
#define CVNAACCR_VERSION_MINOR 2
#define CVNAACCR_VERSION_PATCH 2
#define CVNAACCR_VERSION_STRING "1.2.2"

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
    char version[4];        /* "120".."180", "1".."9", "A" (10), "B" (11); " " after an error */
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
   column.  On every refusal the record is unchanged.  Reads only the record
   and its terminator byte. */
int32_t CV_CALL cvAssignChecksum(char *record);

/* Verifies the NAACCR checksum field of one record in memory, which ends as
   for cvAssignChecksum.  Returns 0 when it holds the checksum (for versions
   120 to 160 also when columns 1919 to 1928 hold the checksum of the record
   without them, as earlier releases wrote it), CV_FIELD_MISMATCH when it does
   not or when the record ends before the field's last column, or the
   recognizer's codes and NAACCR_REC_NO_CHECKSUM as cvAssignChecksum does.
   Reads only the record and its terminator byte. */
int32_t CV_CALL cvCompareChecksum(const char *record);

/* Copies the library's version, build date, build time and contact text, each
   with its NUL, to the start of their fields; bytes after each NUL are left as
   they were.  Always returns 0. */
int32_t CV_CALL cvGet_cvnaaccr_dll_info(NaaccrLibraryInfo *info);

#ifdef __cplusplus
}
#endif

#endif /* CVNAACCR_H */
