# checksum_cli_test.cmake -- runs `cvnaaccr checksum` and `cvnaaccr version` on
# generated record files.  Invoked as
#   cmake -DCLI=<path of cvnaaccr> -DWORK=<scratch folder> -DVERSION=<the library's> -P checksum_cli_test.cmake
if(NOT CLI OR NOT WORK OR NOT VERSION)
  message(FATAL_ERROR "CLI, WORK and VERSION must be given")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(expect_run expected_status expected_output)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "cvnaaccr ${ARGN}: exit ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${expected_output}")
    message(FATAL_ERROR "cvnaaccr ${ARGN}: output lacks '${expected_output}':\n${out}${err}")
  endif()
endfunction()

# The same, with standard input read from a file.
function(expect_run_input input expected_status expected_output)
  execute_process(COMMAND ${CLI} ${ARGN} INPUT_FILE "${input}" RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "cvnaaccr ${ARGN} < ${input}: exit ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${expected_output}")
    message(FATAL_ERROR "cvnaaccr ${ARGN} < ${input}: output lacks '${expected_output}':\n${out}${err}")
  endif()
endfunction()

# Type I, NAACCR 15: 3339 characters, checksum field (blank) at columns 1920 to 1929.
string(REPEAT "x" 1900 head)
string(REPEAT "y" 1410 tail)
set(cr_lf "\r\n")
set(incidence "")
foreach(n 1 2 3)
  string(APPEND incidence "I${n}              150${head}          ${tail}${cr_lf}")
endforeach()
file(WRITE "${WORK}/incidence.txt" "${incidence}")
file(SHA256 "${WORK}/incidence.txt" input_hash)
string(REPEAT "r" 2196 rest)
file(WRITE "${WORK}/routine.txt" "R               120${rest}\n")

string(REPLACE "." "\\." version_pattern "library ${VERSION},")
expect_run(0 "${version_pattern}" version)
expect_run(2 "Usage" checksum)
expect_run(2 "Usage" checksum assign "${WORK}/incidence.txt")
# Blank fields are counted, not listed.
expect_run(1 "3 records, 0 match, 0 mismatch, 3 blank, 0 not checked" checksum verify "${WORK}/incidence.txt")
expect_run(0 "3 records, 3 assigned, 0 not assigned" checksum assign "${WORK}/incidence.txt" -o "${WORK}/assigned.txt")
expect_run(0 "3 records, 3 match, 0 mismatch, 0 blank, 0 not checked" checksum verify "${WORK}/assigned.txt")
file(SIZE "${WORK}/incidence.txt" in_size)
file(SIZE "${WORK}/assigned.txt" out_size)
if(NOT in_size EQUAL out_size)
  message(FATAL_ERROR "the copy has ${out_size} bytes, the input ${in_size}")
endif()
file(SHA256 "${WORK}/incidence.txt" unchanged_hash)
if(NOT unchanged_hash STREQUAL input_hash)
  message(FATAL_ERROR "assign changed its input")
endif()

# One changed byte outside the field is a mismatch of that record only (the
# copy read back this way has LF terminators; they are not part of the checksum).
file(READ "${WORK}/assigned.txt" assigned)
string(REPLACE "I2              150x" "I2              150z" damaged "${assigned}")
file(WRITE "${WORK}/damaged.txt" "${damaged}")
expect_run(1 "record 2 \\(offset [0-9]+\\), column 1920[^:]*: Checksum mismatch.*3 records, 2 match, 1 mismatch"
           checksum verify "${WORK}/damaged.txt")

# Refusals are reported by name; an existing output is replaced.
expect_run(1 "record 1 \\(offset 0\\), column 0[^:]*: No checksum field" checksum verify "${WORK}/routine.txt")
expect_run(1 "record 1 \\(offset 0\\): not assigned: its record type and version have no checksum field" checksum assign "${WORK}/routine.txt" -o "${WORK}/assigned.txt")
file(SIZE "${WORK}/assigned.txt" replaced_size)
if(NOT replaced_size EQUAL 2216)
  message(FATAL_ERROR "the output was not replaced")
endif()

# A failure leaves no output and no temporary file; the input is never the output.
expect_run(2 "cannot make a temporary file" checksum assign "${WORK}/incidence.txt" -o "${WORK}/missing/out.txt")
expect_run(2 "cannot be opened" checksum assign "${WORK}/absent.txt" -o "${WORK}/out.txt")
expect_run(2 "must not be the input" checksum assign "${WORK}/incidence.txt" -o "${WORK}/incidence.txt")
file(GLOB leftovers "${WORK}/*.tmp*" "${WORK}/out.txt")
if(leftovers)
  message(FATAL_ERROR "left behind: ${leftovers}")
endif()

# Options after the file names and "--", as the platform's getopt_long takes
# them; an unknown option named; standard input read in binary mode, so CR LF
# records stay whole; gzip input; a folder refused as OUT.
expect_run(0 "3 records, 0 problems" check "${WORK}/incidence.txt" --quiet --threads 2)
expect_run(2 "cvnaaccr check: unknown option '--jsno'" check "${WORK}/incidence.txt" --jsno)
expect_run(2 "cannot be opened" check -- --quiet)
expect_run(0 "3 records, 3 assigned" checksum assign "${WORK}/incidence.txt" -o "${WORK}/again.txt")
expect_run_input("${WORK}/again.txt" 0 "-: 3 records, 3 match, 0 mismatch, 0 blank, 0 not checked" checksum verify -)
file(ARCHIVE_CREATE OUTPUT "${WORK}/again.txt.gz" PATHS "${WORK}/again.txt" FORMAT raw COMPRESSION GZip)
expect_run(0 "3 records, 3 match" checksum verify "${WORK}/again.txt.gz")
file(MAKE_DIRECTORY "${WORK}/folder")
expect_run(2 "not a regular file" checksum assign "${WORK}/incidence.txt" -o "${WORK}/folder")
