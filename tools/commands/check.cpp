// check.cpp -- `cvnaaccr check [--json] [--checksums] [--items] [--codes]
// [--dictionary FILE] [--max-problems N] [--threads N] [--quiet] FILE...`:
// every record of each file checked by the library's record checker (with
// --items every data item too, with --codes their codes and each tumour's
// codes and dates together; a NAACCR XML file always item by item), one
// line per problem and a summary per file, or one JSON object per file.
// `cvnaaccr checksum verify` is the same check with the checksum fields
// verified and blank fields counted, not listed.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

// A record problem handed to on_problem (by a library without
// NAACCR_CHECK_IDS), as the item problem without an item that names no one
// which a library with it hands to on_item_problem.
NaaccrItemProblem unnamed(const NaaccrProblem &p)
{
    NaaccrItemProblem named;
    memset(&named, 0, sizeof named);
    named.record = p.record;
    named.offset = p.offset;
    named.column = p.column;
    named.code = p.code;
    named.item_id = "";
    named.item_name = "";
    named.message = p.message;
    return named;
}

// A record problem of a flat file: a kind of the record checker, at no line.
bool is_record_problem(const NaaccrItemProblem &p) { return p.line == 0 && p.code > 0 && p.code < NAACCR_CHECK_KINDS; }

// Begins the JSON object once its schema is known: at the first problem
// written, or at the summary.
void open_json(Report &r)
{
    if (!r.line->json || r.opened)
        return;
    r.opened = true;
    printf("{\"schema\":%d,\"path\":", r.items ? 2 : 1);
    print_json_string(stdout, r.path);
    fputs(",\"problems\":[", stdout);
}

// True when the problem is to be written (the progress line is then gone).
bool take_listing(Report &r)
{
    if (r.line->quiet || (r.line->max_problems != 0 && r.listed >= r.line->max_problems))
        return false;
    end_progress(&r.progress);
    open_json(r);
    return true;
}

// Every problem, record problems included (those of a library that names
// them come here, those of one that does not through on_problem).
int32_t CV_CALL on_item_problem(void *context, const NaaccrItemProblem *problem)
{
    Report &r = *static_cast<Report *>(context);
    const bool record = is_record_problem(*problem);
    if (record && r.verify && problem->code == NAACCR_CHECK_CHECKSUM_BLANK)
        return 0;
    if (r.items)
        count_item_problem(&r.tallies, *problem);
    if (!take_listing(r))
        return 0;
    if (r.line->json && record)
        print_record_problem_json(*problem, r.listed == 0);
    else if (r.line->json)
        print_item_problem_json(*problem, r.listed == 0);
    else
        print_item_problem_text(r.path, *problem);
    ++r.listed;
    // Output that cannot be written ends the check; the exit status tells.
    return ferror(stdout) ? 1 : 0;
}

int32_t CV_CALL on_problem(void *context, const NaaccrProblem *problem)
{
    const NaaccrItemProblem named = unnamed(*problem);
    return on_item_problem(context, &named);
}

int32_t CV_CALL on_progress(void *context, uint64_t done, int64_t total, uint64_t)
{
    Report &r = *static_cast<Report *>(context);
    update_progress(&r.progress, done, total);
    return 0;
}

// Told before the check whether the input is NAACCR XML: its check is item
// by item whether --items was given or not.
void on_head(void *context, bool xml, NaaccrItemCheckOptions *options)
{
    Report &r = *static_cast<Report *>(context);
    r.xml = xml;
    if (!xml)
        return;
    r.items = true;
    options->flags |= NAACCR_CHECK_ITEMS;
    options->max_reported = 0;
    options->on_item_problem = on_item_problem;
}

// Problems that count for the exit status (is_uncounted_kind).
uint64_t significant_problems(const NaaccrItemCheckSummary &s)
{
    uint64_t n = 0;
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (!is_uncounted_kind(kind, false))
            n += s.counts[kind];
    return n;
}

