# Compares the dialog template compiled into veldrix.exe with the expected one.
#   cmake -DWINDRES=... -DPROGRAM=veldrix.exe -DEXPECTED=main_dialog.rc -P check_dialog.cmake
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${WINDRES} -i ${PROGRAM} -O rc failed")
endif()

# The lines from "100 DIALOG" to the first "END" after it.
string(REPLACE ";" "\\;" resources "${resources}")
string(REPLACE "\n" ";" lines "${resources}")
set(dialog "")
set(inside FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^100 DIALOG")
    set(inside TRUE)
  endif()
  if(inside)
    string(APPEND dialog "${line}\n")
    if(line STREQUAL "END")
      break()
    endif()
  endif()
endforeach()

file(STRINGS ${EXPECTED} expected_lines REGEX "^[^#]")
list(JOIN expected_lines "\n" expected)
string(APPEND expected "\n")
if(NOT dialog STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/main_dialog.actual.rc "${dialog}")
  message(FATAL_ERROR "the compiled dialog template differs from ${EXPECTED}; "
                      "it is in ${CMAKE_CURRENT_BINARY_DIR}/main_dialog.actual.rc")
endif()
