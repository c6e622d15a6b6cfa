// sample_files.cpp -- small synthetic record files for the end-to-end runs.
#include "sample_files.h"

#include <cstdio>
#include <cstring>

std::string Record(char type, const char *version, int number, int length)
{
    static const char filler[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    std::string record(static_cast<size_t>(length), ' ');
    for (size_t i = 19; i < record.size(); ++i)
        record[i] = filler[(i - 19) % (sizeof filler - 1)];
    record[0] = type;
    char id[16];
    std::snprintf(id, sizeof id, "E2E RECORD %04d", number);
    record.replace(1, 15, id);
    size_t version_length = std::strlen(version);
    record.replace(19 - version_length, version_length, version);
    return record;
}

bool WriteFileBytes(const std::string &path, const std::string &bytes)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool ReadFileBytes(const std::string &path, std::string &bytes)
{
    bytes.clear();
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return true;
}
