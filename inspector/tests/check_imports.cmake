# Checks the import table of veldrix.exe: from cvnaaccr.dll exactly the two
# decorated names (the record checker is looked up at run time, so that the
# program starts with a library that lacks it), and otherwise only system
# DLLs.  comctl32.dll is among them for the record check's progress bar and
# list.
#   cmake -DOBJDUMP=... -DPROGRAM=veldrix.exe -P check_imports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE table RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()

set(system_dlls kernel32.dll user32.dll comdlg32.dll comctl32.dll advapi32.dll msvcrt.dll)
set(dll "")
set(library_imports "")
set(dlls "")
string(REPLACE "\n" ";" lines "${table}")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*DLL Name: (.+)$")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOLOWER "${dll}" dll)
    list(APPEND dlls ${dll})
  elseif(line MATCHES "^[ \t]*$")
    set(dll "")
  elseif(dll STREQUAL "cvnaaccr.dll" AND line MATCHES "^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+(.+)$")
    string(STRIP "${CMAKE_MATCH_1}" name)
    list(APPEND library_imports "${name}")
  endif()
endforeach()

list(SORT library_imports)
set(expected "_cvGet_cvnaaccr_dll_info@4;_cvGet_naaccr_file_info@4")
if(NOT library_imports STREQUAL expected)
  message(FATAL_ERROR "imports from cvnaaccr.dll: '${library_imports}', expected '${expected}'")
endif()
foreach(name IN LISTS dlls)
  if(NOT name STREQUAL "cvnaaccr.dll")
    list(FIND system_dlls ${name} at)
    if(at EQUAL -1)
      message(FATAL_ERROR "veldrix.exe imports from ${name}, which is not a system DLL")
    endif()
  endif()
endforeach()
message(STATUS "imports: ${dlls}; from cvnaaccr.dll: ${library_imports}")
