# layers_test.cmake -- the command line's layers hold.  Each folder of tools/ has
# one header, named after it, and no other; every include line of tools/ names
# the header of its own folder or of a lower layer, common/check_kinds.h,
# common/utf8.h and common/html/html.h (the layer below tools/ that veldrix shares) or the public header cvnaaccr.h:
# never a library internal, veldrix's code, a higher layer or a file of a
# folder other than its header.
#
#   cmake -DTOOLS=<the tools folder> -P layers_test.cmake

cmake_minimum_required(VERSION 3.25)

# The layers, lowest first; main.cpp and tests/ stand above them all.
set(layers text io commands)
set(below_tools "cvnaaccr.h" "common/check_kinds.h" "common/utf8.h" "common/html/html.h")
# The sample generator writes every row of the library's table of layouts,
# which the public header does not give.
set(exception_file "tests/make_samples.cpp")
set(exception_include "flat/flat.h")

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB headers RELATIVE ${TOOLS} ${TOOLS}/${layer}/*.h)
  if(NOT headers STREQUAL "${layer}/${layer}.h")
    list(JOIN headers ", " names)
    list(APPEND faults "${layer}/ has the headers ${names}: it holds one, ${layer}/${layer}.h")
  endif()
endforeach()
file(GLOB loose_headers RELATIVE ${TOOLS} ${TOOLS}/*.h ${TOOLS}/tests/*.h)
foreach(header IN LISTS loose_headers)
  list(APPEND faults "${header} is a header outside the layers' folders")
endforeach()

file(GLOB_RECURSE sources RELATIVE ${TOOLS} ${TOOLS}/*.cpp ${TOOLS}/*.h)
foreach(source IN LISTS sources)
  # What this file may include: the headers of its own layer and those below.
  set(allowed ${below_tools})
  string(REGEX MATCH "^[^/]+/" folder "${source}")
  foreach(layer IN LISTS layers)
    list(APPEND allowed "${layer}/${layer}.h")
    if(folder STREQUAL "${layer}/")
      break()
    endif()
  endforeach()
  if(source STREQUAL exception_file)
    list(APPEND allowed ${exception_include})
  endif()
  file(STRINGS ${TOOLS}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" included "${line}")
    if(NOT included IN_LIST allowed)
      list(JOIN allowed ", " names)
      list(APPEND faults "${source} includes \"${included}\": it may include ${names}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The layers of tools/ are broken:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of tools/ keep their layers")
