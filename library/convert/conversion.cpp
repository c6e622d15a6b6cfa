// conversion.cpp -- a file read one tumour at a time and written as NAACCR
// XML, flat records or CSV.
// The reader and the writers meet only in NaaccrTumorView; this file decides
// what refuses a conversion and counts and hands on every problem.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "convert/convert.h"
#include "flat/flat.h"
#include "tumors/tumors.h"

namespace
{

const size_t output_buffer_size = 1u << 20;
// A flat record and its terminator, CR LF at most.
const size_t longest_record = longest_flat_record + 2;

// The file-level items of the first tumour, which NAACCR XML's root holds:
// every later tumour's are held against them.
struct FirstRoot {
    bool held;
    uint64_t tumor; // its number: record 1, unless records before it were not read
    NaaccrItemValue values[most_tumor_items];
    uint32_t count;
    char bytes[3 * longest_flat_record]; // the values, UTF-8 at most three bytes to a flat byte
};

struct Conversion {
    WriterContext writer;
    const NaaccrConvertOptions *options;
    NaaccrConvertSummary *summary;
    NaaccrItemCheckSummary input;       // what the reader fills as it goes
    const NaaccrDictionary *dictionary; // of the first tumour
    const NaaccrItemDef *user_items;    // NAACCR XML: the user dictionaries' items
    size_t user_count;
    CsvColumns columns;
    uint64_t reported;
    uint64_t skipped;    // the last flat record left out for a record problem, or 0
    FirstRoot first;     // NAACCR XML target
    bool caller_stopped; // the caller's problem callback asked to stop
    int32_t code;        // a result the conversion ends with, other than the reader's
};

int32_t hand_on(Conversion &c, const NaaccrItemProblem *problem)
{
    ++c.summary->problems;
    const uint32_t most = c.options->max_reported;
    if (c.options->on_problem == nullptr || (most != 0 && c.reported >= most))
        return 0;
    ++c.reported;
    const int32_t stop = c.options->on_problem(c.options->context, problem);
    c.caller_stopped = c.caller_stopped || stop != 0;
    return stop;
}

int32_t deliver_writer_problem(void *host, const NaaccrItemProblem *problem)
{
    Conversion &c = *static_cast<Conversion *>(host);
    if (problem->code > 0 && problem->code < NAACCR_CHECK_ALL_KINDS)
        ++c.summary->input.counts[problem->code];
    return hand_on(c, problem);
}

// What a reading problem does to a conversion.
enum ProblemEffect {
    EFFECT_NONE,   // reported, nothing lost
    EFFECT_QUIET,  // a value's own fault, which the check reports: not the conversion's business
    EFFECT_LOSSY,  // something is left out: refused unless lossy
    EFFECT_RECORD, // a flat record that cannot be read: refused unless its records may be left out
    EFFECT_REFUSE  // the file cannot be converted
};

ProblemEffect effect_of(const NaaccrItemProblem &problem, int32_t target, bool flat)
{
    if (is_harmless_kind(problem.code))
        return EFFECT_NONE;
    // The record kinds are flat records' alone; a flat record the reader
    // cannot take apart is one record too.  Only these keep a record from
    // being read: the file's lack of a dictionary keeps every one.
    if ((problem.code > 0 && problem.code < NAACCR_CHECK_KINDS) || (flat && problem.code == NAACCR_CHECK_NOT_READABLE))
        return EFFECT_RECORD;
    switch (problem.code) {
    case NAACCR_CHECK_XML_ROOT:
        // What the conversion needs of the root is settled at the first
        // tumour; but a recordType or naaccrRecordVersion Item that says
        // otherwise (the only root problem with an item) leaves the layout
        // of every record in doubt.
        return problem.item_number != 0 ? EFFECT_REFUSE : EFFECT_NONE;
    case NAACCR_CHECK_ITEM_CONFLICT:
        // A flat record or a row holds one value of an item, the innermost
        // (the writers place the levels from the file's inwards); NAACCR XML
        // keeps each where it stood.  A flat record with two record types
        // (a root without recordType takes its recordType Item's) has a
        // layout in doubt.
        if (target == NAACCR_FORMAT_XML)
            return EFFECT_NONE;
        return target == NAACCR_FORMAT_FLAT &&
                       (problem.item_number == record_type_item || problem.item_number == record_version_item)
                   ? EFFECT_REFUSE
                   : EFFECT_LOSSY;
    case NAACCR_CHECK_ITEM_DATA_TYPE:
    case NAACCR_CHECK_ITEM_SHORT:
    case NAACCR_CHECK_ITEM_DATE:
    case NAACCR_CHECK_ITEM_PADDING:
    case NAACCR_CHECK_ITEM_BLANKS:
    case NAACCR_CHECK_ITEM_NUMBER:
    case NAACCR_CHECK_ITEM_RECORD_TYPE:
    case NAACCR_CHECK_ITEM_LEVEL:
        return EFFECT_QUIET;
    case NAACCR_CHECK_ITEM_TOO_LONG:
    case NAACCR_CHECK_ITEM_UNKNOWN:
    case NAACCR_CHECK_ITEM_REPEATED:
    case NAACCR_CHECK_NOT_WRITABLE:
        return EFFECT_LOSSY;
    default:
        return EFFECT_REFUSE;
    }
}

// A flat record left out for its record problem: the problem is listed with
// a word that says so, and the record counted once however many it has.
int32_t skip_record(Conversion &c, const NaaccrItemProblem &problem)
{
    if (problem.record != c.skipped) {
        c.skipped = problem.record;
        ++c.writer.left_out;
    }
    char message[600];
    size_t n = strlen(problem.message);
    if (n > 0 && problem.message[n - 1] == '.')
        --n;
    snprintf(message, sizeof message, "%.*s; the record is left out.", static_cast<int>(n < 512 ? n : 512),
             problem.message);
    NaaccrItemProblem told = problem;
    told.message = message;
    return hand_on(c, &told);
}

int32_t CV_CALL on_read_problem(void *context, const NaaccrItemProblem *problem)
{
    Conversion &c = *static_cast<Conversion *>(context);
    switch (effect_of(*problem, c.options->target, c.input.format != NAACCR_FORMAT_XML)) {
    case EFFECT_QUIET:
        return 0;
    case EFFECT_RECORD:
        if ((c.options->flags & NAACCR_CONVERT_SKIP_BAD_RECORDS) != 0)
            return skip_record(c, *problem);
        c.writer.refused = true;
        break;
    case EFFECT_LOSSY:
        ++c.writer.left_out;
        c.writer.refused = c.writer.refused || !c.writer.lossy;
        break;
    case EFFECT_REFUSE:
        c.writer.refused = true;
        break;
    case EFFECT_NONE:
        break;
    }
    return hand_on(c, problem);
}

int32_t CV_CALL on_read_progress(void *context, uint64_t done, int64_t total, uint64_t records)
{
    const Conversion &c = *static_cast<Conversion *>(context);
    return c.options->on_progress(c.options->context, done, total, records);
}

void on_user_items(void *context, const NaaccrItemDef *items, size_t count)
{
    Conversion &c = *static_cast<Conversion *>(context);
    c.user_items = items;
    c.user_count = count;
}

// Settles what the first tumour sets: the dictionary and, for CSV, the columns.
int32_t start_target(Conversion &c, const NaaccrTumorView &view)
{
    c.dictionary = find_dictionary(view.version);
    if (c.dictionary == nullptr || item_record_type_bit(view.record_type) == 0) {
        c.writer.refused = true;
        if (c.dictionary == nullptr)
            writer_problem(&c.writer, NAACCR_CHECK_NOT_WRITABLE, &view, nullptr,
                           "The file names no known NAACCR version: its items cannot be read.");
        else
            writer_problem(&c.writer, NAACCR_CHECK_NOT_WRITABLE, &view, nullptr, "The file names no record type (%s).",
                           record_types_in_words());
        return 1;
    }
    if (c.options->target != NAACCR_FORMAT_CSV)
        return 0;
    const bool xml = c.input.format == NAACCR_FORMAT_XML;
    const CsvChoice choice = {c.options->items, view.record_type, xml, c.user_items, c.user_count};
    char unknown[80];
    if (!make_csv_columns(*c.dictionary, choice, &c.columns, unknown, sizeof unknown)) {
        c.code = NAACCR_REC_BAD_ARGUMENT;
        writer_problem(&c.writer, NAACCR_CHECK_ITEM_UNKNOWN, nullptr, nullptr,
                       "--items: '%s' is not an item of version %d%s.", unknown, view.version,
                       c.user_count > 0 ? " nor of a loaded user dictionary" : "");
        return 1;
    }
    write_csv_header(&c.writer, *c.dictionary, c.columns);
    return 0;
}

// Keeps the first tumour's file-level items, which the root is written from.
void hold_first_root(Conversion &c, const NaaccrTumorView &view)
{
    FirstRoot &first = c.first;
    size_t used = 0;
    first.held = true;
    first.tumor = view.tumor;
    first.count = 0;
    for (uint32_t k = 0; k < view.counts[NAACCR_LEVEL_ROOT] && k < most_tumor_items; ++k) {
        const NaaccrItemValue &v = view.items[NAACCR_LEVEL_ROOT][k];
        if (v.length > sizeof first.bytes - used)
            break; // cannot be: a flat record's values fit
        memcpy(first.bytes + used, v.value, v.length);
        first.values[first.count++] = {v.item, first.bytes + used, v.length, v.flags};
        used += v.length;
    }
}

const NaaccrItemValue *find_value(const NaaccrItemValue *values, uint32_t count, const NaaccrItemDef *item)
{
    for (uint32_t k = 0; k < count; ++k)
        if (values[k].item == item)
            return &values[k];
    return nullptr;
}

// A value as a message quotes it, or "not given".
const char *shown_value(const NaaccrItemValue *v, char *text, size_t capacity)
{
    if (v == nullptr)
        return "not given";
    return quoted_bytes(reinterpret_cast<const unsigned char *>(v->value), v->length < 40 ? v->length : 40, text,
                        capacity);
}

// One file-level item whose value differs from the first tumour's: refused,
// or with NAACCR_CONVERT_ROOT_FIRST left out.
int32_t root_difference(Conversion &c, const NaaccrTumorView &view, const NaaccrItemDef *item,
                        const NaaccrItemValue *here, const NaaccrItemValue *first)
{
    const bool first_stands = (c.options->flags & NAACCR_CONVERT_ROOT_FIRST) != 0;
    if (first_stands)
        ++c.writer.left_out;
    else
        c.writer.refused = true;
    char a[200], b[200], kept[64] = "one NAACCR XML file holds one value";
    if (first_stands)
        snprintf(kept, sizeof kept, "record %llu's is kept, this one left out",
                 static_cast<unsigned long long>(c.first.tumor));
    return writer_problem(&c.writer, NAACCR_CHECK_ROOT_CONFLICT, &view, item,
                          "File-level item %s (item %d) is %s in record %llu but %s in record %llu; %s.", item->id,
                          item->number, shown_value(here, a, sizeof a), static_cast<unsigned long long>(view.tumor),
                          shown_value(first, b, sizeof b), static_cast<unsigned long long>(c.first.tumor), kept);
}

// Each file-level item of this tumour that is not the first tumour's.
int32_t note_root_differences(Conversion &c, const NaaccrTumorView &view)
{
    const NaaccrItemValue *values = view.items[NAACCR_LEVEL_ROOT];
    const uint32_t count = view.counts[NAACCR_LEVEL_ROOT];
    for (uint32_t k = 0; k < count; ++k) {
        const NaaccrItemValue *first = find_value(c.first.values, c.first.count, values[k].item);
        if ((first == nullptr || first->length != values[k].length ||
             memcmp(first->value, values[k].value, values[k].length) != 0) &&
            root_difference(c, view, values[k].item, &values[k], first) != 0)
            return 1;
    }
    for (uint32_t k = 0; k < c.first.count; ++k)
        if (find_value(values, count, c.first.values[k].item) == nullptr &&
            root_difference(c, view, c.first.values[k].item, nullptr, &c.first.values[k]) != 0)
            return 1;
    return 0;
}

// What only XML keeps apart: patients, and one set of file-level items.
int32_t note_xml_conflicts(Conversion &c, const NaaccrTumorView &view)
{
    if (view.patient_split != 0) {
        ++c.summary->patient_splits;
        if (writer_problem(&c.writer, NAACCR_CHECK_PATIENT_SPLIT, &view, nullptr,
                           "Record %llu has the Patient ID Number of the record before it but other patient "
                           "items: it starts a new Patient.",
                           static_cast<unsigned long long>(view.tumor)) != 0)
            return 1;
    }
    if (!c.first.held)
        hold_first_root(c, view);
    return view.root_differs != 0 ? note_root_differences(c, view) : 0;
}

int32_t CV_CALL on_tumor(void *context, const NaaccrTumorView *view)
{
    Conversion &c = *static_cast<Conversion *>(context);
    if (c.dictionary == nullptr && start_target(c, *view) != 0)
        return 1;
    if (view->version != c.dictionary->version) {
        // The readers keep one version to a file; should that ever fail, nothing half-done is used.
        c.writer.refused = true;
        writer_problem(&c.writer, NAACCR_CHECK_NOT_READABLE, view, nullptr,
                       "Tumour of version %d in a file of version %d.", view->version, c.dictionary->version);
        return 1;
    }
    if (c.options->target == NAACCR_FORMAT_XML && note_xml_conflicts(c, *view) != 0)
        return 1;
    if (c.writer.refused && c.options->target != NAACCR_FORMAT_FLAT)
        return 0; // nothing more is written, but every problem is listed
    switch (c.options->target) {
    case NAACCR_FORMAT_XML:
        return write_xml_tumor(&c.writer, *c.dictionary, *view);
    case NAACCR_FORMAT_FLAT:
        return write_flat_tumor(&c.writer, *c.dictionary, *view);
    default:
        return write_csv_tumor(&c.writer, *c.dictionary, c.columns, *view);
    }
}

bool start_conversion(Conversion &c, const NaaccrConvertOptions *options, NaaccrConvertSummary *summary)
{
    memset(&c, 0, sizeof c);
    c.options = options;
    c.summary = summary;
    c.writer.lossy = (options->flags & NAACCR_CONVERT_LOSSY) != 0;
    c.writer.lf = (options->flags & NAACCR_CONVERT_LF) != 0;
    c.writer.problem_host = &c;
    c.writer.deliver = deliver_writer_problem;
    if (!open_output_buffer(&c.writer.out, options->write, options->output, output_buffer_size))
        return false;
    c.writer.record = static_cast<char *>(malloc(longest_record));
    return c.writer.record != nullptr;
}

void prepare_reading(Conversion &c, NaaccrReadOptions *read)
{
    memset(read, 0, sizeof *read);
    read->size = sizeof *read;
    // The same bits in both.
    read->flags = c.options->flags & (NAACCR_CONVERT_LATIN1 | NAACCR_CONVERT_WINDOWS_1252);
    read->on_tumor = on_tumor;
    read->on_problem = on_read_problem;
    read->on_progress = c.options->on_progress != nullptr ? on_read_progress : nullptr;
    read->context = &c;
    read->dictionaries = c.options->dictionaries;
    read->dictionary_count = c.options->dictionary_count;
}

// The result, once the reader has returned `code`.
int32_t finish_conversion(Conversion &c, int32_t code)
{
    NaaccrConvertSummary &s = *c.summary;
    if (code == NAACCR_REC_OK && c.code != NAACCR_REC_OK)
        code = c.code;
    // The reader stops for the progress callback, or for the problem and
    // tumour callbacks, which stop for the caller or for a write that failed.
    const int32_t stopped = c.input.records.stopped;
    const bool caller_stopped =
        code == NAACCR_REC_OK && (stopped == STOP_BY_PROGRESS || (stopped == STOP_BY_CALLBACK && c.caller_stopped));
    if (code == NAACCR_REC_OK && c.options->target == NAACCR_FORMAT_XML && !c.writer.refused && !caller_stopped)
        finish_xml(&c.writer);
    const bool written = flush_output_buffer(&c.writer.out);
    if (code == NAACCR_REC_OK && !caller_stopped && c.dictionary == nullptr && !c.writer.refused) {
        c.writer.refused = true;
        writer_problem(&c.writer, NAACCR_CHECK_NOT_WRITABLE, nullptr, nullptr, "The file holds no tumour to write.");
    }
    if (caller_stopped)
        code = written ? NAACCR_REC_STOPPED : NAACCR_REC_WRITE_FAILED;
    if (code == NAACCR_REC_OK && c.writer.refused)
        code = NAACCR_REC_REFUSED;
    if (code == NAACCR_REC_OK && !written)
        code = NAACCR_REC_WRITE_FAILED;
    s.written = c.writer.written;
    s.left_out = c.writer.left_out;
    s.refused = code == NAACCR_REC_REFUSED || code == NAACCR_REC_STOPPED ? 1 : 0;
    s.items_without_column = static_cast<int32_t>(c.columns.items_without_column);
    s.input.records.problems = s.problems;
    close_output_buffer(&c.writer.out);
    free(c.writer.record);
    free_csv_columns(&c.columns);
    return code;
}

} // namespace

