// output_file.cpp -- the part of writing a file safely that is the same on
// every platform: the choice of a temporary name next to OUT.
#include "output_file.h"

#include <stdio.h>

bool create_output(const char *out, const char *input, OutputFile *file, char *error, size_t capacity)
{
    const size_t folder = output_folder_length(out);
    char temporary[output_path_capacity];
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int n = snprintf(temporary, sizeof temporary, "%.*s.cvnaaccr-%016llx.tmp", static_cast<int>(folder), out,
                               static_cast<unsigned long long>(temporary_name_bits(attempt)));
        if (n < 0 || static_cast<size_t>(n) >= sizeof temporary) {
            snprintf(error, capacity, "cannot make a temporary file next to it: path too long");
            return false;
        }
        const int made = create_output_named(temporary, input, file, error, capacity);
        if (made != 1)
            return made == 0;
    }
    snprintf(error, capacity, "cannot make a temporary file next to it: every name tried exists");
    return false;
}
