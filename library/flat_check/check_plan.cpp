// check_plan.cpp -- the plan of a record check, made once from the file's
// head before any record is read: the byte-order mark, then the reference
// record, which sets the record type, version code, length and terminator
// form that every record is held against.
//
// The reference is the first record unless it has a problem of its own (no
// layout for its type and version, a length that is not its layout's, or a
// terminator form that the next records do not share); then it is the first
// of records 2 to 17 without one, and the first record when none is.  One bad
// record, wherever it stands, so costs one reported record.
#include <string.h>

#include "base/base.h"
#include "flat/flat.h"
#include "flat_check/record_run.h"

namespace
{

// The last record that may stand in for the first.
const int last_candidate = 17;

bool is_line_end(unsigned char c) { return c == '\r' || c == '\n'; }

// Terminator bytes at `t`: 2 for CR LF or LF CR, else 1.
int terminator_at(const unsigned char *data, size_t n, size_t t)
{
    const unsigned char other = data[t] == '\r' ? '\n' : '\r';
    return t + 1 < n && data[t + 1] == other ? 2 : 1;
}

// One record of the head, as it would set the plan.
struct HeadRecord {
    size_t start, length; // length without terminators
    int nterm;            // 0: no terminator in the head (length: the layout's, or 0)
    unsigned char form[2];
    const NaaccrLayout *layout;
    bool known_type;
};

// Where the record that starts at data[0] ends: at its first CR or LF up to
// NAACCR_CHECK_LONGEST_VIEW bytes on, unless its layout says otherwise.
void find_record_end(const unsigned char *data, size_t m, HeadRecord *rec)
{
    const size_t length = rec->layout != nullptr ? static_cast<size_t>(rec->layout->length) : 0;
    const size_t window = m < NAACCR_CHECK_LONGEST_VIEW + 1 ? m : NAACCR_CHECK_LONGEST_VIEW + 1;
    size_t t = 0;
    while (t < window && !is_line_end(data[t]))
        ++t;
    // When the layout's length holds a terminator of another form than that
    // first CR or LF, the record ends there instead, and the CR or LF before
    // it splits it.
    if (t < window && length > 0 && length < m && t < length && is_line_end(data[length]) &&
        (data[t] != data[length] || terminator_at(data, m, t) != terminator_at(data, m, length)))
        t = length;
    // Records without terminators that hold a stray CR or LF: the record
    // type and version code stand again at the layout's length.
    if (t < window && length > 0 && t > length && rec->layout != nullptr) {
        const size_t vc = static_cast<size_t>(rec->layout->version_column);
        const size_t vw = static_cast<size_t>(rec->layout->version_width);
        if (length + vc - 1 + vw <= t && data[length] == data[0] &&
            memcmp(data + length + vc - 1, data + vc - 1, vw) == 0)
            t = window;
    }
    if (t < window) {
        rec->nterm = terminator_at(data, m, t);
        rec->form[0] = data[t];
        rec->form[1] = rec->nterm == 2 ? data[t + 1] : 0;
        rec->length = t;
    } else {
        rec->length = length;
    }
}

void read_head_record(const unsigned char *data, size_t m, size_t start, HeadRecord *rec)
{
    memset(rec, 0, sizeof *rec);
    rec->start = start;
    const unsigned char *d = data + start;
    const size_t n = m - start;
    rec->layout = match_naaccr_layout(reinterpret_cast<const char *>(d), n, &rec->known_type);
    find_record_end(d, n, rec);
}

bool same_form(const HeadRecord &a, const HeadRecord &b)
{
    return a.nterm == b.nterm && memcmp(a.form, b.form, sizeof a.form) == 0;
}

// Whether record k of the `count` read has no problem of its own.  Its form
// is shared when one of the next two records has it; the last record of the
// head shares it with the one before, and the only one needs not.
bool is_good(const HeadRecord *recs, int count, int k)
{
    const HeadRecord &rec = recs[k];
    if (rec.layout == nullptr || rec.length != static_cast<size_t>(rec.layout->length))
        return false;
    if (k + 1 >= count)
        return count == 1 || same_form(rec, recs[k - 1]);
    return same_form(rec, recs[k + 1]) || (k + 2 < count && same_form(rec, recs[k + 2]));
}

// The reference record among the first records of the head; *examined
// counts those records, *laid_out those with a layout (a valid record type
// and version code), *empty those without a byte.
void find_reference(const unsigned char *data, size_t m, HeadRecord *reference, int *examined, int *laid_out,
                    int *empty)
{
    HeadRecord recs[last_candidate + 2];
    int count = 0;
    size_t start = 0;
    while (count < last_candidate + 2 && start < m) {
        read_head_record(data, m, start, &recs[count]);
        if (recs[count].nterm == 0 && count > 0)
            break;
        start += recs[count].length + static_cast<size_t>(recs[count].nterm);
        ++count;
        if (recs[0].nterm == 0)
            break;
    }
    *examined = count;
    *laid_out = *empty = 0;
    for (int k = 0; k < count; ++k) {
        *laid_out += recs[k].layout != nullptr ? 1 : 0;
        *empty += recs[k].length == 0 ? 1 : 0;
    }
    *reference = recs[0];
    if (is_good(recs, count, 0))
        return;
    for (int k = 1; k < count && k < last_candidate; ++k)
        if (is_good(recs, count, k)) {
            *reference = recs[k];
            return;
        }
}

void describe(const CheckPlan &plan, NaaccrCheckSummary *summary)
{
    summary->record_type = plan.reference > 0 || plan.nterm == 0 ? static_cast<char>(plan.type) : ' ';
    memset(summary->version, 0, sizeof summary->version);
    if (plan.layout != nullptr)
        memcpy(summary->version, plan.version, static_cast<size_t>(plan.layout->version_width));
    else
        summary->version[0] = ' ';
    summary->first_terminator = static_cast<char>(plan.form[0]);
    summary->second_terminator = static_cast<char>(plan.form[1]);
    summary->record_length = plan.cannot_split ? 0 : static_cast<int32_t>(plan.reference) + plan.nterm;
    summary->layout_length = plan.layout != nullptr ? plan.layout->length : 0;
}

} // namespace

