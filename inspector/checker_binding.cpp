// checker_binding.cpp -- the record checker of the loaded cvnaaccr.dll, found by its decorated name.
#include "checker_binding.h"

#include <stddef.h>

CheckFileFunction BindRecordChecker(const LibrarySystem *system)
{
    void *module = system->find_loaded_module(system->context, CHECKER_MODULE_NAME);
    if (module == NULL)
        return NULL;
    LibraryEntry entry = system->find_entry(system->context, module, CHECKER_ENTRY_NAME);
    // A function pointer of no particular type may be cast to the real one.
    return reinterpret_cast<CheckFileFunction>(entry);
}
