// recognition_fuzzer.cpp -- libFuzzer target: the recognizer on arbitrary
// bytes, the inspection of files written from them, and the path split.
//
// Each input is recognised from an exact-size heap copy (AddressSanitizer
// reports any read past it), as a record in memory and as a file's head, once
// as given and once moved towards the end of the 23000-byte window.  It is then
// written to a file of this process and inspected, it serves as a path below
// a folder that does not exist, and it shapes a file of whole records.  Every report is checked against what
// the bytes allow; a broken invariant aborts.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "flat/flat.h"

namespace
{

const size_t window_size = NAACCR_RECORD_BUFFER_SIZE;

void check(bool holds, const char *what)
{
    if (!holds) {
        fprintf(stderr, "broken invariant: %s\n", what);
        abort();
    }
}

bool printable(unsigned char c) { return c >= 32 && c <= 126; }

bool nul_terminated(const char *field, size_t size) { return memchr(field, '\0', size) != nullptr; }

// The first byte of the first record that ends it, found byte by byte.
size_t first_stop(const unsigned char *bytes, size_t end, bool nul_is_data)
{
    size_t i = 0;
    while (i < end && (printable(bytes[i]) || (nul_is_data && bytes[i] == 0)))
        ++i;
    return i;
}

bool is_table_length(int32_t length)
{
    for (size_t n = 0; n < naaccr_layout_count; ++n)
        if (naaccr_layouts[n].length == length)
            return true;
    return false;
}

void check_version(const NaaccrFileInfo &info, const unsigned char *bytes, size_t window, int32_t code)
{
    check(nul_terminated(info.version, sizeof info.version), "version is NUL-terminated");
    const size_t length = strlen(info.version);
    for (size_t k = length; k < sizeof info.version; ++k)
        check(info.version[k] == '\0', "version is NUL after its text");
    if (code == NAACCR_REC_BAD_TYPE || code == NAACCR_REC_BAD_VERSION) {
        check(strcmp(info.version, " ") == 0, "version is a blank after a type or version error");
        return;
    }
    if (strcmp(info.version, " ") == 0) {
        check(code == NAACCR_REC_ILLEGAL_CHAR, "a blank version comes with an error");
        return;
    }
    check(length == 1 || length == 3, "version has one or three characters");
    const size_t first = info.record_type == 'U' ? 2 : 17;
    if (length == 3) {
        check(first + 2 <= window && memcmp(info.version, bytes + first - 1, 3) == 0, "version copies its columns");
        return;
    }
    const size_t columns[] = {2, 19, 536};
    bool found = false;
    for (size_t column : columns)
        found = found || (column <= window && bytes[column - 1] == static_cast<unsigned char>(info.version[0]));
    check(found, "a one-character version comes from column 2, 19 or 536");
}

// Recognises a heap copy of exactly `size` bytes and checks every field.
void fuzz_recognizer(const unsigned char *data, size_t size, int64_t file_size)
{
    unsigned char *bytes = static_cast<unsigned char *>(malloc(size == 0 ? 1 : size));
    if (bytes == nullptr)
        return;
    if (size != 0)
        memcpy(bytes, data, size);
    NaaccrFileInfo info;
    memset(&info, 0x5a, sizeof info);
    reset_naaccr_file_info(&info);
    info.file_size = file_size;
    info.record_count = 12345;
    const int32_t code = recognize_naaccr_record(reinterpret_cast<const char *>(bytes), size, &info);

    const size_t window = size < window_size ? size : window_size;
    check(code == NAACCR_REC_OK || code == NAACCR_REC_BAD_VERSION || code == NAACCR_REC_BAD_TYPE ||
              code == NAACCR_REC_ILLEGAL_CHAR,
          "recognizer code");
    check(info.file_size == file_size && info.record_count == 12345, "only the recognizer's fields are written");
    check(info.record_type == (size != 0 ? static_cast<char>(bytes[0]) : ' '), "record_type is column 1");
    check(nul_terminated(info.message, sizeof info.message), "message is NUL-terminated");
    check((code == NAACCR_REC_OK) == (info.message[0] == '\0'), "a message exactly with a failure");
    check_version(info, bytes, window, code);

    const char first = info.first_terminator, second = info.second_terminator;
    check(first == 0 || first == '\r' || first == '\n', "first terminator is CR, LF or none");
    check(second == 0 || (first == '\r' && second == '\n') || (first == '\n' && second == '\r'),
          "second terminator is the other of the first");
    // A layout longer than the window (the abstracts of version 180) gives its own length when the window holds
    // no end of record; every other length was measured inside the window.
    check(info.record_length >= 0 && (info.record_length <= static_cast<int32_t>(window_size) ||
                                      (first == 0 && is_table_length(info.record_length))),
          "record_length range");

    const bool nul_is_data = size != 0 && bytes[0] == 'U';
    const size_t stop = first_stop(bytes, window, nul_is_data);
    const size_t length = static_cast<size_t>(info.record_length);
    if (stop == window) {
        check(first == 0, "no terminator when the window holds none");
        check(code == NAACCR_REC_OK ? is_table_length(info.record_length) : info.record_length == 0,
              "the table's length stands at the end of the window");
    } else if (bytes[stop] == '\r' || bytes[stop] == '\n') {
        const char other = bytes[stop] == '\r' ? '\n' : '\r';
        const bool pair = stop + 1 < window && bytes[stop + 1] == static_cast<unsigned char>(other);
        check(first == static_cast<char>(bytes[stop]) && second == (pair ? other : 0), "terminator bytes");
        check(length == stop + (pair ? 2 : 1), "record_length counts the terminator");
        check(code != NAACCR_REC_ILLEGAL_CHAR, "no illegal byte before the terminator");
    } else if (bytes[stop] == 0 && file_size == 0) {
        check(first == 0 && length == stop && code != NAACCR_REC_ILLEGAL_CHAR, "a NUL ends a record in memory");
    } else {
        check(code == NAACCR_REC_ILLEGAL_CHAR && first == 0 && second == 0 && length == stop, "illegal byte");
        char expected[100];
        snprintf(expected, sizeof expected, "Illegal character, ASCII %d, found at column %d", bytes[stop],
                 static_cast<int>(stop + 1));
        check(strcmp(info.message, expected) == 0, "illegal-character message");
    }
    free(bytes);
}

// The input's last bytes moved to just before and across column 23000, after
// the input itself and a printable filler.
void fuzz_window_end(const unsigned char *data, size_t size)
{
    if (size < 2)
        return;
    const size_t tail = size < 16 ? size : 16;
    const size_t tail_column = window_size - 14 + data[size - 1] % 24;
    if (size >= tail_column)
        return;
    unsigned char *big = static_cast<unsigned char *>(malloc(tail_column - 1 + tail));
    if (big == nullptr)
        return;
    memcpy(big, data, size);
    memset(big + size, 'x', tail_column - 1 - size);
    memcpy(big + tail_column - 1, data + size - tail, tail);
    fuzz_recognizer(big, tail_column - 1 + tail, 0);
    fuzz_recognizer(big, tail_column - 1 + tail, 100000);
    free(big);
}

const size_t FILE_PATH_CAPACITY = 64;

// Writes the input to `file_path` and holds inspection of that file to the recognizer's findings.
void inspect_input_file(const char *file_path, const unsigned char *data, size_t size)
{
    FILE *file = fopen(file_path, "wb");
    check(file != nullptr, "the input file can be written");
    check(fwrite(data, 1, size, file) == size && fclose(file) == 0, "the input file is written");

    NaaccrFileInfo info;
    memset(&info, 0x5a, sizeof info);
    snprintf(info.directory, sizeof info.directory, "%s", file_path);
    const int32_t code = cvGet_naaccr_file_info(&info);

    check(nul_terminated(info.message, sizeof info.message) && info.message[0] != '\0', "a message");
    char joined[FILE_PATH_CAPACITY];
    snprintf(joined, sizeof joined, "%s%s%s", info.directory, info.file_name, info.extension);
    check(strcmp(joined, file_path) == 0 && strcmp(info.extension, ".txt") == 0, "the path is split and rejoined");
    check(code != NAACCR_REC_OPEN_FAILED && code != NAACCR_REC_NO_MEMORY, "a regular file is read");
    check(info.file_size == static_cast<int64_t>(size), "file_size is the file's size");
    check((code == NAACCR_REC_EMPTY_FILE) == (size == 0), "empty exactly for an empty file");
    check((code == NAACCR_REC_TOO_SHORT) == (size > 0 && size < 850), "too short exactly below 850 bytes");
    check(info.record_count >= 0, "record_count is not negative");
    if (code == NAACCR_REC_EMPTY_FILE || code == NAACCR_REC_TOO_SHORT) {
        check(info.record_type == ' ' && info.version[0] == '\0' && info.record_length == 0 &&
                  info.first_terminator == 0 && info.record_count == 0,
              "reset values before recognition");
        return;
    }

    // The same bytes recognised directly give the same findings.
    NaaccrFileInfo direct;
    reset_naaccr_file_info(&direct);
    direct.file_size = static_cast<int64_t>(size);
    const size_t head = size < window_size ? size : window_size;
    const int32_t recognized = recognize_naaccr_record(reinterpret_cast<const char *>(data), head, &direct);
    // A first record longer than the window (the abstracts of version 180) ends past it: its terminator bytes, if
    // any, stand at the layout's length, and the byte after them is the second record's type.
    const bool past_window = recognized == NAACCR_REC_OK && direct.first_terminator == 0 && head == window_size &&
                             direct.record_length > static_cast<int32_t>(window_size);
    if (past_window) {
        const size_t end = static_cast<size_t>(direct.record_length);
        if (end < size && (data[end] == '\r' || data[end] == '\n')) {
            const unsigned char other = data[end] == '\r' ? '\n' : '\r';
            direct.first_terminator = static_cast<char>(data[end]);
            direct.record_length += 1;
            if (end + 1 < size && data[end + 1] == other) {
                direct.second_terminator = static_cast<char>(other);
                direct.record_length += 1;
            }
        }
    }
    check(info.record_type == direct.record_type && memcmp(info.version, direct.version, 4) == 0 &&
              info.first_terminator == direct.first_terminator && info.second_terminator == direct.second_terminator &&
              info.record_length == direct.record_length,
          "inspection reports the recognizer's findings");
    if (recognized != NAACCR_REC_OK) {
        check(code == recognized && strcmp(info.message, direct.message) == 0 && info.record_count == 0,
              "a recognizer failure ends the inspection");
        return;
    }

    const int64_t length = info.record_length, file_size = info.file_size;
    const int64_t nterm = naaccr_terminator_count(&info);
    check(length >= 1, "a recognised record has a length");
    switch (code) {
    case NAACCR_REC_OK:
    case NAACCR_REC_MIXED_TYPES:
        check(file_size % length == 0 && info.record_count == file_size / length, "whole records");
        check((code == NAACCR_REC_MIXED_TYPES) ==
                  (file_size != length &&
                   (length < static_cast<int64_t>(head) || (past_window && length < static_cast<int64_t>(size))) &&
                   data[length] != data[0]),
              "mixed types exactly when the second record's type differs");
        break;
    case NAACCR_REC_STRAY_CTRL_Z:
        check((file_size - 1) % length == 0 && data[size - 1] == 26 && info.record_count == file_size / length,
              "a stray Ctrl-Z follows whole records");
        break;
    case NAACCR_REC_TERMINATOR_OMITTED:
        check(nterm != 0 && (file_size + nterm) % length == 0 && info.record_count == file_size / length + 1,
              "the last record lacks its terminator");
        break;
    case NAACCR_REC_UNEVEN_LENGTH:
        check(file_size % length != 0 && info.record_count == file_size / length, "uneven length");
        break;
    default:
        check(false, "inspection code");
    }
}

void fuzz_inspection(const unsigned char *data, size_t size)
{
    // One file per process, removed after each input (a failed check aborts and leaves it for a look).
    char file_path[FILE_PATH_CAPACITY];
    snprintf(file_path, sizeof file_path, "/tmp/recognition_fuzzer-%ld.txt", static_cast<long>(getpid()));
    inspect_input_file(file_path, data, size);
    remove(file_path);
}

// The input as a path below a folder that does not exist, after up to three
// leading bytes from 1 to 32 taken from the input.
void fuzz_path(const unsigned char *data, size_t size)
{
    NaaccrFileInfo info;
    memset(&info, 0x5a, sizeof info);
    size_t n = 0;
    size_t k = 0;
    for (; k < size && k < 3 && data[k] >= 1 && data[k] <= 32; ++k)
        info.directory[n++] = static_cast<char>(data[k]);
    const char folder[] = "/no-such-folder-of-recognition-fuzzer/";
    memcpy(info.directory + n, folder, sizeof folder - 1);
    n += sizeof folder - 1;
    for (; k < size && n < sizeof info.directory; ++k)
        if (data[k] != 0)
            info.directory[n++] = static_cast<char>(data[k]);
    if (n < sizeof info.directory)
        info.directory[n] = '\0';
    char given[sizeof info.directory];
    memcpy(given, info.directory, sizeof given);
    given[sizeof given - 1] = '\0';

    const int32_t code = cvGet_naaccr_file_info(&info);
    check(code == NAACCR_REC_OPEN_FAILED, "nothing below a missing folder opens");
    check(nul_terminated(info.message, sizeof info.message), "message is NUL-terminated");
    check(strncmp(info.message, "Can't open file ", 16) == 0, "open-failure message");
    check(nul_terminated(info.directory, sizeof info.directory) && nul_terminated(info.file_name, 1024) &&
              nul_terminated(info.extension, sizeof info.extension),
          "the parts are NUL-terminated");
    check(strchr(info.file_name, '/') == nullptr && strchr(info.extension, '/') == nullptr,
          "name and extension hold no separator");
    check(info.extension[0] == '\0' || (info.extension[0] == '.' && strchr(info.extension + 1, '.') == nullptr),
          "the extension starts at the last dot");
    const char *dot = strrchr(info.file_name, '.');
    check(dot == nullptr || info.extension[0] != '\0' || strlen(dot) >= sizeof info.extension,
          "without an extension the name holds no dot, unless the extension would not fit");
    const size_t directory_length = strlen(info.directory);
    check(directory_length == 0 || info.directory[directory_length - 1] == '/', "directory ends with a separator");
    const char *start = given;
    while (*start != '\0' && static_cast<unsigned char>(*start) <= ' ')
        ++start;
    char joined[3 * sizeof info.directory];
    snprintf(joined, sizeof joined, "%s%s%s", info.directory, info.file_name, info.extension);
    check(strcmp(joined, start) == 0, "the parts join to the path without its leading bytes");
    check(info.file_size == 0 && info.record_length == 0 && info.record_count == 0 && info.record_type == ' ',
          "reset values after a failed open");
}

// A file of whole records built from the input, so that inspection gets past
// recognition often: type, version columns, width, terminator, count and the
// file's end are chosen by the first eight bytes; the rest overwrites the first
// record from column 20 on.
void fuzz_records(const unsigned char *data, size_t size)
{
    if (size < 8)
        return;
    static const char *const versions[] = {"120", "121", "122", "130", "140", "150", "160", "180",
                                           "170", "123", "  A", "  B", "  5", "  9", "   "};
    const size_t version_count = sizeof versions / sizeof versions[0];
    static const char column_536[] = {' ', '1', '4', '5'};
    static const char *const terminators[] = {"\r\n", "\n\r", "\r", "\n", ""};
    const char type = "ACIMRUx"[data[0] % 7];
    // Now and then records of their layout's full length, which for the
    // abstracts of version 180 end past the inspection's window.
    const char *version = versions[data[1] % version_count];
    const NaaccrLayout *layout = find_naaccr_layout(type, version);
    const size_t width = (data[4] & 0x80) != 0 && layout != nullptr ? static_cast<size_t>(layout->length)
                                                                    : 850 + (data[3] | data[4] << 8) % 2000;
    const std::string terminator = terminators[data[5] % 5];
    const int count = 1 + data[6] % 4;

    std::string one(width, ' ');
    one[0] = type;
    one.replace(16, 3, version);
    if (type == 'U')
        one.replace(1, 3, version);
    one[535] = column_536[data[2] % 4];
    std::string file;
    for (int k = 0; k < count; ++k)
        file += one + terminator;
    const size_t overlay = size - 8 < width - 19 ? size - 8 : width - 19;
    file.replace(19, overlay, reinterpret_cast<const char *>(data + 8), overlay);
    switch (data[7] % 5) {
    case 1:
        file.resize(file.size() - terminator.size());
        break;
    case 2:
        file += '\x1a';
        break;
    case 3:
        file += 'x';
        break;
    case 4:
        if (count > 1)
            file[one.size() + terminator.size()] = 'C';
        break;
    }
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(file.data());
    fuzz_recognizer(bytes, file.size(), static_cast<int64_t>(file.size()));
    fuzz_inspection(bytes, file.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_recognizer(data, size, 0);
    fuzz_recognizer(data, size, static_cast<int64_t>(size) + 1);
    fuzz_window_end(data, size);
    fuzz_inspection(data, size);
    fuzz_path(data, size);
    fuzz_records(data, size);
    return 0;
}
