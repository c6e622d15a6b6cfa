// xml_encoding.cpp -- the one encoding expat does not know that registries
// use: windows-1252.
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

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
            // The five bytes it leaves undefined (-1) expat reports as not well-formed.
            info->map[byte] =
                byte >= 0x80 ? code_point_of_byte(static_cast<unsigned char>(byte), BYTES_WINDOWS_1252) : byte;
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
