// xml_report.cpp -- how a problem of the NAACCR XML check is placed, counted
// and handed to the caller.
#include <stdarg.h>
#include <stdio.h>
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

void hand_on(XmlCheck *check, int32_t code, const XmlPlace &place, const XmlItemRef *item, const char *message)
{
    NaaccrItemCheckSummary *summary = check->run.summary;
    const NaaccrItemCheckOptions &options = *check->run.options;

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
    if (options.on_item_problem(options.context, &problem) != 0) {
        stop_check(check, STOP_BY_CALLBACK);
    }
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
