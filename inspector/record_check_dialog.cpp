// record_check_dialog.cpp -- what the record check dialog shows before, during and after a check, and its file.
#include "record_check_dialog.h"

#include <inttypes.h>
#include <string.h>

#include "resource.h"

static const struct {
    const char *title;
    int width; // dialog units
    int align_right;
} columns[CHECK_LIST_COLUMNS] = {
    {"Record", 44, 1}, {"Patient", 160, 0}, {"Offset", 56, 1},
    {"Column", 34, 1}, {"Problem", 92, 0},  {"Message", 360, 0},
};

static const char *plural(uint64_t count, const char *one, const char *more) { return count == 1 ? one : more; }

static void show_idle_controls(const DialogUi *ui, const CheckDialog *dialog, int ended)
{
    ui->enable(ui->window, IDC_CHECK_CHOOSE, 1);
    ui->enable(ui->window, IDC_CHECK_START, 1);
    ui->enable(ui->window, IDC_CHECK_CHECKSUMS, 1);
    ui->enable(ui->window, IDC_CHECK_ITEMS, dialog->item_checker != NULL);
    ui->enable(ui->window, IDC_CHECK_STOP, 0);
    ui->enable(ui->window, IDC_CHECK_SAVE, ended);
}

// The dialog idle before a first check of its file: the path, an empty list, bar and summary.
static void show_ready(const DialogUi *ui, const CheckDialog *dialog)
{
    ui->set_text(ui->window, IDC_CHECK_PATH, dialog->path);
    show_idle_controls(ui, dialog, 0);
    ui->set_progress(ui->window, IDC_CHECK_PROGRESS, 0);
    ui->set_list_count(ui->window, IDC_CHECK_LIST, 0);
    ui->set_text(ui->window, IDC_CHECK_STATUS, "Press Start to check every record.");
    ui->set_text(ui->window, IDC_CHECK_SUMMARY, "");
}

void InitCheckDialog(const DialogUi *ui, CheckDialog *dialog, ProgramState *program)
{
    memset(dialog, 0, sizeof *dialog);
    snprintf(dialog->path, sizeof dialog->path, "%s", program->check_path);
    dialog->checker = program->checker;
    dialog->log = &program->log;
    dialog->checksums_choice = &program->check_checksums;
    dialog->item_checker = program->item_checker;
    dialog->codes = program->item_checker != NULL && program->item_checker_codes != 0;
    dialog->ids = program->item_checker != NULL && program->item_checker_ids != 0;
    dialog->items_choice = &program->check_items;
    dialog->phase = CHECK_IDLE;

    for (int column = 0; column < CHECK_LIST_COLUMNS; ++column)
        ui->add_list_column(ui->window, IDC_CHECK_LIST, column, columns[column].title, columns[column].width,
                            columns[column].align_right);
    ui->set_check(ui->window, IDC_CHECK_CHECKSUMS, program->check_checksums != 0);
    ui->set_check(ui->window, IDC_CHECK_ITEMS, program->check_items != 0 && dialog->item_checker != NULL);
    // The template's box checks codes too; an older library checks items alone, and the box says so.
    if (!dialog->codes)
        ui->set_text(ui->window, IDC_CHECK_ITEMS, "Also check data items");
    show_ready(ui, dialog);
}

// 1 when `path` ends in ".gz", in any case.
static int names_gzip_file(const char *path)
{
    const size_t length = strlen(path);
    if (length < 3)
        return 0;
    const char *end = path + length - 3;
    return end[0] == '.' && (end[1] == 'g' || end[1] == 'G') && (end[2] == 'z' || end[2] == 'Z');
}

// 1 while a check runs (also while it is being cancelled).
static int check_is_running(const CheckDialog *dialog)
{
    return dialog->phase == CHECK_RUNNING || dialog->phase == CHECK_STOPPING;
}

