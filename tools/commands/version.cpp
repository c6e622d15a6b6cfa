// version.cpp -- cvnaaccr version (and cvnaaccr --version): the
// identification of the library this program talks to.
#include "commands/commands.h"

#include <stdio.h>
#include <string.h>

#include "text/text.h"

int version_command(int argc, char **argv)
{
    CommandLine line;
    if (parse_command_line("version", argc, argv, 0, &line) != 0)
        return 2;
    if (line.help)
        return print_help("version");
    if (!line.files.empty())
        return usage_error("version");
    NaaccrLibraryInfo info;
    memset(&info, 0, sizeof info);
    cvGet_cvnaaccr_dll_info(&info);
    printf("cvnaaccr library %s, built %s %s\n%s\n", info.library_version, info.build_date, info.build_time,
           info.contact);
    return finish_output("cvnaaccr version") ? 0 : 2;
}
