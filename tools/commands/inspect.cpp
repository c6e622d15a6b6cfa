// inspect.cpp -- `cvnaaccr inspect [--json] FILE...`: what each file
// is (inspect_input.cpp: the library's inspection, or a NAACCR XML root, of the
// data or its decompressed bytes), as text or as one JSON object per file.
#include "commands/commands.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

const char *terminator_name(char c) { return c == '\r' ? "<cr>" : c == '\n' ? "<lf>" : ""; }

// The record length as NAACCR layouts document it: without terminators.
int32_t documented_length(const NaaccrFileInfo &info)
{
    if (info.record_length <= 0)
        return info.record_length;
    return info.record_length - (info.first_terminator != 0) - (info.second_terminator != 0);
}

// False when the file could not be opened, so what it is stays unknown.
bool format_known(const Inspection &in)
{
    return in.xml || (in.code != NAACCR_REC_OPEN_FAILED && in.code != NAACCR_REC_NO_MEMORY);
}

void print_report(FILE *out, const Inspection &in)
{
    const NaaccrFileInfo &info = in.info;
    fputs("path:           ", out);
    print_text(out, info.directory);
    print_text(out, info.file_name);
    print_text(out, info.extension);
    if (format_known(in))
        fprintf(out, "\nformat:         %s%s", in.xml ? "NAACCR XML" : "fixed-length records",
                in.compressed ? ", gzip-compressed" : "");
    fputs("\nrecord type:    ", out);
    fputs(printable_bytes(&info.record_type, 1).c_str(), out);
    fputs("\nversion:        ", out);
    print_text(out, version_code_text(info.version));
    fputs("\n", out);
    // NAACCR XML has no records of a length.
    if (!in.xml) {
        const char *first = terminator_name(info.first_terminator), *second = terminator_name(info.second_terminator);
        if (*first != '\0')
            fprintf(out, "record length:  %" PRId32 " + %s%s = %" PRId32 "\n", documented_length(info), first, second,
                    info.record_length);
        else
            fprintf(out, "record length:  %" PRId32 "\n", info.record_length);
        fprintf(out, "terminators:    %s%s%s\n", first, second, *first == '\0' ? "none" : "");
    }
    fprintf(out, "file size:      %" PRId64 "%s\n", info.file_size, in.compressed ? " (decompressed)" : "");
    if (!in.xml)
        fprintf(out, "record count:   %" PRId32 "\n", info.record_count);
    fprintf(out, "result:         %s (%" PRId32 ")\n", naaccr_code_name(in.code), in.code);
    fputs("message:        ", out);
    print_text(out, info.message);
    fputs("\n", out);
    if (in.hint[0] != '\0')
        fprintf(out, "hint:           %s\n", in.hint);
}

void print_json_field(FILE *out, const char *name, const char *text)
{
    fprintf(out, "\"%s\":", name);
    print_json_string(out, text);
    fputc(',', out);
}

void print_json(FILE *out, const char *path, const Inspection &in)
{
    const NaaccrFileInfo &info = in.info;
    fputs("{\"path\":", out);
    print_json_string(out, path);
    fputc(',', out);
    print_json_field(out, "directory", info.directory);
    print_json_field(out, "file_name", info.file_name);
    print_json_field(out, "extension", info.extension);
    fputs("\"record_type\":", out);
    fputs(json_string(&info.record_type, 1).c_str(), out);
    fputc(',', out);
    print_json_field(out, "version", info.version);
    // NAACCR XML has no records of a length: their fields are null.
    if (in.xml)
        fprintf(out,
                "\"first_terminator\":null,\"second_terminator\":null,\"record_length\":null,"
                "\"record_count\":null,\"file_size\":%" PRId64 ",\"record_length_without_terminators\":null,",
                info.file_size);
    else
        fprintf(out,
                "\"first_terminator\":%d,\"second_terminator\":%d,\"record_length\":%" PRId32
                ",\"record_count\":%" PRId32 ",\"file_size\":%" PRId64 ",\"record_length_without_terminators\":%" PRId32
                ",",
                static_cast<unsigned char>(info.first_terminator), static_cast<unsigned char>(info.second_terminator),
                info.record_length, info.record_count, info.file_size, documented_length(info));
    print_json_field(out, "message", info.message);
    fprintf(out, "\"code\":%" PRId32 ",\"code_name\":\"%s\",\"hint\":", in.code, naaccr_code_name(in.code));
    if (in.hint[0] != '\0')
        print_json_string(out, in.hint);
    else
        fputs("null", out);
    fprintf(out, ",\"format\":%s,\"compressed\":%s}\n",
            !format_known(in) ? "null"
            : in.xml          ? "\"xml\""
                              : "\"flat\"",
            in.compressed ? "true" : "false");
}

// The text that inspection is given for `path`.  The library skips bytes 1
// to 32 at the front of a path (blanks pasted with a name), so a relative
// path that starts with one is given as "./" and the path: the file named is
// the file inspected.  False when the result does not fit the library's 1023
// characters.
bool inspection_path(const char *path, char *directory, size_t capacity)
{
    const unsigned char first = static_cast<unsigned char>(path[0]);
    const char *prefix = first >= 1 && first <= 32 ? "./" : "";
    const int n = snprintf(directory, capacity, "%s%s", prefix, path);
    return n >= 0 && static_cast<size_t>(n) < capacity;
}

// Inspects one file and writes its report (after a blank line when *printed
// says a report came before); returns its exit status.
int inspect_one(const char *path, bool json, bool *printed)
{
    if (strcmp(path, "-") == 0) {
        fputs("cvnaaccr inspect: -: inspection needs a file, not standard input; 'cvnaaccr check -' reads it\n",
              stderr);
        return 2;
    }
    Inspection in;
    if (!inspection_path(path, in.info.directory, sizeof in.info.directory)) {
        fputs("cvnaaccr inspect: ", stderr);
        print_text(stderr, path);
        fprintf(stderr, ": path too long (inspection takes at most %d characters)\n",
                static_cast<int>(sizeof in.info.directory) - 1);
        return 2;
    }
    char error[512];
    const int32_t read = inspect_input(path, &in, error, sizeof error);
    if (read != NAACCR_REC_OK) {
        fflush(stdout); // the reports before it stay before it where both streams meet
        fputs("cvnaaccr inspect: ", stderr);
        print_text(stderr, path);
        fprintf(stderr, ": cannot be read: %s\n", error[0] != '\0' ? error : "out of memory");
        return 2;
    }
    if (json) {
        print_json(stdout, path, in);
    } else {
        if (*printed)
            fputs("\n", stdout);
        print_report(stdout, in);
    }
    *printed = true;
    if (in.code == NAACCR_REC_OPEN_FAILED || in.code == NAACCR_REC_NO_MEMORY)
        return 2;
    return in.code > 0 ? 1 : 0;
}

} // namespace

int inspect_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("inspect", argc, argv, accept_json, &line) != 0)
        return 2;
    if (line.help)
        return print_help("inspect");
    if (line.files.empty())
        return usage_error("inspect");
    int status = 0;
    bool printed = false;
    for (const char *path : line.files) {
        const int one = inspect_one(path, line.json, &printed);
        status = one > status ? one : status;
    }
    return finish_output("cvnaaccr inspect") ? status : 2;
}
