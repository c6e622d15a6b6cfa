# check_version_resource.cmake -- the version resource of a Windows program or
# DLL says VERSION in its numbers and in its texts, and (when COMMENTS is
# given) names the library version COMMENTS in its comment.
#   cmake -DWINDRES=... -DFILE=veldrix.exe -DVERSION=1.1.5 [-DCOMMENTS=1.2.2] -P check_version_resource.cmake
execute_process(COMMAND ${WINDRES} -i ${FILE} -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${WINDRES} -i ${FILE} -O rc failed")
endif()
if(NOT resources MATCHES "VERSIONINFO")
  message(FATAL_ERROR "${FILE} has no version resource")
endif()

string(REPLACE "." ", " numbers "${VERSION}, 0")
string(REPLACE "." "\\." version_pattern "${VERSION}")
set(expected
  "\n FILEVERSION ${numbers}\n"
  "\n PRODUCTVERSION ${numbers}\n"
  "VALUE \"FileVersion\", \"${version_pattern}\""
  "VALUE \"ProductVersion\", \"${version_pattern}\"")
if(COMMENTS)
  string(REPLACE "." "\\." comments_pattern "${COMMENTS}")
  list(APPEND expected "VALUE \"Comments\", \"[^\"]* ${comments_pattern}\"")
endif()
foreach(pattern IN LISTS expected)
  if(NOT resources MATCHES "${pattern}")
    message(FATAL_ERROR "the version resource of ${FILE} lacks '${pattern}':\n${resources}")
  endif()
endforeach()
message(STATUS "${FILE}: version ${VERSION}")
