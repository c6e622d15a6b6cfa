// xml_check_speed.cpp -- xml_check_speed MODE FILE [THREADS]: reads a NAACCR
// XML file through the library's XML check, or through expat alone with the
// same block size and the same handlers set but empty, so that
// tools/benchmarks/xml_check_speed.sh can time one against the other.  MODE:
// bare (expat alone), expat (the check, expat reading every byte), fast (the
// check, the fast path reading the body), pieces (the check in pieces on
// THREADS workers, the fast path reading them), pieces-expat (the same,
// expat reading them).
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <expat.h>

#include "xml/xml.h"

namespace
{

const int block = 256 << 10; // the check's own block size

int64_t CV_CALL read_file(void *stream, void *buffer, uint32_t size)
{
    FILE *file = static_cast<FILE *>(stream);
    const size_t n = fread(buffer, 1, size, file);
    return n == 0 && ferror(file) ? -1 : static_cast<int64_t>(n);
}

void XMLCALL no_start(void *, const XML_Char *, const XML_Char **) {}
void XMLCALL no_end(void *, const XML_Char *) {}
void XMLCALL no_text(void *, const XML_Char *, int) {}
void XMLCALL no_comment(void *, const XML_Char *) {}
void XMLCALL no_instruction(void *, const XML_Char *, const XML_Char *) {}
void XMLCALL no_declaration(void *, const XML_Char *, const XML_Char *, int) {}
void XMLCALL no_cdata(void *) {}
void XMLCALL no_doctype(void *, const XML_Char *, const XML_Char *, const XML_Char *, int) {}

int bare_pass(FILE *file)
{
    XML_Parser parser = XML_ParserCreateNS(nullptr, '\n');
    XML_SetElementHandler(parser, no_start, no_end);
    XML_SetCharacterDataHandler(parser, no_text);
    XML_SetCommentHandler(parser, no_comment);
    XML_SetProcessingInstructionHandler(parser, no_instruction);
    XML_SetXmlDeclHandler(parser, no_declaration);
    XML_SetCdataSectionHandler(parser, no_cdata, no_cdata);
    XML_SetStartDoctypeDeclHandler(parser, no_doctype);
    int result = 0;
    for (;;) {
        void *buffer = XML_GetBuffer(parser, block);
        const size_t n = buffer != nullptr ? fread(buffer, 1, block, file) : 0;
        if (buffer == nullptr || XML_ParseBuffer(parser, static_cast<int>(n), n == 0) != XML_STATUS_OK) {
            result = buffer == nullptr || XML_GetErrorCode(parser) != XML_ERROR_NONE ? 1 : 0;
            break;
        }
        if (n == 0)
            break;
    }
    XML_ParserFree(parser);
    return result;
}

bool read_at(const void *context, int64_t offset, void *buffer, size_t n, size_t *got)
{
    FILE *file = static_cast<FILE *>(const_cast<void *>(context));
    // One reader at a time: the workers share the FILE.
    flockfile(file);
    const bool ok = fseeko(file, offset, SEEK_SET) == 0;
    *got = ok ? fread(buffer, 1, n, file) : 0;
    funlockfile(file);
    return ok && !ferror(file);
}

int check_pass(FILE *file, const char *mode, unsigned threads)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS;
    NaaccrItemCheckSummary summary;
    int32_t status;
    if (strncmp(mode, "pieces", 6) == 0) {
        fseeko(file, 0, SEEK_END);
        const XmlFile whole = {read_at, file, static_cast<int64_t>(ftello(file))};
        const XmlPieces pieces = {threads, xml_piece_size,
                                  strcmp(mode, "pieces") == 0 ? XML_PATH_FAST : XML_PATH_EXPAT};
        status = check_naaccr_xml_file(whole, nullptr, 0, options, &summary, pieces);
    } else {
        status = check_naaccr_xml_by(read_file, file, -1, nullptr, 0, options, &summary, nullptr,
                                     strcmp(mode, "fast") == 0 ? XML_PATH_FAST : XML_PATH_EXPAT);
    }
    printf("%llu patients, %llu tumours, %llu items, %llu problems\n",
           static_cast<unsigned long long>(summary.patients), static_cast<unsigned long long>(summary.tumors),
           static_cast<unsigned long long>(summary.items), static_cast<unsigned long long>(summary.records.problems));
    return status == NAACCR_REC_OK ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const char *const modes[] = {"bare", "expat", "fast", "pieces", "pieces-expat"};
    bool known = false;
    for (const char *mode : modes)
        known = known || (argc >= 3 && strcmp(argv[1], mode) == 0);
    if (!known || argc > 4) {
        fprintf(stderr, "usage: xml_check_speed bare|expat|fast|pieces|pieces-expat FILE [THREADS]\n");
        return 2;
    }
    const unsigned threads = argc == 4 ? static_cast<unsigned>(atoi(argv[3])) : 2;
    FILE *file = fopen(argv[2], "rb");
    if (file == nullptr) {
        perror(argv[2]);
        return 2;
    }
    const int result = strcmp(argv[1], "bare") == 0 ? bare_pass(file) : check_pass(file, argv[1], threads);
    fclose(file);
    return result;
}
