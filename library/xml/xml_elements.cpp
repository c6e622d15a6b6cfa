// xml_elements.cpp -- the element tree of a NAACCR XML file as expat reports
// it: NaaccrData > Patient > Tumor, each holding its Items, then extensions
// (elements of other namespaces, passed over whole), then its children.
#include <string.h>

#include "base/base.h"
#include "xml/xml_state.h"

namespace
{

// An expat name split at the separator: namespace (may be empty) and local name.
struct SplitName {
    const char *space;
    size_t space_length;
    const char *local;
};

SplitName split_name(const XML_Char *name)
{
    const char *cut = strchr(name, xml_name_separator);
    if (cut == nullptr)
        return {"", 0, name};
    return {name, static_cast<size_t>(cut - name), cut + 1};
}

bool in_naaccr_namespace(const XmlCheck *check, const SplitName &name)
{
    if (check->tree.no_namespace)
        return name.space_length == 0;
    return name.space_length == sizeof NAACCR_XML_NAMESPACE - 1 &&
           memcmp(name.space, NAACCR_XML_NAMESPACE, name.space_length) == 0;
}

void start_root(XmlCheck *check, const SplitName &name, const XML_Char **attributes)
{
    const XmlPlace place = current_place(check);
    if (strcmp(name.local, level_names[NAACCR_LEVEL_ROOT]) != 0) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, place, nullptr,
                    "the root element is %.64s, not NaaccrData: the file is not checked further", name.local);
        check->tree.skip_depth = 1;
        return;
    }
    if (name.space_length == 0) {
        // Read as NAACCR XML all the same, so one problem says it all.
        report_xmlf(check, NAACCR_CHECK_XML_ROOT, place, nullptr, "NaaccrData has no namespace; it should be %s",
                    NAACCR_XML_NAMESPACE);
        check->tree.no_namespace = true;
    } else if (!in_naaccr_namespace(check, name)) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, place, nullptr,
                    "the root element NaaccrData is of namespace %.*s, not %s: the file is not checked further",
                    static_cast<int>(name.space_length < 96 ? name.space_length : 96), name.space,
                    NAACCR_XML_NAMESPACE);
        check->tree.skip_depth = 1;
        return;
    }
    check->tree.level = NAACCR_LEVEL_ROOT;
    check_root_attributes(check, attributes);
}

// Patient and Tumor take no attributes.
void check_no_attributes(XmlCheck *check, const char *element, const XML_Char **attributes)
{
    for (const XML_Char **a = attributes; *a != nullptr; a += 2) {
        const SplitName name = split_name(a[0]);
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr, "%s has an attribute %.64s%s",
                    element, name.local,
                    name.space_length > 0 ? " of another namespace (allowed on NaaccrData only)" : "");
    }
}

void open_child(XmlCheck *check, const XML_Char **attributes)
{
    const int parent = check->tree.level;
    end_id_items(check, parent);
    check->tree.phase[parent] = PHASE_CHILDREN;
    const int level = parent + 1;
    check->tree.level = level;
    check->tree.phase[level] = PHASE_ITEMS;
    check->tree.text_reported[level] = false;
    clear_seen_items(check, level);
    if (level == NAACCR_LEVEL_PATIENT) {
        check->run.summary->patients += 1;
        check->tree.tumor_in_patient = 0;
    } else {
        check->run.summary->tumors += 1;
        check->run.summary->records.records += 1;
        check->tree.tumor_in_patient += 1;
    }
    open_id_element(check, level);
    check_no_attributes(check, level_names[level], attributes);
    open_code_level(check, level);
    if (check->run.hook != nullptr)
        hook_result(check, check->run.hook->element(check->run.hook->context, level, true, current_offset(check)));
}

void open_item(XmlCheck *check, const XML_Char **attributes)
{
    const int level = check->tree.level;
    if (check->tree.phase[level] != PHASE_ITEMS)
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    "an Item after the %s of %s; its Items come first",
                    check->tree.phase[level] == PHASE_EXTENSIONS ? "extensions"
                    : level == 0                                 ? "Patients"
                                                                 : "Tumors",
                    level_names[level]);
    start_item(check, attributes);
}

void start_inner(XmlCheck *check, const SplitName &name, const XML_Char **attributes)
{
    const int level = check->tree.level;
    if (check->items.in_item) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    "element %.64s inside an Item, which holds text only", name.local);
        check->tree.skip_depth = 1;
        return;
    }
    if (in_naaccr_namespace(check, name)) {
        if (strcmp(name.local, "Item") == 0) {
            open_item(check, attributes);
            return;
        }
        // A Patient in the root, a Tumor in a Patient.
        if (level < NAACCR_LEVEL_TUMOR && strcmp(name.local, level_names[level + 1]) == 0) {
            open_child(check, attributes);
            return;
        }
        const bool known = name_index(level_names, level_count, name.local) >= 0;
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    known ? "%.64s inside %s: it is passed over" : "unknown element %.64s in %s: it is passed over",
                    name.local, level_names[level]);
    } else if (name.space_length == 0) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    "element %.64s of no namespace in %s: an extension needs a namespace of its own", name.local,
                    level_names[level]);
    } else if (check->tree.phase[level] == PHASE_CHILDREN) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    "extension %.64s after the %s of %s; extensions come before them", name.local,
                    level == 0 ? "Patients" : "Tumors", level_names[level]);
    } else {
        end_id_items(check, level);
        check->tree.phase[level] = PHASE_EXTENSIONS;
        if (check->run.hook != nullptr)
            hook_result(check, check->run.hook->extension(check->run.hook->context, level, current_offset(check)));
    }
    check->tree.skip_depth = 1;
}

