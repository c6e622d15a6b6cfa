// identification_calls.cpp -- cvGet_cvnaaccr_dll_info: which build of the
// library a caller talks to.
#include <string.h>

#include "cvnaaccr.h"

namespace
{

// Constants of this release, not the compiler's date: every build of one
// version identifies itself the same way.
const char library_version[] = CVNAACCR_VERSION_STRING;
const char build_date[] = "Sep 15 2014";
const char build_time[] = "14:53:40";
const char contact[] = "Corvella\nCorvella Registry Software, support@corvella.example";

static_assert(sizeof library_version <= sizeof NaaccrLibraryInfo{}.library_version, "version fits");
static_assert(sizeof build_date <= sizeof NaaccrLibraryInfo{}.build_date, "date fits");
static_assert(sizeof build_time <= sizeof NaaccrLibraryInfo{}.build_time, "time fits");
static_assert(sizeof contact <= sizeof NaaccrLibraryInfo{}.contact, "contact fits");

} // namespace

int32_t CV_CALL cvGet_cvnaaccr_dll_info(NaaccrLibraryInfo *info)
{
    // Each text with its NUL; the bytes after the NUL stay as the caller left them.
    memcpy(info->library_version, library_version, sizeof library_version);
    memcpy(info->build_date, build_date, sizeof build_date);
    memcpy(info->build_time, build_time, sizeof build_time);
    memcpy(info->contact, contact, sizeof contact);
    return 0;
}
