// codes.h -- the allowed codes of NAACCR data items, and the rules that judge
// one tumour's codes and dates together.
//
// The tables are written by tools/dictionaries/make_code_tables.py from
// data/codes and committed (code_tables.cpp); nothing here reads CSV.  A code
// is valid for NAACCR version V when any list from 180 to V holds it: files of
// 140 to 160 are judged by the 180 lists, files of 270 by the 260 lists.
//
// Two uses.  The item walk resolves each coded item once per file
// (find_item_codes) and calls check_item_code on every value that passed the
// item check.  The tumour rules take a tumour's values of the dozen items they
// read, whatever format they came from (keep_rule_value fills them as the
// walk goes), and judge them once per tumour (judge_tumor).  A flat record
// has both done at once by check_record_codes, which knows its columns.
#ifndef CODES_H
#define CODES_H

#include <stddef.h>
#include <stdint.h>

#include "items/items.h"

// The tables (code_tables.cpp).

// The longest code of an item table.
const size_t longest_code = 4;

// One allowed code of an item.
struct CodeRow {
    char code[longest_code + 1]; // in full (zero-padded to the item's length), NUL-terminated
    int32_t first;               // the first NAACCR version whose list holds it; 0: every version
    const char *label;           // null unless the table is in the public domain
};

// The codes of one item.  A code maps to one slot of code_index by its bytes:
// byte i less low[i], read as a number whose digit i runs to span[i].
struct CodeTable {
    int32_t number;      // naaccrNum
    const char *id;      // naaccrId
    const CodeRow *rows; // sorted by code
    uint32_t count;      // rows
    uint32_t length;     // of every code: the item's length
    char low[longest_code + 1];
    uint8_t span[longest_code];
    uint32_t index_at; // its first slot in code_index
};

// A histology (item 522) and behavior (item 523) as histology * 10 + behavior,
// and the first NAACCR version whose ICD-O-3 list holds the pair.
struct MorphologyRow {
    uint32_t morphology;
    int32_t first;
};

struct MorphologyTable {
    const MorphologyRow *rows; // sorted by morphology
    uint32_t count;
    uint32_t low, span; // the morphologies the slots cover: low to low + span - 1
    uint32_t index_at;  // its first slot in code_index
};

// Sites (item 400) that share their rows of the site/histology list.
struct SiteGroup {
    const char *sites;     // their codes, each followed by a blank but the last
    uint32_t first, count; // their rows in SiteList.rows, sorted
};

// SEER's ICD-O-3 Site/Histology Validation List.
struct SiteList {
    const char *edition; // "2022-04-29"
    const SiteGroup *groups;
    size_t group_count;
    const uint32_t *rows; // morphologies, by group
    uint32_t row_count;
    int32_t first_year, last_year; // the years of diagnosis the list is for
    uint32_t index_at;             // the group of each site (by primarySite's slots), from here in code_index
    uint32_t slots;
};

extern const int32_t code_list_versions[]; // the versions of the lists, ascending: 180, 210, ..., 260
extern const size_t code_list_version_count;
extern const CodeTable code_tables[]; // by naaccrNum; recordType and naaccrRecordVersion have none
extern const size_t code_table_count;
extern const MorphologyTable morphology_pairs;
extern const SiteList site_list;
// Room for the index; filled on first use of find_item_codes or prepare_tumor_rules.
extern uint8_t code_index[];
extern const size_t code_index_size;

// Codes of one item (code_lists.cpp).

// The lists a file of NAACCR `version` is judged by: the place in
// code_list_versions of the last list at or before it, 0 before the first;
// -1 for a version without a dictionary.
int32_t code_list_level(int32_t version);

// The lists of `level` in words, "NAACCR 180" or "NAACCR 180 to 240", cut to `size`.
void name_code_lists(int32_t level, char *text, size_t size);

// The codes an item of a file is judged by; no table: the item is not judged.
struct ItemCodes {
    const CodeTable *table;
    const uint8_t *slots; // the table's part of code_index
    int32_t level;        // code_list_level of the file's version
};

// The codes of item `number` in a file of NAACCR `version`.  table is null
// when the version's dictionary does not define the item (under that number
// and the table's naaccrId: 160 gives 762 and 764 to other items), the item
// has no list (recordType and naaccrRecordVersion are the record check's,
// most items have none) or the version has no lists.  Meant to be called once per item
// and file, not per value; builds the index on first use (thread-safe).
ItemCodes find_item_codes(int32_t version, int32_t number);

