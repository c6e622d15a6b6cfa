// check_item_output.h -- how `cvnaaccr check --items` writes item problems
// and tallies them by item: a text line or JSON object per problem, the ten
// items with most problems, and JSON's problems_by_item.
#ifndef CHECK_ITEM_OUTPUT_H
#define CHECK_ITEM_OUTPUT_H

#include <stdint.h>
#include <stdio.h>

#include <map>
#include <string>
#include <utility>

#include "cvnaaccr.h"

struct ItemTally {
    int32_t number;
    std::string id;
    std::string name;
    uint64_t count;
};

// Problems by item number and id (an unknown XML item has no number);
// problems without an item (a missing dictionary, an XML structure problem)
// are not in it.
typedef std::pair<int32_t, std::string> ItemKey;
typedef std::map<ItemKey, ItemTally> ItemTallies;

void count_item_problem(ItemTallies *tallies, const NaaccrItemProblem &problem);

// "PATH: record 1 (offset 0), column 548: NAACCR_CHECK_ITEM_DATE:
// dateOfDiagnosis = "20191345": MESSAGE", the message naming the item's
// name, number and columns.  An XML problem stands at its line and column,
// in its patient and tumour: "PATH: line 12, column 9 (patient 1, tumour 2):
// NAACCR_CHECK_ITEM_DATE: dateOfDiagnosis (item 390) = "20191345": MESSAGE".
void print_item_problem_text(const char *path, const NaaccrItemProblem &problem);

// One element of schema 2's "problems": the record problem's fields (an XML
// one's also "line", "patient", "tumor"), then "item" (number, id, name,
// start, length; number 0 for an unknown XML item) and "value".
void print_item_problem_json(const NaaccrItemProblem &problem, bool first);

// "PATH: items with most problems: 390 dateOfDiagnosis 2, 220 sex 1", at most
// ten items, most problems first, ties by number; nothing when there are none.
void print_top_items_text(const char *path, const ItemTallies &tallies);

// ",\"problems_by_item\":[{...},...]", every item, most problems first.
void print_items_json(const ItemTallies &tallies);

#endif
