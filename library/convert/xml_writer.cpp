// xml_writer.cpp -- tumours written as NAACCR XML: the root element with the
// file's items, a Patient element for each patient with its items, a Tumor
// element for each tumour.  Values are written as they were read, with the
// bytes XML gives a meaning escaped; those the reader took from a root's
// attributes stand in the attributes again, not as Items.
#include <string.h>

#include "convert/convert.h"

namespace
{

const char *const item_indents[3] = {"  ", "    ", "      "};

// Writes `value` as XML character data.
void put_escaped(OutputBuffer *out, const char *value, size_t n)
{
    size_t plain = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = value[i];
        const char *entity = c == '&'    ? "&amp;"
                             : c == '<'  ? "&lt;"
                             : c == '>'  ? "&gt;"
                             : c == '\r' ? "&#13;"
                             : c == '\t' ? "&#9;"
                                         : nullptr;
        if (entity == nullptr)
            continue;
        put_bytes(out, value + plain, i - plain);
        put_text(out, entity);
        plain = i + 1;
    }
    put_bytes(out, value + plain, n - plain);
}

void put_items(OutputBuffer *out, const NaaccrTumorView &view, int level)
{
    const NaaccrItemValue *values = view.items[level];
    for (uint32_t i = 0; i < view.counts[level]; ++i) {
        if ((values[i].flags & NAACCR_VALUE_FROM_ROOT) != 0)
            continue;
        put_text(out, item_indents[level]);
        put_text(out, "<Item naaccrId=\"");
        put_text(out, values[i].item->id);
        put_text(out, "\">");
        put_escaped(out, values[i].value, values[i].length);
        put_text(out, "</Item>\n");
    }
}

void put_root(OutputBuffer *out, const NaaccrDictionary &dictionary, const NaaccrTumorView &view)
{
    put_text(out, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<NaaccrData baseDictionaryUri=\"");
    put_text(out, dictionary.uri);
    if (dictionary.user_uri != nullptr) {
        put_text(out, "\" userDictionaryUri=\"");
        put_text(out, dictionary.user_uri);
    }
    const char type[2] = {view.record_type, '\0'};
    put_text(out, "\" recordType=\"");
    put_text(out, type);
    put_text(out, "\" specificationVersion=\"");
    put_text(out, dictionary.format_version);
    put_text(out, "\" xmlns=\"" NAACCR_XML_NAMESPACE "\">\n");
    put_items(out, view, NAACCR_LEVEL_ROOT);
}

} // namespace

int32_t write_xml_tumor(WriterContext *context, const NaaccrDictionary &dictionary, const NaaccrTumorView &view)
{
    OutputBuffer *out = &context->out;
    if (!context->started) {
        put_root(out, dictionary, view);
        context->started = true;
    }
    if (view.first_of_patient != 0 || !context->patient_open) {
        if (context->patient_open)
            put_text(out, "  </Patient>\n");
        put_text(out, "  <Patient>\n");
        put_items(out, view, NAACCR_LEVEL_PATIENT);
        context->patient_open = true;
    }
    put_text(out, "    <Tumor>\n");
    put_items(out, view, NAACCR_LEVEL_TUMOR);
    put_text(out, "    </Tumor>\n");
    ++context->written;
    return out->failed ? 1 : 0;
}

void finish_xml(WriterContext *context)
{
    if (context->patient_open)
        put_text(&context->out, "  </Patient>\n");
    if (context->started)
        put_text(&context->out, "</NaaccrData>\n");
    context->patient_open = false;
}
