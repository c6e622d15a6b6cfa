// sample_files.h -- small synthetic record files for the end-to-end runs.
#ifndef SAMPLE_FILES_H
#define SAMPLE_FILES_H

#include <string>

// One record of `length` printable characters: `type` in column 1, a record number in columns 2 to 16,
// `version` (one or three characters) ending in column 19, letters and digits after it.
std::string Record(char type, const char *version, int number, int length);

// Writes `bytes` to the file `path`; false when that fails.
bool WriteFileBytes(const std::string &path, const std::string &bytes);

// The whole content of `path`, and whether it could be read.
bool ReadFileBytes(const std::string &path, std::string &bytes);

#endif
