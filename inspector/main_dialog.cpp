// main_dialog.cpp -- what the main dialog shows at initialisation and after each file selection.
#include "main_dialog.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "program_version.h"
#include "resource.h"

void InitMainDialog(const DialogUi *ui, ProgramState *state, const char *argument0, const char *log_name)
{
    ui->set_caption(ui->window, "Corvella VELDRIX " PROGRAM_VERSION " " PROGRAM_BUILD_DATE);
    InitHelpPath(state->help_path, argument0);
    OpenInspectionLog(&state->log, ui, log_name);
}

void FormatVersionDisplay(const char version[4], char *text, size_t capacity)
{
    if (capacity == 0)
        return;
    if (version[0] == 'A')
        snprintf(text, capacity, "10 (A)");
    else if (version[0] == 'B')
        snprintf(text, capacity, "11 (B)");
    else
        snprintf(text, capacity, "%.3s", version); // the field has room for three characters and a NUL
}

void ShowFileDate(const DialogUi *ui, const char *path)
{
    char text[TEXT_CAPACITY];
    struct tm local;
    if (path[0] == '\0' || !ui->file_time(ui->window, path, &local) ||
        strftime(text, sizeof text, "%m/%d/%Y   %H:%M", &local) == 0)
        snprintf(text, sizeof text, "???");
    ui->set_text(ui->window, IDC_FILE_DATE, text);
}

static int has_terminator(const NaaccrFileInfo *info, char terminator)
{
    return info->first_terminator == terminator || info->second_terminator == terminator;
}

void ShowInspection(const DialogUi *ui, const NaaccrFileInfo *info, int32_t code)
{
    char text[TEXT_CAPACITY];

    text[0] = info->record_type;
    text[1] = '\0';
    ui->set_text(ui->window, IDC_RECORD_TYPE, text);

    FormatVersionDisplay(info->version, text, sizeof text);
    ui->set_text(ui->window, IDC_VERSION, text);

    if (info->record_length >= 1)
        ui->set_number(ui->window, IDC_RECORD_LENGTH, (uint32_t)info->record_length);
    else
        ui->set_text(ui->window, IDC_RECORD_LENGTH, " ");

    ui->set_check(ui->window, IDC_CR, has_terminator(info, '\r'));
    ui->set_check(ui->window, IDC_LF, has_terminator(info, '\n'));

    snprintf(text, sizeof text, "%" PRId64, info->file_size);
    ui->set_text(ui->window, IDC_FILE_SIZE, text);

    // The message field is the library's; bound it in case it lacks its NUL.
    char message[sizeof info->message];
    snprintf(message, sizeof message, "%.*s", (int)sizeof info->message - 1, info->message);
    if (code == NAACCR_REC_OK) {
        ui->set_number(ui->window, IDC_RECORD_COUNT, (uint32_t)info->record_count);
    } else if (code == NAACCR_REC_TERMINATOR_OMITTED || code == NAACCR_REC_STRAY_CTRL_Z) {
        ui->set_number(ui->window, IDC_RECORD_COUNT, (uint32_t)info->record_count);
        ui->message_box(ui->window, message, "INSIGNIFICANT ANOMALY", BOX_WARNING);
    } else {
        ui->set_text(ui->window, IDC_RECORD_COUNT, "");
        ui->message_box(ui->window, message, "PROBLEM", BOX_WARNING);
    }
}

void ShowNoFileSelected(const DialogUi *ui)
{
    static const int blanked[] = {IDC_RECORD_TYPE, IDC_VERSION, IDC_RECORD_LENGTH, IDC_FILE_SIZE, IDC_RECORD_COUNT};
    for (int id : blanked)
        ui->set_text(ui->window, id, " ");
    ui->set_check(ui->window, IDC_CR, 0);
    ui->set_check(ui->window, IDC_LF, 0);
    ui->message_box(ui->window, "No file selected.", "PROBLEM", BOX_WARNING);
}

// Chooses a file, shows and inspects it and logs its block. Returns 1 and leaves the chosen path in `path`
// (PATH_CAPACITY bytes) and the result in `*code` when a file was chosen; returns 0 with `path` empty
// after "No file selected".
static int select_and_inspect(const DialogUi *ui, InspectionLog *log, char *path, int32_t *code)
{
    NaaccrFileInfo info;
    memset(&info, 0, sizeof info);
    ui->choose_file(ui->window, info.directory, PATH_CAPACITY);
    info.directory[PATH_CAPACITY - 1] = '\0';
    memcpy(path, info.directory, PATH_CAPACITY);

    // The path is shown before the call: afterwards `directory` holds only its directory part.
    ui->set_text(ui->window, IDC_PATH, info.directory);
    ShowFileDate(ui, info.directory);
    if (info.directory[0] == '\0') {
        ShowNoFileSelected(ui);
        return 0;
    }

    *code = cvGet_naaccr_file_info(&info);
    ShowInspection(ui, &info, *code);
    if (InspectionLogIsOpen(log))
        WriteInspectionBlock(log, &info);
    return 1;
}

void SelectInspectAndOfferCheck(const DialogUi *ui, ProgramState *state)
{
    char path[PATH_CAPACITY];
    int32_t code = NAACCR_REC_OPEN_FAILED;
    if (!select_and_inspect(ui, &state->log, path, &code))
        path[0] = '\0';
    OfferRecordCheck(ui, state, path, code);
}

int FileCanBeChecked(int32_t code)
{
    return code != NAACCR_REC_OPEN_FAILED && code != NAACCR_REC_EMPTY_FILE && code != NAACCR_REC_NO_MEMORY;
}

void OfferRecordCheck(const DialogUi *ui, ProgramState *state, const char *path, int32_t code)
{
    int offered = state->checker != NULL && path[0] != '\0' && FileCanBeChecked(code);
    snprintf(state->check_path, sizeof state->check_path, "%s", offered ? path : "");
    ui->enable_menu_item(ui->window, IDM_CHECK_RECORDS, offered);
}

int RecordCheckOffered(const ProgramState *state) { return state->checker != NULL && state->check_path[0] != '\0'; }