int32_t convert_naaccr(const char *path, NaaccrReadCallback read, void *stream, const NaaccrConvertOptions *options,
                       NaaccrConvertSummary *summary)
{
    memset(summary, 0, sizeof *summary);
    summary->input.records.record_type = ' ';
    Conversion *c = static_cast<Conversion *>(malloc(sizeof(Conversion)));
    if (c == nullptr)
        return NAACCR_REC_NO_MEMORY;
    int32_t code = NAACCR_REC_NO_MEMORY;
    if (start_conversion(*c, options, summary)) {
        NaaccrReadOptions reading;
        prepare_reading(*c, &reading);
        const ReadListener listener = {c, on_user_items};
        code = read_naaccr_tumors(path, read, stream, &reading, &c->input, &listener);
        // The writers counted their problems in the caller's summary as they went.
        uint64_t counted[NAACCR_CHECK_ALL_KINDS];
        memcpy(counted, summary->input.counts, sizeof counted);
        summary->input = c->input;
        for (int k = 0; k < NAACCR_CHECK_ALL_KINDS; ++k)
            summary->input.counts[k] += counted[k];
    }
    code = finish_conversion(*c, code);
    free(c);
    return code;
}

int32_t writer_problem(WriterContext *context, int32_t code, const NaaccrTumorView *view, const NaaccrItemDef *item,
                       const char *format, ...)
{
    char message[512];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    NaaccrItemProblem problem =
        record_problem(code, view != nullptr ? view->tumor : 0, view != nullptr ? view->offset : 0, message);
    if (view != nullptr)
        problem.patient = view->patient;
    if (item != nullptr) {
        problem.item_id = item->id;
        problem.item_name = item->name;
        problem.item_number = item->number;
        problem.item_start = item->start_column;
        problem.item_length = item->length;
    }
    return context->deliver(context->problem_host, &problem);
}
