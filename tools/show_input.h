// show_input.h -- the input of `cvnaaccr show`, read once and handed to the
// reader its first bytes call for: the library's record model for NAACCR XML,
// the record check for flat records.
#ifndef SHOW_INPUT_H
#define SHOW_INPUT_H

#include <stddef.h>

#include "cvnaaccr.h"

// The two ways to catch what is shown; the caller sets both up.
struct ShowInput {
    const NaaccrCheckOptions *records; // flat records: their on_record catches the record
    const NaaccrReadOptions *tumours;  // NAACCR XML: their on_tumor catches the tumour
    bool xml;                          // set by read_show_input: the input was read as NAACCR XML
};

// Reads the input `path` as read_input does (a file, "-", gzip data of
// either) with cvReadNaaccrFile or cvReadNaaccrStream when the library
// tells NAACCR XML by its first bytes, else with the record check.  Fills
// *records (the record check's summary) and input->xml.
// Returns the library's result code, or read_input's with the reason in
// `error` (otherwise left empty).
int32_t read_show_input(const char *path, ShowInput *input, NaaccrCheckSummary *records, char *error, size_t capacity);

#endif
