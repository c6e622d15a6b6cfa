/* html.h -- the HTML report of a check, one file for any number of checked
   files, written by the command line (check --html) and veldrix ("Save
   report..."): per file its summary, its problems by kind and by item as bar
   charts and along the file as a histogram (inline SVG), the first problems
   as a table, and the code lists used; before them a table of every file.
   The page needs no script, fetches nothing and prints.  Everything that
   comes from a file or its name is escaped.

   The writer keeps no problem beyond the first html_listed_problems of a
   file: the rest are counted as they stream past, so its memory is bounded
   whatever a file holds (a row per file is kept for the table of files).
   The caller writes the pieces it returns, in order: html_report_head, a
   section per file, html_report_overview, html_report_end.  Not part of the
   library's C interface. */
#ifndef COMMON_HTML_H
#define COMMON_HTML_H

#include <stddef.h>
#include <stdint.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cvnaaccr.h"

/* The bounds of one file's part of the report. */
const size_t html_listed_problems = 200; /* problems in a file's table; the rest counted */
const size_t html_tallied_items = 1000;  /* items tallied one by one; the problems of further ones counted */
const size_t html_chart_items = 20;      /* bars of the chart by item */
const size_t html_buckets = 50;          /* bars of the histogram along the file */
const size_t html_longest_text = 300;    /* bytes of a value or message kept, the rest cut with "..." */

/* What became of one file, as a row of the table of files, of the command
   line's summary rows and of its CSV. */
enum RowStatus {
    ROW_PASSED,     /* checked: no problem that counts */
    ROW_PROBLEMS,   /* checked: problems */
    ROW_NOT_NAACCR, /* read, but no NAACCR file: reason says what was found */
    ROW_UNREADABLE  /* could not be read: reason says why */
};

struct FileRow {
    std::string path;
    RowStatus status;
    std::string reason; /* ROW_NOT_NAACCR and ROW_UNREADABLE: why; "" otherwise */
    int32_t format;     /* NAACCR_FORMAT_FLAT, _XML; 0 when nothing was read */
    int32_t version;    /* 0 when unknown */
    char record_type;   /* 'A', 'M', 'C', 'I', or ' ' when unknown */
    uint64_t records;   /* flat records; tumours of NAACCR XML */
    uint64_t problems;
    uint64_t counts[NAACCR_CHECK_ALL_KINDS]; /* problems by kind */
};

/* A row for `path` made from a check's result `code` (NAACCR_REC_...), the
   reason `error` of an input that could not be read (or ""), the summary,
   and the first problem's message (or ""), which says what a file that is
   no NAACCR file holds.  `failed` says whether the code means the input
   could not be read; `significant` is the number of problems that count. */
FileRow make_file_row(const char *path, int32_t code, bool failed, const char *error,
                      const NaaccrItemCheckSummary &summary, uint64_t significant, const char *first_message);

/* A row for an input that could not even be handed to the check. */
FileRow make_unreadable_row(const char *path, const char *reason);

/* Adds `row` to `total`, whose counts start at zero. */
void add_to_total(FileRow *total, const FileRow &row);

/* "passed", "problems", "not NAACCR", "unreadable". */
const char *row_status_word(RowStatus status);

/* One problem as its file's table shows it, values cut to html_longest_text. */
struct HtmlProblem {
    uint64_t record; /* flat: record; XML: tumour in the file (0 outside one) */
    uint64_t line;   /* XML: line; 0 for flat records */
    int32_t code;
    int32_t item_number;
    std::string item_id, value, message, patient_id, tumor_record_number, accession_number;
    bool has_value;
};

/* One file's part of the report while its problems stream past. */
struct HtmlFile {
    std::string path;
    bool xml;                        /* told by the first problem with a line: records are tumours */
    uint64_t seen;                   /* problems handed over */
    std::vector<HtmlProblem> listed; /* the first html_listed_problems */
    std::map<std::pair<int32_t, std::string>, uint64_t> items; /* problems by (number, id) */
    std::map<std::pair<int32_t, std::string>, std::string> names;
    uint64_t untallied;             /* problems of items beyond html_tallied_items */
    uint64_t buckets[html_buckets]; /* problems by record, bucket_width records a bucket */
    uint64_t bucket_width;          /* a power of two */
    uint64_t last_record;           /* the highest record of a problem */
    uint64_t outside;               /* problems at no record (XML outside a tumour) */
};

/* Readies `file` for the file named `path`. */
void html_start_file(HtmlFile *file, const char *path);

/* Counts one problem, and keeps it when it is among the first. */
void html_add_problem(HtmlFile *file, const NaaccrItemProblem &problem);

/* What the check said of the file. */
struct HtmlOutcome {
    const FileRow *row;
    const NaaccrItemCheckSummary *summary; /* null when it was never checked */
    const NaaccrCodeReport *codes;         /* null when codes were not checked */
};

/* The document's start: its head with the inline style, and the heading
   `title` (escaped), which names what was checked; `generator` names the
   program and its version. */
std::string html_report_head(const char *title, const char *generator);

/* The part of one file, the `index`th from 0 (its anchor in the table of files). */
std::string html_file_section(const HtmlFile &file, const HtmlOutcome &outcome, size_t index);

/* The table of every file and the total, shown first on the page though
   written after the files' parts (their order in the document is kept). */
std::string html_report_overview(const std::vector<FileRow> &rows, const FileRow &total);

/* The document's end. */
std::string html_report_end();

/* `n` bytes of `text` as HTML text or an attribute value: well-formed
   UTF-8 kept, & < > " ' as entities, control bytes and bytes of no UTF-8
   character as "<n>" (their decimal value), so nothing from a file can
   become markup. */
std::string html_text(const char *text, size_t n);
std::string html_text(const std::string &text);

#endif
