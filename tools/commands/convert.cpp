// convert.cpp -- `cvnaaccr convert IN -o OUT [--to xml|flat|csv]
// [--items ID,...] [--lf] [--lossy] [--dictionary FILE]...`: a record file
// written as NAACCR XML, flat records or CSV by the library's conversion.
//
// OUT is written as checksum assign writes it: through a new temporary file
// that only a finished, flushed conversion replaces OUT with, so a refused or
// failed conversion leaves OUT as it was.  Every line about the conversion,
// its summary included, is written and flushed before that, so a report that
// standard output cannot take leaves OUT as it was too: status 2 always means
// OUT was not written.  OUT "-" is standard output, where nothing can be
// taken back; the report then goes to standard error.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

struct Conversion {
    const char *input;
    FILE *report; // problems and the summary: standard output, or standard error when the data goes there
    OutputFile file;
    GzipOutput *gzip;
    OutputRing *ring; // or null: written on this thread
    ProgressLine progress;
    bool write_failed;
    bool report_failed; // a line of the report could not be written: the conversion was stopped
    uint64_t listed;    // problems written in the report
};

// Problems that count: the anomalies at the end of a file and a byte-order
// mark lose nothing and are neither listed nor counted.
uint64_t counted_problems(const NaaccrConvertSummary &summary)
{
    uint64_t uncounted = 0;
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (is_uncounted_kind(kind, true))
            uncounted += summary.input.counts[kind];
    return summary.problems > uncounted ? summary.problems - uncounted : 0;
}

bool is_standard_output(const char *out) { return strcmp(out, "-") == 0; }

// OUT as messages name it.
const char *output_name(const char *out) { return is_standard_output(out) ? "standard output" : out; }

bool write_sink(void *output, const void *bytes, size_t size)
{
    Conversion &c = *static_cast<Conversion *>(output);
    return c.gzip != nullptr ? write_gzip_output(c.gzip, bytes, size) : write_output(&c.file, bytes, size);
}

int32_t CV_CALL write_out(void *output, const void *bytes, uint32_t size)
{
    Conversion &c = *static_cast<Conversion *>(output);
    const bool ok = c.ring != nullptr ? put_output_ring(c.ring, bytes, size) : write_sink(&c, bytes, size);
    c.write_failed = c.write_failed || !ok;
    return ok ? 0 : 1;
}

int32_t CV_CALL print_problem(void *context, const NaaccrItemProblem *problem)
{
    Conversion &c = *static_cast<Conversion *>(context);
    if (is_uncounted_kind(problem->code, true))
        return 0; // nothing of the data is lost by them
    end_progress(&c.progress);
    print_text(c.report, c.input);
    if (problem->record != 0)
        fprintf(c.report, ": record %" PRIu64, problem->record);
    fprintf(c.report, ": %s: ", check_kind_label(problem->code));
    print_text(c.report, problem->message);
    fputs("\n", c.report);
    ++c.listed;
    c.report_failed = ferror(c.report) != 0;
    return c.report_failed ? 1 : 0;
}

int32_t CV_CALL show_progress(void *context, uint64_t done, int64_t total, uint64_t)
{
    update_progress(&static_cast<Conversion *>(context)->progress, done, total);
    return 0;
}

void report_failure(const char *path, const char *what)
{
    fflush(stdout); // the problems listed before it stay before it where both streams meet
    fputs("cvnaaccr convert: ", stderr);
    print_text(stderr, path);
    fprintf(stderr, ": %s\n", what);
}

// Refuses an OUT that is no regular file or new name, or that is the input.
bool output_allowed(const char *path, const char *out)
{
    if (is_standard_output(out))
        return true;
    const PathKind kind = path_kind(out, false);
    if (kind == PATH_OTHER || kind == PATH_UNKNOWN) {
        report_failure(out, kind == PATH_OTHER ? "not a regular file; OUT must be a regular file or a new name"
                                               : "cannot tell what it is");
        return false;
    }
    if (is_same_file(strcmp(path, "-") == 0 ? nullptr : path, out)) {
        report_failure(out, "the output must not be the input");
        return false;
    }
    return true;
}

