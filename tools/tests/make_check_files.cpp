// make_check_files.cpp -- writes the record files of the command-line tests:
// NAACCR 18 incidence records (type I, 4048 characters, checksum field at
// columns 2607 to 2616, assigned) in each terminator form, with one kind of
// problem planted at chosen records, and for each file NAME.expected: the
// problems `cvnaaccr check` must report, one "record offset LABEL" line each
// (the kind's label, as the library's cvGetNaaccrKindLabel gives it), in file
// order.
//
//   make_check_files DIR
//
// The large files cross the checker's 1 MB reads and 8 MB pieces several
// times; their problems sit at the first record, at the records around those
// boundaries, in the middle and at the last record.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "cvnaaccr.h"

namespace
{

const size_t record_length = 4048;
const uint32_t checksum_column = 2607;

enum Fault {
    NONE,
    BAD_TYPE,    // column 1 'X'
    BAD_VERSION, // columns 17 to 19 "170"
    TAB,         // column 100
    HIGH_BYTE,   // 0xE9 at column 100
    NUL_BYTE,    // NUL at column 100
    LONGER,      // one more character at column 200
    SPLIT,       // a lone CR or LF (whichever is no terminator by itself) at column 300
    OTHER_FORM,  // ends in another terminator
    MISMATCH,    // a data byte changed after its checksum was assigned
    BLANK,       // a blank checksum field
    PARTIAL,     // last record only: cut to 1000 characters, no terminator
    OMITTED,     // last record only: no terminator
};

struct Form {
    const char *name;
    const char *bytes;
};
const Form forms[] = {{"crlf", "\r\n"}, {"lf", "\n"}, {"cr", "\r"}, {"lfcr", "\n\r"}, {"none", ""}};

int32_t kind_of(Fault f)
{
    switch (f) {
    case BAD_TYPE:
        return NAACCR_CHECK_RECORD_TYPE;
    case BAD_VERSION:
        return NAACCR_CHECK_VERSION;
    case TAB:
    case HIGH_BYTE:
    case NUL_BYTE:
        return NAACCR_CHECK_ILLEGAL_BYTE;
    case LONGER:
        return NAACCR_CHECK_RECORD_LENGTH;
    case SPLIT:
        return NAACCR_CHECK_SPLIT_RECORD;
    case OTHER_FORM:
        return NAACCR_CHECK_TERMINATOR_FORM;
    case MISMATCH:
        return NAACCR_CHECK_CHECKSUM_MISMATCH;
    case BLANK:
        return NAACCR_CHECK_CHECKSUM_BLANK;
    case PARTIAL:
        return NAACCR_CHECK_PARTIAL_RECORD;
    case OMITTED:
        return NAACCR_CHECK_TERMINATOR_OMITTED;
    default:
        return 0;
    }
}

// A record with its checksum assigned; printable filler.
std::string clean_record(unsigned seed)
{
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789    ";
    std::string r(record_length, ' ');
    unsigned state = seed * 2654435761u + 12345u;
    for (size_t i = 1; i < r.size(); ++i) {
        state = state * 1103515245u + 12345u;
        r[i] = alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    r[0] = 'I';
    r.replace(16, 3, "180");
    cvAssignCRC32(&r[0], static_cast<uint32_t>(r.size()), checksum_column, 10);
    return r;
}

struct Planted {
    uint64_t record;
    Fault fault;
};

struct FileSpec {
    std::string name;
    const Form *form;
    uint64_t records;
    std::vector<Planted> planted;
    bool bom, ctrl_z;
};

// Writes the file and its expectations.
bool write_case(const std::string &dir, const FileSpec &spec)
{
    const std::string path = dir + "/" + spec.name;
    FILE *file = fopen(path.c_str(), "wb");
    FILE *expected = fopen((path + ".expected").c_str(), "wb");
    if (file == nullptr || expected == nullptr) {
        fprintf(stderr, "make_check_files: cannot write %s\n", path.c_str());
        if (file != nullptr)
            fclose(file);
        if (expected != nullptr)
            fclose(expected);
        return false;
    }
    uint64_t offset = 0;
    if (spec.bom) {
        fputs("\xEF\xBB\xBF", file);
        fprintf(expected, "1 0 %s\n", cvGetNaaccrKindLabel(NAACCR_CHECK_BYTE_ORDER_MARK));
        offset = 3;
    }
    const std::string terminator = spec.form->bytes;
    const bool two = terminator.size() == 2;
    for (uint64_t n = 1; n <= spec.records; ++n) {
        std::string r = clean_record(static_cast<unsigned>(n % 977));
        std::string end = terminator;
        Fault fault = NONE;
        for (const Planted &p : spec.planted)
            if (p.record == n)
                fault = p.fault;
        switch (fault) {
        case BAD_TYPE:
            r[0] = 'X';
            break;
        case BAD_VERSION:
            r.replace(16, 3, "170");
            break;
        case TAB:
            r[99] = '\t';
            break;
        case HIGH_BYTE:
            r[99] = '\xE9';
            break;
        case NUL_BYTE:
            r[99] = '\0';
            break;
        case LONGER:
            r.insert(199, "Z");
            break;
        case SPLIT:
            r[299] = spec.form->bytes[0] == '\n' ? '\r' : '\n';
            break;
        case OTHER_FORM:
            end = two ? terminator.substr(0, 1) : terminator == "\n" ? "\r" : "\n";
            break;
        case MISMATCH:
            r[999] = r[999] == 'A' ? 'B' : 'A';
            break;
        case BLANK:
            r.replace(checksum_column - 1, 10, 10, ' ');
            break;
        case PARTIAL:
            r.resize(1000);
            end = "";
            break;
        case OMITTED:
            end = "";
            break;
        case NONE:
            break;
        }
        fwrite(r.data(), 1, r.size(), file);
        fwrite(end.data(), 1, end.size(), file);
        if (fault != NONE)
            fprintf(expected, "%" PRIu64 " %" PRIu64 " %s\n", n, offset, cvGetNaaccrKindLabel(kind_of(fault)));
        offset += r.size() + end.size();
    }
    if (spec.ctrl_z) {
        fputc(26, file);
        fprintf(expected, "%" PRIu64 " %" PRIu64 " %s\n", spec.records + 1, offset,
                cvGetNaaccrKindLabel(NAACCR_CHECK_STRAY_CTRL_Z));
    }
    const bool ok = !ferror(file) && !ferror(expected);
    return (fclose(file) == 0) & (fclose(expected) == 0) & ok;
}

// The record that holds byte `offset` of a file of whole records.
uint64_t record_at(uint64_t offset, const Form &form) { return offset / (record_length + strlen(form.bytes)) + 1; }

std::vector<FileSpec> cases()
{
    std::vector<FileSpec> all;
    for (const Form &form : forms) {
        const bool terminated = form.bytes[0] != '\0';
        const bool two = strlen(form.bytes) == 2;
        // Small files: problems at the first, a middle and the last record.
        all.push_back({std::string(form.name) + "-small.txt",
                       &form,
                       12,
                       {{1, TAB}, {6, BAD_TYPE}, {12, HIGH_BYTE}},
                       false,
                       false});
        // A lone CR or LF in the first 23000 bytes would be taken for the
        // terminator of a one-byte form, so it goes to record 8 there.
        all.push_back({std::string(form.name) + "-ends.txt",
                       &form,
                       12,
                       {{5, BAD_VERSION}, {two ? 1u : 8u, SPLIT}, {12, NUL_BYTE}},
                       false,
                       true});
        all.push_back({std::string(form.name) + "-partial.txt", &form, 5, {{5, PARTIAL}}, true, false});
        if (terminated) {
            all.push_back(
                {std::string(form.name) + "-omitted.txt", &form, 5, {{3, LONGER}, {5, OMITTED}}, false, false});
            all.push_back({std::string(form.name) + "-other-form.txt",
                           &form,
                           6,
                           {{2, OTHER_FORM}, {6, OTHER_FORM}},
                           false,
                           false});
        }
    }
    // Large files: about 21 MB, so several threads share them.
    for (const Form &form : forms) {
        if (strcmp(form.name, "cr") == 0 || strcmp(form.name, "lfcr") == 0)
            continue;
        const bool terminated = form.bytes[0] != '\0';
        const uint64_t mb = 1u << 20;
        const uint64_t count = record_at(21 * mb, form);
        FileSpec spec = {std::string(form.name) + "-large.txt", &form, count, {}, false, false};
        const uint64_t spots[] = {1,
                                  record_at(mb, form),
                                  record_at(mb, form) + 1,
                                  record_at(8 * mb - 1, form),
                                  record_at(8 * mb, form) + 1,
                                  count / 2,
                                  record_at(16 * mb, form),
                                  record_at(16 * mb, form) + 1,
                                  record_at(16 * mb, form) + 2,
                                  count};
        const Fault faults[] = {TAB,
                                BAD_TYPE,
                                SPLIT,
                                HIGH_BYTE,
                                BAD_VERSION,
                                NUL_BYTE,
                                terminated ? LONGER : TAB,
                                terminated ? OTHER_FORM : SPLIT,
                                BAD_TYPE,
                                terminated ? OMITTED : HIGH_BYTE};
        for (size_t k = 0; k < sizeof spots / sizeof spots[0]; ++k)
            spec.planted.push_back({spots[k], faults[k]});
        all.push_back(spec);
    }
    // Checksums: verified with --checksums.
    all.push_back({"checksums-crlf.txt", &forms[0], 10, {{2, MISMATCH}, {5, BLANK}, {10, MISMATCH}}, false, false});
    return all;
}

// A file whose records are one character longer than their layout, each
// checksum computed over all of its 4049 characters, and the last character
// of record 2 changed afterwards.
bool write_longer_than_layout(const std::string &dir)
{
    FILE *file = fopen((dir + "/longer-than-layout.txt").c_str(), "wb");
    if (file == nullptr)
        return false;
    for (unsigned n = 1; n <= 3; ++n) {
        std::string r = clean_record(n) + "Q";
        cvAssignCRC32(&r[0], static_cast<uint32_t>(r.size()), checksum_column, 10);
        if (n == 2)
            r.back() = 'R';
        fputs((r + "\r\n").c_str(), file);
    }
    return fclose(file) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fputs("Usage: make_check_files DIR\n", stderr);
        return 2;
    }
    for (const FileSpec &spec : cases())
        if (!write_case(argv[1], spec))
            return 1;
    return write_longer_than_layout(argv[1]) ? 0 : 1;
}
