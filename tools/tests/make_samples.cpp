// make_samples.cpp -- writes synthetic NAACCR record files: every record type
// with each of its version rules in every terminator form, and one file for
// each problem and anomaly that file inspection reports.
//
//   make_samples OUTDIR          write the files and OUTDIR/expected.tsv
//   make_samples --check OUTDIR  write them, then inspect each one with the
//                                library and compare with what was expected
//
// The records are deterministic: the same program writes the same bytes.
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "cvnaaccr.h"
#include "flat/flat.h"

namespace
{

// One record layout of the library's table with one of its version codes.
struct Layout {
    char type;
    std::string version; // as the library reports it
    int version_column;  // where the code is written
    int length;          // record length without terminators
    bool blank_536;      // versions 5 to 9 need a blank in column 536
};

// Every version code of every row of the layout table.
std::vector<Layout> layouts()
{
    std::vector<Layout> all;
    for (size_t n = 0; n < naaccr_layout_count; ++n) {
        const NaaccrLayout &row = naaccr_layouts[n];
        for (const char *code = row.codes; *code != '\0';) {
            const size_t length = strcspn(code, " ");
            all.push_back(
                {row.record_type, std::string(code, length), row.version_column, row.length, row.needs_blank_536});
            code += length;
            code += *code == ' ';
        }
    }
    return all;
}

struct Terminator {
    const char *name;
    const char *bytes;
};

const Terminator terminators[] = {{"crlf", "\r\n"}, {"lf", "\n"}, {"cr", "\r"}, {"lfcr", "\n\r"}, {"none", ""}};

struct Expected {
    std::string name;
    int32_t code;
    char record_type;
    std::string version;
    int32_t record_length;
    int32_t record_count;
    int64_t file_size;
};

// Printable filler that never forms a version code by accident.
std::string record(const Layout &layout, unsigned seed)
{
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789    ";
    std::string r(static_cast<size_t>(layout.length), ' ');
    unsigned state = seed * 2654435761u + 12345u;
    for (size_t i = 1; i < r.size(); ++i) {
        state = state * 1103515245u + 12345u;
        r[i] = alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    r[0] = layout.type;
    r.replace(1, 3, "   ");  // columns 2 to 4: the version of type U
    r.replace(16, 3, "   "); // columns 17 to 19: the version of the other types
    if (r.size() >= 536)
        r[535] = 'X'; // column 536: the oldest version column
    if (layout.blank_536)
        r[535] = ' ';
    r.replace(static_cast<size_t>(layout.version_column - 1), layout.version.size(), layout.version);
    std::string terminated = r + '\0';
    cvAssignChecksum(&terminated[0]); // where the layout has a checksum field
    terminated.pop_back();
    return terminated;
}

bool write_file(const std::string &path, const std::string &bytes)
{
    FILE *file = fopen(path.c_str(), "wb");
    if (file == nullptr) {
        fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

std::string file_version_name(const Layout &l)
{
    return std::string(1, static_cast<char>(l.type - 'A' + 'a')) + "-" + l.version;
}

// The whole set, with what inspection must report for each file.
std::vector<std::pair<Expected, std::string>> samples()
{
    std::vector<std::pair<Expected, std::string>> out;
    for (const Layout &l : layouts()) {
        for (const Terminator &t : terminators) {
            const int32_t length = l.length + static_cast<int32_t>(strlen(t.bytes));
            std::string bytes;
            for (unsigned n = 0; n < 2; ++n)
                bytes += record(l, n) + t.bytes;
            // Without terminators a record longer than the window is measured
            // by the layout's own length, which is what was written.
            out.push_back({{file_version_name(l) + "-" + t.name + ".txt", NAACCR_REC_OK, l.type, l.version, length, 2,
                            static_cast<int64_t>(bytes.size())},
                           bytes});
        }
    }

    const NaaccrLayout *row = find_naaccr_layout('I', "150");
    const Layout incidence = {'I', "150", row->version_column, row->length, false};
    const std::string r1 = record(incidence, 1), r2 = record(incidence, 2), r3 = record(incidence, 3);
    auto add = [&out](const char *name, int32_t code, char type, const char *version, int32_t length, int32_t count,
                      const std::string &bytes) {
        out.push_back({{name, code, type, version, length, count, static_cast<int64_t>(bytes.size())}, bytes});
    };
    const int32_t n = row->length;
    add("stray-ctrl-z.txt", NAACCR_REC_STRAY_CTRL_Z, 'I', "150", n + 2, 2, r1 + "\r\n" + r2 + "\r\n\x1a");
    add("last-terminator-omitted.txt", NAACCR_REC_TERMINATOR_OMITTED, 'I', "150", n + 2, 3,
        r1 + "\r\n" + r2 + "\r\n" + r3);
    add("uneven-length.txt", NAACCR_REC_UNEVEN_LENGTH, 'I', "150", n + 1, 2, r1 + "\n" + r2 + "\nXYZ");
    std::string other = r2;
    other[0] = 'C';
    add("mixed-types.txt", NAACCR_REC_MIXED_TYPES, 'I', "150", n + 1, 2, r1 + "\n" + other + "\n");
    std::string bad_type = r1;
    bad_type[0] = 'X';
    add("bad-type.txt", NAACCR_REC_BAD_TYPE, 'X', " ", n + 2, 0, bad_type + "\r\n");
    std::string bad_version = r1;
    bad_version.replace(16, 3, "999");
    add("bad-version.txt", NAACCR_REC_BAD_VERSION, 'I', " ", n + 2, 0, bad_version + "\r\n");
    std::string illegal = r1;
    illegal[99] = '\t';
    add("illegal-character.txt", NAACCR_REC_ILLEGAL_CHAR, 'I', "150", 99, 0, illegal + "\r\n");
    add("too-short.txt", NAACCR_REC_TOO_SHORT, ' ', "", 0, 0, r1.substr(0, 500) + "\r\n");
    add("empty.txt", NAACCR_REC_EMPTY_FILE, ' ', "", 0, 0, "");

    // An abstract of version 180 ends past the inspection's window; its second
    // record's type is read there too.
    const NaaccrLayout *a18 = find_naaccr_layout('A', "180");
    const Layout abstract = {'A', "180", a18->version_column, a18->length, false};
    std::string modified = record(abstract, 2);
    modified[0] = 'M';
    add("v18-mixed-types.txt", NAACCR_REC_MIXED_TYPES, 'A', "180", a18->length + 2, 2,
        record(abstract, 1) + "\r\n" + modified + "\r\n");
    return out;
}

int check(const std::string &folder, const std::vector<std::pair<Expected, std::string>> &set)
{
    int failures = 0;
    for (const auto &sample : set) {
        const Expected &e = sample.first;
        NaaccrFileInfo info;
        memset(&info, 0, sizeof info);
        char path[sizeof info.directory];
        snprintf(path, sizeof path, "%s/%s", folder.c_str(), e.name.c_str());
        snprintf(info.directory, sizeof info.directory, "%s", path);
        const int32_t code = cvGet_naaccr_file_info(&info);
        const bool same = code == e.code && info.record_type == e.record_type && e.version == info.version &&
                          info.record_length == e.record_length && info.record_count == e.record_count &&
                          info.file_size == e.file_size;
        // Checking every record describes the first record as inspection does.
        NaaccrCheckSummary summary;
        NaaccrCheckOptions options;
        memset(&options, 0, sizeof options);
        options.size = sizeof options;
        options.threads = 1;
        const int32_t checked = cvCheckNaaccrFile(path, &options, &summary);
        const bool recognized = code <= NAACCR_REC_UNEVEN_LENGTH;
        if (recognized && (checked != NAACCR_REC_OK || summary.record_type != info.record_type ||
                           strcmp(summary.version, info.version) != 0 || summary.record_length != info.record_length)) {
            ++failures;
            printf("CHECK DIFFERS %s: type %c version '%s' length %" PRId32 " (inspection: %c '%s' %" PRId32 ")\n",
                   e.name.c_str(), summary.record_type, summary.version, summary.record_length, info.record_type,
                   info.version, info.record_length);
        }
        if (!same) {
            ++failures;
            printf("MISMATCH %s: code %" PRId32 " type %c version '%s' length %" PRId32 " count %" PRId32
                   " size %" PRId64 " (expected %" PRId32 " %c '%s' %" PRId32 " %" PRId32 " %" PRId64 ")\n",
                   e.name.c_str(), code, info.record_type, info.version, info.record_length, info.record_count,
                   info.file_size, e.code, e.record_type, e.version.c_str(), e.record_length, e.record_count,
                   e.file_size);
        }
    }
    printf("%d passed, %d failed\n", static_cast<int>(set.size()) - failures, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const bool checking = argc == 3 && strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !checking) {
        fputs("Usage: make_samples [--check] OUTDIR\n", stderr);
        return 2;
    }
    const std::string folder = argv[argc - 1];
    const std::vector<std::pair<Expected, std::string>> set = samples();
    std::string table = "file\tcode\trecord_type\tversion\trecord_length\trecord_count\tfile_size\n";
    for (const auto &sample : set) {
        const Expected &e = sample.first;
        if (!write_file(folder + "/" + e.name, sample.second))
            return 1;
        char line[256];
        snprintf(line, sizeof line, "%s\t%" PRId32 "\t%c\t%s\t%" PRId32 "\t%" PRId32 "\t%" PRId64 "\n", e.name.c_str(),
                 e.code, e.record_type, e.version.c_str(), e.record_length, e.record_count, e.file_size);
        table += line;
    }
    if (!write_file(folder + "/expected.tsv", table))
        return 1;
    return checking ? check(folder, set) : 0;
}
