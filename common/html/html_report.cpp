// html_report.cpp -- the writer of the HTML report: escaping, the bounded
// tallies of one file, its bar charts and histogram as inline SVG, and the
// table of files.
#include "html/html.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "check_kinds.h"
#include "utf8.h"

namespace
{

std::string number(uint64_t n)
{
    // Thousands apart, as a reader of a report counts them.
    char digits[32];
    snprintf(digits, sizeof digits, "%" PRIu64, n);
    std::string text;
    const size_t length = strlen(digits);
    for (size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string kept(const char *text, size_t n)
{
    if (n <= html_longest_text)
        return std::string(text, n);
    // Cut before a UTF-8 continuation byte, never inside a character.
    size_t cut = html_longest_text;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text, cut) + "...";
}

const char *or_empty(const char *text) { return text != nullptr ? text : ""; }

std::string kind_label(int32_t code)
{
    const CheckKind *kind = find_check_kind(code);
    return kind != nullptr ? kind->label : "Problem";
}

std::string item_text(int32_t number, const std::string &id)
{
    if (number > 0 && !id.empty())
        return std::to_string(number) + " " + id;
    return number > 0 ? std::to_string(number) : id;
}

std::string version_text(int32_t version) { return version > 0 ? std::to_string(version) : "-"; }

std::string format_word(int32_t format)
{
    return format == NAACCR_FORMAT_XML ? "NAACCR XML" : format == NAACCR_FORMAT_FLAT ? "flat" : "-";
}

std::string type_text(char type)
{
    return type == 'A' || type == 'M' || type == 'C' || type == 'I' ? std::string(1, type) : "-";
}

// A horizontal bar chart: one bar per (label, count), the longest the largest count.
std::string bar_chart(const std::vector<std::pair<std::string, uint64_t>> &bars, const char *caption)
{
    const int row = 22, label_width = 260, bar_width = 380;
    uint64_t most = 1;
    for (const auto &bar : bars)
        most = std::max(most, bar.second);
    const int height = row * static_cast<int>(bars.size()) + 4;
    std::string svg = "<figure><figcaption>" + html_text(caption, strlen(caption)) +
                      "</figcaption><svg class=\"chart\" role=\"img\" width=\"720\" height=\"" +
                      std::to_string(height) + "\" viewBox=\"0 0 720 " + std::to_string(height) + "\">";
    for (size_t i = 0; i < bars.size(); ++i) {
        const int y = row * static_cast<int>(i) + 2;
        const int width = std::max(1, static_cast<int>(bar_width * static_cast<double>(bars[i].second) / most));
        const std::string label = html_text(bars[i].first);
        svg += "<g><title>" + label + ": " + number(bars[i].second) + "</title><text x=\"" +
               std::to_string(label_width - 6) + "\" y=\"" + std::to_string(y + 15) + "\" text-anchor=\"end\">" +
               label + "</text><rect class=\"bar\" x=\"" + std::to_string(label_width) + "\" y=\"" +
               std::to_string(y + 2) + "\" width=\"" + std::to_string(width) + "\" height=\"" +
               std::to_string(row - 6) + "\"/><text x=\"" + std::to_string(label_width + width + 6) + "\" y=\"" +
               std::to_string(y + 15) + "\">" + number(bars[i].second) + "</text></g>";
    }
    return svg + "</svg></figure>";
}

// Halves the buckets' resolution until `record` falls in one.
void widen_buckets(HtmlFile *f, uint64_t record)
{
    while (record > f->bucket_width * html_buckets) {
        for (size_t i = 0; i < html_buckets / 2; ++i)
            f->buckets[i] = f->buckets[2 * i] + f->buckets[2 * i + 1];
        for (size_t i = html_buckets / 2; i < html_buckets; ++i)
            f->buckets[i] = 0;
        f->bucket_width *= 2;
    }
}

std::string histogram(const HtmlFile &f, uint64_t records)
{
    const uint64_t last = std::max(records, f.last_record);
    if (last == 0 || f.seen == f.outside)
        return "";
    const char *unit = f.xml ? "tumour" : "record";
    size_t used = static_cast<size_t>((last + f.bucket_width - 1) / f.bucket_width);
    used = std::max<size_t>(1, std::min(used, html_buckets));
    uint64_t most = 1;
    for (size_t i = 0; i < used; ++i)
        most = std::max(most, f.buckets[i]);
    const int width = 680, height = 140, left = 40;
    const double bar = static_cast<double>(width - left) / used;
    std::string svg = std::string("<figure><figcaption>Problems along the file, by ") + unit + " number (" +
                      number(f.bucket_width) + " " + unit + (f.bucket_width == 1 ? "" : "s") +
                      " a bar)</figcaption><svg class=\"chart\" role=\"img\" width=\"720\" height=\"" +
                      std::to_string(height + 24) + "\" viewBox=\"0 0 720 " + std::to_string(height + 24) + "\">";
    svg += "<text x=\"" + std::to_string(left - 4) + "\" y=\"12\" text-anchor=\"end\">" + number(most) + "</text>";
    svg += "<line class=\"axis\" x1=\"" + std::to_string(left) + "\" y1=\"" + std::to_string(height) + "\" x2=\"" +
           std::to_string(width) + "\" y2=\"" + std::to_string(height) + "\"/>";
    char place[64];
    for (size_t i = 0; i < used; ++i) {
        if (f.buckets[i] == 0)
            continue;
        const uint64_t first = i * f.bucket_width + 1, end = std::min(last, (i + 1) * f.bucket_width);
        const int h = std::max(1, static_cast<int>((height - 16) * static_cast<double>(f.buckets[i]) / most));
        snprintf(place, sizeof place, "%.1f", left + bar * i + 0.5);
        svg += "<rect class=\"bar\" x=\"" + std::string(place) + "\" y=\"" + std::to_string(height - h) +
               "\" width=\"" + std::to_string(std::max(1.0, bar - 1)) + "\" height=\"" + std::to_string(h) +
               "\"><title>" + unit + "s " + number(first) + " to " + number(end) + ": " + number(f.buckets[i]) +
               " problem" + (f.buckets[i] == 1 ? "" : "s") + "</title></rect>";
    }
    svg += "<text x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(height + 18) + "\">" + unit +
           " 1</text><text x=\"" + std::to_string(width) + "\" y=\"" + std::to_string(height + 18) +
           "\" text-anchor=\"end\">" + unit + " " + number(last) + "</text></svg></figure>";
    if (f.outside > 0)
        svg +=
            "<p>" + number(f.outside) + " problem" + (f.outside == 1 ? "" : "s") + " outside every " + unit + ".</p>";
    return svg;
}

std::string cell(const std::string &text) { return "<td>" + html_text(text) + "</td>"; }
std::string number_cell(uint64_t n) { return "<td class=\"n\">" + number(n) + "</td>"; }

std::string kinds_text(const FileRow &row)
{
    std::string text;
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (row.counts[kind] > 0)
            text += (text.empty() ? "" : ", ") + number(row.counts[kind]) + " " + kind_label(kind);
    return text;
}

std::string problem_table(const HtmlFile &f)
{
    if (f.listed.empty())
        return "";
    std::string t = "<table class=\"problems\"><thead><tr><th>";
    t += f.xml ? "Line" : "Record";
    t += "</th><th>Patient ID</th><th>Tumour</th><th>Accession</th><th>Problem</th><th>Item</th><th>Value</th>"
         "<th>Message</th></tr></thead><tbody>";
    for (const HtmlProblem &p : f.listed) {
        t += "<tr>" + number_cell(p.line > 0 ? p.line : p.record) + cell(p.patient_id) + cell(p.tumor_record_number) +
             cell(p.accession_number) + cell(kind_label(p.code)) + cell(item_text(p.item_number, p.item_id));
        t += p.has_value ? "<td class=\"value\">" + html_text(p.value) + "</td>" : std::string("<td></td>");
        t += "<td class=\"message\">" + html_text(p.message) + "</td></tr>";
    }
    t += "</tbody></table>";
    if (f.seen > f.listed.size())
        t += "<p>The first " + number(f.listed.size()) + " of " + number(f.seen) + " problems; the other " +
             number(f.seen - f.listed.size()) + " are counted in the charts above.</p>";
    return t;
}

std::string codes_text(const NaaccrCodeReport &c)
{
    if (c.version == 0)
        return "<p class=\"codes\">Codes not checked: no lists of codes for the file's version.</p>";
    char years[64];
    snprintf(years, sizeof years, "%" PRId32 " to %" PRId32, c.site_list_first_year, c.site_list_last_year);
    return "<p class=\"codes\">Codes judged by the lists of " + html_text(c.lists, strnlen(c.lists, sizeof c.lists)) +
           ": " + number(c.tumors_judged) + (c.tumors_judged == 1 ? " tumour" : " tumours") +
           " judged; SEER's site/histology list of " +
           html_text(c.site_list, strnlen(c.site_list, sizeof c.site_list)) + " (diagnoses of " + years + ") judged " +
           number(c.site_list_judged) + ", not " + number(c.site_list_not_judged) + " of other years.</p>";
}

const char style[] =
    "body{font-family:system-ui,-apple-system,'Segoe UI',Arial,sans-serif;margin:1.5em;color:#222}"
    "main{display:flex;flex-direction:column}header{order:-2}.overview{order:-1}"
    "h1{font-size:1.5em}h2{font-size:1.2em;margin-top:1.5em;border-bottom:2px solid #446;word-break:break-all}"
    "table{border-collapse:collapse;margin:.5em 0}th,td{border:1px solid #bbb;padding:2px 6px;text-align:left;"
    "vertical-align:top}table.problems{width:100%}th{background:#eef}td.n{white-space:nowrap}"
    "td.path,td.value,td.message{overflow-wrap:anywhere}td.n{text-align:right}td."
    "value{font-family:monospace;white-space:pre-wrap}"
    "dl.summary{display:grid;grid-template-columns:max-content auto;gap:2px 12px}dt{font-weight:bold}dd{margin:0}"
    ".passed{color:#060}.problems-found{color:#a00}.not-naaccr,.unreadable{color:#a60}"
    "figure{margin:.5em 0}figcaption{font-weight:bold}svg.chart text{font-size:12px;fill:#222}"
    "svg.chart .bar{fill:#4a6fa5}svg.chart .axis{stroke:#222}"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}"
    "@media print{body{margin:0}section.file{break-before:page}tr,figure{break-inside:avoid}}";

const char *status_class(RowStatus s)
{
    return s == ROW_PASSED       ? "passed"
           : s == ROW_PROBLEMS   ? "problems-found"
           : s == ROW_NOT_NAACCR ? "not-naaccr"
                                 : "unreadable";
}

std::string status_text(const FileRow &row)
{
    std::string text = row_status_word(row.status);
    if (!row.reason.empty())
        text += ": " + row.reason;
    return "<span class=\"" + std::string(status_class(row.status)) + "\">" + html_text(text) + "</span>";
}

} // namespace

