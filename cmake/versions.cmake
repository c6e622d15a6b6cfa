# versions.cmake -- reads the two version numbers from the headers that define
# them, before project(): the library's from library/include/cvnaaccr.h
# (CVNAACCR_VERSION_MAJOR, _MINOR, _PATCH and _STRING), the inspector
# program's from PROGRAM_VERSION in inspector/program_version.h.  Sets
# CVNAACCR_HEADER_VERSION and VELDRIX_VERSION (MAJOR.MINOR.PATCH each).

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../library/include/cvnaaccr.h version_defines
     REGEX "^#define CVNAACCR_VERSION_[A-Z]+ ")
set(version_numbers "")
foreach(part MAJOR MINOR PATCH)
  if(NOT version_defines MATCHES "#define CVNAACCR_VERSION_${part} ([0-9]+)")
    message(FATAL_ERROR "library/include/cvnaaccr.h defines no CVNAACCR_VERSION_${part}")
  endif()
  list(APPEND version_numbers ${CMAKE_MATCH_1})
endforeach()
list(JOIN version_numbers . CVNAACCR_HEADER_VERSION)
# The string is what the library reports; it must spell the same numbers.
if(NOT version_defines MATCHES "#define CVNAACCR_VERSION_STRING \"([^\"]*)\""
   OR NOT CMAKE_MATCH_1 STREQUAL CVNAACCR_HEADER_VERSION)
  message(FATAL_ERROR "library/include/cvnaaccr.h: CVNAACCR_VERSION_STRING is not \"${CVNAACCR_HEADER_VERSION}\"")
endif()

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../inspector/program_version.h program_version REGEX "^#define PROGRAM_VERSION ")
if(NOT program_version MATCHES "^#define PROGRAM_VERSION \"([0-9]+\\.[0-9]+\\.[0-9]+)\"")
  message(FATAL_ERROR "inspector/program_version.h: PROGRAM_VERSION is not \"MAJOR.MINOR.PATCH\"")
endif()
set(VELDRIX_VERSION ${CMAKE_MATCH_1})

unset(version_defines)
unset(version_numbers)
unset(program_version)