// Text outside Items is reported at the tag that follows it: where expat
// cuts text into pieces depends on the blocks read, a tag's place does not.
void report_pending_text(XmlCheck *check)
{
    check->tree.text_pending = false;
    report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                "text outside an Item in %s, before this tag", level_names[check->tree.level]);
}

bool is_patient(const XmlCheck *check, const SplitName &name)
{
    return in_naaccr_namespace(check, name) && strcmp(name.local, level_names[NAACCR_LEVEL_PATIENT]) == 0;
}

// True at a Patient in the root where the run's piece ends: the first one at
// or after the boundary that starts its line.  Past a root that held more
// than Patients the next piece cannot start as it assumed, so a run that may
// go on does.
bool ends_piece(XmlCheck *check, const SplitName &name)
{
    XmlSplit &split = check->run.split;
    if (check->tree.level != NAACCR_LEVEL_ROOT || check->tree.skip_depth > 0 || check->items.in_item ||
        !is_patient(check, name))
        return false;
    const XmlPlace place = current_place(check);
    if (place.offset < split.boundary || (!split.any_place && !starts_line(check, place)))
        return false;
    if (split.touched && !split.stop_touched) {
        split.boundary = -1;
        return false;
    }
    split.ended_at = place.offset;
    split.ended_place = place;
    halt_parser(check);
    return true;
}

} // namespace

void start_tree(XmlCheck *check) { check->tree.level = -1; }

void take_tree(XmlCheck *to, const XmlCheck *from, bool after_patient)
{
    to->tree = from->tree;
    if (after_patient) {
        to->tree.phase[NAACCR_LEVEL_ROOT] = PHASE_CHILDREN;
        to->tree.text_pending = false;
    }
}

void XMLCALL xml_start_element(void *user, const XML_Char *name, const XML_Char **attributes)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    if (check->run.halted || check->run.take_over)
        return;
    // expat holds every open element; past a depth no NAACCR file needs, the
    // check stops, so a file of nothing but start tags costs no more than this.
    const uint64_t open =
        static_cast<uint64_t>(check->tree.level + 1) + (check->items.in_item ? 1 : 0) + check->tree.skip_depth;
    if (open >= xml_deepest_nesting) {
        report_xmlf(check, NAACCR_CHECK_XML_STRUCTURE, current_place(check), nullptr,
                    "element %.64s is nested %llu deep, deeper than a check reads (%llu): the file is not read "
                    "further",
                    split_name(name).local, static_cast<unsigned long long>(open + 1),
                    static_cast<unsigned long long>(xml_deepest_nesting));
        halt_parser(check);
        return;
    }
    if (check->tree.skip_depth > 0) {
        check->tree.skip_depth += 1;
        return;
    }
    // Most elements are Items, told from the whole name at once.
    if (check->tree.level >= 0 && !check->items.in_item && !check->tree.no_namespace && !check->tree.text_pending &&
        strcmp(name, NAACCR_XML_ITEM) == 0) {
        if (check->tree.level == NAACCR_LEVEL_ROOT)
            check->run.split.touched = true;
        open_item(check, attributes);
        return;
    }
    const SplitName split = split_name(name);
    if (check->run.split.boundary >= 0 && ends_piece(check, split))
        return;
    // Not a Patient inside an Item, which expat holds open.
    if (check->tree.level == NAACCR_LEVEL_ROOT && check->run.handed_back_at >= 0 && is_patient(check, split) &&
        check->tree.skip_depth == 0 && !check->items.in_item && takes_back(check))
        return;
    if (check->tree.text_pending)
        report_pending_text(check);
    if (check->tree.level < 0) {
        start_root(check, split, attributes);
        note_root_tag(check);
        return;
    }
    if (check->tree.level == NAACCR_LEVEL_ROOT &&
        (!in_naaccr_namespace(check, split) || strcmp(split.local, level_names[NAACCR_LEVEL_PATIENT]) != 0))
        check->run.split.touched = true;
    start_inner(check, split, attributes);
}

void XMLCALL xml_end_element(void *user, const XML_Char *)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    if (check->run.halted || check->run.take_over)
        return;
    if (check->tree.skip_depth > 0) {
        check->tree.skip_depth -= 1;
        return;
    }
    if (check->items.in_item) {
        end_item(check);
        return;
    }
    if (check->tree.text_pending)
        report_pending_text(check);
    end_id_items(check, check->tree.level);
    // A Tumor's rules speak after its item problems, before a reader takes it.
    if (check->tree.level == NAACCR_LEVEL_TUMOR)
        judge_xml_tumor(check);
    if (check->run.hook != nullptr && check->tree.level > NAACCR_LEVEL_ROOT)
        hook_result(
            check, check->run.hook->element(check->run.hook->context, check->tree.level, false, current_offset(check)));
    check->tree.level -= 1;
}

void XMLCALL xml_text(void *user, const XML_Char *text, int length)
{
    XmlCheck *check = static_cast<XmlCheck *>(user);
    if (check->run.halted || check->run.take_over || check->tree.skip_depth > 0 || check->tree.level < 0)
        return;
    if (check->items.in_item) {
        add_item_text(check, text, static_cast<size_t>(length));
        return;
    }
    const int level = check->tree.level;
    if (check->tree.text_reported[level])
        return;
    if (!only_xml_white(reinterpret_cast<const unsigned char *>(text), static_cast<size_t>(length))) {
        check->tree.text_reported[level] = true;
        check->tree.text_pending = true;
        if (level == NAACCR_LEVEL_ROOT)
            check->run.split.touched = true;
    }
}