// Checks one input; returns its exit status.
int check_one(const char *command, const char *path, const CommandLine &line, bool verify)
{
    Report report;
    report.path = path;
    report.line = &line;
    report.verify = verify;
    report.items = line.items;
    report.codes = line.codes;
    report.xml = report.opened = report.passed = false;
    report.listed = 0;
    start_progress(&report.progress, path);

    const bool checksums = verify || line.checksums;
    // Problems name their patient and tumour when the library can (1.6 on).
    const uint32_t ids = cvGetNaaccrOptionFlags(NAACCR_OPTIONS_ITEM_CHECK) & NAACCR_CHECK_IDS;
    const uint32_t flags = (checksums ? NAACCR_CHECK_CHECKSUMS : 0) | (line.items ? NAACCR_CHECK_ITEMS : 0) |
                           (line.codes ? NAACCR_CHECK_CODES : 0) | ids;
    NaaccrItemCheckOptions options = make_check_options(flags, line.threads, &report);
    // Blank fields are not listed by verify, and every item problem is
    // tallied by item, so those sort every problem themselves; a plain check
    // lets the library stop handing problems over at the limit.
    options.max_reported = verify || line.items ? 0 : line.quiet ? 1 : line.max_problems;
    options.on_problem = line.quiet && !verify && !line.items ? nullptr : on_problem;
    options.on_item_problem = line.items || (ids != 0 && options.on_problem != nullptr) ? on_item_problem : nullptr;
    options.on_progress = on_progress;
    options.dictionaries = line.dictionaries.empty() ? nullptr : line.dictionaries.data();
    options.dictionary_count = static_cast<uint32_t>(line.dictionaries.size());
    memset(&report.code_report, 0, sizeof report.code_report);
    report.code_report.size = sizeof report.code_report;
    options.code_report = line.codes ? &report.code_report : nullptr;

    NaaccrItemCheckSummary summary;
    char error[256];
    const InputHook hook = {on_head, &report};
    const int32_t code = check_input(path, &options, &summary, error, sizeof error, &hook);
    end_progress(&report.progress);
    report.passed = code == NAACCR_REC_OK && significant_problems(summary) == 0;
    open_json(report);
    if (!report.xml && code == NAACCR_REC_OK && !line.dictionaries.empty()) {
        fprintf(stderr, "%s: ", command);
        print_text(stderr, path);
        fputs(": not NAACCR XML: --dictionary is not used for fixed-length records\n", stderr);
    }

    // An input that cannot be read is told once: in its JSON object, or
    // else on standard error, with no summary line.
    if (line.json) {
        print_summary_json(report, summary, code, error, checksums);
    } else if (is_read_failure(code)) {
        fflush(stdout); // the lines before it stay before it where both streams meet
        fprintf(stderr, "%s: ", command);
        print_text(stderr, path);
        fprintf(stderr, ": %s\n", error[0] != '\0' ? error : failure_text(code));
    } else {
        const NaaccrCheckSummary &s = summary.records;
        const uint64_t listable = verify ? s.problems - s.counts[NAACCR_CHECK_CHECKSUM_BLANK] : s.problems;
        if (code == NAACCR_REC_OK && !line.quiet && listable > report.listed) {
            print_text(stdout, path);
            printf(": ... and %" PRIu64 " more problem%s\n", listable - report.listed,
                   plural(listable - report.listed));
        }
        print_summary_text(report, summary, code, error);
    }
    if (is_read_failure(code))
        return 2;
    return report.passed ? 0 : 1;
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
    const unsigned accepted = accept_json | accept_checksums | accept_items | accept_codes | accept_dictionary |
                              accept_max_problems | accept_threads | accept_quiet;
    if (parse_command_line("check", argc, argv, accepted, &line) != 0)
        return 2;
    if (line.help)
        return print_help("check");
    if (line.files.empty())
        return usage_error("check");
    return run_checks("cvnaaccr check", line, false);
}
