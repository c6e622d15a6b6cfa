// test_files.h -- writing record files into a per-test temporary folder.
#ifndef TEST_FILES_H
#define TEST_FILES_H

#include <string>

// A folder of its own for the running test, made on first use.
std::string test_folder();

// Writes `bytes` to `name` inside test_folder() and returns the full path.
std::string write_test_file(const std::string &name, const std::string &bytes);

// The repository's data folder, named by CVNAACCR_DATA; "" (and a failure of
// the running test) when it does not name a folder.
std::string data_folder();

// The folder of the peer projects' flat sample files, data/flat-samples.
std::string peerdata_folder();

#endif
