// file_info_command.cpp -- `cvnaaccr inspect [--json] FILE...`: what the library
// finds out about each file, as text or as one JSON object per file.
#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "code_names.h"
#include "commands.h"
#include "file_hint.h"
#include "cvnaaccr.h"

namespace
{

const char *version_text(const NaaccrFileInfo &info)
{
    if (info.version[0] == 'A')
        return "10 (A)";
    if (info.version[0] == 'B')
        return "11 (B)";
    return info.version;
}

const char *terminator_name(char c) { return c == '\r' ? "<cr>" : c == '\n' ? "<lf>" : ""; }

// A byte as it reads in a one-line report: printable as is, anything else as <n>.
void print_byte(FILE *out, unsigned char c)
{
    if (c >= 32 && c <= 126)
        fputc(c, out);
    else
        fprintf(out, "<%d>", c);
}

void print_text(FILE *out, const char *text)
{
    for (; *text != '\0'; ++text)
        print_byte(out, static_cast<unsigned char>(*text));
}

// The record length as NAACCR layouts document it: without terminators.
int32_t documented_length(const NaaccrFileInfo &info)
{
    if (info.record_length <= 0)
        return info.record_length;
    return info.record_length - (info.first_terminator != 0) - (info.second_terminator != 0);
}

void print_report(FILE *out, const NaaccrFileInfo &info, int32_t code, const char *hint)
{
    fputs("path:           ", out);
    print_text(out, info.directory);
    print_text(out, info.file_name);
    print_text(out, info.extension);
    fputs("\nrecord type:    ", out);
    print_byte(out, static_cast<unsigned char>(info.record_type));
    fputs("\nversion:        ", out);
    print_text(out, version_text(info));
    const char *first = terminator_name(info.first_terminator), *second = terminator_name(info.second_terminator);
    if (*first != '\0')
        fprintf(out, "\nrecord length:  %" PRId32 " + %s%s = %" PRId32 "\n", documented_length(info), first, second,
                info.record_length);
    else
        fprintf(out, "\nrecord length:  %" PRId32 "\n", info.record_length);
    fprintf(out, "terminators:    %s%s%s\n", first, second, *first == '\0' ? "none" : "");
    fprintf(out, "file size:      %" PRId64 "\n", info.file_size);
    fprintf(out, "record count:   %" PRId32 "\n", info.record_count);
    fprintf(out, "result:         %s (%" PRId32 ")\n", naaccr_code_name(code), code);
    fputs("message:        ", out);
    print_text(out, info.message);
    fputs("\n", out);
    if (hint[0] != '\0')
        fprintf(out, "hint:           %s\n", hint);
}

// A JSON string; bytes above 127 are taken as Latin-1 characters, so the
// output is valid UTF-8 whatever the file name holds.
void print_json_string(FILE *out, const char *text, size_t length)
{
    fputc('"', out);
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\')
            fprintf(out, "\\%c", c);
        else if (c >= 32 && c <= 126)
            fputc(c, out);
        else
            fprintf(out, "\\u%04x", c);
    }
    fputc('"', out);
}

void print_json_field(FILE *out, const char *name, const char *text)
{
    fprintf(out, "\"%s\":", name);
    print_json_string(out, text, strlen(text));
    fputc(',', out);
}

void print_json(FILE *out, const NaaccrFileInfo &info, int32_t code, const char *hint)
{
    fputc('{', out);
    print_json_field(out, "directory", info.directory);
    print_json_field(out, "file_name", info.file_name);
    print_json_field(out, "extension", info.extension);
    fputs("\"record_type\":", out);
    print_json_string(out, &info.record_type, 1);
    fputc(',', out);
    print_json_field(out, "version", info.version);
    fprintf(out,
            "\"first_terminator\":%d,\"second_terminator\":%d,\"record_length\":%" PRId32 ",\"record_count\":%" PRId32
            ",\"file_size\":%" PRId64 ",",
            static_cast<unsigned char>(info.first_terminator), static_cast<unsigned char>(info.second_terminator),
            info.record_length, info.record_count, info.file_size);
    fprintf(out, "\"record_length_without_terminators\":%" PRId32 ",", documented_length(info));
    print_json_field(out, "message", info.message);
    fprintf(out, "\"code\":%" PRId32 ",\"code_name\":\"%s\",\"hint\":", code, naaccr_code_name(code));
    if (hint[0] != '\0')
        print_json_string(out, hint, strlen(hint));
    else
        fputs("null", out);
    fputs("}\n", out);
}

} // namespace

int inspect_command(int argc, char **argv)
{
    bool json = false;
    int first_file = 1;
    for (; first_file < argc && argv[first_file][0] == '-' && argv[first_file][1] != '\0'; ++first_file) {
        if (strcmp(argv[first_file], "--") == 0) {
            ++first_file;
            break;
        }
        if (strcmp(argv[first_file], "--json") != 0) {
            fprintf(stderr, "cvnaaccr inspect: unknown option %s\n", argv[first_file]);
            return 2;
        }
        json = true;
    }
    if (first_file >= argc) {
        fputs("Usage: cvnaaccr inspect [--json] FILE...\n", stderr);
        return 2;
    }

    int status = 0;
    for (int i = first_file; i < argc; ++i) {
        NaaccrFileInfo info;
        memset(&info, 0, sizeof info);
        snprintf(info.directory, sizeof info.directory, "%s", argv[i]);
        const int32_t code = cvGet_naaccr_file_info(&info);
        char hint[256];
        file_hint(argv[i], info, code, hint, sizeof hint);
        if (json) {
            print_json(stdout, info, code, hint);
        } else {
            if (i > first_file)
                fputs("\n", stdout);
            print_report(stdout, info, code, hint);
        }
        if (code > 0)
            status = 1;
    }
    return status;
}
