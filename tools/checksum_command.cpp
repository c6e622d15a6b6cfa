// checksum_command.cpp -- cvnaaccr checksum verify FILE... and
// cvnaaccr checksum assign FILE -o OUT: the NAACCR checksum field of every
// record of a file, through the library's exported functions.
//
// Files can be far larger than memory, so they are read record by record
// through one fixed block; a record ends at a CR or LF, and the second byte of
// the file's terminator form (LF after CR, CR after LF) belongs to it.  Files
// whose records carry no terminator are read in records of the layout's length.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <system_error>
#include <vector>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#define stderr_is_terminal() (_isatty(_fileno(stderr)) != 0)
#else
#include <unistd.h>
#define stderr_is_terminal() (isatty(fileno(stderr)) != 0)
#endif

#include "code_names.h"
#include "commands.h"
#include "cvnaaccr.h"

namespace
{

// Longer than any NAACCR layout; a longer record is reported, not checked.
const size_t max_record = 1 << 20;
const size_t block_size = 1 << 16;
const int64_t progress_threshold = 100 * 1000 * 1000;

// The checksum field's possible columns; the width is always 10.
const uint32_t checksum_columns[] = {1920, 1164, 942};
const uint32_t checksum_width = 10;

struct Reader {
    FILE *file;
    std::vector<unsigned char> block;
    size_t pos, end;
    bool failed;         // a read error, as opposed to the end of the file
    char first, second;  // the file's terminator form; 0 when it has none
    size_t fixed_length; // record length of a file without terminators, else 0
    uint64_t consumed;   // bytes handed out so far
};

struct Record {
    std::vector<char> bytes; // max_record bytes and a NUL
    size_t length;           // bytes kept in `bytes`
    uint64_t full_length;    // bytes of the record in the file, without terminators
    char terminator[2];
    size_t terminator_length;
};

bool refill(Reader &r)
{
    r.pos = 0;
    r.end = fread(r.block.data(), 1, r.block.size(), r.file);
    if (r.end == 0 && ferror(r.file))
        r.failed = true;
    return r.end > 0;
}

void keep(Record &rec, const unsigned char *bytes, size_t n)
{
    const size_t room = max_record - rec.length;
    const size_t kept = n < room ? n : room;
    memcpy(rec.bytes.data() + rec.length, bytes, kept);
    rec.length += kept;
    rec.full_length += n;
}

// Reads the next record with its terminator bytes.  False at the end of the
// file (or on a read error, which r.failed tells apart).
bool read_record(Reader &r, Record &rec)
{
    rec.length = 0;
    rec.full_length = 0;
    rec.terminator_length = 0;
    bool any = false;
    while (r.pos < r.end || refill(r)) {
        any = true;
        const unsigned char *start = r.block.data() + r.pos;
        const size_t n = r.end - r.pos;
        if (r.fixed_length > 0) {
            const uint64_t missing = r.fixed_length - rec.full_length;
            const size_t take = missing < n ? static_cast<size_t>(missing) : n;
            keep(rec, start, take);
            r.pos += take;
            if (rec.full_length == r.fixed_length)
                break;
            continue;
        }
        size_t i = 0;
        while (i < n && start[i] != '\r' && start[i] != '\n')
            ++i;
        keep(rec, start, i);
        r.pos += i;
        if (i == n)
            continue;
        const char stop = static_cast<char>(r.block[r.pos++]);
        rec.terminator[rec.terminator_length++] = stop;
        if (r.second != 0 && stop == r.first && (r.pos < r.end || refill(r)) &&
            static_cast<char>(r.block[r.pos]) == r.second) {
            rec.terminator[rec.terminator_length++] = r.second;
            ++r.pos;
        }
        break;
    }
    r.consumed += rec.full_length + rec.terminator_length;
    rec.bytes[rec.length] = '\0';
    return any;
}

// A lone Ctrl-Z after the last record is an old end-of-file mark, not a record.
bool is_stray_ctrl_z(const Record &rec)
{
    return rec.full_length == 1 && rec.terminator_length == 0 && rec.bytes[0] == 26;
}

// A refusal of the checksum functions: a result code's name, or -3, which is
// their own code for a record that ends inside its checksum field.
const char *code_name(int32_t code)
{
    return code == -3 ? "-3 (the record ends before the end of its checksum field)" : naaccr_code_name(code);
}

struct Progress {
    bool shown;
    const char *path;
    int64_t size;
    int percent;
};

void show_progress(Progress &p, uint64_t done)
{
    if (!p.shown || p.size <= 0)
        return;
    const int percent = static_cast<int>(done * 100 / static_cast<uint64_t>(p.size));
    if (percent != p.percent) {
        p.percent = percent;
        fprintf(stderr, "\r%s: %d%%", p.path, percent);
    }
}

void end_progress(const Progress &p)
{
    if (p.shown)
        fprintf(stderr, "\r%s: done\n", p.path);
}

// Opens `path` for reading records: learns the terminator form (or the record
// length of an unterminated file) and the size from the library's inspection.
bool open_reader(const char *path, Reader &r, Progress &progress)
{
    NaaccrFileInfo info;
    memset(&info, 0, sizeof info);
    if (strlen(path) >= sizeof info.directory) {
        fprintf(stderr, "%s: path too long\n", path);
        return false;
    }
    strcpy(info.directory, path);
    const int32_t code = cvGet_naaccr_file_info(&info);
    if (code == NAACCR_REC_OPEN_FAILED || code == NAACCR_REC_NO_MEMORY || code == NAACCR_REC_EMPTY_FILE) {
        fprintf(stderr, "%s: %s\n", path, info.message);
        return false;
    }
    r.file = fopen(path, "rb");
    if (r.file == nullptr) {
        fprintf(stderr, "%s: cannot open for reading\n", path);
        return false;
    }
    r.block.assign(block_size, 0);
    r.pos = r.end = 0;
    r.failed = false;
    r.first = info.first_terminator;
    r.second = info.second_terminator;
    r.fixed_length = r.first == 0 && info.record_length > 0 ? static_cast<size_t>(info.record_length) : 0;
    r.consumed = 0;
    progress = {info.file_size > progress_threshold && stderr_is_terminal(), path, info.file_size, -1};
    return true;
}

void print_field(const char *label, const char *bytes, size_t length, uint32_t column)
{
    if (column == 0 || column - 1 + checksum_width > length) {
        printf("%s (none)", label);
        return;
    }
    printf("%s \"%.*s\"", label, static_cast<int>(checksum_width), bytes + column - 1);
}

// Reports a record whose field does not hold its checksum.  The stored and
// computed values are found without knowing the layout: the library writes
// the computed field into a copy, and the columns where the copy differs tell
// which of the possible fields it is.
void report_mismatch(const char *path, uint64_t number, const Record &rec, std::vector<char> &copy)
{
    memcpy(copy.data(), rec.bytes.data(), rec.length + 1);
    printf("%s: record %" PRIu64 ": checksum mismatch:", path, number);
    if (cvAssignChecksum(copy.data()) != 0) {
        printf(" the record ends before the end of its checksum field\n");
        return;
    }
    uint32_t column = 0;
    for (uint32_t candidate : checksum_columns) {
        if (candidate - 1 + checksum_width <= rec.length &&
            memcmp(copy.data() + candidate - 1, rec.bytes.data() + candidate - 1, checksum_width) != 0)
            column = candidate;
    }
    print_field(" stored", rec.bytes.data(), rec.length, column);
    print_field(", computed", copy.data(), rec.length, column);
    printf(" (column %u)\n", column);
}

// A NUL inside a record of a file is an illegal byte; the library would take
// it for the end of a record held in memory.
bool report_nul(const char *path, uint64_t number, const Record &rec)
{
    const char *nul = static_cast<const char *>(memchr(rec.bytes.data(), 0, rec.length));
    if (nul == nullptr)
        return false;
    printf("%s: record %" PRIu64 ": NAACCR_REC_ILLEGAL_CHAR (NUL byte at column %u)\n", path, number,
           static_cast<unsigned>(nul - rec.bytes.data() + 1));
    return true;
}

bool report_too_long(const char *path, uint64_t number, const Record &rec)
{
    if (rec.full_length <= max_record)
        return false;
    printf("%s: record %" PRIu64 ": longer than %u bytes, not checked\n", path, number,
           static_cast<unsigned>(max_record));
    return true;
}

// Returns 0 when every record holds its checksum, 1 otherwise.
int verify_file(const char *path, Record &rec, std::vector<char> &copy)
{
    Reader r;
    Progress progress;
    if (!open_reader(path, r, progress))
        return 1;
    uint64_t records = 0, matches = 0, mismatches = 0, refused = 0;
    while (read_record(r, rec)) {
        if (is_stray_ctrl_z(rec))
            break;
        ++records;
        if (report_too_long(path, records, rec) || report_nul(path, records, rec)) {
            ++refused;
            continue;
        }
        const int32_t code = cvCompareChecksum(rec.bytes.data());
        if (code == 0) {
            ++matches;
        } else if (code == -1) {
            ++mismatches;
            report_mismatch(path, records, rec, copy);
        } else {
            ++refused;
            printf("%s: record %" PRIu64 ": %s\n", path, records, code_name(code));
        }
        show_progress(progress, r.consumed);
    }
    end_progress(progress);
    const bool failed = r.failed;
    fclose(r.file);
    if (failed) {
        fprintf(stderr, "%s: read error after record %" PRIu64 "\n", path, records);
        return 1;
    }
    printf("%s: %" PRIu64 " records, %" PRIu64 " match, %" PRIu64 " mismatch, %" PRIu64 " refused\n", path, records,
           matches, mismatches, refused);
    return mismatches == 0 && refused == 0 ? 0 : 1;
}

bool same_file(const char *a, const char *b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// A name next to `out` that does not exist yet, for the copy in progress.
FILE *create_temporary(const std::string &out, std::string &name)
{
    for (int n = 0; n < 1000; ++n) {
        name = out + ".tmp" + std::to_string(n);
        FILE *probe = fopen(name.c_str(), "rb");
        if (probe != nullptr) {
            fclose(probe);
            continue;
        }
        return fopen(name.c_str(), "wb");
    }
    return nullptr;
}

// Moves the finished copy to `out`.  Where rename does not replace an
// existing file, the old one is removed first.
bool replace_file(const std::string &from, const std::string &out)
{
    if (rename(from.c_str(), out.c_str()) == 0)
        return true;
    remove(out.c_str());
    return rename(from.c_str(), out.c_str()) == 0;
}

int assign_file(const char *path, const char *out, Record &rec)
{
    if (same_file(path, out)) {
        fprintf(stderr, "%s: the output must not be the input\n", out);
        return 2;
    }
    Reader r;
    Progress progress;
    if (!open_reader(path, r, progress))
        return 1;
    std::string temporary;
    FILE *copy = create_temporary(out, temporary);
    if (copy == nullptr) {
        fprintf(stderr, "%s: cannot create a temporary file next to it\n", out);
        fclose(r.file);
        return 1;
    }

    uint64_t records = 0, assigned = 0, refused = 0;
    bool failed = false;
    while (!failed && read_record(r, rec)) {
        if (!is_stray_ctrl_z(rec)) {
            ++records;
            if (rec.full_length > max_record) {
                fprintf(stderr, "%s: record %" PRIu64 ": longer than %u bytes, cannot be copied\n", path, records,
                        static_cast<unsigned>(max_record));
                failed = true;
                break;
            }
            if (report_nul(path, records, rec)) {
                ++refused;
            } else {
                const int32_t code = cvAssignChecksum(rec.bytes.data());
                if (code == 0) {
                    ++assigned;
                } else {
                    ++refused;
                    printf("%s: record %" PRIu64 ": not assigned: %s\n", path, records, code_name(code));
                }
            }
        }
        if (fwrite(rec.bytes.data(), 1, rec.length, copy) != rec.length ||
            fwrite(rec.terminator, 1, rec.terminator_length, copy) != rec.terminator_length)
            failed = true;
        show_progress(progress, r.consumed);
    }
    end_progress(progress);
    if (r.failed) {
        fprintf(stderr, "%s: read error after record %" PRIu64 "\n", path, records);
        failed = true;
    }
    fclose(r.file);
    if (fclose(copy) != 0 || failed) {
        if (!r.failed)
            fprintf(stderr, "%s: cannot write the copy\n", out);
        remove(temporary.c_str());
        return 1;
    }
    if (!replace_file(temporary, out)) {
        fprintf(stderr, "%s: cannot replace it with the copy\n", out);
        remove(temporary.c_str());
        return 1;
    }
    printf("%s -> %s: %" PRIu64 " records, %" PRIu64 " assigned, %" PRIu64 " refused\n", path, out, records, assigned,
           refused);
    return refused == 0 ? 0 : 1;
}

int usage(const char *name)
{
    fprintf(stderr, "Usage: cvnaaccr %s verify FILE...\n       cvnaaccr %s assign FILE -o OUT\n", name, name);
    return 2;
}

} // namespace

int checksum_command(int argc, char **argv)
{
    if (argc < 3)
        return usage(argv[0]);
    Record rec;
    rec.bytes.assign(max_record + 1, 0);
    if (strcmp(argv[1], "verify") == 0) {
        int status = 0;
        std::vector<char> copy(max_record + 1, 0);
        for (int i = 2; i < argc; ++i) {
            if (verify_file(argv[i], rec, copy) != 0)
                status = 1;
        }
        return status;
    }
    if (strcmp(argv[1], "assign") == 0) {
        if (argc != 5 || strcmp(argv[3], "-o") != 0)
            return usage(argv[0]);
        return assign_file(argv[2], argv[4], rec);
    }
    return usage(argv[0]);
}
