// naaccr_file.cpp -- the inspection of a file: splits the path, reads the
// file's head and last byte, recognises the first record and checks the
// file's end.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "flat/flat.h"
#include "platform/platform.h"

namespace
{

const int64_t fewest_head_bytes = 850;
const unsigned char ctrl_z = 26;

// Copies `length` bytes of `text` into a field and ends it with a NUL.
void set_field(char *field, const char *text, size_t length)
{
    memcpy(field, text, length);
    field[length] = '\0';
}

// Splits info->directory into directory, file_name and extension.  Returns
// false when the extension does not fit its field; the whole name then stays
// in file_name, so that the parts still join to the given path.
bool split_path(NaaccrFileInfo *info)
{
    char work[sizeof info->directory];
    const char *path = info->directory;
    while (*path != '\0' && static_cast<unsigned char>(*path) <= ' ')
        ++path;
    size_t length = 0, name_start = 0;
    for (; path[length] != '\0'; ++length) {
        work[length] = path[length];
        if (is_path_separator(path[length])) {
            work[length] = native_path_separator();
            name_start = length + 1;
        }
    }
    work[length] = '\0';

    set_field(info->file_name, work + name_start, length - name_start);
    set_field(info->directory, work, name_start);

    char *dot = strrchr(info->file_name, '.');
    if (dot == nullptr)
        return true;
    const size_t extension_length = strlen(dot);
    if (extension_length >= sizeof info->extension)
        return false;
    set_field(info->extension, dot, extension_length);
    *dot = '\0';
    return true;
}

// Writes prefix, text and suffix into the message; when they do not fit, the
// end of `text` is cut and marked with "...", and the suffix is kept whole.
void message_with_text(NaaccrFileInfo *info, const char *prefix, const char *text, const char *suffix)
{
    const size_t room = sizeof info->message - 1 - strlen(prefix) - strlen(suffix);
    const size_t length = strlen(text);
    if (length <= room)
        snprintf(info->message, sizeof info->message, "%s%s%s", prefix, text, suffix);
    else
        snprintf(info->message, sizeof info->message, "%s%.*s...%s", prefix, static_cast<int>(room - 3), text, suffix);
}

int32_t saturated_count(int64_t count) { return count > INT32_MAX ? INT32_MAX : static_cast<int32_t>(count); }

// Back to the values of the reset, for every field but the split path.
void clear_findings(NaaccrFileInfo *info)
{
    info->record_type = ' ';
    memset(info->version, 0, sizeof info->version);
    info->first_terminator = info->second_terminator = 0;
    info->record_length = info->record_count = 0;
    info->file_size = 0;
}

// Bytes read beyond the head: the end of a first record that is longer than
// the window, and the first byte of the second record after it.
struct PastWindow {
    int second_type; // the second record's first byte, or -1 when not read
};

// Records longer than the window (types A and M of version 180) end just past
// it.  When the walk ran through the whole window without finding a
// terminator, the three bytes at the layout's length are read: the
// terminator bytes, if any, and then the first byte of the second record.
bool measure_past_window(const ReadableFile &file, NaaccrFileInfo *info, size_t bytes_read, PastWindow *past)
{
    past->second_type = -1;
    if (info->first_terminator != 0 || bytes_read < NAACCR_RECORD_BUFFER_SIZE ||
        info->record_length <= NAACCR_RECORD_BUFFER_SIZE)
        return true;
    unsigned char probe[3];
    size_t got = 0;
    if (!read_file_at(file, info->record_length, probe, sizeof probe, &got))
        return false;
    size_t next = 0;
    if (got >= 1 && (probe[0] == '\r' || probe[0] == '\n')) {
        const unsigned char other = probe[0] == '\r' ? '\n' : '\r';
        info->first_terminator = static_cast<char>(probe[0]);
        next = 1;
        if (got >= 2 && probe[1] == other) {
            info->second_terminator = static_cast<char>(other);
            next = 2;
        }
        info->record_length += static_cast<int32_t>(next);
    }
    if (next < got)
        past->second_type = probe[next];
    return true;
}

// Steps after the record buffer is obtained: open, measure, read, recognise,
// count and check the file's end.  The file is open until the recognizer has
// said whether bytes past the head are needed.
int32_t inspect_file(NaaccrFileInfo *info, char *buffer, bool path_fits)
{
    char path[sizeof info->directory + sizeof info->file_name + sizeof info->extension];
    snprintf(path, sizeof path, "%s%s%s", info->directory, info->file_name, info->extension);
    ReadableFile file;
    int64_t size = 0;
    if (!path_fits || !open_regular_file(path, &file, &size)) {
        message_with_text(info, "Can't open file ", path, " for reading");
        return NAACCR_REC_OPEN_FAILED;
    }
    if (size == 0) {
        close_readable_file(file);
        char name[sizeof info->file_name + sizeof info->extension];
        snprintf(name, sizeof name, "%s%s", info->file_name, info->extension);
        message_with_text(info, "File ", name, " is empty.");
        return NAACCR_REC_EMPTY_FILE;
    }
    unsigned char last_byte = 0;
    size_t got = 0, bytes_read = 0;
    const bool read = read_file_at(file, size - 1, &last_byte, 1, &got) && got == 1 &&
                      read_file_at(file, 0, buffer, NAACCR_RECORD_BUFFER_SIZE, &bytes_read);
    int32_t recognized = NAACCR_REC_OK;
    PastWindow past = {-1};
    bool measured = true;
    if (read) {
        info->file_size = size;
        if (static_cast<int64_t>(bytes_read) >= fewest_head_bytes) {
            recognized = recognize_naaccr_record(buffer, bytes_read, info);
            if (recognized == NAACCR_REC_OK)
                measured = measure_past_window(file, info, bytes_read, &past);
        }
    }
    close_readable_file(file);
    // A failed read is reported as a file that cannot be read, never as success.
    if (!read || !measured) {
        clear_findings(info);
        message_with_text(info, "Can't open file ", path, " for reading");
        return NAACCR_REC_OPEN_FAILED;
    }

    if (static_cast<int64_t>(bytes_read) < fewest_head_bytes) {
        snprintf(info->message, sizeof info->message, "File length of %d is too short to hold a valid record.",
                 static_cast<int>(bytes_read));
        return NAACCR_REC_TOO_SHORT;
    }
    if (recognized != NAACCR_REC_OK)
        return recognized;

    snprintf(info->message, sizeof info->message, "Return value is NAACCR_REC_OK");
    const int64_t length = info->record_length;
    const int64_t whole = info->file_size / length;
    info->record_count = saturated_count(whole);

    if (info->file_size % length != 0) {
        const int nterm = naaccr_terminator_count(info);
        if ((info->file_size - 1) % length == 0 && last_byte == ctrl_z) {
            snprintf(info->message, sizeof info->message, "Stray Ctrl-Z at end of file.");
            return NAACCR_REC_STRAY_CTRL_Z;
        }
        if (nterm != 0 && (info->file_size + nterm) % length == 0) {
            info->record_count = saturated_count(whole + 1);
            snprintf(info->message, sizeof info->message, "<cr><lf> terminators omitted at end of file.");
            return NAACCR_REC_TERMINATOR_OMITTED;
        }
        snprintf(info->message, sizeof info->message, "File length does not divide into equal-sized records. nterm= %d",
                 nterm);
        return NAACCR_REC_UNEVEN_LENGTH;
    }

    // Only the second record's first byte is compared, and only when it was
    // read: within the head, or just past it for records longer than the window.
    int second_type = past.second_type;
    if (length < static_cast<int64_t>(bytes_read))
        second_type = static_cast<unsigned char>(buffer[length]);
    if (info->file_size != length && second_type >= 0 && second_type != static_cast<unsigned char>(buffer[0])) {
        snprintf(info->message, sizeof info->message, "Second record begins with Record Type %c.",
                 static_cast<char>(second_type));
        return NAACCR_REC_MIXED_TYPES;
    }
    return NAACCR_REC_OK;
}

} // namespace

int32_t inspect_naaccr_file(NaaccrFileInfo *info)
{
    reset_naaccr_file_info(info);
    info->extension[0] = '\0';
    info->directory[sizeof info->directory - 1] = '\0';
    const bool path_fits = split_path(info);

    char *buffer = static_cast<char *>(malloc(NAACCR_RECORD_BUFFER_SIZE));
    if (buffer == nullptr) {
        snprintf(info->message, sizeof info->message, "Can't allocate %d characters for record buffer",
                 NAACCR_RECORD_BUFFER_SIZE);
        return NAACCR_REC_NO_MEMORY;
    }
    const int32_t result = inspect_file(info, buffer, path_fits);
    free(buffer);
    return result;
}
