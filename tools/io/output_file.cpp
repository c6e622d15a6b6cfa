// output_file.cpp -- the part of writing a file safely that is the same on
// every platform: the choice of a temporary name, next to OUT or in the
// folder for temporary files.
#include "io/io.h"

#include <stdio.h>
#include <string.h>

namespace
{

// Tries new names in the first `folder` bytes of `path` until one is made:
// for OUT with the permission bits of `input`, or else a private file.
bool create_in_folder(const char *path, size_t folder, const char *input, bool private_file, OutputFile *file,
                      char *error, size_t capacity)
{
    const char *what = private_file ? "cannot make a temporary file in the folder for them"
                                    : "cannot make a temporary file next to it";
    char temporary[output_path_capacity];
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int n = snprintf(temporary, sizeof temporary, "%.*s.cvnaaccr-%016llx.tmp", static_cast<int>(folder), path,
                               static_cast<unsigned long long>(temporary_name_bits(attempt)));
        if (n < 0 || static_cast<size_t>(n) >= sizeof temporary) {
            snprintf(error, capacity, "%s: path too long", what);
            return false;
        }
        const int made = private_file ? create_private_named(temporary, file, error, capacity)
                                      : create_output_named(temporary, input, file, error, capacity);
        if (made != 1)
            return made == 0;
    }
    snprintf(error, capacity, "%s: every name tried exists", what);
    return false;
}

} // namespace

bool create_output(const char *out, const char *input, OutputFile *file, char *error, size_t capacity)
{
    return create_in_folder(out, output_folder_length(out), input, false, file, error, capacity);
}

bool create_private_file(OutputFile *file, char *error, size_t capacity)
{
    char folder[output_path_capacity];
    if (!temporary_folder(folder, sizeof folder)) {
        snprintf(error, capacity, "cannot make a temporary file: the folder for them has too long a path");
        return false;
    }
    return create_in_folder(folder, strlen(folder), nullptr, true, file, error, capacity);
}
