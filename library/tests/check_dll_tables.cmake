# Reads the export and import tables of cvnaaccr.dll with objdump -p and fails on
# any missing or extra exported name (each function of library/abi/exports.txt under
# its plain and its decorated name), or on an imported DLL other than the system's.
#   cmake -DOBJDUMP=... -DDLL=... -DEXPORTS=library/abi/exports.txt -P check_dll_tables.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/exports.cmake)
cvnaaccr_read_exports(${EXPORTS} entries)
cvnaaccr_dll_export_names("${entries}" expected_exports)
set(allowed_imports KERNEL32.dll msvcrt.dll)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()

# Exports: the rows "[ n] name" of the name pointer table.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)+" table "${dump}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" rows "${table}")
set(exports "")
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^[^ ]* *[0-9]+. " "" name "${row}")
  list(APPEND exports "${name}")
endforeach()
list(SORT exports)
list(SORT expected_exports)
if(NOT exports STREQUAL expected_exports)
  message(FATAL_ERROR "exports differ\n  expected: ${expected_exports}\n  found:    ${exports}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imported "${dump}")
string(REPLACE "DLL Name: " "" imported "${imported}")
foreach(dll IN LISTS imported)
  if(NOT dll IN_LIST allowed_imports)
    message(FATAL_ERROR "unexpected import of ${dll} (allowed: ${allowed_imports})")
  endif()
endforeach()
list(LENGTH exports count)
message(STATUS "${DLL}: ${count} exports, imports ${imported}")
