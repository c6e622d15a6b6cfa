// inspect_input.h -- what `cvnaaccr inspect` finds out about one file: the
// library's inspection for fixed-length records, what the root says for
// NAACCR XML, and either of them on the decompressed bytes of gzip data.
#ifndef INSPECT_INPUT_H
#define INSPECT_INPUT_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"

struct Inspection {
    NaaccrFileInfo info; // on entry info.directory holds the path for the library; then what was found
    int32_t code;        // the library's inspection result, or for NAACCR XML as inspect_input says
    bool xml;            // NAACCR XML: record_type and version are the root's; the record fields mean nothing
    bool compressed;     // gzip data, inspected decompressed: file_size counts the decompressed bytes
    char hint[256];      // what data that is no flat record file seems to be (file_hint.h), or ""
};

// Inspects the file `path`, taken exactly as given, as `check` reads it:
// data that starts with the gzip magic bytes is decompressed, whatever its
// name.  NAACCR XML (told as `check` tells it) is described by its root: its
// version and record type (the root's recordType, else the recordType item
// of the first tumour within its first 64 KiB), with code NAACCR_REC_OK when
// it gives a known version and a record type of A, M, C or I,
// NAACCR_REC_BAD_TYPE when it gives the version alone and
// NAACCR_REC_BAD_VERSION when it gives none; info.message says which, or why
// the root cannot be read.  Anything else is inspected by
// cvGet_naaccr_file_info: the file itself, or for gzip data a private
// temporary copy that holds every byte of the decompressed data that
// inspection reads, removed before this returns.  The path parts
// (directory, file_name, extension) are always those of info.directory.
// Returns NAACCR_REC_OK when *inspection is filled; NAACCR_REC_READ_FAILED,
// with the reason in `error`, for damaged or cut gzip data, a ".gz" file that
// is not compressed, a build without zlib or a copy that cannot be made;
// NAACCR_REC_NO_MEMORY.
int32_t inspect_input(const char *path, Inspection *inspection, char *error, size_t capacity);

#endif
