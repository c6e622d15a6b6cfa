// show_xml.h -- `cvnaaccr show` for a NAACCR XML file: one tumour's items with
// its patient's and the file's, read by the library's record model.
#ifndef SHOW_XML_H
#define SHOW_XML_H

#include <stdint.h>

// True when `path` names a file the library reads as NAACCR XML ("-" and
// compressed input are read as records).
bool is_xml_file(const char *path);

// Prints tumour `number` (from 1) of the NAACCR XML file at `path`: its
// place, then each given item (with `all`, also the items of the version and
// record type that are not given, as ""), one per line.  Returns the exit
// status: 0 shown, 1 no such tumour or the file cannot be read as items, 2 an
// output or read error.
int show_xml_tumour(const char *path, uint64_t number, bool all);

#endif
