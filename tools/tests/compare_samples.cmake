# Fails unless every file of BUNDLED equals the file of the same name in GENERATED.
file(GLOB bundled RELATIVE ${BUNDLED} ${BUNDLED}/*.txt)
list(LENGTH bundled count)
if(count EQUAL 0)
  message(FATAL_ERROR "no samples in ${BUNDLED}")
endif()
foreach(name IN LISTS bundled)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BUNDLED}/${name} ${GENERATED}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "samples/${name} differs from the generator's file; rerun make_samples")
  endif()
endforeach()
message(STATUS "${count} bundled samples match the generator")
