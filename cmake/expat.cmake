# expat, the XML parser of the NAACCR XML check: Debian's libexpat natively;
# for Windows, Debian's expat source (unpacked by `tools/install_packages.sh
# expat-source` into build/expat-src) compiled into a static library, so
# cvnaaccr.dll carries it and imports nothing more than before.
if(NOT WIN32)
  find_package(EXPAT REQUIRED)
  add_library(cvnaaccr_expat INTERFACE)
  target_link_libraries(cvnaaccr_expat INTERFACE EXPAT::EXPAT)
  return()
endif()

file(GLOB expat_candidates ${PROJECT_SOURCE_DIR}/build/expat-src/expat-*/expat/lib/xmlparse.c)
set(CVNAACCR_EXPAT_SOURCE "" CACHE PATH "expat's lib folder (xmlparse.c, ...); found in build/expat-src when empty")
if(CVNAACCR_EXPAT_SOURCE)
  set(expat_lib ${CVNAACCR_EXPAT_SOURCE})
elseif(expat_candidates)
  list(GET expat_candidates 0 expat_parse)
  get_filename_component(expat_lib ${expat_parse} DIRECTORY)
else()
  message(FATAL_ERROR "expat's source is missing: run tools/install_packages.sh expat-source")
endif()

add_library(cvnaaccr_expat STATIC ${expat_lib}/xmlparse.c ${expat_lib}/xmlrole.c ${expat_lib}/xmltok.c)
target_include_directories(cvnaaccr_expat PRIVATE ${PROJECT_SOURCE_DIR}/cmake/expat)
target_include_directories(cvnaaccr_expat SYSTEM PUBLIC ${expat_lib})
target_compile_definitions(cvnaaccr_expat PUBLIC XML_STATIC)
# Its own code, as its authors ship it: our warning flags are not its concern.
target_compile_options(cvnaaccr_expat PRIVATE -w)
set_target_properties(cvnaaccr_expat PROPERTIES POSITION_INDEPENDENT_CODE ON)
