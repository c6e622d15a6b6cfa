// version_command.cpp -- cvnaaccr version: the identification of the library
// this program talks to.
#include <stdio.h>
#include <string.h>

#include "commands.h"
#include "cvnaaccr.h"

int version_command(int argc, char **argv)
{
    if (argc != 1) {
        fprintf(stderr, "Usage: cvnaaccr %s\n", argv[0]);
        return 2;
    }
    NaaccrLibraryInfo info;
    memset(&info, 0, sizeof info);
    cvGet_cvnaaccr_dll_info(&info);
    printf("cvnaaccr library %s, built %s %s\n%s\n", info.library_version, info.build_date, info.build_time,
           info.contact);
    return 0;
}
