/* expat_config.h -- expat's build settings for the Windows builds, which
   compile Debian's expat source into cvnaaccr.dll (see cmake/expat.cmake).
   The same features as Debian's own libexpat: namespaces, DTD parsing (the
   checker refuses a DOCTYPE itself), 1024 bytes of context. */
#ifndef EXPAT_CONFIG_H
#define EXPAT_CONFIG_H 1

#define BYTEORDER 1234
#define HAVE_INTTYPES_H 1
#define HAVE_MEMORY_H 1
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRING_H 1
#define HAVE_SYS_STAT_H 1
#define HAVE_SYS_TYPES_H 1
#define STDC_HEADERS 1
#define PACKAGE "expat"
#define PACKAGE_NAME "expat"
#define PACKAGE_URL ""
#define XML_CONTEXT_BYTES 1024
#define XML_DTD 1
#define XML_NS 1

#endif