// Whether `code` (`n` bytes: the value proper, in full) is one of `codes`.
// No search: its bytes give its slot.  False when codes.table is null.
bool is_item_code(const ItemCodes &codes, const unsigned char *code, size_t n);

// Checks a value of `item` that passed check_item_value, as the item check
// saw it: a flat field, padding included (ITEM_FIELD), or XML text, where a
// left-zero item may lack its zeros (ITEM_XML_TEXT).  Blank passes.  Returns
// NAACCR_CHECK_ITEM_CODE, with fault's position at the start of the value
// proper and a reason naming the lists, when the value is not one of `codes`;
// 0 otherwise, and always when codes.table is null.
int32_t check_item_code(const ItemCodes &codes, const NaaccrItemDef &item, const unsigned char *value, size_t n,
                        ItemValueForm form, ItemFault *fault);

// Whether histology * 10 + behavior `morphology` is a pair of the ICD-O-3
// lists of `level` or on the site/histology list at any site.
bool is_listed_morphology(int32_t level, uint32_t morphology);

// Whether the site/histology list holds `morphology` at `site` (a code of
// `sites`, the codes of Primary Site, in full).  A search among the rows of
// the site's group: it runs once per tumour.
bool is_on_site_list(const ItemCodes &sites, const unsigned char *site, uint32_t morphology);

// One code as the list of an item gives it.
struct ItemCode {
    const char *code;
    const char *label; // null unless the table is in the public domain
};

// Number of codes of item `number` that hold for `version`; -1 when the
// item is not judged in that version (as find_item_codes).
int32_t count_item_codes(int32_t version, int32_t number);
// The same, and the first `capacity` of them copied to `codes` (may be null
// when capacity is 0) in the public form, each with the first version of the
// lists that holds it.
int32_t copy_item_codes(int32_t version, int32_t number, NaaccrItemCode *codes, uint32_t capacity);
// Code `index` (from 0, in code order) of those; false when there is none.
bool get_item_code(int32_t version, int32_t number, int32_t index, ItemCode *code);

// The tumour rules (code_rules.cpp).

// The items the rules read, by their place in TumorValues.
enum RuleItem {
    RULE_AGE,                // 230 Age at Diagnosis
    RULE_BIRTH,              // 240 Date of Birth
    RULE_SEQUENCE_CENTRAL,   // 380 Sequence Number--Central
    RULE_DIAGNOSIS,          // 390 Date of Diagnosis
    RULE_SITE,               // 400 Primary Site
    RULE_HISTOLOGY,          // 522 Histologic Type ICD-O-3
    RULE_BEHAVIOR,           // 523 Behavior Code ICD-O-3
    RULE_SEQUENCE_HOSPITAL,  // 560 Sequence Number--Hospital
    RULE_LAST_CONTACT,       // 1750 Date of Last Contact
    RULE_OVERRIDE_SITE_TYPE, // 2030 Over-ride Site/Type
    RULE_OVERRIDE_HISTOLOGY, // 2040 Over-ride Histology
    RULE_ITEM_COUNT
};
extern const int32_t rule_item_numbers[RULE_ITEM_COUNT];

// The place of item `number` in TumorValues, or -1 when no rule reads it.
int32_t rule_item_place(int32_t number);

enum RuleValueState : uint8_t {
    RULE_VALUE_BLANK, // not given
    RULE_VALUE_GIVEN,
    RULE_VALUE_FAULTY, // the item check found a problem in it: rules that need it are skipped
};

// The longest value a rule reads: a date.
const size_t longest_rule_value = 8;

struct RuleValue {
    uint8_t state;  // RuleValueState
    uint8_t length; // bytes of text
    char text[longest_rule_value];
};

// A tumour's values of the items the rules read.  A flat record holds them
// all; in XML the Patient's (Date of Birth, Date of Last Contact) go into
// each of its Tumors.  All blank when zeroed.
struct TumorValues {
    RuleValue values[RULE_ITEM_COUNT];
};

// Keeps the value of `item` in `values` if a rule reads it, as
// check_item_code sees a value: padding cut, the zeros of a left-zero XML
// value restored.  `faulty`: the item check found a problem in it.  A value
// longer than longest_rule_value is kept as faulty.
void keep_rule_value(TumorValues *values, const NaaccrItemDef &item, const unsigned char *value, size_t n,
                     ItemValueForm form, bool faulty);

// The rules of one NAACCR version, resolved once per file.
struct TumorRules {
    int32_t version;
    int32_t level;                      // code_list_level; -1: nothing is judged
    const NaaccrDictionary *dictionary; // for the items' names in messages
    ItemCodes codes[RULE_ITEM_COUNT];   // the lists of the coded ones
};

