// flat_tumors.cpp -- flat records read one tumour at a time.  The records
// come from the record checker, which cuts the file into records exactly as a
// check does; each sound record is taken apart by its plan and joined to the
// previous record's patient when its Patient ID Number and patient items are
// the same.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "check/check.h"
#include "flat/flat.h"
#include "tumors/tumors.h"

namespace
{

struct FlatReading {
    ReadReport *report;
    const NaaccrReadOptions *options;
    TumorItems *tumor;
    unsigned char *first;    // the first tumour's record: its file-level items
    unsigned char *previous; // the previous tumour's record: its patient's items
    size_t length;           // of both
    ByteEncoding encoding;   // of the bytes above 126 the check let through
    unsigned char *utf8;     // values with such bytes, as UTF-8: three bytes for each at most
    const FlatPlan *plan;
    int32_t version;
    bool no_plan; // told once: the file's records have no dictionary
    uint64_t tumors, patients;
};

// Version and plan of the file, from its first record that has them.
bool find_plan(FlatReading &r, const NaaccrRecordView &view)
{
    if (r.plan != nullptr)
        return true;
    if (r.no_plan)
        return false;
    const bool has_code = view.length >= static_cast<uint32_t>(version_code_column - 1 + version_code_width);
    const char *code = has_code ? view.bytes + version_code_column - 1 : "   ";
    const int32_t version = has_code ? version_of_code(reinterpret_cast<const unsigned char *>(code)) : 0;
    const NaaccrDictionary *dictionary = version > 0 ? find_dictionary(version) : nullptr;
    r.plan = dictionary != nullptr && view.length > 0 ? find_flat_plan(*dictionary, view.bytes[0]) : nullptr;
    if (r.plan == nullptr) {
        r.no_plan = true;
        report_problem(r.report, NAACCR_CHECK_NO_DICTIONARY, view.number, view.offset, 1,
                       "Records of type '%c' and version code '%.3s' have no data dictionary: they cannot be "
                       "read as items.",
                       view.length > 0 ? view.bytes[0] : ' ', code);
        return false;
    }
    r.version = version;
    r.report->summary->version = version;
    return true;
}

// Values that hold bytes above 126 (the check let them through only when an
// encoding was given) are handed over as UTF-8, as NAACCR XML's are.
void values_as_utf8(FlatReading &r)
{
    if (r.encoding == BYTES_ASCII)
        return;
    size_t used = 0;
    for (int level = 0; level < 3; ++level)
        for (uint32_t k = 0; k < r.tumor->view.counts[level]; ++k) {
            NaaccrItemValue &v = r.tumor->values[level][k];
            const unsigned char *bytes = reinterpret_cast<const unsigned char *>(v.value);
            size_t high = 0;
            while (high < v.length && bytes[high] <= 126)
                ++high;
            if (high == v.length)
                continue;
            unsigned char *to = r.utf8 + used;
            size_t n = 0;
            for (size_t i = 0; i < v.length; ++i) {
                const int32_t cp = bytes[i] > 126 ? code_point_of_byte(bytes[i], r.encoding) : bytes[i];
                n += put_utf8(static_cast<uint32_t>(cp >= 0 ? cp : '?'), to + n);
            }
            v.value = reinterpret_cast<const char *>(to);
            v.length = static_cast<uint32_t>(n);
            used += n;
        }
}

void set_patient(FlatReading &r, const unsigned char *record, NaaccrTumorView &view)
{
    const FlatPlan &plan = *r.plan;
    view.first_of_patient = 1;
    view.patient_split = 0;
    view.root_differs = 0;
    if (r.tumors > 0) {
        view.root_differs = same_flat_level(plan, NAACCR_LEVEL_ROOT, r.first, record, r.length) ? 0 : 1;
        size_t at = 0, n = 0;
        if (patient_id_span(plan, &at, &n) && memcmp(r.previous + at, record + at, n) == 0 &&
            strspn(reinterpret_cast<const char *>(record) + at, " ") < n) {
            const bool same = same_flat_level(plan, NAACCR_LEVEL_PATIENT, r.previous, record, r.length);
            view.first_of_patient = same ? 0 : 1;
            view.patient_split = same ? 0 : 1;
        }
    }
    if (view.first_of_patient != 0)
        ++r.patients;
    view.patient = r.patients;
}

int32_t CV_CALL on_flat_record(void *context, const NaaccrRecordView *record)
{
    FlatReading &r = *static_cast<FlatReading *>(context);
    if (record->number == 0 || (record->problems & ~NAACCR_HARMLESS_KINDS) != 0)
        return 0; // its problems come through on_flat_problem
    if (record->bytes == nullptr || record->length > static_cast<uint32_t>(longest_flat_record))
        return report_problem(r.report, NAACCR_CHECK_NOT_READABLE, record->number, record->offset, 0,
                              "The record is too long to be read as items.");
    if (!find_plan(r, *record))
        return 0;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(record->bytes);
    if (r.tumors > 0 && record->length != r.length)
        return report_problem(r.report, NAACCR_CHECK_NOT_READABLE, record->number, record->offset, 0,
                              "The record's length differs from the first record's.");
    take_flat_record(*r.plan, bytes, record->length, r.tumor);
    values_as_utf8(r);
    NaaccrTumorView &view = r.tumor->view;
    view.version = r.version;
    view.record_type = static_cast<char>(bytes[0]);
    view.tumor = record->number;
    view.offset = record->offset;
    view.reserved = 0;
    set_patient(r, bytes, view);
    if (r.tumors == 0) {
        r.length = record->length;
        memcpy(r.first, bytes, r.length);
    }
    ++r.tumors;
    for (int level = 0; level < 3; ++level)
        r.report->summary->items += view.counts[level];
    const int32_t stop =
        r.options != nullptr && r.options->on_tumor != nullptr ? r.options->on_tumor(r.options->context, &view) : 0;
    memcpy(r.previous, bytes, r.length);
    return stop;
}

int32_t CV_CALL on_flat_problem(void *context, const NaaccrProblem *problem)
{
    FlatReading &r = *static_cast<FlatReading *>(context);
    return report_problem(r.report, problem->code, problem->record, problem->offset, problem->column, "%s",
                          problem->message);
}

int32_t CV_CALL on_flat_progress(void *context, uint64_t done, int64_t total, uint64_t records)
{
    const FlatReading &r = *static_cast<FlatReading *>(context);
    return r.options->on_progress(r.options->context, done, total, records);
}

} // namespace

