# check_windows_zip.cmake -- makes the Windows zip with CPack and checks it as a
# user gets it: one folder holding exactly the programs, the DLL, the help file,
# README.txt (CR LF lines), the header, the .def and the import library; a C
# program built against that header and cvnaaccr.lib imports the decorated
# names; where Windows programs run (EMULATOR), it and cvnaaccr.exe run from
# the unzipped folder and report VERSION.
#   cmake -DCPACK=cpack -DBUILD_DIR=... -DWORK=... -DPACKAGE=veldrix-1.1.5-win64 -DCC=... -DOBJDUMP=...
#         -DVERSION=1.2.2 -DCONSUMER=consumer.c [-DEMULATOR=wine-run] -P check_windows_zip.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}: exit ${status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} -E chdir ${BUILD_DIR} ${CPACK} -G ZIP -B ${WORK})
set(zip ${WORK}/${PACKAGE}.zip)
if(NOT EXISTS ${zip})
  message(FATAL_ERROR "CPack made no ${zip}")
endif()

file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${WORK}/unzipped)
file(GLOB top RELATIVE ${WORK}/unzipped ${WORK}/unzipped/*)
if(NOT top STREQUAL PACKAGE)
  message(FATAL_ERROR "the zip holds '${top}', expected the one folder ${PACKAGE}")
endif()
set(folder ${WORK}/unzipped/${PACKAGE})
file(GLOB_RECURSE files RELATIVE ${folder} ${folder}/*)
list(SORT files)
set(expected README.txt cvnaaccr.def cvnaaccr.dll cvnaaccr.exe cvnaaccr.h cvnaaccr.lib veldrix.chm veldrix.exe)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "the zip holds\n  ${files}\nexpected\n  ${expected}")
endif()
# Read as hexadecimal bytes, one per word: CMake drops the CRs of text it reads.
file(READ ${folder}/README.txt readme HEX)
string(REGEX REPLACE "(..)" "\\1 " readme "${readme}")
if(readme MATCHES "(^|([^0].|0[^d]) )0a" OR NOT readme MATCHES "0d 0a $")
  message(FATAL_ERROR "README.txt does not end its lines with CR LF")
endif()

# A caller built from the zip alone: its header and its import library.
set(consumer ${folder}/consumer.exe)
run(${CC} -std=c11 -Wall -Wextra -Werror -I${folder} -o ${consumer} ${CONSUMER} ${folder}/cvnaaccr.lib -static)
run(${OBJDUMP} -p ${consumer})
string(REPLACE "\n" ";" lines "${out}")
set(dll "")
set(names "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*DLL Name: (.+)$")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOLOWER "${dll}" dll)
  elseif(line MATCHES "^[ \t]*$")
    set(dll "")
  elseif(dll STREQUAL "cvnaaccr.dll" AND line MATCHES "^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+(.+)$")
    string(STRIP "${CMAKE_MATCH_1}" name)
    list(APPEND names "${name}")
  endif()
endforeach()
list(SORT names)
if(NOT names STREQUAL "_cvCalcCRC32@16;_cvGet_cvnaaccr_dll_info@4")
  message(FATAL_ERROR "a caller linked with cvnaaccr.lib imports '${names}' from cvnaaccr.dll")
endif()

if(EMULATOR)
  run(${EMULATOR} ${consumer} ${VERSION})
  message(STATUS "${out}")
  run(${EMULATOR} ${folder}/cvnaaccr.exe version)
  if(NOT out MATCHES " ${VERSION}")
    message(FATAL_ERROR "cvnaaccr.exe version does not say ${VERSION}:\n${out}")
  endif()
endif()
message(STATUS "${zip}: ${files}")
