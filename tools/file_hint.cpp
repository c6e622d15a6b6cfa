// file_hint.cpp -- what a file that is no flat record file of a known layout
// seems to be, from its first bytes.
#include "file_hint.h"

#include <stdio.h>
#include <string.h>

#include "file_magic.h"

namespace
{

// The first byte that is neither a blank nor a line end, or -1.
int first_non_blank(const unsigned char *head, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (head[i] != ' ' && head[i] != '\t' && head[i] != '\r' && head[i] != '\n')
            return head[i];
    return -1;
}

// The version columns of the first record as a quoted, printable text.
void quote_columns(const char *bytes, size_t n, char *text, size_t capacity)
{
    size_t used = 0;
    text[used++] = '"';
    for (size_t i = 0; i < n && used + 6 < capacity; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        used += static_cast<size_t>(snprintf(text + used, capacity - used, c >= 32 && c <= 126 ? "%c" : "<%d>", c));
    }
    snprintf(text + used, capacity - used, "\"");
}

struct HeadStream {
    const unsigned char *bytes;
    size_t n;
};

int64_t CV_CALL read_head(void *stream, void *buffer, uint32_t size)
{
    HeadStream *head = static_cast<HeadStream *>(stream);
    const size_t take = head->n < size ? head->n : size;
    memcpy(buffer, head->bytes, take);
    head->bytes += take;
    head->n -= take;
    return static_cast<int64_t>(take);
}

// The root's version and record type, as the library's XML check reads them
// from the file's head (its problems, the cut end's among them, do not matter).
void xml_hint(const unsigned char *head, size_t n, char *hint, size_t capacity)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.threads = 1;
    NaaccrItemCheckSummary summary;
    HeadStream stream = {head, n};
    if (cvCheckNaaccrStreamEx(read_head, &stream, &options, &summary) != NAACCR_REC_OK ||
        summary.format != NAACCR_FORMAT_XML || summary.version == 0) {
        snprintf(hint, capacity, "a NAACCR XML data file, not a fixed-length record file; check it with `check`");
        return;
    }
    const char type = summary.records.record_type;
    if (type == 'A' || type == 'M' || type == 'C' || type == 'I')
        snprintf(hint, capacity, "NAACCR XML, version %d, record type %c; check it with `check`", summary.version,
                 type);
    else
        snprintf(hint, capacity, "NAACCR XML, version %d, without a valid record type; check it with `check`",
                 summary.version);
}

} // namespace

bool file_hint(const char *path, const NaaccrFileInfo &info, int32_t code, char *hint, size_t capacity)
{
    hint[0] = '\0';
    if (code <= 0 || code == NAACCR_REC_OPEN_FAILED || code == NAACCR_REC_EMPTY_FILE || code == NAACCR_REC_NO_MEMORY)
        return false;
    unsigned char head[4096];
    size_t n = 0;
    FILE *file = fopen(path, "rb");
    if (file != nullptr) {
        n = fread(head, 1, sizeof head, file);
        fclose(file);
    }
    const FileMagic magic = file_magic(head, n);
    const size_t bom = magic == MAGIC_UTF8_BOM ? 3 : 0;
    if (first_non_blank(head + bom, n - bom) == '<')
        xml_hint(head, n, hint, capacity);
    else if (magic == MAGIC_GZIP)
        snprintf(hint, capacity, "a gzip-compressed file");
    else if (magic == MAGIC_UTF8_BOM)
        snprintf(hint, capacity, "text that starts with a UTF-8 byte-order mark; record files have none");
    else if (magic == MAGIC_UTF16_BOM)
        snprintf(hint, capacity, "UTF-16 text (it starts with a byte-order mark), not single-byte records");
    else if (code == NAACCR_REC_BAD_VERSION) {
        const size_t first = info.record_type == 'U' ? 2 : 17;
        char columns[40];
        quote_columns(reinterpret_cast<const char *>(head) + first - 1, n >= first + 2 ? 3 : 0, columns,
                      sizeof columns);
        const int nterm = (info.first_terminator != 0) + (info.second_terminator != 0);
        if (info.record_length > 0)
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold %s; the first record is %d characters long", first,
                     first + 2, columns, info.record_length - nterm);
        else
            snprintf(hint, capacity,
                     "unknown version code: columns %zu to %zu hold %s; the first record has no terminator", first,
                     first + 2, columns);
    }
    return hint[0] != '\0';
}
