# Compiles, for syntax only, every file of the core, the command line and the
# server that a Windows build would take as it is, with Debian's mingw-w64: all
# of src/core, src/cli and src/serve but the Linux implementations (*Linux.cpp)
# of the interfaces they keep their system calls behind. Lists every file that
# fails, then fails. Run with -DCOMPILER=x86_64-w64-mingw32-g++-posix -DSOURCES=<repo>/src.
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

set(failed "")
foreach(file IN LISTS files)
  execute_process(
    COMMAND "${compiler_path}" -std=c++20 -fsyntax-only -Wno-pragma-once-outside-header -x c++ "-I${SOURCES}"
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