std::string html_text(const char *text, size_t n)
{
    std::string out;
    out.reserve(n + 16);
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);
    for (size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        const size_t length = utf8_character_length(s + i, n - i);
        if (length == 0 || utf8_is_control(s + i, length)) {
            out += "&lt;" + std::to_string(c) + "&gt;";
            ++i;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out.append(text + i, length);
        }
        i += length;
    }
    return out;
}

std::string html_text(const std::string &text) { return html_text(text.data(), text.size()); }

const char *row_status_word(RowStatus status)
{
    switch (status) {
    case ROW_PASSED:
        return "passed";
    case ROW_PROBLEMS:
        return "problems";
    case ROW_NOT_NAACCR:
        return "not NAACCR";
    default:
        return "unreadable";
    }
}

FileRow make_unreadable_row(const char *path, const char *reason)
{
    FileRow row;
    row.path = path;
    row.status = ROW_UNREADABLE;
    row.reason = reason;
    row.format = row.version = 0;
    row.record_type = ' ';
    row.records = row.problems = 0;
    memset(row.counts, 0, sizeof row.counts);
    return row;
}

FileRow make_file_row(const char *path, int32_t code, bool failed, const char *error,
                      const NaaccrItemCheckSummary &summary, uint64_t significant, const char *first_message)
{
    FileRow row = make_unreadable_row(path, "");
    const NaaccrCheckSummary &s = summary.records;
    row.format = summary.format;
    row.version = summary.version;
    row.record_type = s.record_type;
    row.records = summary.format == NAACCR_FORMAT_XML ? summary.tumors : s.records;
    row.problems = s.problems;
    memcpy(row.counts, summary.counts, sizeof row.counts);
    // A file that is no NAACCR file has one problem that says what it is:
    // flat data whose records none has a valid record type and version, or
    // XML whose root is no NaaccrData.
    const bool no_records = summary.format != NAACCR_FORMAT_XML && s.records == 0 && s.problems > 0 &&
                            summary.counts[NAACCR_CHECK_RECORD_TYPE] > 0;
    const bool no_root = summary.format == NAACCR_FORMAT_XML && summary.version == 0 && summary.patients == 0 &&
                         summary.specification_version[0] == '\0' && s.problems > 0;
    if (failed || code == NAACCR_REC_EMPTY_FILE) {
        row.status = ROW_UNREADABLE;
        row.reason = error;
    } else if (code != NAACCR_REC_OK || no_records || no_root) {
        row.status = ROW_NOT_NAACCR;
        row.reason = code != NAACCR_REC_OK ? error : first_message;
    } else {
        row.status = significant > 0 ? ROW_PROBLEMS : ROW_PASSED;
    }
    return row;
}

