// xml_encoding.cpp -- what makes a file NAACCR XML rather than flat records,
// and the one encoding expat does not know that registries use: windows-1252.
#include <string.h>

#include "xml/xml.h"
#include "xml/xml_state.h"

namespace
{

// windows-1252 bytes 0x80 to 0x9F; -1 for the five it leaves undefined,
// which expat then reports as not well-formed.
const int cp1252_high[32] = {0x20AC, -1,     0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, -1,     0x017D, -1,     -1,     0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, -1,     0x017E, 0x0178};

bool same_name(const char *a, const char *b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        const char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a + 32) : *a;
        if (x != *b)
            return false;
    }
    return *a == *b;
}

bool is_white(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

bool looks_like_xml(const unsigned char *head, size_t n)
{
    size_t at = 0, step = 1;
    int low = 0; // which byte of a UTF-16 unit holds the character
    if (n >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
        at = 3;
    } else if (n >= 2 && head[0] == 0xFF && head[1] == 0xFE) {
        at = 2, step = 2;
    } else if (n >= 2 && head[0] == 0xFE && head[1] == 0xFF) {
        at = 2, step = 2, low = 1;
    } else if (n >= 2 && (head[0] == 0) != (head[1] == 0)) {
        step = 2, low = head[0] == 0 ? 1 : 0; // UTF-16 without its mark
    }
    for (; at + step <= n; at += step) {
        const unsigned char c = head[at + low];
        if (step == 2 && head[at + 1 - low] != 0)
            return false;
        if (c == '<')
            return true;
        if (!is_white(c))
            return false;
    }
    return false;
}

int XMLCALL xml_unknown_encoding(void *data, const XML_Char *name, XML_Encoding *info)
{
    XmlCheck *check = static_cast<XmlCheck *>(data);
    if (same_name(name, "windows-1252") || same_name(name, "cp1252")) {
        for (int byte = 0; byte < 256; ++byte)
            info->map[byte] = byte >= 0x80 && byte < 0xA0 ? cp1252_high[byte - 0x80] : byte;
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
        return XML_STATUS_OK;
    }
    check->encoding_refused = true;
    report_xmlf(check, NAACCR_CHECK_XML_ENCODING, current_place(check), nullptr,
                "the file's encoding %.40s is not one read here (UTF-8, UTF-16, ISO-8859-1, US-ASCII, windows-1252)",
                name);
    return XML_STATUS_ERROR;
}
