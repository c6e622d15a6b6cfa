// check_texts.cpp -- the texts of a record check: kind labels, summary, log line and progress line.
#include "check_texts.h"

#include <inttypes.h>
#include <stdarg.h>
#include <stdio.h>

#include "check_kinds.h"

const char *CheckKindLabel(int32_t code)
{
    const CheckKind *kind = find_check_kind(code);
    return kind != NULL ? kind->label : "Unknown problem";
}

// Appends to `text` (holding `*used` characters) as snprintf would; a text that does not fit is cut.
static void append(char *text, size_t capacity, size_t *used, const char *format, ...)
{
    if (*used + 1 >= capacity)
        return;
    va_list arguments;
    va_start(arguments, format);
    int n = vsnprintf(text + *used, capacity - *used, format, arguments);
    va_end(arguments);
    if (n > 0)
        *used = *used + (size_t)n < capacity ? *used + (size_t)n : capacity - 1;
}

static const char *plural(uint64_t count, const char *one, const char *more) { return count == 1 ? one : more; }

void FormatCheckSummary(int32_t result, const NaaccrCheckSummary *summary, uint32_t flags, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    text[0] = '\0';
    size_t used = 0;
    switch (result) {
    case NAACCR_REC_OK:
    case NAACCR_REC_READ_FAILED:
        break;
    case NAACCR_REC_OPEN_FAILED:
        append(text, capacity, &used, "the file could not be opened");
        return;
    case NAACCR_REC_EMPTY_FILE:
        append(text, capacity, &used, "the file is empty");
        return;
    case NAACCR_REC_NO_MEMORY:
        append(text, capacity, &used, "not enough memory to check the file");
        return;
    default:
        append(text, capacity, &used, "the check failed (code %" PRId32 ")", result);
        return;
    }
    const uint64_t records = summary->records;
    const int partial = result == NAACCR_REC_READ_FAILED || summary->stopped != NAACCR_STOP_NONE;
    if (result == NAACCR_REC_READ_FAILED)
        append(text, capacity, &used, "reading failed after ");
    else if (summary->stopped != NAACCR_STOP_NONE)
        append(text, capacity, &used, "cancelled after ");
    append(text, capacity, &used, "%" PRIu64 " %s, ", records, plural(records, "record", "records"));
    if (summary->problems == 0) {
        append(text, capacity, &used, partial ? "no problems so far" : "no problems");
    } else {
        append(text, capacity, &used, "%" PRIu64 " %s%s (", summary->problems,
               plural(summary->problems, "problem", "problems"), partial ? " so far" : "");
        const char *separator = "";
        uint64_t record_problems = 0;
        for (int kind = 1; kind < NAACCR_CHECK_KINDS; ++kind) {
            if (summary->counts[kind] == 0)
                continue;
            append(text, capacity, &used, "%s%" PRIu64 " %s", separator, summary->counts[kind], CheckKindLabel(kind));
            separator = ", ";
            record_problems += summary->counts[kind];
        }
        // The record summary counts item problems in `problems` alone.
        if (summary->problems > record_problems)
            append(text, capacity, &used, "%s%" PRIu64 " %s", separator, summary->problems - record_problems,
                   plural(summary->problems - record_problems, "item problem", "item problems"));
        append(text, capacity, &used, ")");
    }
    if ((flags & NAACCR_CHECK_CHECKSUMS) != 0)
        append(text, capacity, &used, ", %" PRIu64 " %s", summary->checksums_matched,
               plural(summary->checksums_matched, "checksum matches", "checksums match"));
}

void FormatCheckLogLine(int32_t result, const NaaccrCheckSummary *summary, uint32_t flags, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    text[0] = '\0';
    size_t used = 0;
    append(text, capacity, &used, "%s", (flags & NAACCR_CHECK_CHECKSUMS) != 0 ? "Check with checksums: " : "Check: ");
    FormatCheckSummary(result, summary, flags, text + used, capacity - used);
}

void FormatTimeLeft(uint64_t seconds, char *text, size_t capacity)
{
    if (seconds < 10)
        snprintf(text, capacity, "a few seconds left");
    else if (seconds < 60)
        snprintf(text, capacity, "about %" PRIu64 " s left", seconds);
    else if (seconds < 3600)
        snprintf(text, capacity, "about %" PRIu64 " min %" PRIu64 " s left", seconds / 60, seconds % 60);
    else
        snprintf(text, capacity, "about %" PRIu64 " h %" PRIu64 " min left", seconds / 3600, seconds % 3600 / 60);
}

void FormatCodeLists(const NaaccrCodeReport *codes, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    if (codes->version == 0) {
        snprintf(text, capacity, "not checked: the file's version has no lists");
        return;
    }
    snprintf(text, capacity,
             "checked by the lists of %.32s and SEER's site/histology list of %.16s, which judged %" PRIu64
             " of %" PRIu64 " %s and left %" PRIu64 " diagnosed outside %" PRId32 " to %" PRId32,
             codes->lists, codes->site_list, codes->site_list_judged, codes->tumors_judged,
             plural(codes->tumors_judged, "tumour", "tumours"), codes->site_list_not_judged,
             codes->site_list_first_year, codes->site_list_last_year);
}

uint32_t ProgressPermille(uint64_t bytes_done, int64_t bytes_total)
{
    if (bytes_total <= 0)
        return 0;
    if (bytes_done >= (uint64_t)bytes_total)
        return 1000;
    // In floating point: the product of a size of many gigabytes and 1000 may not fit 64 bits. Rounding
    // may then reach 1000 just before the end, which is kept for the end itself.
    uint32_t permille = (uint32_t)((double)bytes_done * 1000.0 / (double)bytes_total);
    return permille < 1000 ? permille : 999;
}

void FormatCheckProgress(const CheckNews *news, uint64_t elapsed_ms, char *text, size_t capacity)
{
    if (!news->progressed) {
        snprintf(text, capacity, "Starting the check...");
        return;
    }
    const uint64_t records = news->records;
    const char *noun = plural(records, "record", "records");
    if (news->bytes_total <= 0) {
        snprintf(text, capacity, "%" PRIu64 " %s checked", records, noun);
        return;
    }
    char left[64];
    const uint64_t total = (uint64_t)news->bytes_total;
    if (elapsed_ms < 1000 || news->bytes_done == 0) {
        snprintf(left, sizeof left, "estimating the time left");
    } else {
        const uint64_t remaining = news->bytes_done < total ? total - news->bytes_done : 0;
        // Rounded up: "a few seconds left" only when it is so.
        double seconds = (double)elapsed_ms / 1000.0 * (double)remaining / (double)news->bytes_done;
        FormatTimeLeft((uint64_t)(seconds + 0.999), left, sizeof left);
    }
    snprintf(text, capacity, "%" PRIu32 "%% - %" PRIu64 " %s checked - %s",
             ProgressPermille(news->bytes_done, news->bytes_total) / 10, records, noun, left);
}

void FormatCheckedFile(const NaaccrItemCheckSummary *details, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    text[0] = '\0';
    if (details->format != NAACCR_FORMAT_XML)
        return;
    char version[24] = "";
    if (details->version != 0)
        snprintf(version, sizeof version, ", version %d", static_cast<int>(details->version));
    const char type = details->records.record_type;
    if (type == 'A' || type == 'M' || type == 'C' || type == 'I')
        snprintf(text, capacity, "NAACCR XML%s, record type %c", version, type);
    else
        snprintf(text, capacity, "NAACCR XML%s, without a record type", version);
}
