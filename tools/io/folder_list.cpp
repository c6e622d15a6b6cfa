// folder_list.cpp -- the files a folder named on the command line stands
// for: its names read, sorted, matched against --include and walked into.
#include "io/io.h"

#include <string.h>

#include <algorithm>

namespace
{

bool is_glob_escape(char c) { return c == '\\' && folder_separator != '\\'; }

char folded(char c, bool fold) { return fold && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Matches the set that starts after '[' at `p` against `c`; sets *end past
// its ']'.  A set without its ']' is no set: '[' then stands for itself.
bool set_matches(const char *p, char c, bool fold, const char **end, bool *is_set)
{
    const char *q = p;
    const bool negated = *q == '!' || *q == '^';
    if (negated)
        ++q;
    bool found = false;
    bool first = true;
    for (; *q != '\0' && (*q != ']' || first); first = false) {
        char low = *q++;
        if (is_glob_escape(low) && *q != '\0')
            low = *q++;
        char high = low;
        if (*q == '-' && q[1] != ']' && q[1] != '\0') {
            high = q[1];
            q += 2;
        }
        const char x = folded(c, fold);
        if ((x >= folded(low, fold) && x <= folded(high, fold)) || (c >= low && c <= high))
            found = true;
    }
    *is_set = *q == ']';
    *end = *is_set ? q + 1 : p;
    return found != negated;
}

bool matches(const char *p, const char *n, bool fold)
{
    // '*' is matched by going back to the last star, so a pattern costs at
    // most its length times the name's, never more.
    const char *star = nullptr, *star_name = nullptr;
    while (*n != '\0') {
        if (*p == '*') {
            star = ++p;
            star_name = n;
            continue;
        }
        bool ok = false;
        const char *next = p + 1;
        if (*p == '?') {
            ok = true;
        } else if (*p == '[') {
            bool is_set = false;
            const char *end = nullptr;
            ok = set_matches(p + 1, *n, fold, &end, &is_set);
            if (is_set)
                next = end;
            else
                ok = *n == '[';
        } else if (*p != '\0') {
            char literal = *p;
            if (is_glob_escape(*p) && p[1] != '\0') {
                literal = p[1];
                next = p + 2;
            }
            ok = folded(literal, fold) == folded(*n, fold);
        }
        if (ok) {
            p = next;
            ++n;
        } else if (star != nullptr) {
            p = star;
            n = ++star_name;
        } else {
            return false;
        }
    }
    while (*p == '*')
        ++p;
    return *p == '\0';
}

bool included(const char *name, const std::vector<const char *> &includes)
{
    if (includes.empty())
        return true;
    for (const char *pattern : includes)
        if (glob_matches(pattern, name))
            return true;
    return false;
}

std::string joined(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && (folder.back() == folder_separator || folder.back() == '/'))
        return folder + name;
    return folder + folder_separator + name;
}

void list_folder(const std::string &folder, bool recursive, const std::vector<const char *> &includes,
                 std::vector<ListedInput> *inputs)
{
    std::vector<FolderEntry> entries;
    std::string reason;
    if (!read_folder(folder.c_str(), &entries, &reason)) {
        inputs->push_back({folder, "folder cannot be read: " + reason});
        return;
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry &a, const FolderEntry &b) { return strcmp(a.name.c_str(), b.name.c_str()) < 0; });
    for (const FolderEntry &entry : entries) {
        if (entry.hidden || entry.name[0] == '.')
            continue;
        const std::string path = joined(folder, entry.name);
        if (entry.kind == ENTRY_FOLDER && recursive)
            list_folder(path, recursive, includes, inputs);
        else if (entry.kind == ENTRY_FILE && included(entry.name.c_str(), includes))
            inputs->push_back({path, ""});
        else if (entry.kind == ENTRY_UNREADABLE && included(entry.name.c_str(), includes))
            inputs->push_back({path, entry.reason});
    }
}

} // namespace

bool glob_matches(const char *pattern, const char *name) { return matches(pattern, name, folder_separator == '\\'); }

bool list_input(const char *path, bool recursive, const std::vector<const char *> &includes,
                std::vector<ListedInput> *inputs)
{
    if (strcmp(path, "-") == 0 || !is_folder(path)) {
        inputs->push_back({path, ""});
        return false;
    }
    list_folder(path, recursive, includes, inputs);
    return true;
}
