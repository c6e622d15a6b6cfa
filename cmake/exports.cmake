# exports.cmake -- reads the list of exported functions (library/abi/exports.txt)
# and writes the linker files made from it.  Included by the build and by the
# table checks that run as cmake -P scripts, so every one of them sees the same
# list.  An entry is "name:bytes", bytes being the argument bytes of the
# decorated __stdcall name _name@bytes.

# Sets OUT to the entries of FILE, in the file's order.  Blank lines and lines
# starting with '#' are skipped; anything else that is not name:bytes, or a
# name listed twice, stops the configuration.
function(cvnaaccr_read_exports file out)
  file(STRINGS "${file}" lines)
  set(entries "")
  set(names "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Za-z_][A-Za-z0-9_]*):([0-9]+)$")
      message(FATAL_ERROR "${file}: '${line}' is not name:argument-bytes")
    endif()
    if(CMAKE_MATCH_1 IN_LIST names)
      message(FATAL_ERROR "${file}: ${CMAKE_MATCH_1} is listed twice")
    endif()
    list(APPEND names ${CMAKE_MATCH_1})
    list(APPEND entries "${CMAKE_MATCH_1}:${CMAKE_MATCH_2}")
  endforeach()
  if(entries STREQUAL "")
    message(FATAL_ERROR "${file}: no exported function")
  endif()
  set(${out} ${entries} PARENT_SCOPE)
endfunction()

# Splits one entry into NAME_OUT and BYTES_OUT.
function(cvnaaccr_split_export entry name_out bytes_out)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 bytes)
  set(${name_out} ${name} PARENT_SCOPE)
  set(${bytes_out} ${bytes} PARENT_SCOPE)
endfunction()

# Sets OUT to every name the DLL exports: each plain name and its decorated alias.
function(cvnaaccr_dll_export_names entries out)
  set(names "")
  foreach(entry IN LISTS entries)
    cvnaaccr_split_export(${entry} name bytes)
    list(APPEND names ${name} _${name}@${bytes})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Writes FILE only when its text changes, so that a new configuration relinks
# nothing unless the list changed.
function(cvnaaccr_write_if_changed file text)
  if(EXISTS "${file}")
    file(READ "${file}" old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE "${file}" "${text}")
endfunction()

# The Linux version script: only the listed functions leave the shared object.
function(cvnaaccr_write_version_script entries file)
  set(text "{\n  global:\n")
  foreach(entry IN LISTS entries)
    cvnaaccr_split_export(${entry} name bytes)
    string(APPEND text "    ${name};\n")
  endforeach()
  string(APPEND text "  local: *;\n};\n")
  cvnaaccr_write_if_changed("${file}" "${text}")
endfunction()

# The DLL's .def: every function under its plain name and its decorated name.
# On x86 ld matches the plain name to the __stdcall symbol (with
# --enable-stdcall-fixup); on x86_64 the symbol has the plain name.
function(cvnaaccr_write_dll_def entries file)
  set(text "LIBRARY cvnaaccr.dll\nEXPORTS\n")
  foreach(entry IN LISTS entries)
    cvnaaccr_split_export(${entry} name bytes)
    string(APPEND text "    ${name}\n    _${name}@${bytes} = ${name}\n")
  endforeach()
  cvnaaccr_write_if_changed("${file}" "${text}")
endfunction()

# The dlltool .def of an import library that binds every function to its
# decorated export.  The symbol is the one a caller's compiler emits:
# name@bytes on x86 (shown as _name@bytes), the plain name on x86_64.
function(cvnaaccr_write_import_def entries pointer_size file)
  set(text "LIBRARY cvnaaccr.dll\nEXPORTS\n")
  foreach(entry IN LISTS entries)
    cvnaaccr_split_export(${entry} name bytes)
    if(pointer_size EQUAL 4)
      string(APPEND text "    ${name}@${bytes} == _${name}@${bytes}\n")
    else()
      string(APPEND text "    ${name} == _${name}@${bytes}\n")
    endif()
  endforeach()
  cvnaaccr_write_if_changed("${file}" "${text}")
endfunction()

# A C++ source that compiles only when every listed function is declared in
# cvnaaccr.h with the listed argument bytes (counted as on 32-bit Windows), so
# a wrong entry breaks the build before it breaks a caller's link.
function(cvnaaccr_write_export_check entries file)
  set(text "// Made from library/abi/exports.txt: each entry against its prototype in cvnaaccr.h.\n")
  string(APPEND text "#include <stddef.h>\n\n#include <type_traits>\n\n#include \"cvnaaccr.h\"\n\n")
  string(APPEND text "// Argument bytes of a __stdcall function on 32-bit Windows: a pointer takes 4,\n")
  string(APPEND text "// anything else its size rounded up to a multiple of 4.\n")
  string(APPEND text "template <typename Result, typename... Args> constexpr size_t argument_bytes(Result(CV_CALL *)(Args...))\n{\n")
  string(APPEND text "    return (size_t{0} + ... + (std::is_pointer<Args>::value ? 4 : (sizeof(Args) + 3) / 4 * 4));\n}\n\n")
  foreach(entry IN LISTS entries)
    cvnaaccr_split_export(${entry} name bytes)
    string(APPEND text "static_assert(argument_bytes(&${name}) == ${bytes}, \"exports.txt: ${name}:${bytes}\");\n")
  endforeach()
  cvnaaccr_write_if_changed("${file}" "${text}")
endfunction()
