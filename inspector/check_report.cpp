// check_report.cpp -- the record check dialog's problem list cells, its report and the report's saving.
#include <inttypes.h>
#include <string.h>

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
    // Text mode: on Windows the report's lines end in CR LF, as Notepad expects.
    FILE *stream = fopen(path, "wt");
    int written = stream != NULL && WriteCheckReport(stream, dialog);
    if (stream != NULL && fclose(stream) != 0)
        written = 0;
    if (!written) {
        char text[REPORT_PATH_CAPACITY + 64];
        snprintf(text, sizeof text, "Could not write the report to %s", path);
        ui->message_box(ui->window, text, "ERROR", BOX_WARNING);
    }
}
