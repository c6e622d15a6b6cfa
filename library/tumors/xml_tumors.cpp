// xml_tumors.cpp -- NAACCR XML read as tumours: the XML check runs as it
// always does and hands each item, Patient, Tumor and extension to this
// reader, which keeps the file's, the open Patient's and the open Tumor's
// items and hands each Tumor over when it closes.  What a tumour-by-tumour
// model cannot hold (a Patient without Tumors, an extension, unlimited text
// longer than hooked_text_characters) is a problem of its own.  The record
// type and version that a flat record carries in its columns NAACCR XML may
// give on its root only: a tumour without them as Items gets them from there.
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "tumors/tumors.h"
#include "xml/xml.h"

namespace
{

// Bytes of values kept at each level: far more than any dictionary's items hold.
const size_t level_capacity = 1u << 20;
// Bits of XmlReading.given: which of those two stand as Items at a level.
const uint8_t given_type = 1, given_version = 2;

struct XmlReading {
    ReadReport *report;
    const NaaccrReadOptions *options;
    const ReadListener *listener; // or null
    const NaaccrItemCheckSummary *summary;
    TumorItems *tumor;
    char *values[3];
    size_t used[3];
    uint8_t given[3]; // given_type, given_version
    // The file's items as handed over: those taken from the root, then the given ones.
    NaaccrItemValue *root_items; // most_tumor_items + 2
    char root_type, root_version[3];
    uint64_t tumors, patients, tumors_in_patient;
    int64_t tumor_offset;
};

void clear_level(XmlReading &r, int level)
{
    for (int l = level; l < 3; ++l) {
        r.tumor->view.counts[l] = 0;
        r.used[l] = 0;
        r.given[l] = 0;
    }
}

int32_t on_item(void *context, int level, const NaaccrItemDef *def, const unsigned char *value, size_t n, bool cut)
{
    XmlReading &r = *static_cast<XmlReading *>(context);
    if (cut && def->unlimited == 0)
        return 0; // a value longer than its item: the check's problem
    if (def->unlimited != 0 && (cut || utf8_characters(value, n) > hooked_text_characters)) {
        return report_problem(r.report, NAACCR_CHECK_ITEM_TOO_LONG, r.tumors + 1, r.tumor_offset, 0,
                              "%s (item %d): unlimited text longer than the %u characters held.", def->name,
                              def->number, static_cast<unsigned>(hooked_text_characters));
    }
    const int at = level < 0 ? 0 : level > 2 ? 2 : level;
    uint32_t &count = r.tumor->view.counts[at];
    if (count >= most_tumor_items || r.used[at] + n > level_capacity)
        return report_problem(r.report, NAACCR_CHECK_NOT_READABLE, r.tumors + 1, r.tumor_offset, 0,
                              "More items in one element than can be held.");
    char *copy = r.values[at] + r.used[at];
    memcpy(copy, value, n);
    r.used[at] += n;
    r.tumor->values[at][count++] = {def, copy, static_cast<uint32_t>(n), 0};
    r.given[at] |= def->number == record_type_item      ? given_type
                   : def->number == record_version_item ? given_version
                                                        : 0;
    return 0;
}

// The file's items of the tumour: the record type and version from the root
// when no level gives them as Items, then the given ones.
void take_root_items(XmlReading &r, NaaccrTumorView &view)
{
    const uint8_t given = r.given[0] | r.given[1] | r.given[2];
    const NaaccrDictionary *dictionary = find_dictionary(r.summary->version);
    uint32_t n = 0;
    if (dictionary != nullptr && (given & given_type) == 0 && r.summary->records.record_type != ' ') {
        r.root_type = r.summary->records.record_type;
        r.root_items[n++] = {find_item_by_number(*dictionary, record_type_item), &r.root_type, 1,
                             NAACCR_VALUE_FROM_ROOT};
    }
    if (dictionary != nullptr && (given & given_version) == 0) {
        memcpy(r.root_version, r.summary->records.version, sizeof r.root_version); // "250"
        r.root_items[n++] = {find_item_by_number(*dictionary, record_version_item), r.root_version,
                             sizeof r.root_version, NAACCR_VALUE_FROM_ROOT};
    }
    for (uint32_t i = 0; i < n; ++i)
        if (r.root_items[i].item == nullptr)
            return; // a dictionary without them: nothing is taken
    if (n == 0)
        return;
    memcpy(r.root_items + n, r.tumor->values[NAACCR_LEVEL_ROOT],
           view.counts[NAACCR_LEVEL_ROOT] * sizeof(NaaccrItemValue));
    view.items[NAACCR_LEVEL_ROOT] = r.root_items;
    view.counts[NAACCR_LEVEL_ROOT] += n;
}

int32_t hand_over(XmlReading &r)
{
    NaaccrTumorView &view = r.tumor->view;
    view.tumor = ++r.tumors;
    view.patient = r.patients;
    view.offset = r.tumor_offset;
    view.version = r.summary->version;
    view.record_type = r.summary->records.record_type;
    // Without a recordType attribute, the file's recordType item says it.
    for (uint32_t i = 0; view.record_type == ' ' && i < view.counts[NAACCR_LEVEL_ROOT]; ++i) {
        const NaaccrItemValue &v = r.tumor->values[NAACCR_LEVEL_ROOT][i];
        if (v.item->number == record_type_item && v.length == 1)
            view.record_type = v.value[0];
    }
    view.first_of_patient = r.tumors_in_patient == 1 ? 1 : 0;
    view.patient_split = view.root_differs = 0;
    view.reserved = 0;
    for (int level = 0; level < 3; ++level)
        view.items[level] = r.tumor->values[level];
    const uint32_t given_root_items = view.counts[NAACCR_LEVEL_ROOT];
    take_root_items(r, view);
    const NaaccrReadOptions *o = r.options;
    const int32_t stop = o != nullptr && o->on_tumor != nullptr ? o->on_tumor(o->context, &view) : 0;
    view.counts[NAACCR_LEVEL_ROOT] = given_root_items;
    return stop;
}

int32_t on_element(void *context, int level, bool opened, int64_t offset)
{
    XmlReading &r = *static_cast<XmlReading *>(context);
    if (opened) {
        clear_level(r, level);
        if (level == NAACCR_LEVEL_PATIENT) {
            ++r.patients;
            r.tumors_in_patient = 0;
        } else {
            ++r.tumors_in_patient;
            r.tumor_offset = offset;
        }
        return 0;
    }
    if (level == NAACCR_LEVEL_TUMOR)
        return hand_over(r);
    if (r.tumors_in_patient == 0)
        return report_problem(r.report, NAACCR_CHECK_NOT_WRITABLE, 0, offset, 0,
                              "Patient %llu has no Tumor: its items have no tumour to go with.",
                              static_cast<unsigned long long>(r.patients));
    return 0;
}

int32_t on_extension(void *context, int level, int64_t offset)
{
    XmlReading &r = *static_cast<XmlReading *>(context);
    return report_problem(r.report, NAACCR_CHECK_NOT_WRITABLE, level == NAACCR_LEVEL_TUMOR ? r.tumors + 1 : 0, offset,
                          0, "An extension in %s is left out: items are all that is read.",
                          level_names[level < 0 || level > 2 ? 0 : level]);
}

void on_user_items(void *context, const NaaccrItemDef *items, size_t count)
{
    const ReadListener *listener = static_cast<XmlReading *>(context)->listener;
    if (listener != nullptr && listener->user_items != nullptr)
        listener->user_items(listener->context, items, count);
}

int32_t CV_CALL on_check_problem(void *context, const NaaccrItemProblem *problem)
{
    // The check counts its own problems in the summary.
    return report_item_problem(static_cast<XmlReading *>(context)->report, problem, false);
}

int32_t CV_CALL on_check_progress(void *context, uint64_t done, int64_t total, uint64_t tumors)
{
    const NaaccrReadOptions &o = *static_cast<XmlReading *>(context)->options;
    return o.on_progress(o.context, done, total, tumors);
}

int32_t run_check(XmlReading &r, NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options)
{
    NaaccrItemCheckOptions check;
    reading_check_options(options, NAACCR_CHECK_ITEMS, on_check_progress, &r, &check);
    check.on_item_problem = on_check_problem;
    const XmlTumorHook hook = {&r, on_item, on_element, on_extension, on_user_items};
    return check_naaccr_xml_hooked(read, stream, -1, nullptr, 0, check, r.report->summary, &hook);
}

} // namespace

int32_t read_xml_tumors(NaaccrReadCallback read, void *stream, const NaaccrReadOptions *options, ReadReport *report,
                        const ReadListener *listener)
{
    XmlReading r;
    memset(&r, 0, sizeof r);
    r.report = report;
    r.options = options;
    r.summary = report->summary;
    r.listener = listener;
    r.tumor = static_cast<TumorItems *>(malloc(sizeof(TumorItems)));
    r.root_items = static_cast<NaaccrItemValue *>(malloc((most_tumor_items + 2) * sizeof(NaaccrItemValue)));
    bool ok = r.tumor != nullptr && r.root_items != nullptr;
    for (int level = 0; level < 3; ++level) {
        r.values[level] = static_cast<char *>(malloc(level_capacity));
        ok = ok && r.values[level] != nullptr;
    }
    int32_t code = NAACCR_REC_NO_MEMORY;
    if (ok) {
        clear_tumor_items(r.tumor);
        code = run_check(r, read, stream, options);
    }
    free(r.tumor);
    free(r.root_items);
    for (int level = 0; level < 3; ++level)
        free(r.values[level]);
    return code;
}