void fill_options(const ConvertLine &line, int32_t target, Conversion *c, NaaccrConvertOptions *options)
{
    memset(options, 0, sizeof *options);
    options->size = sizeof *options;
    options->flags = (line.lf ? NAACCR_CONVERT_LF : 0u) | (line.lossy ? NAACCR_CONVERT_LOSSY : 0u) |
                     (line.root_first ? NAACCR_CONVERT_ROOT_FIRST : 0u) |
                     (line.skip_bad_records ? NAACCR_CONVERT_SKIP_BAD_RECORDS : 0u) | line.encoding;
    options->target = target;
    options->max_reported = line.max_problems;
    options->items = line.items;
    options->write = write_out;
    options->output = c;
    options->on_problem = print_problem;
    options->on_progress = show_progress;
    options->context = c;
    options->dictionaries = line.dictionaries.empty() ? nullptr : line.dictionaries.data();
    options->dictionary_count = static_cast<uint32_t>(line.dictionaries.size());
}

// Why a conversion that returned `code` wrote nothing, in the report or on
// standard error.  A report that failed is told once, by finish_output.
void report_not_written(const ConvertLine &line, const Conversion &c, int32_t code, const NaaccrConvertSummary &summary,
                        const char *error)
{
    if (c.report_failed)
        return;
    const bool to_stdout = is_standard_output(line.output);
    if (code == NAACCR_REC_REFUSED) {
        print_text(c.report, line.input);
        const uint64_t counted = counted_problems(summary);
        fprintf(c.report, ": refused (%" PRIu64 " problem%s", counted, plural(counted));
        if (c.listed < counted)
            fprintf(c.report, ", %" PRIu64 " listed", c.listed);
        fputs("); ", c.report);
        if (to_stdout)
            fputs("what was written to standard output is incomplete", c.report);
        else
            print_text(c.report, line.output);
        const bool lossy_helps = !line.lossy && summary.left_out > 0;
        const bool root_helps = !line.root_first && summary.input.counts[NAACCR_CHECK_ROOT_CONFLICT] > 0;
        fputs(to_stdout ? "" : " not written", c.report);
        fputs(lossy_helps  ? " (--lossy writes what the target can hold)\n"
              : root_helps ? " (--root first keeps the first record's file-level items)\n"
                           : "\n",
              c.report);
    } else if (to_stdout && c.write_failed) {
        fputs("cvnaaccr convert: write error on standard output; the data written there is incomplete\n", stderr);
    } else if (code == NAACCR_REC_WRITE_FAILED || code == NAACCR_REC_OK) {
        report_failure(line.output, "cannot write the output");
    } else if (code != NAACCR_REC_BAD_ARGUMENT || summary.problems == 0) {
        report_failure(line.input, error[0] != '\0'                 ? error
                                   : code == NAACCR_REC_OPEN_FAILED ? "cannot be opened, or is not a regular file"
                                   : code == NAACCR_REC_EMPTY_FILE  ? "the input is empty"
                                                                    : naaccr_code_name(code));
    }
}

void print_summary(FILE *report, const ConvertLine &line, int32_t target, const NaaccrConvertSummary &summary)
{
    const char *what = target == NAACCR_FORMAT_XML ? "tumour" : target == NAACCR_FORMAT_FLAT ? "record" : "row";
    print_text(report, line.input);
    fputs(" -> ", report);
    print_text(report, output_name(line.output));
    fprintf(report,
            ": %" PRIu64 " patient%s, %" PRIu64 " tumour%s; %" PRIu64 " %s%s written, %" PRIu64
            " patient split%s, %" PRIu64 " left out",
            summary.input.patients, plural(summary.input.patients), summary.input.tumors, plural(summary.input.tumors),
            summary.written, what, plural(summary.written), summary.patient_splits, plural(summary.patient_splits),
            summary.left_out);
    if (summary.items_without_column > 0)
        fprintf(report, "; %d given item%s had no column", static_cast<int>(summary.items_without_column),
                plural(static_cast<uint64_t>(summary.items_without_column)));
    fputs("\n", report);
}

