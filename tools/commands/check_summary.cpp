// check_summary.cpp -- the summary of one input's check: a text line
// (for NAACCR XML headed by what the file is) or the end of its JSON object.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>

#include "common/check_kinds.h"
#include "text/text.h"

namespace
{

// Records whose checksum field was not compared: without a field, cut short,
// the partial last record, records of an unknown layout.
uint64_t not_checked(const NaaccrCheckSummary &s)
{
    const uint64_t compared =
        s.checksums_matched + s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH] + s.counts[NAACCR_CHECK_CHECKSUM_BLANK];
    return s.records > compared ? s.records - compared : 0;
}

// "4 problems (1 Record type, 3 Record length)", of every kind (the record
// kinds are the first), by their labels, those in `skip` left out.
void print_kind_counts(const NaaccrItemCheckSummary &s, uint64_t total, uint32_t skip, const char *noun)
{
    printf("%" PRIu64 " %s%s", total, noun, plural(total));
    if (total == 0)
        return;
    const char *separator = " (";
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind) {
        if (s.counts[kind] == 0 || (kind < 32 && (skip & (1u << kind))))
            continue;
        printf("%s%" PRIu64 " %s", separator, s.counts[kind], check_kind_label(kind));
        separator = ", ";
    }
    fputc(')', stdout);
}

// "NAACCR XML, version 250, record type I, specification 1.8, user
// dictionaries "URI": 2 patients, 3 tumours, " -- what the file said of
// itself, then what it holds.
void print_xml_heading(const NaaccrItemCheckSummary &all)
{
    fputs("NAACCR XML", stdout);
    if (all.version != 0)
        printf(", version %" PRId32, all.version);
    const char type = all.records.record_type;
    if (is_record_type(type))
        printf(", record type %c", type);
    if (all.specification_version[0] != '\0') {
        fputs(", specification ", stdout);
        print_text(stdout, all.specification_version);
    }
    if (all.user_dictionaries[0] != '\0') {
        fputs(", user dictionaries \"", stdout);
        print_text(stdout, all.user_dictionaries);
        fputc('"', stdout);
    }
    printf(": %" PRIu64 " patient%s, %" PRIu64 " tumour%s, ", all.patients, plural(all.patients), all.tumors,
           plural(all.tumors));
}

void print_checksum_counts(const NaaccrItemCheckSummary &all)
{
    const NaaccrCheckSummary &s = all.records;
    const uint32_t checksum_kinds = (1u << NAACCR_CHECK_CHECKSUM_MISMATCH) | (1u << NAACCR_CHECK_CHECKSUM_BLANK);
    printf("%" PRIu64 " match, %" PRIu64 " mismatch, %" PRIu64 " blank, %" PRIu64 " not checked", s.checksums_matched,
           s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH], s.counts[NAACCR_CHECK_CHECKSUM_BLANK], not_checked(s));
    const uint64_t others =
        s.problems - s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH] - s.counts[NAACCR_CHECK_CHECKSUM_BLANK];
    if (others > 0) {
        fputs(", ", stdout);
        print_kind_counts(all, others, checksum_kinds, "other problem");
    }
}

// Schema 2's account of the format: "flat", or "xml", what the root says and
// what the file holds, and the problems listed without ids because an
// element had too many before its ids.
void print_format_json(const NaaccrItemCheckSummary &all)
{
    if (all.format != NAACCR_FORMAT_XML) {
        fputs(",\"format\":\"flat\"", stdout);
        return;
    }
    fputs(",\"format\":\"xml\",\"specification_version\":", stdout);
    print_json_string(stdout, all.specification_version);
    fputs(",\"user_dictionaries\":", stdout);
    print_json_string(stdout, all.user_dictionaries);
    printf(",\"patients\":%" PRIu64 ",\"tumors\":%" PRIu64 ",\"problems_without_ids\":%" PRIu32, all.patients,
           all.tumors, all.records.reported_without_ids);
}

// "PATH: codes by the lists of NAACCR 180: 20 tumours judged; SEER's
// site/histology list of 2022-04-29 (diagnoses of 2021 to 2023) judged 15,
// not 3 of other years".
void print_codes_text(const char *path, const NaaccrCodeReport &codes)
{
    print_text(stdout, path);
    if (codes.version == 0) {
        fputs(": codes not checked: no lists of codes for the file's version\n", stdout);
        return;
    }
    printf(": codes by the lists of %s: %" PRIu64 " tumour%s judged; SEER's site/histology list of %s (diagnoses of "
           "%" PRId32 " to %" PRId32 ") judged %" PRIu64 ", not %" PRIu64 " of other years\n",
           codes.lists, codes.tumors_judged, plural(codes.tumors_judged), codes.site_list, codes.site_list_first_year,
           codes.site_list_last_year, codes.site_list_judged, codes.site_list_not_judged);
}

