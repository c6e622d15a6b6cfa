// help_control.cpp -- the HTML Help control (hhctrl.ocx) through the registry and run-time linking.
#include "help_control.h"

#include <windows.h>

static_assert(HELP_VALUE_EXPAND_SZ == REG_EXPAND_SZ, "registry value type");

// HtmlHelpA, entry 14 of hhctrl.ocx; HH_DISPLAY_TOPIC is 0.
typedef HWND(WINAPI *HtmlHelpEntry)(HWND window, LPCSTR file, UINT command, DWORD_PTR data);
#define HH_DISPLAY_TOPIC 0
#define HTML_HELP_ORDINAL 14

static int open_control_key(void *, void **key)
{
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0, KEY_READ,
                      &opened) != ERROR_SUCCESS)
        return 0;
    *key = opened;
    return 1;
}

static int query_default_value(void *, void *key, uint32_t *type, char *data, uint32_t size)
{
    DWORD value_type = 0, value_size = size;
    if (RegQueryValueExA((HKEY)key, NULL, NULL, &value_type, (BYTE *)data, &value_size) != ERROR_SUCCESS)
        return 0;
    *type = value_type;
    return 1;
}

static uint32_t expand_environment(void *, const char *text, char *out, uint32_t capacity)
{
    return ExpandEnvironmentStringsA(text, out, capacity);
}

static void close_key(void *, void *key) { RegCloseKey((HKEY)key); }

static void *load_module(void *, const char *path) { return (void *)LoadLibraryA(path); }

static void *find_entry(void *, void *module)
{
    return (void *)GetProcAddress((HMODULE)module, MAKEINTRESOURCEA(HTML_HELP_ORDINAL));
}

static intptr_t display_topic(void *, void *entry, void *window, const char *help_path)
{
    return (intptr_t)((HtmlHelpEntry)entry)((HWND)window, help_path, HH_DISPLAY_TOPIC, 0);
}

const HelpSystem html_help_system = {NULL,      open_control_key, query_default_value, expand_environment,
                                     close_key, load_module,      find_entry,          display_topic};
