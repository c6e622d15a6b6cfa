// xml_encoding.cpp -- the one encoding expat does not know that registries
// use: windows-1252.
#include <string.h>

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

} // namespace

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
    check->encoding.refused = true;
    report_xmlf(check, NAACCR_CHECK_XML_ENCODING, current_place(check), nullptr,
                "the file's encoding %.40s is not one read here (UTF-8, UTF-16, ISO-8859-1, US-ASCII, windows-1252)",
                name);
    return XML_STATUS_ERROR;
}