void ChooseCheckFile(const DialogUi *ui, CheckDialog *dialog)
{
    if (check_is_running(dialog))
        return;
    char path[CHECK_FILE_CAPACITY];
    path[0] = '\0';
    ui->choose_check_file(ui->window, path, sizeof path);
    path[sizeof path - 1] = '\0';
    if (path[0] == '\0')
        return;
    if (names_gzip_file(path)) {
        ui->message_box(ui->window,
                        "veldrix cannot check a gzip-compressed file. Decompress it first, or check it with "
                        "\"cvnaaccr check\".",
                        "PROBLEM", BOX_WARNING);
        return;
    }
    // The last check's rows and report are of the file before: the list lets go of them first.
    dialog->listed = 0;
    ui->set_list_count(ui->window, IDC_CHECK_LIST, 0);
    ReleaseCheckDialog(dialog);
    memset(&dialog->news, 0, sizeof dialog->news);
    dialog->phase = CHECK_IDLE;
    dialog->chosen = 1;
    memcpy(dialog->path, path, sizeof dialog->path);
    show_ready(ui, dialog);
}

int StartCheck(const DialogUi *ui, CheckDialog *dialog, const CheckSignals *signals)
{
    if (check_is_running(dialog))
        return 0;
    ReleaseCheckJob(&dialog->job);
    const int checksums = ui->get_check(ui->window, IDC_CHECK_CHECKSUMS) != 0;
    *dialog->checksums_choice = checksums;
    const int items = dialog->item_checker != NULL && ui->get_check(ui->window, IDC_CHECK_ITEMS) != 0;
    if (dialog->item_checker != NULL)
        *dialog->items_choice = items;
    dialog->listed = 0;
    memset(&dialog->news, 0, sizeof dialog->news);
    ui->set_list_count(ui->window, IDC_CHECK_LIST, 0);
    ui->set_progress(ui->window, IDC_CHECK_PROGRESS, 0);
    ui->set_text(ui->window, IDC_CHECK_SUMMARY, "");
    dialog->flags = checksums ? NAACCR_CHECK_CHECKSUMS : 0;
    if (!PrepareCheckJob(&dialog->job, dialog->checker, dialog->path, dialog->flags, signals)) {
        dialog->phase = CHECK_IDLE;
        show_idle_controls(ui, dialog, 0);
        ui->set_text(ui->window, IDC_CHECK_STATUS, "Not enough memory to start the check.");
        return 0;
    }
    if (dialog->item_checker != NULL)
        UseItemChecker(&dialog->job, dialog->item_checker);
    if (items) {
        CheckItemsToo(&dialog->job, dialog->item_checker);
        if (dialog->codes)
            CheckCodesToo(&dialog->job);
    }
    if (dialog->ids)
        NameProblemsToo(&dialog->job);
    dialog->flags = dialog->job.flags;
    dialog->phase = CHECK_RUNNING;
    dialog->started_ms = ui->clock_ms(ui->window);
    // "Cancel" is enabled first, so that the focus leaving "Start" has a place to go.
    ui->enable(ui->window, IDC_CHECK_STOP, 1);
    ui->enable(ui->window, IDC_CHECK_START, 0);
    ui->enable(ui->window, IDC_CHECK_CHOOSE, 0);
    ui->enable(ui->window, IDC_CHECK_CHECKSUMS, 0);
    ui->enable(ui->window, IDC_CHECK_ITEMS, 0);
    ui->enable(ui->window, IDC_CHECK_SAVE, 0);
    ui->set_text(ui->window, IDC_CHECK_STATUS, "Starting the check...");
    return 1;
}

void AbandonCheck(const DialogUi *ui, CheckDialog *dialog)
{
    ReleaseCheckJob(&dialog->job);
    dialog->phase = CHECK_IDLE;
    show_idle_controls(ui, dialog, 0);
    ui->set_text(ui->window, IDC_CHECK_STATUS, "The check could not be started.");
}

void StopCheck(const DialogUi *ui, CheckDialog *dialog)
{
    if (dialog->phase != CHECK_RUNNING)
        return;
    CancelCheckJob(&dialog->job);
    dialog->phase = CHECK_STOPPING;
    ui->set_text(ui->window, IDC_CHECK_STATUS, "Cancelling the check...");
    ui->enable(ui->window, IDC_CHECK_STOP, 0);
}

