// items.h -- NAACCR data items: the data dictionaries compiled into the
// library, the look-up of an item by number or id, the rules by which one
// item's value is checked, and the check of every item of a flat record.
//
// The tables are written by tools/dictionaries/make_dictionary_tables.py from
// NAACCR's dictionary files in data/dictionaries and committed
// (dictionary_tables.cpp); nothing here reads XML.
#ifndef ITEMS_H
#define ITEMS_H

#include <stddef.h>
#include <stdint.h>

#include "cvnaaccr.h"
#include "flat/flat.h"

// ---- dictionaries (dictionary.cpp, dictionary_tables.cpp) ----

// One version's items: its base dictionary, then its default user dictionary.
// For the versions with flat records (140 to 180, whose items have start
// columns) the items without grouped ones tile columns 1 to the A layout's
// length exactly, in `items` order.
struct NaaccrDictionary {
    int32_t version;            // 140, 150, ..., 270
    const char *uri;            // the base dictionary's dictionaryUri
    const char *user_uri;       // the default user dictionary's, or null (220 on)
    const char *format_version; // the base dictionary's specificationVersion ("1.5")
    const NaaccrItemDef *items; // flat versions: by start column, grouped items last
    size_t count;
    const uint16_t *by_number; // indices into items, sorted by number
    const uint16_t *by_id;     // indices into items, sorted by id (strcmp)
};

// The naaccrNums the library's code names: the items that say a record's
// type and version (which NAACCR XML also gives on its root), the Patient ID
// Number that tells a flat record's patient, the Tumor Record Number and
// Accession Number--Hosp that with it name a problem's tumour, and the
// checksum field.
const int32_t record_type_item = 10, patient_id_item = 20, record_version_item = 50, checksum_item = 2081;
const int32_t tumor_record_number_item = 60, accession_number_item = 550;

// Every version's dictionary, in ascending version order.
extern const NaaccrDictionary naaccr_dictionaries[];
extern const size_t naaccr_dictionary_count;

// The dictionaries of the versions with flat records come first: this many
// (140, 150, 160 and 180).  The generated tables hold it against NAACCR's
// dictionaries.
const size_t flat_dictionary_count = 4;

// The place of `dictionary` among the flat dictionaries (0 to
// flat_dictionary_count - 1), or -1: a later version, or a copy of a table.
int flat_dictionary_index(const NaaccrDictionary &dictionary);

// The record types of NAACCR_RECORD_TYPES ("AMCI"), in the order of their
// NAACCR_ITEM_IN_ bits.
const size_t record_type_count = sizeof NAACCR_RECORD_TYPES - 1;

// The words of the dictionaries for NAACCR_LEVEL_..., NAACCR_ITEM_... (data
// types) and NAACCR_PAD_..., by number.
const size_t level_count = NAACCR_LEVEL_TUMOR + 1, data_type_count = NAACCR_ITEM_DATETIME + 1,
             padding_count = NAACCR_PAD_LEFT_ZERO + 1;
extern const char *const level_names[level_count];
extern const char *const data_type_names[data_type_count];
extern const char *const padding_names[padding_count];

// The number of `word` among `count` names (level_names, ...), or -1.
int name_index(const char *const *names, size_t count, const char *word);

// The dictionary of `version` (140, ..., 270), or null.
const NaaccrDictionary *find_dictionary(int32_t version);
// The dictionary whose base dictionaryUri is `uri` (`n` bytes), or null.
const NaaccrDictionary *find_dictionary_by_uri(const char *uri, size_t n);

// The item with naaccrNum `number`, or null.
const NaaccrItemDef *find_item_by_number(const NaaccrDictionary &dictionary, int32_t number);
// The item with naaccrId `id` (`n` bytes, not NUL-terminated), or null.
const NaaccrItemDef *find_item_by_id(const NaaccrDictionary &dictionary, const char *id, size_t n);

// NAACCR_ITEM_IN_... bit of record type `type` (one of NAACCR_RECORD_TYPES); 0 for any other.
uint8_t item_record_type_bit(char type);

// The record types in words, for messages: "A, M, C or I".
const char *record_types_in_words();

// ---- the item rules (item_rules.cpp, item_dates.cpp) ----

// How a value reaches the rules.
enum ItemValueForm {
    // A flat record's field: exactly the item's length, padding included.
    ITEM_FIELD,
    // An XML element's text, entities decoded: any length; a left-zero item
    // may come with or without its zeros.
    ITEM_XML_TEXT,
};

// The first fault the rules find in a value.
struct ItemFault {
    int32_t code;      // NAACCR_CHECK_ITEM_..., 0 when the value passes
    uint32_t position; // 0-based byte position in the value where it was seen
    char reason[96];   // what is wrong, for the message ("month 13", "a blank inside")
};

// Checks one value of `item` by the rules: blank is "not given" and passes;
// then padding, data type, full length, date, in that order; one fault only.
// In ITEM_XML_TEXT form also a value longer than the item (unless unlimited:
// NAACCR_CHECK_ITEM_TOO_LONG) and a leading or trailing blank
// (NAACCR_CHECK_ITEM_BLANKS), before the others.  Returns fault->code.
int32_t check_item_value(const NaaccrItemDef &item, const unsigned char *value, size_t n, ItemValueForm form,
                         ItemFault *fault);

// Fills *fault with `code`, `position` and the reason printf would make of
// `format`; returns `code`.
int32_t set_item_fault(ItemFault *fault, int32_t code, size_t position, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 4, 5)))
#endif
    ;

