// inspect_input.cpp -- one file inspected for `cvnaaccr inspect`: NAACCR XML
// by its root, fixed-length records by the library's inspection, gzip data
// decompressed first.
#include "commands/commands.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "text/text.h"

namespace
{

// The library's inspection reads no more than the first
// NAACCR_RECORD_BUFFER_SIZE bytes, three bytes at the layout's length of a
// first record that runs past them (24194 at most), and the last byte (its
// contract in cvnaaccr.h).  So what is kept of decompressed data is its head,
// its size and its last byte: a copy that holds them, with a hole between,
// is inspected exactly as the whole data would be.  The head is also where a
// NAACCR XML root is looked for, past any long comment before it.
const size_t kept_head = 1u << 16;
static_assert(kept_head >= 2 * NAACCR_RECORD_BUFFER_SIZE, "the head holds every byte inspection reads but the last");

struct Kept {
    unsigned char *head; // kept_head bytes
    size_t length;       // of them, filled
    uint64_t size;       // bytes in all
    unsigned char last;  // the last byte, when size > 0
};

struct InspectCall {
    Inspection *inspection;
    char *error;
    size_t capacity;
};

// The first problem of the file's form or root: why the root gives no version.
struct RootCheck {
    bool found;
    char why[640];
};

int32_t CV_CALL note_root_problem(void *context, const NaaccrItemProblem *problem)
{
    RootCheck &r = *static_cast<RootCheck *>(context);
    if (!r.found && problem->code >= NAACCR_CHECK_XML_MALFORMED && problem->code <= NAACCR_CHECK_XML_TOKEN_TOO_LONG) {
        snprintf(r.why, sizeof r.why, "line %llu, column %d: %s", static_cast<unsigned long long>(problem->line),
                 static_cast<int>(problem->column), problem->message);
        r.found = true;
    }
    return 0;
}

// The first tumour's record type: the root's, or the file's recordType item
// when the root has none, as the library's reader takes it.
int32_t CV_CALL note_tumor(void *context, const NaaccrTumorView *tumor)
{
    *static_cast<char *>(context) = tumor->record_type;
    return 1;
}

// Fills the inspection from the root of NAACCR XML that starts with the `n`
// bytes at `head`, as the library's XML check (and reader) read it.
void describe_xml(const unsigned char *head, size_t n, Inspection *in)
{
    RootCheck root;
    root.found = false;
    NaaccrItemCheckOptions options = make_check_options(NAACCR_CHECK_ITEMS, 1, &root);
    options.on_item_problem = note_root_problem;
    NaaccrItemCheckSummary summary;
    BytesStream stream = {head, n};
    cvCheckNaaccrStreamEx(read_bytes, &stream, &options, &summary);
    char type = summary.records.record_type;
    if (summary.version != 0 && !is_record_type(type)) {
        const NaaccrReadOptions read = make_read_options(note_tumor, &type);
        NaaccrItemCheckSummary unused;
        BytesStream again = {head, n};
        cvReadNaaccrStream(read_bytes, &again, &read, &unused);
    }
    NaaccrFileInfo &info = in->info;
    in->xml = true;
    info.record_type = is_record_type(type) ? type : ' ';
    info.first_terminator = info.second_terminator = 0;
    info.record_length = info.record_count = 0;
    if (summary.version == 0) {
        info.version[0] = '\0';
        in->code = NAACCR_REC_BAD_VERSION;
        snprintf(info.message, sizeof info.message, "NAACCR XML whose root gives no version%s%s",
                 root.found ? ": " : "", root.found ? root.why : "");
    } else if (!is_record_type(type)) {
        snprintf(info.version, sizeof info.version, "%d", static_cast<int>(summary.version));
        in->code = NAACCR_REC_BAD_TYPE;
        snprintf(info.message, sizeof info.message,
                 "NAACCR XML, version %d, without a record type: the root gives no recordType of A, M, C or I, "
                 "and no recordType item gives one to a tumour in the file's first 64 KiB",
                 static_cast<int>(summary.version));
    } else {
        snprintf(info.version, sizeof info.version, "%d", static_cast<int>(summary.version));
        in->code = NAACCR_REC_OK;
        snprintf(info.message, sizeof info.message, "NAACCR XML, version %d, record type %c",
                 static_cast<int>(summary.version), type);
    }
}

// `text` with the first `from` in it replaced by `to`, cut to `capacity`.
void replace_once(char *text, size_t capacity, const char *from, const char *to)
{
    const char *at = from[0] != '\0' ? strstr(text, from) : nullptr;
    if (at == nullptr)
        return;
    char joined[sizeof(NaaccrFileInfo::message)];
    snprintf(joined, sizeof joined, "%.*s%s%s", static_cast<int>(at - text), text, to, at + strlen(from));
    snprintf(text, capacity, "%s", joined);
}

// Inspects decompressed data through a private copy of what was kept of it;
// false, with the reason in `error`, when the copy cannot be made.
bool inspect_copy(const Kept &kept, Inspection *in, char *error, size_t capacity)
{
    OutputFile copy;
    char reason[512];
    if (!create_private_file(&copy, reason, sizeof reason)) {
        snprintf(error, capacity, "cannot inspect its decompressed data: %s", reason);
        return false;
    }
    bool written = write_output(&copy, kept.head, kept.length);
    if (written && kept.size > kept.length)
        written = seek_output(&copy, kept.size - 1) && write_output(&copy, &kept.last, 1);
    written = close_output(&copy) && written;
    NaaccrFileInfo found;
    const size_t length = strlen(copy.temporary);
    if (!written || length >= sizeof found.directory) {
        discard_output(&copy);
        snprintf(error, capacity, "cannot inspect its decompressed data: a temporary copy cannot be written");
        return false;
    }
    memcpy(found.directory, copy.temporary, length + 1);
    in->code = cvGet_naaccr_file_info(&found);
    discard_output(&copy);
    // Everything but the path parts is the copy's; its messages name the file given.
    NaaccrFileInfo &info = in->info;
    info.record_type = found.record_type;
    memcpy(info.version, found.version, sizeof info.version);
    info.first_terminator = found.first_terminator;
    info.second_terminator = found.second_terminator;
    info.record_length = found.record_length;
    info.record_count = found.record_count;
    info.file_size = found.file_size;
    char given[sizeof info.directory + sizeof info.file_name + sizeof info.extension];
    char copy_name[sizeof found.file_name + sizeof found.extension];
    snprintf(given, sizeof given, "%s%s%s", info.directory, info.file_name, info.extension);
    snprintf(copy_name, sizeof copy_name, "%s%s", found.file_name, found.extension);
    replace_once(found.message, sizeof found.message, copy.temporary, given);
    replace_once(found.message, sizeof found.message, copy_name, given + strlen(info.directory));
    memcpy(info.message, found.message, sizeof info.message);
    return true;
}

int32_t inspect_file(const char *path, const unsigned char *head, size_t n, void *context)
{
    Inspection *in = static_cast<InspectCall *>(context)->inspection;
    in->code = cvGet_naaccr_file_info(&in->info);
    if (head == nullptr || !input_is_xml(head, n)) {
        file_hint(head, n, in->info, in->code, in->hint, sizeof in->hint);
        return NAACCR_REC_OK;
    }
    unsigned char *more = static_cast<unsigned char *>(malloc(kept_head));
    if (more == nullptr)
        return NAACCR_REC_NO_MEMORY;
    size_t got = 0;
    FILE *file = fopen(path, "rb");
    if (file != nullptr) {
        got = fread(more, 1, kept_head, file);
        fclose(file);
    }
    describe_xml(more, got, in);
    free(more);
    return NAACCR_REC_OK;
}

// Decompressed data, read to its end: its size is the file size inspected.
int32_t inspect_stream(NaaccrReadCallback read, void *stream, void *context)
{
    InspectCall &call = *static_cast<InspectCall *>(context);
    Kept kept = {static_cast<unsigned char *>(malloc(2 * kept_head)), 0, 0, 0};
    if (kept.head == nullptr)
        return NAACCR_REC_NO_MEMORY;
    unsigned char *const scratch = kept.head + kept_head;
    for (;;) {
        unsigned char *to = kept.length < kept_head ? kept.head + kept.length : scratch;
        const size_t room = kept.length < kept_head ? kept_head - kept.length : kept_head;
        const int64_t n = read(stream, to, static_cast<uint32_t>(room));
        if (n < 0) {
            free(kept.head);
            return NAACCR_REC_READ_FAILED;
        }
        if (n == 0)
            break;
        if (to != scratch)
            kept.length += static_cast<size_t>(n);
        kept.size += static_cast<uint64_t>(n);
        kept.last = to[n - 1];
    }
    Inspection *in = call.inspection;
    in->compressed = true;
    in->code = cvGet_naaccr_file_info(&in->info); // the path parts
    int32_t code = NAACCR_REC_OK;
    if (input_is_xml(kept.head, kept.length < input_head_size ? kept.length : input_head_size)) {
        describe_xml(kept.head, kept.length, in);
        in->info.file_size = static_cast<int64_t>(kept.size);
    } else if (inspect_copy(kept, in, call.error, call.capacity)) {
        file_hint(kept.head, kept.length, in->info, in->code, in->hint, sizeof in->hint);
    } else {
        code = NAACCR_REC_READ_FAILED;
    }
    free(kept.head);
    return code;
}

} // namespace

int32_t inspect_input(const char *path, Inspection *inspection, char *error, size_t capacity)
{
    inspection->code = NAACCR_REC_OK;
    inspection->xml = inspection->compressed = false;
    inspection->hint[0] = '\0';
    InspectCall call = {inspection, error, capacity};
    const InputReader reader = {inspect_file, inspect_stream, &call};
    return read_input(path, &reader, error, capacity);
}
