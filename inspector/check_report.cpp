// check_report.cpp -- the record check dialog's problem list cells, its report and the report's saving.
#include <ctype.h>
#include <inttypes.h>
#include <string.h>

#include <string>

#include "program_version.h"
#include "record_check_dialog.h"

void CheckCellText(const CheckDialog *dialog, uint32_t row, int column, char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    text[0] = '\0';
    if (row >= dialog->listed || dialog->news.problems == NULL)
        return;
    const NaaccrProblem *problem = &dialog->news.problems[row];
    switch (column) {
    case 0:
        snprintf(text, capacity, "%" PRIu64, problem->record);
        break;
    case 1:
        if (dialog->news.patients != NULL)
            snprintf(text, capacity, "%.*s", CHECK_PATIENT_CAPACITY - 1, dialog->news.patients[row]);
        break;
    case 2:
        snprintf(text, capacity, "%" PRId64, problem->offset);
        break;
    case 3:
        if (problem->column != 0)
            snprintf(text, capacity, "%" PRId32, problem->column);
        break;
    case 4:
        snprintf(text, capacity, "%s", CheckKindLabel(problem->code));
        break;
    case 5:
        // The message is the library's; bound it in case it lacks its NUL.
        snprintf(text, capacity, "%.*s", (int)sizeof problem->message - 1, problem->message);
        break;
    }
}

int WriteCheckReport(FILE *stream, const CheckDialog *dialog)
{
    if (dialog->phase != CHECK_ENDED)
        return 0;
    const NaaccrCheckSummary *summary = &dialog->news.summary;
    const uint32_t flags = dialog->flags;
    char line[CHECK_LINE_CAPACITY];
    FormatCheckSummary(dialog->news.result, summary, flags, line, sizeof line);
    fprintf(stream, "Corvella VELDRIX " PROGRAM_VERSION " - record check\n");
    fprintf(stream, "File: %s\n", dialog->path);
    fprintf(stream, "Checksum fields: %s\n", (flags & NAACCR_CHECK_CHECKSUMS) != 0 ? "verified" : "not verified");
    if ((flags & NAACCR_CHECK_ITEMS) != 0)
        fprintf(stream, "Data items: checked\n");
    if ((flags & NAACCR_CHECK_CODES) != 0) {
        char lists[CHECK_LINE_CAPACITY];
        FormatCodeLists(&dialog->news.codes, lists, sizeof lists);
        fprintf(stream, "Codes: %s\n", lists);
    }
    fprintf(stream, "Result: %s\n", line);
    if (summary->problems > dialog->listed)
        fprintf(stream, "The list holds the first %" PRIu32 " problems; %" PRIu64 " more are only counted.\n",
                dialog->listed, summary->problems - dialog->listed);
    if (dialog->listed > 0) {
        fprintf(stream, "\nRecord\tPatient\tOffset\tColumn\tProblem\tMessage\n");
        char cells[CHECK_LIST_COLUMNS][sizeof dialog->news.problems[0].message];
        for (uint32_t row = 0; row < dialog->listed; ++row) {
            for (int column = 0; column < CHECK_LIST_COLUMNS; ++column)
                CheckCellText(dialog, row, column, cells[column], sizeof cells[column]);
            fprintf(stream, "%s\t%s\t%s\t%s\t%s\t%s\n", cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]);
        }
    }
    return !ferror(stream);
}

// The item checker's summary as the HTML writer takes it; after the record checker, made of its summary.
static NaaccrItemCheckSummary whole_summary(const CheckNews &news)
{
    NaaccrItemCheckSummary whole = news.details;
    whole.records = news.summary;
    if (whole.format == 0 && news.summary.records > 0) {
        whole.format = NAACCR_FORMAT_FLAT;
        for (int kind = 0; kind < NAACCR_CHECK_KINDS; ++kind)
            whole.counts[kind] = news.summary.counts[kind];
    }
    return whole;
}

