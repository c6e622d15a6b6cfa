// xml_user_dictionary.h -- a registry's own user dictionaries, loaded for one
// NAACCR XML check from the files its caller names.
#ifndef XML_USER_DICTIONARY_H
#define XML_USER_DICTIONARY_H

#include <stddef.h>

#include "cvnaaccr.h"

// The items of every user dictionary loaded, in load order; their texts are
// owned here.
struct UserItems {
    NaaccrItemDef *items;
    size_t count, capacity;
    char uris[512]; // the dictionaryUri of each, separated by blanks (cut to fit)
};

struct XmlCheck;

// Loads the user dictionaries of the check's options for a file of the
// check's base dictionary.  Each file that cannot be read, is not
// well-formed, or holds an item that is not valid (no id, an id of more than
// 32 characters, an id or number of the base dictionary or of an item loaded
// before, no valid length or level) is a NAACCR_CHECK_USER_DICTIONARY problem;
// its valid items are loaded all the same.  Returns false when out of memory.
bool load_user_dictionaries(XmlCheck *check);
void free_user_items(UserItems *items);

#endif