// Takes the news and shows the rows that came; returns whether the checker has returned.
static int take_news(const DialogUi *ui, CheckDialog *dialog)
{
    TakeCheckNews(&dialog->job, &dialog->news);
    if (dialog->news.problem_count != dialog->listed) {
        dialog->listed = dialog->news.problem_count;
        ui->set_list_count(ui->window, IDC_CHECK_LIST, dialog->listed);
    }
    return dialog->news.done;
}

int ShowCheckNews(const DialogUi *ui, CheckDialog *dialog)
{
    if (!check_is_running(dialog))
        return 0;
    if (take_news(ui, dialog))
        return 1;
    const CheckNews *news = &dialog->news;
    if (news->progressed)
        ui->set_progress(ui->window, IDC_CHECK_PROGRESS, ProgressPermille(news->bytes_done, news->bytes_total));
    if (dialog->phase == CHECK_RUNNING) {
        char text[TEXT_CAPACITY];
        FormatCheckProgress(news, ui->clock_ms(ui->window) - dialog->started_ms, text, sizeof text);
        ui->set_text(ui->window, IDC_CHECK_STATUS, text);
    }
    return 0;
}

void FinishCheck(const DialogUi *ui, CheckDialog *dialog)
{
    if (!check_is_running(dialog))
        return;
    take_news(ui, dialog);
    dialog->phase = CHECK_ENDED;
    const NaaccrCheckSummary *summary = &dialog->news.summary;
    const int32_t result = dialog->news.result;
    const uint64_t records = summary->records;
    // A NAACCR XML file's records are its tumours, and the status says what the file is.
    char heading[80];
    FormatCheckedFile(&dialog->news.details, heading, sizeof heading);
    const char *noun = heading[0] != '\0' ? plural(records, "tumour", "tumours") : plural(records, "record", "records");

    // Room for the summary line and the note on unlisted problems under it.
    char text[CHECK_LINE_CAPACITY + 128];
    if (result == NAACCR_REC_OK && summary->stopped == NAACCR_STOP_NONE) {
        ui->set_progress(ui->window, IDC_CHECK_PROGRESS, 1000);
        snprintf(text, sizeof text, "100%% - %" PRIu64 " %s checked%s%s", records, noun, heading[0] ? " - " : "",
                 heading);
    } else {
        const uint32_t permille = ProgressPermille(summary->bytes, dialog->news.bytes_total);
        ui->set_progress(ui->window, IDC_CHECK_PROGRESS, permille);
        if (result == NAACCR_REC_OK)
            snprintf(text, sizeof text, "Cancelled at %" PRIu32 "%% - %" PRIu64 " %s checked", permille / 10, records,
                     noun);
        else if (result == NAACCR_REC_READ_FAILED)
            snprintf(text, sizeof text, "Reading the file failed.");
        else
            snprintf(text, sizeof text, "The file could not be checked.");
    }
    ui->set_text(ui->window, IDC_CHECK_STATUS, text);

    char line[CHECK_LINE_CAPACITY];
    FormatCheckSummary(result, summary, dialog->flags, line, sizeof line);
    // The summary starts with a capital in the window; the log and the report show it after a label.
    if (line[0] >= 'a' && line[0] <= 'z')
        line[0] = (char)(line[0] - 'a' + 'A');
    if (summary->problems > dialog->listed)
        snprintf(text, sizeof text,
                 "%s\nThe list holds the first %" PRIu32 " problems; %" PRIu64 " more are only counted.", line,
                 dialog->listed, summary->problems - dialog->listed);
    else
        snprintf(text, sizeof text, "%s", line);
    ui->set_text(ui->window, IDC_CHECK_SUMMARY, text);
    show_idle_controls(ui, dialog, 1);

    // The log's check lines follow the block of the main dialog's file; another file is named.
    if (dialog->chosen) {
        snprintf(line, sizeof line, "File: %s", dialog->path);
        WriteCheckLine(dialog->log, line);
    }
    FormatCheckLogLine(result, summary, dialog->flags, line, sizeof line);
    WriteCheckLine(dialog->log, line);
}

void ReleaseCheckDialog(CheckDialog *dialog)
{
    ReleaseCheckJob(&dialog->job);
    dialog->news.problems = NULL;
}
