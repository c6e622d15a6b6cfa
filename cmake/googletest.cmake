# GoogleTest: the system's build natively, built from Debian's sources when cross-compiling.
if(CMAKE_CROSSCOMPILING)
  block()
    # Linked into each test program, whatever BUILD_SHARED_LIBS says for the library.
    set(BUILD_SHARED_LIBS OFF)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endblock()
else()
  find_package(GTest REQUIRED)
endif()

# Registers the GoogleTest program `target` with ctest, with PROPERTIES on every entry and the
# program's name as their label.
#  - Natively every test is an entry of its own, named Suite.Test, listed from the program after
#    each build.
#  - Cross-compiled for Windows x86_64, where every test process is a Wine start of one to three
#    seconds on this machine, every test SUITE is an entry of its own (--gtest_filter=Suite.*),
#    named after the suites that the TEST and TEST_F lines of the program's sources declare at
#    configure time. One more entry, <target>.other_suites, runs whatever those lines missed.
#    With CVNAACCR_WINE_TEST_EACH every test is an entry of its own there too, listed under Wine
#    when ctest starts (Wine must not run during the build); a full run then takes minutes longer.
#  - Where there is no emulator (32-bit Windows programs cannot run here) the program is only built.
option(CVNAACCR_WINE_TEST_EACH "Under Wine, one ctest entry per test instead of per suite (slower)" OFF)
include(GoogleTest)
function(cvnaaccr_discover_tests target)
  cmake_parse_arguments(arg "" "" "PROPERTIES" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${target} ${arg_PROPERTIES})
    return()
  endif()
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  if(CVNAACCR_WINE_TEST_EACH)
    # wine-run-lf gives the list with LF line ends; the first listing may have to make the Wine
    # prefix (wineboot) on a busy machine.
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run-lf)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300
                         PROPERTIES LABELS ${target} ${arg_PROPERTIES})
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(suites "")
  foreach(source IN LISTS sources)
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} lines REGEX "^TEST(_F)?\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  set(others "")
  foreach(suite IN LISTS suites)
    add_test(NAME ${suite} COMMAND ${target} --gtest_filter=${suite}.*)
    set_tests_properties(${suite} PROPERTIES LABELS ${target} ${arg_PROPERTIES})
    string(APPEND others ":${suite}.*")
  endforeach()
  string(SUBSTRING "${others}" 1 -1 others)
  add_test(NAME ${target}.other_suites COMMAND ${target} --gtest_filter=-${others})
  set_tests_properties(${target}.other_suites PROPERTIES LABELS ${target} ${arg_PROPERTIES})
endfunction()
