// check_command.cpp -- `cvnaaccr check [--json] [--checksums] [--items]
// [--max-problems N] [--threads N] [--quiet] FILE...`: every record of each
// file checked by the library's record checker (with --items every data item
// too), one line per problem and a summary per file, or one JSON object per
// file.  `cvnaaccr checksum verify` is the same check
// with the checksum fields verified and blank fields counted, not listed.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "check_input.h"
#include "check_item_output.h"
#include "check_kinds.h"
#include "code_names.h"
#include "commands.h"
#include "help.h"
#include "progress.h"
#include "text_output.h"

namespace
{

struct Report {
    const char *path;
    const CommandLine *line;
    bool verify;     // checksum verify: blank fields are counted, never listed
    uint64_t listed; // problems written
    ProgressLine progress;
    ItemTallies tallies; // with --items
};

void print_problem_text(const char *path, const NaaccrProblem &p)
{
    print_text(stdout, path);
    printf(": record %" PRIu64 " (offset %" PRId64 "), column %" PRId32 ": %s: ", p.record, p.offset, p.column,
           check_kind_name(p.code));
    print_text(stdout, p.message);
    fputc('\n', stdout);
}

void print_problem_json(const NaaccrProblem &p, bool first)
{
    printf("%s{\"record\":%" PRIu64 ",\"offset\":%" PRId64 ",\"column\":%" PRId32 ",\"code\":%" PRId32
           ",\"code_name\":\"%s\",\"message\":",
           first ? "" : ",", p.record, p.offset, p.column, p.code, check_kind_name(p.code));
    print_json_string(stdout, p.message);
    fputc('}', stdout);
}

// True when the problem is to be written (the progress line is then gone).
bool take_listing(Report &r)
{
    if (r.line->quiet || (r.line->max_problems != 0 && r.listed >= r.line->max_problems))
        return false;
    end_progress(&r.progress);
    return true;
}

int32_t CV_CALL on_problem(void *context, const NaaccrProblem *problem)
{
    Report &r = *static_cast<Report *>(context);
    if (r.verify && problem->code == NAACCR_CHECK_CHECKSUM_BLANK)
        return 0;
    if (!take_listing(r))
        return 0;
    if (r.line->json)
        print_problem_json(*problem, r.listed == 0);
    else
        print_problem_text(r.path, *problem);
    ++r.listed;
    // Output that cannot be written ends the check; the exit status tells.
    return ferror(stdout) ? 1 : 0;
}

int32_t CV_CALL on_item_problem(void *context, const NaaccrItemProblem *problem)
{
    Report &r = *static_cast<Report *>(context);
    count_item_problem(&r.tallies, *problem);
    if (!take_listing(r))
        return 0;
    if (r.line->json)
        print_item_problem_json(*problem, r.listed == 0);
    else
        print_item_problem_text(r.path, *problem);
    ++r.listed;
    return ferror(stdout) ? 1 : 0;
}

int32_t CV_CALL on_progress(void *context, uint64_t done, int64_t total, uint64_t)
{
    Report &r = *static_cast<Report *>(context);
    update_progress(&r.progress, done, total);
    return 0;
}

// Problems that count for the exit status: all but the end-of-file anomalies.
uint64_t significant_problems(const NaaccrItemCheckSummary &s)
{
    uint64_t n = 0;
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (!is_check_anomaly(kind))
            n += s.counts[kind];
    return n;
}

// Records whose checksum field was not compared: without a field, cut short,
// the partial last record, records of an unknown layout.
uint64_t not_checked(const NaaccrCheckSummary &s)
{
    const uint64_t compared =
        s.checksums_matched + s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH] + s.counts[NAACCR_CHECK_CHECKSUM_BLANK];
    return s.records > compared ? s.records - compared : 0;
}

