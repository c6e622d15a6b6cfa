/* program_version.h -- the inspector's version and build date, as its caption
   and its About box show them. */
#ifndef PROGRAM_VERSION_H
#define PROGRAM_VERSION_H

#define PROGRAM_VERSION "1.1.5"
#define PROGRAM_BUILD_DATE "Sep  9 2014"

#endif
