# Compiles, for syntax only, every file of the core, the command line and the
# server that a Windows build would take as it is, with Debian's mingw-w64: all
# of src/core, src/cli and src/serve but the Linux implementations (*Linux.cpp)
# of the interfaces they keep their system calls behind. Lists every file that
# fails, then fails. Run with -DCOMPILER=x86_64-w64-mingw32-g++-posix -DSOURCES=<repo>/src
# -DWORK=<scratch folder>.
#
# The standard headers the sources use are parsed once into a precompiled header:
# parsing them again for each file took nine tenths of the check's time. A
# header with a .cpp of the same name is checked through it (each .cpp includes
# its own header first).
cmake_minimum_required(VERSION 3.25)

find_program(compiler_path "${COMPILER}")
if(NOT compiler_path)
  if(DEFINED ENV{CI})
    message(FATAL_ERROR "${COMPILER} not found: scripts/setup installs it")
  endif()
  message(STATUS "Skipped: mingw-w64 is not installed (${COMPILER})")
  return()
endif()

file(GLOB_RECURSE files RELATIVE "${SOURCES}" "${SOURCES}/core/*.cpp" "${SOURCES}/core/*.h" "${SOURCES}/cli/*.cpp"
     "${SOURCES}/cli/*.h" "${SOURCES}/serve/*.cpp" "${SOURCES}/serve/*.h")
list(FILTER files EXCLUDE REGEX "Linux\\.cpp$")
# Build tools, run only on the build machine.
list(FILTER files EXCLUDE REGEX "^core/publish/tools/")
list(SORT files)
set(alone "")
foreach(file IN LISTS files)
  string(REGEX REPLACE "\\.h$" ".cpp" partner "${file}")
  if(NOT partner STREQUAL file AND partner IN_LIST files)
    continue()
  endif()
  list(APPEND alone "${file}")
endforeach()
set(files ${alone})

set(standard "")
foreach(file IN LISTS files)
  file(STRINGS "${SOURCES}/${file}" lines REGEX "^#include <[a-z_]+>")
  list(APPEND standard ${lines})
endforeach()
list(REMOVE_DUPLICATES standard)
list(SORT standard)
list(JOIN standard "\n" standard)
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/standard.h" "${standard}\n")
set(flags -std=c++20 -Wno-pragma-once-outside-header)
execute_process(COMMAND "${compiler_path}" ${flags} -x c++-header "${WORK}/standard.h" -o "${WORK}/standard.h.gch"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The standard headers do not compile for Windows:\n${errors}")
endif()

set(failed "")
foreach(file IN LISTS files)
  execute_process(
    COMMAND "${compiler_path}" ${flags} -fsyntax-only -include "${WORK}/standard.h" -x c++ "-I${SOURCES}"
            "${SOURCES}/${file}"
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(REGEX MATCH "[^\n]*error:[^\n]*" first "${errors}")
    string(APPEND failed "  ${file}: ${first}\n")
  endif()
endforeach()

list(LENGTH files count)
if(failed)
  message(FATAL_ERROR "Files a Windows build cannot compile:\n${failed}")
endif()
message(STATUS "${count} files compile for Windows")