// Fills *rules for files of `version`; false when it has no lists (then
// judge_tumor judges nothing).  Builds the index on first use (thread-safe).
bool prepare_tumor_rules(int32_t version, TumorRules *rules);

// What a rule found: its kind, the first item it names (the problem stands at
// that item's column or line), and one line saying what is wrong.
struct TumorProblem {
    int32_t code;        // NAACCR_CHECK_ITEM_COMBINATION or NAACCR_CHECK_ITEM_DATE_ORDER
    int32_t item_number; // 230, 240, 380, 390, 400, 522 or 560
    char message[320];
};

// At most one problem per subject: 230 or 240, 380, 390, 400 or 522, 560.
const size_t most_tumor_problems = 5;

// Whether the site/histology list judged the tumour.
enum SiteListOutcome {
    SITE_LIST_JUDGED,     // diagnosed in the list's years: judged (perhaps passed by Over-ride Site/Type)
    SITE_LIST_NOT_JUDGED, // site, histology and behavior could be judged, but the year of
                          // diagnosis is outside the list's years or not known
    SITE_LIST_NO_CODES,   // a needed code is blank, faulty or not valid, or the
                          // histology and behavior did not pass their own rule
};

struct TumorVerdict {
    TumorProblem problems[most_tumor_problems]; // in ascending item_number, which is column order in flat records
    size_t count;
    int32_t site_list; // SiteListOutcome
};

// Judges one tumour (a record with a record problem is not to be judged):
//  - histology and behavior in neither the version's ICD-O-3 lists nor the
//    site/histology list, unless Over-ride Histology is 1 or 3 (at 522);
//  - primary site, histology and behavior not in the site/histology list,
//    unless Over-ride Site/Type is 1, for diagnoses of the list's years only
//    (at 400; not when the pair rule found a problem);
//  - a sequence number (central, hospital) against behavior: 0 or 1 takes
//    60-88; 2 or 3 takes 00-59 or 99 (60-87 by agreement passes), and the
//    central 98 only with behavior 2 at C530-C539, or at a site not known
//    (at 380 and 560);
//  - Date of Birth after Date of Diagnosis (at 240), Date of Diagnosis after
//    Date of Last Contact (at 390), compared at the precision both give;
//  - Age at Diagnosis not the whole years from birth to diagnosis (at 230;
//    999 is unknown; when a month is not known, or the months are the same
//    and a day is not, the age may also be one year less; not judged when
//    the birth is after the diagnosis).
// A rule is skipped when a value it needs is blank or faulty, or a code it
// needs is not valid (the item check reports that).  Fills *verdict; returns
// its count.
size_t judge_tumor(const TumorRules &rules, const TumorValues &values, TumorVerdict *verdict);

// The lists and the site/histology list that judge files of `version`, and
// the counts of the tumours judged so far, for the caller's report.
void describe_code_lists(int32_t version, NaaccrCodeReport *report);
// Adds the tumour of one verdict to the report's counts (none when null).
void count_verdict(const TumorVerdict &verdict, NaaccrCodeReport *report);

// A flat record's codes (record_codes.cpp).

// One problem the code check found in a flat record.
struct RecordCodeProblem {
    const NaaccrItemDef *item; // the item it names, of the record's dictionary
    int32_t code;              // NAACCR_CHECK_ITEM_CODE, _COMBINATION or _DATE_ORDER
    int32_t column;            // where it stands in the record
    char message[256];         // as it is handed over
};

// Coded items of one dictionary: fewer than this; with the tumour's problems, those of a record.
const size_t most_coded_items = 64;
const size_t most_record_code_problems = most_coded_items + most_tumor_problems;

struct RecordCodes {
    RecordCodeProblem problems[most_record_code_problems]; // in column order
    size_t count;
    bool judged;          // the tumour rules judged the record
    TumorVerdict verdict; // their verdict, when judged
};

// Checks the coded items of a flat record of `length` bytes (terminators
// not included) of record type `type` by its flat `dictionary`: each given
// value that passes its item's rules (the item check reports the others)
// against the item's codes, up to the record's end as the item check goes;
// then, with `judge`, the tumour rules.  Each problem stands at its column:
// a code problem where its value proper starts, a rule's at the first
// column of the item it names.  Fills *found; returns found->count.
size_t check_record_codes(const NaaccrDictionary &dictionary, char type, const unsigned char *record, size_t length,
                          bool judge, RecordCodes *found);

#endif
