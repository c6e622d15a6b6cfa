// xml_report.cpp -- how a problem of the NAACCR XML check is placed, counted
// and handed to the caller, and with NAACCR_CHECK_IDS held until its Patient
// or Tumor has given the ids that name it.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

XmlPlace current_place(const XmlCheck *check)
{
    if (check->run.fast != nullptr)
        return check->run.event;
    XmlPlace place;
    const uint64_t line = XML_GetCurrentLineNumber(check->run.parser);
    // expat counts columns from 0.
    const int64_t column = static_cast<int64_t>(XML_GetCurrentColumnNumber(check->run.parser));
    const XmlFrame &frame = check->run.frame;
    place.line = static_cast<uint64_t>(static_cast<int64_t>(line) + frame.line_shift);
    place.column = static_cast<int32_t>(line == frame.join_line ? column + frame.join_column : column + 1);
    place.offset = current_offset(check);
    return place;
}

int64_t current_offset(const XmlCheck *check)
{
    if (check->run.fast != nullptr)
        return check->run.event.offset;
    const XML_Index offset = XML_GetCurrentByteIndex(check->run.parser);
    return offset > 0 ? offset + check->run.frame.offset_shift : check->run.frame.offset_shift;
}

namespace
{

// Counts a problem; true when it is to be handed on.
bool count_problem(XmlCheck *check, int32_t code)
{
    if (check->run.stopped != STOP_NONE)
        return false;
    NaaccrItemCheckSummary *summary = check->run.summary;
    summary->counts[code] += 1;
    summary->records.problems += 1;
    const NaaccrItemCheckOptions &options = *check->run.options;
    return options.on_item_problem != nullptr &&
           (options.max_reported == 0 || summary->records.reported < options.max_reported);
}

// The ids that name a problem found at `level`: the Patient's and, in a
// Tumor, the Tumor's; null outside them.
const ProblemIds *ids_at(const XmlCheck *check, int level, ProblemIds *ids)
{
    if (level < NAACCR_LEVEL_PATIENT)
        return nullptr;
    const XmlIds &given = check->ids;
    clear_problem_ids(ids);
    memcpy(ids->text[ID_PATIENT], given.given[NAACCR_LEVEL_PATIENT].text[ID_PATIENT], problem_id_capacity);
    if (level >= NAACCR_LEVEL_TUMOR) {
        memcpy(ids->text[ID_TUMOR_RECORD], given.given[NAACCR_LEVEL_TUMOR].text[ID_TUMOR_RECORD], problem_id_capacity);
        memcpy(ids->text[ID_ACCESSION], given.given[NAACCR_LEVEL_TUMOR].text[ID_ACCESSION], problem_id_capacity);
    }
    return ids;
}

void give(XmlCheck *check, const NaaccrItemProblem *problem)
{
    const NaaccrItemCheckOptions &options = *check->run.options;
    if (options.on_item_problem(options.context, problem) != 0)
        stop_check(check, STOP_BY_CALLBACK);
}

void count_unnamed(XmlCheck *check)
{
    uint32_t &n = check->run.summary->records.reported_without_ids;
    if (n < UINT32_MAX)
        ++n;
}

// Copies `n` bytes (and a NUL) into the held texts; false when they do not fit.
bool keep_text(XmlIds &ids, const char *text, size_t n, size_t *at)
{
    if (held_text_capacity - ids.text_used < n + 1)
        return false;
    *at = ids.text_used;
    if (n > 0)
        memcpy(ids.text + ids.text_used, text, n);
    ids.text[ids.text_used + n] = '\0';
    ids.text_used += n + 1;
    return true;
}

// Holds a problem of the element at `level`; false when the hold is full.
bool hold(XmlCheck *check, const NaaccrItemProblem &problem, int level)
{
    XmlIds &ids = check->ids;
    if (ids.held_count == NAACCR_CHECK_MOST_HELD)
        return false;
    HeldProblem &h = ids.held[ids.held_count];
    const size_t before = ids.text_used;
    const size_t value_length = problem.value != nullptr ? problem.value_length : 0;
    if (!keep_text(ids, problem.message, strlen(problem.message), &h.message_at) ||
        !keep_text(ids, problem.item_id, strlen(problem.item_id), &h.id_at) ||
        !keep_text(ids, problem.value, value_length, &h.value_at)) {
        ids.text_used = before;
        return false;
    }
    h.problem = problem;
    h.level = level;
    ids.held_count += 1;
    return true;
}

// Hands on what is held, in order, named unless `named` is false.  Once the
// check stopped, the rest are not handed on, and no longer count as reported.
void flush_held(XmlCheck *check, bool named)
{
    XmlIds &ids = check->ids;
    for (size_t k = 0; k < ids.held_count; ++k) {
        if (check->run.stopped != STOP_NONE) {
            check->run.summary->records.reported -= 1;
            continue;
        }
        const HeldProblem &h = ids.held[k];
        NaaccrItemProblem p = h.problem;
        p.message = ids.text + h.message_at;
        p.item_id = ids.text + h.id_at;
        if (p.value != nullptr)
            p.value = ids.text + h.value_at;
        ProblemIds given;
        name_problem_ids(named ? ids_at(check, h.level, &given) : nullptr, &p);
        if (!named)
            count_unnamed(check);
        give(check, &p);
    }
    ids.held_count = 0;
    ids.text_used = 0;
}

void hand_on(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *message)
{
    NaaccrItemCheckSummary *summary = check->run.summary;

    // Ids and values come from the file: the message keeps printable bytes only.
    char line[256];
    printable_copy(reinterpret_cast<const unsigned char *>(message), strlen(message), line, sizeof line);

    NaaccrItemProblem problem;
    memset(&problem, 0, sizeof problem);
    problem.patient = check->tree.level >= NAACCR_LEVEL_PATIENT ? summary->patients : 0;
    problem.record = check->tree.level >= NAACCR_LEVEL_TUMOR ? summary->tumors : 0;
    problem.tumor = check->tree.level >= NAACCR_LEVEL_TUMOR ? check->tree.tumor_in_patient : 0;
    problem.offset = place.offset;
    problem.line = place.line;
    problem.column = place.column;
    problem.code = code;
    problem.item_id = "";
    problem.item_name = "";
    problem.message = line;
    if (item != nullptr) {
        problem.item_id = item->id;
        if (item->def != nullptr) {
            problem.item_number = item->def->number;
            problem.item_length = item->def->length;
            problem.item_name = item->def->name;
        }
        problem.value = item->value;
        problem.value_length = static_cast<uint32_t>(item->value_length);
    }
    summary->records.reported += 1;
    XmlIds &ids = check->ids;
    const int level = check->tree.level;
    if (ids.on && level >= NAACCR_LEVEL_PATIENT && !ids.items_ended[level]) {
        if (!ids.unnamed && hold(check, problem, level))
            return;
        // The hold is full: what it holds, then this and the rest of the
        // element's Items' problems, go out now, in file order, without ids.
        if (!ids.unnamed) {
            ids.unnamed = true;
            flush_held(check, false);
        }
        count_unnamed(check);
        give(check, &problem);
        return;
    }
    ProblemIds given;
    name_problem_ids(ids.on ? ids_at(check, level, &given) : nullptr, &problem);
    give(check, &problem);
}

} // namespace

