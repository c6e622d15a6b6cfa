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
    EFFECT_NONE,  // reported, nothing lost
    EFFECT_QUIET, // a value's own fault, which the check reports: not the conversion's business
    EFFECT_LOSSY, // something is left out: refused unless lossy
    EFFECT_REFUSE // the file cannot be converted
};

ProblemEffect effect_of(const NaaccrItemProblem &problem, int32_t target)
{
    if (is_harmless_kind(problem.code))
        return EFFECT_NONE;
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

int32_t CV_CALL on_read_problem(void *context, const NaaccrItemProblem *problem)
{
    Conversion &c = *static_cast<Conversion *>(context);
    switch (effect_of(*problem, c.options->target)) {
    case EFFECT_QUIET:
        return 0;
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
    if (view.root_differs != 0) {
        c.writer.refused = true;
        return writer_problem(&c.writer, NAACCR_CHECK_ROOT_CONFLICT, &view, nullptr,
                              "Record %llu and record 1 differ in file-level items (NaaccrData): one XML file "
                              "cannot hold both.",
                              static_cast<unsigned long long>(view.tumor));
    }
    return 0;
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
    NaaccrItemProblem problem;
    memset(&problem, 0, sizeof problem);
    if (view != nullptr) {
        problem.record = view->tumor;
        problem.offset = view->offset;
        problem.patient = view->patient;
    }
    problem.code = code;
    problem.item_id = item != nullptr ? item->id : "";
    problem.item_name = item != nullptr ? item->name : "";
    if (item != nullptr) {
        problem.item_number = item->number;
        problem.item_start = item->start_column;
        problem.item_length = item->length;
    }
    problem.message = message;
    return context->deliver(context->problem_host, &problem);
}
