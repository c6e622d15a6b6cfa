// show.cpp -- `cvnaaccr show FILE [--record N | --patient ID] [--all]`: the
// items of one record, or of each record of one patient, one per line, so
// that a problem's column can be looked at in a second, a code's label beside
// it where its list has labels; a NAACCR XML tumour is shown by show_xml.cpp.
// The dictionaries and codes are read through the library's exported calls
// only.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "text/text.h"

namespace
{

// The record a show looks for, caught by the record callback.
struct Wanted {
    uint64_t number;
    bool found;
    int64_t offset;
    std::string bytes;
    uint64_t records; // records seen
};

int32_t CV_CALL catch_record(void *context, const NaaccrRecordView *view)
{
    Wanted &w = *static_cast<Wanted *>(context);
    if (view->number == 0)
        return 0;
    w.records = view->number;
    if (view->number != w.number)
        return 0;
    w.found = view->bytes != nullptr;
    w.offset = view->offset;
    if (w.found)
        w.bytes.assign(view->bytes, view->length);
    return 1; // the record is here: the rest of the file is not read
}

bool is_blank(const std::string &bytes, size_t start, size_t length)
{
    return bytes.find_first_not_of(' ', start) >= start + length;
}

void print_record_items(int32_t version, const std::vector<NaaccrItemDef> &items, const std::string &bytes, bool all)
{
    CodeLabels labels;
    std::vector<NaaccrItemDef> shown;
    for (const NaaccrItemDef &item : items) {
        const size_t start = static_cast<size_t>(item.start_column - 1), length = static_cast<size_t>(item.length);
        if (item.grouped == 0 && item.start_column > 0 && start + length <= bytes.size() &&
            (all || !is_blank(bytes, start, length)))
            shown.push_back(item);
    }
    const int id_width = name_width(shown, false), text_width = name_width(shown, true);
    for (const NaaccrItemDef &item : shown) {
        printf("%5" PRId32 "  %-*s  %-*s  %-11s \"", item.number, id_width, item.id, text_width, item.name,
               columns_of(item).c_str());
        const size_t start = static_cast<size_t>(item.start_column - 1), length = static_cast<size_t>(item.length);
        fputs(printable_text(bytes.data() + start, length).c_str(), stdout);
        const char *label = code_label(&labels, version, item, bytes.substr(start, length));
        printf("\"%s%s\n", label != nullptr ? "  " : "", label != nullptr ? label : "");
    }
}

// A record's version and type, from its own columns; 0 and ' ' when it has none.
void version_and_type(const std::string &bytes, int32_t *version, char *type)
{
    *type = bytes.empty() ? ' ' : bytes[0];
    const size_t column = version_column(*type);
    *version = bytes.size() >= column - 1 + version_code_length
                   ? version_number(bytes.substr(column - 1, version_code_length).c_str())
                   : 0;
}

// The record's line, then its items; false (after the line) when its type
// and version have no dictionary.
bool print_flat_record(const char *path, uint64_t number, int64_t offset, const std::string &bytes,
                       const std::vector<NaaccrItemDef> &items, bool all)
{
    int32_t version;
    char type;
    version_and_type(bytes, &version, &type);
    print_text(stdout, path);
    printf(": record %" PRIu64 " (offset %" PRId64 "), %zu character%s", number, offset, bytes.size(),
           plural(bytes.size()));
    if (items.empty() || items[0].start_column <= 0) {
        printf(": no data dictionary for its type and version\n");
        return false;
    }
    printf(", type %c, version %" PRId32 "\n", type, version);
    print_record_items(version, items, bytes, all);
    return true;
}

// Prints each record of the patient as it goes by.
int32_t CV_CALL catch_patient_record(void *context, const NaaccrRecordView *view)
{
    WantedPatient &w = *static_cast<WantedPatient *>(context);
    if (view->number == 0 || view->bytes == nullptr)
        return 0;
    w.seen = view->number;
    const std::string bytes(view->bytes, view->length);
    int32_t version;
    char type;
    version_and_type(bytes, &version, &type);
    if (version != w.version || type != w.record_type) {
        w.version = version;
        w.record_type = type;
        w.items = items_of(version, record_type_bit(type));
    }
    for (const NaaccrItemDef &item : w.items) {
        const size_t start = static_cast<size_t>(item.start_column - 1), length = static_cast<size_t>(item.length);
        if (item.number != patient_id_item || item.start_column <= 0 || start + length > bytes.size())
            continue;
        if (without_blanks_around(bytes.substr(start, length)) == w.id) {
            print_flat_record(w.path, view->number, view->offset, bytes, w.items, w.all);
            ++w.shown;
        }
        break;
    }
    return ferror(stdout) ? 1 : 0;
}

// show --patient ID: every tumour of the patient, in file order.
int show_patient(const char *path, const CommandLine &line)
{
    WantedPatient wanted = {path, without_blanks_around(line.patient), line.all, 0, 0, 0, ' ', {}};
    NaaccrItemCheckOptions options = make_check_options(0, 1, &wanted);
    options.max_reported = 1;
    options.on_record = catch_patient_record;
    NaaccrReadOptions tumour_options;
    want_patient(&wanted, &tumour_options);
    ShowInput input = {&options, &tumour_options, false};
    NaaccrCheckSummary summary;
    char error[512] = "";
    const int32_t code = read_show_input(path, &input, &summary, error, sizeof error);
    if (is_read_failure(code) || error[0] != '\0' || (input.xml && code != NAACCR_REC_OK)) {
        fputs("cvnaaccr show: ", stderr);
        print_text(stderr, path);
        if (error[0] == '\0' && input.xml && !is_read_failure(code))
            fprintf(stderr, ": cannot be read as NAACCR XML items (code %" PRId32 ")\n", code);
        else
            fprintf(stderr, ": cannot be read%s%s\n", error[0] != '\0' ? ": " : "", error);
        return 2;
    }
    if (wanted.shown == 0 && !ferror(stdout)) {
        fputs("cvnaaccr show: ", stderr);
        print_text(stderr, path);
        fputs(": no tumour of patient \"", stderr);
        print_text(stderr, wanted.id.c_str());
        fprintf(stderr, "\" (it has %" PRIu64 " %s)\n", wanted.seen,
                input.xml ? (wanted.seen == 1 ? "tumour" : "tumours") : (wanted.seen == 1 ? "record" : "records"));
        return 1;
    }
    return finish_output("cvnaaccr show") ? 0 : 2;
}

} // namespace