void report_xml(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *message)
{
    if (count_problem(check, code))
        hand_on(check, code, place, item, message);
}

void report_xmlf(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *format, ...)
{
    // Problems only counted are not worded.
    if (!count_problem(check, code))
        return;
    char message[256];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    hand_on(check, code, place, item, message);
}

bool allocate_ids(XmlCheck *check)
{
    XmlIds &ids = check->ids;
    ids.on = (check->run.options->flags & NAACCR_CHECK_IDS) != 0;
    if (!ids.on)
        return true;
    ids.held = static_cast<HeldProblem *>(malloc(NAACCR_CHECK_MOST_HELD * sizeof(HeldProblem)));
    ids.text = static_cast<char *>(malloc(held_text_capacity));
    return ids.held != nullptr && ids.text != nullptr;
}

void free_ids(XmlCheck *check)
{
    free(check->ids.held);
    free(check->ids.text);
    check->ids.held = nullptr;
    check->ids.text = nullptr;
    check->ids.held_count = 0;
}

void open_id_element(XmlCheck *check, int level)
{
    XmlIds &ids = check->ids;
    if (!ids.on || level < NAACCR_LEVEL_PATIENT || level > NAACCR_LEVEL_TUMOR)
        return;
    // A Patient's Items end before its first Tumor opens: nothing is held here.
    clear_problem_ids(&ids.given[level]);
    ids.items_ended[level] = false;
    ids.unnamed = false;
}

void note_id_item(XmlCheck *check, const NaaccrItemDef *def, const unsigned char *value, size_t n)
{
    XmlIds &ids = check->ids;
    const int level = check->tree.level;
    const int which = problem_id_of(def->number);
    if (!ids.on || which < 0 || level != def->level || level < NAACCR_LEVEL_PATIENT || ids.items_ended[level])
        return;
    // A value longer than its item names it by the characters the item holds.
    set_problem_id(&ids.given[level], which, value, utf8_prefix(value, n, static_cast<size_t>(def->length)), true);
}

void end_id_items(XmlCheck *check, int level)
{
    XmlIds &ids = check->ids;
    if (!ids.on || level < NAACCR_LEVEL_PATIENT || level > NAACCR_LEVEL_TUMOR || ids.items_ended[level])
        return;
    ids.items_ended[level] = true;
    ids.unnamed = false;
    flush_held(check, true);
}

void release_held_problems(XmlCheck *check)
{
    if (check->ids.on)
        flush_held(check, true);
}