void add_to_total(FileRow *total, const FileRow &row)
{
    total->records += row.records;
    total->problems += row.problems;
    for (int32_t kind = 0; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        total->counts[kind] += row.counts[kind];
}

void html_start_file(HtmlFile *file, const char *path)
{
    file->path = path;
    file->xml = false;
    file->seen = file->untallied = file->last_record = file->outside = 0;
    file->listed.clear();
    file->items.clear();
    file->names.clear();
    memset(file->buckets, 0, sizeof file->buckets);
    file->bucket_width = 1;
}

void html_add_problem(HtmlFile *f, const NaaccrItemProblem &p)
{
    ++f->seen;
    if (p.line > 0)
        f->xml = true;
    if (p.record == 0) {
        ++f->outside;
    } else {
        widen_buckets(f, p.record);
        ++f->buckets[(p.record - 1) / f->bucket_width];
        f->last_record = std::max(f->last_record, p.record);
    }
    const std::string id = or_empty(p.item_id);
    if (p.item_number > 0 || !id.empty()) {
        const std::pair<int32_t, std::string> key(p.item_number, id);
        auto at = f->items.find(key);
        if (at != f->items.end()) {
            ++at->second;
        } else if (f->items.size() < html_tallied_items) {
            f->items[key] = 1;
            f->names[key] = or_empty(p.item_name);
        } else {
            ++f->untallied;
        }
    }
    if (f->listed.size() >= html_listed_problems)
        return;
    HtmlProblem kept_problem;
    kept_problem.record = p.record;
    kept_problem.line = p.line;
    kept_problem.code = p.code;
    kept_problem.item_number = p.item_number;
    kept_problem.item_id = kept(id.data(), id.size());
    kept_problem.has_value = p.item_number > 0 || !id.empty();
    kept_problem.value = p.value != nullptr ? kept(p.value, p.value_length) : std::string();
    const char *message = or_empty(p.message);
    kept_problem.message = kept(message, strlen(message));
    kept_problem.patient_id = or_empty(p.patient_id);
    kept_problem.tumor_record_number = or_empty(p.tumor_record_number);
    kept_problem.accession_number = or_empty(p.accession_number);
    f->listed.push_back(kept_problem);
}

std::string html_report_head(const char *title, const char *generator)
{
    return std::string("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"generator\" content=\"") +
           html_text(generator, strlen(generator)) + "\"><title>" + html_text(title, strlen(title)) +
           "</title><style>" + style + "</style></head>\n<body><main>\n<header><h1>" + html_text(title, strlen(title)) +
           "</h1><p>Made by " + html_text(generator, strlen(generator)) + ".</p></header>\n";
}

std::string html_file_section(const HtmlFile &f, const HtmlOutcome &o, size_t index)
{
    const FileRow &row = *o.row;
    std::string s = "<section class=\"file\" id=\"file-" + std::to_string(index + 1) + "\"><h2>" + html_text(row.path) +
                    "</h2><dl class=\"summary\"><dt>Result</dt><dd>" + status_text(row) + "</dd>";
    if (row.status == ROW_UNREADABLE || o.summary == nullptr)
        return s + "</dl></section>\n";
    const NaaccrItemCheckSummary &sum = *o.summary;
    s += "<dt>Format</dt><dd>" + format_word(row.format) + "</dd><dt>Version</dt><dd>" + version_text(row.version) +
         "</dd><dt>Record type</dt><dd>" + type_text(row.record_type) + "</dd>";
    if (row.format == NAACCR_FORMAT_XML)
        s +=
            "<dt>Patients</dt><dd>" + number(sum.patients) + "</dd><dt>Tumours</dt><dd>" + number(sum.tumors) + "</dd>";
    else
        s += "<dt>Records</dt><dd>" + number(sum.records.records) + "</dd>";
    if (sum.items > 0)
        s += "<dt>Item values checked</dt><dd>" + number(sum.items) + "</dd>";
    s += "<dt>Problems</dt><dd class=\"problem-count\">" + number(row.problems) + "</dd></dl>";
    if (o.codes != nullptr)
        s += codes_text(*o.codes);
    std::vector<std::pair<std::string, uint64_t>> bars;
    for (int32_t kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (sum.counts[kind] > 0)
            bars.emplace_back(kind_label(kind), sum.counts[kind]);
    std::stable_sort(bars.begin(), bars.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    if (!bars.empty())
        s += bar_chart(bars, "Problems by kind");
    bars.clear();
    for (const auto &item : f.items)
        bars.emplace_back(item_text(item.first.first, item.first.second), item.second);
    std::stable_sort(bars.begin(), bars.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    const size_t items = bars.size();
    if (bars.size() > html_chart_items)
        bars.resize(html_chart_items);
    if (!bars.empty()) {
        s += bar_chart(bars, items > bars.size() ? "Problems by item (the items with most)" : "Problems by item");
        if (f.untallied > 0)
            s += "<p>" + number(f.untallied) + " problems of further items are not shown by item.</p>";
    }
    s += histogram(f, row.records);
    s += problem_table(f);
    return s + "</section>\n";
}

std::string html_report_overview(const std::vector<FileRow> &rows, const FileRow &total)
{
    std::string s =
        "<section class=\"overview\"><h2>Files</h2><table class=\"files\"><thead><tr><th>File</th>"
        "<th>Result</th><th>Format</th><th>Version</th><th>Type</th><th>Records, tumours</th><th>Problems</th>"
        "<th>By kind</th></tr></thead><tbody>";
    for (size_t i = 0; i < rows.size(); ++i) {
        const FileRow &r = rows[i];
        s += "<tr><td class=\"path\"><a href=\"#file-" + std::to_string(i + 1) + "\">" + html_text(r.path) +
             "</a></td><td>" + status_text(r) + "</td>" + cell(format_word(r.format)) + cell(version_text(r.version)) +
             cell(type_text(r.record_type)) + number_cell(r.records) + number_cell(r.problems) + cell(kinds_text(r)) +
             "</tr>";
    }
    size_t by_status[4] = {0, 0, 0, 0};
    for (const FileRow &r : rows)
        ++by_status[r.status];
    s += "</tbody><tfoot><tr><th>Total: " + number(rows.size()) + " file" + (rows.size() == 1 ? "" : "s") +
         "</th><th>" + number(by_status[ROW_PASSED]) + " passed, " + number(by_status[ROW_PROBLEMS]) +
         " with problems, " + number(by_status[ROW_NOT_NAACCR]) + " not NAACCR, " + number(by_status[ROW_UNREADABLE]) +
         " unreadable</th><th></th><th></th><th></th><th class=\"n\">" + number(total.records) +
         "</th><th class=\"n total-problems\">" + number(total.problems) + "</th><th>" + html_text(kinds_text(total)) +
         "</th></tr></tfoot></table></section>\n";
    return s;
}

std::string html_report_end() { return "</main></body></html>\n"; }
