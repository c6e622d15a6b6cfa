/* checker_binding.h -- the record checker of cvnaaccr.dll, found at run time.

   The program imports only file inspection and identification from
   cvnaaccr.dll at load time, so that it starts with every release of the
   library.  The checker, which older releases lack, is looked up in the
   module already loaded, by its decorated export name (the same on 32-bit
   and 64-bit builds).  The lookups go through a LibrarySystem: the Win32
   layer (win32/check_window.cpp) fills it with GetModuleHandleA and
   GetProcAddress, the tests with fakes. */
#ifndef CHECKER_BINDING_H
#define CHECKER_BINDING_H

#include "cvnaaccr.h"

#define CHECKER_MODULE_NAME "cvnaaccr.dll"
#define CHECKER_ENTRY_NAME "_cvCheckNaaccrFile@12"
/* The checker that also checks data items (1.3 on). */
#define ITEM_CHECKER_ENTRY_NAME "_cvCheckNaaccrFileEx@12"
/* The export that came with the code check (1.5): a library that has it
   takes NAACCR_CHECK_CODES, and the larger NaaccrItemCheckOptions. */
#define CODE_LIST_ENTRY_NAME "_cvGetNaaccrItemCodes@16"
/* The export that says which flags each options struct takes (1.5): from
   1.6 the item checker's include NAACCR_CHECK_IDS. */
#define OPTION_FLAGS_ENTRY_NAME "_cvGetNaaccrOptionFlags@4"

/* cvCheckNaaccrFile as the program calls it. */
typedef int32_t(CV_CALL *CheckFileFunction)(const char *path, const NaaccrCheckOptions *options,
                                            NaaccrCheckSummary *summary);

/* cvGetNaaccrOptionFlags as the program calls it. */
typedef uint32_t(CV_CALL *OptionFlagsFunction)(int32_t options);

/* cvCheckNaaccrFileEx as the program calls it. */
typedef int32_t(CV_CALL *CheckFileExFunction)(const char *path, const NaaccrItemCheckOptions *options,
                                              NaaccrItemCheckSummary *summary);

/* Any exported function, before it is given its real type. */
typedef void (*LibraryEntry)(void);

/* The loader's operations.  `context` is handed back unchanged. */
typedef struct LibrarySystem {
    void *context;
    /* The module of that name already loaded into the process, or none; never
       loads one. */
    void *(*find_loaded_module)(void *context, const char *name);
    /* The module's export of that name, or none. */
    LibraryEntry (*find_entry)(void *context, void *module, const char *name);
} LibrarySystem;

/* Looks up CHECKER_ENTRY_NAME in the loaded CHECKER_MODULE_NAME.  Returns the
   checker, or null when the module is not loaded or lacks the export (an
   older library): the program then offers no record check. */
CheckFileFunction BindRecordChecker(const LibrarySystem *system);

/* Looks up ITEM_CHECKER_ENTRY_NAME the same way.  Returns it, or null when the
   loaded library has no item check: the item box is then greyed. */
CheckFileExFunction BindItemChecker(const LibrarySystem *system);

/* 1 when the loaded library has CODE_LIST_ENTRY_NAME, so that its item
   checker also checks codes: the box then reads "Also check data items and
   codes"; 0 otherwise ("Also check data items"). */
int LibraryChecksCodes(const LibrarySystem *system);

/* 1 when the loaded library's item checker names each problem's patient and
   tumour: its OPTION_FLAGS_ENTRY_NAME, asked, names NAACCR_CHECK_IDS among
   the flags of NaaccrItemCheckOptions; 0 otherwise (before 1.6, or without
   the export). */
int LibraryNamesProblems(const LibrarySystem *system);

#endif