std::string without_blanks_around(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int show_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("show", argc, argv, accept_record | accept_patient | accept_all, &line) != 0)
        return usage_error("show");
    if (line.help)
        return print_help("show");
    if (line.files.size() != 1 || (line.patient != nullptr && line.record != 0))
        return usage_error("show");
    const char *path = line.files[0];
    if (line.patient != nullptr)
        return show_patient(path, line);
    const uint64_t number = line.record != 0 ? line.record : 1;
    Wanted wanted = {number, false, 0, std::string(), 0};
    NaaccrItemCheckOptions options = make_check_options(0, 1, &wanted);
    options.max_reported = 1;
    options.on_record = catch_record;
    WantedTumour tumour;
    NaaccrReadOptions tumour_options;
    want_tumour(&tumour, number, &tumour_options);
    ShowInput input = {&options, &tumour_options, false};
    NaaccrCheckSummary summary;
    char error[512] = "";
    const int32_t code = read_show_input(path, &input, &summary, error, sizeof error);
    if (input.xml) {
        const int status = print_xml_tumour(path, &tumour, code, error, line.all);
        return status == 0 && !finish_output("cvnaaccr show") ? 2 : status;
    }
    if (!wanted.found) {
        fputs("cvnaaccr show: ", stderr);
        print_text(stderr, path);
        if (is_read_failure(code))
            fprintf(stderr, ": cannot be read%s%s\n", error[0] != '\0' ? ": " : "", error);
        else
            fprintf(stderr, ": no record %" PRIu64 " (it has %" PRIu64 ")\n", wanted.number, wanted.records);
        return is_read_failure(code) ? 2 : 1;
    }
    int32_t version;
    char type;
    version_and_type(wanted.bytes, &version, &type);
    const bool shown = print_flat_record(path, wanted.number, wanted.offset, wanted.bytes,
                                         items_of(version, record_type_bit(type)), line.all);
    return finish_output("cvnaaccr show") ? (shown ? 0 : 1) : 2;
}
