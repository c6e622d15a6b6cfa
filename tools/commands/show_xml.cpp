// show_xml.cpp -- `cvnaaccr show` for NAACCR XML: the tumour is caught by the
// library's record model, which hands it over with its patient's and the
// file's items, and is printed one item a line as a flat record's are.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/text.h"

namespace
{

// Copies the tumour of `view`, which lives only during the callback.
void take_tumour(WantedTumour &w, const NaaccrTumorView *view)
{
    w.number = view->tumor;
    w.found = true;
    w.patient = view->patient;
    w.version = view->version;
    w.record_type = view->record_type;
    w.items.clear();
    for (int level = NAACCR_LEVEL_ROOT; level <= NAACCR_LEVEL_TUMOR; ++level)
        for (uint32_t k = 0; k < view->counts[level]; ++k) {
            const NaaccrItemValue &v = view->items[level][k];
            w.items.push_back({*v.item, std::string(v.value, v.length)});
        }
}

int32_t CV_CALL catch_tumour(void *context, const NaaccrTumorView *view)
{
    WantedTumour &w = *static_cast<WantedTumour *>(context);
    w.seen = view->tumor;
    if (view->tumor != w.number)
        return 0;
    take_tumour(w, view);
    return 1; // the tumour is here: the rest of the file is not read
}

// The items of the version and record type that the tumour does not give.
void add_missing(WantedTumour &w)
{
    const uint8_t bit = record_type_bit(w.record_type);
    const int32_t count = cvGetNaaccrItemCount(w.version);
    const size_t given = w.items.size();
    for (int32_t k = 0; k < count; ++k) {
        NaaccrItemDef def;
        if (cvGetNaaccrItem(w.version, k, &def) != NAACCR_REC_OK || def.grouped != 0 || (def.record_types & bit) == 0)
            continue;
        bool found = false;
        for (size_t g = 0; g < given && !found; ++g)
            found = w.items[g].def.number == def.number;
        if (!found)
            w.items.push_back({def, std::string()});
    }
}

size_t widest(const std::vector<ShownItem> &items, bool names)
{
    size_t width = 0;
    for (const ShownItem &s : items)
        width = std::max(width, strlen(names ? s.def.name : s.def.id));
    return width;
}

// The tumour's line, then its items, one per line.
void print_tumour(const char *path, WantedTumour &wanted, bool all)
{
    if (all)
        add_missing(wanted);
    print_text(stdout, path);
    printf(": tumour %" PRIu64 " (patient %" PRIu64 "), NAACCR XML, type %c, version %" PRId32 "\n", wanted.number,
           wanted.patient, wanted.record_type, wanted.version);
    const int id_width = static_cast<int>(widest(wanted.items, false));
    const int name_width = static_cast<int>(widest(wanted.items, true));
    CodeLabels labels;
    for (const ShownItem &s : wanted.items) {
        printf("%5" PRId32 "  %-*s  %-*s  %-10s \"", s.def.number, id_width, s.def.id, name_width, s.def.name,
               level_name(s.def.level < NAACCR_LEVEL_TUMOR ? s.def.level : NAACCR_LEVEL_TUMOR));
        fputs(printable_text(s.value.data(), s.value.size()).c_str(), stdout);
        const char *label = code_label(&labels, wanted.version, s.def, s.value);
        printf("\"%s%s\n", label != nullptr ? "  " : "", label != nullptr ? label : "");
    }
}

// The Patient ID Number a tumour gives: its Patient's, else one that stands
// at another level; "" for none.
std::string patient_id_of(const NaaccrTumorView *view)
{
    const int levels[] = {NAACCR_LEVEL_PATIENT, NAACCR_LEVEL_TUMOR, NAACCR_LEVEL_ROOT};
    for (int level : levels)
        for (uint32_t k = 0; k < view->counts[level]; ++k) {
            const NaaccrItemValue &v = view->items[level][k];
            if (v.item->number == patient_id_item)
                return std::string(v.value, v.length);
        }
    return std::string();
}

int32_t CV_CALL catch_patient(void *context, const NaaccrTumorView *view)
{
    WantedPatient &w = *static_cast<WantedPatient *>(context);
    w.seen = view->tumor;
    if (without_blanks_around(patient_id_of(view)) != w.id)
        return 0;
    WantedTumour tumour;
    take_tumour(tumour, view);
    print_tumour(w.path, tumour, w.all);
    ++w.shown;
    return ferror(stdout) ? 1 : 0;
}

} // namespace

void want_patient(WantedPatient *wanted, NaaccrReadOptions *options)
{
    *options = make_read_options(catch_patient, wanted);
}

void want_tumour(WantedTumour *wanted, uint64_t number, NaaccrReadOptions *options)
{
    *wanted = {number, 0, 0, false, 0, ' ', {}};
    *options = make_read_options(catch_tumour, wanted);
}

int print_xml_tumour(const char *path, WantedTumour *found, int32_t code, const char *error, bool all)
{
    WantedTumour &wanted = *found;
    const uint64_t number = wanted.number;
    if (!wanted.found) {
        fputs("cvnaaccr show: ", stderr);
        print_text(stderr, path);
        // Worded as for a flat record file, whatever the input came through.
        if (is_read_failure(code) || error[0] != '\0')
            fprintf(stderr, ": cannot be read%s%s\n", error[0] != '\0' ? ": " : "", error);
        else if (code != NAACCR_REC_OK)
            fprintf(stderr, ": cannot be read as NAACCR XML items (code %" PRId32 ")\n", code);
        else
            fprintf(stderr, ": no tumour %" PRIu64 " (it has %" PRIu64 ")\n", number, wanted.seen);
        return is_read_failure(code) || error[0] != '\0' ? 2 : 1;
    }
    print_tumour(path, wanted, all);
    return 0;
}
