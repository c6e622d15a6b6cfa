// veldrix_log.cpp -- veldrix.log: one block per inspected file, for people to read.
#include "veldrix_log.h"

#include <stdio.h>

int OpenInspectionLog(InspectionLog *log, const DialogUi *ui, const char *file_name)
{
    // Text mode: on Windows every line feed reaches the file as CR LF, those of the samples too.
    log->stream = fopen(file_name, "wt");
    if (log->stream == NULL) {
        ui->message_box(ui->window, "Could not open veldrix.log", "ERROR", BOX_PLAIN);
        return 0;
    }
    return 1;
}

int InspectionLogIsOpen(const InspectionLog *log) { return log->stream != NULL; }

// A NUL would end up in a text file as a byte of its own: write nothing for it instead.
static void write_char(FILE *stream, char c)
{
    if (c != '\0')
        fputc((unsigned char)c, stream);
}

static const char *terminator_name(char terminator) { return terminator == '\r' ? "cr" : "lf"; }

// Writes the first bytes of the file up to the first NUL; nothing when it cannot be opened again.
static void write_sample(FILE *stream, const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file != NULL) {
        char sample[LOG_SAMPLE_BYTES + 1];
        size_t count = fread(sample, 1, LOG_SAMPLE_BYTES, file);
        fclose(file);
        sample[count] = '\0';
        fputs(sample, stream);
    }
    fputc('\n', stream);
}

void WriteInspectionBlock(InspectionLog *log, const NaaccrFileInfo *info)
{
    FILE *stream = log->stream;
    if (stream == NULL)
        return;
    // The path as the library split it; the precisions keep every read inside the library's fields.
    char path[sizeof info->directory + sizeof info->file_name + sizeof info->extension];
    snprintf(path, sizeof path, "%.*s%.*s%.*s", (int)sizeof info->directory - 1, info->directory,
             (int)sizeof info->file_name - 1, info->file_name, (int)sizeof info->extension - 1, info->extension);

    fputs(LOG_SEPARATOR, stream);
    fprintf(stream, "%s\n", path);
    fputs("Record Type: ", stream);
    write_char(stream, info->record_type);
    fputs("    Version: ", stream);
    write_char(stream, info->version[0]);
    fputs("\nTermination: ", stream);
    if (info->first_terminator != '\0') {
        fprintf(stream, "<%s>", terminator_name(info->first_terminator));
        if (info->second_terminator != '\0')
            fprintf(stream, "<%s>", terminator_name(info->second_terminator));
    }
    fputc('\n', stream);
    fprintf(stream, "Record Length: %ld\n", (long)info->record_length);
    fprintf(stream, "Record Count: %ld\n", (long)info->record_count);
    write_sample(stream, path);
}

void WriteCheckLine(InspectionLog *log, const char *line)
{
    if (log->stream == NULL)
        return;
    fprintf(log->stream, "%s\n", line);
    // A check may be the last thing a user does before the program is ended from outside.
    fflush(log->stream);
}

void CloseInspectionLog(InspectionLog *log)
{
    if (log->stream == NULL)
        return;
    fputs(LOG_SEPARATOR, log->stream);
    fclose(log->stream);
    log->stream = NULL;
}

void ReleaseInspectionLog(InspectionLog *log)
{
    if (log->stream == NULL)
        return;
    fclose(log->stream);
    log->stream = NULL;
}