int32_t read_flat_tumors(const char *path, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options,
                         ReadReport *report)
{
    FlatReading r;
    memset(&r, 0, sizeof r);
    r.report = report;
    r.options = options;
    r.tumor = static_cast<TumorItems *>(malloc(sizeof(TumorItems)));
    r.first = static_cast<unsigned char *>(malloc(longest_flat_record));
    r.previous = static_cast<unsigned char *>(malloc(longest_flat_record));
    const uint32_t encoding = options != nullptr ? options->flags & known_read_flags : 0;
    r.encoding = encoding == NAACCR_READ_LATIN1         ? BYTES_LATIN1
                 : encoding == NAACCR_READ_WINDOWS_1252 ? BYTES_WINDOWS_1252
                                                        : BYTES_ASCII;
    r.utf8 = static_cast<unsigned char *>(malloc(3 * longest_flat_record));
    NaaccrItemCheckSummary *summary = report->summary;
    int32_t code = NAACCR_REC_NO_MEMORY;
    if (r.tumor != nullptr && r.first != nullptr && r.previous != nullptr && r.utf8 != nullptr) {
        // The records are cut and checked as the 1.2 calls check them: on the
        // calling thread, which the record callback needs; bytes of the
        // encoding the caller gave are no problem of theirs.
        NaaccrItemCheckOptions check;
        reading_check_options(options, encoding, on_flat_progress, &r, &check);
        check.on_problem = on_flat_problem;
        check.on_record = on_flat_record;
        NaaccrItemCheckSummary checked;
        clear_check_summary(&checked);
        code = check_naaccr_input(path, read, stream, check, &checked, CHECK_CALLS_1_2);
        summary->records = checked.records;
    }
    summary->format = NAACCR_FORMAT_FLAT;
    summary->tumors = r.tumors;
    summary->patients = r.patients;
    free(r.tumor);
    free(r.first);
    free(r.previous);
    free(r.utf8);
    return code;
}
