// checker_binding.cpp -- the record checker of the loaded cvnaaccr.dll, found by its decorated name.
#include "checker_binding.h"

#include <stddef.h>

static LibraryEntry find_checker_entry(const LibrarySystem *system, const char *name)
{
    void *module = system->find_loaded_module(system->context, CHECKER_MODULE_NAME);
    return module != NULL ? system->find_entry(system->context, module, name) : NULL;
}

// A function pointer of no particular type may be cast to the real one.
CheckFileFunction BindRecordChecker(const LibrarySystem *system)
{
    return reinterpret_cast<CheckFileFunction>(find_checker_entry(system, CHECKER_ENTRY_NAME));
}

CheckFileExFunction BindItemChecker(const LibrarySystem *system)
{
    return reinterpret_cast<CheckFileExFunction>(find_checker_entry(system, ITEM_CHECKER_ENTRY_NAME));
}

int LibraryChecksCodes(const LibrarySystem *system) { return find_checker_entry(system, CODE_LIST_ENTRY_NAME) != NULL; }

int LibraryNamesProblems(const LibrarySystem *system)
{
    OptionFlagsFunction flags =
        reinterpret_cast<OptionFlagsFunction>(find_checker_entry(system, OPTION_FLAGS_ENTRY_NAME));
    return flags != NULL && (flags(NAACCR_OPTIONS_ITEM_CHECK) & NAACCR_CHECK_IDS) != 0;
}
