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
