// check_files.cpp -- check and checksum verify over many files: the folders
// named walked, several files checked at once within the threads allowed,
// their output written in their order, then the summary rows, the CSV of
// them and the HTML report.
#include "commands/commands.h"

#include <inttypes.h>
#include <string.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "common/check_kinds.h"
#include "text/text.h"

namespace
{

struct Job {
    ListedInput input;
    FILE *buffer; // the output held back until the file's turn; null when written directly
    bool done;
    int status;
    std::unique_ptr<CheckedFile> result; // while the file is checked and not yet written
};

// A report file written as the files are (--summary-csv, --html).
struct ReportFile {
    const char *name; // null when not asked for
    OutputFile file;
    bool failed;
};

struct Run {
    const char *command;
    const CommandLine *line;
    bool verify;
    std::vector<Job> jobs;
    uint32_t file_threads; // each file's share
    size_t window;         // files checked ahead of the one being written, at most
    std::mutex lock;
    std::condition_variable changed;
    size_t next;    // the next job to start
    size_t written; // jobs written
    bool stop;      // no more jobs start: every one is written, or standard output failed
    bool output_failed;
    ReportFile csv, html;
    std::vector<FileRow> rows;
    int status;
};

void check_job(Run &run, size_t i, FILE *out, bool progress)
{
    Job &job = run.jobs[i];
    job.result.reset(new CheckedFile);
    CheckedFile &result = *job.result;
    const char *reason = job.input.reason.empty() ? nullptr : job.input.reason.c_str();
    const FileRun file = {out, run.file_threads, progress, run.html.name != nullptr, reason};
    job.status = check_one(run.command, job.input.path.c_str(), *run.line, run.verify, file, &result);
}

// A worker: takes the next file while it is within the window ahead of the
// one being written, and checks it into a temporary file (or, when none can
// be had, waits for its turn and writes straight out).
void work(Run *run)
{
    std::unique_lock<std::mutex> held(run->lock);
    for (;;) {
        run->changed.wait(held, [run] {
            return run->stop || run->next >= run->jobs.size() || run->next < run->written + run->window;
        });
        if (run->stop || run->next >= run->jobs.size())
            return;
        const size_t i = run->next++;
        held.unlock();
        FILE *buffer = tmpfile();
        if (buffer == nullptr) {
            held.lock();
            run->changed.wait(held, [run, i] { return run->stop || run->written == i; });
            const bool stopped = run->stop;
            held.unlock();
            if (stopped)
                return;
        }
        run->jobs[i].buffer = buffer;
        check_job(*run, i, buffer != nullptr ? buffer : stdout, false);
        held.lock();
        run->jobs[i].done = true;
        run->changed.notify_all();
    }
}

bool copy_out(FILE *from)
{
    char block[65536];
    rewind(from);
    size_t n;
    while ((n = fread(block, 1, sizeof block, from)) > 0)
        if (fwrite(block, 1, n, stdout) != n)
            return false;
    return !ferror(from);
}

void write_report(ReportFile *report, const std::string &text)
{
    if (report->name != nullptr && !report->failed && !write_output(&report->file, text.data(), text.size()))
        report->failed = true;
}

std::string format_name(int32_t format)
{
    return format == NAACCR_FORMAT_XML ? "xml" : format == NAACCR_FORMAT_FLAT ? "flat" : "";
}

std::string csv_header()
{
    std::string line = "file,result,reason,format,version,record_type,records,problems";
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (find_check_kind(kind) != nullptr)
            line += "," + csv_field(check_kind_label(kind));
    return line + "\r\n";
}

std::string csv_row(const FileRow &row, const std::string &result)
{
    const char type[2] = {row.record_type, '\0'};
    std::string line = csv_field(row.path) + "," + csv_field(result) + "," + csv_field(row.reason) + "," +
                       format_name(row.format) + "," + (row.version > 0 ? std::to_string(row.version) : "") + "," +
                       (is_record_type(row.record_type) ? type : "") + "," + std::to_string(row.records) + "," +
                       std::to_string(row.problems);
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (find_check_kind(kind) != nullptr)
            line += "," + std::to_string(row.counts[kind]);
    return line + "\r\n";
}

// The file's output, its messages, its row and its part of the HTML report.
void write_job(Run &run, size_t i)
{
    Job &job = run.jobs[i];
    CheckedFile &result = *job.result;
    if (!result.preface.empty()) {
        fflush(stdout);
        fputs(result.preface.c_str(), stderr);
    }
    if (job.buffer != nullptr) {
        if (!copy_out(job.buffer))
            run.output_failed = true;
        fclose(job.buffer);
        job.buffer = nullptr;
    }
    if (!result.notes.empty()) {
        fflush(stdout); // the lines before it stay before it where both streams meet
        fputs(result.notes.c_str(), stderr);
    }
    run.status = job.status > run.status ? job.status : run.status;
    write_report(&run.csv, csv_row(result.row, row_status_word(result.row.status)));
    if (run.html.name != nullptr) {
        const bool checked = result.row.status != ROW_UNREADABLE;
        const HtmlOutcome outcome = {&result.row, checked ? &result.summary : nullptr,
                                     result.has_codes ? &result.codes : nullptr};
        write_report(&run.html, html_file_section(result.html, outcome, i));
    }
    run.rows.push_back(result.row);
    job.result.reset();
    if (ferror(stdout))
        run.output_failed = true;
}

void print_kinds(const FileRow &row)
{
    printf("%" PRIu64 " problem%s", row.problems, plural(row.problems));
    const char *separator = " (";
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (row.counts[kind] > 0) {
            printf("%s%" PRIu64 " %s", separator, row.counts[kind], check_kind_label(kind));
            separator = ", ";
        }
    if (separator[0] == ',')
        fputc(')', stdout);
}

// "summary: PATH: flat, version 180, record type I, 10 records, 3 problems
// (1 Record length, 2 Item value)", or the file's result and reason; then the total.
void print_rows(const std::vector<FileRow> &rows, const FileRow &total)
{
    uint64_t by_status[4] = {0, 0, 0, 0};
    for (const FileRow &row : rows) {
        ++by_status[row.status];
        fputs("summary: ", stdout);
        print_text(stdout, row.path.c_str());
        if (row.status == ROW_NOT_NAACCR || row.status == ROW_UNREADABLE) {
            printf(": %s: ", row_status_word(row.status));
            print_text(stdout, row.reason.c_str());
            fputc('\n', stdout);
            continue;
        }
        printf(": %s", row.format == NAACCR_FORMAT_XML ? "NAACCR XML" : "flat");
        if (row.version > 0)
            printf(", version %" PRId32, row.version);
        if (is_record_type(row.record_type))
            printf(", record type %c", row.record_type);
        printf(", %" PRIu64 " %s%s, ", row.records, row.format == NAACCR_FORMAT_XML ? "tumour" : "record",
               plural(row.records));
        print_kinds(row);
        fputc('\n', stdout);
    }
    const uint64_t files = rows.size();
    printf("total: %" PRIu64 " file%s (%" PRIu64 " passed, %" PRIu64 " with problems, %" PRIu64 " not NAACCR, %" PRIu64
           " unreadable), %" PRIu64 " records and tumours, ",
           files, plural(files), by_status[ROW_PASSED], by_status[ROW_PROBLEMS], by_status[ROW_NOT_NAACCR],
           by_status[ROW_UNREADABLE], total.records);
    print_kinds(total);
    fputc('\n', stdout);
}

bool open_report(const char *command, ReportFile *report, const char *name)
{
    report->name = name;
    report->failed = false;
    if (name == nullptr)
        return true;
    char error[512];
    if (strcmp(name, "-") == 0 || !create_output(name, nullptr, &report->file, error, sizeof error)) {
        fprintf(stderr, "%s: %s: %s\n", command, printable_text(name, strlen(name)).c_str(),
                strcmp(name, "-") == 0 ? "a report goes to a file, not standard output" : error);
        report->name = nullptr;
        return false;
    }
    return true;
}

bool close_report(const char *command, ReportFile *report)
{
    if (report->name == nullptr)
        return true;
    char error[512] = "write error";
    if (!report->failed && commit_output(&report->file, report->name, error, sizeof error))
        return true;
    if (report->failed)
        discard_output(&report->file);
    fprintf(stderr, "%s: %s: %s\n", command, printable_text(report->name, strlen(report->name)).c_str(), error);
    return false;
}

std::string title_of(const CommandLine &line)
{
    std::string title = "Check of ";
    for (size_t i = 0; i < line.files.size(); ++i)
        title += (i > 0 ? ", " : "") + std::string(line.files[i]);
    return title;
}

} // namespace

