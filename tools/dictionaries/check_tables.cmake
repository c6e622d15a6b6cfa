# check_tables.cmake -- runs make_dictionary_tables.py on NAACCR's dictionary
# files into the build tree and fails when its output differs from the
# committed library/dictionary_tables.cpp.
#   cmake -DPYTHON=... -DGENERATOR=... -DDICTIONARIES=... -DCOMMITTED=... -DGENERATED=... -P check_tables.cmake
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${DICTIONARIES} ${GENERATED} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_dictionary_tables.py failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${GENERATED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what the generator makes of ${DICTIONARIES}; "
                      "run: ${PYTHON} ${GENERATOR} ${DICTIONARIES} ${COMMITTED}")
endif()