const char *failure_text(int32_t code)
{
    switch (code) {
    case NAACCR_REC_OPEN_FAILED:
        return "cannot be opened, or is not a regular file";
    case NAACCR_REC_READ_FAILED:
        return "read error";
    case NAACCR_REC_NO_MEMORY:
        return "out of memory";
    case NAACCR_REC_EMPTY_FILE:
        return "the input is empty";
    default:
        return "cannot be checked";
    }
}

// "4 problems (1 NAACCR_CHECK_RECORD_TYPE, 3 NAACCR_CHECK_RECORD_LENGTH)", of
// every kind (the record kinds are the first), those in `skip` left out.
void print_kind_counts(const NaaccrItemCheckSummary &s, uint64_t total, uint32_t skip, const char *noun)
{
    printf("%" PRIu64 " %s%s", total, noun, total == 1 ? "" : "s");
    if (total == 0)
        return;
    const char *separator = " (";
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind) {
        if (s.counts[kind] == 0 || (kind < 32 && (skip & (1u << kind))))
            continue;
        printf("%s%" PRIu64 " %s", separator, s.counts[kind], check_kind_name(kind));
        separator = ", ";
    }
    fputc(')', stdout);
}

void print_summary_text(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error)
{
    const NaaccrCheckSummary &s = all.records;
    print_text(stdout, r.path);
    if (code != NAACCR_REC_OK) {
        printf(": %s (%s)\n", error[0] != '\0' ? error : failure_text(code), naaccr_code_name(code));
        return;
    }
    const uint32_t checksum_kinds = (1u << NAACCR_CHECK_CHECKSUM_MISMATCH) | (1u << NAACCR_CHECK_CHECKSUM_BLANK);
    printf(": %" PRIu64 " record%s, ", s.records, s.records == 1 ? "" : "s");
    if (r.verify) {
        printf("%" PRIu64 " match, %" PRIu64 " mismatch, %" PRIu64 " blank, %" PRIu64 " not checked",
               s.checksums_matched, s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH], s.counts[NAACCR_CHECK_CHECKSUM_BLANK],
               not_checked(s));
        const uint64_t others =
            s.problems - s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH] - s.counts[NAACCR_CHECK_CHECKSUM_BLANK];
        if (others > 0) {
            fputs(", ", stdout);
            print_kind_counts(all, others, checksum_kinds, "other problem");
        }
    } else {
        print_kind_counts(all, s.problems, 0, "problem");
    }
    if (r.line->items)
        printf(", %" PRIu64 " item value%s checked", all.items, all.items == 1 ? "" : "s");
    if (s.stopped != 0)
        fputs(", stopped early", stdout);
    fputc('\n', stdout);
    print_top_items_text(r.path, r.tallies);
}

void print_summary_json(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error,
                        bool checksums)
{
    const NaaccrCheckSummary &s = all.records;
    // Schema 1 names the record kinds alone; schema 2 every kind.
    const int32_t kinds = r.line->items ? NAACCR_CHECK_ALL_KINDS : NAACCR_CHECK_KINDS;
    printf("],\"code\":%" PRId32 ",\"code_name\":\"%s\",\"error\":", code, naaccr_code_name(code));
    if (code == NAACCR_REC_OK)
        fputs("null", stdout);
    else
        print_json_string(stdout, error[0] != '\0' ? error : failure_text(code));
    printf(",\"records\":%" PRIu64 ",\"bytes\":%" PRIu64 ",\"problem_count\":%" PRIu64 ",\"unlisted\":%" PRIu64
           ",\"problems_by_kind\":{",
           s.records, s.bytes, s.problems, s.problems - r.listed);
    for (int32_t kind = 1; kind < kinds; ++kind)
        if (find_check_kind(kind) != nullptr)
            printf("%s\"%s\":%" PRIu64, kind == 1 ? "" : ",", check_kind_name(kind), all.counts[kind]);
    fputc('}', stdout);
    if (r.line->items) {
        printf(",\"items_checked\":%" PRIu64, all.items);
        print_items_json(r.tallies);
    }
    fputs(",\"record_type\":", stdout);
    const char type[2] = {s.record_type, '\0'};
    fputs(json_string(type, 1).c_str(), stdout);
    fputs(",\"version\":", stdout);
    print_json_string(stdout, s.version);
    printf(",\"record_length\":%" PRId32 ",\"layout_length\":%" PRId32
           ",\"first_terminator\":%d,\"second_terminator\":%d,\"checksums_matched\":%" PRIu64 ",\"checksums\":",
           s.record_length, s.layout_length, static_cast<unsigned char>(s.first_terminator),
           static_cast<unsigned char>(s.second_terminator), s.checksums_matched);
    if (checksums)
        printf("{\"match\":%" PRIu64 ",\"mismatch\":%" PRIu64 ",\"blank\":%" PRIu64 ",\"not_checked\":%" PRIu64 "}",
               s.checksums_matched, s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH], s.counts[NAACCR_CHECK_CHECKSUM_BLANK],
               not_checked(s));
    else
        fputs("null", stdout);
    printf(",\"stopped\":%" PRId32 "}\n", s.stopped);
}

