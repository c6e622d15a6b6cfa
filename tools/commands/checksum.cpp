// checksum.cpp -- `cvnaaccr checksum verify FILE...` and
// `cvnaaccr checksum assign FILE -o OUT`, both built on the library's record
// checker, which cuts the file into records exactly as `check` does.
//
// assign copies the file through the checker's record callback, which hands
// over every record in file order with its exact bounds, the kinds of problem
// found in it and its checksum column.  Only the ten bytes of a checksum
// field are ever changed.  A file whose records cannot be told apart with
// certainty is refused as a whole: writing a checksum by a wrong cut would
// change bytes of the data.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "text/text.h"

namespace
{

// Kinds that leave a record's bounds in doubt: its length differs from the
// first record's (or the first record's from its layout, so the checksum
// column itself is in doubt), a lone CR or LF splits it, it ends in another
// terminator, or the file ends inside it.
const uint32_t unsplittable_kinds = (1u << NAACCR_CHECK_RECORD_LENGTH) | (1u << NAACCR_CHECK_LAYOUT_LENGTH) |
                                    (1u << NAACCR_CHECK_SPLIT_RECORD) | (1u << NAACCR_CHECK_TERMINATOR_FORM) |
                                    (1u << NAACCR_CHECK_PARTIAL_RECORD);
// Kinds that keep one record from being assigned; it is copied unchanged.
const uint32_t unassignable_kinds =
    (1u << NAACCR_CHECK_RECORD_TYPE) | (1u << NAACCR_CHECK_VERSION) | (1u << NAACCR_CHECK_ILLEGAL_BYTE);

// The width of a record's NAACCR checksum field.  The library's table of
// layouts holds it; cvnaaccr.h gives only the field's column
// (NaaccrRecordView.checksum_column), so it is mirrored here, once.
const uint32_t checksum_width = NAACCR_CHECKSUM_WIDTH;
const size_t write_buffer_size = 1u << 20;

struct Assignment {
    const char *path;
    const char *out;
    const CommandLine *line;
    OutputFile file;
    std::vector<char> pending; // bytes not yet written to the file
    std::vector<char> record;  // the copy of the record being assigned
    uint64_t records, assigned, not_assigned, listed;
    bool xml;          // the input is NAACCR XML, which has no checksum fields
    bool unsplittable; // a record's bounds are in doubt ...
    bool have_reason;  // ... for the reason in `reason`
    NaaccrProblem reason;
    bool write_failed;
    ProgressLine progress;
};

bool write_bytes(Assignment &a, const char *bytes, size_t n)
{
    if (a.pending.size() + n > write_buffer_size) {
        if (!write_output(&a.file, a.pending.data(), a.pending.size()))
            return false;
        a.pending.clear();
    }
    if (n > write_buffer_size)
        return write_output(&a.file, bytes, n);
    a.pending.insert(a.pending.end(), bytes, bytes + n);
    return true;
}

void list_not_assigned(Assignment &a, const NaaccrRecordView &view, const std::string &why)
{
    if (a.line->quiet || (a.line->max_problems != 0 && a.listed >= a.line->max_problems))
        return;
    ++a.listed;
    end_progress(&a.progress);
    print_text(stdout, a.path);
    printf(": record %" PRIu64 " (offset %" PRId64 "): not assigned: %s\n", view.number, view.offset, why.c_str());
}

// Why a record cannot be assigned, or "" when it can.
std::string obstacle(const NaaccrRecordView &view)
{
    std::string why;
    for (int32_t kind = 1; kind < NAACCR_CHECK_KINDS; ++kind)
        if (view.problems & unassignable_kinds & (1u << kind))
            why += (why.empty() ? "" : ", ") + std::string(check_kind_label(kind));
    if (why.empty() && view.checksum_column == 0)
        why = "its record type and version have no checksum field";
    return why;
}

int32_t CV_CALL on_record(void *context, const NaaccrRecordView *view)
{
    Assignment &a = *static_cast<Assignment *>(context);
    if (a.unsplittable || a.write_failed)
        return 1;
    const size_t total = static_cast<size_t>(view->length) + view->terminator_length;
    if (view->number == 0) {
        // A byte-order mark or a stray Ctrl-Z: copied as it is.
        a.write_failed = !write_bytes(a, view->bytes, total);
        return a.write_failed ? 1 : 0;
    }
    ++a.records;
    if (view->problems & unsplittable_kinds) {
        a.unsplittable = true; // the problem that comes next tells why and stops
        return 0;
    }
    if (view->bytes == nullptr) {
        a.unsplittable = a.have_reason = true;
        memset(&a.reason, 0, sizeof a.reason);
        a.reason.record = view->number;
        a.reason.offset = view->offset;
        a.reason.code = NAACCR_CHECK_RECORD_LENGTH;
        snprintf(a.reason.message, sizeof a.reason.message, "The record is too long to be copied.");
        return 1;
    }
    std::string why = obstacle(*view);
    if (why.empty()) {
        a.record.assign(view->bytes, view->bytes + total);
        if (cvAssignCRC32(a.record.data(), view->length, view->checksum_column, checksum_width) == CV_FIELD_OK) {
            ++a.assigned;
            a.write_failed = !write_bytes(a, a.record.data(), total);
            return a.write_failed ? 1 : 0;
        }
        why = "the record ends inside its checksum field";
    }
    ++a.not_assigned;
    list_not_assigned(a, *view, why);
    a.write_failed = !write_bytes(a, view->bytes, total);
    return a.write_failed || ferror(stdout) ? 1 : 0;
}

int32_t CV_CALL on_assign_problem(void *context, const NaaccrProblem *problem)
{
    Assignment &a = *static_cast<Assignment *>(context);
    if (!(unsplittable_kinds & (1u << problem->code)) || a.have_reason)
        return 0;
    a.unsplittable = a.have_reason = true;
    a.reason = *problem;
    return 1;
}

int32_t CV_CALL on_assign_progress(void *context, uint64_t done, int64_t total, uint64_t)
{
    update_progress(&static_cast<Assignment *>(context)->progress, done, total);
    return 0;
}

int32_t CV_CALL stop_at_once(void *, uint64_t, int64_t, uint64_t) { return 1; }

// NAACCR XML has no checksum fields: the file is refused, unread.
void note_xml(void *context, bool xml, NaaccrItemCheckOptions *options)
{
    static_cast<Assignment *>(context)->xml = xml;
    if (xml)
        options->on_progress = stop_at_once;
}

void report_failure(const char *path, const char *what)
{
    fputs("cvnaaccr checksum assign: ", stderr);
    print_text(stderr, path);
    fprintf(stderr, ": %s\n", what);
}

// Refuses an OUT that is no regular file or new name, or that is the input.
bool output_allowed(const char *path, const char *out)
{
    switch (path_kind(out, false)) {
    case PATH_ABSENT:
    case PATH_REGULAR:
        break;
    case PATH_OTHER:
        report_failure(out, "not a regular file (a directory, FIFO, device or symbolic link); OUT must be a "
                            "regular file or a new name");
        return false;
    case PATH_UNKNOWN:
        report_failure(out, "cannot tell what it is");
        return false;
    }
    if (is_same_file(strcmp(path, "-") == 0 ? nullptr : path, out)) {
        report_failure(out, "the output must not be the input");
        return false;
    }
    return true;
}

int assign_file(const char *path, const char *out, const CommandLine &line)
{
    if (!output_allowed(path, out))
        return 2;
    // A reader that goes away (`| head`) makes writes fail rather than end
    // the program with its temporary file left behind.
    ignore_broken_pipe();
    Assignment a;
    a.path = path;
    a.out = out;
    a.line = &line;
    a.pending.reserve(write_buffer_size);
    a.records = a.assigned = a.not_assigned = a.listed = 0;
    a.xml = a.unsplittable = a.have_reason = a.write_failed = false;
    start_progress(&a.progress, path);
    char error[256];
    if (!create_output(out, strcmp(path, "-") == 0 ? nullptr : path, &a.file, error, sizeof error)) {
        report_failure(out, error);
        return 2;
    }

    NaaccrItemCheckOptions options = make_check_options(0, 0, &a);
    options.on_problem = on_assign_problem;
    options.on_record = on_record;
    options.on_progress = on_assign_progress;
    NaaccrItemCheckSummary summary;
    const InputHook hook = {note_xml, &a};
    const int32_t code = check_input(path, &options, &summary, error, sizeof error, &hook);
    end_progress(&a.progress);

    if (is_read_failure(code) || a.write_failed || ferror(stdout)) {
        discard_output(&a.file);
        if (is_read_failure(code))
            report_failure(path, error[0] != '\0'                 ? error
                                 : code == NAACCR_REC_OPEN_FAILED ? "cannot be opened, or is not a regular file"
                                                                  : naaccr_code_name(code));
        else if (a.write_failed)
            report_failure(out, "cannot write the copy");
        return 2;
    }
    if (code == NAACCR_REC_EMPTY_FILE || a.unsplittable || a.xml) {
        discard_output(&a.file);
        print_text(stdout, path);
        if (code == NAACCR_REC_EMPTY_FILE) {
            fputs(": the input is empty; ", stdout);
        } else if (a.xml) {
            fputs(": NAACCR XML, which has no checksum fields; ", stdout);
        } else {
            printf(": record %" PRIu64 " (offset %" PRId64 "), column %" PRId32 ": %s: ", a.reason.record,
                   a.reason.offset, a.reason.column, check_kind_label(a.reason.code));
            print_text(stdout, a.reason.message);
            fputs("\n", stdout);
            print_text(stdout, path);
            fputs(": cannot be split cleanly into records; ", stdout);
        }
        print_text(stdout, out);
        fputs(" not written\n", stdout);
        return 1;
    }
    if ((!a.pending.empty() && !write_output(&a.file, a.pending.data(), a.pending.size()))) {
        discard_output(&a.file);
        report_failure(out, "cannot write the copy");
        return 2;
    }
    // Every line about the records is out before OUT changes, so a report
    // that cannot be written leaves OUT as it was.
    if (line.max_problems != 0 && a.not_assigned > a.listed && !line.quiet) {
        print_text(stdout, path);
        printf(": ... and %" PRIu64 " more record%s not assigned\n", a.not_assigned - a.listed,
               plural(a.not_assigned - a.listed));
    }
    if (fflush(stdout) != 0 || ferror(stdout)) {
        discard_output(&a.file);
        return 2;
    }
    if (!commit_output(&a.file, out, error, sizeof error)) {
        report_failure(out, error);
        return 2;
    }
    print_text(stdout, path);
    fputs(" -> ", stdout);
    print_text(stdout, out);
    printf(": %" PRIu64 " record%s, %" PRIu64 " assigned, %" PRIu64 " not assigned\n", a.records, plural(a.records),
           a.assigned, a.not_assigned);
    return a.not_assigned == 0 ? 0 : 1;
}

} // namespace

