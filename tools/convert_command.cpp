// convert_command.cpp -- `cvnaaccr convert IN -o OUT [--to xml|flat|csv]
// [--items ID,...] [--lf] [--lossy] [--dictionary FILE]...`: a record file
// written as NAACCR XML, flat records or CSV by the library's conversion.
//
// OUT is written as checksum assign writes it: through a new temporary file
// that only a finished, flushed conversion replaces OUT with, so a refused or
// failed conversion leaves OUT as it was.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "check_kinds.h"
#include "code_names.h"
#include "commands.h"
#include "convert_input.h"
#include "convert_options.h"
#include "gzip_output.h"
#include "help.h"
#include "output_file.h"
#include "output_ring.h"
#include "progress.h"
#include "text_output.h"

namespace
{

// A few words on a kind of problem ("patient split").
const char *kind_name(int32_t code)
{
    const CheckKind *kind = find_check_kind(code);
    return kind != nullptr ? kind->text : "problem";
}

struct Conversion {
    const char *input;
    OutputFile file;
    GzipOutput *gzip;
    OutputRing *ring; // or null: written on this thread
    ProgressLine progress;
    bool write_failed;
};

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
    if (is_check_anomaly(problem->code) || problem->code == NAACCR_CHECK_BYTE_ORDER_MARK)
        return 0; // nothing of the data is lost by them
    end_progress(&c.progress);
    print_text(stdout, c.input);
    if (problem->record != 0)
        printf(": record %" PRIu64, problem->record);
    printf(": %s: ", kind_name(problem->code));
    print_text(stdout, problem->message);
    fputs("\n", stdout);
    return ferror(stdout) ? 1 : 0;
}

int32_t CV_CALL show_progress(void *context, uint64_t done, int64_t total, uint64_t)
{
    update_progress(&static_cast<Conversion *>(context)->progress, done, total);
    return 0;
}

void report_failure(const char *path, const char *what)
{
    fputs("cvnaaccr convert: ", stderr);
    print_text(stderr, path);
    fprintf(stderr, ": %s\n", what);
}

// Refuses an OUT that is no regular file or new name, or that is the input.
bool output_allowed(const char *path, const char *out)
{
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
    options->flags = (line.lf ? NAACCR_CONVERT_LF : 0u) | (line.lossy ? NAACCR_CONVERT_LOSSY : 0u);
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

// Why a conversion that returned `code` wrote nothing, on standard error or output.
void report_not_written(const ConvertLine &line, int32_t code, const NaaccrConvertSummary &summary, const char *error)
{
    if (code == NAACCR_REC_REFUSED) {
        print_text(stdout, line.input);
        printf(": refused (%" PRIu64 " problems); ", summary.problems);
        print_text(stdout, line.output);
        const bool lossy_helps = !line.lossy && summary.left_out > 0;
        fputs(lossy_helps ? " not written (--lossy writes what the target can hold)\n" : " not written\n", stdout);
    } else if (code == NAACCR_REC_WRITE_FAILED || code == NAACCR_REC_OK) {
        report_failure(line.output, "cannot write the output");
    } else if (code != NAACCR_REC_BAD_ARGUMENT || summary.problems == 0) {
        report_failure(line.input, error[0] != '\0'                 ? error
                                   : code == NAACCR_REC_OPEN_FAILED ? "cannot be opened, or is not a regular file"
                                   : code == NAACCR_REC_EMPTY_FILE  ? "the input is empty"
                                                                    : naaccr_code_name(code));
    }
}

void print_summary(const ConvertLine &line, int32_t target, const NaaccrConvertSummary &summary)
{
    const char *what = target == NAACCR_FORMAT_XML ? "tumours" : target == NAACCR_FORMAT_FLAT ? "records" : "rows";
    print_text(stdout, line.input);
    fputs(" -> ", stdout);
    print_text(stdout, line.output);
    printf(": %" PRIu64 " patients, %" PRIu64 " tumours; %" PRIu64 " %s written, %" PRIu64 " patient splits, %" PRIu64
           " left out",
           summary.input.patients, summary.input.tumors, summary.written, what, summary.patient_splits,
           summary.left_out);
    if (summary.items_without_column > 0)
        printf("; %d given item%s had no column", static_cast<int>(summary.items_without_column),
               summary.items_without_column == 1 ? "" : "s");
    fputs("\n", stdout);
}

int run_conversion(const ConvertLine &line, int32_t target)
{
    if (!output_allowed(line.input, line.output))
        return 2;
    Conversion c;
    c.input = line.input;
    c.gzip = nullptr;
    c.ring = nullptr;
    c.write_failed = false;
    start_progress(&c.progress, line.input);
    char error[512] = "";
    if (!create_output(line.output, strcmp(line.input, "-") == 0 ? nullptr : line.input, &c.file, error,
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
    if (code != NAACCR_REC_OK || ferror(stdout)) {
        discard_output(&c.file);
        report_not_written(line, code, summary, error);
        return 2;
    }
    if (!commit_output(&c.file, line.output, error, sizeof error)) {
        report_failure(line.output, error);
        return 2;
    }
    print_summary(line, target, summary);
    // Anomalies at the end of a file lose nothing and are not listed.
    const NaaccrItemCheckSummary &read = summary.input;
    const uint64_t anomalies = read.counts[NAACCR_CHECK_TERMINATOR_OMITTED] + read.counts[NAACCR_CHECK_STRAY_CTRL_Z] +
                               read.counts[NAACCR_CHECK_BYTE_ORDER_MARK];
    return summary.problems > anomalies || summary.patient_splits != 0 || summary.left_out != 0 ? 1 : 0;
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
