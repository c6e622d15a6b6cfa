// check_item_output.h -- how `cvnaaccr check --items` writes item problems
// and tallies them by item: a text line or JSON object per problem, the ten
// items with most problems, and JSON's problems_by_item.
#ifndef CHECK_ITEM_OUTPUT_H
#define CHECK_ITEM_OUTPUT_H

#include <stdint.h>
#include <stdio.h>

#include <map>
#include <string>

#include "cvnaaccr.h"

struct ItemTally {
    int32_t number;
    std::string id;
    std::string name;
    uint64_t count;
};

// Problems by item number; problems without an item (a missing dictionary)
// are not in it.
typedef std::map<int32_t, ItemTally> ItemTallies;

void count_item_problem(ItemTallies *tallies, const NaaccrItemProblem &problem);

// "PATH: record 1 (offset 0), column 548: NAACCR_CHECK_ITEM_DATE:
// dateOfDiagnosis = "20191345": MESSAGE", the message naming the item's
// name, number and columns.
void print_item_problem_text(const char *path, const NaaccrItemProblem &problem);

// One element of schema 2's "problems": the record problem's fields, then
// "item" (number, id, name, start, length) and "value".
void print_item_problem_json(const NaaccrItemProblem &problem, bool first);

// "PATH: items with most problems: 390 dateOfDiagnosis 2, 220 sex 1", at most
// ten items, most problems first, ties by number; nothing when there are none.
void print_top_items_text(const char *path, const ItemTallies &tallies);

// ",\"problems_by_item\":[{...},...]", every item, most problems first.
void print_items_json(const ItemTallies &tallies);

#endif