// Schema 2's account of the codes (with --codes): the lists used and the
// tumours the site/histology list did not judge; the lists null when none.
void print_codes_json(const NaaccrCodeReport &codes)
{
    fputs(",\"codes\":{\"lists\":", stdout);
    if (codes.version == 0) {
        fputs("null,\"site_list\":null", stdout);
    } else {
        print_json_string(stdout, codes.lists);
        fputs(",\"site_list\":", stdout);
        print_json_string(stdout, codes.site_list);
    }
    printf(",\"site_list_years\":[%" PRId32 ",%" PRId32 "],\"tumors_judged\":%" PRIu64
           ",\"tumors_judged_by_site_list\":%" PRIu64 ",\"tumors_not_judged_by_site_list\":%" PRIu64 "}",
           codes.site_list_first_year, codes.site_list_last_year, codes.tumors_judged, codes.site_list_judged,
           codes.site_list_not_judged);
}

} // namespace

const char *failure_text(int32_t code)
{
    switch (code) {
    case NAACCR_REC_OPEN_FAILED:
        return "cannot be opened, or is not a regular file";
    case NAACCR_REC_READ_FAILED:
        return "read error";
    case NAACCR_REC_NO_MEMORY:
        return "out of memory";
    case NAACCR_REC_EMPTY_FILE:
        return "the input is empty";
    default:
        return "cannot be checked";
    }
}

void print_summary_text(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error)
{
    const NaaccrCheckSummary &s = all.records;
    print_text(stdout, r.path);
    if (code != NAACCR_REC_OK) {
        printf(": %s (%s)\n", error[0] != '\0' ? error : failure_text(code), naaccr_code_name(code));
        return;
    }
    fputs(": ", stdout);
    if (all.format == NAACCR_FORMAT_XML)
        print_xml_heading(all);
    else
        printf("%" PRIu64 " record%s, ", s.records, plural(s.records));
    if (r.verify)
        print_checksum_counts(all);
    else
        print_kind_counts(all, s.problems, 0, "problem");
    if (r.items)
        printf(", %" PRIu64 " item value%s checked", all.items, plural(all.items));
    if (s.reported_without_ids > 0)
        printf(", %" PRIu32 " problem%s without ids (more than %d in one element before its ids)",
               s.reported_without_ids, plural(s.reported_without_ids), NAACCR_CHECK_MOST_HELD);
    if (s.stopped != NAACCR_STOP_NONE)
        fputs(", stopped early", stdout);
    fputc('\n', stdout);
    print_top_items_text(r.path, r.tallies);
    if (r.codes)
        print_codes_text(r.path, r.code_report);
}

void print_summary_json(const Report &r, const NaaccrItemCheckSummary &all, int32_t code, const char *error,
                        bool checksums)
{
    const NaaccrCheckSummary &s = all.records;
    // Schema 1 names the record kinds alone; schema 2 every kind.
    const int32_t kinds = r.items ? NAACCR_CHECK_ALL_KINDS : NAACCR_CHECK_KINDS;
    printf("],\"code\":%" PRId32 ",\"code_name\":\"%s\",\"error\":", code, naaccr_code_name(code));
    if (code == NAACCR_REC_OK)
        fputs("null", stdout);
    else
        print_json_string(stdout, error[0] != '\0' ? error : failure_text(code));
    // The checker's code says whether the file could be read; this, whether it passed.
    printf(",\"passed\":%s", r.passed ? "true" : "false");
    printf(",\"records\":%" PRIu64 ",\"bytes\":%" PRIu64 ",\"problem_count\":%" PRIu64 ",\"unlisted\":%" PRIu64
           ",\"problems_by_kind\":{",
           s.records, s.bytes, s.problems, s.problems - r.listed);
    for (int32_t kind = 1; kind < kinds; ++kind)
        if (find_check_kind(kind) != nullptr)
            printf("%s\"%s\":%" PRIu64, kind == 1 ? "" : ",", check_kind_name(kind), all.counts[kind]);
    fputc('}', stdout);
    if (r.items) {
        printf(",\"items_checked\":%" PRIu64, all.items);
        print_items_json(r.tallies);
    }
    if (r.codes)
        print_codes_json(r.code_report);
    fputs(",\"record_type\":", stdout);
    const char type[2] = {s.record_type, '\0'};
    fputs(json_string(type, 1).c_str(), stdout);
    fputs(",\"version\":", stdout);
    print_json_string(stdout, s.version);
    printf(",\"record_length\":%" PRId32 ",\"layout_length\":%" PRId32
           ",\"first_terminator\":%d,\"second_terminator\":%d,\"checksums_matched\":%" PRIu64 ",\"checksums\":",
           s.record_length, s.layout_length, static_cast<unsigned char>(s.first_terminator),
           static_cast<unsigned char>(s.second_terminator), s.checksums_matched);
    if (checksums)
        printf("{\"match\":%" PRIu64 ",\"mismatch\":%" PRIu64 ",\"blank\":%" PRIu64 ",\"not_checked\":%" PRIu64 "}",
               s.checksums_matched, s.counts[NAACCR_CHECK_CHECKSUM_MISMATCH], s.counts[NAACCR_CHECK_CHECKSUM_BLANK],
               not_checked(s));
    else
        fputs("null", stdout);
    printf(",\"stopped\":%" PRId32, s.stopped);
    if (r.items)
        print_format_json(all);
    fputs("}\n", stdout);
}