// A date of the flat form (YYYY, YYYYMM, YYYYMMDD, the unknown parts left
// out; `long_form`: also YYYYMMDDhhmmss) in value[begin, end).
int32_t check_item_date(const unsigned char *value, size_t begin, size_t end, bool long_form, ItemFault *fault);

// YYYY[-MM[-DD[Thh:mm[:ss[.f...]]]]] and a zone (Z, +hh:mm or -hh:mm) in value[begin, end).
int32_t check_item_datetime(const unsigned char *value, size_t begin, size_t end, ItemFault *fault);

// ---- the item check of flat records (flat_item_check.cpp) ----

// The dictionary of a flat record of `layout` whose version code (the
// layout's version_width bytes at its version_column) is `code`: versions 140
// to 180, types A, M, C and I; or null: types R and U, versions 120 to 130,
// the old layouts, a code that is not one of the layout's.  The code is
// needed because one layout serves versions 120 to 160.
const NaaccrDictionary *layout_dictionary(const NaaccrLayout *layout, const unsigned char *code);

// The item (not grouped) of record type `type` whose columns in `dictionary`
// (140 to 180) hold `column`, or else any item's whose do; null for none.
const NaaccrItemDef *item_at_column(const NaaccrDictionary &dictionary, char type, int32_t column);

// Where the item problems of a record go.  `deliver` returns non-zero to stop.
struct ItemProblemSink {
    int32_t (*deliver)(void *context, const NaaccrItemProblem *problem);
    void *context;
};

// The message of a problem of `item` in a flat record, from the fault's
// reason: "Date of Diagnosis (item 390, columns 544-551): there is no month 13."
void flat_item_message(const NaaccrItemDef &item, const char *reason, char *text, size_t size);

// Checks every item (grouped ones aside) of one flat record of `length`
// bytes, terminators not included, of record type `type` by `dictionary`:
// the items defined for the type that end within the record.  Hands each
// problem to the sink in column order, with record = `number` and offset =
// `offset`; adds the values checked (not blank) to *items.  Text items kept
// as they stand (trim="none", or padded with blanks on the right) have no rule
// beyond the record checker's printable bytes: they are neither visited nor
// counted, which keeps the walk to the short coded fields of a record.
// Returns non-zero when the sink asked to stop.
int32_t check_record_items(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                           uint64_t number, int64_t offset, ItemProblemSink *sink, uint64_t *items);

// ---- the ids a problem names (problem_ids.cpp) ----
// With NAACCR_CHECK_IDS every problem names its patient and tumour by three
// items, in the order of NaaccrItemProblem's fields.

enum ProblemId { ID_PATIENT, ID_TUMOR_RECORD, ID_ACCESSION, problem_id_count };

// Bytes kept of one id, its NUL included: the longest of the three items (9
// characters) in four-byte characters fits.
const size_t problem_id_capacity = 40;

struct ProblemIds {
    char text[problem_id_count][problem_id_capacity]; // "" when not given
};

void clear_problem_ids(ProblemIds *ids);

// The id that item `number` gives, or -1 for any other item.
int problem_id_of(int32_t number);

// Sets id `which` from the `n` bytes of a value: blanks (`xml`: XML's white
// space) at either end cut, the rest cut to fit where a UTF-8 character
// starts; without `xml` (a flat record's ASCII) each byte outside 32 to 126
// as '?'.  A value of nothing else is no id: "".
void set_problem_id(ProblemIds *ids, int which, const unsigned char *value, size_t n, bool xml);

// The ids of a flat record of `type` and `length` bytes (terminators not
// included) by `dictionary` (140 to 180): each read at its item's columns
// when the record reaches their end.
void read_flat_ids(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                   ProblemIds *ids);

// Points the problem's three id fields at the ids given (null for those not
// given, and all three for null `ids`).
void name_problem_ids(const ProblemIds *ids, NaaccrItemProblem *problem);

// ---- the id index (item_index.cpp) ----
// A hash index from naaccrId to item over one dictionary and the user items
// loaded beside it, for a reader that looks an id up for every Item element
// of a file.

// Slots of the open-addressing table: at least twice the items it may hold.
const size_t item_index_slots = 8192;
const size_t item_index_most = item_index_slots / 2;

struct ItemIndex {
    const NaaccrItemDef *base, *user;
    size_t base_count, user_count;
    uint16_t slot[item_index_slots];    // 0: empty; else 1 + the item's place (base items, then user items)
    uint8_t id_length[item_index_most]; // by place; 0 for an id of 256 bytes or more
    // Files give their items in much the same order in every element: the
    // item that followed each item last time (1 + its place; 0: none yet).
    uint16_t next[item_index_most + 1];
    size_t last; // 1 + the place of the item found last; 0: none
};

// Indexes `dictionary`'s items and `user_count` user items (at most
// item_index_most in all; any beyond are not indexed).  An id given twice
// finds its first item.
void build_item_index(ItemIndex *index, const NaaccrDictionary &dictionary, const NaaccrItemDef *user,
                      size_t user_count);
// The item with naaccrId `id` (`n` bytes, not NUL-terminated), or null.
const NaaccrItemDef *find_indexed_item(const ItemIndex &index, const char *id, size_t n);
// The same for the next item of a file: the item that followed the last one
// found before is tried first.
const NaaccrItemDef *find_next_item(ItemIndex *index, const char *id, size_t n);

#endif