int run_conversion(const ConvertLine &line, int32_t target)
{
    if (!output_allowed(line.input, line.output))
        return 2;
    // A reader that goes away (`| head`) makes writes fail rather than end
    // the program with its temporary file left behind.
    ignore_broken_pipe();
    const bool to_stdout = is_standard_output(line.output);
    Conversion c;
    c.input = line.input;
    c.report = to_stdout ? stderr : stdout;
    c.gzip = nullptr;
    c.ring = nullptr;
    c.write_failed = c.report_failed = false;
    c.listed = 0;
    start_progress(&c.progress, line.input);
    char error[512] = "";
    if (to_stdout)
        use_standard_output(&c.file);
    else if (!create_output(line.output, strcmp(line.input, "-") == 0 ? nullptr : line.input, &c.file, error,
                            sizeof error)) {
        report_failure(line.output, error);
        return 2;
    }
    if (is_gz_name(line.output) && (c.gzip = open_gzip_output(&c.file, error, sizeof error)) == nullptr) {
        discard_output(&c.file);
        report_failure(line.output, error);
        return 2;
    }
    NaaccrConvertOptions options;
    fill_options(line, target, &c, &options);
    c.ring = start_output_ring(write_sink, &c);
    NaaccrConvertSummary summary;
    int32_t code = convert_input(line.input, &options, &summary, error, sizeof error);
    if (c.ring != nullptr && !finish_output_ring(c.ring) && code == NAACCR_REC_OK)
        code = NAACCR_REC_WRITE_FAILED;
    end_progress(&c.progress);
    if (c.gzip != nullptr && !close_gzip_output(c.gzip, code == NAACCR_REC_OK) && code == NAACCR_REC_OK)
        code = NAACCR_REC_WRITE_FAILED;
    if (code != NAACCR_REC_OK || c.report_failed || ferror(c.report)) {
        discard_output(&c.file);
        report_not_written(line, c, code, summary, error);
        return 2;
    }
    print_summary(c.report, line, target, summary);
    if (fflush(c.report) != 0 || ferror(c.report)) {
        discard_output(&c.file);
        return 2;
    }
    if (!commit_output(&c.file, line.output, error, sizeof error)) {
        report_failure(line.output, error);
        return 2;
    }
    return counted_problems(summary) > 0 || summary.patient_splits != 0 || summary.left_out != 0 ? 1 : 0;
}

} // namespace

int convert_command(int argc, char **argv)
{
    ConvertLine line;
    if (parse_convert_line(argc, argv, &line) != 0)
        return usage_error("convert");
    if (line.help)
        return print_help("convert");
    if (line.output == nullptr)
        return usage_error("convert");
    const int32_t target = target_of(line);
    if (target == 0 && line.to == nullptr && is_standard_output(line.output)) {
        fputs("cvnaaccr convert: standard output (-o -) has no extension to tell the format; give --to\n", stderr);
        return 2;
    }
    if (target == 0) {
        if (line.to != nullptr)
            fputs("cvnaaccr convert: --to takes xml, flat or csv\n", stderr);
        else
            fputs("cvnaaccr convert: OUT's extension (.xml, .txt, .dat, .csv) tells no format; give --to\n", stderr);
        return 2;
    }
    if (line.items != nullptr && target != NAACCR_FORMAT_CSV) {
        fputs("cvnaaccr convert: --items chooses CSV columns; it means nothing for other targets\n", stderr);
        return 2;
    }
    const int status = run_conversion(line, target);
    return finish_output("cvnaaccr convert") ? status : 2;
}