int WriteCheckHtmlReport(FILE *stream, const CheckDialog *dialog)
{
    if (dialog->phase != CHECK_ENDED || dialog->news.html == NULL)
        return 0;
    const CheckNews &news = dialog->news;
    const NaaccrItemCheckSummary whole = whole_summary(news);
    uint64_t significant = 0;
    for (int kind = 1; kind < NAACCR_CHECK_ALL_KINDS; ++kind)
        if (kind >= 32 || (NAACCR_ANOMALY_KINDS & (1u << kind)) == 0)
            significant += whole.counts[kind];
    char line[CHECK_LINE_CAPACITY];
    FormatCheckSummary(news.result, &news.summary, dialog->flags, line, sizeof line);
    const int32_t r = news.result;
    const bool failed = r == NAACCR_REC_OPEN_FAILED || r == NAACCR_REC_READ_FAILED || r == NAACCR_REC_NO_MEMORY ||
                        r == NAACCR_REC_BAD_ARGUMENT;
    const char *first = news.html->listed.empty() ? "" : news.html->listed[0].message.c_str();
    const FileRow row = make_file_row(dialog->path, r, failed, line, whole, significant, first);
    const HtmlOutcome outcome = {&row, failed ? NULL : &whole,
                                 (dialog->flags & NAACCR_CHECK_CODES) != 0 ? &news.codes : NULL};
    const std::string title = std::string("Check of ") + dialog->path;
    const std::string page = html_report_head(title.c_str(), "Corvella VELDRIX " PROGRAM_VERSION) +
                             html_file_section(*news.html, outcome, 0) + html_report_overview({row}, row) +
                             html_report_end();
    return fwrite(page.data(), 1, page.size(), stream) == page.size() && !ferror(stream);
}

int IsHtmlReportPath(const char *path)
{
    const size_t length = strlen(path);
    for (const char *ending : {".html", ".htm"}) {
        const size_t n = strlen(ending);
        if (length < n)
            continue;
        size_t i = 0;
        while (i < n && tolower(static_cast<unsigned char>(path[length - n + i])) == ending[i])
            ++i;
        if (i == n)
            return 1;
    }
    return 0;
}

void SuggestReportPath(const char *path, char *suggested, size_t capacity)
{
    if (capacity == 0)
        return;
    suggested[0] = '\0';
    size_t length = strlen(path);
    // The extension starts at the last dot of the name, after the last separator of either kind.
    size_t name = length;
    while (name > 0 && path[name - 1] != '\\' && path[name - 1] != '/')
        --name;
    const char *dot = strrchr(path + name, '.');
    size_t stem = dot != NULL && dot > path + name ? (size_t)(dot - path) : length;
    static const char ending[] = "-check.txt";
    if (stem + sizeof ending > capacity)
        return;
    memcpy(suggested, path, stem);
    memcpy(suggested + stem, ending, sizeof ending);
}

void SaveCheckReport(const DialogUi *ui, const CheckDialog *dialog)
{
    if (dialog->phase != CHECK_ENDED)
        return;
    char suggested[REPORT_PATH_CAPACITY];
    SuggestReportPath(dialog->path, suggested, sizeof suggested);
    char path[REPORT_PATH_CAPACITY];
    ui->choose_save_file(ui->window, suggested, path, sizeof path);
    path[sizeof path - 1] = '\0';
    if (path[0] == '\0')
        return;
    // Text mode: on Windows the report's lines end in CR LF, as Notepad expects; HTML goes as it is.
    const int html = IsHtmlReportPath(path);
    FILE *stream = fopen(path, html ? "wb" : "wt");
    int written = stream != NULL && (html ? WriteCheckHtmlReport(stream, dialog) : WriteCheckReport(stream, dialog));
    if (stream != NULL && fclose(stream) != 0)
        written = 0;
    if (!written) {
        char text[REPORT_PATH_CAPACITY + 64];
        snprintf(text, sizeof text, "Could not write the report to %s", path);
        ui->message_box(ui->window, text, "ERROR", BOX_WARNING);
    }
}