// Checks one input; returns its exit status.
int check_one(const char *command, const char *path, const CommandLine &line, bool verify)
{
    Report report;
    report.path = path;
    report.line = &line;
    report.verify = verify;
    report.listed = 0;
    start_progress(&report.progress, path);

    const bool checksums = verify || line.checksums;
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = (checksums ? NAACCR_CHECK_CHECKSUMS : 0) | (line.items ? NAACCR_CHECK_ITEMS : 0);
    options.threads = line.threads;
    // Blank fields are not listed by verify, and every item problem is
    // tallied by item, so those sort every problem themselves; a plain check
    // lets the library stop handing problems over at the limit.
    options.max_reported = verify || line.items ? 0 : line.quiet ? 1 : line.max_problems;
    options.on_problem = line.quiet && !verify && !line.items ? nullptr : on_problem;
    options.on_item_problem = line.items ? on_item_problem : nullptr;
    options.on_progress = on_progress;
    options.context = &report;

    if (line.json) {
        printf("{\"schema\":%d,\"path\":", line.items ? 2 : 1);
        print_json_string(stdout, path);
        fputs(",\"problems\":[", stdout);
    }
    NaaccrItemCheckSummary summary;
    char error[256];
    const int32_t code = check_input(path, &options, &summary, error, sizeof error);
    end_progress(&report.progress);

    if (line.json) {
        print_summary_json(report, summary, code, error, checksums);
    } else {
        const NaaccrCheckSummary &s = summary.records;
        const uint64_t listable = verify ? s.problems - s.counts[NAACCR_CHECK_CHECKSUM_BLANK] : s.problems;
        if (code == NAACCR_REC_OK && !line.quiet && listable > report.listed) {
            print_text(stdout, path);
            printf(": ... and %" PRIu64 " more problem%s\n", listable - report.listed,
                   listable - report.listed == 1 ? "" : "s");
        }
        print_summary_text(report, summary, code, error);
    }
    if (is_read_failure(code)) {
        fprintf(stderr, "%s: ", command);
        print_text(stderr, path);
        fprintf(stderr, ": %s\n", error[0] != '\0' ? error : failure_text(code));
        return 2;
    }
    return code != NAACCR_REC_OK || significant_problems(summary) > 0 ? 1 : 0;
}

} // namespace

int run_checks(const char *command, const CommandLine &line, bool verify)
{
    int status = 0;
    for (const char *path : line.files) {
        const int one = check_one(command, path, line, verify);
        status = one > status ? one : status;
        if (ferror(stdout))
            break;
    }
    return finish_output(command) ? status : 2;
}

int check_command(int argc, char **argv)
{
    CommandLine line;
    const unsigned accepted =
        accept_json | accept_checksums | accept_items | accept_max_problems | accept_threads | accept_quiet;
    if (parse_command_line("check", argc, argv, accepted, &line) != 0)
        return 2;
    if (line.help)
        return print_help("check");
    if (line.files.empty())
        return usage_error("check");
    return run_checks("cvnaaccr check", line, false);
}