int run_checks(const char *command, const CommandLine &line, bool verify)
{
    Run run;
    run.command = command;
    run.line = &line;
    run.verify = verify;
    std::vector<ListedInput> inputs;
    bool folders = false;
    for (const char *path : line.files)
        folders = list_input(path, line.recursive, line.includes, &inputs) || folders;
    for (ListedInput &input : inputs)
        run.jobs.push_back({std::move(input), nullptr, false, 0, nullptr});
    run.html.name = nullptr;
    if (!open_report(command, &run.csv, line.summary_csv) || !open_report(command, &run.html, line.html)) {
        if (run.csv.name != nullptr)
            discard_output(&run.csv.file);
        return 2;
    }
    write_report(&run.csv, csv_header());
    write_report(&run.html, html_report_head(title_of(line).c_str(), "cvnaaccr " CVNAACCR_VERSION_STRING));

    // --threads is the total: up to that many files at once, each with its share.
    uint32_t threads = line.threads != 0 ? line.threads : std::thread::hardware_concurrency();
    threads = threads == 0 ? 1 : threads;
    const size_t at_once = std::min<size_t>(threads, run.jobs.size());
    run.file_threads = at_once <= 1 ? line.threads : threads / static_cast<uint32_t>(at_once);
    run.window = 4 * at_once;
    run.next = run.written = 0;
    run.stop = run.output_failed = false;
    run.status = 0;

    if (at_once <= 1) {
        for (size_t i = 0; i < run.jobs.size() && !run.output_failed; ++i) {
            check_job(run, i, stdout, true);
            write_job(run, i);
        }
    } else {
        std::vector<std::thread> workers;
        for (size_t w = 0; w < at_once; ++w)
            workers.emplace_back(work, &run);
        for (size_t i = 0; i < run.jobs.size(); ++i) {
            std::unique_lock<std::mutex> held(run.lock);
            run.changed.wait(held, [&run, i] { return run.jobs[i].done; });
            held.unlock();
            write_job(run, i);
            held.lock();
            run.written = i + 1;
            if (run.output_failed) {
                run.stop = true;
                run.changed.notify_all();
                break;
            }
            run.changed.notify_all();
        }
        {
            std::lock_guard<std::mutex> held(run.lock);
            run.stop = true;
            run.changed.notify_all();
        }
        for (std::thread &worker : workers)
            worker.join();
        for (Job &job : run.jobs)
            if (job.buffer != nullptr)
                fclose(job.buffer);
    }

    FileRow total = make_unreadable_row("", "");
    for (const FileRow &row : run.rows)
        add_to_total(&total, row);
    if ((run.jobs.size() > 1 || folders) && !line.json && !verify && !run.output_failed)
        print_rows(run.rows, total);
    write_report(&run.csv,
                 csv_row(total, "total: " + std::to_string(run.rows.size()) + " file" + plural(run.rows.size())));
    if (run.html.name != nullptr) {
        write_report(&run.html, html_report_overview(run.rows, total));
        write_report(&run.html, html_report_end());
    }
    const bool reports = close_report(command, &run.csv) & close_report(command, &run.html);
    return finish_output(command) && reports ? run.status : 2;
}
