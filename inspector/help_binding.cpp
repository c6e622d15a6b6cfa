// help_binding.cpp -- the help file's path and the binding of the HTML Help control, loaded on first use.
#include "help_binding.h"

#include <stdio.h>
#include <string.h>

void InitHelpPath(char *help_path, const char *argument0)
{
    help_path[0] = '\0';
    const char *separator = strrchr(argument0, '\\');
    size_t length = separator != NULL ? (size_t)(separator - argument0) : 0;
    // A directory that does not fit gets no help path at all: a cut one could name another file.
    if (length >= PROGRAM_DIRECTORY_CAPACITY)
        return;
    char directory[PROGRAM_DIRECTORY_CAPACITY];
    memcpy(directory, argument0, length);
    directory[length] = '\0';
    snprintf(help_path, HELP_PATH_CAPACITY, "%s\\veldrix.chm", directory);
}

int FindHelpControlPath(const HelpSystem *system, char *location)
{
    void *key;
    if (!system->open_control_key(system->context, &key))
        return 0;
    char value[HELP_LOCATION_CAPACITY];
    uint32_t type = 0;
    if (!system->query_default_value(system->context, key, &type, value, sizeof value)) {
        system->close_key(system->context, key);
        return 0;
    }
    // The value may lack its NUL or be longer than the buffer.
    value[sizeof value - 1] = '\0';
    int found;
    if (type == HELP_VALUE_EXPAND_SZ) {
        uint32_t count = system->expand_environment(system->context, value, location, HELP_LOCATION_CAPACITY);
        found = count >= 1 && count <= HELP_LOCATION_CAPACITY;
    } else {
        found = snprintf(location, HELP_LOCATION_CAPACITY, "%s", value) < HELP_LOCATION_CAPACITY;
    }
    system->close_key(system->context, key);
    return found;
}

intptr_t ShowHelp(const HelpSystem *system, HelpBinding *binding, void *window, const char *help_path)
{
    if (help_path[0] == '\0')
        return 0;
    if (binding->module == NULL && !binding->failed) {
        char location[HELP_LOCATION_CAPACITY];
        if (FindHelpControlPath(system, location))
            binding->module = system->load_module(system->context, location);
        if (binding->module == NULL)
            binding->module = system->load_module(system->context, "hhctrl.ocx");
        if (binding->module == NULL) {
            binding->failed = 1;
            return 0;
        }
    }
    if (binding->module == NULL)
        return 0;
    if (binding->entry == NULL) {
        binding->entry = system->find_entry(system->context, binding->module);
        if (binding->entry == NULL) {
            binding->failed = 1;
            return 0;
        }
    }
    return system->display_topic(system->context, binding->entry, window, help_path);
}
