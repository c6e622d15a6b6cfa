// text_output.cpp -- escaping for text lines and JSON strings, and the check
// that standard output was written.
#include "text/text.h"

#include "common/utf8.h"

#include <string.h>

namespace
{

// Appends `c` as <n>, its decimal value: how every byte that could drive a
// terminal is shown.
void append_number(std::string &out, unsigned char c)
{
    char number[8];
    snprintf(number, sizeof number, "<%d>", c);
    out += number;
}

} // namespace

std::string printable_text(const char *text, size_t length)
{
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length;) {
        const size_t n = utf8_character_length(s + i, length - i);
        if (n == 0 || utf8_is_control(s + i, n)) {
            append_number(out, s[i]);
            ++i;
            continue;
        }
        out.append(text + i, n);
        i += n;
    }
    return out;
}

void print_text(FILE *out, const char *text) { fputs(printable_text(text, strlen(text)).c_str(), out); }

std::string printable_bytes(const char *bytes, size_t length)
{
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 32 && c <= 126)
            out += static_cast<char>(c);
        else
            append_number(out, c);
    }
    return out;
}

std::string json_string(const char *text, size_t length)
{
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);
    std::string out = "\"";
    out.reserve(length + 2);
    char escape[8];
    for (size_t i = 0; i < length;) {
        const size_t n = utf8_character_length(s + i, length - i);
        if (n == 0) {
            snprintf(escape, sizeof escape, "\\udc%02x", s[i]);
            out += escape;
            ++i;
        } else if (s[i] == '"' || s[i] == '\\') {
            out += '\\';
            out += static_cast<char>(s[i]);
            ++i;
        } else if (s[i] < 32 || s[i] == 127) {
            snprintf(escape, sizeof escape, "\\u%04x", s[i]);
            out += escape;
            ++i;
        } else {
            out.append(text + i, n);
            i += n;
        }
    }
    out += '"';
    return out;
}

void print_json_string(FILE *out, const char *text) { fputs(json_string(text, strlen(text)).c_str(), out); }

const char *plural(uint64_t n) { return n == 1 ? "" : "s"; }

bool finish_output(const char *program)
{
    if (fflush(stdout) == 0 && ferror(stdout) == 0)
        return true;
    fprintf(stderr, "%s: write error on standard output\n", program);
    return false;
}

std::string csv_field(const std::string &text)
{
    std::string field = text;
    if (!field.empty() && field[0] != '\0' && strchr("=+-@\t\r", field[0]) != nullptr)
        field.insert(field.begin(), '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
