# wildcards_test.cmake -- cvnaaccr.exe expands a wildcard in its arguments as a
# Windows user expects: `cvnaaccr inspect <folder>\*.txt` inspects every .txt
# file of the folder, and only those.  The pattern reaches the program
# unexpanded, as from a Windows command prompt.  Invoked as
#   cmake -DEMULATOR=<wine runner> -DCLI=<cvnaaccr.exe> -DSAMPLES=<folder> -P wildcards_test.cmake
if(NOT EMULATOR OR NOT CLI OR NOT SAMPLES)
  message(FATAL_ERROR "EMULATOR, CLI and SAMPLES must be given")
endif()

# Under Wine the Unix root is drive Z:.
string(REPLACE "/" "\\" pattern "Z:${SAMPLES}/*.txt")
execute_process(COMMAND ${EMULATOR} ${CLI} inspect "${pattern}" RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
# Some samples are faulty on purpose: 1 (a problem found) is a normal outcome.
if(NOT status MATCHES "^[01]$")
  message(FATAL_ERROR "cvnaaccr inspect ${pattern}: exit ${status}\n${out}${err}")
endif()

file(GLOB expected RELATIVE ${SAMPLES} ${SAMPLES}/*.txt)
list(LENGTH expected expected_count)
if(expected_count LESS 2)
  message(FATAL_ERROR "${SAMPLES} holds fewer than two .txt files; the test needs several")
endif()
string(REGEX MATCHALL "path:[^\r\n]*" reports "${out}")
list(LENGTH reports count)
if(NOT count EQUAL expected_count)
  message(FATAL_ERROR "${count} files inspected, expected ${expected_count} (${expected})\n${out}${err}")
endif()
foreach(name IN LISTS expected)
  string(REPLACE "." "\\." name_pattern "${name}")
  if(NOT reports MATCHES "\\\\${name_pattern}(;|$)")
    message(FATAL_ERROR "${name} was not inspected:\n${out}")
  endif()
endforeach()
message(STATUS "${count} files inspected through ${pattern}")