int checksum_command(int argc, char **argv)
{
    if (argc < 2)
        return usage_error("checksum");
    if (strcmp(argv[1], "-h") == 0 || strcmp(argv[1], "--help") == 0)
        return print_help("checksum");
    CommandLine line;
    if (strcmp(argv[1], "verify") == 0) {
        const unsigned accepted = accept_json | accept_max_problems | accept_threads | accept_quiet;
        if (parse_command_line("checksum verify", argc - 1, argv + 1, accepted, &line) != 0)
            return 2;
        if (line.help)
            return print_help("checksum verify");
        if (line.files.empty())
            return usage_error("checksum verify");
        return run_checks("cvnaaccr checksum verify", line, true);
    }
    if (strcmp(argv[1], "assign") == 0) {
        const unsigned accepted = accept_output | accept_max_problems | accept_quiet;
        if (parse_command_line("checksum assign", argc - 1, argv + 1, accepted, &line) != 0)
            return 2;
        if (line.help)
            return print_help("checksum assign");
        if (line.files.size() != 1 || line.output == nullptr)
            return usage_error("checksum assign");
        const int status = assign_file(line.files[0], line.output, line);
        return finish_output("cvnaaccr checksum assign") ? status : 2;
    }
    fputs("cvnaaccr checksum: unknown command '", stderr);
    print_text(stderr, argv[1]);
    fputs("'\n", stderr);
    return usage_error("checksum");
}
