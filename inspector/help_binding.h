/* help_binding.h -- the help file's path and the binding of the HTML Help
   control that shows it.

   The control is reached only through a HelpSystem, a table of registry,
   loader and control operations: the Win32 layer (win32/help_control.cpp)
   fills it with the real calls, the tests with fakes. */
#ifndef HELP_BINDING_H
#define HELP_BINDING_H

#include <stdint.h>

/* The program directory holds at most 79 characters, the help path 119. */
#define PROGRAM_DIRECTORY_CAPACITY 80
#define HELP_PATH_CAPACITY 120
/* The registered location of the help control holds at most 259 characters. */
#define HELP_LOCATION_CAPACITY 260

/* The registry value type whose text holds environment references
   (REG_EXPAND_SZ). */
#define HELP_VALUE_EXPAND_SZ 2

/* The operations that bind and call the HTML Help control.  `context` is
   handed back unchanged as the first argument of every operation. */
typedef struct HelpSystem {
    void *context;
    /* Opens CLSID\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\InprocServer32 under
       the classes root for reading.  Returns 1 and a key, or 0. */
    int (*open_control_key)(void *context, void **key);
    /* Reads the key's unnamed value into `data` (`size` bytes).  Returns 1 and
       the value's type, or 0. */
    int (*query_default_value)(void *context, void *key, uint32_t *type, char *data, uint32_t size);
    /* Expands environment references; returns the count stored with its NUL,
       0 on failure, or more than `capacity` when the result does not fit. */
    uint32_t (*expand_environment)(void *context, const char *text, char *out, uint32_t capacity);
    void (*close_key)(void *context, void *key);
    /* Loads a module by path or by bare name; none on failure. */
    void *(*load_module)(void *context, const char *path);
    /* The module's entry at ordinal 14 (HtmlHelpA), or none. */
    void *(*find_entry)(void *context, void *module);
    /* Calls the entry with the window, the help file, HH_DISPLAY_TOPIC and 0;
       returns what it returns (a window, or none). */
    intptr_t (*display_topic)(void *context, void *entry, void *window, const char *help_path);
} HelpSystem;

/* The binding of the help control.  It starts all zero, binds on the first
   request and is never released. */
typedef struct HelpBinding {
    void *module;
    void *entry;
    int failed;
} HelpBinding;

/* Derives the help path "<program directory>\veldrix.chm" from argument 0 of
   the command line: the directory is the text before its last backslash, and
   empty without one.  Writes an empty help path when the directory has 80
   characters or more, so that no cut path can name another file.
   `help_path` holds HELP_PATH_CAPACITY bytes. */
void InitHelpPath(char *help_path, const char *argument0);

/* Reads the registered location of the HTML Help control into `location`
   (HELP_LOCATION_CAPACITY bytes), expanding environment references of a
   REG_EXPAND_SZ value.  Returns 1 when a usable text was stored, else 0.
   A key that was opened is closed on every path. */
int FindHelpControlPath(const HelpSystem *system, char *location);

/* Shows the help file through the HTML Help control, binding the control on
   the first request: from its registered location, else by the name
   "hhctrl.ocx".  A failed load is final for the run; a missing entry is looked
   up again on the next request.  Returns the control's result, or 0 when
   help could not be shown (also when `help_path` is empty).  Shows nothing of
   its own. */
intptr_t ShowHelp(const HelpSystem *system, HelpBinding *binding, void *window, const char *help_path);

#endif
