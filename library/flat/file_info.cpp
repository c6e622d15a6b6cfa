// file_info.cpp -- the reset of a NaaccrFileInfo and small facts derived from it.
#include "flat/flat.h"

void reset_naaccr_file_info(NaaccrFileInfo *info)
{
    info->file_name[0] = '\0';
    info->record_type = ' ';
    for (char &c : info->version)
        c = '\0';
    info->first_terminator = 0;
    info->second_terminator = 0;
    info->record_length = 0;
    info->record_count = 0;
    info->file_size = 0;
    info->message[0] = '\0';
}

int naaccr_terminator_count(const NaaccrFileInfo *info)
{
    const char first = info->first_terminator, second = info->second_terminator;
    if ((first == '\r' && second == '\n') || (first == '\n' && second == '\r'))
        return 2;
    if (first == '\r' || first == '\n')
        return 1;
    return 0;
}