void make_check_plan(const unsigned char *head, size_t n, bool checksums, CheckPlan *plan, NaaccrCheckSummary *summary)
{
    memset(plan, 0, sizeof *plan);
    plan->checksums = checksums;
    plan->bom_length = static_cast<int>(byte_order_mark_length(head, n));
    plan->data_start = plan->bom_length;
    const unsigned char *data = head + plan->bom_length;
    const size_t m = n - static_cast<size_t>(plan->bom_length);
    if (m == 0)
        return;

    HeadRecord ref;
    int examined = 0, laid_out = 0, empty = 0;
    find_reference(data, m, &ref, &examined, &laid_out, &empty);
    const unsigned char *r = data + ref.start;
    plan->layout = ref.layout;
    plan->type = r[0];
    plan->type_valid = ref.known_type;
    if (ref.layout != nullptr) {
        plan->version_column = ref.layout->version_column;
        plan->version_width = ref.layout->version_width;
    } else if (ref.known_type) {
        plan->version_column = unknown_version_column(static_cast<char>(plan->type));
        plan->version_width = 3;
    }
    if (ref.start + static_cast<size_t>(plan->version_column + plan->version_width - 1) <= m)
        memcpy(plan->version, r + plan->version_column - 1, static_cast<size_t>(plan->version_width));
    else
        plan->version_width = 0;

    plan->nterm = ref.nterm;
    memcpy(plan->form, ref.form, sizeof plan->form);
    plan->reference = static_cast<uint32_t>(ref.length);
    plan->cannot_split = ref.nterm == 0 && ref.layout == nullptr;
    // Lines of some other text (a password file, a CSV): each would be a
    // problem of its own; one says what the file is.  Empty lines alone are
    // each an empty record, as in any other file.
    plan->not_naaccr = !plan->cannot_split && laid_out == 0 && examined > empty ? examined : 0;
    describe(*plan, summary);
}
