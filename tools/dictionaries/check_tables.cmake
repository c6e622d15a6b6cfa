# check_tables.cmake -- runs a table generator of this folder
# (make_dictionary_tables.py on NAACCR's dictionary files, make_code_tables.py
# on data/codes) into the build tree and fails when its output differs from
# the committed tables.
#   cmake -DPYTHON=... -DGENERATOR=... -DINPUT=... -DCOMMITTED=... -DGENERATED=... -P check_tables.cmake
# INPUT is the folder the generator reads.
get_filename_component(generator_name ${GENERATOR} NAME)
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${INPUT} ${GENERATED} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${generator_name} failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${GENERATED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what the generator makes of ${INPUT}; "
                      "run: ${PYTHON} ${GENERATOR} ${INPUT} ${COMMITTED}")
endif()
